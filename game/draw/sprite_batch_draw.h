#pragma once
#include <allegro5/allegro.h>
#include <vector>

// The draws of one layer whose order does not matter (cells never overlap):
// grouped by source bitmap and drawn with Allegro's deferred drawing, so each
// source bitmap costs one draw call however many cells show it.
class SpriteBatch {
public:
    void add(ALLEGRO_BITMAP* source, int x, int y, int alpha = 255);
    // Draws everything added onto `target` and empties the batch.
    void draw(ALLEGRO_BITMAP* target);

private:
    struct Item {
        ALLEGRO_BITMAP* source;
        int x, y, alpha;
    };
    std::vector<Item> items_;
};
