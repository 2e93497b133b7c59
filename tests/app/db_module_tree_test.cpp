// The node tree against the database: ids, where new nodes go, deleting a
// subtree whole or not at all, renaming, properties and the title search.
#include "app/node_tree.h"
#include "platform/db/ado_connection.h"
#include "platform/db/db_errors.h"
#include "platform/ui/itemviews/list_item.h"
#include "platform/ui/itemviews/list_items.h"
#include "platform/ui/itemviews/tree_node.h"
#include "platform/ui/itemviews/tree_nodes.h"
#include "tests/app/notes_test_support.h"

using TNotesTreeTest = TNotesTest;

namespace {

const char kConfig[] = "0000000000000000000000000000#000000000000#2#7#10#100#60#0#Arial,9,[],clBlack,0,1#0#0#0#0#0";

std::string SearchHits(TCustomListView* List)
{
    std::string hits;
    for (int i = 0; i < List->Items()->Count(); ++i)
        hits += List->Items()->Item(i)->Caption() + "|";
    return hits;
}

}  // namespace

TEST_F(TNotesTreeTest, IdsNeverCollideWhenRowsComeOutOfIdOrder)
{
    CreateDataBase();
    // A NODES table without its key (as another program may leave it)
    // gives rows back as stored, 1, 3, 2: the last row's id + 1 is taken.
    module_->ExecSQL("drop table Nodes");
    module_->ExecSQL("create table Nodes (标识 INT, 名称 VARCHAR, 目录 INT, 类型 INT)");
    for (int id : {1, 3, 2}) {
        module_->ExecSQL("insert into Nodes (标识, 名称, 目录, 类型) values (" + std::to_string(id) + ", 'n" +
                         std::to_string(id) + "', 0, 1)");
        module_->ExecSQL("insert into Contents (标识, 内容, 语言, 配置, 位置) values (" + std::to_string(id) +
                         ", '', '', '', 0)");
    }
    module_->LoadNodeTree();
    EXPECT_EQ(NewNode(false, "new"), 4);
    EXPECT_EQ(Column("select count(*) from Nodes where 标识=3"), "1");
    EXPECT_EQ(Column("select 名称 from Nodes where 标识=4"), "new");
}

TEST_F(TNotesTreeTest, NewNodesGoWhereTheSelectionSaysWithTheirParentsDefaults)
{
    CreateDataBase();
    const int folder = NewNode(false, "F");
    module_->ExecSQL("update Contents set 语言='Pascal', 配置='" + std::string(kConfig) + "' where 标识=" + std::to_string(folder));
    TCustomTreeView* tree = window_->GetNodeTree();
    tree->SetSelected(FindTreeNode(tree->Items(), folder));
    TNodeDialogValues seen;
    window_->DialogAnswer = [&](const AnsiString& Caption, TNodeDialogValues& Values) {
        seen = Values;
        seen.Title = Caption;
        Values.Title = "inside";
        Values.Config = "";
        return true;
    };
    module_->NewNode(true);
    EXPECT_EQ(seen.Title, "新建文章");
    EXPECT_EQ(seen.Language, "Pascal");
    EXPECT_EQ(seen.Config, kConfig);
    EXPECT_EQ(Column("select 目录 from Nodes where 名称='inside'"), std::to_string(folder));
    EXPECT_EQ(window_->Log, "create ");  // the new article opened at once

    // With an article selected inside F: a last child of F.
    tree->SetSelected(FindTreeNode(tree->Items(), 2));
    NewNode(true, "second");
    // The top-level box puts it at the top.
    NewNode(false, "top", true);
    EXPECT_EQ(Column("select 名称 from Nodes where 目录=" + std::to_string(folder)), "inside|second");
    EXPECT_EQ(Column("select 目录 from Nodes where 名称='top'"), "0");
    TTreeNode* f = FindTreeNode(tree->Items(), folder);
    ASSERT_EQ(f->Count(), 2);
    EXPECT_EQ(f->Item(1)->Text(), "second");
    EXPECT_EQ(tree->Items()->GetFirstNode()->getNextSibling()->Text(), "top");

    // A cancelled dialog writes nothing.
    module_->NewNode(false);
    EXPECT_EQ(Column("select count(*) from Nodes"), "4");
}

TEST_F(TNotesTreeTest, DeletingAFolderTakesEveryRowBelowItAndTheirTabs)
{
    CreateDataBase();
    const int folder = NewNode(false, "F");
    TCustomTreeView* tree = window_->GetNodeTree();
    tree->SetSelected(FindTreeNode(tree->Items(), folder));
    const int article = NewNode(true, "a");
    const int sub = NewNode(false, "sub");
    const int keep = NewNode(true, "keep", true);
    window_->Frame(0)->GetEditor()->SetText("unsaved");  // discarded without a question
    const AnsiString id = std::to_string(article);
    module_->ExecSQL("insert into Bookmarks (名称, 文档标识, 文档名称, 文档位置) values ('b', " + id + ", 'a', 0)");
    module_->ExecSQL("insert into Attachments (名称, 文档标识, 大小) values ('x', " + id + ", 0)");

    AnswerBoxes({2});  // 取消
    module_->DeleteNode(FindTreeNode(tree->Items(), folder));
    EXPECT_EQ(Column("select count(*) from Nodes"), "4");

    AnswerBoxes({1});  // 删除
    module_->DeleteNode(FindTreeNode(tree->Items(), folder));
    EXPECT_EQ(Boxes[1],
              "你确认要删除目录(文章) F 吗？\r\n\r\n注意：如果删除的是目录，那么连同目录的下面的文章会一并删除的！？");
    EXPECT_EQ(Column("select 标识 from Nodes"), std::to_string(keep));
    EXPECT_EQ(Column("select 标识 from Contents"), std::to_string(keep));
    EXPECT_EQ(Column("select count(*) from Bookmarks"), "0");
    EXPECT_EQ(Column("select count(*) from Attachments"), "0");
    EXPECT_EQ(tree->Items()->Count(), 1);
    ASSERT_EQ(window_->GetEditorCount(), 1);
    EXPECT_EQ(window_->Frame(0)->GetNodeID(), keep);
    // One line for the whole folder, not one per node, taken away when done.
    EXPECT_EQ(window_->Hints, (std::vector<AnsiString>{"正在目录文章 F", ""}));
    (void)sub;
}

TEST_F(TNotesTreeTest, DeletingAFolderTakesTheSubtreeAsTheFileHoldsIt)
{
    CreateDataBase();
    TCustomTreeView* tree = window_->GetNodeTree();
    const int folder = NewNode(false, "F");
    tree->SetSelected(FindTreeNode(tree->Items(), folder));
    const int sub = NewNode(false, "S");
    tree->SetSelected(FindTreeNode(tree->Items(), sub));
    const int grandchild = NewNode(true, "g");  // open in a tab
    const int keep = NewNode(true, "keep", true);
    const AnsiString g = std::to_string(grandchild);
    module_->ExecSQL("insert into Bookmarks (名称, 文档标识, 文档名称, 文档位置) values ('b', " + g + ", 'g', 0)");
    module_->ExecSQL("insert into Attachments (名称, 文档标识, 大小) values ('x', " + g + ", 0)");
    // Another program puts a folder with an article into S meanwhile: this
    // window's tree knows neither.
    const AnsiString s = std::to_string(sub);
    module_->ExecSQL("insert into Nodes values (100, 'other', " + s + ", 0)");
    module_->ExecSQL("insert into Nodes values (101, 'other inside', 100, 1)");
    for (const char* id : {"100", "101"}) {
        module_->ExecSQL(AnsiString("insert into Contents (标识, 内容, 语言, 配置, 位置) values (") + id +
                         ", '', '', '', 0)");
        module_->ExecSQL(AnsiString("insert into Attachments (名称, 文档标识, 大小) values ('y', ") + id + ", 0)");
    }
    module_->OpenNode(101);  // found by the title search, say
    ASSERT_EQ(window_->GetEditorCount(), 3);

    AnswerBoxes({1});
    module_->DeleteNode(FindTreeNode(tree->Items(), folder));
    EXPECT_EQ(Column("select 标识 from Nodes"), std::to_string(keep));
    EXPECT_EQ(Column("select 标识 from Contents"), std::to_string(keep));
    EXPECT_EQ(Column("select count(*) from Bookmarks"), "0");
    EXPECT_EQ(Column("select count(*) from Attachments"), "0");
    ASSERT_EQ(window_->GetEditorCount(), 1);
    EXPECT_EQ(window_->Frame(0)->GetNodeID(), keep);
    for (const char* title : {"g", "other"}) {
        module_->SearchNodes(title);
        EXPECT_EQ(SearchHits(window_->GetSearchList()), "") << title;
    }
}

TEST_F(TNotesTreeTest, AFailingDeleteChangesNothing)
{
    CreateDataBase();
    const int folder = NewNode(false, "F");
    TCustomTreeView* tree = window_->GetNodeTree();
    tree->SetSelected(FindTreeNode(tree->Items(), folder));
    NewNode(true, "a");
    // The last statement of each node fails: the table is gone.
    module_->ExecSQL("drop table Attachments");
    AnswerBoxes({1});
    EXPECT_THROW(module_->DeleteNode(FindTreeNode(tree->Items(), folder)), EDatabaseError);
    EXPECT_FALSE(module_->DataBase()->InTransaction());
    EXPECT_EQ(Column("select count(*) from Nodes"), "2");
    EXPECT_EQ(Column("select count(*) from Contents"), "2");
    EXPECT_EQ(tree->Items()->Count(), 2);
    EXPECT_EQ(window_->GetEditorCount(), 1);
}

TEST_F(TNotesTreeTest, ADamagedFileRepeatingAnIdLoads)
{
    CreateDataBase();
    // Without its key, NODES can hold folder 4 at the top and a row 4 in 4.
    module_->ExecSQL("drop table Nodes");
    module_->ExecSQL("create table Nodes (标识 INT, 名称 VARCHAR, 目录 INT, 类型 INT)");
    module_->ExecSQL("insert into Nodes values (4, 'X', 0, 0)");
    module_->ExecSQL("insert into Nodes values (4, 'X again', 4, 0)");
    module_->LoadNodeTree();
    TTreeNode* top = window_->GetNodeTree()->Items()->GetFirstNode();
    ASSERT_NE(top, nullptr);
    ASSERT_EQ(top->Count(), 1);
    EXPECT_EQ(top->Item(0)->Text(), "X again");
    EXPECT_EQ(top->Item(0)->Count(), 0);
}

TEST_F(TNotesTreeTest, RenameAndProperties)
{
    CreateDataBase();
    const int id = NewNode(true, "old");
    TTreeNode* node = FindTreeNode(window_->GetNodeTree()->Items(), id);
    AnsiString text = "說門 new";
    module_->RenameNode(node, text);
    EXPECT_EQ(Column("select 名称 from Nodes"), "說門 new");
    EXPECT_EQ(window_->Frame(0)->GetNodeName(), "說門 new");

    AnswerBoxes({1});
    text = "";
    module_->RenameNode(node, text);
    EXPECT_EQ(text, "說門 new");
    EXPECT_EQ(Boxes, std::vector<std::string>{"文章或目录标题不可以为空，请重新填写标题！"});

    // Properties of the active editor's node.
    window_->Manager()->SetSynTextEditor(window_->Frame(0)->GetEditor());
    TCustomSynTextEditor* editor = window_->Frame(0)->GetEditor();
    const AnsiString config = kConfig;
    window_->DialogAnswer = [&](const AnsiString&, TNodeDialogValues& Values) {
        EXPECT_EQ(Values.Title, "說門 new");
        Values.Title = "props";
        Values.Config = config;
        return true;
    };
    module_->EditNodeProperties();
    EXPECT_EQ(Column("select 名称 from Nodes"), "props");
    EXPECT_EQ(Column("select 配置 from Contents"), config);
    EXPECT_EQ(window_->Frame(0)->GetNodeName(), "props");
    EXPECT_EQ(editor->TabWidth(), 7);
    EXPECT_EQ(node->Text(), "props");
}

TEST_F(TNotesTreeTest, DamagedOptionsOfAParentOrANodeAreToldAndTheDialogsGetTheDefaults)
{
    CreateDataBase();
    const int folder = NewNode(false, "說門");
    module_->ExecSQL("update Contents set 配置='" + std::string(kConfig).substr(0, 50) + "'");
    TCustomTreeView* tree = window_->GetNodeTree();
    tree->SetSelected(FindTreeNode(tree->Items(), folder));
    std::vector<AnsiString> seen;
    window_->DialogAnswer = [&](const AnsiString&, TNodeDialogValues& Values) {
        seen.push_back(Values.Config);
        Values.Title = "a";
        return true;
    };
    AnswerBoxes({1});
    module_->NewNode(true);
    // Properties of the new article, whose options are damaged too.
    module_->ExecSQL("update Contents set 配置='1'");
    tree->SetSelected(FindTreeNode(tree->Items(), 2));
    tree->SetFocus();
    AnswerBoxes({1});
    module_->EditNodeProperties();
    window_->DialogAnswer = nullptr;
    EXPECT_EQ(seen, (std::vector<AnsiString>{"", ""}));
    EXPECT_EQ(Boxes, (std::vector<std::string>{
                         "目录“說門”的配置已经损坏：缺少“右边界位置”及以后的各项。已经改用默认设置！",
                         "文章“a”的配置已经损坏：只有 1 个字符，开头就不完整。已经改用默认设置！"}));
}

TEST_F(TNotesTreeTest, TitleSearchMatchesTextLiterally)
{
    CreateDataBase();
    for (const char* title : {"it's", "說門", "100%", "a_b", "乢", "ab", "中文"})
        NewNode(false, title, true);
    TCustomListView* list = window_->GetSearchList();
    const std::pair<const char*, const char*> cases[] = {
        {"'", "it's|"}, {"%", "100%|"}, {"_", "a_b|"}, {"f", ""},  // 說 is D5 66, 門 E9 54 ('T')
        {"T", "it's|"}, {"門", "說門|"}, {"A", "a_b|ab|"}, {"中", "中文|"}, {"x", ""},
    };
    for (auto [text, hits] : cases) {
        module_->SearchNodes(text);
        EXPECT_EQ(SearchHits(list), hits) << text;
        EXPECT_FALSE(list->Items()->Updating());
    }
    // Neither a zero byte nor a lone lead byte before a quote cuts the
    // statement open.
    EXPECT_NO_THROW(module_->SearchNodes(std::string("\0'x", 3)));
    EXPECT_FALSE(list->Items()->Updating());
    module_->SearchNodes("\xD5'");
    EXPECT_EQ(SearchHits(list), "");
}

TEST_F(TNotesTreeTest, NewIdsGoAboveEveryIdInUseAndOldOnesAreNeverTakenAgain)
{
    CreateDataBase();
    const int a = NewNode(true, "a");
    const int b = NewNode(true, "b");
    NewNode(true, "c");
    ASSERT_TRUE(module_->CloseAllNodes());
    // Deleting a node other than the newest: the count + 1 would be taken.
    AnswerBoxes({1});
    module_->DeleteNode(FindTreeNode(window_->GetNodeTree()->Items(), b));
    EXPECT_EQ(NewNode(true, "d"), 4);

    // A content row a node left behind, just above the largest node id:
    // the next node goes above it, leaving it alone.
    module_->ExecSQL("insert into Contents (标识, 内容, 语言, 配置, 位置) values (5, 'orphan', '', '', 0)");
    EXPECT_EQ(NewNode(true, "e"), 6);
    EXPECT_EQ(Column("select 内容 from Contents where 标识=5"), "orphan");
    (void)a;
}

TEST_F(TNotesTreeTest, BookmarksAndAttachmentsOfNoNodeNeitherBlockIdsNorPassToNewNodes)
{
    CreateDataBase();
    NewNode(false, "a");
    // Left behind by nodes that are gone: one just above the largest node
    // id, one at the largest id there is, one further up.
    for (const char* id : {"2", "2147483647"})
        module_->ExecSQL(AnsiString("insert into Bookmarks (名称, 文档标识, 文档名称, 文档位置) values ('m', ") + id +
                         ", 'x', 0)");
    module_->ExecSQL("insert into Attachments (名称, 文档标识, 大小) values ('x', 3, 0)");
    module_->ExecSQL("insert into Attachments (名称, 文档标识, 大小) values ('x', 5, 0)");
    EXPECT_EQ(NewNode(false, "b"), 4);
    EXPECT_EQ(NewNode(false, "c"), 6);
    EXPECT_EQ(NewNode(false, "d"), 7);
    // A damaged reference that is no number blocks nothing either.
    module_->ExecSQL("insert into Bookmarks (名称, 文档标识, 文档名称, 文档位置) values ('m', NULL, 'x', 0)");
    module_->ExecSQL("insert into Attachments (名称, 文档标识, 大小) values ('x', 'eight', 0)");
    EXPECT_EQ(NewNode(false, "e"), 8);
    EXPECT_EQ(Column("select count(*) from Bookmarks"), "3");
    EXPECT_EQ(Column("select count(*) from Attachments"), "3");
}

TEST_F(TNotesTreeTest, TheLastIdIsGivenOutAndThenNewNodesAreRefused)
{
    CreateDataBase();
    module_->ExecSQL("insert into Nodes values (2147483646, 'last but one', 0, 0)");
    module_->ExecSQL("insert into Contents (标识, 内容, 语言, 配置, 位置) values (2147483646, '', '', '', 0)");
    module_->LoadNodeTree();
    EXPECT_EQ(NewNode(false, "last", true), 2147483647);
    EXPECT_EQ(Column("select 标识 from Contents where 标识 > 2147483646"), "2147483647");
    window_->DialogAnswer = [](const AnsiString&, TNodeDialogValues& Values) {
        Values.Title = "one too many";
        return true;
    };
    try {
        module_->NewNode(true);
        ADD_FAILURE() << "made";
    } catch (const EDatabaseError& e) {
        EXPECT_EQ(e.Message(), "文章库中的标识已经用完，不能再新建文章或目录。");
    }
    window_->DialogAnswer = nullptr;
    EXPECT_EQ(Column("select count(*) from Nodes"), "2");
    EXPECT_EQ(Column("select count(*) from Contents"), "2");
    EXPECT_EQ(window_->GetNodeTree()->Items()->Count(), 2);
    EXPECT_EQ(window_->GetEditorCount(), 0);
    EXPECT_FALSE(module_->DataBase()->InTransaction());
}

TEST_F(TNotesTreeTest, ANewNodesTwoRowsLandTogetherOrNotAtAll)
{
    CreateDataBase();
    NewNode(true, "kept");
    ASSERT_TRUE(module_->CloseAllNodes());
    // The content row's insert fails after the node row went in.
    module_->ExecSQL("create trigger refuse before insert on Contents begin select raise(abort, 'refused'); end");
    window_->DialogAnswer = [](const AnsiString&, TNodeDialogValues& Values) {
        Values.Title = "lost";
        return true;
    };
    try {
        module_->NewNode(true);
        ADD_FAILURE() << "made";
    } catch (const EDatabaseError& e) {
        EXPECT_NE(e.Message().find("refused"), AnsiString::npos) << e.Message();
        // The engine's text comes as the detail of a Chinese message.
        EXPECT_EQ(e.Message().rfind("数据库操作失败。", 0), 0u) << e.Message();
    }
    EXPECT_EQ(Column("select 名称 from Nodes"), "kept");
    EXPECT_EQ(Column("select count(*) from Contents"), "1");
    EXPECT_EQ(window_->GetNodeTree()->Items()->Count(), 1);
    EXPECT_EQ(window_->GetEditorCount(), 0);
    EXPECT_FALSE(module_->DataBase()->InTransaction());
}

TEST_F(TNotesTreeTest, PropertiesOfANodeDeletedMeanwhileSaySoAndWriteNothing)
{
    CreateDataBase();
    const int id = NewNode(false, "F");
    window_->GetNodeTree()->SetSelected(FindTreeNode(window_->GetNodeTree()->Items(), id));
    window_->GetNodeTree()->SetFocus();
    // Another window of the program deletes the rows while the dialog is up.
    window_->DialogAnswer = [&](const AnsiString&, TNodeDialogValues& Values) {
        module_->ExecSQL("delete from Nodes");
        Values.Title = "new title";
        return true;
    };
    try {
        module_->EditNodeProperties();
        ADD_FAILURE() << "written";
    } catch (const EDatabaseError& e) {
        EXPECT_EQ(e.Message(), "文章或目录已经不在数据库中，可能已经被删除！");
    }
    EXPECT_EQ(Column("select count(*) from Nodes"), "0");
    EXPECT_EQ(window_->GetNodeTree()->Items()->GetFirstNode()->Text(), "F");
}
