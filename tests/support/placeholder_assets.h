#pragma once
#include <filesystem>
#include <string>
#include <vector>

// Stand-in asset files for tests and benchmarks: sprites in the colours the
// drawing code expects (magenta key, base grey with darker shading, black
// details, a one-pixel transparent margin), the font, the shaders and the icon.
// Needs the Allegro system and the image addon (ensurePlaceholderWriter does both).

void ensurePlaceholderWriter();

// A sprite-like image of the given size at `path` (format from the extension).
void writePlaceholderImage(const std::filesystem::path& path, int width, int height);

// The size the drawing code expects for a sprite of that name.
void placeholderSpriteSize(const std::string& name, int& width, int& height);

// <folder>/<subfolder>/<name>.png for every name given.
void writePlaceholderSprites(const std::filesystem::path& folder, const std::string& subfolder,
                             const std::vector<std::string>& names);

// A complete working folder for the program: every sprite under "gfx",
// "fonts/OCRA.ttf", the shaders and "tamwick.png", with the generated sounds
// and music when the build has made them.
void writePlaceholderRunFolder(const std::filesystem::path& folder);

// True when every sprite can be found below `folder` and the font and shaders are there.
bool hasCompleteAssets(const std::filesystem::path& folder);
