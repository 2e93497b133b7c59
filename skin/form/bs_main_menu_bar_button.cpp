#include "skin/form/bs_main_menu_bar_button.h"

#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/kernel/custom_form.h"
#include "skin/controls/bs_skin_menu.h"
#include "skin/data/bs_draw_utils.h"
#include "skin/data/bs_skin_controls_menus.h"
#include "skin/data/bs_skin_data.h"
#include "skin/data/bs_skin_objects.h"
#include "skin/form/bs_skin_form.h"
#include "skin/form/bs_skin_main_menu.h"

namespace {

constexpr TColor PressedFrameColor = static_cast<TColor>(0x00800000);
constexpr TColor PressedFillColor = static_cast<TColor>(0x00B59385);
constexpr TColor HotColor = static_cast<TColor>(0x00D2BDB6);

}  // namespace

TbsSkinMainMenuBarButton::TbsSkinMainMenuBarButton(TbsMainMenuBarButtons* AOwner,
                                                   const TbsDataSkinMainMenuBarButton* Data, int DefaultKind)
    : Kind(DefaultKind), owner_(AOwner)
{
    if (!Data)
        return;
    HasSkinData = true;
    Kind = static_cast<int>(Data->Command);
    SkinRect = Data->SkinRect;
    ActiveSkinRect = Data->ActiveSkinRect;
    DownRect = Data->DownRect;
    // Without a hot image there is nothing to fade to.
    Morphing = Data->Morphing && !IsRectEmpty(ActiveSkinRect);
    MorphKind = Data->MorphKind;
    Picture = owner_->Bar->SkinData()->PictureAt(Data->ActivePictureIndex);
}

void TbsSkinMainMenuBarButton::Draw(TCanvas* Canvas)
{
    if (!HasSkinData || !Picture) {
        DrawPlain(Canvas);
        return;
    }
    TRect source = SkinRect;
    if (Down && MouseIn && !IsNullRect(DownRect)) {
        source = DownRect;
    } else if (CanMorph() && FadeUnderWay()) {
        DrawMorph(Canvas);
        return;
    } else if (Active && !IsNullRect(ActiveSkinRect))
        source = ActiveSkinRect;
    Canvas->CopyRect(ObjectRect, Picture->Canvas(), source);
}

void TbsSkinMainMenuBarButton::DrawPlain(TCanvas* Canvas)
{
    TBitmap b;
    const int w = RectWidth(ObjectRect);
    const int h = RectHeight(ObjectRect);
    if (w < 1 || h < 1)
        return;
    b.SetSize(w, h);
    TCanvas* c = b.Canvas();
    const bool pressed = Down && MouseIn;
    c->Brush()->SetColor(pressed ? PressedFillColor : MouseIn ? HotColor : clBtnFace);
    c->FillRect(Rect(0, 0, w, h));
    if (pressed || MouseIn) {
        c->Brush()->SetColor(pressed ? PressedFrameColor : HotColor);
        c->FrameRect(Rect(0, 0, w, h));
    }
    const int x = pressed ? w / 2 - 4 : w / 2 - 5;
    const int y = pressed ? h / 2 - 3 : h / 2 - 4;
    const TColor colour = Enabled ? clBtnText : clBtnShadow;
    switch (Kind) {
    case bkClose: DrawCloseImage(c, x, y, colour); break;
    case bkRestore: DrawRestoreImage(c, x, y, colour); break;
    case bkMinimize: DrawMinimizeImage(c, x, y, colour); break;
    default: DrawSysMenuImage(c, x, y, colour); break;
    }
    Canvas->Draw(ObjectRect.Left, ObjectRect.Top, &b);
}

void TbsSkinMainMenuBarButton::DrawNow() { owner_->DrawButton(this); }

void TbsSkinMainMenuBarButton::MouseEnter()
{
    MouseIn = Active = true;
    // The pressed system-menu button keeps its look while its menu is open;
    // a pressed button shows its pressed image at once, without a fade.
    if (Kind == bkSysMenu && Down)
        return;
    if (Down && CanMorph())
        DrawNow();
    else
        ReDraw();
}

void TbsSkinMainMenuBarButton::MouseLeave()
{
    MouseIn = Active = false;
    if (Kind == bkSysMenu && Down) {
        // Its menu's close fades it out from the hot image.
        if (CanMorph())
            SetMorphKf(true);
        return;
    }
    if (Down && CanMorph())
        DrawNow();
    else
        ReDraw();
}

void TbsSkinMainMenuBarButton::MouseDown(TMouseButton Button)
{
    if (!Enabled || Button != mbLeft || Down)
        return;
    Down = true;
    // Let go, the button fades out from the hot image.
    if (CanMorph() && !IsNullRect(DownRect))
        SetMorphKf(true);
    DrawNow();
    // The system menu opens on the press and keeps the button down until
    // the menu closes.
    if (Kind == bkSysMenu)
        Click();
}

void TbsSkinMainMenuBarButton::MouseUp(TMouseButton Button)
{
    if (!Enabled || Button != mbLeft || Kind == bkSysMenu)
        return;
    Down = false;
    DrawNow();
    if (CanMorph())
        ReDraw();
    // The click may close the child, and with it the buttons: nothing of
    // this button is touched after it.
    if (Active)
        Click();
}

void TbsSkinMainMenuBarButton::Click()
{
    TbsSkinForm* child = owner_->MaximizedChildFrame();
    if (!child)
        return;
    switch (Kind) {
    case bkRestore: child->SetWindowState(wsNormal); return;
    case bkMinimize: child->SetWindowState(wsMinimized); return;
    case bkClose: child->CloseForm(); return;
    default: break;
    }
    TbsSkinMainMenuBar* bar = owner_->Bar;
    TbsSkinForm* main = bar->SkinForm();
    if (!main)
        return;
    bar->Invalidate();
    TMenuItem* items = child->GetSystemMenuItems();
    if (!items || items->Count() == 0)
        return;
    const TPoint topLeft = bar->ClientToScreen(TPoint{ObjectRect.Left, ObjectRect.Top});
    const TRect anchor{topLeft.X, topLeft.Y, topLeft.X + RectWidth(ObjectRect), topLeft.Y + RectHeight(ObjectRect)};
    main->SkinMenuOpen();
    TbsSkinData* data = main->MenusSkinData() ? main->MenusSkinData() : main->SkinData();
    main->SkinMenu()->PopupRect(bar, data, bar->PopupToUp, items, anchor, 0);
}

void TbsSkinMainMenuBarButton::DblClick()
{
    TbsSkinForm* child = owner_->MaximizedChildFrame();
    TbsSkinForm* main = owner_->Bar->SkinForm();
    if (Kind != bkSysMenu || !child || !main)
        return;
    main->SkinMenu()->CloseMenu();
    main->SkinMenuClose();
    // Hiding the child takes the buttons away; the free is deferred and
    // nothing of the bar's objects is touched after this.
    child->CloseForm();
}

void TbsMainMenuBarButtons::ChildMaximized(TCustomForm* /*Child*/) { MDIChildMaximize(); }

void TbsMainMenuBarButtons::ChildrenRestored() { MDIChildRestore(); }

void TbsMainMenuBarButtons::MDIChildMaximize()
{
    if (MDIChildMaximized())
        return;
    CreateMDIButtons();
    UpdateMDIButtonsEnabled();
    Bar->Invalidate();
}

void TbsMainMenuBarButtons::MDIChildRestore()
{
    if (MaximizedChildFrame()) {
        UpdateMDIButtonsEnabled();
        return;
    }
    if (!MDIChildMaximized())
        return;
    DeleteMDIButtons();
    Bar->Invalidate();
}

void TbsMainMenuBarButtons::Rebuild()
{
    if (!MDIChildMaximized())
        return;
    CreateMDIButtons();
    UpdateMDIButtonsEnabled();
}

void TbsMainMenuBarButtons::CreateMDIButtons()
{
    DeleteMDIButtons();
    TbsSkinData* data = Bar->SkinData();
    auto* bar = dynamic_cast<const TbsDataSkinMainMenuBar*>(Bar->Description());
    auto describe = [&](const AnsiString& Name) -> const TbsDataSkinMainMenuBarButton* {
        if (!bar || !data || data->Empty)
            return nullptr;
        const int index = data->FindObjectDescription(Name);
        return index < 0 ? nullptr
                         : dynamic_cast<const TbsDataSkinMainMenuBarButton*>(data->ObjectList[static_cast<size_t>(index)].get());
    };
    // A kind the skin does not describe comes from the button's place, as
    // in the plain look.
    using B = TbsSkinMainMenuBarButton;
    buttons_.push_back(std::make_unique<B>(this, describe(bar ? bar->SysMenuButton : ""), B::bkSysMenu));
    buttons_.push_back(std::make_unique<B>(this, describe(bar ? bar->CloseButton : ""), B::bkClose));
    buttons_.push_back(std::make_unique<B>(this, describe(bar ? bar->MaxButton : ""), B::bkRestore));
    buttons_.push_back(std::make_unique<B>(this, describe(bar ? bar->MinButton : ""), B::bkMinimize));
}

void TbsMainMenuBarButtons::DeleteMDIButtons()
{
    activeIndex_ = mouseDownIndex_ = -1;
    buttons_.clear();
}

TbsSkinForm* TbsMainMenuBarButtons::MaximizedChildFrame() const
{
    TbsSkinForm* main = Bar->SkinForm();
    return main && main->Form() ? main->MaximizedMDIChildFrame() : nullptr;
}

void TbsMainMenuBarButtons::UpdateMDIButtonsEnabled()
{
    TbsSkinForm* child = MaximizedChildFrame();
    if (!child)
        return;
    const TbsBorderIcons icons = child->BorderIcons();
    for (auto& button : buttons_) {
        button->Enabled = true;
        if (button->Kind == TbsSkinMainMenuBarButton::bkMinimize)
            button->Enabled = icons.Contains(TbsBorderIcon::biMinimize);
        else if (button->Kind == TbsSkinMainMenuBarButton::bkSysMenu)
            button->Enabled = icons.Contains(TbsBorderIcon::biSystemMenu);
    }
}

void TbsMainMenuBarButtons::Place(TRect& Area)
{
    if (!MDIChildMaximized())
        return;
    auto size = [&](TbsSkinMainMenuBarButton* Button) {
        if (Button->HasSkinData && !IsNullRect(Button->SkinRect))
            return TSize{RectWidth(Button->SkinRect), RectHeight(Button->SkinRect)};
        return TSize{RectHeight(Area), RectHeight(Area)};
    };
    auto centre = [&](const TSize& S) { return Area.Top + RectHeight(Area) / 2 - S.cy / 2; };
    TSize s = size(Buttons(0));
    Buttons(0)->ObjectRect = TRect{Area.Left, centre(s), Area.Left + s.cx, centre(s) + s.cy};
    Area.Left += s.cx + 2;
    for (int i = 1; i < 4; ++i) {
        s = size(Buttons(i));
        Buttons(i)->ObjectRect = TRect{Area.Right - s.cx, centre(s), Area.Right, centre(s) + s.cy};
        Area.Right -= s.cx + 2;
    }
}

void TbsMainMenuBarButtons::Draw(TCanvas* Canvas)
{
    for (auto& button : buttons_)
        button->Draw(Canvas);
}

void TbsMainMenuBarButtons::DrawButton(TbsSkinMainMenuBarButton* Button)
{
    if (Bar->HandleAllocated())
        Button->Draw(Bar->Canvas());
}

bool TbsMainMenuBarButtons::TestActive(int X, int Y)
{
    int hit = -1;
    for (int i = 0; i < Count(); ++i)
        if (Buttons(i)->Enabled && PtInRect(Buttons(i)->ObjectRect, Point(X, Y))) {
            hit = i;
            break;
        }
    // While a press is held on one button no other becomes hot.
    if (mouseDownIndex_ != -1 && hit != mouseDownIndex_)
        hit = -1;
    if (hit != activeIndex_) {
        const int old = activeIndex_;
        activeIndex_ = hit;
        if (old != -1)
            Buttons(old)->MouseLeave();
        if (hit != -1)
            Buttons(hit)->MouseEnter();
    }
    return hit != -1;
}

bool TbsMainMenuBarButtons::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (!TestActive(X, Y))
        return false;
    mouseDownIndex_ = activeIndex_;
    TbsSkinMainMenuBarButton* button = Buttons(activeIndex_);
    button->MouseDown(Button);
    if (Shift.Contains(ssDouble) && mouseDownIndex_ != -1 && mouseDownIndex_ < Count() && Buttons(mouseDownIndex_) == button)
        button->DblClick();
    return true;
}

void TbsMainMenuBarButtons::MouseUp(TMouseButton Button)
{
    const int index = mouseDownIndex_;
    mouseDownIndex_ = -1;
    if (index != -1 && index < Count())
        Buttons(index)->MouseUp(Button);
}

void TbsMainMenuBarButtons::ReleaseSysMenuButton()
{
    for (int i = 0; i < Count(); ++i) {
        TbsSkinMainMenuBarButton* button = Buttons(i);
        if (button->Kind != TbsSkinMainMenuBarButton::bkSysMenu || !button->Down)
            continue;
        button->Down = false;
        if (i != activeIndex_)
            button->Active = button->MouseIn = false;
        button->ReDraw();
    }
}
