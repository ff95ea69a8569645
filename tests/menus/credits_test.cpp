// The title figure's joints and drawing, and the credits' drifting logo and
// their end on Escape, headless.
#include <allegro5/allegro.h>

#include <cmath>

#include "frame/settings.h"
#include "media/primitives.h"
#include "menu_screen_fixture.h"
#include "menus/credits_screen.h"
#include "menus/title_animation.h"

namespace {

TEST(TitleFigure, JointsStandWhereTheirParentsAndPhasesPutThem)
{
    AnimatedFigure figure;
    EXPECT_EQ(figure.nodeIds.size(), 19u);
    EXPECT_EQ(figure.lines.size(), 13u);
    EXPECT_EQ(figure.dots, (std::vector<int>{14, 15}));
    // Node 3 at time 0: x 100 x 2.5, y 300 x 2.5 plus 5 x 2.5 x sin(1.0).
    EXPECT_EQ(calcNodePosition(figure, 3), (Vector2{250, 760}));
    // Node 7 hangs off node 6, by (-20, -30) x 2.5.
    const Vector2 six = calcNodePosition(figure, 6);
    EXPECT_EQ(calcNodePosition(figure, 7), six + Vector2(-50, -75));
    // Node 1 takes its y from node 3 and swings on its own in x.
    figure.time = 1.0f;
    const Vector2 one = calcNodePosition(figure, 1);
    EXPECT_EQ(one.x, int(std::sin(1.0f) * 40 * 2.5f + 250));
    EXPECT_EQ(one.y, int(std::sin(4.0f) * 30 * 2.5f + float(calcNodePosition(figure, 3).y)));
}

TEST(TitleFigure, AnUnknownJointIsAddedAtTheOrigin)
{
    AnimatedFigure figure;
    EXPECT_EQ(calcNodePosition(figure, 42), (Vector2{0, 0}));
    EXPECT_EQ(figure.nodes.count(42), 1u);
}

class FigureDots : public MenuScreenTest {
protected:
    // The figure's dots alone, drawn onto a black memory canvas.
    int whitePixelsAround(AnimatedFigure& figure, int node)
    {
        figure.lines.clear();
        setTargetAndClearBlack();
        drawTitleAnimation(figure, screenBitmap->bitmap);
        const Vector2 p = calcNodePosition(figure, node);
        int n = 0;
        for (int y = p.y + figure.yOffset - 3; y <= p.y + figure.yOffset + 3; ++y)
            for (int x = p.x - 3; x <= p.x + 3; ++x) {
                unsigned char r, g, b;
                al_unmap_rgb(getPixel(screenBitmap->bitmap, x, y), &r, &g, &b);
                n += r == 255 && g == 255 && b == 255;
            }
        return n;
    }
    void setTargetAndClearBlack()
    {
        drawFilledRectangle(screenBitmap->bitmap, 0, 0, screenWidth, screenHeight, al_map_rgb(0, 0, 0));
    }
};

TEST_F(FigureDots, DotsAreSinglePixelsOrSquaresOfTheDotSize)
{
    useScreen(800, 600);
    AnimatedFigure figure;
    EXPECT_EQ(whitePixelsAround(figure, 14), 4);
    figure.dotSize = 1;
    EXPECT_EQ(whitePixelsAround(figure, 14), 1);
}

class CreditsTest : public MenuScreenTest {};

TEST_F(CreditsTest, TheLogoDriftsSwingsAFullTurnEachWayAndZooms)
{
    CreditsScreen screen(1920, 1080);
    screen.update();
    const float x1 = screen.logoX, y1 = screen.logoY;
    screen.update();
    EXPECT_NE(screen.logoX, x1);
    EXPECT_NE(screen.logoY, y1);
    float lowAngle = 0, highAngle = 0, lowZoom = 1, highZoom = 1;
    float lowX = 1e9f, highX = -1e9f;
    for (int i = 0; i < 3000; ++i) {
        screen.update();
        lowAngle = std::min(lowAngle, screen.angle);
        highAngle = std::max(highAngle, screen.angle);
        lowZoom = std::min(lowZoom, screen.zoom);
        highZoom = std::max(highZoom, screen.zoom);
        lowX = std::min(lowX, screen.logoX);
        highX = std::max(highX, screen.logoX);
    }
    EXPECT_NEAR(lowAngle, -255, 1);
    EXPECT_NEAR(highAngle, 255, 1);
    EXPECT_NEAR(lowZoom, 0.2f, 0.01f);
    EXPECT_NEAR(highZoom, 1.8f, 0.01f);
    EXPECT_NEAR(lowX, 0, 2);
    EXPECT_NEAR(highX, 1920, 2);
    EXPECT_FALSE(screen.done());
}

TEST_F(CreditsTest, EscapeEndsThemAndIsUsedUpSoTheMenuBehindStaysOpen)
{
    CreditsScreen screen(1920, 1080);
    run([&] { screen.update(); }, 5);
    held = {ALLEGRO_KEY_ESCAPE};
    screen.update();
    EXPECT_TRUE(screen.done());
    // The main menu closes only on an Escape press it sees itself.
    EXPECT_FALSE(isMenuInputPressed(ALLEGRO_KEY_ESCAPE, menuControlMode, false));
}

TEST_F(CreditsTest, EscapeHeldWhenTheyOpenDoesNotEndThem)
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
}

}
