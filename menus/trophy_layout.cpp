#include "menus/trophy_layout.h"

#include "frame/range_map.h"

int trophyScreenSizeId(int rows)
{
    if (rows <= 5)
        return 1;
    if (rows <= 10)
        return 2;
    if (rows <= 16)
        return 3;
    return 4;
}

int trophyRowY(int i, int rows, int height)
{
    // A few rows stand 64 pixels apart about the middle; more are spread
    // between a top and a bottom line that close in as the rows grow.
    if (rows <= 5)
        return ((4 * i - rows) + 10) * 16;
    const float n = float(rows);
    const float top = mapRangeClamped(n, 6, 16, 80, 16);
    const float low = mapRangeClamped(n, 6, 16, float(height - 64), float(height - 16));
    return int(mapRangeClamped(float(i), 0, n, top, low));
}

int trophyPlayerX(int j, int players)
{
    // The more players a row holds, the further left it starts and the
    // closer they stand.
    const float m = float(players);
    const int spacing = int(mapRangeClamped(m, 1, 50, 16, 2));
    return int(mapRangeClamped(m, 1, 20, 70, 0) + float(j * spacing));
}

int trophyX(int k)
{
    return 156 + 48 * k;
}
