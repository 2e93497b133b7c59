#include "skin/data/bs_nine_part.h"

#include <algorithm>
#include <optional>

#include "skin/data/bs_piece_copier.h"

namespace {

// Sizes B and answers a copier from the piece R of SB onto it, or nothing
// when there is nothing to draw from or on.
std::optional<TbsPieceCopier> Prepare(TBitmap* B, int Width, int Height, TBitmap* SB, const TRect& R)
{
    B->SetSize(Width, Height);
    if (B->Empty() || !SB || SB->Empty())
        return std::nullopt;
    return TbsPieceCopier(B, SB, R.TopLeft());
}

// The client of the piece into Target (already known to be non-empty).
void DrawClientPart(const TbsPieceCopier& Copier, TBitmap* B, TBitmap* SB, const TRect& R, const TRect& ClRect,
                    const TRect& Target, bool ClientStretch, TbsStretchType StretchType)
{
    int cw = ClRect.Width();
    int ch = ClRect.Height();
    if (cw <= 0 || ch <= 0)
        return;
    if (!ClientStretch) {
        Copier.TileBoth(ClRect, Target);
        return;
    }
    if (StretchType != sthorz && StretchType != stvert) {
        Copier.Stretch(ClRect, Target);
        return;
    }
    // Stretched once along one axis, then repeated along the other.
    TBitmap strip;
    strip.SetSize(StretchType == sthorz ? cw : Target.Width(), StretchType == sthorz ? Target.Height() : ch);
    TRect whole{0, 0, strip.Width(), strip.Height()};
    TbsPieceCopier(&strip, SB, R.TopLeft()).Stretch(ClRect, whole);
    TbsPieceCopier fromStrip(B, &strip, {0, 0});
    if (StretchType == sthorz)
        fromStrip.TileAcross(whole, Target);
    else
        fromStrip.TileDown(whole, Target);
}

// CreateSkinImage, or with View the piece without a right column.
void BuildSkinImage(TPoint LTPt, TPoint RTPt, TPoint LBPt, TPoint RBPt, const TRect& ClRect, TPoint NewLTPt,
                    TPoint NewRTPt, TPoint NewLBPt, TPoint NewRBPt, const TRect& NewClRect, TBitmap* B, TBitmap* SB,
                    const TRect& R, int AW, int AH, bool DrawClient, bool LeftStretch, bool TopStretch,
                    bool RightStretch, bool BottomStretch, bool ClientStretch, TbsStretchType StretchType, bool View)
{
    std::optional<TbsPieceCopier> c = Prepare(B, AW, AH, SB, R);
    if (!c || RBPt.X == LTPt.X || RBPt.Y == LTPt.Y)
        return;
    int RW = R.Width();
    int RH = R.Height();

    c->FillAcross(TopStretch, {LTPt.X, 0, RTPt.X, ClRect.Top}, {NewLTPt.X, 0, View ? AW : NewRTPt.X, NewClRect.Top});
    c->FillAcross(BottomStretch, {LBPt.X, ClRect.Bottom, RBPt.X, RH},
                  {NewLBPt.X, NewClRect.Bottom, View ? AW : NewRBPt.X, AH});
    c->FillDown(LeftStretch, {0, LTPt.Y, ClRect.Left, LBPt.Y}, {0, NewLTPt.Y, NewClRect.Left, NewLBPt.Y});
    if (!View)
        c->FillDown(RightStretch, {ClRect.Right, RTPt.Y, RW, RBPt.Y}, {NewClRect.Right, NewRTPt.Y, AW, NewRBPt.Y});

    // The top band's corner squares belong to the top pieces; at the bottom
    // the left square belongs to the left column's piece and the right one
    // to the bottom band's.
    c->Copy({0, 0, LTPt.X, ClRect.Top}, {0, 0, NewLTPt.X, NewClRect.Top});
    c->Copy({0, ClRect.Top, ClRect.Left, LTPt.Y}, {0, NewClRect.Top, NewClRect.Left, NewLTPt.Y});
    if (!View) {
        c->Copy({RTPt.X, 0, RW, ClRect.Top}, {NewRTPt.X, 0, AW, NewClRect.Top});
        c->Copy({ClRect.Right, ClRect.Top, RW, RTPt.Y}, {NewClRect.Right, NewClRect.Top, AW, NewRTPt.Y});
    }
    c->Copy({0, LBPt.Y, ClRect.Left, RH}, {0, NewLBPt.Y, NewClRect.Left, AH});
    c->Copy({ClRect.Left, ClRect.Bottom, LBPt.X, RH}, {NewClRect.Left, NewClRect.Bottom, NewLBPt.X, AH});
    if (!View) {
        c->Copy({RBPt.X, ClRect.Bottom, RW, RH}, {NewRBPt.X, NewClRect.Bottom, AW, AH});
        c->Copy({ClRect.Right, RBPt.Y, RW, ClRect.Bottom}, {NewClRect.Right, NewRBPt.Y, AW, NewClRect.Bottom});
    }

    TRect client = NewClRect;
    if (View)
        client.Right = AW;
    if (DrawClient && !IsRectEmpty(client))
        DrawClientPart(*c, B, SB, R, ClRect, client, ClientStretch, StretchType);
}

// A horizontal border strip of AW x H (top or bottom) from the source rows
// SrcTop..SrcTop + H: the middle columns MidLeft..MidRight are stretched
// into NewMidLeft..NewMidRight or tiled over the whole strip, then the
// corners are laid over it.
void BuildBandStrip(TBitmap* Strip, int AW, int H, TBitmap* SB, const TRect& R, int SrcTop, int MidLeft, int MidRight,
                    int NewMidLeft, int NewMidRight, bool Stretched)
{
    if (AW <= 0 || H <= 0 || MidRight - MidLeft <= 0)
        return;
    Strip->SetSize(AW, H);
    TbsPieceCopier c(Strip, SB, R.TopLeft());
    int bottom = SrcTop + H;
    if (Stretched)
        c.Stretch({MidLeft, SrcTop, MidRight, bottom}, {NewMidLeft, 0, NewMidRight, H});
    else
        c.TileAcross({MidLeft, SrcTop, MidRight, bottom}, {0, 0, AW, H});
    c.Copy({0, SrcTop, MidLeft, bottom}, {0, 0, NewMidLeft, H});
    c.Copy({MidRight, SrcTop, R.Width(), bottom}, {NewMidRight, 0, AW, H});
}

// The middle of a three-part piece: the columns (rows) between the fixed
// parts, at least one wide.
int MiddleLength(int Length, int Before, int After) { return std::max(1, Length - Before - After); }

}  // namespace

void CreateSkinImage(TPoint LTPt, TPoint RTPt, TPoint LBPt, TPoint RBPt, const TRect& ClRect, TPoint NewLTPt,
                     TPoint NewRTPt, TPoint NewLBPt, TPoint NewRBPt, const TRect& NewClRect, TBitmap* B, TBitmap* SB,
                     const TRect& R, int AW, int AH, bool DrawClient, bool LeftStretch, bool TopStretch,
                     bool RightStretch, bool BottomStretch, bool ClientStretch, TbsStretchType StretchType)
{
    BuildSkinImage(LTPt, RTPt, LBPt, RBPt, ClRect, NewLTPt, NewRTPt, NewLBPt, NewRBPt, NewClRect, B, SB, R, AW, AH,
                   DrawClient, LeftStretch, TopStretch, RightStretch, BottomStretch, ClientStretch, StretchType, false);
}

void CreateSkinImageForWindow(TPoint LTPt, TPoint RTPt, TPoint LBPt, TPoint RBPt, const TRect& ClRect,
                              TPoint NewLTPt, TPoint NewRTPt, TPoint NewLBPt, TPoint NewRBPt, const TRect& NewClRect,
                              TBitmap* B, TBitmap* SB, const TRect& R, int AW, int AH, bool DrawClient,
                              bool LeftStretch, bool TopStretch, bool RightStretch, bool BottomStretch,
                              bool ClientStretch, TbsStretchType StretchType)
{
    BuildSkinImage(LTPt, RTPt, LBPt, RBPt, ClRect, NewLTPt, NewRTPt, NewLBPt, NewRBPt, NewClRect, B, SB, R, AW, AH,
                   DrawClient, LeftStretch, TopStretch, RightStretch, BottomStretch, ClientStretch, StretchType, false);
}

void CreateSkinImageForView(TPoint LTPt, TPoint RTPt, TPoint LBPt, TPoint RBPt, const TRect& ClRect, TPoint NewLTPt,
                            TPoint NewRTPt, TPoint NewLBPt, TPoint NewRBPt, const TRect& NewClRect, TBitmap* B,
                            TBitmap* SB, const TRect& R, int AW, int AH, bool DrawClient, bool LeftStretch,
                            bool TopStretch, bool RightStretch, bool BottomStretch, bool ClientStretch,
                            TbsStretchType StretchType)
{
    BuildSkinImage(LTPt, RTPt, LBPt, RBPt, ClRect, NewLTPt, NewRTPt, NewLBPt, NewRBPt, NewClRect, B, SB, R, AW, AH,
                   DrawClient, LeftStretch, TopStretch, RightStretch, BottomStretch, ClientStretch, StretchType, true);
}

void CreateSkinImageByOffsets(TBitmap* B, TBitmap* SB, const TRect& R, const TRect& ClRect, bool DrawClient)
{
    int AW = B->Width();
    int AH = B->Height();
    TRect newCl{ClRect.Left, ClRect.Top, AW - (R.Width() - ClRect.Right), AH - (R.Height() - ClRect.Bottom)};
    CreateSkinImage({ClRect.Left, ClRect.Top}, {ClRect.Right, ClRect.Top}, {ClRect.Left, ClRect.Bottom},
                    {ClRect.Right, ClRect.Bottom}, ClRect, {newCl.Left, newCl.Top}, {newCl.Right, newCl.Top},
                    {newCl.Left, newCl.Bottom}, {newCl.Right, newCl.Bottom}, newCl, B, SB, R, AW, AH, DrawClient, true,
                    true, true, true, true, stfull);
}

void CreateSkinBorderImages(TPoint LTPt, TPoint RTPt, TPoint LBPt, TPoint RBPt, const TRect& ClRect, TPoint NewLTPt,
                            TPoint NewRTPt, TPoint NewLBPt, TPoint NewRBPt, const TRect& NewClRect, TBitmap* LeftB,
                            TBitmap* TopB, TBitmap* RightB, TBitmap* BottomB, TBitmap* SB, const TRect& R, int AW,
                            int AH, bool LeftStretch, bool TopStretch, bool RightStretch, bool BottomStretch)
{
    if (!SB || SB->Empty())
        return;
    int bottomH = AH - NewClRect.Bottom;
    BuildBandStrip(TopB, AW, NewClRect.Top, SB, R, 0, LTPt.X, RTPt.X, NewLTPt.X, NewRTPt.X, TopStretch);
    BuildBandStrip(BottomB, AW, bottomH, SB, R, R.Height() - bottomH, LBPt.X, RBPt.X, NewLBPt.X, NewRBPt.X,
                   BottomStretch);
    // The sides fill what the top and bottom strips leave, as they stand now.
    int h = AH - TopB->Height() - BottomB->Height();
    if (LBPt.Y - LTPt.Y > 0)
        DrawSideStrip(LeftB, NewClRect.Left, h, SB, R.TopLeft(), 0, NewClRect.Left, LTPt.Y, LBPt.Y, ClRect.Top,
                      ClRect.Bottom, LeftStretch);
    if (RBPt.Y - RTPt.Y > 0)
        DrawSideStrip(RightB, AW - NewClRect.Right, h, SB, R.TopLeft(), ClRect.Right, R.Width(), RTPt.Y, RBPt.Y,
                      ClRect.Top, ClRect.Bottom, RightStretch);
}

void CreateHSkinImage(int LO, int RO, TBitmap* B, TBitmap* SB, const TRect& R, int AW, int, bool Stretch)
{
    int RW = R.Width();
    int RH = R.Height();
    std::optional<TbsPieceCopier> c = Prepare(B, AW, RH, SB, R);
    if (!c)
        return;
    c->Copy({0, 0, LO, RH}, {0, 0, LO, RH});
    c->Copy({RW - RO, 0, RW, RH}, {AW - RO, 0, AW, RH});
    c->FillAcross(Stretch, {LO, 0, LO + MiddleLength(RW, LO, RO), RH}, {LO, 0, AW - RO, RH});
}

void CreateHSkinImageLeftFixed(int LO, int RO, TBitmap* B, TBitmap* SB, const TRect& R, int AW, int, bool Stretch)
{
    int RH = R.Height();
    std::optional<TbsPieceCopier> c = Prepare(B, AW, RH, SB, R);
    if (!c)
        return;
    c->Copy({0, 0, LO, RH}, {0, 0, LO, RH});
    c->FillAcross(Stretch, {LO, 0, LO + MiddleLength(R.Width(), LO, RO), RH}, {LO, 0, AW, RH});
}

void CreateHSkinMiddleImage(int LO, int RO, TBitmap* B, TBitmap* SB, const TRect& R, int AW, int, bool Stretch)
{
    int RH = R.Height();
    std::optional<TbsPieceCopier> c = Prepare(B, AW, RH, SB, R);
    if (!c)
        return;
    c->FillAcross(Stretch, {LO, 0, LO + MiddleLength(R.Width(), LO, RO), RH}, {0, 0, AW, RH});
}

void CreateVSkinImage(int TO, int BO, TBitmap* B, TBitmap* SB, const TRect& R, int, int AH, bool Stretch)
{
    int RW = R.Width();
    int RH = R.Height();
    std::optional<TbsPieceCopier> c = Prepare(B, RW, AH, SB, R);
    if (!c)
        return;
    c->Copy({0, 0, RW, TO}, {0, 0, RW, TO});
    c->Copy({0, RH - BO, RW, RH}, {0, AH - BO, RW, AH});
    c->FillDown(Stretch, {0, TO, RW, TO + MiddleLength(RH, TO, BO)}, {0, TO, RW, AH - BO});
}

void DrawGlyph(TCanvas* Canvas, int X, int Y, TBitmap* Glyph, int NumGlyphs, int Index)
{
    if (!Glyph || Glyph->Empty())
        return;
    int w = Glyph->Width() / std::max(NumGlyphs, 1);
    int h = Glyph->Height();
    if (w <= 0)
        return;
    TBitmap cell;
    cell.SetSize(w, h);
    cell.Canvas()->CopyRect({0, 0, w, h}, Glyph->Canvas(), {(Index - 1) * w, 0, Index * w, h});
    cell.SetTransparent(true);
    Canvas->Draw(X, Y, &cell);
}
