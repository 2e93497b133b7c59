// Chinese names for the notes file, as a user's command line brings them
// (the locale's UTF-8, as scripts/run.sh passes a home folder named 张伟)
// and as the program's dialogs bring them: each becomes the file the user
// named, with no folder of another name made beside it, and the program
// INI remembers it so that the next start opens it again. A name GBK has
// no form for is refused, naming it.
#include <filesystem>
#include <fstream>

#include "app/db_module.h"
#include "app/startup.h"
#include "editor_services/actions/syn_actions.h"
#include "editor_services/syn_text_editor.h"
#include "platform/base/code_page.h"
#include "tests/app/program_test_support.h"

namespace fs = std::filesystem;

namespace {

using TCommandLineTest = TProgramTest;

std::string Utf8(const char8_t* Text) { return reinterpret_cast<const char*>(Text); }

std::string IniBytes(const std::string& Path)
{
    std::ifstream in(Path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The arguments as main() gets them; false with Refused when one is.
bool Decode(std::vector<std::string> Args, std::vector<AnsiString>& Decoded, std::string& Refused)
{
    std::vector<char*> argv{const_cast<char*>("tandril")};
    for (std::string& arg : Args)
        argv.push_back(arg.data());
    return DecodeCommandLine(static_cast<int>(argv.size()), argv.data(), Decoded, Refused);
}

}  // namespace

TEST_F(TCommandLineTest, ChineseNamesFromTheCommandLineOrADialogNameTheFileAndComeBackNextStart)
{
    // The command line's way, as scripts/run.sh gives the default database.
    const std::string home = folder_ + Utf8(u8"/张伟");
    const std::string fromCommandLine = home + "/.local/share/tandril/notes.vek";
    std::vector<AnsiString> args;
    std::string refused;
    ASSERT_TRUE(Decode({"--default-database", fromCommandLine}, args, refused)) << refused;
    TStartOptions options;
    AnsiString error;
    ASSERT_TRUE(ParseCommandLine(args, options, error)) << error;
    EXPECT_EQ(options.DefaultDataBase, Utf8ToGbk(fromCommandLine));
    Start(options.DefaultDataBase);
    EXPECT_TRUE(TakeBoxes().empty());
    ASSERT_TRUE(DBModule->Connected());
    EXPECT_TRUE(fs::is_regular_file(fromCommandLine));
    std::vector<std::string> beside;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder_))
        beside.push_back(entry.path().filename().string());
    std::sort(beside.begin(), beside.end());
    EXPECT_EQ(beside, (std::vector<std::string>{"settings", Utf8(u8"张伟")}));
    // The program INI holds the name as the program does, in GBK.
    const std::string ini = ProgramIniFileName(SettingsFolder());
    EXPECT_EQ(IniBytes(ini), "[History]\nLastDataBase=" + Utf8ToGbk(fromCommandLine) + "\n");
    CloseAndStop();
    Start();
    EXPECT_TRUE(DBModule->Connected());
    EXPECT_EQ(DBModule->FileName(), Utf8ToGbk(fromCommandLine));

    // A dialog's way: 新建文章库 with a name typed in the file dialog.
    const std::string folder = folder_ + Utf8(u8"/我的笔记");
    fs::create_directory(folder);
    AnswerFileDialog(Utf8ToGbk(folder + "/notes"));
    DBModule->aNewDB->Execute();
    EXPECT_TRUE(TakeBoxes().empty());
    EXPECT_TRUE(fs::is_regular_file(folder + "/notes.vek"));
    CloseAndStop();
    Start();
    EXPECT_TRUE(DBModule->Connected());
    EXPECT_EQ(DBModule->FileName(), Utf8ToGbk(folder + "/notes.vek"));
    EXPECT_EQ(IniBytes(ini), "[History]\nLastDataBase=" + Utf8ToGbk(folder + "/notes.vek") + "\n");
}

TEST_F(TCommandLineTest, ANameGbkCannotHoldIsRefusedByName)
{
    // A character GBK has no form for, and bytes that are no UTF-8: either
    // would make the program use another name than the one given. The
    // refusal is UTF-8 for the terminal, a byte that is none shown as
    // U+FFFD.
    struct TRefusedName {
        std::string Given;
        std::string Shown;
        const char* Why;
    };
    const std::string replacement = Utf8(u8"\uFFFD");
    const TRefusedName names[] = {
        {Utf8(u8"/😀/notes.vek"), Utf8(u8"/😀/notes.vek"), "holds characters the program cannot keep"},
        {Utf8(u8"/한글.vek"), Utf8(u8"/한글.vek"), "holds characters the program cannot keep"},
        {"/\xFF\xFE.vek", "/" + replacement + replacement + ".vek", "is not UTF-8"},
        {"/\xD5\x66.vek", "/" + replacement + "f.vek", "is not UTF-8"},  // GBK's 說
        {"/\xED\xB2\x80.vek", "/" + replacement + ".vek", "is not UTF-8"},  // a surrogate's bytes
    };
    for (const TRefusedName& name : names) {
        std::vector<AnsiString> args;
        std::string refused;
        EXPECT_FALSE(Decode({"--default-database", folder_ + name.Given}, args, refused)) << name.Shown;
        EXPECT_EQ(refused.find("\"" + folder_ + name.Shown + "\" " + name.Why), 0u) << refused;
    }
}
