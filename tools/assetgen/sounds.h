#pragma once
#include <string>
#include <vector>

// Synthesises the sound effect named `name` (one of the game's sound names).
std::vector<float> makeSound(const std::string& name);

// The music tracks: file name (without folder) and the generator.
struct TrackInfo {
    const char* fileName;
};
const std::vector<TrackInfo>& musicTracks();
// Renders track `index` to an Ogg Vorbis file at `path`.
void writeMusicTrack(int index, const std::string& path);
