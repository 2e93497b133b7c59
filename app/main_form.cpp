// The main window's construction and its node-manager side.
#include "app/main_form.h"

#include "editor_services/syn_manager.h"
#include "editor_services/syn_text_editor.h"

TMainForm* MainForm = nullptr;

TMainForm::TMainForm(TComponent* Owner) : TForm(Owner)
{
    MainForm = this;
}

TMainForm::~TMainForm()
{
    if (MainForm == this)
        MainForm = nullptr;
}

void TMainForm::LinkDBModule(TDBModule* Module) { dbModule_ = Module; }

TCustomTreeView* TMainForm::GetNodeTree() { return nullptr; }
TCustomListView* TMainForm::GetBookMarkList() { return nullptr; }
TCustomListView* TMainForm::GetAttachmentList() { return nullptr; }
TCustomListView* TMainForm::GetSearchList() { return nullptr; }
void TMainForm::ShowHint(const AnsiString&) {}
TCustomSynTextEditor* TMainForm::CreateEditor() { return nullptr; }
void TMainForm::RemoveEditor(TCustomSynTextEditor*) {}

int TMainForm::GetEditorCount()
{
    TSynCustomManager* manager = GlobalSynManager();
    return manager ? manager->GetEditorCount() : 0;
}

INodeEditor* TMainForm::GetEditors(int Index) { return NodeEditorOf(GlobalSynManager()->GetEditors(Index)); }

TCustomSynTextEditor* TMainForm::GetActiveEditor()
{
    TSynCustomManager* manager = GlobalSynManager();
    return manager ? manager->SynTextEditor() : nullptr;
}
