// The edit box base on the skinned edit: its read-only rule under every
// path a change can take, Enter, Escape and Ctrl+Enter, pasted line breaks,
// and its skinned context menu (where it opens, its captions, its items,
// and what becomes of it when it is replaced or the box goes while it is
// open).
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/widgets/button.h"
#include "platform/win/edit_control_messages.h"
#include "platform/win/headless_input.h"
#include "platform/win/ime_result.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/window_proc.h"
#include "skin/controls/bs_skin_popup_menu.h"
#include "skin/data/bs_resource_str_data.h"
#include "tests/skin/controls/skin_edit_test_support.h"
#include "tests/support/message_pump.h"

namespace {

using TNames = std::vector<std::string>;

struct TGesture {
    std::string Name;
    std::function<void()> Run;
};

class TbsCustomEditTest : public SkinEditTest {
protected:
    // "ab說門" with 門 just added (something to undo), "b說" selected, and
    // text on the clipboard.
    void Prepare()
    {
        edit_->SetText("ab" + kShuo);
        Select(4, 4);
        SendMessage(edit_->Handle(), EM_REPLACESEL, 1, reinterpret_cast<LPARAM>(kMen.c_str()));
        ASSERT_TRUE(edit_->CanUndo());
        Select(1, 4);
        SetClipboard("clip");
    }

    // Runs the context menu item Index's command, enabled or not, as its
    // row's click would.
    void MenuCommand(int Index)
    {
        SendMessage(edit_->Handle(), WM_CONTEXTMENU, 0, MAKELPARAM(60, 60));
        edit_->ContextMenu()->Items()->Items(Index)->OnClick(nullptr);
        menu_->CloseMenu();
        PumpMessages();
    }

    std::vector<TGesture> Gestures()
    {
        return {
            {"letter", [] { InjectText("q"); }},
            {"double-byte character", [] { InjectText(kZhong); }},
            {"input method", [] { InjectImeResult(kZhong + kShuo); }},
            {"Backspace", [] { InjectKeyStroke(VK_BACK); }},
            {"Delete", [] { InjectKeyStroke(VK_DELETE); }},
            {"Ctrl+X", [] { InjectKeyStroke('X', InjectCtrl); }},
            {"Ctrl+V", [] { InjectKeyStroke('V', InjectCtrl); }},
            {"Ctrl+Z", [] { InjectKeyStroke('Z', InjectCtrl); }},
            {"Shift+Delete", [] { InjectKeyStroke(VK_DELETE, InjectShift); }},
            {"Shift+Insert", [] { InjectKeyStroke(VK_INSERT, InjectShift); }},
            {"Alt+Backspace", [] { InjectKeyStroke(VK_BACK, InjectAlt); }},
            {"menu Undo", [this] { MenuCommand(0); }},
            {"menu Cut", [this] { MenuCommand(2); }},
            {"menu Paste", [this] { MenuCommand(4); }},
            {"menu Delete", [this] { MenuCommand(5); }},
            {"WM_CUT", [this] { SendMessage(edit_->Handle(), WM_CUT, 0, 0); }},
            {"WM_PASTE", [this] { SendMessage(edit_->Handle(), WM_PASTE, 0, 0); }},
            {"WM_CLEAR", [this] { SendMessage(edit_->Handle(), WM_CLEAR, 0, 0); }},
            {"WM_UNDO", [this] { SendMessage(edit_->Handle(), WM_UNDO, 0, 0); }},
        };
    }

    // The gestures that changed the text.
    TNames Changing()
    {
        TNames changed;
        for (const TGesture& gesture : Gestures()) {
            Prepare();
            const AnsiString before = edit_->Text();
            gesture.Run();
            PumpMessages();
            if (edit_->Text() != before)
                changed.push_back(gesture.Name);
        }
        return changed;
    }

    // The rows of the open menu: "caption" or "caption (disabled)".
    TNames Rows() const
    {
        TNames rows;
        TMenuItem* items = edit_->ContextMenu()->Items();
        for (int i = 0; i < items->Count(); ++i)
            rows.push_back(items->Items(i)->Caption() + (items->Items(i)->Enabled() ? "" : " (disabled)"));
        return rows;
    }
};

TEST_F(TbsCustomEditTest, AReadOnlyBoxRefusesEveryChangeWhileCopyingStillWorks)
{
    ShowEdit();
    TNames all;
    for (const TGesture& gesture : Gestures())
        all.push_back(gesture.Name);
    EXPECT_EQ(Changing(), all);

    edit_->SetReadOnly(true);
    EXPECT_EQ(Changing(), TNames{});
    // The caret and the selection still move, and Ctrl+C and the menu's
    // Copy still copy.
    Prepare();
    InjectKeyStroke(VK_HOME, InjectShift);
    PumpMessages();
    EXPECT_EQ(Selection(), (std::pair{0, 1}));
    Select(1, 4);
    InjectKeyStroke('C', InjectCtrl);
    PumpMessages();
    EXPECT_EQ(Clipboard(), "b" + kShuo);
    Select(0, 1);
    MenuCommand(3);
    EXPECT_EQ(Clipboard(), "a");
    Select(0, 2);
    SendMessage(edit_->Handle(), WM_CONTEXTMENU, 0, MAKELPARAM(60, 60));
    EXPECT_EQ(Rows(), (TNames{"Undo", "-", "Cut (disabled)", "Copy", "Paste (disabled)", "Delete (disabled)", "-",
                              "Select All"}));
}

TEST_F(TbsCustomEditTest, EnterAndEscapeGoToOnKeyPressAndTheFormsButtonsAndInsertNoLine)
{
    ShowEdit();
    std::string keys;
    edit_->OnKeyPress = TKeyPressEvent::FromCallable([&keys](TObject*, char& Key) { keys += std::to_string(Key) + " "; });
    auto* ok = new TButton(menuForm_.get());
    ok->SetParent(menuForm_.get());
    ok->SetBounds(10, 100, 60, 20);
    ok->SetDefault(true);
    auto* cancel = new TButton(menuForm_.get());
    cancel->SetParent(menuForm_.get());
    cancel->SetBounds(80, 100, 60, 20);
    cancel->SetCancel(true);
    TNames clicks;
    ok->OnClick = TNotifyEvent::FromCallable([&clicks](TObject*) { clicks.push_back("ok"); });
    cancel->OnClick = TNotifyEvent::FromCallable([&clicks](TObject*) { clicks.push_back("cancel"); });
    edit_->SetFocus();
    InjectText("a");
    InjectKeyStroke(VK_RETURN);
    InjectKeyStroke(VK_ESCAPE);
    PumpMessages();
    EXPECT_EQ(keys, "97 13 27 ");
    EXPECT_EQ(clicks, (TNames{"ok", "cancel"}));
    EXPECT_EQ(edit_->Text(), "a");
    EXPECT_EQ(SendMessage(edit_->Handle(), EM_GETLINECOUNT, 0, 0), 1);
}

TEST_F(TbsCustomEditTest, CtrlEnterAndPastedLineBreaksLeaveOneLine)
{
    ShowEdit();
    InjectText("x");
    InjectKeyStroke(VK_RETURN, InjectCtrl);
    PumpMessages();
    SetClipboard("a\r\nb");
    InjectKeyStroke('V', InjectCtrl);
    PumpMessages();
    SetClipboard("c\nd");
    edit_->PasteFromClipboard();
    PumpMessages();
    EXPECT_EQ(edit_->Text(), "xac");
    EXPECT_EQ(SendMessage(edit_->Handle(), EM_GETLINECOUNT, 0, 0), 1);
    // The paste is one step to undo, as any other.
    edit_->Undo();
    EXPECT_EQ(edit_->Text(), "xa");
}

TEST_F(TbsCustomEditTest, TheMenuKeyOpensTheMenuAtTheBoxsCentre)
{
    ShowEdit(120);
    InjectKeyStroke(VK_APPS);
    PumpMessages();
    ASSERT_NE(edit_->ContextMenu(), nullptr);
    ASSERT_TRUE(menu_->ChainOpen());
    EXPECT_EQ(menu_->PopupCtrl(), edit_);
    const TPoint centre = edit_->ClientToScreen(TPoint{edit_->Width() / 2, edit_->Height() / 2});
    EXPECT_EQ(edit_->ContextMenu()->PopupPoint(), centre);
    // A click point is taken as it is.
    SendMessage(edit_->Handle(), WM_CONTEXTMENU, 0, MAKELPARAM(70, 90));
    EXPECT_EQ(edit_->ContextMenu()->PopupPoint(), (TPoint{70, 90}));
}

TEST_F(TbsCustomEditTest, CaptionsComeFromTheFramesSkinCaptionsElseTheFallbacks)
{
    ShowEdit();
    SetClipboard("");
    SendMessage(edit_->Handle(), WM_CONTEXTMENU, 0, MAKELPARAM(60, 60));
    EXPECT_EQ(Rows(), (TNames{"Undo (disabled)", "-", "Cut (disabled)", "Copy (disabled)", "Paste (disabled)",
                              "Delete (disabled)", "-", "Select All (disabled)"}));

    TbsResourceStrData captions(nullptr);
    captions.ResStrings()->Clear();
    captions.ResStrings()->Add("EDIT_UNDO=撤消(&U)");
    captions.ResStrings()->Add("EDIT_CUT=剪切");
    captions.ResStrings()->Add("EDIT_COPY=" + kShuo + kMen);
    captions.ResStrings()->Add("EDIT_PASTE=粘贴");
    captions.ResStrings()->Add("EDIT_SELECTALL=全选");
    data_->SetResourceStrData(&captions);
    edit_->SetText("ab");
    Select(0, 1);
    SetClipboard("x");
    SendMessage(edit_->Handle(), WM_CONTEXTMENU, 0, MAKELPARAM(60, 60));
    // EDIT_DELETE is absent: its caption is empty.
    EXPECT_EQ(Rows(), (TNames{"撤消(&U) (disabled)", "-", "剪切", kShuo + kMen, "粘贴", "", "-", "全选"}));
    menu_->CloseMenu();
    data_->SetResourceStrData(nullptr);
}

TEST_F(TbsCustomEditTest, AChosenItemRunsOnTheBoxAndTheMenuGoesAfterIt)
{
    ShowEdit();
    edit_->SetText("ab" + kShuo);
    Select(1, 1);
    SendMessage(edit_->Handle(), WM_CONTEXTMENU, 0, MAKELPARAM(60, 60));
    ClickRow(0, 7);
    PumpMessages();
    EXPECT_EQ(Selection(), (std::pair{0, 4}));
    EXPECT_EQ(edit_->ContextMenu(), nullptr);
    EXPECT_FALSE(menu_->ChainOpen());
}

TEST_F(TbsCustomEditTest, ASecondRightClickAndTheBoxGoingWhileTheMenuIsOpenLeaveNoRowOnAFreedItem)
{
    ShowEdit();
    edit_->SetText("ab");
    SendMessage(edit_->Handle(), WM_CONTEXTMENU, 0, MAKELPARAM(60, 60));
    // The new menu may well sit where the old one was: the mark tells them
    // apart.
    edit_->ContextMenu()->Tag = 1;
    Hover(0, 2);
    InjectClick(edit_->ClientToScreen(TPoint{20, 5}), 2);
    PumpMessages();
    ASSERT_NE(edit_->ContextMenu(), nullptr);
    EXPECT_EQ(edit_->ContextMenu()->Tag, 0);
    ASSERT_TRUE(menu_->ChainOpen());
    // The rows shown are the new menu's, and they still work.
    Hover(0, 7);
    Wait(200);

    delete edit_;
    edit_ = nullptr;
    EXPECT_FALSE(menu_->ChainOpen());
    Wait(200);
    InjectKeyStroke(VK_DOWN);
    PumpMessages();
}

}  // namespace
