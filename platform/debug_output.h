#pragma once

namespace platform {

// The debugger's output channel: standard error on this platform.
void debugOutput(const char* text);

}
