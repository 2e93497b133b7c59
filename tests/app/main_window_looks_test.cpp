// What the main window shows a user beside the editing itself: the tab
// rows' scrollers, the views' horizontal bars, the tool bar's scroll
// buttons, and the status bar and tree following what the user does.
#include "app/attr_form.h"
#include "app/node_editor.h"
#include "app/startup.h"
#include "editor/highlighting/syn_highlighter.h"
#include "editor/view/syn_gutter.h"
#include "editor_services/settings/syn_highlighter_dialog_toggle.h"
#include "editor_services/actions/syn_actions.h"
#include "platform/ui/widgets/combo_box.h"
#include "platform/ui/itemviews/list_box.h"
#include "platform/win/virtual_keys.h"
#include "skin/controls/bs_skin_label.h"
#include "editor_services/syn_text_editor.h"
#include "platform/ui/itemviews/list_columns.h"
#include "platform/ui/itemviews/tree_node.h"
#include "platform/ui/itemviews/tree_nodes.h"
#include "platform/ui/kernel/application.h"
#include "platform/win/headless_input.h"
#include "platform/win/headless_screen.h"
#include "platform/win/scroll_bars.h"
#include "skin/controls/bs_skin_list_view.h"
#include "skin/controls/bs_skin_page_control.h"
#include "skin/controls/bs_skin_scroll_bar.h"
#include "skin/controls/bs_skin_speed_button.h"
#include "skin/controls/bs_skin_tool_bar.h"
#include "skin/controls/bs_skin_tree_view.h"
#include "skin/controls/bs_skin_up_down.h"
#include "tests/app/main_window_test_support.h"

TEST_F(TMainWindowTest, TabRowsShowTheirScrollerExactlyWhileTabsAreOutOfView)
{
    // Three short captions fit the left pages from the start.
    EXPECT_EQ(form_->LeftPages->TabScroller(), nullptr);

    CreateDataBase();
    for (int i = 0; i < 12; ++i)
        NewNode(true, "說門中文 " + std::to_string(i));
    TbsSkinUpDown* scroller = form_->PageControl->TabScroller();
    ASSERT_NE(scroller, nullptr) << "hidden tabs and no way to reach them";
    EXPECT_GT(scroller->Max(), 0);

    // Closing all but one leaves nothing to scroll to.
    while (form_->GetEditorCount() > 1) {
        TCustomSynTextEditor* last = form_->GetEditors(form_->GetEditorCount() - 1)->GetEditor();
        last->SetModified(false);
        module_->CloseNode(last);
        Process();
    }
    EXPECT_EQ(form_->PageControl->TabScroller(), nullptr);
}

namespace {

// A press on a bar's track between its thumb and its right-hand button.
void PageRight(TbsSkinScrollBar* Bar)
{
    InjectClick(Bar->ClientToScreen(TPoint{Bar->Width() - 45, Bar->Height() / 2}));
    Application->ProcessMessages();
}

}  // namespace

TEST_F(TMainWindowTest, TheTreeAndTheListsTakeAHorizontalBarOnlyWhileTheirItemsAreWider)
{
    CreateDataBase();
    TbsSkinScrollBar* treeBar = form_->Tree->HScrollBar();
    ASSERT_NE(treeBar, nullptr);
    NewNode(false, "說門");
    EXPECT_FALSE(treeBar->Visible());

    // A title longer than the panel is wide.
    NewNode(true, AnsiString(30, 'x') + "說門中文說門中文說門中文說門中文說門中文");
    ASSERT_TRUE(treeBar->Visible()) << "the end of the title is out of reach";
    EXPECT_LT(treeBar->Top() + treeBar->Height(), form_->Tree->Parent()->ClientHeight() + 1);
    EXPECT_EQ(GetScrollPos(form_->Tree->Handle(), SB_HORZ), 0);
    PageRight(treeBar);
    EXPECT_GT(GetScrollPos(form_->Tree->Handle(), SB_HORZ), 0) << "the bar does not scroll the tree";

    // Columns wider than the attachment panel.
    for (TbsSkinListView* list : {form_->List, form_->BookMarkList, form_->SearchList}) {
        SCOPED_TRACE(list->Name());
        ASSERT_NE(list->HScrollBar(), nullptr);
        EXPECT_FALSE(list->HScrollBar()->Visible());
    }
    form_->List->Columns()->Item(0)->SetWidth(1200);
    Process();
    ASSERT_TRUE(form_->List->HScrollBar()->Visible());
    PageRight(form_->List->HScrollBar());
    EXPECT_GT(GetScrollPos(form_->List->Handle(), SB_HORZ), 0);
}

TEST_F(TMainWindowTest, TheTreeAndTheListsDrawTheirItemsAsThePlatformDoesInTheSkinsColours)
{
    CreateDataBase();
    NewNode(false, "說門");
    TbsSkinTreeView* tree = form_->Tree;
    EXPECT_EQ(tree->Align(), alClient);
    EXPECT_FALSE(tree->DrawSkin());
    for (TbsSkinListView* list : {form_->List, form_->BookMarkList, form_->SearchList}) {
        SCOPED_TRACE(list->Name());
        EXPECT_EQ(list->ViewStyle(), vsReport);
        EXPECT_TRUE(list->RowSelect());
        EXPECT_FALSE(list->DrawSkin());
        EXPECT_FALSE(list->DrawSkinLines());
        EXPECT_EQ(list->HeaderSkinDataName, "resizebutton");
        EXPECT_FALSE(list->OnCustomDrawItem) << "a skinned item drawing is installed";
    }
    // The selected node of the focused tree: the platform's selection
    // colour behind its text, not a skin picture; the rest in the skin's
    // tree colour.
    tree->SetFocus();
    tree->SetSelected(tree->Items()->GetFirstNode());
    Process();
    tree->Update();
    const TRect text = tree->Selected()->DisplayRect(true);
    const TRasterImage image = WindowImage(tree->Handle());
    const auto pixel = [&](int X, int Y) { return image.Row(Y)[X] & 0xFFFFFFu; };
    const auto bgr = [](TColor Color) {
        const COLORREF c = ColorToRGB(Color);
        return static_cast<uint32_t>(((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF));
    };
    EXPECT_EQ(pixel(text.Left + 1, text.Top + 1), bgr(clHighlight));
    EXPECT_EQ(pixel(text.Right + 20, text.Top + 1), bgr(tree->Color()));
}

TEST_F(TMainWindowTest, ANarrowWindowScrollsTheToolBarToItsLastButton)
{
    form_->SetClientWidth(300);
    Process();
    TbsSkinToolBar* bar = form_->ToolBar1;
    ASSERT_TRUE(bar->ScrollButtonsVisible()) << "the buttons past the edge are out of reach";
    TbsSkinSpeedButton* last = form_->ToolButtons.back();
    ASSERT_GT(last->Left() + last->Width(), bar->ClientWidth());
    // The right-hand scroll button, just past the client area.
    const TPoint right = bar->ClientToScreen(TPoint{bar->ClientWidth() + 6, bar->ClientHeight() / 2});
    for (int i = 0; i < 20 && last->Left() + last->Width() > bar->ClientWidth(); ++i) {
        InjectClick(right);
        Process();
    }
    EXPECT_LE(last->Left() + last->Width(), bar->ClientWidth());
    EXPECT_GE(last->Left(), 0);
}

TEST_F(TMainWindowTest, ANewArticleInACollapsedFolderIsShownAndSelected)
{
    CreateDataBase();
    NewNode(false, "說門");
    NewNode(false, "中文");
    TTreeNode* folder = form_->Tree->Items()->GetFirstNode();
    ASSERT_NE(folder, nullptr);
    form_->Tree->SetSelected(folder);
    NewNode(true, "這 inside");
    folder->SetExpanded(false);
    form_->Tree->SetSelected(folder);
    Process();

    NewNode(true, "乗 new");
    EXPECT_TRUE(folder->Expanded());
    TTreeNode* selected = form_->Tree->Selected();
    ASSERT_NE(selected, nullptr);
    EXPECT_EQ(selected->Text(), "乗 new");
    EXPECT_EQ(selected->Parent(), folder);
    EXPECT_TRUE(selected->IsVisible());
}

TEST_F(TMainWindowTest, AnArticleWithoutStoredOptionsShowsItsLineNumbersClearOfTheFoldBar)
{
    // A database written by another tool stores no options: the article
    // takes the program's settings alone, folding on, and its gutter must
    // look as it does once folding is switched on by hand.
    CreateDataBase();
    const int id = NewNode(true, "說門");
    ASSERT_TRUE(module_->CloseAllNodes());
    module_->ExecSQL("update Contents set 内容='one\r\ntwo\r\nthree', 配置=''");
    ASSERT_NE(module_->OpenNode(id), nullptr);
    Process();
    TCustomSynTextEditor* editor = form_->GetActiveEditor();
    ASSERT_TRUE(editor->CodeFolding()->Enabled());
    EXPECT_GE(editor->Gutter()->RightOffset(), 18);
    const auto gutter = [editor] {
        editor->Invalidate();
        editor->Update();
        const TRasterImage image = WindowImage(editor->Handle());
        std::vector<uint32_t> pixels;
        for (int y = 0; y < 3 * editor->LineHeight(); ++y)
            pixels.insert(pixels.end(), image.Row(y), image.Row(y) + editor->GutterWidth());
        return pixels;
    };
    const std::vector<uint32_t> opened = gutter();
    editor->CodeFolding()->SetEnabled(true);
    Process();
    EXPECT_TRUE(opened == gutter()) << "the line numbers stand elsewhere than folding wants them";
}

namespace {

std::string Panel(TMainForm* Form, int Index) { return Form->StatusPanels[Index]->Caption(); }

// The main window with the schemes the program ships, as a user starts it.
class TMainWindowWithSchemesTest : public TMainWindowTest {
protected:
    void PrepareSettings() override { InstallShippedSchemes(folder_ + "Syntaxs/"); }
};

}  // namespace

TEST_F(TMainWindowWithSchemesTest, TheStatusBarFollowsTheHighlighterAndEmptiesWithTheLastArticle)
{
    CreateDataBase();
    NewNode(true, "說門");
    TCustomSynTextEditor* editor = form_->GetActiveEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(Panel(form_.get(), 4), "[不显示语法高亮]");

    // Ctrl+H to a language, the caret left where it is: the panel names it.
    TModalAnswers::Push([](const TModalRequest& Request) {
        dynamic_cast<TToggleHighlighterDlg*>(Request.Form)->ListBox1->SetItemIndex(2);
        return mrOk;
    });
    Key('H', InjectCtrl);
    ASSERT_NE(editor->Highlighter(), nullptr);
    const std::string toggled = editor->Highlighter()->GetFriendlyLanguageName();
    EXPECT_EQ(Panel(form_.get(), 4), toggled);

    // Another language chosen in the properties shows without a keystroke.
    AnswerForm<TAttrForm>([&toggled](TAttrForm* Form) {
        Form->ComboBox1->SetItemIndex(Form->ComboBox1->Items()->Strings(1) == toggled ? 2 : 1);
        return mrOk;
    });
    module_->aNodeAttr->Execute();
    Process();
    ASSERT_NE(editor->Highlighter(), nullptr);
    EXPECT_NE(editor->Highlighter()->GetFriendlyLanguageName(), toggled);
    EXPECT_EQ(Panel(form_.get(), 4), editor->Highlighter()->GetFriendlyLanguageName());

    // Renaming wants a selected attachment.
    form_->aSynRenameAtta->Update();
    EXPECT_FALSE(form_->aSynRenameAtta->Enabled());

    ASSERT_TRUE(module_->CloseAllNodes());
    Process();
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(Panel(form_.get(), i), "") << "panel " << i + 1;
}
