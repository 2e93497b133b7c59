// The background of a ribbon page (and of the ribbon's empty page area):
// clBtnFace without a skin, else the description's background picture or
// the client part of its skin picture, tiled or stretched.
#pragma once

#include "platform/base/geometry.h"

class TCanvas;
class TbsSkinData;
class TbsDataSkinTabControl;

// Area of Canvas painted from Description of Data (plain when either is
// missing). A background index outside the picture list counts as none, and
// a picture or piece smaller than 1 x 1 is skipped.
void DrawRibbonPageBackground(TCanvas* Canvas, const TRect& Area, TbsDataSkinTabControl* Description,
                              TbsSkinData* Data);
