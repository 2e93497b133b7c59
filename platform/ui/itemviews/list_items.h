// TListItems: the items of a list view, in their order. With OwnerData the
// list holds no items: Count is set, and an item asked for is filled by
// the view's OnData each time.
#pragma once

#include <memory>
#include <vector>

#include "platform/ui/itemviews/list_item.h"

class TListItems {
public:
    explicit TListItems(TCustomListView* Owner);
    TListItems(const TListItems&) = delete;
    TListItems& operator=(const TListItems&) = delete;
    ~TListItems();

    TCustomListView* Owner() const { return owner_; }
    int Count() const;
    // With OwnerData: the number of items the program has.
    void SetCount(int Value);
    // The item at Index; with OwnerData a shared item filled by OnData,
    // good until the next call.
    TListItem* Item(int Index);
    TListItem* operator[](int Index) { return Item(Index); }

    TListItem* Add();
    TListItem* Insert(int Index);
    void Delete(int Index);
    void Clear();
    int IndexOf(const TListItem* Item) const;
    // While updating, the view neither lays out nor paints; EndUpdate of the
    // outermost call catches up.
    void BeginUpdate();
    void EndUpdate();
    bool Updating() const { return updating_ > 0; }

private:
    friend class TListItem;
    friend class TCustomListView;

    void Renumber(int From);

    TCustomListView* owner_;
    std::vector<std::unique_ptr<TListItem>> items_;
    int dataCount_ = 0;
    std::unique_ptr<TListItem> dataItem_;  // the item OnData fills
    int updating_ = 0;
};
