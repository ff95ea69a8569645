#pragma once
#include <string>

// Makes the folder that holds the program the working folder, so the game's
// own files beside it (art, sounds, music, the font, the shaders) are found
// whatever folder it was started from. Called before anything opens a file;
// gives the line for the log, which says where those files are read from.
std::string enterProgramFolder();
