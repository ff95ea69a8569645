#pragma once
#include <allegro5/allegro_audio.h>

#include <cstddef>
#include <functional>

// Owns one playing (or finished) sample instance and destroys it when dropped.
class SampleInstance {
public:
    explicit SampleInstance(ALLEGRO_SAMPLE_INSTANCE* instance = nullptr) : instance_(instance) {}
    ~SampleInstance();
    SampleInstance(SampleInstance&& other) noexcept;
    SampleInstance& operator=(SampleInstance&& other) noexcept;
    SampleInstance(const SampleInstance&) = delete;
    SampleInstance& operator=(const SampleInstance&) = delete;

    ALLEGRO_SAMPLE_INSTANCE* get() const { return instance_; }

    friend bool operator==(const SampleInstance& a, const SampleInstance& b)
    {
        return a.instance_ == b.instance_;
    }

private:
    void destroy();

    ALLEGRO_SAMPLE_INSTANCE* instance_;
};

// Hashes a handle on the instance it holds.
struct SampleInstanceHash {
    std::size_t operator()(const SampleInstance& instance) const
    {
        return std::hash<ALLEGRO_SAMPLE_INSTANCE*>()(instance.get());
    }
};
