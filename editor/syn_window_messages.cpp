// The editor's answers to the platform's window messages, and files
// dropped from the shell.
#include <cstring>
#include <memory>

#include "editor/syn_custom_text.h"
#include "platform/base/code_page.h"
#include "platform/ui/kernel/timer.h"
#include "platform/win/caret.h"
#include "platform/win/clipboard.h"
#include "platform/win/drop_files.h"
#include "platform/win/keyboard.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"

namespace {

// Unnamed commands that tell hooked command handlers of the focus.
constexpr TSynTextEditorCommand FocusGainedCommand = 480;
constexpr TSynTextEditorCommand FocusLostCommand = 481;

// Frees a drop however the handler leaves.
class TDropScope {
public:
    explicit TDropScope(HDROP Drop) : drop_(Drop) {}
    ~TDropScope() { DragFinish(drop_); }
    TDropScope(const TDropScope&) = delete;
    TDropScope& operator=(const TDropScope&) = delete;

private:
    HDROP drop_;
};

}  // namespace

bool TCustomSynText::CanPaste() const
{
    static const UINT blockFormat = RegisterClipboardFormat("SynText Control Block Type");
    return !ReadOnly() && (IsClipboardFormatAvailable(CF_TEXT) || IsClipboardFormatAvailable(blockFormat));
}

void TCustomSynText::WndProc(TMessage& Message)
{
    // Alt+Backspace would otherwise reach the default handling and beep.
    if (Message.Msg == WM_SYSCHAR && Message.WParam == VK_BACK && KeyDataOf(Message.LParam).AltDown)
        return;
    TCustomControl::WndProc(Message);
}

void TCustomSynText::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_GETDLGCODE:
        Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
        if (wantTabs_)
            Message.Result |= DLGC_WANTTAB;
        if (wantReturns_)
            Message.Result |= DLGC_WANTALLKEYS;
        return;
    case WM_ERASEBKGND:
        Message.Result = 1;
        return;
    case WM_PAINT:
        // A paint inside an update (a command may ask for one) draws on
        // pixels already moved with the view, and shows the guides of the
        // caret's block as they are now on every line they changed on.
        ScrollPendingView();
        FollowActiveGuides();
        TCustomControl::Dispatch(Message);
        return;
    case WM_SIZE:
        TCustomControl::Dispatch(Message);
        SizeOrFontChanged(false);
        return;
    case WM_SETFOCUS:
        CommandProcessor(FocusGainedCommand, '\0', nullptr);
        InitializeCaret();
        if (hideSelection_ && SelAvail())
            RepaintSelection();
        return;
    case WM_KILLFOCUS: {
        TAlive alive(this);
        TCustomControl::Dispatch(Message);
        if (!alive)
            return;
        CommandProcessor(FocusLostCommand, '\0', nullptr);
        if (!Focused() && !alwaysShowCaret_) {
            HideEditorCaret();
            ::DestroyCaret();
            if (hideSelection_ && SelAvail())
                RepaintSelection();
        }
        return;
    }
    case WM_SETTEXT:
        SetText(Message.LParam ? AnsiString(reinterpret_cast<const char*>(Message.LParam)) : AnsiString());
        Message.Result = 1;
        return;
    case WM_GETTEXT: {
        // The terminating zero always lies inside the buffer, so an empty
        // buffer gets nothing at all.
        auto* buffer = reinterpret_cast<char*>(Message.LParam);
        const size_t size = static_cast<size_t>(Message.WParam);
        if (!buffer || size == 0) {
            Message.Result = 0;
            return;
        }
        const AnsiString text = Text();
        size_t n = std::min(text.size(), size - 1);
        if (n < text.size() && ByteTypeAt(text, n) == mbTrailByte)
            --n;  // never half a double-byte character
        std::memcpy(buffer, text.data(), n);
        buffer[n] = '\0';
        Message.Result = static_cast<LRESULT>(n);
        return;
    }
    case WM_GETTEXTLENGTH:
        Message.Result =
            ControlState().Contains(csDestroyingHandle) ? 0 : static_cast<LRESULT>(Text().size());
        return;
    case WM_CUT:
        if (!ReadOnly())
            CutToClipboard();
        Message.Result = 1;
        return;
    case WM_COPY:
        CopyToClipboard();
        Message.Result = 1;
        return;
    case WM_PASTE:
        if (!ReadOnly())
            PasteFromClipboard();
        Message.Result = 1;
        return;
    case WM_CLEAR:
        if (!ReadOnly() && SelAvail())
            SetSelText(AnsiString());
        return;
    case WM_UNDO:
        Undo();
        return;
    case WM_HSCROLL:
    case WM_VSCROLL: {
        Message.Result = 0;
        const TWMScroll scroll(Message);
        if (Message.Msg == WM_HSCROLL)
            HandleHScroll(scroll.ScrollCode(), scroll.Pos());
        else
            HandleVScroll(scroll.ScrollCode(), scroll.Pos());
        return;
    }
    case WM_CAPTURECHANGED:
        scrollTimer_->SetEnabled(false);
        TCustomControl::Dispatch(Message);
        return;
    case WM_CANCELMODE:
        return;
    case WM_IME_COMPOSITION:
        WMImeComposition(Message);
        return;
    case WM_IME_NOTIFY:
        WMImeNotify(Message);
        return;
    case WM_SETCURSOR: {
        const TWMSetCursor cursor(Message);
        if (cursor.HitTest() == HTCLIENT && cursor.CursorWnd() == Handle() &&
            !ComponentState().Contains(csDesigning)) {
            UpdateMouseCursor();
            Message.Result = 1;
            return;
        }
        TCustomControl::Dispatch(Message);
        return;
    }
    case WM_DROPFILES: {
        const auto drop = reinterpret_cast<HDROP>(Message.WParam);
        TDropScope finish(drop);
        if (OnDropFiles) {
            TPoint point;
            DragQueryPoint(drop, &point);
            // TStringList's header cannot be included beside TList's (both
            // define SListCapacityError); the buffer's list serves as well.
            auto files = std::make_unique<TSynTextStringList>();
            const UINT count = DragQueryFile(drop, 0xFFFFFFFF, nullptr, 0);
            for (UINT i = 0; i < count; ++i) {
                // Sized to each name, so a long path arrives whole.
                AnsiString name(DragQueryFile(drop, i, nullptr, 0) + 1, '\0');
                name.resize(DragQueryFile(drop, i, name.data(), static_cast<UINT>(name.size())));
                files->Add(name);
            }
            OnDropFiles(this, point.X, point.Y, files.get());
        }
        Message.Result = 0;
        return;
    }
    default:
        TCustomControl::Dispatch(Message);
        return;
    }
}
