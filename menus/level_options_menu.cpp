#include "menus/level_options_menu.h"

#include "frame/game_ids.h"
#include "frame/names.h"
#include "game/game_options.h"

namespace {

// Powerup ids the selection lists: every real powerup but Death.
constexpr int firstListedPowerup = 1;
constexpr int lastListedPowerup = 21;
constexpr int unlistedPowerup = 9;
// The four "?" powerups show what they are only once picked up.
constexpr int firstQuestionPowerup = 17;
constexpr int lastQuestionPowerup = 20;

std::unique_ptr<TamwickMenu> newMenu(const TamwickMenuLayoutOptions& layout)
{
    return std::make_unique<TamwickMenu>(&layout, noMenuCloseAction);
}

}

std::unique_ptr<TamwickMenu> levelOptionsMenu(MenuContext& context)
{
    auto menu = newMenu(defaultMenuLayout);
    const int x = context.entryX;
    menu->addHeading(context.headingX, "Level options");
    menu->addEnum(x, "Randomness", &gameOptions.randomness, 0, 2, context.noneSomeLotsNames);
    menu->addEnum(x, "Randomness increase", &gameOptions.randomnessIncrease, 0, 2, context.noneSomeLotsNames);
    menu->addEnum(x, "Grid Blocks", &gameOptions.gridBlocks, 0, 2, context.autoOffOnNames);
    menu->addEnum(x, "Wall density", &gameOptions.wallDensity, 0, 21, context.densityNames);
    menu->addEnum(x, "Powerup density", &gameOptions.powerupDensity, 0, 21, context.densityNames);
    menu->addEnum(x, "Time before shrinking", &gameOptions.timeBeforeShrinking, 0, 4, makeNames(shrinkDelayNames));
    menu->addEnum(x, "Shrink speed", &gameOptions.shrinkSpeed, 0, 6, makeNames(shrinkSpeedNames));
    menu->addEnum(x, "Shrink style", &gameOptions.shrinkStyle, 0, 3, makeNames(shrinkStyleNames));
    menu->addSpace();
    menu->addAction(x, "Player options", [&context] { context.push(playerOptionsMenu(context)); });
    menu->addAction(x, "Snake Hunter options", [&context] { context.push(snakeHunterOptionsMenu(context)); });
    menu->addAction(x, "Customise powerups", [&context] { context.push(customisePowerupsMenu(context)); });
    menu->addSpace();
    context.addBack(*menu);
    return menu;
}

std::unique_ptr<TamwickMenu> playerOptionsMenu(MenuContext& context)
{
    auto menu = newMenu(defaultMenuLayout);
    const int x = context.entryX;
    menu->addHeading(context.headingX, "Player options");
    // Speeds 1 to 3; there is no speed 0 to show.
    menu->addEnum(x, "Initial player speed", &gameOptions.initialPlayerSpeed, 1, 3,
                  makeNames({"", "Slow", "Normal", "Fast"}));
    menu->addBool(x, "Start with shield", &gameOptions.startWithShield, context.offOnNames);
    menu->addBool(x, "Start as snake", &gameOptions.startAsSnake, context.offOnNames);
    // Set, these give the short fuse: the delay is "Off".
    menu->addBool(x, "Rocket explosion delay", &gameOptions.rocketDelay, context.onOffNames);
    menu->addBool(x, "Remote Control explosion delay", &gameOptions.remoteControlDelay, context.onOffNames);
    menu->addInt(x, "Respawn time", &gameOptions.respawnTime, 1, 30, 1);
    menu->addSpace();
    context.addBack(*menu);
    return menu;
}

std::unique_ptr<TamwickMenu> snakeHunterOptionsMenu(MenuContext& context)
{
    auto menu = newMenu(defaultMenuLayout);
    const int x = context.entryX;
    const NameList counts = makeNames(countNames);
    const NameList timings = makeNames(snakeTimingNames);
    menu->addHeading(context.headingX, "Snake Hunter options");
    menu->addEnum(x, "Number of snakes", &gameOptions.aiSnakeCount, 0, 10, counts);
    menu->addEnum(x, "Max snakes at once", &gameOptions.maxAISnakesAtOnce, 0, 10, counts);
    menu->addEnum(x, "Preparation time", &gameOptions.aiSnakePreparationTime, 0, 5, timings);
    menu->addEnum(x, "Spawn interval", &gameOptions.aiSnakeSpawnInterval, 0, 5, timings);
    menu->addInt(x, "Aggressiveness", &gameOptions.aiSnakeAggressiveness, -1, 2, 1);
    menu->addEnum(x, "Speed", &gameOptions.aiSnakeSpeed, 0, 10, counts);
    menu->addInt(x, "Starting length", &gameOptions.aiSnakeStartLength, 4, 16, 1);
    menu->addInt(x, "Target length", &gameOptions.aiSnakeTargetLength, 4, 30, 1);
    menu->addInt(x, "Major stun time (head)", &gameOptions.majorStunTime, 0, 600, 1);
    menu->addInt(x, "Minor stun time (body)", &gameOptions.minorStunTime, 0, 600, 1);
    menu->addBool(x, "Respawn walls", &gameOptions.respawningWalls.at(GameMode::SnakeHunter).enabled,
                  context.offOnNames);
    menu->addSpace();
    context.addBack(*menu);
    return menu;
}

std::unique_ptr<TamwickMenu> customisePowerupsMenu(MenuContext& context)
{
    auto menu = newMenu(listMenuLayout);
    menu->addHeading(context.headingX, "Customise powerups");
    for (int id = firstListedPowerup; id <= lastListedPowerup; ++id) {
        if (id == unlistedPowerup)
            continue;
        std::string label = powerupDisplayNames.at(std::size_t(id));
        if (id >= firstQuestionPowerup && id <= lastQuestionPowerup)
            label += " (question)";
        // A disabled powerup shows "Off" and leaves the random pool.
        menu->addBool(context.entryX, label, &gameOptions.powerupsDisabled.at(std::size_t(id)),
                      context.onOffNames);
    }
    menu->addSpace();
    context.addBack(*menu);
    return menu;
}
