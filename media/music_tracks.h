#pragma once
#include <memory>

#include "media/music.h"

inline constexpr const char* menuMusicTrack = "music/Zoo.ogg";
inline constexpr const char* trophyMusicTrack = "music/Who Likes To Party.ogg";

// Each starts its track on the music mixer, looping. A track that cannot be
// streamed is logged and gives silence (NoMusic) instead.

// One of the two in-game tracks, chosen with rand().
std::shared_ptr<Music> startGameMusic();
// The menu track.
std::shared_ptr<Music> startMusicTrack();
// The trophy-room track.
std::shared_ptr<Music> startTrophyMusic();
