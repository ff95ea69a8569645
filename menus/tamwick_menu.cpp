#include "menus/tamwick_menu.h"

#include <allegro5/allegro.h>
#include <allegro5/allegro_font.h>
#include <allegro5/allegro_primitives.h>
#include <algorithm>

#include "controls/controls_manager.h"
#include "controls/keyboard_state.h"
#include "frame/config_option.h"
#include "frame/game_ids.h"
#include "frame/settings.h"
#include "media/bitmap_wrapper.h"
#include "media/primitives.h"
#include "media/render_target.h"
#include "media/sound.h"
#include "media/text.h"
#include "menus/menu_input.h"

int menuRepeatInterval = 10;
int menuRepeatCount = 0;

namespace {

constexpr RGB selectedBand{64, 64, 64};
ALLEGRO_COLOR rgbColour(RGB c)
{
    return al_map_rgb(c.r, c.g, c.b);
}

constexpr RGB headingColour{150, 200, 150};
constexpr RGB entryColour{200, 255, 200};

void menuSound(int speed)
{
    playSound(SoundId::Slide, 255, 128, speed);
}

}

void noMenuCloseAction() {}

NameList offOnNames()
{
    static NameList names = std::make_shared<std::vector<std::string>>(std::vector<std::string>{"Off", "On"});
    return names;
}

NameList noYesNames()
{
    static NameList names = std::make_shared<std::vector<std::string>>(std::vector<std::string>{"No", "Yes"});
    return names;
}

TamwickMenu::TamwickMenu(const TamwickMenuLayoutOptions* layout_, std::function<void()> onClose_)
    : layout(layout_), textMode(layout_->textMode), spacing(layout_->spacing),
      entryHeight(layout_->entryHeight), nextY(layout_->topY), font(layout_->font),
      onClose(std::move(onClose_))
{
}

TamwickMenu::~TamwickMenu()
{
    // A destructor must not throw: a menu built without a close action simply has none.
    if (onClose)
        onClose();
}

template <typename T>
std::shared_ptr<T> TamwickMenu::place(std::shared_ptr<T> button, int x)
{
    button->x = x;
    button->topY = nextY;
    button->lowerY = nextY + entryHeight;
    buttons.push_back(button);
    nextY += spacing;
    return button;
}

CmdButtonText& TamwickMenu::textOf(std::size_t i)
{
    return static_cast<CmdButtonText&>(*buttons[i]);
}

std::shared_ptr<CmdButtonAction> TamwickMenu::addAction(int x, ButtonLabel label, std::function<void()> action,
                                                        CmdButtonAction::Callback onDelete, const RGB* colour)
{
    CmdButtonAction::Callback wrapped;
    if (action)
        wrapped = [action = std::move(action)](CmdButtonAction&) { action(); };
    return addButtonAction(x, std::move(label), std::move(wrapped), std::move(onDelete), colour);
}

std::shared_ptr<CmdButtonAction> TamwickMenu::addButtonAction(int x, ButtonLabel label,
                                                              CmdButtonAction::Callback action,
                                                              CmdButtonAction::Callback onDelete,
                                                              const RGB* colour)
{
    auto button = std::make_shared<CmdButtonAction>();
    button->label = std::move(label);
    button->action = std::move(action);
    button->onDelete = std::move(onDelete);
    button->colour = colour;
    return place(button, x);
}

std::shared_ptr<CmdButtonInt> TamwickMenu::addInt(int x, std::string label, int* value, int min, int max,
                                                  int step)
{
    auto button = std::make_shared<CmdButtonInt>();
    button->label = std::move(label);
    button->value = value;
    button->min = min;
    button->max = max;
    button->step = step;
    return place(button, x);
}

std::shared_ptr<CmdButtonEnum> TamwickMenu::addEnum(int x, std::string label, int* value, int min, int max,
                                                    NameList names)
{
    auto button = std::make_shared<CmdButtonEnum>();
    button->label = std::move(label);
    button->value = value;
    button->min = min;
    button->max = max;
    button->step = 1;
    button->names = std::move(names);
    return place(button, x);
}

std::shared_ptr<CmdButtonBool> TamwickMenu::addBool(int x, std::string label, bool* value, NameList names)
{
    auto button = std::make_shared<CmdButtonBool>();
    button->label = std::move(label);
    button->value = value;
    button->names = std::move(names);
    return place(button, x);
}

std::shared_ptr<CmdButtonHeading> TamwickMenu::addHeading(int x, std::string label)
{
    auto button = std::make_shared<CmdButtonHeading>();
    button->label = std::move(label);
    return place(button, x);
}

void TamwickMenu::addSpace()
{
    nextY += spacing / 2;
}

void TamwickMenu::moveSelection(int direction)
{
    const int count = int(buttons.size());
    for (int i = 0; i < count; ++i) {
        selected += direction;
        if (selected >= count)
            selected = 0;
        else if (selected < 0)
            selected = count - 1;
        if (!buttons[std::size_t(selected)]->isSkipped())
            break;
    }
}

namespace {

// -1 for the first key (or controller direction), +1 for the second, else 0.
int readAxis(int negativeKey, int positiveKey, bool (Controls::*negative)(),
             bool (Controls::*positive)(), bool includeHeld)
{
    std::vector<std::shared_ptr<Controls>> controllers;
    if (menuControlMode != 0 && controlsManager)
        controllers = controlsManager->getMenuControls(menuControlMode, includeHeld);
    auto any = [&](int key, bool (Controls::*test)()) {
        if (isKeyDown(key))
            return true;
        return std::any_of(controllers.begin(), controllers.end(),
                           [&](const auto& c) { return c && ((*c).*test)(); });
    };
    if (any(negativeKey, negative))
        return -1;
    if (any(positiveKey, positive))
        return 1;
    return 0;
}

}

int TamwickMenu::readHorizontal() const
{
    return readAxis(ALLEGRO_KEY_LEFT, ALLEGRO_KEY_RIGHT, &Controls::left, &Controls::right,
                    layout->includeHeldControls);
}

int TamwickMenu::readVertical() const
{
    return readAxis(ALLEGRO_KEY_UP, ALLEGRO_KEY_DOWN, &Controls::up, &Controls::down,
                    layout->includeHeldControls);
}

void TamwickMenu::update(int lowestY)
{
    if (buttons.empty())
        return;
    if (buttons[std::size_t(selected)]->isSkipped())
        moveSelection(1);

    const CmdButtonText& current = textOf(std::size_t(selected));
    if (current.lowerY + scroll > lowestY)
        scroll = lowestY - current.lowerY;
    else if (current.topY + scroll < layout->topY)
        scroll = layout->topY - current.topY;

    // Entries stand in the order they were placed, each below the last, so
    // the first and the last tell whether any is out of view.
    moreBelow = textOf(buttons.size() - 1).lowerY + scroll > lowestY;
    moreAbove = textOf(0).lowerY + scroll < layout->topY;

    if (repeatCountdown > 0)
        --repeatCountdown;
    if (repeatCountdown != 0)
        return;

    const int h = readHorizontal();
    const int v = readVertical();
    if (h != 0 && v != 0) {
        moveSelection(v);
        repeatCountdown = menuRepeatInterval;
    } else if (h != 0) {
        if (h < 0)
            buttons[std::size_t(selected)]->pressLeft();
        else
            buttons[std::size_t(selected)]->pressRight();
        repeatCountdown = layout->keyRepeat.value_or(menuRepeatInterval);
    } else if (v != 0) {
        moveSelection(v);
        repeatCountdown = menuRepeatInterval;
    } else {
        menuRepeatInterval = 10;
        menuRepeatCount = 0;
    }
    if (h != 0 || v != 0) {
        if (menuRepeatInterval > 2) {
            ++menuRepeatCount;
            if (menuRepeatCount % 20 == 0)
                --menuRepeatInterval;
        }
        menuSound(v != 0 ? 1000 : 2000);
    }

    if (isMenuInputPressed(ALLEGRO_KEY_ENTER, menuControlMode, layout->includeHeldControls)) {
        menuSound(2000);
        buttons[std::size_t(selected)]->activate();
        repeatCountdown = 10;
    }
    if (isKeyPressed(ALLEGRO_KEY_DELETE)) {
        menuSound(2000);
        buttons[std::size_t(selected)]->pressDelete();
        repeatCountdown = 10;
    }
}

void TamwickMenu::draw(BitmapWrapper& target)
{
    ALLEGRO_BITMAP* bitmap = target.bitmap;
    if (!bitmap)
        return;
    setTargetBitmap(bitmap);
    const int width = target.width();
    const int height = target.height();
    al_set_clipping_rectangle(0, layout->topY, width, height - layout->topY);
    // Only the entries that cross the clipping rectangle are drawn: a list of
    // thousands costs a frame what a screenful does. An entry's ink lies in its
    // band and its line of text, give or take a glyph that overhangs its line;
    // a spacing of slack each way keeps those.
    const int inkHeight = std::max(entryHeight, font ? al_get_font_line_height(font) : 0);
    const int slack = std::max(spacing, 0) + inkHeight;
    const auto firstInView = std::partition_point(buttons.begin(), buttons.end(), [&](const auto& button) {
        return static_cast<const CmdButtonText&>(*button).topY + scroll + slack < layout->topY;
    });
    for (auto i = std::size_t(firstInView - buttons.begin()); i < buttons.size(); ++i) {
        CmdButtonText& entry = textOf(i);
        if (entry.topY + scroll - slack >= height)
            break;
        if (int(i) == selected)
            drawFilledRectangle(bitmap, 0, entry.topY + scroll, width - 1, entry.lowerY + scroll,
                                rgbColour(selectedBand));
        std::string text = entry.labelText();
        std::string value = entry.valueText();
        if (!value.empty())
            text += ": " + value;
        RGB colour = entry.colour ? *entry.colour : entry.isSkipped() ? headingColour : entryColour;
        if (textMode == 1)
            drawText(bitmap, font, entry.x + 3, entry.topY + scroll, rgbColour(colour), text, 0);
    }
    const int ax = buttons.empty() ? 100 : std::max(0, textOf(0).x - 100);
    const ALLEGRO_COLOR arrow = rgbColour(entryColour);
    if (moreAbove)
        al_draw_filled_triangle(float(ax), float(layout->topY), float(ax - 25), float(layout->topY + 50),
                                float(ax + 25), float(layout->topY + 50), arrow);
    if (moreBelow)
        al_draw_filled_triangle(float(ax), float(height), float(ax - 25), float(height - 50),
                                float(ax + 25), float(height - 50), arrow);
    al_reset_clipping_rectangle();
}

std::shared_ptr<CmdButtonAction> addEntry(ConfigOptionWrapper<bool>& option, TamwickMenu* menu, int x)
{
    ConfigOptionWrapper<bool>* bound = &option;
    auto flip = [bound](CmdButtonAction&) { bound->set(!bound->get()); };
    auto button = menu->addButtonAction(
        x, std::function<std::string()>([bound] {
            return std::string(bound->label()) + ": " + (bound->get() ? "On" : "Off");
        }),
        flip);
    button->setOnLeft(flip);
    button->setOnRight(flip);
    return button;
}
