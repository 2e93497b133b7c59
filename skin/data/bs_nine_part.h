// Nine-part skin image builders: a rectangle R of a skin picture SB, painted
// at one size, laid out at another. Corners stay unscaled; edge middles and
// the client are stretched or tiled as the skin's flags say.
//
// Source coordinates (corner points, ClRect) are relative to R's top-left;
// the New ones are the same points in the target of AW x AH. The corner
// points mark where each edge's repeatable middle starts and ends: the top
// middle is columns LTPt.X..RTPt.X of the top band, the bottom middle
// LBPt.X..RBPt.X of the bottom band, the left middle rows LTPt.Y..LBPt.Y of
// the left column, the right middle rows RTPt.Y..RBPt.Y of the right column.
//
// Stretching is nearest-neighbour. Tiling lays whole copies of the source
// from the span's start and cuts the last one at the span's end, keeping the
// source's scale. Pieces of zero or negative size in the picture or in the
// target are skipped, so sizes from a broken skin never divide by zero or
// mirror. Target rectangles past the bitmap are clipped by the platform.
#pragma once

#include "platform/base/geometry.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"

// How a stretched client is filled: both ways, or stretched along one axis
// and repeated along the other. The values are those the skin stores.
enum TbsStretchType { stfull = 0, sthorz = 1, stvert = 2 };

// B becomes AW x AH; the edges, the corners and (with DrawClient) the client
// are drawn into it. Nothing is drawn when RBPt.X = LTPt.X, RBPt.Y = LTPt.Y
// or SB is empty.
void CreateSkinImage(TPoint LTPt, TPoint RTPt, TPoint LBPt, TPoint RBPt, const TRect& ClRect, TPoint NewLTPt,
                     TPoint NewRTPt, TPoint NewLBPt, TPoint NewRBPt, const TRect& NewClRect, TBitmap* B, TBitmap* SB,
                     const TRect& R, int AW, int AH, bool DrawClient, bool LeftStretch, bool TopStretch,
                     bool RightStretch, bool BottomStretch, bool ClientStretch, TbsStretchType StretchType);

// The window image of popup menus, the images menu and the hint window: the
// same image as CreateSkinImage.
void CreateSkinImageForWindow(TPoint LTPt, TPoint RTPt, TPoint LBPt, TPoint RBPt, const TRect& ClRect,
                              TPoint NewLTPt, TPoint NewRTPt, TPoint NewLBPt, TPoint NewRBPt, const TRect& NewClRect,
                              TBitmap* B, TBitmap* SB, const TRect& R, int AW, int AH, bool DrawClient,
                              bool LeftStretch, bool TopStretch, bool RightStretch, bool BottomStretch,
                              bool ClientStretch, TbsStretchType StretchType);

// A piece without a right column: the top and bottom middles and the client
// reach the target's right side; only the left corners are copied.
void CreateSkinImageForView(TPoint LTPt, TPoint RTPt, TPoint LBPt, TPoint RBPt, const TRect& ClRect, TPoint NewLTPt,
                            TPoint NewRTPt, TPoint NewLBPt, TPoint NewRBPt, const TRect& NewClRect, TBitmap* B,
                            TBitmap* SB, const TRect& R, int AW, int AH, bool DrawClient, bool LeftStretch,
                            bool TopStretch, bool RightStretch, bool BottomStretch, bool ClientStretch,
                            TbsStretchType StretchType);

// B keeps its size; the corner points are the corners of ClRect (in R's own
// coordinates), the borders keep their thickness, and every edge and the
// client are stretched.
void CreateSkinImageByOffsets(TBitmap* B, TBitmap* SB, const TRect& R, const TRect& ClRect, bool DrawClient);

// The four border strips of a frame of AW x AH whose client the caller
// draws itself: TopB is AW x NewClRect.Top, BottomB AW x (AH -
// NewClRect.Bottom), LeftB and RightB as high as what the top and bottom
// strips leave. A strip whose size or edge middle is not positive is left
// as it was.
void CreateSkinBorderImages(TPoint LTPt, TPoint RTPt, TPoint LBPt, TPoint RBPt, const TRect& ClRect, TPoint NewLTPt,
                            TPoint NewRTPt, TPoint NewLBPt, TPoint NewRBPt, const TRect& NewClRect, TBitmap* LeftB,
                            TBitmap* TopB, TBitmap* RightB, TBitmap* BottomB, TBitmap* SB, const TRect& R, int AW,
                            int AH, bool LeftStretch, bool TopStretch, bool RightStretch, bool BottomStretch);

// Three-part builders. B becomes AW x (height of R): fixed left part LO wide
// and right part RO wide, the middle (at least one column) stretched or
// tiled between them. AH is not used.
void CreateHSkinImage(int LO, int RO, TBitmap* B, TBitmap* SB, const TRect& R, int AW, int AH, bool Stretch);
// The same without the right part: the middle reaches the right side.
void CreateHSkinImageLeftFixed(int LO, int RO, TBitmap* B, TBitmap* SB, const TRect& R, int AW, int AH, bool Stretch);
// Only the middle, over the whole width.
void CreateHSkinMiddleImage(int LO, int RO, TBitmap* B, TBitmap* SB, const TRect& R, int AW, int AH, bool Stretch);
// B becomes (width of R) x AH: fixed top TO and bottom BO rows, the middle
// stretched or tiled between them. AW is not used.
void CreateVSkinImage(int TO, int BO, TBitmap* B, TBitmap* SB, const TRect& R, int AW, int AH, bool Stretch);

// Cell Index (from 1) of a horizontal strip of NumGlyphs glyphs, drawn at
// (X, Y) with its bottom-left pixel's colour transparent. NumGlyphs below 1
// counts as 1.
void DrawGlyph(TCanvas* Canvas, int X, int Y, TBitmap* Glyph, int NumGlyphs, int Index);
