#pragma once
#include <string>

// The game's own files (art, sounds, music, the font, the shaders) are opened
// by paths relative to the working folder. Added to the end of a message about
// one that is missing or cannot be loaded, to say where it was looked for:
// " (in <absolute working folder>)".
std::string inWorkingFolder();
