// Bookmarks: adding one in two steps keeps the node and caret of the first,
// empty names leave nothing, and going to one opens its article; it and an
// article's caret land on the same text whatever was collapsed.
#include "editor/folding/fold_regions.h"
#include "editor/folding/syn_code_folding.h"
#include "platform/base/sys_utils.h"
#include "platform/ui/itemviews/list_item.h"
#include "platform/ui/itemviews/list_items.h"
#include "tests/app/notes_test_support.h"

using TNotesBookmarksTest = TNotesTest;

namespace {

const char* const kFoldedArticle = "void a() {\r\n"
                                   "    one();\r\n"
                                   "    if (x) {\r\n"
                                   "        two();\r\n"
                                   "    }\r\n"
                                   "}\r\n"
                                   "int 說門 = 7;";

void FoldBraces(TCustomSynTextEditor* Editor)
{
    Editor->CodeFolding()->FoldRegions()->Add(frtOneChar, false, false, false, "{", "}");
    Editor->CodeFolding()->SetHighlighterFoldRegions(false);
    Editor->CodeFolding()->SetEnabled(true);
}

// Collapses the blocks starting on these lines, in this order: each is in
// view when its turn comes.
void CollapseAt(TCustomSynTextEditor* Editor, const std::vector<int>& Lines)
{
    for (const int line : Lines)
        Editor->Collapse(Editor->GetFoldRangeStartingAt(line));
}

// The caret's line in the text and what stands from the caret on, with the
// first lines of the blocks still collapsed.
std::string CaretPlace(TCustomSynTextEditor* Editor)
{
    std::string collapsed;
    for (int line = 1; line <= Editor->Lines()->Count(); ++line)
        if (const TSynTextFoldRange* range = Editor->GetFoldRangeStartingAt(line); range && range->Collapsed)
            collapsed += " " + std::to_string(Editor->GetRealLineNumber(line));
    const std::string text = Editor->LineText();
    std::string at = text.substr(std::min<size_t>(Editor->CaretX() - 1, text.size())).substr(0, 6);
    at.erase(at.find_last_not_of(' ') + 1);  // a collapse mark's blanks
    return std::to_string(Editor->GetRealLineNumber(Editor->CaretY())) + ":" + at + " collapsed" + collapsed;
}

}  // namespace

TEST_F(TNotesBookmarksTest, StoredPlacesCountTheTextWhateverIsCollapsedAbove)
{
    struct TRow {
        const char* What;
        std::vector<int> Collapsed;  // first lines, in the order collapsed
    };
    const TRow rows[] = {
        {"nothing collapsed", {}},
        {"one block collapsed above", {1}},
        {"nested blocks collapsed above", {3, 1}},
    };
    const std::string text = kFoldedArticle;
    const std::string below = std::to_string(text.find("說門"));
    const std::string lineEnd = std::to_string(text.find("\r\n"));
    CreateDataBase();
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.What);
        const AnsiString id = IntToStr(NewNode(true, row.What));
        TCustomSynTextEditor* editor = window_->Frame(0)->GetEditor();
        FoldBraces(editor);
        editor->SetText(kFoldedArticle);
        ASSERT_TRUE(module_->SaveNode(editor));
        CollapseAt(editor, row.Collapsed);
        auto mark = [&](const AnsiString& Name, TBufferCoord Place) {
            editor->SetCaretXY(Place);
            AnsiString name = Name;
            module_->BookmarkEdited(module_->BeginAddBookmark(editor), name);
        };
        // A place in the room past a line's end, a collapse mark's too, is
        // kept as the end of the line's text.
        mark("end", BufferCoord(40, 1));
        mark("below", BufferCoord(5, editor->Lines()->Count()));
        ASSERT_TRUE(module_->CloseAllNodes());
        EXPECT_EQ(Column("select 位置 from Contents where 标识=" + id), below);
        EXPECT_EQ(Column("select 名称 || ':' || 文档位置 from Bookmarks where 文档标识=" + id),
                  "end:" + lineEnd + "|below:" + below);

        editor = module_->OpenNode(StrToInt(id));
        EXPECT_EQ(CaretPlace(editor), "7:說門 = collapsed");
        mark("inside", BufferCoord(9, 4));
        // Followed into the open tab with the blocks collapsed again: the
        // blocks hiding the place come into view, no others.
        FoldBraces(editor);
        CollapseAt(editor, row.Collapsed);
        module_->LoadBookmarks();
        TListItems* items = window_->GetBookMarkList()->Items();
        const std::string collapsed = row.Collapsed.empty() ? "collapsed" : "collapsed 1";
        const int first = items->Count() - 3;
        module_->GotoBookmark(items->Item(first));
        EXPECT_EQ(CaretPlace(editor), "1: " + collapsed);
        module_->GotoBookmark(items->Item(first + 1));
        EXPECT_EQ(CaretPlace(editor), "7:說門 = " + collapsed);
        module_->GotoBookmark(items->Item(first + 2));
        EXPECT_EQ(CaretPlace(editor), "4:two(); collapsed");
        ASSERT_TRUE(module_->CloseAllNodes());
    }
}

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
