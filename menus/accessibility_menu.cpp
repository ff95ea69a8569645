#include "menus/accessibility_menu.h"

#include "frame/accessibility_settings.h"
#include "frame/app_globals.h"
#include "frame/config_option.h"
#include "frame/names.h"
#include "media/palette.h"
#include "menus/colour_editor.h"
#include "menus/colour_menus.h"
#include "menus/flashing_background_menu.h"
#include "menus/update_rate_menu.h"

void resetAccessibilitySettings()
{
    accessibilitySettings = AccessibilitySettings{};
    paletteDirty = true;
    colours = defaultColours;
}

void accessibilityMenu(MenuContext& context)
{
    static const NameList backgroundNames = std::make_shared<std::vector<std::string>>(backgroundColourNames);
    AccessibilitySettings& settings = accessibilitySettings;
    auto menu = std::make_unique<TamwickMenu>(&defaultMenuLayout, noMenuCloseAction);
    const int x = context.entryX;
    const int headingX = context.headingX;
    menu->addHeading(headingX, "Accessibility settings");
    menu->addEnum(x, "In-game background colour", &settings.bgcol, 0, backgroundColourCount - 1,
                  backgroundNames);
    menu->addAction(x, "Edit team colours", [&context] { teamColoursMenu(context); });
    menu->addAction(x, "Edit player colours", [&context] { playerColoursMenu(context); });
    menu->addBool(x, "Outline around players", &settings.outlineEnabled, context.offOnNames);
    menu->addAction(x, "Edit player outline colour", [] { menuEditColour(accessibilitySettings.outlineCol); });
    menu->addBool(x, "Recolour bombs", &settings.recolourBombs, context.offOnNames);
    menu->addAction(x, "Edit bomb colour", [] { menuEditColour(accessibilitySettings.newBombCol); });
    menu->addInt(x, "Ghost opacity (0=invisible, max 255)", &settings.ghostOpacity, 0, 255, 16);
    menu->addAction(x, "Flashing background settings", [&context] { flashingBackgroundMenu(context); });
    menu->addSpace();
    menu->addAction(x, "Slow motion options", [&context] { updateRateMenu(context, true); });
    menu->addSpace();
    menu->addHeading(headingX, "Save/load accessibility settings");
    menu->addHeading(headingX, "Note: player/team colours and slow");
    menu->addHeading(headingX, "motion options are not saved");
    menu->addButtonAction(
        x, std::function<std::string()>([] { return std::string("Auto-load on startup: ") + (autoLoad.get() ? "On" : "Off"); }),
        [](CmdButtonAction&) { autoLoad.toggle(); });
    menu->addAction(x, "Load", [] { AccessibilitySettings::load(accessibilitySettings); });
    menu->addAction(x, "Save", [] { AccessibilitySettings::save(accessibilitySettings); });
    menu->addAction(x, "Reset to defaults", resetAccessibilitySettings);
    menu->addSpace();
    context.addBackAt(*menu, x);
    context.push(std::move(menu));
}
