// The frame's window procedure: the menu-closing preview, the first
// dispatch (which decides whether the form's previous procedure runs), the
// previous procedure, then the second dispatch.
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/kernel/timer.h"
#include "platform/win/window_coords.h"
#include "platform/win/window_dc.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"
#include "platform/win/win_messages.h"
#include "skin/controls/bs_skin_menu.h"
#include "skin/data/bs_layer_manager.h"
#include "skin/data/bs_platform.h"
#include "skin/data/bs_skin_data.h"
#include "skin/data/bs_skin_data_messages.h"
#include "skin/form/bs_skin_caption_object.h"
#include "skin/form/bs_skin_change_walk.h"
#include "skin/form/bs_skin_form.h"

void TbsSkinForm::CallOld(TMessage& Message)
{
    if (oldWindowProc_)
        oldWindowProc_(Message);
}

void TbsSkinForm::NewWndProc(TMessage& Message)
{
    std::weak_ptr<bool> alive = alive_;
    // A press, a move or a change of activation ends the caption button's
    // hint as it ends menus.
    if (IsMenuCloseMessage(Message.Msg))
        HideObjectHint();
    if (HandleMenuMessage(Message))
        return;
    if (FirstDispatch(Message))
        CallOld(Message);
    // The previous procedure may have freed the form and this component.
    if (!alive.expired())
        SecondDispatch(Message);
}

bool TbsSkinForm::FirstDispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_DESTROY:
        StopTimers();
        return true;
    case WM_SIZE:
        WMSize(Message);
        return false;
    case WM_SKINFRAMEQUERY:
        Message.Result = !Skinnable && IsWindowsVista() ? SkinFrameQueryNotSkinnedAnswer : SkinFrameQueryAnswer;
        return false;
    case WM_SKINDATA_SKINNABLEFORMCHANGED:
        SkinnableChanged(Message);
        return true;
    case WM_ACTIVATE:
        // Losing the keyboard, or getting it back, ends the bar's keyboard
        // mode: its keys went elsewhere meanwhile.
        MainMenuExit();
        break;
    default:
        break;
    }
    if (!Skinnable)
        return true;
    if (EffectsFirst(Message))
        return false;

    switch (Message.Msg) {
    case WM_ACTIVATE:
        CallOld(Message);
        SendNCPaint();
        ResetObjects();
        SetActiveState(GetFormActive());
        return false;
    case WM_SETTEXT:
        CallOld(Message);
        if (HasBorder())
            SendNCPaint();
        layerBorder_->RedrawCaption();
        return false;
    case WM_ERASEBKGND:
        WMEraseBkgnd(Message);
        return false;
    case WM_SHOWWINDOW:
        WMShowWindow(Message);
        return true;
    case WM_SETCURSOR: {
        LRESULT code = static_cast<int16_t>(LOWORD(Message.LParam));
        if (UseFormCursorInNCArea && code != HTCLIENT && (code < HTLEFT || code > HTBOTTOMRIGHT))
            Message.LParam = MAKELPARAM(HTCLIENT, HIWORD(Message.LParam));
        return true;
    }
    case WM_GETMINMAXINFO:
        CallOld(Message);
        WMGetMinMaxInfo(Message);
        return false;
    case WM_WINDOWPOSCHANGED:
        return true;
    case WM_NCCALCSIZE:
        if (MDIChildFrameless()) {
            Message.Result = 0;
            return false;
        }
        if (!HasBorder())
            return true;
        WMNCCalcSize(Message);
        return false;
    case WM_NCHITTEST:
        if (MDIChildFrameless()) {
            Message.Result = HTCLIENT;
            return false;
        }
        WMNCHitTest(Message);
        return false;
    case WM_NCPAINT:
        if (MDIChildFrameless())
            return false;
        if (!HasBorder())
            return true;
        if (SkinUsed || !ChangingSkin) {
            HDC dc = GetWindowDC(Form()->Handle());
            PaintNCArea(dc);
            ReleaseDC(Form()->Handle(), dc);
        }
        return false;
    case WM_NCACTIVATE:
        return WMNCActivate(Message);
    case WM_SYNCPAINT:
        if (!rollUpState_)
            return true;
        SendNCPaint();
        Message.Result = 0;
        return false;
    case WM_SYSCOMMAND:
        if ((Message.WParam & 0xFFF0) == SC_RESTORE && OnRestore)
            OnRestore(this);
        // Alt with a key no menu item has is no way into the bar.
        if ((Message.WParam & 0xFFF0) == SC_KEYMENU && Message.LParam == 0) {
            if (CloseRibbonMenu())
                return false;
            // Alt or F10 switches the bar's keyboard mode on and off.
            if (MainMenuActive) {
                MainMenuExit();
                return false;
            }
            if (SkinMenu()->ChainOpen())
                SkinMenu()->CloseMenu();
            MainMenuEnter();
            return false;
        }
        return true;
    case WM_SIZING:
        if (InSizeMove && SkinUsed)
            WMSizing(Message);
        return true;
    case WM_MOVING:
        if (FormState == wsMaximized && Message.LParam) {
            TRect* proposed = reinterpret_cast<TRect*>(Message.LParam);
            GetWindowRect(Form()->Handle(), proposed);
        } else if (Magnetic && Message.LParam) {
            TRect* proposed = reinterpret_cast<TRect*>(Message.LParam);
            int x = proposed->Left;
            int y = proposed->Top;
            MagneticMove(x, y, proposed->Width(), proposed->Height());
            OffsetRect(*proposed, x - proposed->Left, y - proposed->Top);
        }
        return true;
    case WM_ENTERSIZEMOVE:
        WMEnterSizeMove();
        return true;
    case WM_EXITSIZEMOVE:
        WMExitSizeMove();
        return true;
    case WM_SKINDATA_BEFORECHANGE:
        BeforeChangeSkinData(reinterpret_cast<TbsSkinData*>(Message.WParam));
        return true;
    case WM_SKINDATA_CHANGED:
        ChangeSkinData(reinterpret_cast<TbsSkinData*>(Message.WParam));
        return true;
    case WM_SKINDATA_AFTERCHANGE:
        AfterChangeSkinData(reinterpret_cast<TbsSkinData*>(Message.WParam));
        return true;
    case WM_SKINMENUCLOSED:
        SkinMenuClose();
        return true;
    case WM_SKINDATA_RESSTRCHANGED:
        ResStrChanged();
        return true;
    case WM_SKINMDICHILDFIT:
    case WM_SKINMDICHILDMAXIMIZED:
    case WM_SKINMDICHILDNOTMAXIMIZED:
    case WM_SKINMDICHILDCHANGED:
    case WM_SKINMDICHILDRESTORED:
    case WM_SKINMDICHILDMINIMIZED:
    case WM_SKINMDIQUERYMAXIMIZED:
        return MDIMessage(Message);
    case WM_SKINRESTOREDFROMTRAY:
        RestoredFromTray();
        return true;
    case WM_SKINPAINTFRAME:
        return !PaintQuery(Message, SkinFramePaintAnswer);
    case WM_SKINPAINTFRAMEEX:
        if (Message.LParam != SkinFramePaintExKey)
            return true;
        return !PaintQuery(Message, SkinFramePaintExKey);
    default:
        return true;
    }
}

bool TbsSkinForm::PaintQuery(TMessage& Message, LRESULT Answer)
{
    if (Message.WParam != 0 && HasBorder())
        PaintNCArea(reinterpret_cast<HDC>(Message.WParam));
    Message.Result = Answer;
    return true;
}

void TbsSkinForm::SecondDispatch(TMessage& Message)
{
    EffectsAfter(Message);
    MDIAfter(Message);
    if (!Skinnable)
        return;
    switch (Message.Msg) {
    case WM_SHOWWINDOW:
        if (Message.WParam == 0) {
            layerManager_->Hide();
            menuLayerManager_->Hide();
        }
        break;
    case WM_NCMOUSEMOVE:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
    case WM_NCRBUTTONDBLCLK:
        NCMouse(Message);
        break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP: {
        // A captured object hears the release in client coordinates.
        TPoint client = Form()->ClientToScreen({GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)});
        TPoint p = WindowPoint(MAKELPARAM(client.X, client.Y));
        MouseUp(p.X, p.Y, Message.Msg == WM_LBUTTONUP ? mbLeft : mbRight);
        break;
    }
    default:
        break;
    }
}

void TbsSkinForm::NCMouse(TMessage& Message)
{
    TPoint p = WindowPoint(Message.LParam);
    bool onCaption = Message.WParam == static_cast<WPARAM>(HTCAPTION);
    std::weak_ptr<bool> alive = alive_;
    switch (Message.Msg) {
    case WM_NCMOUSEMOVE:
        MouseMove(p.X, p.Y);
        break;
    case WM_NCLBUTTONDOWN:
        // The press that started a move or size loop is over with it.
        if (InSizeMove) {
            InSizeMove = false;
            break;
        }
        TestActive(p.X, p.Y, true);
        if (alive.expired())
            return;
        MouseDown(p.X, p.Y, mbLeft);
        if (!alive.expired() && onCaption)
            MouseCaptureObject = -1;
        break;
    case WM_NCLBUTTONUP:
        MouseUp(p.X, p.Y, mbLeft);
        break;
    case WM_NCLBUTTONDBLCLK:
        TestActive(p.X, p.Y, true);
        if (alive.expired())
            return;
        MouseDown(p.X, p.Y, mbLeft);
        if (alive.expired())
            return;
        MouseDblClick(p.X, p.Y);
        if (alive.expired())
            return;
        if (onCaption && CanSize()) {
            if (FormState == wsMinimized || FormState == wsMaximized)
                SetWindowState(wsNormal);
            else if (!rollUpState_ && borderIcons_.Contains(TbsBorderIcon::biMaximize))
                SetWindowState(wsMaximized);
            else
                SetRollUpState(!rollUpState_);
        } else if (onCaption) {
            SetRollUpState(!rollUpState_);
        }
        MouseCaptureObject = -1;
        break;
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONDBLCLK:
        TestActive(p.X, p.Y, true);
        if (alive.expired())
            return;
        MouseDown(p.X, p.Y, mbRight);
        if (alive.expired() || !onCaption)
            break;
        MouseCaptureObject = -1;
        if (Message.Msg == WM_NCRBUTTONDOWN && !DisableSystemMenu)
            ShowSysMenuAt({GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)});
        break;
    case WM_NCRBUTTONUP:
        MouseUp(p.X, p.Y, mbRight);
        break;
    default:
        break;
    }
}

void TbsSkinForm::WMNCCalcSize(TMessage& Message)
{
    TRect* r = reinterpret_cast<TRect*>(Message.LParam);
    if (Message.WParam)
        r = &reinterpret_cast<NCCALCSIZE_PARAMS*>(Message.LParam)->rgrc[0];
    if (SkinUsed)
        *r = SkinnedClientRect(*r, *skinData_, skinData_->Picture->Width(), skinData_->Picture->Height());
    else
        *r = DefaultFrameClientRect(*r, ToolWindow());
    Message.Result = 0;
}

void TbsSkinForm::WMNCHitTest(TMessage& Message)
{
    TPoint p = WindowPoint(Message.LParam);
    Message.Result = HitTest(p);
    if (Message.Result == HTOBJECT && !mouseTimer_->Enabled()) {
        std::weak_ptr<bool> alive = alive_;
        TestActive(p.X, p.Y, true);
        if (!alive.expired())
            mouseTimer_->SetEnabled(true);
    }
}

bool TbsSkinForm::WMNCActivate(TMessage& Message)
{
    if (SkinMenu()->ChainOpen())
        SkinMenu()->CloseMenu();
    layerManager_->Hide();
    menuLayerManager_->Hide();
    FormActive = Message.WParam != 0;
    if (!FormActive)
        ResetTracking();
    Message.Result = 1;
    if (HasBorder())
        SendNCPaint();
    SetActiveState(FormActive);
    // Activation takes the veil away even when the effect was switched off
    // in between.
    if (FormActive || (ClientInActiveEffect && Form()->Visible()))
        CoverInActiveClient(FormActive);
    return false;
}

void TbsSkinForm::SetActiveState(bool Active)
{
    for (auto& object : objects_) {
        auto* caption = dynamic_cast<TbsSkinCaptionObject*>(object.get());
        if (!caption || caption->Active == Active)
            continue;
        caption->SetActiveState(Active);
        break;
    }
    TNotifyEvent handler = Active ? OnActivate : OnDeActivate;
    if (handler)
        handler(this);
}

void TbsSkinForm::WMGetMinMaxInfo(TMessage& Message)
{
    auto* info = reinterpret_cast<MINMAXINFO*>(Message.LParam);
    TbsSizeLimitsInput limits = SizeLimits();
    info->ptMinTrackSize = {FrameMinWidth(limits), FrameMinHeight(limits)};
    info->ptMaxTrackSize = {FrameMaxWidth(limits), FrameMaxHeight(limits)};
}

void TbsSkinForm::WMShowWindow(TMessage& Message)
{
    if (Message.WParam == 0 || !FirstShow)
        return;
    if (PositionInMonitor == bspDefault) {
        FirstShow = false;
    } else if (FormState == wsNormal) {
        FirstShow = false;
        TCustomForm* form = Form();
        TPoint at = CalcPositionInMonitor(PositionInMonitor, form->Handle(), {form->Left(), form->Top()},
                                          form->Width(), form->Height());
        form->SetBounds(at.X, at.Y, form->Width(), form->Height());
    }
    // A width changed by one pixel and back makes the platform lay the new
    // frame out.
    int w = Form()->Width();
    bool downFirst = w - 1 >= FrameMinWidth(SizeLimits());
    Form()->SetWidth(downFirst ? w - 1 : w + 1);
    Form()->SetWidth(w);
}

void TbsSkinForm::WMSize(TMessage& Message)
{
    if (InSizeMove && Sizing) {
        CallOld(Message);
        return;
    }
    CallOld(Message);
    newW_ = Form()->Width();
    newH_ = Form()->Height();
    if (!Skinnable)
        return;
    if (!SkinUsed) {
        SetFormRegion(true);
        UpdateFrame(true);
        SendNCPaint();
        return;
    }
    TbsSizeLimitsInput limits = SizeLimits();
    if (newW_ >= FrameMinWidth(limits) && newH_ >= FrameMinHeight(limits))
        UpdateFrame(true);
}

void TbsSkinForm::WMSizing(TMessage& Message)
{
    Sizing = true;
    CallOld(Message);
    const TRect* proposed = reinterpret_cast<const TRect*>(Message.LParam);
    TbsSizeLimitsInput limits = SizeLimits();
    newW_ = std::max(proposed->Width(), FrameMinWidth(limits));
    newH_ = std::max(proposed->Height(), FrameMinHeight(limits));
    if (Form()->Width() < FrameMinWidth(limits) || Form()->Height() < FrameMinHeight(limits))
        return;
    if (newW_ == Form()->Width() && newH_ == Form()->Height())
        return;
    UpdateFrame(true);
}

void TbsSkinForm::WMEnterSizeMove()
{
    ResetObjects();
    mouseTimer_->SetEnabled(false);
    ActiveObject = MouseCaptureObject = -1;
    InSizeMove = true;
    // A move starts with no edge stuck: the cursor of an old snap is
    // somewhere else by now.
    magnetic_.Reset();
}

void TbsSkinForm::WMExitSizeMove()
{
    if (Sizing && (Form()->Width() != newW_ || Form()->Height() != newH_)) {
        newW_ = Form()->Width();
        newH_ = Form()->Height();
        UpdateFrame(true);
    }
    Sizing = false;
    InSizeMove = false;
    mouseTimer_->SetEnabled(false);
    ActiveObject = OldActiveObject = MouseCaptureObject = -1;
    if (!skinData_ || !skinData_->Empty)
        SendNCPaint();
}

void TbsSkinForm::SkinnableChanged(TMessage& Message)
{
    if (reinterpret_cast<TbsSkinData*>(Message.WParam) != skinData_ || !skinData_)
        return;
    // A child follows its parent's frame, and a parent with children keeps
    // its look: switching it would re-frame every child under it.
    TCustomForm* form = Form();
    if (form->FormStyle() == fsMDIChild || (form->FormStyle() == fsMDIForm && form->MDIChildCount() > 0))
        return;
    // Restored the way it was maximized: by the frame or by the platform.
    bool maximized = FormState == wsMaximized || Form()->WindowState() == wsMaximized;
    if (maximized)
        SetWindowState(wsNormal);
    Skinnable = skinData_->SkinnableForm();
    ApplySkin();
    // Every skinned control of the form follows, whatever skin it uses.
    ChangeControls(nullptr, Form());
    InstallWindowProc();
    if (maximized)
        SetWindowState(wsMaximized);
}
