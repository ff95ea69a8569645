#pragma once
#include <cstddef>
#include <istream>
#include <memory>
#include <string>
#include <string_view>

#include "platform/new_file_stream.h"

class MadeFiles;
struct PackagedReplayData;

// The verify text beside each replay: written plain while the round is
// recorded, then kept gzip-compressed (".verifyZ") and checked by a round trip.

// zlib deflate with a gzip wrapper at `level` (-1 zlib's default).
std::string compress(std::string_view data, int level);
// inflate of a zlib or gzip stream; an empty, truncated or oversized stream is an error.
std::string decompress(std::string_view data);

// The inflater behind `decompress`, with the most output it may make.
class Decompressor {
public:
    static constexpr std::size_t defaultLimit = 1'000'000'000;
    explicit Decompressor(std::size_t limit = defaultLimit) : limit_(limit) {}

    // Throws unless an input of `size` bytes may be inflated under the limit.
    void checkInputSize(std::size_t size) const;
    // The output grows in steps of twice the input: that double, and so the
    // input too, must stay within the limit.
    std::size_t inputLimit() const { return limit_ / 2; }
    std::size_t outputLimit() const { return limit_; }
    std::string operator()(std::string_view data) const;

private:
    std::size_t limit_;
};

// What finishing a round's verify text left beside its replay.
enum class VerifyTextKept {
    Compressed, // the ".verifyZ", checked by its round trip; the plain text removed
    Plain,      // the compressed copy failed (logged) and is gone; the plain ".verify" stays
    None,       // the plain text is not the one written (logged): nothing to check against
};

// After the round's end byte: ends the text with "END", reads it back (it must
// be the text written, in full), compresses it into a new path + ".verifyZ",
// checks that companion by reading it back and removes the plain file while
// it is still the one made. A compressed copy that fails and is still there
// (its removal failed, or something not made here stands under its name,
// which is then never written through) would be read before the plain text:
// the reason is logged and nothing is kept. The companion it makes is noted
// in `made`, which removes only what it made.
VerifyTextKept finishVerifyText(const std::string& replayPath, platform::NewFileStream& verifyOutput,
                                MadeFiles& made);
// The check of the compressed companion: read back as a played replay reads
// it, it must hold `text`. On any failure the reason is logged (for a text
// that differs, the failed check 'str == decomp'), the companion is removed
// when `made` made it, and the result is false.
bool checkCompressedCopy(const std::string& compressedPath, const std::string& text, const MadeFiles& made);
// The verify text of a replay to check against: the decompressed ".verifyZ",
// else the plain ".verify", else none (null). A companion that is not a
// regular file, is too large, does not decompress or holds a text whose last
// word is not "END" (a recording that was never finished, its game killed)
// throws ReplayError ("Invalid verify file <path>: <reason>"), without waiting
// on it.
std::shared_ptr<std::istream> openVerifyInput(const std::string& replayPath);
// After a replay played to its end byte: the verify text's next word must be
// "END", and nothing may follow it.
void checkVerifyTextEnd(const PackagedReplayData& replay);
// True when something stands under a verify companion's name of the replay,
// whether or not it can be read: a replay without one plays unchecked.
bool hasVerifyText(const std::string& replayPath);
