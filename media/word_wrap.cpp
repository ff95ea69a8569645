#include "media/word_wrap.h"

#include <algorithm>
#include <cctype>

namespace {

bool isBlank(char c)
{
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

}

std::string wordWrap(std::string text, int width)
{
    if (text.empty())
        return text;
    if (width <= 0) {
        // No line can hold even one character; cutting would never end, so
        // every blank ends a line instead.
        std::replace_if(text.begin(), text.end(), isBlank, '\n');
        return text;
    }
    std::size_t lineStart = 0;
    while (true) {
        // The rest fits on this line.
        if (text.size() - lineStart <= std::size_t(width))
            return text;
        std::size_t pos = lineStart + std::size_t(width);
        if (isBlank(text[pos])) {
            text[pos] = '\n';
        } else {
            std::size_t j = pos;
            while (j > lineStart + 1 && !isBlank(text[j - 1]))
                --j;
            if (j > lineStart + 1) {
                pos = j - 1;
                text[pos] = '\n';
            } else {
                text.insert(pos, 1, '\n');
            }
        }
        lineStart = pos + 1;
        if (lineStart >= text.size())
            return text;
    }
}
