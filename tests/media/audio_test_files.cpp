#include "audio_test_files.h"

#include <vorbis/vorbisenc.h>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <memory>
#include <numbers>
#include <stdexcept>

#include "frame/names.h"
#include "media/sound.h"
#include "support/allegro_environment.h"
#include "support/temp_folder.h"
#include "support/working_folder.h"

namespace fs = std::filesystem;

namespace {

constexpr int sampleRate = 44100;

float tone(double frequency, int frame)
{
    return float(std::sin(2 * std::numbers::pi * frequency * frame / sampleRate));
}

void putLe(std::string& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(char((value >> (8 * i)) & 0xff));
}

void writeWav(const fs::path& path, double seconds, double frequency)
{
    const int frames = int(seconds * sampleRate);
    std::string data;
    for (int i = 0; i < frames; ++i)
        putLe(data, std::uint16_t(std::int16_t(0.5f * tone(frequency, i) * 32767)), 2);
    std::string wav = "RIFF";
    putLe(wav, std::uint32_t(36 + data.size()), 4);
    wav += "WAVEfmt ";
    putLe(wav, 16, 4);
    putLe(wav, 1, 2);              // PCM
    putLe(wav, 1, 2);              // mono
    putLe(wav, sampleRate, 4);
    putLe(wav, sampleRate * 2, 4); // bytes per second
    putLe(wav, 2, 2);              // bytes per frame
    putLe(wav, 16, 2);
    wav += "data";
    putLe(wav, std::uint32_t(data.size()), 4);
    writeFile(path, wav + data);
}

void writePages(std::ofstream& out, ogg_stream_state& stream, bool flush)
{
    ogg_page page;
    while (flush ? ogg_stream_flush(&stream, &page) : ogg_stream_pageout(&stream, &page)) {
        out.write(reinterpret_cast<const char*>(page.header), page.header_len);
        out.write(reinterpret_cast<const char*>(page.body), page.body_len);
    }
}

// With `headersOnly` the file ends after its header pages: valid, but
// without any audio.
void writeOgg(const fs::path& path, double seconds, double frequency, bool headersOnly = false)
{
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, 2, sampleRate, 0.1f) != 0)
        throw std::runtime_error("vorbis_encode_init_vbr failed");
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_dsp_state dsp;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block block;
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, 1);

    std::ofstream out(path, std::ios::binary);
    ogg_packet header, commentHeader, codeHeader;
    vorbis_analysis_headerout(&dsp, &comment, &header, &commentHeader, &codeHeader);
    for (ogg_packet* packet : {&header, &commentHeader, &codeHeader})
        ogg_stream_packetin(&stream, packet);
    writePages(out, stream, true);

    // The whole tone at once, then the end of the stream.
    const int frames = int(seconds * sampleRate);
    float** buffer = vorbis_analysis_buffer(&dsp, frames);
    for (int i = 0; i < frames; ++i)
        buffer[0][i] = buffer[1][i] = 0.3f * tone(frequency, i);
    vorbis_analysis_wrote(&dsp, frames);
    vorbis_analysis_wrote(&dsp, 0);
    while (!headersOnly && vorbis_analysis_blockout(&dsp, &block) == 1) {
        vorbis_analysis(&block, nullptr);
        vorbis_bitrate_addblock(&block);
        ogg_packet packet;
        while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
            ogg_stream_packetin(&stream, &packet);
            writePages(out, stream, false);
        }
    }
    if (!headersOnly)
        writePages(out, stream, true);

    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

}

void writeTestAudio(const fs::path& folder)
{
    fs::create_directories(folder / "newSound");
    for (int id = 0; id < soundCount; ++id) {
        double seconds = id == longSoundId ? 3.0 : id == shortSoundId ? 0.05 : 0.3;
        writeWav(folder / "newSound" / (soundNames[id] + ".wav"), seconds, 220.0 + 40.0 * id);
    }
    fs::create_directories(folder / "music");
    for (const char* name : {"Zoo", "Breakdown", "If Not Now When", "Who Likes To Party"})
        writeOgg(folder / "music" / (std::string(name) + ".ogg"), testMusicSeconds, 330.0);
}

void writeSilentOgg(const fs::path& path)
{
    writeOgg(path, testMusicSeconds, 330.0, true);
}

const fs::path& installTestSound()
{
    static std::unique_ptr<TempFolder> folder;
    if (!folder) {
        ensureAllegroSystem();
        folder = std::make_unique<TempFolder>();
        writeTestAudio(folder->path());
        ScopedWorkingFolder in(folder->path());
        installSound(60, 100);
    }
    return folder->path();
}
