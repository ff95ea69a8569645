#pragma once
#include <string_view>

// True when the bytes are well-formed UTF-8: no stray continuation bytes, no
// overlong forms, no surrogates and nothing above U+10FFFF.
bool isValidUtf8(std::string_view text);
