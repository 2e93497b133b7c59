// TCustomForm: building and freeing a form, its window and its styles,
// showing, placing and closing it.
#include "platform/ui/kernel/custom_form.h"

#include "platform/base/exceptions.h"
#include "platform/ui/graphics/graphics_exceptions.h"
#include "platform/gdi/colors.h"
#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/controls_messages.h"
#include "platform/ui/kernel/mdi_client.h"
#include "platform/ui/kernel/menu_bar.h"
#include "platform/ui/kernel/menus.h"
#include "platform/ui/kernel/screen.h"
#include "platform/win/focus.h"
#include "platform/win/message_queue.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_lifecycle.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_styles.h"

TCustomForm* GetParentForm(TControl* Control)
{
    return dynamic_cast<TCustomForm*>(GetParentRoot(Control));
}

TCustomForm::TCustomForm(TComponent* AOwner)
    : TWinControl(AOwner), canvas_(std::make_unique<TControlCanvas>()), icon_(std::make_unique<TIcon>())
{
    canvas_->SetControl(this);
    SetControlStyle(TControlStyle(ControlStyle()).Include(csAcceptsControls));
    SetVisible(false);
    SetBounds(0, 0, 320, 240);
    SetColor(clBtnFace);
    Screen->AddForm(this);
}

TCustomForm::~TCustomForm()
{
    Screen->RemoveForm(this);
}

void TCustomForm::AfterConstruction()
{
    if (created_)
        return;
    created_ = true;
    if (OnCreate)
        OnCreate(this);
}

void TCustomForm::BeforeDestruction()
{
    if (created_ && OnDestroy) {
        try {
            OnDestroy(this);
        } catch (const std::exception& e) {
            Application->HandleException(this, e);
        }
    }
    if (TMDIClient* client = ChildClient())
        client->ChildHidden(this);
    Screen->RemoveForm(this);
    TWinControl::BeforeDestruction();
}

void TCustomForm::SetBorderStyle(TFormBorderStyle Value)
{
    if (borderStyle_ == Value)
        return;
    borderStyle_ = Value;
    RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons Value)
{
    if (borderIcons_ == Value)
        return;
    borderIcons_ = Value;
    RecreateWnd();
}

void TCustomForm::SetFormStyle(TFormStyle Value)
{
    if (formStyle_ == Value)
        return;
    bool multipleDocuments = formStyle_ == fsMDIChild || formStyle_ == fsMDIForm || Value == fsMDIChild ||
                             Value == fsMDIForm;
    formStyle_ = Value;
    if (HandleAllocated() && multipleDocuments)
        RecreateWnd();
    else if (HandleAllocated() && TopLevel())
        SetWindowPos(Handle(), Value == fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

TWindowState TCustomForm::WindowState()
{
    if (HandleAllocated() && IsWindowVisible(Handle()))
        return IsIconic(Handle()) ? wsMinimized : IsZoomed(Handle()) ? wsMaximized : wsNormal;
    return windowState_;
}

void TCustomForm::SetWindowState(TWindowState Value)
{
    windowState_ = Value;
    if (!HandleAllocated() || !Showing())
        return;
    static constexpr int Commands[] = {SW_SHOWNORMAL, SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED};
    ShowWindow(Handle(), Commands[Value]);
}

void TCustomForm::SetMenu(TMainMenu* Value)
{
    if (menu_ == Value)
        return;
    if (menu_)
        menu_->RemoveFreeNotification(this);
    menu_ = Value;
    if (menu_)
        menu_->FreeNotification(this);
    UpdateMenuBar();
}

void TCustomForm::Notification(TComponent* AComponent, TOperation Operation)
{
    TWinControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == menu_) {
        menu_ = nullptr;
        if (!ComponentState().Contains(csDestroying))
            UpdateMenuBar();
        else
            menuBar_.reset();
    }
    if (Operation == opRemove && AComponent == windowMenu_)
        windowMenu_ = nullptr;
}

void TCustomForm::CreateParams(TCreateParams& Params)
{
    TWinControl::CreateParams(Params);
    Params.WindowClass.hbrBackground = nullptr;
    if (!TopLevel())
        return;
    Params.Style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    Params.ExStyle = 0;
    Params.WndParent = nullptr;
    if (!Enabled())
        Params.Style |= WS_DISABLED;
    TFormBorderStyle border = borderStyle_;
    TBorderIcons icons = borderIcons_;
    switch (border) {
    case bsNone:
        Params.Style |= WS_POPUP;
        icons = {};
        break;
    case bsSingle:
        Params.Style |= WS_CAPTION;
        break;
    case bsSizeable:
        Params.Style |= WS_CAPTION | WS_THICKFRAME;
        break;
    case bsDialog:
        Params.Style |= WS_POPUP | WS_CAPTION;
        Params.ExStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
        icons.Exclude(biMinimize).Exclude(biMaximize);
        break;
    case bsToolWindow:
        Params.Style |= WS_CAPTION;
        Params.ExStyle |= WS_EX_TOOLWINDOW;
        icons.Exclude(biMinimize).Exclude(biMaximize);
        break;
    case bsSizeToolWin:
        Params.Style |= WS_CAPTION | WS_THICKFRAME;
        Params.ExStyle |= WS_EX_TOOLWINDOW;
        icons.Exclude(biMinimize).Exclude(biMaximize);
        break;
    }
    if (icons.Contains(biSystemMenu)) {
        Params.Style |= WS_SYSMENU;
        if (icons.Contains(biMinimize))
            Params.Style |= WS_MINIMIZEBOX;
        if (icons.Contains(biMaximize))
            Params.Style |= WS_MAXIMIZEBOX;
        // The help button shows only where no minimize or maximize box does.
        if (icons.Contains(biHelp) && !icons.Contains(biMinimize) && !icons.Contains(biMaximize))
            Params.ExStyle |= WS_EX_CONTEXTHELP;
    }
    if (formStyle_ == fsStayOnTop)
        Params.ExStyle |= WS_EX_TOPMOST;
    if (position_ == poDefault || position_ == poDefaultPosOnly)
        Params.X = Params.Y = CW_USEDEFAULT;
    if (formStyle_ == fsMDIChild) {
        Params.Style = (Params.Style & ~WS_POPUP) | WS_CHILD;
        Params.ExStyle = (Params.ExStyle & ~WS_EX_TOPMOST) | WS_EX_MDICHILD;
        Params.WndParent = ClientForChild().Handle();
    }
}

void TCustomForm::CreateWnd()
{
    AfterConstruction();
    mdiClient_.reset();
    TWinControl::CreateWnd();
    if (formStyle_ == fsMDIForm) {
        mdiClient_ = std::make_unique<TMDIClient>(*this);
        RecreateMDIChildren();
    }
}

void TCustomForm::PaintWindow(HDC DC)
{
    TAlive alive(this);
    canvas_->Lock();
    canvas_->SetHandle(DC);
    if (OnPaint)
        OnPaint(this);
    if (!alive)
        return;
    canvas_->SetHandle(nullptr);
    canvas_->Unlock();
}

bool TCustomForm::CanFocus()
{
    return Visible() && Enabled() && TWinControl::CanFocus();
}

void TCustomForm::Show()
{
    SetVisible(true);
    BringToFront();
}

void TCustomForm::Release()
{
    PostMessage(Handle(), CM_RELEASE, 0, 0);
}

bool TCustomForm::CloseQuery()
{
    bool canClose = true;
    if (OnCloseQuery)
        OnCloseQuery(this, canClose);
    return canClose;
}

void TCustomForm::DoClose(TCloseAction& Action)
{
    if (OnClose)
        OnClose(this, Action);
}

void TCustomForm::Close()
{
    if (modal_) {
        modalResult_ = mrCancel;
        return;
    }
    TAlive alive(this);
    if (!CloseQuery() || !alive)
        return;
    TCloseAction action = caHide;
    DoClose(action);
    if (!alive || action == caNone)
        return;
    if (Application->MainForm() == this)
        Application->Terminate();
    else if (action == caHide)
        Hide();
    else if (action == caMinimize)
        SetWindowState(wsMinimized);
    else
        Release();
}

void TCustomForm::DoShow()
{
    if (OnShow)
        OnShow(this);
}

void TCustomForm::DoHide()
{
    if (OnHide)
        OnHide(this);
}

void TCustomForm::Activate()
{
    if (OnActivate)
        OnActivate(this);
}

void TCustomForm::Deactivate()
{
    if (OnDeactivate)
        OnDeactivate(this);
}

void TCustomForm::PlaceForm()
{
    if (placed_ || !TopLevel())
        return;
    placed_ = true;
    TRect area;
    switch (position_) {
    case poScreenCenter:
        area = Rect(0, 0, Screen->Width(), Screen->Height());
        break;
    case poDesktopCenter:
        area = Screen->WorkAreaRect();
        break;
    case poMainFormCenter:
    case poOwnerFormCenter: {
        auto* owner = position_ == poOwnerFormCenter ? dynamic_cast<TCustomForm*>(Owner()) : nullptr;
        TCustomForm* around = owner ? owner : Application->MainForm();
        if (around && around != this)
            area = around->BoundsRect();
        else
            area = Rect(0, 0, Screen->Width(), Screen->Height());
        break;
    }
    default:
        return;
    }
    SetBounds(area.Left + (area.Width() - Width()) / 2, area.Top + (area.Height() - Height()) / 2, Width(), Height());
}

void TCustomForm::CMShowingChanged(TMessage& Message)
{
    if (!TopLevel()) {
        TWinControl::CMShowingChanged(Message);
        return;
    }
    TAlive alive(this);
    HWND window = Handle();
    if (Visible()) {
        DoShow();
        if (!alive)
            return;
        PlaceForm();
        static constexpr int Commands[] = {SW_SHOWNORMAL, SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED};
        ShowWindow(window, Commands[windowState_]);
        // A child shown comes to the front as the active one.
        if (TMDIClient* client = ChildClient(); client && alive && IsWindow(window))
            client->Activate(this);
    } else {
        DoHide();
        if (!alive)
            return;
        if (IsWindow(window))
            ShowWindow(window, SW_HIDE);
        if (TMDIClient* client = ChildClient(); client && alive)
            client->ChildHidden(this);
    }
}
