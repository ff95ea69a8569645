#include "support/x11_keys.h"

#include <signal.h>

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

bool waitForWindow(int timeoutSeconds)
{
    return run("timeout " + std::to_string(timeoutSeconds) +
               " xdotool search --sync --name '^Tamwick$'") == 0;
}

void holdKey(const std::string& key, double seconds)
{
    run("w=$(xdotool search --name '^Tamwick$' | head -n 1); [ -n \"$w\" ] && xdotool windowfocus "
        "--sync $w; xdotool keydown " + key + "; sleep " + std::to_string(seconds) +
        "; xdotool keyup " + key + "; sleep 0.3");
}

void pressKeyUntilExit(int pid, const std::string& key, int timeoutSeconds)
{
    if (!waitForWindow(timeoutSeconds))
        return;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeoutSeconds);
    while (kill(pid, 0) == 0 && std::chrono::steady_clock::now() < deadline)
        holdKey(key);
}
