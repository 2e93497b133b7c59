#include "editor/completion/syn_completion_edit_scope.h"

#include "editor/syn_custom_text.h"

TCompletionEditScope::TCompletionEditScope(TCustomSynText* AEditor, bool PlainTyping)
    : editor_(AEditor), savedOptions_(AEditor->Options())
{
    editor_->BeginUndoBlock();
    editor_->BeginUpdate();
    if (!PlainTyping)
        return;
    TSynTextEditorOptions plain = savedOptions_;
    plain.Exclude(eoAutoIndent).Exclude(eoTrimTrailingSpaces).Exclude(eoSmartTabs);
    if (plain != savedOptions_) {
        restoreOptions_ = true;
        editor_->SetOptions(plain);
    }
    if (!editor_->InsertMode()) {
        restoreOverwrite_ = true;
        editor_->SetInsertMode(true);
    }
}

TCompletionEditScope::~TCompletionEditScope()
{
    try {
        Close();
    } catch (...) {
    }
}

void TCompletionEditScope::Close()
{
    // Each step is marked done before it runs, so that one failing does
    // not keep the later ones from the destructor.
    if (restoreOverwrite_) {
        restoreOverwrite_ = false;
        editor_->SetInsertMode(false);
    }
    if (restoreOptions_) {
        restoreOptions_ = false;
        editor_->SetOptions(savedOptions_);
    }
    if (undoBlockOpen_) {
        undoBlockOpen_ = false;
        editor_->EndUndoBlock();
    }
    if (locked_) {
        locked_ = false;
        editor_->EndUpdate();
    }
}
