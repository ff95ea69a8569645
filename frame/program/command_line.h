#pragma once

// Reads the switches from argv[1] on, each matched exactly. An unknown switch
// shows "Unknown command" and ends the process with status 1.
void parseCommandLine(int argc, char** argv);
