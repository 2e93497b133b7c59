// Bracket matching: from a bracket at a position, the partner at the same
// nesting level, skipping brackets inside strings and comments. Lines are
// walked character by character, so a trail byte that happens to look like
// a bracket is never counted.
#include <vector>

#include "editor/syn_custom_text.h"
#include "editor/highlighting/syn_highlighter.h"
#include "platform/base/code_page.h"

namespace {

constexpr char Brackets[] = "()[]{}<>";

// Whether the highlighter paints the character at Offset of line Index as
// a string or a comment; a position without a token counts as code.
bool InStringOrComment(TCustomSynText* Editor, int Index, size_t Offset)
{
    AnsiString token;
    TSynHighlighterAttributes* attr = nullptr;
    if (!Editor->GetHighlighterAttriAt(BufferCoord(static_cast<int>(Offset) + 1, Index + 1), token, attr) || !attr)
        return false;
    TSynCustomHighlighter* highlighter = Editor->Highlighter();
    return attr == highlighter->GetDefaultAttribute(kDefaultAttrString) ||
           attr == highlighter->GetDefaultAttribute(kDefaultAttrComment);
}

// The offsets at which the characters of S start.
std::vector<size_t> CharStarts(const AnsiString& S)
{
    std::vector<size_t> starts;
    for (size_t i = 0; i < S.size(); i += CharLengthAt(S, i))
        starts.push_back(i);
    return starts;
}

}  // namespace

TBufferCoord TCustomSynText::GetMatchingBracketAt(const TBufferCoord& APoint)
{
    const TBufferCoord none = BufferCoord(0, 0);
    if (APoint.Line < 1 || APoint.Line > lines_->Count() || APoint.Char < 1)
        return none;
    ScanPendingRanges();  // strings and comments are told by the line states
    const int startIndex = APoint.Line - 1;
    const AnsiString first = lines_->Strings(startIndex);
    const auto startOffset = static_cast<size_t>(APoint.Char - 1);
    if (startOffset >= first.size() || ByteTypeAt(first, startOffset) != mbSingleByte)
        return none;
    const char* found = std::char_traits<char>::find(Brackets, 8, first[startOffset]);
    if (!found)
        return none;
    const auto i = static_cast<size_t>(found - Brackets);
    const char same = Brackets[i];
    const char partner = Brackets[i ^ 1];
    const bool forward = (i & 1) == 0;
    int level = 1;
    for (int index = startIndex; index >= 0 && index < lines_->Count(); index += forward ? 1 : -1) {
        const AnsiString s = index == startIndex ? first : lines_->Strings(index);
        const std::vector<size_t> starts = CharStarts(s);
        // Position k in starts of the start bracket, or the line end.
        size_t k = 0;
        if (index == startIndex)
            while (starts[k] != startOffset)
                ++k;
        for (size_t n = 0; n < starts.size(); ++n) {
            size_t at;
            if (forward) {
                at = index == startIndex ? k + 1 + n : n;
                if (at >= starts.size())
                    break;
            } else {
                const size_t end = index == startIndex ? k : starts.size();
                if (n >= end)
                    break;
                at = end - 1 - n;
            }
            const size_t offset = starts[at];
            const char c = s[offset];
            if ((c != same && c != partner) || CharLengthAt(s, offset) != 1)
                continue;
            if (InStringOrComment(this, index, offset))
                continue;
            level += c == same ? 1 : -1;
            if (level == 0)
                return BufferCoord(static_cast<int>(offset) + 1, index + 1);
        }
    }
    return none;
}

TBufferCoord TCustomSynText::GetMatchingBracketAtCaret() { return GetMatchingBracketAt(CaretXY()); }

void TCustomSynText::GotoMatchingBracket()
{
    // Without a partner the caret stays; (0, 0) would be clamped to the
    // start of the text.
    const TBufferCoord match = GetMatchingBracketAtCaret();
    if (match.Char > 0 && match.Line > 0)
        PlaceCaret(match);
}
