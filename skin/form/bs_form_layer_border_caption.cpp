// The caption a "fullborder" layered border carries on its top strip: the
// frame's caption buttons and caption object laid out there, drawn with
// their alpha, pointed (with their hints) and pressed through the top
// window, and let go when the cursor leaves it.
#include <algorithm>
#include <utility>

#include "platform/ui/kernel/control_types.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/kernel/timer.h"
#include "platform/win/cursor.h"
#include "platform/win/window_coords.h"
#include "skin/controls/bs_skin_hint.h"
#include "skin/data/bs_bitmap.h"
#include "skin/data/bs_platform.h"
#include "skin/data/bs_skin_colors.h"
#include "skin/form/bs_form_layer_border.h"
#include "skin/form/bs_form_layer_window.h"
#include "skin/form/bs_skin_caption_object.h"
#include "skin/form/bs_skin_form.h"
#include "skin/form/bs_skin_std_button_object.h"

// While one lives, the frame's objects have their places on the top strip
// rather than on the form's frame, so that their own drawing and mouse
// handling (which go by ObjectRect) work on the strip. Nested scopes swap
// once; objects a skin change replaced meanwhile are left alone.
class TbsLayerObjectRects {
public:
    explicit TbsLayerObjectRects(TbsFormLayerBorder& Border) : border_(Border)
    {
        if (border_.objectRectsDepth_++ == 0 && Matching()) {
            Swap();
            border_.rectsInObjects_ = true;
        }
    }
    ~TbsLayerObjectRects()
    {
        if (--border_.objectRectsDepth_ == 0 && border_.rectsInObjects_) {
            border_.rectsInObjects_ = false;
            if (Matching())
                Swap();
        }
    }
    TbsLayerObjectRects(const TbsLayerObjectRects&) = delete;
    TbsLayerObjectRects& operator=(const TbsLayerObjectRects&) = delete;

private:
    bool Matching() const
    {
        return static_cast<int>(border_.objectRects_.size()) == border_.frame_->ObjectCount();
    }
    void Swap()
    {
        TbsSkinForm* frame = border_.frame_;
        for (int i = 0; i < frame->ObjectCount(); ++i)
            std::swap(frame->Objects(i)->ObjectRect, border_.objectRects_[static_cast<size_t>(i)]);
    }
    TbsFormLayerBorder& border_;
};

bool TbsFormLayerBorder::CarriesCaption() const { return showing_ && layerFrame_ && layerFrame_->FullBorder; }

TbsSkinHint* TbsFormLayerBorder::ObjectHint() const { return frame_->ObjectHint(); }

void TbsFormLayerBorder::HideObjectHint() { frame_->HideObjectHint(); }

bool TbsFormLayerBorder::ValidObject(int Index) const { return Index >= 0 && Index < frame_->ObjectCount(); }

TRect TbsFormLayerBorder::ObjectPlace(int Index) const
{
    if (Index < 0 || Index >= static_cast<int>(objectRects_.size()))
        return {};
    return rectsInObjects_ ? frame_->Objects(Index)->ObjectRect : objectRects_[static_cast<size_t>(Index)];
}

TPoint TbsFormLayerBorder::StripPoint(TPoint ScreenPoint) const
{
    return {ScreenPoint.X - placement_.Top.Left, ScreenPoint.Y - placement_.Top.Top};
}

void TbsFormLayerBorder::LayoutCaption()
{
    std::vector<TRect> rects =
        LayoutLayerCaption(*layerFrame_, *frame_, images_.Top->Width(), SourcePicture()->Width());
    if (!rectsInObjects_) {
        objectRects_ = std::move(rects);
        return;
    }
    // Inside an object's own handler: its place is in the object now.
    for (int i = 0; i < frame_->ObjectCount(); ++i)
        frame_->Objects(i)->ObjectRect = rects[static_cast<size_t>(i)];
}

void TbsFormLayerBorder::DrawCaption()
{
    if (!images_.Top)
        return;
    if (!plainTop_)
        plainTop_ = std::make_unique<TbsBitmap>();
    plainTop_->Assign(images_.Top.get());
    LayoutCaption();
    TbsLayerObjectRects strip(*this);
    for (int i = 0; i < frame_->ObjectCount(); ++i) {
        TbsActiveSkinObject* object = frame_->Objects(i);
        if (!object->Visible || IsRectEmpty(object->ObjectRect))
            continue;
        if (auto* caption = dynamic_cast<TbsSkinCaptionObject*>(object))
            caption->DrawAlpha(images_.Top->GetCanvas());
        else if (auto* button = dynamic_cast<TbsSkinStdButtonObject*>(object))
            DrawLayerButton(*button, buttonPictures_, *images_.Top, object->ObjectRect);
    }
}

void TbsFormLayerBorder::RedrawCaption()
{
    if (holdRedraw_ || !CarriesCaption() || !plainTop_ || !images_.Top)
        return;
    images_.Top->Assign(plainTop_.get());
    DrawCaption();
    if (TbsFormLayerWindow* top = Window(TbsLayerSide::Top))
        UpdateLayeredWindowFromBitmap(images_.Top.get(), ShownAlpha(), top->Handle());
}

void TbsFormLayerBorder::MouseMoveObjects(int X, int Y)
{
    if (frame_->ObjectCount() == 0 || frame_->MouseCaptureObject != -1)
        return;
    if (form_->FormStyle() == fsMDIChild && frame_->FormState == wsMaximized)
        return;
    if (form_->BorderStyle() == bsNone || !layerFrame_ || !layerFrame_->FullBorder)
        return;
    int found = -1;
    {
        TbsLayerObjectRects strip(*this);
        for (int i = 0; i < frame_->ObjectCount(); ++i) {
            TbsActiveSkinObject* o = frame_->Objects(i);
            if (o->Enabled && o->Visible && PtInRect(o->ObjectRect, {X, Y}) &&
                o->PointInMask(X - o->ObjectRect.Left, Y - o->ObjectRect.Top)) {
                found = i;
                break;
            }
        }
    }
    if (ValidObject(pressed_) && found != pressed_)
        found = -1;
    if (found == pointed_)
        return;
    int old = pointed_;
    pointed_ = found;
    {
        // The objects' own repaints would each draw the whole strip; it is
        // drawn once below, with every new look.
        const bool held = std::exchange(holdRedraw_, true);
        TbsLayerObjectRects strip(*this);
        if (ValidObject(old)) {
            frame_->Objects(old)->MouseLeave();
            HideObjectHint();
        }
        if (ValidObject(pointed_) && pointed_ == found) {
            TbsActiveSkinObject* object = frame_->Objects(pointed_);
            // The mouse-enter picks a caption button's text (its restore
            // hint on a maximized form).
            object->MouseEnter();
            TbsSkinHint* hint = ObjectHint();
            if (hint && pointed_ == found && !object->Hint.empty())
                hint->ActivateHintDelayed(object->Hint);
        }
        holdRedraw_ = held;
    }
    // The strip shows the new looks at once; it has no fade of its own.
    RedrawCaption();
}

void TbsFormLayerBorder::TrackObjects(TPoint P)
{
    MouseMoveObjects(P.X, P.Y);
    if (!ValidObject(pointed_))
        return;
    TbsLayerObjectRects strip(*this);
    frame_->Objects(pointed_)->MouseMove(P.X, P.Y);
}

bool TbsFormLayerBorder::PressObject(TPoint P)
{
    if (!ValidObject(pointed_))
        return false;
    pressed_ = pointed_;
    TbsActiveSkinObject* object = frame_->Objects(pressed_);
    TbsLayerObjectRects strip(*this);
    auto* caption = dynamic_cast<TbsSkinCaptionObject*>(object);
    // The caption itself still moves the form; its quick buttons do not.
    bool takes = !caption || caption->QuickButtonAt(P.X, P.Y) >= 0;
    object->MouseDown(P.X, P.Y, mbLeft);
    return takes;
}

void TbsFormLayerBorder::ReleaseObject(TPoint P)
{
    // The pressed object hears the release even when the cursor has left
    // it, or it would stay pressed; it acts only when the cursor is on it.
    int target = ValidObject(pressed_) ? pressed_ : pointed_;
    pressed_ = -1;
    if (!ValidObject(target))
        return;
    TbsLayerObjectRects strip(*this);
    frame_->Objects(target)->MouseUp(P.X, P.Y, mbLeft);
}

bool TbsFormLayerBorder::DoubleClickObject()
{
    if (!ValidObject(pointed_))
        return false;
    auto* button = dynamic_cast<TbsSkinStdButtonObject*>(frame_->Objects(pointed_));
    if (!button || button->Command != cmsysmenu)
        return false;
    button->DblClick();
    return true;
}

void TbsFormLayerBorder::WatchLeave()
{
    if (!layerFrame_ || !layerFrame_->FullBorder)
        return;
    if (!leaveTimer_) {
        leaveTimer_ = std::make_unique<TTimer>(nullptr);
        leaveTimer_->SetEnabled(false);
        leaveTimer_->SetInterval(500);
        leaveTimer_->SetOnTimer(TNotifyEvent(this, &TbsFormLayerBorder::LeaveTimerTick));
    }
    leaveTimer_->SetEnabled(true);
}

void TbsFormLayerBorder::LeaveObjects()
{
    if (leaveTimer_)
        leaveTimer_->SetEnabled(false);
    MouseMoveObjects(-1, -1);
}

void TbsFormLayerBorder::LeaveTimerTick(TObject*)
{
    if (!layerFrame_ || !layerFrame_->FullBorder) {
        leaveTimer_->SetEnabled(false);
        return;
    }
    TPoint cursor;
    GetCursorPos(&cursor);
    TbsFormLayerWindow* top = Window(TbsLayerSide::Top);
    if (top && WindowFromPoint(cursor) == top->Handle())
        return;
    leaveTimer_->SetEnabled(false);
    pressed_ = -1;
    MouseMoveObjects(-1, -1);
}
