// Brackets around the editor's painting: the editor canvas drawing into the
// off-screen bitmap, and the text drawer drawing on a context. Both undo
// themselves when a paint event throws.
#pragma once

#include "platform/base/geometry.h"
#include "platform/gdi/gdi_object.h"

class TBitmap;
class TCanvas;
class TheTextDrawer;

// Sizes the bitmap to the control and exchanges the contexts of the two
// canvases, so that everything drawn on the editor canvas lands in the
// bitmap; the bitmap's canvas holds the window's context meanwhile.
class TSynCanvasSwap {
public:
    TSynCanvasSwap(TCanvas* Canvas, TBitmap* Bitmap, int Width, int Height);
    ~TSynCanvasSwap();
    TSynCanvasSwap(const TSynCanvasSwap&) = delete;
    TSynCanvasSwap& operator=(const TSynCanvasSwap&) = delete;

    HDC BitmapDC() const { return bitmapDC_; }
    // Copies R (client coordinates) of the bitmap to the window.
    void CopyToWindow(const TRect& R) const;

private:
    TCanvas* canvas_;
    TCanvas* bitmapCanvas_;
    HDC windowDC_;
    HDC bitmapDC_;
};

class TSynDrawingScope {
public:
    TSynDrawingScope(TheTextDrawer* Drawer, HDC DC);
    ~TSynDrawingScope();
    TSynDrawingScope(const TSynDrawingScope&) = delete;
    TSynDrawingScope& operator=(const TSynDrawingScope&) = delete;

private:
    TheTextDrawer* drawer_;
};
