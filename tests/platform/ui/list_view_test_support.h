// What the list view tests share: a view in the test font on a form, a
// report of items with sub-items, logs of the view's events and GBK texts.
#pragma once

#include <string>
#include <vector>

#include "control_test_support.h"
#include "platform/ui/itemviews/list_view.h"

using TListLog = std::vector<std::string>;

// GBK: 說 D5 66 ('f'), 門 E9 54 ('T'), 這 DF 40 ('@'), 乗 81 5C ('\\'), 中 D6 D0.
inline const AnsiString ListShuo = "\xD5\x66";
inline const AnsiString ListMen = "\xE9\x54";

// A list view at (10, 10) of Parent, in the test font (rows of 18).
TListView* AddList(TWinControl* Parent, TViewStyle Style, int Width = 240, int Height = 160);

// Columns "Name" 80, "Size" 60, "Kind" 60; items "I0".."I<Count-1>" with
// sub-items "S<i>" and "K<i>".
void FillReport(TCustomListView* List, int Count);

// Logs "changing X", "change X", "select X" / "unselect X", "deletion X",
// "editing X", "edited X=S" and "column N" as they come.
void LogListEvents(TCustomListView* List, TListLog& Log);

// The middle of an item's caption on the screen.
TPoint CaptionPoint(TCustomListView* List, int Index);

// The captions of the selected items, in order.
TListLog SelectedCaptions(TCustomListView* List);
