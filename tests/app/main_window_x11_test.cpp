// The main window on a real X display (the suite's own Xvfb) in the
// program's first skin: a double click on an article in the tree opens its
// tab, typing marks the tab modified, and the display shows what the window
// painted; F6 walks the panes and Shift+F10 opens the tree's menu. With
// TANDRIL_MAIN_WINDOW_SCREENSHOT (or _KEYS_SCREENSHOT) set, the screen is
// written to the PNG file it names, for a person to look at. The replace
// dialog's Alt+A that ends in a "not found" box leaves the menu bar idle,
// the box takes Return and typing goes into the article again. A click
// into the article closes the tree's context menu and the keys follow it.
// The keypad's Enter on a node of the tree opens its article; Alt+F over a
// context menu leaves the menu bar drawn as before. The window
// comes up with the keys in the tree, and a clicked tab's article takes
// the typing.
// Text another program copies after the program started pastes into the
// article, and the article's text reaches other programs with LF.
#include <X11/keysym.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "app/action_module.h"
#include "app/db_module.h"
#include "app/main_form.h"
#include "app/new_form.h"
#include "app/program_node_dialogs.h"
#include "editor_services/actions/syn_actions_edit.h"
#include "editor_services/syn_text_editor.h"
#include "form_x11_test_support.h"
#include "platform/ui/itemviews/tree_node.h"
#include "platform/ui/itemviews/tree_nodes.h"
#include "platform/ui/kernel/modal_answers.h"
#include "platform/ui/textedit/edit.h"
#include "platform/win/clipboard.h"
#include "skin/controls/bs_skin_list_view.h"
#include "skin/controls/bs_skin_menu.h"
#include "skin/controls/bs_skin_page_control.h"
#include "skin/controls/bs_skin_popup_window.h"
#include "skin/controls/bs_skin_tab_sheet.h"
#include "skin/controls/bs_skin_tree_view.h"
#include "skin/form/bs_skin_form.h"
#include "skin/form/bs_skin_main_menu.h"
#include "tests/app/main_window_test_support.h"
#include "tests/platform/win/x11_clipboard_peer.h"

// Last: Xlib's macros would rename our classes' members.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace {

class MainWindowX11 : public TFormX11Test {
protected:
    void SetUp() override
    {
        TFormX11Test::SetUp();
        folder_ = MakeTempFolder("tandril-x11");
        modules_.Bring(folder_);
        // The fixture frees the window after the test.
        form_ = modules_.Window.release();
    }

    void TearDown() override
    {
        modules_.Module.reset();
        TFormX11Test::TearDown();
        modules_.Drop();
        std::filesystem::remove_all(folder_);
    }

    TMainForm* Window() { return static_cast<TMainForm*>(form_); }

    // A new notes file holding one article titled Title, open in its tab.
    void MakeArticle(const char* Title)
    {
        ASSERT_TRUE(module_->CreateDataBase(folder_ + "notes.vek"));
        module_->LoadNodeTree();
        TModalAnswers::Push([Title](const TModalRequest& Request) {
            static_cast<TNewForm*>(Request.Form)->Edit1->SetText(Title);
            return mrOk;
        });
        module_->NewNode(true);
    }

    // Shows the main window and waits until the display shows it.
    void ShowOnDisplay()
    {
        Window()->Show();
        ASSERT_TRUE(BecomesViewable(Window()->Handle()));
    }

    // One article shown on the display, the window holding the X focus;
    // Editor gets the article's editor.
    void ShowArticle(TCustomSynTextEditor*& Editor)
    {
        ASSERT_NO_FATAL_FAILURE(MakeArticle("說門"));
        ASSERT_NO_FATAL_FAILURE(ShowOnDisplay());
        Editor = Window()->GetActiveEditor();
        ASSERT_NE(Editor, nullptr);
        ASSERT_TRUE(FormHasXFocus());
    }

    std::string folder_;
    TNotesWindowModules modules_;
    std::unique_ptr<TDBModule>& module_ = modules_.Module;
};

}  // namespace

TEST_F(MainWindowX11, ADoubleClickInTheTreeOpensTheArticleAndTypingMarksItsTab)
{
    ASSERT_NO_FATAL_FAILURE(MakeArticle("說門 中文"));
    ASSERT_TRUE(module_->CloseAllNodes());
    ASSERT_NO_FATAL_FAILURE(ShowOnDisplay());
    TMainForm* window = Window();
    ASSERT_EQ(window->GetEditorCount(), 0);

    TTreeNode* article = window->Tree->Items()->GetFirstNode();
    ASSERT_NE(article, nullptr);
    const TRect text = article->DisplayRect(true);
    const TPoint at = window->Tree->ClientToScreen(TPoint{(text.Left + text.Right) / 2, (text.Top + text.Bottom) / 2});
    Click(at);
    Click(at);
    ASSERT_TRUE(PumpUntil([&] { return window->GetEditorCount() == 1; })) << "the double click opened nothing";
    EXPECT_TRUE(window->PageControl->Visible());

    Key(XK_a);
    Key(XK_b);
    TCustomSynTextEditor* editor = window->GetActiveEditor();
    ASSERT_TRUE(PumpUntil([&] { return editor->Text() == "ab"; })) << "the keys went elsewhere";
    EXPECT_EQ(static_cast<TbsSkinTabSheet*>(window->PageControl->Pages(0))->ImageIndex(), 1);
    EXPECT_TRUE(PumpUntil([&] { return DisplayShowsBacking(); }));

    SaveScreenshot("TANDRIL_MAIN_WINDOW_SCREENSHOT");
    module_->SaveNode(editor);
    ASSERT_TRUE(module_->CloseAllNodes());
}

// The window comes up with the keys in the tree, and a click on an
// article's tab gives that article the typing, whichever had it before.
TEST_F(MainWindowX11, TheTreeHasTheKeysAtFirstAndAClickedTabsArticleTakesTheTyping)
{
    ASSERT_TRUE(module_->CreateDataBase(folder_ + "notes.vek"));
    module_->LoadNodeTree();
    ASSERT_NO_FATAL_FAILURE(ShowOnDisplay());
    TMainForm* window = Window();
    EXPECT_TRUE(AppPumpUntil([&] { return window->Tree->Focused(); }));

    std::vector<TCustomSynTextEditor*> editors;
    for (const char* title : {"說門", "中文"}) {
        TModalAnswers::Push([title](const TModalRequest& Request) {
            static_cast<TNewForm*>(Request.Form)->Edit1->SetText(title);
            return mrOk;
        });
        module_->NewNode(true);
        editors.push_back(window->GetActiveEditor());
    }
    TbsSkinPageControl* tabs = window->PageControl;
    auto tabPoint = [tabs](int Index) {
        for (int y = 0; y < tabs->Height(); ++y)
            for (int x = 0; x < tabs->Width(); ++x)
                if (tabs->IndexOfTabAt(x, y) == Index)
                    return tabs->ClientToScreen(TPoint{x + 4, y + 4});
        return TPoint{-1, -1};
    };
    // The first tab from the second article, the second from the tree, and
    // the second again from the tree while it is on show.
    const std::pair<int, TWinControl*> clicks[] = {{0, editors[1]}, {1, window->Tree}, {1, window->Tree}};
    std::vector<AnsiString> typed(2);
    for (const auto& click : clicks) {
        // Named copies: clang takes no structured binding into a lambda.
        const int index = click.first;
        TWinControl* before = click.second;
        before->SetFocus();
        ASSERT_TRUE(AppPumpUntil([&] { return before->Focused(); }));
        Click(tabPoint(index));
        Key(XK_k);
        typed[size_t(index)] += "k";
        EXPECT_TRUE(AppPumpUntil([&] { return editors[size_t(index)]->Text() == typed[size_t(index)]; }))
            << "tab " << index << " clicked from " << before->Name() << ": the key went elsewhere";
        EXPECT_TRUE(editors[size_t(index)]->Focused());
    }
    EXPECT_EQ(editors[0]->Text(), "k");
    EXPECT_EQ(editors[1]->Text(), "kk");
    for (TCustomSynTextEditor* editor : editors)
        module_->SaveNode(editor);
    ASSERT_TRUE(module_->CloseAllNodes());
}

TEST_F(MainWindowX11, TheKeypadsEnterOnANodeOpensItsArticleWithTheFocus)
{
    ASSERT_NO_FATAL_FAILURE(MakeArticle("說門"));
    ASSERT_TRUE(module_->CloseAllNodes());
    ASSERT_NO_FATAL_FAILURE(ShowOnDisplay());
    TMainForm* window = Window();
    window->Tree->SetFocus();
    ASSERT_TRUE(AppPumpUntil([&] { return window->Tree->Focused(); }));
    Key(XK_Home);
    ASSERT_TRUE(AppPumpUntil([&] { return window->Tree->Selected() != nullptr; }));

    Key(XK_KP_Enter);
    ASSERT_TRUE(AppPumpUntil([&] { return window->GetEditorCount() == 1; })) << "the keypad's Enter opened nothing";
    TCustomSynTextEditor* editor = window->GetActiveEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(AppPumpUntil([&] { return editor->Focused(); }));
    ASSERT_TRUE(module_->CloseAllNodes());
}

TEST_F(MainWindowX11, F6ReachesThePanesAndShiftF10OpensTheTreesMenuOnTheDisplay)
{
    ASSERT_NO_FATAL_FAILURE(MakeArticle("說門 中文"));
    ASSERT_NO_FATAL_FAILURE(ShowOnDisplay());
    TMainForm* window = Window();
    TCustomSynTextEditor* editor = window->GetActiveEditor();
    editor->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return editor->Focused(); }));

    Key(XK_F6);
    EXPECT_TRUE(AppPumpUntil([&] { return window->List->Focused(); }));
    Key(XK_F6);
    EXPECT_TRUE(AppPumpUntil([&] { return window->Tree->Focused(); }));
    Key(XK_F10, {XK_Shift_L});
    TbsSkinMenu* menu = window->bsSkinForm1->SkinMenu();
    ASSERT_TRUE(AppPumpUntil([&] { return menu->ChainOpen() && menu->LastPopup(); }));
    EXPECT_TRUE(BecomesViewable(menu->LastPopup()->Handle()));
    EXPECT_FALSE(window->bsSkinForm1->MainMenuActive);
    SaveScreenshot("TANDRIL_MAIN_WINDOW_KEYS_SCREENSHOT");
    menu->CloseMenu();
    ASSERT_TRUE(module_->CloseAllNodes());
}

TEST_F(MainWindowX11, AMessageBoxAfterTheReplaceDialogsAltAcceleratorTakesReturn)
{
    TCustomSynTextEditor* editor = nullptr;
    ASSERT_NO_FATAL_FAILURE(ShowArticle(editor));
    TMainForm* window = Window();
    editor->SetFocus();

    // In the dialog: a text the article does not hold, then Alt+A, whose
    // keys come up only once the box is there, as a person's do.
    Display* x = Other();
    auto press = [x](unsigned long Sym, bool Down) {
        XTestFakeKeyEvent(x, XKeysymToKeycode(x, Sym), Down, 0);
        XFlush(x);
    };
    bool dialogClosed = false;
    TModalAnswers::Push([&](const TModalRequest& Request) {
        EXPECT_TRUE(AppPumpUntil([&] { return HasXFocus(Request.Form->Handle()); }));
        Key(XK_z);
        Key(XK_z);
        press(XK_Alt_L, true);
        press(XK_a, true);
        dialogClosed = AppPumpUntil([&] { return Request.Form->ModalResult() != mrNone; });
        return dialogClosed ? mrNone : mrCancel;
    });
    // In the box: Return presses its button.
    bool boxClosed = false;
    bool barIdle = false;
    TModalAnswers::Push([&](const TModalRequest& Request) {
        EXPECT_TRUE(AppPumpUntil([&] { return HasXFocus(Request.Form->Handle()); }));
        press(XK_a, false);
        press(XK_Alt_L, false);
        int rounds = 0;
        AppPumpUntil([&] { return ++rounds > 20; });
        barIdle = !window->bsSkinForm1->MainMenuActive;
        Key(XK_Return);
        boxClosed = AppPumpUntil([&] { return Request.Form->ModalResult() == 1; });
        return boxClosed ? mrNone : 1;
    });
    Key(XK_r, {XK_Control_L});
    ASSERT_TRUE(AppPumpUntil([&] { return TModalAnswers::Count() == 0; }));
    EXPECT_TRUE(dialogClosed);
    EXPECT_TRUE(barIdle);
    EXPECT_TRUE(boxClosed);
    EXPECT_FALSE(window->bsSkinForm1->MainMenuActive);

    // Typing goes into the article, not to the menus.
    ASSERT_TRUE(AppPumpUntil([&] { return FormHasXFocus(); }));
    editor->SetFocus();
    Key(XK_o);
    EXPECT_TRUE(AppPumpUntil([&] { return editor->Text() == "o"; }));
    EXPECT_FALSE(window->bsSkinForm1->MainMenuActive);
    module_->SaveNode(editor);
    ASSERT_TRUE(module_->CloseAllNodes());
}

TEST_F(MainWindowX11, AClickIntoTheArticleClosesTheTreesMenuAndTheKeysFollowIt)
{
    TCustomSynTextEditor* editor = nullptr;
    ASSERT_NO_FATAL_FAILURE(ShowArticle(editor));
    TMainForm* window = Window();

    TTreeNode* article = window->Tree->Items()->GetFirstNode();
    ASSERT_NE(article, nullptr);
    const TRect text = article->DisplayRect(true);
    Click(window->Tree->ClientToScreen(TPoint{(text.Left + text.Right) / 2, (text.Top + text.Bottom) / 2}), 3);
    TbsSkinMenu* menu = window->bsSkinForm1->SkinMenu();
    ASSERT_TRUE(AppPumpUntil([&] { return menu->ChainOpen() && menu->LastPopup(); }));
    ASSERT_TRUE(BecomesViewable(menu->LastPopup()->Handle()));

    Click(editor->ClientToScreen(TPoint{editor->GutterWidth() + 4, 4}));
    EXPECT_TRUE(AppPumpUntil([&] { return !menu->ChainOpen() && editor->Focused(); }));
    Key(XK_k);
    EXPECT_TRUE(AppPumpUntil([&] { return editor->Text() == "k"; })) << "the key went elsewhere";
    EXPECT_FALSE(menu->ChainOpen());
    module_->SaveNode(editor);
    ASSERT_TRUE(module_->CloseAllNodes());
}

// Alt+F typed while the article's context menu is open, then Escape twice:
// the display shows the menu bar as before any menu opened.
TEST_F(MainWindowX11, AltFOverAContextMenuLeavesTheBarAsItWasOnceTheMenusClose)
{
    TCustomSynTextEditor* editor = nullptr;
    ASSERT_NO_FATAL_FAILURE(ShowArticle(editor));
    TMainForm* window = Window();
    editor->SetFocus();
    ASSERT_TRUE(AppPumpUntil([&] { return editor->Focused(); }));
    ASSERT_TRUE(DisplayShowsBacking());
    TControl* bar = window->bsSkinMainMenuBar1;
    const TPoint origin = bar->ClientToScreen(TPoint{0, 0});
    const TRect barArea{origin.X, origin.Y, origin.X + bar->Width(), origin.Y + bar->Height()};
    const TRasterImage before = ScreenImage(barArea);

    TbsSkinMenu* menu = window->bsSkinForm1->SkinMenu();
    Key(XK_F10, {XK_Shift_L});
    ASSERT_TRUE(AppPumpUntil([&] { return menu->ChainOpen() && menu->LastPopup(); }));
    Key(XK_f, {XK_Alt_L});
    EXPECT_TRUE(AppPumpUntil([&] { return window->bsSkinForm1->MainMenuActive && menu->ChainOpen(); }));
    Key(XK_Escape);
    Key(XK_Escape);
    EXPECT_TRUE(AppPumpUntil([&] { return !window->bsSkinForm1->MainMenuActive && !menu->ChainOpen(); }));
    TbsSkinMainMenuBar* items = window->bsSkinMainMenuBar1;
    for (int i = 0; i < items->ItemCount(); ++i)
        EXPECT_FALSE(items->Items(i)->Active || items->Items(i)->Down) << items->Items(i)->MenuItem->Caption();
    // Once the display shows what the window painted.
    int rounds = 0;
    AppPumpUntil([&] { return ++rounds > 30; });
    EXPECT_TRUE(DisplayShowsBacking());
    const TRasterImage now = ScreenImage(barArea);
    EXPECT_TRUE(now.Width == before.Width && now.Height == before.Height &&
                std::equal(now.Row(0), now.Row(0) + size_t(now.Width) * now.Height, before.Row(0)))
        << "the bar is drawn otherwise than before the menus";
    Key(XK_k);
    EXPECT_TRUE(AppPumpUntil([&] { return editor->Text() == "k"; })) << "the key went elsewhere";
    module_->SaveNode(editor);
    ASSERT_TRUE(module_->CloseAllNodes());
}

TEST_F(MainWindowX11, TextAnotherProgramCopiesPastesAndTheArticlesTextGoesOutWithLineFeeds)
{
    TCustomSynTextEditor* editor = nullptr;
    ASSERT_NO_FATAL_FAILURE(ShowArticle(editor));
    editor->SetFocus();

    // Another program copies lines ended both ways, the program running.
    const std::string offered = folder_ + "offered.txt";
    std::ofstream(offered, std::ios::binary) << reinterpret_cast<const char*>(u8"粘贴的中文\n第二行 說門\r\nend");
    TClipboardPeer owner(DisplayString(Other()), {"own", offered});
    ASSERT_TRUE(owner.Says("owning"));
    EXPECT_TRUE(AppPumpUntil([] { return ActionModule->aSynPaste->Enabled(); })) << "粘贴 stays disabled";
    Key(XK_v, {XK_Control_L});
    EXPECT_TRUE(AppPumpUntil([&] { return editor->Text() == "粘贴的中文\r\n第二行 說門\r\nend"; })) << editor->Text();

    // Copied back out, its lines end with LF.
    Key(XK_a, {XK_Control_L});
    Key(XK_c, {XK_Control_L});
    ASSERT_TRUE(AppPumpUntil([] { return GetClipboardOwner() != nullptr; }));
    const std::string read = folder_ + "read.txt";
    TClipboardPeer reader(DisplayString(Other()), {"read", read});
    int code = -1;
    EXPECT_TRUE(AppPumpUntil([&] { return reader.Ended(code); }));
    EXPECT_EQ(code, 0);
    std::ifstream in(read, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}),
              reinterpret_cast<const char*>(u8"粘贴的中文\n第二行 說門\nend"));
    module_->SaveNode(editor);
    ASSERT_TRUE(module_->CloseAllNodes());
}
