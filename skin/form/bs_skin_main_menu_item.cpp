// The items of the skinned main-menu bar: what they take from the skin, and
// the hot and pressed states that open the submenus, shown at once, faded
// or animated.
#include "skin/controls/bs_skin_menu.h"
#include "skin/data/bs_skin_data.h"
#include "skin/data/bs_skin_text_objects.h"
#include "skin/form/bs_skin_form.h"
#include "skin/form/bs_skin_main_menu.h"

TbsSkinMainMenuBarItem::TbsSkinMainMenuBarItem(TbsSkinMainMenuBar* AParent, TMenuItem* AMenuItem,
                                               TbsDataSkinMainMenuBarItem* Data)
    : Parent(AParent), MenuItem(AMenuItem), Enabled(AMenuItem->Enabled()), SavedEnabled(AMenuItem->Enabled())
{
    if (Data == nullptr)
        return;
    HasSkinData = true;
    Picture = Parent->SkinData()->PictureAt(Data->ActivePictureIndex);
    SkinRect = Data->SkinRect;
    ObjectRect = SkinRect;
    ActiveSkinRect = Data->ActiveSkinRect;
    DownRect = !IsRectEmpty(Data->DownRect)       ? Data->DownRect
               : !IsRectEmpty(ActiveSkinRect) ? ActiveSkinRect
                                              : SkinRect;
    TextRect = Data->TextRect;
    AnimateSkinRect = Data->AnimateSkinRect;
    // Without an active image there is nothing to fade to.
    Morphing = Data->Morphing && !IsRectEmpty(ActiveSkinRect);
    MorphKind = Data->MorphKind;
    FontName = Data->FontName;
    FontHeight = Data->FontHeight;
    FontStyle = Data->FontStyle;
    FontColor = Data->FontColor;
    ActiveFontColor = Data->ActiveFontColor;
    DownFontColor = Data->DownFontColor;
    UnEnabledFontColor = Data->UnEnabledFontColor;
    ItemLeftOffset = Data->ItemLeftOffset;
    ItemRightOffset = Data->ItemRightOffset;
    StretchEffect = Data->StretchEffect;
    FrameCount = Data->FrameCount;
    AnimateInterval = Data->AnimateInterval;
    InActiveAnimation = Data->InActiveAnimation;
}

void TbsSkinMainMenuBarItem::SetMorphKf(double Value)
{
    morphFifths_ = Value <= 0 ? 0 : Value >= 1 ? 5 : static_cast<int>(Value * 5 + 0.5);
}

bool TbsSkinMainMenuBarItem::CanMorph() const
{
    return Morphing && Parent->SkinEffects() && !(Parent->ToolBarMode() && Parent->ToolBarModeItemTransparent());
}

bool TbsSkinMainMenuBarItem::CanAnimate() const
{
    // A strip narrower than its frames has no frame to show.
    return !IsRectEmpty(AnimateSkinRect) && FrameCount >= 1 && Parent->SkinEffects() && !Parent->ToolBarMode();
}

bool TbsSkinMainMenuBarItem::NeedMorphStep() const
{
    if (Down && !IsRectEmpty(DownRect))
        return false;
    return Active ? morphFifths_ < 5 : morphFifths_ > 0;
}

bool TbsSkinMainMenuBarItem::MorphStep()
{
    if (!CanMorph() || !NeedMorphStep())
        return false;
    morphFifths_ += Active ? 1 : -1;
    return true;
}

bool TbsSkinMainMenuBarItem::AnimationStep()
{
    if (!CanAnimate())
        return false;
    if (Active && FrameIndex <= FrameCount)
        ++FrameIndex;
    else if (!Active && FrameIndex >= 1)
        --FrameIndex;
    else
        return false;
    return true;
}

void TbsSkinMainMenuBarItem::ReDraw()
{
    if (CanAnimate()) {
        Parent->StartAnimation(AnimateInterval);
        return;
    }
    if (CanMorph()) {
        Parent->StartMorph();
        return;
    }
    Parent->DrawSkinObject(this);
}

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
            if (CanMorph())
                SetMorphKf(1);
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
    if (CanAnimate() && !InActiveAnimation) {
        FrameIndex = 0;
        Parent->DrawSkinObject(this);
    }
    if (CanMorph() && Down)
        SetMorphKf(0);
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
    // A command ends the keyboard mode before it runs.
    if (form->MainMenuActive)
        form->MainMenuExit();
    form->MenuOpen = false;
    // The command ends the menu: the item rests unless the pointer is on it.
    Down = false;
    if (Parent->ActiveIndex < 0 || Parent->Items(Parent->ActiveIndex) != this) {
        Active = false;
        MouseIn = false;
    }
    if (CanMorph())
        ReDraw();
    else
        Parent->DrawSkinObject(this);
    // The command runs through the menu that owns the item, which may free
    // the bar: nothing of it is touched afterwards.
    if (TMenu* menu = MenuItem->GetParentMenu())
        menu->DispatchCommand(MenuItem->Command());
    else
        MenuItem->Click();
}

void TbsSkinMainMenuBarItem::SetDown(bool Value)
{
    if (Value) {
        // One item is pressed at a time: the keys move the pressed item
        // without the mouse's hot index knowing, so a click may land on
        // another item than the pressed one.
        for (int i = 0; i < Parent->ItemCount(); ++i)
            if (Parent->Items(i) != this && Parent->Items(i)->Down)
                Parent->Items(i)->SetDown(false);
    }
    Down = Value;
    if (Value) {
        SetMorphKf(1);
        Parent->DrawSkinObject(this);
        TbsSkinForm* form = Parent->SkinForm();
        if (form != nullptr && !form->MainMenuActive && form->OnMainMenuEnter)
            form->OnMainMenuEnter(form);
        PopupSubMenu();
        return;
    }
    // The pointer has moved on to the item taking over, or the menu closed;
    // the plain look draws a MouseIn item hot.
    Active = false;
    MouseIn = false;
    if (CanAnimate()) {
        // The animation runs back from the plain active image.
        if (InActiveAnimation) {
            FrameIndex = FrameCount + 1;
            ReDraw();
        } else {
            FrameIndex = 0;
            Parent->DrawSkinObject(this);
        }
    } else if (CanMorph()) {
        SetMorphKf(1);
        ReDraw();
    } else {
        Parent->DrawSkinObject(this);
    }
}

void TbsSkinMainMenuBarItem::PopupSubMenu()
{
    TbsSkinForm* form = Parent->SkinForm();
    if (form == nullptr)
        return;
    TPoint p = Parent->ClientToScreen(ObjectRect.TopLeft());
    TRect anchor = Bounds(p.X, p.Y, ObjectRect.Width(), ObjectRect.Height());
    // An open submenu puts the bar in keyboard mode, whether a key or the
    // mouse opened it: Escape then closes it and keeps the highlight.
    form->MainMenuActive = true;
    Parent->PopupMenuItem(MenuItem, nullptr, anchor, 0, Parent->PopupToUp);
}
