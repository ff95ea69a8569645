#include "menus/main_menu.h"

#include <allegro5/allegro.h>

#include "frame/app_globals.h"
#include "frame/display.h"
#include "frame/log.h"
#include "frame/screen_loop.h"
#include "media/fonts.h"
#include "media/music_tracks.h"
#include "media/render_target.h"
#include "media/text.h"

// Stand-in title screen until the menus are built: a title on the screen loop
// that ends on Escape or when the window is closed.
void menu()
{
    createScreenBitmap(0);
    std::shared_ptr<Music> menuMusic = startMusicTrack();
    bool done = false;
    int updates = 0;
    runLoop(
        [&] {
            ALLEGRO_KEYBOARD_STATE keys;
            al_get_keyboard_state(&keys);
            updates += 1;
            if (al_key_down(&keys, ALLEGRO_KEY_ESCAPE) || quitRequested) {
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
