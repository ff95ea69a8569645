#include "audio_test_files.h"

#include <vorbis/vorbisenc.h>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <memory>
#include <numbers>
#include <stdexcept>
#include <vector>

#include "frame/names.h"
#include "media/sound.h"
#include "support/allegro_environment.h"

namespace {

constexpr int sampleRate = 44100;

void putLe(std::string& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(char((value >> (8 * i)) & 0xff));
}

void writePages(std::ofstream& out, ogg_stream_state& stream, bool flush)
{
    ogg_page page;
    while (flush ? ogg_stream_flush(&stream, &page) : ogg_stream_pageout(&stream, &page)) {
        out.write(reinterpret_cast<const char*>(page.header), page.header_len);
        out.write(reinterpret_cast<const char*>(page.body), page.body_len);
    }
}

}

void writeWav(const std::filesystem::path& path, double seconds, double frequency)
{
    const std::uint32_t frames = std::uint32_t(seconds * sampleRate);
    std::string data;
    for (std::uint32_t i = 0; i < frames; ++i) {
        double v = 0.5 * std::sin(2 * std::numbers::pi * frequency * i / sampleRate);
        putLe(data, std::uint32_t(std::int16_t(v * 32767)) & 0xffff, 2);
    }
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

void writeOgg(const std::filesystem::path& path, double seconds, double frequency)
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
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &commentHeader);
    ogg_stream_packetin(&stream, &codeHeader);
    writePages(out, stream, true);

    const long frames = long(seconds * sampleRate);
    const long chunk = 1024;
    for (long done = 0; done <= frames; done += chunk) {
        long n = std::min(chunk, frames - done);
        if (n > 0) {
            float** buffer = vorbis_analysis_buffer(&dsp, int(n));
            for (long i = 0; i < n; ++i) {
                float v = 0.3f * float(std::sin(2 * std::numbers::pi * frequency * double(done + i) /
                                                sampleRate));
                buffer[0][i] = v;
                buffer[1][i] = v;
            }
        }
        vorbis_analysis_wrote(&dsp, int(std::max(n, 0L))); // 0 marks the end
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
                ogg_stream_packetin(&stream, &packet);
                writePages(out, stream, false);
            }
        }
        if (n <= 0)
            break;
    }
    writePages(out, stream, true);

    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

double testEffectSeconds(int soundId)
{
    if (soundId == longSoundId)
        return 3.0;
    if (soundId == shortSoundId)
        return 0.05;
    return 0.3;
}

AudioFolder::AudioFolder()
{
    std::filesystem::create_directories(path() / "newSound");
    for (int id = 0; id < soundCount; ++id)
        writeWav(path() / "newSound" / (soundNames[id] + ".wav"), testEffectSeconds(id),
                 220.0 + 40.0 * id);
    std::filesystem::create_directories(path() / "music");
    for (const char* name : {"Zoo", "Breakdown", "If Not Now When", "Who Likes To Party"})
        writeOgg(path() / "music" / (std::string(name) + ".ogg"), testMusicSeconds, 330.0);
}

WorkingFolder::WorkingFolder(const std::filesystem::path& folder)
    : previous_(std::filesystem::current_path())
{
    std::filesystem::current_path(folder);
}

WorkingFolder::~WorkingFolder()
{
    std::error_code error;
    std::filesystem::current_path(previous_, error);
}

const std::filesystem::path& installTestSound()
{
    static std::unique_ptr<AudioFolder> folder;
    if (!folder) {
        ensureAllegroSystem();
        folder = std::make_unique<AudioFolder>();
        WorkingFolder in(folder->path());
        installSound(60, 100);
    }
    return folder->path();
}
