#include "controls/controls_manager.h"

#include <algorithm>
#include <allegro5/allegro.h>
#include <fmt/format.h>
#include <stdexcept>

#include "controls/joystick_driver.h"
#include "controls/keyboard_controls.h"
#include "controls/steam_input_controls.h"
#include "frame/app_globals.h"
#include "frame/log.h"

std::unique_ptr<ControlsManager> controlsManager;
ControlsManager* controlsManagerInstance = nullptr;
bool joystickDriverPending = true;
bool steamInputEnabled = false;

namespace {

HeldControlsSource& heldControlsSource()
{
    static HeldControlsSource source;
    return source;
}

std::vector<HeldControls> heldControls()
{
    const auto& source = heldControlsSource();
    return source ? source() : std::vector<HeldControls>{};
}

const std::vector<std::vector<int>> defaultLayouts = {
    {ALLEGRO_KEY_UP, ALLEGRO_KEY_DOWN, ALLEGRO_KEY_LEFT, ALLEGRO_KEY_RIGHT, ALLEGRO_KEY_RCTRL,
     ALLEGRO_KEY_RSHIFT},
    {ALLEGRO_KEY_W, ALLEGRO_KEY_S, ALLEGRO_KEY_A, ALLEGRO_KEY_D, ALLEGRO_KEY_LCTRL,
     ALLEGRO_KEY_LSHIFT},
    {ALLEGRO_KEY_I, ALLEGRO_KEY_K, ALLEGRO_KEY_J, ALLEGRO_KEY_L, ALLEGRO_KEY_N, ALLEGRO_KEY_M},
    {ALLEGRO_KEY_T, ALLEGRO_KEY_G, ALLEGRO_KEY_F, ALLEGRO_KEY_H, ALLEGRO_KEY_C, ALLEGRO_KEY_V},
};

bool wraps(const std::shared_ptr<Controls>& c, ALLEGRO_JOYSTICK* handle)
{
    auto* joystick = dynamic_cast<JoystickControls*>(c.get());
    return joystick && joystick->joystick == handle;
}

std::string joined(const std::vector<std::string>& parts)
{
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i)
        text += (i ? ", " : "") + parts[i];
    return text;
}

}

bool isControllerControls(const Controls* c)
{
    return dynamic_cast<const JoystickControls*>(c) ||
           dynamic_cast<const SteamInputControls*>(c);
}

ControlsManager::ControlsManager()
{
    controlsManagerInstance = this;
    layouts = defaultLayouts;
    try {
        detectJoysticks();
    } catch (...) {
        // The object never came to be; nobody may reach it.
        controlsManagerInstance = nullptr;
        throw;
    }
}

ControlsManager::~ControlsManager()
{
    if (controlsManagerInstance == this)
        controlsManagerInstance = nullptr;
}

bool ControlsManager::detectJoysticks()
{
    JoystickDriver& driver = joystickDriver();
    if (joystickDriverPending) {
        joystickDriverPending = false;
        if (!driver.install())
            throw std::runtime_error("al_install_joystick failed");
        if (eventQueue && driver.eventSource())
            al_register_event_source(eventQueue, driver.eventSource());
    } else {
        driver.reconfigure();
    }

    int count = std::max(driver.numJoysticks(), 0);
    logDetectedJoysticks(count);

    if (controls.empty()) {
        fillControls(count);
        return false;
    }
    return refreshControls(count);
}

void ControlsManager::logDetectedJoysticks(int count)
{
    JoystickDriver& driver = joystickDriver();
    log("%d controllers detected:\n", count);
    for (int i = 0; i < count; ++i) {
        ALLEGRO_JOYSTICK* joystick = driver.joystick(i);
        logStdString(driver.name(joystick) + "\n");
        log("\tSticks:\n");
        for (int s = 0; s < driver.numSticks(joystick); ++s) {
            std::vector<std::string> axes;
            for (int a = 0; a < driver.numAxes(joystick, s); ++a)
                axes.push_back(driver.axisName(joystick, s, a));
            logStdString("\t\t" + driver.stickName(joystick, s) + "; Axes: " + joined(axes) +
                         "\n");
        }
        std::vector<std::string> buttons;
        for (int b = 0; b < driver.numButtons(joystick); ++b)
            buttons.push_back(driver.buttonName(joystick, b));
        logStdString("\tButtons: " + joined(buttons) + "\n");
    }
}

void ControlsManager::fillControls(int joystickCount)
{
    std::size_t total = std::min(std::size_t(joystickCount) + layouts.size(), maxControls);
    for (std::size_t k = 0; k < total; ++k) {
        if (k < std::size_t(joystickCount)) {
            auto added = makeControllerControls(int(k), false);
            if (!added)
                continue;
            controls.push_back(added);
            logStdString(fmt::format("Added controller: {}\n", added->id()));
        } else {
            controls.push_back(
                std::make_shared<KeyboardControls>(layouts[k - std::size_t(joystickCount)]));
        }
    }
}

bool ControlsManager::refreshControls(int joystickCount)
{
    bool changed = false;
    // Each object is asked once, so the log and the list agree.
    std::vector<std::shared_ptr<Controls>> kept;
    int removed = 0;
    for (const auto& c : controls) {
        if (c->isActive()) {
            kept.push_back(c);
        } else {
            logStdString(fmt::format("Lost joystick {}\n", c->id()));
            removed += 1;
        }
    }
    controls = std::move(kept);
    if (removed > 0) {
        log("%d controls invalidated\n", removed);
        changed = true;
    }

    JoystickDriver& driver = joystickDriver();
    for (int i = 0; i < joystickCount; ++i) {
        ALLEGRO_JOYSTICK* handle = driver.joystick(i);
        if (!handle || std::any_of(controls.begin(), controls.end(),
                                   [&](const auto& c) { return wraps(c, handle); }))
            continue;
        auto added = std::make_shared<JoystickControls>(handle, false);
        controls.push_back(added);
        logStdString(fmt::format("Added controller: {}\n", added->id()));
        changed = true;
        for (const auto& held : heldControls()) {
            if (wraps(held.controls, handle)) {
                logStdString(fmt::format("Player {} regained controls\n", held.playerNumber));
                break;
            }
        }
    }
    return changed;
}

bool ControlsManager::pollSteamInput()
{
    return steamInputEnabled && detectJoysticks();
}

std::shared_ptr<JoystickControls> ControlsManager::makeControllerControls(int index, bool quiet)
{
    ALLEGRO_JOYSTICK* handle = joystickDriver().joystick(index);
    if (!handle)
        return nullptr;
    return std::make_shared<JoystickControls>(handle, quiet);
}

bool ControlsManager::isControlsUsedByAnyPlayer(const std::shared_ptr<Controls>& c)
{
    if (!c || !isControllerControls(c.get()))
        return false;
    auto held = heldControls();
    return std::any_of(held.begin(), held.end(), [&](const auto& h) { return h.controls == c; });
}

std::optional<std::shared_ptr<Controls>> ControlsManager::firstController()
{
    for (const auto& c : controls) {
        if (isControllerControls(c.get()))
            return c;
    }
    return std::nullopt;
}

std::optional<std::shared_ptr<Controls>> ControlsManager::firstControllerHeldByPlayer()
{
    for (const auto& c : controls) {
        if (isControlsUsedByAnyPlayer(c))
            return c;
    }
    return std::nullopt;
}

std::vector<std::shared_ptr<Controls>> ControlsManager::getMenuControls(int inputMode,
                                                                          bool includeHeld)
{
    std::vector<std::shared_ptr<Controls>> result;
    if (inputMode == 1) {
        if (auto first = firstController())
            result.push_back(*first);
        if (includeHeld) {
            if (auto held = firstControllerHeldByPlayer())
                result.push_back(*held);
        }
    } else if (inputMode == 2) {
        for (const auto& c : controls) {
            if (!dynamic_cast<KeyboardControls*>(c.get()))
                result.push_back(c);
        }
    }
    return result;
}

void setHeldControlsSource(HeldControlsSource source)
{
    heldControlsSource() = std::move(source);
}
