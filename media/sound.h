#pragma once

// Installs audio and starts the sample update thread; failures are fatal.
void installSound(int effectsVolume, int musicVolume);
// Stops and joins the sample update thread.
void shutdownSound();
