#include "editor/view/syn_paint_scopes.h"

#include "editor/view/syn_text_drawer.h"
#include "platform/gdi/blit.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"

TSynCanvasSwap::TSynCanvasSwap(TCanvas* Canvas, TBitmap* Bitmap, int Width, int Height)
    : canvas_(Canvas), bitmapCanvas_(Bitmap->Canvas())
{
    Bitmap->SetSize(Width, Height);
    windowDC_ = canvas_->Handle();
    bitmapDC_ = bitmapCanvas_->Handle();
    canvas_->SetHandle(bitmapDC_);
    bitmapCanvas_->SetHandle(windowDC_);
}

TSynCanvasSwap::~TSynCanvasSwap()
{
    bitmapCanvas_->SetHandle(bitmapDC_);
    canvas_->SetHandle(windowDC_);
}

void TSynCanvasSwap::CopyToWindow(const TRect& R) const
{
    if (!IsRectEmpty(R))
        BitBlt(windowDC_, R.Left, R.Top, R.Width(), R.Height(), bitmapDC_, R.Left, R.Top, SRCCOPY);
}

TSynDrawingScope::TSynDrawingScope(TheTextDrawer* Drawer, HDC DC) : drawer_(Drawer) { drawer_->StartDrawing(DC); }

TSynDrawingScope::~TSynDrawingScope() { drawer_->FinishDrawing(); }
