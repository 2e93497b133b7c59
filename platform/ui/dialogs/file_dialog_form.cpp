// The file dialog's form: its controls, where it starts, and the folder
// it shows.
#include "platform/ui/dialogs/file_dialog_form.h"

#include "platform/base/files.h"
#include "platform/base/format.h"
#include "platform/base/strings.h"
#include "platform/ui/itemviews/list_box.h"
#include "platform/ui/itemviews/list_view.h"
#include "platform/ui/kernel/application.h"
#include "platform/ui/textedit/edit.h"
#include "platform/ui/widgets/button.h"
#include "platform/ui/widgets/combo_box.h"
#include "platform/ui/widgets/label.h"
#include "platform/ui/dialogs/message_box.h"

namespace {

constexpr int FileMargin = 8, Gap = 6, FormWidth = 640, BoxHeight = 21, ButtonWidth = 80, FileButtonHeight = 23;
constexpr int PlacesWidth = 120, ListTop = 40, ListHeight = 270, LabelWidth = 96;

// Where the dialog starts: InitialDir, else the folder of FileName, else
// the current folder; the first of them that exists.
AnsiString StartFolder(const TFileDialogSetup& Setup)
{
    for (const AnsiString& folder : {Setup.InitialDir, ExtractFileDir(Setup.FileName)})
        if (!folder.empty() && DirectoryExists(folder))
            return ExcludeTrailingPathDelimiter(ExpandFileName(folder));
    return ExcludeTrailingPathDelimiter(GetCurrentDir());
}

TLabel* AddFileLabel(TWinControl* Parent, const char* Caption, int Left, int Top, TWinControl* Focus)
{
    auto* label = new TLabel(Parent);
    label->SetCaption(Caption);
    label->SetBounds(Left, Top + 3, LabelWidth, BoxHeight);
    label->SetFocusControl(Focus);
    label->SetParent(Parent);
    return label;
}

TEdit* AddBox(TWinControl* Parent, int Left, int Top, int Width)
{
    auto* box = new TEdit(Parent);
    box->SetBounds(Left, Top, Width, BoxHeight);
    box->SetParent(Parent);
    return box;
}

TButton* AddButton(TWinControl* Parent, const char* Caption, int Left, int Top, int Width)
{
    auto* button = new TButton(Parent);
    button->SetCaption(Caption);
    button->SetBounds(Left, Top, Width, FileButtonHeight);
    button->SetParent(Parent);
    return button;
}

}  // namespace

TFileDialogForm::TFileDialogForm(const TFileDialogSetup& Setup)
    : TForm(nullptr), setup_(Setup), filters_(ParseFileFilter(Setup.Filter)), places_(FilePlaces())
{
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetCaption(Setup.Save ? "另存为" : "打开");
    Build();
    nameBox_->SetText(ExtractFileName(Setup.FileName));
    SetActiveControl(nameBox_);
    OpenFolder(StartFolder(Setup));
}

void TFileDialogForm::Build()
{
    // The controls go in the order Tab visits them.
    const int boxLeft = FileMargin + LabelWidth;
    const int parentLeft = FormWidth - FileMargin - FileButtonHeight - Gap;
    folderBox_ = AddBox(this, boxLeft, FileMargin, parentLeft - Gap - boxLeft);
    AddFileLabel(this, setup_.Save ? "保存在(&I):" : "查找范围(&I):", FileMargin, FileMargin, folderBox_);
    parentButton_ = AddButton(this, "↑", parentLeft, FileMargin - 1, FileButtonHeight + Gap);
    parentButton_->OnClick = TNotifyEvent(this, &TFileDialogForm::ParentClick);

    placeList_ = new TListBox(this);
    placeList_->SetBounds(FileMargin, ListTop, PlacesWidth, ListHeight);
    placeList_->SetParent(this);
    for (const TFilePlace& place : places_)
        placeList_->Items()->Add(place.Caption);
    placeList_->OnClick = TNotifyEvent(this, &TFileDialogForm::PlaceClick);

    const int listLeft = FileMargin + PlacesWidth + Gap;
    BuildList(listLeft, ListTop, FormWidth - FileMargin - listLeft, ListHeight);
    BuildBottom(listLeft, ListTop + ListHeight + Gap + 2, FormWidth - FileMargin - listLeft);
}

void TFileDialogForm::BuildList(int Left, int Top, int Width, int Height)
{
    fileList_ = new TListView(this);
    fileList_->SetBounds(Left, Top, Width, Height);
    fileList_->SetViewStyle(vsReport);
    fileList_->SetRowSelect(true);
    fileList_->SetHideSelection(false);
    fileList_->ReadOnly = true;
    fileList_->SetMultiSelect(setup_.Options.Contains(ofAllowMultiSelect));
    fileList_->SetParent(this);
    struct TColumn {
        const char* Caption;
        int Width;
        TAlignment Alignment;
    };
    for (const TColumn& column : {TColumn{"名称", Width - 250, taLeftJustify}, TColumn{"大小", 100, taRightJustify},
                                  TColumn{"修改日期", 130, taLeftJustify}}) {
        TListColumn* added = fileList_->Columns()->Add();
        added->SetCaption(column.Caption);
        added->SetWidth(column.Width);
        added->SetAlignment(column.Alignment);
    }
    fileList_->OnColumnClick = TLVColumnClickEvent(this, &TFileDialogForm::ColumnClicked);
    fileList_->OnKeyPress = TKeyPressEvent(this, &TFileDialogForm::ListKeyPress);
    fileList_->OnSelectItem = TLVSelectItemEvent(this, &TFileDialogForm::SelectionChanged);
    fileList_->OnDblClick = TNotifyEvent(this, &TFileDialogForm::ListDblClick);
}

void TFileDialogForm::BuildBottom(int Left, int Top, int Width)
{
    const int boxLeft = Left + LabelWidth;
    const int buttonLeft = Left + Width - ButtonWidth;
    const int boxWidth = buttonLeft - Gap - boxLeft;
    nameBox_ = AddBox(this, boxLeft, Top, boxWidth);
    AddFileLabel(this, "文件名(&N):", Left, Top, nameBox_);

    filterBox_ = new TComboBox(this);
    filterBox_->SetStyle(csDropDownList);
    filterBox_->SetBounds(boxLeft, Top + FileButtonHeight + Gap, boxWidth, BoxHeight);
    filterBox_->SetParent(this);
    for (const TFileFilter& filter : filters_)
        filterBox_->Items()->Add(filter.Description);
    const int index = setup_.FilterIndex - 1;
    filterBox_->SetItemIndex(index >= 0 && index < static_cast<int>(filters_.size()) ? index : 0);
    filterBox_->OnChange = TNotifyEvent(this, &TFileDialogForm::FilterChange);
    AddFileLabel(this, setup_.Save ? "保存类型(&T):" : "文件类型(&T):", Left, Top + FileButtonHeight + Gap, filterBox_);

    TButton* ok = AddButton(this, setup_.Save ? "保存(&S)" : "打开(&O)", buttonLeft, Top, ButtonWidth);
    ok->SetDefault(true);
    ok->OnClick = TNotifyEvent(this, &TFileDialogForm::OkClick);
    TButton* cancel = AddButton(this, "取消", buttonLeft, Top + FileButtonHeight + Gap, ButtonWidth);
    cancel->SetCancel(true);
    cancel->SetModalResult(mrCancel);

    SetClientWidth(FormWidth);
    SetClientHeight(Top + 2 * FileButtonHeight + Gap + FileMargin + 4);
}

int TFileDialogForm::FilterIndex() const
{
    return filters_.empty() ? setup_.FilterIndex : filterBox_->ItemIndex() + 1;
}

bool TFileDialogForm::OpenFolder(const AnsiString& Folder)
{
    std::vector<TFolderEntry> entries;
    if (!ReadFolder(Folder, entries)) {
        Complain(Format("无法打开文件夹“%s”。", {Folder}));
        return false;
    }
    // The items point into entries_: they go first.
    fileList_->Items()->Clear();
    folder_ = Folder;
    entries_ = std::move(entries);
    typedPattern_.clear();
    folderBox_->SetText(folder_);
    FillList();
    return true;
}

void TFileDialogForm::Complain(const AnsiString& Message)
{
    Application->MessageBox(Message, Caption(), MB_OK | MB_ICONWARNING);
}
