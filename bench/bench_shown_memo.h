// A memo filling a shown window on the headless back end, holding a text
// with no undo behind it and the caret at its start: what a search or
// replacement benchmark starts from.
#pragma once

#include <memory>

#include "bench_support.h"
#include "editor/syn_memo.h"

inline std::unique_ptr<TSynMemo> ShownMemo(TBenchHost& Host, const AnsiString& Text)
{
    auto memo = std::make_unique<TSynMemo>(nullptr);
    memo->SetBounds(0, 0, Host.Width(), Host.Height());
    memo->SetParent(&Host);
    memo->HandleNeeded();
    memo->SetText(Text);
    memo->ClearUndo();
    memo->SetCaretXY(BufferCoord(1, 1));
    return memo;
}
