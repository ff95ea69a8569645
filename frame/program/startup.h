#pragma once
#include <string>

// Brings the program up in its fixed order; returns 0.
int init(int argc, char** argv);

// The ten default player colours, in order.
void fillDefaultColours();

// Releases what start-up created, in order, and closes the log.
void shutdown();

// "Please send <log path> to <address>".
std::string supportLine();
