#pragma once
#include <chrono>
#include <functional>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

// Runs the real game binary in its run folder and collects what it printed.
struct ProgramResult {
    int exitStatus = -1;        // when it exited
    int signal = 0;             // when a signal ended it
    bool timedOut = false;
    std::string output;         // standard output and standard error together
};

struct ProgramOptions {
    // The game unless a test names another program.
    std::filesystem::path program;
    std::vector<std::string> args;
    // Environment changes: a value sets the variable, nullopt removes it. No
    // dialogs and OpenAL's null device unless a test says otherwise.
    std::map<std::string, std::optional<std::string>> env{{"TAMWICK_NO_DIALOGS", "1"},
                                                          {"ALSOFT_DRIVERS", "null"}};
    std::chrono::seconds timeout{60};
    // The folder to run in; the program's own run folder when empty.
    std::filesystem::path workingFolder;
    // Runs while the program is up, e.g. to send it key presses.
    std::function<void(int pid)> whileRunning;
    // Where its output (the log lines among it) goes as it runs, for
    // `whileRunning` to watch; a temporary file when empty.
    std::filesystem::path outputFile;
};

std::filesystem::path runFolder();

ProgramResult runProgram(const ProgramOptions& options);

// Waits until a line of the log file reads exactly `line` (prefix aside);
// false when the timeout passes first.
bool waitForLogLine(const std::filesystem::path& logFile, const std::string& line,
                    std::chrono::seconds timeout = std::chrono::seconds(20));
// Waits until `count` lines of the file read exactly `line` (prefix aside).
bool waitForLineCount(const std::filesystem::path& file, const std::string& line, long count,
                      std::chrono::seconds timeout = std::chrono::seconds(20));

// The program's log lines without their "N: " frame prefix.
std::vector<std::string> logLines(const std::string& logText);
// True when `needles` appear in `lines` in this order (other lines may lie between).
bool containsInOrder(const std::vector<std::string>& lines, const std::vector<std::string>& needles);
// True when some line starts with `prefix`.
bool anyLineStartsWith(const std::vector<std::string>& lines, const std::string& prefix);
