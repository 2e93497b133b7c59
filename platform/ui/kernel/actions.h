// Actions: commands with a caption, a state and a shortcut that any number
// of clients (controls, menu items) follow through their action links, and
// that run the same way from every one of them.
//
// Executing asks, in turn, the action list's OnExecute, the application's
// OnActionExecute and the action's own OnExecute; when none of them takes
// it, the focused control, the active form and the main form are
// offered the action as its target (HandlesTarget, then ExecuteTarget).
// Updating, done while the program is idle for the actions of the shown
// clients, walks the same way with the OnUpdate events and UpdateTarget.
#pragma once

#include <memory>
#include <vector>

#include "platform/base/component.h"
#include "platform/base/event.h"
#include "platform/ui/kernel/short_cut_list.h"

class TBasicAction;
class TCustomActionList;

// Handled set true stops the walk.
using TActionEvent = TEvent<void(TBasicAction* Action, bool& Handled)>;

// What ties one client to one action. The client owns its link; the action
// lists its links and tells each of them when anything of it changes.
class TBasicActionLink {
public:
    TBasicActionLink() = default;
    TBasicActionLink(const TBasicActionLink&) = delete;
    TBasicActionLink& operator=(const TBasicActionLink&) = delete;
    // Leaves the action's list of clients.
    virtual ~TBasicActionLink();

    // nullptr once the action is freed.
    TBasicAction* Action() const { return action_; }
    // Joins Value's clients and brings the client in line with it.
    void SetAction(TBasicAction* Value);
    // Runs the action with AComponent as its ActionComponent; false when
    // nothing ran it. The client (and this link) may be gone on return.
    virtual bool Execute(TComponent* AComponent);
    // Brings the action up to date (its OnUpdate and targets).
    virtual bool Update();
    // Whether a client's OnClick is the action's own handler, which then
    // runs through Execute rather than on its own.
    bool IsOnExecuteLinked(const TNotifyEvent& OnClick) const;

protected:
    // The action changed, or was just linked: the client takes its caption,
    // state and the rest.
    virtual void Change() = 0;

private:
    friend class TBasicAction;

    TBasicAction* action_ = nullptr;  // lists this link among its clients_ while set
};

class TBasicAction : public TComponent {
public:
    explicit TBasicAction(TComponent* AOwner);
    // The clients' links lose their action.
    ~TBasicAction() override;

    // Whether Target is something this action works on; the base works on
    // nothing.
    virtual bool HandlesTarget(TObject* Target);
    // Sets the action's state from Target (for instance Enabled).
    virtual void UpdateTarget(TObject* Target);
    virtual void ExecuteTarget(TObject* Target);
    // OnExecute; false when it is not assigned.
    virtual bool Execute();
    // OnUpdate; false when it is not assigned.
    virtual bool Update();

    // The client whose click or key is running the action, during Execute.
    TComponent* ActionComponent() const { return actionComponent_; }
    void SetActionComponent(TComponent* Value);

    const TNotifyEvent& OnExecute() const { return onExecute_; }
    void SetOnExecute(const TNotifyEvent& Value);
    TNotifyEvent OnUpdate;
    // Fires when a property the clients show changes.
    TNotifyEvent OnChange;

    // Reports whether the action it was taken from still exists: running
    // an action may free it.
    class TAlive {
    public:
        explicit TAlive(const TBasicAction* Action) : flag_(Action->alive_) {}
        explicit operator bool() const { return *flag_; }

    private:
        std::shared_ptr<const bool> flag_;
    };

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    // OnChange, then every client takes the new state.
    virtual void Change();

private:
    friend class TBasicActionLink;

    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);  // false once destroyed
    std::vector<TBasicActionLink*> clients_;  // each one's action_ is this
    unsigned clientsChanges_ = 0;             // counts the additions to and removals from clients_
    TComponent* actionComponent_ = nullptr;   // free-notified
    TNotifyEvent onExecute_;
};

// An action that belongs to an action list, which sees its execution and
// updates first.
class TContainedAction : public TBasicAction {
public:
    explicit TContainedAction(TComponent* AOwner);
    // Leaves its list.
    ~TContainedAction() override;

    TCustomActionList* ActionList() const { return actionList_; }
    void SetActionList(TCustomActionList* Value);

    // The list's OnExecute, the application's OnActionExecute, OnExecute,
    // then the targets; false when nothing took it.
    bool Execute() override;
    // The same walk with the update events and UpdateTarget.
    bool Update() override;

private:
    friend class TCustomActionList;

    TCustomActionList* actionList_ = nullptr;  // lists this action while set
};

// How an action's help is looked up: by HelpKeyword or by HelpContext.
enum THelpType { htKeyword, htContext };

// Asked before a control of the action shows its hint: may change the
// text, or say false in CanShow to show none.
using TActionHintEvent = TEvent<void(AnsiString& HintStr, bool& CanShow)>;

// An action with what menus and buttons show: a caption, enabled, checked
// and visible states, a hint ("short|long"), an image and shortcuts.
class TCustomAction : public TContainedAction {
public:
    explicit TCustomAction(TComponent* AOwner);
    ~TCustomAction() override;

    const AnsiString& Caption() const { return caption_; }
    void SetCaption(const AnsiString& Value);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool Value);
    // Checking an action of a GroupIndex above 0 unchecks the others of its
    // list with the same GroupIndex.
    bool Checked() const { return checked_; }
    void SetChecked(bool Value);
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int Value);
    // Executing toggles Checked; in a group it only checks.
    bool AutoCheck() const { return autoCheck_; }
    void SetAutoCheck(bool Value);
    bool Visible() const { return visible_; }
    void SetVisible(bool Value);
    // The short part before '|' is the tooltip, the long part after it the
    // status text.
    const AnsiString& Hint() const { return hint_; }
    void SetHint(const AnsiString& Value);
    // Into the action list's Images; -1 for none.
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int Value);
    TShortCut ShortCut() const { return shortCut_; }
    void SetShortCut(TShortCut Value);
    // More keys that run the action; the clients show only ShortCut.
    TShortCutList* SecondaryShortCuts() { return &secondaryShortCuts_; }
    // Whether Value is ShortCut or one of the secondary shortcuts.
    bool HasShortCut(TShortCut Value) const;
    // When no handler and no target takes an update, the action is
    // disabled unless an OnExecute (its own, its list's or the
    // application's) would take its execution.
    bool DisableIfNoHandler = true;
    // Where the action's help is; kept for whoever shows help, the action
    // itself reads none of them.
    int HelpContext = 0;
    AnsiString HelpKeyword;
    THelpType HelpType = htKeyword;
    TActionHintEvent OnHint;
    // A client's hint HintStr is about to show: OnHint may change it;
    // answers whether it shows.
    virtual bool DoHint(AnsiString& HintStr);

    // Updates, then (when enabled) checks by AutoCheck and executes.
    bool Execute() override;
    // Updating with nobody to take it may disable the action
    // (DisableIfNoHandler).
    bool Update() override;
    // The key of a shortcut runs the action: Execute.
    virtual bool HandleShortCut() { return Execute(); }

private:
    AnsiString caption_;
    AnsiString hint_;
    bool enabled_ = true;
    bool checked_ = false;
    bool autoCheck_ = false;
    bool visible_ = true;
    int groupIndex_ = 0;
    int imageIndex_ = -1;
    TShortCut shortCut_ = scNone;
    TShortCutList secondaryShortCuts_;
};

class TAction : public TCustomAction {
public:
    using TCustomAction::TCustomAction;
};

// Offers Action to the focused control, the active form and the main form
// in turn: ExecuteAction (Execute true) or UpdateAction. Answers whether
// one of them took it.
bool DispatchActionToTargets(TBasicAction* Action, bool Execute);
