// The whole program driven by keys and clicks where the focus is not in an
// article: a tab clicked, the tree or the attachment list focused. Typed
// letters, the program's shortcuts and the pane keys must act on what the
// user sees, and never slip through to a control as something else; a text
// box keeps its own editing keys from the article.
#include <algorithm>

#include "app/action_module.h"
#include "app/db_module.h"
#include "app/main_form.h"
#include "app/new_form.h"
#include "app/node_manager.h"
#include "editor_services/actions/syn_actions.h"
#include "editor_services/actions/syn_actions_dialogs.h"
#include "editor_services/syn_text_editor.h"
#include "platform/base/streams.h"
#include "platform/ui/itemviews/list_item.h"
#include "platform/ui/itemviews/list_items.h"
#include "platform/ui/itemviews/tree_node.h"
#include "platform/ui/kernel/action_list.h"
#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/menus.h"
#include "platform/ui/kernel/modal_answers.h"
#include "platform/ui/kernel/screen.h"
#include "platform/ui/kernel/shortcuts.h"
#include "platform/ui/textedit/edit.h"
#include "platform/ui/widgets/tab_sheet.h"
#include "platform/win/clipboard.h"
#include "platform/win/clipboard_text.h"
#include "platform/win/headless_input.h"
#include "platform/win/headless_screen.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/window_pos.h"
#include "skin/controls/bs_skin_edit.h"
#include "skin/controls/bs_skin_list_view.h"
#include "skin/controls/bs_skin_menu.h"
#include "skin/controls/bs_skin_menu_item.h"
#include "skin/controls/bs_skin_page_control.h"
#include "skin/controls/bs_skin_popup_window.h"
#include "skin/controls/bs_skin_tree_view.h"
#include "skin/form/bs_skin_form.h"
#include "tests/app/program_test_support.h"
#include "tests/support/pixel_colour.h"

namespace {

class TMainWindowKeysTest : public TProgramTest {
protected:
    void SetUp() override
    {
        TProgramTest::SetUp();
        Start(DataFile());
    }
    // The pixels of the focus frame's colour the window shows in Area of
    // Control.
    static int DarkDots(TControl* Control, const TRect& Area)
    {
        const TRasterImage image = WindowImage(MainForm->Handle());
        TRect window;
        GetWindowRect(MainForm->Handle(), &window);
        int dots = 0;
        for (int y = Area.Top; y < Area.Bottom; ++y)
            for (int x = Area.Left; x < Area.Right; ++x) {
                const TPoint p = Control->ClientToScreen(Point(x, y));
                dots += PixelAt(image, p.X - window.Left, p.Y - window.Top) == ColorToRGB(clBtnText);
            }
        return dots;
    }
    // The area of the active tab of Strip, in its client coordinates.
    static TRect ActiveTabArea(TbsSkinPageControl* Strip)
    {
        TRect area = Rect(Strip->Width(), Strip->Height(), 0, 0);
        // The tabs run along the top, above the page.
        for (int y = 0; y < Strip->ActivePage()->Top(); ++y)
            for (int x = 0; x < Strip->Width(); ++x)
                if (Strip->IndexOfTabAt(x, y) == Strip->TabIndex())
                    area = Rect(std::min(area.Left, x), std::min(area.Top, y), std::max(area.Right, x + 1),
                                std::max(area.Bottom, y + 1));
        return area;
    }
    // The pixels of Area of Control the window shows otherwise than Before.
    static int ChangedPixels(const TRasterImage& Before, TControl* Control, const TRect& Area)
    {
        const TRasterImage now = WindowImage(MainForm->Handle());
        TRect window;
        GetWindowRect(MainForm->Handle(), &window);
        int changed = 0;
        for (int y = Area.Top; y < Area.Bottom; ++y)
            for (int x = Area.Left; x < Area.Right; ++x) {
                const TPoint p = Control->ClientToScreen(Point(x, y));
                changed += PixelAt(now, p.X - window.Left, p.Y - window.Top) !=
                           PixelAt(Before, p.X - window.Left, p.Y - window.Top);
            }
        return changed;
    }
    // The captions of the rows of the innermost open skinned menu.
    static std::vector<AnsiString> OpenMenuRows()
    {
        std::vector<AnsiString> rows;
        TbsSkinMenu* menu = MainForm->bsSkinForm1->SkinMenu();
        if (TbsSkinPopupWindow* window = menu->ChainOpen() ? menu->LastPopup() : nullptr)
            for (int i = 0; i < window->ItemCount(); ++i)
                rows.push_back(window->Item(i)->MenuItem()->Caption());
        return rows;
    }
};

// A click on a tab gives its article the focus: letters typed then go
// into it, and none of them runs a tool button.
TEST_F(TMainWindowKeysTest, LettersTypedAfterAClickOnATabGoIntoItsArticleAndRunNoToolButton)
{
    TCustomSynTextEditor* editor = NewArticle("說門");
    MainForm->Tree->SetFocus();
    ClickTab(0);
    ASSERT_TRUE(editor->Focused());
    // Dialogs that came up anyway would take these answers.
    std::vector<AnsiString> dialogs;
    for (int i = 0; i < 3; ++i)
        TModalAnswers::Push([&dialogs](const TModalRequest& Request) {
            dialogs.push_back(Request.Caption);
            return mrCancel;
        });
    // The letters of "关闭文章(&L)", "打开文章库(&O)..." and "新建文章库(&N)...",
    // whose tool buttons show only their glyphs.
    for (UINT key : {UINT('L'), UINT('O'), UINT('N')})
        Stroke(key);
    EXPECT_EQ(editor->Text(), "lon");
    EXPECT_EQ(OpenTitles(), std::vector<AnsiString>{"說門"});
    EXPECT_EQ(dialogs, std::vector<AnsiString>{});
    TModalAnswers::Clear();
}

TEST_F(TMainWindowKeysTest, CommandsActOnTheArticleWhoseTabWasClicked)
{
    TCustomSynTextEditor* first = NewArticle("說門");
    TCustomSynTextEditor* second = NewArticle("中文");
    ASSERT_TRUE(second->Focused());
    ClickTab(0);
    EXPECT_EQ(ActiveArticleEditor(), first);

    DBModule->aCloseNode->Execute();
    Idle();
    EXPECT_EQ(OpenTitles(), std::vector<AnsiString>{"中文"});
}

TEST_F(TMainWindowKeysTest, AShortcutOfADisabledActionNeverReachesTheEditor)
{
    TCustomSynTextEditor* editor = NewArticle("說門");
    editor->SetText("說門 one\ntwo\nthree");
    editor->ClearUndo();
    editor->SetCaretXY(BufferCoord(2, 2));
    const AnsiString text = editor->Text();
    // Every action of the program disabled, as 重做 is with nothing to redo.
    std::vector<TShortCut> keys;
    for (TCustomActionList* list : {ActionModule->ActionList, DBModule->DBActions, MainForm->FormActions}) {
        list->OnUpdate = TActionEvent::FromCallable([](TBasicAction* Action, bool& Handled) {
            static_cast<TCustomAction*>(Action)->SetEnabled(false);
            Handled = true;
        });
        for (int i = 0; i < list->ActionCount(); ++i)
            if (auto* action = static_cast<TCustomAction*>(list->Actions(i)); action->ShortCut() != scNone)
                keys.push_back(action->ShortCut());
    }
    ASSERT_EQ(keys.size(), 56u);
    for (TShortCut key : keys) {
        TypeShortCut(key);
        Idle();
        ASSERT_EQ(editor->Text(), text) << ShortCutToText(key);
        ASSERT_EQ(editor->CaretXY(), BufferCoord(2, 2)) << ShortCutToText(key);
        ASSERT_FALSE(editor->SelAvail()) << ShortCutToText(key);
        int x = 0, y = 0;
        for (int mark = 0; mark < 10; ++mark)
            ASSERT_FALSE(editor->GetBookMark(mark, x, y)) << ShortCutToText(key);
    }
    EXPECT_TRUE(editor->Focused());
}

TEST_F(TMainWindowKeysTest, ATextBoxKeepsItsEditingKeysWhileTheMenusItemsAreDisabled)
{
    // No article: the menu's 粘贴 (Ctrl+V) is disabled.
    ASSERT_TRUE(SetClipboardText(MainForm->Handle(), {{CF_TEXT, "說門"}}));
    MainForm->LeftPages->SetActivePageIndex(1);
    MainForm->SearchText->SetFocus();
    Idle();
    ASSERT_TRUE(MainForm->SearchText->Focused());
    TypeShortCut(scCtrl | 'V');
    Idle();
    EXPECT_EQ(MainForm->SearchText->Text(), "說門");
}

TEST_F(TMainWindowKeysTest, ATextBoxsOwnEditingKeysActOnTheBoxAndNeverOnTheArticle)
{
    TCustomSynTextEditor* editor = NewArticle("說門");
    editor->SetText("說門 one\ntwo");
    editor->ClearUndo();
    editor->SetModified(false);
    const AnsiString text = editor->Text();
    auto articleUntouched = [&] {
        EXPECT_EQ(editor->Text(), text);
        EXPECT_FALSE(editor->SelAvail());
        EXPECT_FALSE(editor->Modified());
    };
    ASSERT_TRUE(SetClipboardText(MainForm->Handle(), {{CF_TEXT, "中文"}}));
    auto clipboard = [] {
        AnsiString held;
        EXPECT_TRUE(GetClipboardText(MainForm->Handle(), held));
        return held;
    };

    // A click into the search page's box, as the user reaches it.
    MainForm->LeftPages->SetActivePageIndex(1);
    Idle();
    TbsSkinEdit* box = MainForm->SearchText;
    InjectClick(box->ClientToScreen(Point(box->Width() / 2, box->Height() / 2)));
    Idle();
    ASSERT_TRUE(box->Focused());
    InjectText("ab");
    Stroke('A', InjectCtrl);
    EXPECT_EQ(box->SelLength(), 2);
    Stroke('V', InjectCtrl);
    EXPECT_EQ(box->Text(), "中文");
    Stroke('Z', InjectCtrl);
    EXPECT_EQ(box->Text(), "ab");
    Stroke(VK_HOME);
    Stroke(VK_DELETE);
    EXPECT_EQ(box->Text(), "b");
    Stroke(VK_BACK, InjectAlt);
    EXPECT_EQ(box->Text(), "ab");
    Stroke(VK_END);
    Stroke(VK_LEFT, InjectShift);
    Stroke('C', InjectCtrl);
    EXPECT_EQ(clipboard(), "b");
    Stroke(VK_HOME, InjectShift);
    Stroke('X', InjectCtrl);
    EXPECT_EQ(box->Text(), "");
    EXPECT_EQ(clipboard(), "ab");
    articleUntouched();

    // The tree's rename box, opened by F2 on the article's node.
    MainForm->LeftPages->SetActivePageIndex(0);
    TTreeNode* node = MainForm->Tree->Items()->GetFirstNode();
    ASSERT_NE(node, nullptr);
    const TRect row = node->DisplayRect(true);
    InjectClick(MainForm->Tree->ClientToScreen(Point((row.Left + row.Right) / 2, (row.Top + row.Bottom) / 2)));
    Stroke(VK_F2);
    ASSERT_EQ(MainForm->Tree->EditingNode(), node);
    Stroke('A', InjectCtrl);
    InjectText("中文");
    Stroke(VK_RETURN);
    EXPECT_EQ(node->Text(), "中文");
    articleUntouched();

    // In the article the same keys are the program's again.
    editor->SetFocus();
    Stroke('A', InjectCtrl);
    EXPECT_EQ(editor->SelText(), text);
}

// With the focus in the tree, the attachment list or the search box, the
// keys of the actions that change an article's text are that control's:
// none of them changes the article out of sight, with something to undo,
// something to redo and a selection in it.
TEST_F(TMainWindowKeysTest, EditingKeysInTheTreeAListOrTheSearchBoxNeverChangeTheArticle)
{
    TCustomSynTextEditor* editor = NewArticle("說門");
    editor->SetText("說門 one\ntwo");
    editor->ClearUndo();
    editor->SetFocus();
    InjectText("x");
    Stroke(VK_RETURN);
    Stroke('Z', InjectCtrl);
    ASSERT_TRUE(editor->CanUndo());
    ASSERT_TRUE(editor->CanRedo());
    Stroke('A', InjectCtrl);
    ASSERT_TRUE(editor->SelAvail());
    editor->SetModified(false);
    const AnsiString text = editor->Text();
    ASSERT_TRUE(SetClipboardText(MainForm->Handle(), {{CF_TEXT, "中文"}}));
    const UINT ctrlShift = InjectCtrl | InjectShift;
    const std::pair<WORD, UINT> keys[] = {
        {VK_DELETE, 0},          {VK_BACK, 0},           {'V', InjectCtrl},       {'X', InjectCtrl},
        {'Z', InjectCtrl},       {'Y', InjectCtrl},      {VK_DELETE, InjectAlt},  {VK_BACK, InjectCtrl},
        {VK_DELETE, InjectCtrl}, {VK_INSERT, InjectShift}, {'T', InjectCtrl},     {'I', ctrlShift},
        {'U', ctrlShift},        {'X', ctrlShift},       {VK_DELETE, ctrlShift},  {VK_BACK, InjectAlt},
        {VK_DELETE, InjectShift | InjectAlt}};
    MainForm->LeftPages->SetActivePageIndex(1);
    Idle();
    for (TWinControl* view : std::initializer_list<TWinControl*>{MainForm->SearchText, MainForm->Tree, MainForm->List}) {
        if (view == MainForm->Tree)
            MainForm->LeftPages->SetActivePageIndex(0);
        view->SetFocus();
        Idle();
        ASSERT_TRUE(view->Focused()) << view->Name();
        for (auto [key, modifiers] : keys) {
            Stroke(key, modifiers);
            EXPECT_EQ(editor->Text(), text) << view->Name() << " " << key << " " << modifiers;
        }
        EXPECT_FALSE(editor->Modified()) << view->Name();
        EXPECT_TRUE(editor->CanRedo()) << view->Name();
    }
    EXPECT_EQ(MainForm->Tree->Items()->Count(), 1);

    // Back in the article, Ctrl+Y redoes and Delete deletes again.
    editor->SetFocus();
    Stroke('Y', InjectCtrl);
    EXPECT_EQ(editor->Text(), "說門 one\r\ntwox\r\n");
    Stroke(VK_HOME, InjectCtrl);
    Stroke(VK_DELETE);
    EXPECT_EQ(editor->Text(), "門 one\r\ntwox\r\n");
}

// Ctrl+E and Ctrl+C typed where the article has not the keyboard neither
// make it read-only out of sight nor put its hidden selection on the
// clipboard; in the article they do.
TEST_F(TMainWindowKeysTest, ReadOnlyAndCopyKeysActOnTheArticleOnlyWhenItHasTheKeyboard)
{
    TCustomSynTextEditor* editor = NewArticle("說門");
    InjectText("說門 one");
    Stroke('A', InjectCtrl);
    ASSERT_TRUE(editor->SelAvail());
    ASSERT_TRUE(SetClipboardText(MainForm->Handle(), {{CF_TEXT, "中文"}}));
    auto clipboard = [] {
        AnsiString held;
        EXPECT_TRUE(GetClipboardText(MainForm->Handle(), held));
        return held;
    };
    struct TPlace {
        const char* Name;
        int LeftPage;  // the left-hand page it stands on; -1 for the article tabs
        TWinControl* Control;
    };
    const TPlace places[] = {
        {"the tree", 0, MainForm->Tree},
        {"the bookmark list", 2, MainForm->BookMarkList},
        {"the left tab strip", 0, MainForm->LeftPages},
        {"the search box", 1, MainForm->SearchText},
        {"the article tabs", -1, MainForm->PageControl},
    };
    for (const TPlace& place : places) {
        if (place.LeftPage >= 0)
            MainForm->LeftPages->SetActivePageIndex(place.LeftPage);
        place.Control->SetFocus();
        Idle();
        ASSERT_TRUE(place.Control->Focused()) << place.Name;
        Stroke('E', InjectCtrl);
        Stroke('C', InjectCtrl);
        Idle();
        EXPECT_FALSE(editor->ReadOnly()) << place.Name;
        EXPECT_EQ(clipboard(), "中文") << place.Name;
    }
    EXPECT_EQ(MainForm->SearchText->Text(), "");

    editor->SetFocus();
    Stroke('C', InjectCtrl);
    EXPECT_EQ(clipboard(), "說門 one");
    Stroke('E', InjectCtrl);
    EXPECT_TRUE(editor->ReadOnly());
}

// A tab strip reached by Tab or Shift+Tab shows that it has the keyboard,
// a dotted frame in its active tab, until the keyboard moves on.
TEST_F(TMainWindowKeysTest, ATabStripReachedByTabOrShiftTabShowsThatItHasTheKeyboard)
{
    NewArticle("說門");
    struct TReach {
        const char* How;
        TWinControl* From;
        UINT Modifiers;
        TbsSkinPageControl* Strip;
    };
    const TReach reaches[] = {
        {"Shift+Tab from the tree", MainForm->Tree, InjectShift, MainForm->LeftPages},
        {"Tab from the attachment list", MainForm->List, 0, MainForm->PageControl},
    };
    for (const TReach& reach : reaches) {
        reach.From->SetFocus();
        Idle();
        const TRect tab = ActiveTabArea(reach.Strip);
        ASSERT_GT(tab.Width(), 20) << reach.How;
        const TRasterImage unfocused = WindowImage(MainForm->Handle());
        Stroke(VK_TAB, reach.Modifiers);
        Idle();
        ASSERT_TRUE(reach.Strip->Focused()) << reach.How;
        // About every other pixel of the frame's four sides.
        EXPECT_GT(ChangedPixels(unfocused, reach.Strip, tab), tab.Width() - 10) << reach.How;
        Stroke(VK_TAB, reach.Modifiers);
        Idle();
        EXPECT_FALSE(reach.Strip->Focused()) << reach.How;
        EXPECT_EQ(ChangedPixels(unfocused, reach.Strip, tab), 0) << reach.How;
    }
}

TEST_F(TMainWindowKeysTest, F6WalksThePanesAndTheMenuKeysOpenTheFocusedOnesMenu)
{
    TCustomSynTextEditor* editor = NewArticle("說門");
    ASSERT_TRUE(editor->Focused());
    // The new article is selected in the tree; the focus a tree with
    // nothing selected shows is what is looked at below.
    MainForm->Tree->SetSelected(nullptr);
    TWinControl* tree = MainForm->Tree;
    TWinControl* list = MainForm->List;
    std::vector<TWinControl*> focused;
    auto walk = [&focused](UINT Modifiers) {
        focused.clear();
        for (int i = 0; i < 3; ++i) {
            Stroke(VK_F6, Modifiers);
            focused.push_back(Screen->ActiveControl());
        }
    };
    // The dots of a focus frame down the list's left edge.
    auto listFrameDots = [list] { return DarkDots(list, Rect(0, 0, 1, list->ClientHeight())); };
    const int unfocusedDots = listFrameDots();
    walk(0);
    EXPECT_EQ(focused, (std::vector<TWinControl*>{list, tree, editor}));
    // Each pane shows the focus it gets, selecting nothing: the empty list
    // a frame where its first item would be, the tree one on its first row.
    TTreeNode* first = MainForm->Tree->Items()->GetFirstNode();
    ASSERT_NE(first, nullptr);
    ASSERT_EQ(MainForm->Tree->Selected(), nullptr);
    const TRect firstText = first->DisplayRect(true);
    const TRect firstLeftEdge = Rect(firstText.Left, firstText.Top, firstText.Left + 1, firstText.Bottom);
    const int unfocusedTreeDots = DarkDots(tree, firstLeftEdge);
    Stroke(VK_F6);
    EXPECT_GT(listFrameDots(), unfocusedDots + 3);
    Stroke(VK_F6);
    ASSERT_TRUE(tree->Focused());
    EXPECT_EQ(listFrameDots(), unfocusedDots);
    EXPECT_GT(DarkDots(tree, firstLeftEdge), unfocusedTreeDots + 3);
    EXPECT_EQ(MainForm->Tree->Selected(), nullptr);
    Stroke(VK_F6);
    walk(InjectShift);
    EXPECT_EQ(focused, (std::vector<TWinControl*>{tree, list, editor}));
    EXPECT_EQ(editor->Text(), "");

    Stroke(VK_F6, InjectShift);
    ASSERT_TRUE(tree->Focused());
    TbsSkinMenu* menu = MainForm->bsSkinForm1->SkinMenu();
    auto firstRows = [menu](UINT Key, UINT Modifiers) {
        Stroke(Key, Modifiers);
        std::vector<AnsiString> rows = OpenMenuRows();
        EXPECT_FALSE(MainForm->bsSkinForm1->MainMenuActive);
        if (menu->ChainOpen())
            menu->CloseMenu();
        Idle();
        rows.resize(2);
        return rows;
    };
    // Each pane's own menu, whichever of the two keys asks for it.
    EXPECT_EQ(firstRows(VK_F10, InjectShift), (std::vector<AnsiString>{DBModule->aOpenDB->Caption(),
                                                                      DBModule->aNewNodeA->Caption()}));
    Stroke(VK_F6, InjectShift);
    ASSERT_TRUE(list->Focused());
    const std::vector<AnsiString> listRows{DBModule->aAddAttachment->Caption(), MainForm->aSynRenameAtta->Caption()};
    EXPECT_EQ(firstRows(VK_APPS, 0), listRows);
    EXPECT_EQ(firstRows(VK_F10, InjectShift), listRows);
    Stroke(VK_F6);
    ASSERT_TRUE(tree->Focused());
    Stroke(VK_F6);
    ASSERT_TRUE(editor->Focused());
    EXPECT_EQ(firstRows(VK_F10, InjectShift), (std::vector<AnsiString>{ActionModule->aSynInsertFile->Caption(), "-"}));
    EXPECT_EQ(editor->Text(), "");
}

TEST_F(TMainWindowKeysTest, TheAttachmentListShowsTheFocusOnItsFirstItemWithoutSelectingIt)
{
    TCustomSynTextEditor* editor = NewArticle("說門");
    const AnsiString file = folder_ + "/中文.txt";
    {
        TFileStream out(file, fmCreate);
        out.WriteBuffer("說門", 4);
    }
    DBModule->AddAttachments(editor, {file});
    Idle();
    TbsSkinListView* list = MainForm->List;
    ASSERT_EQ(list->Items()->Count(), 1);
    TListItem* item = list->Items()->Item(0);
    const TRect bounds = item->DisplayRect(drBounds);
    const TRect leftEdge = Rect(bounds.Left, bounds.Top, bounds.Left + 2, bounds.Bottom);
    const int unfocusedDots = DarkDots(list, leftEdge);

    Stroke(VK_F6);
    ASSERT_TRUE(list->Focused());
    EXPECT_EQ(list->SelCount(), 0);
    EXPECT_GT(DarkDots(list, leftEdge), unfocusedDots + 3);
}

}  // namespace
