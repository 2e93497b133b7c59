// An editor whose idle time a benchmark hands out itself, slice by slice,
// each slice with the repaint it asks for.
#pragma once

#include <optional>

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
    // Whether the fold marks and indent guides of the shown lines, as the
    // ranges stand, look like they did when Before was taken.
    using TFoldLooks = std::optional<TCustomSynText::TFoldLooks>;
    TFoldLooks FoldLooks() const { return ShownFoldLooks(); }
    bool LooksLike(const TFoldLooks& Before) const
    {
        const TFoldLooks now = ShownFoldLooks();
        return Before && now && Before->FirstLine == now->FirstLine && Before->Lines == now->Lines;
    }
};
