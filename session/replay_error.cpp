#include "session/replay_error.h"

#include "frame/log.h"

ReplayError::ReplayError(const std::string& text, std::string detail, std::string found)
    : std::runtime_error(text), detail_(std::move(detail)), found_(std::move(found)), located_(false)
{
}

ReplayError::ReplayError(const std::string& text) : std::runtime_error(text), located_(true) {}

void throwLocatedReplayError(std::istream& in, const std::string& detail, const std::string& found)
{
    in.clear();
    const auto position = static_cast<long long>(in.tellg());
    throwReplayError("Invalid replay: " + detail + " at byte " + std::to_string(position) + found);
}

void throwReplayError(const std::string& text)
{
    logStdString(text + "\n");
    throw ReplayError(text);
}
