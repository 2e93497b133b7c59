// The skin's background laid over a bitmap, shared by the form's client
// area and a multiple-document parent's client window.
#pragma once

#include "platform/base/geometry.h"
#include "skin/data/bs_nine_part.h"

class TBitmap;

// Lays Source's piece From over all of Target as the skin's background
// says: stretched, stretched to the height and tiled across, stretched to
// the width and tiled down, or tiled both ways.
void FillBackground(TBitmap& Target, TBitmap* Source, const TRect& From, bool StretchEffect, TbsStretchType Type);
