#include "support/replay_playback.h"

#include "controls/no_controls.h"
#include "frame/app_globals.h"
#include "frame/file_stream.h"
#include "game/game.h"
#include "game/game_options.h"
#include "game/player.h"
#include "game/round_state.h"
#include "game/team.h"
#include "session/replay_round.h"

void resolveReplayRoundOptions(int arenaSizeId)
{
    gameOptions.resolvedArenaSize = arenaSizeId;
    gameOptions.resolvedShrinkSpeed = 16;
    gameOptions.resolvedShrinkStyle = 1;
    gameOptions.resolvedTimeBeforeShrinking = 5400;
    gameOptions.resolvedAuctionInterval = 0;
    twoSecondFrameCount = gameOptions.updateRate * 2;
}

PackagedReplayData recordingContext(std::ostream& replay, std::ostream* verify)
{
    PackagedReplayData data;
    data.replayOutput = &replay;
    data.recording = true;
    data.outputVerify = verify;
    return data;
}

void writeReplayStart(const PackagedReplayData& recording, const Game& game)
{
    serialiseSetup(*recording.replayOutput);
    serialiseRoundSettings(recording, game);
    serialiseGrid(recording);
}

void writeReplayEnd(const PackagedReplayData& recording)
{
    File::writeIntAsInt8(*recording.replayOutput, replayEndByte);
    if (recording.outputVerify)
        *recording.outputVerify << "END" << std::endl;
}

PackagedReplayData loadReplayHeader(std::istream& replay, std::shared_ptr<std::istream> verify)
{
    int version = 0;
    const std::vector<PlayerSetupRecord> records = deserialiseSetup(replay, version);
    // During a replayed round two seconds count at the replay's rate.
    twoSecondFrameCount = gameOptions.updateRate * 2;
    for (const PlayerSetupRecord& record : records) {
        auto p = std::make_shared<Player>(record.number, record.coins, record.team, record.look,
                                          std::make_shared<NoControls>());
        player.push_back(p);
        if (Team* team = teamAt(record.team))
            team->addPlayer(p);
    }
    resizeArena(grid_squares_x, grid_squares_y);

    PackagedReplayData data;
    data.replayInput = &replay;
    data.playing = true;
    data.replayInputVersion = version;
    data.inputVerify = std::move(verify);
    return data;
}

void readRoundBlock(PackagedReplayData& replay, Game& game)
{
    deserialiseRoundSettings(replay, game);
    deserialiseGrid(replay, "ENDGRID", "ENDPP");
}

void resetPlayersForRound()
{
    for (const auto& p : player)
        p->resetForRound(true);
}
