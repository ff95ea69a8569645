#include "game/flag.h"

#include <stdexcept>
#include <string>

#include "game/arena.h"
#include "game/game.h"
#include "game/player.h"
#include "game/replay_data.h"
#include "game/round_state.h"
#include "game/team.h"

namespace {

// From this version on a dropped flag settles and drifts home.
constexpr int movingFlagsVersion = 2;

}

Flag::Flag(int x_, int y_, int team_, ALLEGRO_COLOR colour_)
    : x(x_), y(y_), team(team_), colour(colour_)
{
}

Vector2 Flag::homeSquare() const
{
    if (team == -1)
        return {grid_squares_x / 2, grid_squares_y / 2};
    const Team* own = teamAt(team);
    if (!own)
        throw std::out_of_range("Flag of team " + std::to_string(team) + " has no such team");
    return own->home;
}

void Flag::update(Game& game)
{
    if (!carrier.expired() || game.isArenaFullyShrunk() ||
        playingOlderThan(game.replayData, movingFlagsVersion))
        return;
    const Vector2 cell = pixelCentreToCell(x, y);
    // A dropped flag settles onto the cell it mostly lies on; one buried by a
    // wall of the shrinking arena walks home, through walls.
    const Vector2 goal = isSolidWall(grid.at(cell)) ? cellToPixel(homeSquare()) : cellToPixel(cell);
    x = moveTowards(x, goal.x, 1);
    y = moveTowards(y, goal.y, 1);
}
