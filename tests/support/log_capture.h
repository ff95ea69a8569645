#pragma once
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "frame/log.h"
#include "support/program_runner.h"

// Sends the log to memory while it lives.
class LogCapture {
public:
    LogCapture() : previous_(logFile), file_(open_memstream(&text_, &size_)) { logFile = file_; }
    ~LogCapture()
    {
        logFile = previous_;
        std::fclose(file_);
        std::free(text_);
    }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    // The lines written so far, without their frame prefix.
    std::vector<std::string> lines()
    {
        std::fflush(file_);
        return logLines(std::string(text_, size_));
    }

private:
    FILE* previous_;
    char* text_ = nullptr;
    std::size_t size_ = 0;
    FILE* file_;
};
