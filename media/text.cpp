#include "media/text.h"

#include <sstream>
#include <string>

#include "media/render_target.h"

void drawText(ALLEGRO_BITMAP* target, const ALLEGRO_FONT* font, int x, int y,
              ALLEGRO_COLOR colour, std::string_view text, int flags)
{
    if (!target || !font)
        return;
    setTargetBitmap(target);
    // Drawn from a reference to exactly the view's characters, so a view that
    // is not zero-terminated is never read past its end.
    ALLEGRO_USTR_INFO info;
    al_draw_ustr(font, colour, float(x), float(y), flags,
                 al_ref_buffer(&info, text.data(), text.size()));
}

void drawNumber(ALLEGRO_BITMAP* target, const ALLEGRO_FONT* font, int x, int y,
                ALLEGRO_COLOR colour, int number, int flags)
{
    std::ostringstream s;
    s << number;
    drawText(target, font, x, y, colour, s.str(), flags);
}
