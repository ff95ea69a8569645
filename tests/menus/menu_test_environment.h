#pragma once
#include <allegro5/allegro.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "frame/accessibility_settings.h"
#include "frame/rgb.h"
#include "game/game_options.h"
#include "menus/menu_context.h"
#include "menus/menu_dialogs.h"
#include "support/temp_folder.h"

// A title-screen menu headless: a built-in font in the menu layouts, a 1920 x
// 1080 screen, a fresh configuration in a temporary folder, a fake keyboard,
// and message screens and games recorded and answered by the test. The
// settings the menus change are put back afterwards.
class MenuTestEnvironment {
public:
    MenuTestEnvironment();
    ~MenuTestEnvironment();
    MenuTestEnvironment(const MenuTestEnvironment&) = delete;
    MenuTestEnvironment& operator=(const MenuTestEnvironment&) = delete;

    // Waits out the menu's pause with nothing held, then presses and releases the key.
    void settle(TamwickMenu& menu);
    void tap(TamwickMenu& menu, int key);
    // Moves down to the first entry whose text starts with `prefix`.
    void select(TamwickMenu& menu, const std::string& prefix);
    // Selects the entry and presses Enter on it.
    void choose(TamwickMenu& menu, const std::string& prefix);

    // Entries as drawn: the label, then ": " and the value if there is one.
    static std::vector<std::string> texts(TamwickMenu& menu);
    static std::string textOf(TamwickMenu& menu, std::size_t index);

    // The saved configuration file as "section/key" -> value.
    std::map<std::string, std::string> savedKeys() const;

    ALLEGRO_BITMAP* canvas();

    TempDataHome home;
    std::set<int> held;
    MenuContext context;

    struct Message {
        std::vector<std::string> lines;
        int key;
        int secondKey;
    };
    std::vector<Message> messages;
    // Answers of the coming message screens, in order; true when none is left.
    std::vector<bool> answers;
    struct Game {
        std::string path;
        bool fast;
        bool skipResults;
    };
    std::vector<Game> games;
    // What the played games return, in order; false when none is left.
    std::vector<bool> gameResults;
    // Replays that cannot be played: the path and the ReplayError's text.
    std::map<std::string, std::string> gameErrors;

private:
    MenuDialogs savedDialogs_;
    int savedMenuControlMode_;
    bool savedSwitches_[6];
    int savedLootboxPoints_;
    AccessibilitySettings savedAccessibility_;
    std::vector<RGB> savedColours_;
    std::vector<RGB> savedDefaultColours_;
    GameOptions savedOptions_;
    ALLEGRO_BITMAP* canvas_ = nullptr;
};
