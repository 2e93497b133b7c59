// Input method calls: the input context of each window, without a
// composition.
#include "platform/win/ime.h"

#include "platform/win/ime_result.h"
#include "platform/win/window.h"

namespace {

struct TInputContext : TWindowExtension {
    COMPOSITIONFORM Form;
    LOGFONT Font;
    bool FontSet = false;
};

// A window's context is named by the window's own handle, so a context of a
// destroyed window is refused like the window's handle.
TInputContext* ContextOf(HIMC context)
{
    TWindow* window = WindowOf(reinterpret_cast<HWND>(context));
    return window && !window->IsDesktop() ? &WindowExtension<TInputContext>(*window) : nullptr;
}

}  // namespace

HIMC ImmGetContext(HWND Window)
{
    TWindow* window = WindowOf(Window);
    return window && !window->IsDesktop() ? reinterpret_cast<HIMC>(Window) : nullptr;
}

bool ImmReleaseContext(HWND Window, HIMC Context)
{
    return Context && ImmGetContext(Window) == Context;
}

long ImmGetCompositionString(HIMC Context, DWORD Index, void* Buffer, DWORD Bytes)
{
    return Index == GCS_RESULTSTR ? CompositionResult(Context, Buffer, Bytes) : 0;
}

bool ImmSetCompositionWindow(HIMC Context, const COMPOSITIONFORM* Form)
{
    TInputContext* context = ContextOf(Context);
    if (!context || !Form)
        return false;
    context->Form = *Form;
    return true;
}

bool ImmGetCompositionWindow(HIMC Context, COMPOSITIONFORM* Form)
{
    TInputContext* context = ContextOf(Context);
    if (!context || !Form)
        return false;
    *Form = context->Form;
    return true;
}

bool ImmSetCompositionFont(HIMC Context, const LOGFONT* Font)
{
    TInputContext* context = ContextOf(Context);
    if (!context || !Font)
        return false;
    context->Font = *Font;
    context->FontSet = true;
    return true;
}

bool ImmGetCompositionFont(HIMC Context, LOGFONT* Font)
{
    TInputContext* context = ContextOf(Context);
    if (!context || !Font || !context->FontSet)
        return false;
    *Font = context->Font;
    return true;
}

bool ImmNotifyIME(HIMC Context, DWORD, DWORD, DWORD)
{
    return ContextOf(Context) != nullptr;
}

HKL GetKeyboardLayout(DWORD)
{
    return reinterpret_cast<HKL>(uintptr_t{0x08040804});
}

bool ImmIsIME(HKL)
{
    return false;
}
