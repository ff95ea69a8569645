// The title figure's joints and dots, and the credits' end on Escape, headless.
#include <allegro5/allegro.h>

#include "menu_screen_fixture.h"
#include "menus/credits_screen.h"
#include "menus/title_animation.h"

namespace {

using CreditsTest = MenuScreenTest;

TEST_F(CreditsTest, TheTitleFiguresJointsFollowTheirParentsAndItsDotsTheDotSize)
{
    AnimatedFigure figure;
    // Node 7 hangs off node 6.
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
