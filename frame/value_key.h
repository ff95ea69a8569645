#pragma once
#include <sstream>
#include <stdexcept>

#include "frame/vector2.h"

// The key of the first entry (in the table's iteration order) holding `value`.
template <typename Table>
auto valueKey(const Vector2& value, const Table& table)
{
    for (const auto& [key, entry] : table)
        if (entry == value)
            return key;
    std::ostringstream s;
    s << "valueKey: value '" << value << "' not found";
    throw std::out_of_range(s.str());
}
