#pragma once
#include <filesystem>
#include <string>

#include "support/temp_folder.h"

// Writes a 16-bit mono 44.1 kHz PCM WAV holding a sine tone.
void writeWav(const std::filesystem::path& path, double seconds, double frequency);
// Encodes a stereo 44.1 kHz Ogg Vorbis file holding a sine tone.
void writeOgg(const std::filesystem::path& path, double seconds, double frequency);

// Lengths of the test effects: most are short, Gong2 is long enough to still be
// playing while a test looks at it, Blart ends almost at once.
double testEffectSeconds(int soundId);
inline constexpr int longSoundId = 9;  // Gong2
inline constexpr int shortSoundId = 1; // Blart

// Length of every test music track.
inline constexpr double testMusicSeconds = 0.5;

// A folder holding newSound/<name>.wav for every effect and the four music tracks.
class AudioFolder {
public:
    AudioFolder();
    const std::filesystem::path& path() const { return folder_.path(); }

private:
    TempFolder folder_;
};

// Makes a folder the working folder for the guard's lifetime.
class WorkingFolder {
public:
    explicit WorkingFolder(const std::filesystem::path& folder);
    ~WorkingFolder();
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;

private:
    std::filesystem::path previous_;
};

// Installs sound once for the test program from a folder of test files, as
// start-up does (effects at 60 %, music at 100 %). Returns that folder, which
// lives until the program ends.
const std::filesystem::path& installTestSound();
