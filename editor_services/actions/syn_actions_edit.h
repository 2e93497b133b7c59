// The editing actions: undo and redo, the clipboard with its appending
// variants, case conversion, block indent, deletions and clearing the whole
// text, and two caret moves (the last change, the matching bracket).
#pragma once

#include "editor_services/actions/syn_actions.h"
#include "editor_services/syn_text_editor.h"

class TaSynUndo : public TSynCustomAction {
public:
    using TSynCustomAction::TSynCustomAction;
    bool HandlesTarget(TObject* Target) override;
    void ExecuteTarget(TObject* Target) override;
    bool TakesKeysOnlyInTheEditor() const override { return true; }
};

class TaSynRedo : public TSynCustomAction {
public:
    using TSynCustomAction::TSynCustomAction;
    bool HandlesTarget(TObject* Target) override;
    void ExecuteTarget(TObject* Target) override;
    bool TakesKeysOnlyInTheEditor() const override { return true; }
};

class TaSynCut : public TSynChangeSelectAction {
public:
    using TSynChangeSelectAction::TSynChangeSelectAction;
    void ExecuteTarget(TObject* Target) override;
};

// The clipboard's text followed directly by the selection goes on the
// clipboard, and the selection is deleted.
class TaSynAppendCut : public TSynChangeSelectAction {
public:
    using TSynChangeSelectAction::TSynChangeSelectAction;
    void ExecuteTarget(TObject* Target) override;
};

class TaSynCopy : public TSynCustomAction {
public:
    using TSynCustomAction::TSynCustomAction;
    bool HandlesTarget(TObject* Target) override;
    void ExecuteTarget(TObject* Target) override;
    bool TakesKeysOnlyInTheEditor() const override { return true; }
};

// The clipboard's text followed directly by the selection goes on the
// clipboard.
class TaSynAppendCopy : public TaSynCopy {
public:
    using TaSynCopy::TaSynCopy;
    void ExecuteTarget(TObject* Target) override;
};

class TaSynPaste : public TSynCustomAction {
public:
    using TSynCustomAction::TSynCustomAction;
    bool HandlesTarget(TObject* Target) override;
    void ExecuteTarget(TObject* Target) override;
    bool TakesKeysOnlyInTheEditor() const override { return true; }
};

class TaSynUpperCase : public TSynCommandAction<TSynChangeAction, ecDocUpperCase> {
public:
    using TSynCommandAction::TSynCommandAction;
};
class TaSynLowerCase : public TSynCommandAction<TSynChangeAction, ecDocLowerCase> {
public:
    using TSynCommandAction::TSynCommandAction;
};
class TaSynToggleCase : public TSynCommandAction<TSynChangeAction, ecDocToggleCase> {
public:
    using TSynCommandAction::TSynCommandAction;
};
class TaSynTitleCase : public TSynCommandAction<TSynChangeAction, ecDocTitleCase> {
public:
    using TSynCommandAction::TSynCommandAction;
};

// Without a selection the caret line is selected first, so that one line
// moves.
class TaSynBlockIndent : public TSynChangeAction {
public:
    using TSynChangeAction::TSynChangeAction;
    void ExecuteTarget(TObject* Target) override;
};
class TaSynBlockUnindent : public TSynChangeAction {
public:
    using TSynChangeAction::TSynChangeAction;
    void ExecuteTarget(TObject* Target) override;
};

class TaSynGotoLastChange : public TSynCommandAction<TSynCustomAction, ecGotoLastChange> {
public:
    using TSynCommandAction::TSynCommandAction;
};
class TaSynMatchBracket : public TSynCommandAction<TSynCustomAction, ecMatchBracket> {
public:
    using TSynCommandAction::TSynCommandAction;
};

class TaSynDeleteNextchar : public TSynCommandAction<TSynChangeAction, ecDeleteChar> {
public:
    using TSynCommandAction::TSynCommandAction;
};
class TaSynDeleteWordToEnd : public TSynCommandAction<TSynChangeAction, ecDeleteWord> {
public:
    using TSynCommandAction::TSynCommandAction;
};
class TaSynDeleteWordToStart : public TSynCommandAction<TSynChangeAction, ecDeleteLastWord> {
public:
    using TSynCommandAction::TSynCommandAction;
};
class TaSynDeleteWord : public TSynCommandAction<TSynChangeAction, ecDeleteWholeWord> {
public:
    using TSynCommandAction::TSynCommandAction;
};
class TaSynDeleteLineToEnd : public TSynCommandAction<TSynChangeAction, ecDeleteEOL> {
public:
    using TSynCommandAction::TSynCommandAction;
};
class TaSynDeleteLineToStart : public TSynCommandAction<TSynChangeAction, ecDeleteBOL> {
public:
    using TSynCommandAction::TSynCommandAction;
};
class TaSynDeleteLine : public TSynCommandAction<TSynChangeAction, ecDeleteLine> {
public:
    using TSynCommandAction::TSynCommandAction;
};

// Empties the text as one undoable change (select all, delete), so that it
// can be taken back and the editor counts as modified.
class TaSynClearAll : public TSynChangeAction {
public:
    using TSynChangeAction::TSynChangeAction;
    void ExecuteTarget(TObject* Target) override;
};
