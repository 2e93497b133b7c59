// The value and event types of the list view: its styles, what changed
// about an item, and the handlers of its item and column events.
#pragma once

#include <string>

#include "platform/base/event.h"
#include "platform/base/geometry.h"
#include "platform/ui/itemviews/list_box_types.h"
#include "platform/ui/itemviews/tree_view_types.h"
#include "platform/base/ansi_string.h"

class TObject;
class TCanvas;
class TListItem;
class TListColumn;

enum TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };
// What an OnChanging/OnChange is about; the list view only reports state.
enum TItemChange { ctText, ctImage, ctState };

using TLVChangingEvent = TEvent<void(TObject* Sender, TListItem* Item, TItemChange Change, bool& AllowChange)>;
using TLVChangeEvent = TEvent<void(TObject* Sender, TListItem* Item, TItemChange Change)>;
using TLVSelectItemEvent = TEvent<void(TObject* Sender, TListItem* Item, bool Selected)>;
using TLVColumnClickEvent = TEvent<void(TObject* Sender, TListColumn* Column)>;
// OnDeletion and OnData.
using TLVDeletedEvent = TEvent<void(TObject* Sender, TListItem* Item)>;
using TLVEditingEvent = TEvent<void(TObject* Sender, TListItem* Item, bool& AllowEdit)>;
using TLVEditedEvent = TEvent<void(TObject* Sender, TListItem* Item, AnsiString& S)>;
using TLVCompareEvent =
    TEvent<void(TObject* Sender, TListItem* Item1, TListItem* Item2, int Data, int& Compare)>;
using TLVDrawItemEvent =
    TEvent<void(TObject* Sender, TListItem* Item, const TRect& Rect, TOwnerDrawState State)>;
using TLVCustomDrawItemEvent =
    TEvent<void(TObject* Sender, TListItem* Item, TCustomDrawState State, bool& DefaultDraw)>;
using TLVCustomDrawSubItemEvent =
    TEvent<void(TObject* Sender, TListItem* Item, int SubItem, TCustomDrawState State, bool& DefaultDraw)>;
// The sort callback of CustomSort: negative, 0 or positive as Item1 goes
// before, with or after Item2.
using TLVCompare = int (*)(TListItem* Item1, TListItem* Item2, long Data);

// Which part of an item DisplayRect answers.
enum TDisplayCode { drBounds, drIcon, drLabel, drSelectBounds };
