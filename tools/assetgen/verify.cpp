#include "verify.h"

#include "canvas.h"
#include "png_writer.h"
#include "sounds.h"
#include "sprites.h"

#include "frame/names.h"

#include <allegro5/allegro_image.h>
#include <vorbis/vorbisfile.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

namespace fs = std::filesystem;

namespace {

class Problems {
public:
    std::vector<std::string> list;
    template <typename... Parts>
    void add(Parts&&... parts)
    {
        std::ostringstream out;
        (out << ... << parts);
        list.push_back(out.str());
    }
};

bool isImageExtension(const std::string& ext)
{
    return ext == ".tga" || ext == ".bmp" || ext == ".png" || ext == ".jpg" || ext == ".jpeg";
}

std::string readAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

struct Pixels {
    int width = 0, height = 0;
    std::vector<Rgb> data;
    Rgb at(int x, int y) const { return data[static_cast<size_t>(y) * width + x]; }
};

bool loadPixels(const fs::path& path, Pixels& out)
{
    al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
    al_set_new_bitmap_format(ALLEGRO_PIXEL_FORMAT_ABGR_8888_LE);
    ALLEGRO_BITMAP* bitmap = al_load_bitmap(path.string().c_str());
    if (!bitmap)
        return false;
    out.width = al_get_bitmap_width(bitmap);
    out.height = al_get_bitmap_height(bitmap);
    out.data.resize(static_cast<size_t>(out.width) * out.height);
    ALLEGRO_LOCKED_REGION* region =
        al_lock_bitmap(bitmap, ALLEGRO_PIXEL_FORMAT_ABGR_8888_LE, ALLEGRO_LOCK_READONLY);
    for (int y = 0; y < out.height; ++y) {
        const uint8_t* row = static_cast<const uint8_t*>(region->data) + static_cast<ptrdiff_t>(region->pitch) * y;
        for (int x = 0; x < out.width; ++x)
            out.data[static_cast<size_t>(y) * out.width + x] = Rgb(row[x * 4], row[x * 4 + 1], row[x * 4 + 2]);
    }
    al_unlock_bitmap(bitmap);
    al_destroy_bitmap(bitmap);
    return true;
}

bool nearMagenta(Rgb c) { return c.r >= 200 && c.b >= 200 && c.g <= 80; }

int count(const Pixels& p, Rgb c)
{
    int n = 0;
    for (Rgb x : p.data)
        n += x == c;
    return n;
}

// Every pixel of the given edge is the transparency key.
bool edgeClear(const Pixels& p, char edge)
{
    int n = (edge == 'T' || edge == 'B') ? p.width : p.height;
    for (int i = 0; i < n; ++i) {
        int x = edge == 'L' ? 0 : edge == 'R' ? p.width - 1 : i;
        int y = edge == 'T' ? 0 : edge == 'B' ? p.height - 1 : i;
        if (p.at(x, y) != keyColour)
            return false;
    }
    return true;
}

void checkSprite(int id, const fs::path& path, Problems& problems)
{
    const std::string& name = spriteNames[id];
    SpriteLayout layout = spriteLayout(id);
    std::string ext = path.extension().string();
    if (layout.photo != (ext == ".jpg"))
        problems.add(name, ": expected a ", layout.photo ? ".jpg" : ".png", " file, found ", path.filename().string());
    if (ext == ".png") {
        PngHeader header;
        if (!readPngHeader(path.string(), header) || header.colourType != 2 || header.bitDepth != 8)
            problems.add(name, ": not an opaque 24-bit PNG");
    }
    Pixels p;
    if (!loadPixels(path, p)) {
        problems.add(name, ": cannot be loaded (", path.string(), ")");
        return;
    }
    if (p.width != layout.width || p.height != layout.height) {
        problems.add(name, ": size ", p.width, "x", p.height, ", expected ", layout.width, "x", layout.height);
        return;
    }
    if (layout.photo) {
        for (Rgb c : p.data)
            if (nearMagenta(c)) {
                problems.add(name, ": photograph contains magenta");
                break;
            }
        return;
    }
    for (Rgb c : p.data)
        if (nearMagenta(c) && c != keyColour) {
            problems.add(name, ": magenta-like colour (", int(c.r), ",", int(c.g), ",", int(c.b),
                         ") that is not the exact key");
            break;
        }

    SpriteGroup group = spriteGroup(id);
    bool transparentBackground = group != SpriteGroup::Powerup && group != SpriteGroup::Arena;
    if (transparentBackground && p.at(0, 0) != keyColour)
        problems.add(name, ": background is not the transparency key");

    if (group == SpriteGroup::Head || group == SpriteGroup::Body) {
        bool crawl = name.find("Crawl") != std::string::npos;
        std::string margins = !crawl ? (group == SpriteGroup::Head ? "LRT" : "LRB")
                              : name.find("Crawl_L") != std::string::npos ? "TBL"
                              : group == SpriteGroup::Head ? "TBR" : "TBL";
        for (char edge : margins)
            if (!edgeClear(p, edge))
                problems.add(name, ": no transparent margin on edge ", edge);
        if (count(p, baseGrey) < 20)
            problems.add(name, ": too little base grey (192,192,192) for the player colour");
        for (Rgb c : p.data)
            if (c.isGrey() && c.r > 192) {
                problems.add(name, ": pure grey lighter than base grey (", int(c.r), ")");
                break;
            }
    }
    if (group == SpriteGroup::Bomb) {
        if (count(p, black) < 150 || p.at(14, 19) != black)
            problems.add(name, ": bomb body is not pure black");
    }
    if (group == SpriteGroup::Flag) {
        const Rgb red{255, 0, 0};
        if (count(p, red) < 100)
            problems.add(name, ": too little pure red cloth");
        for (int y = 0; y < p.height; ++y)
            for (int x = 0; x <= 12; ++x)
                if (p.at(x, y) == red)
                    problems.add(name, ": pure red left of the pole at ", x, ",", y);
        if (p.at(12, 31) == keyColour)
            problems.add(name, ": the pole does not reach its foot (12,31)");
    }
    if (group == SpriteGroup::Powerup) {
        const Rgb danger{235, 20, 20};
        bool bad = id == 48 || id == 50;
        int frame = count(p, danger);
        if (bad && frame < 50)
            problems.add(name, ": a bad powerup without its red frame");
        if (!bad && frame > 0)
            problems.add(name, ": a good powerup with the red frame colour");
    }
}

void checkWav(const fs::path& path, const std::string& name, Problems& problems)
{
    std::string bytes = readAll(path);
    auto u16 = [&](size_t at) { return static_cast<unsigned>(uint8_t(bytes[at]) | (uint8_t(bytes[at + 1]) << 8)); };
    auto u32 = [&](size_t at) { return static_cast<uint32_t>(u16(at) | (u16(at + 2) << 16)); };
    if (bytes.size() < 44 || bytes.compare(0, 4, "RIFF") || bytes.compare(8, 4, "WAVE") ||
        bytes.compare(12, 4, "fmt ") || bytes.compare(36, 4, "data")) {
        problems.add(name, ".wav: not a plain RIFF WAVE file");
        return;
    }
    if (u16(20) != 1 || u16(22) != 1 || u32(24) != 44100 || u16(34) != 16)
        problems.add(name, ".wav: not mono 16-bit 44.1 kHz PCM");
    double seconds = u32(40) / 2.0 / 44100.0;
    if (u32(40) + 44 != bytes.size())
        problems.add(name, ".wav: data size does not match the file");
    if (seconds < 0.05 || seconds > 2.0)
        problems.add(name, ".wav: length ", seconds, " s");
}

void checkOgg(const fs::path& path, const std::string& name, Problems& problems)
{
    OggVorbis_File vf;
    if (ov_fopen(path.string().c_str(), &vf) != 0) {
        problems.add(name, ".ogg: not an Ogg Vorbis file");
        return;
    }
    vorbis_info* info = ov_info(&vf, -1);
    if (!info || info->channels != 2 || info->rate != 44100)
        problems.add(name, ".ogg: not stereo 44.1 kHz");
    double seconds = static_cast<double>(ov_pcm_total(&vf, -1)) / 44100.0;
    if (seconds < 16 || seconds > 32)
        problems.add(name, ".ogg: loop length ", seconds, " s (16-32 s wanted)");
    ov_clear(&vf);
}

} // namespace

std::vector<std::string> verifyRunFolder(const std::string& runFolder, const std::string& fontSource)
{
    Problems problems;
    const fs::path root(runFolder);
    if (!fs::is_directory(root)) {
        problems.add("no run folder at ", runFolder);
        return problems.list;
    }

    // Every image file by name: the game finds a sprite by name in any folder
    // below the run folder, so each must exist exactly once and never in the
    // run folder itself.
    std::map<std::string, std::vector<fs::path>> images;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (!entry.is_regular_file() || !isImageExtension(entry.path().extension().string()))
            continue;
        if (entry.path().parent_path() == root)
            continue;
        images[entry.path().stem().string()].push_back(entry.path());
    }
    for (int id = 0; id < spriteCount; ++id) {
        const std::string& name = spriteNames[id];
        for (const char* ext : {".tga", ".bmp", ".png", ".jpg", ".jpeg"})
            if (fs::exists(root / (name + ext)))
                problems.add(name, ": lies in the run folder itself, where the game never looks");
        auto it = images.find(name);
        if (it == images.end()) {
            problems.add(name, ": missing");
            continue;
        }
        if (it->second.size() != 1) {
            problems.add(name, ": found ", it->second.size(), " times");
            continue;
        }
        checkSprite(id, it->second.front(), problems);
    }

    for (const std::string& name : soundNames) {
        fs::path path = root / "newSound" / (name + ".wav");
        if (!fs::is_regular_file(path))
            problems.add("newSound/", name, ".wav: missing");
        else
            checkWav(path, name, problems);
    }

    uintmax_t musicBytes = 0;
    for (const TrackInfo& track : musicTracks()) {
        fs::path path = root / "music" / (std::string(track.fileName) + ".ogg");
        if (!fs::is_regular_file(path)) {
            problems.add("music/", track.fileName, ".ogg: missing");
            continue;
        }
        musicBytes += fs::file_size(path);
        checkOgg(path, track.fileName, problems);
    }
    if (musicBytes > 2u * 1024 * 1024)
        problems.add("music: ", musicBytes, " bytes, more than 2 MB");

    fs::path font = root / "fonts" / "OCRA.ttf";
    if (!fs::is_regular_file(font))
        problems.add("fonts/OCRA.ttf: missing");
    else if (fs::exists(fontSource) && readAll(font) != readAll(fontSource))
        problems.add("fonts/OCRA.ttf: differs from ", fontSource);

    Pixels icon;
    if (!fs::is_regular_file(root / "tamwick.png"))
        problems.add("tamwick.png: missing");
    else if (!loadPixels(root / "tamwick.png", icon) || icon.width != 256 || icon.height != 256)
        problems.add("tamwick.png: not a 256 x 256 image");
    return problems.list;
}
