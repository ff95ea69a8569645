#pragma once

// The nine actions a player's controls report, in the order of the Controls
// input operations; their display names are actionNames.
enum class ControlInput : int {
    Up = 0,
    Down = 1,
    Left = 2,
    Right = 3,
    Fire = 4,
    Button2 = 5,
    Pause = 6,
    ChangeSkin = 7,
    ChangeColour = 8,
};
