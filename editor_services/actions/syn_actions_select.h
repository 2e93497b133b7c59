// The selection actions: selecting all, lines and words, the selection
// modes (checked on the current mode) and the read-only switch (checked
// while the editor is read-only).
#pragma once

#include "editor_services/actions/syn_actions.h"
#include "editor_services/syn_text_editor.h"

class TaSynSelectAll : public TSynCustomAction {
public:
    using TSynCustomAction::TSynCustomAction;
    void ExecuteTarget(TObject* Target) override;
};

class TaSynSelectLine : public TSynCommandAction<TSynCustomAction, ecSelectLine> {
public:
    using TSynCommandAction::TSynCommandAction;
};
class TaSynSelectNextLine : public TSynCommandAction<TSynCustomAction, ecSelectNextLine> {
public:
    using TSynCommandAction::TSynCommandAction;
};
class TaSynSelectLastLine : public TSynCommandAction<TSynCustomAction, ecSelectLastLine> {
public:
    using TSynCommandAction::TSynCommandAction;
};

// The word at the caret.
class TaSynSelectWrod : public TSynCustomAction {
public:
    using TSynCustomAction::TSynCustomAction;
    void ExecuteTarget(TObject* Target) override;
};

class TaSynSelectNextWord : public TSynCommandAction<TSynCustomAction, ecSelectNextWord> {
public:
    using TSynCommandAction::TSynCommandAction;
};
class TaSynSelectLastWord : public TSynCommandAction<TSynCustomAction, ecSelectLastWord> {
public:
    using TSynCommandAction::TSynCommandAction;
};

// Executing turns read-only on while unchecked and off while checked.
class TaSynReadOnly : public TSynCustomAction {
public:
    using TSynCustomAction::TSynCustomAction;
    void UpdateTarget(TObject* Target) override;
    void ExecuteTarget(TObject* Target) override;
    bool TakesKeysOnlyInTheEditor() const override { return true; }
};

// Sets the editor's selection mode to Mode; checked while it is Mode.
class TSynSelectionModeAction : public TSynCustomAction {
public:
    TSynSelectionModeAction(TComponent* AOwner, TSynSelectionMode AMode) : TSynCustomAction(AOwner), Mode(AMode) {}
    void UpdateTarget(TObject* Target) override;
    void ExecuteTarget(TObject* Target) override;

    const TSynSelectionMode Mode;
};

class TaSynNormalSelect : public TSynSelectionModeAction {
public:
    explicit TaSynNormalSelect(TComponent* AOwner) : TSynSelectionModeAction(AOwner, smNormal) {}
};
class TaSynColumnSelect : public TSynSelectionModeAction {
public:
    explicit TaSynColumnSelect(TComponent* AOwner) : TSynSelectionModeAction(AOwner, smColumn) {}
};
class TaSynLineSelect : public TSynSelectionModeAction {
public:
    explicit TaSynLineSelect(TComponent* AOwner) : TSynSelectionModeAction(AOwner, smLine) {}
};
