#pragma once
#include <deque>
#include <memory>

#include "media/bitmap_wrapper.h"
#include "menus/tamwick_menu.h"

class Player;

// The pause screen: the last picture of the game, frozen (darkened when
// asked), under a menu of its own with a stack of its own. "Resume game" and
// "Quit to main menu" end it; "Reassign controls" opens the list of players,
// and from there the list of controls one of them can take.
class PauseScreen {
public:
    // Freezes the screen bitmap as it is now.
    explicit PauseScreen(bool darken);

    void update();
    // The frozen picture and the top menu, onto the screen bitmap.
    void render();
    // The frozen picture and the request to let go of the bomb button.
    void renderReleasePrompt();
    bool done() const;
    // True when the player chose to quit (or closed the window).
    bool quitChosen() const;

    std::deque<std::unique_ptr<TamwickMenu>>& stack() { return stack_; }
    TamwickMenu& top() { return *stack_.back(); }
    // The left edge of every entry.
    int menuX() const { return x_; }
    const BitmapPtr& picture() const { return picture_; }

private:
    void pushRootMenu();
    void controlAssignmentsMenu();
    void chooseControllerMenu(std::shared_ptr<Player> p);

    BitmapPtr picture_;
    int x_;
    const TamwickMenuLayoutOptions* rootLayout_;
    std::deque<std::unique_ptr<TamwickMenu>> stack_;
    bool resume_ = false;
    bool quit_ = false;
    bool back_ = false;
};
