#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "menus/cmd_button.h"
#include "menus/menu_layout.h"

class BitmapWrapper;
template <typename T>
class ConfigOptionWrapper;

// Updates to wait between repeats of a held direction; shared by every menu,
// so a held direction keeps its pace from one menu to the next.
extern int menuRepeatInterval;
extern int menuRepeatCount;

// A vertical list of entries with one selected, scrolled to keep the
// selection in view, driven by the keyboard and the menu controllers.
// Entry actions never destroy their own menu: they set a flag that the owning
// screen acts on after update returns.
class TamwickMenu {
public:
    TamwickMenu(const TamwickMenuLayoutOptions* layout, std::function<void()> onClose);
    ~TamwickMenu();
    TamwickMenu(const TamwickMenu&) = delete;
    TamwickMenu& operator=(const TamwickMenu&) = delete;

    std::shared_ptr<CmdButtonAction> addAction(int x, ButtonLabel label, std::function<void()> action,
                                               CmdButtonAction::Callback onDelete = {},
                                               const RGB* colour = nullptr);
    std::shared_ptr<CmdButtonAction> addButtonAction(int x, ButtonLabel label,
                                                     CmdButtonAction::Callback action,
                                                     CmdButtonAction::Callback onDelete = {},
                                                     const RGB* colour = nullptr);
    std::shared_ptr<CmdButtonInt> addInt(int x, std::string label, int* value, int min, int max, int step);
    std::shared_ptr<CmdButtonEnum> addEnum(int x, std::string label, int* value, int min, int max,
                                           NameList names);
    std::shared_ptr<CmdButtonBool> addBool(int x, std::string label, bool* value, NameList names);
    std::shared_ptr<CmdButtonHeading> addHeading(int x, std::string label);
    // Half an entry's spacing of empty room.
    void addSpace();

    // Once per fixed-rate update; `lowestY` is the lowest visible y.
    void update(int lowestY);
    void draw(BitmapWrapper& target);
    // To the next selectable entry in `direction` (+1 or -1), wrapping round.
    void moveSelection(int direction);

    const TamwickMenuLayoutOptions* layout;
    int textMode;
    int spacing;
    int entryHeight;
    int nextY;
    int repeatCountdown = 10;
    int scroll = 0;
    int selected = 0;
    std::vector<std::shared_ptr<CmdButtonBase>> buttons;
    const ALLEGRO_FONT* font;
    std::function<void()> onClose;
    bool moreAbove = false;
    bool moreBelow = false;

private:
    template <typename T>
    std::shared_ptr<T> place(std::shared_ptr<T> button, int x);
    CmdButtonText& textOf(std::size_t i);
    int readHorizontal() const;
    int readVertical() const;
};

// An on/off entry bound to a configuration option: "<label>: On" or "Off",
// flipped (and written to the file at once) by Enter, left or right.
std::shared_ptr<CmdButtonAction> addEntry(ConfigOptionWrapper<bool>& option, TamwickMenu* menu, int x);

// A close action that does nothing, for menus that need none.
void noMenuCloseAction();

// The names "Off"/"On" and "No"/"Yes" shared by the menus' switches.
NameList offOnNames();
NameList noYesNames();
