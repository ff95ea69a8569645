#pragma once
#include <filesystem>

// Placeholder asset files for tests and benchmarks: sprites in the colours the
// drawing code expects (magenta key, base grey with darker shading, black
// details, a one-pixel transparent margin), the font, the shaders and the icon.

// Installs the Allegro system and the image addon that writing them needs.
void ensurePlaceholderWriter();

// A sprite-like image of the given size at `path` (format from the extension).
void writePlaceholderImage(const std::filesystem::path& path, int width, int height);

// A complete working folder for the program: every sprite under "gfx" at the
// size the drawing code expects, "fonts/OCRA.ttf", the shaders and
// "tamwick.png", with the generated sounds and music when the build has made them.
void writePlaceholderRunFolder(const std::filesystem::path& folder);

// True when every sprite can be found below `folder` and the font and shaders are there.
bool hasCompleteAssets(const std::filesystem::path& folder);
