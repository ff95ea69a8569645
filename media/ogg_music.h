#pragma once
#include <allegro5/allegro_audio.h>

#include <atomic>
#include <cstdint>
#include <exception>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "media/music.h"

// Serialises every call on a music stream (gain, playing, destruction) between
// the main thread and the fade threads. Fade threads only ever try it.
extern std::mutex audioMutex;

// Allegro frees every stream when it shuts down at exit, and hangs on a stream
// that still plays. Called before that (from the sound's exit handler): every
// fade is ended and joined and every stream still alive destroyed. The
// OggMusic objects must not be used afterwards, except to destroy them.
void retireMusicStreams();

// An Ogg file streamed into a mixer and looped from construction until stopped
// or destroyed.
class OggMusic : public Music {
public:
    // The file could not be streamed.
    class Failure : public std::exception {
    public:
        const char* what() const noexcept override { return "OggMusic::Failure"; }
    };

    // Throws Failure when the file cannot be streamed into the mixer or holds
    // no audio at all.
    OggMusic(const std::string& path, ALLEGRO_MIXER* mixer);
    ~OggMusic() override;
    OggMusic(const OggMusic&) = delete;
    OggMusic& operator=(const OggMusic&) = delete;

    void setVolume(int volume) override;
    // Runs the fade on a thread of its own, replacing any fade still running;
    // a time of 0 or less sets the volume at once.
    void fadeTo(float seconds, int volume) override;
    void stop() override;

    // The stream's current gain and how many samples it has played so far.
    float gain() const;
    std::uint64_t playedSamples() const;

    // Ends every fade and destroys every stream (see retireMusicStreams).
    static void retireAll();

private:
    void endFade();

    std::shared_ptr<ALLEGRO_AUDIO_STREAM> stream;
    std::thread fadeThread;
    std::atomic<bool> stopFade{false};
};
