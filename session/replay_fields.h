#pragma once
#include <iosfwd>
#include <optional>
#include <string>

// The fields of a replay's set-up header and round block, written and read
// through one interface so that a block's layout is written down once, as a
// function template over the codec. Each field names the version that
// brought it (`since`); reading an older file, a field is left as it is or
// takes the value `absent` given with it. Values are little-endian.

class ReplayFieldWriter {
public:
    static constexpr bool reading = false;
    explicit ReplayFieldWriter(std::ostream& out) : out_(out) {}

    // This build writes every field.
    bool has(int) const { return true; }

    void i32(const int& value, int since = 0, std::optional<int> absent = {});
    void i32(const std::optional<int>& value, int since = 0, std::optional<int> absent = {});
    // The low byte of the value.
    void i8(const int& value, int since = 0, std::optional<int> absent = {});
    void i8(const std::optional<int>& value, int since = 0, std::optional<int> absent = {});
    void u8(const std::optional<int>& value, int since = 0, std::optional<int> absent = {});
    void flag(const bool& value, int since = 0, std::optional<bool> absent = {});
    void marker(const char* marker, int since = 0);

    std::ostream& stream() { return out_; }

private:
    std::ostream& out_;
};

class ReplayFieldReader {
public:
    static constexpr bool reading = true;
    ReplayFieldReader(std::istream& in, int version) : in_(in), version_(version) {}

    // True when the file's version holds a field brought by `since`.
    bool has(int since) const { return version_ >= since; }
    int version() const { return version_; }

    void i32(int& value, int since = 0, std::optional<int> absent = {});
    void i32(std::optional<int>& value, int since = 0, std::optional<int> absent = {});
    // One byte, sign-extended.
    void i8(int& value, int since = 0, std::optional<int> absent = {});
    void i8(std::optional<int>& value, int since = 0, std::optional<int> absent = {});
    // One byte, 0..255.
    void u8(std::optional<int>& value, int since = 0, std::optional<int> absent = {});
    void flag(bool& value, int since = 0, std::optional<bool> absent = {});
    void marker(const char* marker, int since = 0);

    // Unconditional reads of one value.
    int readI32();
    int readI8();
    int readU8();
    bool readFlag();

    std::istream& stream() { return in_; }

private:
    std::istream& in_;
    int version_;
};

// Reads exactly the marker's bytes and throws unless they are the marker.
void checkMarker(std::istream& in, const char* marker);

// A value read from a replay that the game cannot use: "Invalid replay: <field> <value>".
[[noreturn]] void invalidReplay(const std::string& field, long long value);
// Throws invalidReplay unless lowest <= value <= highest.
void requireInRange(const char* field, long long value, long long lowest, long long highest);
