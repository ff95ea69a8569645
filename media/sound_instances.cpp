#include "media/sound_instances.h"

#include <allegro5/allegro_audio.h>

#include "frame/log.h"
#include "frame/range_map.h"
#include "media/sound.h"

std::array<std::deque<SampleInstance>, soundCount> liveInstances;
SampleInstanceSet fadingInstances;
std::mutex soundMutex;

float soundGain(int volume)
{
    return float(volume) / 255.0f;
}

float soundPan(int pan)
{
    if (pan == 128)
        return ALLEGRO_AUDIO_PAN_NONE;
    return mapRangeClamped(float(pan), 0.0f, 255.0f, -1.0f, 1.0f);
}

float soundSpeed(int speed)
{
    return mapRange(float(speed), 0.0f, 1000.0f, 0.0f, 1.0f);
}

int releaseFinishedSamples(SampleInstanceSet& instances)
{
    int released = 0;
    for (auto it = instances.begin(); it != instances.end();) {
        if (!al_get_sample_instance_playing(it->get())) {
            it = instances.erase(it);
            ++released;
        } else {
            ++it;
        }
    }
    return released;
}

void destroyAllInstances()
{
    std::lock_guard lock(soundMutex);
    fadingInstances.clear();
    for (auto& instances : liveInstances)
        instances.clear();
}

void playSound(int soundId, int volume, int pan, int speed)
{
    if (soundId < 0 || soundId >= soundCount) {
        log("playSound: no sound with id %d\n", soundId);
        return;
    }
    ALLEGRO_SAMPLE* sample = samples[soundId];
    ALLEGRO_MIXER* mixer = getMixer(effectsMixerKey);
    if (!sample || !mixer)
        return; // sound is not installed

    std::lock_guard lock(soundMutex);
    SampleInstance instance(al_create_sample_instance(sample));
    if (!instance.get()) {
        log("playSound: could not create an instance of %s\n", soundNames[soundId].c_str());
        return;
    }
    al_set_sample_instance_speed(instance.get(), soundSpeed(speed));
    al_set_sample_instance_gain(instance.get(), soundGain(volume));
    al_set_sample_instance_pan(instance.get(), soundPan(pan));

    auto& live = liveInstances[soundId];
    while (live.size() >= maxLiveInstances) {
        fadingInstances.insert(std::move(live.front()));
        live.pop_front();
    }

    if (!al_attach_sample_instance_to_mixer(instance.get(), mixer) ||
        !al_play_sample_instance(instance.get())) {
        log("playSound: could not play %s\n", soundNames[soundId].c_str());
        return;
    }
    live.push_back(std::move(instance));
}
