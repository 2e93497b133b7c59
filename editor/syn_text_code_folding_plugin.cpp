#include "editor/syn_text_code_folding_plugin.h"

#include "editor/syn_custom_text.h"
#include "editor/folding/syn_fold_ranges.h"
#include "platform/ui/kernel/timer.h"

void TSynTextCodeFoldingPlugin::AfterPaint(TCanvas*, const TRect&, int, int) {}

void TSynTextCodeFoldingPlugin::LinesInserted(int FirstLine, int Count)
{
    // The ranges go before the plug-ins while the editor is destroyed.
    if (TSynTextAllFoldRanges* ranges = Owner()->allFoldRanges_.get()) {
        ranges->LinesInserted(FirstLine, Count);
        SettleWhenIdle(*ranges);
    }
}

void TSynTextCodeFoldingPlugin::LinesDeleted(int FirstLine, int Count)
{
    if (TSynTextAllFoldRanges* ranges = Owner()->allFoldRanges_.get()) {
        // A range on the joined first line stays there; those on the lines
        // after it, up to the last, go with the lines the buffer took out.
        const int removedFrom = Owner()->deletedJoinsFirst_ ? FirstLine + 1 : FirstLine;
        ranges->LinesDeleted(Owner()->Lines(), removedFrom, Count);
        SettleWhenIdle(*ranges);
    }
}

void TSynTextCodeFoldingPlugin::SettleWhenIdle(const TSynTextAllFoldRanges& Ranges)
{
    // The ranges take the shifts kept for them in idle time, so that
    // reading them stays cheap and no later edit waits on it.
    if (Ranges.PendingShifts() > 0 && Owner()->HandleAllocated())
        Owner()->idleScanTimer_->SetEnabled(true);
}
