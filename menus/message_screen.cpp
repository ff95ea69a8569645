#include "menus/message_screen.h"

#include "frame/log.h"

// Stand-ins until the message screens are built: the lines are logged and the
// first key counts as pressed.
bool msgScreen(std::vector<std::string> lines, int, int)
{
    for (const auto& line : lines)
        logStdString(line + "\n");
    return true;
}

void msgScreenDraw(std::vector<std::string>) {}
void profile() {}
