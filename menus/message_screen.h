#pragma once
#include <string>
#include <vector>

// Centred lines that wait for `key` (true) or, unless -1, `secondKey` (false).
bool msgScreen(std::vector<std::string> lines, int key, int secondKey);
// The lines drawn centred onto the screen bitmap, the last at half height.
void msgScreenDraw(std::vector<std::string> lines);
// The drawing stress test with the file-stream timings.
void profile();

// The message screen's state; msgScreen runs it on the screen loop. A key
// held as the screen opens never answers it: it counts once let go and
// pressed again.
class MessageScreen {
public:
    MessageScreen(std::vector<std::string> lines, int key, int secondKey);

    void update();
    void render();
    bool done() const { return first_ || second_; }
    // True when `key` ended the screen (also when both came in one update).
    bool result() const { return first_; }

private:
    std::vector<std::string> lines_;
    int key_;
    int secondKey_;
    bool opened_ = false;
    bool first_ = false;
    bool second_ = false;
};

// The profiling screen: thousands of sprites a frame under the timing
// overlay, and the file-stream timings; ends on an Escape (or button 2) press.
class ProfileScreen {
public:
    ProfileScreen(double unbufferedSeconds, double bufferedSeconds);

    void update();
    void render();
    bool done() const { return done_; }

private:
    double unbuffered_;
    double buffered_;
    bool done_ = false;
};
