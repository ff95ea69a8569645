#include "frame/log.h"

#include <cstdarg>
#include <cstring>
#include <iomanip>

#include "frame/message_box.h"
#include "frame/user_data_folder.h"
#include "platform/debug_output.h"

int frameCounter = 0;
FILE* logFile = nullptr;
std::mutex logMutex;

namespace {
char messageBuffer[logBufferSize];
char lineBuffer[logBufferSize];
}

void openLogFile()
{
    std::string path = getUserDataFolder() + "/tamwick.log";
    logFile = std::fopen(path.c_str(), "w");
    if (!logFile)
        showMessageBox(nullptr, "", "", "Warning: couldn't create log file", 0);
}

void closeLogFile()
{
    std::lock_guard lock(logMutex);
    if (!logFile)
        return;
    std::fflush(logFile);
    std::fclose(logFile);
    logFile = nullptr;
}

void log(const char* format, ...)
{
    std::lock_guard lock(logMutex);
    va_list args;
    va_start(args, format);
    std::vsnprintf(messageBuffer, sizeof messageBuffer, format, args);
    va_end(args);
    // The prefix is at most a dozen characters, so snprintf never truncates it;
    // the message is then cut to what still fits.
    int prefix = std::snprintf(lineBuffer, sizeof lineBuffer, "%d: ", frameCounter);
    std::strncat(lineBuffer, messageBuffer, sizeof lineBuffer - static_cast<std::size_t>(prefix) - 1);
    platform::debugOutput(lineBuffer);
    if (logFile)
        std::fputs(lineBuffer, logFile);
}

void logStdString(const std::string& text)
{
    log("%s", text.c_str());
}

void logString(std::ostringstream& stream)
{
    logStdString(stream.str());
}

void logLine(std::string_view text)
{
    log("%.*s", static_cast<int>(text.size()), text.data());
    flushLog();
}

void flushLog()
{
    std::lock_guard lock(logMutex);
    if (logFile)
        std::fflush(logFile);
}

void logDouble(double value)
{
    std::ostringstream s;
    s << std::fixed << std::setprecision(6) << value << '\n';
    logString(s);
}

void logOptionalVector(const std::optional<Vector2>& value)
{
    std::ostringstream s;
    s << value << '\n';
    logString(s);
}

void traceHandler(const char* text)
{
    log("%s", text);
}
