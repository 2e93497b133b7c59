// The frame's settings for its skinned menus: written through to the menu
// manager that opens them.
#include <algorithm>

#include "platform/ui/graphics/font.h"
#include "skin/controls/bs_skin_menu.h"
#include "skin/form/bs_skin_form.h"

bool TbsSkinForm::UseSkinFontInMenu() const { return SkinMenu()->UseSkinFont; }

void TbsSkinForm::SetUseSkinFontInMenu(bool Value) { SkinMenu()->UseSkinFont = Value; }

bool TbsSkinForm::UseSkinSizeInMenu() const { return SkinMenu()->UseSkinSize; }

void TbsSkinForm::SetUseSkinSizeInMenu(bool Value) { SkinMenu()->UseSkinSize = Value; }

bool TbsSkinForm::MenusAlphaBlend() const { return SkinMenu()->AlphaBlend; }

void TbsSkinForm::SetMenusAlphaBlend(bool Value) { SkinMenu()->AlphaBlend = Value; }

bool TbsSkinForm::MenusAlphaBlendAnimation() const { return SkinMenu()->AlphaBlendAnimation; }

void TbsSkinForm::SetMenusAlphaBlendAnimation(bool Value) { SkinMenu()->AlphaBlendAnimation = Value; }

void TbsSkinForm::SetMenusAlphaBlendValue(int Value)
{
    menusAlphaBlendValue_ = std::clamp(Value, 0, 255);
    SkinMenu()->AlphaBlendValue = menusAlphaBlendValue_;
}

int TbsSkinForm::DefMenuItemHeight() const { return SkinMenu()->DefaultMenuItemHeight; }

void TbsSkinForm::SetDefMenuItemHeight(int Value)
{
    if (Value > 0)
        SkinMenu()->DefaultMenuItemHeight = Value;
}

TFont* TbsSkinForm::DefMenuItemFont() const { return SkinMenu()->DefaultMenuItemFont(); }

void TbsSkinForm::SetDefMenuItemFont(TFont* Value) { SkinMenu()->DefaultMenuItemFont()->Assign(Value); }

int TbsSkinForm::MaxMenuItemsInWindow() const { return SkinMenu()->MaxMenuItemsInWindow; }

void TbsSkinForm::SetMaxMenuItemsInWindow(int Value)
{
    if (Value >= 0)
        SkinMenu()->MaxMenuItemsInWindow = Value;
}
