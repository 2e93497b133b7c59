// Drawing from a button description found by name, for controls that
// draw a button part of their own (a tab's close button, a menu button's
// track strip) without being a skinned button themselves.
#pragma once

#include "platform/base/ansi_string.h"
#include "platform/base/geometry.h"
#include "platform/gdi/colors.h"

class TBitmap;
class TbsDataSkinButtonControl;
class TbsSkinData;

// The button description named Name in Data; nullptr when Data has none
// by that name, or the one it has is not a button.
const TbsDataSkinButtonControl* ButtonDescription(const TbsSkinData* Data, const AnsiString& Name);
// The description's state rectangle: pressed, hot or normal, an empty one
// falling back to the next; FontColor gets the state's font colour.
TRect ButtonStateRect(const TbsDataSkinButtonControl& D, bool Down, bool Hot, TColor* FontColor);
// The description's face at B's size from Source, its fixed parts
// measured on its "skinrect".
void DrawButtonFace(TBitmap* B, const TbsDataSkinButtonControl& D, TBitmap* Picture, const TRect& Source);
