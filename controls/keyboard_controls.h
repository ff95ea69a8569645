#pragma once
#include <vector>

#include "controls/controls.h"

// One layout of six keys on the shared keyboard; every layout pauses with Escape.
class KeyboardControls final : public Controls {
public:
    // Keycodes in the order up, down, left, right, fire, button2.
    explicit KeyboardControls(const std::vector<int>& layout);

    bool isActive() override { return true; }
    bool up() override;
    bool down() override;
    bool left() override;
    bool right() override;
    bool fire() override;
    bool button2() override;
    bool pause() override;
    // Three lines: the up key; the left, down and right keys; the fire key.
    std::string name() override;
    // The key's name, with the full stop and comma keys shown as "." and ",".
    // Only Up to Button2 have keys; other actions throw std::out_of_range.
    std::string buttonText(ControlInput action) override;

    std::vector<int> keys;

private:
    bool keyDown(std::size_t index) const;
    std::string nameOf(std::size_t index) const;
};
