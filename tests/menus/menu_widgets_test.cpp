#include <gtest/gtest.h>

#include <allegro5/allegro.h>
#include <allegro5/allegro_font.h>
#include <allegro5/allegro_primitives.h>

#include <cstring>
#include <vector>

#include "media/bitmap_wrapper.h"
#include "menu_fixture.h"
#include "support/allegro_environment.h"

namespace {

class MenuWidgets : public MenuFixture {
protected:
    void SetUp() override
    {
        MenuFixture::SetUp();
        menuControlMode = 0;
        layout.topY = 300;
        layout.spacing = 48;
        layout.entryHeight = 51;
        layout.textMode = 1;
    }
    std::unique_ptr<TamwickMenu> menuOf(int entries)
    {
        auto m = std::make_unique<TamwickMenu>(&layout, noMenuCloseAction);
        for (int i = 0; i < entries; ++i)
            m->addAction(100, "Entry " + std::to_string(i), [] {});
        return m;
    }
    // Allegro's built-in font in the layout, for drawing into a memory canvas.
    void drawWithBuiltinFont()
    {
        ensureAllegroSystem();
        if (!al_is_primitives_addon_initialized())
            al_init_primitives_addon();
        if (!al_is_font_addon_initialized())
            al_init_font_addon();
        font.reset(al_create_builtin_font());
        layout.font = font.get();
    }
    // Holds each key for one update, then waits out the menu's pause.
    void press(TamwickMenu& menu, std::initializer_list<int> keys)
    {
        for (int key : keys) {
            held = {key};
            step(menu);
            held.clear();
            step(menu, 11);
        }
    }

    TamwickMenuLayoutOptions layout;
    std::unique_ptr<ALLEGRO_FONT, void (*)(ALLEGRO_FONT*)> font{nullptr, al_destroy_font};
};

TEST_F(MenuWidgets, AHeldDirectionWaitsRepeatsFasterDownToTwoAndResetsOnRelease)
{
    auto menu = menuOf(2000);
    held = {ALLEGRO_KEY_DOWN};
    std::vector<int> movesAt;
    for (int update = 1; update <= 3000; ++update) {
        const int before = menu->selected;
        menu->update(1079);
        if (menu->selected != before)
            movesAt.push_back(update);
    }
    // Nothing for the first 10 updates, then a move at once and every 10;
    // the 20th move quickens the pace to 9, and so on down to 2.
    ASSERT_GE(movesAt.size(), 23u);
    EXPECT_EQ(movesAt[0], 10);
    EXPECT_EQ(movesAt[1], 20);
    EXPECT_EQ(movesAt[20] - movesAt[19], 10);
    EXPECT_EQ(movesAt[21] - movesAt[20], 9);
    EXPECT_EQ(menuRepeatInterval, 2);

    held.clear();
    step(*menu, 12);
    EXPECT_EQ(menuRepeatInterval, 10);
    EXPECT_EQ(menuRepeatCount, 0);
}

TEST_F(MenuWidgets, NumbersWrapSwitchesToggleChoicesAndLabelsFollowTheirFunctions)
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
    EXPECT_EQ(number->valueText(), "10");
    for (auto press : {&CmdButtonBase::activate, &CmdButtonBase::pressLeft, &CmdButtonBase::pressRight}) {
        const bool before = on;
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

    int count = 1;
    auto live = menu.addAction(0, std::function<std::string()>([&] { return "Count " + std::to_string(count); }),
                               [&] { ++count; });
    live->activate();
    EXPECT_EQ(live->labelText(), "Count 2");
    EXPECT_EQ(live->valueText(), "");
    live->setLabel("Fixed");
    EXPECT_EQ(live->labelText(), "Fixed");
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
    std::vector<int> seen;
    for (int move : {1, 1, -1}) {
        menu.moveSelection(move);
        seen.push_back(menu.selected);
    }
    EXPECT_EQ(seen, (std::vector<int>{3, 1, 3}));

    TamwickMenu single(&layout, noMenuCloseAction);
    single.addHeading(0, "Only a heading");
    single.addAction(0, "Back", [] {});
    single.update(1079);
    single.moveSelection(1);
    EXPECT_EQ(single.selected, 1);
    single.moveSelection(-1);
    EXPECT_EQ(single.selected, 1);
}

TEST_F(MenuWidgets, ScrollingKeepsTheSelectionAboveTheLowestLine)
{
    auto menu = menuOf(30);
    menu->selected = 25;
    menu->update(1079);
    EXPECT_EQ(static_cast<CmdButtonText&>(*menu->buttons[25]).lowerY + menu->scroll, 1079);
    EXPECT_TRUE(menu->moreAbove);
    EXPECT_TRUE(menu->moreBelow);
    menu->selected = 0;
    menu->update(1079);
    EXPECT_EQ(menu->scroll, 0);
    EXPECT_FALSE(menu->moreAbove);
}

TEST_F(MenuWidgets, OnePressIsReportedOnceAcrossEveryCaller)
{
    int activations = 0;
    TamwickMenu menu(&layout, noMenuCloseAction);
    menu.addAction(0, "Go", [&] { ++activations; });
    settle(menu);
    held = {ALLEGRO_KEY_ENTER};
    step(menu, 30);
    EXPECT_EQ(activations, 1);
    // The screen the entry opened sees the same Enter as already reported.
    EXPECT_FALSE(isMenuInputPressed(ALLEGRO_KEY_ENTER, 0, false));
    held.clear();
    EXPECT_FALSE(isMenuInputPressed(ALLEGRO_KEY_ENTER, 0, false));
    held = {ALLEGRO_KEY_ENTER};
    EXPECT_TRUE(isMenuInputPressed(ALLEGRO_KEY_ENTER, 0, false));
}

TEST_F(MenuWidgets, AControllersFireIsEnterSpaceAndYAndItsSecondButtonIsEscape)
{
    auto pad = addController();
    pad->fireDown = true;
    for (int key : {ALLEGRO_KEY_ENTER, ALLEGRO_KEY_SPACE, ALLEGRO_KEY_Y})
        EXPECT_TRUE(isMenuInputDown(key, 2, false, 0)) << key;
    EXPECT_FALSE(isMenuInputDown(ALLEGRO_KEY_ESCAPE, 2, false, 0));

    pad->releaseAll();
    pad->button2Down = true;
    EXPECT_TRUE(isMenuInputDown(ALLEGRO_KEY_ESCAPE, 2, false, 0));
    EXPECT_FALSE(isMenuInputDown(ALLEGRO_KEY_ESCAPE, 2, false, 1)) << "escape mode 1 asks for pause";
    EXPECT_TRUE(isMenuInputPressed(ALLEGRO_KEY_ESCAPE, 2, false));
    EXPECT_FALSE(isMenuInputPressed(ALLEGRO_KEY_ESCAPE, 2, false));

    pad->releaseAll();
    pad->pauseDown = true;
    EXPECT_TRUE(isMenuInputDown(ALLEGRO_KEY_ESCAPE, 2, false, 1));
    EXPECT_FALSE(isMenuInputDown(ALLEGRO_KEY_ESCAPE, 2, false, 0));
    EXPECT_FALSE(isMenuInputPressed(ALLEGRO_KEY_ESCAPE, 2, false));
}

TEST_F(MenuWidgets, TheMenuControlModeChoosesWhichControllersDriveTheMenu)
{
    FakePad& first = driver.addPad("First pad");
    FakePad& second = driver.addPad("Second pad");
    makeControls();
    auto pressesEnter = [&](int mode) { return isMenuInputDown(ALLEGRO_KEY_ENTER, mode, false, 0); };
    second.buttons[0] = 1;
    EXPECT_EQ((std::vector<bool>{pressesEnter(0), pressesEnter(1), pressesEnter(2)}),
              (std::vector<bool>{false, false, true}));
    second.buttons[0] = 0;
    first.buttons[0] = 1;
    EXPECT_EQ((std::vector<bool>{pressesEnter(0), pressesEnter(1)}), (std::vector<bool>{false, true}));
}

TEST_F(MenuWidgets, DeleteLeftRightAndEnterReachTheActionEntrysCallbacks)
{
    TamwickMenu menu(&layout, noMenuCloseAction);
    std::string trace;
    auto entry = menu.addButtonAction(
        0, "Replay 1", [&](CmdButtonAction&) { trace += 'A'; },
        [&](CmdButtonAction& self) {
            trace += 'D';
            self.setLabel("Deleted");
            self.action = nullptr;
        });
    entry->setOnLeft([&](CmdButtonAction&) { trace += 'L'; });
    entry->setOnRight([&](CmdButtonAction&) { trace += 'R'; });
    settle(menu);
    press(menu, {ALLEGRO_KEY_LEFT, ALLEGRO_KEY_RIGHT, ALLEGRO_KEY_ENTER, ALLEGRO_KEY_DELETE, ALLEGRO_KEY_ENTER});
    EXPECT_EQ(trace, "LRAD") << "the emptied action does nothing";
    EXPECT_EQ(entry->labelText(), "Deleted");

    entry->onLeft = entry->onRight = entry->onDelete = nullptr;
    entry->pressLeft();
    entry->pressRight();
    entry->pressDelete();
    entry->activate();
    EXPECT_EQ(trace, "LRAD") << "an entry without callbacks takes every press quietly";
}

// Drawn with Allegro's built-in font into a memory canvas.
TEST_F(MenuWidgets, TheSelectionBandAndTheEntryColours)
{
    drawWithBuiltinFont();
    BitmapWrapper canvas(1920, 1080, false);
    // How many pixels of the rows from y1 to y2 have the colour.
    auto count = [&](int y1, int y2, RGB c, int x1 = 0, int x2 = 1919) {
        int n = 0;
        for (int y = y1; y <= y2; ++y)
            for (int x = x1; x <= x2; ++x) {
                unsigned char r, g, b;
                al_unmap_rgb(al_get_pixel(canvas.bitmap, x, y), &r, &g, &b);
                n += RGB{r, g, b} == c;
            }
        return n;
    };
    const RGB band{64, 64, 64}, text{200, 255, 200}, gold{255, 200, 0};
    TamwickMenu menu(&layout, noMenuCloseAction);
    menu.addHeading(280, "Heading");
    menu.addAction(300, "Plain", [] {});
    menu.addAction(300, "Gold", [] {}, {}, &gold);
    int n = 7;
    menu.addInt(300, "Number", &n, 0, 9, 1);
    menu.update(1079);
    // A new bitmap's memory may hold an earlier test's picture.
    al_set_target_bitmap(canvas.bitmap);
    al_clear_to_color(al_map_rgb(0, 0, 0));
    menu.draw(canvas);

    // The selected "Plain" (y 348 to 399) lies on a grey band the canvas wide.
    EXPECT_EQ(count(350, 350, band, 0, 299), 300);
    EXPECT_GT(count(348, 399, text), 0);
    // Headings are dimmer; a colour of the entry's own wins.
    EXPECT_GT(count(300, 347, {150, 200, 150}), 0);
    EXPECT_GT(count(400, 440, gold), 0);
    // "Number: 7": the value follows a colon, past where "Number" ends.
    EXPECT_GT(count(444, 490, text, 300 + 3 + 8 * 8, 300 + 3 + 9 * 8 + 7), 0);
    EXPECT_EQ(count(0, 299, band) + count(0, 299, text), 0);
}

// A long list draws only the entries that cross its clipping rectangle; its
// pixels are those of drawing every entry. A canvas tall enough for the whole
// list, unscrolled, draws every entry: the screen's rows below the clipping
// rectangle's top are its rows moved by the scroll, rows cut at the top and
// the bottom edge included.
TEST_F(MenuWidgets, ALongListDrawsWhatDrawingEveryEntryDraws)
{
    drawWithBuiltinFont();
    constexpr int entries = 120, width = 640, height = 1080;
    auto menu = menuOf(entries);
    al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
    BitmapWrapper screen(width, height, false);
    BitmapWrapper whole(width, layout.topY + entries * layout.spacing + height, false);
    auto drawOn = [&](BitmapWrapper& canvas, int scroll) {
        menu->scroll = scroll;
        al_set_target_bitmap(canvas.bitmap);
        al_clear_to_color(al_map_rgb(0, 0, 0));
        menu->draw(canvas);
        return al_lock_bitmap(canvas.bitmap, ALLEGRO_PIXEL_FORMAT_ABGR_8888_LE, ALLEGRO_LOCK_READONLY);
    };
    // The first row of the screen that differs, or -1.
    auto firstDifference = [&](int scroll) {
        const ALLEGRO_LOCKED_REGION* every = drawOn(whole, 0);
        const ALLEGRO_LOCKED_REGION* drawn = drawOn(screen, scroll);
        // Opaque black, as the canvas was cleared: bytes red, green, blue, alpha.
        std::vector<char> black(std::size_t(width) * 4, 0);
        for (std::size_t x = 3; x < black.size(); x += 4)
            black[x] = char(255);
        int differs = -1;
        for (int y = 0; y < height && differs < 0; ++y) {
            const char* a = static_cast<const char*>(drawn->data) + y * drawn->pitch;
            const char* b = y < layout.topY ? black.data()
                                            : static_cast<const char*>(every->data) + (y - scroll) * every->pitch;
            if (std::memcmp(a, b, black.size()) != 0)
                differs = y;
        }
        al_unlock_bitmap(screen.bitmap);
        al_unlock_bitmap(whole.bitmap);
        return differs;
    };
    // The arrows stand at the canvas's own edges; they are not what is compared.
    menu->moreAbove = menu->moreBelow = false;
    const int middle = -(50 * layout.spacing) - 4;  // entry 50 starts 4 rows above the top edge
    const int end = height - 1 - static_cast<CmdButtonText&>(*menu->buttons.back()).lowerY;
    // Scroll, selected entry: the top; an entry and its band cut by the top
    // edge; a band cut by the bottom edge; the end.
    for (auto [scroll, selected] : {std::pair{0, 0}, {middle, 50}, {middle, 66}, {end, entries - 1}}) {
        menu->selected = selected;
        EXPECT_EQ(firstDifference(scroll), -1) << "scroll " << scroll << ", entry " << selected;
    }
}

}
