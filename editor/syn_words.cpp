// Word boundaries for caret moves and word selection. A double-byte
// character is one unit: it takes the class of its lead byte for word
// starts and ends, and always stops the next and previous word moves.
#include <algorithm>
#include <vector>

#include "editor/syn_custom_text.h"
#include "editor/highlighting/syn_highlighter.h"
#include "platform/base/code_page.h"

namespace {

struct TWordUnit {
    int Start;  // 0-based offset
    bool Double;
    bool Ident;
};

// The characters of a line in order, with a sentinel end offset.
class TWordUnits {
public:
    TWordUnits(const TCustomSynText& Editor, const AnsiString& Line) : size_(static_cast<int>(Line.size()))
    {
        for (size_t i = 0; i < Line.size();) {
            const size_t n = CharLengthAt(Line, i);
            units_.push_back({static_cast<int>(i), n == 2, Editor.IsIdentChar(Line[i])});
            i += n;
        }
    }

    int Count() const { return static_cast<int>(units_.size()); }
    const TWordUnit& operator[](int Index) const { return units_[static_cast<size_t>(Index)]; }
    // The 1-based column where unit Index starts; one past the line for Count().
    int Column(int Index) const { return (Index < Count() ? units_[static_cast<size_t>(Index)].Start : size_) + 1; }
    // The unit that holds the byte at 1-based column Char (Count() past the end).
    int UnitAt(int Char) const
    {
        if (Char - 1 >= size_)
            return Count();
        auto it = std::upper_bound(units_.begin(), units_.end(), Char - 1,
                                   [](int Offset, const TWordUnit& U) { return Offset < U.Start; });
        return static_cast<int>(it - units_.begin()) - 1;
    }
    // The first unit from Index on that is double-byte or a single-byte
    // identifier character, Count() when there is none.
    int NextStop(int Index) const
    {
        while (Index < Count() && !((*this)[Index].Double || (*this)[Index].Ident))
            ++Index;
        return Index;
    }

private:
    std::vector<TWordUnit> units_;
    int size_;
};

AnsiString LineOf(const TSynTextStringList* Lines, int Line)
{
    return Line >= 1 && Line <= Lines->Count() ? Lines->Strings(Line - 1) : AnsiString();
}

}  // namespace

bool TCustomSynText::IsIdentChar(char AChar) const
{
    const auto c = static_cast<unsigned char>(AChar);
    if (highlighter_)
        return highlighter_->GetIdentChars()[c] && !highlighter_->WordBreakChars()[c];
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' ||
           (c >= 192 && c != 215 && c != 247);
}

bool TCustomSynText::IsWordBreakChar(char AChar) const { return AChar != '\0' && !IsIdentChar(AChar); }

TBufferCoord TCustomSynText::WordStart() { return WordStartAt(CaretXY()); }
TBufferCoord TCustomSynText::WordEnd() { return WordEndAt(CaretXY()); }
TBufferCoord TCustomSynText::NextWordPos() { return NextWordPosAt(CaretXY()); }
TBufferCoord TCustomSynText::PrevWordPos() { return PrevWordPosAt(CaretXY()); }

TBufferCoord TCustomSynText::WordStartAt(const TBufferCoord& XY)
{
    const AnsiString line = LineOf(lines_, XY.Line);
    const TWordUnits units(*this, line);
    int u = units.UnitAt(std::clamp(XY.Char, 1, static_cast<int>(line.size()) + 1));
    while (u > 0 && units[u - 1].Ident)
        --u;
    return BufferCoord(units.Column(u), XY.Line);
}

TBufferCoord TCustomSynText::WordEndAt(const TBufferCoord& XY)
{
    const AnsiString line = LineOf(lines_, XY.Line);
    const TWordUnits units(*this, line);
    int u = units.UnitAt(std::clamp(XY.Char, 1, static_cast<int>(line.size()) + 1));
    while (u < units.Count() && units[u].Ident)
        ++u;
    return BufferCoord(units.Column(u), XY.Line);
}

TBufferCoord TCustomSynText::NextWordPosAt(const TBufferCoord& XY)
{
    const AnsiString line = LineOf(lines_, XY.Line);
    const TWordUnits units(*this, line);
    const int u = units.UnitAt(std::max(XY.Char, 1));
    if (u < units.Count()) {
        int v = u + 1;
        if (!units[u].Double && units[u].Ident) {
            // Skip the rest of the word; a double-byte character inside it stops the move.
            while (v < units.Count() && !units[v].Double && units[v].Ident)
                ++v;
            if (v < units.Count() && units[v].Double)
                return BufferCoord(units.Column(v), XY.Line);
        }
        return BufferCoord(units.Column(units.NextStop(v)), XY.Line);
    }
    if (XY.Line >= lines_->Count())
        return BufferCoord(std::max(XY.Char, 1), std::max(XY.Line, 1));
    const TWordUnits next(*this, lines_->Strings(XY.Line));
    const int stop = next.NextStop(0);
    return BufferCoord(stop < next.Count() ? next.Column(stop) : 1, XY.Line + 1);
}

TBufferCoord TCustomSynText::PrevWordPosAt(const TBufferCoord& XY)
{
    const AnsiString line = LineOf(lines_, XY.Line);
    const TWordUnits units(*this, line);
    const int u = units.UnitAt(std::clamp(XY.Char, 1, static_cast<int>(line.size()) + 1));
    if (u > 0) {
        int lastDouble = -1;
        for (int i = u - 1; i >= 0 && lastDouble < 0; --i)
            if (units[i].Double)
                lastDouble = i;
        // Back over blanks and symbols to the end of the previous word, then
        // to its start; the latest double-byte character wins.
        int w = u - 1;
        while (w >= 0 && (units[w].Double || !units[w].Ident))
            --w;
        int start = -1;
        if (w >= 0) {
            start = w;
            while (start > 0 && !units[start - 1].Double && units[start - 1].Ident)
                --start;
        }
        start = std::max(start, lastDouble);
        if (start >= 0)
            return BufferCoord(units.Column(start), XY.Line);
    }
    if (XY.Line > 1 && XY.Line - 1 <= lines_->Count())
        return BufferCoord(static_cast<int>(lines_->Strings(XY.Line - 2).size()) + 1, XY.Line - 1);
    return BufferCoord(1, std::max(XY.Line, 1));
}

void TCustomSynText::SelectWordAtCaret() { SetWordBlock(CaretXY()); }
