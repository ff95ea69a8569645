#include <deque>

#include "frame/game_ids.h"
#include "frame/screen_size.h"
#include "frame/uniform_int.h"
#include "game/ai_snakes.h"
#include "failed_record_check.h"
#include "memory_replay.h"
#include "support/log_capture.h"
#include "support/round_fixture.h"
#include "toast_expect.h"

namespace {

// Snake Hunter rounds on a 7 x 5 arena: the inside is 5 x 3 cells, few enough
// that the 150 samples of a spawn meet every one of them.
class AiSnakeSpawn : public RoundTest {
protected:
    void SetUp() override
    {
        RoundTest::SetUp();
        gameOptions.gameMode = GameMode::SnakeHunter;
        gameOptions.resolvedMaxAISnakesAtOnce = 2;
        gameOptions.resolvedSnakeSpawnInterval = 10;
        screenWidth = 7 * 32;
        screenHeight = 5 * 32;
        makeArena(7, 5);
        teams.emplace_back(Vector2{1, 2}, Vector2{1, 0});
        teams.emplace_back(Vector2{5, 2}, Vector2{-1, 0});
        human = addPlayer(0, {1, 1}, 0);
    }

    // A fresh round with only the human, `count` snakes to come, the first
    // after `timer` frames.
    void begin(const PackagedReplayData& replay = {}, int timer = 1, int count = 3)
    {
        game.reset();
        player.resize(1);
        startGame(replay);
        game->aiSpawnTimer = timer;
        game->aiSnakesToSpawn = count;
    }
    void spawnFrames(int n = 1)
    {
        for (int i = 0; i < n; ++i)
            game->updateAISnakes(&replayEnded);
    }
    std::vector<std::shared_ptr<Player>> computerSnakes()
    {
        std::vector<std::shared_ptr<Player>> snakes;
        for (const auto& p : player)
            if (p->isAI)
                snakes.push_back(p);
        return snakes;
    }
    std::vector<float> scoresAt(const std::vector<Vector2>& cells)
    {
        std::vector<float> scores;
        for (Vector2 cell : cells)
            scores.push_back(aiSnakeSpawnScore(*game, cell));
        return scores;
    }
    PackagedReplayData playing(int version, const std::string& bytes)
    {
        return replays.emplace_back(bytes).playing(version);
    }

    std::shared_ptr<Player> human;
    std::deque<MemoryReplay> replays;
};

TEST_F(AiSnakeSpawn, SnakesComeOneByOneAtTheFarthestCell)
{
    LogCapture log;
    begin({}, 3, 3);
    spawnFrames(2);
    EXPECT_TRUE(computerSnakes().empty());
    spawnFrames();
    ASSERT_EQ(computerSnakes().size(), 1u);
    auto first = computerSnakes()[0];
    EXPECT_EQ(first->num, 120);
    EXPECT_EQ(first->centreCell(), (Vector2{5, 3}));
    EXPECT_EQ(first->snakeLength, gameOptions.aiSnakeStartLength);
    EXPECT_FALSE(first->shielded);
    EXPECT_EQ(std::pair(game->aiSnakesToSpawn, game->aiSpawnTimer), std::pair(2, 10));
    EXPECT_TRUE(containsInOrder(log.lines(), {"Make AI snake", "{5,3}"}));
    ASSERT_EQ(teams[1].members.size(), 1u);
    EXPECT_EQ(teams[1].members[0].lock(), first);
    // The toast counts the snakes left before this one.
    ASSERT_EQ(game->toasts.size(), 1u);
    expectToast(*game->toasts.back(), "3 snakes remaining!", 112, 80, 0, -1, 1000, ToastFont::Large);

    spawnFrames(10);
    ASSERT_EQ(computerSnakes().size(), 2u);
    EXPECT_EQ(computerSnakes()[1]->num, 121);

    // Two live at once at most: the countdown waits while they do.
    spawnFrames(30);
    EXPECT_EQ(computerSnakes().size(), 2u);
    EXPECT_EQ(game->aiSpawnTimer, 10);
    first->dead = true;
    spawnFrames(9);
    EXPECT_EQ(computerSnakes().size(), 2u);
    spawnFrames();
    ASSERT_EQ(computerSnakes().size(), 3u);
    EXPECT_EQ(lastToastText(*game), "1 snake remaining!");
    EXPECT_EQ(game->aiSnakesToSpawn, 0);
}

TEST_F(AiSnakeSpawn, CellScores)
{
    Bomb& bomb = bombGrid.at(5, 2);
    bomb.owner = human;
    begin();
    // Every cell within three of the bomb scores 0; of the rest, (2, 3) is
    // farthest from the human.
    EXPECT_EQ(game->getAISnakeSpawnPos(), (Vector2{2, 3}));
    EXPECT_EQ(scoresAt({{2, 3}, {2, 2}, {1, 1}}), (std::vector<float>{5, 0, 0}));
    begin(playing(0x60007, ""));
    EXPECT_EQ(game->getAISnakeSpawnPos(), (Vector2{5, 3}));
    begin(playing(0x60008, ""));
    EXPECT_EQ(game->getAISnakeSpawnPos(), (Vector2{2, 3}));

    // Walls and snakes score 0; otherwise the nearest living player counts,
    // snakes included, and with nobody alive every cell scores the most.
    bomb.clear();
    grid.at(3, 2) = Square::Wall;
    auto other = addPlayer(1, {4, 1});
    other->snakeLength = 2;
    other->snakeBody.emplace_back(4 * 32, 2 * 32, 0);
    EXPECT_EQ(scoresAt({{3, 2}, {4, 1}, {4, 2}, {5, 3}}), (std::vector<float>{0, 0, 0, 5}));
    other->dead = human->dead = true;
    EXPECT_EQ(scoresAt({{5, 3}}), std::vector<float>{3.4028235e38f});
}

// How many samples a spawn takes, told by the engine's state afterwards: with
// no walls inside, each sample draws an x and a y.
TEST_F(AiSnakeSpawn, SampleCountsFollowTheReplayVersion)
{
    const std::pair<int, int> cases[] = {{0x60007, 150}, {0x60006, 50}, {0x5f012, 50}, {0x5f011, 0}};
    for (const auto& [version, samples] : cases) {
        begin(playing(version, ""));
        std::mt19937 expected = game->rng;
        for (int i = 0; i < samples; ++i) {
            uniformIntInclusive(expected, 1, 5);
            uniformIntInclusive(expected, 1, 3);
        }
        const auto cell = game->getAISnakeSpawnPos();
        EXPECT_TRUE(game->rng == expected) << std::hex << version;
        if (samples == 0) {
            EXPECT_EQ(cell, (Vector2{3, 2}));
        }
    }
}

TEST_F(AiSnakeSpawn, ANewSnakeTurnsFromAWallInTableOrder)
{
    makeArena({"#####", "#.#.#", "#...#", "#####"});
    auto facingAt = [](int num, Vector2 cell, std::optional<int> version = std::nullopt) {
        return makeAiSnakePlayer(num, cell, version)->facing;
    };
    // Built facing down; into a wall, up is the first free way, then left, then right.
    EXPECT_EQ(facingAt(120, {1, 2}), Facing::Up);
    EXPECT_EQ(facingAt(121, {2, 2}), Facing::Left);
    grid.at(1, 2) = Square::Wall;
    EXPECT_EQ(facingAt(122, {2, 2}), Facing::Right);
    // Old replays keep the facing it was built with.
    EXPECT_EQ(facingAt(123, {3, 2}, 0x5f013), Facing::Down);
    EXPECT_EQ(facingAt(124, {3, 2}, 0x5f014), Facing::Up);
    // The spawn cell is cleared for the snake.
    grid.at(3, 2) = Square::Block;
    facingAt(125, {3, 2});
    EXPECT_EQ(grid.at(3, 2), Square::Empty);
}

TEST_F(AiSnakeSpawn, AutomaticSpeedFollowsTheHumans)
{
    auto speedOfNewSnake = [] { return makeAiSnakePlayer(120, {3, 2}, std::nullopt)->speed; };
    human->speed = 4;
    addPlayer(1, {1, 3})->speed = 5;
    EXPECT_EQ(speedOfNewSnake(), 3);
    human->speed = 5;
    EXPECT_EQ(speedOfNewSnake(), 4);
    // A dead human counts with the starting speed, at whatever speed it died.
    human->speed = 6;
    human->dead = true;
    EXPECT_EQ(speedOfNewSnake(), 3);
    // Computer snakes do not count; with no humans the speed is 3.
    player = {makeAiSnakePlayer(121, {1, 1}, std::nullopt)};
    player.back()->speed = 9;
    EXPECT_EQ(speedOfNewSnake(), 3);
    gameOptions.aiSnakeSpeed = 7;
    EXPECT_EQ(speedOfNewSnake(), 7);
}

TEST_F(AiSnakeSpawn, TheSpeedIsRecordedAndPlayedBack)
{
    gameOptions.aiSnakeSpeed = 7;
    MemoryReplay recorded;
    begin(recorded.recording());
    spawnFrames();
    ASSERT_EQ(computerSnakes().size(), 1u);
    EXPECT_EQ(recorded.bytes.str(), std::string(1, '\x07'));

    // Played back, the byte decides, whatever the options say now.
    gameOptions.aiSnakeSpeed = 0;
    begin(playing(replayOutputVersion, recorded.bytes.str()));
    spawnFrames();
    ASSERT_EQ(computerSnakes().size(), 1u);
    EXPECT_EQ(computerSnakes()[0]->speed, 7);
    EXPECT_FALSE(game->replayEndSeen);

    // Files without the byte read nothing.
    begin(playing(0x5f016, "\x07"));
    spawnFrames();
    EXPECT_EQ(computerSnakes()[0]->speed, 3);
    EXPECT_EQ(replays.back().readPosition(), 0);
}

TEST_F(AiSnakeSpawn, ABadOrMissingSpeedInAReplay)
{
    // A damaged speed byte is a damaged file, not a fault of the rules.
    for (const std::string& bytes : {std::string(1, '\0'), std::string("\x0b")}) {
        begin(playing(replayOutputVersion, bytes));
        EXPECT_EQ(failedRecordCheckOf([&] { spawnFrames(); }),
                  "Assertion failed: 'player.back()->speed > 0 && player.back()->speed < 11' at line 1320\n"
                  "replayInput pos 1\n")
            << "speed byte " << int(bytes[0]);
    }

    // The file ends where the byte should be: the replay ends quietly, and the
    // snake still counts as spawned.
    LogCapture log;
    begin(playing(replayOutputVersion, ""));
    replayEnded = false;
    EXPECT_NO_THROW(spawnFrames());
    EXPECT_TRUE(game->replayEndSeen);
    EXPECT_TRUE(replayEnded);
    EXPECT_EQ(game->aiSnakesToSpawn, 2);
    EXPECT_TRUE(containsInOrder(log.lines(), {"EOF (read AI snake speed)"}));
    // Once the frame has seen the end, no snake comes and nothing is read.
    game->aiSpawnTimer = 1;
    spawnFrames();
    EXPECT_EQ(computerSnakes().size(), 1u);
    EXPECT_EQ(game->aiSpawnTimer, 1);
}

TEST_F(AiSnakeSpawn, TeamsAreOnlyJoinedWhereTheyExist)
{
    teams.pop_back();
    begin();
    EXPECT_NO_THROW(spawnFrames());
    EXPECT_EQ(computerSnakes().size(), 1u);

    // Everything keeps its snakes out of the teams.
    teams.emplace_back(Vector2{5, 2}, Vector2{-1, 0});
    gameOptions.gameMode = GameMode::Everything;
    begin();
    spawnFrames();
    EXPECT_EQ(computerSnakes().size(), 1u);
    EXPECT_TRUE(teams[1].members.empty());
}

}
