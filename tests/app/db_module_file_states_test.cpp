// Notes files that are not what they should be: a foreign or incomplete
// database refused untouched and never remembered, a file that can't be
// written opened for reading only, saying what can't be written, and a file
// deleted or replaced while it is open refusing every write while the tabs
// keep their text.
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "editor_services/actions/syn_actions.h"
#include "platform/base/ini_files.h"
#include "platform/base/string_list.h"
#include "platform/db/ado_connection.h"
#include "platform/db/database_file.h"
#include "platform/db/db_errors.h"
#include "tests/support/test_data.h"
#include "tests/app/notes_test_support.h"
#include "tests/platform/base/ordinary_user.h"

namespace fs = std::filesystem;

namespace {

// A database made by the data layer from these statements.
void MakeDatabase(const std::string& Path, const std::vector<AnsiString>& Statements)
{
    TStringList schema;
    for (const AnsiString& statement : Statements)
        schema.Add(statement);
    CreateDatabaseFile(Path, &schema);
}

AnsiString Without(AnsiString Text, const AnsiString& Part)
{
    Text.erase(Text.find(Part), Part.size());
    return Text;
}

}  // namespace

using TNotesFileStatesTest = TNotesTest;

TEST_F(TNotesFileStatesTest, AForeignOrIncompleteFileIsRefusedUntouchedAndNeverRemembered)
{
    CreateDataBase();
    std::vector<AnsiString> missingColumn = NotesSchema();
    missingColumn[1] = Without(missingColumn[1], " 语言 VARCHAR,");
    std::vector<AnsiString> missingTable = NotesSchema();
    missingTable.pop_back();
    const std::pair<std::string, std::vector<AnsiString>> files[] = {
        {"foreign.vek", {"create table foo(a)"}},
        {"column.vek", missingColumn},
        {"table.vek", missingTable},
    };
    const char* const why[] = {"缺少表 NODES", "表 CONTENTS 缺少列 语言", "缺少表 BOOKMARKS"};
    for (size_t i = 0; i < std::size(files); ++i) {
        const std::string path = Path(files[i].first);
        MakeDatabase(path, files[i].second);
        const std::string before = ReadWholeFile(path);
        Boxes.clear();
        AnswerBoxes({1});
        EXPECT_FALSE(module_->OpenDataBase(path)) << path;
        ASSERT_EQ(Boxes.size(), 1u) << path;
        EXPECT_EQ(Boxes[0].rfind("这个文件不是有效的文章库。\r\n\r\n不能打开数据库“" + path + "”。", 0), 0u) << Boxes[0];
        EXPECT_NE(Boxes[0].find(why[i]), std::string::npos) << Boxes[0];
        // The notes on show came from the good file, which is open again.
        EXPECT_TRUE(module_->Connected());
        EXPECT_EQ(module_->FileName(), Path("notes.vek"));
        // Not a byte of it changed (its journal mode neither), nothing
        // beside it, and the last database is still the good one.
        EXPECT_EQ(ReadWholeFile(path), before) << path;
        EXPECT_FALSE(fs::exists(path + "-wal")) << path;
        EXPECT_EQ(TIniFile(Path("tandril.ini")).ReadString("History", "LastDataBase", ""), Path("notes.vek"));
    }
}

TEST_F(TNotesFileStatesTest, AFileThatCannotBeWrittenOpensForReadingOnlyAndStillCloses)
{
    CreateDataBase();
    const int id = NewNode(true, "a");
    TCustomSynTextEditor* editor = window_->Frame(0)->GetEditor();
    editor->SetText("stored text");
    module_->SaveNode(editor);
    ASSERT_TRUE(module_->CloseAllNodes());
    module_->DataBase()->Close();
    ::chmod(Path("notes.vek").c_str(), 0444);
    const std::string before = ReadWholeFile(Path("notes.vek"));

    AnswerBoxes({1});
    ASSERT_TRUE(module_->OpenDataBase(Path("notes.vek")));
    ASSERT_EQ(Boxes.size(), 1u);  // said once
    EXPECT_NE(Boxes[0].find("只读"), std::string::npos) << Boxes[0];
    EXPECT_TRUE(module_->DataBase()->ReadOnly());
    for (TSynAction* action : {module_->aNewNodeA, module_->aNewNodeB, module_->aDeleteNode, module_->aCompactDB,
                               module_->aNodeAttr}) {
        action->Update();
        EXPECT_FALSE(action->Enabled()) << action->Name();
    }

    editor = module_->OpenNode(id);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->Text(), "stored text");
    editor->SetText("typed");
    // Saving says why it can't, in Chinese, and keeps the tab and its text.
    try {
        module_->SaveNode(editor);
        ADD_FAILURE() << "saved";
    } catch (const EDatabaseWriteRefused& e) {
        EXPECT_NE(e.Message().find("是只读的"), AnsiString::npos) << e.Message();
    }
    EXPECT_EQ(editor->Text(), "typed");
    EXPECT_TRUE(editor->Modified());

    // Closing, discarding the text, asks nothing more and closes; so does
    // an unchanged tab.
    AnswerBoxes({2});
    EXPECT_TRUE(module_->CloseAllNodes());
    EXPECT_EQ(window_->GetEditorCount(), 0);
    module_->OpenNode(id);
    EXPECT_TRUE(module_->CloseAllNodes());
    EXPECT_EQ(Boxes.size(), 2u);
    module_->DataBase()->Close();
    EXPECT_EQ(ReadWholeFile(Path("notes.vek")), before);
}

TEST_F(TNotesFileStatesTest, AVanishedFileRefusesEveryWriteAndTheTabsKeepTheirText)
{
    CreateDataBase();
    const int id = NewNode(true, "a");
    TCustomSynTextEditor* editor = window_->Frame(0)->GetEditor();
    editor->SetText("first");
    module_->SaveNode(editor);
    // Moved away, and a copy put back under its name: neither is the file
    // that was opened.
    fs::rename(Path("notes.vek"), Path("moved.vek"));
    fs::copy_file(Path("moved.vek"), Path("notes.vek"));
    const std::string copy = ReadWholeFile(Path("notes.vek"));

    editor->SetText("second");
    auto refused = [](auto Write) {
        try {
            Write();
            ADD_FAILURE() << "written";
        } catch (const EDatabaseWriteRefused& e) {
            EXPECT_NE(e.Message().find("已经被删除、移动或替换"), AnsiString::npos) << e.Message();
        }
    };
    refused([&] { module_->SaveNode(editor); });
    EXPECT_EQ(editor->Text(), "second");
    EXPECT_TRUE(editor->Modified());
    const int nodes = window_->GetNodeTree()->Items()->Count();
    refused([&] { NewNode(true, "b"); });
    EXPECT_EQ(window_->GetNodeTree()->Items()->Count(), nodes);
    EXPECT_EQ(window_->GetEditorCount(), 1);
    refused([&] { module_->AddBookmark("mark", id, "a", 0); });
    refused([&] { module_->CompactDataBase(); });
    EXPECT_TRUE(module_->Connected());

    // Closing the program: the save question's 保存 fails and the tab stays
    // with its text; 丢弃 closes it, the caret's write failing quietly
    // aside from its report.
    AnswerBoxes({1});
    EXPECT_THROW(module_->CloseAllNodes(), EDatabaseWriteRefused);
    EXPECT_EQ(window_->GetEditorCount(), 1);
    AnswerBoxes({2, 1});
    EXPECT_TRUE(module_->CloseAllNodes());
    EXPECT_EQ(window_->GetEditorCount(), 0);
    EXPECT_EQ(ReadWholeFile(Path("notes.vek")), copy);
}

TEST_F(TNotesFileStatesTest, WhatCantBeWrittenIsNamedWhenOpeningAndWhenCompactingFails)
{
    CreateDataBase();
    const int id = NewNode(true, "a");
    TCustomSynTextEditor* editor = window_->Frame(0)->GetEditor();
    editor->SetText(std::string(50000, 'x'));
    module_->SaveNode(editor);
    ASSERT_TRUE(module_->CloseAllNodes());
    module_->DataBase()->Close();
    const std::string file = Path("notes.vek"), folder = Path("");
    const AnsiString readOnly = "，现在以只读方式打开：可以阅读文章，但不能保存、新建或删除。";

    const std::string problems = AsOrdinaryUser(folder, [&] {
        std::string problems;
        const auto expectBoxes = [&](const char* step, const std::vector<std::string>& expected) {
            if (Boxes != expected) {
                problems += std::string(step) + ":";
                for (const std::string& box : Boxes)
                    problems += " [" + box + "]";
                problems += "\n";
            }
            Boxes.clear();
        };
        if (!module_->OpenDataBase(file) || !module_->Writable())
            problems += "not opened for writing\n";
        // The folder made read-only meanwhile: the compaction says why it
        // could not compact, the file opens again for reading and says so,
        // and nothing is lost.
        const std::string before = ReadWholeFile(file);
        chmod(folder.c_str(), 0555);
        AnswerBoxes({1, 1, 1});
        module_->CompactDataBase();
        expectBoxes("compacting", {"不能压缩数据库“" + file + "”：“" + folder + "”不能写入。数据库没有改变。",
                                   "文章库“" + file + "”不能写入（“" + folder + "”不能写入）" + readOnly});
        TCustomSynTextEditor* reopened = module_->OpenNode(id);
        if (!module_->Connected() || module_->Writable() || !reopened || reopened->Text() != std::string(50000, 'x'))
            problems += "the article is not there to read\n";
        if (ReadWholeFile(file) != before)
            problems += "the file changed\n";
        chmod(folder.c_str(), 0755);
        module_->CloseAllNodes();
        // A log index left beside it that this user can't write.
        module_->DataBase()->Close();
        std::ofstream(file + "-shm").put('\0');
        chmod((file + "-shm").c_str(), 0444);
        AnswerBoxes({1});
        module_->OpenDataBase(file);
        expectBoxes("opening", {"文章库“" + file + "”不能写入（“" + file + "-shm”不能写入）" + readOnly});
        return problems;
    });
    if (problems.starts_with("skip: "))
        GTEST_SKIP() << problems;
    EXPECT_EQ(problems, "");
}
