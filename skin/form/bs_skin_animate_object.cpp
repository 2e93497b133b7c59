#include "skin/form/bs_skin_animate_object.h"

#include "platform/ui/kernel/menus.h"
#include "skin/data/bs_skin_objects.h"
#include "skin/form/bs_skin_form.h"

TbsSkinAnimateObject::TbsSkinAnimateObject(TbsSkinForm* AParent, TbsDataSkinObject* AData)
    : TbsActiveSkinObject(AParent, AData)
{
    auto* data = dynamic_cast<TbsDataSkinAnimate*>(AData);
    if (!data)
        return;
    TimerInterval = std::max(data->TimerInterval, 25);
    CountFrames = data->CountFrames;
    Cycle = data->Cycle;
    ButtonStyle = data->ButtonStyle;
    Command = data->Command;
    DownSkinRect = data->DownSkinRect;
    RestoreRect = data->RestoreRect;
    RestoreActiveRect = data->RestoreActiveRect;
    RestoreDownRect = data->RestoreDownRect;
    RestoreInActiveRect = data->RestoreInActiveRect;
    RestoreHint = data->RestoreHint;
    NormalHint = Hint;
}

TbsLayerManager* TbsSkinAnimateObject::GlowManager() const
{
    return MenuItem ? Parent->MenuLayerManager() : Parent->LayerManager();
}

bool TbsSkinAnimateObject::InRestoreState() const
{
    return !IsRectEmpty(RestoreRect) && ((Command == cmmaximize && Parent->WindowState() == wsMaximized) ||
                                         (Command == cmminimize && Parent->WindowState() == wsMinimized) ||
                                         (Command == cmrollup && Parent->RollUpState()));
}

void TbsSkinAnimateObject::Draw(TCanvas* Canvas, bool)
{
    if (!SkinReady())
        return;
    bool restore = InRestoreState();
    TRect normal = restore ? RestoreRect : SkinRect;
    TRect strip = restore ? RestoreActiveRect : ActiveSkinRect;
    TRect down = restore ? RestoreDownRect : DownSkinRect;
    TRect inactive = restore ? RestoreInActiveRect : InActiveSkinRect;
    auto frame = [&](int N) {
        int w = normal.Width();
        return TRect{strip.Left + (N - 1) * w, strip.Top, strip.Left + N * w, strip.Top + normal.Height()};
    };
    if (MenuTracking) {
        if (IsRectEmpty(down)) {
            Frame = std::max(CountFrames, 1);
            DrawImage(Canvas, ActivePicture, frame(Frame));
        } else {
            DrawImage(Canvas, ActivePicture, down);
        }
        return;
    }
    if (!FormActive() && !IsRectEmpty(inactive))
        DrawImage(Canvas, ActivePicture, inactive);
    else if (Down && MouseIn && !IsRectEmpty(down))
        DrawImage(Canvas, ActivePicture, down);
    else
        DrawImage(Canvas, ActivePicture, frame(Frame));
}

void TbsSkinAnimateObject::SetFrame(int Value)
{
    if (Increment && Value > CountFrames)
        Value = 1;
    else if (!Increment && Value < 1)
        Value = CountFrames;
    Frame = Value;
    Parent->DrawSkinObject(this);
}

bool TbsSkinAnimateObject::AnimationTick()
{
    if (!Active || (Down && !IsRectEmpty(DownSkinRect)))
        return false;
    // A strip without frames has nothing to step through.
    if (!Animates()) {
        Active = false;
        return false;
    }
    if (TimerCounter < TimerInterval) {
        TimerCounter += 25;
        return true;
    }
    if (Increment) {
        SetFrame(Frame + 1);
        if (!Cycle && Frame == CountFrames)
            Active = false;
    } else {
        SetFrame(Frame - 1);
        if (Frame == 1)
            Active = false;
    }
    TimerCounter = 25;
    return true;
}

void TbsSkinAnimateObject::Run()
{
    if (Down && !IsRectEmpty(DownSkinRect))
        Parent->DrawSkinObject(this);
    else if (Animates())
        Parent->EnableFrameAnimation();
}

void TbsSkinAnimateObject::MouseEnter()
{
    if (Command != cmdefault) {
        bool restore = (Command == cmmaximize && Parent->WindowState() == wsMaximized) ||
                       (Command == cmminimize && Parent->WindowState() == wsMinimized) ||
                       (Command == cmrollup && Parent->RollUpState());
        Hint = restore && !RestoreHint.empty() ? RestoreHint : NormalHint;
    }
    MouseIn = true;
    if (MenuTracking)
        return;
    if (ButtonStyle) {
        Active = true;
        Increment = true;
        Run();
    }
    if (Parent->OnMouseEnterEvent)
        Parent->OnMouseEnterEvent(IDName);
    ShowLayer();
}

void TbsSkinAnimateObject::MouseLeave()
{
    if (!MouseIn)
        return;
    MouseIn = false;
    if (MenuTracking)
        return;
    if (ButtonStyle) {
        Active = true;
        Increment = false;
        Run();
    }
    if (Parent->OnMouseLeaveEvent)
        Parent->OnMouseLeaveEvent(IDName);
    HideLayer();
}

void TbsSkinAnimateObject::MouseDown(int X, int Y, TMouseButton Button)
{
    TbsActiveSkinObject::MouseDown(X, Y, Button);
    if (Button != mbLeft)
        return;
    if (!IsRectEmpty(DownSkinRect)) {
        Frame = std::max(CountFrames, 1);
        Down = true;
        Parent->DrawSkinObject(this);
    }
    if (Command == cmsysmenu && MouseIn && ButtonStyle)
        DoCommand();
}

void TbsSkinAnimateObject::MouseUp(int X, int Y, TMouseButton Button)
{
    TbsActiveSkinObject::MouseUp(X, Y, Button);
    if (MenuTracking || Button != mbLeft)
        return;
    if (!IsRectEmpty(DownSkinRect)) {
        Down = false;
        Parent->DrawSkinObject(this);
        if (Animates())
            Parent->EnableFrameAnimation();
    }
    // Last: a close may end the form's life as far as this object goes.
    if (Command != cmsysmenu && MouseIn && ButtonStyle)
        DoCommand();
}

void TbsSkinAnimateObject::DblClick()
{
    if (Command == cmsysmenu)
        Parent->CloseForm();
}

void TbsSkinAnimateObject::TrackMenu()
{
    if (OpenMenu(MenuItem))
        MenuTracking = true;
}

void TbsSkinAnimateObject::DoCommand()
{
    switch (Command) {
    case cmclose:
        Parent->ResetTracking();
        Parent->CloseForm();
        break;
    case cmmaximize:
        Parent->ResetTracking();
        Parent->SetWindowState(Parent->WindowState() == wsMaximized ? wsNormal : wsMaximized);
        break;
    case cmminimize:
        Parent->ResetTracking();
        if (Parent->AlwaysMinimizeToTray)
            Parent->MinimizeToTray();
        else
            Parent->SetWindowState(Parent->WindowState() == wsMinimized ? wsNormal : wsMinimized);
        break;
    case cmsysmenu:
        MenuItem = Parent->GetSystemMenuItems();
        TrackMenu();
        break;
    case cmdefault:
        TrackMenu();
        break;
    case cmrollup:
        Parent->SetRollUpState(!Parent->RollUpState());
        break;
    case cmminimizetotray:
        Parent->ResetTracking();
        Parent->MinimizeToTray();
        break;
    }
}

void TbsSkinAnimateObject::MenuClosed()
{
    if (!MenuTracking || !MenuItem)
        return;
    Active = true;
    Frame = std::max(CountFrames, 1);
    Down = false;
    MenuTracking = false;
    Increment = false;
    if (Animates())
        Parent->EnableFrameAnimation();
}

void TbsSkinAnimateObject::ResetState()
{
    TbsActiveSkinObject::ResetState();
    Frame = 1;
}
