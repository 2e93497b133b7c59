#include "skin/controls/bs_skin_panel.h"

#include "platform/ui/graphics/image_list.h"
#include "platform/ui/kernel/controls_messages.h"
#include "platform/win/window_styles.h"
#include "skin/data/bs_resource_str_data.h"

TbsSkinPanel::TbsSkinPanel(TComponent* AOwner) : TbsSkinCustomControl(AOwner), glyph_(std::make_unique<TBitmap>())
{
    SetControlStyle(TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csOpaque,
                                  csDoubleClicks, csReplicatable});
    SetBounds(Left(), Top(), 150, 150);
    DrawFrameStrips = true;
    SetSkinDataName("panel");
}

TbsSkinPanel::~TbsSkinPanel() = default;

void TbsSkinPanel::Notification(TComponent* AComponent, TOperation Operation)
{
    TbsSkinCustomControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == captionImageList_)
        captionImageList_ = nullptr;
}

void TbsSkinPanel::CreateParams(TCreateParams& Params)
{
    TbsSkinCustomControl::CreateParams(Params);
    // The whole panel is painted off-screen on every paint; a resize needs
    // no repaint of what did not move.
    Params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

TBitmap* TbsSkinPanel::BgPicture() const
{
    TbsSkinData* data = SkinData();
    return data ? data->PictureAt(PanelSkin.BgPictureIndex) : nullptr;
}

void TbsSkinPanel::GetSkinData()
{
    TbsSkinCustomControl::GetSkinData();
    PanelSkin.BgPictureIndex = -1;
    if (auto* description = dynamic_cast<TbsDataSkinPanelControl*>(Description()))
        PanelSkin = *description;
    // An index past the picture list names no picture (whatever loaded it).
    if (!BgPicture())
        PanelSkin.BgPictureIndex = -1;
}

TRect TbsSkinPanel::ScaledClientRect()
{
    int w = Width();
    int h = Height();
    GetSkinData();
    CalcSize(w, h);
    return NewClientRect;
}

void TbsSkinPanel::AdjustClientRect(TRect& Rect)
{
    TbsSkinCustomControl::AdjustClientRect(Rect);
    if (EmptyDrawing)
        return;
    if (Skinned()) {
        TRect client = ScaledClientRect();
        bool wholeClientPart =
            borderStyle_ == TbsSkinBorderStyle::bvNone && !captionMode_ && ResizeMode == rmNinePart;
        if (PanelSkin.BgPictureIndex == -1 && !wholeClientPart)
            Rect = client;
        return;
    }
    if (borderStyle_ != TbsSkinBorderStyle::bvNone)
        InflateRect(Rect, -1, -1);
    if (captionMode_) {
        if (ribbonStyle_)
            Rect.Bottom -= defaultCaptionHeight_;
        else
            Rect.Top += defaultCaptionHeight_;
    }
}

TRect TbsSkinPanel::GetSkinClientRect()
{
    TRect r = Rect(0, 0, Width(), Height());
    AdjustClientRect(r);
    return r;
}

void TbsSkinPanel::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    TAlive alive(this);
    TbsSkinCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    // The plain look is drawn to the size; painted once the sizing is done,
    // not for every step of a realign.
    if (alive && DescriptionIndex() == -1)
        Invalidate();
}

bool TbsSkinPanel::CanAutoSize(int& NewWidth, int& NewHeight)
{
    // Auto-sizing to the children would undo the roll.
    if (rollUpMode_ && AutoSize())
        return false;
    return TbsSkinCustomControl::CanAutoSize(NewWidth, NewHeight);
}

void TbsSkinPanel::ChangeSkinData()
{
    TAlive alive(this);
    TbsSkinCustomControl::ChangeSkinData();
    if (!alive)
        return;
    if (realHeight_ == -1) {
        Realign();
        return;
    }
    // Rolled: take the new skin's rolled height, still rolling back to the
    // height kept from before.
    SetHeight(RolledHeight());
}

void TbsSkinPanel::SetRibbonStyle(bool Value)
{
    ribbonStyle_ = Value;
    Repaint();
}

void TbsSkinPanel::SetImagePosition(TbsImagePosition Value)
{
    imagePosition_ = Value;
    Repaint();
}

void TbsSkinPanel::SetTransparentMode(bool Value)
{
    transparentMode_ = Value;
    Repaint();
    if (!ComponentState().Contains(csLoading) && !Designing())
        NotifyChildren();
}

void TbsSkinPanel::SetCaptionImageList(TCustomImageList* Value)
{
    if (captionImageList_ && captionImageList_ != Value)
        captionImageList_->RemoveFreeNotification(this);
    captionImageList_ = Value;
    if (Value)
        Value->FreeNotification(this);
    Repaint();
}

void TbsSkinPanel::SetCaptionImageIndex(int Value)
{
    captionImageIndex_ = Value;
    Repaint();
}

void TbsSkinPanel::SetCheckedMode(bool Value)
{
    checkedMode_ = Value;
    Repaint();
}

void TbsSkinPanel::SetChecked(bool Value)
{
    checked_ = Value;
    if (checkedMode_)
        Repaint();
    if (AutoEnabledControls && checkedMode_)
        for (int i = 0; i < ControlCount(); ++i)
            Controls(i)->SetEnabled(Value);
    if (OnChecked)
        OnChecked(this);
}

void TbsSkinPanel::SetDefaultAlignment(TAlignment Value)
{
    defaultAlignment_ = Value;
    if (DescriptionIndex() == -1 && captionMode_)
        Repaint();
}

void TbsSkinPanel::SetDefaultCaptionHeight(int Value)
{
    defaultCaptionHeight_ = Value;
    if (DescriptionIndex() == -1 && captionMode_) {
        Repaint();
        Realign();
    }
}

void TbsSkinPanel::SetBorderStyle(TbsSkinBorderStyle Value)
{
    borderStyle_ = Value;
    if (DescriptionIndex() == -1) {
        Repaint();
        Realign();
    }
}

void TbsSkinPanel::SetCaptionMode(bool Value)
{
    captionMode_ = Value;
    Repaint();
    Realign();
}

void TbsSkinPanel::SetRollUpMode(bool Value)
{
    rollUpMode_ = Value;
    if (DescriptionIndex() == -1 && captionMode_)
        Repaint();
}

void TbsSkinPanel::SetGlyph(TBitmap* Value)
{
    glyph_->Assign(Value);
    Repaint();
}

void TbsSkinPanel::SetNumGlyphs(int Value)
{
    numGlyphs_ = Value;
    Repaint();
}

void TbsSkinPanel::SetSpacing(int Value)
{
    spacing_ = Value;
    Repaint();
}

// The constraints would hold the rolled panel at its old size, so they are
// cleared while it is rolled: saved only on a roll up from the unrolled
// state and written back (once) on the roll down, so neither a second roll
// nor a state change with RollUpMode off brings back zeros that were never
// the user's.
void TbsSkinPanel::SetRollUpState(bool Value)
{
    if (Value == rollUpState_)
        return;
    TSizeConstraints* constraints = Constraints();
    auto restore = [&] {
        if (!constraintsSaved_)
            return;
        constraintsSaved_ = false;
        constraints->SetMaxWidth(savedConstraints_[0]);
        constraints->SetMinWidth(savedConstraints_[1]);
        constraints->SetMaxHeight(savedConstraints_[2]);
        constraints->SetMinHeight(savedConstraints_[3]);
    };
    if (!rollUpMode_) {
        restore();
        rollUpState_ = false;
        return;
    }
    if (Value && !constraintsSaved_) {
        savedConstraints_[0] = constraints->MaxWidth();
        savedConstraints_[1] = constraints->MinWidth();
        savedConstraints_[2] = constraints->MaxHeight();
        savedConstraints_[3] = constraints->MinHeight();
        constraintsSaved_ = true;
        constraints->SetMaxWidth(0);
        constraints->SetMinWidth(0);
        constraints->SetMaxHeight(0);
        constraints->SetMinHeight(0);
    }
    rollUpState_ = Value;
    TAlive alive(this);
    Roll(Value);
    if (!alive)
        return;
    if (!Value)
        restore();
    if (OnChangeRollUpState)
        OnChangeRollUpState(this);
}

int TbsSkinPanel::RolledHeight()
{
    if (DescriptionIndex() == -1)
        return defaultCaptionHeight_ + 1;
    TRect client = ScaledClientRect();
    return Height() - client.Height();
}

void TbsSkinPanel::Roll(bool Up)
{
    if (Up) {
        if (realHeight_ != -1)
            return;
        realHeight_ = Height();
        DisableAlign();
        hiddenByRoll_.clear();
        for (int i = 0; i < ControlCount(); ++i) {
            TControl* child = Controls(i);
            if (child->Visible())
                hiddenByRoll_.emplace_back(child, TControl::TAlive(child));
        }
        for (auto& [child, alive] : hiddenByRoll_)
            child->Hide();
        SetHeight(RolledHeight());
        return;
    }
    if (realHeight_ == -1)
        return;
    int height = realHeight_;
    realHeight_ = -1;
    SetHeight(height);
    std::vector<std::pair<TControl*, TControl::TAlive>> hidden;
    hidden.swap(hiddenByRoll_);
    for (auto& [child, alive] : hidden)
        if (alive && child->Parent() == this)
            child->Show();
    EnableAlign();
}

void TbsSkinPanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if ((rollUpMode_ || checkedMode_) && Button == mbLeft && captionMode_) {
        TRect hit = captionHitRect_;
        if (DescriptionIndex() == -1)
            hit = ribbonStyle_ ? Rect(1, Height() - defaultCaptionHeight_ - 1, Width() - 1, Height() - 1)
                               : Rect(1, 1, Width() - 1, defaultCaptionHeight_);
        if (PtInRect(hit, Point(X, Y))) {
            TAlive alive(this);
            if (checkedMode_)
                SetChecked(!checked_);
            if (!alive)
                return;
            if (rollUpMode_)
                SetRollUpState(!rollUpState_);
            if (!alive)
                return;
        }
    }
    TbsSkinCustomControl::MouseUp(Button, Shift, X, Y);
}

void TbsSkinPanel::TransparentChanged()
{
    if (!transparentMode_)
        return;
    Repaint();
    NotifyChildren();
}

void TbsSkinPanel::ParentImageChanged() { TransparentChanged(); }

void TbsSkinPanel::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_MOVE: {
        TAlive alive(this);
        TbsSkinCustomControl::Dispatch(Message);
        if (alive)
            TransparentChanged();
        return;
    }
    case CM_ENABLEDCHANGED: {
        TAlive alive(this);
        TbsSkinCustomControl::Dispatch(Message);
        if (alive)
            Repaint();
        return;
    }
    case CM_TEXTCHANGED:
        TbsSkinCustomControl::Dispatch(Message);
        if (captionMode_)
            Repaint();
        return;
    default:
        TbsSkinCustomControl::Dispatch(Message);
        return;
    }
}

void TbsSkinPanel::SetCaptionFont(TCanvas* Canvas, bool Skin) const
{
    TFont* font = Canvas->Font();
    if (Skin && UseSkinFont) {
        font->SetName(PanelSkin.FontName);
        font->SetHeight(PanelSkin.FontHeight);
        font->SetStyle(PanelSkin.FontStyle);
    } else {
        font->Assign(DefaultFont());
    }
    if (SkinData() && SkinData()->ResourceStrData())
        font->SetCharset(SkinData()->ResourceStrData()->CharSet);
    else
        font->SetCharset(DefaultFont()->Charset());
    if (Skin)
        font->SetColor(PanelSkin.FontColor);
}

TbsSkinPaintPanel::TbsSkinPaintPanel(TComponent* AOwner) : TbsSkinPanel(AOwner) { DrawFrameStrips = false; }

void TbsSkinPaintPanel::FirePanelPaint(TCanvas* Canvas)
{
    if (OnPanelPaint)
        OnPanelPaint(this, Canvas, GetSkinClientRect());
}

void TbsSkinPaintPanel::PaintDefaultImage(TBitmap* Bitmap)
{
    TbsSkinPanel::PaintDefaultImage(Bitmap);
    FirePanelPaint(Bitmap->Canvas());
}

void TbsSkinPaintPanel::PaintSkinImage(TBitmap* Bitmap)
{
    TbsSkinPanel::PaintSkinImage(Bitmap);
    FirePanelPaint(Bitmap->Canvas());
}

void TbsSkinPaintPanel::PaintOverlay(TCanvas* Canvas) { FirePanelPaint(Canvas); }

void TbsSkinPaintPanel::Dispatch(TMessage& Message)
{
    if (Message.Msg == WM_ERASEBKGND) {
        // Painting itself into another control's background; its own
        // painting never erases.
        if (!InPaintMessage())
            PaintWindow(reinterpret_cast<HDC>(Message.WParam));
        Message.Result = 1;
        return;
    }
    TbsSkinPanel::Dispatch(Message);
}
