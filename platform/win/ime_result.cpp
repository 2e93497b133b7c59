// The result string of a composition a test played, and the default
// handling that types it.
#include "platform/win/ime_result.h"

#include <algorithm>
#include <cstring>

#include "platform/base/code_page.h"
#include "platform/win/focus.h"
#include "platform/win/message_queue.h"
#include "platform/win/win_messages.h"
#include "platform/win/window.h"
#include "platform/win/window_proc.h"

namespace {

struct TCompositionResult : TWindowExtension {
    AnsiString Text;
};

// The context of a live window, named by the window's handle as ime.cpp
// names it.
TCompositionResult* ResultOf(HWND Window)
{
    TWindow* window = WindowOf(Window);
    return window && !window->IsDesktop() ? &WindowExtension<TCompositionResult>(*window) : nullptr;
}

WPARAM CharCode(const AnsiString& Text, size_t Start, size_t Length)
{
    const auto lead = static_cast<unsigned char>(Text[Start]);
    return Length > 1 ? (WPARAM{lead} << 8) | static_cast<unsigned char>(Text[Start + 1]) : WPARAM{lead};
}

LRESULT DefImeComposition(HWND window, UINT, WPARAM, LPARAM lParam)
{
    TCompositionResult* result = ResultOf(window);
    if (!result || (static_cast<DWORD>(lParam) & GCS_RESULTSTR) == 0)
        return 0;
    // A copy: the window may compose again while it hears the characters.
    const AnsiString text = result->Text;
    for (size_t i = 0; i < text.size();) {
        const size_t length = CharLengthAt(text, i);
        SendMessage(window, WM_IME_CHAR, CharCode(text, i, length), 1);
        i += length;
    }
    return 0;
}

LRESULT DefImeChar(HWND window, UINT, WPARAM wParam, LPARAM lParam)
{
    if (wParam > 0xFF)
        PostMessage(window, WM_CHAR, (wParam >> 8) & 0xFF, lParam);
    PostMessage(window, WM_CHAR, wParam & 0xFF, lParam);
    return 0;
}

const TDefWindowProcRegistration registration{{WM_IME_COMPOSITION}, DefImeComposition};
const TDefWindowProcRegistration charRegistration{{WM_IME_CHAR}, DefImeChar};

}  // namespace

void InjectImeResult(const AnsiString& Text)
{
    const HWND focus = GetFocus();
    TCompositionResult* result = ResultOf(focus);
    if (!result || Text.empty())
        return;
    result->Text = Text;
    const size_t last = CharStartOf(Text, Text.size() - 1);
    PostMessage(focus, WM_IME_COMPOSITION, CharCode(Text, last, Text.size() - last), GCS_RESULTSTR);
}

long CompositionResult(HIMC Context, void* Buffer, DWORD Bytes)
{
    const TCompositionResult* result = ResultOf(reinterpret_cast<HWND>(Context));
    if (!result)
        return 0;
    const AnsiString& text = result->Text;
    if (Bytes == 0 || !Buffer)
        return static_cast<long>(text.size());
    const size_t count = std::min<size_t>(text.size(), Bytes);
    std::memcpy(Buffer, text.data(), count);
    return static_cast<long>(count);
}
