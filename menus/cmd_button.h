#pragma once
#include <functional>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "frame/rgb.h"

// An entry's label: fixed text, or a function asked every time it is shown
// (so a label can follow the value it names).
using ButtonLabel = std::variant<std::string, std::function<std::string()>>;
using NameList = std::shared_ptr<std::vector<std::string>>;

// One entry of a menu. Entries are made with make_shared and held by
// shared_ptr; they are destroyed through the shared_ptr's own deleter.
class CmdButtonBase {
public:
    virtual std::string labelText() = 0;
    virtual std::string valueText() { return {}; }
    virtual void activate() = 0;
    virtual void pressLeft() {}
    virtual void pressRight() {}
    virtual void pressDelete() {}
    virtual bool isSkipped() { return false; }

protected:
    CmdButtonBase() = default;
    ~CmdButtonBase() = default;
};

// An entry with a text at a place in the menu.
class CmdButtonText : public CmdButtonBase {
public:
    std::string labelText() override;
    virtual void setLabel(std::string text);

    int x = 0;                     // left edge of the text area
    int topY = 0;                  // in menu coordinates, before scrolling
    int lowerY = 0;
    const RGB* colour = nullptr;   // not owned; null for the default colour
    ButtonLabel label;
};

// A number stepped by left and right (and Enter), wrapping to the opposite end.
class CmdButtonInt : public CmdButtonText {
public:
    std::string valueText() override;
    void activate() override;
    void pressLeft() override;
    void pressRight() override;

    int min = 0;
    int max = 0;
    int step = 1;
    int* value = nullptr;          // not owned
};

// A choice among names, stepped like a number.
class CmdButtonEnum : public CmdButtonInt {
public:
    std::string valueText() override;

    NameList names;
};

// On or off; Enter, left and right all toggle.
class CmdButtonBool : public CmdButtonText {
public:
    std::string valueText() override;
    void activate() override;
    void pressLeft() override;
    void pressRight() override;

    bool* value = nullptr;         // not owned
    NameList names;                // [0] for false, [1] for true
};

// Runs a function on Enter, Delete, left or right; each gets the entry itself.
class CmdButtonAction : public CmdButtonText {
public:
    using Callback = std::function<void(CmdButtonAction&)>;

    void activate() override;
    void pressLeft() override;
    void pressRight() override;
    void pressDelete() override;
    void setOnLeft(Callback f) { onLeft = std::move(f); }
    void setOnRight(Callback f) { onRight = std::move(f); }

    Callback action;
    Callback onDelete;
    Callback onLeft;
    Callback onRight;
};

// A line the selection passes over.
class CmdButtonHeading : public CmdButtonText {
public:
    void activate() override {}
    bool isSkipped() override { return true; }
};
