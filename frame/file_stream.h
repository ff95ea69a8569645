#pragma once
#include <cstdint>
#include <fstream>
#include <ios>
#include <istream>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>

// Fixed-width little-endian values on binary streams. Every helper checks first
// that the stream is open (a file stream whose file did not open counts as
// closed); what a short read does is left to the stream's own exception mask.
namespace File {

namespace detail {
inline void requireOpen(const std::istream& in)
{
    auto* file = dynamic_cast<const std::ifstream*>(&in);
    if (file && !file->is_open())
        throw std::runtime_error("File not open for reading");
}

template <typename T>
void requireOpen(const std::ostream& out, const T& value)
{
    auto* file = dynamic_cast<const std::ofstream*>(&out);
    if (!file || file->is_open())
        return;
    std::string text;
    if constexpr (std::is_same_v<T, std::string>)
        text = value;
    else
        text = std::to_string(value);
    throw std::runtime_error("File not open for writing - data: " + text);
}

// Reads `Bytes` bytes, least significant first.
template <int Bytes>
std::uint32_t readLittleEndian(std::istream& in)
{
    requireOpen(in);
    unsigned char bytes[Bytes] = {};
    in.read(reinterpret_cast<char*>(bytes), Bytes);
    std::uint32_t value = 0;
    for (int i = Bytes - 1; i >= 0; --i)
        value = (value << 8) | bytes[i];
    return value;
}

template <int Bytes>
void writeLittleEndian(std::ostream& out, std::uint32_t value)
{
    char bytes[Bytes];
    for (int i = 0; i < Bytes; ++i)
        bytes[i] = static_cast<char>((value >> (8 * i)) & 0xff);
    out.write(bytes, Bytes);
}
}

inline std::uint8_t readUint8(std::istream& in)
{
    return static_cast<std::uint8_t>(detail::readLittleEndian<1>(in));
}

inline bool readUint8_2(std::istream& in)
{
    return readUint8(in) != 0;
}

inline int readInt8AsInt(std::istream& in)
{
    return static_cast<std::int8_t>(detail::readLittleEndian<1>(in));
}

inline int readInt32(std::istream& in)
{
    return static_cast<std::int32_t>(detail::readLittleEndian<4>(in));
}

inline std::optional<int> readOptionalInt32(std::istream& in)
{
    return readInt32(in);
}

inline std::optional<int> readOptionalInt8AsInt(std::istream& in)
{
    return readInt8AsInt(in);
}

// For readers that must not take a short read as zeros whatever the stream's
// exception mask: throws std::ios_base::failure once a read has come up short.
inline void requireRead(const std::istream& in)
{
    if (in.fail())
        throw std::ios_base::failure("read past the end of the file");
}

// Bytes written through these appear in the error text as a character.
template <typename T>
void writeUint8(std::ostream& out, T value)
{
    detail::requireOpen(out, std::string(1, char(value)));
    detail::writeLittleEndian<1>(out, static_cast<std::uint8_t>(value));
}

template <typename T>
void writeInt8(std::ostream& out, T value)
{
    detail::requireOpen(out, std::string(1, char(value)));
    detail::writeLittleEndian<1>(out, static_cast<std::uint8_t>(static_cast<std::int8_t>(value)));
}

// The low byte of the value; the reader sign-extends it back.
inline void writeIntAsInt8(std::ostream& out, int value)
{
    detail::requireOpen(out, value);
    detail::writeLittleEndian<1>(out, static_cast<std::uint32_t>(value) & 0xffu);
}

inline void writeInt32(std::ostream& out, int value)
{
    detail::requireOpen(out, value);
    detail::writeLittleEndian<4>(out, static_cast<std::uint32_t>(value));
}

inline void writeOptionalInt32(std::ostream& out, const std::optional<int>& value)
{
    writeInt32(out, value.value());
}

}
