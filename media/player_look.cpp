#include "media/player_look.h"

#include <algorithm>

#include "frame/lookup_tables.h"
#include "media/colour.h"
#include "media/head_sets.h"
#include "media/palette.h"

namespace {

constexpr int maxDraws = 20;
// From this draw on, each miss lets the next draw reach one palette entry further.
constexpr int widenAfterDraw = 12;
constexpr int firstColourChoices = 6;

std::mt19937& lookEngine()
{
    static std::mt19937 rng{std::random_device{}()};
    return rng;
}

int positiveModulo(int value, int divisor)
{
    int m = value % divisor;
    return m < 0 ? m + divisor : m;
}

}

void randomPlayerColour(PlayerLook& look)
{
    static std::mt19937 rng{std::random_device{}()};
    std::vector<RGB> palette = buildColourPalette();
    std::uniform_int_distribution<std::size_t> pick(0, palette.size() - 1);
    look.colour = toColour(palette[pick(rng)]);
}

PlayerLook randomUnusedPlayerLook(const std::vector<PlayerLook>& humanLooks)
{
    return randomUnusedPlayerLook(humanLooks, lookEngine());
}

PlayerLook randomUnusedPlayerLook(const std::vector<PlayerLook>& humanLooks, std::mt19937& rng)
{
    std::uniform_int_distribution<std::size_t> pickHead(0, headPool.size() - 1);
    int head = 0;
    for (int draw = 1; draw <= maxDraws; ++draw) {
        head = headPool[pickHead(rng)];
        if (draw == maxDraws)
            break;
        bool taken = std::any_of(humanLooks.begin(), humanLooks.end(),
                                 [&](const PlayerLook& look) { return look.head == head; });
        if (!taken)
            break;
    }

    std::vector<RGB> palette = buildColourPalette();
    int last = int(palette.size()) - 1;
    int n = std::min(last, firstColourChoices);
    int index = 0;
    for (int draw = 1; draw <= maxDraws; ++draw) {
        index = std::uniform_int_distribution<int>(0, n)(rng);
        if (draw >= widenAfterDraw)
            n = std::min(last, n + 1);
        if (draw == maxDraws)
            break;
        ALLEGRO_COLOR colour = toColour(palette[index]);
        bool taken = std::any_of(humanLooks.begin(), humanLooks.end(),
                                 [&](const PlayerLook& look) { return sameColour(look.colour, colour); });
        if (!taken)
            break;
    }

    PlayerLook look;
    look.head = head % headSetCount;
    look.variant = 0;
    look.colour = toColour(palette[index]);
    return look;
}

PlayerLook playerLookForIndex(int i)
{
    std::vector<RGB> palette = buildColourPalette();
    int k = positiveModulo(i, 100);
    PlayerLook look;
    look.head = k % headSetCount;
    look.variant = 0;
    look.colour = toColour(palette[k % palette.size()]);
    return look;
}

void nextHeadIndex(int& head)
{
    head = positiveModulo(head + 1, headSetCount);
}
