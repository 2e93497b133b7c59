#include "skin/data/bs_layer_manager.h"

#include <algorithm>

#include "platform/ui/graphics/bitmap.h"
#include "platform/win/layered_window.h"
#include "platform/win/timers.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_class.h"
#include "platform/win/window_lifecycle.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"
#include "skin/data/bs_bitmap.h"
#include "skin/data/bs_platform.h"

namespace {

constexpr const char* LayerWindowClass = "TbsLayerWindow";

LRESULT LayerWindowProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    if (Message == WM_MOUSEACTIVATE)
        return MA_NOACTIVATE;
    return DefWindowProc(Window, Message, WParam, LParam);
}

void RegisterLayerWindowClass()
{
    static const bool registered = [] {
        WNDCLASSEX c;
        c.style = CS_SAVEBITS;
        c.lpfnWndProc = &LayerWindowProc;
        c.lpszClassName = LayerWindowClass;
        return RegisterClassEx(c) != 0;
    }();
    (void)registered;
}

TRect WindowBounds(HWND Window)
{
    TRect r;
    GetWindowRect(Window, &r);
    return r;
}

HWND ZOrderOf(bool TopMost) { return TopMost ? HWND_TOPMOST : HWND_NOTOPMOST; }

}  // namespace

TbsLayerWindow::TbsLayerWindow(const TRect& Bounds)
{
    RegisterLayerWindowClass();
    // Layered from the start: a display picks a window's pixel format when
    // it makes the window (on X11 an ARGB visual), so a style added later
    // would leave the glow an opaque box.
    handle_ = CreateWindowEx(WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TRANSPARENT, LayerWindowClass, "", WS_POPUP,
                             Bounds.Left, Bounds.Top, Bounds.Width(), Bounds.Height(), nullptr, 0, nullptr);
}

TbsLayerWindow::~TbsLayerWindow()
{
    if (handle_)
        DestroyWindow(handle_);
}

int TbsLayerWindow::Left() const { return WindowBounds(handle_).Left; }
int TbsLayerWindow::Top() const { return WindowBounds(handle_).Top; }

TbsLayerManager::TbsLayerManager(TComponent* AOwner) : TComponent(AOwner) {}

TbsLayerManager::~TbsLayerManager()
{
    // The timer goes first: a tick must never reach a manager half destroyed.
    SetTimerEnabled(false);
}

void TbsLayerManager::Show(int X, int Y, TBitmap* Picture, TBitmap* Mask, int Alpha)
{
    // Without a compositor the glow would be an opaque box over the form.
    if (!IsWindows2000() || !LayeredWindowsComposited())
        return;
    if (layerWindow_)
        Hide();
    showing_ = true;
    layerWindow_ = std::make_unique<TbsLayerWindow>(Rect(X, Y, X + Picture->Width(), Y + Picture->Height()));
    HWND handle = layerWindow_->Handle();

    layerBitmap_ = std::make_unique<TbsBitmap>();
    MaskAndPictureToBitmap(Picture, Mask, layerBitmap_.get());
    UpdateLayeredWindowFromBitmap(layerBitmap_.get(), 0, handle);
    SetWindowPos(handle, ZOrderOf(TopMost), X, Y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);

    // A step of Alpha div 10 alone would be 0 for alphas 1 to 9, and such a
    // fade would neither show nor ever stop.
    targetAlpha_ = std::clamp(Alpha, 0, 255);
    alphaStep_ = std::max(1, targetAlpha_ / 10);
    currentAlpha_ = 0;
    SetTimerEnabled(true);
}

void TbsLayerManager::Hide()
{
    if (!IsWindows2000())
        return;
    SetTimerEnabled(false);
    layerBitmap_.reset();
    showing_ = false;
    if (layerWindow_) {
        SetWindowPos(layerWindow_->Handle(), nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
        layerWindow_.reset();
    }
}

void TbsLayerManager::UpdatePosition()
{
    if (!showing_ || !layerWindow_)
        return;
    SetWindowPos(layerWindow_->Handle(), ZOrderOf(TopMost), layerWindow_->Left(), layerWindow_->Top(), 0, 0,
                 SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void TbsLayerManager::TimerStep()
{
    if (!layerBitmap_ || !layerWindow_)
        return;
    currentAlpha_ = std::min(currentAlpha_ + alphaStep_, targetAlpha_);
    UpdateLayeredWindowFromBitmap(layerBitmap_.get(), currentAlpha_, layerWindow_->Handle());
    if (currentAlpha_ == targetAlpha_)
        SetTimerEnabled(false);
}

void TbsLayerManager::SetTimerEnabled(bool Value)
{
    if (Value == (timerId_ != 0))
        return;
    if (Value) {
        timerId_ = SetTimer(nullptr, 0, TimerInterval, TIMERPROC(this, &TbsLayerManager::TimerProc));
    } else {
        KillTimer(nullptr, timerId_);
        timerId_ = 0;
    }
}

void TbsLayerManager::TimerProc(HWND, UINT, UINT_PTR, DWORD) { TimerStep(); }
