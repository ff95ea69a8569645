#pragma once
#include <allegro5/allegro.h>
#include <memory>

// An Allegro bitmap and whether this wrapper destroys it.
class BitmapWrapper {
public:
    // Adopts the bitmap and nulls the caller's pointer.
    explicit BitmapWrapper(ALLEGRO_BITMAP*&& adopted);
    BitmapWrapper(int width, int height, bool preserve);
    BitmapWrapper(ALLEGRO_BITMAP* bitmap, bool owned);
    ~BitmapWrapper();
    BitmapWrapper(const BitmapWrapper&) = delete;
    BitmapWrapper& operator=(const BitmapWrapper&) = delete;

    int width() const;
    int height() const;

    ALLEGRO_BITMAP* bitmap = nullptr;
    bool owned = false;
};

using BitmapPtr = std::shared_ptr<BitmapWrapper>;
