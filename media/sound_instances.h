#pragma once
#include <array>
#include <deque>
#include <mutex>
#include <unordered_set>

#include "frame/names.h"
#include "media/sample_instance.h"

using SampleInstanceSet = std::unordered_set<SampleInstance, SampleInstanceHash>;

// How many instances of one sound play at full gain; a newer one pushes the
// oldest aside to fade out.
inline constexpr std::size_t maxLiveInstances = 3;

// Per sound id, the instances started by playSound, oldest first.
extern std::array<std::deque<SampleInstance>, soundCount> liveInstances;
// Instances pushed aside, fading until they finish playing.
extern SampleInstanceSet fadingInstances;
// Guards liveInstances and fadingInstances. playSound blocks on it; the sample
// update thread only ever tries it.
extern std::mutex soundMutex;

// Removes and destroys every instance of the set that has stopped playing;
// returns how many went. The caller holds soundMutex.
int releaseFinishedSamples(SampleInstanceSet& instances);

// Destroys every live and fading instance.
void destroyAllInstances();

// The gain, pan and speed factor playSound gives an instance.
float soundGain(int volume);
float soundPan(int pan);
float soundSpeed(int speed);
