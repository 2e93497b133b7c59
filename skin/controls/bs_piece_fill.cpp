#include "skin/controls/bs_piece_fill.h"

#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"

namespace {

// Piece laid from Area's top-left, one copy past Area's right and bottom
// edges (the canvas clips them), stepping StepX and StepY; a step of 0 draws
// that way once.
void TilePiece(TCanvas* Canvas, TBitmap& Piece, const TRect& Area, int StepX, int StepY)
{
    int columns = StepX > 0 ? Area.Width() / StepX : 0;
    int rows = StepY > 0 ? Area.Height() / StepY : 0;
    for (int j = 0; j <= rows; ++j)
        for (int i = 0; i <= columns; ++i)
            Canvas->Draw(Area.Left + i * StepX, Area.Top + j * StepY, &Piece);
}

// Piece stretched to AW x AH.
void StretchInto(TBitmap& Target, TBitmap& Piece, int AW, int AH)
{
    Target.SetSize(AW, AH);
    Target.Canvas()->StretchDraw(Rect(0, 0, AW, AH), &Piece);
}

}  // namespace

void CopyPiece(TBitmap& Piece, TBitmap* Picture, const TRect& Source)
{
    int w = Source.Width();
    int h = Source.Height();
    if (w < 1 || h < 1 || !Picture) {
        Piece.SetSize(0, 0);
        return;
    }
    Piece.SetSize(w, h);
    Piece.Canvas()->CopyRect(Rect(0, 0, w, h), Picture->Canvas(), Source);
}

void FillWithPiece(TCanvas* Canvas, TBitmap& Piece, const TRect& Area, bool Stretch, TbsStretchType StretchType)
{
    int pw = Piece.Width();
    int ph = Piece.Height();
    // A piece of no size would never advance the tiling.
    if (pw < 1 || ph < 1 || Area.Width() < 1 || Area.Height() < 1)
        return;
    if (!Stretch) {
        TilePiece(Canvas, Piece, Area, pw, ph);
    } else if (StretchType == stfull) {
        Canvas->StretchDraw(Area, &Piece);
    } else {
        TBitmap stretched;
        if (StretchType == sthorz) {
            StretchInto(stretched, Piece, pw, Area.Height());
            TilePiece(Canvas, stretched, Area, pw, 0);
        } else {
            StretchInto(stretched, Piece, Area.Width(), ph);
            TilePiece(Canvas, stretched, Area, 0, ph);
        }
    }
}
