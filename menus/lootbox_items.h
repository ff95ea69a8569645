#pragma once
#include <string>
#include <vector>

template <typename T>
class ConfigOptionWrapper;

// One photograph of the loot-box room. Its key names its unlocked flag in the
// configuration's "lootbox" section.
struct LootboxItem {
    std::string key;
    int points = 0;                 // unlocked once the count passes this
    std::string caption;
    int sprite = 0;
    // The animal kinds it shows: it may be unlocked only while every one of
    // these options is on.
    std::vector<ConfigOptionWrapper<bool>*> kinds;

    bool allowed() const;
};

// Every item, by rising threshold.
std::vector<LootboxItem> lootboxItems();
