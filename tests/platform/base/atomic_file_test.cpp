#include "platform/base/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "platform/base/code_page.h"
#include "platform/base/exceptions.h"
#include "platform/base/files.h"
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
