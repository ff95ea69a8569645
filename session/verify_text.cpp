#include "session/verify_text.h"

#include <algorithm>
#include <filesystem>
#include <fmt/format.h>
#include <fstream>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <zlib.h>

#include "frame/assertion.h"
#include "frame/log.h"
#include "game/replay_data.h"
#include "platform/regular_file.h"
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

// The whole file, or nothing when it cannot be read.
std::optional<std::string> readWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad())
        return std::nullopt;
    return std::move(text).str();
}

// Writes the whole text and closes the file; false when any of it failed.
bool writeWholeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    out.close();
    return !out.fail();
}

// Ends the plain text with "END" and closes it; false when it was not all written.
bool endPlainText(std::ostream& verifyOutput)
{
    verifyOutput << "END" << std::endl;
    bool written = !verifyOutput.fail();
    if (auto* file = dynamic_cast<std::ofstream*>(&verifyOutput)) {
        written = written && file->is_open();
        file->close();
        written = written && !file->fail();
    }
    return written;
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
    // Input that ran out before the stream's end is no verify text.
    if (result != Z_STREAM_END)
        throw std::runtime_error("compressed verify text is truncated");
    out.resize(stream.total_out);
    return out;
}

std::string decompress(std::string_view data)
{
    return Decompressor()(data);
}

bool finishVerifyText(const std::string& replayPath, std::ostream& verifyOutput)
{
    const std::string plainPath = replayPath + ".verify";
    const std::string compressedPath = replayPath + ".verifyZ";
    const bool written = endPlainText(verifyOutput);
    std::optional<std::string> text;
    if (written)
        text = readWholeFile(plainPath);
    if (!text) {
        logStdString("Error: the verify text " + plainPath + " could not be written\n");
        return false;
    }

    log("Save compressed verify file\n");
    log("Compressing\n");
    const std::string compressed = compress(*text, -1);
    if (!writeWholeFile(compressedPath, compressed)) {
        std::error_code ignored;
        std::filesystem::remove(compressedPath, ignored);
        logStdString("Error: the compressed verify text " + compressedPath +
                     " could not be written\n");
        return false;
    }
    log("Done\n");

    log("Test decompressed replay against original verify text\n");
    std::optional<std::string> storedBytes = readWholeFile(compressedPath);
    const std::string decompressed = decompress(storedBytes ? *storedBytes : std::string());
    if (decompressed != *text) {
        // The plain text stays to check the replay against.
        std::error_code ignored;
        std::filesystem::remove(compressedPath, ignored);
        failAssertion("str == decomp", 4608);
    }

    log("Delete original verify file\n");
    std::filesystem::remove(plainPath);
    return true;
}

namespace {

// A companion that is there but cannot be read, or is no verify text, makes
// the replay unplayable as it stands: the player is told, never kept waiting.
[[noreturn]] void refuseVerifyFile(const std::string& path, const std::string& reason)
{
    throwReplayError("Invalid verify file " + path + ": " + reason);
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
        log("Writing decompressed data to replayInputVerify\n");
        return std::make_shared<std::istringstream>(std::move(text));
    }
    // A plain text may be as long as a decompressed one.
    if (std::optional<std::string> text = readCompanion(plainPath, decompressor.outputLimit()))
        return std::make_shared<std::istringstream>(std::move(*text));
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
    for (const char* suffix : {".verifyZ", ".verify"}) {
        std::error_code error;
        if (std::filesystem::symlink_status(replayPath + suffix, error).type() !=
            std::filesystem::file_type::not_found)
            return true;
    }
    return false;
}
