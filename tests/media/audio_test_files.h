#pragma once
#include <filesystem>

// Lengths of the test effects: most are short, Gong2 is long enough to still be
// playing while a test looks at it, Blart ends almost at once.
inline constexpr int longSoundId = 9;  // Gong2
inline constexpr int shortSoundId = 1; // Blart
// Length of every test music track.
inline constexpr double testMusicSeconds = 0.5;

// Writes newSound/<name>.wav for every effect (16-bit mono 44.1 kHz tones) and
// the four music tracks (stereo Ogg Vorbis tones) into `folder`.
void writeTestAudio(const std::filesystem::path& folder);

// An Ogg Vorbis file cut after its header pages: well formed, no audio.
void writeSilentOgg(const std::filesystem::path& path);

// Installs sound once for the test program from a folder of test files, as
// start-up does (effects at 60 %, music at 100 %). Returns that folder, which
// lives until the program ends.
const std::filesystem::path& installTestSound();
