#include <istream>
#include <ostream>
#include <string>
#include <tuple>

#include "game/player.h"
#include "game/player_update_steps.h"
#include "game/replay_data.h"

namespace {

// Every recorded round keeps its verify text; the switch stays on.
constexpr bool verifyTextEnabled = true;

void writeLines(const Player& p, std::ostream& out)
{
    out << p.num << std::endl;
    out << p.x << std::endl;
    out << p.y << std::endl;
    if (!p.isSnake())
        return;
    out << p.snakeLength;
    for (const SnakePart& part : p.snakeBody)
        out << " " << std::get<0>(part) << " " << std::get<1>(part);
    out << std::endl;
}

int readNumber(std::istream& in)
{
    int value = 0;
    in >> value;
    return value;
}

void checkLines(const Player& p, const PackagedReplayData& replay)
{
    std::istream& in = *replay.inputVerify;
    const int verifyPlayer = readNumber(in);
    if (!in.good())
        failReplayCheck(replay, "replayData.inputVerify->good()", 907);
    if (verifyPlayer != p.num)
        failReplayCheck(replay, "verifyPlayer == num", 908);
    if (readNumber(in) != p.x)
        failReplayCheck(replay, "verifyX == x", 911);
    if (readNumber(in) != p.y)
        failReplayCheck(replay, "verifyY == y", 914);
    if (!p.isSnake() || playingOlderThan(replay, PlayerUpdate::snakeVerifyLinesVersion))
        return;
    if (p.snakeLength != readNumber(in))
        failReplayCheck(replay, "snakeLength == verifyLength", 920);
    for (const SnakePart& part : p.snakeBody) {
        if (readNumber(in) != std::get<0>(part))
            failReplayCheck(replay, "verifyX == get<0>(part)", 925);
        if (readNumber(in) != std::get<1>(part))
            failReplayCheck(replay, "verifyY == get<1>(part)", 928);
    }
}

}

void PlayerUpdate::verifyPosition(const Player& p, const PackagedReplayData& replay)
{
    if (!verifyTextEnabled)
        return;
    if (p.dead && (!replay.playing || !playingOlderThan(replay, deadPlayersSkippedVersion)))
        return;
    if (replay.playing) {
        if (replay.inputVerify)
            checkLines(p, replay);
    } else if (replay.recording && replay.outputVerify) {
        writeLines(p, *replay.outputVerify);
    }
}

void PlayerUpdate::verifyFlagCapture(const PackagedReplayData& replay, int team, int score,
                                     bool compareScore)
{
    if (!verifyTextEnabled)
        return;
    if (!replay.playing) {
        if (replay.outputVerify)
            *replay.outputVerify << "CTFSCORE" << std::endl << team << std::endl << score << std::endl;
        return;
    }
    if (!replay.inputVerify)
        return;
    std::istream& in = *replay.inputVerify;
    std::string txt;
    in >> txt;
    const int teamNum = readNumber(in);
    const int verifyScore = readNumber(in);
    if (txt != "CTFSCORE")
        failReplayCheck(replay, "txt == \"CTFSCORE\"", 644);
    if (teamNum != team)
        failReplayCheck(replay, "teamNum == team", 645);
    if (compareScore && verifyScore != score)
        failReplayCheck(replay, "score == teamObj.getScore()", 647);
}
