#include "media/sample_instance.h"

#include <utility>

SampleInstance::~SampleInstance()
{
    destroy();
}

SampleInstance::SampleInstance(SampleInstance&& other) noexcept
    : instance_(std::exchange(other.instance_, nullptr))
{
}

SampleInstance& SampleInstance::operator=(SampleInstance&& other) noexcept
{
    if (this != &other) {
        destroy();
        instance_ = std::exchange(other.instance_, nullptr);
    }
    return *this;
}

void SampleInstance::destroy()
{
    // Once the audio addon has shut down it has already freed every instance.
    if (instance_ && al_is_audio_installed())
        al_destroy_sample_instance(instance_);
    instance_ = nullptr;
}
