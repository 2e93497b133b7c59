#include "platform/base/files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "platform/base/code_page.h"
#include "tests/platform/base/temp_folder.h"

namespace {

// Sets an environment variable for one scope, restoring it afterwards.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name)
    {
        const char* old = std::getenv(name);
        had_ = old != nullptr;
        if (had_)
            old_ = old;
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    ~ScopedEnv() { had_ ? setenv(name_, old_.c_str(), 1) : unsetenv(name_); }

private:
    const char* name_;
    bool had_ = false;
    std::string old_;
};

struct Found {
    AnsiString Name;
    int Attr;
    int64_t Size;
};

std::vector<Found> Search(const AnsiString& path, int attr)
{
    std::vector<Found> found;
    TSearchRec rec;
    for (int r = FindFirst(path, attr, rec); r == 0; r = FindNext(rec))
        found.push_back({rec.Name, rec.Attr, rec.Size});
    FindClose(rec);
    return found;
}

std::vector<AnsiString> Names(const std::vector<Found>& found)
{
    std::vector<AnsiString> names;
    for (const Found& f : found)
        names.push_back(f.Name);
    return names;
}

using Files = TempFolderTest;

}  // namespace

TEST(Paths, SplittingAndJoining)
{
    // 乗 ends in 0x5C and 說 in 'f': neither may be taken for a delimiter or a letter.
    const AnsiString name = "/home/乗說/門.tar.gz";
    EXPECT_EQ(ExtractFilePath(name), "/home/乗說/");
    EXPECT_EQ(ExtractFileDir(name), "/home/乗說");
    EXPECT_EQ(ExtractFileName(name), "門.tar.gz");
    EXPECT_EQ(ExtractFileExt(name), ".gz");
    EXPECT_EQ(ChangeFileExt(name, ".ini"), "/home/乗說/門.tar.ini");

    EXPECT_EQ(ExtractFileExt("/a.d/readme"), "");
    EXPECT_EQ(ChangeFileExt("/a.d/readme", ".txt"), "/a.d/readme.txt");
    EXPECT_EQ(ChangeFileExt("notes.vek", ""), "notes");
    EXPECT_EQ(ExtractFileExt(".bashrc"), ".bashrc");
    EXPECT_EQ(ExtractFileExt("a."), ".");

    EXPECT_EQ(ExtractFilePath("plain"), "");
    EXPECT_EQ(ExtractFileDir("plain"), "");
    EXPECT_EQ(ExtractFileName("plain"), "plain");
    EXPECT_EQ(ExtractFileDir("/top"), "/");
    EXPECT_EQ(ExtractFilePath("/top"), "/");
    EXPECT_EQ(ExtractFileName("/dir/"), "");

    EXPECT_EQ(IncludeTrailingPathDelimiter("/a"), "/a/");
    EXPECT_EQ(IncludeTrailingPathDelimiter("/a/"), "/a/");
    EXPECT_EQ(IncludeTrailingPathDelimiter(""), "/");
    EXPECT_EQ(ExcludeTrailingPathDelimiter("/a/"), "/a");
    EXPECT_EQ(ExcludeTrailingPathDelimiter("/"), "/");
    EXPECT_EQ(ExcludeTrailingPathDelimiter("乗"), "乗");

    EXPECT_EQ(ExpandFileName("/a/./b//c/../d.txt"), "/a/b/d.txt");
    EXPECT_EQ(ExpandFileName("/a/b/"), "/a/b/");
    EXPECT_EQ(ExpandFileName("/../.."), "/");
    EXPECT_EQ(ExpandFileName(""), "");
}

TEST_F(Files, FoldersFilesAndTheCurrentFolder)
{
    const AnsiString deep = Folder() + "說明/門/乗";
    EXPECT_FALSE(DirectoryExists(deep));
    ASSERT_TRUE(ForceDirectories(deep + "/"));
    EXPECT_TRUE(DirectoryExists(deep));
    EXPECT_TRUE(ForceDirectories(deep));  // already there
    // On disk the names are UTF-8.
    EXPECT_TRUE(std::filesystem::is_directory(std::filesystem::path(Folder()) / u8"說明" / u8"門" / u8"乗"));
    EXPECT_FALSE(CreateDir(deep));
    EXPECT_FALSE(CreateDir(Folder() + "missing/child"));
    EXPECT_FALSE(ForceDirectories(""));

    const AnsiString file = deep + "/這.txt";
    TempFolderTest::WriteBytes(GbkToUtf8(file), "12345");
    EXPECT_TRUE(FileExists(file));
    EXPECT_FALSE(FileExists(deep));
    EXPECT_FALSE(DirectoryExists(file));
    EXPECT_EQ(FileSize(file), 5);
    EXPECT_EQ(FileSize(deep), -1);
    EXPECT_EQ(FileSize(file + "x"), -1);
    TDateTime age = 0;
    ASSERT_TRUE(FileAge(file, age));
    EXPECT_LT(std::fabs(age - Now()), 60.0 / SecsPerDay);
    EXPECT_FALSE(FileAge(file + "x", age));

    EXPECT_FALSE(RemoveDir(deep));  // not empty
    const AnsiString moved = Folder() + "中文.txt";
    EXPECT_TRUE(RenameFile(file, moved));
    EXPECT_FALSE(FileExists(file));
    EXPECT_TRUE(FileExists(moved));
    EXPECT_TRUE(RemoveDir(deep));
    EXPECT_TRUE(DeleteFile(moved));
    EXPECT_FALSE(DeleteFile(moved));

    const AnsiString before = GetCurrentDir();
    ASSERT_TRUE(SetCurrentDir(Folder() + "說明"));
    EXPECT_EQ(GetCurrentDir(), ExcludeTrailingPathDelimiter(ExpandFileName(Folder() + "說明")));
    EXPECT_EQ(ExpandFileName("門/../x.ini"), GetCurrentDir() + "/x.ini");
    EXPECT_EQ(ExpandFileName(".."), ExcludeTrailingPathDelimiter(ExpandFileName(Folder())));
    EXPECT_TRUE(SetCurrentDir(before));
    EXPECT_FALSE(SetCurrentDir(Folder() + "nowhere"));
}

TEST_F(Files, WildcardSearch)
{
    for (const char* name : {"Readme.TXT", "notes.txt", "說明.Txt", "門.txt", ".hidden.txt", "a.txtx", "\xD5\x66"})
        TempFolderTest::WriteBytes(GbkToUtf8(Folder() + name), "abc");
    ASSERT_TRUE(CreateDir(Folder() + "Sub.txt"));
    chmod((Folder() + "notes.txt").c_str(), 0444);

    // Case-insensitive, sorted without case, hidden files and folders left out.
    std::vector<Found> found = Search(Folder() + "*.txt", faArchive | faReadOnly);
    EXPECT_EQ(Names(found), (std::vector<AnsiString>{"notes.txt", "Readme.TXT", "說明.Txt", "門.txt"}));
    ASSERT_EQ(found.size(), 4u);
    EXPECT_EQ(found[0].Attr, faArchive | faReadOnly);
    EXPECT_EQ(found[1].Attr, faArchive);
    EXPECT_EQ(found[1].Size, 3);

    EXPECT_EQ(Names(Search(Folder() + "*.txt", faAnyFile)),
              (std::vector<AnsiString>{".hidden.txt", "notes.txt", "Readme.TXT", "Sub.txt", "說明.Txt", "門.txt"}));
    std::vector<Found> dirs = Search(Folder() + "*", faDirectory);
    EXPECT_EQ(Names(dirs), (std::vector<AnsiString>{".", "..", "a.txtx", "notes.txt", "Readme.TXT", "Sub.txt",
                                                    "\xD5\x66", "說明.Txt", "門.txt"}));
    EXPECT_EQ(dirs[0].Attr, faDirectory);
    EXPECT_EQ(dirs[5].Attr, faDirectory);

    // '?' is one character, double-byte ones included; trail bytes never fold.
    EXPECT_EQ(Names(Search(Folder() + "?.TXT", 0)), (std::vector<AnsiString>{"門.txt"}));
    EXPECT_EQ(Names(Search(Folder() + "?OTES.*", 0)), (std::vector<AnsiString>{"notes.txt"}));
    EXPECT_EQ(Names(Search(Folder() + "說*", 0)), (std::vector<AnsiString>{"\xD5\x66", "說明.Txt"}));
    EXPECT_TRUE(Search(Folder() + "\xD5\x46", 0).empty());
    EXPECT_EQ(Names(Search(Folder() + "*.*x", 0)), (std::vector<AnsiString>{"a.txtx"}));

    TSearchRec rec;
    EXPECT_EQ(FindFirst(Folder() + "*.none", faAnyFile, rec), ENOENT);
    EXPECT_NE(FindFirst(Folder() + "missing/*", faAnyFile, rec), 0);
    EXPECT_EQ(rec.FindHandle, nullptr);
}

TEST(ProgramFolders, ProgramTempAndConfig)
{
    EXPECT_TRUE(FileExists(ParamStr(0)));
    EXPECT_EQ(ExtractFileName(ParamStr(0)), "platform_base_tests");
    EXPECT_EQ(ProgramFolder(), ExtractFilePath(ParamStr(0)));
    EXPECT_EQ(ProgramFolder().back(), '/');
    EXPECT_TRUE(DirectoryExists(ProgramFolder()));
    EXPECT_EQ(ParamStr(1000), "");

    {
        ScopedEnv tmp("TMPDIR", "/var/tmp");
        EXPECT_EQ(GetTempDir(), "/var/tmp/");
    }
    {
        ScopedEnv tmp("TMPDIR", nullptr);
        EXPECT_EQ(GetTempDir(), "/tmp/");
    }
    ScopedEnv home("HOME", "/home/someone");
    {
        ScopedEnv config("XDG_CONFIG_HOME", "/etc/xdg/");
        EXPECT_EQ(GetUserConfigDir(), "/etc/xdg/");
    }
    {
        ScopedEnv config("XDG_CONFIG_HOME", "relative");
        EXPECT_EQ(GetUserConfigDir(), "/home/someone/.config/");
    }
    ScopedEnv config("XDG_CONFIG_HOME", nullptr);
    EXPECT_EQ(GetUserConfigDir(), "/home/someone/.config/");
}
