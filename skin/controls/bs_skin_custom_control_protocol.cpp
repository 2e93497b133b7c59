#include "skin/controls/bs_skin_custom_control_protocol.h"

#include "platform/gdi/colors.h"
#include "skin/controls/bs_adjusting_parent.h"
#include "skin/controls/bs_graphic_skin_control.h"
#include "skin/controls/bs_skin_control.h"

template <typename Base>
TbsSkinCustomControlProtocol<Base>::TbsSkinCustomControlProtocol(TComponent* AOwner)
    : Base(AOwner), defaultFont_(std::make_unique<TFont>())
{
    defaultFont_->SetName("Arial");
    defaultFont_->SetStyle(TFontStyles());
    defaultFont_->SetHeight(14);
    defaultFont_->OnChange = TNotifyEvent(this, &TbsSkinCustomControlProtocol::DefaultFontChange);
}

template <typename Base>
TbsSkinCustomControlProtocol<Base>::~TbsSkinCustomControlProtocol()
{
    defaultFont_->OnChange = TNotifyEvent();
}

template <typename Base>
void TbsSkinCustomControlProtocol<Base>::SetDefaultWidth(int Value)
{
    defaultWidth_ = Value;
    if (this->DescriptionIndex() == -1 && Value > 0)
        this->SetWidth(Value);
}

template <typename Base>
void TbsSkinCustomControlProtocol<Base>::SetDefaultHeight(int Value)
{
    defaultHeight_ = Value;
    if (this->DescriptionIndex() == -1 && Value > 0)
        this->SetHeight(Value);
}

template <typename Base>
void TbsSkinCustomControlProtocol<Base>::SetDefaultFont(TFont* Value)
{
    defaultFont_->Assign(Value);
    DefaultFontChanged();
}

template <typename Base>
void TbsSkinCustomControlProtocol<Base>::DefaultFontChange(TObject* /*Sender*/)
{
    DefaultFontChanged();
    if (this->DescriptionIndex() == -1)
        this->Repaint();
}

template <typename Base>
void TbsSkinCustomControlProtocol<Base>::GetSkinData()
{
    Base::GetSkinData();
    if (TbsDataSkinControl* description = this->Description())
        TakeDescription(description, *this->SkinData());
}

template <typename Base>
void TbsSkinCustomControlProtocol<Base>::CalcSize(int& W, int& H)
{
    LayOut(W, H, this->DescriptionIndex() != -1);
}

template <typename Base>
void TbsSkinCustomControlProtocol<Base>::ChangeSkinData()
{
    GetSkinData();
    if (this->DescriptionIndex() == -1) {
        if (defaultWidth_ > 0)
            this->SetWidth(defaultWidth_);
        if (defaultHeight_ > 0)
            this->SetHeight(defaultHeight_);
    } else {
        int w = this->Width();
        int h = this->Height();
        CalcSize(w, h);
        bool changed = w != this->Width() || h != this->Height();
        if (w != this->Width())
            this->SetWidth(w);
        if (h != this->Height())
            this->SetHeight(h);
        if (changed)
            return;  // SetBounds set the region and repainted
    }
    SetControlRegion();
    this->Repaint();
}

template <typename Base>
void TbsSkinCustomControlProtocol<Base>::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    GetSkinData();
    bool changed = (AWidth != this->Width() || AHeight != this->Height()) && this->DescriptionIndex() != -1;
    if (changed) {
        CalcSize(AWidth, AHeight);
        if (ResizeMode == rmFixed)
            NewClientRect = SkinClientRect;
    }
    ATop = AdjustedTop(this->Parent(), ATop, AHeight);
    typename Base::TAlive alive(this);
    Base::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (!alive || !changed)
        return;
    SetControlRegion();
    this->Repaint();
}

template <typename Base>
void TbsSkinCustomControlProtocol<Base>::SetControlRegion()
{
}

template <typename Base>
TRect TbsSkinCustomControlProtocol<Base>::SkinRectToControlRect(const TRect& R) const
{
    return MapToSize(R, this->Width(), this->Height());
}

template <typename Base>
void TbsSkinCustomControlProtocol<Base>::DrawSkinControlImage(TBitmap* Bitmap, TBitmap* APicture,
                                                              const TRect& ARect) const
{
    DrawImage(Bitmap, APicture, ARect, this->Width(), this->Height(), PaintsFrameStrips());
}

template <typename Base>
bool TbsSkinCustomControlProtocol<Base>::PrepareForPaint()
{
    if (this->Width() < 1 || this->Height() < 1)
        return false;
    GetSkinData();
    int w = this->Width();
    int h = this->Height();
    CalcSize(w, h);
    return true;
}

template <typename Base>
void TbsSkinCustomControlProtocol<Base>::Paint()
{
    if (PrepareForPaint())
        Base::Paint();
}

template <typename Base>
void TbsSkinCustomControlProtocol<Base>::PaintDefaultImage(TBitmap* Bitmap)
{
    TCanvas* canvas = Bitmap->Canvas();
    canvas->Brush()->SetColor(clBtnFace);
    canvas->FillRect(Rect(0, 0, Bitmap->Width(), Bitmap->Height()));
}

template <typename Base>
void TbsSkinCustomControlProtocol<Base>::PaintSkinImage(TBitmap* Bitmap)
{
    DrawSkinControlImage(Bitmap, Picture, SkinRect);
}

template class TbsSkinCustomControlProtocol<TbsSkinControl>;
template class TbsSkinCustomControlProtocol<TbsGraphicSkinControl>;
