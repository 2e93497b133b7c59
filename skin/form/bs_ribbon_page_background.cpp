// Tiling and stretching of a page background; every source is checked to
// be a real picture of at least one pixel before it is divided into tiles.
#include "skin/form/bs_ribbon_page_background.h"

#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/brush.h"
#include "platform/ui/graphics/canvas.h"
#include "skin/data/bs_skin_controls_tabs.h"
#include "skin/data/bs_skin_data.h"

namespace {

TBitmap* PictureAt(TbsSkinData* Data, int Index)
{
    TBitmap* picture = Data->PictureAt(Index);
    return picture && picture->Width() >= 1 && picture->Height() >= 1 ? picture : nullptr;
}

// Source of Picture laid over Area: tiled, or per Type when Stretch.
void Cover(TCanvas* Canvas, const TRect& Area, TBitmap* Picture, const TRect& Source, bool Stretch,
           TbsStretchType Type)
{
    int sw = Source.Width();
    int sh = Source.Height();
    if (sw < 1 || sh < 1)
        return;
    if (Stretch && Type == stfull) {
        Canvas->CopyRect(Area, Picture->Canvas(), Source);
        return;
    }
    // The tile: the piece itself, or stretched to the area's height (sthorz)
    // or width (stvert).
    int tw = Stretch && Type == stvert ? Area.Width() : sw;
    int th = Stretch && Type == sthorz ? Area.Height() : sh;
    if (tw < 1 || th < 1)
        return;
    for (int y = Area.Top; y < Area.Bottom; y += th)
        for (int x = Area.Left; x < Area.Right; x += tw)
            Canvas->CopyRect(TRect{x, y, x + tw, y + th}, Picture->Canvas(), Source);
}

}  // namespace

bool CoverWithPicture(TCanvas* Canvas, const TRect& Area, TbsSkinData* Data, int Index, const TRect* Source,
                      bool Stretch, TbsStretchType Type)
{
    TBitmap* picture = PictureAt(Data, Index);
    if (!picture)
        return false;
    if (Area.Width() < 1 || Area.Height() < 1)
        return true;
    // Tiles run past the area's edges: they are cut by an image of its size.
    TBitmap image;
    image.SetSize(Area.Width(), Area.Height());
    Cover(image.Canvas(), Rect(0, 0, Area.Width(), Area.Height()), picture,
          Source ? *Source : Rect(0, 0, picture->Width(), picture->Height()), Stretch, Type);
    Canvas->Draw(Area.Left, Area.Top, &image);
    return true;
}

void DrawRibbonPageBackground(TCanvas* Canvas, const TRect& Area, TbsDataSkinTabControl* Description,
                              TbsSkinData* Data)
{
    if (!Description || !Data || !PictureAt(Data, Description->PictureIndex)) {
        Canvas->Brush()->SetColor(clBtnFace);
        Canvas->FillRect(Area);
        return;
    }
    if (CoverWithPicture(Canvas, Area, Data, Description->BgPictureIndex, nullptr, Description->StretchEffect,
                         Description->StretchType))
        return;
    CoverWithClientPiece(Canvas, Area, Data, *Description);
}
