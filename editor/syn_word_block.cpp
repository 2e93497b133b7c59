// Selecting the word at a position, as a double click does.
#include "editor/syn_custom_text.h"

void TCustomSynText::SetWordBlock(TBufferCoord Value)
{
    Value = ClampBlockPoint(Value);
    const int length = LineLength(Value.Line);
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
