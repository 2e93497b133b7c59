// The X11 back end's input method (XIM, as the desktop's Chinese input
// methods offer it): one input context per surface, and the composition
// window kept at the focus window's composition form or caret.
#include <clocale>
#include <string>

#include "platform/win/caret.h"
#include "platform/win/ime.h"
#include "platform/win/window.h"
#include "platform/win/window_coords.h"
#include "platform/win/x11_internal.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

void TX11Backend::OpenInputMethod()
{
    // Xlib binds an input method to the locale in force when it opens, and
    // only the user's locale names the input method server; the program's
    // own locale is left as it was.
    std::string saved = std::setlocale(LC_CTYPE, nullptr);
    if (std::setlocale(LC_CTYPE, "") && XSupportsLocale()) {
        XSetLocaleModifiers("");
        inputMethod_ = XOpenIM(display_, nullptr, nullptr, nullptr);
    }
    std::setlocale(LC_CTYPE, saved.c_str());
    if (!inputMethod_)
        return;
    XIMStyles* styles = nullptr;
    if (XGetIMValues(inputMethod_, XNQueryInputStyle, &styles, nullptr) || !styles) {
        XCloseIM(inputMethod_);
        inputMethod_ = nullptr;
        return;
    }
    // The input method draws the composition where we say (over the
    // spot) when it can, else wherever it likes.
    const XIMStyle preferred[] = {XIMPreeditPosition | XIMStatusNothing, XIMPreeditNothing | XIMStatusNothing,
                                  XIMPreeditNone | XIMStatusNone};
    for (XIMStyle style : preferred) {
        for (unsigned short i = 0; i < styles->count_styles && !inputStyle_; ++i)
            if (styles->supported_styles[i] == style)
                inputStyle_ = style;
        if (inputStyle_)
            break;
    }
    XFree(styles);
    if (!inputStyle_) {
        XCloseIM(inputMethod_);
        inputMethod_ = nullptr;
    }
}

void TX11Backend::CloseInputMethod()
{
    if (inputMethod_)
        XCloseIM(inputMethod_);
    inputMethod_ = nullptr;
}

void TX11Backend::CreateInputContext(TX11Surface& Surface)
{
    if (!inputMethod_ || Surface.OverrideRedirect)
        return;
    if (inputStyle_ & XIMPreeditPosition) {
        XPoint spot{0, 0};
        XVaNestedList preedit = XVaCreateNestedList(0, XNSpotLocation, &spot, nullptr);
        Surface.InputContext = XCreateIC(inputMethod_, XNInputStyle, inputStyle_, XNClientWindow, Surface.XWindow,
                                         XNFocusWindow, Surface.XWindow, XNPreeditAttributes, preedit, nullptr);
        XFree(preedit);
    } else {
        Surface.InputContext = XCreateIC(inputMethod_, XNInputStyle, inputStyle_, XNClientWindow, Surface.XWindow,
                                         XNFocusWindow, Surface.XWindow, nullptr);
    }
    if (!Surface.InputContext)
        return;
    // The input method may want more events than we ask for.
    long wanted = 0;
    XGetICValues(Surface.InputContext, XNFilterEvents, &wanted, nullptr);
    XWindowAttributes attributes;
    XGetWindowAttributes(display_, Surface.XWindow, &attributes);
    XSelectInput(display_, Surface.XWindow, attributes.your_event_mask | wanted);
}

void TX11Backend::DestroyInputContext(TX11Surface& Surface)
{
    if (Surface.InputContext)
        XDestroyIC(Surface.InputContext);
    Surface.InputContext = nullptr;
}

void TX11Backend::SyncCompositionSpot()
{
    if (!(inputStyle_ & XIMPreeditPosition))
        return;
    HWND focus = InputState().Focus;
    TWindow* window = WindowOf(focus);
    if (!window)
        return;
    TX11Surface* surface = FindSurface(window->Root()->Handle);
    if (!surface || !surface->InputContext)
        return;
    // The window's own composition form first, else its caret.
    TPoint spot;
    COMPOSITIONFORM form;
    HIMC context = ImmGetContext(focus);
    bool placed = context && ImmGetCompositionWindow(context, &form) && form.dwStyle != CFS_DEFAULT;
    if (context)
        ImmReleaseContext(focus, context);
    if (placed)
        spot = form.ptCurrentPos;
    else if (!GetCaretPos(&spot))
        return;
    ClientToScreen(focus, &spot);
    spot = {spot.X - surface->Bounds.Left, spot.Y - surface->Bounds.Top};
    if (spot == surface->Spot)
        return;
    surface->Spot = spot;
    XPoint at{static_cast<short>(spot.X), static_cast<short>(spot.Y)};
    XVaNestedList preedit = XVaCreateNestedList(0, XNSpotLocation, &at, nullptr);
    XSetICValues(surface->InputContext, XNPreeditAttributes, preedit, nullptr);
    XFree(preedit);
}
