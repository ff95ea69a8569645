#include "media/sound.h"

#include <allegro5/allegro_acodec.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "frame/log.h"
#include "frame/fatal_error.h"
#include "frame/game_files.h"
#include "media/ogg_music.h"
#include "media/sample_update_thread.h"
#include "media/sound_instances.h"

ALLEGRO_VOICE* soundVoice = nullptr;
ALLEGRO_MIXER* mainMixer = nullptr;
std::map<int, ALLEGRO_MIXER*> mixers;
std::map<int, int> mixerVolumes;
std::array<ALLEGRO_SAMPLE*, soundCount> samples{};
std::vector<std::string> gameMusicTracks;

namespace {

constexpr unsigned int mixFrequency = 44100;

ALLEGRO_MIXER* createMixer()
{
    return al_create_mixer(mixFrequency, ALLEGRO_AUDIO_DEPTH_FLOAT32, ALLEGRO_CHANNEL_CONF_2);
}

void loadSamples()
{
    for (int id = 0; id < soundCount; ++id) {
        std::string path = "newSound/" + soundNames[id] + ".wav";
        std::error_code error;
        if (!std::filesystem::exists(path, error))
            fatalError("File not found: " + path + inWorkingFolder());
        samples[id] = al_load_sample(path.c_str());
        if (!samples[id])
            fatalError("Error loading " + path + inWorkingFolder());
    }
}

void destroySamples()
{
    for (ALLEGRO_SAMPLE*& sample : samples) {
        // Once the audio addon has shut down it has already freed every sample.
        if (sample && al_is_audio_installed())
            al_destroy_sample(sample);
        sample = nullptr;
    }
}

// Allegro uninstalls itself at exit, freeing every audio object; the update
// thread must be gone and the music fades must let go of their streams before
// then. Exit handlers run in reverse order, so one registered after Allegro's
// runs first.
void shutdownSoundAtExit()
{
    retireMusicStreams();
    shutdownSound();
}

}

void installSound(int effectsVolume, int musicVolume)
{
    log("Installing sound\n");
    if (!al_install_audio())
        fatalError("Error initialising sound system");
    if (!al_init_acodec_addon())
        fatalError("Error initialising audio codecs");

    soundVoice = al_create_voice(mixFrequency, ALLEGRO_AUDIO_DEPTH_INT16, ALLEGRO_CHANNEL_CONF_2);
    if (!soundVoice)
        fatalError("al_create_voice failed");
    mainMixer = createMixer();
    if (!mainMixer)
        fatalError("al_create_mixer failed");
    if (!al_attach_mixer_to_voice(mainMixer, soundVoice))
        fatalError("al_attach_mixer_to_voice failed");

    mixers[effectsMixerKey] = createMixer();
    mixers[musicMixerKey] = createMixer();
    if (!mixers[effectsMixerKey] || !mixers[musicMixerKey])
        fatalError("al_create_mixer failed");
    if (!al_attach_mixer_to_mixer(mixers[effectsMixerKey], mainMixer))
        fatalError("al_attach_mixer_to_mixer (sfxMixer) failed");
    if (!al_attach_mixer_to_mixer(mixers[musicMixerKey], mainMixer))
        fatalError("al_attach_mixer_to_mixer (musicMixer) failed");

    setMixerVolume(effectsMixerKey, effectsVolume);
    setMixerVolume(musicMixerKey, musicVolume);

    gameMusicTracks = {"music/Breakdown.ogg", "music/If Not Now When.ogg"};

    loadSamples();

    startSampleThread();
    static bool exitHandlerRegistered = false;
    if (!exitHandlerRegistered) {
        std::atexit(shutdownSoundAtExit);
        exitHandlerRegistered = true;
    }
}

void shutdownSound()
{
    stopSampleThread();
    destroyAllInstances();
    destroySamples();
}

void setMixerVolume(int mixerKey, int volume)
{
    mixerVolumes[mixerKey] = volume;
    if (ALLEGRO_MIXER* mixer = getMixer(mixerKey))
        al_set_mixer_gain(mixer, float(volume) / 100.0f);
}

int getMixerVolume(int mixerKey)
{
    auto it = mixerVolumes.find(mixerKey);
    return it == mixerVolumes.end() ? 0 : it->second;
}

ALLEGRO_MIXER* getMixer(int mixerKey)
{
    auto it = mixers.find(mixerKey);
    return it == mixers.end() ? nullptr : it->second;
}
