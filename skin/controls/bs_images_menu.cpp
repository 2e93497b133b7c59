// The images menu component: its items, opening the grid, and the events
// of a close, chosen or not.
#include "skin/controls/bs_images_menu.h"

#include "platform/ui/graphics/font.h"
#include "platform/ui/graphics/image_list.h"
#include "skin/controls/bs_images_menu_window.h"
#include "skin/controls/bs_skin_hint.h"
#include "skin/data/bs_skin_data.h"

TbsImagesMenuItem::TbsImagesMenuItem(TCollection* Collection) : TCollectionItem(Collection) {}

void TbsImagesMenuItem::Assign(TPersistent* Source)
{
    if (auto* item = dynamic_cast<TbsImagesMenuItem*>(Source)) {
        ImageIndex = item->ImageIndex;
        Caption = item->Caption;
        Button = item->Button;
        Hint = item->Hint;
        return;
    }
    TCollectionItem::Assign(Source);
}

TbsImagesMenuItems::TbsImagesMenuItems(TbsSkinImagesMenu* AMenu)
    : TCollection(TCollection::Of<TbsImagesMenuItem>()), menu_(AMenu)
{
}

TPersistent* TbsImagesMenuItems::GetOwner() { return menu_; }

TbsSkinImagesMenu::TbsSkinImagesMenu(TComponent* AOwner)
    : TComponent(AOwner), items_(std::make_unique<TbsImagesMenuItems>(this)), defaultFont_(std::make_unique<TFont>())
{
    defaultFont_->SetName("Arial");
    defaultFont_->SetHeight(14);
    defaultFont_->SetStyle(TFontStyles{});
}

TbsSkinImagesMenu::~TbsSkinImagesMenu()
{
    delete popupWindow_;
    popupWindow_ = nullptr;
    SetImages(nullptr);
    SetSkinData(nullptr);
    SetSkinHint(nullptr);
}

namespace {

template <typename T>
void Watch(TComponent* Self, T*& Field, T* Value)
{
    if (Field == Value)
        return;
    if (Field != nullptr)
        Field->RemoveFreeNotification(Self);
    Field = Value;
    if (Field != nullptr)
        Field->FreeNotification(Self);
}

}  // namespace

void TbsSkinImagesMenu::SetImages(TCustomImageList* Value) { Watch(this, images_, Value); }
void TbsSkinImagesMenu::SetSkinData(TbsSkinData* Value) { Watch(this, skinData_, Value); }
void TbsSkinImagesMenu::SetSkinHint(TbsSkinHint* Value) { Watch(this, skinHint_, Value); }
void TbsSkinImagesMenu::SetImagesItems(TbsImagesMenuItems* Value) { items_->Assign(Value); }
void TbsSkinImagesMenu::SetDefaultFont(TFont* Value) { defaultFont_->Assign(Value); }

void TbsSkinImagesMenu::SetColumnsCount(int Value)
{
    if (Value >= 1 && Value <= 50)
        columnsCount_ = Value;
}

void TbsSkinImagesMenu::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation != opRemove)
        return;
    if (AComponent == images_)
        images_ = nullptr;
    if (AComponent == skinData_)
        skinData_ = nullptr;
    if (AComponent == skinHint_)
        skinHint_ = nullptr;
}

TbsImagesMenuItem* TbsSkinImagesMenu::GetSelectedItem() const
{
    if (ItemIndex < 0 || ItemIndex >= items_->Count())
        return nullptr;
    return items_->Items(ItemIndex);
}

void TbsSkinImagesMenu::PopupFromRect(const TRect& Rect)
{
    if (popupWindow_ != nullptr)
        popupWindow_->Close(false);
    if (OnMenuPopup)
        OnMenuPopup(this);
    // No images, or no items to show them: nothing opens.
    if (images_ == nullptr || images_->Count() == 0 || items_->Count() == 0)
        return;
    oldItemIndex_ = ItemIndex;
    popupWindow_ = new TbsSkinImagesMenuPopupWindow(this);
    popupWindow_->Show(Rect);
}

void TbsSkinImagesMenu::ProcessEvents(bool Chosen)
{
    TbsSkinImagesMenuPopupWindow* window = popupWindow_;
    popupWindow_ = nullptr;
    if (window != nullptr) {
        // The window whose message closed the grid is still handling it.
        if (window->busy_ > 0)
            window->released_ = true;
        else
            delete window;
    }
    if (OnInternalMenuClose)
        OnInternalMenuClose(this);
    if (OnMenuClose)
        OnMenuClose(this);
    if (!Chosen || ItemIndex == -1)
        return;
    if (TbsImagesMenuItem* item = GetSelectedItem())
        if (item->OnClick)
            item->OnClick(this);
    if (OnItemClick)
        OnItemClick(this);
    if (ItemIndex != oldItemIndex_) {
        if (OnInternalChange)
            OnInternalChange(this);
        if (OnChange)
            OnChange(this);
    }
}
