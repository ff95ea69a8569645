#pragma once
#include <cstdint>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>

// Fixed-width little-endian values on binary file streams. Every helper checks
// first that the stream's file is open; what a short read does is left to the
// stream's own exception mask.
namespace File {

namespace detail {
inline void requireOpen(const std::ifstream& in)
{
    if (!in.is_open())
        throw std::runtime_error("File not open for reading");
}

template <typename T>
void requireOpen(const std::ofstream& out, const T& value)
{
    if (out.is_open())
        return;
    std::string text;
    if constexpr (std::is_same_v<T, std::string>)
        text = value;
    else
        text = std::to_string(value);
    throw std::runtime_error("File not open for writing - data: " + text);
}

template <typename T>
T readRaw(std::ifstream& in)
{
    requireOpen(in);
    T value{};
    in.read(reinterpret_cast<char*>(&value), sizeof value);
    return value;
}

template <typename T>
void writeRaw(std::ofstream& out, const T& value)
{
    out.write(reinterpret_cast<const char*>(&value), sizeof value);
}
}

inline std::uint8_t readUint8(std::ifstream& in)
{
    return detail::readRaw<std::uint8_t>(in);
}

inline bool readUint8_2(std::ifstream& in)
{
    return readUint8(in) != 0;
}

inline int readInt8AsInt(std::ifstream& in)
{
    return detail::readRaw<std::int8_t>(in);
}

inline int readInt32(std::ifstream& in)
{
    return detail::readRaw<std::int32_t>(in);
}

inline std::optional<int> readOptionalInt32(std::ifstream& in)
{
    return readInt32(in);
}

inline std::optional<int> readOptionalInt8AsInt(std::ifstream& in)
{
    return readInt8AsInt(in);
}

// Bytes written through these appear in the error text as a character.
template <typename T>
void writeUint8(std::ofstream& out, T value)
{
    detail::requireOpen(out, std::string(1, char(value)));
    detail::writeRaw(out, static_cast<std::uint8_t>(value));
}

template <typename T>
void writeInt8(std::ofstream& out, T value)
{
    detail::requireOpen(out, std::string(1, char(value)));
    detail::writeRaw(out, static_cast<std::int8_t>(value));
}

inline void writeIntAsInt8(std::ofstream& out, int value)
{
    detail::requireOpen(out, value);
    detail::writeRaw(out, static_cast<std::int8_t>(value & 0xff));
}

inline void writeInt32(std::ofstream& out, int value)
{
    detail::requireOpen(out, value);
    detail::writeRaw(out, static_cast<std::int32_t>(value));
}

inline void writeOptionalInt32(std::ofstream& out, const std::optional<int>& value)
{
    writeInt32(out, value.value());
}

}
