// Chains of handlers: any number of listeners for one event, called in the
// order they were added and removed again by identity.
#pragma once

#include <cstddef>
#include <vector>

#include "platform/base/event.h"
#include "platform/base/exceptions.h"
#include "platform/base/object.h"

TANDRIL_EXCEPTION(ESynMethodChain, Exception);

// Asked when a handler of a chain raises; DoContinue (true on entry) says
// whether the remaining handlers still run.
using TSynExceptionEvent = TEvent<void(TObject* Sender, Exception& E, bool& DoContinue)>;

class TSynMethodChain : public TObject {
public:
    TSynMethodChain() = default;
    TSynMethodChain(const TSynMethodChain&) = delete;
    TSynMethodChain& operator=(const TSynMethodChain&) = delete;

    // Raises ESynMethodChain when AEvent is empty.
    void Add(const TNotifyEvent& AEvent);
    // Removes every entry equal to AEvent; raises ESynMethodChain when it is
    // empty. Safe while the chain fires: a removed handler is not called.
    void Remove(const TNotifyEvent& AEvent);
    // Calls the handlers in order. A handler may add or remove handlers; those
    // added run in the same round, those removed don't.
    void Fire();

    int Count() const { return static_cast<int>(entries_.size()); }

    TSynExceptionEvent OnException;

protected:
    virtual void DoFire(const TNotifyEvent& AEvent) = 0;
    // Without OnException the exception goes on to the caller of Fire.
    virtual bool DoHandleException(Exception& E);

private:
    std::vector<TNotifyEvent> entries_;
    // The next index of every Fire that is running (nested firings too).
    std::vector<size_t*> cursors_;
};

class TSynNotifyEventChain : public TSynMethodChain {
public:
    explicit TSynNotifyEventChain(TObject* ASender) : sender_(ASender) {}

    TObject* Sender() const { return sender_; }
    void SetSender(TObject* Value) { sender_ = Value; }

protected:
    void DoFire(const TNotifyEvent& AEvent) override;

private:
    TObject* sender_;
};
