#include "platform/base/collection.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/base/exceptions.h"

namespace {

class TNoteItem : public TCollectionItem {
public:
    // Numbered by its position when it was made, as some items name themselves.
    explicit TNoteItem(TCollection* Collection) : TCollectionItem(Collection), text("note" + std::to_string(Index())) {}

    std::string text;
    void SetText(const std::string& Value)
    {
        text = Value;
        Changed(false);
    }

    void Assign(TPersistent* Source) override
    {
        if (auto* source = dynamic_cast<TNoteItem*>(Source))
            text = source->text;
        else
            TCollectionItem::Assign(Source);
    }

protected:
    AnsiString GetDisplayName() const override { return text; }
};

class TOtherItem : public TCollectionItem {
public:
    using TCollectionItem::TCollectionItem;
};

// Logs each Update with the text of the item, or "all".
class TNotes : public TOwnedCollection {
public:
    explicit TNotes(TPersistent* AOwner = nullptr) : TOwnedCollection(AOwner, Of<TNoteItem>()) {}
    TNoteItem* Items(int Index) const { return static_cast<TNoteItem*>(GetItem(Index)); }
    TNoteItem* Add() { return static_cast<TNoteItem*>(TCollection::Add()); }

    std::vector<std::string> updates;

protected:
    void Update(TCollectionItem* Item) override
    {
        updates.push_back(Item ? static_cast<TNoteItem*>(Item)->text : "all");
    }
};

std::string Texts(const TNotes& notes)
{
    std::string s;
    for (int i = 0; i < notes.Count(); ++i)
        s += (i ? "," : "") + notes.Items(i)->text + "#" + std::to_string(notes.Items(i)->ID());
    return s;
}

std::string ListErrorOf(auto action)
{
    try {
        action();
    } catch (const EListError& e) {
        return e.Message();
    }
    return "no error";
}

}  // namespace

TEST(Collection, ItemsAreAddedMovedAndDeleted)
{
    TPersistent owner;
    TNotes notes(&owner);
    EXPECT_EQ(notes.Owner(), &owner);
    notes.Add();
    notes.Add();
    auto* front = static_cast<TNoteItem*>(notes.Insert(0));
    EXPECT_EQ(Texts(notes), "note2#2,note0#0,note1#1");
    EXPECT_EQ(front->Collection(), &notes);
    EXPECT_EQ(front->DisplayName(), "note2");
    EXPECT_EQ(notes.FindItemID(1), notes.Items(2));
    EXPECT_EQ(notes.FindItemID(7), nullptr);

    front->SetIndex(2);
    EXPECT_EQ(Texts(notes), "note0#0,note1#1,note2#2");
    notes.Items(2)->SetIndex(1);
    EXPECT_EQ(Texts(notes), "note0#0,note2#2,note1#1");
    EXPECT_EQ(front->Index(), 1);

    notes.Delete(0);
    delete notes.Items(1);  // freeing an item takes it out
    EXPECT_EQ(Texts(notes), "note2#2");
    notes.Add();  // IDs are never reused
    EXPECT_EQ(Texts(notes), "note2#2,note1#3");

    EXPECT_EQ(ListErrorOf([&] { notes.Items(2); }), "List index out of bounds (2)");
    EXPECT_EQ(ListErrorOf([&] { notes.Delete(-1); }), "List index out of bounds (-1)");
    EXPECT_EQ(ListErrorOf([&] { front->SetIndex(2); }), "List index out of bounds (2)");
    EXPECT_EQ(ListErrorOf([&] { notes.Insert(3); }), "List index out of bounds (3)");
    EXPECT_EQ(notes.Count(), 2);

    TCollection plain(TCollection::Of<TOtherItem>());
    EXPECT_EQ(plain.Owner(), nullptr);
    TCollectionItem* other = plain.Add();
    EXPECT_EQ(other->DisplayName(), other->ClassName());
    EXPECT_NE(other->DisplayName().find("TOtherItem"), std::string::npos);
    // Items move only between collections of their class.
    EXPECT_EQ(ListErrorOf([&] { other->SetCollection(&notes); }), "Invalid property value");
    EXPECT_EQ(other->Collection(), &plain);

    TNotes archive;
    front->SetCollection(&archive);
    EXPECT_EQ(Texts(notes), "note1#3");
    EXPECT_EQ(Texts(archive), "note2#0");
    front->SetCollection(nullptr);
    EXPECT_EQ(front->Index(), -1);
    delete front;
}

TEST(Collection, UpdateIsCalledOutsideUpdateBrackets)
{
    TNotes notes;
    notes.Add();
    notes.Add();
    notes.Items(1)->SetText("b");
    notes.Items(1)->SetIndex(0);
    EXPECT_EQ(notes.updates, (std::vector<std::string>{"all", "all", "b", "all"}));

    notes.updates.clear();
    notes.BeginUpdate();
    notes.BeginUpdate();
    notes.Add();
    notes.Items(0)->SetText("c");
    notes.Delete(1);
    notes.EndUpdate();
    EXPECT_TRUE(notes.updates.empty());
    EXPECT_EQ(notes.UpdateCount(), 1);
    notes.EndUpdate();
    EXPECT_EQ(notes.updates, (std::vector<std::string>{"all"}));

    // A stray EndUpdate does not silence later changes.
    notes.EndUpdate();
    notes.updates.clear();
    notes.Clear();
    notes.Clear();
    EXPECT_EQ(notes.updates, (std::vector<std::string>{"all"}));
}

TEST(Collection, AssignCopiesItemsInOneUpdate)
{
    TNotes source;
    source.Add()->SetText("x");
    source.Add()->SetText("說門");
    TNotes copy;
    copy.Add();
    copy.updates.clear();
    copy.Assign(&source);
    EXPECT_EQ(Texts(copy), "x#1,說門#2");
    EXPECT_EQ(copy.updates, (std::vector<std::string>{"all"}));

    copy.Assign(&copy);
    EXPECT_EQ(Texts(copy), "x#1,說門#2");

    EXPECT_THROW(copy.Assign(nullptr), EConvertError);
    TCollection others(TCollection::Of<TOtherItem>());
    others.Add();
    copy.updates.clear();
    EXPECT_THROW(copy.Assign(&others), EConvertError);
    EXPECT_EQ(copy.UpdateCount(), 0);
    EXPECT_EQ(copy.updates, (std::vector<std::string>{"all"}));
}
