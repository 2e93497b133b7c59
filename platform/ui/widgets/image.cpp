// TImage: placing and drawing the picture.
#include "platform/ui/widgets/image.h"

#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/graphic.h"
#include "platform/ui/graphics/picture.h"

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner), picture_(std::make_unique<TPicture>())
{
    picture_->OnChange = TNotifyEvent(this, &TImage::PictureChanged);
    SetBounds(0, 0, 105, 105);
}

TImage::~TImage()
{
    picture_->OnChange = TNotifyEvent();
}

void TImage::SetPicture(TPicture* Value)
{
    picture_->Assign(Value);
}

void TImage::SetStretch(bool Value)
{
    stretch_ = Value;
    Invalidate();
}

void TImage::SetCenter(bool Value)
{
    center_ = Value;
    Invalidate();
}

void TImage::SetTransparent(bool Value)
{
    transparent_ = Value;
    if (TGraphic* graphic = picture_->Graphic())
        graphic->SetTransparent(Value);
    Invalidate();
}

void TImage::PictureChanged(TObject*)
{
    TGraphic* graphic = picture_->Graphic();
    // A new graphic takes the image's transparency; one that is drawn
    // transparent by nature (an icon) keeps it.
    if (graphic && transparent_ && !graphic->Transparent())
        graphic->SetTransparent(true);
    AdjustSize();
    Invalidate();
}

bool TImage::CanAutoSize(int& NewWidth, int& NewHeight)
{
    TGraphic* graphic = picture_->Graphic();
    if (!graphic || graphic->Empty())
        return true;
    NewWidth = graphic->Width();
    NewHeight = graphic->Height();
    return true;
}

TRect TImage::DestRect()
{
    TGraphic* graphic = picture_->Graphic();
    TRect client = ClientRect();
    if (stretch_)
        return client;
    TRect r = Bounds(0, 0, graphic->Width(), graphic->Height());
    if (center_)
        OffsetRect(r, (client.Width() - r.Width()) / 2, (client.Height() - r.Height()) / 2);
    return r;
}

void TImage::Paint()
{
    TGraphic* graphic = picture_->Graphic();
    if (!graphic || graphic->Empty())
        return;
    Canvas()->StretchDraw(DestRect(), graphic);
}
