#include <gtest/gtest.h>

#include "frame/program/command_line.h"
#include "frame/settings.h"

namespace {

void parse(std::vector<std::string> args)
{
    args.insert(args.begin(), "tamwick");
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    parseCommandLine(int(argv.size()), argv.data());
}

class CommandLineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        diagnosticMode = fastForward = autoRandomControls = false;
        advanceLimit = 0;
    }
};

TEST_F(CommandLineTest, SwitchesSetTheirFlagsAndTheAdvanceLimitTakesTheNextArgument)
{
    parse({"/fastForward", "/autoRandomControls"});
    EXPECT_TRUE(fastForward);
    EXPECT_TRUE(autoRandomControls);
    EXPECT_FALSE(diagnosticMode);

    // The advance limit consumes the next argument, which is never read as a switch.
    parse({"/advanceLimit", "500", "/diag"});
    EXPECT_EQ(advanceLimit, 500);
    EXPECT_TRUE(diagnosticMode);

    advanceLimit = 0;
    parse({"/advanceLimit"});
    EXPECT_EQ(advanceLimit, 0);
    parse({"/advanceLimit", "/diag"});
    EXPECT_EQ(advanceLimit, 0);
}

using CommandLineDeathTest = CommandLineTest;

TEST_F(CommandLineDeathTest, UnknownAndWrongCaseSwitchesExitWithStatusOne)
{
    EXPECT_EXIT(parse({"/bogus"}), ::testing::ExitedWithCode(1), "Unknown command");
    EXPECT_EXIT(parse({"/DIAG"}), ::testing::ExitedWithCode(1), "/DIAG");
    EXPECT_EXIT(parse({"/diag", "diag"}), ::testing::ExitedWithCode(1), "Unknown command");
}

}
