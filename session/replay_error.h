#pragma once
#include <istream>
#include <stdexcept>
#include <string>

// A replay file that cannot be played as it stands: a value the game cannot
// use, a marker that is not there, a section cut short, a verify companion
// that cannot be read, or a round whose file ends before its end byte.
// Unlike a failed check of the simulation, it is the file's fault: the
// player is told and the program goes on.
class ReplayError : public std::runtime_error {
public:
    // `detail` names what is wrong ("numPlayers 0", "marker *** missing");
    // `found` is added after the position (the bytes found instead of a marker).
    ReplayError(const std::string& text, std::string detail, std::string found = {});
    // An error that already names its place in the file.
    explicit ReplayError(const std::string& text);

    const std::string& detail() const { return detail_; }
    const std::string& found() const { return found_; }
    bool located() const { return located_; }

private:
    std::string detail_;
    std::string found_;
    bool located_;
};

// Logs `text` and throws it as a ReplayError that already names its place.
[[noreturn]] void throwReplayError(const std::string& text);

// Throws "Invalid replay: <detail> at byte N<found>", N being where reading
// of `in` stopped. The stream's error state is cleared to learn the position.
[[noreturn]] void throwLocatedReplayError(std::istream& in, const std::string& detail,
                                          const std::string& found = {});

// Runs `read` over `in`, one section of a replay. A section cut short, or a
// value or marker in it that the game refuses, becomes a located
// ReplayError naming `section` or the value.
template <typename Read>
decltype(auto) readReplaySection(std::istream& in, const char* section, Read&& read)
{
    try {
        return read();
    } catch (const std::ios_base::failure&) {
        throwLocatedReplayError(in, std::string(section) + " cut short");
    } catch (const ReplayError& error) {
        if (error.located())
            throw;
        throwLocatedReplayError(in, error.detail(), error.found());
    }
}
