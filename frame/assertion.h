#pragma once
#include <string>
#include <string_view>

// Consistency checks, above all those of replay verification, fail with
// "Assertion failed: '<expression>' at line <line>" and a newline. The text is
// logged and thrown as std::runtime_error.
std::string assertionText(std::string_view expression, int line);
// The same with "replayInput pos <position>" and a newline appended, for the
// checks made while a replay plays.
std::string assertionTextAt(std::string_view expression, int line, long long replayPosition);
// Log and throw those texts.
[[noreturn]] void failAssertion(std::string_view expression, int line);
[[noreturn]] void failAssertionAt(std::string_view expression, int line, long long replayPosition);
