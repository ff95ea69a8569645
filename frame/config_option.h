#pragma once
#include <optional>

// A bool option backed by one configuration key, read at first use and cached.
// A change made to the file while the program runs is not seen.
template <typename T>
class ConfigOptionWrapper;

template <>
class ConfigOptionWrapper<bool> {
public:
    ConfigOptionWrapper(const char* section, const char* key, const char* label,
                        std::optional<bool> defaultValue);

    bool get();
    // Flips the option, caches and writes it (saving the file).
    void toggle();
    void set(bool value);

    const char* section() const { return section_; }
    const char* key() const { return key_; }
    const char* label() const { return label_; }

private:
    bool cachedValue_ = false;
    bool cached_ = false;
    bool defaultValue_ = false;
    bool hasDefault_ = false;
    const char* section_;
    const char* key_;
    const char* label_;
};

extern ConfigOptionWrapper<bool> showQuickStartOption;
extern ConfigOptionWrapper<bool> catsEnabled;
extern ConfigOptionWrapper<bool> dogsEnabled;
extern ConfigOptionWrapper<bool> hamstersEnabled;
extern ConfigOptionWrapper<bool> owlsEnabled;
extern ConfigOptionWrapper<bool> ferretsEnabled;
extern ConfigOptionWrapper<bool> autoLoad;
