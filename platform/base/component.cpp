#include "platform/base/component.h"

#include <algorithm>
#include <memory>

#include "platform/base/code_page.h"
#include "platform/base/exceptions.h"
#include "platform/base/list.h"
#include "platform/base/strings.h"
#include "platform/base/sys_utils.h"

TComponent::TComponent(TComponent* AOwner)
{
    if (AOwner)
        AOwner->InsertComponent(this);
}

TComponent::~TComponent()
{
    Destroying();
    RemoveFreeNotifications();
    DestroyComponents();
    if (owner_)
        owner_->RemoveComponent(this);
    for (TBroadcast* b = broadcasts_; b; b = b->Outer)
        b->OwnerGone = true;
}

TComponent* TComponent::Components(int Index) const
{
    if (Index < 0 || Index >= ComponentCount())
        TList::Error(SListIndexError, Index);
    return components_[Index];
}

int TComponent::ComponentIndex() const
{
    if (!owner_)
        return -1;
    const auto& list = owner_->components_;
    return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TComponent::SetName(const AnsiString& NewName)
{
    if (name_ == NewName)
        return;
    if (!NewName.empty() && !IsValidIdent(NewName))
        throw EComponentError("Component name \"" + NewName + "\" is not a valid identifier");
    if (owner_)
        owner_->CheckRename(this, name_, NewName);
    name_ = NewName;
}

void TComponent::CheckRename(TComponent* AComponent, const AnsiString& CurName, const AnsiString& NewName) const
{
    // A change of case alone keeps the name unique.
    if (SameText(CurName, NewName))
        return;
    TComponent* found = FindComponent(NewName);
    if (found && found != AComponent)
        throw EComponentError("A component named " + NewName + " already exists");
}

TComponent* TComponent::FindComponent(const AnsiString& AName) const
{
    if (AName.empty())
        return nullptr;
    for (TComponent* c : components_)
        if (SameText(c->name_, AName))
            return c;
    return nullptr;
}

void TComponent::InsertComponent(TComponent* AComponent)
{
    if (!AComponent || AComponent->owner_ == this)
        return;
    CheckRename(AComponent, AnsiString(), AComponent->name_);
    if (AComponent->owner_)
        AComponent->owner_->RemoveComponent(AComponent);
    components_.push_back(AComponent);
    AComponent->owner_ = this;
    if (componentState_.Contains(csDesigning))
        AComponent->SetDesigning(true);
    Notification(AComponent, opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent)
{
    if (!AComponent || AComponent->owner_ != this)
        return;
    Notification(AComponent, opRemove);
    RemoveFromList(AComponent);
}

void TComponent::RemoveFromList(TComponent* AComponent)
{
    auto it = std::find(components_.begin(), components_.end(), AComponent);
    if (it == components_.end())
        return;
    int index = static_cast<int>(it - components_.begin());
    components_.erase(it);
    AComponent->owner_ = nullptr;
    for (TBroadcast* b = broadcasts_; b; b = b->Outer)
        if (index <= b->Next)
            --b->Next;
}

void TComponent::DestroyComponents()
{
    while (!components_.empty()) {
        TComponent* instance = components_.back();
        // Only a component somebody asked to hear about needs the news; the
        // rest leave quietly.
        if (instance->componentState_.Contains(csFreeNotification))
            RemoveComponent(instance);
        else
            RemoveFromList(instance);
        delete instance;
    }
}

void TComponent::Destroying()
{
    if (componentState_.Contains(csDestroying))
        return;
    componentState_.Include(csDestroying);
    for (TComponent* c : components_)
        c->Destroying();
}

void TComponent::BeforeDestruction()
{
    Destroying();
}

void TComponent::Loaded()
{
    componentState_.Exclude(csLoading);
}

void TComponent::SetDesigning(bool Value, bool SetChildren)
{
    if (Value)
        componentState_.Include(csDesigning);
    else
        componentState_.Exclude(csDesigning);
    if (SetChildren)
        for (TComponent* c : components_)
            c->SetDesigning(Value);
}

void TComponent::FreeNotification(TComponent* AComponent)
{
    if (AComponent && AComponent != this && (!owner_ || AComponent->owner_ != owner_) &&
        std::find(freeNotifies_.begin(), freeNotifies_.end(), AComponent) == freeNotifies_.end()) {
        freeNotifies_.push_back(AComponent);
        AComponent->FreeNotification(this);
    }
    componentState_.Include(csFreeNotification);
}

void TComponent::RemoveFreeNotification(TComponent* AComponent)
{
    if (!AComponent)
        return;
    UnlinkFreeNotification(AComponent);
    AComponent->UnlinkFreeNotification(this);
}

void TComponent::UnlinkFreeNotification(TComponent* AComponent)
{
    std::erase(freeNotifies_, AComponent);
}

void TComponent::RemoveFreeNotifications()
{
    // Each partner is unlinked before it hears, so one whose Notification
    // does not call the base cannot keep this loop going.
    while (!freeNotifies_.empty()) {
        TComponent* partner = freeNotifies_.back();
        freeNotifies_.pop_back();
        partner->UnlinkFreeNotification(this);
        partner->Notification(this, opRemove);
    }
}

void TComponent::Notification(TComponent* AComponent, TOperation Operation)
{
    if (Operation == opRemove && AComponent)
        RemoveFreeNotification(AComponent);

    if (components_.empty())
        return;
    // A component told here may free others, or even this one; the pass
    // follows the list as it changes and stops if this component goes. It
    // lives on the heap so that no member ever points into a stack frame.
    auto pass = std::make_unique<TBroadcast>(TBroadcast{ComponentCount() - 1, false, broadcasts_});
    broadcasts_ = pass.get();
    try {
        while (pass->Next >= 0) {
            components_[pass->Next--]->Notification(AComponent, Operation);
            if (pass->OwnerGone)
                return;
        }
    } catch (...) {
        if (!pass->OwnerGone)
            broadcasts_ = pass->Outer;
        throw;
    }
    broadcasts_ = pass->Outer;
}
