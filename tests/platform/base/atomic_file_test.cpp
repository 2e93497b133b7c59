#include "platform/base/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "platform/base/code_page.h"
#include "platform/base/exceptions.h"
#include "platform/base/files.h"
#include "tests/platform/base/ordinary_user.h"
#include "tests/platform/base/temp_folder.h"

namespace {

using AtomicFile = TempFolderTest;

size_t EntriesIn(const std::string& folder)
{
    auto entries = std::filesystem::directory_iterator(folder);
    return static_cast<size_t>(std::distance(begin(entries), end(entries)));
}

}  // namespace

TEST_F(AtomicFile, WritesReplacesAndLeavesNothingBehind)
{
    const AnsiString name = Folder() + "設定.ini";
    const std::string osName = GbkToUtf8(name);
    const std::string bytes("one\r\n\0two 乗\n", 13);
    WriteFileAtomically(name, bytes);
    EXPECT_EQ(ReadBytes(osName), bytes);

    chmod(osName.c_str(), 0640);
    WriteFileAtomically(name, "");
    EXPECT_EQ(ReadBytes(osName), "");
    struct stat st {};
    ASSERT_EQ(stat(osName.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);  // the old file's permissions carry over
    EXPECT_EQ(EntriesIn(Folder()), 1u);
}

TEST_F(AtomicFile, TheOldFileStaysWholeUntilTheReplaceStep)
{
    const AnsiString name = Folder() + "notes.ini";
    WriteFileAtomically(name, "old content");

    // A crash after the temporary file is written but before the rename.
    const AnsiString temp = WriteTemporaryFile(name, "new content");
    EXPECT_EQ(ExtractFilePath(temp), Folder());
    EXPECT_EQ(ReadBytes(name), "old content");
    EXPECT_EQ(ReadBytes(temp), "new content");

    ReplaceFile(temp, name);
    EXPECT_EQ(ReadBytes(name), "new content");
    EXPECT_FALSE(FileExists(temp));
    EXPECT_EQ(EntriesIn(Folder()), 1u);
}

TEST_F(AtomicFile, FailuresRaiseAndCleanUp)
{
    try {
        WriteFileAtomically(Folder() + "missing/a.ini", "x");
        ADD_FAILURE() << "no exception";
    } catch (const EFCreateError& e) {
        EXPECT_NE(e.Message().find("Cannot create file \"" + Folder() + "missing/.a.ini.tmp"), AnsiString::npos);
    }

    // The target is a folder that is not empty: the rename fails.
    ASSERT_TRUE(ForceDirectories(Folder() + "taken/inner"));
    try {
        WriteFileAtomically(Folder() + "taken", "x");
        ADD_FAILURE() << "no exception";
    } catch (const EWriteError& e) {
        EXPECT_EQ(e.Message().rfind("Cannot replace file \"" + Folder() + "taken\". ", 0), 0u) << e.Message();
    }
    EXPECT_EQ(EntriesIn(Folder()), 1u);  // only the folder; no temporary file left
}

TEST_F(AtomicFile, AReadOnlyFileIsRefusedAlsoForRoot)
{
    // The folder stays writable: only the file's own mode says no, and the
    // check must not lean on permission checks that root passes.
    const AnsiString name = Folder() + "說門.ini";
    const std::string osName = GbkToUtf8(name);
    WriteFileAtomically(name, "kept");
    ASSERT_EQ(chmod(osName.c_str(), 0444), 0);
    for (int step = 0; step < 2; ++step) {
        try {
            if (step == 0)
                WriteFileAtomically(name, "lost");
            else
                WriteTemporaryFile(name, "lost");
            ADD_FAILURE() << "no exception at step " << step;
        } catch (const EFCreateError& e) {
            // As for a folder that can't be written to: the file and why.
            EXPECT_EQ(e.Message(), "Cannot create file \"" + name + "\". Permission denied");
        }
    }
    EXPECT_EQ(ReadBytes(osName), "kept");
    struct stat st {};
    ASSERT_EQ(stat(osName.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0444u);
    EXPECT_EQ(EntriesIn(Folder()), 1u);

    // Any write bit makes it writable again.
    ASSERT_EQ(chmod(osName.c_str(), 0644), 0);
    WriteFileAtomically(name, "new");
    EXPECT_EQ(ReadBytes(osName), "new");
}

TEST_F(AtomicFile, AWriteThatRunsOutOfRoomLeavesTheOldFileAndNoTemporaryOne)
{
    const AnsiString name = Folder() + "EditorOptions.ini";
    WriteFileAtomically(name, "old content");

    // A child process whose files may not grow past 4 KiB, with the signal
    // for that ignored, so that write() fails as on a full disk. Exit
    // codes: 0 the write error, 1 no exception, 2 another exception.
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
        int code = 1;
        try {
            WriteFileAtomically(name, std::string(64 * 1024, 'x'));
        } catch (const EWriteError& e) {
            code = e.Message().rfind("Cannot write file \"" + Folder() + ".EditorOptions.ini.tmp", 0) == 0 ? 0 : 2;
        } catch (...) {
            code = 2;
        }
        _exit(code);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << status;
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(ReadBytes(name), "old content");
    EXPECT_EQ(EntriesIn(Folder()), 1u);
}

TEST_F(AtomicFile, TheNextWriteRemovesWhatAKilledWriterLeftButNotALiveOnes)
{
    const AnsiString name = Folder() + "notes.ini";
    // A writer killed between its write and its rename.
    const pid_t child = fork();
    if (child == 0) {
        WriteTemporaryFile(name, "half done");
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    std::string left;
    for (const auto& entry : std::filesystem::directory_iterator(Folder()))
        if (entry.path().filename().string().starts_with(".notes.ini.tmp" + std::to_string(child) + "-"))
            left = entry.path().string();
    ASSERT_FALSE(left.empty());
    // One of a live process (this one's parent stands for another
    // instance saving right now), and names that only look alike.
    const std::string live = Folder() + ".notes.ini.tmp" + std::to_string(getppid()) + "-7";
    const std::string other = Folder() + ".notes.ini.tmpx-1";
    const std::string otherFile = Folder() + ".other.ini.tmp" + std::to_string(child) + "-1";
    for (const std::string& path : {live, other, otherFile})
        WriteFileAtomically(path, "x");

    WriteFileAtomically(name, "whole");
    EXPECT_EQ(ReadBytes(name), "whole");
    EXPECT_FALSE(std::filesystem::exists(left));
    EXPECT_TRUE(std::filesystem::exists(live));
    EXPECT_TRUE(std::filesystem::exists(other));
    EXPECT_TRUE(std::filesystem::exists(otherFile));
}

TEST_F(AtomicFile, ALinkedOrSharedFileKeepsItsLinkPermissionsOwnerAndGroup)
{
    // The settings folder, with files linked into a dotfiles folder, as a
    // dotfiles manager leaves them, and files shared with others.
    namespace fs = std::filesystem;
    const std::string dotfiles = Folder() + "dotfiles/", settings = Folder() + "settings/";
    fs::create_directories(dotfiles);
    fs::create_directories(settings);
    const auto make = [](const std::string& name, mode_t mode, uid_t owner, gid_t group) {
        WriteBytes(name, "old");
        chmod(name.c_str(), mode);
        if (group != gid_t(-1)) {
            EXPECT_EQ(chown(name.c_str(), owner, group), 0) << name;
        }
    };
    make(dotfiles + "tandril.ini", 0600, uid_t(-1), gid_t(-1));
    fs::create_symlink("../dotfiles/tandril.ini", settings + "tandril.ini");
    make(dotfiles + "chained.ini", 0640, uid_t(-1), gid_t(-1));
    fs::create_symlink(dotfiles + "chained.ini", settings + "chain.ini");
    fs::create_symlink("chain.ini", settings + "EditorOptions.ini");
    fs::create_symlink("../dotfiles/new.ini", settings + "new.ini");
    make(GbkToUtf8(settings + "說門.xml"), 0660, uid_t(-1), OrdinaryUsersOtherGroup());
    // Another user's file in a folder the user may write: only root could
    // make the new file that user's.
    const bool theirs = geteuid() == 0;
    if (theirs)
        make(settings + "theirs.ini", 0666, 1, NobodysOtherGroup);

    struct Case {
        std::string name, target;  // the name written (GBK) and the file it stands for
        bool refused;
    };
    std::vector<Case> cases = {{settings + "tandril.ini", dotfiles + "tandril.ini", false},
                               {settings + "EditorOptions.ini", dotfiles + "chained.ini", false},
                               {settings + "new.ini", dotfiles + "new.ini", false},
                               {settings + "說門.xml", GbkToUtf8(settings + "說門.xml"), false}};
    if (theirs)
        cases.push_back({settings + "theirs.ini", settings + "theirs.ini", true});
    const std::string problems = AsOrdinaryUser(Folder(), [&] {
        std::string problems;
        for (const Case& c : cases) {
            struct stat before {}, after {};
            const bool existed = stat(c.target.c_str(), &before) == 0;
            const bool link = fs::is_symlink(GbkToUtf8(c.name));
            try {
                WriteFileAtomically(c.name, "new 乗");
                if (c.refused)
                    problems += c.name + ": written\n";
            } catch (const EWriteError& e) {
                if (!c.refused || e.Message().find("keeping its owner and group") == AnsiString::npos)
                    problems += c.name + ": " + e.Message() + "\n";
            }
            if (ReadBytes(c.target) != (c.refused ? "old" : "new 乗"))
                problems += c.name + ": the file it stands for holds " + ReadBytes(c.target) + "\n";
            if (fs::is_symlink(GbkToUtf8(c.name)) != link)
                problems += c.name + ": no longer a link\n";
            if (existed && (stat(c.target.c_str(), &after) != 0 || after.st_mode != before.st_mode ||
                            after.st_uid != before.st_uid || after.st_gid != before.st_gid))
                problems += c.name + ": its mode, owner or group changed\n";
        }
        for (const std::string& folder : {dotfiles, settings})
            for (const auto& entry : fs::directory_iterator(folder))
                if (entry.path().filename().string().starts_with("."))
                    problems += "left " + entry.path().string() + "\n";
        return problems;
    });
    if (problems.starts_with("skip: "))
        GTEST_SKIP() << problems;
    EXPECT_EQ(problems, "");
}
