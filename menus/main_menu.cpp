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
#include "media/fonts.h"
#include "media/music_tracks.h"
#include "media/render_target.h"
#include "media/text.h"

// Stand-in title screen until the menus are built: a title on the screen loop
// that ends on Escape or when the window is closed. It logs the layout keys
// it sees go down and each completed press.
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
        },
        [&] { return done; }, {}, false, false);
}
