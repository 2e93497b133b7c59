#include "platform/base/string_list.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/base/exceptions.h"
#include "tests/support/test_random.h"

namespace {

std::vector<AnsiString> Items(const TStrings& list)
{
    std::vector<AnsiString> items;
    for (int i = 0; i < list.Count(); ++i)
        items.push_back(list[i]);
    return items;
}

std::vector<TObject*> Objects(const TStrings& list)
{
    std::vector<TObject*> objects;
    for (int i = 0; i < list.Count(); ++i)
        objects.push_back(list.Objects(i));
    return objects;
}

template <typename F>
AnsiString ErrorOf(F action)
{
    try {
        action();
    } catch (const EStringListError& e) {
        return e.Message();
    }
    return "no error";
}

class Counted : public TObject {
public:
    explicit Counted(int& deaths) : deaths_(deaths) {}
    ~Counted() override { ++deaths_; }

private:
    int& deaths_;
};

int ByLength(TStringList* List, int Index1, int Index2)
{
    return static_cast<int>(List->Strings(Index1).size()) - static_cast<int>(List->Strings(Index2).size());
}

}  // namespace

TEST(StringList, SortedListFindsAndInsertsInOrder)
{
    TStringList list;
    list.SetCommaText("b,門,中,說,z");
    list.SetSorted(true);
    EXPECT_EQ(Items(list), (std::vector<AnsiString>{"b", "z", "說", "中", "門"}));  // by unsigned bytes
    EXPECT_EQ(list.Add("A"), 0);
    EXPECT_EQ(list.Add("a"), 0);  // dupIgnore gives the index of the equal string
    EXPECT_EQ(list.Count(), 6);
    int index = -1;
    EXPECT_TRUE(list.Find("B", index));
    EXPECT_EQ(index, 1);
    EXPECT_FALSE(list.Find("bb", index));
    EXPECT_EQ(index, 2);
    EXPECT_EQ(list.IndexOf("Z"), 2);
    EXPECT_EQ(list.IndexOf("y"), -1);

    EXPECT_EQ(ErrorOf([&] { list.Insert(0, "x"); }), SSortedListError);
    EXPECT_EQ(ErrorOf([&] { list.SetStrings(0, "x"); }), SSortedListError);
    EXPECT_EQ(ErrorOf([&] { list.Exchange(0, 1); }), SSortedListError);
    EXPECT_EQ(ErrorOf([&] { list.Move(0, 1); }), SSortedListError);

    list.Duplicates = dupError;
    EXPECT_EQ(ErrorOf([&] { list.Add("Z"); }), "String list does not allow duplicates");
    list.Duplicates = dupAccept;
    EXPECT_EQ(list.Add("a"), 0);  // before its equals
    EXPECT_EQ(Items(list), (std::vector<AnsiString>{"a", "A", "b", "z", "說", "中", "門"}));

    list.SetCaseSensitive(true);
    EXPECT_EQ(Items(list), (std::vector<AnsiString>{"A", "a", "b", "z", "說", "中", "門"}));
    EXPECT_FALSE(list.Find("B", index));
    EXPECT_EQ(index, 1);
    list.Sort();
    list.CustomSort(ByLength);  // both do nothing on a sorted list
    EXPECT_EQ(list[0], "A");

    list.SetSorted(false);
    list.Insert(0, "zz");
    list.Duplicates = dupError;
    list.Add("zz");  // duplicates are checked only while sorted
    list.CustomSort(ByLength);
    EXPECT_EQ(Items(list), (std::vector<AnsiString>{"A", "a", "b", "z", "zz", "說", "中", "門", "zz"}));
}

TEST(StringList, BulkLoadIntoSortedListEqualsAddingOneByOne)
{
    TRandom rng(11);
    const char* words[] = {"a", "A", "b", "說", "中", "門", "B", "c", "乗"};
    std::vector<std::unique_ptr<TObject>> objects;
    for (int round = 0; round < 60; ++round) {
        auto duplicates = static_cast<TDuplicates>(round % 3);
        bool caseSensitive = round % 2 == 1;
        auto make = [&](TStringList& list) {
            list.Duplicates = duplicates;
            list.SetCaseSensitive(caseSensitive);
            list.SetSorted(true);
            list.Add("b");
        };
        TStringList source;
        int count = round % 10 + 1;
        for (int i = 0; i < count; ++i) {
            objects.push_back(std::make_unique<TObject>());
            source.AddObject(rng.Pick(words), objects.back().get());
        }

        TStringList expected;
        make(expected);
        AnsiString expectedError = ErrorOf([&] {
            for (int i = 0; i < source.Count(); ++i)
                expected.AddObject(source[i], source.Objects(i));
        });
        TStringList added;
        make(added);
        EXPECT_EQ(ErrorOf([&] { added.AddStrings(&source); }), expectedError);
        EXPECT_EQ(Items(added), Items(expected)) << source.CommaText();
        EXPECT_EQ(Objects(added), Objects(expected));

        TStringList loaded;
        make(loaded);
        expected.Clear();  // loading replaces the "b" too
        expectedError = ErrorOf([&] {
            for (int i = 0; i < source.Count(); ++i)
                expected.Add(source[i]);
        });
        EXPECT_EQ(ErrorOf([&] { loaded.SetText(source.Text()); }), expectedError);
        EXPECT_EQ(Items(loaded), Items(expected)) << source.CommaText();
    }
}

TEST(StringList, EventsFireOncePerChangeOrUpdateBracket)
{
    std::vector<AnsiString> log;
    {
        TStringList list;
        list.OnChanging = TNotifyEvent::FromCallable([&](TObject*) { log.push_back("changing " + list.CommaText()); });
        list.OnChange = TNotifyEvent::FromCallable([&](TObject*) { log.push_back("change " + list.CommaText()); });
        list.Add("b");
        EXPECT_EQ(log, (std::vector<AnsiString>{"changing ", "change b"}));

        log.clear();
        list.BeginUpdate();
        list.Add("a");
        list.BeginUpdate();
        list.Delete(0);
        list.EndUpdate();
        list.Add("c");
        list.EndUpdate();
        EXPECT_EQ(log, (std::vector<AnsiString>{"changing b", "change a,c"}));

        log.clear();
        list.SetText("x\ny\nz");
        list.SetSorted(true);
        list.SetText("3\n1\n2");
        list.Clear();
        list.Clear();  // nothing to clear: no events
        EXPECT_EQ(log, (std::vector<AnsiString>{"changing a,c", "change x,y,z", "changing x,y,z", "change x,y,z",
                                                 "changing x,y,z", "change 1,2,3", "changing 1,2,3", "change "}));
        list.Add("last");
        log.clear();
    }
    EXPECT_TRUE(log.empty());  // destruction fires nothing
}

TEST(StringList, OwnedObjectsAndIndexErrors)
{
    int deaths = 0;
    {
        TStringList list;
        list.OwnsObjects = true;
        for (const char* s : {"a", "b", "c", "d"})
            list.AddObject(s, new Counted(deaths));
        TObject* b = list.Objects(1);
        list.Move(1, 3);
        list.Exchange(0, 1);
        EXPECT_EQ(Items(list), (std::vector<AnsiString>{"c", "a", "d", "b"}));
        EXPECT_EQ(list.Objects(3), b);
        EXPECT_EQ(deaths, 0);
        list.Delete(3);
        EXPECT_EQ(deaths, 1);
        list.Clear();
        EXPECT_EQ(deaths, 4);
        list.AddObject("e", new Counted(deaths));
    }
    EXPECT_EQ(deaths, 5);

    TStringList list;
    Counted kept(deaths);
    list.AddObject("x", &kept);
    list.Delete(0);
    EXPECT_EQ(deaths, 5);

    list.SetCommaText("a,b");
    EXPECT_EQ(ErrorOf([&] { list.Strings(2); }), "List index out of bounds (2)");
    EXPECT_EQ(ErrorOf([&] { list.Objects(-1); }), "List index out of bounds (-1)");
    EXPECT_EQ(ErrorOf([&] { list.Delete(5); }), "List index out of bounds (5)");
    EXPECT_EQ(ErrorOf([&] { list.Insert(3, "x"); }), "List index out of bounds (3)");
    EXPECT_EQ(ErrorOf([&] { list.Move(0, 2); }), "List index out of bounds (2)");
    EXPECT_EQ(ErrorOf([&] { list.SetCapacityValue(1); }), "List capacity out of bounds (1)");
    list.Insert(2, "c");
    list.SetCapacityValue(100);
    EXPECT_GE(list.Capacity(), 100);
    list.SetCapacityValue(3);
    EXPECT_EQ(list.Capacity(), 3);
    EXPECT_EQ(list.CommaText(), "a,b,c");
}
