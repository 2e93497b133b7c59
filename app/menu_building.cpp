// Menu items made in code, owned as a stored form's would be: by the
// component that owns the menu.
#include "app/menu_building.h"

#include "platform/ui/kernel/menus.h"

namespace {

TComponent* OwnerOf(TMenuItem* Parent)
{
    TMenu* menu = Parent->GetParentMenu();
    return menu ? menu->Owner() : Parent->Owner();
}

TMenuItem* NewItem(TMenuItem* Parent)
{
    auto* item = new TMenuItem(OwnerOf(Parent));
    Parent->Add(item);
    return item;
}

}  // namespace

TMenuItem* AddActionItem(TMenuItem* Parent, TBasicAction* Action)
{
    TMenuItem* item = NewItem(Parent);
    item->SetAction(Action);
    return item;
}

void AddSeparator(TMenuItem* Parent) { NewItem(Parent)->SetCaption("-"); }

TMenuItem* AddSubmenu(TMenuItem* Parent, const AnsiString& Caption)
{
    TMenuItem* item = NewItem(Parent);
    item->SetCaption(Caption);
    return item;
}
