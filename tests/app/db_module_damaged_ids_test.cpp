// Node ids of damaged or hand-edited files: a folder stored with id 0, ids
// that are no whole number (3.5, 0.4, '12abc', 5000.5) and an id repeated.
// Deleting takes exactly the rows asked for; damaged rows are named to the
// user and left alone while the rest of the file works.
#include "app/node_tree.h"
#include "platform/db/ado_connection.h"
#include "platform/db/db_errors.h"
#include "platform/ui/itemviews/list_items.h"
#include "platform/ui/itemviews/tree_node.h"
#include "platform/ui/itemviews/tree_nodes.h"
#include "platform/ui/kernel/modal_answers.h"
#include "tests/app/notes_test_support.h"

namespace {

class TDamagedIdsTest : public TNotesTest {
protected:
    // A node row (id, title, parent, type as SQL literals) with its content
    // row, a bookmark and an attachment.
    void AddNode(const std::string& Values)
    {
        module_->ExecSQL("insert into Nodes values (" + Values + ")");
        const std::string id = Values.substr(0, Values.find(','));
        module_->ExecSQL("insert into Contents (标识, 内容, 语言, 配置, 位置) values (" + id + ", '', '', '', 0)");
        module_->ExecSQL("insert into Bookmarks (名称, 文档标识, 文档名称, 文档位置) values ('b', " + id + ", 'n', 0)");
        module_->ExecSQL("insert into Attachments (名称, 文档标识, 大小) values ('x', " + id + ", 0)");
    }

    TTreeNode* TreeNode(const AnsiString& Title)
    {
        for (TTreeNode* node = window_->GetNodeTree()->Items()->GetFirstNode(); node; node = node->GetNext())
            if (node->Text() == Title)
                return node;
        return nullptr;
    }

    // The stored ids of every table's rows, as "nodes / contents /
    // bookmarks / attachments".
    std::string StoredIds()
    {
        return Column("select quote(标识) from Nodes order by 标识") + " / " +
               Column("select quote(标识) from Contents order by 标识") + " / " +
               Column("select quote(文档标识) from Bookmarks order by 文档标识") + " / " +
               Column("select quote(文档标识) from Attachments order by 文档标识");
    }
};

const char kDamagedHead[] =
    "个文章或目录的记录已经损坏（标识、目录和类型应当都是 32 位整数），没有显示在目录树中，也不会被打开或删除：";

}  // namespace

TEST_F(TDamagedIdsTest, DeletingTakesExactlyTheNodeAskedForAndWhatItsFoldersHold)
{
    struct {
        const char* Row;     // besides folder F (1) holding article A (2), and article T (4) at the top
        const char* Delete;  // the title deleted through the tree
        const char* Left;    // the ids left in every table
        bool Damaged;        // whether the user is told of a damaged row
    } const cases[] = {
        // 0 is every top-level row's parent: a folder with that id holds
        // nothing, at the top or inside F.
        {"0, '标识为0的目录', 0, 0", "标识为0的目录", "1|2|4", false},
        {"0, '标识为0的目录', 1, 0", "F", "4", false},
        // Damaged rows are neither shown, nor deleted as another row, nor
        // descended into.
        {"0.4, '零点四', 1, 0", "F", "0.4|4", true},
        {"3.5, '三点五', 0, 1", "T", "1|2|3.5", true},
        {"'12abc', '文本标识', 1, 0", "F", "4|'12abc'", true},
        // An article is its own rows, whatever names it as its 目录.
        {"7, '文章下的行', 4, 1", "T", "1|2|7", false},
    };
    int file = 0;
    for (const auto& c : cases) {
        CreateDataBase("case" + std::to_string(++file) + ".vek");
        for (const std::string row : {"1, 'F', 0, 0", "2, 'A', 1, 1", "4, 'T', 0, 1", c.Row})
            AddNode(row);
        AnswerBoxes({1, 1});  // the damaged rows' notice, if any, and 删除
        module_->LoadNodeTree();
        module_->DeleteNode(TreeNode(c.Delete));
        const std::string left = c.Left;
        EXPECT_EQ(StoredIds(), left + " / " + left + " / " + left + " / " + left) << c.Row;
        EXPECT_EQ(TreeNode(c.Delete), nullptr) << c.Row;
        EXPECT_EQ(Boxes.size(), c.Damaged ? 2u : 1u) << c.Row;
        TModalAnswers::Clear();
        Boxes.clear();
    }
}

TEST_F(TDamagedIdsTest, DamagedRowsAreNamedAndLeftAloneWhileTheRestWorks)
{
    CreateDataBase();
    AddNode("1, 'F', 0, 0");
    AddNode("2, 'A', 1, 1");
    EXPECT_NO_THROW(module_->DataBase()->CheckIntegrity());
    for (const char* row : {"3.5, '三点五', 0, 1", "'12abc', '文本標識', 0, 1",
                            "5000.5, '五千点五', 0, 1", "6, '目录不是整数', 1.5, 1", "7, '类型不是整数', 0, NULL",
                            "4294967298, '标识太大', 0, 1"})
        AddNode(row);
    AnswerBoxes({1});
    module_->LoadNodeTree();
    const std::string report = std::string("文章库中有 6 ") + kDamagedHead +
                               "\r\n“三点五”：标识 3.5，目录 0，类型 1"
                               "\r\n“文本標識”：标识 '12abc'，目录 0，类型 1"
                               "\r\n“五千点五”：标识 5000.5，目录 0，类型 1"
                               "\r\n“目录不是整数”：标识 6，目录 1.5，类型 1"
                               "\r\n“类型不是整数”：标识 7，目录 0，类型 NULL"
                               "\r\n“标识太大”：标识 4294967298，目录 0，类型 1";
    EXPECT_EQ(Boxes, std::vector<std::string>{report});
    // The rest of the file is there, and the full check lists the same rows.
    TCustomTreeView* tree = window_->GetNodeTree();
    ASSERT_EQ(tree->Items()->Count(), 2);
    EXPECT_EQ(tree->Items()->GetFirstNode()->Item(0)->Text(), "A");
    try {
        module_->DataBase()->CheckIntegrity();
        ADD_FAILURE() << "the full check found nothing";
    } catch (const EDatabaseFileError& e) {
        EXPECT_EQ(e.Message(), "数据库文件“" + Path("notes.vek") + "”已经损坏。\r\n\r\n详细信息：" + report);
    }
    // No search hit stands for another row.
    for (const char* text : {"点", "整数"}) {
        module_->SearchNodes(text);
        EXPECT_EQ(window_->GetSearchList()->Items()->Count(), 0) << text;
    }
    // A new node takes the id above the whole numbers an int holds (7).
    tree->SetSelected(nullptr);
    NewNode(false, "新目录");
    EXPECT_EQ(Column("select 标识 from Nodes where 名称='新目录'"), "8");
    EXPECT_EQ(tree->Items()->Count(), 3);
}

TEST_F(TDamagedIdsTest, TheNoticeNamesTwentyDamagedRowsAndCountsTheRest)
{
    const struct {
        int Rows;
        const char* Rest;  // the last line, after the twentieth row
    } cases[] = {
        {20, ""},
        {21, "\r\n……另有 1 个"},
        {45, "\r\n……另有 25 个"},
    };
    int file = 0;
    for (const auto& c : cases) {
        CreateDataBase("rows" + std::to_string(++file) + ".vek");
        std::string named;
        for (int row = 1; row <= c.Rows; ++row) {
            const std::string id = std::to_string(row) + ".5", title = "說" + std::to_string(row);
            module_->ExecSQL("insert into Nodes values (" + id + ", '" + title + "', 0, 1)");
            if (row <= 20)
                named += "\r\n“" + title + "”：标识 " + id + "，目录 0，类型 1";
        }
        AnswerBoxes({1});
        module_->LoadNodeTree();
        EXPECT_EQ(Boxes, std::vector<std::string>{"文章库中有 " + std::to_string(c.Rows) + " " + kDamagedHead + named +
                                                  c.Rest})
            << c.Rows;
        TModalAnswers::Clear();
        Boxes.clear();
    }
}

TEST_F(TDamagedIdsTest, DeletingInAFileRepeatingAnIdEndsWithTheRowsGone)
{
    CreateDataBase();
    // Without its key, NODES can hold folder 4 at the top and a folder 4 in
    // 4: the subtree of 4 holds 4 again.
    module_->ExecSQL("drop table Nodes");
    module_->ExecSQL("create table Nodes (标识 INT, 名称 VARCHAR, 目录 INT, 类型 INT)");
    AddNode("4, 'X', 0, 0");
    module_->ExecSQL("insert into Nodes values (4, 'X again', 4, 0)");
    AddNode("5, 'in X', 4, 1");
    AddNode("6, 'keep', 0, 1");
    module_->LoadNodeTree();
    AnswerBoxes({1});
    module_->DeleteNode(TreeNode("X"));
    EXPECT_EQ(StoredIds(), "6 / 6 / 6 / 6");
    EXPECT_EQ(window_->GetNodeTree()->Items()->Count(), 1);
}
