// The per-line states of an editor's text: those the editor keeps, and
// those a fresh scan from the first line gives.
#pragma once

#include <cstdint>
#include <vector>

#include "editor/highlighting/syn_highlighter.h"
#include "editor/syn_memo.h"

// The end states a scan of the memo's lines from a reset highlighter gives.
inline std::vector<intptr_t> FreshRanges(TSynMemo& Memo, TSynCustomHighlighter& Highlighter)
{
    std::vector<intptr_t> ranges;
    Highlighter.ResetRange();
    for (int i = 0; i < Memo.Lines()->Count(); ++i) {
        Highlighter.SetLine(Memo.Lines()->Strings(i), i);
        Highlighter.NextToEol();
        ranges.push_back(reinterpret_cast<intptr_t>(Highlighter.GetRange()));
    }
    return ranges;
}

// The end states the memo gives for its lines, each scanned as it is asked for.
inline std::vector<intptr_t> StoredRanges(TSynMemo& Memo)
{
    std::vector<intptr_t> ranges;
    for (int i = 0; i < Memo.Lines()->Count(); ++i)
        ranges.push_back(Memo.LineRange(i));
    return ranges;
}
