#pragma once
#include <istream>
#include <memory>
#include <string>
#include <string_view>

// The verify text beside each replay: written plain while the round is
// recorded, then kept gzip-compressed (".verifyZ") and checked by a round trip.

// zlib deflate with a gzip wrapper at `level` (-1 zlib's default).
std::string compress(std::string_view data, int level);
// inflate of a zlib or gzip stream; an empty, truncated or oversized stream is an error.
std::string decompress(std::string_view data);

// After the round's end byte: ends the text with "END", compresses it into
// path + ".verifyZ", checks the round trip and removes the plain file.
void finishVerifyText(const std::string& replayPath, std::ostream& verifyOutput);
// The verify text of a replay to check against: the decompressed ".verifyZ",
// else the plain ".verify", else none (null).
std::shared_ptr<std::istream> openVerifyInput(const std::string& replayPath);
