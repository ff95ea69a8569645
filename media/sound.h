#pragma once
#include <allegro5/allegro_audio.h>

#include <array>
#include <map>
#include <string>
#include <vector>

#include "frame/names.h"

// The fixed audio graph: one voice, a main mixer on it, and under the main
// mixer one mixer for sound effects and one for music.
inline constexpr int effectsMixerKey = 0;
inline constexpr int musicMixerKey = 1;

extern ALLEGRO_VOICE* soundVoice;
extern ALLEGRO_MIXER* mainMixer;
// Key 0 the effects mixer, key 1 the music mixer.
extern std::map<int, ALLEGRO_MIXER*> mixers;
// The last volume set per mixer key, in percent (0..100).
extern std::map<int, int> mixerVolumes;

// One sample per sound id (the index into soundNames), loaded at installation.
extern std::array<ALLEGRO_SAMPLE*, soundCount> samples;

// The two in-game music tracks, stored when sound is installed.
extern std::vector<std::string> gameMusicTracks;

// Installs audio, builds the mixers, loads every sound effect and starts the
// sample update thread. Any failure ends the program through fatalError.
void installSound(int effectsVolume, int musicVolume);

// Stops and joins the sample update thread and releases every instance and
// sample. A no-op when sound was never installed; safe to call twice.
void shutdownSound();

// Plays a sound effect: volume 0..255, pan 0..255 (128 is the centre, no
// panning), speed with 1000 normal. At most three instances of one sound play
// at full gain; older ones are faded out. Unknown ids are logged and ignored.
void playSound(int soundId, int volume, int pan, int speed);

// Volume of a mixer in percent; applied at once and remembered.
void setMixerVolume(int mixerKey, int volume);
// The last volume set for a mixer, 0 when none was.
int getMixerVolume(int mixerKey);
// The mixer for a key, or null when sound is not installed.
ALLEGRO_MIXER* getMixer(int mixerKey);
