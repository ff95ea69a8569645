#pragma once
#include <string>

namespace platform {

// The folder that holds the running program, every link on the way resolved;
// empty when the system does not say (no /proc).
std::string programFolder();

// Makes `folder` the working folder: an empty string when it is done, else why not.
std::string enterFolder(const std::string& folder);

// The working folder as an absolute path, links resolved; empty when it
// cannot be read (it was removed meanwhile).
std::string workingFolder();

}
