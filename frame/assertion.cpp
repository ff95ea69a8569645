#include "frame/assertion.h"

#include <stdexcept>

#include "frame/log.h"

std::string assertionText(std::string_view expression, int line)
{
    return "Assertion failed: '" + std::string(expression) + "' at line " + std::to_string(line) +
           "\n";
}

std::string assertionTextAt(std::string_view expression, int line, long long replayPosition)
{
    return assertionText(expression, line) + "replayInput pos " + std::to_string(replayPosition) + "\n";
}

namespace {
[[noreturn]] void fail(const std::string& text)
{
    logStdString(text);
    throw std::runtime_error(text);
}
}

void failAssertion(std::string_view expression, int line)
{
    fail(assertionText(expression, line));
}

void failAssertionAt(std::string_view expression, int line, long long replayPosition)
{
    fail(assertionTextAt(expression, line, replayPosition));
}
