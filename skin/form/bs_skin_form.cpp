#include "skin/form/bs_skin_form.h"

#include "platform/gdi/regions.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/font.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/kernel/menus.h"
#include "platform/ui/kernel/timer.h"
#include "platform/win/system_metrics.h"
#include "platform/win/update_region.h"
#include "platform/win/window_coords.h"
#include "platform/win/window_dc.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_region.h"
#include "platform/win/win_messages.h"
#include "skin/controls/bs_skin_menu.h"
#include "skin/controls/bs_skin_popup_menu.h"
#include "skin/controls/bs_skin_status_bar.h"
#include "skin/data/bs_layer_manager.h"
#include "skin/data/bs_masks.h"
#include "skin/data/bs_platform.h"
#include "skin/data/bs_skin_data.h"
#include "skin/data/bs_skin_data_messages.h"
#include "skin/data/bs_skin_text_objects.h"
#include "skin/form/bs_ribbon.h"
#include "skin/form/bs_skin_animate_object.h"
#include "skin/form/bs_skin_caption_object.h"
#include "skin/form/bs_skin_std_button_object.h"

namespace {

std::unique_ptr<TFont> CaptionFont(TColor Colour)
{
    auto font = std::make_unique<TFont>();
    font->SetName("Arial");
    font->SetStyle(TFontStyles{fsBold});
    font->SetHeight(14);
    font->SetColor(Colour);
    return font;
}

std::unique_ptr<TTimer> FrameTimer(UINT Interval, const TNotifyEvent& Handler)
{
    auto timer = std::make_unique<TTimer>(nullptr);
    timer->SetEnabled(false);
    timer->SetInterval(Interval);
    timer->SetOnTimer(Handler);
    return timer;
}

// The object of a description, by its class; the standard button before
// the button it derives from. Null for menu descriptions.
std::unique_ptr<TbsActiveSkinObject> MakeObject(TbsSkinForm* Form, TbsDataSkinObject* Data)
{
    if (dynamic_cast<TbsDataSkinMainMenuBarButton*>(Data))
        return nullptr;
    if (dynamic_cast<TbsDataSkinStdButton*>(Data))
        return std::make_unique<TbsSkinStdButtonObject>(Form, Data);
    if (dynamic_cast<TbsDataSkinButton*>(Data))
        return std::make_unique<TbsSkinButtonObject>(Form, Data);
    if (dynamic_cast<TbsDataSkinCaption*>(Data))
        return std::make_unique<TbsSkinCaptionObject>(Form, Data);
    if (dynamic_cast<TbsDataSkinAnimate*>(Data))
        return std::make_unique<TbsSkinAnimateObject>(Form, Data);
    if (dynamic_cast<TbsDataUserObject*>(Data))
        return std::make_unique<TbsUserObject>(Form, Data);
    return nullptr;
}

}  // namespace

TbsSkinForm::TbsSkinForm(TComponent* AOwner)
    : TbsSkinFormBase(AOwner, dynamic_cast<TCustomForm*>(AOwner)),
      defCaptionFont_(CaptionFont(clBtnText)),
      defInActiveCaptionFont_(CaptionFont(clBtnShadow)),
      logoBitMap_(std::make_unique<TBitmap>()),
      layerManager_(std::make_unique<TbsLayerManager>(nullptr)),
      menuLayerManager_(std::make_unique<TbsLayerManager>(nullptr)),
      systemPopupMenu_(std::make_unique<TPopupMenu>(nullptr)),
      mouseTimer_(FrameTimer(50, TNotifyEvent(this, &TbsSkinForm::MouseTimerTick))),
      fadeTimer_(FrameTimer(25, TNotifyEvent(this, &TbsSkinForm::FadeTimerTick))),
      animationTimer_(FrameTimer(25, TNotifyEvent(this, &TbsSkinForm::AnimationTimerTick)))
{
    TCustomForm* form = Form();
    form->SetBorderIcons({});
    form->SetAutoSize(false);
    form->OnShortCut = TShortCutEvent(this, &TbsSkinForm::FormShortCut);
    BuildTrayMenu();
    newW_ = form->Width();
    newH_ = form->Height();
    if (!ComponentState().Contains(csDesigning)) {
        // Until a skin comes, the plain frame with its own buttons.
        LoadDefaultObjects();
        InstallWindowProc();
        // The new procedure must see the window's creation.
        if (form->HandleAllocated())
            form->RecreateWnd();
    }
}

TbsSkinForm::~TbsSkinForm()
{
    *alive_ = false;
    UnHookApp();
    UnhookMDIClient();
    SetSkinRibbon(nullptr);
    StopTimers();
    objects_.clear();
    TCustomForm* form = Form();
    if (!ComponentState().Contains(csDesigning) && form &&
        form->WindowProc == TWndMethod(this, &TbsSkinForm::NewWndProc))
        form->WindowProc = oldWindowProc_;
    // The form outlives the frame: its keys must not reach the freed one.
    if (form && form->OnShortCut == TShortCutEvent(this, &TbsSkinForm::FormShortCut))
        form->OnShortCut = nullptr;
}

void TbsSkinForm::InstallWindowProc()
{
    TWndMethod mine(this, &TbsSkinForm::NewWndProc);
    // Installed twice, the frame's own procedure would become the previous
    // one, and every message passed on would come back for ever.
    if (Form()->WindowProc == mine)
        return;
    oldWindowProc_ = Form()->WindowProc;
    Form()->WindowProc = mine;
}

void TbsSkinForm::Loaded()
{
    TbsSkinFormBase::Loaded();
    if (!ComponentState().Contains(csDesigning) && requestedState_ != FormState)
        SetWindowState(requestedState_);
}

void TbsSkinForm::Notification(TComponent* AComponent, TOperation Operation)
{
    TbsSkinFormBase::Notification(AComponent, Operation);
    if (Operation != opRemove)
        return;
    if (AComponent == skinData_)
        SkinDataGone();
    else if (AComponent == menusSkinData_)
        menusSkinData_ = nullptr;
    else if (AComponent == SystemMenu)
        SystemMenu = nullptr;
    if (AComponent == StatusBar)
        StatusBar = nullptr;
    ForgetCaptionParts(AComponent);
    ForgetTrayIcon(AComponent);
    ForgetMDIParts(AComponent);
    if (AComponent == skinRibbon_)
        skinRibbon_ = nullptr;
    if (AComponent == inActivePanel_)
        inActivePanel_ = nullptr;
}

void TbsSkinForm::SetSkinData(TbsSkinData* Value)
{
    if (skinData_)
        skinData_->RemoveFreeNotification(this);
    skinData_ = Value;
    if (skinData_)
        skinData_->FreeNotification(this);
    trayMenu_->SetSkinData(Value);
    if (!ComponentState().Contains(csDesigning))
        ApplySkin();
}

void TbsSkinForm::SkinDataGone()
{
    skinData_ = nullptr;
    // The objects and the frame's state point into the freed skin.
    if (ComponentState().Contains(csDestroying) || Form()->ComponentState().Contains(csDestroying)) {
        StopTimers();
        ClearObjects();
        mask_.Clear();
        SkinUsed = false;
        return;
    }
    if (!ComponentState().Contains(csDesigning))
        ApplySkin();
}

void TbsSkinForm::SetMenusSkinData(TbsSkinData* Value)
{
    if (menusSkinData_)
        menusSkinData_->RemoveFreeNotification(this);
    menusSkinData_ = Value;
    if (menusSkinData_)
        menusSkinData_->FreeNotification(this);
}

void TbsSkinForm::SetFormActive()
{
    // Whoever opened the menu (a control's context menu too), keys go to
    // it and never to the focused control while it is open.
    HookApp();
    if (MenuOpen)
        return;
    MenuOpen = true;
    if (OnSkinMenuOpen)
        OnSkinMenuOpen(this);
}

void TbsSkinForm::SetFormInactive()
{
    MenuOpen = false;
    ResetTracking();
    if (OnSkinMenuClose)
        OnSkinMenuClose(this);
}

void TbsSkinForm::SkinMenuOpen() { SetFormActive(); }

void TbsSkinForm::SkinMenuClose()
{
    menuLayerManager_->Hide();
    MenuOpen = false;
    std::weak_ptr<bool> alive = alive_;
    for (auto& object : objects_)
        if (auto* caption = dynamic_cast<TbsSkinCaptionObject*>(object.get()))
            caption->QuickMenuClosed();
    for (auto& object : objects_) {
        auto* button = dynamic_cast<TbsSkinButtonObject*>(object.get());
        if (button && button->MenuItem && button->Down) {
            button->SetDown(false);
            break;
        }
        auto* animate = dynamic_cast<TbsSkinAnimateObject*>(object.get());
        if (animate && animate->MenuTracking) {
            animate->MenuClosed();
            break;
        }
    }
    if (OnSkinMenuClose && !alive.expired())
        OnSkinMenuClose(this);
    if (alive.expired())
        return;
    if (MainMenuActive)
        MainMenuExit();
    UnHookApp();
}

void TbsSkinForm::SetBorderIcons(TbsBorderIcons Value)
{
    borderIcons_ = Value;
    if (ComponentState().Contains(csDesigning) || ComponentState().Contains(csLoading))
        return;
    UpdateButtons();
    SendNCPaint();
}

void TbsSkinForm::SetWindowState(TWindowState Value)
{
    if (ComponentState().Contains(csDesigning) || ComponentState().Contains(csLoading)) {
        requestedState_ = Value;
        return;
    }
    SetFrameWindowState(Value);
}

void TbsSkinForm::SetRollUpState(bool Value)
{
    if (ComponentState().Contains(csDesigning) || ComponentState().Contains(csLoading))
        rollUpState_ = Value;
    else
        RollUp(Value);
}

void TbsSkinForm::SetShowIcon(bool Value)
{
    showIcon_ = Value;
    if (!ComponentState().Contains(csDesigning) && !ComponentState().Contains(csLoading))
        SendNCPaint();
}

bool TbsSkinForm::SkinReady() const { return skinData_ && !skinData_->Empty; }

bool TbsSkinForm::CanSize() const
{
    TFormBorderStyle style = Form()->BorderStyle();
    return AlwaysResize || style == bsSizeable || style == bsSizeToolWin;
}

bool TbsSkinForm::ToolWindow() const
{
    TFormBorderStyle style = Form()->BorderStyle();
    return style == bsToolWindow || style == bsSizeToolWin;
}

bool TbsSkinForm::HasBorder() const { return Form()->BorderStyle() != bsNone; }

bool TbsSkinForm::GetFormActive() const { return Form()->Active(); }

TPopupMenu* TbsSkinForm::SystemPopupMenu() const { return SystemMenu ? SystemMenu : systemPopupMenu_.get(); }

void TbsSkinForm::MinimizeToTray()
{
    if (Tray)
        Tray->MinimizeToTray();
}

void TbsSkinForm::CloseForm()
{
    // TCustomForm::Close frees only by Release, after the messages now
    // waiting: the handler that asked for the close unwinds first.
    Form()->Close();
}

void TbsSkinForm::ClearObjects()
{
    ActiveObject = OldActiveObject = MouseCaptureObject = -1;
    objects_.clear();
}

void TbsSkinForm::LoadObjects()
{
    ClearObjects();
    for (auto& description : skinData_->ObjectList)
        if (auto object = MakeObject(this, description.get()))
            objects_.push_back(std::move(object));
    UpdateButtons();
}

void TbsSkinForm::LoadDefaultObjects()
{
    ClearObjects();
    const std::pair<const char*, TbsStdCommand> buttons[] = {
        {"closebutton", cmclose},   {"maxbutton", cmmaximize},    {"minbutton", cmminimize},
        {"rollupbutton", cmrollup}, {"sysmenubutton", cmsysmenu}, {"traybutton", cmminimizetotray}};
    for (auto [name, command] : buttons) {
        auto button = std::make_unique<TbsSkinStdButtonObject>(this, nullptr);
        button->IDName = name;
        button->Command = command;
        button->SkinRectInAPicture = true;
        objects_.push_back(std::move(button));
    }
    UpdateButtons();
}

void TbsSkinForm::CalcFrameMetrics()
{
    if (!SkinReady())
        return;
    metrics_ = ::CalcFrameMetrics(*skinData_, skinData_->Picture->Width(), skinData_->Picture->Height(), newW_, newH_);
}

namespace {

std::vector<TbsPlacedObject> Placement(const std::vector<std::unique_ptr<TbsActiveSkinObject>>& Objects)
{
    std::vector<TbsPlacedObject> placed(Objects.size());
    for (size_t i = 0; i < Objects.size(); ++i) {
        TbsActiveSkinObject* o = Objects[i].get();
        TbsPlacedObject& p = placed[i];
        p.SkinRect = o->SkinRect;
        p.SkinRectInAPicture = o->SkinRectInAPicture;
        p.Visible = o->Visible;
        p.ObjectRect = o->ObjectRect;
        if (dynamic_cast<TbsSkinCaptionObject*>(o)) {
            p.Kind = TbsPlacedObject::okCaption;
        } else if (auto* button = dynamic_cast<TbsSkinStdButtonObject*>(o)) {
            p.Kind = TbsPlacedObject::okCaptionButton;
            p.Command = button->Command;
            p.IconMode = button->IconMode();
        } else if (auto* animate = dynamic_cast<TbsSkinAnimateObject*>(o)) {
            p.Kind = TbsPlacedObject::okCaptionButton;
            p.Command = animate->Command;
        }
    }
    return placed;
}

TSize SmallIconSize() { return {GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON)}; }

}  // namespace

void TbsSkinForm::CalcObjectRects()
{
    std::vector<TbsPlacedObject> placed = Placement(objects_);
    if (SkinUsed)
        ::CalcObjectRects(*skinData_, skinData_->Picture->Width(), skinData_->Picture->Height(), metrics_, placed,
                          SmallIconSize());
    else
        defCaptionRect_ = CalcDefaultObjectRects(newW_, ToolWindow(), placed, SmallIconSize());
    for (size_t i = 0; i < placed.size(); ++i)
        objects_[i]->ObjectRect = placed[i].ObjectRect;
}

void TbsSkinForm::SetFormRegion(bool Stretch)
{
    if (!Skinnable || !Form()->HandleAllocated())
        return;
    HRGN region = nullptr;
    if (HasBorder() && SkinUsed && !skinData_->Mask->Empty()) {
        if (Stretch) {
            mask_.Build(*skinData_, metrics_, skinData_->Mask.get(), newW_, newH_);
            region = mask_.CreateRegion();
        } else {
            region = CreateRegionFromBitmap(skinData_->Mask.get());
        }
    } else {
        mask_.Clear();
    }
    if (!region)
        region = CreateRectRgn(0, 0, newW_, newH_);
    // The window owns the region from here on.
    SetWindowRgn(Form()->Handle(), region, true);
}

void TbsSkinForm::UpdateFrame(bool Repaint)
{
    if (ComponentState().Contains(csDesigning))
        return;
    if (!SkinUsed) {
        CalcObjectRects();
        return;
    }
    if (Skinnable) {
        CalcFrameMetrics();
        if (Repaint)
            CalcObjectRects();
    }
    SetFormRegion(Repaint);
    if (skinData_->StretchEffect && Form()->HandleAllocated()) {
        InvalidateRect(Form()->Handle(), nullptr, true);
        SendParentImageChanged();
    }
}

void TbsSkinForm::SendParentImageChanged()
{
    TCustomForm* form = Form();
    for (int i = 0; i < form->ControlCount(); ++i)
        if (auto* child = dynamic_cast<TWinControl*>(form->Controls(i)); child && child->HandleAllocated())
            SendMessage(child->Handle(), WM_PARENTIMAGECHANGED, 0, 0);
}

TbsFrameState TbsSkinForm::State() const
{
    TbsFrameState s;
    s.W = newW_;
    s.H = newH_;
    s.CanSize = CanSize();
    s.RolledUp = rollUpState_;
    s.Minimized = FormState == wsMinimized;
    s.Maximized = FormState == wsMaximized;
    s.ObjectActive = ActiveObject != -1;
    s.InSizeMove = InSizeMove;
    return s;
}

bool TbsSkinForm::OnCaption(TPoint P) const
{
    // A quick button on the caption is an object of its own, which takes
    // the press instead of starting a move.
    for (const auto& object : objects_) {
        auto* caption = dynamic_cast<TbsSkinCaptionObject*>(object.get());
        if (caption && PtInRect(object->ObjectRect, P))
            return caption->QuickButtonAt(P.X, P.Y) < 0;
    }
    return false;
}

LRESULT TbsSkinForm::HitTest(TPoint P)
{
    if (!SkinUsed)
        return DefaultFrameHitTest(State(), ToolWindow(), defCaptionRect_, P);
    return FrameHitTest(metrics_, skinData_->BorderWidth, State(), &mask_, P, OnCaption(P));
}

TbsSizeLimitsInput TbsSkinForm::SizeLimits() const
{
    TbsSizeLimitsInput in;
    in.Skinned = SkinUsed;
    if (SkinUsed) {
        in.PW = skinData_->Picture->Width();
        in.PH = skinData_->Picture->Height();
        in.FormMinWidth = skinData_->FormMinWidth;
        in.FormMinHeight = skinData_->FormMinHeight;
        in.ClientHeight = skinData_->ClientRect.Height();
    }
    in.ToolWindow = ToolWindow();
    in.RolledUp = rollUpState_;
    in.Minimized = FormState == wsMinimized;
    in.MinWidth = MinWidth;
    in.MinHeight = MinHeight;
    in.MaxWidth = MaxWidth;
    in.MaxHeight = MaxHeight;
    GetMonitorWorkArea(Form()->Handle(), !MaximizeOnFullScreen, in.MonitorArea);
    return in;
}

TRect TbsSkinForm::ScreenRect(const TRect& R) const
{
    TRect window{};
    if (Form()->HandleAllocated())
        GetWindowRect(Form()->Handle(), &window);
    TRect r = R;
    OffsetRect(r, window.Left, window.Top);
    return r;
}

TRect TbsSkinForm::ObjectScreenRect(const TRect& R) const
{
    if (!layerBorder_->CarriesCaption())
        return ScreenRect(R);
    TRect r = R;
    OffsetRect(r, layerBorder_->Placement().Top.Left, layerBorder_->Placement().Top.Top);
    return r;
}

TPoint TbsSkinForm::WindowPoint(LPARAM ScreenPoint) const
{
    TRect window{};
    GetWindowRect(Form()->Handle(), &window);
    return {GET_X_LPARAM(ScreenPoint) - window.Left, GET_Y_LPARAM(ScreenPoint) - window.Top};
}

void TbsSkinForm::DrawSkinObject(TbsActiveSkinObject* Object)
{
    if (!Form()->HandleAllocated() || !Object->Visible)
        return;
    if (layerBorder_->CarriesCaption()) {
        layerBorder_->RedrawCaption();
        return;
    }
    HWND window = Form()->Handle();
    HDC dc = GetWindowDC(window);
    {
        TCanvas canvas;
        canvas.SetHandle(dc);
        Object->Draw(&canvas, true);
        canvas.SetHandle(nullptr);
    }
    ReleaseDC(window, dc);
}

void TbsSkinForm::DrawFormIcon(TCanvas* Canvas, int X, int Y) { icon_.DrawFormIcon(Canvas, X, Y, Form()); }

void TbsSkinForm::SendNCPaint()
{
    if (Form()->HandleAllocated())
        SendMessage(Form()->Handle(), WM_NCPAINT, 0, 0);
}
