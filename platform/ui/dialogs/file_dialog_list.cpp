// The file dialog's list: the folder's entries through the filter, sorted
// by the clicked column, a typed prefix finding its row, and the selected
// files' names shown in the name box.
#include <algorithm>

#include "platform/base/code_page.h"
#include "platform/ui/dialogs/file_dialog_form.h"
#include "platform/ui/itemviews/list_view.h"
#include "platform/ui/textedit/edit.h"
#include "platform/ui/widgets/combo_box.h"
#include "platform/win/clock.h"
#include "platform/win/message_queue.h"
#include "platform/win/win_messages.h"

namespace {

// Posted by the first selection change of a run; by the time it arrives
// the run is over, so the names are gathered once and not per item. Posted
// messages come before the next input, so OK and a double click find the
// names already shown.
constexpr UINT ShowNamesMessage = WM_APP + 1;

}  // namespace

void TFileDialogForm::FillList()
{
    AnsiString patterns = typedPattern_;
    if (patterns.empty() && !filters_.empty())
        patterns = filters_[static_cast<size_t>(std::max(filterBox_->ItemIndex(), 0))].Patterns;
    std::vector<const TFolderEntry*> shown;
    for (const TFolderEntry& entry : entries_)
        if (entry.Folder || MatchesFilePatterns(entry.Name, patterns))
            shown.push_back(&entry);
    SortFolderEntries(shown, sortColumn_, descending_);
    TListItems* items = fileList_->Items();
    items->BeginUpdate();
    items->Clear();
    for (const TFolderEntry* entry : shown) {
        TListItem* item = items->Add();
        item->SetCaption(entry->Name);
        item->SubItems()->Add(FolderEntrySizeText(*entry));
        item->SubItems()->Add(FolderEntryTimeText(*entry));
        item->Data = const_cast<TFolderEntry*>(entry);
    }
    items->EndUpdate();
    selectionText_.clear();
}

const TFolderEntry* TFileDialogForm::EntryOf(TListItem* Item) const
{
    return static_cast<const TFolderEntry*>(Item->Data);
}

void TFileDialogForm::ColumnClicked(TObject*, TListColumn* Column)
{
    const auto column = static_cast<TFolderColumn>(Column->Index());
    // The same column again turns the order round.
    descending_ = column == sortColumn_ && !descending_;
    sortColumn_ = column;
    FillList();
}

void TFileDialogForm::ListKeyPress(TObject*, char& Key)
{
    if (static_cast<unsigned char>(Key) < ' ')
        return;
    const bool whole = typeAhead_.Type(Key, GetTickCount());
    Key = 0;
    if (!whole)
        return;
    // One character goes on from the row after the current one, so that
    // typing it again visits each row it starts; a longer prefix may still
    // match the current row.
    TListItems* items = fileList_->Items();
    const int count = items->Count();
    const int current = fileList_->ItemIndex();
    const int after = typeAhead_.FirstCharacter() ? current : std::max(current, 0) - 1;
    const AnsiString& prefix = typeAhead_.Prefix();
    for (int k = 1; k <= count; ++k) {
        const int index = ((after + k) % count + count) % count;
        const AnsiString& caption = items->Item(index)->Caption();
        if (caption.size() >= prefix.size() &&
            CompareText(std::string_view(caption).substr(0, prefix.size()), prefix) == 0) {
            fileList_->SetItemIndex(index);
            items->Item(index)->MakeVisible();
            return;
        }
    }
}

void TFileDialogForm::SelectionChanged(TObject*, TListItem*, bool)
{
    if (namesPending_ || !HandleAllocated())
        return;
    namesPending_ = true;
    PostMessage(Handle(), ShowNamesMessage, 0, 0);
}

void TFileDialogForm::Dispatch(TMessage& Message)
{
    if (Message.Msg == ShowNamesMessage)
        return ShowSelectedNames();
    TForm::Dispatch(Message);
}

void TFileDialogForm::ShowSelectedNames()
{
    namesPending_ = false;
    AnsiString text;
    int files = 0;
    TListItems* items = fileList_->Items();
    for (int i = 0; i < items->Count(); ++i) {
        TListItem* item = items->Item(i);
        if (!item->Selected() || EntryOf(item)->Folder)
            continue;
        text += (files++ ? " \"" : "\"") + item->Caption() + '"';
    }
    // A folder chosen, or nothing: the box keeps what the user typed.
    if (files == 0) {
        selectionText_.clear();
        return;
    }
    // One name stands bare, several in quotes.
    selectionText_ = files == 1 ? text.substr(1, text.size() - 2) : text;
    nameBox_->SetText(selectionText_);
}
