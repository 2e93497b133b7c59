// Filling an area with one piece of a skin picture: tiled from the area's
// top-left, or stretched by the skin's stretch type. The panels fill their
// client parts and background pictures with it.
#pragma once

#include "platform/base/geometry.h"
#include "skin/data/bs_nine_part.h"

class TBitmap;
class TCanvas;

// Piece becomes Source's part of Picture (picture coordinates); an empty
// bitmap when Source has no size.
void CopyPiece(TBitmap& Piece, TBitmap* Picture, const TRect& Source);

// Area covered with Piece: tiled without Stretch; with it, stfull stretches
// it over Area, sthorz stretches it to Area's height and tiles it across,
// stvert to Area's width and tiles it down. A piece or area of no size
// draws nothing, so the caller's background shows.
void FillWithPiece(TCanvas* Canvas, TBitmap& Piece, const TRect& Area, bool Stretch, TbsStretchType StretchType);
