#include <gtest/gtest.h>

#include <allegro5/allegro.h>
#include <set>

#include "controls/keyboard_state.h"
#include "frame/settings.h"
#include "menus/menu_input.h"
#include "menus/tamwick_menu.h"

namespace {

// A menu on a fake keyboard: keys in `held` are down.
class MenuWidgets : public ::testing::Test {
protected:
    void SetUp() override
    {
        setKeyStateReader([this](int key) { return held.count(key) > 0; });
        resetMenuInputEdges();
        menuRepeatInterval = 10;
        menuRepeatCount = 0;
        savedMode = menuControlMode;
        menuControlMode = 0;
        layout.topY = 300;
        layout.spacing = 48;
        layout.entryHeight = 51;
        layout.textMode = 1;
    }
    void TearDown() override
    {
        setKeyStateReader({});
        resetMenuInputEdges();
        menuControlMode = savedMode;
    }

    std::unique_ptr<TamwickMenu> menuOf(int entries)
    {
        auto m = std::make_unique<TamwickMenu>(&layout, noMenuCloseAction);
        for (int i = 0; i < entries; ++i)
            m->addAction(100, "Entry " + std::to_string(i), [] {});
        return m;
    }

    std::set<int> held;
    TamwickMenuLayoutOptions layout;
    int savedMode = 2;
};

TEST_F(MenuWidgets, AHeldDirectionWaitsThenRepeatsFasterAndResetsOnRelease)
{
    auto menu = menuOf(200);
    held = {ALLEGRO_KEY_DOWN};
    std::vector<int> movesAt;
    for (int update = 1; update <= 400; ++update) {
        int before = menu->selected;
        menu->update(1079);
        if (menu->selected != before)
            movesAt.push_back(update);
    }
    // A new menu reads nothing for its first 10 updates, then moves at once
    // and every 10 updates; the 20th move quickens the pace to 9.
    ASSERT_GE(movesAt.size(), 23u);
    EXPECT_EQ(movesAt[0], 10);
    EXPECT_EQ(movesAt[1], 20);
    EXPECT_EQ(movesAt[20] - movesAt[19], 10);
    EXPECT_EQ(movesAt[21] - movesAt[20], 9);

    held.clear();
    for (int i = 0; i < 12; ++i)
        menu->update(1079);
    EXPECT_EQ(menuRepeatInterval, 10);
    EXPECT_EQ(menuRepeatCount, 0);
}

TEST_F(MenuWidgets, AccelerationStopsAtEveryTwoUpdates)
{
    auto menu = menuOf(2000);
    held = {ALLEGRO_KEY_DOWN};
    for (int update = 0; update < 3000; ++update)
        menu->update(1079);
    EXPECT_EQ(menuRepeatInterval, 2);
}

TEST_F(MenuWidgets, NumbersWrapToTheOppositeEndAndSwitchesToggleEveryWay)
{
    TamwickMenu menu(&layout, noMenuCloseAction);
    int n = 48;
    bool on = false;
    auto number = menu.addInt(0, "Number", &n, 10, 50, 5);
    auto toggle = menu.addBool(0, "Switch", &on, offOnNames());
    number->activate();
    EXPECT_EQ(n, 10);
    number->pressLeft();
    EXPECT_EQ(n, 50);
    number->pressRight();
    EXPECT_EQ(n, 10);
    EXPECT_EQ(number->valueText(), "10");
    for (auto press : {&CmdButtonBase::activate, &CmdButtonBase::pressLeft, &CmdButtonBase::pressRight}) {
        bool before = on;
        ((*toggle).*press)();
        EXPECT_NE(on, before);
    }
    EXPECT_EQ(toggle->valueText(), "On");

    int choice = 7;
    auto names = std::make_shared<std::vector<std::string>>(std::vector<std::string>{"A", "B"});
    auto choiceEntry = menu.addEnum(0, "Choice", &choice, 0, 1, names);
    EXPECT_EQ(choiceEntry->valueText(), "7") << "an out-of-range value shows as its number";
    choiceEntry->activate();
    EXPECT_EQ(choice, 0);
}

TEST_F(MenuWidgets, SelectionSkipsHeadingsAndWraps)
{
    TamwickMenu menu(&layout, noMenuCloseAction);
    menu.addHeading(0, "Heading");
    menu.addAction(0, "First", [] {});
    menu.addHeading(0, "Between");
    menu.addAction(0, "Back", [] {});
    menu.update(1079);
    EXPECT_EQ(menu.selected, 1);
    menu.moveSelection(1);
    EXPECT_EQ(menu.selected, 3);
    menu.moveSelection(1);
    EXPECT_EQ(menu.selected, 1);
    menu.moveSelection(-1);
    EXPECT_EQ(menu.selected, 3);

    TamwickMenu single(&layout, noMenuCloseAction);
    single.addHeading(0, "Only a heading");
    single.addAction(0, "Back", [] {});
    single.update(1079);
    single.moveSelection(1);
    EXPECT_EQ(single.selected, 1);
    single.moveSelection(-1);
    EXPECT_EQ(single.selected, 1);
}

TEST_F(MenuWidgets, ScrollingKeepsTheSelectionInViewAndShowsTheArrows)
{
    auto menu = menuOf(30);
    const int lowestY = 1079;
    menu->selected = 25;
    menu->update(lowestY);
    const auto& entry = static_cast<CmdButtonText&>(*menu->buttons[25]);
    EXPECT_EQ(entry.lowerY + menu->scroll, lowestY);
    EXPECT_TRUE(menu->moreAbove);
    EXPECT_TRUE(menu->moreBelow);

    menu->selected = 0;
    menu->update(lowestY);
    EXPECT_EQ(menu->scroll, 0);
    EXPECT_FALSE(menu->moreAbove);
}

TEST_F(MenuWidgets, OnePressIsReportedOnceAcrossEveryCaller)
{
    int activations = 0;
    TamwickMenu menu(&layout, noMenuCloseAction);
    menu.addAction(0, "Go", [&] { ++activations; });
    for (int i = 0; i < 10; ++i)
        menu.update(1079);
    held = {ALLEGRO_KEY_ENTER};
    for (int i = 0; i < 30; ++i)
        menu.update(1079);
    EXPECT_EQ(activations, 1);
    // The screen the entry opened sees the same Enter as already reported.
    EXPECT_FALSE(isMenuInputPressed(ALLEGRO_KEY_ENTER, 0, false));
    held.clear();
    EXPECT_FALSE(isMenuInputPressed(ALLEGRO_KEY_ENTER, 0, false));
    held = {ALLEGRO_KEY_ENTER};
    EXPECT_TRUE(isMenuInputPressed(ALLEGRO_KEY_ENTER, 0, false));
}

TEST_F(MenuWidgets, LabelsFollowTheirFunctionsAndEmptyValuesShowNoColon)
{
    TamwickMenu menu(&layout, noMenuCloseAction);
    int count = 1;
    auto entry = menu.addAction(0, std::function<std::string()>([&] { return "Count " + std::to_string(count); }),
                                [&] { ++count; });
    EXPECT_EQ(entry->labelText(), "Count 1");
    entry->activate();
    EXPECT_EQ(entry->labelText(), "Count 2");
    EXPECT_EQ(entry->valueText(), "");
    entry->setLabel("Fixed");
    EXPECT_EQ(entry->labelText(), "Fixed");
}

TEST_F(MenuWidgets, TheCloseActionRunsWhenTheMenuGoes)
{
    int closed = 0;
    {
        TamwickMenu menu(&layout, [&] { ++closed; });
        menu.addAction(0, "Back", [] {});
    }
    EXPECT_EQ(closed, 1);
}

}
