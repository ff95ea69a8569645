#include "menus/trophy_jump.h"

#include <cstdlib>
#include <numbers>

namespace {

constexpr float gravity = 0.1f;
constexpr float tumbleSpin = 0.06f;
constexpr float fullTurn = 2.0f * std::numbers::pi_v<float>;
constexpr float vxLow = -2.0f, vxHigh = 2.0f;
constexpr float vyLow = -6.0f, vyHigh = -3.0f;
// A bounce that would rise slower than this gets a fresh leap.
constexpr float weakestBounce = -5.0f;
constexpr float freshBounceScale = 1.5f;

float uniform(std::mt19937& rng, float lo, float hi)
{
    return lo + std::generate_canonical<float, 24>(rng) * (hi - lo);
}

}

TrophyJump championLeap(std::mt19937& rng)
{
    TrophyJump jump;
    jump.vx = uniform(rng, vxLow, vxHigh);
    jump.vy = uniform(rng, vyLow, vyHigh);
    jump.spin = 0;
    return jump;
}

void moveTrophyJump(TrophyJump& jump, int width, int height, std::mt19937& rng)
{
    const float before = jump.vy;
    jump.vy += gravity;
    // At the top of a leap a player that is not turning starts to tumble.
    if (before < 0 && jump.vy >= 0 && jump.spin == 0)
        jump.spin = (std::rand() & 1) ? tumbleSpin : -tumbleSpin;
    jump.x += jump.vx;
    jump.y += jump.vy;
    jump.angle += jump.spin;
    if ((jump.spin > 0 && jump.angle >= fullTurn) || (jump.spin < 0 && jump.angle <= -fullTurn)) {
        jump.angle = 0;
        jump.spin = 0;
    }
    if (jump.y >= float(height)) {
        jump.vy = -jump.vy;
        if (jump.vy > weakestBounce)
            jump.vy = uniform(rng, vyLow, vyHigh) * freshBounceScale;
    }
    if (jump.x < 0 || jump.x > float(width))
        jump.vx = -jump.vx;
}
