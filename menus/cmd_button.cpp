#include "menus/cmd_button.h"

std::string CmdButtonText::labelText()
{
    if (auto* text = std::get_if<std::string>(&label))
        return *text;
    return std::get<std::function<std::string()>>(label)();
}

void CmdButtonText::setLabel(std::string text)
{
    label = std::move(text);
}

std::string CmdButtonInt::valueText()
{
    return std::to_string(*value);
}

void CmdButtonInt::activate()
{
    *value += step;
    if (*value > max)
        *value = min;
}

void CmdButtonInt::pressLeft()
{
    *value -= step;
    if (*value < min)
        *value = max;
}

void CmdButtonInt::pressRight()
{
    activate();
}

// A value outside the names (from an edited configuration file) shows as its number.
std::string CmdButtonEnum::valueText()
{
    if (names && *value >= 0 && std::size_t(*value) < names->size())
        return (*names)[std::size_t(*value)];
    return std::to_string(*value);
}

std::string CmdButtonBool::valueText()
{
    return names->at(*value ? 1 : 0);
}

void CmdButtonBool::activate()
{
    *value = !*value;
}

void CmdButtonBool::pressLeft()
{
    activate();
}

void CmdButtonBool::pressRight()
{
    activate();
}

namespace {
void call(const CmdButtonAction::Callback& f, CmdButtonAction& button)
{
    if (f)
        f(button);
}
}

void CmdButtonAction::activate()
{
    call(action, *this);
}

void CmdButtonAction::pressLeft()
{
    call(onLeft, *this);
}

void CmdButtonAction::pressRight()
{
    call(onRight, *this);
}

void CmdButtonAction::pressDelete()
{
    call(onDelete, *this);
}
