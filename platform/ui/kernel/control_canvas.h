// TControlCanvas: a canvas that draws on a control outside painting. It
// makes its device context when drawing first needs one: a DC of the
// control's window, or of the parent's window with the origin at the
// control and clipped to it for a window-less control.
//
// Window DCs are kept between drawing calls. At most a few canvases hold
// one at a time (the oldest gives its DC back when another needs one); all
// are given back by FreeDeviceContexts, which the message loop calls when
// it goes idle, and a canvas gives its DC back when its window goes. While
// painting, the control sets the paint DC as the handle instead.
#pragma once

#include "platform/ui/graphics/canvas.h"
#include "platform/ui/kernel/control.h"
#include "platform/win/win_types.h"

class TControlCanvas : public TCanvas {
public:
    TControlCanvas() = default;
    ~TControlCanvas() override;

    TControl* Control() const { return control_; }
    void SetControl(TControl* Value);
    // Gives the DC this canvas made back to its window.
    void FreeHandle();

protected:
    void CreateHandle() override;

private:
    friend void FreeDeviceContext(HWND Window);
    friend void FreeDeviceContexts();

    TControl* control_ = nullptr;
    HDC deviceContext_ = nullptr;  // made by CreateHandle; the canvas is listed as holding a DC while set
    HWND windowHandle_ = nullptr;  // the window deviceContext_ belongs to
};

// Gives back the DCs every control canvas holds.
void FreeDeviceContexts();

// Lends a paint DC to a control's canvas (locked) for the length of a
// paint, and takes it back even when the paint throws; a control freed
// meanwhile took its canvas with it.
class TCanvasPaintScope {
public:
    TCanvasPaintScope(TControl* Control, TControlCanvas* Canvas, HDC DC);
    ~TCanvasPaintScope();
    TCanvasPaintScope(const TCanvasPaintScope&) = delete;
    TCanvasPaintScope& operator=(const TCanvasPaintScope&) = delete;

private:
    TControlCanvas* canvas_;
    TControl::TAlive alive_;
};
