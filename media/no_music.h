#pragma once
#include "media/music.h"

// Silence: stands in where no music can or should play.
class NoMusic : public Music {
public:
    void setVolume(int) override {}
    void fadeTo(float, int) override {}
    void stop() override {}
};
