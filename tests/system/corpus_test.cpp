#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "session/verify_text.h"
#include "support/program_runner.h"
#include "support/temp_folder.h"
#include "support/x11_keys.h"

namespace fs = std::filesystem;

namespace {

// mode, players, arena size id, update rate, frames[, rounds]: every mode, five
// arena sizes, both rates, 2 to 16 players, computer snakes in Snake Hunter and
// Everything, and sessions of more than one round.
const std::vector<std::string> corpusCases{
    "0,2,1,60,900",     "1,4,3,144,900",  "2,6,4,60,900",   "3,8,3,60,900",     "4,3,3,144,900,2",
    "5,5,9,60,900",     "6,16,6,60,900",  "0,16,6,144,900", "2,12,5,144,600,2", "6,4,3,60,900",
};

ProgramResult runHarness(std::vector<std::string> args, const TempDataHome& home,
                         std::chrono::seconds timeout = std::chrono::seconds(900))
{
    ProgramOptions options;
    options.program = TAMWICK_HARNESS;
    options.args = std::move(args);
    options.env["XDG_DATA_HOME"] = home.folder().str();
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

TEST_F(Corpus, EveryRoundRecordsTheSameTwiceAndVerifies)
{
    TempDataHome home;
    const fs::path corpus = TAMWICK_CORPUS_DIR;
    fs::remove_all(corpus);
    std::vector<std::string> args{"record", corpus.string()};
    args.insert(args.end(), corpusCases.begin(), corpusCases.end());
    ProgramResult result = runHarness(args, home);
    ASSERT_FALSE(result.timedOut);
    EXPECT_EQ(result.exitStatus, 0) << result.output;
    const auto recorded = outputLines(result.output, "RECORDED ");
    EXPECT_EQ(recorded.size(), corpusCases.size() + 2);
    EXPECT_EQ(outputLines(result.output, "SAME ").size(), recorded.size());
    EXPECT_EQ(outputLines(result.output, "VERIFIED ").size(), recorded.size());
    EXPECT_TRUE(outputLines(result.output, "FAILED").empty()) << result.output;
}

// Damaged copies of a recorded replay: a changed verify text fails with the
// check's own text; a future version, a cut-off file and an empty companion
// are refused or end early, never a crash or a hang.
TEST_F(Corpus, DamagedReplaysFailCleanly)
{
    TempDataHome home;
    TempFolder recorded;
    ProgramResult made = runHarness({"record", recorded.str(), "0,2,3,60,300"}, home);
    ASSERT_EQ(made.exitStatus, 0) << made.output;
    const fs::path original = recorded.path() / "0.1.1.2.replay";
    const std::string bytes = readFile(original);
    const std::string text = decompress(readFile(original.string() + ".verifyZ"));

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
    const fs::path cut = copy("3.1.1.2.replay", bytes.substr(0, bytes.size() / 2));
    const fs::path emptyCompanion = copy("4.1.1.2.replay", bytes);
    writeFile(emptyCompanion.string() + ".verifyZ", "");

    ProgramResult result = runHarness({"verify", tampered.string(), fromFuture.string(), cut.string(),
                                       emptyCompanion.string()},
                                      home, std::chrono::seconds(120));
    ASSERT_FALSE(result.timedOut);
    EXPECT_EQ(result.signal, 0) << result.output;
    const auto failed = outputLines(result.output, "FAILED ");
    auto failure = [&](const fs::path& path) {
        for (const std::string& line : failed)
            if (line.rfind("FAILED " + path.string() + ": ", 0) == 0)
                return line.substr(path.string().size() + 9);
        return std::string();
    };
    EXPECT_EQ(failure(tampered).rfind("Assertion failed: 'verifyX == x' at line 911", 0), 0u) << result.output;
    EXPECT_FALSE(failure(fromFuture).empty()) << result.output;
    EXPECT_FALSE(failure(emptyCompanion).empty()) << result.output;
}

}
