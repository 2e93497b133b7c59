// TbsSkinSplitter: the skin look-up, the thickness and the skinned bar.
#include "skin/controls/bs_skin_splitter.h"

#include "platform/ui/graphics/canvas.h"
#include "skin/data/bs_draw_utils.h"
#include "skin/data/bs_nine_part.h"
#include "skin/data/bs_skin_data.h"

TbsSkinSplitter::TbsSkinSplitter(TComponent* AOwner) : TSplitter(AOwner)
{
    SetControlStyle(TControlStyle(ControlStyle()).Include(csOpaque));
}

TbsSkinSplitter::~TbsSkinSplitter() = default;

void TbsSkinSplitter::SetSkinData(TbsSkinData* Value)
{
    skinData_.Set(this, Value);
    ChangeSkinData();
}

void TbsSkinSplitter::Notification(TComponent* AComponent, TOperation Operation)
{
    TSplitter::Notification(AComponent, Operation);
    if (Operation == opRemove)
        skinData_.Removed(AComponent);
}

void TbsSkinSplitter::SetTransparent(bool Value)
{
    if (Value == transparent_)
        return;
    transparent_ = Value;
    TControlStyle style = ControlStyle();
    SetControlStyle(Value ? style.Exclude(csOpaque) : style.Include(csOpaque));
    Invalidate();
}

void TbsSkinSplitter::GetSkinData()
{
    index_.LookUp(SkinData(), skinDataName_);
    image_.Picture = nullptr;
    auto* d = dynamic_cast<TbsDataSkinSplitterControl*>(index_.Description(SkinData()));
    if (!d)
        return;
    image_.TakeDescription(d, *SkinData());
    gripper_ = *d;
}

void TbsSkinSplitter::ChangeSkinData()
{
    GetSkinData();
    bool skinned = DescriptionIndex() != -1 && !transparent_;
    if (AlongTop())
        SetHeight(skinned ? image_.SkinRect.Height() : defaultSize_);
    else
        SetWidth(skinned ? image_.SkinRect.Width() : defaultSize_);
    Invalidate();
}

void TbsSkinSplitter::RequestAlign()
{
    if (ComponentState().Contains(csDesigning))
        skinDataName_ = AlongTop() ? "hsplitter" : "vsplitter";
    TSplitter::RequestAlign();
}

void TbsSkinSplitter::Paint()
{
    int w = Width();
    int h = Height();
    if (transparent_ || w < 1 || h < 1)
        return;
    GetSkinData();
    TBitmap* picture = image_.Picture;
    if (DescriptionIndex() == -1 || !picture || Align() == alNone || Align() == alClient) {
        TSplitter::Paint();
        return;
    }
    const TRect& r = image_.SkinRect;
    TBitmap bar;
    if (AlongTop())
        CreateHSkinImage(image_.LeftTopPoint.X, r.Width() - image_.RightTopPoint.X, &bar, picture, r, w, r.Height(),
                         image_.StretchEffect);
    else
        CreateVSkinImage(image_.LeftTopPoint.Y, r.Height() - image_.LeftBottomPoint.Y, &bar, picture, r, r.Width(), h,
                         image_.StretchEffect);
    const TRect& g = gripper_.GripperRect;
    if (!IsNullRect(g) && !bar.Empty()) {
        TBitmap grip;
        grip.SetSize(g.Width(), g.Height());
        grip.Canvas()->CopyRect(Rect(0, 0, g.Width(), g.Height()), picture->Canvas(), g);
        if (gripper_.GripperTransparent) {
            grip.SetTransparentMode(tmFixed);
            grip.SetTransparentColor(gripper_.GripperTransparentColor);
            grip.SetTransparent(true);
        }
        bar.Canvas()->Draw(bar.Width() / 2 - g.Width() / 2, bar.Height() / 2 - g.Height() / 2, &grip);
    }
    Canvas()->Draw(0, 0, &bar);
}
