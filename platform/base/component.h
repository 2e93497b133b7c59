// TComponent: objects that own one another and hear when their partners go.
//
// A component is created with `new`, given its owner, and freed either by
// `delete` or by its owner, which frees everything it owns when it goes.
// Whoever frees a component, its owner's list and its free-notification
// partners are updated, so references held elsewhere can be cleared in
// Notification.
//
// C++ destroys the most derived part first, and a virtual call made from a
// base destructor reaches only that base. Two consequences:
// - `delete` runs BeforeDestruction (and so marks the whole tree csDestroying)
//   before any destructor, while every override is still in place.
// - The owned components are freed by ~TComponent, after the derived part of
//   the owner is gone, so the owner's own Notification override does not hear
//   of them (its owned components' overrides still do). A class whose
//   Notification must hear of its owned components going calls
//   DestroyComponents at the start of its own destructor. Likewise the
//   opRemove that partners receive for a component being destroyed carries a
//   pointer fit for comparison only.
#pragma once

#include <cstdint>
#include <new>
#include <string>
#include <vector>

#include "platform/base/object.h"
#include "platform/base/set.h"

enum TOperation { opInsert, opRemove };

enum TComponentState {
    csLoading,
    csReading,
    csWriting,
    csDestroying,
    csDesigning,
    csAncestor,
    csUpdating,
    csFixups,
    csFreeNotification,
    csInline,
    csDesignInstance,
};
using TComponentStates = TSet<TComponentState>;

class TComponent : public TPersistent {
public:
    // Inserts the new component into AOwner's list (when given). AOwner's
    // Notification hears opInsert while this component is still being built.
    explicit TComponent(TComponent* AOwner);
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;
    // Marks csDestroying, tells the free-notification partners (opRemove),
    // frees the owned components (last first) and leaves the owner, whose
    // Notification hears opRemove.
    ~TComponent() override;

    // `delete` calls BeforeDestruction on the whole object before destroying
    // it. BeforeDestruction must not throw.
    void operator delete(TComponent* Instance, std::destroying_delete_t)
    {
        Instance->BeforeDestruction();
        void* block = dynamic_cast<void*>(Instance);
        Instance->~TComponent();
        ::operator delete(block);
    }

    TComponent* Owner() const { return owner_; }
    TComponent* Components(int Index) const;
    int ComponentCount() const { return static_cast<int>(components_.size()); }
    // The index in the owner's list; -1 without an owner.
    int ComponentIndex() const;

    const AnsiString& Name() const { return name_; }
    // Empty or an identifier, unique among the owner's components (without
    // regard to case); otherwise EComponentError and the name stays.
    virtual void SetName(const AnsiString& NewName);

    TComponentStates ComponentState() const { return componentState_; }

    // Takes AComponent over from its previous owner (if any), after checking
    // that its name is free here.
    void InsertComponent(TComponent* AComponent);
    // Lets go of AComponent without freeing it; Notification hears opRemove.
    void RemoveComponent(TComponent* AComponent);
    // The owned component with that name, ignoring case; nullptr when none.
    TComponent* FindComponent(const AnsiString& AName) const;
    // Frees every owned component, last first.
    void DestroyComponents();
    // Marks this component and everything it owns csDestroying.
    void Destroying();

    // Asks for AComponent to be told (Notification, opRemove) when this one
    // goes, and the other way round. Components of the same owner hear of
    // each other through the owner and are not linked.
    void FreeNotification(TComponent* AComponent);
    void RemoveFreeNotification(TComponent* AComponent);

    virtual void BeforeDestruction();
    // Stream reading marks a component csLoading and calls Loaded when all of
    // it has been read; Loaded clears csLoading.
    void BeginLoading() { componentState_.Include(csLoading); }
    virtual void Loaded();
    // Sets or clears csDesigning here and, when SetChildren, in every owned
    // component. Components inserted later take the owner's state.
    void SetDesigning(bool Value, bool SetChildren = true);

    intptr_t Tag = 0;

protected:
    // Hears that AComponent was inserted into or removed from this one's
    // owner tree, or is going away while linked by FreeNotification. The
    // base drops the free notification of a removed component and passes the
    // news on to every owned component.
    virtual void Notification(TComponent* AComponent, TOperation Operation);
    TPersistent* GetOwner() override { return owner_; }

private:
    // A pass of Notification over components_, newest first. Next is the
    // index of the next component to tell; removals below it move it down.
    struct TBroadcast {
        int Next;
        bool OwnerGone;  // the component running the pass was destroyed
        TBroadcast* Outer;
    };

    void CheckRename(TComponent* AComponent, const AnsiString& CurName, const AnsiString& NewName) const;
    void RemoveFromList(TComponent* AComponent);
    void UnlinkFreeNotification(TComponent* AComponent);
    void RemoveFreeNotifications();

    TComponent* owner_ = nullptr;
    AnsiString name_;
    TComponentStates componentState_;
    std::vector<TComponent*> components_;  // owned: each one's owner_ is this
    std::vector<TComponent*> freeNotifies_;  // partners: each one lists this one too
    TBroadcast* broadcasts_ = nullptr;  // passes of Notification in progress, innermost first
};
