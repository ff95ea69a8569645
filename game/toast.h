#pragma once
#include <memory>
#include <string>

// Which font a toast is drawn in; the rules name it, the drawing resolves it.
enum class ToastFont { Default, Large };

// A text that floats over the arena.
class Toast {
public:
    Toast(std::string text, float x, float y, float dx, float dy, ToastFont font);
    virtual ~Toast() = default;
    // Moves the toast; true once it has expired. A plain toast never expires.
    virtual bool update();

    std::string text;
    float x = 0;      // centre of the text's line
    float y = 0;
    float dx = 0;     // movement per update
    float dy = 0;
    ToastFont font = ToastFont::Default;
};

// A toast that expires after a number of updates.
class TimedToast : public Toast {
public:
    TimedToast(std::string text, float x, float y, float dx, float dy, int frames, ToastFont font);
    bool update() override;

    int framesLeft = 0;
};

// A toast that carries points to a team: they reach the team's displayed score
// when the toast lands (or when the round ends first).
class DisplayScoreToast : public TimedToast {
public:
    DisplayScoreToast(int teamIndex, int amount, float x, float y, float dx, float dy, int frames);
    ~DisplayScoreToast() override;

    int teamIndex = -1;   // index into `teams`; checked when paying out
    int amount = 0;
};

// The timed toasts of the rules.
std::unique_ptr<Toast> makeTimedToast(const char* text, int x, int y, int dx, int dy, int frames,
                                      ToastFont font);
// 90 updates in the default font.
std::unique_ptr<Toast> makeTimedToastFromText(const std::string& text, int x, int y, float dx, float dy);
