// The frame's window commands: it keeps a state of its own and carries out
// minimize, maximize, restore and roll-up by moving and sizing the form,
// keeping the bounds to come back to; minimized frames line up along the
// bottom of the work area, and a moved form snaps to the work area's edges.
#include <algorithm>

#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/kernel/screen.h"
#include "platform/ui/kernel/timer.h"
#include "platform/win/cursor.h"
#include "platform/win/monitors.h"
#include "platform/win/window_attributes.h"
#include "skin/controls/bs_skin_status_bar.h"
#include "skin/data/bs_skin_colors.h"
#include "skin/data/bs_skin_data_messages.h"
#include "skin/form/bs_find_skin_form.h"
#include "skin/form/bs_minimized_pos.h"
#include "skin/form/bs_skin_form.h"

namespace {

bool IsEmptyBounds(const TRect& R) { return R.Width() < 1 || R.Height() < 1; }

TRect BoundsOf(const TCustomForm* Form)
{
    return {Form->Left(), Form->Top(), Form->Left() + Form->Width(), Form->Top() + Form->Height()};
}

MONITORINFO FormMonitor(TCustomForm* Form)
{
    MONITORINFO info;
    HMONITOR monitor = Form->HandleAllocated()
                           ? MonitorFromWindow(Form->Handle(), MONITOR_DEFAULTTONEAREST)
                           : MonitorFromRect(BoundsOf(Form), MONITOR_DEFAULTTONEAREST);
    GetMonitorInfo(monitor, &info);
    return info;
}

bool IsMainForm(const TCustomForm* Form) { return Application != nullptr && Application->MainForm() == Form; }

}  // namespace

void TbsSkinForm::SetFrameWindowState(TWindowState Value)
{
    if (!Skinnable) {
        Form()->SetWindowState(Value);
        return;
    }
    if (Value == FormState)
        return;
    TWindowState old = FormState;
    // The main form minimizes the whole application, as the desktop's
    // icon; its frame stays as it was, to come back as it left.
    if (Value != wsMinimized || !IsMainForm(Form()))
        FormState = Value;
    switch (Value) {
    case wsMinimized:
        Minimize();
        break;
    case wsMaximized:
        rolledUpBeforeMaximize_ = rollUpState_;
        Maximize();
        break;
    case wsNormal:
        if (old == wsMaximized && rollUpState_ && !rolledUpBeforeMaximize_)
            RollUp(false);
        rolledUpBeforeMaximize_ = false;
        Restore();
        break;
    }
}

void TbsSkinForm::Minimize()
{
    TCustomForm* form = Form();
    if (IsMainForm(form)) {
        Application->Minimize();
    } else {
        if (IsEmptyBounds(restoreRect_))
            restoreRect_ = BoundsOf(form);
        TPoint at = GetMinimizedPos();
        form->SetBounds(at.X, at.Y, GetMinWidth(), GetMinHeight());
        if (form->FormStyle() == fsMDIChild) {
            SendToMDIParent(WM_SKINMDICHILDNOTMAXIMIZED, 0);
            SendToMDIParent(WM_SKINMDICHILDMINIMIZED, reinterpret_cast<WPARAM>(form->Handle()));
        }
    }
    if (OnMinimize)
        OnMinimize(this);
}

TPoint TbsSkinForm::GetMinimizedPos() const
{
    TCustomForm* form = Form();
    if (form->FormStyle() == fsMDIChild && form->HandleAllocated())
        return MDIMinimizedPos();
    std::vector<TPoint> taken;
    for (int i = 0; i < Screen->FormCount(); ++i) {
        TCustomForm* other = Screen->Forms(i);
        if (other == form || IsMainForm(other) || !other->Visible())
            continue;
        TbsSkinForm* frame = FindSkinFormComponent(other);
        if (frame != nullptr && frame->WindowState() == wsMinimized)
            taken.push_back({other->Left(), other->Top()});
    }
    return MinimizedPlace(FormMonitor(form).rcWork, GetMinWidth(), GetMinHeight(), taken);
}

void TbsSkinForm::Maximize()
{
    TCustomForm* form = Form();
    if (IsEmptyBounds(restoreRect_))
        restoreRect_ = BoundsOf(form);
    if (form->FormStyle() == fsMDIChild && form->HandleAllocated()) {
        MaximizeMDIChild();
        return;
    }
    MONITORINFO monitor = FormMonitor(form);
    TRect r = MaximizeOnFullScreen ? monitor.rcMonitor : monitor.rcWork;
    // With the task bar hidden, the pixel left free on every side lets the
    // desktop show it again when the mouse reaches the screen's edge.
    if (monitor.rcWork == monitor.rcMonitor && (monitor.dwFlags & MONITORINFOF_PRIMARY))
        r = {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
    // A layered border that carries the whole frame stays on the screen
    // too: the form leaves it its margins.
    if (layerBorder_->CarriesCaption()) {
        const TbsLayerMetrics& m = layerBorder_->Metrics();
        r = {r.Left + m.LeftMargin, r.Top + m.TopMargin, r.Right - m.RightMargin, r.Bottom - m.BottomMargin};
    }
    form->SetBounds(r.Left, r.Top, r.Width(), r.Height());
    if (StatusBar != nullptr && StatusBar->SizeGrip())
        StatusBar->SetGripVisible(false);
    if (OnMaximize)
        OnMaximize(this);
}

void TbsSkinForm::Restore()
{
    TCustomForm* form = Form();
    rolledUpWhileMaximized_ = false;
    int oldWidth = form->Width();
    int oldHeight = form->Height();
    if (firstRestore_) {
        firstRestore_ = false;
        TRect r = IsEmptyBounds(restoreRect_) ? BoundsOf(form) : restoreRect_;
        TPoint at = CalcPositionInMonitor(PositionInMonitor, form->HandleAllocated() ? form->Handle() : nullptr,
                                          {r.Left, r.Top}, r.Width(), r.Height());
        form->SetBounds(at.X, at.Y, r.Width(), r.Height());
    } else if (!IsEmptyBounds(restoreRect_)) {
        form->SetBounds(restoreRect_.Left, restoreRect_.Top, restoreRect_.Width(), restoreRect_.Height());
    }
    MouseTimer()->SetEnabled(true);
    if (form->Width() == oldWidth && form->Height() == oldHeight)
        SizeNudge();
    RepaintFrame();
    if (form->FormStyle() == fsMDIChild && FormState != wsMaximized) {
        SendToMDIParent(WM_SKINMDICHILDNOTMAXIMIZED, 0);
        SendToMDIParent(WM_SKINMDICHILDRESTORED, 0);
    }
    restoreRect_ = {};
    if (StatusBar != nullptr && StatusBar->SizeGrip())
        StatusBar->SetGripVisible(true);
    if (OnRestore)
        OnRestore(this);
}

void TbsSkinForm::RollUp(bool Value)
{
    if (!borderIcons_.Contains(TbsBorderIcon::biRollUp) || FormState == wsMinimized)
        return;
    if (rollUpState_ && FormState == wsMaximized && !rolledUpWhileMaximized_)
        return;
    // Rolled up twice, the height to come back to would be the caption's.
    if (Value == rollUpState_)
        return;
    if (FormState == wsMaximized)
        rolledUpWhileMaximized_ = Value;
    rollUpState_ = Value;
    TCustomForm* form = Form();
    if (Value) {
        heightBeforeRollUp_ = form->Height();
        form->SetHeight(GetMinHeight());
    } else if (ClientHeight != 0) {
        form->SetClientHeight(ClientHeight);
    } else {
        form->SetHeight(heightBeforeRollUp_);
    }
    if (OnChangeRollUpState)
        OnChangeRollUpState(this);
    SendNCPaint();
}

void TbsSkinForm::SizeNudge()
{
    TCustomForm* form = Form();
    int w = form->Width();
    if (GetMinWidth() > w - 1) {
        form->SetWidth(w + 1);
        form->SetWidth(w);
    } else {
        form->SetWidth(w - 1);
        form->SetWidth(w);
    }
}

int TbsSkinForm::GetMinWidth() const { return FrameMinWidth(SizeLimits()); }

int TbsSkinForm::GetMinHeight() const { return FrameMinHeight(SizeLimits()); }

int TbsSkinForm::GetMaxWidth() const { return FrameMaxWidth(SizeLimits()); }

int TbsSkinForm::GetMaxHeight() const { return FrameMaxHeight(SizeLimits()); }

void TbsSkinForm::MagneticMove(int& X, int& Y, int W, int H)
{
    TPoint cursor{};
    GetCursorPos(&cursor);
    magnetic_.Move(X, Y, W, H, FormMonitor(Form()).rcWork, MagneticSize, cursor);
}
