#pragma once

// Drops every cached composed player sprite.
void clearPlayerSpriteCache();
