// The generated run folder: every sprite, sound effect and music track the
// game loads, laid out where the game looks for them, decodable, and made the
// same way on every run.
#include "frame/names.h"
#include "media/image_search.h"
#include "media/sprites.h"
#include "support/allegro_environment.h"
#include "support/program_runner.h"
#include "support/temp_folder.h"
#include "support/working_folder.h"

#include <allegro5/allegro.h>
#include <allegro5/allegro_acodec.h>
#include <allegro5/allegro_audio.h>
#include <allegro5/allegro_image.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <string>

namespace fs = std::filesystem;

namespace {

const fs::path runDir{TAMWICK_RUN_DIR};
const char* const musicFiles[] = {"Zoo", "Breakdown", "If Not Now When", "Who Likes To Party"};

fs::path generator() { return runDir.parent_path() / "tools" / "tamwick-assetgen"; }

// Builds made without the assets have nothing to check.
#define SKIP_WITHOUT_ASSETS()                                                                                 \
    if (!fs::exists(generator()))                                                                             \
    GTEST_SKIP() << "the asset generator is not built (TAMWICK_BUILD_ASSETS is off)"

ProgramResult runGenerator(const std::string& mode, const fs::path& folder)
{
    ProgramOptions options;
    options.program = generator();
    options.args = {mode, folder.string()};
    options.timeout = std::chrono::seconds(300);
    return runProgram(options);
}

std::map<std::string, std::string> filesUnder(const fs::path& root)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        if (entry.is_regular_file())
            files[fs::relative(entry.path(), root).string()] = readFile(entry.path());
    return files;
}

} // namespace

TEST(GeneratedAssets, EverySpriteLoadsThroughTheGamesOwnImageSearch)
{
    SKIP_WITHOUT_ASSETS();
    ensureAllegroSystem();
    ASSERT_TRUE(al_init_image_addon());
    ScopedWorkingFolder inRunFolder(runDir);
    for (int id = 0; id < spriteCount; ++id) {
        const std::string& name = spriteNames[id];
        loadBitmaps(id);
        ASSERT_NE(sprites[id], nullptr) << name;
        if (id >= 229) {
            EXPECT_EQ(spriteWidth(id), 640) << name;
            EXPECT_EQ(spriteHeight(id), 480) << name;
        } else if (id == 34) {
            EXPECT_LE(spriteHeight(id), 250);
        } else if (id >= 97) {
            EXPECT_EQ(spriteWidth(id), 32) << name;
        }
    }
    destroySprites();
    EXPECT_TRUE(fs::is_regular_file(runDir / "tamwick.png"));
    EXPECT_TRUE(fs::is_regular_file(runDir / "fonts" / "OCRA.ttf"));
}

TEST(GeneratedAssets, EverySoundAndMusicFileDecodesThroughTheAudioAddon)
{
    SKIP_WITHOUT_ASSETS();
    ensureAllegroSystem();
    setenv("ALSOFT_DRIVERS", "null", 0); // no sound card needed
    ASSERT_TRUE(al_install_audio()) << "audio could not be installed, even on OpenAL's null device";
    ASSERT_TRUE(al_init_acodec_addon());

    for (const std::string& name : soundNames) {
        std::string path = (runDir / "newSound" / (name + ".wav")).string();
        ALLEGRO_SAMPLE* sample = al_load_sample(path.c_str());
        ASSERT_NE(sample, nullptr) << path;
        EXPECT_EQ(al_get_sample_frequency(sample), 44100u) << name;
        EXPECT_EQ(al_get_sample_channels(sample), ALLEGRO_CHANNEL_CONF_1) << name;
        EXPECT_EQ(al_get_sample_depth(sample), ALLEGRO_AUDIO_DEPTH_INT16) << name;
        double seconds = al_get_sample_length(sample) / 44100.0;
        EXPECT_GT(seconds, 0.05) << name;
        EXPECT_LT(seconds, 1.6) << name;
        al_destroy_sample(sample);
    }

    for (const char* track : musicFiles) {
        // Decoded whole, a stereo loop is 16 to 32 seconds long and does not
        // fade: its first and last moments are as loud as the rest.
        std::string path = (runDir / "music" / (std::string(track) + ".ogg")).string();
        ALLEGRO_SAMPLE* sample = al_load_sample(path.c_str());
        ASSERT_NE(sample, nullptr) << path;
        EXPECT_EQ(al_get_sample_channels(sample), ALLEGRO_CHANNEL_CONF_2) << track;
        EXPECT_EQ(al_get_sample_frequency(sample), 44100u) << track;
        const unsigned frames = al_get_sample_length(sample);
        EXPECT_GE(frames / 44100.0, 16.0) << track;
        EXPECT_LE(frames / 44100.0, 32.0) << track;
        ASSERT_EQ(al_get_sample_depth(sample), ALLEGRO_AUDIO_DEPTH_INT16);
        const int16_t* pcm = static_cast<const int16_t*>(al_get_sample_data(sample));
        auto loudness = [&](unsigned from, unsigned count) {
            double sum = 0;
            for (unsigned i = from * 2; i < (from + count) * 2; ++i)
                sum += (pcm[i] / 32768.0) * (pcm[i] / 32768.0);
            return std::sqrt(sum / (count * 2));
        };
        const unsigned second = 44100;
        double whole = loudness(0, frames);
        EXPECT_GT(whole, 0.05) << track << " is nearly silent";
        EXPECT_GT(loudness(0, second / 4), whole * 0.3) << track << " fades in";
        EXPECT_GT(loudness(frames - second / 4, second / 4), whole * 0.3) << track << " fades out";
        al_destroy_sample(sample);
    }
    al_uninstall_audio();
}

TEST(AssetGenerator, VerifyAcceptsTheBuiltRunFolder)
{
    SKIP_WITHOUT_ASSETS();
    ProgramResult run = runGenerator("--verify", runDir);
    EXPECT_EQ(run.exitStatus, 0) << run.output;
}

TEST(AssetGenerator, ReproducesTheRunFolderByteForByteAndVerifyCatchesDamage)
{
    SKIP_WITHOUT_ASSETS();
    TempFolder folder;
    ProgramResult run = runGenerator("--out", folder.path());
    ASSERT_EQ(run.exitStatus, 0) << run.output;

    // A second run gives exactly the files of the build's own run.
    auto fresh = filesUnder(folder.path());
    ASSERT_FALSE(fresh.empty());
    for (const auto& [relative, bytes] : fresh) {
        ASSERT_TRUE(fs::exists(runDir / relative)) << relative;
        EXPECT_TRUE(readFile(runDir / relative) == bytes) << relative << " differs between runs";
    }

    // Damage the copy: a missing sprite, a duplicate, a flag without team red.
    ImageSearch search(folder.path());
    auto image = [&](const char* name) { return *search.find(imageExtensions, name); };
    fs::remove(image("Trophy"));
    fs::copy_file(image("Bomb7"), folder.path() / "fonts" / "Bomb7.png");
    fs::copy_file(image("Block4"), image("Flag3"), fs::copy_options::overwrite_existing);
    fs::remove(folder.path() / "newSound" / "Gong2.wav");
    ProgramResult verify = runGenerator("--verify", folder.path());
    EXPECT_NE(verify.exitStatus, 0);
    for (const char* expected : {"Trophy: missing", "Bomb7: found 2 times", "Flag3: too little pure red",
                                 "newSound/Gong2.wav: missing"})
        EXPECT_NE(verify.output.find(expected), std::string::npos) << expected << "\n" << verify.output;
}
