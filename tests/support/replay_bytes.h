#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// Bytes of a replay file assembled by hand, field by field, little-endian.
class ReplayBytes {
public:
    ReplayBytes& i32(int value)
    {
        for (int i = 0; i < 4; ++i)
            bytes_ += char((std::uint32_t(value) >> (8 * i)) & 0xff);
        return *this;
    }
    ReplayBytes& i8(int value)
    {
        bytes_ += char(value & 0xff);
        return *this;
    }
    ReplayBytes& flag(bool value) { return i8(value ? 1 : 0); }
    ReplayBytes& text(std::string_view text)
    {
        bytes_ += text;
        return *this;
    }
    ReplayBytes& colour(int red, int green, int blue) { return i32(red).i32(green).i32(blue); }
    ReplayBytes& append(const ReplayBytes& more)
    {
        bytes_ += more.bytes_;
        return *this;
    }

    const std::string& str() const { return bytes_; }
    std::size_t size() const { return bytes_.size(); }

private:
    std::string bytes_;
};
