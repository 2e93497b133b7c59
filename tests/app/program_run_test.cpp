// The built program and scripts/run.sh run as a user runs them, in a
// process of their own: without a display, or with one that cannot be
// reached, each says so and ends with exit code 2, and run.sh does so
// before it installs or builds anything. What the terminal is told is
// UTF-8.
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "tests/app/program_test_support.h"
#include "tests/support/test_data.h"

namespace {

struct TRun {
    int ExitCode = -1;
    std::string Output;  // stdout and stderr
};

// Runs Command through the shell with a fresh HOME and the given
// environment changes before it.
TRun RunCommand(const std::string& Environment, const std::string& Command)
{
    char home[] = "/tmp/tandril_home_XXXXXX";
    const std::string folder = mkdtemp(home);
    const std::string line = "env -u DISPLAY -u TANDRIL_BACKEND -u TANDRIL_HEADLESS HOME=" + folder +
                             " XDG_CONFIG_HOME= XDG_DATA_HOME= " + Environment + " " + Command + " 2>&1";
    TRun run;
    if (FILE* pipe = popen(line.c_str(), "r")) {
        char buffer[512];
        while (size_t n = fread(buffer, 1, sizeof buffer, pipe))
            run.Output.append(buffer, n);
        const int status = pclose(pipe);
        run.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    // Nothing was written for the user: no settings, no database.
    EXPECT_TRUE(std::filesystem::is_empty(folder)) << folder;
    std::filesystem::remove_all(folder);
    return run;
}

}  // namespace

TEST(TProgramRunTest, WithoutADisplayTheProgramAndTheScriptSaySoAndEndWithTwo)
{
    ASSERT_TRUE(std::filesystem::exists(ProgramFile())) << ProgramFile();
    const TRun program = RunCommand("", ProgramFile() + " --default-database /tmp/tandril_never_made.vek");
    EXPECT_EQ(program.ExitCode, 2);
    EXPECT_EQ(program.Output, "Tandril needs an X display (DISPLAY is not set)\n");
    EXPECT_FALSE(std::filesystem::exists("/tmp/tandril_never_made.vek"));

    // A display that cannot be reached is no better. Its name reaches the
    // terminal as UTF-8: a byte that is none shows as U+FFFD.
    const struct {
        const char* Display;
        const char* Shown;
    } displays[] = {{":9876", ":9876"}, {"\"$(printf ':98\\377')\"", ":98\xEF\xBF\xBD"}};
    for (const auto& display : displays) {
        const TRun unreachable = RunCommand(std::string("DISPLAY=") + display.Display, ProgramFile());
        EXPECT_EQ(unreachable.ExitCode, 2);
        EXPECT_EQ(unreachable.Output.find("Tandril needs an X display (cannot open the X display \"" +
                                          std::string(display.Shown) + "\""),
                  0u)
            << unreachable.Output;
    }

    // The script stops before anything else; a PATH without the build tools
    // would make any later step fail differently.
    const std::string script = TestFolder() + "/../../scripts/run.sh";
    const TRun run = RunCommand("PATH=/usr/bin:/bin", script);
    EXPECT_EQ(run.ExitCode, 2);
    EXPECT_EQ(run.Output, "Tandril needs an X display (DISPLAY is not set)\n");
}

TEST(TProgramRunTest, AnArgumentItDoesNotKnowEndsTheProgramWithTwo)
{
    const TRun run = RunCommand("TANDRIL_BACKEND=headless", ProgramFile() + " --default-database");
    EXPECT_EQ(run.ExitCode, 2);
    EXPECT_NE(run.Output.find("usage: tandril [--default-database FILE]"), std::string::npos) << run.Output;

    // A file name GBK cannot hold is named on the terminal as it was given.
    const std::string name = reinterpret_cast<const char*>(u8"/tmp/tandril_never_made_😀.vek");
    const TRun refused = RunCommand("TANDRIL_BACKEND=headless", ProgramFile() + " --default-database " + name);
    EXPECT_EQ(refused.ExitCode, 2);
    EXPECT_EQ(refused.Output.find("Tandril: \"" + name + "\" holds characters"), 0u) << refused.Output;
    EXPECT_FALSE(std::filesystem::exists(name));

    // One that is no UTF-8 is said to be so, and the terminal gets UTF-8
    // alone: the byte that is none shows as U+FFFD.
    const TRun notUtf8 = RunCommand("TANDRIL_BACKEND=headless",
                                    ProgramFile() + " --default-database \"$(printf '/tmp/tandril_\\377.vek')\"");
    EXPECT_EQ(notUtf8.ExitCode, 2);
    EXPECT_EQ(notUtf8.Output, "Tandril: \"/tmp/tandril_\xEF\xBF\xBD.vek\" is not UTF-8 (the program reads its "
                              "arguments as UTF-8)\nusage: tandril [--default-database FILE]\n");
}
