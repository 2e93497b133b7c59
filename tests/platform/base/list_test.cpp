#include "platform/base/list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/base/exceptions.h"

namespace {

int a = 1, b = 2, c = 3, d = 4;

std::vector<void*> Contents(const TList& list)
{
    std::vector<void*> items;
    for (int i = 0; i < list.Count(); ++i)
        items.push_back(list.Items(i));
    return items;
}

std::string ErrorOf(auto action)
{
    try {
        action();
    } catch (const EListError& e) {
        return e.Message();
    }
    return "no error";
}

// Owns the ints it holds and logs every notification.
class TOwningList : public TList {
public:
    ~TOwningList() override { Clear(); }
    std::vector<std::string> log;

protected:
    void Notify(void* Ptr, TListNotification Action) override
    {
        static const char* names[] = {"added", "extracted", "deleted"};
        log.push_back(std::string(names[Action]) + " " + std::to_string(*static_cast<int*>(Ptr)));
        if (Action == lnDeleted)
            delete static_cast<int*>(Ptr);
    }
};

}  // namespace

TEST(List, EditsKeepOrderAndReportBadIndexes)
{
    TList list;
    EXPECT_EQ(list.Add(&a), 0);
    EXPECT_EQ(list.Add(&c), 1);
    list.Insert(1, &b);
    list.Insert(3, &d);
    EXPECT_EQ(Contents(list), (std::vector<void*>{&a, &b, &c, &d}));
    EXPECT_EQ(list.First(), &a);
    EXPECT_EQ(list.Last(), &d);

    list.Exchange(0, 3);
    list.Move(0, 2);
    EXPECT_EQ(Contents(list), (std::vector<void*>{&b, &c, &d, &a}));
    list.Move(3, 0);

    EXPECT_EQ(list.Remove(&c), 2);
    EXPECT_EQ(list.Remove(&c), -1);
    EXPECT_EQ(list.Extract(&a), &a);
    list.Put(1, nullptr);
    list.Add(nullptr);
    list.Add(&a);
    list.Pack();
    EXPECT_EQ(Contents(list), (std::vector<void*>{&b, &a}));

    EXPECT_EQ(ErrorOf([&] { list.Items(2); }), "List index out of bounds (2)");
    EXPECT_EQ(ErrorOf([&] { list.Insert(3, &c); }), "List index out of bounds (3)");
    EXPECT_EQ(ErrorOf([&] { list.Move(0, 2); }), "List index out of bounds (2)");
    EXPECT_EQ(ErrorOf([&] { list.SetCount(-1); }), "List count out of bounds (-1)");
    EXPECT_EQ(ErrorOf([&] { list.SetCapacity(1); }), "List capacity out of bounds (1)");
    EXPECT_EQ(Contents(list), (std::vector<void*>{&b, &a}));

    list.SetCount(3);
    EXPECT_EQ(Contents(list), (std::vector<void*>{&b, &a, nullptr}));
    list.SetCount(20);
    list.Add(&c);  // above 8 slots the list grows by 16
    EXPECT_EQ(list.Capacity(), 36);
    list.SetCount(1);
    list.SetCapacity(1);
    EXPECT_EQ(list.Expand()->Capacity(), 5);

    list.Clear();
    EXPECT_EQ(ErrorOf([&] { list.Last(); }), "List index out of bounds (-1)");
    EXPECT_EQ(list.Capacity(), 0);
}

TEST(List, NotifyLetsADescendantOwnItsItems)
{
    auto* list = new TOwningList;
    list->Add(new int(1));
    list->Add(nullptr);  // null entries are never reported
    list->Insert(0, new int(2));
    int* three = new int(3);
    list->Add(three);
    list->Put(1, new int(4));  // replaces 1
    EXPECT_EQ(list->Extract(three), three);
    list->Delete(0);           // 2
    EXPECT_EQ(list->Remove(nullptr), 1);
    list->Add(new int(5));
    list->SetCount(1);         // 5 goes
    EXPECT_EQ(list->log, (std::vector<std::string>{"added 1", "added 2", "added 3", "deleted 1", "added 4",
                                                   "extracted 3", "deleted 2", "added 5", "deleted 5"}));
    delete three;
    // 4 is still held and goes with the list; ASan reports it if it leaks.
    delete list;
}

TEST(List, SortIsStable)
{
    struct Pair {
        int key;
        char tag;
    };
    Pair p[] = {{2, 'a'}, {1, 'b'}, {2, 'c'}, {0, 'd'}, {1, 'e'}};
    TList list;
    for (Pair& e : p)
        list.Add(&e);
    list.Sort([](void* x, void* y) { return static_cast<Pair*>(x)->key - static_cast<Pair*>(y)->key; });
    std::string tags;
    for (int i = 0; i < list.Count(); ++i)
        tags += static_cast<Pair*>(list.Items(i))->tag;
    EXPECT_EQ(tags, "dbeac");
}
