// Painting a windowed control: its own client area, then its window-less
// children on top, directly or through an off-screen bitmap.
#include "platform/gdi/bitmap.h"
#include "platform/gdi/blit.h"
#include "platform/gdi/clipping.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/drawing.h"
#include "platform/gdi/mapping.h"
#include "platform/gdi/regions.h"
#include "platform/ui/kernel/controls_messages.h"
#include "platform/ui/kernel/win_control.h"
#include "platform/win/paint.h"
#include "platform/win/window_dc.h"

namespace {

// The DC to paint with: the one a message brought, else BeginPaint's,
// ended on the way out whatever happens in between.
class TPaintDC {
public:
    TPaintDC(HWND Window, HDC Given) : window_(Window), dc_(Given)
    {
        if (!dc_) {
            dc_ = BeginPaint(window_, &paint_);
            began_ = true;
        }
    }
    ~TPaintDC()
    {
        if (began_)
            EndPaint(window_, &paint_);
    }
    TPaintDC(const TPaintDC&) = delete;
    TPaintDC& operator=(const TPaintDC&) = delete;
    HDC DC() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
    PAINTSTRUCT paint_;
    bool began_ = false;
};

// A memory DC holding a bitmap of the given size, freed with it.
class TOffscreen {
public:
    TOffscreen(int Width, int Height)
    {
        HDC screen = GetDC(nullptr);
        bitmap_ = CreateCompatibleBitmap(screen, Width, Height);
        ReleaseDC(nullptr, screen);
        dc_ = CreateCompatibleDC(nullptr);
        previous_ = SelectObject(dc_, bitmap_);
    }
    ~TOffscreen()
    {
        SelectObject(dc_, previous_);
        DeleteDC(dc_);
        DeleteObject(bitmap_);
    }
    TOffscreen(const TOffscreen&) = delete;
    TOffscreen& operator=(const TOffscreen&) = delete;
    HDC DC() const { return dc_; }

private:
    HBITMAP bitmap_ = nullptr;
    HDC dc_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

}  // namespace

void TWinControl::WMPaint(TMessage& Message)
{
    TWMPaint paint(Message);
    TRect client = ClientRect();
    if (!doubleBuffered_ || paint.DC() || IsRectEmpty(client)) {
        if (!controlState_.Contains(csCustomPaint) && ControlCount() == 0)
            DefaultHandler(Message);
        else
            PaintHandler(Message);
        return;
    }
    TOffscreen memory(client.Right, client.Bottom);
    TPaintDC dc(handle_, nullptr);
    TAlive alive(this);
    // wParam equal to lParam tells WM_ERASEBKGND it erases the bitmap.
    Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory.DC()), reinterpret_cast<LPARAM>(memory.DC()));
    if (!alive)
        return;
    Message.WParam = reinterpret_cast<WPARAM>(memory.DC());
    WMPaint(Message);
    Message.WParam = 0;
    BitBlt(dc.DC(), 0, 0, client.Right, client.Bottom, memory.DC(), 0, 0, SRCCOPY);
}

void TWinControl::PaintHandler(TMessage& Message)
{
    TPaintDC paint(handle_, TWMPaint(Message).DC());
    HDC dc = paint.DC();
    TAlive alive(this);
    if (controls_.empty()) {
        PaintWindow(dc);
    } else {
        int saved = SaveDC(dc);
        int clip = SIMPLEREGION;
        for (TControl* control : controls_) {
            if (control->visible_ && control->ControlStyle().Contains(csOpaque)) {
                clip = ExcludeClipRect(dc, control->left_, control->top_, control->left_ + control->width_,
                                       control->top_ + control->height_);
                if (clip == NULLREGION)
                    break;
            }
        }
        if (clip != NULLREGION)
            PaintWindow(dc);
        RestoreDC(dc, saved);
    }
    if (alive)
        PaintControls(dc, nullptr);
}

void TWinControl::PaintControls(HDC DC, TControl* First)
{
    size_t start = 0;
    if (First)
        for (size_t i = 0; i < controls_.size(); ++i)
            if (controls_[i] == First)
                start = i;
    TRect clip;
    if (GetClipBox(DC, &clip) == NULLREGION)
        return;
    TAlive alive(this);
    for (size_t i = start; alive && i < controls_.size(); ++i) {
        TControl* control = controls_[i];
        TRect bounds = control->BoundsRect();
        TRect visible;
        if (!control->visible_ || !IntersectRect(visible, bounds, clip))
            continue;
        if (controlState_.Contains(csPaintCopy))
            control->controlState_.Include(csPaintCopy);
        int saved = SaveDC(DC);
        OffsetWindowOrgEx(DC, -control->left_, -control->top_, nullptr);
        IntersectClipRect(DC, 0, 0, control->width_, control->height_);
        TAlive controlAlive(control);
        control->Perform(WM_PAINT, reinterpret_cast<WPARAM>(DC), 0);
        RestoreDC(DC, saved);
        if (controlAlive)
            control->controlState_.Exclude(csPaintCopy);
    }
}

void TWinControl::PaintWindow(HDC DC)
{
    // DefWindowProc paints nothing; a wrapped window class paints itself.
    if (!defWndProc_)
        return;
    TMessage message{WM_PAINT, reinterpret_cast<WPARAM>(DC), 0, 0};
    DefaultHandler(message);
}

void TWinControl::WMEraseBkgnd(TMessage& Message)
{
    // Erasing before an off-screen paint would only flicker: only the
    // off-screen bitmap (wParam equal to lParam) is erased then.
    bool toBitmap = Message.WParam == static_cast<WPARAM>(Message.LParam);
    if (!ControlStyle().Contains(csOpaque) && (!doubleBuffered_ || toBitmap)) {
        TRect client = ClientRect();
        FillRect(TWMEraseBkgnd(Message).DC(), &client, brush_->Handle());
    }
    Message.Result = 1;
}
