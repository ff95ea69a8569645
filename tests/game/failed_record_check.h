#pragma once
#include <exception>
#include <functional>
#include <stdexcept>
#include <string>

#include "game/replay_data.h"
#include "support/log_capture.h"

// `text` when it is the last thing `log` holds, otherwise "not logged: " and
// the text: a failed check is logged as it is raised.
inline std::string loggedLast(LogCapture& log, const std::string& text)
{
    std::string logged;
    for (const std::string& line : log.lines())
        logged += line + "\n";
    const bool last =
        logged.size() >= text.size() && logged.compare(logged.size() - text.size(), text.size(), text) == 0;
    return last ? text : "not logged: " + text;
}

// The text of the FailedRecordCheck that `action` raises, once the log holds
// it too. Anything else (another exception, a check that was not logged) is
// named instead, so that a damaged record that would end the program shows.
inline std::string failedRecordCheckOf(const std::function<void()>& action)
{
    LogCapture log;
    try {
        action();
    } catch (const FailedRecordCheck& e) {
        return loggedLast(log, e.what());
    } catch (const std::exception& e) {
        return "not a failed record check: " + std::string(e.what());
    }
    return "nothing thrown";
}

// The text of the failed check of the rules (a std::runtime_error, never a
// FailedRecordCheck) that `action` raises, once the log holds it too; anything
// else is named instead, so that a round that went another way than its
// verify text says is never taken for a damaged file, nor left out of the log.
inline std::string failedReplayCheckOf(const std::function<void()>& action)
{
    LogCapture log;
    try {
        action();
    } catch (const FailedRecordCheck& e) {
        return "a failed record check: " + std::string(e.what());
    } catch (const std::runtime_error& e) {
        return loggedLast(log, e.what());
    } catch (const std::exception& e) {
        return "not a failed check: " + std::string(e.what());
    }
    return "nothing thrown";
}
