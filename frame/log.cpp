#include "frame/log.h"

#include <cerrno>
#include <cstdarg>
#include <cstring>
#include <filesystem>
#include <iomanip>

#include "frame/message_box.h"
#include "frame/user_data_folder.h"
#include "platform/debug_output.h"

int frameCounter = 0;
FILE* logFile = nullptr;
std::string logFilePath;
std::mutex logMutex;

namespace {
char messageBuffer[logBufferSize];
char lineBuffer[logBufferSize];
}

void openLogFile()
{
    logFilePath.clear();
    std::string folder;
    try {
        folder = getUserDataFolder();
    } catch (const std::filesystem::filesystem_error& error) {
        const std::string text = "Warning: there is no data folder: " + folderProblem(error) +
                                 "\nSettings, replays and the log are not kept this time.";
        showMessageBox(nullptr, "", "", text.c_str(), 0);
        return;
    }
    const std::string path = folder + "/tamwick.log";
    logFile = std::fopen(path.c_str(), "w");
    if (logFile) {
        logFilePath = path;
        return;
    }
    const std::string text = "Warning: couldn't create log file " + path + ": " + std::strerror(errno);
    showMessageBox(nullptr, "", "", text.c_str(), 0);
}

void closeLogFile()
{
    std::lock_guard lock(logMutex);
    if (!logFile)
        return;
    std::fflush(logFile);
    std::fclose(logFile);
    logFile = nullptr;
    logFilePath.clear();
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
