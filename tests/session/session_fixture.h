#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "frame/app_globals.h"
#include "frame/settings.h"
#include "game/game_options.h"
#include "game/player.h"
#include "game/round_state.h"
#include "game/team.h"
#include "session/game_session.h"
#include "session/replay_error.h"
#include "session/session_screens.h"
#include "support/log_capture.h"

// Whole sessions without a display: no timer, so every update is due at once.
class Session : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetRoundState();
        gameOptions = GameOptions{};
        gameOptions.quickStartPlayers = 1;
        sessionScreens = defaultSessionScreens();
        advanceLimit = 0;
        fastForward = false;
        twoSecondFrameCount = 120;
        colours = std::vector<RGB>(10, RGB{1, 2, 3});
    }
    void TearDown() override
    {
        resetRoundState();
        gameOptions = GameOptions{};
        sessionScreens = defaultSessionScreens();
        advanceLimit = 0;
        fastForward = false;
        lootboxesEnabled = false;
    }
    void duringRounds(std::function<void()> during)
    {
        sessionScreens.pauseRequested = [during] {
            during();
            return false;
        };
    }
    static bool logged(LogCapture& log, const std::string& line)
    {
        const auto lines = log.lines();
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
    // The ReplayError that playing the replay fast ends in; "no replay error"
    // when it plays through.
    static std::string replayErrorOf(const std::string& path)
    {
        try {
            play_the_game(false, path, {true, true});
        } catch (const ReplayError& e) {
            return e.what();
        }
        return "no replay error";
    }
    std::vector<int> memberNumbers(const Team& team)
    {
        std::vector<int> n;
        for (const auto& m : team.members)
            n.push_back(m.lock()->num);
        return n;
    }
};
