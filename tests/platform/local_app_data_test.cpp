#include <gtest/gtest.h>

#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <map>
#include <optional>
#include <string>

#include "platform/local_app_data.h"

namespace {

// The two variables the data folder comes from, put back afterwards.
class LocalAppData : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : {"XDG_DATA_HOME", "HOME"})
            if (const char* value = std::getenv(name))
                saved_[name] = value;
    }
    void TearDown() override
    {
        for (const char* name : {"XDG_DATA_HOME", "HOME"}) {
            if (saved_.count(name))
                setenv(name, saved_[name].c_str(), 1);
            else
                unsetenv(name);
        }
    }
    static void set(const char* name, const char* value)
    {
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }

private:
    std::map<std::string, std::string> saved_;
};

TEST_F(LocalAppData, XdgThenHomeThenTheAccountsHomeAndNeverTheRootOrARelativeFolder)
{
    const passwd* account = getpwuid(getuid());
    ASSERT_NE(account, nullptr);
    const std::string accountFolder = std::string(account->pw_dir) + "/.local/share";

    set("XDG_DATA_HOME", "/data/player");
    set("HOME", "/home/player");
    EXPECT_EQ(platform::localAppDataFolder(), "/data/player");
    for (const char* unusable : {"", "relative/data", "/", "//", "/data/.."}) {
        set("XDG_DATA_HOME", unusable);
        EXPECT_EQ(platform::localAppDataFolder(), "/home/player/.local/share") << unusable;
    }
    set("XDG_DATA_HOME", nullptr);
    for (const char* unusable : {(const char*)nullptr, "", "/", "relative/home"}) {
        set("HOME", unusable);
        EXPECT_EQ(platform::localAppDataFolder(), accountFolder) << (unusable ? unusable : "unset");
    }
}

TEST_F(LocalAppData, AnAccountWithNoHomeAndNoVariablesHasNoFolder)
{
    if (getuid() != 0)
        GTEST_SKIP() << "only root can take a user id that no account holds";
    uid_t stranger = 4242420;
    while (getpwuid(stranger))
        ++stranger;
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        unsetenv("XDG_DATA_HOME");
        unsetenv("HOME");
        if (setgid(stranger) != 0 || setuid(stranger) != 0)
            _exit(2);
        _exit(platform::localAppDataFolder() ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

}
