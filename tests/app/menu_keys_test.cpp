// The program's menus and message boxes from the keyboard, through its
// message loop as a user's keys arrive: a dialog's Alt accelerator that
// ends in a message box leaves the main window's menu bar alone and the
// box takes its keys; the context menus of the tree, the article and the
// attachment list take the keys while open, never the control under them,
// and a click outside one closes it and lands where it was aimed. Alt
// chords no menu has, an Alt held while the program lost the focus, and
// Shift+F10 whose Shift comes up first leave the keys to the article; the
// desktop activating the main window under the find dialog activates the
// dialog.
#include <functional>

#include "app/action_module.h"
#include "app/db_module.h"
#include "app/main_form.h"
#include "app/new_form.h"
#include "editor_services/search/syn_find_dialog.h"
#include "editor_services/actions/syn_actions.h"
#include "editor_services/syn_text_editor.h"
#include "platform/ui/itemviews/tree_node.h"
#include "platform/ui/itemviews/tree_nodes.h"
#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/modal_answers.h"
#include "platform/ui/textedit/edit.h"
#include "platform/ui/widgets/combo_box.h"
#include "platform/win/focus.h"
#include "platform/win/headless_input.h"
#include "platform/win/headless_screen.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_proc.h"
#include "skin/controls/bs_skin_list_view.h"
#include "skin/controls/bs_skin_menu.h"
#include "skin/controls/bs_skin_menu_item.h"
#include "skin/controls/bs_skin_popup_window.h"
#include "skin/controls/bs_skin_tree_view.h"
#include "skin/form/bs_skin_form.h"
#include "skin/form/bs_skin_main_menu.h"
#include "tests/app/program_test_support.h"
#include "tests/support/pixel_colour.h"

namespace {

class TMenuKeysTest : public TProgramTest {
protected:
    // Starts with a database and one article open, its editor focused.
    void StartWithArticle()
    {
        Start(DataFile());
        TModalAnswers::Push([](const TModalRequest& Request) {
            static_cast<TNewForm*>(Request.Form)->Edit1->SetText("說門");
            return mrOk;
        });
        DBModule->aNewNodeB->Execute();
        ASSERT_NE(ActiveArticleEditor(), nullptr);
        ASSERT_TRUE(ActiveArticleEditor()->Focused());
        hooks_ = Application->OnMessage.Count();
    }

    // The loop's message hooks with no menu open (the main window's own).
    int hooks_ = 0;

    static void Loop() { Application->ProcessMessages(); }
    static void Key(UINT VirtualKey, UINT Modifiers = 0)
    {
        Idle();
        InjectKeyStroke(VirtualKey, Modifiers);
        Loop();
    }
    static TbsSkinForm* Frame() { return MainForm->bsSkinForm1; }
    static TbsSkinMenu* Menus() { return Frame()->SkinMenu(); }

    // Answers the search dialog that comes next: types Text, then holds
    // Alt and presses Letter, the accelerator of the button that searches
    // (the box comes up while both keys are still down).
    static void AnswerSearchDialog(const AnsiString& Text, UINT Letter)
    {
        TModalAnswers::Push([Text, Letter](const TModalRequest&) {
            InjectText(Text);
            Loop();
            InjectKeyDown(VK_MENU);
            InjectKeyDown(Letter, AnsiString(1, static_cast<char>(Letter - 'A' + 'a')));
            Loop();
            return mrNone;
        });
    }
    // Answers the message box that comes next by running Keys in it;
    // Closed tells whether they closed it (else it is answered 1 after).
    static void AnswerBoxByKeys(std::function<void()> Keys, std::vector<AnsiString>& Texts, bool& Closed)
    {
        TModalAnswers::Push([Keys, &Texts, &Closed](const TModalRequest& Request) {
            Texts.push_back(Request.Caption);
            Keys();
            Closed = Request.Form != nullptr && Request.Form->ModalResult() == 1;
            return Closed ? mrNone : 1;
        });
    }
};

// The middle of R, a rectangle of Control, on the screen.
TPoint ScreenMiddle(TControl* Control, const TRect& R)
{
    return Control->ClientToScreen(Point((R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2));
}

}  // namespace

TEST_F(TMenuKeysTest, AMessageBoxAfterADialogsAltAcceleratorTakesItsKeysAndTheBarStaysIdle)
{
    StartWithArticle();
    TCustomSynTextEditor* editor = ActiveArticleEditor();
    std::vector<AnsiString> boxes;
    bool closed = false;

    // Replace all of a text the article does not hold: Alt+A. Alt and A
    // come up in the box; Space presses its button.
    AnswerSearchDialog("zz", 'A');
    AnswerBoxByKeys(
        [&] {
            InjectKeyUp('A');
            InjectKeyUp(VK_MENU);
            Loop();
            EXPECT_FALSE(Frame()->MainMenuActive);
            InjectKeyStroke(VK_SPACE);
            Loop();
        },
        boxes, closed);
    Key('R', InjectCtrl);
    EXPECT_EQ(TModalAnswers::Count(), 0);
    EXPECT_EQ(boxes, std::vector<AnsiString>{Application->Title()});
    EXPECT_TRUE(closed);
    EXPECT_FALSE(Frame()->MainMenuActive);

    // Typing goes into the article again.
    ASSERT_TRUE(editor->Focused());
    InjectText("o");
    Loop();
    EXPECT_EQ(editor->Text(), "o");

    // Find with Alt+O; the box stays on top of a bar in its keyboard mode
    // and still takes Return.
    AnswerSearchDialog("zz", 'O');
    AnswerBoxByKeys(
        [&] {
            InjectKeyUp('O');
            InjectKeyUp(VK_MENU);
            Loop();
            SendMessage(MainForm->Handle(), WM_SYSCOMMAND, SC_KEYMENU, 0);
            InjectKeyStroke(VK_RETURN);
            Loop();
        },
        boxes, closed);
    Key('F', InjectCtrl);
    EXPECT_EQ(TModalAnswers::Count(), 0);
    EXPECT_EQ(boxes.size(), 2u);
    EXPECT_TRUE(closed);
    // The window got the focus back, which ends that mode.
    EXPECT_FALSE(Frame()->MainMenuActive);
    InjectText("a");
    Loop();
    EXPECT_EQ(editor->Text(), "oa");
}

TEST_F(TMenuKeysTest, TheContextMenusOfTreeArticleAndAttachmentListTakeTheKeys)
{
    StartWithArticle();
    TCustomSynTextEditor* editor = ActiveArticleEditor();

    // The tree's: Down moves in the menu, not the tree; Escape closes it.
    TTreeNode* article = MainForm->Tree->Items()->GetFirstNode();
    ASSERT_NE(article, nullptr);
    const TPoint row = ScreenMiddle(MainForm->Tree, article->DisplayRect(true));
    InjectClick(row);
    Loop();
    TTreeNode* selected = MainForm->Tree->Selected();
    ASSERT_NE(selected, nullptr);
    InjectClick(row, 2);
    Loop();
    ASSERT_TRUE(Menus()->ChainOpen());
    Key(VK_DOWN);
    Key(VK_DOWN);
    EXPECT_EQ(MainForm->Tree->Selected(), selected);
    EXPECT_EQ(Menus()->LastPopup()->ActiveItem, 2);
    Key(VK_ESCAPE);
    EXPECT_FALSE(Menus()->ChainOpen());

    // The article's: letters that are no row's stay in the menu.
    editor->SetFocus();
    InjectClick(ScreenMiddle(editor, editor->ClientRect()), 2);
    Loop();
    ASSERT_TRUE(Menus()->ChainOpen());
    InjectText("kk");
    Loop();
    EXPECT_EQ(editor->Text(), "");
    EXPECT_TRUE(Menus()->ChainOpen());
    Key(VK_ESCAPE);
    EXPECT_FALSE(Menus()->ChainOpen());
    InjectText("k");
    Loop();
    EXPECT_EQ(editor->Text(), "k");

    // The attachment list's: its rows' accelerators run them.
    MainForm->List->SetFocus();
    InjectClick(ScreenMiddle(MainForm->List, MainForm->List->ClientRect()), 2);
    Loop();
    ASSERT_TRUE(Menus()->ChainOpen());
    std::vector<AnsiString> asked;
    TModalAnswers::Push([&asked](const TModalRequest& Request) {
        asked.push_back(Request.Caption);
        return mrCancel;
    });
    Key('A');
    EXPECT_FALSE(Menus()->ChainOpen());
    EXPECT_EQ(asked.size(), 1u);
    EXPECT_EQ(TModalAnswers::Count(), 0);
    EXPECT_EQ(Application->OnMessage.Count(), hooks_) << "a closed menu left its hook";
}

TEST_F(TMenuKeysTest, AClickOutsideAnOpenContextMenuClosesItAndLandsWhereItWasAimed)
{
    StartWithArticle();
    TCustomSynTextEditor* editor = ActiveArticleEditor();
    InjectText("ab");
    Loop();

    // The tree's menu, then a click at the start of the article's text:
    // the menu closes, the caret goes there and the keys follow it.
    TTreeNode* article = MainForm->Tree->Items()->GetFirstNode();
    ASSERT_NE(article, nullptr);
    InjectClick(ScreenMiddle(MainForm->Tree, article->DisplayRect(true)), 2);
    Loop();
    ASSERT_TRUE(Menus()->ChainOpen());
    const TPoint textStart = editor->ClientToScreen(Point(editor->GutterWidth() + 4, 4));
    InjectClick(textStart);
    Loop();
    EXPECT_FALSE(Menus()->ChainOpen());
    EXPECT_TRUE(editor->Focused());
    InjectText("k");
    Loop();
    EXPECT_EQ(editor->Text(), "kab");

    // The article's own menu, then a click on the tree's row: the row
    // takes the click and Escape no longer belongs to a menu.
    InjectClick(ScreenMiddle(editor, editor->ClientRect()), 2);
    Loop();
    ASSERT_TRUE(Menus()->ChainOpen());
    InjectClick(ScreenMiddle(MainForm->Tree, article->DisplayRect(true)));
    Loop();
    EXPECT_FALSE(Menus()->ChainOpen());
    EXPECT_TRUE(MainForm->Tree->Focused());

    // The attachment list's menu, then a click at the article's start.
    InjectClick(ScreenMiddle(MainForm->List, MainForm->List->ClientRect()), 2);
    Loop();
    ASSERT_TRUE(Menus()->ChainOpen());
    InjectClick(textStart);
    Loop();
    EXPECT_FALSE(Menus()->ChainOpen());
    EXPECT_TRUE(editor->Focused());
    InjectText("z");
    Loop();
    EXPECT_EQ(editor->Text(), "zkab");
    EXPECT_EQ(Application->OnMessage.Count(), hooks_) << "a closed menu left its hook";
}

TEST_F(TMenuKeysTest, AltChordsAFocusRoundTripAndShiftF10LeaveTheKeysToTheArticle)
{
    StartWithArticle();
    TCustomSynTextEditor* editor = ActiveArticleEditor();
    AnsiString expected;
    auto typed = [&](const char* Text, const char* What) {
        InjectText(Text);
        Loop();
        expected += Text;
        EXPECT_EQ(editor->Text(), expected) << What;
        EXPECT_FALSE(Frame()->MainMenuActive) << What;
        EXPECT_FALSE(Menus()->ChainOpen()) << What;
    };

    // Alt with a key no menu has: the bar stays idle, "e" is no 编辑.
    Key('Q', InjectAlt);
    typed("def", "Alt+Q");
    Key('1', InjectAlt);
    typed("def", "Alt+1");
    // In the tree (where it still clears the article's line to its start).
    MainForm->Tree->SetFocus();
    Key(VK_BACK, InjectAlt);
    EXPECT_FALSE(Frame()->MainMenuActive);
    editor->SetFocus();
    expected = editor->Text();

    // Alt goes down, the focus goes to another program, where Alt comes up.
    InjectKeyDown(VK_MENU);
    Loop();
    InjectSurfaceFocus(MainForm->Handle(), false);
    Loop();
    InjectSurfaceFocus(MainForm->Handle(), true);
    Loop();
    ASSERT_TRUE(editor->Focused());
    typed("ef", "after the round trip");
    Key(VK_F6);
    EXPECT_TRUE(MainForm->List->Focused());
    editor->SetFocus();

    // Shift+F10 with Shift up before F10: the article's menu stays open.
    InjectKeyDown(VK_SHIFT);
    InjectKeyDown(VK_F10);
    InjectKeyUp(VK_SHIFT);
    InjectKeyUp(VK_F10);
    Loop();
    EXPECT_TRUE(Menus()->ChainOpen());
    EXPECT_FALSE(Frame()->MainMenuActive);
    Key(VK_ESCAPE);
    typed("g", "after Shift+F10");

    // The article's menu opened from the bar's mode: one Escape is enough.
    Key(VK_MENU);
    ASSERT_TRUE(Frame()->MainMenuActive);
    Key(VK_F10, InjectShift);
    EXPECT_TRUE(Menus()->ChainOpen());
    EXPECT_FALSE(Frame()->MainMenuActive);
    Key(VK_ESCAPE);
    typed("h", "after the menu from the bar's mode");
    EXPECT_EQ(Application->OnMessage.Count(), hooks_) << "a closed menu left its hook";
}

// Alt+F while a context menu is open opens 文件 in its place, as from the
// article; Escape goes back to the bar and a second Escape leaves it drawn
// as it was before any menu opened, 文件 no longer highlighted.
TEST_F(TMenuKeysTest, AltFFromAContextMenuOpensTheFileMenuAndTheBarEndsAsItWas)
{
    StartWithArticle();
    TCustomSynTextEditor* editor = ActiveArticleEditor();
    TbsSkinMainMenuBar* bar = MainForm->bsSkinMainMenuBar1;
    auto barPicture = [bar] {
        const TRasterImage window = WindowImage(MainForm->Handle());
        TRect frame;
        GetWindowRect(MainForm->Handle(), &frame);
        const TPoint origin = bar->ClientToScreen(Point(0, 0));
        std::vector<TColor> pixels;
        for (int y = 0; y < bar->Height(); ++y)
            for (int x = 0; x < bar->Width(); ++x)
                pixels.push_back(PixelAt(window, origin.X - frame.Left + x, origin.Y - frame.Top + y));
        return pixels;
    };
    const std::vector<TColor> before = barPicture();
    TTreeNode* article = MainForm->Tree->Items()->GetFirstNode();
    ASSERT_NE(article, nullptr);
    const std::pair<const char*, std::function<void()>> openers[] = {
        {"the article's menu by Shift+F10", [] { Key(VK_F10, InjectShift); }},
        {"the tree's menu by a right click",
         [article] {
             InjectClick(ScreenMiddle(MainForm->Tree, article->DisplayRect(true)), 2);
             Loop();
         }},
    };
    for (const auto& [what, open] : openers) {
        SCOPED_TRACE(what);
        editor->SetFocus();
        open();
        ASSERT_TRUE(Menus()->ChainOpen());
        Key('F', InjectAlt);
        ASSERT_TRUE(Menus()->ChainOpen());
        TbsSkinPopupWindow* popup = Menus()->LastPopup();
        ASSERT_NE(popup, nullptr);
        ASSERT_GT(popup->ItemCount(), 0);
        EXPECT_EQ(popup->Item(0)->MenuItem()->Caption(), DBModule->aNewDB->Caption());
        EXPECT_TRUE(Frame()->MainMenuActive);

        Key(VK_ESCAPE);
        EXPECT_FALSE(Menus()->ChainOpen());
        EXPECT_TRUE(Frame()->MainMenuActive);
        Key(VK_ESCAPE);
        EXPECT_FALSE(Frame()->MainMenuActive);
        for (int i = 0; i < bar->ItemCount(); ++i)
            EXPECT_FALSE(bar->Items(i)->Active || bar->Items(i)->Down) << bar->Items(i)->MenuItem->Caption();
        EXPECT_TRUE(barPicture() == before) << "the bar is drawn otherwise than before the menus";
        EXPECT_EQ(Application->OnMessage.Count(), hooks_) << "a closed menu left its hook";
    }
    editor->SetFocus();
    InjectText("k");
    Loop();
    EXPECT_EQ(editor->Text(), "k");
}

TEST_F(TMenuKeysTest, TheDesktopActivatingTheMainWindowUnderTheFindDialogActivatesTheDialog)
{
    StartWithArticle();
    TCustomSynTextEditor* editor = ActiveArticleEditor();
    HWND dialog = nullptr;
    HWND active = nullptr;
    AnsiString searched;
    TModalAnswers::Push([&](const TModalRequest& Request) {
        auto* find = dynamic_cast<TSynFindDlg*>(Request.Form);
        if (find == nullptr)
            return mrCancel;
        dialog = find->Handle();
        InjectSurfaceFocus(dialog, false);
        Loop();
        InjectSurfaceFocus(MainForm->Handle(), true);
        Loop();
        active = GetActiveWindow();
        InjectText("zq");
        Loop();
        searched = find->cbSearchText->Text();
        return mrCancel;
    });
    Key('F', InjectCtrl);
    EXPECT_EQ(TModalAnswers::Count(), 0);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(active, dialog);
    EXPECT_EQ(searched, "zq");
    EXPECT_EQ(editor->Text(), "");
}
