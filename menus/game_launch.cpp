#include "menus/game_launch.h"

#include "frame/display/display.h"
#include "game/draw/player_sprite_cache.h"
#include "media/music.h"
#include "media/music_tracks.h"
#include "frame/settings.h"
#include "session/replay_error.h"

namespace {

// Puts the title screen back however the session ended.
void restoreTitleScreen(std::shared_ptr<Music>& menuMusic)
{
    menuMusic = startMusicTrack();
    createScreenBitmap(0);
    clearPlayerSpriteCache();
}

}

bool launchGameFromMenu(std::shared_ptr<Music>& menuMusic, std::string replayName,
                        ReplayTestOptions options)
{
    menuMusic.reset();
    bool result = false;
    try {
        result = play_the_game(replayRecordingEnabled, std::move(replayName), options);
    } catch (const ReplayError&) {
        // A damaged replay goes back to the list that played it.
        restoreTitleScreen(menuMusic);
        throw;
    }
    restoreTitleScreen(menuMusic);
    return result;
}
