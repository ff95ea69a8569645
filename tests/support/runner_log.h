#pragma once
#include <chrono>
#include <filesystem>
#include <functional>
#include <string>

#include "support/program_runner.h"
#include "support/temp_folder.h"

// Follows the log of a running program line by line, for tests that drive
// it with keys and wait for what it says (tamwick_menu_runner's "Entry:",
// "Selected:", "Message:" lines and the program's own).
class RunnerLog {
public:
    explicit RunnerLog(std::filesystem::path logFile) : file_(std::move(logFile)) {}

    // Waits for a line not yet read that `match` accepts, reading up to it;
    // false when the timeout passes first.
    bool waitFor(const std::function<bool(const std::string&)>& match,
                 std::chrono::seconds timeout = std::chrono::seconds(20));
    // The same without reading: later waits still see the lines up to it
    // (`selected` follows them already).
    bool peekFor(const std::function<bool(const std::string&)>& match,
                 std::chrono::seconds timeout = std::chrono::seconds(20));
    bool waitForLine(const std::string& line, std::chrono::seconds timeout = std::chrono::seconds(20));
    bool waitForPrefix(const std::string& prefix, std::chrono::seconds timeout = std::chrono::seconds(20));
    // Reads on to where the last peek stopped.
    void catchUp();
    // The text of the last "Selected: " line read or peeked at.
    const std::string& selected() const { return selected_; }
    // The last line read.
    const std::string& last() const { return last_; }

private:
    bool scan(const std::function<bool(const std::string&)>& match, std::chrono::seconds timeout, bool consume);

    std::filesystem::path file_;
    std::size_t read_ = 0;
    std::size_t peeked_ = 0;
    std::string selected_;
    std::string last_;
};

// Holds the key down (xdotool, on the window titled "Tamwick") until the log
// shows a line that `seen` accepts, then lets it go. With `untilReleased` it
// also waits (without reading) for the runner's "Keys released", after which
// the key can move nothing more; leave it off when the press starts a game or
// ends the program. A key event lost while the display changes mode is sent again.
bool pressUntil(const std::string& key, RunnerLog& log, const std::function<bool(const std::string&)>& seen,
                bool untilReleased = true);
bool pressUntilLine(const std::string& key, RunnerLog& log, const std::string& line, bool untilReleased = true);
bool pressUntilPrefix(const std::string& key, RunnerLog& log, const std::string& prefix, bool untilReleased = true);
// Presses the key, a move at a time, until the selected entry's text starts
// with `prefix`. A held arrow repeats, so a press may go one too far: Down
// then costs a lap round the menu, a switch another flip.
bool pressUntilSelected(const std::string& key, RunnerLog& log, const std::string& prefix);
bool selectEntry(RunnerLog& log, const std::string& prefix);

// Saves the X screen to `path` once it shows at least `minimum` pixels of the
// menu entries' colour (the screen may lag the log); false when it never does.
bool saveMenuScreenshot(const std::filesystem::path& path, int minimum = 500);

// Runs tamwick_menu_runner (`program`) on `screen` with its data folder in
// `home`; `drive` follows its log once the window is up and the runner ready.
ProgramResult runMenuRunner(const std::filesystem::path& program, const std::string& screen, const TempDataHome& home,
                            const std::function<void(RunnerLog&)>& drive,
                            std::chrono::seconds timeout = std::chrono::seconds(60));
