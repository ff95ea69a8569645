#include <sstream>

#include "frame/game_ids.h"
#include "game/replay_records.h"
#include "memory_replay.h"
#include "support/round_fixture.h"

namespace {

// Computer snakes stepped as the player update steps them: one input record
// per living snake and frame, the choice where one was made, else no direction.
class AiSnakeRound : public RoundTest {
protected:
    using Trace = std::vector<std::vector<int>>;

    void setUpRound(const PackagedReplayData& replay)
    {
        resetRoundState();
        makeArena(15, 11);
        for (int x = 2; x < 14; x += 2)
            for (int y = 2; y < 10; y += 2)
                grid.at(x, y) = Square::Wall;
        for (int x = 3; x < 12; x += 4)
            grid.at(x, 5) = Square::Block;
        teams.emplace_back(Vector2{1, 5}, Vector2{1, 0});
        teams.emplace_back(Vector2{13, 5}, Vector2{-1, 0});
        addPlayer(0, {1, 1}, 0);
        gameOptions.gameMode = GameMode::SnakeHunter;
        gameOptions.resolvedGridBlocks = true;
        gameOptions.aiSearchDepth = 12;
        gameOptions.resolvedMaxAISnakesAtOnce = 4;
        gameOptions.resolvedSnakeSpawnInterval = 20;
        startGame(replay);
        game->aiSpawnTimer = 1;
        game->aiSnakesToSpawn = 6;
        // Numbers from 128 up keep their low byte in the records.
        game->nextAiPlayerNumber = 126;
    }

    Trace play(const PackagedReplayData& replay, int frames)
    {
        Trace trace;
        for (int frame = 0; frame < frames; ++frame) {
            for (std::size_t i = 0; i < player.size(); ++i) {
                auto p = player[i];
                if (!p->isAI || p->dead)
                    continue;
                stepSnake(*p, replay);
                std::vector<int> line{frame, p->num, p->x, p->y, p->snakeLength, int(p->facing)};
                for (const SnakePart& part : p->snakeBody) {
                    line.push_back(std::get<0>(part));
                    line.push_back(std::get<1>(part));
                }
                trace.push_back(line);
            }
            game->updateAISnakes(&replayEnded);
        }
        return trace;
    }

    void stepSnake(Player& p, const PackagedReplayData& replay)
    {
        p.game = game.get();
        int xDir = 0;
        int yDir = 0;
        if (replay.playing) {
            EXPECT_EQ(readRecordByte(replay), p.num & 0xff);
            const InputRecord input = decodeInputByte(readRecordByte(replay), true);
            xDir = input.xDir;
            yDir = xDir != 0 ? 0 : input.yDir;
        }
        bool pending = replay.recording;
        const RecordInput record = [&](int x, int y, bool fire, bool button2) {
            if (replay.recording) {
                writeInputRecord(replay, p.num, {x, y, fire, button2});
                pending = false;
            }
        };
        p.updateSnake(xDir, yDir, replay, record);
        if (pending)
            record(0, 0, false, false);
    }
};

TEST_F(AiSnakeRound, PlaysBackTheSameWayFromItsRecord)
{
    MemoryReplay replay;
    const PackagedReplayData recording = replay.recording();
    setUpRound(recording);
    const Trace recorded = play(recording, 400);
    int spawned = 0;
    for (const auto& p : player)
        spawned += p->isAI;
    EXPECT_GE(spawned, 4);
    EXPECT_GE(player.back()->num, 129);

    const PackagedReplayData playing = replay.playing();
    setUpRound(playing);
    gameOptions.resolvedGridBlocks.reset();   // playback never searches
    const Trace played = play(playing, 400);
    EXPECT_EQ(played, recorded);
    EXPECT_EQ(std::size_t(replay.readPosition()), replay.bytes.str().size());
    EXPECT_FALSE(game->replayEndSeen);
}

}
