// TranslateMessage: the characters of key messages. The back end tells
// what text a key typed; the text waits beside the key-down message it
// came with until the message loop translates that message, and the key's
// characters can be taken back while the key is being handled.
#include <deque>

#include "platform/win/input_internal.h"
#include "platform/win/message_queue.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_internal.h"

namespace {

struct TKeyText {
    MSG Key;
    AnsiString Text;
    std::u32string Untypable;
};

// Oldest first. A key message that is never translated leaves its text
// here until newer ones push it out.
std::deque<TKeyText>& PendingTexts()
{
    static std::deque<TKeyText> texts;
    return texts;
}

constexpr size_t MaxPendingTexts = 64;

// The characters the key message translated last queued: posted just
// before the key is dispatched, they wait behind it until the key has
// been handled.
struct TTranslatedKey {
    HWND Window = nullptr;
    UINT CharMessage = 0;
    LPARAM KeyData = 0;
    AnsiString Text;
    std::u32string Untypable;
};

TTranslatedKey& LastTranslated()
{
    static TTranslatedKey key;
    return key;
}

bool SameMessage(const MSG& a, const MSG& b)
{
    return a.hwnd == b.hwnd && a.message == b.message && a.wParam == b.wParam && a.lParam == b.lParam &&
           a.time == b.time;
}

}  // namespace

void RememberKeyText(const MSG& Msg, const AnsiString& Text, std::u32string_view Untypable)
{
    auto& texts = PendingTexts();
    if (texts.size() == MaxPendingTexts)
        texts.pop_front();
    texts.push_back({Msg, Text, std::u32string(Untypable)});
}

bool TranslateKeyMessage(const MSG& Msg)
{
    if (Msg.message != WM_KEYDOWN && Msg.message != WM_SYSKEYDOWN)
        return false;
    auto& texts = PendingTexts();
    for (auto it = texts.begin(); it != texts.end(); ++it) {
        if (!SameMessage(it->Key, Msg))
            continue;
        AnsiString text = std::move(it->Text);
        std::u32string untypable = std::move(it->Untypable);
        texts.erase(it);
        UINT charMessage = Msg.message == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR;
        // One message per byte: a double-byte character comes lead byte first.
        for (char c : text)
            PostMessage(Msg.hwnd, charMessage, static_cast<BYTE>(c), Msg.lParam);
        for (char32_t c : untypable)
            PostMessage(Msg.hwnd, WM_UNICHAR, c, Msg.lParam);
        LastTranslated() = {Msg.hwnd, charMessage, Msg.lParam, std::move(text), std::move(untypable)};
        return true;
    }
    return false;
}

void DiscardKeyCharacters(HWND Window, LPARAM KeyData)
{
    TTranslatedKey& last = LastTranslated();
    if (last.Window != Window || last.KeyData != KeyData)
        return;
    for (char c : last.Text)
        RemovePostedMessage(Window, last.CharMessage, static_cast<BYTE>(c), KeyData);
    for (char32_t c : last.Untypable)
        RemovePostedMessage(Window, WM_UNICHAR, c, KeyData);
    last = {};
}
