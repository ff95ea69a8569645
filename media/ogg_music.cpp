#include "media/ogg_music.h"

#include "media/music_fade.h"

std::mutex audioMutex;

namespace {

constexpr std::size_t streamBufferCount = 8;
constexpr unsigned int streamBufferSamples = 65536;

void destroyStream(ALLEGRO_AUDIO_STREAM* stream)
{
    std::lock_guard lock(audioMutex);
    // Once the audio addon has shut down it has already freed every stream.
    if (al_is_audio_installed())
        al_destroy_audio_stream(stream);
}

float volumeGain(int volume)
{
    return float(volume) / 255.0f;
}

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
    if (!al_attach_audio_stream_to_mixer(loaded, mixer))
        throw Failure();
    al_set_audio_stream_playmode(loaded, ALLEGRO_PLAYMODE_LOOP);
    al_set_audio_stream_playing(loaded, true);
}

OggMusic::~OggMusic()
{
    stopFade = true;
    {
        // The fade thread only tries the lock, so joining while holding it is safe.
        std::lock_guard lock(audioMutex);
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
