#include "menu_test_environment.h"

#include <allegro5/allegro_font.h>
#include <allegro5/allegro_primitives.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "controls/keyboard_state.h"
#include "session/replay_error.h"
#include "frame/app_globals.h"
#include "frame/quit_request.h"
#include "frame/config.h"
#include "frame/screen_size.h"
#include "frame/settings.h"
#include "media/fonts.h"
#include "menus/menu_input.h"
#include "menus/menu_layout.h"
#include "support/allegro_environment.h"

namespace {

void ensureMenuFonts()
{
    ensureAllegroSystem();
    if (!al_is_font_addon_initialized())
        al_init_font_addon();
    if (!al_is_primitives_addon_initialized())
        al_init_primitives_addon();
    if (!font30) {
        al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
        font30 = font24 = al_create_builtin_font();
    }
    fillMenuLayouts();
}

bool* const switches[6] = {&replayRecordingEnabled, &showReplayTestOptions, &alwaysShowFPS,
                           &vsyncEnabled, &diagnosticMode, &controllerDebug};

}

MenuTestEnvironment::MenuTestEnvironment()
{
    ensureMenuFonts();
    setenv("TZ", "UTC", 1);
    tzset();
    screenWidth = 1920;
    screenHeight = 1080;
    context = MenuContext::forScreenWidth(screenWidth);

    std::filesystem::create_directories(home.dataFolder());
    configPath = (home.dataFolder() / "tamwick.cfg").string();
    config = al_create_config();

    setKeyStateReader([this](int key) { return held.count(key) > 0; });
    resetMenuInputEdges();
    menuRepeatInterval = 10;
    menuRepeatCount = 0;

    savedDialogs_ = menuDialogs;
    auto next = [](std::vector<bool>& queue, bool otherwise) {
        const bool value = queue.empty() ? otherwise : queue.front();
        if (!queue.empty())
            queue.erase(queue.begin());
        return value;
    };
    menuDialogs.message = [this, next](std::vector<std::string> lines, int key, int secondKey) {
        messages.push_back({lines, key, secondKey});
        return next(answers, true);
    };
    menuDialogs.playGame = [this, next](std::shared_ptr<Music>&, std::string path, ReplayTestOptions options) {
        games.push_back({path, options.fast, options.skipResults});
        if (auto error = gameErrors.find(path); error != gameErrors.end())
            throw ReplayError(error->second);
        return next(gameResults, false);
    };

    savedMenuControlMode_ = menuControlMode;
    menuControlMode = 0;
    for (int i = 0; i < 6; ++i)
        savedSwitches_[i] = *switches[i];
    savedLootboxPoints_ = lootboxPoints;
    savedAccessibility_ = accessibilitySettings;
    savedDefaultColours_ = defaultColours;
    savedColours_ = colours;
    defaultColours = {{255, 0, 0},   {0, 0, 255},     {0, 255, 0},     {255, 255, 0},   {0, 255, 255},
                      {255, 0, 255}, {255, 128, 128}, {128, 255, 128}, {128, 128, 255}, {96, 96, 96}};
    colours = defaultColours;
    savedOptions_ = gameOptions;
}

MenuTestEnvironment::~MenuTestEnvironment()
{
    // Menus left open close first: the Settings menu writes on closing.
    context.stack.clear();
    context.pending.clear();
    if (canvas_)
        al_destroy_bitmap(canvas_);
    al_destroy_config(config);
    config = nullptr;
    configPath.clear();
    setKeyStateReader({});
    resetMenuInputEdges();
    menuDialogs = savedDialogs_;
    menuControlMode = savedMenuControlMode_;
    for (int i = 0; i < 6; ++i)
        *switches[i] = savedSwitches_[i];
    lootboxPoints = savedLootboxPoints_;
    accessibilitySettings = savedAccessibility_;
    defaultColours = savedDefaultColours_;
    colours = savedColours_;
    gameOptions = savedOptions_;
    clearQuitRequest();
    unsetenv("TZ");
    tzset();
}

void MenuTestEnvironment::settle(TamwickMenu& menu)
{
    held.clear();
    for (int i = 0; i < 12; ++i)
        menu.update(screenHeight - 1);
}

void MenuTestEnvironment::tap(TamwickMenu& menu, int key)
{
    settle(menu);
    held = {key};
    menu.update(screenHeight - 1);
    held.clear();
    menu.update(screenHeight - 1);
}

void MenuTestEnvironment::select(TamwickMenu& menu, const std::string& prefix)
{
    for (std::size_t moves = 0; moves <= menu.buttons.size(); ++moves) {
        menu.update(screenHeight - 1);
        if (textOf(menu, std::size_t(menu.selected)).rfind(prefix, 0) == 0)
            return;
        tap(menu, ALLEGRO_KEY_DOWN);
    }
    ADD_FAILURE() << "no entry starts with " << prefix;
}

void MenuTestEnvironment::choose(TamwickMenu& menu, const std::string& prefix)
{
    select(menu, prefix);
    tap(menu, ALLEGRO_KEY_ENTER);
}

std::string MenuTestEnvironment::textOf(TamwickMenu& menu, std::size_t index)
{
    CmdButtonBase& entry = *menu.buttons.at(index);
    std::string text = entry.labelText();
    const std::string value = entry.valueText();
    if (!value.empty())
        text += ": " + value;
    return text;
}

std::vector<std::string> MenuTestEnvironment::texts(TamwickMenu& menu)
{
    std::vector<std::string> all;
    for (std::size_t i = 0; i < menu.buttons.size(); ++i)
        all.push_back(textOf(menu, i));
    return all;
}

std::map<std::string, std::string> MenuTestEnvironment::savedKeys() const
{
    std::map<std::string, std::string> keys;
    std::ifstream file(configPath);
    std::string section;
    for (std::string line; std::getline(file, line);) {
        if (line.empty())
            continue;
        if (line.front() == '[') {
            section = line.substr(1, line.find(']') - 1);
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals != std::string::npos)
            keys[section + "/" + line.substr(0, equals)] = line.substr(equals + 1);
    }
    return keys;
}

ALLEGRO_BITMAP* MenuTestEnvironment::canvas()
{
    if (!canvas_) {
        al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
        canvas_ = al_create_bitmap(screenWidth, screenHeight);
    }
    return canvas_;
}
