#pragma once
#include <optional>
#include <ostream>

// Two-component vector: cells and pixels use int, motion uses float.
template <typename T>
struct Vector2Base {
    T x{};
    T y{};

    constexpr Vector2Base() = default;
    constexpr Vector2Base(T x_, T y_) : x(x_), y(y_) {}

    friend constexpr bool operator==(const Vector2Base& a, const Vector2Base& b)
    {
        return a.x == b.x && a.y == b.y;
    }
    constexpr Vector2Base operator+(const Vector2Base& o) const { return {x + o.x, y + o.y}; }
    constexpr Vector2Base operator-(const Vector2Base& o) const { return {x - o.x, y - o.y}; }
    constexpr Vector2Base operator*(T s) const { return {x * s, y * s}; }
};

using Vector2 = Vector2Base<int>;
using Vector2f = Vector2Base<float>;

template <typename T>
std::ostream& operator<<(std::ostream& os, const Vector2Base<T>& v)
{
    return os << '{' << v.x << ',' << v.y << '}';
}

template <typename T>
std::ostream& operator<<(std::ostream& os, const std::optional<Vector2Base<T>>& v)
{
    if (!v)
        return os << "nullopt";
    return os << *v;
}
