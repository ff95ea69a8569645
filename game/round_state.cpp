#include "game/round_state.h"

#include "controls/controls_manager.h"
#include "game/game.h"
#include "game/particles.h"
#include "game/player.h"
#include "game/team.h"

CellLayer<int> grid;
CellLayer<int> powerupGrid;
CellLayer<Bomb> bombGrid;
CellLayer<int> snakeOccupancy;
int grid_squares_x = 0;
int grid_squares_y = 0;

std::vector<std::shared_ptr<Player>> player;
std::vector<Team> teams;

int proximityRadius = 13;
double rescueDistance = 32.0;
int rescueCount = 180;

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

void resizeArena(int w, int h)
{
    grid_squares_x = w;
    grid_squares_y = h;
    grid.resize(w, h, 0);
    powerupGrid.resize(w, h, 0);
    bombGrid.resize(w, h, Bomb{});
    snakeOccupancy.resize(w, h, 0);
    busyCells.resize(w, h);
}

void resetRoundState()
{
    player.clear();
    teams.clear();
    resizeArena(0, 0);
    proximityRadius = 13;
    rescueDistance = 32.0;
    rescueCount = 180;
    clearParticles();
    particleEngine.seed(0);
}
