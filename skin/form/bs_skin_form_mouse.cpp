// The frame's mouse: which object is under the cursor, presses with
// capture, and the timers that notice the mouse leaving and run fades and
// animations.
#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/kernel/timer.h"
#include "platform/win/capture.h"
#include "platform/win/cursor.h"
#include "platform/win/window_coords.h"
#include "platform/win/window_pos.h"
#include "skin/controls/bs_skin_hint.h"
#include "skin/form/bs_skin_caption_object.h"
#include "skin/form/bs_skin_form.h"

namespace {

bool IsCaption(TbsActiveSkinObject* Object) { return dynamic_cast<TbsSkinCaptionObject*>(Object) != nullptr; }

}  // namespace

void TbsSkinForm::TestActive(int X, int Y, bool InFrame)
{
    // The objects of a layered border's caption take the mouse there.
    if (objects_.empty() || !GetFormActive() || InSizeMove || !HasBorder() || layerBorder_->CarriesCaption())
        return;
    OldActiveObject = ActiveObject;
    int found = -1;
    for (int i = 0; i < ObjectCount(); ++i) {
        TbsActiveSkinObject* o = Objects(i);
        if (o->Enabled && o->Visible && PtInRect(o->ObjectRect, {X, Y}) &&
            o->PointInMask(X - o->ObjectRect.Left, Y - o->ObjectRect.Top)) {
            found = i;
            break;
        }
    }
    ActiveObject = InFrame ? found : -1;
    // While one object holds the mouse, no other becomes active.
    if (MouseCaptureObject != -1 && ActiveObject != -1 && ActiveObject != MouseCaptureObject)
        ActiveObject = -1;
    if (ActiveObject >= ObjectCount())
        ActiveObject = -1;
    if (ActiveObject == OldActiveObject)
        return;
    std::weak_ptr<bool> alive = alive_;
    int newActive = ActiveObject;
    if (OldActiveObject >= 0 && OldActiveObject < ObjectCount()) {
        TbsActiveSkinObject* old = Objects(OldActiveObject);
        if (old->Enabled && old->Visible) {
            old->MouseLeave();
            if (!alive.expired() && !old->Hint.empty())
                HideObjectHint();
        }
    }
    if (alive.expired() || newActive != ActiveObject || ActiveObject < 0 || ActiveObject >= ObjectCount())
        return;
    TbsActiveSkinObject* entered = Objects(ActiveObject);
    // The mouse-enter picks a caption button's text (its restore hint on a
    // maximized form).
    entered->MouseEnter();
    if (alive.expired() || newActive != ActiveObject)
        return;
    TbsSkinHint* hint = ObjectHint();
    if (hint && !entered->Hint.empty())
        hint->ActivateHintDelayed(entered->Hint);
}

TbsSkinHint* TbsSkinForm::ObjectHint() const { return ShowObjectHint ? skinHint_ : nullptr; }

void TbsSkinForm::HideObjectHint()
{
    if (TbsSkinHint* hint = ObjectHint())
        hint->HideHint();
}

void TbsSkinForm::ResetTracking()
{
    int old = ActiveObject;
    OldActiveObject = old;
    ActiveObject = -1;
    HideObjectHint();
    if (old >= 0 && old < ObjectCount() && Objects(old)->Enabled && Objects(old)->Visible)
        Objects(old)->MouseLeave();
}

void TbsSkinForm::MouseDown(int X, int Y, TMouseButton Button)
{
    MouseCaptureObject = ActiveObject;
    if (MouseCaptureObject < 0 || MouseCaptureObject >= ObjectCount())
        return;
    TbsActiveSkinObject* object = Objects(MouseCaptureObject);
    if (!IsCaption(object))
        SetCapture(Form()->Handle());
    object->MouseDown(X, Y, Button);
}

void TbsSkinForm::MouseUp(int X, int Y, TMouseButton Button)
{
    int captured = MouseCaptureObject;
    if (captured < 0 || captured >= ObjectCount())
        return;
    TbsActiveSkinObject* object = Objects(captured);
    // Everything of the frame is done before the object's handler, which
    // may close the form.
    MouseCaptureObject = -1;
    if (!IsCaption(object) && GetCapture() == Form()->Handle())
        ReleaseCapture();
    object->MouseUp(X, Y, Button);
}

void TbsSkinForm::MouseMove(int X, int Y)
{
    int index = MouseCaptureObject != -1 ? MouseCaptureObject : ActiveObject;
    if (index >= 0 && index < ObjectCount())
        Objects(index)->MouseMove(X, Y);
}

void TbsSkinForm::MouseDblClick(int, int)
{
    if (ActiveObject >= 0 && ActiveObject < ObjectCount())
        Objects(ActiveObject)->DblClick();
}

void TbsSkinForm::MouseTimerTick(TObject*)
{
    if (!Form()->HandleAllocated() || !GetFormActive()) {
        mouseTimer_->SetEnabled(false);
        ResetTracking();
        return;
    }
    TPoint cursor;
    GetCursorPos(&cursor);
    HWND form = Form()->Handle();
    if (WindowFromPoint(cursor) != form) {
        mouseTimer_->SetEnabled(false);
        ResetTracking();
        return;
    }
    if (InSizeMove) {
        mouseTimer_->SetEnabled(false);
        return;
    }
    TRect window{};
    GetWindowRect(form, &window);
    TPoint p{cursor.X - window.Left, cursor.Y - window.Top};
    TRect client = SkinUsed ? metrics_.NewClRect
                            : TRect{kDefBorder, GetDefCaptionHeight(ToolWindow()) + kDefBorder, newW_ - kDefBorder,
                                    newH_ - kDefBorder};
    if (!PtInRect(client, p))
        TestActive(p.X, p.Y, true);
    else if (ActiveObject != -1)
        TestActive(-1, -1, true);
}

void TbsSkinForm::EnableObjectFade() { fadeTimer_->SetEnabled(true); }

void TbsSkinForm::EnableFrameAnimation() { animationTimer_->SetEnabled(true); }

void TbsSkinForm::FadeTimerTick(TObject*)
{
    bool work = false;
    for (int i = 0; i < ObjectCount(); ++i) {
        TbsActiveSkinObject* o = Objects(i);
        if (o->CanMorph() && o->NeedMorphStep()) {
            o->MorphStep();
            work = true;
        }
    }
    if (!work)
        fadeTimer_->SetEnabled(false);
}

void TbsSkinForm::AnimationTimerTick(TObject*)
{
    bool work = false;
    for (int i = 0; i < ObjectCount(); ++i)
        work = Objects(i)->AnimationTick() || work;
    if (!work)
        animationTimer_->SetEnabled(false);
}

void TbsSkinForm::StopTimers()
{
    mouseTimer_->SetEnabled(false);
    fadeTimer_->SetEnabled(false);
    animationTimer_->SetEnabled(false);
}

void TbsSkinForm::ResetObjects()
{
    for (auto& object : objects_)
        object->ResetState();
}
