#include "support/key_driver.h"

#include <signal.h>

#include <algorithm>
#include <cstdlib>
#include <thread>

#include "support/program_runner.h"
#include "support/temp_folder.h"

namespace {

const std::string selectionPrefix = "Menu selection: ";

void xdotool(const std::string& arguments)
{
    std::system(("xdotool " + arguments + " >/dev/null 2>&1").c_str());
}

}

KeyDriver::KeyDriver(int pid) : pid_(pid) {}

std::filesystem::path KeyDriver::output() const
{
    // Asked each time: just after the fork the child's standard error is
    // still the test's own, until it is pointed at the output file.
    std::error_code error;
    return std::filesystem::read_symlink("/proc/" + std::to_string(pid_) + "/fd/2", error);
}

bool KeyDriver::running() const
{
    return kill(pid_, 0) == 0;
}

std::vector<std::string> KeyDriver::lines() const
{
    const std::filesystem::path file = output();
    std::error_code error;
    if (file.empty() || !std::filesystem::is_regular_file(file, error))
        return {};
    return logLines(readFile(file));
}

long KeyDriver::count(const std::string& line) const
{
    const auto all = lines();
    return std::count(all.begin(), all.end(), line);
}

bool KeyDriver::waitFor(const std::string& line, long before, std::chrono::seconds timeout) const
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
        if (count(line) > before)
            return true;
        if (!running())
            return count(line) > before;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

bool KeyDriver::focus()
{
    xdotool("search --sync --name '^Tamwick$' windowfocus --sync");
    // Q is no layout's key and no menu's: a harmless probe. (Modifier keys
    // are not: xdotool's view of their state can go stale between programs.)
    for (int attempt = 0; attempt < 10 && running(); ++attempt) {
        if (press("q", "Q"))
            return true;
    }
    return false;
}

bool KeyDriver::press(const std::string& key, const std::string& name, const std::string& until)
{
    const long downs = count("Key down: " + name);
    const long releases = count("Key pressed: " + name);
    const long effects = until.empty() ? 0 : count(until);
    xdotool("keydown " + key);
    bool seen = waitFor("Key down: " + name, downs, std::chrono::seconds(5));
    if (seen && !until.empty())
        seen = waitFor(until, effects);
    xdotool("keyup " + key);
    if (running() && count("Key down: " + name) > downs)
        waitFor("Key pressed: " + name, releases, std::chrono::seconds(5));
    return seen;
}

bool KeyDriver::holdUntilExit(const std::string& key, std::chrono::seconds timeout)
{
    xdotool("keydown " + key);
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (running() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    xdotool("keyup " + key);
    return !running();
}

std::vector<std::string> KeyDriver::selections() const
{
    std::vector<std::string> found;
    for (const std::string& line : lines())
        if (line.rfind(selectionPrefix, 0) == 0)
            found.push_back(line.substr(selectionPrefix.size()));
    return found;
}

std::string KeyDriver::selection() const
{
    const auto all = selections();
    return all.empty() ? std::string() : all.back();
}
