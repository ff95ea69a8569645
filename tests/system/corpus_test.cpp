#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <future>
#include <set>
#include <sstream>

#include "session/verify_text.h"
#include "support/program_runner.h"
#include "support/temp_folder.h"
#include "support/x11_keys.h"

namespace fs = std::filesystem;

namespace {

// mode, players, arena size id, update rate, frames (0: no limit), rounds,
// seed. Rounds that end on their own, most of them with a winner alive to the
// last frame so that playback reaches the verify text's "END": Classic and
// Battle Royale winners, games of several rounds, a Snake Hunter end and an
// arena shrunk to its end in Deathmatch.
const std::vector<std::string> endingCases{
    "0,2,1,60,0,3,1",  "0,3,9,144,0,1,2", "2,4,1,60,0,1,3",  "2,3,9,60,0,1,4",  "0,4,2,60,0,1,5",
    "0,2,9,120,0,2,6", "2,8,2,60,0,1,9",  "0,2,1,144,0,2,10", "4,2,9,60,0,1,11", "5,2,1,60,0,1,12",
};
// Slices of rounds stopped by the frame limit: every mode, arenas from the
// smallest to the largest, every update rate, 2 to 16 players, computer
// snakes in Snake Hunter and Everything.
const std::vector<std::string> sliceCases{
    "0,2,1,60,900,1,20",   "1,4,3,144,900,1,21",  "2,6,4,60,900,1,22",   "3,8,3,60,900,1,23",
    "4,3,3,144,900,1,24",  "5,5,9,60,900,1,25",   "6,16,6,60,900,1,26",  "0,16,6,144,900,1,27",
    "2,12,5,144,600,1,28", "6,4,3,60,900,1,29",   "1,2,1,60,600,1,30",   "1,6,4,120,600,1,31",
    "1,16,5,60,600,1,32",  "1,3,10,30,600,1,33",  "2,2,9,120,600,1,34",  "2,10,6,60,600,1,35",
    "2,16,7,144,600,1,36", "3,4,1,60,600,1,37",   "3,6,4,144,600,1,38",  "3,16,6,120,600,1,39",
    "3,2,11,45,600,1,40",  "4,2,1,60,600,1,41",   "4,5,4,120,600,1,42",  "4,8,5,60,600,1,43",
    "4,16,6,144,600,1,44", "5,2,2,144,600,1,45",  "5,8,4,60,600,1,46",   "5,16,7,120,600,1,47",
    "5,4,12,30,600,1,48",  "6,2,1,144,600,1,49",  "6,8,5,60,600,1,50",   "6,12,6,120,600,1,51",
    "6,6,13,60,600,1,52",  "6,16,8,60,300,1,53",  "0,6,3,60,600,1,54",   "0,10,5,120,600,1,55",
    "0,12,11,60,600,1,56", "0,3,10,45,600,1,57",  "0,8,8,60,300,1,58",   "2,5,13,15,600,1,59",
};
// Harnesses recording at once, each with its own share of the cases.
constexpr std::size_t harnessCount = 6;

ProgramResult runHarness(std::vector<std::string> args, const std::string& dataHome,
                         std::chrono::seconds timeout = std::chrono::seconds(900))
{
    ProgramOptions options;
    options.program = TAMWICK_HARNESS;
    options.args = std::move(args);
    options.env["XDG_DATA_HOME"] = dataHome;
    options.timeout = timeout;
    return runProgram(options);
}

std::vector<std::string> outputLines(const std::string& output, const std::string& prefix)
{
    std::vector<std::string> found;
    for (const std::string& line : logLines(output))
        if (line.rfind(prefix, 0) == 0)
            found.push_back(line);
    return found;
}

class Corpus : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!haveDisplay())
            GTEST_SKIP() << "needs an X server";
    }
};

int rounds(const std::string& text)
{
    std::vector<int> v;
    std::istringstream in(text);
    for (std::string field; std::getline(in, field, ',');)
        v.push_back(std::stoi(field));
    return v[5];
}

TEST_F(Corpus, EveryRoundRecordsTheSameTwiceAndVerifies)
{
    const fs::path corpus = TAMWICK_CORPUS_DIR;
    fs::remove_all(corpus);
    std::vector<std::string> cases = endingCases;
    cases.insert(cases.end(), sliceCases.begin(), sliceCases.end());
    std::vector<TempFolder> homes(harnessCount);
    std::vector<std::future<ProgramResult>> running;
    for (std::size_t h = 0; h < harnessCount; ++h) {
        std::vector<std::string> args{"record", corpus.string()};
        for (std::size_t i = h; i < cases.size(); i += harnessCount)
            args.push_back(cases[i]);
        running.push_back(std::async(std::launch::async, [args, home = homes[h].str()] { return runHarness(args, home); }));
    }
    std::string output;
    for (auto& harness : running) {
        ProgramResult result = harness.get();
        EXPECT_FALSE(result.timedOut);
        EXPECT_EQ(result.exitStatus, 0) << result.output;
        output += result.output;
    }

    int expected = 0;
    std::set<char> modes;
    for (const std::string& c : cases) {
        expected += rounds(c);
        modes.insert(c[0]);
    }
    EXPECT_GE(expected, 50);
    EXPECT_EQ(modes.size(), 7u);
    const auto recorded = outputLines(output, "RECORDED ");
    EXPECT_EQ(recorded.size(), std::size_t(expected)) << output;
    EXPECT_EQ(outputLines(output, "SAME ").size(), recorded.size());
    EXPECT_EQ(outputLines(output, "VERIFIED ").size(), recorded.size());
    EXPECT_GE(std::count_if(recorded.begin(), recorded.end(), [](const std::string& line) {
                  return line.size() > 5 && line.compare(line.size() - 5, 5, " over") == 0;
              }),
              14);
    // Every replay, stopped or over, is checked to its end byte and its verify text's END.
    const auto throughEnd = outputLines(output, "VERIFIED ");
    EXPECT_EQ(std::count_if(throughEnd.begin(), throughEnd.end(),
                            [](const std::string& line) {
                                return line.size() > 12 && line.compare(line.size() - 12, 12, " through END") == 0;
                            }),
              expected)
        << output;
    EXPECT_TRUE(outputLines(output, "FAILED").empty()) << output;
    std::size_t replays = 0;
    for (const auto& entry : fs::directory_iterator(corpus))
        replays += entry.path().extension() == ".replay";
    EXPECT_EQ(replays, std::size_t(expected));
}

// Damaged copies of recorded replays: a changed verify text fails with the
// check's own text; a future version, a version 0, a file cut inside its
// frames or its grid, a pipe or an empty file as its companion, a verify text
// that does not end where the replay does, an end byte changed or followed by
// more, and a pipe in place of the replay are refused; a replay without a
// verify text is played but not verified. None is verified, none crashes or
// hangs.
TEST_F(Corpus, DamagedReplaysFailCleanly)
{
    TempDataHome home;
    TempFolder recorded;
    // A round stopped after 300 frames, and one that ends on its own.
    ProgramResult made = runHarness({"record", recorded.str(), "0,2,3,60,300", "0,2,1,60,0,1,5"}, home.folder().str());
    ASSERT_EQ(made.exitStatus, 0) << made.output;
    const fs::path original = recorded.path() / "10.1.1.2.replay";
    const std::string bytes = readFile(original);
    const std::string verifyZ = readFile(original.string() + ".verifyZ");
    const std::string text = decompress(verifyZ);
    const fs::path over = recorded.path() / "50.1.1.2.replay";
    const std::string overBytes = readFile(over);
    const std::string overVerifyZ = readFile(over.string() + ".verifyZ");
    ASSERT_EQ(overBytes.back(), 'w');
    ASSERT_EQ(text.substr(text.size() - 4), "END\n");

    TempFolder damaged;
    auto copy = [&](const std::string& name, const std::string& replay) {
        const fs::path path = damaged.path() / name;
        writeFile(path, replay);
        return path;
    };
    // The second line of the verify text is player 0's first x.
    std::istringstream lines(text);
    std::string number, x;
    std::getline(lines, number);
    std::getline(lines, x);
    const fs::path tampered = copy("1.1.1.2.replay", bytes);
    writeFile(tampered.string() + ".verify",
              number + "\n" + std::to_string(std::stoi(x) + 1) + text.substr(number.size() + 1 + x.size()));
    std::string future = bytes;
    future[0] = 0x03;   // 0x1001002 becomes 0x1001003
    const fs::path fromFuture = copy("2.1.1.2.replay", future);
    const fs::path cut = copy("3.1.1.2.replay", bytes.substr(0, bytes.size() - (bytes.size() - bytes.find("ENDPP")) / 2));
    writeFile(cut.string() + ".verifyZ", verifyZ);
    const fs::path emptyCompanion = copy("4.1.1.2.replay", bytes);
    writeFile(emptyCompanion.string() + ".verifyZ", "");
    const fs::path pipeCompanion = copy("5.1.1.2.replay", bytes);
    ASSERT_EQ(mkfifo((pipeCompanion.string() + ".verifyZ").c_str(), 0600), 0);
    const std::size_t grid = bytes.find("***") + 3 + 21 + 40;
    const fs::path cutGrid = copy("6.1.1.2.replay", bytes.substr(0, grid));
    const fs::path versionZero = copy("7.1.1.2.replay", std::string(4, '\0') + bytes.substr(4));
    const fs::path noCompanion = copy("8.1.1.2.replay", bytes);
    // The stopped round's verify text without its END (never finished), with
    // a frame's lines more before it, and with text after it.
    const std::string body = text.substr(0, text.size() - 4);
    auto withText = [&](const std::string& name, const std::string& verify) {
        const fs::path path = copy(name, bytes);
        writeFile(path.string() + ".verifyZ", compress(verify, -1));
        return path;
    };
    const fs::path noEnd = withText("9.1.1.2.replay", body);
    const fs::path linesBeforeEnd = withText("10.1.1.2.replay", body + "0\n32\n32\nEND\n");
    const fs::path textAfterEnd = withText("11.1.1.2.replay", text + "1\nEND\n");
    // The ended round's end byte replaced, and followed by more bytes.
    auto withOverBytes = [&](const std::string& name, const std::string& replay) {
        const fs::path path = copy(name, replay);
        writeFile(path.string() + ".verifyZ", overVerifyZ);
        return path;
    };
    const fs::path endByteZero = withOverBytes("12.1.1.2.replay", overBytes.substr(0, overBytes.size() - 1) + '\0');
    const fs::path bytesAfterEnd = withOverBytes("13.1.1.2.replay", overBytes + std::string(17, 'x'));
    const fs::path pipeReplay = damaged.path() / "14.1.1.2.replay";
    ASSERT_EQ(mkfifo(pipeReplay.c_str(), 0600), 0);
    writeFile(pipeReplay.string() + ".verifyZ", verifyZ);

    ProgramResult result = runHarness({"verify", tampered.string(), fromFuture.string(), cut.string(),
                                       emptyCompanion.string(), pipeCompanion.string(), cutGrid.string(),
                                       versionZero.string(), noCompanion.string(), noEnd.string(),
                                       linesBeforeEnd.string(), textAfterEnd.string(), endByteZero.string(),
                                       bytesAfterEnd.string(), pipeReplay.string()},
                                      home.folder().str(), std::chrono::seconds(60));
    ASSERT_FALSE(result.timedOut);
    EXPECT_EQ(result.signal, 0) << result.output;
    EXPECT_EQ(result.exitStatus, 1) << result.output;
    EXPECT_TRUE(outputLines(result.output, "VERIFIED ").empty()) << result.output;
    const auto failed = outputLines(result.output, "FAILED ");
    auto failure = [&](const fs::path& path) {
        for (const std::string& line : failed)
            if (line.rfind("FAILED " + path.string() + ": ", 0) == 0)
                return line.substr(path.string().size() + 9);
        return std::string();
    };
    EXPECT_EQ(failure(tampered).rfind("Assertion failed: 'verifyX == x' at line 911", 0), 0u) << result.output;
    EXPECT_EQ(failure(fromFuture), "Replay from future version of game: 1.1.3") << result.output;
    EXPECT_EQ(failure(cut).rfind("Replay incomplete: no end byte after frame ", 0), 0u) << result.output;
    EXPECT_EQ(failure(emptyCompanion), "Invalid verify file " + emptyCompanion.string() +
                                           ".verifyZ: compressed verify text is empty")
        << result.output;
    EXPECT_EQ(failure(pipeCompanion),
              "Invalid verify file " + pipeCompanion.string() + ".verifyZ: it is not a regular file")
        << result.output;
    EXPECT_EQ(failure(cutGrid), "Invalid replay: grid cut short at byte " + std::to_string(grid)) << result.output;
    EXPECT_EQ(failure(versionZero), "Invalid replay: version 0 at byte 4") << result.output;
    EXPECT_EQ(outputLines(result.output, "PLAYED "),
              std::vector<std::string>{"PLAYED (no verify text) " + noCompanion.string()})
        << result.output;
    const std::string endPosition = " replayInput pos " + std::to_string(bytes.size()) + " ";
    EXPECT_EQ(failure(noEnd), "Invalid verify file " + noEnd.string() + ".verifyZ: it does not end with END")
        << result.output;
    EXPECT_EQ(failure(linesBeforeEnd), "Assertion failed: 'end == \"END\"' at line 4570" + endPosition)
        << result.output;
    EXPECT_EQ(failure(textAfterEnd), "Assertion failed: 'nothing after \"END\"' at line 4570" + endPosition)
        << result.output;
    EXPECT_EQ(failure(endByteZero), "Invalid replay: end byte 0 at byte " + std::to_string(overBytes.size()))
        << result.output;
    EXPECT_EQ(failure(bytesAfterEnd), "Invalid replay: 17 bytes after the end byte") << result.output;
    EXPECT_EQ(failure(pipeReplay), "Replay cannot be opened: " + pipeReplay.string() + ": it is not a regular file")
        << result.output;
}


// The harness reports only its own recordings: a round whose recording was
// not saved is FAILED and never verified, and a copy into the corpus that
// fails is a FAILED line of its case while the other cases go on.
TEST_F(Corpus, OnlyRecordingsThatWereSavedAndCopiedAreVerified)
{
    TempFolder corpus;
    TempFolder noReplaysFolder;
    fs::create_directories(noReplaysFolder.path() / "tamwick");
    writeFile(noReplaysFolder.path() / "tamwick" / "replays", "not a folder");
    ProgramResult unsaved = runHarness({"record", corpus.str(), "0,2,3,60,120"}, noReplaysFolder.str(),
                                       std::chrono::seconds(120));
    ASSERT_FALSE(unsaved.timedOut);
    EXPECT_EQ(unsaved.exitStatus, 1) << unsaved.output;
    EXPECT_EQ(outputLines(unsaved.output, "FAILED "),
              std::vector<std::string>{"FAILED 0,2,3,60,120 round 0: the recording was not saved"})
        << unsaved.output;
    EXPECT_TRUE(outputLines(unsaved.output, "VERIFIED ").empty()) << unsaved.output;
    EXPECT_TRUE(fs::is_empty(corpus.path()));

    // The first case's compressed text cannot be copied over a folder.
    TempFolder home;
    fs::create_directory(corpus.path() / "10.1.1.2.replay.verifyZ");
    ProgramResult blocked =
        runHarness({"record", corpus.str(), "0,2,3,60,120", "0,2,3,60,150"}, home.str(), std::chrono::seconds(120));
    ASSERT_FALSE(blocked.timedOut);
    EXPECT_EQ(blocked.exitStatus, 1) << blocked.output;
    const auto failed = outputLines(blocked.output, "FAILED ");
    ASSERT_EQ(failed.size(), 1u) << blocked.output;
    EXPECT_EQ(failed[0].rfind("FAILED 0,2,3,60,120 round 0: ", 0), 0u) << blocked.output;
    EXPECT_EQ(outputLines(blocked.output, "VERIFIED "),
              std::vector<std::string>{"VERIFIED " + (corpus.path() / "20.1.1.2.replay").string() + " through END"})
        << blocked.output;
}


// Two copies of the game recording into one replays folder at once, beside
// the older replays of a well-used folder: each takes names of its own, and
// every round either calls saved stays whole and verifies (each copy verifies
// its corpus copies, which the files left in the folder must equal).
TEST_F(Corpus, TwoCopiesRecordingIntoOneFolderKeepEveryRound)
{
    TempFolder home;
    const fs::path replays = home.path() / "tamwick" / "replays";
    fs::create_directories(replays);
    constexpr int older = 500;
    for (int n = 0; n < older; ++n)
        writeFile(replays / (std::to_string(n) + ".1.1.2.replay"), "an older round " + std::to_string(n));

    constexpr int cases = 30;
    TempFolder corpora[2];
    std::vector<std::future<ProgramResult>> running;
    for (int copy = 0; copy < 2; ++copy) {
        std::vector<std::string> args{"record", corpora[copy].str()};
        for (int c = 1; c <= cases; ++c)
            args.push_back("0,2,1,60,30,1," + std::to_string(copy * 100 + c));
        running.push_back(std::async(std::launch::async, [args, &home] {
            return runHarness(args, home.str(), std::chrono::seconds(60));
        }));
    }
    // A recording as the replay's bytes and its verify text.
    auto recording = [](const fs::path& replay) {
        const std::string compressed = replay.string() + ".verifyZ";
        const std::string text = fs::exists(compressed) ? decompress(readFile(compressed))
                                 : fs::exists(replay.string() + ".verify") ? readFile(replay.string() + ".verify")
                                                                         : "no verify text";
        return readFile(replay) + "\n" + text;
    };
    std::set<std::string> names[2];
    std::multiset<std::string> saved;
    for (int copy = 0; copy < 2; ++copy) {
        ProgramResult result = running[copy].get();
        ASSERT_FALSE(result.timedOut);
        EXPECT_EQ(result.exitStatus, 0) << result.output;
        EXPECT_EQ(outputLines(result.output, "VERIFIED ").size(), std::size_t(cases)) << result.output;
        for (const std::string& line : outputLines(result.output, "RECORDED ")) {
            std::istringstream words(line);
            std::string word, text, path;
            words >> word >> text >> path;
            names[copy].insert(path);
        }
        EXPECT_EQ(names[copy].size(), std::size_t(cases)) << result.output;
        // Each round was recorded twice, the second time to compare.
        for (const auto& entry : fs::directory_iterator(corpora[copy].path()))
            if (entry.path().extension() == ".replay")
                saved.insert({recording(entry.path()), recording(entry.path())});
    }
    std::vector<std::string> recordedByBoth;
    std::set_intersection(names[0].begin(), names[0].end(), names[1].begin(), names[1].end(),
                          std::back_inserter(recordedByBoth));
    EXPECT_TRUE(recordedByBoth.empty());

    std::multiset<std::string> left;
    for (const auto& entry : fs::directory_iterator(replays)) {
        if (entry.path().extension() != ".replay")
            continue;
        const int number = std::stoi(entry.path().filename().string());
        if (number < older)
            EXPECT_EQ(readFile(entry.path()), "an older round " + std::to_string(number));
        else
            left.insert(recording(entry.path()));
    }
    EXPECT_EQ(left.size(), saved.size());
    EXPECT_TRUE(left == saved);
}

}
