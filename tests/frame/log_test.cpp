#include <gtest/gtest.h>

#include <thread>

#include "frame/log.h"
#include "frame/user_data_folder.h"
#include "support/program_runner.h"
#include "support/temp_folder.h"

namespace {

// Logs into a fresh data folder and hands back what reached the file.
class LogFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        frameCounter = 0;
        openLogFile();
        ASSERT_NE(logFile, nullptr);
    }
    void TearDown() override { closeLogFile(); }

    std::string contents()
    {
        closeLogFile();
        return readFile(home.dataFolder() / "tamwick.log");
    }

    TempDataHome home;
};

TEST_F(LogFileTest, LinesCarryTheFrameCounterAndPassTextThrough)
{
    log("Begin game\n");
    frameCounter = 120;
    log("%d%% done\n", 50);
    logStdString("100% literal %s %d\n");
    logLine("also 100% %n\n");
    traceHandler("trace 5% text\n");
    frameCounter = -3;
    logDouble(1.5);
    logOptionalVector(std::nullopt);
    logOptionalVector(Vector2{3, -1});
    frameCounter = 0;

    EXPECT_EQ(contents(), "0: Begin game\n"
                          "120: 50% done\n"
                          "120: 100% literal %s %d\n"
                          "120: also 100% %n\n"
                          "120: trace 5% text\n"
                          "-3: 1.500000\n"
                          "-3: nullopt\n"
                          "-3: {3,-1}\n");
}

TEST_F(LogFileTest, OverlongMessagesAreCutAtTheBufferSize)
{
    logStdString(std::string(3 * logBufferSize, 'x'));
    log("after\n");
    std::string text = contents();
    size_t firstLine = text.find("0: after");
    ASSERT_NE(firstLine, std::string::npos);
    EXPECT_EQ(firstLine, logBufferSize - 1);
    EXPECT_EQ(text.substr(0, 3), "0: ");
}

TEST_F(LogFileTest, ConcurrentLinesNeverInterleave)
{
    constexpr int threads = 8, linesPerThread = 500;
    {
        std::vector<std::jthread> workers;
        for (int t = 0; t < threads; ++t)
            workers.emplace_back([t] {
                std::string body(40 + t, char('a' + t));
                for (int i = 0; i < linesPerThread; ++i)
                    log("thread %d line %d %s\n", t, i, body.c_str());
            });
    }

    std::vector<std::string> lines = logLines(contents());
    ASSERT_EQ(lines.size(), size_t(threads * linesPerThread));
    std::vector<int> nextLine(threads, 0);
    for (const std::string& line : lines) {
        int t = -1, i = -1;
        char body[200] = {};
        ASSERT_EQ(std::sscanf(line.c_str(), "thread %d line %d %199s", &t, &i, body), 3) << line;
        ASSERT_TRUE(t >= 0 && t < threads);
        EXPECT_EQ(std::string(body), std::string(40 + t, char('a' + t)));
        EXPECT_EQ(i, nextLine[t]++) << "lines of one thread keep their order";
    }
}

TEST(UserDataFolder, FollowsXdgDataHomeAndIsCreatedOrSaysWhyNot)
{
    TempDataHome home;
    std::filesystem::remove_all(home.folder().path());
    EXPECT_EQ(getUserDataFolder(), home.dataFolder().string());
    EXPECT_TRUE(std::filesystem::is_directory(home.dataFolder()));

    // A file where the folder should be: the error names the folder and why.
    std::filesystem::remove(home.dataFolder());
    writeFile(home.dataFolder(), "in the way");
    try {
        getUserDataFolder();
        ADD_FAILURE() << "a data folder that cannot be made is no folder";
    } catch (const std::filesystem::filesystem_error& error) {
        EXPECT_EQ(folderProblem(error), "the folder " + home.dataFolder().string() + " cannot be used: Not a directory");
    }
}

}
