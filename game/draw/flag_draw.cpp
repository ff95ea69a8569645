#include <cstdint>

#include "frame/game_ids.h"
#include "frame/log.h"
#include "game/flag.h"
#include "game/game_options.h"
#include "game/player.h"
#include "media/bitmap_draw.h"
#include "media/sprites.h"

namespace {

constexpr int flagSize = 32;

// Every pixel of pure red takes the team's colour; other reds stay.
void paintPureRed(BitmapWrapper& bitmap, ALLEGRO_COLOR colour)
{
    unsigned char r = 0, g = 0, b = 0, a = 0;
    al_unmap_rgba(colour, &r, &g, &b, &a);
    ALLEGRO_LOCKED_REGION* region =
        al_lock_bitmap(bitmap.bitmap, ALLEGRO_PIXEL_FORMAT_ABGR_8888_LE, ALLEGRO_LOCK_READWRITE);
    if (!region)
        return;
    for (int y = 0; y < bitmap.height(); ++y) {
        auto* row = static_cast<std::uint8_t*>(region->data) + y * region->pitch;
        for (int x = 0; x < bitmap.width(); ++x) {
            std::uint8_t* pixel = row + x * 4;
            if (pixel[0] == 255 && pixel[1] == 0 && pixel[2] == 0) {
                pixel[0] = r;
                pixel[1] = g;
                pixel[2] = b;
                pixel[3] = a;
            }
        }
    }
    al_unlock_bitmap(bitmap.bitmap);
}

}

void makeFlagFrames(Flag& flag)
{
    const ALLEGRO_COLOR transparent = al_map_rgba(0, 0, 0, 0);
    BitmapWrapper work(flagSize, flagSize, false);
    flag.frames.clear();
    for (int i = 0; i < SpriteId::FlagFrameCount; ++i) {
        setTargetAndClear(work, transparent);
        drawSprite(work.bitmap, SpriteId::FirstFlag + i, 0, 0, false);
        paintPureRed(work, flag.colour);
        auto frame = std::make_shared<BitmapWrapper>(flagSize, flagSize, true);
        setTargetAndClear(*frame, transparent);
        drawBitmapOnto(work, *frame, 0, 0, 255);
        flag.frames.push_back(std::move(frame));
    }
}

void Flag::draw(BitmapWrapper& target) const
{
    if (frames.empty())
        return;
    const int step = gameOptions.updateRateMultiplier * 3;
    const BitmapPtr& frame = frames[std::size_t(frameCounter / step) % frames.size()];
    int drawX = x;
    int drawY = y;
    if (const std::shared_ptr<Player> holder = carrier.lock()) {
        // Held up above the carrier's hand.
        const Vector2 attach = holder->drawPosition();
        drawX += attach.x - 12;
        drawY += attach.y - 31;
    }
    if (frame)
        drawBitmapOnto(*frame, target, drawX, drawY, 255);
}
