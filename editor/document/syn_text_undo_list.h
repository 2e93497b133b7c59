// The undo and redo lists of the editor: every change to the text is kept as
// an item that says what happened, where, and the text needed to reverse it.
// Items that share a change number are undone as one step.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>

#include "editor/document/editor_types.h"
#include "platform/base/event.h"
#include "platform/base/object.h"

// Why an item was recorded. The numbers are compared as numbers; 14 to 17
// and 22 are reserved and never recorded.
enum TSynChangeReason : uint8_t {
    urInsert = 0,
    urPaste = 1,
    urDragDropInsert = 2,
    urDeleteAfterCaret = 3,
    urDelete = 4,
    urLineBreak = 5,
    urIndent = 6,
    urUnindent = 7,
    urSilentDelete = 8,
    urSilentDeleteAfterCaret = 9,
    urCompletionBegin = 10,
    urCompletionEnd = 11,
    urPasteBegin = 12,
    urPasteEnd = 13,
    urCaret = 18,
    urSelection = 19,
    urNothing = 20,  // never recorded: the last reason of an empty list
    urGroupBreak = 21,
    urFoldRange = 23,
    // Collapsed ranges a change expanded to reach their text, collapsed
    // again when it is undone or redone; Text holds their heads.
    urFoldCollapse = 24,
};

class TSynTextUndoItem : public TPersistent {
public:
    // Copies reason, mode, start, end, text and change number; the fold data
    // stays as it is.
    void Assign(TPersistent* Source) override;

    TSynChangeReason Reason = urInsert;
    TSynSelectionMode SelectionMode = smNormal;
    TBufferCoord Start;
    TBufferCoord End;
    AnsiString Text;           // what reverses the change; its meaning depends on Reason
    uint32_t ChangeNumber = 0; // never 0 once recorded; equal numbers form one group
    // A dropped fold range and its index; only urFoldRange items use them.
    TObject* FoldObject = nullptr;
    int32_t FoldIndex = 0;
};

class TSynTextUndoList : public TPersistent {
public:
    TSynTextUndoList() = default;
    // Copies go through Assign, which gives the copy items of its own.
    TSynTextUndoList(const TSynTextUndoList&) = delete;
    TSynTextUndoList& operator=(const TSynTextUndoList&) = delete;

    // Copies the items (as new items, fold data included), the block state,
    // the full flag, the lock count, MaxUndo and the next change number.
    void Assign(TPersistent* Source) override;

    // Records one item unless the list is locked. Its change number is the
    // block change number while that is set, else a fresh one.
    void AddChange(TSynChangeReason Reason, const TBufferCoord& Start, const TBufferCoord& End,
                   const AnsiString& Text, TSynSelectionMode SelectionMode, TObject* FoldObject = nullptr,
                   int32_t FoldIndex = 0);
    // Blocks nest; every item recorded until the outermost EndBlock shares
    // one change number.
    void BeginBlock();
    void EndBlock();
    // Ends a run of like changes for grouped undo; never two in a row.
    void AddGroupBreak();

    TSynTextUndoItem* PeekItem() const;
    std::unique_ptr<TSynTextUndoItem> PopItem();
    TSynChangeReason LastChangeReason() const;
    bool CanUndo() const { return !items_.empty(); }
    int32_t ItemCount() const { return static_cast<int32_t>(items_.size()); }
    // Oldest first; nullptr when Index is out of range.
    TSynTextUndoItem* Items(int32_t Index) const;
    // Frees every item and clears Full; the change numbers go on counting.
    void Clear();

    void Lock() { ++lockCount_; }
    void Unlock();

    int32_t MaxUndo() const { return maxUndo_; }
    // A negative value counts as 0. Trims the list at once, by whole steps.
    void SetMaxUndo(int32_t Value);

    // Whether the text stands where it was last marked unmodified.
    bool InitialState() const;
    void SetInitialState(bool Value);

    // Set when trimming dropped old items.
    bool Full() const { return full_; }

    // The editor's Undo sets the redo list's block change number for the
    // duration of a group, so that all reversed items land in one redo step.
    uint32_t BlockChangeNumber() const { return blockChangeNumber_; }
    void SetBlockChangeNumber(uint32_t Value) { blockChangeNumber_ = Value; }
    int32_t BlockCount() const { return blockCount_; }

    // Fires for each recorded item except group breaks, and once more at
    // the end of a block that recorded items.
    TNotifyEvent OnAddedUndo;
    // Lets the owner restate a new item's positions before it is kept.
    TEvent<void(TSynTextUndoItem& Item)> OnRecording;

protected:
    // The number the next change outside a block gets; never 0.
    uint32_t nextChangeNumber_ = 1;

private:
    void AdvanceChangeNumber();
    void Trim();
    void AddedUndo();

    uint32_t blockChangeNumber_ = 0;  // non-zero while the items being recorded form one group
    int32_t blockCount_ = 0;
    bool full_ = false;
    // Oldest first; never more than maxUndo_ but for the newest step, which
    // is kept whole.
    std::deque<std::unique_ptr<TSynTextUndoItem>> items_;
    int32_t lockCount_ = 0;                                // >= 0; nothing is recorded while above 0
    int32_t maxUndo_ = 1024;                               // >= 0
    // The newest item's change number when the text was last marked
    // unmodified: 0 when the list was empty then, -1 when no state is.
    // 64 bits so that -1 never matches the change number 0xFFFFFFFF.
    int64_t savedChangeNumber_ = 0;
};
