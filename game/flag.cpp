#include "game/flag.h"

#include "game/game.h"
#include "game/round_state.h"
#include "game/team.h"

Flag::Flag(int x_, int y_, int team_, ALLEGRO_COLOR colour_)
    : x(x_), y(y_), team(team_), colour(colour_)
{
}

Vector2 Flag::homeSquare() const
{
    if (team == -1)
        return {grid_squares_x / 2, grid_squares_y / 2};
    return teams.at(std::size_t(team)).home;
}

// Dropped flags settle and drift home once the flag rules land.
void Flag::update(Game&) {}
