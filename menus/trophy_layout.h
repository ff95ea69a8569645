#pragma once

// Where the trophy room puts things, on its 640-pixel-wide screen.

// The screen size id for a table of `rows` rows: 1 up to 5 rows, 2 up to 10,
// 3 up to 16, 4 beyond.
int trophyScreenSizeId(int rows);
// The top of row `i` (counted from 1) of `rows`, on a screen `height` high.
int trophyRowY(int i, int rows, int height);
// The x of player `j` (counted from 0) of a row of `players`.
int trophyPlayerX(int j, int players);
// The x of the row's trophy `k` (counted from 0).
int trophyX(int k);
