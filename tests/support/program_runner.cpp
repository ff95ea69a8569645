#include "support/program_runner.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <stdexcept>
#include <thread>

#include "support/temp_folder.h"

extern char** environ;

std::filesystem::path runFolder()
{
    return TAMWICK_RUN_DIR;
}

ProgramResult runProgram(const ProgramOptions& options)
{
    TempFolder outputFolder;
    const std::string outputFile =
        (options.outputFile.empty() ? outputFolder.path() / "output" : options.outputFile).string();
    pid_t pid = fork();
    if (pid < 0)
        throw std::runtime_error("fork failed");
    if (pid == 0) {
        int output = open(outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        std::filesystem::path folder = options.workingFolder.empty() ? runFolder() : options.workingFolder;
        if (output < 0 || dup2(output, 1) < 0 || dup2(output, 2) < 0 || chdir(folder.c_str()) != 0)
            _exit(127);
        for (const auto& [name, value] : options.env) {
            if (value)
                setenv(name.c_str(), value->c_str(), 1);
            else
                unsetenv(name.c_str());
        }
        std::string program = (options.program.empty() ? runFolder() / "tamwick" : options.program).string();
        std::vector<std::string> args = options.args;
        std::vector<char*> argv{program.data()};
        for (std::string& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        execve(program.c_str(), argv.data(), environ);
        _exit(127);
    }

    std::thread driver;
    if (options.whileRunning)
        driver = std::thread([&] { options.whileRunning(pid); });
    ProgramResult result;
    auto deadline = std::chrono::steady_clock::now() + options.timeout;
    int status = 0;
    while (waitpid(pid, &status, WNOHANG) != pid) {
        if (std::chrono::steady_clock::now() > deadline) {
            result.timedOut = true;
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    if (driver.joinable())
        driver.join();
    result.output = readFile(outputFile);
    if (WIFEXITED(status))
        result.exitStatus = WEXITSTATUS(status);
    else if (WIFSIGNALED(status))
        result.signal = WTERMSIG(status);
    return result;
}

bool waitForLogLine(const std::filesystem::path& logFile, const std::string& line,
                    std::chrono::seconds timeout)
{
    return waitForLineCount(logFile, line, 1, timeout);
}

bool waitForLineCount(const std::filesystem::path& file, const std::string& line, long count,
                      std::chrono::seconds timeout)
{
    auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
        std::error_code missing;
        if (std::filesystem::exists(file, missing)) {
            auto lines = logLines(readFile(file));
            if (std::count(lines.begin(), lines.end(), line) >= count)
                return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

std::vector<std::string> logLines(const std::string& logText)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < logText.size()) {
        size_t end = logText.find('\n', start);
        if (end == std::string::npos)
            end = logText.size();
        std::string line = logText.substr(start, end - start);
        size_t colon = line.find(": ");
        if (colon != std::string::npos && colon > 0 &&
            line.find_first_not_of("-0123456789") == colon)
            line = line.substr(colon + 2);
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

bool containsInOrder(const std::vector<std::string>& lines, const std::vector<std::string>& needles)
{
    size_t next = 0;
    for (const std::string& line : lines) {
        if (next < needles.size() && line == needles[next])
            ++next;
    }
    return next == needles.size();
}

bool anyLineStartsWith(const std::vector<std::string>& lines, const std::string& prefix)
{
    for (const std::string& line : lines)
        if (line.rfind(prefix, 0) == 0)
            return true;
    return false;
}
