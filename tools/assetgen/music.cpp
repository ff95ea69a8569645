// The four music loops: a small step sequencer (drums, bass, arpeggio, pads,
// stabs) rendered into a circular buffer, so note tails wrap round to the
// start and the loop joins seamlessly, then encoded as Ogg Vorbis.
#include "sounds.h"
#include "synth.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>
#include <stdexcept>

namespace {

struct Song {
    const char* fileName;
    int stepSamples;       // one sixteenth note, a whole number of samples
    int bars;
    std::vector<std::vector<int>> chords; // MIDI notes, one chord per bar (cycled)
    const char* kick;      // 16 steps: 'x' hit, '.' rest
    const char* snare;
    const char* clap;
    const char* hat;       // 'x' closed, 'o' open
    const char* bass;      // '0'..'3': chord tone (an octave down), '8' root an octave up, '.' rest
    const char* arp;       // '0'..'7': chord tone index going up through octaves, '.' rest
    const char* stab;      // 'x': chord stab
    bool pad;
    int arpWave;           // 0 triangle, 1 square, 2 pulse, 3 saw
    double arpDecay;
    double swing;          // fraction of a step that off-beat sixteenths are delayed
    double bassCutoff;
};

const Song songs[] = {
    // Relaxed menu music: 100 bpm, 8 bars.
    {"Zoo", 6615, 8,
     {{60, 64, 67, 71}, {57, 60, 64, 67}, {53, 57, 60, 64}, {55, 59, 62, 65},
      {60, 64, 67, 71}, {57, 60, 64, 67}, {53, 57, 60, 64}, {55, 59, 62, 67}},
     "x.......x.....x.", "....x.......x...", "................", "x.x.x.x.x.x.x.xo",
     "0.....2...0...1.", "0.12.3.24.3.2.1.", "................", true, 0, 0.22, 0.12, 700},
    // In-game, driving: 140 bpm, 16 bars in A minor.
    {"Breakdown", 4725, 16,
     {{57, 60, 64}, {53, 57, 60}, {48, 52, 55}, {55, 59, 62}},
     "x...x...x...x...", "....x.......x...", "................", "xxoxxxoxxxoxxxox",
     "0.08.00.0.08.00.", "0120120120120123", "................", false, 1, 0.09, 0.0, 1100},
    // In-game, breakbeat: 140 bpm, 16 bars in E minor.
    {"If Not Now When", 4725, 16,
     {{52, 55, 59}, {48, 52, 55}, {50, 54, 57}, {47, 51, 54}},
     "x.....x...x.....", "....x..x.x..x...", "................", "x.x.x.x.x.x.xox.",
     "0..0..8...0.2..1", "02.402.402.4.31.", "..x...x...x...x.", false, 2, 0.12, 0.0, 900},
    // Trophy room, party: 126 bpm, 16 bars in F major.
    {"Who Likes To Party", 5250, 16,
     {{53, 57, 60}, {50, 53, 57}, {46, 50, 53}, {48, 52, 55}},
     "x...x...x...x...", "................", "....x.......x...", "x.o.x.o.x.o.x.ox",
     "08080808080808.8", "0.2.4.3.5.4.2.1.", "..x..x....x..x..", true, 3, 0.1, 0.0, 1600},
};

struct Stereo {
    std::vector<float> left, right;
    explicit Stereo(size_t n) : left(n, 0.f), right(n, 0.f) {}
    size_t size() const { return left.size(); }
};

// Adds a voice starting at `start`, wrapping round the end of the loop.
void addVoice(Stereo& out, size_t start, size_t length, double pan, double gain,
              const std::function<double(double t)>& voice)
{
    const double l = gain * std::cos((pan + 1) * M_PI / 4), r = gain * std::sin((pan + 1) * M_PI / 4);
    const size_t n = out.size();
    for (size_t i = 0; i < length; ++i) {
        double v = voice(static_cast<double>(i) / sampleRate);
        size_t at = (start + i) % n;
        out.left[at] += static_cast<float>(v * l);
        out.right[at] += static_cast<float>(v * r);
    }
}

size_t secs(double s) { return static_cast<size_t>(s * sampleRate); }

void kick(Stereo& out, size_t at)
{
    auto osc = std::make_shared<Osc>();
    addVoice(out, at, secs(0.35), 0, 0.9, [osc](double t) {
        return std::tanh(1.5 * osc->sine(48 + 110 * std::exp(-t / 0.035))) * std::exp(-t / 0.16);
    });
}

void snare(Stereo& out, size_t at, Rng& rng, double gain)
{
    auto f = std::make_shared<Svf>();
    auto r = std::make_shared<Rng>(rng.next());
    addVoice(out, at, secs(0.25), 0.05, gain, [f, r](double t) {
        return (f->run(r->signedUnit(), 2800, 0.8, 1) * 1.6 + 0.5 * std::sin(twoPi * 185 * t)) * std::exp(-t / 0.07);
    });
}

void clap(Stereo& out, size_t at, Rng& rng)
{
    auto f = std::make_shared<Svf>();
    auto r = std::make_shared<Rng>(rng.next());
    addVoice(out, at, secs(0.3), -0.1, 0.7, [f, r](double t) {
        double env = 0;
        for (double burst : {0.0, 0.011, 0.022})
            if (t >= burst)
                env = std::max(env, std::exp(-(t - burst) / (burst < 0.02 ? 0.006 : 0.09)));
        return f->run(r->signedUnit(), 1400, 1.2, 1) * 2.0 * env;
    });
}

void hat(Stereo& out, size_t at, Rng& rng, bool open, double gain)
{
    auto f = std::make_shared<Svf>();
    auto r = std::make_shared<Rng>(rng.next());
    double decay = open ? 0.12 : 0.025;
    addVoice(out, at, secs(open ? 0.35 : 0.08), 0.3, gain, [f, r, decay](double t) {
        return f->run(r->signedUnit(), 8000, 0.7, 2) * std::exp(-t / decay);
    });
}

void bassNote(Stereo& out, size_t at, size_t length, double midi, double cutoff)
{
    auto osc = std::make_shared<Osc>();
    auto sub = std::make_shared<Osc>();
    auto lp = std::make_shared<Svf>();
    double freq = noteFreq(midi);
    double len = static_cast<double>(length) / sampleRate;
    addVoice(out, at, length + secs(0.02), 0, 0.55, [=](double t) {
        double env = std::min(1.0, t / 0.004) * (t < len ? 1.0 : std::max(0.0, 1 - (t - len) / 0.02));
        double c = cutoff * (0.6 + 1.4 * std::exp(-t / 0.08));
        double v = lp->run(osc->saw(freq) * 0.6 + sub->square(freq * 0.5) * 0.4, c, 1.4, 0);
        return std::tanh(1.8 * v) * env;
    });
}

void arpNote(Stereo& out, size_t at, double midi, int wave, double decay, double pan)
{
    auto osc = std::make_shared<Osc>();
    auto lp = std::make_shared<LowPass>();
    double freq = noteFreq(midi);
    addVoice(out, at, secs(decay * 5), pan, 0.22, [=](double t) {
        double v;
        switch (wave) {
        case 0: v = osc->triangle(freq); break;
        case 1: v = osc->square(freq); break;
        case 2: v = osc->square(freq, 0.2); break;
        default: v = osc->saw(freq); break;
        }
        return lp->run(v, 3500) * std::min(1.0, t / 0.003) * std::exp(-t / decay);
    });
}

void padChord(Stereo& out, size_t at, size_t length, const std::vector<int>& chord)
{
    for (size_t k = 0; k < chord.size(); ++k) {
        double freq = noteFreq(chord[k]);
        for (int side = -1; side <= 1; side += 2) {
            auto osc = std::make_shared<Osc>();
            auto lp = std::make_shared<LowPass>();
            double len = static_cast<double>(length) / sampleRate;
            double detune = 1 + side * 0.004;
            addVoice(out, at, length + secs(0.3), side * 0.6, 0.05, [=](double t) {
                double env = std::min(1.0, t / 0.25) * (t < len ? 1.0 : std::max(0.0, 1 - (t - len) / 0.3));
                return lp->run(osc->saw(freq * detune), 1200) * env;
            });
        }
    }
}

void stabChord(Stereo& out, size_t at, const std::vector<int>& chord)
{
    for (size_t k = 0; k < chord.size(); ++k) {
        auto osc = std::make_shared<Osc>();
        auto lp = std::make_shared<Svf>();
        double freq = noteFreq(chord[k] + 12);
        addVoice(out, at, secs(0.25), (static_cast<double>(k) - 1) * 0.4, 0.12, [=](double t) {
            return lp->run(osc->saw(freq), 2500 * std::exp(-t / 0.1) + 400, 1.5, 0) * std::exp(-t / 0.09);
        });
    }
}

Stereo renderSong(const Song& song)
{
    const size_t barSamples = static_cast<size_t>(song.stepSamples) * 16;
    Stereo out(barSamples * song.bars);
    Rng rng(seedFor(song.fileName));
    for (int bar = 0; bar < song.bars; ++bar) {
        const std::vector<int>& chord = song.chords[bar % song.chords.size()];
        // The last bar of each eight fills in: more snare hits.
        bool fill = bar % 8 == 7;
        size_t barStart = barSamples * bar;
        if (song.pad)
            padChord(out, barStart, barSamples, chord);
        for (int step = 0; step < 16; ++step) {
            size_t at = barStart + static_cast<size_t>(step) * song.stepSamples;
            if (step % 2)
                at += static_cast<size_t>(song.swing * song.stepSamples);
            if (song.kick[step] == 'x')
                kick(out, at);
            if (song.snare[step] == 'x')
                snare(out, at, rng, 0.55);
            else if (fill && step >= 12)
                snare(out, at, rng, 0.3 + 0.06 * (step - 12));
            if (song.clap[step] == 'x')
                clap(out, at, rng);
            if (song.hat[step] != '.')
                hat(out, at, rng, song.hat[step] == 'o', step % 4 == 0 ? 0.35 : 0.22);
            char b = song.bass[step];
            if (b != '.') {
                int note = b == '8' ? chord[0] - 12 : chord[(b - '0') % chord.size()] - 24;
                int length = 1;
                while (step + length < 16 && song.bass[step + length] == '.' && length < 3)
                    ++length;
                bassNote(out, at, static_cast<size_t>(song.stepSamples) * length * 9 / 10, note, song.bassCutoff);
            }
            char a = song.arp[step];
            if (a != '.') {
                int index = a - '0';
                int note = chord[index % chord.size()] + 12 * (index / static_cast<int>(chord.size())) + 12;
                arpNote(out, at, note, song.arpWave, song.arpDecay, step % 2 ? 0.45 : -0.45);
            }
            if (song.stab[step] == 'x')
                stabChord(out, at, chord);
        }
    }
    // Gentle limiting, then a fixed peak.
    float peak = 0;
    for (size_t i = 0; i < out.size(); ++i)
        peak = std::max({peak, std::abs(out.left[i]), std::abs(out.right[i])});
    const double drive = 1.4 / std::max(peak, 1e-6f);
    for (size_t i = 0; i < out.size(); ++i) {
        out.left[i] = static_cast<float>(std::tanh(out.left[i] * drive) * 0.92);
        out.right[i] = static_cast<float>(std::tanh(out.right[i] * drive) * 0.92);
    }
    return out;
}

void encodeOgg(const Stereo& pcm, const std::string& path, int serial, const char* title)
{
    struct Closer {
        void operator()(FILE* f) const { fclose(f); }
    };
    std::unique_ptr<FILE, Closer> file(fopen(path.c_str(), "wb"));
    if (!file)
        throw std::runtime_error("Could not write " + path);

    vorbis_info vi;
    vorbis_info_init(&vi);
    if (vorbis_encode_init_vbr(&vi, 2, sampleRate, 0.12f) != 0)
        throw std::runtime_error("Vorbis encoder set-up failed");
    vorbis_comment vc;
    vorbis_comment_init(&vc);
    vorbis_comment_add_tag(&vc, "TITLE", title);
    vorbis_dsp_state vd;
    vorbis_block vb;
    vorbis_analysis_init(&vd, &vi);
    vorbis_block_init(&vd, &vb);
    ogg_stream_state os;
    ogg_stream_init(&os, serial);

    ogg_page og;
    ogg_packet op;
    auto writePage = [&] {
        fwrite(og.header, 1, static_cast<size_t>(og.header_len), file.get());
        fwrite(og.body, 1, static_cast<size_t>(og.body_len), file.get());
    };
    {
        ogg_packet header, comments, codebooks;
        vorbis_analysis_headerout(&vd, &vc, &header, &comments, &codebooks);
        ogg_stream_packetin(&os, &header);
        ogg_stream_packetin(&os, &comments);
        ogg_stream_packetin(&os, &codebooks);
        while (ogg_stream_flush(&os, &og))
            writePage();
    }
    bool eos = false;
    auto drain = [&] {
        while (vorbis_analysis_blockout(&vd, &vb) == 1) {
            vorbis_analysis(&vb, nullptr);
            vorbis_bitrate_addblock(&vb);
            while (vorbis_bitrate_flushpacket(&vd, &op)) {
                ogg_stream_packetin(&os, &op);
                while (!eos && ogg_stream_pageout(&os, &og)) {
                    writePage();
                    if (ogg_page_eos(&og))
                        eos = true;
                }
            }
        }
    };
    const size_t chunk = 4096;
    for (size_t pos = 0; pos < pcm.size(); pos += chunk) {
        size_t n = std::min(chunk, pcm.size() - pos);
        float** buffer = vorbis_analysis_buffer(&vd, static_cast<int>(n));
        std::copy_n(pcm.left.begin() + static_cast<ptrdiff_t>(pos), n, buffer[0]);
        std::copy_n(pcm.right.begin() + static_cast<ptrdiff_t>(pos), n, buffer[1]);
        vorbis_analysis_wrote(&vd, static_cast<int>(n));
        drain();
    }
    vorbis_analysis_wrote(&vd, 0);
    drain();
    while (!eos && ogg_stream_flush(&os, &og)) {
        writePage();
        if (ogg_page_eos(&og))
            eos = true;
    }

    ogg_stream_clear(&os);
    vorbis_block_clear(&vb);
    vorbis_dsp_clear(&vd);
    vorbis_comment_clear(&vc);
    vorbis_info_clear(&vi);
    if (ferror(file.get()))
        throw std::runtime_error("Could not write " + path);
}

} // namespace

const std::vector<TrackInfo>& musicTracks()
{
    static const std::vector<TrackInfo> tracks = [] {
        std::vector<TrackInfo> t;
        for (const Song& s : songs)
            t.push_back({s.fileName});
        return t;
    }();
    return tracks;
}

void writeMusicTrack(int index, const std::string& path)
{
    const Song& song = songs[index];
    encodeOgg(renderSong(song), path, 0x54414D00 + index, song.fileName);
}
