// Top-level windows on the back end, and their backing bitmaps.
#include <algorithm>
#include <cstring>

#include "platform/gdi/bitmap.h"
#include "platform/win/backend.h"
#include "platform/win/window_internal.h"
#include "platform/win/window_styles.h"

namespace {

TSize BackingSize(const TWindow& window)
{
    return {std::clamp(window.Rect.Width(), 0, MaxBackingSize), std::clamp(window.Rect.Height(), 0, MaxBackingSize)};
}

// A new 32-bit top-down bitmap of the window's size that keeps what the
// old one held where they overlap.
void RemakeBacking(TWindow& window)
{
    TSize size = BackingSize(window);
    HBITMAP old = window.Backing;
    auto* oldBitmap = GdiObjectAs<TGdiBitmap>(old);
    if (oldBitmap && oldBitmap->Width() == size.cx && oldBitmap->Height() == size.cy)
        return;
    window.Backing = nullptr;
    if (size.cx > 0 && size.cy > 0) {
        auto bitmap = TGdiBitmap::Create(size.cx, size.cy, 32, true, true);
        if (bitmap && oldBitmap) {
            int rows = std::min(size.cy, oldBitmap->Height());
            size_t bytes = static_cast<size_t>(std::min(size.cx, oldBitmap->Width())) * 4;
            for (int y = 0; y < rows; ++y)
                std::memcpy(bitmap->Bits() + static_cast<ptrdiff_t>(y) * bitmap->Stride(),
                            oldBitmap->Bits() + static_cast<ptrdiff_t>(y) * oldBitmap->Stride(), bytes);
        }
        if (bitmap)
            window.Backing = static_cast<HBITMAP>(AddGdiObject(std::move(bitmap)));
    }
    if (old)
        DeleteObject(old);
}

}  // namespace

void AttachSurface(TWindow& Window)
{
    RemakeBacking(Window);
    Backend().CreateSurface(Window.Handle, Window.Rect, Window.Style, Window.ExStyle);
    auto& siblings = Window.Parent->Children;
    auto it = std::find(siblings.begin(), siblings.end(), &Window);
    Backend().RestackSurface(Window.Handle, it == siblings.begin() ? nullptr : (*(it - 1))->Handle);
    if (!Window.Text.empty())
        Backend().SetSurfaceTitle(Window.Handle, Window.Text);
    if (!Window.Icon.empty())
        Backend().SetSurfaceIcon(Window.Handle, Window.Icon);
    if (Window.Style & WS_VISIBLE)
        Backend().ShowSurface(Window.Handle, false);
}

void DetachSurface(TWindow& Window)
{
    Backend().DestroySurface(Window.Handle);
    if (Window.Backing)
        DeleteObject(Window.Backing);
    Window.Backing = nullptr;
}

void SurfaceChanged(TWindow& Window, const TWindowPosChange& Change)
{
    if (!Window.IsTopLevel())
        return;
    // A minimized window's rectangle is off the screen; its surface keeps
    // its place and becomes the desktop's icon, so the desktop can give it
    // back.
    bool minimized = Window.Style & WS_MINIMIZE;
    if (Window.Rect != Change.OldRect) {
        if (Window.Rect.Width() != Change.OldRect.Width() || Window.Rect.Height() != Change.OldRect.Height())
            RemakeBacking(Window);
        if (!minimized)
            Backend().MoveSurface(Window.Handle, Window.Rect);
    }
    if (Change.Flags & SWP_STATECHANGED) {
        if (minimized)
            Backend().MinimizeSurface(Window.Handle);
        else
            Backend().RestoreSurface(Window.Handle);
    }
    bool visible = Window.Style & WS_VISIBLE;
    if (visible && !Change.WasVisible)
        Backend().ShowSurface(Window.Handle, !(Change.Flags & SWP_NOACTIVATE));
    else if (!visible && Change.WasVisible)
        Backend().HideSurface(Window.Handle);
}
