#pragma once
#include <functional>
#include <memory>
#include <sstream>
#include <string>

#include "support/replay_bytes.h"
#include "support/replay_playback.h"
#include "support/round_fixture.h"

// A round on a hand-made arena that is recorded into memory and played back
// from the bytes, as the session would record and play it.
class ReplayRoundTest : public RoundTest {
protected:
    void SetUp() override;

    // Recording: the arena and players must be there and the arena must have
    // the size of `arenaSizeId`. Resolves the round's options (then runs
    // `roundOptions`), builds the Game, writes the header and the round block
    // and gives every player its round reset.
    Game& startRecording(int arenaSizeId);
    // Options of the round beyond the fixture's own; they travel in the header.
    std::function<void()> roundOptions;
    // What the arena set-up adds that the replay does not hold (team bases,
    // flags, the computer snakes' team): run once the Game exists, for the
    // recording and for every playback alike.
    std::function<void(Game&)> arrangeRound;
    // The end byte and the verify text's "END".
    void finishRecording();
    std::string replayBytes() const { return replayOut.str(); }
    std::string verifyText() const { return verifyOut.str(); }

    // How a playback ended: at the replay's end (and its verify text's "END"),
    // with an error, or still running at the frame limit.
    struct Playback {
        bool ended = false;
        std::string error;
        int frames = 0;
    };
    // Empties the round, loads the replay and plays up to `frameLimit` frames,
    // checking the verify text when one is given.
    Playback playBack(const std::string& replay, const std::string* verify, int frameLimit = 10000);
    // Loads a replay without playing a frame; throws what the loading throws.
    void loadReplay(const std::string& replay, const std::string* verify = nullptr);

    std::ostringstream replayOut;
    std::ostringstream verifyOut;
    PackagedReplayData recording;
    std::unique_ptr<std::istringstream> replayIn;
    PackagedReplayData playing;
};
