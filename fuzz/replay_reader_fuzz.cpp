// Any bytes as a replay file: the set-up header, the round block and up to
// a few hundred frames played from it. A damaged file may end in a clear
// error (a replay error, a stream failure, a bounds-checked cell outside the
// arena) or quietly; the findings are crashes, sanitizer reports, hangs and
// runaway memory.
#include <cstdint>
#include <sstream>
#include <string>

#include "frame/log.h"
#include "game/game.h"
#include "game/game_options.h"
#include "game/particles.h"
#include "game/round_state.h"
#include "support/replay_playback.h"

namespace {

constexpr int frameLimit = 600;

void playReplay(const std::string& bytes)
{
    std::istringstream in(bytes);
    in.exceptions(std::ios::badbit | std::ios::failbit | std::ios::eofbit);
    PackagedReplayData replay = loadReplayHeader(in, nullptr);
    Game game(false, replay);
    readRoundBlock(replay, game);
    resetPlayersForRound();
    bool roundOver = false;
    bool replayEnded = false;
    for (int frame = 0; frame < frameLimit && !roundOver && !replayEnded; ++frame) {
        game.update(roundOver, replayEnded, nullptr);
        updateParticles();
        ++frameCounter;
    }
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    resetRoundState();
    gameOptions = GameOptions{};
    frameCounter = 0;
    try {
        playReplay(std::string(reinterpret_cast<const char*>(data), size));
    } catch (const std::exception&) {
    }
    resetRoundState();
    return 0;
}
