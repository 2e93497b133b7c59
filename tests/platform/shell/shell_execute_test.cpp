// ShellExecute: the path reaches the opener as exactly one argument, through
// a replaced launcher and through a real spawn of a stand-in xdg-open, and a
// missing opener is reported with the platform's error code.
#include "platform/shell/shell_execute.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

std::vector<std::vector<std::string>> launched;

int RecordLaunch(const std::vector<std::string>& Arguments)
{
    launched.push_back(Arguments);
    return 0;
}

class ShellExecuteTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/shell-test-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder_ = pattern;
        const char* path = std::getenv("PATH");
        oldPath_ = path ? path : "";
        launched.clear();
    }
    void TearDown() override
    {
        ShellLauncher = SpawnDetached;
        setenv("PATH", oldPath_.c_str(), 1);
        std::system(("rm -rf '" + folder_ + "'").c_str());
    }

    std::string folder_;
    std::string oldPath_;
};

TEST_F(ShellExecuteTest, TheReplacedLauncherGetsThePathAsOneArgument)
{
    ShellLauncher = RecordLaunch;
    // GBK in the program, UTF-8 on the command line; 說 and 門 carry 'f'
    // and 'T' as trail bytes, 乗 a backslash.
    const char* paths[] = {"/home/a b/notes.txt", "/tmp/it's \"quoted\" $HOME;ls", "/tmp/說門乗中.vek"};
    for (const char* path : paths)
        EXPECT_GT(ShellExecute(nullptr, "open", path, nullptr, nullptr, 1), 32) << path;
    ASSERT_EQ(launched.size(), 3u);
    EXPECT_EQ(launched[0], (std::vector<std::string>{"xdg-open", "/home/a b/notes.txt"}));
    EXPECT_EQ(launched[1], (std::vector<std::string>{"xdg-open", "/tmp/it's \"quoted\" $HOME;ls"}));
    EXPECT_EQ(launched[2], (std::vector<std::string>{"xdg-open", "/tmp/\xE8\xAA\xAA\xE9\x96\x80\xE4\xB9\x97\xE4\xB8\xAD.vek"}));
}

TEST_F(ShellExecuteTest, OnlyTheOpenVerbIsKnown)
{
    ShellLauncher = RecordLaunch;
    EXPECT_GT(ShellExecute(nullptr, nullptr, "/tmp/a.txt", nullptr, nullptr, 1), 32);
    EXPECT_EQ(ShellExecute(nullptr, "print", "/tmp/a.txt", nullptr, nullptr, 1), SE_ERR_NOASSOC);
    EXPECT_EQ(launched.size(), 1u);
}

TEST_F(ShellExecuteTest, ARealSpawnPassesThePathUntouched)
{
    // A stand-in opener on PATH writes the arguments it got, one per line.
    const std::string out = folder_ + "/args";
    const std::string opener = folder_ + "/xdg-open";
    {
        std::ofstream script(opener);
        script << "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '" << out << ".part'\nmv '" << out
               << ".part' '" << out << "'\n";
    }
    ASSERT_EQ(chmod(opener.c_str(), 0755), 0);
    setenv("PATH", (folder_ + ":/usr/bin:/bin").c_str(), 1);

    EXPECT_GT(ShellExecute(nullptr, "open", "/tmp/a b 'c' \"d\" 說門.txt", nullptr, nullptr, 1), 32);
    std::ifstream result;
    for (int i = 0; i < 500 && !result.is_open(); ++i) {
        result.open(out);
        if (!result.is_open())
            usleep(10000);
    }
    ASSERT_TRUE(result.is_open()) << "the stand-in opener never ran";
    std::stringstream text;
    text << result.rdbuf();
    EXPECT_EQ(text.str(), "/tmp/a b 'c' \"d\" \xE8\xAA\xAA\xE9\x96\x80.txt\n");
}

TEST_F(ShellExecuteTest, AMissingOpenerGivesFileNotFound)
{
    setenv("PATH", folder_.c_str(), 1);  // an empty folder: no xdg-open anywhere
    EXPECT_EQ(ShellExecute(nullptr, "open", "/tmp/a.txt", nullptr, nullptr, 1), ERROR_FILE_NOT_FOUND);
}

TEST_F(ShellExecuteTest, AnOpenerThatMayNotRunGivesAccessDenied)
{
    const std::string opener = folder_ + "/xdg-open";
    std::ofstream(opener) << "#!/bin/sh\n";
    ASSERT_EQ(chmod(opener.c_str(), 0644), 0);
    setenv("PATH", folder_.c_str(), 1);
    EXPECT_EQ(ShellExecute(nullptr, "open", "/tmp/a.txt", nullptr, nullptr, 1), ERROR_ACCESS_DENIED);
}

}  // namespace
