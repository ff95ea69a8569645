#include "media/music_fade.h"

#include <algorithm>
#include <cmath>
#include <mutex>
#include <thread>

#include "media/ogg_music.h"

float fadeGain(float from, float to, long long elapsedMs, float seconds)
{
    float t = float(elapsedMs) / (seconds * 1000.0f);
    if (!(t < 1.0f))
        return to;
    if (t <= 0.0f)
        return from;
    return std::clamp(std::lerp(from, to, t), std::min(from, to), std::max(from, to));
}

void runFade(const std::atomic<bool>& stop, float from, float to, ALLEGRO_AUDIO_STREAM* stream,
             float seconds)
{
    using namespace std::chrono;
    const auto start = steady_clock::now();
    while (!stop) {
        {
            std::unique_lock lock(audioMutex, std::try_to_lock);
            if (!lock.owns_lock()) {
                if (stop)
                    return;
                std::this_thread::yield();
            } else if (!stop) {
                long long ms = duration_cast<milliseconds>(steady_clock::now() - start).count();
                float gain = fadeGain(from, to, ms, seconds);
                al_set_audio_stream_gain(stream, gain);
                if (float(ms) >= seconds * 1000.0f)
                    return; // the fade is complete and holds its target
            }
        }
        std::this_thread::sleep_for(fadeStepInterval);
    }
}
