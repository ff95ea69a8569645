#pragma once

// Music playing behind a screen, held by shared pointer. Volumes are 0..255.
class Music {
public:
    virtual ~Music();
    virtual void setVolume(int volume) = 0;
    // Changes the volume gradually over `seconds`, without making the caller wait.
    virtual void fadeTo(float seconds, int volume) = 0;
    virtual void stop() = 0;
};
