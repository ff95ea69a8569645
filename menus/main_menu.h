#pragma once
#include <memory>

#include "menus/menu_context.h"
#include "menus/title_animation.h"

// The title screen and root of every menu; returns when the player quits.
void menu();

// The title screen's state; menu() runs it on the screen loop. Only the top
// menu of the stack is updated and drawn; menus in the pending queue are shown
// one after the other whenever the stack runs empty, and the screen is done
// once both are empty.
class TitleScreen {
public:
    // Entry positions from the screen bitmap's width.
    explicit TitleScreen(int width);

    // The first-run prompt (which animal photographs to allow) when asked,
    // then the main menu, which starts the menu music.
    void queueStartMenus(bool firstRun);
    void update();
    void render();
    bool done() const;

    MenuContext context;
    AnimatedFigure figure;
    // The first-run prompt is showing: no logo, figure or version.
    bool firstStart = false;
    // The stack and the queue ran empty.
    bool finished = false;

private:
    void logSelection();

    const TamwickMenu* loggedMenu_ = nullptr;
    int loggedSelection_ = -1;
    std::size_t loggedDepth_ = 0;
};

// Start Game, View Replays, Settings, Credits and Quit to desktop.
std::unique_ptr<TamwickMenu> mainMenu(MenuContext& context);
// Asks whether to quit to the desktop; true when the player confirms.
bool confirmQuit();
