// Keys, characters and the input method's result strings: keys go through
// the handler chains and the keystroke table to commands, characters to
// ecChar, a composed string to ecImeStr.
#include <vector>

#include "editor/syn_custom_text.h"
#include "platform/win/ime.h"
#include "platform/win/virtual_keys.h"

namespace {

// Keys after which fold markers moved by typing are looked for again.
bool IsFoldRescanKey(WORD Key)
{
    switch (Key) {
    case VK_SPACE:
    case VK_END:
    case VK_HOME:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
        return true;
    default:
        return false;
    }
}

// Releases an input context on every way out.
class TInputContextScope {
public:
    TInputContextScope(HWND Window, HIMC Context) : window_(Window), context_(Context) {}
    ~TInputContextScope() { ImmReleaseContext(window_, context_); }
    TInputContextScope(const TInputContextScope&) = delete;
    TInputContextScope& operator=(const TInputContextScope&) = delete;

private:
    HWND window_;
    HIMC context_;
};

}  // namespace

void TCustomSynText::KeyDown(WORD& Key, TShiftState Shift)
{
    TAlive alive(this);
    TCustomControl::KeyDown(Key, Shift);
    if (!alive)
        return;
    kbdHandler_->RunKeyDown(this, Key, Shift);
    if (!alive)
        return;
    if (codeFolding_->Enabled() && foldScan_.HasChanges() && IsFoldRescanKey(Key))
        RescanFoldRanges();
    void* data = nullptr;
    const TSynTextEditorCommand command = TranslateKeyCode(Key, Shift, data);
    if (command == ecNone) {
        stateFlags_.Exclude(sfIgnoreNextChar);
        return;
    }
    // The character message this key makes next must not type as well.
    Key = 0;
    stateFlags_.Include(sfIgnoreNextChar);
    CommandProcessor(command, '\0', data);
}

void TCustomSynText::KeyUp(WORD& Key, TShiftState Shift)
{
    TAlive alive(this);
    TCustomControl::KeyUp(Key, Shift);
    if (!alive)
        return;
    if (codeFolding_->Enabled())
        UpdateCaretFoldRange();
    kbdHandler_->RunKeyUp(this, Key, Shift);
}

void TCustomSynText::KeyPress(char& Key)
{
    // The bytes of a composed string arrive once more as characters.
    if (imeCount_ > 0) {
        --imeCount_;
        return;
    }
    if (stateFlags_.Contains(sfIgnoreNextChar)) {
        stateFlags_.Exclude(sfIgnoreNextChar);
        return;
    }
    TAlive alive(this);
    TCustomControl::KeyPress(Key);
    if (!alive)
        return;
    kbdHandler_->RunKeyPress(this, Key);
    if (!alive)
        return;
    CommandProcessor(ecChar, Key, nullptr);
}

void TCustomSynText::WMImeComposition(TMessage& Message)
{
    TAlive alive(this);
    if ((static_cast<DWORD>(Message.LParam) & GCS_RESULTSTR) != 0) {
        const HWND window = Handle();
        if (HIMC context = ImmGetContext(window)) {
            TInputContextScope release(window, context);
            const long length = ImmGetCompositionString(context, GCS_RESULTSTR, nullptr, 0);
            if (length > 0) {
                std::vector<char> text(static_cast<size_t>(length) + 1, '\0');
                ImmGetCompositionString(context, GCS_RESULTSTR, text.data(), static_cast<DWORD>(length));
                imeCount_ = static_cast<int>(length);
                CommandProcessor(ecImeStr, '\0', text.data());
            }
        }
    }
    if (alive)
        TCustomControl::Dispatch(Message);
}

void TCustomSynText::WMImeNotify(TMessage& Message)
{
    if (Message.WParam == IMN_SETOPENSTATUS) {
        const HWND window = Handle();
        if (HIMC context = ImmGetContext(window)) {
            TInputContextScope release(window, context);
            const LOGFONT font = Font()->LogFont();
            ImmSetCompositionFont(context, &font);
        }
    }
    TCustomControl::Dispatch(Message);
}
