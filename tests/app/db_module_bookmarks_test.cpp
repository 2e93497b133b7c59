// Bookmarks: adding one in two steps keeps the node and caret of the first,
// empty names leave nothing, and going to one opens its article.
#include "platform/ui/itemviews/list_item.h"
#include "platform/ui/itemviews/list_items.h"
#include "tests/app/notes_test_support.h"

using TNotesBookmarksTest = TNotesTest;

TEST_F(TNotesBookmarksTest, ANamedBookmarkKeepsWhatItCaptured)
{
    CreateDataBase();
    const int first = NewNode(true, "說門");
    NewNode(true, "other");
    TCustomSynTextEditor* editor = window_->Frame(0)->GetEditor();
    editor->SetText("0123456789");
    module_->SaveNode(editor);
    editor->SetSelStart(4);
    TListItem* item = module_->BeginAddBookmark(editor);
    // Before the name is typed, the caret moves and another editor is active.
    editor->SetSelStart(9);
    window_->Manager()->SetSynTextEditor(window_->Frame(1)->GetEditor());
    AnsiString name = "mark";
    module_->BookmarkEdited(item, name);
    EXPECT_EQ(Column("select 文档标识 || ',' || 文档名称 || ',' || 文档位置 || ',' || 名称 from Bookmarks"),
              std::to_string(first) + ",說門,4,mark");
    EXPECT_EQ(item->ImageIndex(), 8);

    // Going to it from a closed article opens it there.
    ASSERT_TRUE(module_->CloseAllNodes());
    module_->LoadBookmarks();
    TListItem* stored = window_->GetBookMarkList()->Items()->Item(0);
    EXPECT_EQ(stored->ImageIndex(), 3);
    module_->GotoBookmark(stored);
    ASSERT_EQ(window_->GetEditorCount(), 1);
    EXPECT_EQ(window_->Frame(0)->GetEditor()->SelStart(), 4);
}

TEST_F(TNotesBookmarksTest, EmptyNamesAndLeavingTheListLeaveNothing)
{
    CreateDataBase();
    NewNode(true, "a");
    TCustomSynTextEditor* editor = window_->Frame(0)->GetEditor();
    TListItems* items = window_->GetBookMarkList()->Items();
    AnswerBoxes({1});
    AnsiString name;
    module_->BookmarkEdited(module_->BeginAddBookmark(editor), name);
    EXPECT_EQ(items->Count(), 0);
    EXPECT_EQ(Boxes, std::vector<std::string>{"书签名称不能为空，请重新填写书签名！"});

    TListItem* waiting = module_->BeginAddBookmark(editor);
    waiting->SetSelected(true);
    module_->BookmarkListExit();
    EXPECT_EQ(items->Count(), 0);
    EXPECT_EQ(Column("select count(*) from Bookmarks"), "0");

    // An emptied name of a stored bookmark comes back.
    name = "kept";
    module_->BookmarkEdited(module_->BeginAddBookmark(editor), name);
    AnswerBoxes({1});
    name = "";
    module_->BookmarkEdited(items->Item(0), name);
    EXPECT_EQ(name, "kept");
    module_->DeleteBookmark(static_cast<int>(reinterpret_cast<intptr_t>(items->Item(0)->Data)));
    EXPECT_EQ(Column("select count(*) from Bookmarks"), "0");
}
