#include <array>
#include <stdexcept>

#include "frame/game_ids.h"
#include "frame/screen_size.h"
#include "game/bomb.h"
#include "support/round_fixture.h"

namespace {

using PlayerRecord = RoundTest;

TEST_F(PlayerRecord, ANewRoundResetsTheRoundButKeepsTheGame)
{
    makeArena(6, 6);
    addTeam({1, 1});
    auto p = std::make_shared<Player>(4, 30, 0, PlayerLook{}, nullptr);
    p->roundWins = 2;
    p->kills = 3;
    p->range = 7;
    p->dead = true;
    p->snakeLength = 5;
    p->trailTimer = 9;
    p->snakeBody = {{40, 40, 0}, {300, 300, 0}};   // cells of the last arena
    p->flyingSprites.push_back(makeFlyingSprite({}, 0, 0, 0.2f, 1, 0));
    gameOptions.initialPlayerSpeed = 3;
    gameOptions.updateRateMultiplier = 2;
    p->resetForRound(true);
    EXPECT_EQ((std::array{p->coins, p->roundWins, p->team, p->kills, p->range, p->speed, p->walkTimer,
                          p->snakeLength, p->trailTimer}),
              (std::array{30, 2, 0, 0, 2, 3, 20, 0, 9}));
    EXPECT_FALSE(p->dead);
    EXPECT_TRUE(p->snakeBody.empty());
    EXPECT_TRUE(p->flyingSprites.empty());
    EXPECT_TRUE(p->fireLatched);
}

TEST_F(PlayerRecord, RoundsMayStartAsSnakesOrShielded)
{
    makeArena(6, 6);
    screenHeight = 192;
    auto low = addPlayer(0, {1, 4});
    auto middle = addPlayer(1, {1, 3});
    auto snake = addPlayer(120, {1, 1});
    snake->isAI = true;
    gameOptions.startAsSnake = true;
    gameOptions.aiSnakeStartLength = 9;
    for (auto& p : player)
        p->resetForRound(false);
    EXPECT_EQ(low->snakeLength, 4);
    EXPECT_EQ(low->facing, Facing::Up);     // below the middle of the screen
    EXPECT_EQ(middle->facing, Facing::Down);
    EXPECT_EQ(snake->snakeLength, 9);

    gameOptions.startAsSnake = false;
    gameOptions.startWithShield = true;
    low->resetForRound(false);
    EXPECT_TRUE(low->shielded);
    EXPECT_EQ(low->shieldTimer, 121);
}

TEST_F(PlayerRecord, HomeSquareWalksTowardTheTeamBaseOrTheMiddle)
{
    makeArena({"#########",
               "#WWWWWWW#",
               "#.W.....#",
               "#WWWW...#",
               "#.......#",
               "#WW.W...#",
               "#########"});
    gameOptions.gameMode = GameMode::CaptureTheFlag;
    addTeam({1, 4});
    addTeam({7, 4});
    addTeam({3, 5});
    auto left = addPlayer(0, {6, 1}, 0);
    auto top = addPlayer(1, {5, 1}, 2);
    // Teams 0 and 1 jump to the base's column and walk along it.
    EXPECT_EQ(left->homeSquare(), (Vector2{1, 2}));
    grid.at(1, 2) = Square::Wall;
    EXPECT_EQ(left->homeSquare(), (Vector2{1, 4}));
    EXPECT_EQ(addPlayer(2, {5, 1}, 1)->homeSquare(), (Vector2{7, 2}));
    // Other teams jump to the base's row; a walled-in base is taken as it is.
    grid.at(3, 5) = Square::Wall;
    EXPECT_EQ(top->homeSquare(), (Vector2{3, 5}));
    EXPECT_EQ(addPlayer(2, {3, 2}, 2)->homeSquare(), (Vector2{3, 2}));

    // Without a usable team, and outside the team modes: toward the middle
    // (4, 3), a column first, then a row.
    grid.at(1, 2) = Square::Empty;
    for (int team : {-1, 5}) {
        EXPECT_EQ(addPlayer(3, {1, 1}, team)->homeSquare(), (Vector2{3, 2})) << team;
    }
    gameOptions.gameMode = GameMode::Classic;
    EXPECT_EQ(left->homeSquare(), (Vector2{5, 2}));
    EXPECT_THROW(addPlayer(4, {9, 1})->homeSquare(), std::out_of_range);
}

TEST_F(PlayerRecord, ListPositionCountsOnlyTheConfiguredPlayersThatExist)
{
    makeArena(6, 6);
    auto a = addPlayer(0, {1, 1});
    auto b = addPlayer(1, {2, 1});
    gameOptions.numPlayers = 5;
    EXPECT_EQ(b->indexInPlayerList(), 1);
    EXPECT_EQ(std::make_shared<Player>(9, 0, -1, PlayerLook{}, nullptr)->indexInPlayerList(), -1);
    gameOptions.numPlayers = 1;
    EXPECT_EQ(a->indexInPlayerList(), 0);
    EXPECT_EQ(b->indexInPlayerList(), -1);
}

TEST_F(PlayerRecord, TheShieldBlinksOnlyWhileItsCountdownRuns)
{
    makeArena(6, 6);
    auto p = addPlayer(0, {1, 1});
    EXPECT_EQ(p->shieldLook(), 0);
    gameOptions.updateRateMultiplier = 2;
    p->giveShield();
    EXPECT_EQ(p->shieldTimer, 241);
    frameCounter = 12;
    EXPECT_EQ(p->shieldLook(), 1);   // armed, not yet counting
    p->shieldTimer = 240;
    EXPECT_EQ(p->shieldLook(), 2);
    frameCounter = 24;
    EXPECT_EQ(p->shieldLook(), 1);
    p->snakeLength = 4;
    EXPECT_EQ(p->shieldLook(), 2);
    frameCounter = 5;
    EXPECT_EQ(p->shieldLook(), 0);
    frameCounter = 0;
    p->dead = true;
    EXPECT_EQ(p->shieldLook(), 0);
}

TEST_F(PlayerRecord, ReleasedBombsBurnAsNormalBombs)
{
    makeArena(6, 6);
    auto p = addPlayer(0, {1, 1});
    auto other = addPlayer(1, {4, 4});
    gameOptions.updateRateMultiplier = 2;
    for (Vector2 cell : {Vector2{2, 2}, Vector2{3, 3}}) {
        bombGrid.at(cell).owner = p;
        bombGrid.at(cell).state = BombState::Detonator;
        bombGrid.at(cell).fuse = 7;
    }
    bombGrid.at(4, 4).owner = other;
    bombGrid.at(4, 4).state = BombState::RemoteControl;
    p->releaseBombs(false);
    EXPECT_EQ(bombGrid.at(2, 2).state, BombState::Normal);
    EXPECT_EQ(bombGrid.at(2, 2).fuse, 7);
    EXPECT_EQ(bombGrid.at(4, 4).state, BombState::RemoteControl);
    p->releaseBombs(true);
    EXPECT_EQ(bombGrid.at(3, 3).fuse, 180);
}

}
