// The caption's quick buttons: where they lie, the text room they leave,
// their hot tracking with hints, their clicks and their popup menus.
#include "platform/ui/graphics/image_list.h"
#include "skin/controls/bs_skin_hint.h"
#include "skin/controls/bs_skin_popup_menu.h"
#include "skin/data/bs_layer_manager.h"
#include "skin/form/bs_skin_caption_object.h"
#include "skin/form/bs_skin_form.h"

namespace {

// Each button is its image with a 2-pixel border, and 4 pixels apart.
constexpr int kButtonPad = 4;
constexpr int kButtonStep = 8;
constexpr int kDividerGap = 3;

}  // namespace

bool TbsSkinCaptionObject::HasQuickButtons() const
{
    return Parent->QuickButtons()->Count() > 0 && Parent->QuickImageList();
}

TRect TbsSkinCaptionObject::DividerSource() const
{
    if (!FormActive() && !IsRectEmpty(InActiveDividerRect))
        return InActiveDividerRect;
    return DividerRect;
}

TRect TbsSkinCaptionObject::CalcTextRect() const
{
    TRect r = TextRect;
    if (!IsRectEmpty(r)) {
        r.Right = ObjectRect.Width() - (SkinRect.Width() - TextRect.Right);
        if (HasQuickButtons())
            r.Left += QuickButtonsWidth();
    }
    if (!IsRectEmpty(FrameRect)) {
        r.Left += FrameTextRect.Left;
        r.Top += FrameTextRect.Top;
        r.Right += FrameTextRect.Right - FrameRect.Width();
    }
    return r;
}

int TbsSkinCaptionObject::QuickButtonsWidth() const
{
    return (Parent->QuickImageList()->Width() + kButtonStep) * Parent->QuickButtons()->Count();
}

int TbsSkinCaptionObject::QuickButtonsStart() const
{
    TRect divider = DividerSource();
    if (drawnOnLayer_)
        return IsRectEmpty(DividerRect) ? 5 : divider.Width() + 6;
    if (Parent->QuickButtonsShowDivider && !IsRectEmpty(divider))
        return kDividerGap + divider.Width() + kDividerGap;
    return 0;
}

void TbsSkinCaptionObject::LayoutQuickButtons()
{
    if (!HasQuickButtons())
        return;
    int x = ObjectRect.Left + QuickButtonsStart();
    TCustomImageList* images = Parent->QuickImageList();
    int y = ObjectRect.Top + ObjectRect.Height() / 2 - images->Height() / 2 - 2;
    TbsQuickButtonItems* buttons = Parent->QuickButtons();
    for (int i = 0; i < buttons->Count(); ++i) {
        TbsQuickButtonItem* item = buttons->Items(i);
        if (!item->Visible())
            continue;
        item->ItemRect = TRect{x, y, x + images->Width() + kButtonPad, y + images->Height() + kButtonPad};
        x += images->Width() + kButtonStep;
    }
}

void TbsSkinCaptionObject::RedrawButtons() { Parent->RepaintFrame(); }

int TbsSkinCaptionObject::QuickButtonAt(int X, int Y)
{
    if (!HasQuickButtons())
        return -1;
    LayoutQuickButtons();
    TbsQuickButtonItems* buttons = Parent->QuickButtons();
    for (int i = 0; i < buttons->Count(); ++i) {
        TbsQuickButtonItem* item = buttons->Items(i);
        if (item->Visible() && PtInRect(item->ItemRect, TPoint{X, Y}))
            return i;
    }
    return -1;
}

void TbsSkinCaptionObject::TrackQuickButtons(int X, int Y)
{
    OldActiveQuickButton = ActiveQuickButton;
    ActiveQuickButton = QuickButtonAt(X, Y);
    TbsQuickButtonItems* buttons = Parent->QuickButtons();
    bool changed = false;
    for (int i = 0; i < buttons->Count(); ++i) {
        if (i == MenuQuickButton)
            continue;
        bool hot = i == ActiveQuickButton;
        if (buttons->Items(i)->Hot != hot) {
            buttons->Items(i)->Hot = hot;
            changed = true;
        }
    }
    bool entered = ActiveQuickButton != OldActiveQuickButton;
    if (changed || entered)
        RedrawButtons();
    TbsSkinHint* hint = Parent->SkinHint();
    if (!hint || !Parent->QuickButtonsShowHint)
        return;
    if (entered && ActiveQuickButton >= 0 && !buttons->Items(ActiveQuickButton)->Hint.empty())
        hint->ActivateHintDelayed(buttons->Items(ActiveQuickButton)->Hint);
    else if (changed && ActiveQuickButton < 0)
        hint->HideHint();
}

void TbsSkinCaptionObject::MouseMove(int X, int Y)
{
    TbsActiveSkinObject::MouseMove(X, Y);
    if (HasQuickButtons())
        TrackQuickButtons(X, Y);
}

void TbsSkinCaptionObject::MouseDown(int X, int Y, TMouseButton Button)
{
    TbsActiveSkinObject::MouseDown(X, Y, Button);
    if (!HasQuickButtons() || Button != mbLeft)
        return;
    TrackQuickButtons(X, Y);
    TbsQuickButtonItems* buttons = Parent->QuickButtons();
    TbsSkinPopupMenu* menu = nullptr;
    if (ActiveQuickButton >= 0) {
        TbsQuickButtonItem* item = buttons->Items(ActiveQuickButton);
        item->Down = true;
        if (item->PopupMenu() && ActiveQuickButton != MenuQuickButton) {
            RedrawButtons();
            MenuQuickButton = ActiveQuickButton;
            PressedQuickButton = -1;
            menu = item->PopupMenu();
        } else {
            PressedQuickButton = ActiveQuickButton;
        }
    }
    for (int i = 0; i < buttons->Count(); ++i) {
        if (i == ActiveQuickButton)
            continue;
        buttons->Items(i)->Hot = false;
        buttons->Items(i)->Down = false;
    }
    RedrawButtons();
    if (TbsSkinHint* hint = Parent->SkinHint())
        hint->HideHint();
    if (!menu)
        return;
    Parent->LayerManager()->Hide();
    Parent->MenuLayerManager()->Hide();
    menu->PopupAt(Parent->ObjectScreenRect(buttons->Items(MenuQuickButton)->ItemRect), false);
}

void TbsSkinCaptionObject::QuickMenuClosed()
{
    TbsQuickButtonItems* buttons = Parent->QuickButtons();
    if (MenuQuickButton < 0 || MenuQuickButton >= buttons->Count()) {
        MenuQuickButton = -1;
        return;
    }
    buttons->Items(MenuQuickButton)->Down = false;
    buttons->Items(MenuQuickButton)->Hot = false;
    MenuQuickButton = -1;
    RedrawButtons();
}

void TbsSkinCaptionObject::MouseUp(int X, int Y, TMouseButton Button)
{
    TbsActiveSkinObject::MouseUp(X, Y, Button);
    if (!HasQuickButtons())
        return;
    TrackQuickButtons(X, Y);
    TbsQuickButtonItems* buttons = Parent->QuickButtons();
    if (ActiveQuickButton < 0 && PressedQuickButton >= 0 && PressedQuickButton < buttons->Count()) {
        buttons->Items(PressedQuickButton)->Hot = false;
        buttons->Items(PressedQuickButton)->Down = false;
        RedrawButtons();
    }
    PressedQuickButton = -1;
    if (ActiveQuickButton < 0 || Button != mbLeft)
        return;
    TbsQuickButtonItem* item = buttons->Items(ActiveQuickButton);
    bool wasDown = item->Down;
    for (int i = 0; i < buttons->Count(); ++i)
        if (!(i == ActiveQuickButton && i == MenuQuickButton))
            buttons->Items(i)->Down = false;
    RedrawButtons();
    // A press that began on another button clicks neither.
    if (wasDown && item->OnClick)
        item->OnClick(this);
}
