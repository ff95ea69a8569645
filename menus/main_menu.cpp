#include "menus/main_menu.h"

#include <allegro5/allegro.h>
#include <map>

#include "controls/controls_manager.h"
#include "controls/key_names.h"
#include "controls/keyboard_state.h"
#include "frame/app_globals.h"
#include "frame/display.h"
#include "frame/log.h"
#include "frame/screen_loop.h"
#include "media/bitmap_draw.h"
#include "media/colour.h"
#include "media/fonts.h"
#include "media/head_sets.h"
#include "media/music_tracks.h"
#include "media/palette.h"
#include "media/player_body.h"
#include "media/recolour_shader.h"
#include "media/render_target.h"
#include "media/text.h"

namespace {

// A parade of every head set in palette colours, walking on the spot.
void drawParade(int updates)
{
    const float scale = 3.0f;
    const std::vector<RGB> palette = buildColourPalette();
    const int frame = (updates / 8) % walkFrameCount;
    const int spacing = 130;
    const int left = (screenWidth - spacing * (headSetCount - 1) - int(32 * scale)) / 2;
    for (int head = 0; head < headSetCount; ++head) {
        RecolourSettings settings;
        settings.newCol = toColour(palette[1 + head]);
        settings.doDarkCol = true;
        if (head % 2 == 1)
            settings.outlineCol = al_map_rgb(255, 255, 255);
        setRecolour(settings);
        PlayerLook look;
        look.head = head;
        SpritePart headPart = playerHeadSprite(look, Facing::Down, frame, false, false);
        SpritePart body = playerBodySprite(Facing::Down, frame, false);
        int x = left + head * spacing;
        int y = 600 + int(float(headPart.anchor->y) * scale);
        drawSpriteScaledRotated(screenBitmap->bitmap, headPart.spriteId, 0, 0, x, y, 0, scale, 255);
        drawSpriteScaledRotated(screenBitmap->bitmap, body.spriteId, 0, 0, x, 600 + int(28 * scale),
                                0, scale, 255);
        useShader();
    }
}

}

// Stand-in title screen until the menus are built: a title and the players'
// looks on the screen loop, ending on Escape or when the window is closed. It
// logs the layout keys it sees go down and each completed press.
void menu()
{
    createScreenBitmap(0);
    std::shared_ptr<Music> menuMusic = startMusicTrack();
    bool done = false;
    int updates = 0;
    std::map<int, bool> heldKeys;
    for (const auto& layout : controlsManager->layouts)
        for (int key : layout)
            heldKeys[key] = false;
    logLine("Title screen ready\n");
    runLoop(
        [&] {
            updates += 1;
            for (auto& [key, held] : heldKeys) {
                bool down = isKeyDown(key);
                if (down && !held)
                    logStdString("Key down: " + keyName(key) + "\n");
                held = down;
                if (isKeyPressed(key))
                    logStdString("Key pressed: " + keyName(key) + "\n");
            }
            if (isKeyDown(ALLEGRO_KEY_ESCAPE) || quitRequested) {
                log("Menu closed after %d updates\n", updates);
                done = true;
            }
        },
        [&] {
            setTargetBitmap(screenBitmap->bitmap);
            al_clear_to_color(al_map_rgb(20, 20, 60));
            drawText(screenBitmap->bitmap, font64, screenWidth / 2, 200, al_map_rgb(255, 255, 255),
                     "TAMWICK", ALLEGRO_ALIGN_CENTRE);
            drawText(screenBitmap->bitmap, font30, screenWidth / 2, 400,
                     al_map_rgb(200, 200, 200), "Press Escape to quit", ALLEGRO_ALIGN_CENTRE);
            drawParade(updates);
        },
        [&] { return done; }, {}, false, false);
}
