#include "editor/document/syn_method_chain.h"

#include <algorithm>

void TSynMethodChain::Add(const TNotifyEvent& AEvent)
{
    if (!AEvent)
        throw ESynMethodChain(ClassName() + ".Entry : the parameter `AEvent' must be specified.");
    entries_.push_back(AEvent);
}

void TSynMethodChain::Remove(const TNotifyEvent& AEvent)
{
    if (!AEvent)
        throw ESynMethodChain(ClassName() + ".Remove: the parameter `AEvent' must be specified.");
    for (size_t i = entries_.size(); i-- > 0;) {
        if (!(entries_[i] == AEvent))
            continue;
        entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(i));
        for (size_t* cursor : cursors_)
            if (i < *cursor)
                --*cursor;
    }
}

void TSynMethodChain::Fire()
{
    size_t next = 0;
    cursors_.push_back(&next);
    struct Unregister {
        std::vector<size_t*>& cursors;
        size_t* cursor;
        ~Unregister() { cursors.erase(std::find(cursors.begin(), cursors.end(), cursor)); }
    } unregister{cursors_, &next};
    while (next < entries_.size()) {
        // A copy, so that the handler may remove itself while it runs.
        TNotifyEvent handler = entries_[next++];
        try {
            DoFire(handler);
        } catch (Exception& E) {
            if (!DoHandleException(E))
                break;
        }
    }
}

bool TSynMethodChain::DoHandleException(Exception& E)
{
    if (!OnException)
        throw;
    bool doContinue = true;
    OnException(this, E, doContinue);
    return doContinue;
}

void TSynNotifyEventChain::DoFire(const TNotifyEvent& AEvent) { AEvent(sender_); }
