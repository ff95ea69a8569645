#include "media/bitmap_wrapper.h"

#include <stdexcept>
#include <string>

#include "frame/log.h"
#include "media/render_target.h"

BitmapWrapper::BitmapWrapper(ALLEGRO_BITMAP*&& adopted) : bitmap(adopted), owned(true)
{
    adopted = nullptr;
}

BitmapWrapper::BitmapWrapper(int width, int height, bool preserve) : owned(true)
{
    // The logical screen is 0 x 0 until the first screen sets its size; such a
    // canvas holds no bitmap rather than a failed one.
    if (width <= 0 || height <= 0)
        return;
    al_set_new_bitmap_format(ALLEGRO_PIXEL_FORMAT_ANY_WITH_ALPHA);
    al_set_new_bitmap_flags(ALLEGRO_CONVERT_BITMAP | (preserve ? 0 : ALLEGRO_NO_PRESERVE_TEXTURE));
    bitmap = al_create_bitmap(width, height);
    if (!bitmap) {
        std::string message =
            "Could not create a bitmap of " + std::to_string(width) + "x" + std::to_string(height);
        log("%s\n", message.c_str());
        throw std::runtime_error(message);
    }
}

BitmapWrapper::BitmapWrapper(ALLEGRO_BITMAP* wrapped, bool isOwned) : bitmap(wrapped), owned(isOwned)
{
}

BitmapWrapper::~BitmapWrapper()
{
    if (!bitmap)
        return;
    forgetTarget(bitmap);
    if (owned)
        al_destroy_bitmap(bitmap);
}

int BitmapWrapper::width() const
{
    return bitmap ? al_get_bitmap_width(bitmap) : 0;
}

int BitmapWrapper::height() const
{
    return bitmap ? al_get_bitmap_height(bitmap) : 0;
}
