#pragma once
#include <allegro5/allegro_audio.h>

#include <atomic>
#include <chrono>

// How often a fade writes a new gain.
inline constexpr std::chrono::milliseconds fadeStepInterval{4};

// The gain `elapsedMs` into a fade from `from` to `to` lasting `seconds`:
// linear, and exactly `to` from the end of the fade on.
float fadeGain(float from, float to, long long elapsedMs, float seconds);

// Thread body of a fade: writes the stream's gain every step, under audioMutex
// when it is free, until the fade has reached `to` or `stop` is set.
void runFade(const std::atomic<bool>& stop, float from, float to, ALLEGRO_AUDIO_STREAM* stream,
             float seconds);
