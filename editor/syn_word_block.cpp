// Selecting the word at a position, as a double click does.
#include <algorithm>

#include "editor/syn_custom_text.h"
#include "editor/view/syn_word_wrap.h"

void TCustomSynText::SetWordBlock(TBufferCoord Value)
{
    Value.Line = std::clamp(Value.Line, 1, std::max(1, lines_->Count()));
    const int length = Value.Line <= lines_->Count() ? static_cast<int>(lines_->Strings(Value.Line - 1).size()) : 0;
    if (options_.Contains(eoScrollPastEol) && !wordWrap_->Enabled())
        Value.Char = std::clamp(Value.Char, 1, ScrollPastEolLimit(length, maxScrollWidth_));
    else
        Value.Char = std::max(Value.Char, 1);
    if (Value.Char <= length + 1) {
        const TBufferCoord begin = WordStartAt(Value);
        const TBufferCoord end = WordEndAt(Value);
        if (begin.Line == end.Line && begin.Char < end.Char) {
            SetCaretAndSelection(end, begin, end);
            return;
        }
    }
    PlaceCaret(BufferCoord(length + 1, Value.Line));
}
