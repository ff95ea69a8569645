#include "media/ogg_music.h"

#include <set>

#include "media/music_fade.h"

std::mutex audioMutex;

namespace {

// Both guarded by audioMutex.
std::set<OggMusic*> liveMusic;
bool streamsRetired = false;

constexpr std::size_t streamBufferCount = 8;
constexpr unsigned int streamBufferSamples = 65536;

void destroyStream(ALLEGRO_AUDIO_STREAM* stream)
{
    std::lock_guard lock(audioMutex);
    // A retired stream is already gone.
    if (!streamsRetired && al_is_audio_installed())
        al_destroy_audio_stream(stream);
}

float volumeGain(int volume)
{
    return float(volume) / 255.0f;
}

}

void retireMusicStreams()
{
    OggMusic::retireAll();
}

void OggMusic::retireAll()
{
    std::lock_guard lock(audioMutex);
    // Allegro's own shutdown would wait for ever on the feeder of a stream
    // still alive, so every stream goes here, while the audio addon is whole,
    // after its fade (which only tries the lock) has ended.
    for (OggMusic* music : liveMusic) {
        music->stopFade = true;
        if (music->fadeThread.joinable())
            music->fadeThread.join();
        if (al_is_audio_installed())
            al_destroy_audio_stream(music->stream.get());
    }
    liveMusic.clear();
    streamsRetired = true;
}

OggMusic::OggMusic(const std::string& path, ALLEGRO_MIXER* mixer)
{
    if (!mixer)
        throw Failure();
    ALLEGRO_AUDIO_STREAM* loaded =
        al_load_audio_stream(path.c_str(), streamBufferCount, streamBufferSamples);
    if (!loaded)
        throw Failure();
    stream = std::shared_ptr<ALLEGRO_AUDIO_STREAM>(loaded, destroyStream);
    // A file with no audio (one cut after its headers) would loop a stream of
    // zero length, and Allegro's feeder then spins for ever; it is checked
    // before the stream loops or plays.
    if (!(al_get_audio_stream_length_secs(loaded) > 0.0))
        throw Failure();
    if (!al_attach_audio_stream_to_mixer(loaded, mixer))
        throw Failure();
    al_set_audio_stream_playmode(loaded, ALLEGRO_PLAYMODE_LOOP);
    al_set_audio_stream_playing(loaded, true);
    std::lock_guard lock(audioMutex);
    liveMusic.insert(this);
}

OggMusic::~OggMusic()
{
    stopFade = true;
    {
        // The fade thread only tries the lock, so joining while holding it is safe.
        std::lock_guard lock(audioMutex);
        liveMusic.erase(this);
        if (fadeThread.joinable())
            fadeThread.join();
    }
    stream.reset();
}

void OggMusic::setVolume(int volume)
{
    std::lock_guard lock(audioMutex);
    al_set_audio_stream_gain(stream.get(), volumeGain(volume));
}

void OggMusic::endFade()
{
    if (fadeThread.joinable()) {
        stopFade = true;
        fadeThread.join();
    }
    stopFade = false;
}

void OggMusic::fadeTo(float seconds, int volume)
{
    endFade();
    float target = volumeGain(volume);
    float from;
    {
        std::lock_guard lock(audioMutex);
        if (!(seconds > 0.0f)) {
            al_set_audio_stream_gain(stream.get(), target);
            return;
        }
        from = al_get_audio_stream_gain(stream.get());
    }
    fadeThread = std::thread(runFade, std::cref(stopFade), from, target, stream.get(), seconds);
}

void OggMusic::stop()
{
    stopFade = true;
    std::lock_guard lock(audioMutex);
    al_set_audio_stream_playing(stream.get(), false);
}

float OggMusic::gain() const
{
    std::lock_guard lock(audioMutex);
    return al_get_audio_stream_gain(stream.get());
}

std::uint64_t OggMusic::playedSamples() const
{
    std::lock_guard lock(audioMutex);
    return al_get_audio_stream_played_samples(stream.get());
}
