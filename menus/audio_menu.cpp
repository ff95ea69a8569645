#include "menus/audio_menu.h"

#include <allegro5/allegro.h>

#include "frame/app_globals.h"
#include "frame/config.h"
#include "frame/display/display.h"
#include "frame/display/screen_loop.h"
#include "frame/settings.h"
#include "media/bitmap_draw.h"
#include "media/sound.h"
#include "menus/menu_input.h"

namespace {

// Writes and applies a volume whose value moved since it was last applied.
void applyVolume(int value, int& applied, const char* key, int mixerKey)
{
    if (value == applied)
        return;
    applied = value;
    setConfigInt("sound", key, value);
    setMixerVolume(mixerKey, value);
}

}

AudioScreen::AudioScreen(const TamwickMenuLayoutOptions* layout, int x)
    : menu(layout, noMenuCloseAction),
      music(getMixerVolume(musicMixerKey)),
      effects(getMixerVolume(effectsMixerKey)),
      appliedMusic_(music),
      appliedEffects_(effects)
{
    menu.addHeading(x - 20 < 1 ? 0 : x - 20, "Audio settings");
    menu.addInt(x, "Music volume", &music, 0, 100, 10);
    menu.addInt(x, "Sound effects volume", &effects, 0, 100, 10);
    menu.addAction(x, "Back", [this] { closed_ = true; });
}

void AudioScreen::update(int lowestY)
{
    if (isMenuInputPressed(ALLEGRO_KEY_ESCAPE, menuControlMode, false))
        closed_ = true;
    menu.update(lowestY);
    applyVolume(music, appliedMusic_, "musicVolume", musicMixerKey);
    applyVolume(effects, appliedEffects_, "soundEffectsVolume", effectsMixerKey);
}

void AudioScreen::render(BitmapWrapper& target, const BitmapPtr& background)
{
    if (background && background->bitmap)
        drawBitmap(target.bitmap, background->bitmap, 0, 0, false, 255);
    else
        clearBitmap(target);
    menu.draw(target);
}

bool AudioScreen::done() const
{
    return closed_ || quitRequested;
}

void menuAudio(BitmapPtr background, const TamwickMenuLayoutOptions* layout, std::optional<int> x)
{
    AudioScreen screen(layout ? layout : &defaultMenuLayout, x.value_or(screenWidth / 2 - 200));
    runLoop([&] { screen.update(screenBitmap->height() - 1); }, [&] { screen.render(*screenBitmap, background); },
            [&] { return screen.done(); }, {}, false, false);
}
