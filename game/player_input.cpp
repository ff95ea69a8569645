#include <cstdlib>

#include "frame/settings.h"
#include "game/auto_random_input.h"
#include "game/player.h"
#include "game/player_update_steps.h"
#include "game/replay_data.h"
#include "game/replay_records.h"

namespace {

// One frame's record of a player, read back and checked.
FrameInput readRecordedInput(const Player& p, const PackagedReplayData& replay)
{
    const int number = readRecordByte(replay);
    if (number == replayEndByte)
        throw replayEndByte;
    if (number != playerNumberByte(p.num))
        failRecordCheck(replay, "dummyCurPlayer == num", 373);
    const InputRecord record = decodeInputByte(
        readRecordByte(replay), !playingOlderThan(replay, PlayerUpdate::button2Version));
    if (!(std::abs(record.xDir) < 2))
        failRecordCheck(replay, "abs(xDir) < 2", 379);
    if (!(std::abs(record.yDir) < 2))
        failRecordCheck(replay, "abs(yDir) < 2", 383);
    FrameInput input;
    input.xDir = record.xDir;
    input.yDir = record.yDir;
    input.fire = record.fire;
    input.button2 = record.button2;
    return input;
}

FrameInput controlsInput(Controls& controls)
{
    FrameInput input;
    if (!controls.isActive())
        return input;
    input.xDir = controls.left() ? -1 : controls.right() ? 1 : 0;
    input.yDir = controls.up() ? -1 : controls.down() ? 1 : 0;
    input.fire = controls.fire();
    input.button2 = controls.button2();
    input.changeSkin = controls.changeSkin();
    input.changeColour = controls.changeColour();
    return input;
}

}

FrameInput PlayerUpdate::takeInput(Player& p, const PackagedReplayData& replay,
                                   bool& recordPending, const RecordInput& recordInput)
{
    if (replay.playing) {
        if (p.dead && !playingOlderThan(replay, deadPlayersSkippedVersion))
            return {};
        return readRecordedInput(p, replay);
    }
    if (p.dead)
        return {};
    recordPending = true;
    if (p.isAI)
        return {};
    FrameInput input;
    if (autoRandomControls)
        nextAutoRandomInput(p.num, input.xDir, input.yDir);
    else if (p.controls)
        input = controlsInput(*p.controls);
    recordInput(input.xDir, input.yDir, input.fire, input.button2);
    return input;
}
