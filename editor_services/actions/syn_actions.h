// The bases of the editor actions: actions that find their editor by
// themselves (a fixed one, else the settings manager's current one, else
// the target the class library offers), so one set of actions serves every
// editor tab; and TSynAction, a plain action for the host's own commands.
#pragma once

#include "editor/syn_text_commands.h"
#include "platform/ui/kernel/actions.h"

class TCustomSynText;
class TCustomSynTextEditor;

// The root: wires its own OnExecute and OnUpdate to ExecuteTarget and
// HandlesTarget / UpdateTarget (with no target), so the idle-time update
// re-evaluates it and every client runs it the same way.
class TSynBaseAction : public TCustomAction {
public:
    explicit TSynBaseAction(TComponent* AOwner);

    bool HandlesTarget(TObject* Target) override;
    // Enabled true.
    void UpdateTarget(TObject* Target) override;
    // Whether its key is the editor's only while the editor has the focus:
    // running it may change the text or the read-only state, or put the
    // selection on the clipboard, none of which the user should meet out of
    // sight. A host keeps such keys from an editor that lacks the focus,
    // where the user typed them for something else.
    virtual bool TakesKeysOnlyInTheEditor() const { return false; }

private:
    void DoExecute(TObject* Sender);
    void DoUpdate(TObject* Sender);
};

class TSynCustomAction : public TSynBaseAction {
public:
    using TSynBaseAction::TSynBaseAction;

    // Whether an editor to work on is found (FindTarget).
    bool HandlesTarget(TObject* Target) override;

    // A fixed editor that wins over the current one; not owned, cleared
    // when it goes.
    TCustomSynTextEditor* SynText() const { return synText_; }
    void SetSynText(TCustomSynTextEditor* Value) { SetReference(synText_, Value); }

protected:
    // Looks the editor up again (it may have gone since the last look):
    // SynText, else the settings manager's current editor, else Target when
    // it is a document editor. Answers whether one was found.
    bool FindTarget(TObject* Target);
    // The editor of the last FindTarget; nullptr when it found none.
    TCustomSynTextEditor* TargetEditor() const { return target_; }

    // Points Field at Value, moving the free notification that clears it.
    template <typename T>
    void SetReference(T*& Field, T* Value)
    {
        if (Field == Value)
            return;
        if (Field)
            Field->RemoveFreeNotification(this);
        Field = Value;
        if (Field)
            Field->FreeNotification(this);
    }
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TCustomSynTextEditor* synText_ = nullptr;
    TCustomSynTextEditor* target_ = nullptr;  // found by the last FindTarget; not kept past the call that needed it
};

using TSynTextExecuteEvent = TEvent<void(TObject* Sender, TCustomSynText* SynText)>;
using TSynTextUpdateEvent = TEvent<bool(TObject* Sender, TCustomSynText* SynText)>;

// An editor action whose work and enable rule are the host's. Its typed
// events hide the untyped ones of the class library, which run through the
// base's wiring.
class TSynTextAction : public TSynCustomAction {
public:
    using TSynCustomAction::TSynCustomAction;

    // OnUpdate's answer when it is assigned, else whether an editor is
    // found.
    bool HandlesTarget(TObject* Target) override;
    void ExecuteTarget(TObject* Target) override;

    TSynTextExecuteEvent OnExecute;
    TSynTextUpdateEvent OnUpdate;
};

// Actions that change the text: disabled on a read-only editor.
class TSynChangeAction : public TSynCustomAction {
public:
    using TSynCustomAction::TSynCustomAction;
    bool HandlesTarget(TObject* Target) override;
    bool TakesKeysOnlyInTheEditor() const override { return true; }
};

// Actions that change the selected text: they also want a selection.
class TSynChangeSelectAction : public TSynCustomAction {
public:
    using TSynCustomAction::TSynCustomAction;
    bool HandlesTarget(TObject* Target) override;
    bool TakesKeysOnlyInTheEditor() const override { return true; }
};

// A leaf that runs one editor command (no character, no data, past the
// editor's command hooks) under its base's enable rule.
template <typename Base, TSynTextEditorCommand Command>
class TSynCommandAction : public Base {
public:
    using Base::Base;
    void ExecuteTarget(TObject* Target) override
    {
        if (this->FindTarget(Target))
            RunCommand(this->TargetEditor(), Command);
    }
};

// Editor->ExecuteCommand(Command, no character, no data).
void RunCommand(TCustomSynTextEditor* Editor, TSynTextEditorCommand Command);

// A plain action for the host's commands, run by its ordinary events: it
// takes targets only while no OnUpdate decides for it.
class TSynAction : public TAction {
public:
    using TAction::TAction;
    bool HandlesTarget(TObject* Target) override;
};
