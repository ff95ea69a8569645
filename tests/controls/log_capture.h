#pragma once
#include <cstdio>
#include <string>
#include <vector>

#include "frame/log.h"
#include "support/program_runner.h"

// Sends the log to a temporary file while it lives.
class LogCapture {
public:
    LogCapture() : previous_(logFile), file_(std::tmpfile()) { logFile = file_; }
    ~LogCapture()
    {
        logFile = previous_;
        std::fclose(file_);
    }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    // The lines written so far, without their frame prefix.
    std::vector<std::string> lines()
    {
        std::fflush(file_);
        std::rewind(file_);
        std::string text;
        char buffer[4096];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, file_)) > 0)
            text.append(buffer, n);
        std::fseek(file_, 0, SEEK_END);
        return logLines(text);
    }

private:
    FILE* previous_;
    FILE* file_;
};
