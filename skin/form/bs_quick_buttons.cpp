#include "skin/form/bs_quick_buttons.h"

#include "skin/controls/bs_skin_popup_menu.h"
#include "skin/form/bs_skin_form.h"

TbsQuickButtonItem::TbsQuickButtonItem(TCollection* Collection) : TCollectionItem(Collection) {}

void TbsQuickButtonItem::Assign(TPersistent* Source)
{
    auto* other = dynamic_cast<TbsQuickButtonItem*>(Source);
    if (!other) {
        TCollectionItem::Assign(Source);
        return;
    }
    imageIndex_ = other->imageIndex_;
    Hint = other->Hint;
    enabled_ = other->enabled_;
    visible_ = other->visible_;
    Changed(false);
}

void TbsQuickButtonItem::SetImageIndex(int Value)
{
    imageIndex_ = Value;
    Changed(false);
}

void TbsQuickButtonItem::SetPopupMenu(TbsSkinPopupMenu* Value)
{
    popupMenu_ = Value;
    if (Value)
        Value->FreeNotification(static_cast<TbsQuickButtonItems*>(Collection())->Form());
}

void TbsQuickButtonItem::SetEnabled(bool Value)
{
    enabled_ = Value;
    Changed(false);
}

void TbsQuickButtonItem::SetVisible(bool Value)
{
    visible_ = Value;
    Changed(false);
}

TbsQuickButtonItems::TbsQuickButtonItems(TbsSkinForm* AOwner)
    : TOwnedCollection(AOwner, TCollection::Of<TbsQuickButtonItem>()), form_(AOwner)
{
}

void TbsQuickButtonItems::Update(TCollectionItem* /*Item*/)
{
    if (!form_->ComponentState().Contains(csDesigning) && !form_->ComponentState().Contains(csLoading))
        form_->RepaintFrame();
}
