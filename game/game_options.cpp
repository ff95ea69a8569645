#include "game/game_options.h"

#include <fmt/format.h>

#include "frame/settings.h"

GameOptions gameOptions;
std::mt19937 levelRng;

int updateRateMultiplierFor(int rate)
{
    return (rate == 120 || rate == 144) ? 2 : 1;
}

namespace {

// An option whose value is one of a closed range of choices.
struct ChoiceField {
    const char* name;
    int GameOptions::*field;
    int lowest;
    int highest;
};

// The options the menus edit as a list of values, with the game mode and the
// level randomness; anything outside these ranges would index past a table.
const ChoiceField choiceFields[] = {
    {"arenaSize", &GameOptions::arenaSize, 0, 13},
    {"shrinkStyle", &GameOptions::shrinkStyle, 0, 3},
    {"shrinkSpeed", &GameOptions::shrinkSpeed, 0, 6},
    {"timeBeforeShrinking", &GameOptions::timeBeforeShrinking, 0, 4},
    {"gridBlocks", &GameOptions::gridBlocks, 0, 2},
    {"wallDensity", &GameOptions::wallDensity, 0, 21},
    {"powerupDensity", &GameOptions::powerupDensity, 0, 21},
    {"auctions", &GameOptions::auctions, 0, 3},
    {"aiSnakePreparationTime", &GameOptions::aiSnakePreparationTime, 0, 5},
    {"aiSnakeSpawnInterval", &GameOptions::aiSnakeSpawnInterval, 0, 5},
    {"randomness", &GameOptions::randomness, 0, 2},
    {"gameMode", &GameOptions::gameMode, 0, gameModeCount - 1},
    {"aiSnakeSpeed", &GameOptions::aiSnakeSpeed, 0, 10},
    {"aiSnakeAggressiveness", &GameOptions::aiSnakeAggressiveness, -1, 2},
};

// Counts that may be Auto (0) but never negative.
const ChoiceField countFields[] = {
    {"aiSnakeCount", &GameOptions::aiSnakeCount, 0, 1 << 30},
    {"maxAISnakesAtOnce", &GameOptions::maxAISnakesAtOnce, 0, 1 << 30},
};

bool inside(int value, int lowest, int highest)
{
    return value >= lowest && value <= highest;
}

std::string describe(const char* name, int value)
{
    return fmt::format("{} {}", name, value);
}

}

bool isTeamMode(int mode)
{
    return mode == 1 || mode == 2 || mode == 3 || mode == 6;
}

std::string findInvalidGameOption(const GameOptions& options)
{
    for (const ChoiceField& choice : choiceFields)
        if (!inside(options.*choice.field, choice.lowest, choice.highest))
            return describe(choice.name, options.*choice.field);
    for (const ChoiceField& count : countFields)
        if (!inside(options.*count.field, count.lowest, count.highest))
            return describe(count.name, options.*count.field);
    if (options.numPlayers < 1)
        return describe("numPlayers", options.numPlayers);
    if (!isValidUpdateRate(options.updateRate))
        return describe("updateRate", options.updateRate);
    if (!inside(options.updateRateMultiplier, 1, 2))
        return describe("updateRateMultiplier", options.updateRateMultiplier);

    if (options.resolvedArenaSize && !inside(*options.resolvedArenaSize, 1, 13))
        return describe("resolvedArenaSize", *options.resolvedArenaSize);
    if (options.resolvedShrinkStyle && !inside(*options.resolvedShrinkStyle, 1, 3))
        return describe("resolvedShrinkStyle", *options.resolvedShrinkStyle);
    // The shrinking arena steps every so many frames: a step of 0 frames would divide by zero.
    if (options.resolvedShrinkSpeed && *options.resolvedShrinkSpeed < 1)
        return describe("resolvedShrinkSpeed", *options.resolvedShrinkSpeed);
    if (options.resolvedTimeBeforeShrinking && *options.resolvedTimeBeforeShrinking < 0)
        return describe("resolvedTimeBeforeShrinking", *options.resolvedTimeBeforeShrinking);
    if (options.resolvedWallDensity && !inside(*options.resolvedWallDensity, 0, 100))
        return describe("resolvedWallDensity", *options.resolvedWallDensity);
    if (options.resolvedPowerupDensity && !inside(*options.resolvedPowerupDensity, 0, 100))
        return describe("resolvedPowerupDensity", *options.resolvedPowerupDensity);
    if (options.resolvedAuctionInterval && *options.resolvedAuctionInterval < 0)
        return describe("resolvedAuctionInterval", *options.resolvedAuctionInterval);
    return {};
}

std::vector<std::string> resetInvalidGameOptions(GameOptions& options)
{
    const GameOptions defaults;
    std::vector<std::string> changed;
    auto reset = [&](const ChoiceField& choice) {
        int& value = options.*choice.field;
        if (inside(value, choice.lowest, choice.highest))
            return;
        changed.push_back(describe(choice.name, value));
        value = defaults.*choice.field;
    };
    for (const ChoiceField& choice : choiceFields)
        reset(choice);
    for (const ChoiceField& count : countFields)
        reset(count);
    return changed;
}
