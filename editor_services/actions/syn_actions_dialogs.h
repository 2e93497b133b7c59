// The actions that run a dialog on the editor: go to, insert a file, the
// options dialog and the choice of highlighter.
#pragma once

#include "editor_services/actions/syn_actions.h"

class TaSynJump : public TSynCustomAction {
public:
    using TSynCustomAction::TSynCustomAction;
    void ExecuteTarget(TObject* Target) override;
};

// Asks for a file with an open dialog (the manager's filter, the folder
// and filter of the last insert) and puts it in place of the selection.
class TaSynInsertFile : public TSynChangeAction {
public:
    using TSynChangeAction::TSynChangeAction;
    void ExecuteTarget(TObject* Target) override;

    // The dialog's title; a "%s" in it takes the document's name.
    AnsiString OpenDialogTitle;
};

// The options dialog on the editor, saving defaults into the manager's
// store when there is one.
class TaSynOptionsSetting : public TSynCustomAction {
public:
    using TSynCustomAction::TSynCustomAction;
    void ExecuteTarget(TObject* Target) override;
};

// The list of the manager's languages, "[不显示语法高亮]" first; OK gives
// the editor the chosen one. Nothing without a manager.
class TaSynToggleHighlighter : public TSynCustomAction {
public:
    using TSynCustomAction::TSynCustomAction;
    void ExecuteTarget(TObject* Target) override;
};
