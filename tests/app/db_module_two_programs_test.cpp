// Two programs on one notes file, played by two data modules: opening a file
// the other has open says so; a save finds out whether the other saved the
// article after this one read it, or deleted it, and asks; every path that
// saves (Ctrl+S, the close question, save all) asks the same; a program
// that keeps the file for writing is waited for, and then named. A save lands
// only in the article its tab opened, whoever gives its id out again, and
// nothing is added to a folder or article the other deleted.
#include <fstream>
#include <functional>
#include <memory>

#include <sqlite3.h>

#include "app/node_tree.h"
#include "platform/base/code_page.h"
#include "platform/db/ado_connection.h"
#include "platform/db/db_errors.h"
#include "platform/ui/itemviews/list_item.h"
#include "platform/ui/itemviews/list_items.h"
#include "platform/ui/itemviews/tree_node.h"
#include "platform/ui/itemviews/tree_nodes.h"
#include "platform/ui/kernel/modal_answers.h"
#include "tests/app/notes_test_support.h"
#include "tests/platform/db/db_test_support.h"

namespace {

constexpr const char* kSavedElsewhere = "已经被另一个程序保存过";
constexpr const char* kDeletedElsewhere = "已经被另一个程序删除了";

class TTwoProgramsTest : public TNotesTest {
protected:
    void TearDown() override
    {
        // The other's settings manager took the global place; it goes
        // before the test's own editors do.
        other_.reset();
        otherWindow_.reset();
        TNotesTest::TearDown();
    }

    // The file Name made with one article "說門" holding kStart, saved and
    // open in a tab here; then the other program opens the file, which it
    // is told is open here, and the article. Returns the article's id.
    int Prepare(const std::string& Name = "notes.vek")
    {
        CreateDataBase(Name);
        const int id = NewNode(true, "說門");
        Editor()->SetText(kStart);
        EXPECT_TRUE(module_->SaveNode(Editor()));
        other_.reset();
        otherWindow_ = std::make_unique<TTestNodeManager>();
        other_ = std::make_unique<TDBModule>(nullptr, otherWindow_.get(), otherWindow_.get(), Path("other.ini"),
                                             Path("othertmp"));
        Boxes.clear();
        AnswerBoxes({1});
        EXPECT_TRUE(other_->OpenDataBase(Path(Name)));
        EXPECT_TRUE(other_->Writable());
        EXPECT_EQ(Boxes.size(), 1u);
        for (const std::string& box : Boxes)
            EXPECT_NE(box.find("已经被另一个程序（可能是另一个 Tandril）打开"), std::string::npos) << box;
        Boxes.clear();
        other_->LoadNodeTree();
        EXPECT_NE(other_->OpenNode(id), nullptr);
        return id;
    }

    // Closes every tab here unchanged; a tab whose article is gone says so.
    void CloseTabs()
    {
        for (int i = window_->GetEditorCount() - 1; i >= 0; --i) {
            window_->Frame(i)->GetEditor()->SetModified(false);
            if (Column("select count(*) from Contents where 标识=" + std::to_string(window_->Frame(i)->GetNodeID())) == "0")
                AnswerBoxes({1});
            ASSERT_TRUE(module_->CloseNode(window_->Frame(i)->GetEditor()));
        }
        Boxes.clear();
    }

    TCustomSynTextEditor* Editor() { return window_->Frame(0)->GetEditor(); }
    TCustomSynTextEditor* OtherEditor() { return otherWindow_->Frame(0)->GetEditor(); }

    void OtherSaves(const AnsiString& Added)
    {
        OtherEditor()->SetText(OtherEditor()->Text() + Added);
        ASSERT_TRUE(other_->SaveNode(OtherEditor()));
    }

    // The other makes a new article titled Title at the top; it opens in a
    // tab of its own.
    int OtherNewArticle(const AnsiString& Title = "Ynew")
    {
        otherWindow_->DialogAnswer = [Title](const AnsiString&, TNodeDialogValues& Values) {
            Values.Title = Title;
            Values.TopLevel = true;
            return true;
        };
        other_->NewNode(true);
        otherWindow_->DialogAnswer = nullptr;
        return std::stoi(SelectColumn(other_->DataBase(), "select max(标识) from Nodes"));
    }

    void OtherDeletes(int Id) { other_->DeleteNodeTree(FindTreeNode(otherWindow_->GetNodeTree()->Items(), Id)); }

    // An older version, which knows nothing of stamps and gives the largest
    // id + 1 out again, writing the file as its statements do.
    void OlderProgramRemakes(int Id, const AnsiString& Text)
    {
        const std::string id = std::to_string(Id);
        other_->ExecSQL("delete from Nodes where 标识=" + id);
        other_->ExecSQL("delete from Contents where 标识=" + id);
        other_->ExecSQL("insert into Nodes values (" + id + ", 'Ynew', 0, 1)");
        other_->ExecSQL("insert into Contents values (" + id + ", '" + Text + "', 'C', 'theirs', 7)");
    }

    static constexpr const char* kStart = "說門 text";
    std::unique_ptr<TTestNodeManager> otherWindow_;
    std::unique_ptr<TDBModule> other_;
};

}  // namespace

TEST_F(TTwoProgramsTest, ASaveAsksWhenTheOtherSavedOrDeletedTheArticleAfterItWasRead)
{
    struct TCase {
        const char* Name;
        std::function<void(int Id)> Other;  // what the other program does first
        std::vector<int> Answers;
        const char* Question;  // in every box asked; nullptr: none asked
        bool Saved;
        const char* Stored;  // 内容 of every row, by id
        const char* Shown;   // the editor's text after the save
        bool Modified;
    };
    const auto othersSave = [this](int) { OtherSaves(" +B"); };
    const auto othersDelete = [this](int Id) { OtherDeletes(Id); };
    // The other deletes the newest article and makes one, which in older
    // versions took its id.
    const auto othersRemake = [this](int Id) {
        OtherDeletes(Id);
        EXPECT_NE(OtherNewArticle(), Id);
        OtherSaves("Ynew");
    };
    const TCase cases[] = {
        {"nobody else saved", nullptr, {}, nullptr, true, "說門 text +A", "說門 text +A", false},
        // A byte that is no GBK character is stored as another character.
        {"ours saved before",
         [this](int) {
             Editor()->SetText("說門 \x80");
             ASSERT_TRUE(module_->SaveNode(Editor()));
             Editor()->SetText("說門 text +A");
         },
         {}, nullptr, true, "說門 text +A", "說門 text +A", false},
        {"overwritten", othersSave, {1}, kSavedElsewhere, true, "說門 text +A", "說門 text +A", false},
        {"theirs kept", othersSave, {2}, kSavedElsewhere, true, "說門 text +B", "說門 text +B", false},
        {"cancelled", othersSave, {3}, kSavedElsewhere, false, "說門 text +B", "說門 text +A", true},
        {"theirs deleted, ours kept as new", othersDelete, {1}, kDeletedElsewhere, true, "說門 text +A",
         "說門 text +A", false},
        {"theirs deleted, cancelled", othersDelete, {2}, kDeletedElsewhere, false, "", "說門 text +A", true},
        {"theirs deleted and another made, ours kept as new", othersRemake, {1}, kDeletedElsewhere, true,
         "Ynew|說門 text +A", "說門 text +A", false},
        {"theirs deleted and another made, cancelled", othersRemake, {2}, kDeletedElsewhere, false, "Ynew",
         "說門 text +A", true},
        {"an older program made another under its id", [this](int Id) { OlderProgramRemakes(Id, "說門 text"); }, {1},
         kDeletedElsewhere, true, "說門 text|說門 text +A", "說門 text +A", false},
        {"an older program saved", [this](int Id) { other_->ExecSQL("update Contents set 内容='說門 old' where 标识=" + std::to_string(Id)); },
         {2}, kSavedElsewhere, true, "說門 old", "說門 old", false},
        // Saving an unchanged tab (save all saves every tab) is no change
        // to ask about; a text written again is, by whichever program.
        {"theirs saved unchanged", [this](int) { other_->SaveAllNodes(); }, {}, nullptr, true, "說門 text +A",
         "說門 text +A", false},
        // An unchanged tab chosen over their text is written all the same.
        {"theirs overwritten by an unchanged tab",
         [this](int) {
             Editor()->SetText(kStart);
             Editor()->SetModified(false);
             OtherSaves(" +B");
         },
         {1}, kSavedElsewhere, true, "說門 text", "說門 text", false},
        {"theirs saved the same text typed again", [this](int) { OtherSaves(""); }, {2}, kSavedElsewhere, true,
         "說門 text", "說門 text", false},
        {"an older program saved the same text",
         [this](int Id) { other_->ExecSQL("update Contents set 内容='說門 text' where 标识=" + std::to_string(Id)); },
         {2}, kSavedElsewhere, true, "說門 text", "說門 text", false},
    };
    int file = 0;
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const int id = Prepare("notes" + std::to_string(++file) + ".vek");
        Editor()->SetText("說門 text +A");
        if (c.Other)
            c.Other(id);
        AnswerBoxes(c.Answers);
        EXPECT_EQ(module_->SaveNode(Editor()), c.Saved);
        EXPECT_EQ(Boxes.size(), c.Answers.size());
        for (const std::string& box : Boxes)
            EXPECT_NE(box.find(c.Question), std::string::npos) << box;
        EXPECT_EQ(Column("select 内容 from Contents order by 标识"), c.Stored);
        EXPECT_EQ(Editor()->Text(), c.Shown);
        EXPECT_EQ(Editor()->Modified(), c.Modified);
        // What was saved or reloaded is what the next save starts from.
        if (c.Saved) {
            Editor()->SetText(Editor()->Text() + "!");
            EXPECT_TRUE(module_->SaveNode(Editor()));
            EXPECT_EQ(Column("select 内容 from Contents where 标识=" + std::to_string(window_->Frame(0)->GetNodeID())),
                      std::string(c.Shown) + "!");
        }
        CloseTabs();
        ASSERT_EQ(TModalAnswers::Count(), 0);
    }
}

TEST_F(TTwoProgramsTest, ATextKeptAsNewGoesWhereTheArticleWasOrToTheTopWhenItsFolderWentToo)
{
    for (const bool folderGone : {false, true}) {
        SCOPED_TRACE(folderGone ? "folder gone" : "folder kept");
        CreateDataBase(folderGone ? "gone.vek" : "kept.vek");
        NewNode(false, "目录");
        window_->GetNodeTree()->SetSelected(window_->GetNodeTree()->Items()->Item(0));
        const int id = NewNode(true, "說門");
        Editor()->SetText("說門 ours");
        module_->ExecSQL(folderGone ? "delete from Nodes" : "delete from Nodes where 标识=" + std::to_string(id));
        module_->ExecSQL("delete from Contents where 标识=" + std::to_string(id));

        AnswerBoxes({1});
        ASSERT_TRUE(module_->SaveNode(Editor()));
        ASSERT_EQ(Boxes.size(), 1u);
        EXPECT_NE(Boxes[0].find(kDeletedElsewhere), std::string::npos) << Boxes[0];
        Boxes.clear();
        const int kept = window_->Frame(0)->GetNodeID();
        const std::string parent = folderGone ? "0" : "1";
        EXPECT_EQ(Column("select 名称 || '/' || 目录 || '/' || 类型 || '/' || 内容 from Nodes, Contents where "
                         "Nodes.标识=Contents.标识 and Nodes.标识=" + std::to_string(kept)),
                  "說門/" + parent + "/1/說門 ours");
        // The tree keeps one node of the article, where the file has it
        // (the folder another program deleted stays until the tree is
        // loaded again).
        TTreeNodes* items = window_->GetNodeTree()->Items();
        EXPECT_EQ(items->Count(), 2);
        TTreeNode* node = FindTreeNode(items, kept);
        ASSERT_NE(node, nullptr);
        EXPECT_EQ(node->Parent() ? NodeIdOf(node->Parent()) : 0, std::stoi(parent));
    }
}

TEST_F(TTwoProgramsTest, TheCloseQuestionAndSaveAllAskToo)
{
    Prepare();
    OtherSaves(" +B");
    Editor()->SetText("說門 text +A");
    AnswerBoxes({1, 3});  // 保存, then 取消 the overwrite
    EXPECT_FALSE(module_->CloseNode(Editor()));
    EXPECT_EQ(window_->GetEditorCount(), 1);
    ASSERT_EQ(Boxes.size(), 2u);
    EXPECT_NE(Boxes[1].find(kSavedElsewhere), std::string::npos);
    EXPECT_EQ(Column("select 内容 from Contents"), "說門 text +B");
    AnswerBoxes({1, 1});  // 保存, 覆盖
    EXPECT_TRUE(module_->CloseNode(Editor()));
    EXPECT_EQ(Column("select 内容 from Contents"), "說門 text +A");

    // Save all stops at a cancelled question: the second tab is not asked.
    Prepare("all.vek");
    other_->OpenNode(NewNode(true, "two"));
    ASSERT_EQ(window_->GetEditorCount(), 2);
    for (int i = 0; i < 2; ++i) {
        otherWindow_->Frame(i)->GetEditor()->SetText("theirs");
        ASSERT_TRUE(other_->SaveNode(otherWindow_->Frame(i)->GetEditor()));
        window_->Frame(i)->GetEditor()->SetText("ours");
    }
    Boxes.clear();
    AnswerBoxes({3});
    module_->SaveAllNodes();
    EXPECT_EQ(Boxes.size(), 1u);
    EXPECT_EQ(Column("select 内容 from Contents order by 标识"), "theirs|theirs");
    for (int i = 0; i < 2; ++i)
        window_->Frame(i)->GetEditor()->SetModified(false);
}

TEST_F(TTwoProgramsTest, ASaveTheOtherMadeWhileTheQuestionWasOpenIsAskedAboutAgain)
{
    Prepare();
    OtherSaves(" +B");
    Editor()->SetText("說門 text +A");
    TModalAnswers::Push([this](const TModalRequest&) {
        Boxes.push_back("first");
        OtherSaves(" +C");
        return 1;
    });
    AnswerBoxes({2});
    EXPECT_TRUE(module_->SaveNode(Editor()));
    ASSERT_EQ(Boxes.size(), 2u);
    EXPECT_NE(Boxes[1].find(kSavedElsewhere), std::string::npos);
    EXPECT_EQ(Column("select 内容 from Contents"), "說門 text +B +C");
    EXPECT_EQ(Editor()->Text(), "說門 text +B +C");
}

TEST_F(TTwoProgramsTest, WhileAnotherProgramWritesASaveANewArticleOrADeletionSaysSoAndCanBeDoneAgain)
{
    CreateDataBase();
    const int id = NewNode(true, "說門");
    Editor()->SetText(kStart);
    ASSERT_TRUE(module_->SaveNode(Editor()));
    Editor()->SetText("說門 +A");
    const AnsiString busy = "另一个程序正在写入数据库“" + Path("notes.vek") +
                            "”，等了 5 秒还没有写完，所以这次什么也没有保存。\r\n\r\n请等它写完后再试一次。";
    const struct {
        const char* Name;
        std::function<void()> Do;
    } actions[] = {
        {"new article", [this] { NewNode(true, "新"); }},
        {"save", [this] { module_->SaveNode(Editor()); }},
        {"delete",
         [this] {
             TTreeNodes* items = window_->GetNodeTree()->Items();
             module_->DeleteNodeTree(items->Item(items->Count() - 1));
         }},
    };
    for (const auto& action : actions) {
        SCOPED_TRACE(action.Name);
        // A database tool inside a transaction, started while this program
        // had the file closed for a moment (a child remembers its parent's
        // connections).
        module_->DataBase()->Close();
        const std::string file = Path("notes.vek");
        auto tool = std::make_unique<TOtherProgram>([&](const std::function<void()>& Hold) {
            sqlite3* db = nullptr;
            if (sqlite3_open(file.c_str(), &db) == SQLITE_OK &&
                sqlite3_exec(db, "BEGIN IMMEDIATE; insert into Nodes values (99, 'tool', 0, 1)", nullptr, nullptr,
                             nullptr) == SQLITE_OK)
                Hold();
        });
        ASSERT_TRUE(tool->Ready);
        module_->DataBase()->Open();
        // Refused, an action changes nothing: the tab stays modified.
        const int nodes = window_->GetNodeTree()->Items()->Count();
        const bool modified = Editor()->Modified();
        try {
            action.Do();
            ADD_FAILURE() << "done";
        } catch (const EDatabaseError& e) {
            EXPECT_EQ(e.Message(), busy);
        }
        EXPECT_EQ(Editor()->Modified(), modified);
        EXPECT_EQ(window_->GetNodeTree()->Items()->Count(), nodes);
        EXPECT_FALSE(module_->DataBase()->InTransaction());
        // No line is left speaking of the action as going on.
        EXPECT_TRUE(window_->Hints.empty() || window_->Hints.back().empty()) << window_->Hints.back();
        // The tool done, the same action works.
        tool.reset();
        action.Do();
    }
    EXPECT_FALSE(Editor()->Modified());
    EXPECT_EQ(Column("select 内容 from Contents where 标识=" + std::to_string(id)), "說門 +A");
    EXPECT_EQ(Column("select 名称 from Nodes order by 标识"), "說門");
}

TEST_F(TTwoProgramsTest, AnEmptyArticleRemadeUnderItsIdOrAnotherIsAskedAboutAsDeleted)
{
    // The new article here is still empty, as is the other's.
    const std::function<void(int Id)> others[] = {
        [this](int Id) {
            OtherDeletes(Id);
            OtherNewArticle();
        },
        [this](int Id) { OlderProgramRemakes(Id, ""); },
    };
    int file = 0;
    for (const auto& other : others) {
        SCOPED_TRACE(file);
        Prepare("empty" + std::to_string(++file) + ".vek");
        const int id = NewNode(true, "Xlast");
        other_->LoadNodeTree();
        other(id);
        const std::string theirs = Column("select 名称 || ',' || 内容 from Nodes natural join Contents order by 标识");
        AnswerBoxes({2});
        EXPECT_FALSE(module_->SaveNode(window_->Frame(1)->GetEditor()));
        ASSERT_EQ(Boxes.size(), 1u);
        EXPECT_NE(Boxes[0].find("文章“Xlast”" + std::string(kDeletedElsewhere)), std::string::npos) << Boxes[0];
        EXPECT_EQ(Column("select 名称 || ',' || 内容 from Nodes natural join Contents order by 标识"), theirs);
        // Closing the tab writes no caret, language or options into theirs.
        Boxes.clear();
        AnswerBoxes({1});
        const std::string looks = Column("select 位置 || 语言 || 配置 from Contents order by 标识");
        EXPECT_TRUE(module_->CloseNode(window_->Frame(1)->GetEditor()));
        EXPECT_EQ(Column("select 位置 || 语言 || 配置 from Contents order by 标识"), looks);
        ASSERT_EQ(Boxes.size(), 1u);
        EXPECT_EQ(Boxes[0], "这篇文章已经不在数据库中，可能已经被删除！");
        Boxes.clear();
    }
}

TEST_F(TTwoProgramsTest, ANewArticleAfterTheOtherDeletedOursGetsANewIdAndTab)
{
    const int id = Prepare();
    OtherDeletes(id);
    const int made = NewNode(true, "second");
    EXPECT_GT(made, id);
    ASSERT_EQ(window_->GetEditorCount(), 2);
    EXPECT_EQ(window_->Frame(1)->GetNodeID(), made);
    EXPECT_EQ(window_->Frame(1)->GetEditor()->Text(), "");
    EXPECT_EQ(Editor()->Text(), kStart);
    // Reopened, and compacted, the file still remembers the id.
    CloseTabs();
    other_.reset();
    module_->CompactDataBase();
    ASSERT_TRUE(module_->OpenDataBase(Path("notes.vek")));
    module_->LoadNodeTree();
    AnswerBoxes({1});
    module_->DeleteNode(FindTreeNode(window_->GetNodeTree()->Items(), made));
    EXPECT_EQ(NewNode(true, "third"), made + 1);
    EXPECT_TRUE(module_->CloseAllNodes());
}

TEST_F(TTwoProgramsTest, NothingIsAddedToAFolderOrArticleTheOtherDeleted)
{
    struct TCase {
        const char* Name;
        std::function<void()> Add;  // the action here, after the other deleted
        int Answer;                 // to the question
        const char* Question;
        const char* Rows;           // what the file then holds
    };
    const char* const rows = "select '[' || ifnull(group_concat(名称 || ':' || 目录, ','), '') || '] ' || "
                             "(select count(*) from Attachments a where a.文档标识 in (select 标识 from Nodes)) || "
                             "(select count(*) from Attachments) || ' ' || "
                             "(select count(*) from Bookmarks b where b.文档标识 in (select 标识 from Nodes)) || "
                             "(select count(*) from Bookmarks) from (select * from Nodes order by 标识)";
    const std::string file = Path("說門.txt");
    // The program's names are GBK; the file system's are UTF-8.
    std::ofstream(GbkToUtf8(file)) << "attached";
    const auto attach = [&] { module_->AddAttachments(Editor(), {file}); };
    const auto bookmark = [&] {
        AnsiString name = "mark";
        module_->BookmarkEdited(module_->BeginAddBookmark(Editor()), name);
    };
    const auto made = [&](bool Article) {
        return [this, Article] {
            window_->DialogAnswer = [](const AnsiString&, TNodeDialogValues& Values) {
                Values.Title = "T";
                return true;
            };
            module_->NewNode(Article);
            window_->DialogAnswer = nullptr;
        };
    };
    const auto newArticle = made(true);
    const auto newFolder = made(false);
    const TCase cases[] = {
        {"new article, made at the top", newArticle, 1, "目录“F”已经被另一个程序删除了，文章“T”还没有建立", "[T:0] 00 00"},
        {"new article, cancelled", newArticle, 2, "目录“F”已经被另一个程序删除了，文章“T”还没有建立", "[] 00 00"},
        {"new folder, made at the top", newFolder, 1, "目录“F”已经被另一个程序删除了，目录“T”还没有建立", "[T:0] 00 00"},
        {"attachment, kept with the text", attach, 1, "文章“A”已经被另一个程序删除了，附件“說門.txt”还没有加入",
         "[A:0] 11 00"},
        {"attachment, cancelled", attach, 2, "文章“A”已经被另一个程序删除了，附件“說門.txt”还没有加入", "[] 00 00"},
        {"bookmark, kept with the text", bookmark, 1, "文章“A”已经被另一个程序删除了，书签“mark”还没有加入",
         "[A:0] 00 11"},
        {"bookmark, cancelled", bookmark, 2, "文章“A”已经被另一个程序删除了，书签“mark”还没有加入", "[] 00 00"},
    };
    int round = 0;
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const std::string name = "added" + std::to_string(++round) + ".vek";
        CreateDataBase(name);
        // Folder F holds article A, open here; the other deletes F.
        const int folder = NewNode(false, "F");
        window_->GetNodeTree()->SetSelected(FindTreeNode(window_->GetNodeTree()->Items(), folder));
        NewNode(true, "A");
        window_->GetNodeTree()->SetSelected(FindTreeNode(window_->GetNodeTree()->Items(), folder));
        otherWindow_.reset();
        other_ = std::make_unique<TDBModule>(nullptr, (otherWindow_ = std::make_unique<TTestNodeManager>()).get(),
                                             otherWindow_.get(), Path("other.ini"), Path("othertmp"));
        AnswerBoxes({1});
        ASSERT_TRUE(other_->OpenDataBase(Path(name)));
        other_->LoadNodeTree();
        OtherDeletes(folder);
        Boxes.clear();
        AnswerBoxes({c.Answer});
        c.Add();
        ASSERT_EQ(Boxes.size(), 1u);
        EXPECT_NE(Boxes[0].find(c.Question), std::string::npos) << Boxes[0];
        EXPECT_EQ(Column(rows), c.Rows);
        // The list shows what the file holds: a bookmark not added is gone.
        EXPECT_EQ(std::to_string(window_->GetBookMarkList()->Items()->Count()), Column("select count(*) from Bookmarks"));
        Boxes.clear();
        CloseTabs();
    }
}

TEST_F(TTwoProgramsTest, AFileGetsThisVersionsStampsWhenFirstOpenedForWriting)
{
    // The stamp objects, byte for byte, as this version makes them: the
    // version trigger names no old text, which every save would read back.
    const std::string stamps =
        "CREATE TABLE SERIALS (名称 VARCHAR PRIMARY KEY, 值 INT NOT NULL)|"
        "CREATE TRIGGER SERIALS_NODE AFTER INSERT ON NODES WHEN typeof(new.标识)='integer' AND new.标识 BETWEEN 1 "
        "AND 2147483647 BEGIN UPDATE SERIALS SET 值=new.标识 WHERE 名称='标识' AND 值<new.标识; END|"
        "CREATE TABLE TEXTSTAMPS (标识 INT PRIMARY KEY, 行 INT NOT NULL, 版本 INT NOT NULL)|"
        "CREATE TRIGGER TEXTSTAMPS_CHANGED AFTER UPDATE OF 内容 ON CONTENTS BEGIN UPDATE SERIALS SET 值=值+1 WHERE "
        "名称='版本'; UPDATE TEXTSTAMPS SET 版本=(SELECT 值 FROM SERIALS WHERE 名称='版本') WHERE 标识=new.标识; END|"
        "CREATE TRIGGER TEXTSTAMPS_GONE AFTER DELETE ON CONTENTS BEGIN DELETE FROM TEXTSTAMPS WHERE 标识=old.标识; END|"
        "CREATE TRIGGER TEXTSTAMPS_MADE AFTER INSERT ON CONTENTS BEGIN UPDATE SERIALS SET 值=值+1 WHERE 名称='版本'; "
        "INSERT OR REPLACE INTO TEXTSTAMPS SELECT new.标识, 值, 值 FROM SERIALS WHERE 名称='版本'; END";
    const char* const stampObjects = "select sql from sqlite_master where name in ('TEXTSTAMPS', 'SERIALS', "
                                     "'TEXTSTAMPS_MADE', 'TEXTSTAMPS_CHANGED', 'TEXTSTAMPS_GONE', 'SERIALS_NODE') "
                                     "order by name";
    const struct {
        const char* Name;
        const char* Before;  // what the file held instead
    } cases[] = {
        {"made by this version", ""},
        {"made before the stamps",
         "DROP TABLE TEXTSTAMPS; DROP TABLE SERIALS; DROP TRIGGER TEXTSTAMPS_MADE; DROP TRIGGER TEXTSTAMPS_CHANGED; "
         "DROP TRIGGER TEXTSTAMPS_GONE; DROP TRIGGER SERIALS_NODE"},
        {"stamped by the version that compared texts",
         "DROP TRIGGER TEXTSTAMPS_CHANGED; CREATE TRIGGER TEXTSTAMPS_CHANGED AFTER UPDATE OF 内容 ON CONTENTS "
         "WHEN old.内容 IS NOT new.内容 BEGIN UPDATE SERIALS SET 值=值+1 WHERE 名称='版本'; UPDATE TEXTSTAMPS SET "
         "版本=(SELECT 值 FROM SERIALS WHERE 名称='版本') WHERE 标识=new.标识; END"},
    };
    int file = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const std::string name = "stamps" + std::to_string(++file) + ".vek";
        CreateDataBase(name);
        const int id = NewNode(true, "說門");
        CloseTabs();
        module_->DataBase()->Execute(c.Before);
        ASSERT_TRUE(module_->OpenDataBase(Path(name)));
        EXPECT_EQ(Column(stampObjects), stamps);
        // The stamps work: another program's save of the article is seen.
        module_->LoadNodeTree();
        ASSERT_NE(module_->OpenNode(id), nullptr);
        module_->ExecSQL("update Contents set 内容='theirs' where 标识=" + std::to_string(id));
        Editor()->SetText("ours");
        AnswerBoxes({3});
        EXPECT_FALSE(module_->SaveNode(Editor()));
        ASSERT_EQ(Boxes.size(), 1u);
        EXPECT_NE(Boxes[0].find(kSavedElsewhere), std::string::npos) << Boxes[0];
        Boxes.clear();
        CloseTabs();
    }
}
