#pragma once
#include <exception>
#include <functional>
#include <string>

#include "game/replay_data.h"
#include "support/log_capture.h"

// The text of the FailedRecordCheck that `action` raises, once the log holds
// it too. Anything else (another exception, a check that was not logged) is
// named instead, so that a damaged record that would end the program shows.
inline std::string failedRecordCheckOf(const std::function<void()>& action)
{
    LogCapture log;
    try {
        action();
    } catch (const FailedRecordCheck& e) {
        // The check is the last thing logged.
        std::string logged;
        for (const std::string& line : log.lines())
            logged += line + "\n";
        const std::string text = e.what();
        const bool last =
            logged.size() >= text.size() && logged.compare(logged.size() - text.size(), text.size(), text) == 0;
        return last ? text : "not logged: " + text;
    } catch (const std::exception& e) {
        return "not a failed record check: " + std::string(e.what());
    }
    return "nothing thrown";
}
