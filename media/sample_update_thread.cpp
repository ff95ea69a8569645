#include "media/sample_update_thread.h"

#include <allegro5/allegro_audio.h>

#include <chrono>
#include <mutex>

#include "media/sound_instances.h"

std::atomic<bool> sampleThreadStop{false};
std::thread sampleThread;

namespace {

constexpr std::chrono::milliseconds passInterval{2};

void fadeAndRelease()
{
    for (const SampleInstance& instance : fadingInstances) {
        float gain = al_get_sample_instance_gain(instance.get());
        al_set_sample_instance_gain(instance.get(), gain * fadingGainFactor);
    }
    releaseFinishedSamples(fadingInstances);
}

// Never blocks on soundMutex, so a frame that is busy playing sounds never
// waits on this thread; a busy pass is simply skipped.
void updateSamples()
{
    while (!sampleThreadStop) {
        {
            std::unique_lock lock(soundMutex, std::try_to_lock);
            if (lock.owns_lock()) {
                if (!sampleThreadStop)
                    fadeAndRelease();
            } else {
                std::this_thread::yield();
            }
        }
        if (sampleThreadStop)
            break;
        std::this_thread::sleep_for(passInterval);
    }
}

}

void startSampleThread()
{
    if (sampleThread.joinable())
        return;
    sampleThreadStop = false;
    sampleThread = std::thread(updateSamples);
}

void stopSampleThread()
{
    sampleThreadStop = true;
    if (sampleThread.joinable())
        sampleThread.join();
}
