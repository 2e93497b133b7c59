// The ribbon's pass-through settings of its application button. The button
// keeps them itself and forgets an image list or popup menu that is freed.
#include "skin/form/bs_ribbon.h"
#include "skin/form/bs_ribbon_app_button.h"

AnsiString TbsRibbon::AppButtonCaption() const { return appButton_->Caption(); }

void TbsRibbon::SetAppButtonCaption(const AnsiString& Value) { appButton_->SetCaption(Value); }

int TbsRibbon::AppButtonMargin() const { return appButton_->Margin(); }

void TbsRibbon::SetAppButtonMargin(int Value) { appButton_->SetMargin(Value); }

int TbsRibbon::AppButtonSpacing() const { return appButton_->Spacing(); }

void TbsRibbon::SetAppButtonSpacing(int Value) { appButton_->SetSpacing(Value); }

TCustomImageList* TbsRibbon::AppButtonImageList() const { return appButton_->ImageList(); }

void TbsRibbon::SetAppButtonImageList(TCustomImageList* Value)
{
    appButton_->SetImageList(Value);
    Invalidate();
}

int TbsRibbon::AppButtonImageIndex() const { return appButton_->ImageIndex(); }

void TbsRibbon::SetAppButtonImageIndex(int Value) { appButton_->SetImageIndex(Value < 0 ? 0 : Value); }

TbsSkinPopupMenu* TbsRibbon::AppButtonPopupMenu() const { return appButton_->SkinPopupMenu(); }

void TbsRibbon::SetAppButtonPopupMenu(TbsSkinPopupMenu* Value) { appButton_->SetSkinPopupMenu(Value); }
