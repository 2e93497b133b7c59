// Places in the text itself, whatever is collapsed: the character indexes
// the program keeps beyond the editor's view.
#include <algorithm>

#include "editor/folding/syn_fold_ranges.h"
#include "editor/syn_custom_text.h"

int TCustomSynText::RealSelStart()
{
    // First, as it finishes a pending scan, which may move the caret's line.
    const TSynRealText real = RealText();
    const TBufferCoord shown = SelAvail() ? blockBegin_ : CaretXY();
    TBufferCoord place = BufferCoord(shown.Char, allFoldRanges_->RealLineNumber(shown.Line));
    if (place.Line >= 1 && place.Line <= real.Lines->Count())
        place.Char = std::min(place.Char, static_cast<int>(real.Lines->Strings(place.Line - 1).size()) + 1);
    return CharIndexOfRowCol(*real.Lines, place);
}

void TCustomSynText::SetRealSelStart(int Value)
{
    if (!allFoldRanges_->HasCollapsed()) {
        SetSelStart(Value);
        return;
    }
    TBufferCoord place = RowColOfCharIndex(*RealText().Lines, Value);
    ShowRealLine(place.Line);
    place.Line = ShownLineOfReal(place.Line);
    SetSelStartAt(place);
}

void TCustomSynText::ShowRealLine(int RealLine)
{
    auto hiding = [&]() -> TSynTextFoldRange* {
        const int shown = ShownLineOfReal(RealLine);
        return allFoldRanges_->RealLineNumber(shown) == RealLine ? nullptr : allFoldRanges_->CollapsedIn(shown, shown);
    };
    if (!hiding())
        return;
    MoveFoldLines([&] {
        while (TSynTextFoldRange* found = hiding()) {
            const int head = found->FromLine();
            FollowFoldLines(head, allFoldRanges_->Expand(lines_, found));
        }
    });
}
