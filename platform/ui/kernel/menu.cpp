// TMenu: the root of a menu's item tree, its images, command dispatch and
// shortcuts.
#include "platform/ui/kernel/menus.h"

#include "platform/base/component_link.h"
#include "platform/ui/kernel/controls_messages.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/graphics/image_list.h"
#include "platform/ui/kernel/menu_loop.h"
#include "platform/ui/kernel/screen.h"

TMenu::TMenu(TComponent* AOwner) : TComponent(AOwner), items_(std::make_unique<TMenuItem>(nullptr))
{
    items_->menu_ = this;
}

TMenu::~TMenu()
{
    // The items go without telling a menu that is half destroyed.
    items_->menu_ = nullptr;
    items_.reset();
}

void TMenu::SetImages(TCustomImageList* Value)
{
    if (SetComponentLink(this, images_, Value))
        MenuChanged(nullptr, true);
}

void TMenu::SetAutoLineReduction(TMenuAutoFlag Value)
{
    if (autoLineReduction_ == Value)
        return;
    autoLineReduction_ = Value;
    MenuChanged(nullptr, true);
}

void TMenu::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == images_) {
        images_ = nullptr;
        MenuChanged(nullptr, true);
    }
}

void TMenu::MenuChanged(TMenuItem*, bool Rebuild)
{
    MenuLoopMenuChanged(this, Rebuild);
}

void TMainMenu::MenuChanged(TMenuItem* Source, bool Rebuild)
{
    TMenu::MenuChanged(Source, Rebuild);
    // The bar shows the top-level items only; a change further down shows
    // when its menu opens. An idle update of actions changes hundreds of
    // items inside closed menus.
    if (!Screen || (Source && Source != Items() && Source->Parent() != Items()))
        return;
    for (int i = 0; i < Screen->FormCount(); ++i) {
        TCustomForm* form = Screen->Forms(i);
        if (form->Menu() == this && form->HandleAllocated())
            form->Perform(CM_MENUCHANGED, Rebuild, 0);
    }
}

namespace {

TMenuItem* FindIn(TMenuItem* Parent, int Value, TFindItemKind Kind)
{
    for (int i = 0; i < Parent->Count(); ++i) {
        TMenuItem* item = Parent->Items(i);
        int key = Kind == fkCommand ? item->Command() : item->ShortCut();
        if (key == Value)
            return item;
        if (TMenuItem* found = FindIn(item, Value, Kind))
            return found;
    }
    return nullptr;
}

}  // namespace

TMenuItem* TMenu::FindItem(int Value, TFindItemKind Kind) const
{
    if (Kind == fkShortCut && Value == scNone)
        return nullptr;
    return FindIn(items_.get(), Value, Kind);
}

bool TMenu::DispatchCommand(uint16_t ACommand)
{
    TMenuItem* item = FindItem(ACommand, fkCommand);
    if (!item)
        return false;
    item->Click();
    return true;
}

bool TMenu::IsShortCut(TMessage& Message)
{
    const TShortCut shortCut = KeyMessageShortCut(Message);
    if (shortCut == scNone)
        return false;
    TMenuItem* item = FindItem(shortCut, fkShortCut);
    if (!item)
        return false;
    // The parents' OnClick may rebuild the items below them, so the item is
    // looked up again after each; the path is kept by position.
    std::vector<int> path;
    for (TMenuItem* up = item; up->Parent(); up = up->Parent())
        path.insert(path.begin(), up->MenuIndex());
    TMenuItem* parent = items_.get();
    for (size_t depth = 0; depth + 1 < path.size(); ++depth) {
        if (path[depth] >= parent->Count())
            return false;
        parent = parent->Items(path[depth]);
        if (!parent->Enabled())
            return false;
        if (parent->OnClick)
            parent->OnClick(parent);
    }
    item = FindItem(shortCut, fkShortCut);
    if (!item || !item->Enabled())
        return false;
    for (TMenuItem* up = item->Parent(); up; up = up->Parent())
        if (!up->Enabled())
            return false;
    item->Click();
    return true;
}
