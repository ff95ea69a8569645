#pragma once
#include <string>

// Breaks the text into lines of at most `width` characters: blanks become line
// breaks, and a word longer than a line is cut. A width of 0 or less puts one
// word on each line.
std::string wordWrap(std::string text, int width);
