#pragma once
#include <allegro5/allegro.h>
#include <vector>

#include "media/bitmap_wrapper.h"

// The floor of the arena kept drawn in a bitmap the size of the canvas: the
// background colour with the arena's squares (walls, blocks, crumbling
// blocks) over it. A frame copies it onto the canvas in place of clearing the
// canvas and placing a sprite for every square. Each frame the grid is
// compared with the sprites the bitmap shows, and only the cells whose sprite
// changed are drawn again (a block crumbles, a wall respawns, the arena
// shrinks in). What reaches the canvas is the same, pixel for pixel, as
// clearing it and drawing each square there.
class ArenaCellsLayer {
public:
    // Brings the floor up to date and copies it onto the canvas. False, with
    // nothing drawn, while the background colour is one the floor does not
    // show and changes from frame to frame (the shrink warning's pulse): the
    // frame is then drawn square by square. A colour that holds for two
    // frames in a row is taken into the floor.
    bool draw(ALLEGRO_BITMAP* canvas, ALLEGRO_COLOR background);
    // How many cells the last draw drew again into the floor.
    int cellsRedrawn() const { return cellsRedrawn_; }

private:
    void rebuild(ALLEGRO_BITMAP* canvas, ALLEGRO_COLOR background);
    void update();

    BitmapPtr bitmap_;
    std::vector<int> shown_;   // the sprite each cell shows, column by column; -2 not drawn yet
    int width_ = 0;            // cells
    int height_ = 0;
    ALLEGRO_COLOR colour_{};       // the background the floor shows
    ALLEGRO_COLOR lastColour_{};   // the background asked for by the previous frame
    int cellsRedrawn_ = 0;
};
