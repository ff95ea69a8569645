#pragma once
#include <iosfwd>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

// The version this build writes into its replays: (major << 24) | (minor << 12) | patch.
inline constexpr int replayOutputVersion = 0x1001002;
// The end byte ('w') that closes a recorded round.
inline constexpr int replayEndByte = 119;

// The replay context of one round, built by the session for each round and
// copied into the Game; every rule that reads or writes a frame record gets it.
// At most one of `playing` and `recording` is set.
struct PackagedReplayData {
    std::istream* replayInput = nullptr;           // binary; null when not playing
    std::ostream* replayOutput = nullptr;          // binary; null when not recording
    bool playing = false;
    std::optional<int> replayInputVersion;         // the version of the replay that plays
    bool recording = false;
    std::shared_ptr<std::istream> inputVerify;     // the verify text to check against, if any
    std::ostream* outputVerify = nullptr;          // the verify text being written, if any
};

// True while a replay plays whose version is below `version`: the rule keeps
// its old form. A new game always takes the newest rule. A playing replay
// without a version throws std::bad_optional_access, as every gate does.
bool playingOlderThan(const PackagedReplayData& replay, int version);
// The same, but a playing replay without a version counts as old.
bool playingOlderThanOrUnversioned(const PackagedReplayData& replay, int version);

// A frame record holding a value that no round can hold (a powerup id out of
// range): the file is damaged, the rules are not at fault. `detail` names the
// record and the value ("auction powerup 127"); the session adds where in the
// file it stands.
class InvalidReplayRecord : public std::runtime_error {
public:
    explicit InvalidReplayRecord(const std::string& detail)
        : std::runtime_error("Invalid replay: " + detail), detail_(detail)
    {
    }
    const std::string& detail() const { return detail_; }

private:
    std::string detail_;
};

// A frame record of the replay file that fails its own check: a tag that is
// not its record's, a player byte naming another player, a direction of 2, a
// computer snake's speed out of range. The file is damaged, the rules are not
// at fault. The text is the failed check's, with its line and the replay
// input's read position; it is logged when raised.
class FailedRecordCheck : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

[[noreturn]] void failRecordCheck(const PackagedReplayData& replay, std::string_view expression, int line);

// A failed consistency check of the rules: the assertion text, with the replay
// input's read position added while a replay plays; logged and thrown as
// std::runtime_error.
[[noreturn]] void failReplayCheck(const PackagedReplayData& replay, std::string_view expression,
                                  int line);
// The replay input's read position, -1 when unknown.
long long replayInputPosition(const PackagedReplayData& replay);
