#include "platform/win/layered_window.h"

#include <algorithm>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/device_context.h"
#include "platform/win/painting_internal.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_styles.h"

namespace {

TWindow* LayeredWindow(HWND handle)
{
    TWindow* window = WindowOf(handle);
    if (!window || !window->IsTopLevel() || !(window->ExStyle & WS_EX_LAYERED))
        return nullptr;
    return window;
}

// A 32-bit copy of Size pixels of the source DC from Point on; what lies
// outside the source's bitmap stays 0 (transparent).
HBITMAP CopyPicture(TDeviceContext& source, TPoint point, TSize size)
{
    auto bitmap = TGdiBitmap::Create(size.cx, size.cy, 32, true, true);
    if (!bitmap)
        return nullptr;
    TSurface from = source.Surface();
    TSurface to = bitmap->Surface();
    TPoint start = source.LPtoSurface(point);
    TRect area = Rect(start.X, start.Y, start.X + size.cx, start.Y + size.cy);
    IntersectRect(area, area, from.Bounds());
    for (int y = area.Top; y < area.Bottom; ++y)
        from.ReadRow(area.Left, y, area.Width(), to.Row32(y - start.Y) + (area.Left - start.X));
    return static_cast<HBITMAP>(AddGdiObject(std::move(bitmap)));
}

}  // namespace

bool SetLayeredWindowAttributes(HWND Window, COLORREF Key, BYTE Alpha, DWORD Flags)
{
    TWindow* window = LayeredWindow(Window);
    if (!window)
        return false;
    if (window->Layered.Image)
        DeleteObject(window->Layered.Image);
    window->Layered = TLayeredAttributes{Flags & (LWA_COLORKEY | LWA_ALPHA), Alpha, Key & 0xFFFFFF, nullptr};
    TPaintState& state = PaintState(*window);
    state.LayeredAttributesSet = true;
    state.ImageFlags = 0;
    return true;
}

bool GetLayeredWindowAttributes(HWND Window, COLORREF* Key, BYTE* Alpha, DWORD* Flags)
{
    TWindow* window = LayeredWindow(Window);
    if (!window || !PaintState(*window).LayeredAttributesSet)
        return false;
    if (Key)
        *Key = window->Layered.Key;
    if (Alpha)
        *Alpha = window->Layered.Alpha;
    if (Flags)
        *Flags = window->Layered.Flags;
    return true;
}

bool UpdateLayeredWindow(HWND Window, HDC, const TPoint* Destination, const TSize* Size, HDC Source,
                         const TPoint* SourcePoint, COLORREF Key, const BLENDFUNCTION* Blend, DWORD Flags)
{
    TWindow* window = LayeredWindow(Window);
    if (!window || PaintState(*window).LayeredAttributesSet)
        return false;
    TSize current{window->Rect.Width(), window->Rect.Height()};
    TSize size = Size ? *Size : current;
    bool resize = size != current;
    TDeviceContext* source = Source ? DeviceContextOf(Source) : nullptr;
    if ((Source && !source) || (!source && (resize || !window->Layered.Image)) || size.cx <= 0 || size.cy <= 0 ||
        size.cx > MaxBackingSize || size.cy > MaxBackingSize)
        return false;
    if (source) {
        HBITMAP picture = CopyPicture(*source, SourcePoint ? *SourcePoint : TPoint{}, size);
        if (!picture)
            return false;
        if (window->Layered.Image)
            DeleteObject(window->Layered.Image);
        window->Layered.Image = picture;
    }
    TPaintState& state = PaintState(*window);
    state.ImageFlags = Flags & (ULW_COLORKEY | ULW_ALPHA | ULW_OPAQUE);
    state.ImageKey = Key & 0xFFFFFF;
    state.ImageBlend = Blend ? *Blend : BLENDFUNCTION();
    if (Destination || resize) {
        TPoint at = Destination ? *Destination : window->Rect.TopLeft();
        UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
        if (!Destination)
            flags |= SWP_NOMOVE;
        if (!resize)
            flags |= SWP_NOSIZE;
        SetWindowPos(Window, nullptr, at.X, at.Y, size.cx, size.cy, flags);
    }
    return true;
}
