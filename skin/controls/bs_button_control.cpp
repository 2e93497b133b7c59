// What every skinned button shares: properties, the description it reads,
// and the skinned image of a state.
#include "skin/controls/bs_button_control.h"

#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/image_list.h"
#include "platform/ui/kernel/action_list.h"
#include "platform/ui/kernel/actions.h"
#include "platform/ui/kernel/controls_messages.h"
#include "skin/data/bs_draw_utils.h"
#include "skin/data/bs_skin_controls.h"

template <typename Base>
TbsButtonControl<Base>::TbsButtonControl(TComponent* AOwner)
    : Base(AOwner), machine_(this), glyph_(std::make_unique<TBitmap>())
{
}

template <typename Base>
TbsButtonControl<Base>::~TbsButtonControl() = default;

template <typename Base>
void TbsButtonControl<Base>::SetCheckedMode(bool Value)
{
    if (checkedMode_ == Value)
        return;
    checkedMode_ = Value;
    if (Value)
        SetGroupIndex(-1);
    else if (groupIndex_ == -1)
        SetGroupIndex(0);
}

template <typename Base>
void TbsButtonControl<Base>::SetDown(bool Value)
{
    down_ = Value;
    if (CanMorph()) {
        machine_.MorphFactor = 1.0;
        if (down_)
            machine_.StopMorph();
        else
            machine_.StartMorph();  // a release fades from the hot image to the normal one
    }
    DownChanged();
    this->Repaint();
    if (groupIndex_ > 0 && down_ && !AllowAllUp)
        ReleaseGroup();
}

template <typename Base>
void TbsButtonControl<Base>::ReleaseGroup()
{
    TWinControl* parent = this->Parent();
    if (!parent)
        return;
    for (int i = 0; i < parent->ControlCount(); ++i) {
        auto* other = dynamic_cast<TbsButtonControl*>(parent->Controls(i));
        if (other && other != this && other->groupIndex_ == groupIndex_ && other->Down())
            other->SetDown(false);
    }
}

template <typename Base>
void TbsButtonControl<Base>::SetImageList(TCustomImageList* Value)
{
    if (imageList_ && imageList_ != Value)
        imageList_->RemoveFreeNotification(this);
    imageList_ = Value;
    if (Value)
        Value->FreeNotification(this);
}

template <typename Base>
void TbsButtonControl<Base>::SetImageIndex(int Value)
{
    if (imageIndex_ == Value)
        return;
    imageIndex_ = Value;
    this->Repaint();
}

template <typename Base>
void TbsButtonControl<Base>::SetGlyph(TBitmap* Value)
{
    glyph_->Assign(Value);
    this->Repaint();
}

template <typename Base>
void TbsButtonControl<Base>::SetNumGlyphs(int Value)
{
    numGlyphs_ = Value < 1 ? 1 : Value > 4 ? 4 : Value;
    this->Repaint();
}

template <typename Base>
void TbsButtonControl<Base>::SetMargin(int Value)
{
    if (Value < -1 || Value == margin_)
        return;
    margin_ = Value;
    this->Repaint();
}

template <typename Base>
void TbsButtonControl<Base>::SetSpacing(int Value)
{
    if (spacing_ == Value)
        return;
    spacing_ = Value;
    this->Repaint();
}

template <typename Base>
void TbsButtonControl<Base>::SetLayout(TbsButtonLayout Value)
{
    if (layout_ == Value)
        return;
    layout_ = Value;
    this->Repaint();
}

template <typename Base>
void TbsButtonControl<Base>::ButtonClick()
{
    this->Click();
}

template <typename Base>
void TbsButtonControl<Base>::GetSkinData()
{
    Base::GetSkinData();
    normalSkinRect_ = this->SkinRect;
    if (this->DescriptionIndex() == -1) {
        skin_.ActiveSkinRect = NullRect();
        return;
    }
    auto* data = dynamic_cast<const TbsDataSkinButtonControl*>(this->Description());
    skin_ = TbsButtonSkinValues{};
    if (!data)
        return;  // another class of description: nothing from the skin
    ReadButtonSkin(*data, this->SkinRect, MarkerFallback(), skin_);
    if (!MorphAllowed())
        skin_.Morphing = false;
    if (machine_.ShowsAnimationFrame() && CanAnimate()) {
        TRect frame =
            AnimationFrameRect(skin_.AnimateSkinRect, this->SkinRect, skin_.FrameCount, machine_.AnimationFrame());
        if (machine_.AnimationIn())
            skin_.ActiveSkinRect = frame;
        else
            normalSkinRect_ = frame;
    }
}

template <typename Base>
void TbsButtonControl<Base>::Notification(TComponent* AComponent, TOperation Operation)
{
    Base::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == imageList_)
        imageList_ = nullptr;
}

template <typename Base>
void TbsButtonControl<Base>::CalcSize(int& W, int& H)
{
    if (UseSkinSize || this->ResizeMode == rmNinePart) {
        Base::CalcSize(W, H);
        return;
    }
    this->NewClientRect = this->SkinClientRect;
    this->NewClientRect.Right += W - RectWidth(this->SkinRect);
    this->NewClientRect.Bottom += H - RectHeight(this->SkinRect);
}

template <typename Base>
void TbsButtonControl<Base>::ActionChange(TObject* Sender)
{
    Base::ActionChange(Sender);
    auto* action = dynamic_cast<TCustomAction*>(Sender);
    if (!action || !glyph_->Empty() || !action->ActionList())
        return;
    TCustomImageList* images = action->ActionList()->Images();
    if (images && action->ImageIndex() >= 0 && action->ImageIndex() < images->Count()) {
        SetImageList(images);
        imageIndex_ = action->ImageIndex();
        this->Repaint();
    }
}

template <typename Base>
void TbsButtonControl<Base>::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    typename Base::TAlive alive(this);
    Base::MouseDown(Button, Shift, X, Y);
    if (!alive || Button != mbLeft)
        return;
    StopAnimation();
    machine_.Press(Modes());
}

template <typename Base>
void TbsButtonControl<Base>::Dispatch(TMessage& Message)
{
    typename Base::TAlive alive(this);
    Base::Dispatch(Message);
    if (!alive)
        return;
    if (Message.Msg == CM_ENABLEDCHANGED) {
        if (CanMorph()) {
            machine_.StopMorph();
            machine_.MorphFactor = 0.0;
        }
        machine_.MouseIn = false;
        this->Repaint();
    } else if (Message.Msg == CM_TEXTCHANGED) {
        this->Repaint();
    }
}

template <typename Base>
bool TbsButtonControl<Base>::SkinEffectsOn() const
{
    TbsSkinData* data = this->SkinData();
    return data && !data->Empty && data->EnableSkinEffects;
}

template <typename Base>
bool TbsButtonControl<Base>::CanMorph() const
{
    return skin_.Morphing && SkinEffectsOn();
}

template <typename Base>
bool TbsButtonControl<Base>::CanAnimate() const
{
    return this->DescriptionIndex() != -1 && SkinEffectsOn() &&
           CanAnimateFrames(skin_.AnimateSkinRect, this->SkinRect, skin_.FrameCount);
}

template <typename Base>
void TbsButtonControl<Base>::StartAnimation(bool In)
{
    if (CanAnimate())
        machine_.StartAnimation(In, skin_.FrameCount, skin_.AnimateInterval);
}

template <typename Base>
void TbsButtonControl<Base>::StopAnimation()
{
    if (CanAnimate())
        machine_.StopAnimation();
}

template <typename Base>
TbsButtonModes TbsButtonControl<Base>::Modes() const
{
    return TbsButtonModes{checkedMode_, RepeatMode, RepeatInterval, groupIndex_, AllowAllUp};
}

template <typename Base>
void TbsButtonControl<Base>::CreateButtonImage(TBitmap* B, const TRect& R, bool ADown, bool AMouseIn)
{
    TRect captionRect = DrawButtonImage(B, *this, R, UseSkinSize);
    TCanvas* canvas = B->Canvas();
    TFont* defaultFont = this->DefaultFont();
    SetButtonFont(canvas, this->UseSkinFont, skin_, defaultFont, this->SkinData());
    canvas->Font()->SetColor(
        ButtonFontColor(skin_, this->Enabled(), UseSkinFontColor, AMouseIn, ADown, defaultFont->Color()));
    Decorate(canvas, captionRect);
    DrawFace(canvas, captionRect, ADown, AMouseIn);
}

template <typename Base>
void TbsButtonControl<Base>::PaintState(const TRect& R, bool ADown, bool AMouseIn)
{
    TBitmap image;
    image.SetSize(this->Width(), this->Height());
    CreateButtonImage(&image, R, ADown, AMouseIn);
    this->Canvas()->Draw(0, 0, &image);
}

template <typename Base>
void TbsButtonControl<Base>::PaintMorph()
{
    TBitmap normal, hot;
    normal.SetSize(this->Width(), this->Height());
    hot.SetSize(this->Width(), this->Height());
    CreateButtonImage(&normal, normalSkinRect_, false, false);
    CreateButtonImage(&hot, skin_.ActiveSkinRect, false, true);
    DrawMorphedImages(this->Canvas(), &normal, &hot, skin_.MorphKind, machine_.MorphFactor);
}

template <typename Base>
bool TbsButtonControl<Base>::RunOnPaint(TCanvas* Canvas, const TRect& CaptionRect)
{
    if (!OnPaint)
        return true;
    bool drawDefault = true;
    typename Base::TAlive alive(this);
    OnPaint(this, Canvas, CaptionRect, down_, machine_.MouseIn, drawDefault);
    return alive && drawDefault;
}

template <typename Base>
TbsButtonFace TbsButtonControl<Base>::Face(const TRect& CaptionRect, const AnsiString& Caption, bool ADown,
                                           bool AMouseIn) const
{
    TbsButtonFace face;
    face.Rect = CaptionRect;
    face.Caption = Caption;
    face.Margin = margin_;
    face.Spacing = spacing_;
    face.Layout = layout_;
    face.Pressed = ADown;
    face.Images = imageList_;
    face.ImageIndex = imageIndex_;
    face.ImageEnabled = this->Enabled();
    face.Glyph = glyph_.get();
    face.NumGlyphs = numGlyphs_;
    face.GlyphNumber = ButtonGlyphNumber(AMouseIn, ADown, this->Enabled(), numGlyphs_);
    return face;
}

template class TbsButtonControl<TbsGraphicSkinCustomControl>;
template class TbsButtonControl<TbsSkinCustomControl>;
