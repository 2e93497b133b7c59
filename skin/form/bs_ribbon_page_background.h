// The background of a ribbon page (and of the ribbon's empty page area):
// clBtnFace without a skin, else the description's background picture or
// the client part of its skin picture, tiled or stretched.
#pragma once

#include "platform/base/geometry.h"
#include "skin/data/bs_nine_part.h"

class TCanvas;
class TbsSkinData;
class TbsDataSkinTabControl;

// Area of Canvas painted from Description of Data (plain when either is
// missing). A background index outside the picture list counts as none, and
// a picture or piece smaller than 1 x 1 is skipped.
void DrawRibbonPageBackground(TCanvas* Canvas, const TRect& Area, TbsDataSkinTabControl* Description,
                              TbsSkinData* Data);

// Source of picture Index of Data (the whole picture for nullptr) laid over
// Area, tiled, or per Type when Stretch; false, with nothing drawn, when
// Index names no picture of at least 1 x 1.
bool CoverWithPicture(TCanvas* Canvas, const TRect& Area, TbsSkinData* Data, int Index, const TRect* Source,
                      bool Stretch, TbsStretchType Type);

// The client piece of Description's skin rectangle laid over Area as
// CoverWithPicture lays it, per the description's stretch settings.
template <typename Description>
bool CoverWithClientPiece(TCanvas* Canvas, const TRect& Area, TbsSkinData* Data, const Description& D)
{
    TRect source = D.ClientRect;
    OffsetRect(source, D.SkinRect.Left, D.SkinRect.Top);
    return CoverWithPicture(Canvas, Area, Data, D.PictureIndex, &source, D.StretchEffect, D.StretchType);
}
