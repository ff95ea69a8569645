#pragma once
#include "canvas.h"

#include <string>

// Where each sprite lives below the run folder, what size it has and how it is
// stored. The names come from the game's own sprite-name table.
struct SpriteLayout {
    std::string folder; // relative to the run folder, e.g. "gfx/bombs"
    int width = 32;
    int height = 32;
    bool photo = false; // 640x480 JPEG instead of a PNG with the transparency key
};

SpriteLayout spriteLayout(int id);
std::string spriteFileName(int id); // folder + "/" + name + extension

enum class SpriteGroup { Misc, Bomb, Flame, RollingBomb, Title, Snail, Powerup, Flag, Arena, Body, Head, Photo };
SpriteGroup spriteGroup(int id);

// Draws sprite `id`. Every group lives in its own source file.
Canvas makeSprite(int id, Fonts& fonts);

Canvas makeMiscSprite(int id, Fonts& fonts);     // logo, crest, trophy, title, snails
Canvas makeBombSprite(int id);                   // fuse frames, flames, rolling bombs
Canvas makePowerupSprite(int id, Fonts& fonts);  // powerup tiles
Canvas makeArenaSprite(int id);                  // flags, walls and blocks
Canvas makeBodySprite(int id);                   // bodies
Canvas makeHeadSprite(const std::string& name);  // heads
Canvas makePhoto(int id, Fonts& fonts);          // loot-box photographs
Canvas makeIcon();                               // the window icon

// Loot-box item key and caption of a photograph sprite (ids 229..258).
struct PhotoInfo {
    const char* key;
    const char* caption;
};
PhotoInfo photoInfo(int id);

// Shared pieces.
void drawBomb(Canvas& c, float cx, float cy, float r, bool highlight = true);
