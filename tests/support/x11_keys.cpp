#include "support/x11_keys.h"

#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>

namespace {

int run(const std::string& command)
{
    return std::system((command + " >/dev/null 2>&1").c_str());
}

}

bool haveDisplay()
{
    const char* d = std::getenv("DISPLAY");
    return d && *d;
}

bool waitForWindow(const std::string& title, int timeoutSeconds)
{
    return run("timeout " + std::to_string(timeoutSeconds) + " xdotool search --sync --name '^" +
               title + "$'") == 0;
}

void pressKey(const std::string& title, const std::string& key)
{
    std::string window = "$(xdotool search --name '^" + title + "$' | head -n 1)";
    run("w=" + window + "; [ -n \"$w\" ] && xdotool windowfocus --sync $w; xdotool keydown " + key +
        "; sleep 0.1; xdotool keyup " + key);
}

void pressKeyUntilExit(int pid, const std::string& title, const std::string& key, int timeoutSeconds)
{
    if (!waitForWindow(title, timeoutSeconds))
        return;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeoutSeconds);
    while (kill(pid, 0) == 0 && std::chrono::steady_clock::now() < deadline) {
        pressKey(title, key);
        std::this_thread::sleep_for(std::chrono::milliseconds(400));
    }
}
