#pragma once
#include <deque>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "menus/lootbox_items.h"
#include "menus/menu_press_gate.h"

// One visit of the loot-box room: the points count up from the stored total
// to the new one with a cash sound per step, every photograph whose threshold
// the count passes is unlocked (and written to the configuration at once),
// and then the new photographs are shown one by one.
class LootboxRoom {
public:
    // Counts from `storedPoints` to `totalPoints`; the items already unlocked
    // are read from the configuration.
    LootboxRoom(int storedPoints, int totalPoints);

    // One update, `dt` seconds after the last.
    void update(double dt);
    // Onto the screen bitmap.
    void render();
    bool done() const;

    int phase() const { return phase_; }
    int shownPoints() const { return shown_; }
    bool promptShown() const { return prompt_; }
    // The photograph being shown, and those waiting after it.
    const std::optional<LootboxItem>& onDisplay() const { return onDisplay_; }
    const std::deque<LootboxItem>& queue() const { return queue_; }
    bool isUnlocked(const std::string& key) const { return unlocked_.count(key) > 0; }

private:
    void countStep();
    void unlockPassedItems();
    void showStep(bool space);

    double timer_ = 0;
    int phase_ = 0;
    int shown_;
    int total_;
    int stepInterval_ = 25;         // hundredths of a second
    // Steps taken at the shortest interval; each adds 0.05 to the increment.
    int fastSteps_ = 0;
    std::vector<LootboxItem> items_;
    std::set<std::string> unlocked_;
    std::deque<LootboxItem> queue_;
    std::optional<LootboxItem> onDisplay_;
    bool finished_ = false;
    bool prompt_ = false;
    bool done_ = false;
    MenuPressGate space_;
};
