#include "support/runner_log.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "support/program_runner.h"
#include "support/screen_capture.h"
#include "support/temp_folder.h"
#include "support/x11_keys.h"

bool RunnerLog::scan(const std::function<bool(const std::string&)>& match, std::chrono::seconds timeout,
                     bool consume)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (true) {
        std::error_code missing;
        if (std::filesystem::exists(file_, missing)) {
            std::string text = readFile(file_);
            // Only whole lines.
            text.resize(text.rfind('\n') == std::string::npos ? 0 : text.rfind('\n') + 1);
            const std::vector<std::string> lines = logLines(text);
            for (std::size_t i = read_; i < lines.size(); ++i) {
                const std::string& line = lines[i];
                if (line.rfind("Selected: ", 0) == 0)
                    selected_ = line.substr(10);
                if (consume) {
                    read_ = i + 1;
                    last_ = line;
                }
                if (match(line)) {
                    peeked_ = std::max(peeked_, i + 1);
                    return true;
                }
            }
        }
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

bool RunnerLog::waitFor(const std::function<bool(const std::string&)>& match, std::chrono::seconds timeout)
{
    return scan(match, timeout, true);
}

bool RunnerLog::peekFor(const std::function<bool(const std::string&)>& match, std::chrono::seconds timeout)
{
    return scan(match, timeout, false);
}

void RunnerLog::catchUp()
{
    const std::size_t target = peeked_;
    if (read_ < target)
        scan([&](const std::string&) { return read_ >= target; }, std::chrono::seconds(1), true);
}

bool RunnerLog::waitForLine(const std::string& line, std::chrono::seconds timeout)
{
    return waitFor([&](const std::string& l) { return l == line; }, timeout);
}

bool RunnerLog::waitForPrefix(const std::string& prefix, std::chrono::seconds timeout)
{
    return waitFor([&](const std::string& l) { return l.rfind(prefix, 0) == 0; }, timeout);
}

bool pressUntil(const std::string& key, RunnerLog& log, const std::function<bool(const std::string&)>& seen,
                bool untilReleased)
{
    const auto released = [](const std::string& line) { return line == "Keys released"; };
    bool found = false;
    for (int attempt = 0; attempt < 10 && !found; ++attempt) {
        windowKeyDown(key);
        found = log.waitFor(seen, std::chrono::seconds(2));
    }
    windowKeyUp(key);
    if (!found || !untilReleased)
        return found;
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (log.peekFor(released, std::chrono::seconds(2)))
            return true;
        windowKeyUp(key);
    }
    return false;
}

bool pressUntilLine(const std::string& key, RunnerLog& log, const std::string& line, bool untilReleased)
{
    return pressUntil(key, log, [&](const std::string& l) { return l == line; }, untilReleased);
}

bool pressUntilPrefix(const std::string& key, RunnerLog& log, const std::string& prefix, bool untilReleased)
{
    return pressUntil(key, log, [&](const std::string& l) { return l.rfind(prefix, 0) == 0; }, untilReleased);
}

bool pressUntilSelected(const std::string& key, RunnerLog& log, const std::string& prefix)
{
    log.catchUp();
    if (log.selected().empty() && !log.waitForPrefix("Selected: "))
        return false;
    for (int presses = 0; presses < 200; ++presses) {
        if (log.selected().rfind(prefix, 0) == 0)
            return true;
        if (!pressUntilPrefix(key, log, "Selected: "))
            return false;
        log.catchUp();
    }
    return false;
}

bool selectEntry(RunnerLog& log, const std::string& prefix)
{
    return pressUntilSelected("Down", log, prefix);
}

bool saveMenuScreenshot(const std::filesystem::path& path, int minimum)
{
    const auto menuText = [](const std::array<int, 3>& p) { return p == std::array<int, 3>{200, 255, 200}; };
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (captureScreen(path)) {
            ScreenImage image(path);
            if (image.loaded() && image.count(0, 0, 1919, 1079, menuText) >= minimum)
                return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return false;
}

ProgramResult runMenuRunner(const std::filesystem::path& program, const std::string& screen, const TempDataHome& home,
                            const std::function<void(RunnerLog&)>& drive, std::chrono::seconds timeout)
{
    ProgramOptions options;
    options.program = program;
    options.args = {screen};
    options.env["XDG_DATA_HOME"] = home.folder().str();
    options.timeout = timeout;
    options.whileRunning = [&](int) {
        RunnerLog log(home.dataFolder() / "tamwick.log");
        if (waitForWindow() && log.waitForLine("Menu runner ready"))
            drive(log);
    };
    return runProgram(options);
}
