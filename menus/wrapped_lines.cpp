#include "menus/wrapped_lines.h"

#include <sstream>

#include "media/fonts.h"
#include "media/text.h"
#include "media/word_wrap.h"

void drawWrappedLines(ALLEGRO_BITMAP* target, const std::string& text, int x, int y, int lineHeight,
                      ALLEGRO_COLOR colour)
{
    std::istringstream lines(wordWrap(text, 30));
    for (std::string line; std::getline(lines, line); y += lineHeight)
        drawText(target, font30, x, y, colour, line, 0);
}
