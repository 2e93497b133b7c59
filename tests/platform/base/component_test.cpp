#include "platform/base/component.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/base/exceptions.h"

namespace {

using Log = std::vector<std::string>;

// Logs what it hears and when it goes. Names identify components even while
// they are being destroyed, when only their TComponent part is left.
class TProbe : public TComponent {
public:
    TProbe(TComponent* AOwner, const char* AName, Log& ALog) : TComponent(AOwner), log(ALog)
    {
        SetName(AName);
    }
    ~TProbe() override { log.push_back("~" + Name()); }

    Log& log;
    // Runs after the probe has logged what it heard.
    std::function<void(TComponent*, TOperation)> onHear;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override
    {
        log.push_back(Name() + (Operation == opInsert ? " +" : " -") + AComponent->Name());
        if (onHear) {
            // The handler may free this probe; take it off first.
            auto hear = std::move(onHear);
            onHear = nullptr;
            hear(AComponent, Operation);
            return;
        }
        TComponent::Notification(AComponent, Operation);
    }
};

std::string ComponentErrorOf(std::function<void()> action)
{
    try {
        action();
    } catch (const EComponentError& e) {
        return e.Message();
    }
    return "no error";
}

}  // namespace

TEST(Component, OwnersFreeWhatTheyOwn)
{
    Log log;
    auto* root = new TProbe(nullptr, "Root", log);
    auto* a = new TProbe(root, "A", log);
    auto* b = new TProbe(root, "B", log);
    auto* a1 = new TProbe(a, "A1", log);
    new TComponent(a1);
    EXPECT_EQ(root->ComponentCount(), 2);
    EXPECT_EQ(root->Components(1), b);
    EXPECT_EQ(b->ComponentIndex(), 1);
    EXPECT_EQ(root->ComponentIndex(), -1);
    EXPECT_EQ(a1->Owner(), a);
    EXPECT_THROW(root->Components(2), EListError);

    log.clear();
    delete b;  // unlinks itself from its owner
    EXPECT_EQ(log, (Log{"~B", "Root -B", "A -B", "A1 -B"}));
    EXPECT_EQ(root->ComponentCount(), 1);

    root->InsertComponent(a1);  // moves it over from A
    EXPECT_EQ(a->ComponentCount(), 0);
    EXPECT_EQ(a1->Owner(), root);
    EXPECT_EQ(a1->ComponentIndex(), 1);

    log.clear();
    delete root;  // owned components go last first
    EXPECT_EQ(log, (Log{"~Root", "~A1", "~A"}));
}

TEST(Component, NamesAreIdentifiersUniqueAmongSiblings)
{
    Log log;
    TProbe owner(nullptr, "Owner", log);
    auto* button = new TProbe(&owner, "Button1", log);
    auto* edit = new TProbe(&owner, "", log);
    EXPECT_EQ(owner.FindComponent("bUTTON1"), button);
    EXPECT_EQ(owner.FindComponent(""), nullptr);

    EXPECT_EQ(ComponentErrorOf([&] { edit->SetName("1st"); }), "Component name \"1st\" is not a valid identifier");
    EXPECT_EQ(ComponentErrorOf([&] { edit->SetName("a b"); }), "Component name \"a b\" is not a valid identifier");
    EXPECT_EQ(ComponentErrorOf([&] { edit->SetName("說"); }), "Component name \"說\" is not a valid identifier");
    EXPECT_EQ(ComponentErrorOf([&] { edit->SetName("BUTTON1"); }), "A component named BUTTON1 already exists");
    EXPECT_EQ(edit->Name(), "");
    edit->SetName("_Edit2");
    button->SetName("BUTTON1");  // a change of case alone
    EXPECT_EQ(button->Name(), "BUTTON1");

    // Outside any owner names may repeat, but not when joining one.
    TProbe stray(nullptr, "Button1", log);
    EXPECT_EQ(ComponentErrorOf([&] { owner.InsertComponent(&stray); }), "A component named Button1 already exists");
    EXPECT_EQ(stray.Owner(), nullptr);
    EXPECT_EQ(owner.ComponentCount(), 2);
}

TEST(Component, NotificationsReachTheOwnerTreeAndPartners)
{
    Log log;
    auto* owner = new TProbe(nullptr, "O", log);
    auto* a = new TProbe(owner, "A", log);
    new TProbe(a, "A1", log);
    auto* b = new TProbe(owner, "B", log);
    auto* c = new TProbe(nullptr, "C", log);
    log.clear();
    owner->InsertComponent(c);  // the owner first, then its components newest first
    EXPECT_EQ(log, (Log{"O +C", "C +C", "B +C", "A +C", "A1 +C"}));

    // Partners outside the owner tree are linked both ways.
    auto* x = new TProbe(nullptr, "X", log);
    auto* y = new TProbe(nullptr, "Y", log);
    x->FreeNotification(a);
    b->FreeNotification(y);
    EXPECT_TRUE(x->ComponentState().Contains(csFreeNotification));
    log.clear();
    delete x;
    EXPECT_EQ(log, (Log{"~X", "A -X", "A1 -X"}));
    log.clear();
    delete b;
    EXPECT_EQ(log, (Log{"~B", "Y -B", "O -B", "C -B", "A -B", "A1 -B"}));

    // Unlinked partners hear nothing.
    auto* z = new TProbe(nullptr, "Z", log);
    z->FreeNotification(y);
    y->RemoveFreeNotification(z);
    log.clear();
    delete y;
    delete z;
    EXPECT_EQ(log, (Log{"~Y", "~Z"}));

    // Siblings hear of each other through the owner, even while it frees
    // them; the others (such as A1) go quietly.
    c->FreeNotification(a);
    log.clear();
    delete owner;
    EXPECT_EQ(log, (Log{"~O", "C -C", "A -C", "A1 -C", "~C", "A -A", "A1 -A", "~A", "~A1"}));
}

TEST(Component, FreeingComponentsInsideNotificationIsSafe)
{
    Log log;
    auto* owner = new TProbe(nullptr, "O", log);
    new TProbe(owner, "A", log);
    auto* victim = new TProbe(owner, "V", log);
    auto* killer = new TProbe(owner, "K", log);
    new TProbe(owner, "W", log);
    auto* target = new TProbe(owner, "T", log);
    killer->onHear = [victim](TComponent*, TOperation) { delete victim; };
    log.clear();
    delete target;
    // Everyone still there hears of T once; V, freed midway, does not.
    EXPECT_EQ(log, (Log{"~T", "O -T", "W -T", "K -T", "~V", "O -V", "W -V", "K -V", "A -V", "A -T"}));
    EXPECT_EQ(owner->ComponentCount(), 3);

    // A component may leave its owner and free it while the owner is telling
    // its components about a partner that went.
    auto* partner = new TProbe(nullptr, "P", log);
    owner->FreeNotification(partner);
    killer->onHear = [killer](TComponent*, TOperation) {
        TComponent* former = killer->Owner();
        former->RemoveComponent(killer);
        delete former;
    };
    log.clear();
    delete partner;
    EXPECT_EQ(log, (Log{"~P", "O -P", "W -P", "K -P", "O -K", "W -K", "K -K", "A -K", "~O", "~W", "~A"}));
    EXPECT_EQ(killer->Owner(), nullptr);
    delete killer;
}

namespace {

// Logs, while it is still whole, what BeforeDestruction sees.
class TSaver : public TProbe {
public:
    using TProbe::TProbe;
    virtual std::string Kind() const { return "saver"; }

    void BeforeDestruction() override
    {
        TProbe::BeforeDestruction();
        bool childMarked = ComponentCount() > 0 && Components(0)->ComponentState().Contains(csDestroying);
        log.push_back("before " + Name() + " " + Kind() + (childMarked ? " child marked" : ""));
    }
};

// Frees its components while its own Notification can still hear.
class TEarlyOwner : public TProbe {
public:
    using TProbe::TProbe;
    ~TEarlyOwner() override { DestroyComponents(); }
};

}  // namespace

TEST(Component, DestructionHooksAndStates)
{
    Log log;
    auto* root = new TSaver(nullptr, "Root", log);
    new TSaver(root, "Child", log);
    log.clear();
    delete root;
    EXPECT_EQ(log, (Log{"before Root saver child marked", "~Root", "before Child saver", "~Child"}));

    auto* early = new TEarlyOwner(nullptr, "E", log);
    auto* watched = new TProbe(early, "Watched", log);
    watched->FreeNotification(early);
    new TProbe(early, "Quiet", log);
    log.clear();
    delete early;
    EXPECT_EQ(log, (Log{"~Quiet", "E -Watched", "Watched -Watched", "~Watched", "~E"}));

    TComponent form(nullptr);
    form.SetDesigning(true);
    auto* button = new TComponent(&form);
    EXPECT_TRUE(button->ComponentState().Contains(csDesigning));
    form.SetDesigning(false, false);
    EXPECT_TRUE(button->ComponentState().Contains(csDesigning));
    form.SetDesigning(false);
    EXPECT_TRUE(button->ComponentState().Empty());

    form.BeginLoading();
    EXPECT_EQ(form.ComponentState(), TComponentStates{csLoading});
    form.Loaded();
    EXPECT_TRUE(form.ComponentState().Empty());
    form.Tag = -1;
    EXPECT_EQ(form.Tag, -1);
}
