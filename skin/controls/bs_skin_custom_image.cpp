#include "skin/controls/bs_skin_custom_image.h"

#include "skin/data/bs_draw_utils.h"
#include "skin/data/bs_masks.h"
#include "skin/data/bs_skin_data.h"

namespace {

TRect Moved(TRect R, int DX, int DY)
{
    return TRect{R.Left + DX, R.Top + DY, R.Right + DX, R.Bottom + DY};
}

}  // namespace

void TbsSkinCustomImage::TakeDescription(const TbsDataSkinControl* Description, const TbsSkinData& Data)
{
    auto* d = dynamic_cast<const TbsDataSkinCustomControl*>(Description);
    if (!d) {
        Picture = nullptr;
        MaskPicture = nullptr;
        ResizeMode = rmFixed;
        return;
    }
    LeftTopPoint = d->LeftTopPoint;
    RightTopPoint = d->RightTopPoint;
    LeftBottomPoint = d->LeftBottomPoint;
    RightBottomPoint = d->RightBottomPoint;
    SkinRect = d->SkinRect;
    SkinClientRect = d->ClientRect;
    LeftStretch = d->LeftStretch;
    TopStretch = d->TopStretch;
    RightStretch = d->RightStretch;
    BottomStretch = d->BottomStretch;
    StretchEffect = d->StretchEffect;
    StretchType = d->StretchType;
    Picture = Data.PictureAt(d->PictureIndex);
    MaskPicture = Data.PictureAt(d->MaskPictureIndex);
    ResizeMode = GetResizeMode();
}

int TbsSkinCustomImage::GetResizeMode() const
{
    if (IsNullRect(SkinRect))
        return rmEmpty;
    if (RightBottomPoint.X != 0 && RightBottomPoint.Y != 0)
        return rmNinePart;
    if (RightTopPoint.X != 0 || RightTopPoint.Y != 0)
        return rmHorizontal;
    if (LeftBottomPoint.X != 0 || LeftBottomPoint.Y != 0)
        return rmVertical;
    return rmFixed;
}

void TbsSkinCustomImage::LayOut(int& W, int& H, bool HasDescription)
{
    int dx = W - SkinRect.Width();
    int dy = H - SkinRect.Height();
    switch (ResizeMode) {
    case rmNinePart:
        NewLeftTopPoint = LeftTopPoint;
        NewRightTopPoint = TPoint{RightTopPoint.X + dx, RightTopPoint.Y};
        NewLeftBottomPoint = TPoint{LeftBottomPoint.X, LeftBottomPoint.Y + dy};
        NewRightBottomPoint = TPoint{RightBottomPoint.X + dx, RightBottomPoint.Y + dy};
        NewClientRect = TRect{SkinClientRect.Left, SkinClientRect.Top, SkinClientRect.Right + dx,
                              SkinClientRect.Bottom + dy};
        break;
    case rmHorizontal:
        NewLeftTopPoint = LeftTopPoint;
        H = SkinRect.Height();
        NewRightTopPoint = TPoint{RightTopPoint.X + dx, RightTopPoint.Y};
        NewClientRect = TRect{SkinClientRect.Left, SkinClientRect.Top, SkinClientRect.Right + dx, SkinClientRect.Bottom};
        break;
    case rmVertical:
        NewLeftTopPoint = LeftTopPoint;
        W = SkinRect.Width();
        NewLeftBottomPoint = TPoint{LeftBottomPoint.X, LeftBottomPoint.Y + dy};
        NewClientRect = TRect{SkinClientRect.Left, SkinClientRect.Top, SkinClientRect.Right, SkinClientRect.Bottom + dy};
        break;
    case rmFixed:
        if (HasDescription) {
            W = SkinRect.Width();
            H = SkinRect.Height();
            NewClientRect = SkinClientRect;
        }
        break;
    default:
        break;
    }
}

void TbsSkinCustomImage::DrawImage(TBitmap* B, TBitmap* APicture, const TRect& ARect, int W, int H,
                                   bool FrameStrips) const
{
    if (!APicture)
        return;
    switch (ResizeMode) {
    case rmFixed:
        if (IsNullRect(ARect))
            return;
        B->SetSize(ARect.Width(), ARect.Height());
        B->Canvas()->CopyRect(TRect{0, 0, ARect.Width(), ARect.Height()}, APicture->Canvas(), ARect);
        break;
    case rmNinePart:
        if (!FrameStrips)
            CreateSkinImage(LeftTopPoint, RightTopPoint, LeftBottomPoint, RightBottomPoint, SkinClientRect,
                            NewLeftTopPoint, NewRightTopPoint, NewLeftBottomPoint, NewRightBottomPoint, NewClientRect,
                            B, APicture, ARect, W, H, true, LeftStretch, TopStretch, RightStretch, BottomStretch,
                            StretchEffect, StretchType);
        break;
    case rmHorizontal:
        CreateHSkinImage(LeftTopPoint.X, SkinRect.Width() - RightTopPoint.X, B, APicture, ARect, W, H, StretchEffect);
        break;
    case rmVertical:
        CreateVSkinImage(LeftTopPoint.Y, SkinRect.Height() - LeftBottomPoint.Y, B, APicture, ARect, W, H,
                         StretchEffect);
        break;
    default:
        break;
    }
}

TRect TbsSkinCustomImage::MapToSize(const TRect& R, int W, int H) const
{
    int dx = W - SkinRect.Width();
    int dy = H - SkinRect.Height();
    TRect result = R;
    if (ResizeMode == rmNinePart) {
        int sw = SkinRect.Width();
        int sh = SkinRect.Height();
        TRect lt{0, 0, LeftTopPoint.X, LeftTopPoint.Y};
        TRect rt{RightTopPoint.X, 0, sw, RightTopPoint.Y};
        TRect lb{0, LeftBottomPoint.Y, LeftBottomPoint.X, sh};
        TRect rb{RightBottomPoint.X, RightBottomPoint.Y, sw, sh};
        TPoint tl = R.TopLeft();
        TPoint br = R.BottomRight();
        if (RectInRect(R, lt))
            return result;
        if (RectInRect(R, rt))
            return Moved(R, dx, 0);
        if (RectInRect(R, lb))
            return Moved(R, 0, dy);
        if (RectInRect(R, rb))
            return Moved(R, dx, dy);
        if (PointInRect(lt, tl) && PointInRect(rb, br)) {
            result.Right += dx;
            result.Bottom += dy;
        } else if (PointInRect(lt, tl) && PointInRect(rt, br)) {
            result.Right += dx;
        } else if (PointInRect(lb, tl) && PointInRect(rb, br)) {
            result.Right += dx;
            result.Top += dy;
            result.Bottom += dy;
        } else if (PointInRect(lt, tl) && PointInRect(lb, br)) {
            result.Bottom += dy;
        } else if (PointInRect(rt, tl) && PointInRect(rb, br)) {
            result.Left += dx;
            result.Right += dx;
            result.Bottom += dy;
        }
    } else if (ResizeMode == rmHorizontal) {
        if (R.Left <= LeftTopPoint.X && R.Right >= RightTopPoint.X)
            result.Right += dx;
        else if (R.Left >= RightTopPoint.X && R.Right > RightTopPoint.X)
            result = Moved(R, dx, 0);
    } else if (ResizeMode == rmVertical) {
        if (R.Top <= LeftTopPoint.Y && R.Bottom >= LeftBottomPoint.Y)
            result.Bottom += dy;
        else if (R.Top >= LeftBottomPoint.Y && R.Bottom > LeftBottomPoint.Y)
            result = Moved(R, 0, dy);
    }
    return result;
}

HRGN TbsSkinCustomImage::CreateRegion(int W, int H) const
{
    if (!MaskPicture)
        return nullptr;
    TPoint p{RightTopPoint.X + W - SkinRect.Width(), RightTopPoint.Y};
    TPoint q{LeftBottomPoint.X, LeftBottomPoint.Y + H - SkinRect.Height()};
    switch (ResizeMode) {
    case rmFixed:
        return CreateRegionFromBitmap(MaskPicture);
    case rmNinePart:
        return CreateSkinRegion(LeftTopPoint, RightTopPoint, LeftBottomPoint, RightBottomPoint, SkinClientRect,
                                NewLeftTopPoint, NewRightTopPoint, NewLeftBottomPoint, NewRightBottomPoint,
                                NewClientRect, MaskPicture, W, H);
    case rmHorizontal:
        return CreateSkinRegion(LeftTopPoint, RightTopPoint, LeftTopPoint, RightTopPoint, SkinClientRect,
                                LeftTopPoint, p, LeftTopPoint, p, NewClientRect, MaskPicture, W, H);
    case rmVertical:
        return CreateSkinRegion(LeftTopPoint, LeftTopPoint, LeftBottomPoint, LeftBottomPoint, SkinClientRect,
                                LeftTopPoint, LeftTopPoint, q, q, NewClientRect, MaskPicture, W, H);
    default:
        return nullptr;
    }
}
