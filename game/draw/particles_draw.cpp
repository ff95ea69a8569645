#include <allegro5/allegro_primitives.h>
#include <vector>

#include "game/particles.h"
#include "media/bitmap_wrapper.h"
#include "media/colour.h"
#include "media/render_target.h"

// One pixel per particle, all in one primitive call: a burst holds hundreds.
void drawParticles(BitmapWrapper& target)
{
    if (particles.empty() || !target.bitmap)
        return;
    static std::vector<ALLEGRO_VERTEX> points;
    points.clear();
    for (const Particle& p : particles) {
        ALLEGRO_VERTEX v{};
        // The centre of the pixel the particle's truncated position names.
        v.x = float(int(p.x)) + 0.5f;
        v.y = float(int(p.y)) + 0.5f;
        v.color = toColour(p.colour);
        points.push_back(v);
    }
    setTargetBitmap(target.bitmap);
    al_draw_prim(points.data(), nullptr, nullptr, 0, int(points.size()), ALLEGRO_PRIM_POINT_LIST);
}
