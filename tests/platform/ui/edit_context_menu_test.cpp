// The edit box's own context menu: its items and which are enabled, the
// commands it runs, where the keyboard opens it, and that a box refusing
// its change messages keeps its text when the menu asks for a change.
#include <functional>
#include <string>
#include <vector>

#include "edit_test_support.h"
#include "platform/ui/kernel/menu_loop.h"
#include "platform/ui/kernel/menus.h"
#include "platform/ui/kernel/popup_menu_window.h"
#include "platform/win/edit_control_messages.h"
#include "platform/win/headless_input.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_proc.h"

namespace {

using TLines = std::vector<std::string>;

class TEditMenuTest : public TEditTest {
protected:
    void TearDown() override
    {
        SetMenuIdleHook(nullptr);
        TEditTest::TearDown();
    }

    // Opens the menu with a right click in the box (or the menu key), notes
    // its rows ("caption" or "caption (disabled)") and its top-left, then
    // types Key to choose an item (0: closes it).
    void UseMenu(UINT Key, bool FromKeyboard = false)
    {
        rows_.clear();
        int calls = 0;
        SetMenuIdleHook([this, Key, &calls] {
            if (calls++ == 0 && MenuLoopLevelCount() > 0) {
                TPopupMenuWindow* level = MenuLoopLevel(0);
                for (int i = 0; i < level->RowCount(); ++i) {
                    TMenuItem* item = level->Row(i);
                    rows_.push_back(item->Caption() + (item->Enabled() ? "" : " (disabled)"));
                }
                TRect bounds;
                GetWindowRect(level->Handle(), &bounds);
                menuAt_ = Point(bounds.Left, bounds.Top);
                if (Key)
                    InjectKeyStroke(Key);
                return Key != 0;
            }
            return calls < 20;
        });
        if (FromKeyboard)
            InjectKeyStroke(VK_APPS);
        else
            InjectClick(ScreenPoint(box_, 30, 8), 2);
        Pump();
        SetMenuIdleHook(nullptr);
    }

    TLines rows_;
    TPoint menuAt_;
};

}  // namespace

TEST_F(TEditMenuTest, ItemsFollowTheSelectionTheClipboardAndUndo)
{
    ShowEdit();
    UseMenu(0);
    EXPECT_EQ(rows_, (TLines{"撤消(&U) (disabled)", "-", "剪切(&T) (disabled)", "复制(&C) (disabled)", "粘贴(&P) (disabled)",
                             "删除(&D) (disabled)", "-", "全选(&A) (disabled)"}));
    InjectText("ab" + Shuo);
    Pump();
    Select(1, 4);
    SetClipboardText("clip");
    UseMenu(0);
    EXPECT_EQ(rows_, (TLines{"撤消(&U)", "-", "剪切(&T)", "复制(&C)", "粘贴(&P)", "删除(&D)", "-", "全选(&A)"}));
    box_->SetReadOnly(true);
    UseMenu(0);
    EXPECT_EQ(rows_, (TLines{"撤消(&U) (disabled)", "-", "剪切(&T) (disabled)", "复制(&C)", "粘贴(&P) (disabled)",
                             "删除(&D) (disabled)", "-", "全选(&A)"}));
}

TEST_F(TEditMenuTest, ItemsRunTheirCommandsOnTheBox)
{
    ShowEdit();
    box_->SetText("ab" + Shuo);
    Select(1, 4);
    UseMenu('T');
    EXPECT_EQ(BoxText(), "a");
    EXPECT_EQ(ClipboardText(), "b" + Shuo);
    UseMenu('P');
    EXPECT_EQ(BoxText(), "ab" + Shuo);
    UseMenu('A');
    EXPECT_EQ(Selection(), std::make_pair(0, 4));
    UseMenu('C');
    EXPECT_EQ(ClipboardText(), "ab" + Shuo);
    UseMenu('D');
    EXPECT_EQ(BoxText(), "");
    UseMenu('U');
    EXPECT_EQ(BoxText(), "ab" + Shuo);
    // The menu key opens the menu in the middle of the box.
    UseMenu(0, true);
    EXPECT_EQ(menuAt_, box_->ClientToScreen(Point(box_->Width() / 2, box_->Height() / 2)));
}

TEST_F(TEditMenuTest, ARefusingSubclassKeepsTheTextAgainstTheMenu)
{
    ShowEdit();
    box_->SetText("ab");
    Select(2, 2);
    SendMessage(Box(), EM_REPLACESEL, 1, reinterpret_cast<LPARAM>(Shuo.c_str()));
    Select(1, 4);
    SetClipboardText("clip");
    const WNDPROC refuse = WNDPROC::FromCallable([](HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) -> LRESULT {
        if (Msg == WM_CUT || Msg == WM_PASTE || Msg == WM_CLEAR || Msg == WM_UNDO)
            return 0;
        return DefSubclassProc(Window, Msg, WParam, LParam);
    });
    SetWindowSubclass(Box(), refuse, 1);
    for (UINT key : {UINT('T'), UINT('P'), UINT('D'), UINT('U')}) {
        UseMenu(key);
        EXPECT_EQ(BoxText(), "ab" + Shuo) << char(key);
    }
    RemoveWindowSubclass(Box(), refuse, 1);
}
