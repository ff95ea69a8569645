// The arena's floor drawn from the cells layer (needs an X server): the same
// pixels as clearing the canvas and placing every square, on the first frame
// and after cells change, with things under squares that let them show, on
// the King of the Hill tiles, through the shrink warning's pulsing background
// and with the copy done by drawing instead of texture to texture.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame/accessibility_settings.h"
#include "frame/game_ids.h"
#include "frame/log.h"
#include "game/draw/arena_draw.h"
#include "game/game_options.h"
#include "game/round_state.h"
#include "media/bitmap_copy.h"
#include "support/arena_display.h"
#include "support/round_fixture.h"

namespace {

class ArenaCellsLayerPixels : public RoundTest {
protected:
    void SetUp() override
    {
        RoundTest::SetUp();
        ensureArenaDisplay();
        saved_ = accessibilitySettings;
        accessibilitySettings.bgcol = 0;
        frameCounter = 1;
        makeArena(11, 8);
        makeArenaCanvas(11, 8);
        // Every kind of square, with powerups under some of them and beside them.
        const int kinds[] = {Square::Wall,           Square::OuterWall,          Square::Block,
                             Square::ToughBlock,     Square::ToughBlock + 1,     Square::ToughBlockLast,
                             Square::Crumbling,      Square::Crumbling + 12,     Square::ToughCrumbling,
                             Square::ToughCrumbling + 13};
        int x = 1;
        for (int kind : kinds) {
            grid.at(x, 1) = kind;
            grid.at(x, 3) = kind;
            powerupGrid.at(x, 3) = PowerupType::Bomb;
            x = x % 9 + 1;
        }
        powerupGrid.at(4, 5) = PowerupType::Shield;
    }
    void TearDown() override
    {
        accessibilitySettings = saved_;
        bitmapCopyByTexture = true;
        RoundTest::TearDown();
    }

    std::vector<Rgba> frame(bool layer)
    {
        if (!game)
            startGame();
        arenaDrawCache(*game).cellsLayerUsed = layer;
        game->draw(false);
        CanvasPixels pixels;
        std::vector<Rgba> all;
        for (int y = 0; y < pixels.height(); ++y)
            for (int x = 0; x < pixels.width(); ++x)
                all.push_back(pixels.at(x, y));
        return all;
    }
    // The first pixel (as "x,y") where the layer's frame and the direct one differ.
    std::string firstDifference()
    {
        const std::vector<Rgba> layered = frame(true);
        const std::vector<Rgba> direct = frame(false);
        if (layered.size() != direct.size())
            return "sizes differ";
        for (std::size_t i = 0; i < layered.size(); ++i)
            if (layered[i] != direct[i])
                return std::to_string(i % (11 * 32)) + "," + std::to_string(i / (11 * 32));
        return "";
    }
    int redrawn() const { return arenaDrawCache(*game).cells.cellsRedrawn(); }

    AccessibilitySettings saved_;
};

}

TEST_F(ArenaCellsLayerPixels, TheFloorMatchesSquareBySquareAndRedrawsOnlyChangedCells)
{
    EXPECT_EQ(firstDifference(), "");
    EXPECT_EQ(redrawn(), 11 * 8);
    EXPECT_EQ(firstDifference(), "");
    EXPECT_EQ(redrawn(), 0);

    // A block crumbles, a crumbling one goes on and one is gone, a wall
    // respawns, the arena shrinks in over a powerup.
    grid.at(3, 1) = Square::Crumbling;
    grid.at(7, 1) = Square::Crumbling + 13;
    grid.at(8, 3) = Square::Empty;
    grid.at(5, 5) = Square::Block;
    grid.at(4, 5) = Square::OuterWall;
    EXPECT_EQ(firstDifference(), "");
    EXPECT_EQ(redrawn(), 5);
    // A stage that shows the same sprite is not drawn again.
    grid.at(7, 1) = Square::Crumbling + 14;
    EXPECT_EQ(firstDifference(), "");
    EXPECT_EQ(redrawn(), 0);

    // Drawn rather than copied texture to texture: the same.
    bitmapCopyByTexture = false;
    grid.at(2, 6) = Square::Wall;
    EXPECT_EQ(firstDifference(), "");
    EXPECT_EQ(redrawn(), 1);
}

TEST_F(ArenaCellsLayerPixels, HillTilesUnderCrumblingBlocksAndThePulsingBackgroundMatch)
{
    gameOptions.gameMode = GameMode::KingOfTheHill;
    Game& g = startGame();
    g.hillArea = {5, 1, 8, 4};
    g.makeHillTileBitmaps();
    frameCounter = 47;
    EXPECT_EQ(firstDifference(), "");

    // The warning pulses the background from frame to frame: the frames are
    // drawn square by square meanwhile, and the floor takes a steady colour up.
    accessibilitySettings.flashingEnabled = true;
    g.shrinkPhase = 1;
    for (int timer : {-400, -350, -300}) {
        g.shrinkTimer = timer;
        EXPECT_EQ(firstDifference(), "") << timer;
    }
    g.shrinkTimer = 100;
    EXPECT_EQ(firstDifference(), "");
    EXPECT_EQ(firstDifference(), "");
}
