#include "editor/document/syn_method_chain.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Listener {
    std::vector<std::string>* log;
    std::string name;
    void Heard(TObject*) { log->push_back(name); }
    TNotifyEvent Event() { return TNotifyEvent(this, &Listener::Heard); }
};

template <typename Action>
TNotifyEvent Handler(Action action)
{
    return TNotifyEvent::FromCallable([action](TObject* Sender) { action(Sender); });
}

TEST(SynMethodChain, AddsRemovesByIdentityAndFiresInOrder)
{
    TObject sender;
    TSynNotifyEventChain chain(&sender);
    std::vector<std::string> log;
    Listener a{&log, "a"}, b{&log, "b"};
    TObject* seen = nullptr;
    chain.Add(a.Event());
    chain.Add(b.Event());
    chain.Add(a.Event());
    chain.Add(Handler([&](TObject* s) { seen = s; }));
    chain.Fire();
    EXPECT_EQ(log, (std::vector<std::string>{"a", "b", "a"}));
    EXPECT_EQ(seen, &sender);

    // Equal means same object and same code: a second listener's handler
    // stays, and every copy of the removed one goes.
    Listener a2{&log, "a2"};
    chain.Add(a2.Event());
    chain.Remove(a.Event());
    EXPECT_EQ(chain.Count(), 3);
    log.clear();
    chain.Fire();
    EXPECT_EQ(log, (std::vector<std::string>{"b", "a2"}));
}

TEST(SynMethodChain, EmptyHandlersRaiseWithTheClassName)
{
    TSynNotifyEventChain chain(nullptr);
    try {
        chain.Add(nullptr);
        FAIL();
    } catch (const ESynMethodChain& e) {
        EXPECT_EQ(e.Message(), "TSynNotifyEventChain.Entry : the parameter `AEvent' must be specified.");
    }
    try {
        chain.Remove(nullptr);
        FAIL();
    } catch (const ESynMethodChain& e) {
        EXPECT_EQ(e.Message(), "TSynNotifyEventChain.Remove: the parameter `AEvent' must be specified.");
    }
}

TEST(SynMethodChain, HandlersMayChangeTheChainWhileItFires)
{
    TSynNotifyEventChain chain(nullptr);
    std::vector<std::string> log;
    Listener a{&log, "a"}, b{&log, "b"}, c{&log, "c"}, d{&log, "d"};
    TNotifyEvent self;
    // The first removes itself and the third; the second still runs, the
    // third doesn't, and one added on the way runs at the end.
    self = Handler([&](TObject*) {
        log.push_back("self");
        chain.Remove(self);
        chain.Remove(b.Event());
        chain.Add(d.Event());
    });
    chain.Add(self);
    chain.Add(a.Event());
    chain.Add(b.Event());
    chain.Add(c.Event());
    chain.Fire();
    EXPECT_EQ(log, (std::vector<std::string>{"self", "a", "c", "d"}));
    log.clear();
    chain.Fire();
    EXPECT_EQ(log, (std::vector<std::string>{"a", "c", "d"}));
}

TEST(SynMethodChain, ExceptionsGoToOnExceptionOrToTheCaller)
{
    TSynNotifyEventChain chain(nullptr);
    std::vector<std::string> log;
    Listener a{&log, "a"}, b{&log, "b"};
    chain.Add(a.Event());
    chain.Add(Handler([](TObject*) { throw EConvertError("bad"); }));
    chain.Add(b.Event());

    EXPECT_THROW(chain.Fire(), EConvertError);
    EXPECT_EQ(log, (std::vector<std::string>{"a"}));

    std::vector<std::string> errors;
    bool goOn = true;
    chain.OnException = TSynExceptionEvent::FromCallable([&](TObject* Sender, Exception& E, bool& DoContinue) {
        EXPECT_EQ(Sender, &chain);
        EXPECT_TRUE(DoContinue);
        errors.push_back(E.Message());
        DoContinue = goOn;
    });
    log.clear();
    chain.Fire();
    EXPECT_EQ(log, (std::vector<std::string>{"a", "b"}));
    goOn = false;
    log.clear();
    chain.Fire();
    EXPECT_EQ(log, (std::vector<std::string>{"a"}));
    EXPECT_EQ(errors, (std::vector<std::string>{"bad", "bad"}));

    // The chain stays usable after a handler raised through it.
    chain.OnException = nullptr;
    EXPECT_THROW(chain.Fire(), EConvertError);
    chain.Remove(a.Event());
    EXPECT_EQ(chain.Count(), 2);
}

}  // namespace
