// What the file dialog does with the user's choice: OK and Enter, a double
// click, the parent button, the places and the filter. A folder chosen
// opens; a pattern lists by it; files are checked against the options and
// end the dialog; anything wrong is said and the dialog stays open.
#include "platform/base/files.h"
#include "platform/base/format.h"
#include "platform/ui/dialogs/file_dialog_form.h"
#include "platform/ui/dialogs/file_dialog_path.h"
#include "platform/ui/dialogs/message_box.h"
#include "platform/ui/itemviews/list_box.h"
#include "platform/ui/itemviews/list_view.h"
#include "platform/ui/kernel/application.h"
#include "platform/ui/textedit/edit.h"

void TFileDialogForm::OkClick(TObject*)
{
    if (ActiveControl() == folderBox_)
        return TakeTyped(folderBox_->Text(), true);
    if (ActiveControl() == fileList_ && OpenFocusedFolder())
        return;
    if (!selectionText_.empty() && nameBox_->Text() == selectionText_)
        return TakeSelected();
    TakeTyped(nameBox_->Text(), false);
}

void TFileDialogForm::ListDblClick(TObject*)
{
    if (OpenFocusedFolder())
        return;
    if (!selectionText_.empty())
        TakeSelected();
}

void TFileDialogForm::ParentClick(TObject*)
{
    if (folder_ != "/")
        OpenFolder(ExtractFileDir(folder_));
}

void TFileDialogForm::PlaceClick(TObject*)
{
    const int index = placeList_->ItemIndex();
    if (index >= 0 && index < static_cast<int>(places_.size()))
        OpenFolder(places_[static_cast<size_t>(index)].Folder);
}

void TFileDialogForm::FilterChange(TObject*)
{
    typedPattern_.clear();
    FillList();
}

bool TFileDialogForm::OpenFocusedFolder()
{
    TListItem* item = fileList_->ItemFocused();
    if (!item || !item->Selected() || fileList_->SelCount() != 1 || !EntryOf(item)->Folder)
        return false;
    const TFolderEntry* entry = EntryOf(item);
    if (!entry->Representable)
        Complain(Format("文件夹“%s”的名称含有本程序无法表示的字符，无法打开。", {entry->Name}));
    else
        OpenFolder(IncludeTrailingPathDelimiter(folder_) + entry->Name);
    return true;
}

void TFileDialogForm::TakeTyped(const AnsiString& Typed, bool FolderOnly)
{
    if (Typed.empty())
        return;
    const TTypedPath typed = CheckTypedPath(folder_, Typed);
    switch (typed.Kind) {
    case tkError:
        return Complain(typed.Message);
    case tkFolder:
        if (OpenFolder(typed.Path) && !FolderOnly)
            nameBox_->Clear();
        return;
    case tkPattern:
        if (FolderOnly)
            return Complain(Format(SFolderNotFound, {Typed}));
        if (typed.Path == folder_ || OpenFolder(typed.Path)) {
            typedPattern_ = typed.Pattern;
            FillList();
        }
        return;
    case tkFile:
        if (FolderOnly)
            return Complain(Format(FileExists(typed.Path) ? SNotAFolder : SFolderNotFound, {Typed}));
        return TakeFiles({typed.Path});
    }
}

void TFileDialogForm::TakeSelected()
{
    std::vector<AnsiString> paths;
    TListItems* items = fileList_->Items();
    for (int i = 0; i < items->Count(); ++i) {
        TListItem* item = items->Item(i);
        const TFolderEntry* entry = EntryOf(item);
        if (!item->Selected() || entry->Folder)
            continue;
        // The GBK name would reach another file, or none: refused.
        if (!entry->Representable)
            return Complain(Format("“%s”的名称含有本程序无法表示的字符，无法使用。\n请先为它改名。", {entry->Name}));
        paths.push_back(IncludeTrailingPathDelimiter(folder_) + entry->Name);
    }
    if (!paths.empty())
        TakeFiles(std::move(paths));
}

void TFileDialogForm::TakeFiles(std::vector<AnsiString> Paths)
{
    for (AnsiString& path : Paths) {
        if (ExtractFileExt(path).empty() && !setup_.DefaultExt.empty()) {
            const AnsiString extended = path + '.' + setup_.DefaultExt;
            if (setup_.Save || FileExists(extended))
                path = extended;
        }
        if (!setup_.Save && setup_.Options.Contains(ofFileMustExist) && !FileExists(path))
            return Complain(Format("%s\n找不到文件。\n请检查文件名是否正确。", {path}));
        if (setup_.Save && setup_.Options.Contains(ofOverwritePrompt) && FileExists(path) &&
            Application->MessageBox(Format("%s 已存在。\n要替换它吗？", {path}), Caption(),
                                    MB_YESNO | MB_ICONWARNING) != IDYES)
            return;
    }
    chosen_ = std::move(Paths);
    // Where the files are, which a typed path may put outside the folder shown.
    RememberFolder(ExtractFileDir(chosen_.front()));
    SetModalResult(mrOk);
}
