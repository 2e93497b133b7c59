// The menu loop: while a menu is open, a message loop of its own takes the
// mouse (capture) and the keyboard, opens and closes the popup levels and
// the bar's items, and ends when an item is chosen or the menu is closed.
// The chosen item's Click runs last, once every menu window is gone and
// the loop has let go of everything, so a command may free whatever
// opened the menu.
#pragma once

#include <functional>

#include "platform/base/geometry.h"

class TCustomForm;
class TMenu;
class TPopupMenu;
class TPopupMenuWindow;

// Shows Menu's items with the top-left at Screen (flipped to stay on the
// work area) and runs until the menu closes.
void TrackPopupMenu(TPopupMenu* Menu, TPoint Screen);
// Runs the bar of Form's main menu from bar item Index: its menu open at
// once, or (Open false) the item only hot; Keyboard selects the first item
// of every menu that opens.
void TrackMenuBar(TCustomForm* Form, int Index, bool Open, bool Keyboard);
// Whether a menu loop runs.
bool MenuLoopRunning();
// The open popup levels of the running loop, the first one first.
int MenuLoopLevelCount();
TPopupMenuWindow* MenuLoopLevel(int Index);
// Ends the running loop and closes its windows at once, choosing nothing.
void CloseMenus();
// Menu's items changed. A loop showing them repaints its rows after a
// change of state (Rebuild false) and closes after any other, since the
// rows may be gone.
void MenuLoopMenuChanged(TMenu* Menu, bool Rebuild);

// Where a menu of Size goes on the work area: below Anchor, or above it
// when there is no room below (Beside: right of Anchor, or left of it);
// cut to the work area's height when taller.
TRect PlaceMenu(TSize Size, const TRect& Anchor, bool Beside, const TRect& WorkArea);

// For tests: called whenever the loop has no message waiting, instead of
// waiting for one. It may inject input, move the clock or look at the
// menus; answering false closes the menu as a press outside would.
using TMenuIdleHook = std::function<bool()>;
void SetMenuIdleHook(TMenuIdleHook Hook);
