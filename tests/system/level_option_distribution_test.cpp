#include <gtest/gtest.h>

#include <algorithm>
#include <fmt/format.h>

#include "support/program_runner.h"
#include "support/temp_folder.h"

namespace {

const char* const startLine = "Testing auto level size distribution";

bool isChooserLine(const std::string& line)
{
    return line.rfind("Size: ", 0) == 0;
}

// Runs the distribution switch with no display: start-up logs the run, then
// fails to create a display and ends through the top-level handler.
std::vector<std::string> runDistribution(const TempDataHome& home)
{
    ProgramOptions options;
    options.args = {"/testAutoGameOptionsDistribution"};
    options.env["DISPLAY"] = std::nullopt;
    options.env["WAYLAND_DISPLAY"] = std::nullopt;
    ProgramResult result = runProgram(options);
    EXPECT_FALSE(result.timedOut);
    EXPECT_EQ(result.signal, 0);
    EXPECT_EQ(result.exitStatus, 1) << result.output;
    return logLines(readFile(home.dataFolder() / "tamwick.log"));
}

// The log without the banner that carries the build time.
std::vector<std::string> withoutBanner(std::vector<std::string> lines)
{
    std::erase_if(lines, [](const std::string& line) { return line.find(" Compiled on ") != std::string::npos; });
    return lines;
}

}

TEST(LevelOptionDistribution, LogsEveryCombinationWithTheChoosersLines)
{
    TempDataHome home;
    std::vector<std::string> lines = runDistribution(home);

    auto start = std::find(lines.begin(), lines.end(), startLine);
    ASSERT_NE(start, lines.end());
    auto line = start + 1;
    for (bool teams : {false, true})
        for (int players = 2; players < 20; players += 2)
            for (int randomness = 0; randomness < 3; ++randomness) {
                ASSERT_LT(line, lines.end());
                ASSERT_EQ(*line, fmt::format("{} players, Team: {}, randomness {}", players, teams,
                                             randomness));
                ++line;
                for (int call = 0; call < 30; ++call, ++line) {
                    ASSERT_LT(line, lines.end());
                    ASSERT_TRUE(isChooserLine(*line)) << *line;
                }
            }
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(), isChooserLine), 1620);

    // Start-up goes on afterwards, up to the display.
    EXPECT_TRUE(containsInOrder(lines, {startLine, "Available gfx modes:", "An exception occurred:"}));
}

TEST(LevelOptionDistribution, TwoRunsLogTheSame)
{
    TempDataHome home;
    std::vector<std::string> first = withoutBanner(runDistribution(home));
    std::vector<std::string> second = withoutBanner(runDistribution(home));
    ASSERT_GT(first.size(), 1620u);
    EXPECT_EQ(first, second);
}
