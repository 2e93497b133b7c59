// The actions that run a dialog on the editor (see the header).
#include "editor_services/actions/syn_actions_dialogs.h"

#include <memory>

#include "editor/highlighting/syn_highlighter.h"
#include "editor_services/dialogs/syn_common_dialogs.h"
#include "editor_services/settings/syn_highlighter_dialog_toggle.h"
#include "editor_services/dialogs/syn_jump_dialog.h"
#include "editor_services/settings/syn_manager.h"
#include "editor_services/settings/syn_options_dialog.h"
#include "editor_services/syn_text_editor.h"
#include "platform/base/files.h"
#include "platform/base/format.h"
#include "platform/ui/dialogs/file_dialog.h"
#include "platform/ui/itemviews/list_box.h"

namespace {

// Where the last inserted file came from, shared by every insert action.
AnsiString lastFolder;
int lastFilterIndex = 0;

// The row of Editor's highlighter in the dialog (its index + 1); -1 when
// the list does not have it.
int HighlighterRow(const TSynHighlighters* List, const TCustomSynText* Editor)
{
    if (!Editor->Highlighter())
        return -1;
    for (int i = 0; i < List->Count(); ++i)
        if (List->GetHighlighter(i) == Editor->Highlighter())
            return i + 1;
    return -1;
}

}  // namespace

void TaSynJump::ExecuteTarget(TObject* Target)
{
    if (!FindTarget(Target))
        return;
    auto dialog = std::make_unique<TSynJumpDlg>(nullptr);
    dialog->ExecuteJump(TargetEditor());
}

void TaSynInsertFile::ExecuteTarget(TObject* Target)
{
    if (!FindTarget(Target))
        return;
    auto dialog = std::make_unique<TOpenDialog>(this);
    dialog->Title = Format(OpenDialogTitle, {TargetEditor()->DocumentName()});
    if (TSynCustomManager* manager = GlobalSynManager())
        manager->BuildFilter(dialog->Filter);
    dialog->InitialDir = lastFolder;
    dialog->FilterIndex = lastFilterIndex;
    TSynCommonFileDialog file(dialog.get());
    if (!TargetEditor()->InsertFile(AnsiString(), &file, {doSelection, doDefine}))
        return;
    // The folder of the file taken: the dialog's starting folder never
    // changes, and the next insert should start where this one ended.
    lastFolder = ExtractFilePath(dialog->FileName);
    lastFilterIndex = dialog->FilterIndex;
}

void TaSynOptionsSetting::ExecuteTarget(TObject* Target)
{
    if (!FindTarget(Target))
        return;
    TSynCustomManager* manager = GlobalSynManager();
    auto dialog = std::make_unique<TSynOptionsForm>(nullptr);
    dialog->Execute(manager ? manager->EditorSource() : nullptr, TargetEditor());
}

void TaSynToggleHighlighter::ExecuteTarget(TObject* Target)
{
    TSynCustomManager* manager = GlobalSynManager();
    if (!manager || !FindTarget(Target))
        return;
    TSynHighlighters* list = manager->Highlighters();
    auto dialog = std::make_unique<TToggleHighlighterDlg>(this);
    TStrings* rows = dialog->ListBox1->Items();
    rows->Add("[不显示语法高亮]");
    for (int i = 0; i < list->Count(); ++i) {
        TSynCustomHighlighter* highlighter = list->GetHighlighter(i);
        rows->Add(highlighter ? highlighter->GetFriendlyLanguageName() : AnsiString());
    }
    if (const int row = HighlighterRow(list, TargetEditor()); row > 0)
        dialog->ListBox1->SetItemIndex(row);
    if (dialog->ShowModal() != mrOk)
        return;
    // Row 0, and no row at all, give an index outside the list: no
    // highlighter.
    list->ApplyToEditor(TargetEditor(), dialog->ListBox1->ItemIndex() - 1);
}
