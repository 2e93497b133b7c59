#include "skin/controls/bs_button_description.h"

#include "platform/ui/graphics/bitmap.h"
#include "skin/data/bs_draw_utils.h"
#include "skin/data/bs_nine_part.h"
#include "skin/data/bs_skin_data.h"

const TbsDataSkinButtonControl* ButtonDescription(const TbsSkinData* Data, const AnsiString& Name)
{
    int index = Data ? Data->FindControlDescription(Name) : -1;
    if (index < 0)
        return nullptr;
    return dynamic_cast<const TbsDataSkinButtonControl*>(Data->ControlList[static_cast<size_t>(index)].get());
}

TRect ButtonStateRect(const TbsDataSkinButtonControl& D, bool Down, bool Hot, TColor* FontColor)
{
    TRect active = IsNullRect(D.ActiveSkinRect) ? D.SkinRect : D.ActiveSkinRect;
    TRect down = IsNullRect(D.DownSkinRect) ? active : D.DownSkinRect;
    *FontColor = Down ? D.DownFontColor : Hot ? D.ActiveFontColor : D.FontColor;
    return Down ? down : Hot ? active : D.SkinRect;
}

void DrawButtonFace(TBitmap* B, const TbsDataSkinButtonControl& D, TBitmap* Picture, const TRect& Source)
{
    const int dx = B->Width() - RectWidth(D.SkinRect);
    const int dy = B->Height() - RectHeight(D.SkinRect);
    TRect client = D.ClientRect;
    client.Right += dx;
    client.Bottom += dy;
    CreateSkinImage(D.LeftTopPoint, D.RightTopPoint, D.LeftBottomPoint, D.RightBottomPoint, D.ClientRect,
                    D.LeftTopPoint, TPoint{D.RightTopPoint.X + dx, D.RightTopPoint.Y},
                    TPoint{D.LeftBottomPoint.X, D.LeftBottomPoint.Y + dy},
                    TPoint{D.RightBottomPoint.X + dx, D.RightBottomPoint.Y + dy}, client, B, Picture, Source,
                    B->Width(), B->Height(), true, D.LeftStretch, D.TopStretch, D.RightStretch, D.BottomStretch,
                    D.StretchEffect, D.StretchType);
}
