#pragma once
// Small sound-synthesis helpers shared by the effects and the music.
#include "rng.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

inline constexpr int sampleRate = 44100;
inline constexpr double twoPi = 6.283185307179586;

// Phase-accumulating oscillator: feed it the frequency every sample.
struct Osc {
    double phase = 0;
    double step(double freq)
    {
        phase += freq / sampleRate;
        phase -= std::floor(phase);
        return phase;
    }
    double sine(double freq) { return std::sin(twoPi * step(freq)); }
    double saw(double freq) { return 2 * step(freq) - 1; }
    double square(double freq, double duty = 0.5) { return step(freq) < duty ? 1.0 : -1.0; }
    double triangle(double freq)
    {
        double p = step(freq);
        return p < 0.5 ? 4 * p - 1 : 3 - 4 * p;
    }
};

// One-pole low-pass filter.
struct LowPass {
    double y = 0;
    double run(double x, double cutoff)
    {
        double a = 1 - std::exp(-twoPi * cutoff / sampleRate);
        y += a * (x - y);
        return y;
    }
};

// Resonant state-variable filter (Chamberlin); `mode` 0 low, 1 band, 2 high.
struct Svf {
    double low = 0, band = 0;
    double run(double x, double cutoff, double q, int mode)
    {
        double f = 2 * std::sin(M_PI * std::min(cutoff, sampleRate / 6.0) / sampleRate);
        double high = x - low - band / q;
        band += f * high;
        low += f * band;
        return mode == 0 ? low : mode == 1 ? band : high;
    }
};

inline double expDecay(double t, double time) { return std::exp(-t / time); }
inline double noteFreq(double midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

// Writes mono 16-bit PCM at 44.1 kHz. `samples` are in -1..1.
void writeWav(const std::string& path, const std::vector<float>& samples);
