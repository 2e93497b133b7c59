#include "editor/document/syn_text_undo_list.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

void Add(TSynTextUndoList& list, TSynChangeReason reason = urInsert)
{
    list.AddChange(reason, BufferCoord(1, 1), BufferCoord(3, 1), "說門", smNormal);
}

std::vector<uint32_t> Numbers(const TSynTextUndoList& list)
{
    std::vector<uint32_t> numbers;
    for (int32_t i = 0; i < list.ItemCount(); ++i)
        numbers.push_back(list.Items(i)->ChangeNumber);
    return numbers;
}

TNotifyEvent Counter(int& added)
{
    return TNotifyEvent::FromCallable([&added](TObject*) { ++added; });
}

// Counting to the wrap for real would take four billion changes.
class TNearWrapUndoList : public TSynTextUndoList {
public:
    TNearWrapUndoList() { nextChangeNumber_ = 0xFFFFFFFF; }
};

}  // namespace

TEST(SynTextUndoList, BlocksShareOneNumberAndReportOnce)
{
    TSynTextUndoList list;
    int added = 0;
    list.OnAddedUndo = Counter(added);
    Add(list);
    list.BeginBlock();
    Add(list, urDelete);
    list.BeginBlock();
    Add(list);
    list.EndBlock();  // inner: no report
    Add(list, urLineBreak);
    list.EndBlock();
    EXPECT_EQ(added, 5);
    Add(list);
    EXPECT_EQ(Numbers(list), (std::vector<uint32_t>{1, 2, 2, 2, 3}));

    // Empty blocks, and blocks whose changes were locked out, report nothing.
    list.EndBlock();
    list.BeginBlock();
    list.EndBlock();
    list.BeginBlock();
    list.Lock();
    Add(list);
    list.Unlock();
    list.EndBlock();
    EXPECT_EQ(added, 6);

    // The number a redo run sets groups items without using one up.
    list.SetBlockChangeNumber(40);
    Add(list);
    list.SetBlockChangeNumber(0);
    Add(list);
    EXPECT_EQ(Numbers(list), (std::vector<uint32_t>{1, 2, 2, 2, 3, 40, 6}));
    EXPECT_EQ(list.PopItem()->ChangeNumber, 6u);
    EXPECT_EQ(list.PeekItem()->ChangeNumber, 40u);
    EXPECT_EQ(list.Items(6), nullptr);
}

TEST(SynTextUndoList, GroupBreaksAndLocking)
{
    TSynTextUndoList list;
    int added = 0;
    list.OnAddedUndo = Counter(added);
    EXPECT_EQ(list.LastChangeReason(), urNothing);
    list.AddGroupBreak();
    list.AddGroupBreak();
    Add(list);
    list.AddGroupBreak();
    list.AddGroupBreak();
    EXPECT_EQ(list.ItemCount(), 3);
    EXPECT_EQ(list.LastChangeReason(), urGroupBreak);
    EXPECT_EQ(added, 1);

    list.Unlock();  // never below zero: one Lock still locks
    list.Lock();
    Add(list);
    list.AddGroupBreak();
    list.Unlock();
    Add(list, urPaste);
    EXPECT_EQ(list.ItemCount(), 4);
    EXPECT_EQ(list.LastChangeReason(), urPaste);
}

TEST(SynTextUndoList, MaxUndoDropsOldestAndSetsFull)
{
    TSynTextUndoList list;
    for (int i = 0; i < 1025; ++i)
        Add(list);
    EXPECT_EQ(list.ItemCount(), 1024);
    EXPECT_TRUE(list.Full());
    list.SetMaxUndo(2);
    EXPECT_EQ(Numbers(list), (std::vector<uint32_t>{1024, 1025}));
    list.Clear();
    EXPECT_FALSE(list.Full());

    list.SetMaxUndo(-5);
    EXPECT_EQ(list.MaxUndo(), 0);
    Add(list);
    EXPECT_FALSE(list.CanUndo());
    EXPECT_TRUE(list.Full());
}

TEST(SynTextUndoList, MaxUndoDropsWholeStepsAndKeepsTheNewestWhole)
{
    TSynTextUndoList list;
    list.SetMaxUndo(3);
    Add(list);
    list.BeginBlock();
    for (int i = 0; i < 5; ++i)
        Add(list);
    // One step larger than the limit stays whole while it is the newest.
    EXPECT_EQ(Numbers(list), (std::vector<uint32_t>{2, 2, 2, 2, 2}));
    list.EndBlock();
    EXPECT_TRUE(list.Full());
    // The next change drops it whole, never its first items alone.
    Add(list);
    EXPECT_EQ(Numbers(list), (std::vector<uint32_t>{3}));
    list.BeginBlock();
    Add(list);
    Add(list);
    list.EndBlock();
    Add(list);
    EXPECT_EQ(Numbers(list), (std::vector<uint32_t>{4, 4, 5}));
    list.SetMaxUndo(2);
    EXPECT_EQ(Numbers(list), (std::vector<uint32_t>{5}));
}

TEST(SynTextUndoList, InitialStateFollowsSavedChange)
{
    TSynTextUndoList list;
    EXPECT_TRUE(list.InitialState());  // saved while empty
    Add(list);
    EXPECT_FALSE(list.InitialState());
    list.PopItem();
    EXPECT_TRUE(list.InitialState());

    Add(list);
    list.SetInitialState(true);
    EXPECT_TRUE(list.InitialState());
    Add(list);
    EXPECT_FALSE(list.InitialState());
    list.SetInitialState(false);  // away from the saved state: it stays
    list.PopItem();
    EXPECT_TRUE(list.InitialState());
    list.PopItem();
    EXPECT_FALSE(list.InitialState());  // empty, but saved with an item

    list.SetInitialState(false);
    list.SetInitialState(true);
    list.SetInitialState(false);  // at the saved state: no state is unmodified now
    EXPECT_FALSE(list.InitialState());
    Add(list);
    list.PopItem();
    EXPECT_FALSE(list.InitialState());
}

TEST(SynTextUndoList, AssignCopiesStateAndNumbersSkipZero)
{
    TNearWrapUndoList source;
    source.SetMaxUndo(5);
    source.Lock();

    TSynTextUndoList list;
    list.SetInitialState(false);  // no state is unmodified
    Add(list);
    list.Assign(&source);
    EXPECT_FALSE(list.CanUndo());
    EXPECT_EQ(list.MaxUndo(), 5);
    Add(list);  // the lock came along
    EXPECT_FALSE(list.CanUndo());
    list.Unlock();

    TObject range;
    list.AddChange(urFoldRange, BufferCoord(1, 4), BufferCoord(1, 9), "", smLine, &range, 7);
    // The largest number must not pass for "no state is unmodified".
    EXPECT_FALSE(list.InitialState());
    Add(list);
    list.BeginBlock();
    Add(list);
    list.EndBlock();
    Add(list);
    EXPECT_EQ(Numbers(list), (std::vector<uint32_t>{0xFFFFFFFF, 1, 2, 3}));

    TSynTextUndoList copy;
    copy.Assign(&list);
    ASSERT_EQ(copy.ItemCount(), 4);
    EXPECT_NE(copy.Items(0), list.Items(0));
    EXPECT_EQ(copy.Items(0)->FoldObject, &range);
    EXPECT_EQ(copy.Items(0)->FoldIndex, 7);
    Add(copy);
    EXPECT_EQ(copy.PeekItem()->ChangeNumber, 4u);

    // An item copies everything but the fold data.
    TSynTextUndoItem item;
    item.Assign(list.Items(0));
    EXPECT_EQ(item.Reason, urFoldRange);
    EXPECT_EQ(item.End, BufferCoord(1, 9));
    EXPECT_EQ(item.SelectionMode, smLine);
    EXPECT_EQ(item.ChangeNumber, 0xFFFFFFFFu);
    EXPECT_EQ(item.FoldObject, nullptr);
}
