#include "menus/colour_editor.h"

#include "frame/app_globals.h"
#include "frame/display/display.h"
#include "frame/display/screen_loop.h"
#include "media/bitmap_draw.h"
#include "media/colour.h"
#include "media/primitives.h"

ColourEditor::ColourEditor(ALLEGRO_COLOR& colour, int x)
    : menu(&colourEditorMenuLayout, noMenuCloseAction), colour_(colour)
{
    reload();
    menu.addInt(x, "Red", &red, 0, 255, 1);
    menu.addInt(x, "Green", &green, 0, 255, 1);
    menu.addInt(x, "Blue", &blue, 0, 255, 1);
    menu.addAction(x, "Apply & Back", [this] {
        applied_ = true;
        colour_ = al_map_rgb(std::uint8_t(red), std::uint8_t(green), std::uint8_t(blue));
    });
    menu.addAction(x, "Reset", [this] { reload(); });
}

void ColourEditor::reload()
{
    red = redOf(colour_);
    green = greenOf(colour_);
    blue = blueOf(colour_);
}

void ColourEditor::update(int lowestY)
{
    menu.update(lowestY);
}

void ColourEditor::render(BitmapWrapper& target)
{
    clearBitmap(target);
    menu.draw(target);
    drawFilledRectangle(target.bitmap, 500, 200, 600, 300,
                        al_map_rgb(std::uint8_t(red), std::uint8_t(green), std::uint8_t(blue)));
}

bool ColourEditor::done() const
{
    return applied_ || quitRequested;
}

void menuEditColour(ALLEGRO_COLOR& colour)
{
    ColourEditor editor(colour, screenWidth / 2 - 100);
    runLoop([&] { editor.update(screenBitmap->height() - 1); }, [&] { editor.render(*screenBitmap); },
            [&] { return editor.done(); }, {}, false, false);
}

void menuEditColour(RGB& colour)
{
    ALLEGRO_COLOR edited = toColour(colour);
    menuEditColour(edited);
    colour = toRgb(edited);
}
