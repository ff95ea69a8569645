#include "support/program_runner.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

extern char** environ;

std::filesystem::path runFolder()
{
    return TAMWICK_RUN_DIR;
}

ProgramResult runProgram(const ProgramOptions& options)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        throw std::runtime_error("pipe failed");

    pid_t pid = fork();
    if (pid < 0)
        throw std::runtime_error("fork failed");
    if (pid == 0) {
        dup2(pipeFds[1], 1);
        dup2(pipeFds[1], 2);
        close(pipeFds[0]);
        close(pipeFds[1]);
        std::filesystem::path folder =
            options.workingFolder.empty() ? runFolder() : options.workingFolder;
        if (chdir(folder.c_str()) != 0)
            _exit(127);
        for (const auto& [name, value] : options.env) {
            if (value)
                setenv(name.c_str(), value->c_str(), 1);
            else
                unsetenv(name.c_str());
        }
        std::string program = (runFolder() / "tamwick").string();
        std::vector<char*> argv;
        argv.push_back(program.data());
        std::vector<std::string> args = options.args;
        for (std::string& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        execve(program.c_str(), argv.data(), environ);
        _exit(127);
    }
    close(pipeFds[1]);
    fcntl(pipeFds[0], F_SETFL, O_NONBLOCK);

    std::thread driver;
    if (options.whileRunning)
        driver = std::thread([&] { options.whileRunning(pid); });

    ProgramResult result;
    auto deadline = std::chrono::steady_clock::now() + options.timeout;
    int status = 0;
    bool exited = false;
    char buffer[4096];
    while (true) {
        pollfd fd{pipeFds[0], POLLIN, 0};
        poll(&fd, 1, 50);
        ssize_t n;
        while ((n = read(pipeFds[0], buffer, sizeof buffer)) > 0)
            result.output.append(buffer, size_t(n));
        if (!exited && waitpid(pid, &status, WNOHANG) == pid)
            exited = true;
        if (exited && n <= 0)
            break;
        if (!exited && std::chrono::steady_clock::now() > deadline) {
            result.timedOut = true;
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            exited = true;
        }
    }
    close(pipeFds[0]);
    if (driver.joinable())
        driver.join();
    if (WIFEXITED(status))
        result.exitStatus = WEXITSTATUS(status);
    else if (WIFSIGNALED(status))
        result.signal = WTERMSIG(status);
    return result;
}

bool waitForLogLine(const std::filesystem::path& logFile, const std::string& line,
                    std::chrono::seconds timeout)
{
    auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
        std::ifstream in(logFile);
        std::stringstream text;
        text << in.rdbuf();
        if (containsInOrder(logLines(text.str()), {line}))
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
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
