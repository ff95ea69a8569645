#include <sstream>

#include "frame/game_ids.h"
#include "frame/screen_size.h"
#include "frame/uniform_int.h"
#include "game/ai_snakes.h"
#include "support/log_capture.h"
#include "support/round_fixture.h"

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

    void begin(const PackagedReplayData& replay = {}, int timer = 1, int count = 3)
    {
        startGame(replay);
        game->aiSpawnTimer = timer;
        game->aiSnakesToSpawn = count;
    }

    void spawnFrame() { game->updateAISnakes(&replayEnded); }

    std::vector<std::shared_ptr<Player>> computerSnakes()
    {
        std::vector<std::shared_ptr<Player>> snakes;
        for (const auto& p : player) {
            if (p->isAI)
                snakes.push_back(p);
        }
        return snakes;
    }

    std::string lastToast()
    {
        return game->toasts.empty() ? "" : game->toasts.back()->text;
    }

    // A replay of `version` to play, holding `bytes`.
    PackagedReplayData playing(int version, const std::string& bytes)
    {
        input.str(bytes);
        input.clear();
        input.exceptions(std::ios::badbit | std::ios::failbit | std::ios::eofbit);
        PackagedReplayData replay;
        replay.playing = true;
        replay.replayInput = &input;
        replay.replayInputVersion = version;
        return replay;
    }

    std::shared_ptr<Player> human;
    std::stringstream input;
};

TEST_F(AiSnakeSpawn, SnakesComeOneByOneAtTheFarthestCell)
{
    LogCapture log;
    begin({}, 3, 3);
    spawnFrame();
    spawnFrame();
    EXPECT_TRUE(computerSnakes().empty());
    spawnFrame();
    ASSERT_EQ(computerSnakes().size(), 1u);
    auto first = computerSnakes()[0];
    EXPECT_EQ(first->num, 120);
    EXPECT_EQ(first->centreCell(), (Vector2{5, 3}));
    EXPECT_EQ(first->x % 32, 0);
    EXPECT_EQ(first->snakeLength, gameOptions.aiSnakeStartLength);
    EXPECT_FALSE(first->shielded);
    EXPECT_EQ(game->aiSnakesToSpawn, 2);
    EXPECT_EQ(game->aiSpawnTimer, 10);
    EXPECT_TRUE(containsInOrder(log.lines(), {"Make AI snake", "{5,3}"}));
    ASSERT_EQ(teams[1].members.size(), 1u);
    EXPECT_EQ(teams[1].members[0].lock(), first);
    EXPECT_TRUE(teams[0].members.size() == 1u);

    // The toast counts the snakes left before this one.
    ASSERT_EQ(game->toasts.size(), 1u);
    const auto* toast = dynamic_cast<const TimedToast*>(game->toasts.back().get());
    ASSERT_NE(toast, nullptr);
    EXPECT_EQ(toast->text, "3 snakes remaining!");
    EXPECT_FLOAT_EQ(toast->x, 112.0f);
    EXPECT_FLOAT_EQ(toast->y, 80.0f);
    EXPECT_FLOAT_EQ(toast->dy, -1.0f);
    EXPECT_EQ(toast->framesLeft, 1000);
    EXPECT_EQ(toast->font, ToastFont::Large);

    for (int i = 0; i < 10; ++i)
        spawnFrame();
    ASSERT_EQ(computerSnakes().size(), 2u);
    EXPECT_EQ(computerSnakes()[1]->num, 121);
    EXPECT_EQ(lastToast(), "2 snakes remaining!");

    // Two live at once at most: the countdown waits while they do.
    for (int i = 0; i < 30; ++i)
        spawnFrame();
    EXPECT_EQ(computerSnakes().size(), 2u);
    EXPECT_EQ(game->aiSpawnTimer, 10);
    first->dead = true;
    for (int i = 0; i < 9; ++i)
        spawnFrame();
    EXPECT_EQ(computerSnakes().size(), 2u);
    spawnFrame();
    ASSERT_EQ(computerSnakes().size(), 3u);
    EXPECT_EQ(lastToast(), "1 snake remaining!");
    EXPECT_EQ(game->aiSnakesToSpawn, 0);
    first->dead = false;
    computerSnakes()[1]->dead = true;
    for (int i = 0; i < 30; ++i)
        spawnFrame();
    EXPECT_EQ(computerSnakes().size(), 3u);
}

TEST_F(AiSnakeSpawn, CellScores)
{
    Bomb& bomb = bombGrid.at(5, 2);
    bomb.owner = human;
    begin();
    // Every cell within three of the bomb scores 0; of the rest, (2, 3) is
    // farthest from the human.
    EXPECT_EQ(game->getAISnakeSpawnPos(), (Vector2{2, 3}));
    EXPECT_FLOAT_EQ(aiSnakeSpawnScore(*game, {2, 3}), 5.0f);
    EXPECT_FLOAT_EQ(aiSnakeSpawnScore(*game, {2, 2}), 0.0f);
    EXPECT_FLOAT_EQ(aiSnakeSpawnScore(*game, {1, 1}), 0.0f);

    begin(playing(0x60007, ""));
    EXPECT_EQ(game->getAISnakeSpawnPos(), (Vector2{5, 3}));
    begin(playing(0x60008, ""));
    EXPECT_EQ(game->getAISnakeSpawnPos(), (Vector2{2, 3}));

    // Walls and snakes score 0; otherwise the nearest living player counts,
    // snakes included, and with nobody alive every cell scores the most.
    bomb.clear();
    grid.at(3, 2) = Square::Wall;
    EXPECT_FLOAT_EQ(aiSnakeSpawnScore(*game, {3, 2}), 0.0f);
    auto other = addPlayer(1, {4, 1});
    other->snakeLength = 2;
    other->snakeBody.emplace_back(4 * 32, 2 * 32, 0);
    EXPECT_FLOAT_EQ(aiSnakeSpawnScore(*game, {4, 1}), 0.0f);
    EXPECT_FLOAT_EQ(aiSnakeSpawnScore(*game, {4, 2}), 0.0f);
    EXPECT_FLOAT_EQ(aiSnakeSpawnScore(*game, {5, 3}), 5.0f);
    other->dead = true;
    human->dead = true;
    EXPECT_FLOAT_EQ(aiSnakeSpawnScore(*game, {5, 3}), 3.4028235e38f);
}

// How many samples a spawn takes, told by the engine's state afterwards: with
// no walls inside, each sample draws an x and a y.
TEST_F(AiSnakeSpawn, SampleCountsFollowTheReplayVersion)
{
    const std::pair<int, int> cases[] = {
        {0, 150}, {0x60007, 150}, {0x60006, 50}, {0x5f012, 50}, {0x5f011, 0}};
    for (const auto& [version, samples] : cases) {
        begin(version ? playing(version, "") : PackagedReplayData{});
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
    makeArena({
        "#####",
        "#.#.#",
        "#...#",
        "#####",
    });
    // Facing down (as built) into a wall: up is the first free way.
    auto up = makeAiSnakePlayer(120, {1, 2}, std::nullopt);
    EXPECT_EQ(up->facing, Facing::Up);
    // Down and up walled: left is next, then right.
    auto left = makeAiSnakePlayer(121, {2, 2}, std::nullopt);
    EXPECT_EQ(left->facing, Facing::Left);
    grid.at(1, 2) = Square::Wall;
    EXPECT_EQ(makeAiSnakePlayer(122, {2, 2}, std::nullopt)->facing, Facing::Right);
    // Old replays keep the facing it was built with.
    EXPECT_EQ(makeAiSnakePlayer(123, {3, 2}, 0x5f013)->facing, Facing::Down);
    EXPECT_EQ(makeAiSnakePlayer(124, {3, 2}, 0x5f014)->facing, Facing::Up);
    // The spawn cell is cleared for the snake.
    grid.at(3, 2) = Square::Block;
    makeAiSnakePlayer(125, {3, 2}, std::nullopt);
    EXPECT_EQ(grid.at(3, 2), Square::Empty);
}

TEST_F(AiSnakeSpawn, AutomaticSpeedFollowsTheHumans)
{
    auto speedOfNewSnake = [] { return makeAiSnakePlayer(120, {3, 2}, std::nullopt)->speed; };
    human->speed = 4;
    auto second = addPlayer(1, {1, 3});
    second->speed = 5;
    EXPECT_EQ(speedOfNewSnake(), 3);
    human->speed = 5;
    EXPECT_EQ(speedOfNewSnake(), 4);
    // A dead human counts with the starting speed, at whatever speed it died.
    human->speed = 6;
    human->dead = true;
    EXPECT_EQ(speedOfNewSnake(), 3);
    human->dead = false;
    EXPECT_EQ(speedOfNewSnake(), 4);   // at the cap
    // Computer snakes do not count; with no humans the speed is 3.
    player.clear();
    player.push_back(makeAiSnakePlayer(121, {1, 1}, std::nullopt));
    player.back()->speed = 9;
    EXPECT_EQ(speedOfNewSnake(), 3);
    gameOptions.aiSnakeSpeed = 7;
    EXPECT_EQ(speedOfNewSnake(), 7);
}

TEST_F(AiSnakeSpawn, TheSpeedIsRecordedAndPlayedBack)
{
    gameOptions.aiSnakeSpeed = 7;
    std::stringstream recorded;
    PackagedReplayData recording;
    recording.recording = true;
    recording.replayOutput = &recorded;
    begin(recording);
    spawnFrame();
    ASSERT_EQ(computerSnakes().size(), 1u);
    EXPECT_EQ(recorded.str(), std::string(1, '\x07'));

    // Played back, the byte decides, whatever the options say now.
    game.reset();
    player.resize(1);
    gameOptions.aiSnakeSpeed = 0;
    begin(playing(replayOutputVersion, recorded.str()));
    spawnFrame();
    ASSERT_EQ(computerSnakes().size(), 1u);
    EXPECT_EQ(computerSnakes()[0]->speed, 7);
    EXPECT_FALSE(game->replayEndSeen);

    // Files without the byte read nothing.
    game.reset();
    player.resize(1);
    begin(playing(0x5f016, "\x07"));
    spawnFrame();
    EXPECT_EQ(computerSnakes()[0]->speed, 3);
    EXPECT_EQ(input.tellg(), 0);
}

TEST_F(AiSnakeSpawn, ABadOrMissingSpeedInAReplay)
{
    for (const std::string& bytes : {std::string(1, '\0'), std::string("\x0b"), std::string("\xff")}) {
        game.reset();
        player.resize(1);
        begin(playing(replayOutputVersion, bytes));
        try {
            spawnFrame();
            ADD_FAILURE() << "no error for speed byte " << int(bytes[0]);
        } catch (const std::runtime_error& e) {
            EXPECT_EQ(std::string(e.what()),
                      "Assertion failed: 'player.back()->speed > 0 && player.back()->speed < 11' "
                      "at line 1320\nreplayInput pos 1\n");
        }
    }

    // The file ends where the byte should be: the replay ends quietly, and the
    // snake still counts as spawned.
    game.reset();
    player.resize(1);
    LogCapture log;
    begin(playing(replayOutputVersion, ""));
    replayEnded = false;
    EXPECT_NO_THROW(spawnFrame());
    EXPECT_TRUE(game->replayEndSeen);
    EXPECT_TRUE(replayEnded);
    EXPECT_EQ(game->aiSnakesToSpawn, 2);
    EXPECT_TRUE(containsInOrder(log.lines(), {"EOF (read AI snake speed)"}));

    // Once the frame has seen the end, no snake comes and nothing is read.
    const int timer = game->aiSpawnTimer = 1;
    spawnFrame();
    EXPECT_EQ(computerSnakes().size(), 1u);
    EXPECT_EQ(game->aiSpawnTimer, timer);
}

TEST_F(AiSnakeSpawn, TeamsAreOnlyJoinedWhereTheyExist)
{
    teams.pop_back();
    begin();
    EXPECT_NO_THROW(spawnFrame());
    EXPECT_EQ(computerSnakes().size(), 1u);

    // Everything keeps its snakes out of the teams.
    game.reset();
    player.resize(1);
    teams.emplace_back(Vector2{5, 2}, Vector2{-1, 0});
    gameOptions.gameMode = GameMode::Everything;
    begin();
    spawnFrame();
    EXPECT_EQ(computerSnakes().size(), 1u);
    EXPECT_TRUE(teams[1].members.empty());
}

}
