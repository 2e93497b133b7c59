// TCollection and TCollectionItem: a list that owns items of one class and
// tells itself (Update) whenever they change.
#pragma once

#include <vector>

#include "platform/base/object.h"

class TCollection;

class TCollectionItem : public TPersistent {
public:
    // Joins Collection (when given) as its last item. The collection's Update
    // is not called from here, since the derived part of the item is not
    // built yet: TCollection::Add and Insert call it once the item is whole.
    explicit TCollectionItem(TCollection* Collection);
    TCollectionItem(const TCollectionItem&) = delete;
    TCollectionItem& operator=(const TCollectionItem&) = delete;
    // Leaves the collection.
    ~TCollectionItem() override;

    TCollection* Collection() const { return collection_; }
    // Moves the item to the end of Value (or out of any collection when
    // nullptr); it gets a new ID there. Value must hold items of this class.
    void SetCollection(TCollection* Value);
    // The position in the collection; -1 outside one.
    int Index() const;
    // Moves the item to Value, shifting the others.
    void SetIndex(int Value);
    // Unique within the collection, in the order the items joined it.
    int ID() const { return id_; }
    AnsiString DisplayName() const { return GetDisplayName(); }

protected:
    // Tells the collection that this item (or, with AllItems, everything)
    // changed, unless the collection is inside BeginUpdate.
    void Changed(bool AllItems);
    // The class name unless a descendant has something better.
    virtual AnsiString GetDisplayName() const { return ClassName(); }
    TPersistent* GetOwner() override;

private:
    friend class TCollection;

    TCollection* collection_ = nullptr;
    int id_ = 0;
};

// What a collection makes its items with: TCollection::Of<TMyItem>(), for a
// TMyItem with a constructor TMyItem(TCollection*).
struct TCollectionItemClass {
    TCollectionItem* (*Create)(TCollection* Collection);
    bool (*Holds)(const TCollectionItem* Item);
};

class TCollection : public TPersistent {
public:
    explicit TCollection(TCollectionItemClass ItemClass) : itemClass_(ItemClass) {}
    TCollection(const TCollection&) = delete;
    TCollection& operator=(const TCollection&) = delete;
    // Frees the items without calling Update.
    ~TCollection() override;

    template <typename T>
    static TCollectionItemClass Of()
    {
        return {[](TCollection* c) -> TCollectionItem* { return new T(c); },
                [](const TCollectionItem* i) { return dynamic_cast<const T*>(i) != nullptr; }};
    }

    // A new item of the item class at the end.
    TCollectionItem* Add();
    // A new item at Index (0..Count).
    TCollectionItem* Insert(int Index);
    // Frees the item at Index.
    void Delete(int Index);
    void Clear();
    TCollectionItem* Items(int Index) const { return GetItem(Index); }
    TCollectionItem* GetItem(int Index) const;
    int Count() const { return static_cast<int>(items_.size()); }
    TCollectionItem* FindItemID(int ID) const;

    // Nested update brackets: changes made inside call no Update; closing the
    // outermost one calls Update(nullptr).
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();
    int UpdateCount() const { return updateCount_; }

    TPersistent* Owner() { return GetOwner(); }

    // From another collection: one new item per source item, each assigned
    // from its source, inside one update bracket.
    void Assign(TPersistent* Source) override;

protected:
    // Tells Update that everything changed, unless inside BeginUpdate.
    void Changed();
    // Called after Item changed, or after the whole collection changed when
    // Item is nullptr.
    virtual void Update(TCollectionItem* /*Item*/) {}

private:
    friend class TCollectionItem;

    // Appends Item quietly; the item is not necessarily built yet.
    void Attach(TCollectionItem* Item);
    void InsertItem(TCollectionItem* Item);
    void RemoveItem(TCollectionItem* Item);

    TCollectionItemClass itemClass_;
    std::vector<TCollectionItem*> items_;  // owned: each one's collection_ is this
    int nextID_ = 0;  // greater than the ID of every item this collection ever held
    int updateCount_ = 0;
};

// A collection that reports the object given at construction as its owner.
class TOwnedCollection : public TCollection {
public:
    TOwnedCollection(TPersistent* AOwner, TCollectionItemClass ItemClass) : TCollection(ItemClass), owner_(AOwner) {}

protected:
    TPersistent* GetOwner() override { return owner_; }

private:
    TPersistent* owner_;
};
