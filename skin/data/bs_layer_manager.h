// The glow layer of a skin object: a picture with a mask shown around the
// object in a top-level layered window of its own, faded in from alpha 0 to
// a target alpha in steps of a tenth of the target every 25 ms.
#pragma once

#include <memory>

#include "platform/base/component.h"
#include "platform/base/geometry.h"
#include "platform/win/win_types.h"

class TBitmap;
class TbsBitmap;

// A borderless layered popup that never takes activation or mouse input:
// its class keeps the bits below it (CS_SAVEBITS), WS_EX_TRANSPARENT lets
// clicks pass through, and WM_MOUSEACTIVATE answers MA_NOACTIVATE. Made
// hidden; the window goes with the object.
class TbsLayerWindow : public TObject {
public:
    explicit TbsLayerWindow(const TRect& Bounds);
    ~TbsLayerWindow() override;
    TbsLayerWindow(const TbsLayerWindow&) = delete;
    TbsLayerWindow& operator=(const TbsLayerWindow&) = delete;

    HWND Handle() const { return handle_; }
    // The window's place on the screen.
    int Left() const;
    int Top() const;

private:
    HWND handle_ = nullptr;
};

class TbsLayerManager : public TComponent {
public:
    explicit TbsLayerManager(TComponent* AOwner);
    ~TbsLayerManager() override;

    // Shows Picture with Mask's brightness as alpha (both the same size) at
    // the screen point (X, Y), fading in to Alpha (0..255, clamped). A
    // layer already up is hidden first, so the fade starts again from 0.
    // Nothing shows where the display does not compose layered windows.
    void Show(int X, int Y, TBitmap* Picture, TBitmap* Mask, int Alpha);
    void Hide();
    // Re-applies the z-order and shows the window where it is.
    void UpdatePosition();
    // One step of the fade; the timer calls it every 25 ms.
    void TimerStep();

    TbsLayerWindow* LayerWindow() const { return layerWindow_.get(); }
    TbsBitmap* LayerBitmap() const { return layerBitmap_.get(); }
    bool TimerEnabled() const { return timerId_ != 0; }
    int TargetAlpha() const { return targetAlpha_; }
    int CurrentAlpha() const { return currentAlpha_; }
    int AlphaStep() const { return alphaStep_; }
    bool Showing() const { return showing_; }

    // Decides whether the window goes above all non-topmost windows.
    bool TopMost = true;

    static constexpr unsigned TimerInterval = 25;

private:
    void SetTimerEnabled(bool Value);
    void TimerProc(HWND Window, UINT Message, UINT_PTR Id, DWORD Time);

    // Both null while hidden; the window shows the bitmap's pixels.
    std::unique_ptr<TbsLayerWindow> layerWindow_;
    std::unique_ptr<TbsBitmap> layerBitmap_;
    // The thread timer's id; 0 while the fade is idle.
    UINT_PTR timerId_ = 0;
    int targetAlpha_ = 0;
    // Moves from 0 towards targetAlpha_ by alphaStep_, never past it.
    int currentAlpha_ = 0;
    // At least 1, so that every fade ends.
    int alphaStep_ = 0;
    bool showing_ = false;
};
