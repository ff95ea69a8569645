#pragma once
#include <atomic>
#include <thread>

// The background thread that fades out pushed-aside sound instances and frees
// them once they have finished.
extern std::atomic<bool> sampleThreadStop;
extern std::thread sampleThread;

// Each pass multiplies a fading instance's gain by this.
inline constexpr float fadingGainFactor = 0.9f;

// Starts the thread unless it runs already.
void startSampleThread();
// Asks the thread to stop and joins it; a no-op when it never started.
void stopSampleThread();
