// The edit box's own context menu, for a box without a PopupMenu: Undo,
// Cut, Copy, Paste, Delete and Select All in the system's language (the
// code page's), each sending its message to the box's window.
#include "platform/ui/textedit/edit.h"
#include "platform/ui/kernel/menus.h"
#include "platform/win/clipboard.h"
#include "platform/win/edit_control_messages.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_proc.h"

namespace {

bool ClipboardHasText(HWND Window)
{
    if (!OpenClipboard(Window))
        return false;
    bool text = false;
    if (HGLOBAL block = GetClipboardData(CF_TEXT)) {
        const auto* bytes = static_cast<const char*>(GlobalLock(block));
        text = bytes && GlobalSize(block) > 0 && bytes[0] != '\0';
        GlobalUnlock(block);
    }
    CloseClipboard();
    return text;
}

}  // namespace

void TCustomEdit::PopupDefaultMenu(TPoint Screen)
{
    HWND window = Handle();
    // A menu key gives no point: the menu opens in the middle of the box.
    if (Screen.X == -1 && Screen.Y == -1)
        Screen = ClientToScreen(Point(Width() / 2, Height() / 2));
    const bool selected = buffer_.HasSelection();
    const bool secret = passwordChar_ != '\0' && !multiLine_;
    const bool all = buffer_.SelStart() == 0 && buffer_.SelEnd() == buffer_.Length();
    // The menu is not the box's: a command may free the box.
    auto menu = std::make_unique<TPopupMenu>(nullptr);
    auto add = [&menu, window](const char* Caption, bool Enabled, UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0) {
        auto* item = new TMenuItem(menu.get());
        item->SetCaption(Caption);
        item->SetEnabled(Enabled);
        if (Msg)
            item->OnClick = TNotifyEvent::FromCallable([window, Msg, WParam, LParam](TObject*) {
                SendMessage(window, Msg, WParam, LParam);
            });
        menu->Items()->Add(item);
    };
    add("撤消(&U)", buffer_.CanUndo() && !readOnly_, WM_UNDO);
    add(cLineCaption, true, 0);
    add("剪切(&T)", selected && !readOnly_ && !secret, WM_CUT);
    add("复制(&C)", selected && !secret, WM_COPY);
    add("粘贴(&P)", !readOnly_ && ClipboardHasText(window), WM_PASTE);
    add("删除(&D)", selected && !readOnly_, WM_CLEAR);
    add(cLineCaption, true, 0);
    add("全选(&A)", buffer_.Length() > 0 && !all, EM_SETSEL, 0, -1);
    menu->SetPopupComponent(this);
    menu->Popup(Screen.X, Screen.Y);
}
