// The items of the skinned main-menu bar: where each goes, whether it fits,
// its plain look, and the hot and pressed states that open the submenus.
#include "platform/gdi/draw_text.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/font.h"
#include "skin/controls/bs_button_face.h"
#include "skin/controls/bs_skin_menu.h"
#include "skin/form/bs_skin_form.h"
#include "skin/form/bs_skin_main_menu.h"

TbsSkinMainMenuBarItem::TbsSkinMainMenuBarItem(TbsSkinMainMenuBar* AParent, TMenuItem* AMenuItem)
    : Parent(AParent), MenuItem(AMenuItem), Enabled(AMenuItem->Enabled()), SavedEnabled(AMenuItem->Enabled())
{
}

int TbsSkinMainMenuBarItem::TextWidth(TCanvas* Canvas) const
{
    TRect r{0, 0, 0, 0};
    Canvas->TextRect(r, MenuItem->Caption(), DT_CALCRECT | DT_CENTER);
    return r.Width();
}

void TbsSkinMainMenuBarItem::Draw(TCanvas* Canvas, const TbsSkinMainMenuBarItem* Previous)
{
    const TRect& area = Parent->ItemsArea;
    Canvas->Font()->Assign(Parent->DefItemFont());
    int left = Previous != nullptr && Previous->ObjectRect.Right != 0 ? Previous->ObjectRect.Right : area.Left;
    ObjectRect = TRect{left, area.Top, left + TextWidth(Canvas) + 12, area.Bottom};

    int markWidth = Parent->ScrollMenu() ? TbsSkinMainMenuBar::TrackMarkWidth : 0;
    if (ObjectRect.Right > area.Right - markWidth) {
        Parent->HiddenItems = true;
        if (InView) {
            SavedEnabled = Enabled;
            Enabled = false;
            InView = false;
        }
        return;
    }
    if (!InView) {
        InView = true;
        Enabled = SavedEnabled;
    }

    TBitmap b;
    b.SetSize(ObjectRect.Width(), ObjectRect.Height());
    TCanvas* c = b.Canvas();
    TRect whole{0, 0, b.Width(), b.Height()};
    DrawPlainButton(c, whole, Down ? TbsPlainLook::Pressed : MouseIn ? TbsPlainLook::Hot : TbsPlainLook::Normal,
                    false);
    c->Font()->Assign(Parent->DefItemFont());
    c->Brush()->SetStyle(bsClear);
    TRect text = whole;
    c->TextRect(text, MenuItem->Caption(), DT_CALCRECT);
    int h = text.Height();
    text = TRect{0, (whole.Height() - h) / 2, whole.Width(), (whole.Height() - h) / 2 + h};
    if (MenuItem->OnDrawItem) {
        // The handler gets the bar's item, which knows its state and place.
        MenuItem->OnDrawItem(this, c, text, Active);
    } else {
        unsigned format = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
        if (!Parent->ShowAccelChar)
            format |= DT_HIDEPREFIX;
        c->TextRect(text, MenuItem->Caption(), format);
    }
    Canvas->Draw(ObjectRect.Left, ObjectRect.Top, &b);
}

void TbsSkinMainMenuBarItem::ReDraw() { Parent->DrawItem(this); }

void TbsSkinMainMenuBarItem::MouseEnter()
{
    // Another item with its submenu open hands it over to this one; items
    // are told apart as objects, so unnamed items switch too.
    for (int i = 0; i < Parent->ItemCount(); ++i) {
        TbsSkinMainMenuBarItem* other = Parent->Items(i);
        if (other != this && other->Down) {
            other->SetDown(false);
            Active = true;
            MouseIn = true;
            SetDown(true);
            return;
        }
    }
    for (int i = 0; i < Parent->ItemCount(); ++i) {
        TbsSkinMainMenuBarItem* other = Parent->Items(i);
        if (other != this && other->Active) {
            other->MouseLeave();
            break;
        }
    }
    MouseIn = true;
    Active = true;
    ReDraw();
    if (Parent->OnItemMouseEnter)
        Parent->OnItemMouseEnter(MenuItem);
    if (Parent->Hint != MenuItem->Hint())
        Parent->Hint = MenuItem->Hint();
}

void TbsSkinMainMenuBarItem::MouseLeave()
{
    Active = false;
    MouseIn = false;
    ReDraw();
    if (Parent->OnItemMouseLeave)
        Parent->OnItemMouseLeave(MenuItem);
}

void TbsSkinMainMenuBarItem::MouseDown(TMouseButton Button)
{
    TbsSkinForm* form = Parent->SkinForm();
    if (!Enabled || form == nullptr || Button != mbLeft)
        return;
    if (MenuItem->Count() > 0) {
        Parent->ShowAccelChar = true;
        Parent->Invalidate();
        SetDown(true);
        return;
    }
    form->MenuOpen = false;
    ReDraw();
    // The command runs through the menu that owns the item, which may free
    // the bar: nothing of it is touched afterwards.
    if (TMenu* menu = MenuItem->GetParentMenu())
        menu->DispatchCommand(MenuItem->Command());
    else
        MenuItem->Click();
}

void TbsSkinMainMenuBarItem::SetDown(bool Value)
{
    Down = Value;
    if (!Value)
        Active = false;
    ReDraw();
    if (Value)
        PopupSubMenu();
}

void TbsSkinMainMenuBarItem::PopupSubMenu()
{
    TbsSkinForm* form = Parent->SkinForm();
    if (form == nullptr)
        return;
    TPoint p = Parent->ClientToScreen(ObjectRect.TopLeft());
    TRect anchor = Bounds(p.X, p.Y, ObjectRect.Width(), ObjectRect.Height());
    Parent->PopupMenuItem(MenuItem, nullptr, anchor, 0, Parent->PopupToUp);
}
