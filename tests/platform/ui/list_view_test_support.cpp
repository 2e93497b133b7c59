// The list view tests' shared views, reports and event logs.
#include "list_view_test_support.h"

#include "platform/gdi/test_font.h"

namespace {

std::string Name(TListItem* Item)
{
    return Item ? Item->Caption() : std::string("nil");
}

}  // namespace

TListView* AddList(TWinControl* Parent, TViewStyle Style, int Width, int Height)
{
    auto* list = new TListView(Parent);
    list->Font()->SetName(kTestFontName);
    list->Font()->SetHeight(-kTestFontCellHeight);
    list->SetBounds(10, 10, Width, Height);
    list->SetViewStyle(Style);
    list->SetParent(Parent);
    return list;
}

void FillReport(TCustomListView* List, int Count)
{
    const char* names[] = {"Name", "Size", "Kind"};
    const int widths[] = {80, 60, 60};
    for (int i = 0; i < 3; ++i) {
        TListColumn* column = List->Columns()->Add();
        column->SetCaption(names[i]);
        column->SetWidth(widths[i]);
    }
    List->Items()->BeginUpdate();
    for (int i = 0; i < Count; ++i) {
        TListItem* item = List->Items()->Add();
        item->SetCaption("I" + std::to_string(i));
        item->SubItems()->Add("S" + std::to_string(i));
        item->SubItems()->Add("K" + std::to_string(i));
    }
    List->Items()->EndUpdate();
}

void LogListEvents(TCustomListView* List, TListLog& Log)
{
    List->OnChanging = TLVChangingEvent::FromCallable(
        [&Log](TObject*, TListItem* Item, TItemChange, bool&) { Log.push_back("changing " + Name(Item)); });
    List->OnChange = TLVChangeEvent::FromCallable(
        [&Log](TObject*, TListItem* Item, TItemChange) { Log.push_back("change " + Name(Item)); });
    List->OnSelectItem = TLVSelectItemEvent::FromCallable([&Log](TObject*, TListItem* Item, bool Selected) {
        Log.push_back((Selected ? "select " : "unselect ") + Name(Item));
    });
    List->OnDeletion = TLVDeletedEvent::FromCallable(
        [&Log](TObject*, TListItem* Item) { Log.push_back("deletion " + Name(Item)); });
    List->OnEditing = TLVEditingEvent::FromCallable(
        [&Log](TObject*, TListItem* Item, bool&) { Log.push_back("editing " + Name(Item)); });
    List->OnEdited = TLVEditedEvent::FromCallable(
        [&Log](TObject*, TListItem* Item, AnsiString& S) { Log.push_back("edited " + Name(Item) + "=" + S); });
    List->OnColumnClick = TLVColumnClickEvent::FromCallable(
        [&Log](TObject*, TListColumn* Column) { Log.push_back("column " + std::to_string(Column->Index())); });
}

TPoint CaptionPoint(TCustomListView* List, int Index)
{
    const TRect label = List->Items()->Item(Index)->DisplayRect(drLabel);
    return List->ClientToScreen(Point(label.Left + 6, (label.Top + label.Bottom) / 2));
}

TListLog SelectedCaptions(TCustomListView* List)
{
    TListLog result;
    for (int i = 0; i < List->Items()->Count(); ++i)
        if (List->Items()->Item(i)->Selected())
            result.push_back(List->Items()->Item(i)->Caption());
    return result;
}
