#pragma once
#include <string>

// Brings the program up in its fixed order; returns 0.
int init(int argc, char** argv);

// Logs the message, shows it in an error box, closes the log and ends the
// process with status 1.
[[noreturn]] void fatalError(const std::string& message);

// The ten default player colours, in order.
void fillDefaultColours();

// Releases what start-up created, in order, and closes the log.
void shutdown();

// "Please send <log path> to <address>".
std::string supportLine();
