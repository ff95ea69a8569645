#include "platform/debug_output.h"

#include <cstdio>

namespace platform {

void debugOutput(const char* text)
{
    std::fputs(text, stderr);
}

}
