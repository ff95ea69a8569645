#pragma once
#include <optional>

// Loads every sprite (no id) or the one sprite named by `spriteId`.
void loadBitmaps(std::optional<int> spriteId);
void createShaders();
void destroyShaders();
