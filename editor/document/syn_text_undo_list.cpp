#include "editor/document/syn_text_undo_list.h"

#include <algorithm>

void TSynTextUndoItem::Assign(TPersistent* Source)
{
    auto* source = dynamic_cast<TSynTextUndoItem*>(Source);
    if (source == nullptr) {
        TPersistent::Assign(Source);
        return;
    }
    Reason = source->Reason;
    SelectionMode = source->SelectionMode;
    Start = source->Start;
    End = source->End;
    Text = source->Text;
    ChangeNumber = source->ChangeNumber;
}

void TSynTextUndoList::Assign(TPersistent* Source)
{
    auto* source = dynamic_cast<TSynTextUndoList*>(Source);
    if (source == nullptr) {
        TPersistent::Assign(Source);
        return;
    }
    if (source == this)
        return;
    // Copy into a fresh list first so that a failed copy leaves this one as it was.
    std::deque<std::unique_ptr<TSynTextUndoItem>> items;
    for (const auto& item : source->items_)
        items.push_back(std::make_unique<TSynTextUndoItem>(*item));
    items_.swap(items);
    blockChangeNumber_ = source->blockChangeNumber_;
    blockCount_ = source->blockCount_;
    full_ = source->full_;
    lockCount_ = source->lockCount_;
    maxUndo_ = source->maxUndo_;
    nextChangeNumber_ = source->nextChangeNumber_;
}

void TSynTextUndoList::AddChange(TSynChangeReason Reason, const TBufferCoord& Start, const TBufferCoord& End,
                                 const AnsiString& Text, TSynSelectionMode SelectionMode, TObject* FoldObject,
                                 int32_t FoldIndex)
{
    if (lockCount_ > 0)
        return;
    // Nothing of the list changes until the item is complete and appended,
    // so a failure while filling it leaves the list as it was.
    auto item = std::make_unique<TSynTextUndoItem>();
    item->Reason = Reason;
    item->SelectionMode = SelectionMode;
    item->Start = Start;
    item->End = End;
    item->Text = Text;
    item->FoldObject = FoldObject;
    item->FoldIndex = FoldIndex;
    if (OnRecording)
        OnRecording(*item);
    const bool fresh = blockChangeNumber_ == 0;
    item->ChangeNumber = fresh ? nextChangeNumber_ : blockChangeNumber_;
    items_.push_back(std::move(item));
    if (fresh && blockCount_ == 0)
        AdvanceChangeNumber();
    Trim();
    if (Reason != urGroupBreak)
        AddedUndo();
}

void TSynTextUndoList::BeginBlock()
{
    ++blockCount_;
    blockChangeNumber_ = nextChangeNumber_;
}

void TSynTextUndoList::EndBlock()
{
    if (blockCount_ == 0)
        return;
    if (--blockCount_ > 0)
        return;
    const uint32_t blockNumber = blockChangeNumber_;
    blockChangeNumber_ = 0;
    AdvanceChangeNumber();
    if (!items_.empty() && items_.back()->ChangeNumber == blockNumber)
        AddedUndo();
}

void TSynTextUndoList::AddGroupBreak()
{
    if (LastChangeReason() != urGroupBreak)
        AddChange(urGroupBreak, TBufferCoord{}, TBufferCoord{}, AnsiString(), smNormal);
}

TSynTextUndoItem* TSynTextUndoList::PeekItem() const
{
    return items_.empty() ? nullptr : items_.back().get();
}

std::unique_ptr<TSynTextUndoItem> TSynTextUndoList::PopItem()
{
    if (items_.empty())
        return nullptr;
    std::unique_ptr<TSynTextUndoItem> item = std::move(items_.back());
    items_.pop_back();
    return item;
}

TSynChangeReason TSynTextUndoList::LastChangeReason() const
{
    return items_.empty() ? urNothing : items_.back()->Reason;
}

TSynTextUndoItem* TSynTextUndoList::Items(int32_t Index) const
{
    if (Index < 0 || Index >= ItemCount())
        return nullptr;
    return items_[static_cast<size_t>(Index)].get();
}

void TSynTextUndoList::Clear()
{
    items_.clear();
    full_ = false;
}

void TSynTextUndoList::Unlock()
{
    if (lockCount_ > 0)
        --lockCount_;
}

void TSynTextUndoList::SetMaxUndo(int32_t Value)
{
    Value = std::max(Value, 0);
    if (Value == maxUndo_)
        return;
    maxUndo_ = Value;
    Trim();
}

bool TSynTextUndoList::InitialState() const
{
    if (items_.empty())
        return savedChangeNumber_ == 0;
    return items_.back()->ChangeNumber == savedChangeNumber_;
}

void TSynTextUndoList::SetInitialState(bool Value)
{
    if (Value)
        savedChangeNumber_ = items_.empty() ? 0 : items_.back()->ChangeNumber;
    else if (InitialState())
        savedChangeNumber_ = -1;
}

void TSynTextUndoList::AdvanceChangeNumber()
{
    ++nextChangeNumber_;
    if (nextChangeNumber_ == 0)
        nextChangeNumber_ = 1;
}

void TSynTextUndoList::Trim()
{
    // Old steps go whole, never their first items alone (undoing the rest
    // would leave the text half restored); the newest step stays whole
    // however many items it holds, unless nothing may be kept at all.
    while (items_.size() > static_cast<size_t>(maxUndo_)) {
        const uint32_t oldest = items_.front()->ChangeNumber;
        if (maxUndo_ > 0 && oldest == items_.back()->ChangeNumber)
            break;
        while (!items_.empty() && items_.front()->ChangeNumber == oldest)
            items_.pop_front();
        full_ = true;
    }
}

void TSynTextUndoList::AddedUndo()
{
    if (OnAddedUndo)
        OnAddedUndo(this);
}
