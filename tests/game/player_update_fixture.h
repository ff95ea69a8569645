#pragma once
#include <memory>
#include <sstream>
#include <string>

#include "game/replay_data.h"
#include "support/round_fixture.h"

// A round whose frames are recorded into memory or played from hand-made bytes.
class PlayerUpdateTest : public RoundTest {
protected:
    PackagedReplayData recordingContext()
    {
        PackagedReplayData replay;
        replay.replayOutput = &out;
        replay.recording = true;
        replay.outputVerify = &verify;
        return replay;
    }

    // Frame records to play, from a file of `version`, and a verify text when given.
    PackagedReplayData playingContext(const std::string& records, int version = replayOutputVersion,
                                      const char* verifyText = nullptr)
    {
        in = std::make_unique<std::istringstream>(records);
        in->exceptions(std::ios::badbit | std::ios::failbit | std::ios::eofbit);
        PackagedReplayData replay;
        replay.replayInput = in.get();
        replay.playing = true;
        replay.replayInputVersion = version;
        if (verifyText)
            replay.inputVerify = std::make_shared<std::istringstream>(verifyText);
        return replay;
    }

    // One update of one player, as Game::updatePlayers runs it.
    void update(const std::shared_ptr<Player>& p) { p->update(game->replayData, game.get(), false); }

    std::ostringstream out;
    std::ostringstream verify;
    std::unique_ptr<std::istringstream> in;
};
