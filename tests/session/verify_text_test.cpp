#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "platform/new_file_stream.h"
#include "session/made_files.h"
#include "session/verify_text.h"
#include "support/checks.h"
#include "support/log_capture.h"
#include "support/pipe_writer_later.h"
#include "support/temp_folder.h"

namespace {

const std::string memoryText = "size may use more memory than intended when decompressing";

// Lines like a verify text's, a few megabytes of them.
std::string largeVerifyText()
{
    std::string text;
    for (int frame = 0; text.size() < 3'000'000; ++frame) {
        for (int p = 0; p < 4; ++p)
            text += std::to_string(p) + "\n" + std::to_string(32 + frame % 500) + "\n" +
                    std::to_string(64 + (frame * 7 + p) % 300) + "\n";
    }
    return text;
}

TEST(VerifyCompression, TextsOfEverySizeSurviveTheRoundTrip)
{
    for (const std::string& text : {std::string(), std::string("0\n32\n32\nEND\n"), largeVerifyText()}) {
        const std::string compressed = compress(text, -1);
        ASSERT_EQ(compressed.substr(0, 2), "\x1f\x8b");   // a gzip stream
        EXPECT_EQ(decompress(compressed), text);
        if (text.size() > 1000) {
            EXPECT_LT(compressed.size(), text.size() / 3);
        }
    }
}

TEST(VerifyCompression, ReadsAStreamMadeByTheGzipTool)
{
    // "gzip -9" of the file verify.txt, holding four lines; the header keeps the name.
    const unsigned char gzipped[] = {
        0x1f, 0x8b, 0x08, 0x08, 0x56, 0x19, 0x19, 0x6b, 0x02, 0x03, 0x76, 0x65, 0x72, 0x69,
        0x66, 0x79, 0x2e, 0x74, 0x78, 0x74, 0x00, 0x33, 0xe0, 0x32, 0x36, 0x02, 0x21, 0x57,
        0x3f, 0x17, 0x2e, 0x00, 0x5a, 0x0f, 0x17, 0xa7, 0x0c, 0x00, 0x00, 0x00};
    const std::string stream(reinterpret_cast<const char*>(gzipped), sizeof gzipped);
    EXPECT_EQ(decompress(stream), "0\n32\n32\nEND\n");
}

TEST(VerifyCompression, EmptyTruncatedAndDamagedStreamsAreErrors)
{
    EXPECT_EQ(thrownBy([] { decompress(""); }), "compressed verify text is empty");
    const std::string compressed = compress(largeVerifyText().substr(0, 20'000), -1);
    // No prefix of the stream passes for the whole text.
    for (std::size_t size = 1; size < compressed.size(); size += 1 + size / 8)
        EXPECT_THROW(decompress(compressed.substr(0, size)), std::runtime_error) << size;
    EXPECT_EQ(thrownBy([] { decompress("not a compressed text at all"); }), "incorrect header check");
    std::string damaged = compressed;
    damaged[damaged.size() / 2] ^= 0x55;
    EXPECT_THROW(decompress(damaged), std::runtime_error);
}

// The compressed text is the whole companion: a stray byte, zeros or a second
// stream after its end would pass unread.
TEST(VerifyCompression, BytesAfterTheCompressedTextAreRefused)
{
    const std::string text = "0\n32\n32\nEND\n";
    const std::string compressed = compress(text, -1);
    EXPECT_EQ(thrownBy([&] { decompress(compressed + "x"); }), "1 byte after the compressed text");
    EXPECT_EQ(thrownBy([&] { decompress(compressed + std::string(4096, '\0')); }),
              "4096 bytes after the compressed text");
    const std::string more = compress("1\n64\n64\n", -1);
    EXPECT_EQ(thrownBy([&] { decompress(compressed + more); }),
              std::to_string(more.size()) + " bytes after the compressed text");
    EXPECT_EQ(decompress(compressed), text);
}

TEST(VerifyCompression, OutputIsBoundedByTheLimit)
{
    // Checked on the size alone: 600 MB would grow past 1 GB.
    EXPECT_EQ(thrownBy([] { Decompressor().checkInputSize(600'000'000); }), memoryText);
    EXPECT_NO_THROW(Decompressor().checkInputSize(500'000'000));
    // 100 kB of zeros from a few hundred bytes passes a limit of 50 kB.
    const std::string zeros = compress(std::string(100'000, '0'), -1);
    EXPECT_EQ(thrownBy([&] { Decompressor(50'000)(zeros); }),
              "size of output string will use more memory then intended when decompressing");
    EXPECT_EQ(Decompressor(200'000)(zeros).size(), 100'000u);
}

class VerifyFiles : public ::testing::Test {
protected:
    TempFolder folder;
    std::string replay = (folder.path() / "0.1.1.2.replay").string();
    MadeFiles made;

    // A new file under `path`, made as a recording makes its files.
    std::unique_ptr<platform::NewFileStream> create(const std::string& path)
    {
        auto stream = std::make_unique<platform::NewFileStream>();
        made.create(*stream, path);
        return stream;
    }
    void writeMade(const std::string& path, const std::string& bytes)
    {
        *create(path) << bytes;
    }
};

TEST_F(VerifyFiles, FinishingKeepsOnlyTheCompressedTextWhichReadsBack)
{
    {
        auto plain = create(replay + ".verify");
        *plain << "0" << std::endl << "32" << std::endl << "64" << std::endl;
        LogCapture log;
        EXPECT_EQ(finishVerifyText(replay, *plain, made), VerifyTextKept::Compressed);
        EXPECT_EQ(log.lines(), (std::vector<std::string>{
                                   "Save compressed verify file", "Compressing", "Done",
                                   "Test decompressed replay against original verify text",
                                   "Delete original verify file"}));
    }
    EXPECT_FALSE(std::filesystem::exists(replay + ".verify"));
    EXPECT_EQ(decompress(readFile(replay + ".verifyZ")), "0\n32\n64\nEND\n");

    std::shared_ptr<std::istream> input = openVerifyInput(replay);
    ASSERT_TRUE(input);
    std::stringstream text;
    text << input->rdbuf();
    EXPECT_EQ(text.str(), "0\n32\n64\nEND\n");

    // An empty round still ends with END.
    std::filesystem::remove(replay + ".verifyZ");
    finishVerifyText(replay, *create(replay + ".verify"), made);
    EXPECT_EQ(decompress(readFile(replay + ".verifyZ")), "END\n");
}

TEST_F(VerifyFiles, AVerifyTextThatCouldNotBeWrittenLeavesNoCompressedCompanion)
{
    const std::string elsewhere = (folder.path() / "missing" / "0.1.1.2.replay").string();
    auto plain = create(elsewhere + ".verify");
    LogCapture log;
    EXPECT_EQ(finishVerifyText(elsewhere, *plain, made), VerifyTextKept::None);
    EXPECT_FALSE(std::filesystem::exists(elsewhere + ".verifyZ"));
    EXPECT_EQ(log.lines(), (std::vector<std::string>{"Error: the verify text " + elsewhere +
                                                     ".verify could not be written"}));
}

TEST_F(VerifyFiles, TheCompressedTextComesFirstThenThePlainOneThenNone)
{
    EXPECT_EQ(openVerifyInput(replay), nullptr);
    // A text whose last word is not END was never finished.
    for (const char* unfinished : {"", " \n", "0\n32\n", "0\nSEND\n \n", "0\nend\n"}) {
        writeFile(replay + ".verify", unfinished);
        EXPECT_EQ(thrownBy([&] { openVerifyInput(replay); }),
                  "Invalid verify file " + replay + ".verify: it does not end with END");
    }
    // END may be followed by blanks of any kind, or by none.
    for (const char* finished : {"END", "0\nEND\r\n", "0\nEND\f"}) {
        writeFile(replay + ".verify", finished);
        bool opened = false;
        EXPECT_EQ(thrownBy([&] { opened = openVerifyInput(replay) != nullptr; }), "nothing thrown")
            << testing::PrintToString(finished);
        EXPECT_TRUE(opened);
    }
    writeFile(replay + ".verify", "plain\nEND\n");
    std::string word;
    *openVerifyInput(replay) >> word;
    EXPECT_EQ(word, "plain");
    writeFile(replay + ".verifyZ", compress("compressed\nEND\n", -1));
    *openVerifyInput(replay) >> word;
    EXPECT_EQ(word, "compressed");
    writeFile(replay + ".verifyZ", "damaged");
    EXPECT_EQ(thrownBy([&] { openVerifyInput(replay); }).rfind("Invalid verify file " + replay + ".verifyZ: ", 0), 0u);
    writeFile(replay + ".verifyZ", compress("compressed\nEND\n", -1) + std::string(4096, '\0'));
    EXPECT_EQ(thrownBy([&] { openVerifyInput(replay); }),
              "Invalid verify file " + replay + ".verifyZ: 4096 bytes after the compressed text");
}

// The text to compress is read back from its file, which must hold what was
// written: a text replaced during the round is no verify text of it.
TEST_F(VerifyFiles, APlainTextThatIsNotTheOneWrittenIsNotCompressed)
{
    const std::string plainPath = replay + ".verify";
    auto finishReplaced = [&](const std::function<void()>& replace) {
        auto plain = create(plainPath);
        *plain << "0" << std::endl << "32" << std::endl << "64" << std::endl;
        replace();
        return finishVerifyText(replay, *plain, made);
    };
    {
        LogCapture log;
        EXPECT_EQ(finishReplaced([&] {
                      std::filesystem::remove(plainPath);
                      std::filesystem::create_symlink("/dev/null", plainPath);
                  }),
                  VerifyTextKept::None);
        EXPECT_EQ(log.lines(), (std::vector<std::string>{"Error: the verify text " + plainPath +
                                                         " is not the one written: it is not a regular file"}));
    }
    EXPECT_FALSE(std::filesystem::exists(replay + ".verifyZ"));
    std::filesystem::remove(plainPath);

    LogCapture log;
    EXPECT_EQ(finishReplaced([&] {
                  writeFile(replay + ".short", "0\n");
                  std::filesystem::rename(replay + ".short", plainPath);
              }),
              VerifyTextKept::None);
    EXPECT_EQ(log.lines(), (std::vector<std::string>{"Error: the verify text " + plainPath +
                                                     " is not the one written: it holds 2 of the 12 bytes written"}));
    EXPECT_FALSE(std::filesystem::exists(replay + ".verifyZ"));
    EXPECT_EQ(readFile(plainPath), "0\n");
}

// The compressed companion is checked as playing reads it; one that fails is
// removed, and the plain text stays to check the replay against.
TEST_F(VerifyFiles, ACompressedCopyThatDoesNotReadBackIsRemoved)
{
    const std::string compressedPath = replay + ".verifyZ";
    const std::string text = "0\n32\n64\nEND\n";
    writeMade(compressedPath, compress(text, -1));
    EXPECT_TRUE(checkCompressedCopy(compressedPath, text, made));
    EXPECT_TRUE(std::filesystem::exists(compressedPath));
    std::filesystem::remove(compressedPath);

    const struct {
        std::string stored;
        std::string reason;
    } failures[] = {
        {compress("0\n32\n65\nEND\n", -1), "Assertion failed: 'str == decomp' at line 4608"},
        {compress(text, -1) + "x", "1 byte after the compressed text"},
        {"", "compressed verify text is empty"},
    };
    for (const auto& failure : failures) {
        SCOPED_TRACE(failure.reason);
        writeMade(compressedPath, failure.stored);
        LogCapture log;
        EXPECT_FALSE(checkCompressedCopy(compressedPath, text, made));
        EXPECT_EQ(log.lines(), (std::vector<std::string>{"Error: the compressed verify text " + compressedPath +
                                                         " could not be read back: " + failure.reason}));
        EXPECT_FALSE(std::filesystem::exists(compressedPath));
    }

    // Read back as playing reads it: larger than the decompressor takes in is
    // refused on its size, before any of it is read (sparse: no disk is spent).
    writeMade(compressedPath, "");
    std::filesystem::resize_file(compressedPath, Decompressor::defaultLimit / 2 + 1);
    LogCapture log;
    EXPECT_FALSE(checkCompressedCopy(compressedPath, text, made));
    EXPECT_EQ(log.lines(), (std::vector<std::string>{"Error: the compressed verify text " + compressedPath +
                                                     " could not be read back: it is larger than 500000000 bytes"}));
}

// Only a regular file is read as a verify text, and only up to its limit:
// a pipe under the name (whose writer may never come), a device or a file
// too large are refused before any of it is read.
TEST_F(VerifyFiles, CompanionsThatAreNoRegularFileOrTooLargeAreRefusedAtOnce)
{
    auto refusal = [&](const std::string& companion, const std::string& reason) {
        return "Invalid verify file " + replay + companion + ": " + reason;
    };
    for (const char* companion : {".verifyZ", ".verify"}) {
        const std::string pipe = replay + companion;
        ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
        PipeWriterLater writer(pipe);
        EXPECT_EQ(thrownBy([&] { openVerifyInput(replay); }), refusal(companion, "it is not a regular file"));
        std::filesystem::remove(pipe);
    }

    std::filesystem::create_symlink("/dev/zero", replay + ".verifyZ");
    EXPECT_EQ(thrownBy([&] { openVerifyInput(replay); }), refusal(".verifyZ", "it is not a regular file"));
    std::filesystem::remove(replay + ".verifyZ");

    // Sparse: no disk is spent on it.
    std::ofstream(replay + ".verifyZ").close();
    std::filesystem::resize_file(replay + ".verifyZ", Decompressor::defaultLimit / 2 + 1);
    EXPECT_EQ(thrownBy([&] { openVerifyInput(replay); }), refusal(".verifyZ", "it is larger than 500000000 bytes"));
    std::filesystem::resize_file(replay + ".verifyZ", 0);
    EXPECT_EQ(thrownBy([&] { openVerifyInput(replay); }),
              refusal(".verifyZ", "compressed verify text is empty"));
    std::filesystem::remove(replay + ".verifyZ");

    // A plain text may be as long as a decompressed one, and no longer.
    std::ofstream(replay + ".verify").close();
    std::filesystem::resize_file(replay + ".verify", Decompressor::defaultLimit + 1);
    EXPECT_EQ(thrownBy([&] { openVerifyInput(replay); }), refusal(".verify", "it is larger than 1000000000 bytes"));
}

}
