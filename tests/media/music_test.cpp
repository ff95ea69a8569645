#include <allegro5/allegro_audio.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <thread>
#include <vector>

#include "audio_test_files.h"
#include "frame/fatal_error.h"
#include "media/music_fade.h"
#include "media/music_tracks.h"
#include "media/no_music.h"
#include "media/ogg_music.h"
#include "media/sound.h"
#include "media/sound_instances.h"
#include "support/checks.h"
#include "support/temp_folder.h"
#include "support/working_folder.h"

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

namespace {

class MusicTest : public testing::Test {
protected:
    void SetUp() override { in_ = std::make_unique<ScopedWorkingFolder>(installTestSound()); }
    void TearDown() override { in_.reset(); }

    std::unique_ptr<OggMusic> zoo()
    {
        return std::make_unique<OggMusic>("music/Zoo.ogg", getMixer(musicMixerKey));
    }

private:
    std::unique_ptr<ScopedWorkingFolder> in_;
};

using OggStream = MusicTest;
using MusicFade = MusicTest;
using MusicTracks = MusicTest;

}

TEST_F(OggStream, StreamsIntoTheMusicMixerAndLoops)
{
    auto music = zoo();
    // The file holds half a second; well past that it is still playing.
    const std::uint64_t fileSamples = std::uint64_t(testMusicSeconds * 44100);
    EXPECT_TRUE(eventually([&] { return music->playedSamples() > 2 * fileSamples; }, 10s))
        << "played " << music->playedSamples();
    EXPECT_FLOAT_EQ(music->gain(), 1.0f);

    music->stop();
    std::uint64_t stoppedAt = music->playedSamples();
    std::this_thread::sleep_for(200ms);
    EXPECT_EQ(music->playedSamples(), stoppedAt);
}

TEST_F(OggStream, AFileThatCannotBeStreamedThrowsFailure)
{
    EXPECT_THROW(OggMusic("music/Missing.ogg", getMixer(musicMixerKey)), OggMusic::Failure);
    writeFile("music/Broken.ogg", "OggS and nothing more");
    EXPECT_THROW(OggMusic("music/Broken.ogg", getMixer(musicMixerKey)), OggMusic::Failure);
    // Looping a stream of zero length would spin Allegro's feeder for ever.
    writeSilentOgg("music/Silent.ogg");
    EXPECT_THROW(OggMusic("music/Silent.ogg", getMixer(musicMixerKey)), OggMusic::Failure);
    EXPECT_THROW(OggMusic("music/Zoo.ogg", nullptr), OggMusic::Failure);
}

TEST_F(MusicTracks, EachStarterPlaysItsTrackOrFallsSilent)
{
    for (auto start : {startMusicTrack, startTrophyMusic, startGameMusic})
        EXPECT_NE(std::dynamic_pointer_cast<OggMusic>(start()), nullptr);

    // No files at all, then files without audio.
    TempFolder folder;
    ScopedWorkingFolder in(folder.path());
    for (int pass = 0; pass < 2; ++pass) {
        for (auto start : {startMusicTrack, startTrophyMusic, startGameMusic, startGameMusic}) {
            std::shared_ptr<Music> silent = start();
            ASSERT_NE(std::dynamic_pointer_cast<NoMusic>(silent), nullptr) << pass;
            silent->fadeTo(1.0f, 0);
            silent->setVolume(10);
            silent->stop();
        }
        std::filesystem::create_directory("music");
        for (const char* name : {"Zoo", "Breakdown", "If Not Now When", "Who Likes To Party"})
            writeSilentOgg(std::string("music/") + name + ".ogg");
    }
}

TEST(MusicFadeGain, FollowsTheLineAndHoldsTheTarget)
{
    EXPECT_FLOAT_EQ(fadeGain(1.0f, 0.0f, 1000, 2.0f), 0.5f);
    EXPECT_EQ(fadeGain(1.0f, 0.0f, 60000, 2.0f), 0.0f);
    EXPECT_FLOAT_EQ(fadeGain(0.2f, 0.6f, 5000, 1.0f), 0.6f);
    for (float seconds : {0.1f, 4.0f}) {
        float previous = 1.0f;
        for (long long ms = 0; ms < 5000; ++ms) {
            float gain = fadeGain(1.0f, 0.0f, ms, seconds);
            ASSERT_GE(gain, 0.0f) << ms;
            ASSERT_LE(gain, previous) << ms;
            previous = gain;
        }
    }
}

TEST_F(MusicFade, ReachesItsTargetAtTheFadeTimeAndStopsThere)
{
    auto music = zoo();
    music->setVolume(255);
    const auto fadeTime = 300ms;
    auto start = Clock::now();
    music->fadeTo(0.3f, 0);

    std::vector<float> gains;
    auto reachedAt = start;
    ASSERT_TRUE(eventually([&] {
        float gain = music->gain();
        gains.push_back(gain);
        reachedAt = Clock::now();
        return gain == 0.0f;
    }));
    for (std::size_t i = 1; i < gains.size(); ++i) {
        ASSERT_GE(gains[i], 0.0f);
        ASSERT_LE(gains[i], gains[i - 1]);
    }
    EXPECT_GE(reachedAt - start, fadeTime);

    // The fade has ended: the gain stays at the target and a new volume sticks.
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(music->gain(), 0.0f);
    music->setVolume(51);
    std::this_thread::sleep_for(20ms);
    EXPECT_FLOAT_EQ(music->gain(), 0.2f);
}

TEST_F(MusicFade, ATimeOfZeroSetsTheTargetAtOnce)
{
    auto music = zoo();
    music->fadeTo(0.0f, 128);
    EXPECT_FLOAT_EQ(music->gain(), 128.0f / 255.0f);
    music->fadeTo(0.0f, 0);
    EXPECT_EQ(music->gain(), 0.0f); // not 0 / 0

    music->fadeTo(5.0f, 0);
    std::this_thread::sleep_for(20ms);
    music->fadeTo(0.0f, 255);
    EXPECT_FLOAT_EQ(music->gain(), 1.0f);
    std::this_thread::sleep_for(30ms);
    EXPECT_FLOAT_EQ(music->gain(), 1.0f); // the replaced fade writes no more
}

// Main-thread calls racing the fade and update threads never hang; the instance limit holds.
TEST_F(MusicFade, StoppingAndDestroyingMidFadeNeverHang)
{
    for (int i = 0; i < 12; ++i) {
        auto first = zoo();
        auto second = zoo();
        first->fadeTo(5.0f, 0);
        second->fadeTo(0.05f, 255);
        for (int effect = 0; effect < 15; ++effect)
            playSound((i + effect) % soundCount, 200, (effect * 37) % 256, 1000);
        std::this_thread::sleep_for(std::chrono::milliseconds(i % 4 * 3));
        first->setVolume(100);
        if (i % 2)
            first->stop();
        second->fadeTo(1.0f, 10);
        first.reset();
        if (i % 3 == 0)
            second->stop();
    }
    std::lock_guard lock(soundMutex);
    for (const auto& live : liveInstances)
        EXPECT_LE(live.size(), maxLiveInstances);
}

namespace {

// Exit handlers run in reverse order of registration; this one, registered
// before Allegro is installed, runs after Allegro has freed every stream, and
// gives a fade still running then the time to touch one.
bool lingerAfterAllegroExits = false;
const int lingerRegistered = std::atexit([] {
    if (lingerAfterAllegroExits)
        std::this_thread::sleep_for(100ms);
});

}

// The end of a round fades the music out, so a fatal error can end the program
// mid-fade: exit must neither hang on the stream nor let the fade touch it once freed.
TEST_F(MusicFade, AFatalErrorMidFadeEndsWithoutTouchingTheFreedStream)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    ASSERT_EQ(lingerRegistered, 0);
    EXPECT_EXIT(
        {
            setenv("TAMWICK_NO_DIALOGS", "1", 1);
            auto music = zoo();
            music->fadeTo(10.0f, 0);
            lingerAfterAllegroExits = true;
            fatalError("Stopped mid-fade");
        },
        testing::ExitedWithCode(1), "Stopped mid-fade");
}
