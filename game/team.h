#pragma once

// A team of players; its record grows with the game rules.
struct Team {
    int id = 0;
};
