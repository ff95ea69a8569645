#pragma once
#include <memory>
#include <random>

class Game;
class Player;

// A random arena for the computer snakes' search, laid into the round's
// globals: walls (with grid blocks, on every cell whose coordinates are both
// even), blocks of every kind, humans of every sort (dead, ghosts, dangerous,
// several in one cell), living and dead snakes with bodies, and shrink crawlers
// when a game is given. Returns the snake that searches, a computer snake.
struct RandomArenaShape {
    int width = 10;
    int height = 8;
    bool gridBlocks = false;
    bool border = true;          // without it, walks can leave the grid
    int blockPercent = 20;
    int humans = 3;
    int snakes = 2;
    int crawlers = 1;
};

std::shared_ptr<Player> makeRandomSearchArena(std::mt19937& rng, const RandomArenaShape& shape,
                                              Game* game);
