#include "game/toast.h"

#include <fmt/format.h>
#include <stdexcept>

#include "game/game.h"
#include "game/player.h"
#include "game/round_state.h"
#include "game/team.h"

Toast::Toast(std::string text_, float x_, float y_, float dx_, float dy_, ToastFont font_)
    : text(std::move(text_)), x(x_), y(y_), dx(dx_), dy(dy_), font(font_)
{
}

bool Toast::update()
{
    x += dx;
    y += dy;
    return false;
}

TimedToast::TimedToast(std::string text_, float x_, float y_, float dx_, float dy_, int frames,
                       ToastFont font_)
    : Toast(std::move(text_), x_, y_, dx_, dy_, font_), framesLeft(frames)
{
}

bool TimedToast::update()
{
    Toast::update();
    --framesLeft;
    return framesLeft < 1;
}

DisplayScoreToast::DisplayScoreToast(int teamIndex_, int amount_, float x_, float y_, float dx_,
                                     float dy_, int frames)
    : TimedToast(fmt::format("{}", amount_), x_, y_, dx_, dy_, frames, ToastFont::Default),
      teamIndex(teamIndex_), amount(amount_)
{
}

DisplayScoreToast::~DisplayScoreToast()
{
    // The points land when the toast does; a team that no longer exists gets nothing.
    if (Team* team = teamAt(teamIndex))
        team->displayedScore += amount;
}

std::unique_ptr<Toast> makeTimedToast(const char* text, int x, int y, int dx, int dy, int frames,
                                      ToastFont font)
{
    return std::make_unique<TimedToast>(text, float(x), float(y), float(dx), float(dy), frames, font);
}

std::unique_ptr<Toast> makeTimedToastFromText(const std::string& text, int x, int y, float dx, float dy)
{
    return std::make_unique<TimedToast>(text, float(x), float(y), dx, dy, 90, ToastFont::Default);
}

void Game::addToast(std::unique_ptr<Toast> toast)
{
    if (toasts.size() >= toasts.max_size())
        throw std::length_error("list too long");
    toasts.push_back(std::move(toast));
}

void Game::addScoreToast(int amount, const std::shared_ptr<Player>& scorer, int teamIndex)
{
    Team* team = teamAt(teamIndex);
    if (!team)
        return;
    if (!scorer) {
        // Nothing to fly from: the points show at once.
        team->displayedScore += amount;
        return;
    }
    const float startX = float(scorer->x + 16);
    const float startY = float(scorer->y + 16);
    const float endX = float(team->home.x * 32 + 16);
    const float endY = float(team->home.y * 32 + 16);
    const int frames = scoreToastFrames;
    addToast(std::make_unique<DisplayScoreToast>(teamIndex, amount, startX, startY,
                                                 (endX - startX) / float(frames),
                                                 (endY - startY) / float(frames), frames));
}

void Game::updateToasts()
{
    for (auto it = toasts.begin(); it != toasts.end();) {
        if ((*it)->update())
            it = toasts.erase(it);
        else
            ++it;
    }
}
