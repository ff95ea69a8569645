#include "game/player_list.h"

#include "controls/controls_manager.h"

std::vector<std::shared_ptr<Player>> player;

namespace {

// The controls manager asks the running game which controls its players hold.
const bool heldControlsRegistered = [] {
    setHeldControlsSource([] {
        std::vector<HeldControls> held;
        for (const auto& p : player) {
            if (p)
                held.push_back({p->num, p->controls});
        }
        return held;
    });
    return true;
}();

}
