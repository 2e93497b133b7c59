// Notes database files: create, open and reopen with everything an article
// keeps, create refusing an existing file or a bad folder, opening what is
// not a database, and compacting with tabs open.
#include <filesystem>
#include <fstream>

#include "app/editor_config_string.h"
#include "platform/base/ini_files.h"
#include "platform/db/ado_connection.h"
#include "tests/support/test_data.h"
#include "tests/app/notes_test_support.h"
#include "tests/platform/db/db_test_support.h"

namespace {

const char kOpenFailure[] =
    "打开数据库失败\r\n\r\n1.请确认你要打开的数据库是否存在\r\n\r\n2.请确认你要打开的数据库是是否被其他程序独占，如ACCESS";
const char kCreateFailure[] =
    "建立数据库失败\r\n\r\n1.可能你指定要建立的文件已经存在\r\n\r\n2.可能你指定了一个无效的路径";

}  // namespace

using TNotesFilesTest = TNotesTest;

TEST_F(TNotesFilesTest, CreateWriteAndReopenEverythingAnArticleKeeps)
{
    CreateDataBase();
    EXPECT_EQ(TIniFile(Path("tandril.ini")).ReadString("History", "LastDataBase", ""), Path("notes.vek"));
    for (const char* table : {"Nodes", "Contents", "Attachments", "Bookmarks"})
        EXPECT_EQ(Column(AnsiString("select count(*) from ") + table), "0") << table;

    const int folder = NewNode(false, "說門");
    window_->GetNodeTree()->SetSelected(window_->GetNodeTree()->Items()->GetFirstNode());
    const int article = NewNode(true, "中文 note");
    EXPECT_EQ(folder, 1);
    EXPECT_EQ(article, 2);
    TCustomSynTextEditor* editor = window_->Frame(0)->GetEditor();
    editor->SetText("第一行\r\nsecond line");
    editor->SetSelStart(9);
    editor->SetTabWidth(3);
    editor->Font()->SetSize(15);
    const AnsiString config = EditorConfigToString(editor);
    module_->SaveNode(editor);
    ASSERT_TRUE(module_->CloseAllNodes());
    module_.reset();

    // A new run finds the last database in the INI file.
    module_ = std::make_unique<TDBModule>(nullptr, window_.get(), window_.get(), Path("tandril.ini"), Path("tmp"));
    window_->GetNodeTree()->Items()->Clear();
    module_->OpenLastDataBase();
    TTreeNode* top = window_->GetNodeTree()->Items()->GetFirstNode();
    ASSERT_NE(top, nullptr);
    EXPECT_EQ(top->Text(), "說門");
    ASSERT_EQ(top->Count(), 1);
    EXPECT_EQ(top->Item(0)->Text(), "中文 note");
    editor = module_->OpenNode(article);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->Text(), "第一行\r\nsecond line");
    EXPECT_EQ(editor->SelStart(), 9);
    EXPECT_EQ(EditorConfigToString(editor), config);
    EXPECT_FALSE(editor->Modified());
    EXPECT_EQ(window_->Frame(0)->GetNodeName(), "中文 note");
}

TEST_F(TNotesFilesTest, CreateNeverTouchesAnExistingFileOrLeavesOneBehind)
{
    const std::string existing = Path("old.vek");
    std::ofstream(existing, std::ios::binary) << "precious bytes";
    AnswerBoxes({1});
    EXPECT_FALSE(module_->CreateDataBase(existing));
    EXPECT_EQ(Boxes, std::vector<std::string>{kCreateFailure});
    EXPECT_EQ(ReadWholeFile(existing), "precious bytes");
    EXPECT_FALSE(std::filesystem::exists(Path("tandril.ini")));

    AnswerBoxes({1});
    EXPECT_FALSE(module_->CreateDataBase(Path("missing/folder/new.vek")));
    EXPECT_EQ(Boxes.size(), 2u);
    EXPECT_FALSE(module_->Connected());
    size_t files = 0;
    for (auto& entry : std::filesystem::directory_iterator(folder_))
        files += entry.is_regular_file();
    EXPECT_EQ(files, 1u);  // old.vek alone

    EXPECT_EQ(TDBModule::NewDataBaseFileName("/a/b/notes.txt"), "/a/b/notes.vek");
    EXPECT_EQ(TDBModule::NewDataBaseFileName("/a/b/說門"), "/a/b/說門.vek");
}

TEST_F(TNotesFilesTest, OpenRefusesWhatIsNoDatabaseAndKeepsLastDataBase)
{
    CreateDataBase();
    const std::string junk = Path("junk.vek");
    std::ofstream(junk, std::ios::binary) << std::string(8192, 'x');
    AnswerBoxes({1});
    EXPECT_FALSE(module_->OpenDataBase(junk));
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_EQ(Boxes[0].rfind("这个文件不是有效的文章库。\r\n\r\n不能打开数据库“" + junk + "”。", 0), 0u) << Boxes[0];
    EXPECT_EQ(module_->FileName(), Path("notes.vek"));
    EXPECT_EQ(TIniFile(Path("tandril.ini")).ReadString("History", "LastDataBase", ""), Path("notes.vek"));

    AnswerBoxes({1});
    EXPECT_FALSE(module_->OpenDataBase(Path("gone.vek")));
    EXPECT_EQ(Boxes.size(), 2u);
    EXPECT_TRUE(module_->OpenDataBase(Path("notes.vek")));
}

TEST_F(TNotesFilesTest, OpeningAnotherFileAsksAboutAChangedArticleFirst)
{
    CreateDataBase("second.vek");
    CreateDataBase();
    NewNode(true, "a");
    window_->Frame(0)->GetEditor()->SetText("changed");
    AnswerBoxes({3});  // 取消
    EXPECT_FALSE(module_->OpenDataBase(Path("second.vek")));
    EXPECT_EQ(module_->FileName(), Path("notes.vek"));
    EXPECT_TRUE(module_->Connected());
    EXPECT_EQ(window_->GetEditorCount(), 1);
}

TEST_F(TNotesFilesTest, CompactingKeepsTabsOpenAndWorking)
{
    CreateDataBase();
    const int id = NewNode(true, "a");
    TCustomSynTextEditor* editor = window_->Frame(0)->GetEditor();
    editor->SetText(std::string(100000, 'x'));
    module_->SaveNode(editor);
    module_->CompactDataBase();
    EXPECT_TRUE(module_->Connected());
    ASSERT_EQ(window_->GetEditorCount(), 1);
    editor->SetText("after compaction");
    module_->SaveNode(editor);
    EXPECT_EQ(Column("select 内容 from Contents where 标识=" + std::to_string(id)), "after compaction");
}

TEST_F(TNotesFilesTest, CompactingSaysWhenAnotherProgramHasTheFileOpen)
{
    CreateDataBase();
    const int id = NewNode(true, "a");
    TCustomSynTextEditor* editor = window_->Frame(0)->GetEditor();
    module_->DataBase()->Close();
    TOtherProgramConnection other(Path("notes.vek"));
    ASSERT_TRUE(other.Ready);
    module_->DataBase()->Open();
    AnswerBoxes({1});
    module_->CompactDataBase();
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_NE(Boxes[0].find("正在被其他程序使用"), std::string::npos) << Boxes[0];
    // Open again, and the tab goes on working.
    EXPECT_TRUE(module_->Connected());
    editor->SetText("after");
    module_->SaveNode(editor);
    EXPECT_EQ(Column("select 内容 from Contents where 标识=" + std::to_string(id)), "after");
}
