// The form of the open and save dialogs: the folder shown, with a button to
// its parent; the places; the folder's folders and files in a report list
// (name, size, date) that sorts by a clicked column and finds a typed
// prefix; the name box, which also takes a typed path or pattern; the
// filter; and the buttons. Enter on a folder opens it; anything wrong with
// what the user chose is said in a message box and the dialog stays open.
#pragma once

#include <vector>

#include "platform/ui/dialogs/file_dialog.h"
#include "platform/ui/dialogs/file_dialog_filter.h"
#include "platform/ui/dialogs/file_dialog_folder.h"
#include "platform/ui/dialogs/file_dialog_places.h"
#include "platform/ui/itemviews/list_box_type_ahead.h"
#include "platform/ui/kernel/custom_form.h"

class TButton;
class TComboBox;
class TEdit;
class TListBox;
class TListColumn;
class TListItem;
class TListView;

struct TFileDialogSetup {
    bool Save = false;
    AnsiString Filter;
    int FilterIndex = 1;  // from 1; out of range: the first
    AnsiString DefaultExt;
    AnsiString FileName;
    AnsiString InitialDir;
    TOpenOptions Options;
};

class TFileDialogForm : public TForm {
public:
    explicit TFileDialogForm(const TFileDialogSetup& Setup);

    // Lists Folder (absolute, GBK); says so and keeps the folder shown when
    // it cannot be read.
    bool OpenFolder(const AnsiString& Folder);
    // The folder shown: absolute, no trailing delimiter but for "/".
    const AnsiString& Folder() const { return folder_; }

    // After mrOk: the files chosen, full GBK names.
    const std::vector<AnsiString>& Chosen() const { return chosen_; }
    // The filter chosen, from 1 (the setup's value without filters).
    int FilterIndex() const;

    TEdit* FolderBox() const { return folderBox_; }
    TButton* ParentButton() const { return parentButton_; }
    TListBox* PlaceList() const { return placeList_; }
    TListView* FileList() const { return fileList_; }
    TEdit* NameBox() const { return nameBox_; }
    TComboBox* FilterBox() const { return filterBox_; }

protected:
    void Dispatch(TMessage& Message) override;

private:
    void Build();
    void BuildList(int Left, int Top, int Width, int Height);
    void BuildBottom(int Left, int Top, int Width);

    // file_dialog_list.cpp: the list of the folder's entries.
    void FillList();
    const TFolderEntry* EntryOf(TListItem* Item) const;
    void ColumnClicked(TObject* Sender, TListColumn* Column);
    void ListKeyPress(TObject* Sender, char& Key);
    void SelectionChanged(TObject* Sender, TListItem* Item, bool Selected);
    // The selected files' names into the name box, once a run of selection
    // changes has ended.
    void ShowSelectedNames();

    // file_dialog_accept.cpp: what OK, Enter and a double click do.
    void OkClick(TObject* Sender);
    void ListDblClick(TObject* Sender);
    void ParentClick(TObject* Sender);
    void PlaceClick(TObject* Sender);
    void FilterChange(TObject* Sender);
    // Opens the focused item when it is a folder selected alone.
    bool OpenFocusedFolder();
    void TakeTyped(const AnsiString& Typed, bool FolderOnly);
    void TakeSelected();
    void TakeFiles(std::vector<AnsiString> Paths);
    void Complain(const AnsiString& Message);

    TFileDialogSetup setup_;
    std::vector<TFileFilter> filters_;
    std::vector<TFilePlace> places_;
    AnsiString folder_;
    std::vector<TFolderEntry> entries_;  // all of folder_, in the order read; the items point into it
    AnsiString typedPattern_;            // a pattern typed into the name box; empty: the filter's
    TFolderColumn sortColumn_ = fcName;
    bool descending_ = false;
    TTypeAhead typeAhead_;
    // The text the selection last put into the name box; while the box
    // still holds it, OK takes the selected entries themselves.
    AnsiString selectionText_;
    bool namesPending_ = false;  // a ShowSelectedNames message is on its way
    std::vector<AnsiString> chosen_;

    TEdit* folderBox_ = nullptr;
    TButton* parentButton_ = nullptr;
    TListBox* placeList_ = nullptr;
    TListView* fileList_ = nullptr;
    TEdit* nameBox_ = nullptr;
    TComboBox* filterBox_ = nullptr;
};
