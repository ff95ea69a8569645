#pragma once
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "game/game.h"
#include "game/toast.h"

// A timed toast's text, place, movement, life and font, checked in one go.
inline void expectToast(const Toast& toast, const std::string& text, float x, float y, float dx, float dy,
                        int frames, ToastFont font)
{
    const auto* timed = dynamic_cast<const TimedToast*>(&toast);
    ASSERT_NE(timed, nullptr) << text;
    EXPECT_EQ(std::tuple(timed->text, timed->x, timed->y, timed->dx, timed->dy, timed->framesLeft),
              std::tuple(text, x, y, dx, dy, frames));
    EXPECT_EQ(timed->font, font) << text;
}

// The text of the round's newest toast, empty when there is none.
inline std::string lastToastText(const Game& game)
{
    return game.toasts.empty() ? "" : game.toasts.back()->text;
}
