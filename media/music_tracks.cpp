#include "media/music_tracks.h"

#include <cstdlib>
#include <string>

#include "frame/game_files.h"
#include "frame/log.h"
#include "media/no_music.h"
#include "media/ogg_music.h"
#include "media/sound.h"

namespace {

std::shared_ptr<Music> streamOrSilence(const std::string& path)
{
    try {
        auto music = std::make_shared<OggMusic>(path, getMixer(musicMixerKey));
        log("Playing music %s\n", path.c_str());
        return music;
    } catch (const OggMusic::Failure&) {
        log("Music %s could not be played; continuing without music%s\n", path.c_str(),
            inWorkingFolder().c_str());
        return std::make_shared<NoMusic>();
    }
}

}

std::shared_ptr<Music> startGameMusic()
{
    int track = std::rand() & 1;
    if (std::size_t(track) >= gameMusicTracks.size()) {
        log("No game music: sound is not installed\n");
        return std::make_shared<NoMusic>();
    }
    return streamOrSilence(gameMusicTracks[track]);
}

std::shared_ptr<Music> startMusicTrack()
{
    return streamOrSilence(menuMusicTrack);
}

std::shared_ptr<Music> startTrophyMusic()
{
    return streamOrSilence(trophyMusicTrack);
}
