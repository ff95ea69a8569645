#include "menus/game_launch.h"

#include "frame/display.h"
#include "game/player_sprite_cache.h"
#include "media/music.h"
#include "media/music_tracks.h"
#include "frame/settings.h"

bool launchGameFromMenu(std::shared_ptr<Music>& menuMusic, std::string replayName,
                        ReplayTestOptions options)
{
    menuMusic.reset();
    bool result = play_the_game(replayRecordingEnabled, std::move(replayName), options);
    menuMusic = startMusicTrack();
    createScreenBitmap(0);
    clearPlayerSpriteCache();
    return result;
}
