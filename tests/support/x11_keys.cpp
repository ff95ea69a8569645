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

const char* const tamwickWindow = "w=$(xdotool search --name '^Tamwick$' 2>/dev/null | head -n 1); ";
const std::string focusWindow = tamwickWindow + std::string("[ -n \"$w\" ] && xdotool windowfocus --sync $w; ");

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

void keyDown(const std::string& key)
{
    run(focusWindow + ("xdotool keydown ") + key);
}

void keyUp(const std::string& key)
{
    run(focusWindow + ("xdotool keyup ") + key);
}

void windowKeyDown(const std::string& key)
{
    run(tamwickWindow + std::string("[ -n \"$w\" ] && xdotool keydown --window $w ") + key);
}

void windowKeyUp(const std::string& key)
{
    run(tamwickWindow + std::string("xdotool keyup ") + key + "; [ -n \"$w\" ] && xdotool keyup --window $w " + key);
}

void holdKeyUntilExit(int pid, const std::string& key, int timeoutSeconds)
{
    if (!waitForWindow(timeoutSeconds))
        return;
    keyDown(key);
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeoutSeconds);
    while (kill(pid, 0) == 0 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    keyUp(key);
}
