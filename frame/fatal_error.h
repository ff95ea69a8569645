#pragma once
#include <string>

// Logs the message, shows it in an error box, closes the log and ends the
// process with status 1.
[[noreturn]] void fatalError(const std::string& message);
