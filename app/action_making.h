// Making the program's actions: each owned, named, captioned and put in its
// list, with its shortcut and its picture in the list's images.
#pragma once

#include "platform/ui/kernel/action_list.h"
#include "platform/ui/kernel/shortcuts.h"

template <typename T>
T* MakeAction(TComponent* Owner, TActionList* List, const char* Name, const char* Caption, TShortCut Key = scNone,
              int ImageIndex = -1)
{
    auto* action = new T(Owner);
    action->SetName(Name);
    action->SetCaption(Caption);
    action->SetShortCut(Key);
    action->SetImageIndex(ImageIndex);
    action->SetActionList(List);
    return action;
}
