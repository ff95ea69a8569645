// Drawing rounds on a real display (needs an X server): every arena size and
// mode, what players must be able to see, and the player sprite cache.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "frame/accessibility_settings.h"
#include "frame/app_globals.h"
#include "frame/display/display.h"
#include "frame/log.h"
#include "frame/lookup_tables.h"
#include "frame/program/startup.h"
#include "game/flag.h"
#include "game/draw/player_sprite_cache.h"
#include "game/toast.h"
#include "media/bitmap_draw.h"
#include "support/arena_display.h"
#include "support/arena_scene.h"
#include "support/log_capture.h"
#include "support/round_fixture.h"

namespace fs = std::filesystem;

namespace {

const Rgba black{0, 0, 0, 255}, white{255, 255, 255, 255}, baseGrey{192, 192, 192, 255};

// A small empty arena on a black background, for reading pixels.
class ArenaPixels : public RoundTest {
protected:
    void SetUp() override
    {
        RoundTest::SetUp();
        ensureArenaDisplay();
        saved_ = accessibilitySettings;
        accessibilitySettings.bgcol = 0;
        frameCounter = 1;
        makeArena(9, 7);
        makeArenaCanvas(9, 7);
    }
    void TearDown() override
    {
        accessibilitySettings = saved_;
        RoundTest::TearDown();
    }

    std::shared_ptr<Player> hero(RGB colour)
    {
        auto p = addPlayer(1, {4, 3});
        p->look.colour = al_map_rgb(colour.r, colour.g, colour.b);
        return p;
    }
    void drawRound()
    {
        if (!game)
            startGame();
        game->draw(false);
    }
    // The player's whole picture: the head stands above its cell.
    int countAroundHero(const CanvasPixels& pixels, Rgba colour) const
    {
        return pixels.count(4 * 32 - 8, 3 * 32 - 40, 5 * 32 + 8, 4 * 32 + 4, colour);
    }

    AccessibilitySettings saved_;
};

const Rgba heroColour{0, 200, 255, 255};
const RGB heroRgb{0, 200, 255};

}

TEST(ArenaDrawing, EveryArenaSizeAndModeRendersAPopulatedRound)
{
    ensureArenaDisplay();
    for (const auto& [id, size] : ArenaSizeTable) {
        for (int mode = 0; mode <= GameMode::Everything; ++mode) {
            SCOPED_TRACE("arena size " + std::to_string(id) + ", mode " + std::to_string(mode));
            SceneOptions options;
            options.mode = mode;
            options.width = size.x;
            options.height = size.y;
            options.computerSnakes = mode == GameMode::SnakeHunter ? 3 : 0;
            auto game = buildArenaScene(options);
            makeArenaCanvas(size.x, size.y);
            ASSERT_NO_THROW(game->draw(false));
            {
                CanvasPixels pixels;
                // The outer wall shows all round; players and objects stand inside.
                EXPECT_NE(pixels.at(5, 5), pixels.at(size.x * 32 / 2 + 5, 40));
            }
            ASSERT_NO_THROW(game->draw(true));
        }
    }
    resetRoundState();
}

// The screenshots of the closing note, rewritten on every run.
TEST(ArenaDrawing, ScreenshotsOfFourModes)
{
    ensureArenaDisplay();
    struct Shot {
        const char* name;
        int mode;
        int snakes;
    };
    for (Shot shot : {Shot{"classic_normal", GameMode::Classic, 0},
                      Shot{"capture_the_flag", GameMode::CaptureTheFlag, 0},
                      Shot{"king_of_the_hill", GameMode::KingOfTheHill, 0},
                      Shot{"snake_hunter", GameMode::SnakeHunter, 3}}) {
        SceneOptions options;
        options.mode = shot.mode;
        options.computerSnakes = shot.snakes;
        auto game = buildArenaScene(options);
        makeArenaCanvas(options.width, options.height);
        game->draw(false);
        const fs::path path = saveCanvasScreenshot(shot.name);
        EXPECT_GT(fs::file_size(path), 1000u) << path;
    }
    resetRoundState();
}

TEST_F(ArenaPixels, PlayersWearTheirColourOnHeadAndBody)
{
    hero(heroRgb);
    drawRound();
    CanvasPixels pixels;
    EXPECT_GT(countAroundHero(pixels, heroColour), 60);
    EXPECT_EQ(countAroundHero(pixels, baseGrey), 0) << "base grey left unpainted";
    // The colour covers the body in the cell and the head above it.
    EXPECT_GT(pixels.count(4 * 32, 3 * 32, 5 * 32, 4 * 32, heroColour), 20);
    EXPECT_GT(pixels.count(4 * 32, 3 * 32 - 28, 5 * 32, 3 * 32, heroColour), 10);
}

TEST_F(ArenaPixels, AShieldOutlinesThePlayerAndBlinksWhiteAsItEnds)
{
    auto p = hero(heroRgb);
    drawRound();
    const int plainWhite = countAroundHero(CanvasPixels(), white);

    p->giveShield();
    p->shieldTimer = 500;
    drawRound();
    const int outlined = countAroundHero(CanvasPixels(), white);
    EXPECT_GT(outlined, plainWhite + 40);

    // In the last two seconds the shield blinks: five frames painted white.
    p->shieldTimer = 100;
    frameCounter = 7;
    drawRound();
    CanvasPixels blink;
    EXPECT_EQ(countAroundHero(blink, heroColour), 0);
    EXPECT_GT(countAroundHero(blink, white), 60);
    frameCounter = 12;
    drawRound();
    EXPECT_GT(countAroundHero(CanvasPixels(), white), plainWhite + 40);
}

TEST_F(ArenaPixels, APlayerWithoutItsControllerIsMarked)
{
    auto p = hero(heroRgb);
    drawRound();
    // The mark sits on the floor below the player, centred on it.
    const int x1 = 4 * 32 + 16 - 64, x2 = 4 * 32 + 16 + 64, y1 = 4 * 32, y2 = 4 * 32 + 10;
    EXPECT_EQ(CanvasPixels().count(x1, y1, x2, y2, white), 0);
    controlsOf(p).active = false;
    drawRound();
    CanvasPixels marked;
    EXPECT_GT(marked.count(x1, y1, x2, y2, white), 80);
    // Centred: as much ink left of the player's middle as right of it.
    const int left = marked.count(x1, y1, 4 * 32 + 16, y2, white);
    const int right = marked.count(4 * 32 + 16, y1, x2, y2, white);
    EXPECT_NEAR(left, right, (left + right) / 4);
}

TEST_F(ArenaPixels, ACarriedFlagIsDrawnOverItsCarrier)
{
    gameOptions.gameMode = GameMode::CaptureTheFlag;
    auto p = hero(heroRgb);
    Game& g = startGame();
    // A yellow team's flag: its cloth takes the team's colour.
    const Rgba yellow{255, 255, 0, 255};
    g.flags.emplace_back(4 * 32, 3 * 32, -1, al_map_rgb(255, 255, 0));
    Flag& flag = g.flags.back();
    makeFlagFrames(flag);
    ASSERT_EQ(flag.frames.size(), std::size_t(SpriteId::FlagFrameCount));
    setTargetAndClear(*screenBitmap, al_map_rgb(0, 0, 0));
    flag.draw(*screenBitmap);
    EXPECT_GT(CanvasPixels().count(4 * 32, 3 * 32, 5 * 32, 4 * 32, yellow), 30) << "the flag's cloth";

    // The carrier alone, then with the flag held above it.
    flag.x = flag.y = -100;
    g.draw(false);
    CanvasPixels alone;
    flag.carrier = p;
    flag.x = p->x;   // a carried flag goes where its carrier goes
    flag.y = p->y;
    g.draw(false);
    CanvasPixels carried;
    EXPECT_GT(carried.count(4 * 32 - 16, 3 * 32 - 40, 5 * 32 + 16, 4 * 32, yellow), 30);
    EXPECT_EQ(carried.count(4 * 32, 3 * 32 + 24, 5 * 32, 4 * 32, yellow), 0) << "not at the feet";
    // The pole crosses the carrier's hand and shows there: drawn after the player.
    int carrierPixelsCovered = 0;
    for (int x = 3 * 32; x < 6 * 32; ++x)
        for (int y = 2 * 32; y < 4 * 32; ++y)
            carrierPixelsCovered += alone.at(x, y) != black && carried.at(x, y) != alone.at(x, y);
    EXPECT_GT(carrierPixelsCovered, 0);
}

TEST_F(ArenaPixels, TheJoinPreviewShowsNoArenaAndTheShrinkWarningFlashesRed)
{
    hero(heroRgb);
    drawRound();
    EXPECT_GT(CanvasPixels().countOther(0, 0, 32, 32, black), 100) << "the corner wall";
    game->draw(true);
    EXPECT_EQ(CanvasPixels().countOther(0, 0, 32, 32, Rgba{0, 32, 0, 255}), 0);

    accessibilitySettings.bgcol = 2;
    game->shrinkPhase = 1;
    game->shrinkTimer = -31;   // a peak of the pulse
    drawRound();
    EXPECT_EQ(CanvasPixels().at(40, 40), (Rgba{255, 0, 0, 255}));
    accessibilitySettings.flashingEnabled = false;
    drawRound();
    EXPECT_EQ(CanvasPixels().at(40, 40), (Rgba{100, 0, 0, 255}));
}

TEST_F(ArenaPixels, ARowOfEqualSquaresLooksLikeSingleSquares)
{
    for (int x = 1; x <= 5; ++x)
        grid.at(x, 2) = Square::Wall;
    grid.at(3, 4) = Square::Wall;
    grid.at(6, 4) = Square::Block;
    grid.at(7, 4) = Square::ToughBlock;
    drawRound();
    CanvasPixels pixels;
    auto sameCell = [&](Vector2 a, Vector2 b) {
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                if (pixels.at(a.x * 32 + x, a.y * 32 + y) != pixels.at(b.x * 32 + x, b.y * 32 + y))
                    return false;
        return true;
    };
    for (int x : {1, 3, 5})
        EXPECT_TRUE(sameCell({x, 2}, {3, 4})) << x;
    EXPECT_TRUE(sameCell({6, 4}, {7, 4})) << "a block and a tough block look alike";
    EXPECT_FALSE(sameCell({3, 4}, {6, 4})) << "walls and blocks differ";
}

TEST_F(ArenaPixels, APowerupWithoutASpriteLeavesItsCellEmptyAndIsReportedOnce)
{
    powerupGrid.at(2, 2) = PowerupType::Death;
    powerupGrid.at(3, 2) = 99;
    powerupGrid.at(5, 2) = PowerupType::Shield;
    LogCapture log;
    drawRound();
    drawRound();
    int reports = 0;
    for (const std::string& line : log.lines())
        reports += line.rfind("No sprite for powerup", 0) == 0;
    EXPECT_EQ(reports, 1);
    CanvasPixels pixels;
    EXPECT_EQ(pixels.countOther(2 * 32, 2 * 32, 4 * 32, 3 * 32, black), 0);
    EXPECT_GT(pixels.countOther(5 * 32, 2 * 32, 6 * 32, 3 * 32, black), 500);
}

TEST_F(ArenaPixels, APowerupShowsThroughACrumblingBlockOnly)
{
    for (int x : {1, 2, 3, 5})
        grid.at(x, 1) = x < 3 ? Square::Block : Square::Crumbling + 5;
    powerupGrid.at(1, 1) = PowerupType::Bomb;
    powerupGrid.at(3, 1) = PowerupType::Bomb;
    drawRound();
    CanvasPixels pixels;
    auto differing = [&](int a, int b) {
        int n = 0;
        for (int y = 32; y < 64; ++y)
            for (int x = 0; x < 32; ++x)
                n += pixels.at(a * 32 + x, y) != pixels.at(b * 32 + x, y);
        return n;
    };
    EXPECT_EQ(differing(1, 2), 0) << "a whole block hides its powerup";
    EXPECT_GT(differing(3, 5), 20) << "a crumbling block shows its powerup";
}

TEST_F(ArenaPixels, KingOfTheHillTilesBreatheInACheckerboard)
{
    gameOptions.gameMode = GameMode::KingOfTheHill;
    Game& g = startGame();
    g.hillArea = {1, 1, 3, 2};
    powerupGrid.at(3, 2) = PowerupType::Speed;
    g.makeHillTileBitmaps();
    ASSERT_EQ(g.hillTiles.size(), 6u * 4u);
    std::fill(g.hillTiles.begin(), g.hillTiles.end(), 0);
    frameCounter = 47;   // the tiles breathe at their widest, and are not dealt anew
    g.draw(false);
    CanvasPixels pixels;
    // Neighbouring tiles stand at 128 - 63 and 128 + 63.
    const Rgba even = pixels.at(32 + 8, 32 + 8), odd = pixels.at(32 + 24, 32 + 8);
    EXPECT_NE(even, black);
    EXPECT_NE(odd, black);
    EXPECT_GT(even[0], odd[0] + 60);
    EXPECT_EQ(pixels.at(3 * 32 + 8, 32 + 8), even);
    // Outside the hill, and under a powerup, no tiles.
    EXPECT_EQ(pixels.countOther(4 * 32, 32, 5 * 32, 3 * 32, black), 0);
    int tinted = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            tinted += pixels.at(3 * 32 + x, 2 * 32 + y) == pixels.at(2 * 32 + x, 2 * 32 + y);
    EXPECT_LT(tinted, 200);
}

TEST_F(ArenaPixels, RecolouredBombsTakeTheChosenColour)
{
    auto p = hero(heroRgb);
    bombGrid.at(2, 2).owner = p;
    bombGrid.at(2, 2).fuse = 60;
    const Rgba green{0, 255, 0, 255};
    drawRound();
    EXPECT_EQ(CanvasPixels().count(64, 64, 96, 96, green), 0);
    accessibilitySettings.recolourBombs = true;
    accessibilitySettings.newBombCol = {0, 255, 0};
    drawRound();
    CanvasPixels pixels;
    EXPECT_GT(pixels.count(64, 64, 96, 96, green), 100);
    // Only the bombs: the player keeps its colour.
    EXPECT_GT(countAroundHero(pixels, heroColour), 60);
}

TEST_F(ArenaPixels, TheDeadShowOnlyWhileRespawningInRespawnModes)
{
    twoSecondFrameCount = 120;
    auto p = hero(heroRgb);
    p->startCell = {2, 2};
    p->dead = true;
    p->respawnTimer = 0;
    drawRound();
    EXPECT_EQ(CanvasPixels().count(0, 0, screenWidth, screenHeight, heroColour), 0) << "Classic";
    gameOptions.gameMode = GameMode::CaptureTheFlag;
    drawRound();
    // Arrived: all eight copies stand on the respawn cell.
    CanvasPixels arrived;
    EXPECT_GT(arrived.count(2 * 32, 2 * 32 - 30, 3 * 32, 3 * 32, heroColour), 60);
    EXPECT_EQ(countAroundHero(arrived, heroColour), 0);
    // Copies close in over the last two seconds only.
    twoSecondFrameCount = 20;
    p->respawnTimer = 20;
    drawRound();
    EXPECT_EQ(CanvasPixels().countOther(32, 32, 5 * 32, 5 * 32, black), 0) << "not yet";
    p->respawnTimer = 19;
    drawRound();
    EXPECT_GT(CanvasPixels().countOther(32, 32, 5 * 32, 5 * 32, black), 100);
}

TEST_F(ArenaPixels, HeadWavesOfFlameEndOnTopAndAnnihilatorFlamesLookApart)
{
    auto p = hero(heroRgb);
    p->dead = true;
    auto other = addPlayer(2, {6, 5});
    other->dead = true;
    other->annihilator = true;
    Game& g = startGame();
    auto flame = [&](int x, int y, int wave, const std::shared_ptr<Player>& owner) {
        Flame f;
        f.owner = owner;
        f.wave = wave;
        f.x = x;
        f.y = y;
        g.flames.push_back(f);
    };
    flame(1, 1, 1, p);   // the head wave, listed before the tail wave on the same cell
    flame(1, 1, 3, p);
    flame(3, 1, 1, p);
    flame(5, 1, 3, p);
    flame(7, 1, 1, other);
    g.draw(false);
    CanvasPixels pixels;
    int shown = 0, differ = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const Rgba head = pixels.at(3 * 32 + x, 32 + y);
            if (head == black)
                continue;
            ++shown;
            EXPECT_EQ(pixels.at(32 + x, 32 + y), head) << x << "," << y;
            differ += pixels.at(5 * 32 + x, 32 + y) != head;
        }
    }
    EXPECT_GT(shown, 300);
    EXPECT_GT(differ, 100) << "the tail wave looks like the head wave";
    EXPECT_GT(pixels.countOther(7 * 32, 32, 8 * 32, 64, black), 300);
    int same = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            same += pixels.at(7 * 32 + x, 32 + y) == pixels.at(3 * 32 + x, 32 + y);
    EXPECT_LT(same, 32 * 32 - 200) << "an annihilator's flame looks like any other";
}

TEST_F(ArenaPixels, AGhostIsTranslucentAndBlinksAsItsTimeRunsOut)
{
    auto p = hero(heroRgb);
    p->ghost = true;
    p->shieldTimer = 500;
    drawRound();
    CanvasPixels ghost;
    EXPECT_EQ(countAroundHero(ghost, heroColour), 0);
    EXPECT_GT(ghost.countOther(4 * 32, 3 * 32, 5 * 32, 4 * 32, black), 100) << "not invisible";
    p->shieldTimer = 100;
    frameCounter = 7;
    drawRound();
    EXPECT_GT(countAroundHero(CanvasPixels(), heroColour), 60);
    frameCounter = 12;
    drawRound();
    EXPECT_EQ(countAroundHero(CanvasPixels(), heroColour), 0);
}

TEST_F(ArenaPixels, PlayersLowerOnTheScreenStandInFront)
{
    const RGB lowerRgb{255, 128, 0};
    const Rgba lowerColour{255, 128, 0, 255};
    auto lower = addPlayer(1, {4, 4});
    lower->look.colour = al_map_rgb(lowerRgb.r, lowerRgb.g, lowerRgb.b);
    auto upper = addPlayer(2, {4, 3});
    upper->look.colour = al_map_rgb(heroRgb.r, heroRgb.g, heroRgb.b);
    // Where the lower player's head meets the upper player's body.
    auto lowerHead = [&] { return CanvasPixels().count(4 * 32, 4 * 32 - 28, 5 * 32, 4 * 32, lowerColour); };
    upper->dead = true;
    drawRound();
    const int alone = lowerHead();
    ASSERT_GT(alone, 10);
    upper->dead = false;
    drawRound();
    EXPECT_EQ(lowerHead(), alone);
}

TEST_F(ArenaPixels, ASnakeShowsItsHeadOnEverySegment)
{
    auto p = hero(heroRgb);
    p->snakeLength = 4;
    p->facing = Facing::Up;
    for (int y : {4, 5})
        p->snakeBody.emplace_back(4 * 32, y * 32, int(Facing::Up));
    p->snakeBody.emplace_back(5 * 32, 5 * 32, int(Facing::Left));
    drawRound();
    CanvasPixels pixels;
    for (auto [x, y] : {std::pair{4, 3}, {4, 4}, {4, 5}, {5, 5}})
        EXPECT_GT(pixels.count(x * 32, y * 32, x * 32 + 32, y * 32 + 32, heroColour), 20) << x << "," << y;
    EXPECT_EQ(pixels.count(3 * 32, 2 * 32, 6 * 32, 3 * 32, heroColour), 0) << "a snake has no body above its head";
}

TEST_F(ArenaPixels, ToastsFloatInTheirOwnFontsOverEverything)
{
    Game& g = startGame();
    g.addToast(makeTimedToast("BIG", 2 * 32, 2 * 32, 0, 0, 90, ToastFont::Large));
    g.addToast(makeTimedToast("BIG", 6 * 32, 2 * 32, 0, 0, 90, ToastFont::Default));
    grid.at(2, 2) = Square::Wall;
    g.draw(false);
    CanvasPixels pixels;
    const int large = pixels.count(32, 2 * 32, 3 * 32, 3 * 32, white);
    const int small = pixels.count(5 * 32, 2 * 32, 7 * 32, 3 * 32, white);
    EXPECT_GT(small, 20);
    EXPECT_GT(large, 3 * small);
}

TEST_F(ArenaPixels, SpriteCacheHitsAfterTheFirstFrameAndIsEmptyAfterShutdown)
{
    clearPlayerSpriteCache();
    hero(heroRgb);
    addPlayer(2, {2, 2});
    drawRound();
    const std::size_t composed = playerSpriteCacheSize();
    EXPECT_EQ(composed, 2u);
    const PlayerSpriteCacheCounts first = playerSpriteCacheCounts();
    drawRound();
    drawRound();
    const PlayerSpriteCacheCounts later = playerSpriteCacheCounts();
    EXPECT_EQ(later.misses, first.misses);
    EXPECT_EQ(later.hits, first.hits + 4);
    EXPECT_EQ(playerSpriteCacheSize(), composed);

    game.reset();
    shutdown();
    EXPECT_EQ(playerSpriteCacheSize(), 0u);
    EXPECT_TRUE(player.empty());
}
