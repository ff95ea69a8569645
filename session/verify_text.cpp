#include "session/verify_text.h"

#include <algorithm>
#include <fmt/format.h>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <zlib.h>

#include "frame/assertion.h"
#include "frame/log.h"
#include "game/replay_data.h"
#include "platform/file_identity.h"
#include "platform/new_file_stream.h"
#include "platform/regular_file.h"
#include "session/made_files.h"
#include "session/replay_error.h"

namespace {

// Larger texts may need more memory than intended once they are read back.
constexpr std::size_t compressLimit = 2'000'000'000;
const char* const memoryText = "size may use more memory than intended when decompressing";

// zlib's own description of a failure of the stream.
std::string zlibMessage(const z_stream& stream, int result)
{
    return stream.msg ? stream.msg : zError(result);
}

struct DeflateEnd {
    z_stream* stream;
    ~DeflateEnd() { deflateEnd(stream); }
};

struct InflateEnd {
    z_stream* stream;
    ~InflateEnd() { inflateEnd(stream); }
};

// Ends the plain text with "END" and closes it; the number of bytes it holds,
// or nothing when it was not all written.
std::optional<std::size_t> endPlainText(platform::NewFileStream& verifyOutput)
{
    verifyOutput << "END" << std::endl;
    const std::streamoff length = verifyOutput.tellp();
    const bool written = !verifyOutput.fail() && length >= 0 && verifyOutput.is_open();
    verifyOutput.close();
    if (!written || verifyOutput.fail())
        return std::nullopt;
    return std::size_t(length);
}

// The plain text as it stands under its name, when it is the one written: a
// regular file of exactly the length written. Something else there (a link to
// a device, a shorter or longer file put in its place) is logged and gives
// nothing.
std::optional<std::string> readPlainTextBack(const std::string& plainPath, std::size_t length)
{
    platform::RegularFileRead file = platform::readRegularFile(plainPath, length);
    std::string reason;
    if (file.state != platform::FileReadState::Read)
        reason = platform::notReadReason(file);
    else if (file.bytes.size() != length)
        reason = fmt::format("it holds {} of the {} bytes written", file.bytes.size(), length);
    else
        return std::move(file.bytes);
    logStdString(fmt::format("Error: the verify text {} is not the one written: {}\n", plainPath, reason));
    return std::nullopt;
}

// Compresses `text` into a new companion at `compressedPath` and checks it by
// reading it back as a played replay would. On any failure the reason is
// logged, the companion made is removed and the result is false.
bool writeCompressedCopy(const std::string& compressedPath, const std::string& text, MadeFiles& made)
{
    log("Save compressed verify file\n");
    log("Compressing\n");
    std::string compressed;
    try {
        compressed = compress(text, -1);
    } catch (const std::exception& error) {
        logStdString(
            fmt::format("Error: the compressed verify text {} could not be made: {}\n", compressedPath, error.what()));
        return false;
    }
    platform::NewFileStream out;
    if (!made.create(out, compressedPath)) {
        logStdString(fmt::format("Error: the compressed verify text {} could not be created: {}\n", compressedPath,
                                 out.failure()));
        return false;
    }
    out.write(compressed.data(), std::streamsize(compressed.size()));
    out.close();
    if (out.fail()) {
        logStdString("Error: the compressed verify text " + compressedPath + " could not be written\n");
        made.remove(compressedPath);
        return false;
    }
    log("Done\n");

    log("Test decompressed replay against original verify text\n");
    return checkCompressedCopy(compressedPath, text, made);
}

}

std::string compress(std::string_view data, int level)
{
    if (data.size() > compressLimit)
        throw std::runtime_error(memoryText);
    z_stream stream{};
    if (deflateInit2(&stream, level, Z_DEFLATED, 31, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        throw std::runtime_error("deflate init failed");
    DeflateEnd end{&stream};
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    stream.avail_in = uInt(data.size());

    const std::size_t step = data.size() / 2 + 1024;
    std::string out;
    int result = Z_OK;
    do {
        const std::size_t produced = stream.total_out;
        out.resize(out.size() + step);
        stream.next_out = reinterpret_cast<Bytef*>(out.data() + produced);
        stream.avail_out = uInt(out.size() - produced);
        result = deflate(&stream, Z_FINISH);
        if (result == Z_STREAM_ERROR)
            throw std::runtime_error(zlibMessage(stream, result));
    } while (stream.avail_out == 0);
    if (result != Z_STREAM_END)
        throw std::runtime_error(zlibMessage(stream, result));
    out.resize(stream.total_out);
    return out;
}

void Decompressor::checkInputSize(std::size_t size) const
{
    if (size > inputLimit())
        throw std::runtime_error(memoryText);
}

std::string Decompressor::operator()(std::string_view data) const
{
    checkInputSize(data.size());
    if (data.empty())
        throw std::runtime_error("compressed verify text is empty");
    z_stream stream{};
    if (inflateInit2(&stream, 47) != Z_OK)
        throw std::runtime_error("inflate init failed");
    InflateEnd end{&stream};
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    stream.avail_in = uInt(data.size());

    // Every pass either fills the new space or ends the loop, so the loop ends
    // by the limit at the latest.
    const std::size_t step = data.size() * 2;
    std::string out;
    int result = Z_OK;
    do {
        if (out.size() + step > limit_)
            throw std::runtime_error(
                "size of output string will use more memory then intended when decompressing");
        const std::size_t produced = stream.total_out;
        out.resize(out.size() + step);
        stream.next_out = reinterpret_cast<Bytef*>(out.data() + produced);
        stream.avail_out = uInt(out.size() - produced);
        result = inflate(&stream, Z_FINISH);
        if (result != Z_OK && result != Z_STREAM_END && result != Z_BUF_ERROR)
            throw std::runtime_error(zlibMessage(stream, result));
    } while (stream.avail_out == 0 && result != Z_STREAM_END);
    // Input that ran out before the stream's end is no verify text, and
    // anything after its end (a stray byte, a second member) is none either.
    if (result != Z_STREAM_END)
        throw std::runtime_error("compressed verify text is truncated");
    if (const std::size_t after = stream.avail_in; after > 0)
        throw std::runtime_error(fmt::format("{} byte{} after the compressed text", after, after == 1 ? "" : "s"));
    out.resize(stream.total_out);
    return out;
}

std::string decompress(std::string_view data)
{
    return Decompressor()(data);
}

bool checkCompressedCopy(const std::string& compressedPath, const std::string& text, const MadeFiles& made)
{
    const Decompressor decompressor;
    std::string failure;
    platform::RegularFileRead stored = platform::readRegularFile(compressedPath, decompressor.inputLimit());
    if (stored.state != platform::FileReadState::Read) {
        failure = platform::notReadReason(stored);
    } else {
        try {
            if (decompressor(stored.bytes) == text)
                return true;
            failure = assertionText("str == decomp", 4608);
            failure.pop_back();
        } catch (const std::exception& error) {
            failure = error.what();
        }
    }
    logStdString(fmt::format("Error: the compressed verify text {} could not be read back: {}\n", compressedPath,
                             failure));
    made.remove(compressedPath);
    return false;
}

VerifyTextKept finishVerifyText(const std::string& replayPath, platform::NewFileStream& verifyOutput,
                                MadeFiles& made)
{
    const std::string plainPath = replayPath + ".verify";
    const std::optional<std::size_t> length = endPlainText(verifyOutput);
    if (!length) {
        logStdString("Error: the verify text " + plainPath + " could not be written\n");
        return VerifyTextKept::None;
    }
    const std::optional<std::string> text = readPlainTextBack(plainPath, *length);
    if (!text)
        return VerifyTextKept::None;
    const std::string compressedPath = replayPath + ".verifyZ";
    if (!writeCompressedCopy(compressedPath, *text, made)) {
        // Playing reads that name first: whatever stands there, the plain
        // text could never be read in its place.
        if (platform::standsUnder(compressedPath)) {
            logStdString("Error: the compressed verify text " + compressedPath +
                         " is still there, so the plain verify text cannot take its place\n");
            return VerifyTextKept::None;
        }
        // The replay is checked against the plain text instead.
        logStdString("Keeping the plain verify text " + plainPath + "\n");
        return VerifyTextKept::Plain;
    }
    log("Delete original verify file\n");
    made.remove(plainPath);
    return VerifyTextKept::Compressed;
}

namespace {

// A companion that is there but cannot be read, or is no verify text, makes
// the replay unplayable as it stands: the player is told, never kept waiting.
[[noreturn]] void refuseVerifyFile(const std::string& path, const std::string& reason)
{
    throwReplayError("Invalid verify file " + path + ": " + reason);
}

// A finished recording ends its text with END before compressing it; one
// that stops short was left by a game killed during its round, and would
// fail as a round that went another way.
void requireFinishedText(const std::string& path, const std::string& text)
{
    constexpr std::string_view blanks = " \t\n\v\f\r";
    // The text without its trailing blanks (none of it when it is all blanks).
    const std::string_view words = std::string_view(text).substr(0, text.find_last_not_of(blanks) + 1);
    const bool endsWithEnd = words.ends_with("END") &&
                             (words.size() == 3 || blanks.find(words[words.size() - 4]) != std::string_view::npos);
    if (!endsWithEnd)
        refuseVerifyFile(path, "it does not end with END");
}

// The companion's bytes; nothing when there is none. Only a regular file of
// at most `limit` bytes is read, without ever waiting on a pipe or device.
std::optional<std::string> readCompanion(const std::string& path, std::size_t limit)
{
    platform::RegularFileRead file = platform::readRegularFile(path, limit);
    if (file.state == platform::FileReadState::Missing)
        return std::nullopt;
    logStdString(fmt::format("Opening {}\n", path));
    if (file.state == platform::FileReadState::Unreadable)
        refuseVerifyFile(path, file.reason);
    return std::move(file.bytes);
}

}

std::shared_ptr<std::istream> openVerifyInput(const std::string& replayPath)
{
    const std::string compressedPath = replayPath + ".verifyZ";
    const std::string plainPath = replayPath + ".verify";
    const Decompressor decompressor;
    if (std::optional<std::string> bytes = readCompanion(compressedPath, decompressor.inputLimit())) {
        log("Decompressing\n");
        std::string text;
        try {
            text = decompressor(*bytes);
        } catch (const std::runtime_error& error) {
            refuseVerifyFile(compressedPath, error.what());
        }
        requireFinishedText(compressedPath, text);
        log("Writing decompressed data to replayInputVerify\n");
        return std::make_shared<std::istringstream>(std::move(text));
    }
    // A plain text may be as long as a decompressed one.
    if (std::optional<std::string> text = readCompanion(plainPath, decompressor.outputLimit())) {
        requireFinishedText(plainPath, *text);
        return std::make_shared<std::istringstream>(std::move(*text));
    }
    return nullptr;
}

void checkVerifyTextEnd(const PackagedReplayData& replay)
{
    if (!replay.inputVerify)
        return;
    std::string word;
    *replay.inputVerify >> word;
    if (word != "END")
        failReplayCheck(replay, "end == \"END\"", 4570);
    // Lines after the end belong to no frame of this replay.
    if (*replay.inputVerify >> word)
        failReplayCheck(replay, "nothing after \"END\"", 4570);
}

bool hasVerifyText(const std::string& replayPath)
{
    return platform::standsUnder(replayPath + ".verifyZ") || platform::standsUnder(replayPath + ".verify");
}
