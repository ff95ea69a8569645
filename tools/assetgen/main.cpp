// tamwick-assetgen: writes every asset the game loads into its run folder.
//
//   tamwick-assetgen --out RUN_FOLDER [--sheet CONTACT_SHEET.png] [--font OCRA.ttf] [--threads N]
//   tamwick-assetgen --verify RUN_FOLDER [--font OCRA.ttf]
#include "canvas.h"
#include "contact_sheet.h"
#include "png_writer.h"
#include "sounds.h"
#include "synth.h"
#include "sprites.h"
#include "verify.h"

#include "frame/names.h"

#include <allegro5/allegro.h>
#include <allegro5/allegro_image.h>
#include <allegro5/allegro_primitives.h>
#include <allegro5/allegro_ttf.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <mutex>
#include <set>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace fs = std::filesystem;

#ifndef TAMWICK_OCR_FONT
#define TAMWICK_OCR_FONT "/usr/share/fonts/truetype/ocr-a/OCRA.ttf"
#endif

namespace {

struct Options {
    std::string out, sheet, verify, font = TAMWICK_OCR_FONT;
    unsigned threads = 0;
};

void usage()
{
    std::fprintf(stderr, "usage: tamwick-assetgen --out RUN_FOLDER [--sheet FILE.png] [--font OCRA.ttf] [--threads N]\n"
                         "       tamwick-assetgen --verify RUN_FOLDER [--font OCRA.ttf]\n");
}

bool parse(int argc, char** argv, Options& o)
{
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc)
                throw std::runtime_error(arg + " needs a value");
            return argv[++i];
        };
        if (arg == "--out")
            o.out = value();
        else if (arg == "--sheet")
            o.sheet = value();
        else if (arg == "--verify")
            o.verify = value();
        else if (arg == "--font")
            o.font = value();
        else if (arg == "--threads")
            o.threads = static_cast<unsigned>(std::stoul(value()));
        else
            return false;
    }
    return !o.out.empty() || !o.verify.empty();
}

void initAllegro()
{
    if (!al_install_system(ALLEGRO_VERSION_INT, nullptr) || !al_init_image_addon() || !al_init_primitives_addon() ||
        !al_init_font_addon() || !al_init_ttf_addon())
        throw std::runtime_error("Could not initialise Allegro");
}

// The folders the generator owns: emptied before each run so that no stale
// file can shadow a new one.
void prepareRunFolder(const fs::path& root)
{
    fs::create_directories(root);
    std::set<std::string> owned = {"gfx", "newSound", "music", "fonts"};
    for (int id = 0; id < spriteCount; ++id)
        owned.insert(fs::path(spriteLayout(id).folder).begin()->string());
    for (const std::string& folder : owned)
        fs::remove_all(root / folder);
    fs::remove(root / "tamwick.png");
    for (int id = 0; id < spriteCount; ++id)
        fs::create_directories(root / spriteLayout(id).folder);
    for (const char* folder : {"newSound", "music", "fonts"})
        fs::create_directories(root / folder);
}

int generate(const Options& o)
{
    const auto started = std::chrono::steady_clock::now();
    const fs::path root(o.out);
    prepareRunFolder(root);

    std::vector<Picture> sprites(spriteCount);
    std::vector<std::function<void(Fonts&)>> jobs;
    // The longest jobs first, so the threads finish together.
    for (int i = 0; i < static_cast<int>(musicTracks().size()); ++i)
        jobs.push_back([i, root](Fonts&) {
            writeMusicTrack(i, (root / "music" / (std::string(musicTracks()[i].fileName) + ".ogg")).string());
        });
    for (int id = spriteCount - 1; id >= 0; --id)
        jobs.push_back([id, root, &sprites](Fonts& fonts) {
            Canvas c = makeSprite(id, fonts);
            SpriteLayout layout = spriteLayout(id);
            if (c.width() != layout.width || c.height() != layout.height)
                throw std::logic_error("sprite " + spriteNames[id] + " drawn at the wrong size");
            std::string path = (root / spriteFileName(id)).string();
            sprites[id] = Picture{c.width(), c.height(), c.rgbBytes()};
            if (layout.photo) {
                if (!al_save_bitmap(path.c_str(), c.bitmap()))
                    throw std::runtime_error("Could not write " + path);
            } else {
                writePng(path, c.width(), c.height(), sprites[id].rgb);
            }
        });
    for (const std::string& name : soundNames)
        jobs.push_back([name, root](Fonts&) { writeWav((root / "newSound" / (name + ".wav")).string(), makeSound(name)); });
    jobs.push_back([root](Fonts&) {
        // The window icon is no sprite: it carries real transparency.
        Canvas icon = makeIcon();
        std::string path = (root / "tamwick.png").string();
        al_convert_mask_to_alpha(icon.bitmap(), al_map_rgb(keyColour.r, keyColour.g, keyColour.b));
        if (!al_save_bitmap(path.c_str(), icon.bitmap()))
            throw std::runtime_error("Could not write " + path);
    });
    jobs.push_back([root, &o](Fonts&) {
        fs::copy_file(o.font, root / "fonts" / "OCRA.ttf", fs::copy_options::overwrite_existing);
    });

    std::atomic<size_t> next{0};
    std::mutex errorMutex;
    std::vector<std::string> errors;
    auto worker = [&] {
        try {
            Fonts fonts(o.font);
            for (size_t i; (i = next++) < jobs.size();) {
                try {
                    jobs[i](fonts);
                } catch (const std::exception& e) {
                    std::lock_guard lock(errorMutex);
                    errors.push_back(e.what());
                }
            }
        } catch (const std::exception& e) {
            std::lock_guard lock(errorMutex);
            errors.push_back(e.what());
        }
    };
    unsigned count = o.threads ? o.threads : std::clamp(std::thread::hardware_concurrency(), 1u, 8u);
    std::vector<std::thread> threads;
    for (unsigned i = 0; i < count; ++i)
        threads.emplace_back(worker);
    for (std::thread& t : threads)
        t.join();
    if (!errors.empty()) {
        for (const std::string& e : errors)
            std::fprintf(stderr, "tamwick-assetgen: %s\n", e.c_str());
        return 1;
    }

    if (!o.sheet.empty()) {
        Fonts fonts(o.font);
        writeContactSheet(o.sheet, sprites, fonts);
    }
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("tamwick-assetgen: %zu assets written to %s in %.2f s\n", jobs.size(), o.out.c_str(), seconds);
    return 0;
}

int verify(const Options& o)
{
    std::vector<std::string> problems = verifyRunFolder(o.verify, o.font);
    for (const std::string& p : problems)
        std::printf("verify: %s\n", p.c_str());
    if (!problems.empty()) {
        std::printf("verify: %zu problem(s) in %s\n", problems.size(), o.verify.c_str());
        return 1;
    }
    std::printf("verify: %s holds every asset, all rules met\n", o.verify.c_str());
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    try {
        Options o;
        if (!parse(argc, argv, o)) {
            usage();
            return 2;
        }
        initAllegro();
        return o.verify.empty() ? generate(o) : verify(o);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tamwick-assetgen: %s\n", e.what());
        return 1;
    }
}
