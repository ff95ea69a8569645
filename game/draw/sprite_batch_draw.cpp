#include "game/draw/sprite_batch_draw.h"

#include <algorithm>

#include "media/bitmap_draw.h"
#include "media/render_target.h"

void SpriteBatch::add(ALLEGRO_BITMAP* source, int x, int y, int alpha)
{
    if (source)
        items_.push_back({source, x, y, alpha});
}

void SpriteBatch::draw(ALLEGRO_BITMAP* target)
{
    if (!target || items_.empty()) {
        items_.clear();
        return;
    }
    std::stable_sort(items_.begin(), items_.end(),
                     [](const Item& a, const Item& b) { return a.source < b.source; });
    // Nothing may change the target or the blender while drawing is held.
    setTargetBitmap(target);
    al_hold_bitmap_drawing(true);
    for (const Item& item : items_)
        drawBitmap(target, item.source, item.x, item.y, false, item.alpha);
    al_hold_bitmap_drawing(false);
    items_.clear();
}
