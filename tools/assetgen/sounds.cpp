// The eighteen sound effects, synthesised from oscillators, noise and filters.
#include "sounds.h"
#include "synth.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <functional>
#include <map>
#include <stdexcept>

namespace {

using Buffer = std::vector<float>;

Buffer render(double seconds, const std::function<double(double t, int i)>& voice)
{
    Buffer out(static_cast<size_t>(seconds * sampleRate));
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = static_cast<float>(voice(static_cast<double>(i) / sampleRate, static_cast<int>(i)));
    return out;
}

// Short fades at both ends (no clicks), then a level that makes the effects
// about equally loud: a common RMS target, capped by a peak limit.
Buffer finish(Buffer b, double peak = 0.89, double loudness = 0.24)
{
    const size_t fadeIn = 64, fadeOut = 400;
    for (size_t i = 0; i < fadeIn && i < b.size(); ++i)
        b[i] *= static_cast<float>(i) / fadeIn;
    for (size_t i = 0; i < fadeOut && i < b.size(); ++i)
        b[b.size() - 1 - i] *= static_cast<float>(i) / fadeOut;
    float top = 0;
    double energy = 0;
    for (float s : b) {
        top = std::max(top, std::abs(s));
        energy += static_cast<double>(s) * s;
    }
    if (top > 0) {
        double rms = std::sqrt(energy / static_cast<double>(b.size()));
        double gain = std::min(peak / top, loudness / rms);
        for (float& s : b)
            s *= static_cast<float>(gain);
    }
    return b;
}

double noise(Rng& rng) { return rng.signedUnit(); }

// Explosion1: a low-passed noise burst whose cutoff falls, over a sub thump.
Buffer explosion()
{
    Rng rng(seedFor("Explosion1"));
    Svf filter;
    Osc thump;
    LowPass rumble;
    return render(0.9, [&](double t, int) {
        double cutoff = 180 + 4200 * std::exp(-t / 0.08);
        double n = filter.run(noise(rng), cutoff, 0.9, 0);
        double crackle = rng.chance(0.002 * std::exp(-t / 0.2)) ? rng.signedUnit() * 1.5 : 0;
        double body = rumble.run(noise(rng), 120) * 3.0;
        double sub = thump.sine(70 * std::exp(-t / 0.25) + 30) * expDecay(t, 0.18);
        double env = t < 0.005 ? t / 0.005 : expDecay(t - 0.005, 0.28);
        return std::tanh((n * 1.6 + body + crackle) * env + sub * 0.9);
    });
}

// Cash2: two bright sine blips.
Buffer cash()
{
    Osc a, b;
    return render(0.3, [&](double t, int) {
        double first = t < 0.09 ? (a.sine(1568) + 0.3 * b.sine(3136)) * expDecay(t, 0.04) : 0;
        double u = t - 0.085;
        double second = u > 0 ? (a.sine(2093) + 0.3 * b.sine(4186)) * expDecay(u, 0.07) : 0;
        return first + second;
    });
}

// Beat2: kick, kick, snare - the trophy room's opening hit.
Buffer beat()
{
    Rng rng(seedFor("Beat2"));
    Osc osc;
    Svf snareFilter;
    return render(0.55, [&](double t, int) {
        double out = 0;
        for (double start : {0.0, 0.14}) {
            double u = t - start;
            if (u >= 0 && u < 0.2)
                out += osc.sine(45 + 120 * std::exp(-u / 0.03)) * expDecay(u, 0.09);
        }
        double u = t - 0.28;
        if (u >= 0)
            out += (snareFilter.run(noise(rng), 3000, 0.7, 1) * 1.4 + 0.4 * std::sin(twoPi * 190 * u)) *
                   expDecay(u, 0.07);
        return std::tanh(out * 1.2);
    });
}

// Blart: a buzzing raspberry that sags in pitch ("no").
Buffer blart()
{
    Osc osc, vib;
    LowPass lp;
    return render(0.38, [&](double t, int) {
        double f = 120 - 50 * t / 0.38 + 4 * vib.sine(28);
        double v = osc.square(f, 0.3) + 0.5 * osc.saw(f * 1.01);
        return lp.run(v, 1400) * (t < 0.02 ? t / 0.02 : 1.0) * (1 - 0.4 * t / 0.38);
    });
}

// CrapDing: a cheap, slightly out-of-tune bell.
Buffer crapDing()
{
    Osc p1, p2, p3, p4;
    return render(0.55, [&](double t, int) {
        return (p1.sine(1320) * expDecay(t, 0.2) + 0.6 * p2.sine(1320 * 2.76) * expDecay(t, 0.08) +
                0.4 * p3.sine(1320 * 5.2) * expDecay(t, 0.04) + 0.5 * p4.sine(1347) * expDecay(t, 0.15)) *
               (t < 0.002 ? t / 0.002 : 1.0);
    });
}

// Fire: a short puff of flame (played fast and often).
Buffer fire()
{
    Rng rng(seedFor("Fire"));
    Svf f;
    return render(0.25, [&](double t, int) {
        double env = t < 0.02 ? t / 0.02 : expDecay(t - 0.02, 0.06);
        return f.run(noise(rng), 900 + 1800 * t / 0.25, 1.2, 1) * env * 2.5;
    });
}

// Flamer: a roaring whoosh with crackles.
Buffer flamer()
{
    Rng rng(seedFor("Flamer"));
    Svf f;
    LowPass lp;
    return render(0.65, [&](double t, int) {
        double env = std::sin(M_PI * std::min(1.0, t / 0.65)) * (0.7 + 0.3 * std::sin(twoPi * 11 * t));
        double roar = f.run(noise(rng), 500 + 1500 * std::sin(M_PI * t / 0.65), 1.5, 1) * 2.2;
        double low = lp.run(noise(rng), 200) * 4;
        double crackle = rng.chance(0.004) ? rng.signedUnit() : 0;
        return std::tanh((roar + low) * env + crackle);
    });
}

// FX012: a quick electronic arpeggio.
Buffer fx012()
{
    Osc osc;
    LowPass lp;
    const double notes[] = {72, 76, 79, 84};
    return render(0.36, [&](double t, int) {
        int step = std::min(3, static_cast<int>(t / 0.07));
        double u = t - step * 0.07;
        return lp.run(osc.square(noteFreq(notes[step]), 0.25), 5000) * expDecay(u, 0.06) * 0.8;
    });
}

// HitBass: a dull low thump (a special bomb lost).
Buffer hitBass()
{
    Osc osc;
    LowPass lp;
    return render(0.42, [&](double t, int) {
        double f = 55 + 90 * std::exp(-t / 0.04);
        return std::tanh(2.2 * lp.run(osc.sine(f) + 0.3 * osc.triangle(f * 2), 600) * expDecay(t, 0.14));
    });
}

// Gong2: inharmonic partials with a long decay.
Buffer gong()
{
    const double base = 196;
    const double ratios[] = {1.0, 1.48, 2.03, 2.57, 3.17, 4.11, 5.43};
    const double decays[] = {0.9, 0.6, 0.5, 0.35, 0.3, 0.2, 0.12};
    const double amps[] = {1.0, 0.7, 0.6, 0.45, 0.35, 0.3, 0.2};
    Osc osc[7], wobble;
    return render(1.5, [&](double t, int) {
        double out = 0;
        double w = 1 + 0.002 * wobble.sine(3.1);
        for (int k = 0; k < 7; ++k)
            out += amps[k] * osc[k].sine(base * ratios[k] * w) * expDecay(t, decays[k]);
        double attack = t < 0.012 ? t / 0.012 : 1.0;
        return out * attack * 0.35;
    });
}

// Pickup_Anh: an eerie rising sweep with a tremolo.
Buffer annihilator()
{
    Osc a, b, trem;
    Svf f;
    return render(0.62, [&](double t, int) {
        double freq = 200 * std::pow(6.0, t / 0.62);
        double v = a.saw(freq) + b.saw(freq * 1.505);
        double tremolo = 0.6 + 0.4 * trem.sine(18);
        double env = std::sin(M_PI * std::min(1.0, t / 0.62));
        return f.run(v, freq * 3, 3, 1) * tremolo * env;
    });
}

// Plugin: a click followed by a rising "bloop".
Buffer plugin()
{
    Osc osc;
    LowPass lp;
    return render(0.3, [&](double t, int i) {
        double click = i < 60 ? (i % 8 < 4 ? 1.0 : -1.0) * (1 - i / 60.0) : 0;
        double f = 300 * std::pow(3.0, std::min(1.0, t / 0.18));
        double tone = lp.run(osc.square(f, 0.4), 3000) * (t < 0.2 ? 1.0 : expDecay(t - 0.2, 0.03));
        return click * 0.8 + tone * 0.7;
    });
}

// Rocket: a launch whoosh with a rising band of noise and a rumble.
Buffer rocket()
{
    Rng rng(seedFor("Rocket"));
    Svf f;
    LowPass lp;
    return render(0.6, [&](double t, int) {
        double env = t < 0.05 ? t / 0.05 : expDecay(t - 0.05, 0.25);
        double hiss = f.run(noise(rng), 400 + 3000 * t / 0.6, 2, 1) * 2;
        double rumble = lp.run(noise(rng), 150) * 5;
        return std::tanh((hiss + rumble) * env);
    });
}

// Slide: a short swish (also the menu sound).
Buffer slide()
{
    Rng rng(seedFor("Slide"));
    Svf f;
    return render(0.12, [&](double t, int) {
        double env = std::sin(M_PI * t / 0.12);
        return f.run(noise(rng), 2500 + 5000 * t / 0.12, 2.5, 1) * env * env * 2;
    });
}

// Snake: a sibilant hiss that rises and falls.
Buffer snake()
{
    Rng rng(seedFor("Snake"));
    Svf hp;
    Osc trem;
    return render(0.6, [&](double t, int) {
        double env = std::sin(M_PI * t / 0.6);
        double v = hp.run(noise(rng), 5500, 0.8, 2);
        return v * env * (0.75 + 0.25 * trem.sine(9));
    });
}

// Splurge: a wet, gloopy falling blob.
Buffer splurge()
{
    Rng rng(seedFor("Splurge"));
    Osc osc, wob;
    Svf f;
    return render(0.45, [&](double t, int) {
        double freq = 520 * std::pow(0.18, t / 0.45) * (1 + 0.25 * wob.sine(22));
        double tone = osc.triangle(freq);
        double bubbles = f.run(noise(rng), freq * 2.5, 6, 1) * 0.8;
        double env = t < 0.01 ? t / 0.01 : expDecay(t, 0.2);
        return (tone + bubbles) * env;
    });
}

// Strength: a quick rising power chord.
Buffer strength()
{
    Osc osc[4];
    LowPass lp;
    const double notes[] = {48, 55, 60, 67};
    return render(0.55, [&](double t, int) {
        double out = 0;
        for (int k = 0; k < 4; ++k)
            if (t >= k * 0.05)
                out += osc[k].saw(noteFreq(notes[k]) * (1 + 0.02 * t)) * 0.5;
        double env = t < 0.4 ? 1.0 : expDecay(t - 0.4, 0.05);
        return std::tanh(lp.run(out, 900 + 4000 * t) * 1.5) * env;
    });
}

// Wimbaah: "wim", then a long descending "baah" through a wah filter.
Buffer wimbaah()
{
    Osc osc;
    Svf f;
    return render(1.0, [&](double t, int) {
        double freq, env, wah;
        if (t < 0.16) {
            freq = 440;
            env = std::sin(M_PI * t / 0.16);
            wah = 1800;
        } else {
            double u = t - 0.16;
            freq = 330 * std::pow(0.45, u / 0.84);
            env = std::min(1.0, u / 0.03) * (1 - u / 0.84);
            wah = 500 + 1800 * std::exp(-u / 0.25) + 300 * std::sin(twoPi * 5 * u);
        }
        double v = osc.saw(freq) + 0.5 * osc.square(freq * 0.5);
        return f.run(v, wah, 4, 0) * env;
    });
}

} // namespace

std::vector<float> makeSound(const std::string& name)
{
    static const std::map<std::string, Buffer (*)()> makers = {
        {"Beat2", beat},        {"Blart", blart},     {"Cash2", cash},     {"CrapDing", crapDing},
        {"Explosion1", explosion}, {"Fire", fire},    {"Flamer", flamer},  {"FX012", fx012},
        {"HitBass", hitBass},   {"Gong2", gong},      {"Pickup_Anh", annihilator}, {"Plugin", plugin},
        {"Rocket", rocket},     {"Slide", slide},     {"Snake", snake},    {"Splurge", splurge},
        {"Strength", strength}, {"Wimbaah", wimbaah},
    };
    auto it = makers.find(name);
    if (it == makers.end())
        throw std::runtime_error("No synthesiser for the sound " + name);
    return finish(it->second());
}

void writeWav(const std::string& path, const std::vector<float>& samples)
{
    std::vector<uint8_t> out;
    out.reserve(44 + samples.size() * 2);
    auto put32 = [&](uint32_t v) {
        for (int i = 0; i < 4; ++i)
            out.push_back(static_cast<uint8_t>(v >> (8 * i)));
    };
    auto put16 = [&](uint16_t v) {
        out.push_back(static_cast<uint8_t>(v));
        out.push_back(static_cast<uint8_t>(v >> 8));
    };
    auto tag = [&](const char* t) {
        for (int i = 0; i < 4; ++i)
            out.push_back(static_cast<uint8_t>(t[i]));
    };
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
    tag("RIFF");
    put32(36 + dataBytes);
    tag("WAVE");
    tag("fmt ");
    put32(16);
    put16(1); // PCM
    put16(1); // mono
    put32(sampleRate);
    put32(sampleRate * 2);
    put16(2);
    put16(16);
    tag("data");
    put32(dataBytes);
    for (float s : samples) {
        long v = std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f);
        put16(static_cast<uint16_t>(static_cast<int16_t>(v)));
    }
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
    if (!file)
        throw std::runtime_error("Could not write " + path);
}
