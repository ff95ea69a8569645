#pragma once
#include <cstdio>
#include <mutex>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>

#include "frame/vector2.h"

// The game's frame number; every log line starts with it.
extern int frameCounter;
extern FILE* logFile;
// The path of the open log file; empty when none could be made.
extern std::string logFilePath;
extern std::mutex logMutex;

// Size of the message and line buffers; longer texts are cut at this size.
inline constexpr std::size_t logBufferSize = 20000;

// Opens "tamwick.log" in the user data folder, truncating it. When it cannot be
// created, or there is no data folder, a warning box says which folder and why,
// and logging goes on to the debug output only.
void openLogFile();
// Flushes and closes the log file; a no-op when none is open.
void closeLogFile();

// printf-style; the caller ends the text with "\n". Safe from any thread.
void log(const char* format, ...) __attribute__((format(printf, 1, 2)));

void logStdString(const std::string& text);
void logString(std::ostringstream& stream);
void logLine(std::string_view text);
void flushLog();
void logDouble(double value);
void logOptionalVector(const std::optional<Vector2>& value);

// Allegro's trace output; the text carries its own line ending.
void traceHandler(const char* text);
