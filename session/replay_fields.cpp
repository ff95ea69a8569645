#include "session/replay_fields.h"

#include <cstring>
#include <istream>
#include <ostream>
#include <stdexcept>
#include <string>

#include "frame/file_stream.h"
#include "session/replay_error.h"

void invalidReplay(const std::string& field, long long value)
{
    const std::string detail = field + " " + std::to_string(value);
    throw ReplayError("Invalid replay: " + detail, detail);
}

void requireInRange(const char* field, long long value, long long lowest, long long highest)
{
    if (value < lowest || value > highest)
        invalidReplay(field, value);
}

void ReplayFieldWriter::i32(const int& value, int, std::optional<int>)
{
    File::writeInt32(out_, value);
}

void ReplayFieldWriter::i32(const std::optional<int>& value, int, std::optional<int>)
{
    File::writeInt32(out_, value.value());
}

void ReplayFieldWriter::i8(const int& value, int, std::optional<int>)
{
    File::writeIntAsInt8(out_, value);
}

void ReplayFieldWriter::i8(const std::optional<int>& value, int, std::optional<int>)
{
    File::writeIntAsInt8(out_, value.value());
}

void ReplayFieldWriter::u8(const std::optional<int>& value, int, std::optional<int>)
{
    File::writeUint8(out_, value.value());
}

void ReplayFieldWriter::flag(const bool& value, int, std::optional<bool>)
{
    File::writeInt8(out_, value);
}

void ReplayFieldWriter::marker(const char* marker, int)
{
    for (const char* c = marker; *c; ++c)
        File::writeUint8(out_, *c);
}

namespace {

// One value read through a fixed-width helper; a short read throws whatever
// the stream's exception mask says.
template <typename Read>
auto readChecked(std::istream& in, Read read)
{
    const auto value = read(in);
    File::requireRead(in);
    return value;
}

}

int ReplayFieldReader::readI32()
{
    return readChecked(in_, File::readInt32);
}

int ReplayFieldReader::readI8()
{
    return readChecked(in_, File::readInt8AsInt);
}

int ReplayFieldReader::readU8()
{
    return readChecked(in_, File::readUint8);
}

bool ReplayFieldReader::readFlag()
{
    return readChecked(in_, File::readUint8_2);
}

namespace {

// The bytes as text, with anything unprintable (and the backslash) as \xNN.
std::string printable(const std::string& bytes)
{
    static const char hex[] = "0123456789abcdef";
    std::string text;
    for (unsigned char c : bytes) {
        if (c >= 0x20 && c < 0x7f && c != '\\') {
            text += char(c);
        } else {
            text += "\\x";
            text += hex[c >> 4];
            text += hex[c & 15];
        }
    }
    return text;
}

// A field that the file holds is read; one that it lacks takes `absent`, or
// keeps its value when there is none.
template <typename T, typename A, typename Read>
void readField(bool present, T& value, const std::optional<A>& absent, Read read)
{
    if (present)
        value = read();
    else if (absent)
        value = *absent;
}

}

void ReplayFieldReader::i32(int& value, int since, std::optional<int> absent)
{
    readField(has(since), value, absent, [this] { return readI32(); });
}

void ReplayFieldReader::i32(std::optional<int>& value, int since, std::optional<int> absent)
{
    readField(has(since), value, absent, [this] { return readI32(); });
}

void ReplayFieldReader::i8(int& value, int since, std::optional<int> absent)
{
    readField(has(since), value, absent, [this] { return readI8(); });
}

void ReplayFieldReader::i8(std::optional<int>& value, int since, std::optional<int> absent)
{
    readField(has(since), value, absent, [this] { return readI8(); });
}

void ReplayFieldReader::u8(std::optional<int>& value, int since, std::optional<int> absent)
{
    readField(has(since), value, absent, [this] { return readU8(); });
}

void ReplayFieldReader::flag(bool& value, int since, std::optional<bool> absent)
{
    readField(has(since), value, absent, [this] { return readFlag(); });
}

void checkMarker(std::istream& in, const char* marker)
{
    const std::string expected(marker);
    std::string read(expected.size(), '\0');
    in.read(read.data(), std::streamsize(read.size()));
    File::requireRead(in);
    if (read != expected)
        throw ReplayError("matchedMarker " + expected + " failed:\n" + printable(read),
                          "marker " + expected + " missing", ", found \"" + printable(read) + "\"");
}

void ReplayFieldReader::marker(const char* marker, int since)
{
    if (has(since))
        checkMarker(in_, marker);
}
