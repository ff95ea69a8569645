#include <allegro5/allegro_audio.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <mutex>
#include <thread>

#include "audio_test_files.h"
#include "media/sample_update_thread.h"
#include "media/sound.h"
#include "media/sound_instances.h"
#include "support/allegro_environment.h"
#include "support/checks.h"
#include "support/temp_folder.h"
#include "support/working_folder.h"

using namespace std::chrono_literals;

namespace {

ALLEGRO_SAMPLE_INSTANCE* newestInstance(int soundId)
{
    std::lock_guard lock(soundMutex);
    return liveInstances[soundId].empty() ? nullptr : liveInstances[soundId].back().get();
}

class Sound : public testing::Test {
protected:
    static void SetUpTestSuite() { installTestSound(); }
    void SetUp() override { destroyAllInstances(); }
    void TearDown() override { destroyAllInstances(); }
};

}

TEST_F(Sound, InstallsTheMixersWithTheirVolumesAndEveryEffect)
{
    ASSERT_TRUE(soundVoice && mainMixer);
    ALLEGRO_MIXER* effects = getMixer(effectsMixerKey);
    ALLEGRO_MIXER* music = getMixer(musicMixerKey);
    ASSERT_TRUE(effects && music && effects != music);
    EXPECT_TRUE(al_get_mixer_attached(mainMixer)); // it has the two mixers under it
    EXPECT_FLOAT_EQ(al_get_mixer_gain(effects), 0.6f);
    EXPECT_FLOAT_EQ(al_get_mixer_gain(music), 1.0f);
    for (int id = 0; id < soundCount; ++id)
        EXPECT_NE(samples[id], nullptr) << soundNames[id];
    EXPECT_TRUE(sampleThread.joinable());
    EXPECT_EQ(gameMusicTracks,
              (std::vector<std::string>{"music/Breakdown.ogg", "music/If Not Now When.ogg"}));
}

TEST_F(Sound, EffectsPlayOnTheEffectsMixerWithTheCallsPanAndSpeed)
{
    const int fire = 5;
    playSound(fire, 200, 128, 1000);
    ALLEGRO_SAMPLE_INSTANCE* instance = newestInstance(fire);
    ASSERT_NE(instance, nullptr);
    EXPECT_TRUE(al_get_sample_instance_attached(instance));
    EXPECT_FLOAT_EQ(al_get_sample_instance_gain(instance), 200.0f / 255.0f);
    EXPECT_EQ(al_get_sample_instance_length(instance), al_get_sample_length(samples[fire]));

    // pan, speed -> pan, speed factor; 128 is no panning at all, not the centre.
    const float cases[][4] = {{0, 1000, -1.0f, 1.0f},  {255, 2000, 1.0f, 2.0f},
                              {128, 500, ALLEGRO_AUDIO_PAN_NONE, 0.5f},
                              {127, 1000, -1.0f / 255, 1.0f}, {129, 1000, 3.0f / 255, 1.0f}};
    for (const auto& c : cases) {
        playSound(0, 255, int(c[0]), int(c[1]));
        instance = newestInstance(0);
        ASSERT_NE(instance, nullptr);
        EXPECT_NEAR(al_get_sample_instance_pan(instance), c[2], 1e-5) << c[0];
        EXPECT_NEAR(al_get_sample_instance_speed(instance), c[3], 1e-5) << c[1];
    }
    // The mixers really consume them.
    playSound(longSoundId, 200, 128, 1000);
    ALLEGRO_SAMPLE_INSTANCE* gong = newestInstance(longSoundId);
    EXPECT_TRUE(eventually([&] { return al_get_sample_instance_position(gong) > 0; }));
    EXPECT_TRUE(al_get_sample_instance_playing(gong));
}

TEST_F(Sound, AFourthInstancePushesTheOldestAsideToFade)
{
    playSound(0, 200, 128, 1000);
    ALLEGRO_SAMPLE_INSTANCE* other = newestInstance(0);

    playSound(longSoundId, 200, 128, 1000);
    ALLEGRO_SAMPLE_INSTANCE* oldest = newestInstance(longSoundId);
    for (int i = 0; i < 3; ++i)
        playSound(longSoundId, 200, 128, 1000);
    {
        std::lock_guard lock(soundMutex);
        ASSERT_EQ(liveInstances[longSoundId].size(), 3u);
        for (const SampleInstance& live : liveInstances[longSoundId])
            EXPECT_NE(live.get(), oldest);
        ASSERT_EQ(fadingInstances.size(), 1u);
        EXPECT_EQ(fadingInstances.begin()->get(), oldest);
        ASSERT_EQ(liveInstances[0].size(), 1u);
        EXPECT_EQ(liveInstances[0].front().get(), other);
    }

    // The update thread fades it towards silence while it plays on.
    EXPECT_TRUE(eventually([&] {
        std::lock_guard lock(soundMutex);
        return al_get_sample_instance_gain(oldest) < 0.01f;
    }));
    std::lock_guard lock(soundMutex);
    EXPECT_TRUE(al_get_sample_instance_playing(oldest));
    for (const SampleInstance& live : liveInstances[longSoundId])
        EXPECT_FLOAT_EQ(al_get_sample_instance_gain(live.get()), 200.0f / 255.0f);
}

TEST_F(Sound, FadingInstancesAreFreedOnceFinishedAndLiveOnesStay)
{
    for (int i = 0; i < 5; ++i)
        playSound(shortSoundId, 200, 128, 1000);
    EXPECT_TRUE(eventually([] {
        std::lock_guard lock(soundMutex);
        return fadingInstances.empty();
    }));
    std::lock_guard lock(soundMutex);
    EXPECT_EQ(liveInstances[shortSoundId].size(), 3u);
    EXPECT_FALSE(al_get_sample_instance_playing(liveInstances[shortSoundId].front().get()));
}

TEST_F(Sound, UnknownSoundIdsAreIgnored)
{
    for (int id : {-1, soundCount, 1000})
        playSound(id, 200, 128, 1000);
    std::lock_guard lock(soundMutex);
    for (const auto& live : liveInstances)
        EXPECT_TRUE(live.empty());
    EXPECT_TRUE(fadingInstances.empty());
}

// Each of these runs in a child process of its own.
TEST(SoundDeathTest, ShutdownJoinsTheThreadAndReleasesEverything)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            shutdownSound(); // never installed: nothing to do
            installTestSound();
            for (int i = 0; i < 10; ++i)
                playSound(i % 3, 200, 128, 1000);
            shutdownSound();
            bool ok = !sampleThread.joinable() && fadingInstances.empty();
            for (const auto& live : liveInstances)
                ok = ok && live.empty();
            for (ALLEGRO_SAMPLE* sample : samples)
                ok = ok && sample == nullptr;
            shutdownSound();
            playSound(0, 200, 128, 1000);
            ok = ok && liveInstances[0].empty();
            std::exit(ok ? 0 : 2);
        },
        testing::ExitedWithCode(0), "");
}

TEST(SoundDeathTest, AMissingOrUnreadableEffectIsFatal)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    for (bool missing : {true, false}) {
        TempFolder folder;
        writeTestAudio(folder.path());
        if (missing)
            std::filesystem::remove(folder.path() / "newSound/Wimbaah.wav");
        else
            writeFile(folder.path() / "newSound/Beat2.wav", "RIFF but not a wave");
        EXPECT_EXIT(
            {
                ensureAllegroSystem();
                ScopedWorkingFolder in(folder.path());
                installSound(60, 100);
            },
            testing::ExitedWithCode(1),
            missing ? "File not found: newSound/Wimbaah\\.wav" : "Error loading newSound/Beat2\\.wav");
    }
}
