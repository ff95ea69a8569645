#include "sprites.h"

#include "frame/names.h"

#include <stdexcept>

SpriteGroup spriteGroup(int id)
{
    if (id == 34)
        return SpriteGroup::Title;
    if (id <= 2)
        return SpriteGroup::Misc;
    if (id <= 23)
        return SpriteGroup::Bomb;
    if (id <= 29)
        return SpriteGroup::Flame;
    if (id <= 33)
        return SpriteGroup::RollingBomb;
    if (id <= 36)
        return SpriteGroup::Snail;
    if (id <= 53)
        return SpriteGroup::Powerup;
    if (id <= 59)
        return SpriteGroup::Flag;
    if (id <= 72)
        return SpriteGroup::Arena;
    if (id <= 96)
        return SpriteGroup::Body;
    if (id <= 228)
        return SpriteGroup::Head;
    return SpriteGroup::Photo;
}

SpriteLayout spriteLayout(int id)
{
    if (id < 0 || id >= spriteCount)
        throw std::out_of_range("no sprite " + std::to_string(id));
    switch (spriteGroup(id)) {
    case SpriteGroup::Misc:
        if (id == 0)
            return {"gfx/titles", 256, 128, false};
        if (id == 1)
            return {"gfx/titles", 64, 64, false};
        return {"gfx/titles", 32, 32, false};
    case SpriteGroup::Title:
        return {"gfx/titles", 1000, 200, false};
    case SpriteGroup::Bomb:
    case SpriteGroup::Flame:
    case SpriteGroup::RollingBomb:
        return {"gfx/bombs", 32, 32, false};
    case SpriteGroup::Snail:
        return {"gfx/players", 32, 44, false};
    case SpriteGroup::Powerup:
        return {"gfx/powerups", 32, 32, false};
    case SpriteGroup::Flag:
        return {"gfx/flags", 32, 32, false};
    case SpriteGroup::Arena:
        return {"gfx/arena", 32, 32, false};
    case SpriteGroup::Body:
        return {"gfx/players", 32, 32, false};
    case SpriteGroup::Head:
        return {"gfx/heads", 32, spriteNames[id].find("Crawl") != std::string::npos ? 32 : 28, false};
    case SpriteGroup::Photo:
        return {"gfx/lootbox", 640, 480, true};
    }
    throw std::logic_error("unreachable");
}

std::string spriteFileName(int id)
{
    SpriteLayout layout = spriteLayout(id);
    return layout.folder + "/" + spriteNames[id] + (layout.photo ? ".jpg" : ".png");
}

Canvas makeSprite(int id, Fonts& fonts)
{
    switch (spriteGroup(id)) {
    case SpriteGroup::Misc:
    case SpriteGroup::Title:
    case SpriteGroup::Snail:
        return makeMiscSprite(id, fonts);
    case SpriteGroup::Bomb:
    case SpriteGroup::Flame:
    case SpriteGroup::RollingBomb:
        return makeBombSprite(id);
    case SpriteGroup::Powerup:
        return makePowerupSprite(id, fonts);
    case SpriteGroup::Flag:
    case SpriteGroup::Arena:
        return makeArenaSprite(id);
    case SpriteGroup::Body:
        return makeBodySprite(id);
    case SpriteGroup::Head:
        return makeHeadSprite(spriteNames[id]);
    case SpriteGroup::Photo:
        return makePhoto(id, fonts);
    }
    throw std::logic_error("unreachable");
}
