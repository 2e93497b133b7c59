// Keeps a list view's updates locked while it is refilled, and unlocked
// again whatever fails on the way.
#pragma once

#include "platform/ui/itemviews/list_items.h"

class TListUpdate {
public:
    explicit TListUpdate(TListItems* Items) : items_(Items) { items_->BeginUpdate(); }
    ~TListUpdate() { items_->EndUpdate(); }
    TListUpdate(const TListUpdate&) = delete;
    TListUpdate& operator=(const TListUpdate&) = delete;

private:
    TListItems* items_;
};
