#include "game/draw/arena_cells_layer_draw.h"

#include "game/draw/arena_draw.h"
#include "game/round_state.h"
#include "game/draw/sprite_batch_draw.h"
#include "media/bitmap_copy.h"
#include "media/bitmap_draw.h"
#include "media/render_target.h"
#include "media/sprites.h"

namespace {

constexpr int notDrawn = -2;
constexpr int cellPixels = 32;

bool sameColour(ALLEGRO_COLOR a, ALLEGRO_COLOR b)
{
    unsigned char ar, ag, ab, aa, br, bg, bb, ba;
    al_unmap_rgba(a, &ar, &ag, &ab, &aa);
    al_unmap_rgba(b, &br, &bg, &bb, &ba);
    return ar == br && ag == bg && ab == bb && aa == ba;
}

}

void ArenaCellsLayer::rebuild(ALLEGRO_BITMAP* canvas, ALLEGRO_COLOR background)
{
    width_ = grid.width();
    height_ = grid.height();
    colour_ = background;
    shown_.assign(std::size_t(width_) * std::size_t(height_), notDrawn);
    bitmap_ = std::make_shared<BitmapWrapper>(al_get_bitmap_width(canvas), al_get_bitmap_height(canvas), true);
    if (bitmap_->bitmap)
        setTargetAndClear(*bitmap_, background);
}

void ArenaCellsLayer::update()
{
    // A changed cell is cleared to the background first, so its new sprite
    // lands on the background alone, as on a freshly cleared canvas.
    SpriteBatch batch;
    bool clipped = false;
    cellsRedrawn_ = 0;
    const int w = width_, h = height_;
    for (int x = 0; x < w; ++x) {
        for (int y = 0; y < h; ++y) {
            int& shown = shown_[std::size_t(x) * std::size_t(h) + std::size_t(y)];
            const int sprite = squareSprite(grid.get(x, y));
            if (sprite == shown)
                continue;
            if (shown >= 0) {
                setTargetBitmap(bitmap_->bitmap);
                al_set_clipping_rectangle(x * cellPixels, y * cellPixels, cellPixels, cellPixels);
                al_clear_to_color(colour_);
                clipped = true;
            }
            shown = sprite;
            ++cellsRedrawn_;
            if (sprite >= 0)
                batch.add(getBitmap(sprite), x * cellPixels, y * cellPixels);
        }
    }
    if (clipped)
        al_reset_clipping_rectangle();
    batch.draw(bitmap_->bitmap);
}

bool ArenaCellsLayer::draw(ALLEGRO_BITMAP* canvas, ALLEGRO_COLOR background)
{
    if (!canvas)
        return false;
    const bool steady = sameColour(background, lastColour_);
    lastColour_ = background;
    const bool sized = bitmap_ && bitmap_->bitmap && grid.width() == width_ && grid.height() == height_ &&
                       al_get_bitmap_width(bitmap_->bitmap) == al_get_bitmap_width(canvas) &&
                       al_get_bitmap_height(bitmap_->bitmap) == al_get_bitmap_height(canvas);
    if (!sized || !sameColour(background, colour_)) {
        if (sized && !steady)
            return false;
        rebuild(canvas, background);
        if (!bitmap_->bitmap)
            return false;
    }
    update();
    copyBitmap(canvas, bitmap_->bitmap);
    return true;
}
