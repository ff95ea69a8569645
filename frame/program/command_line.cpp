#include "frame/program/command_line.h"

#include <cstdlib>
#include <sstream>
#include <string>

#include "frame/log.h"
#include "frame/message_box.h"
#include "frame/settings.h"
#include "session/level_size_distribution.h"

void parseCommandLine(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "/diag") {
            diagnosticMode = true;
        } else if (arg == "/fastForward") {
            fastForward = true;
        } else if (arg == "/autoRandomControls") {
            autoRandomControls = true;
        } else if (arg == "/advanceLimit") {
            if (i + 1 < argc)
                std::istringstream(argv[++i]) >> advanceLimit;
        } else if (arg == "/testAutoGameOptionsDistribution") {
            testAutoLevelSizeDistribution();
        } else {
            showMessageBox(nullptr, "", "Unknown command", arg.c_str(), 0);
            closeLogFile();
            std::exit(1);
        }
    }
}
