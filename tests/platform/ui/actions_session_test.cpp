// Randomized sessions over actions and their clients with fixed seeds:
// actions and clients made, freed and relinked, properties changed and
// actions run in any order. After every step each client shows the state of
// the action it follows, a radio group has at most one checked action, and
// an action ran exactly when it was enabled.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "form_test_support.h"
#include "platform/ui/kernel/action_list.h"
#include "platform/ui/widgets/button.h"
#include "platform/ui/widgets/check_box.h"
#include "platform/ui/kernel/menus.h"

namespace {

// Our own generator, the same everywhere.
class TActionsRandom {
public:
    explicit TActionsRandom(uint32_t Seed) : state_(Seed) {}
    int Below(int N)
    {
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<int>((state_ >> 8) % static_cast<uint32_t>(N));
    }

private:
    uint32_t state_;
};

const char* const kCaptions[] = {"&Save", "說門", "這乗&x", "中中", "-", ""};

struct TClient {
    TControl* Control = nullptr;  // a button or a check box, or
    TMenuItem* Item = nullptr;    // a menu item
    TAction* Action = nullptr;    // what it was linked to; nullptr once freed
};

class TActionSession {
public:
    explicit TActionSession(uint32_t Seed) : random_(Seed), form_(new TForm(nullptr))
    {
        form_->SetBounds(20, 20, 300, 200);
        list_ = new TActionList(form_);
        menu_ = new TPopupMenu(form_);
    }
    ~TActionSession() { delete form_; }

    void Step()
    {
        switch (random_.Below(9)) {
        case 0:
            NewAction();
            break;
        case 1:
            if (!actions_.empty())
                FreeAction(actions_[size_t(random_.Below(int(actions_.size())))]);
            break;
        case 2:
            NewClient();
            break;
        case 3:
            if (!clients_.empty())
                FreeClient(size_t(random_.Below(int(clients_.size()))));
            break;
        case 4:
            if (!clients_.empty())
                Relink(clients_[size_t(random_.Below(int(clients_.size())))]);
            break;
        case 5:
        case 6:
            if (!actions_.empty())
                Change(actions_[size_t(random_.Below(int(actions_.size())))]);
            break;
        default:
            if (!actions_.empty())
                Run(actions_[size_t(random_.Below(int(actions_.size())))]);
            break;
        }
    }

    // Every invariant; answers the first one broken, or "".
    std::string Check() const
    {
        for (const TClient& client : clients_) {
            TBasicAction* linked = client.Control ? client.Control->Action() : client.Item->Action();
            if (linked != client.Action)
                return "a client's action";
            if (!client.Action)
                continue;
            const TAction* a = client.Action;
            if (client.Item) {
                const TMenuItem* i = client.Item;
                if (i->Caption() != a->Caption() || i->Enabled() != a->Enabled() || i->Checked() != a->Checked() ||
                    i->Visible() != a->Visible() || i->Hint() != a->Hint() || i->ShortCut() != a->ShortCut())
                    return "a menu item's state";
            } else {
                TControl* c = client.Control;
                if (c->Caption() != a->Caption() || c->Enabled() != a->Enabled() || c->Visible() != a->Visible() ||
                    c->Hint != a->Hint())
                    return "a control's state";
                if (auto* box = dynamic_cast<TCheckBox*>(c); box && box->Checked() != a->Checked())
                    return "a check box's check";
            }
        }
        std::map<int, int> checkedInGroup;
        for (const TAction* a : actions_)
            if (a->GroupIndex() > 0 && a->Checked() && ++checkedInGroup[a->GroupIndex()] > 1)
                return "two checked in a group";
        if (runs_ != expectedRuns_)
            return "runs";
        return "";
    }

private:
    void NewAction()
    {
        auto* action = new TAction(form_);
        action->SetActionList(list_);
        action->SetGroupIndex(random_.Below(3));
        action->SetAutoCheck(random_.Below(2) == 0);
        action->SetCaption(kCaptions[random_.Below(6)]);
        action->SetOnExecute(TNotifyEvent::FromCallable([this](TObject*) { ++runs_; }));
        // Updates leave the state as the session set it.
        action->OnUpdate = TNotifyEvent::FromCallable([](TObject*) {});
        actions_.push_back(action);
    }

    void FreeAction(TAction* Action)
    {
        for (TClient& client : clients_)
            if (client.Action == Action)
                client.Action = nullptr;
        actions_.erase(std::find(actions_.begin(), actions_.end(), Action));
        delete Action;
    }

    TAction* AnyAction()
    {
        int pick = random_.Below(int(actions_.size()) + 1);
        return pick < int(actions_.size()) ? actions_[size_t(pick)] : nullptr;
    }

    void NewClient()
    {
        TClient client;
        switch (random_.Below(3)) {
        case 0: {
            auto* button = new TButton(form_);
            button->SetParent(form_);
            client.Control = button;
            break;
        }
        case 1: {
            auto* box = new TCheckBox(form_);
            box->SetParent(form_);
            client.Control = box;
            break;
        }
        default:
            client.Item = new TMenuItem(form_);
            menu_->Items()->Add(client.Item);
            break;
        }
        clients_.push_back(client);
        Relink(clients_.back());
    }

    void FreeClient(size_t Index)
    {
        TClient client = clients_[Index];
        clients_.erase(clients_.begin() + long(Index));
        if (client.Control)
            delete client.Control;
        else
            delete client.Item;
    }

    void Relink(TClient& Client)
    {
        Client.Action = AnyAction();
        if (Client.Control)
            Client.Control->SetAction(Client.Action);
        else
            Client.Item->SetAction(Client.Action);
    }

    void Change(TAction* Action)
    {
        switch (random_.Below(6)) {
        case 0:
            Action->SetCaption(kCaptions[random_.Below(6)]);
            break;
        case 1:
            Action->SetEnabled(!Action->Enabled());
            break;
        case 2:
            Action->SetChecked(!Action->Checked());
            break;
        case 3:
            Action->SetVisible(!Action->Visible());
            break;
        case 4:
            Action->SetHint(random_.Below(2) ? "保存|保存文章到文件" : "");
            break;
        default:
            Action->SetGroupIndex(random_.Below(3));
            break;
        }
    }

    void Run(TAction* Action)
    {
        bool enabled = Action->Enabled();
        // Through a menu item following it when there is one.
        auto client = std::find_if(clients_.begin(), clients_.end(),
                                   [Action](const TClient& C) { return C.Action == Action && C.Item; });
        bool ran = false;
        int before = runs_;
        if (client != clients_.end()) {
            client->Item->Click();
            ran = runs_ > before;
        } else {
            ran = Action->Execute();
        }
        if (enabled)
            ++expectedRuns_;
        if (ran != enabled)
            expectedRuns_ = -1;
    }

    TActionsRandom random_;
    TForm* form_;
    TActionList* list_;
    TPopupMenu* menu_;
    std::vector<TAction*> actions_;  // alive, in the list
    std::vector<TClient> clients_;   // alive
    int runs_ = 0;
    int expectedRuns_ = 0;
};

class TActionSessionTest : public TFormTest {};

TEST_F(TActionSessionTest, ClientsFollowTheirActionsThroughRandomSessions)
{
    for (uint32_t seed : {1u, 7u, 42u, 1234u, 99991u}) {
        TActionSession session(seed);
        for (int step = 0; step < 400; ++step) {
            session.Step();
            std::string broken = session.Check();
            ASSERT_EQ(broken, "") << "seed " << seed << " step " << step;
        }
    }
}

}  // namespace
