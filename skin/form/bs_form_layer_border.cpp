#include "skin/form/bs_form_layer_border.h"

#include <algorithm>
#include <cmath>

#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/kernel/timer.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_styles.h"
#include "skin/controls/bs_fade_in.h"
#include "skin/data/bs_bitmap.h"
#include "skin/data/bs_platform.h"
#include "skin/data/bs_skin_data.h"
#include "skin/form/bs_form_layer_window.h"
#include "skin/form/bs_skin_button_object.h"
#include "skin/form/bs_skin_caption_object.h"
#include "skin/form/bs_skin_form.h"

namespace {

constexpr TbsLayerSide kSides[] = {TbsLayerSide::Left, TbsLayerSide::Right, TbsLayerSide::Top,
                                   TbsLayerSide::Bottom};

size_t SlotOf(TbsLayerSide Side) { return static_cast<size_t>(Side); }

const TRect& SideRect(const TbsLayerPlacement& P, TbsLayerSide Side)
{
    return OfSide(Side, P.Left, P.Right, P.Top, P.Bottom);
}

TRect WindowBounds(HWND Window)
{
    TRect r;
    GetWindowRect(Window, &r);
    return r;
}

}  // namespace

TbsFormLayerBorder::TbsFormLayerBorder(TbsSkinForm* AOwner) : TComponent(nullptr), frame_(AOwner) {}

TbsFormLayerBorder::~TbsFormLayerBorder() { Hide(); }

void TbsFormLayerBorder::SetSkin(TbsSkinData* SkinData, TCustomForm* Form)
{
    Hide();
    form_ = Form;
    layerFrame_ = nullptr;
    activePicture_.reset();
    inactivePicture_.reset();
    buttonPictures_.Clear();
    objectRects_.clear();
    pointed_ = -1;
    pressed_ = -1;
    if (!SkinData || SkinData->Empty)
        return;
    const TbsDataSkinLayerFrame& frame = SkinData->LayerFrame;
    activePicture_ = LayerPicture(*SkinData, frame.PictureIndex, frame.MaskPictureIndex);
    if (!activePicture_)
        return;
    layerFrame_ = &frame;
    inactivePicture_ = LayerPicture(*SkinData, frame.InActivePictureIndex, frame.InActiveMaskPictureIndex);
    currentAlpha_ = std::clamp(frame.AlphaBlendValue, 0, 255);
    inactiveAlpha_ = std::clamp(frame.InActiveAlphaBlendValue, 0, 255);
    metrics_ = CalcLayerMetrics(frame);
    // A full border takes over the frame's objects: they start afresh.
    if (frame.FullBorder)
        for (int i = 0; i < frame_->ObjectCount(); ++i)
            frame_->Objects(i)->ResetState();
}

TbsBitmap* TbsFormLayerBorder::SourcePicture() const
{
    return active_ || !inactivePicture_ ? activePicture_.get() : inactivePicture_.get();
}

int TbsFormLayerBorder::ShownAlpha() const { return active_ ? currentAlpha_ : inactiveAlpha_; }

TbsFormLayerWindow* TbsFormLayerBorder::Window(TbsLayerSide Side) const { return windows_[SlotOf(Side)].get(); }

TbsBitmap* TbsFormLayerBorder::Image(TbsLayerSide Side) const
{
    return OfSide(Side, images_.Left, images_.Right, images_.Top, images_.Bottom).get();
}

void TbsFormLayerBorder::Show()
{
    if (!layerFrame_ || !form_ || !form_->HandleAllocated())
        return;
    Place(true);
}

void TbsFormLayerBorder::ShowWithEffect()
{
    if (!layerFrame_)
        return;
    int target = active_ ? std::clamp(layerFrame_->AlphaBlendValue, 0, 255) : inactiveAlpha_;
    int& alpha = active_ ? currentAlpha_ : inactiveAlpha_;
    alpha = 0;
    Show();
    if (!showing_) {
        alpha = target;
        return;
    }
    Application->ProcessMessages();
    // Each step is clamped to the target and the loop ends at it: a step
    // that does not divide the target would otherwise pass it and never
    // meet it.
    FadeInSteps(target / 15, target, 6, [&](int Value) {
        alpha = Value;
        Update();
    }, [&] { return showing_; });
    // Hidden while fading (a message handled between the steps): the
    // border comes back at its full alpha.
    if (!showing_)
        alpha = target;
}

void TbsFormLayerBorder::Hide()
{
    showing_ = false;
    if (leaveTimer_)
        leaveTimer_->SetEnabled(false);
    plainTop_.reset();
    for (auto& window : windows_)
        window.reset();
    images_ = TbsLayerImages();
}

void TbsFormLayerBorder::Rebuild()
{
    if (showing_)
        Place(false);
}

void TbsFormLayerBorder::Update()
{
    if (!showing_)
        return;
    for (TbsLayerSide side : kSides)
        if (Window(side) && Image(side))
            UpdateLayeredWindowFromBitmap(Image(side), ShownAlpha(), Window(side)->Handle());
}

void TbsFormLayerBorder::UpdatePosition()
{
    if (!showing_)
        return;
    TbsLayerPlacement p = PlacementNow();
    if (p.Outer.Width() != placement_.Outer.Width() || p.Outer.Height() != placement_.Outer.Height()) {
        Place(false);
        return;
    }
    placement_ = p;
    for (TbsLayerSide side : kSides)
        ApplyImage(side, SWP_NOSIZE);
}

void TbsFormLayerBorder::SetAlpha(int Value, bool Repaint)
{
    int skinAlpha = layerFrame_ ? layerFrame_->AlphaBlendValue : 255;
    currentAlpha_ = static_cast<int>(std::lround(std::clamp(Value, 0, 255) / 255.0 * skinAlpha));
    if (Repaint)
        Update();
}

void TbsFormLayerBorder::SetActive(bool Active, bool Move)
{
    if (active_ == Active)
        return;
    active_ = Active;
    if (!Active && layerFrame_ && layerFrame_->FullBorder) {
        // Nothing stays pressed on an inactive caption.
        for (int i = 0; i < frame_->ObjectCount(); ++i) {
            TbsActiveSkinObject* object = frame_->Objects(i);
            if (auto* caption = dynamic_cast<TbsSkinCaptionObject*>(object))
                caption->PressedQuickButton = -1;
            else if (auto* button = dynamic_cast<TbsSkinButtonObject*>(object); button && button->Down)
                button->Down = false;
        }
        pressed_ = -1;
        MouseMoveObjects(-1, -1);
    }
    if (!showing_)
        return;
    if (inactivePicture_ || layerFrame_->FullBorder)
        Rebuild();
    else
        Update();
    if (Move)
        UpdatePosition();
}

TbsLayerZone TbsFormLayerBorder::HitZone(TbsLayerSide Side, TPoint P)
{
    if (!showing_ || !Window(Side))
        return lzNone;
    TbsLayerHitInput in;
    in.Form = WindowBounds(form_->Handle());
    in.Window = WindowBounds(Window(Side)->Handle());
    in.Metrics = metrics_;
    in.HitTestSize = layerFrame_->HitTestSize;
    in.Caption = LayerCaptionRect(*layerFrame_, placement_.Outer, SourcePicture()->Width());
    in.CanSize = frame_->CanSize();
    // A full border carries the form's caption: a drag on it moves the
    // form, and its buttons are pressed.
    if (layerFrame_->FullBorder && Side == TbsLayerSide::Top && PtInRect(in.Caption, P)) {
        TPoint strip = StripPoint(P);
        MouseMoveObjects(strip.X, strip.Y);
        if (ValidObject(pointed_) && !dynamic_cast<TbsSkinCaptionObject*>(frame_->Objects(pointed_)))
            return lzCaptionObject;
        return lzCaption;
    }
    return LayerSizingZone(Side, P, in);
}

TbsLayerPlacement TbsFormLayerBorder::PlacementNow() const
{
    TRect formRect = LayerFormRect(*layerFrame_, WindowBounds(form_->Handle()), frame_->RollUpState());
    return PlaceLayerBorder(*layerFrame_, {SourcePicture()->Width(), SourcePicture()->Height()}, formRect);
}

// Cuts the strips for the form's present bounds and puts each on its
// window; Create makes the windows anew.
void TbsFormLayerBorder::Place(bool Create)
{
    placement_ = PlacementNow();
    images_ = BuildLayerImages(*layerFrame_, *SourcePicture(), placement_);
    if (layerFrame_->FullBorder)
        DrawCaption();
    if (Create) {
        for (auto& window : windows_)
            window.reset();
        // An empty "borderrect" is a shadow only: the mouse goes through.
        bool clickThrough = IsRectEmpty(layerFrame_->BorderRect);
        for (TbsLayerSide side : kSides)
            windows_[SlotOf(side)] =
                std::make_unique<TbsFormLayerWindow>(this, side, SideRect(placement_, side), clickThrough);
    }
    showing_ = true;
    for (TbsLayerSide side : kSides)
        ApplyImage(side, 0);
}

// Puts the side's strip on its window at the present alpha and places the
// window right below the form, so that the border keeps to the form's
// place in the stacking order; a side without a strip is hidden.
void TbsFormLayerBorder::ApplyImage(TbsLayerSide Side, int Flags)
{
    TbsFormLayerWindow* window = Window(Side);
    if (!window)
        return;
    HWND handle = window->Handle();
    const TRect& r = SideRect(placement_, Side);
    TbsBitmap* image = Image(Side);
    if (!image) {
        SetWindowPos(handle, nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
        return;
    }
    SetWindowPos(handle, form_->Handle(), r.Left, r.Top, r.Width(), r.Height(),
                 static_cast<UINT>(Flags) | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    if (!(Flags & SWP_NOSIZE))
        UpdateLayeredWindowFromBitmap(image, ShownAlpha(), handle);
}
