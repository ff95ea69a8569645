#include "contact_sheet.h"

#include "png_writer.h"
#include "sprites.h"

#include "frame/names.h"

#include <algorithm>
#include <string>

namespace {

const Rgb sheetBackground{28, 30, 36};
const Rgb labelColour{230, 230, 220};

// The player colour replaces base grey; darker pure greys become the darker
// shades of it (as the game's recolour shader does). Black stays black.
Rgb recolour(Rgb c, Rgb player)
{
    if (!c.isGrey() || c.r == 0 || c.r > 192)
        return c;
    return scaled(player, c.r / 192.0);
}

void drawSprite(Canvas& sheet, const Picture& p, int x, int y, int scale, bool showKey, const Rgb* player = nullptr,
                bool mirror = false)
{
    for (int sy = 0; sy < p.height; ++sy)
        for (int sx = 0; sx < p.width; ++sx) {
            Rgb c = p.at(mirror ? p.width - 1 - sx : sx, sy);
            if (c == keyColour) {
                if (!showKey)
                    continue;
                if (scale > 1)
                    c = ((sx + sy) % 2) ? Rgb(44, 46, 54) : Rgb(54, 56, 66);
            } else if (player) {
                c = recolour(c, *player);
            }
            for (int j = 0; j < scale; ++j)
                for (int i = 0; i < scale; ++i)
                    sheet.put(x + sx * scale + i, y + sy * scale + j, c);
        }
}

int nameToId(const std::string& name)
{
    auto it = std::find(spriteNames.begin(), spriteNames.end(), name);
    return static_cast<int>(it - spriteNames.begin());
}

// A few rows of arena on one background colour, drawn at 2x.
void arenaScene(Canvas& sheet, const std::vector<Picture>& sprites, int left, int top, Rgb floor, const char* label,
                Fonts& fonts)
{
    const int cols = 28, rows = 4;
    Canvas scene(cols * 32, rows * 32, floor);
    auto put = [&](int id, int cx, int cy, const Rgb* player = nullptr, int dy = 0, bool mirror = false) {
        drawSprite(scene, sprites[id], cx * 32, cy * 32 + dy, 1, false, player, mirror);
    };
    // Row 0: walls, blocks, shrink walls and the damage frames.
    const int row0[] = {63, 63, -1, 64, 64, -1, 62, 62, -1, 67, 68, 65, 66, 69, 70, 71, 72, -1, 60, 61};
    for (int i = 0; i < static_cast<int>(std::size(row0)); ++i)
        if (row0[i] >= 0)
            put(row0[i], i, 0);
    // Row 1: bombs burning down, flames in a cross, rolling bombs, flags.
    const int bombs[] = {3, 8, 13, 18, 21, 23};
    for (int i = 0; i < 6; ++i)
        put(bombs[i], i, 1);
    put(26, 7, 1); put(25, 8, 1); put(24, 9, 1); put(25, 10, 1); put(26, 11, 1);
    put(26, 9, 2); put(25, 9, 3);
    put(29, 13, 1); put(28, 14, 1); put(27, 15, 1);
    put(31, 17, 1); put(30, 18, 1);
    for (int i = 0; i < 3; ++i)
        put(54 + i * 2, 20 + i, 1);
    // Rows 2-3: powerups, then players (head over body) in different colours.
    for (int i = 0; i < 17; ++i)
        put(37 + i, 11 + i, 2);
    const Rgb colours[] = {{192, 192, 192}, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 0}, {255, 16, 255}, {0, 255, 255},
                           {255, 128, 0}, {128, 0, 255}};
    for (int i = 0; i < 9; ++i) {
        int head = i;
        bool side = i % 3 == 1, back = i % 3 == 2;
        std::string headName = "Head" + std::to_string(head) + (side ? "_R_0" : back ? "_U_014" : "_D_014");
        int headId = nameToId(headName);
        if (headId >= spriteCount)
            headId = nameToId("Head0_U_014");
        int bodyId = side ? 87 + (i % 7) : back ? 80 : 73 + (i % 7);
        put(headId, i, 3, &colours[i], -28);
        put(bodyId, i, 3, &colours[i]);
    }
    // A crawling player, a snail and snakes made of heads.
    put(95, 9, 3, &colours[3]);
    put(nameToId("Head3_Crawl_R"), 10, 3, &colours[3]);
    drawSprite(scene, sprites[35], 12 * 32, 3 * 32 - 12, 1, false);
    for (int i = 0; i < 4; ++i)
        put(nameToId("Head10_R_0"), 13 + i, 3, &colours[6]);

    drawSprite(sheet, Picture{scene.width(), scene.height(), scene.rgbBytes()}, left, top, 2, true);
    sheet.text(fonts.builtin, static_cast<float>(left), static_cast<float>(top - 10), 0, labelColour, label);
}

} // namespace

void writeContactSheet(const std::string& path, const std::vector<Picture>& sprites, Fonts& fonts)
{
    const int margin = 16, width = 1868;
    std::vector<int> small, large;
    for (int id = 0; id < spriteCount; ++id)
        (sprites[id].width <= 64 ? small : large).push_back(id);
    // Small sprites flow left to right: label, then 1x and 3x side by side.
    auto smallCell = [&](int id, int& w, int& h) {
        std::string label = std::to_string(id) + " " + spriteNames[id];
        w = std::max(static_cast<int>(label.size()) * 8, sprites[id].width * 4 + 8) + 14;
        h = 12 + sprites[id].height * 3 + 12;
    };
    auto flowHeight = [&](const std::vector<int>& ids, auto cell) {
        int x = 0, total = 0, rowH = 0;
        for (int id : ids) {
            int w, h;
            cell(id, w, h);
            if (x + w > width - 2 * margin) {
                total += rowH;
                x = 0;
                rowH = 0;
            }
            x += w;
            rowH = std::max(rowH, h);
        }
        return total + rowH;
    };
    auto largeCell = [&](int id, int& w, int& h) {
        w = sprites[id].width + 12;
        h = sprites[id].height + 24;
    };
    const int sceneH = 4 * 32 * 2 + 24;
    const int smallHeight = flowHeight(small, smallCell);
    const int largeHeight = flowHeight(large, largeCell);
    const int height = margin * 3 + 5 * sceneH + smallHeight + largeHeight + 20;
    Canvas sheet(width, height, sheetBackground);

    const Rgb floors[5] = {{0, 0, 0}, {57, 123, 8}, {100, 0, 0}, {20, 20, 123}, {57, 57, 57}};
    const char* floorNames[5] = {"Background: black", "Background: green", "Background: red", "Background: blue",
                                 "Background: grey"};
    int y = margin + 12;
    for (int i = 0; i < 5; ++i, y += sceneH)
        arenaScene(sheet, sprites, margin, y, floors[i], floorNames[i], fonts);

    // Lays the sprites out left to right in labelled cells, wrapping at the
    // sheet's edge; below the last row comes a margin.
    auto flow = [&](const std::vector<int>& ids, auto cellSize, auto drawCell) {
        int x = margin, rowH = 0;
        for (int id : ids) {
            int w, h;
            cellSize(id, w, h);
            if (x + w > width - margin) {
                x = margin;
                y += rowH;
                rowH = 0;
            }
            drawCell(id, x, y);
            x += w;
            rowH = std::max(rowH, h);
        }
        y += rowH + margin;
    };
    y += margin;
    flow(small, smallCell, [&](int id, int x, int top) {
        sheet.text(fonts.builtin, static_cast<float>(x), static_cast<float>(top), 0, labelColour,
                   std::to_string(id) + " " + spriteNames[id]);
        drawSprite(sheet, sprites[id], x, top + 12, 1, true);
        drawSprite(sheet, sprites[id], x + sprites[id].width + 8, top + 12, 3, true);
    });
    flow(large, largeCell, [&](int id, int x, int top) {
        sheet.text(fonts.builtin, static_cast<float>(x), static_cast<float>(top), 0, labelColour,
                   std::to_string(id) + " " + spriteNames[id] +
                       (id >= 229 ? std::string(" - \"") + photoInfo(id).caption + "\"" : std::string()));
        drawSprite(sheet, sprites[id], x, top + 12, 1, true);
    });
    writePng(path, sheet.width(), sheet.height(), sheet.rgbBytes(), 1);
}
