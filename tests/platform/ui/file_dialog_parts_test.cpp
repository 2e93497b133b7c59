// The file dialogs' parts without a form: the filter string and its
// wildcards over GBK names, and typed paths resolved the way the system
// resolves them.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/base/code_page.h"
#include "platform/base/files.h"
#include "platform/ui/dialogs/file_dialog_filter.h"
#include "platform/ui/dialogs/file_dialog_path.h"

namespace {

TEST(FileDialogFilter, PairsSplitOnlyAtRealBars)
{
    // 0xB0 0x7C is one GBK character whose trail byte is '|'.
    const auto filters = ParseFileFilter("\xB0\x7C\xD5\x66(*.txt)|*.txt|Tandril文档库|*.vek;*.mdb|所有类型");
    ASSERT_EQ(filters.size(), 3u);
    EXPECT_EQ(filters[0].Description, "\xB0\x7C\xD5\x66(*.txt)");
    EXPECT_EQ(filters[0].Patterns, "*.txt");
    EXPECT_EQ(filters[1].Description, "Tandril文档库");
    EXPECT_EQ(filters[1].Patterns, "*.vek;*.mdb");
    EXPECT_EQ(filters[2].Description, "所有类型");
    EXPECT_EQ(filters[2].Patterns, "");
    EXPECT_TRUE(ParseFileFilter("").empty());
}

TEST(FileDialogFilter, WildcardsMatchWholeCharactersWithoutCase)
{
    EXPECT_TRUE(MatchesFilePatterns("Notes.VEK", "*.vek;*.mdb"));
    EXPECT_TRUE(MatchesFilePatterns("notes.mdb", " *.vek ; *.MDB "));
    EXPECT_FALSE(MatchesFilePatterns("notes.vek.bak", "*.vek;*.mdb"));
    EXPECT_TRUE(MatchesFilePatterns("README", "*.*"));
    EXPECT_FALSE(MatchesFilePatterns("README", "*.txt"));
    EXPECT_TRUE(MatchesFilePatterns("anything", ""));
    // '?' takes a double-byte character whole: 說 (D5 66) is one.
    EXPECT_TRUE(MatchesFilePatterns("\xD5\x66.txt", "?.txt"));
    EXPECT_FALSE(MatchesFilePatterns("\xD5\x66.txt", "??.txt"));
    // The trail byte of 說 is 'f' and of 門 (E9 54) 'T': neither is a letter.
    EXPECT_FALSE(MatchesFilePatterns("\xD5\x66", "*f"));
    EXPECT_FALSE(MatchesFilePatterns("a\xE9\x54", "*t"));
    EXPECT_TRUE(MatchesFilePatterns("\xE9\x54\xD5\x66.c", "\xE9\x54*.C"));
    // Going back to the last '*' finds the later match.
    EXPECT_TRUE(MatchesFilePatterns("a.b.c.txt", "*.*.txt"));
    EXPECT_TRUE(MatchesFilePatterns("aXbXc", "*X*c"));
    EXPECT_FALSE(MatchesFilePatterns("aXbXd", "*X*c"));
    EXPECT_TRUE(HasWildcards("a*"));
    EXPECT_FALSE(HasWildcards("\xD5\x66\xE9\x54"));
}

class FileDialogPath : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = GbkToUtf8(GetTempDir()) + "file_dialog_path_XXXXXX";
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        root_ = pattern;
        std::filesystem::create_directories(root_ + "/a/b");
        std::filesystem::create_directories(root_ + "/far/deep");
        std::ofstream(root_ + "/top.txt") << "x";
        std::ofstream(root_ + "/far/x.txt") << "x";
        // A link whose ".." is the folder above its target, not above itself.
        std::filesystem::create_directory_symlink(root_ + "/far/deep", root_ + "/a/link");
    }
    void TearDown() override { std::filesystem::remove_all(root_); }
    AnsiString Root() const { return Utf8ToGbk(root_); }
    TTypedPath Check(const AnsiString& Typed) const { return CheckTypedPath(Root(), Typed); }

    std::string root_;
};

TEST_F(FileDialogPath, FoldersFilesAndPatternsAreTold)
{
    const struct {
        const char* Typed;
        TTypedKind Kind;
        const char* Path;  // below Root()
    } cases[] = {{"a", tkFolder, "/a"},          {"a/b/", tkFolder, "/a/b"},     {"./a/b/..", tkFolder, "/a"},
                 {"a/new.txt", tkFile, "/a/new.txt"}, {"a/*.t?t", tkPattern, "/a"}};
    for (const auto& c : cases) {
        const TTypedPath typed = Check(c.Typed);
        EXPECT_EQ(typed.Kind, c.Kind) << c.Typed;
        EXPECT_EQ(typed.Path, Root() + c.Path) << c.Typed;
    }
    EXPECT_EQ(Check("a/*.t?t").Pattern, "*.t?t");
    EXPECT_EQ(Check(Root() + "/top.txt").Path, Root() + "/top.txt");
}

TEST_F(FileDialogPath, DotDotIsTakenAsTheSystemTakesIt)
{
    // Through the link, ".." is the target's parent: text alone would say
    // a/x.txt, which is not the file the system opens.
    TTypedPath typed = Check("a/link/../x.txt");
    EXPECT_EQ(typed.Kind, tkFile);
    EXPECT_EQ(typed.Path, Root() + "/far/x.txt");
    // Past a missing folder the system finds nothing at all.
    typed = Check("nosuch/../top.txt");
    EXPECT_EQ(typed.Kind, tkError);
    EXPECT_EQ(typed.Message, "找不到文件夹“nosuch/../top.txt”。\n请检查路径是否正确。");
    typed = Check("top.txt/../a");
    EXPECT_EQ(typed.Kind, tkError);
    EXPECT_EQ(typed.Message, "“top.txt/../a”不是文件夹。");
}

TEST_F(FileDialogPath, AFolderNameGbkCannotHoldIsRefused)
{
    std::filesystem::create_directories(root_ + "/\xF0\x9F\x98\x80");
    std::ofstream(root_ + "/\xF0\x9F\x98\x80/in.txt") << "x";
    std::filesystem::create_directory_symlink(root_ + "/\xF0\x9F\x98\x80", root_ + "/face");
    // Reached through a link with a GBK name, the folder's own name shows.
    const TTypedPath typed = Check("face/in.txt");
    EXPECT_EQ(typed.Kind, tkError);
    EXPECT_EQ(typed.Message, "“face/in.txt”所在文件夹的名称含有无法表示的字符。");
}

}  // namespace
