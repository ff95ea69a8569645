#pragma once

// The four directions a player or snake can face.
enum class Facing : int { Right = 0, Up = 1, Left = 2, Down = 3 };
