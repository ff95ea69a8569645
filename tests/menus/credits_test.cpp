// The title figure's joints and dots, and the credits' drifting logo and
// their end on Escape, headless.
#include <allegro5/allegro.h>

#include <cmath>

#include "menu_screen_fixture.h"
#include "menus/credits_screen.h"
#include "menus/title_animation.h"

namespace {

using CreditsTest = MenuScreenTest;

TEST_F(CreditsTest, TheTitleFiguresJointsFollowTheirParentsAndItsDotsTheDotSize)
{
    AnimatedFigure figure;
    EXPECT_EQ(figure.nodeIds.size(), 19u);
    EXPECT_EQ(figure.lines.size(), 13u);
    EXPECT_EQ(figure.dots, (std::vector<int>{14, 15}));
    // Node 3 at time 0: (100, 300) x 2.5 plus 5 x 2.5 x sin(1.0) in y; node 7 hangs off node 6.
    EXPECT_EQ(calcNodePosition(figure, 3), (Vector2{250, 760}));
    EXPECT_EQ(calcNodePosition(figure, 7), calcNodePosition(figure, 6) + Vector2(-50, -75));
    EXPECT_EQ(calcNodePosition(figure, 42), (Vector2{0, 0})) << "an unknown joint stands at the origin";

    // The dots alone on a black canvas: squares of two pixels, or single pixels.
    useScreen(800, 600);
    figure.lines.clear();
    auto whiteAroundNode14 = [&] {
        drawFilledRectangle(screenBitmap->bitmap, 0, 0, 800, 600, al_map_rgb(0, 0, 0));
        drawTitleAnimation(figure, screenBitmap->bitmap);
        const Vector2 p = calcNodePosition(figure, 14);
        int n = 0;
        for (int y = p.y + figure.yOffset - 3; y <= p.y + figure.yOffset + 3; ++y)
            for (int x = p.x - 3; x <= p.x + 3; ++x) {
                unsigned char r, g, b;
                al_unmap_rgb(getPixel(screenBitmap->bitmap, x, y), &r, &g, &b);
                n += r == 255 && g == 255 && b == 255;
            }
        return n;
    };
    EXPECT_EQ(whiteAroundNode14(), 4);
    figure.dotSize = 1;
    EXPECT_EQ(whiteAroundNode14(), 1);

    // Node 1 takes its y from node 3 and swings on its own in x.
    figure.time = 1.0f;
    const Vector2 one = calcNodePosition(figure, 1);
    EXPECT_EQ(one.x, int(std::sin(1.0f) * 40 * 2.5f + 250));
    EXPECT_EQ(one.y, int(std::sin(4.0f) * 30 * 2.5f + float(calcNodePosition(figure, 3).y)));
}

TEST_F(CreditsTest, TheLogoDriftsAcrossSwingsAFullTurnEachWayAndZooms)
{
    CreditsScreen screen(1920, 1080);
    screen.update();
    const float x1 = screen.logoX, y1 = screen.logoY;
    screen.update();
    EXPECT_NE(screen.logoX, x1);
    EXPECT_NE(screen.logoY, y1);
    float low[3] = {0, 1, 1e9f}, high[3] = {0, 1, -1e9f};
    for (int i = 0; i < 3000; ++i) {
        screen.update();
        const float now[3] = {screen.angle, screen.zoom, screen.logoX};
        for (int k = 0; k < 3; ++k) {
            low[k] = std::min(low[k], now[k]);
            high[k] = std::max(high[k], now[k]);
        }
    }
    EXPECT_NEAR(low[0], -255, 1);
    EXPECT_NEAR(high[0], 255, 1);
    EXPECT_NEAR(low[1], 0.2f, 0.01f);
    EXPECT_NEAR(high[1], 1.8f, 0.01f);
    EXPECT_NEAR(low[2], 0, 2);
    EXPECT_NEAR(high[2], 1920, 2);
    EXPECT_FALSE(screen.done());
}

TEST_F(CreditsTest, AnEscapeHeldAsTheyOpenWaitsAndAPressEndsThemAndIsUsedUp)
{
    held = {ALLEGRO_KEY_ESCAPE};
    CreditsScreen screen(1920, 1080);
    run([&] { screen.update(); }, 20);
    EXPECT_FALSE(screen.done());
    held.clear();
    screen.update();
    held = {ALLEGRO_KEY_ESCAPE};
    screen.update();
    EXPECT_TRUE(screen.done());
    // The main menu behind closes only on an Escape press it sees itself.
    EXPECT_FALSE(isMenuInputPressed(ALLEGRO_KEY_ESCAPE, menuControlMode, false));
}

}
