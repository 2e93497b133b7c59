// Building menus in code: items that follow actions, separators and
// captioned submenus, all owned by the menu's owner.
#pragma once

#include "platform/base/ansi_string.h"

class TBasicAction;
class TMenuItem;

// An item following Action (its caption, state, shortcut and image).
TMenuItem* AddActionItem(TMenuItem* Parent, TBasicAction* Action);
void AddSeparator(TMenuItem* Parent);
// An item with its own caption and no action, for submenus and top-level
// menus.
TMenuItem* AddSubmenu(TMenuItem* Parent, const AnsiString& Caption);
