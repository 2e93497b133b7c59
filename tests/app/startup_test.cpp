// Start-up and shutdown of the whole program: the first start, the
// database to start with (the last one, the default one, a missing one),
// a close cancelled at a save question, and a shutdown whose settings
// cannot be saved, told in a box or, when none can show, on the terminal.
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "app/action_module.h"
#include "app/db_module.h"
#include "app/main_form.h"
#include "app/new_form.h"
#include "editor_services/actions/syn_actions.h"
#include "editor_services/settings/syn_manager.h"
#include "editor_services/syn_text_editor.h"
#include "platform/base/exceptions.h"
#include "platform/base/ini_files.h"
#include "platform/base/string_list.h"
#include "platform/db/database_file.h"
#include "platform/db/ado_query.h"
#include "platform/ui/itemviews/list_view.h"
#include "platform/ui/itemviews/tree_view.h"
#include "skin/controls/bs_skin_tree_view.h"
#include "platform/ui/graphics/icon.h"
#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/modal_answers.h"
#include "platform/ui/textedit/edit.h"
#include "platform/win/headless_backend.h"
#include "platform/win/headless_input.h"
#include "tests/app/program_test_support.h"
#include "tests/platform/base/file_size_limit.h"
#include "tests/support/message_pump.h"

namespace fs = std::filesystem;

namespace {

// Enabled as a menu or button showing the action is: after its update.
bool Enabled(TCustomAction* Action)
{
    Action->Update();
    return Action->Enabled();
}

// The new-item dialog answered with Title, as a user would confirm it.
void AnswerNewNode(const AnsiString& Title)
{
    TModalAnswers::Push([Title](const TModalRequest& Request) {
        static_cast<TNewForm*>(Request.Form)->Edit1->SetText(Title);
        return mrOk;
    });
}

int NodeCount()
{
    TADOQuery query(nullptr);
    query.SetConnection(DBModule->DataBase());
    query.SQL()->SetText("select count(*) as n from Nodes");
    query.Open();
    return query.FieldByName("n")->AsInteger();
}

}  // namespace

using TStartupTest = TProgramTest;

TEST_F(TStartupTest, AFirstStartHasNoDatabaseAndItsActionsWaitForOne)
{
    Start();
    EXPECT_TRUE(TakeBoxes().empty());
    EXPECT_FALSE(DBModule->Connected());
    EXPECT_EQ(MainForm->GetNodeTree()->Items()->Count(), 0);
    EXPECT_EQ(MainForm->GetBookMarkList()->Items()->Count(), 0);
    TCustomAction* waiting[] = {DBModule->aNewNodeA,  DBModule->aNewNodeB,     DBModule->aDeleteNode,
                                      DBModule->aNodeAttr,  DBModule->aCompactDB,    DBModule->aSaveNode,
                                      DBModule->aCloseAllNode, DBModule->aAddAttachment, DBModule->aOpenAttachment};
    for (TCustomAction* action : waiting)
        EXPECT_FALSE(Enabled(action)) << action->Name();
    EXPECT_TRUE(Enabled(DBModule->aNewDB));
    EXPECT_TRUE(Enabled(DBModule->aOpenDB));
    // The keys start in the tree, which shows them, not on the unmarked
    // tabs above it.
    EXPECT_TRUE(MainForm->Tree->Focused());

    // The program's icon is the window's picture on the desktop.
    ASSERT_FALSE(Application->Icon()->Empty());
    THeadlessBackend::TSurface* surface = HeadlessBackend()->FindSurface(MainForm->Handle());
    ASSERT_NE(surface, nullptr);
    ASSERT_EQ(surface->Icon.size(), 1u);
    EXPECT_EQ(surface->Icon[0].Width, 48);
    EXPECT_EQ(surface->Icon[0].Pixels, Application->Icon()->Image().Pixels);

    // The settings folder is private, with the shipped schemes in it.
    struct stat st {};
    ASSERT_EQ(stat(SettingsFolder().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    EXPECT_EQ(ActionModule->Manager->Highlighters()->Count(), 6);
    for (const char* language : {"C/C++", "Python", "SQL", "XML", "INI", "Shell"})
        EXPECT_GE(ActionModule->Manager->Highlighters()->IndexOfLanguage(language), 0) << language;

    CloseAndStop();
    EXPECT_EQ(MainForm, nullptr);
    EXPECT_EQ(DBModule, nullptr);
    EXPECT_EQ(ActionModule, nullptr);
    EXPECT_TRUE(fs::exists(SettingsFolder() + "EditorOptions.ini"));
    EXPECT_TRUE(TakeBoxes().empty());
}

TEST_F(TStartupTest, AShippedSchemeIsCopiedOnlyWhenMissing)
{
    const AnsiString folder = SettingsFolder() + "Syntaxs/";
    // A disk that fills on the way leaves no scheme cut short, which would
    // then stay as it is for good.
    AnsiString refusal;
    try {
        TFileSizeLimit limit(1024);
        InstallShippedSchemes(folder);
    } catch (const EWriteError& e) {
        refusal = e.Message();
    }
    EXPECT_EQ(refusal.rfind("不能写入语法方案文件“" + folder, 0), 0u) << refusal;
    EXPECT_TRUE(refusal.ends_with(".xml”：文件超过了允许的大小。")) << refusal;
    const AnsiString whole = SettingsFolder() + "whole/";
    const size_t before = std::distance(fs::directory_iterator(folder), {});
    EXPECT_EQ(InstallShippedSchemes(whole).size(), 7u);
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        auto bytes = [](const fs::path& Path) {
            std::ifstream in(Path, std::ios::binary);
            return std::string(std::istreambuf_iterator<char>(in), {});
        };
        EXPECT_TRUE(bytes(entry.path()) == bytes(whole + entry.path().filename().string())) << entry.path();
    }
    EXPECT_EQ(InstallShippedSchemes(folder).size(), 7u - before);
    std::ofstream(folder + "Python.xml", std::ios::binary | std::ios::trunc) << "mine";
    fs::remove(folder + "SQL.xml");
    EXPECT_EQ(InstallShippedSchemes(folder), std::vector<AnsiString>{"SQL.xml"});
    std::ifstream in(folder + "Python.xml", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "mine");
}

TEST_F(TStartupTest, TheDefaultDatabaseIsMadeOnceThenOpenedAndNeverOverwritten)
{
    Start(DataFile());
    ASSERT_TRUE(DBModule->Connected());
    EXPECT_EQ(DBModule->FileName(), DataFile());
    EXPECT_EQ(TIniFile(ProgramIniFileName(SettingsFolder())).ReadString("History", "LastDataBase", ""), DataFile());
    // The program's INI file has the system's line ends.
    std::ifstream ini(ProgramIniFileName(SettingsFolder()), std::ios::binary);
    const std::string bytes(std::istreambuf_iterator<char>(ini), {});
    EXPECT_EQ(bytes, "[History]\nLastDataBase=" + DataFile() + "\n");
    struct stat st {};
    ASSERT_EQ(stat((folder_ + "/data").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    AnswerNewNode("說門");
    DBModule->aNewNodeA->Execute();
    EXPECT_EQ(NodeCount(), 1);
    CloseAndStop();

    // Later starts open it, also one that forgot the last database.
    Start(DataFile());
    EXPECT_EQ(NodeCount(), 1);
    CloseAndStop();
    fs::remove(ProgramIniFileName(SettingsFolder()));
    Start(DataFile());
    ASSERT_TRUE(DBModule->Connected());
    EXPECT_EQ(NodeCount(), 1);
    EXPECT_EQ(MainForm->GetNodeTree()->Items()->Count(), 1);
    EXPECT_TRUE(TakeBoxes().empty());
}

TEST_F(TStartupTest, ADefaultDatabaseInAFolderThatIsThereLeavesTheFolderAsItWas)
{
    // A shared folder such as /tmp: the notes file goes in, the folder
    // keeps its mode (a folder the program makes is private, as above).
    const std::string shared = folder_ + "/shared";
    fs::create_directory(shared);
    ASSERT_EQ(chmod(shared.c_str(), 01777), 0);
    Start(shared + "/notes.vek");
    EXPECT_TRUE(DBModule->Connected());
    EXPECT_TRUE(TakeBoxes().empty());
    CloseAndStop();
    struct stat st {};
    ASSERT_EQ(stat(shared.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 01777u);
}

TEST_F(TStartupTest, ADeletedLastDatabaseStartsSilentlyWithoutADefault)
{
    Start(DataFile());
    CloseAndStop();
    fs::remove(DataFile());
    Start();
    EXPECT_FALSE(DBModule->Connected());
    EXPECT_TRUE(TakeBoxes().empty());
    EXPECT_FALSE(fs::exists(DataFile()));
}

TEST_F(TStartupTest, ADeletedLastDatabaseIsNamedAndTheDefaultOneOpened)
{
    Start(DataFile());
    AnswerNewNode("old");
    DBModule->aNewNodeA->Execute();
    CloseAndStop();
    fs::remove(DataFile());

    AnswerBoxes(1);
    Start(DataFile());
    const std::vector<std::string> boxes = TakeBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find("“" + DataFile() + "”已经不存在了"), std::string::npos) << boxes[0];
    ASSERT_TRUE(DBModule->Connected());
    EXPECT_EQ(NodeCount(), 0);
    CloseAndStop();

    // Another database the user opened last is gone: the default one opens.
    Start(DataFile());
    ASSERT_TRUE(DBModule->CreateDataBase(DataFile("other.vek")));
    CloseAndStop();
    fs::remove(DataFile("other.vek"));
    AnswerBoxes(1);
    Start(DataFile());
    ASSERT_EQ(TakeBoxes().size(), 1u);
    EXPECT_EQ(DBModule->FileName(), DataFile());
}

TEST_F(TStartupTest, ALastDatabaseThatIsNoNotesFileIsReportedAndTheProgramComesUp)
{
    fs::create_directories(folder_ + "/data");
    fs::create_directories(SettingsFolder().c_str());
    const AnsiString foreign = DataFile("foreign.vek");
    TStringList schema;
    schema.Add("create table foo(a)");
    CreateDatabaseFile(foreign, &schema);
    {
        TIniFile ini(ProgramIniFileName(SettingsFolder()));
        ini.WriteString("History", "LastDataBase", foreign);
        ini.UpdateFile();
    }
    // Without a default database: the window with no database.
    AnswerBoxes(1);
    Start();
    std::vector<std::string> boxes = TakeBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find("不是有效的文章库"), std::string::npos) << boxes[0];
    ASSERT_NE(MainForm, nullptr);
    EXPECT_TRUE(MainForm->Visible());
    EXPECT_FALSE(DBModule->Connected());
    CloseAndStop();

    // With one: the same report, then the default database.
    AnswerBoxes(1);
    Start(DataFile());
    boxes = TakeBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find("不是有效的文章库"), std::string::npos) << boxes[0];
    ASSERT_TRUE(DBModule->Connected());
    EXPECT_EQ(DBModule->FileName(), DataFile());
    EXPECT_EQ(TIniFile(ProgramIniFileName(SettingsFolder())).ReadString("History", "LastDataBase", ""), DataFile());
}

TEST_F(TStartupTest, CancellingASaveQuestionAtExitKeepsTheWindowAndTheTabsBeforeIt)
{
    Start(DataFile());
    for (const char* title : {"one", "two", "three"}) {
        AnswerNewNode(title);
        DBModule->aNewNodeB->Execute();
        if (std::string(title) != "three")
            ActiveArticleEditor()->SetText("changed");
    }
    ASSERT_EQ(ActionModule->Manager->GetEditorCount(), 3);

    // The last tab closes without a question; the second asks and is
    // cancelled ("取消").
    AnswerBoxes(1, 3);
    PostMessage(MainForm->Handle(), WM_CLOSE, 0, 0);
    PumpMessages();
    ASSERT_EQ(TakeBoxes().size(), 1u);
    EXPECT_TRUE(MainForm->Visible());
    ASSERT_EQ(ActionModule->Manager->GetEditorCount(), 2);
    EXPECT_TRUE(ActionModule->Manager->GetEditors(0)->Modified());
    EXPECT_TRUE(ActionModule->Manager->GetEditors(1)->Modified());

    // The next close is answered "丢弃" for both.
    AnswerBoxes(2, 2);
    CloseAndStop();
    EXPECT_EQ(TakeBoxes().size(), 2u);
}

TEST_F(TStartupTest, SettingsThatCannotBeSavedStillLeaveTheDatabaseClosedAndTheFolderGone)
{
    Start(DataFile());
    const AnsiString attachments = TempFolder() + "Morvane";
    fs::create_directories(attachments);
    // A folder where the editor settings go: they cannot be written.
    fs::create_directories(SettingsFolder() + "EditorOptions.ini");

    // The box reporting it fails in turn, as anything in the save may.
    TModalAnswers::Push([](const TModalRequest&) -> int { throw Exception("the report box failed"); });
    AnswerBoxes(1);
    CloseAndStop();
    EXPECT_EQ(DBModule, nullptr);
    EXPECT_FALSE(fs::exists(attachments));
    // The connection is closed: SQLite has removed its side files.
    EXPECT_TRUE(fs::exists(DataFile()));
    EXPECT_FALSE(fs::exists(DataFile() + "-wal"));
    EXPECT_FALSE(fs::exists(DataFile() + "-shm"));
    const std::vector<std::string> boxes = TakeBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find("the report box failed"), std::string::npos) << boxes[0];
}

TEST_F(TStartupTest, AShutdownFailureNoBoxCanShowReachesTheTerminalInUtf8)
{
    Start(DataFile());
    fs::create_directories(SettingsFolder() + "EditorOptions.ini");
    // The save's box and the report's box both fail.
    for (int i = 0; i < 2; ++i)
        TModalAnswers::Push([](const TModalRequest&) -> int { throw Exception("說門"); });
    testing::internal::CaptureStderr();
    CloseAndStop();
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              reinterpret_cast<const char*>(u8"Tandril: 退出时出现错误：\r\n說門\n"));
    EXPECT_EQ(DBModule, nullptr);
}
