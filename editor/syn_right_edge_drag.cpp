// The dotted line that follows the mouse while the right edge is dragged,
// drawn straight on the window and taken away by putting back the pixels
// it covered.
#include "editor/syn_custom_text.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/pen.h"

void TCustomSynText::DrawRightEdgeDragLine(int X)
{
    TCanvas* canvas = Canvas();
    const int height = ClientHeight();
    if (lastRightEdgeDragX_ >= 0)
        canvas->CopyRect(Rect(lastRightEdgeDragX_, 0, lastRightEdgeDragX_ + 1, height), rightEdgeBitmap_->Canvas(),
                         Rect(0, 0, 1, height));
    lastRightEdgeDragX_ = X;
    if (X < 0)
        return;
    rightEdgeBitmap_->SetWidth(1);
    rightEdgeBitmap_->SetHeight(height);
    rightEdgeBitmap_->Canvas()->CopyRect(Rect(0, 0, 1, height), canvas, Rect(X, 0, X + 1, height));
    TPen saved;
    saved.Assign(canvas->Pen());
    canvas->Pen()->SetColor(clBlack);
    canvas->Pen()->SetStyle(psDot);
    canvas->Pen()->SetWidth(1);
    canvas->MoveTo(X, 1);
    canvas->LineTo(X, height + 1);
    canvas->Pen()->Assign(&saved);
}
