// An editor whose idle time a benchmark hands out itself, slice by slice,
// each slice with the repaint it asks for.
#pragma once

#include "editor/syn_memo.h"
#include "platform/ui/kernel/timer.h"

class TIdleMemo : public TSynMemo {
public:
    using TSynMemo::TSynMemo;
    // What the idle timer does once, and the repaint it asks for.
    void IdleSlice()
    {
        IdleScanTimerHandler(nullptr);
        Update();
    }
    // Whether the idle timer has work left: the fold scan's or the
    // highlighter's.
    bool IdleWorkPending() const { return idleScanTimer_->Enabled(); }
};
