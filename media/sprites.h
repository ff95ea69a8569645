#pragma once
#include <allegro5/allegro.h>
#include <array>
#include <optional>
#include <string>

#include "frame/names.h"

// One bitmap per sprite id; null until loaded. Sprites live until shutdown.
extern std::array<ALLEGRO_BITMAP*, spriteCount> sprites;

// Loads every sprite except the lazily loaded photographs (no id), or the one
// sprite `spriteId`. Magenta (255, 0, 255) becomes transparent.
void loadBitmaps(std::optional<int> spriteId);
// The sprite's bitmap, width and height, loading it first when needed.
ALLEGRO_BITMAP* getBitmap(int spriteId);
int spriteWidth(int spriteId);
int spriteHeight(int spriteId);
// Throws "Sprite id out of range: N" unless 0 <= id < spriteCount.
void checkSpriteId(int spriteId);
// The id of the sprite with this name; throws "Unknown sprite: " + name.
int spriteIdByName(const std::string& name);
// Releases every loaded sprite (orderly shutdown).
void destroySprites();
