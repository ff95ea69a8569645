#include <gtest/gtest.h>

#include "game/round_state.h"
#include "support/replay_round_fixture.h"

namespace {

// A replay cut short or with a byte changed anywhere in its set-up must end
// in a clear error or a quiet end of the replay: never a crash, a hang or an
// out-of-range access (the sanitizer builds run these too).
class DamagedReplay : public ReplayRoundTest {
protected:
    static constexpr int frames = 40;

    // Capture the Flag with two teams of one player each, walking towards each other.
    void recordRound()
    {
        makeArena(19, 11);
        gameOptions.gameMode = 1;
        teams.emplace_back(Vector2{1, 5}, Vector2{1, 0});
        teams.emplace_back(Vector2{17, 5}, Vector2{-1, 0});
        auto a = addPlayer(0, {1, 5}, 0);
        auto b = addPlayer(1, {17, 5}, 1);
        startRecording(1);
        headerSize = replayBytes().size();
        for (int f = 0; f < frames; ++f) {
            controlsOf(a).hold(1, 0);
            controlsOf(b).hold(-1, 0);
            runFrames(1);
        }
        finishRecording();
    }

    std::size_t headerSize = 0;
};

TEST_F(DamagedReplay, EveryPrefixEndsInAnErrorOrQuietly)
{
    recordRound();
    const std::string bytes = replayBytes();
    for (std::size_t size = 0; size < bytes.size(); ++size) {
        Playback playback = playBack(bytes.substr(0, size), nullptr);
        if (size < headerSize) {
            // The set-up and the round block must be whole.
            ASSERT_NE(playback.error, "") << size;
        } else {
            ASSERT_EQ(playback.error, "") << size;
            ASSERT_TRUE(playback.ended) << size;
        }
    }
}

// The errors a damaged file may give: the file's own checks and the replay's
// record and verify checks. Anything else (an index out of range, an empty
// optional) would be a value that reached the rules unchecked.
bool isReplayError(const std::string& error)
{
    for (const char* known : {"Invalid replay: ", "Assertion failed: ", "matchedMarker ",
                              "Replay from future version of game: "}) {
        if (error.rfind(known, 0) == 0)
            return true;
    }
    return false;
}

TEST_F(DamagedReplay, EveryChangedByteOfTheSetUpEndsInAReplayErrorOrPlays)
{
    recordRound();
    const std::string bytes = replayBytes();
    const std::string verify = verifyText();
    // Every value of every byte up to the grid; a few for each cell and position.
    const std::size_t gridStart = bytes.find("***") + 3 + 21;
    for (std::size_t offset = 0; offset < headerSize; ++offset) {
        const int original = static_cast<unsigned char>(bytes[offset]);
        std::vector<int> values;
        if (offset < gridStart) {
            for (int value = 0; value < 256; ++value)
                values.push_back(value);
        } else {
            values = {0, 0x80, 0xff, original ^ 1};
        }
        for (int value : values) {
            if (value == original)
                continue;
            std::string changed = bytes;
            changed[offset] = char(value);
            Playback playback = playBack(changed, &verify, frames + 5);
            ASSERT_TRUE(playback.error.empty() || isReplayError(playback.error))
                << "byte " << offset << " = " << value << ": " << playback.error;
        }
    }
}

}
