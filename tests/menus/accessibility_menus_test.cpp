#include <gtest/gtest.h>

#include "frame/app_globals.h"
#include "frame/config.h"
#include "frame/config_option.h"
#include "frame/display/display.h"
#include "frame/settings.h"
#include "media/bitmap_wrapper.h"
#include "media/palette.h"
#include "menus/accessibility_menu.h"
#include "menus/colour_menus.h"
#include "menus/update_rate_menu.h"
#include "menu_test_environment.h"
#include "support/allegro_environment.h"

namespace {

using Texts = std::vector<std::string>;

class AccessibilityMenus : public ::testing::Test {
protected:
    TamwickMenu& top() { return *env.context.stack.back(); }

    MenuTestEnvironment env;
};

TEST_F(AccessibilityMenus, EntriesValuesAndAnOutOfRangeBackground)
{
    accessibilitySettings = AccessibilitySettings{};
    accessibilityMenu(env.context);
    const Texts texts = env.texts(top());
    EXPECT_EQ(texts, (Texts{"Accessibility settings", "In-game background colour: Green", "Edit team colours",
                            "Edit player colours", "Outline around players: Off", "Edit player outline colour",
                            "Recolour bombs: Off", "Edit bomb colour", "Ghost opacity (0=invisible, max 255): 64",
                            "Flashing background settings", "Slow motion options",
                            "Save/load accessibility settings", "Note: player/team colours and slow",
                            "motion options are not saved",
                            std::string("Auto-load on startup: ") + (autoLoad.get() ? "On" : "Off"), "Load", "Save",
                            "Reset to defaults", "Back"}));
    env.select(top(), "In-game background colour");
    env.tap(top(), ALLEGRO_KEY_LEFT);
    EXPECT_EQ(env.textOf(top(), 1), "In-game background colour: Black");
    // From an edited file: shown as the number, drawn, and stepped back in.
    accessibilitySettings.bgcol = 7;
    EXPECT_EQ(env.textOf(top(), 1), "In-game background colour: 7");
    BitmapWrapper canvas(env.canvas(), false);
    top().draw(canvas);
    env.tap(top(), ALLEGRO_KEY_RIGHT);
    EXPECT_EQ(accessibilitySettings.bgcol, 0);

    // Ghost opacity: 0, 16, ..., 240, then past 255 back to 0.
    accessibilitySettings.ghostOpacity = 0;
    env.select(top(), "Ghost opacity");
    for (int i = 0; i < 15; ++i)
        env.tap(top(), ALLEGRO_KEY_RIGHT);
    EXPECT_EQ(accessibilitySettings.ghostOpacity, 240);
    env.tap(top(), ALLEGRO_KEY_RIGHT);
    EXPECT_EQ(accessibilitySettings.ghostOpacity, 0);
    EXPECT_TRUE(env.savedKeys().empty()) << "changes stay in memory until Save";
}

// Reset restores a fresh install's choices: a green background, not black.
TEST_F(AccessibilityMenus, SaveLoadResetAndAutoLoad)
{
    accessibilityMenu(env.context);
    TamwickMenu& menu = top();
    accessibilitySettings = {3, 80, true, true, {1, 2, 3}, {4, 5, 6}, false};
    env.choose(menu, "Save");
    const std::map<std::string, std::string> saved{
        {"accessibility/bgcol", "3"},         {"accessibility/ghostOpacity", "80"},
        {"accessibility/outlineEnabled", "1"}, {"accessibility/recolourBombs", "1"},
        {"accessibility/outlineCol", "1 2 3"}, {"accessibility/newBombCol", "4 5 6"},
        {"accessibility/flashingEnabled", "0"}};
    EXPECT_EQ(env.savedKeys(), saved);

    colours[0] = {9, 9, 9};
    paletteDirty = false;
    env.choose(menu, "Reset to defaults");
    const AccessibilitySettings fresh;
    EXPECT_EQ(accessibilitySettings.bgcol, 1);
    EXPECT_EQ(accessibilitySettings.ghostOpacity, 64);
    EXPECT_EQ(accessibilitySettings.outlineCol, fresh.outlineCol);
    EXPECT_TRUE(accessibilitySettings.flashingEnabled);
    EXPECT_EQ(colours, defaultColours);
    EXPECT_TRUE(paletteDirty);
    EXPECT_EQ(env.savedKeys(), saved) << "a reset is not saved";

    env.choose(menu, "Load");
    EXPECT_EQ(accessibilitySettings.bgcol, 3);
    EXPECT_EQ(accessibilitySettings.outlineCol, (RGB{1, 2, 3}));
    EXPECT_FALSE(accessibilitySettings.flashingEnabled);

    const bool autoLoadBefore = autoLoad.get();
    env.choose(menu, "Auto-load on startup");
    EXPECT_EQ(env.savedKeys().at("accessibility/autoLoad"), autoLoadBefore ? "0" : "1");
    EXPECT_EQ(env.textOf(menu, 14), std::string("Auto-load on startup: ") + (autoLoadBefore ? "Off" : "On"));
    autoLoad.set(autoLoadBefore);
}

TEST_F(AccessibilityMenus, TeamAndPlayerColourListsAreDrawnInTheirColours)
{
    teamColoursMenu(env.context);
    Texts texts = env.texts(top());
    ASSERT_EQ(texts.size(), 11u);
    EXPECT_EQ(texts[0], "Edit team 1 colour");
    EXPECT_EQ(texts[9], "Edit team 10 colour");
    EXPECT_EQ(texts[10], "Back");
    colours[3] = {10, 200, 30};

    BitmapWrapper canvas(env.canvas(), false);
    top().update(1079);
    top().draw(canvas);
    auto rowHas = [&](int index, RGB colour) {
        const int topY = static_cast<CmdButtonText&>(*top().buttons[std::size_t(index)]).topY + top().scroll;
        for (int y = topY; y < topY + 8; ++y)
            for (int x = 0; x < 1920; ++x) {
                unsigned char r, g, b;
                al_unmap_rgb(al_get_pixel(env.canvas(), x, y), &r, &g, &b);
                if (RGB{r, g, b} == colour)
                    return true;
            }
        return false;
    };
    EXPECT_TRUE(rowHas(3, {10, 200, 30})) << "drawn in the colour as it is now";
    EXPECT_FALSE(rowHas(1, {10, 200, 30}));

    playerColoursMenu(env.context);
    texts = env.texts(top());
    ASSERT_EQ(texts.size(), 2u + std::size_t(paletteSize) + 1u);
    EXPECT_EQ(texts[101], "Edit player 100 colour");
}

// Rates change for the session only: options, multiplier and a new timer at once.
TEST_F(AccessibilityMenus, UpdateRateMenusSetTheRateAndRestartTheTimer)
{
    ensureAllegroSystem();
    ALLEGRO_EVENT_QUEUE* savedQueue = eventQueue;
    eventQueue = al_create_event_queue();

    updateRateMenu(env.context, true);
    EXPECT_EQ(env.texts(top()), (Texts{"Slow motion settings", "Quarter speed", "Half speed", "Three quarter speed",
                                       "Normal speed", "Back"}));
    env.choose(top(), "Half speed");
    EXPECT_EQ(gameOptions.updateRate, 30);
    EXPECT_EQ(gameOptions.updateRateMultiplier, 1);
    ASSERT_NE(updateTimer, nullptr);
    EXPECT_DOUBLE_EQ(al_get_timer_speed(updateTimer), 1.0 / 30);
    env.choose(top(), "Normal speed");
    EXPECT_EQ(gameOptions.updateRate, 60);
    EXPECT_EQ(env.context.stack.size(), 1u) << "choosing a rate keeps the menu open";

    updateRateMenu(env.context, false);
    const Texts texts = env.texts(top());
    EXPECT_EQ(texts, (Texts{"High frame rate settings", "Warning: high refresh rate modes are experimental and",
                            "may have bugs.", "Some aspects of gameplay and balance will be different,",
                            "especially at 144Hz", "Not compatible with slow motion mode.", "60Hz (default)",
                            "120Hz", "144Hz", "Back"}));
    top().update(1079);
    EXPECT_EQ(top().selected, 6) << "the warnings cannot be selected";
    env.choose(top(), "144Hz");
    EXPECT_EQ(gameOptions.updateRate, 144);
    EXPECT_EQ(gameOptions.updateRateMultiplier, 2);
    EXPECT_DOUBLE_EQ(al_get_timer_speed(updateTimer), 1.0 / 144);
    EXPECT_TRUE(env.savedKeys().empty());

    al_destroy_timer(updateTimer);
    updateTimer = nullptr;
    al_destroy_event_queue(eventQueue);
    eventQueue = savedQueue;
}

}
