#pragma once
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

// Drives the real program's window (titled "Tamwick") with the keyboard from
// a whole-program test and watches what it logs. The log reaches the
// program's standard error line by line, so waits read that, found through
// /proc. Every key is held until the program says it saw it: a busy machine
// makes the test slower, never wrong.
class KeyDriver {
public:
    explicit KeyDriver(int pid);

    // The program's output so far, without the frame prefixes.
    std::vector<std::string> lines() const;
    long count(const std::string& line) const;
    // Until `line` has been logged more than `before` times; false on timeout
    // or when the program ended first.
    bool waitFor(const std::string& line, long before = 0,
                 std::chrono::seconds timeout = std::chrono::seconds(30)) const;
    // Focuses the window and waits until keys reach the program (the first
    // key after a focus change can be lost).
    bool focus();
    // Holds `key` (an X keysym name: "Return", "Down", "n") until the program
    // logs `name` going down and, when given, `until` once more; then lets go
    // and waits for the release to be logged when the program still runs.
    bool press(const std::string& key, const std::string& name, const std::string& until = "");
    // Holds `key` until the program ends.
    bool holdUntilExit(const std::string& key, std::chrono::seconds timeout = std::chrono::seconds(30));
    // The entry the title screen last said was selected.
    std::string selection() const;
    // Every selection the title screen has logged, in order.
    std::vector<std::string> selections() const;
    bool running() const;

private:
    std::filesystem::path output() const;

    int pid_;
};
