#include "editor/folding/syn_fold_scan.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "editor/folding/fold_regions.h"
#include "editor/folding/syn_fold_ranges.h"
#include "platform/base/code_page.h"

namespace {

struct TSkip {
    AnsiString Open;
    AnsiString Close;
    char Escape;  // 0: none
    TSkipRegionType Type;
    // The regions of its list whose open token is longer and starts with
    // this one's (a long string's three quotes, a string's one).
    std::vector<size_t> LongerOpens;

    bool EndsOnCloseChar() const { return Type == srtCloseChar || Type == srtCloseCharOnLine; }
    bool EndsWithLine() const { return Type == srtLineEnd || Type == srtCloseCharOnLine; }
};

struct TRegion;

}  // namespace

// The regions as the scan compares them: tokens in the case the text is
// compared in, regions that could never match left out.
struct TSynFoldScanner::TRegionList {
    std::vector<TSkip> Skips;
    std::vector<TRegion> Regions;
    // The first bytes of the tokens the scan looks for with this list,
    // line breaks included: at any other byte it only steps on.
    std::array<bool, 256> Stops{};
};

namespace {

struct TRegion {
    TFoldRegionItem* Item;
    AnsiString Open;
    AnsiString Close;
    TFoldRegionType Type;
    bool WholeWords;
    bool AllowNoSubs;
    bool HasSubRegions;  // the item has sub-regions, even ones that never match
    TSynFoldScanner::TRegionList* Subs;
};

bool IsWordChar(unsigned char C)
{
    return (C >= '0' && C <= '9') || (C >= 'A' && C <= 'Z') || C == '_' || (C >= 'a' && C <= 'z') ||
           (C >= 0xC0 && C != 0xD7 && C != 0xF7);
}

bool IsBreak(char C) { return C == '\r' || C == '\n'; }

// Whether Token's last byte is a lead byte without its trail byte.
bool EndsInsideChar(const AnsiString& Token)
{
    size_t at = 0;
    size_t last = 0;
    while (at < Token.size()) {
        last = at;
        at += CharLengthAt(Token, at);
    }
    return !Token.empty() && at - last == 1 && IsDBCSLeadByte(Token[last]);
}

// The first character at or after P whose first byte is one of Stops; a
// lead byte counts with its trail byte, never with a line break.
size_t NextStop(std::string_view Text, size_t P, const std::array<bool, 256>& Stops)
{
    const size_t size = Text.size();
    while (P < size) {
        const char c = Text[P];
        if (Stops[static_cast<unsigned char>(c)])
            return P;
        P += P + 1 < size && IsDBCSLeadByte(c) && !IsBreak(Text[P + 1]) ? 2 : 1;
    }
    return size;
}

}  // namespace

// One pass over one text, read on demand. Offsets count from the start of
// the text; of it only Text is held, the part from offset Base on that the
// scan may still look at. Pos always stands at the start of a character.
struct TSynFoldScanner::TRun {
    TRun(std::string_view Text, TSynTextAllFoldRanges& Ranges, const TFoldAttributeQuery& AttributeAt, int TabWidth)
        : Text(Text), Ranges(Ranges), AttributeAt(AttributeAt), TabWidth(TabWidth)
    {
    }

    std::string_view Text;
    size_t Base = 0;
    TSynTextAllFoldRanges& Ranges;
    const TFoldAttributeQuery& AttributeAt;
    int TabWidth;
    size_t Pos = 0;
    size_t LineStart = 0;  // offset of the first character of line Line
    int Line = 1;
    // Where a look-ahead started its line: the scan may come back there.
    size_t LookAheadFrom = SIZE_MAX;
    // The ranges still open, innermost last, and the regions that opened
    // them.
    std::vector<TSynTextFoldRange*> Open;
    std::vector<const TRegion*> OpenRegions;

    // Where Source's lines go, in the letter case the tokens are compared
    // in; Text shows it.
    AnsiString Held;
    const TFoldTextSource* Source = nullptr;
    bool FoldCase = false;
    TFoldScanStop* Stop = nullptr;
    bool Stopped = false;
    // The skip region of the innermost list the scan starts in, at the
    // start of its first line; -1 when it starts at rest.
    int StartInSkip = -1;
    const TFoldTokenSeek* Seek = nullptr;

    enum TOutcome { oNone, oMoved, oStay };

    char At(size_t P) const { return Text[P - Base]; }
    // The offset just past what was read so far.
    size_t End() const { return Base + Text.size(); }

    // Whether P is inside the text, reading on when it is at the end of
    // what was read so far. Lines come whole with their line break, so
    // nothing that looks within a line ever needs to read on.
    bool Has(size_t P) { return P < End() || ReadOn(P); }

    bool ReadOn(size_t P)
    {
        while (P >= End()) {
            if (!Source)
                return false;
            Forget();
            const size_t read = Held.size();
            const bool more = (*Source)(Held);
            if (more && FoldCase)
                Held.replace(read, AnsiString::npos, UpperCase(std::string_view(Held).substr(read)));
            Text = Held;
            if (!more) {
                Source = nullptr;
                return false;
            }
        }
        return true;
    }

    // Lets go of the text before the current line and before a
    // look-ahead's line, where the scan never looks again; only once that
    // is at least half of what is held, so that each byte moves once at
    // most.
    void Forget()
    {
        const size_t from = std::min(LineStart, LookAheadFrom);
        if (from > Base && 2 * (from - Base) >= Held.size()) {
            Held.erase(0, from - Base);
            Base = from;
            Text = Held;
        }
    }

    // A lead byte counts with its trail byte, never with a line break.
    size_t CharLen(size_t P) const
    {
        return P + 1 < End() && IsDBCSLeadByte(At(P)) && !IsBreak(At(P + 1)) ? 2 : 1;
    }

    void Advance() { Pos += CharLen(Pos); }

    // CR LF, LF CR, a lone CR and a lone LF each end one line.
    void PassBreak()
    {
        const char c = At(Pos);
        ++Pos;
        if (Pos < End() && IsBreak(At(Pos)) && At(Pos) != c)
            ++Pos;
        ++Line;
        LineStart = Pos;
    }

    // Goes on at column Column of line Target, a line the source hands out
    // next, past lines it never handed out.
    void JumpTo(int Target, size_t Column)
    {
        Base = End();
        Held.clear();
        Text = Held;
        Line = Target;
        LineStart = Base;
        ReadOn(Base);
        Pos = Base + Column;
    }

    // The lines from the one after From to the current one started inside
    // what the scan just passed.
    void NoteBusy(int From)
    {
        if (Line > From)
            Ranges.AddBusyLines(From + 1, Line);
    }

    // The first byte decides most comparisons without a call.
    bool StartsWith(const AnsiString& Token, size_t P) const
    {
        return P < End() && !Token.empty() && At(P) == Token[0] && Text.compare(P - Base, Token.size(), Token) == 0;
    }

    bool FirstCharAt(const AnsiString& Token, size_t P) const
    {
        if (P >= End() || Token.empty() || At(P) != Token[0])
            return false;
        const size_t n = CharLengthAt(Token, 0);
        return CharLen(P) == n && Text.compare(P - Base, n, Token, 0, n) == 0;
    }

    // Neither the character before the token nor the one after it is a
    // word character.
    bool WholeWordAt(size_t P, size_t Length) const
    {
        if (P > LineStart) {
            const std::string_view before = Text.substr(LineStart - Base, P - LineStart);
            if (IsWordChar(static_cast<unsigned char>(before[CharStartOf(before, before.size() - 1)])))
                return false;
        }
        return P + Length >= End() || !IsWordChar(static_cast<unsigned char>(At(P + Length)));
    }

    bool TokenAt(const TRegion& Region, const AnsiString& Token, size_t P) const
    {
        const bool oneChar = Region.Type == frtOneChar;
        if (!(oneChar ? FirstCharAt(Token, P) : StartsWith(Token, P)))
            return false;
        return !Region.WholeWords || WholeWordAt(P, oneChar ? CharLengthAt(Token, 0) : Token.size());
    }

    // A one-character token painted as a string, comment or remark.
    bool Painted(size_t P) const
    {
        if (!AttributeAt)
            return false;
        const AnsiString name = LowerCase(AttributeAt(Line, static_cast<int>(P - LineStart) + 1));
        return name.starts_with("string") || name.starts_with("comment") || name.starts_with("remark");
    }

    size_t TokenLength(const TRegion& Region, const AnsiString& Token) const
    {
        return Region.Type == frtOneChar ? CharLengthAt(Token, 0) : Token.size();
    }

    bool PassSkip(const TRegionList& List)
    {
        for (size_t i = 0; i < List.Skips.size(); ++i) {
            if (!StartsWith(List.Skips[i].Open, Pos))
                continue;
            // The longer token opens, as the highlighter takes it: three
            // quotes open a long string, not an empty string and a quote.
            const std::vector<size_t>& longer = List.Skips[i].LongerOpens;
            if (std::any_of(longer.begin(), longer.end(),
                            [&](size_t R) { return TokenAt(List.Regions[R], List.Regions[R].Open, Pos); }))
                return false;
            Pos += List.Skips[i].Open.size();
            FinishSkip(List.Skips[i], i, Line);
            return true;
        }
        return false;
    }

    // Goes on to the end of Skip, the skip region Index of its list, which
    // started on line From; at the start of each line inside it the scan
    // may stop, to go on in it later.
    void FinishSkip(const TSkip& Skip, size_t Index, int From)
    {
        bool closed = Skip.EndsWithLine();  // a line comment ends with the text's last line too
        while (Has(Pos)) {
            // A line end ends a line comment; an escape takes the
            // character after it, a line break too where the region goes on
            // past it.
            if (Skip.EndsWithLine() && IsBreak(At(Pos))) {
                closed = true;
                break;
            }
            if (Skip.Type != srtLineEnd &&
                (Skip.EndsOnCloseChar() ? FirstCharAt(Skip.Close, Pos) : StartsWith(Skip.Close, Pos))) {
                Pos += Skip.EndsOnCloseChar() ? CharLen(Pos) : Skip.Close.size();
                closed = true;
                break;
            }
            if (Skip.EndsOnCloseChar() && Skip.Escape && At(Pos) == Skip.Escape && Has(Pos + 1) &&
                !(Skip.EndsWithLine() && IsBreak(At(Pos + 1))))
                Advance();
            if (!IsBreak(At(Pos))) {
                Advance();
                continue;
            }
            PassBreak();
            if (Stop && Stop->StopAt(Line, Open, static_cast<int>(Index))) {
                Stopped = true;
                break;
            }
        }
        // One the text ends in holds the lines put after the end too: a
        // scan starting on one of them starts inside it.
        if (closed || Stopped)
            NoteBusy(From);
        else
            Ranges.AddBusyLines(From + 1, INT_MAX);
    }

    void Push(TSynTextFoldRange* Range, const TRegion* Region)
    {
        Open.push_back(Range);
        OpenRegions.push_back(Region);
    }

    // Takes the innermost open range off the stack, ending it on line To.
    void PopEndingOn(int To)
    {
        Open.back()->SetRealToLine(To);
        Open.back()->SetClosedAt(Line);
        Open.pop_back();
        OpenRegions.pop_back();
    }

    // Closes the innermost open range above Base whose region closes with
    // Close.
    bool CloseOpen(const AnsiString& Close, size_t Base)
    {
        for (size_t i = Open.size(); i-- > Base;) {
            if (OpenRegions[i]->Close == Close) {
                Open[i]->SetRealToLine(Line);
                Open[i]->SetClosedAt(Line);
                Open.erase(Open.begin() + static_cast<std::ptrdiff_t>(i));
                OpenRegions.erase(OpenRegions.begin() + static_cast<std::ptrdiff_t>(i));
                return true;
            }
        }
        return false;
    }

    TOutcome TryRegions(const TRegionList& List, size_t Base)
    {
        for (size_t i = 0; i < List.Regions.size(); ++i) {
            const TRegion& region = List.Regions[i];
            if (TokenAt(region, region.Open, Pos)) {
                if (region.Type == frtOneChar && Painted(Pos))
                    return oStay;
                OpenRange(region);
                return oMoved;
            }
            if (TokenAt(region, region.Close, Pos)) {
                if (region.Type == frtOneChar && Painted(Pos))
                    return oStay;
                if (CloseOpen(region.Close, Base)) {
                    Pos += TokenLength(region, region.Close);
                    return oMoved;
                }
                // A one-character close is this region's whatever it closes;
                // a token may still close a later region's range.
                if (region.Type == frtOneChar || i + 1 == List.Regions.size())
                    return oNone;
            }
        }
        return oNone;
    }

    void OpenRange(const TRegion& Region)
    {
        TSynTextFoldRange* parent = Open.empty() ? nullptr : Open.back();
        const std::string_view line = Text.substr(LineStart - Base);
        TSynTextFoldRange* range = Ranges.NewRange(Region.Item, Line, Line, parent ? parent->FoldRangeLevel + 1 : 0,
                                                   TSynFoldScanner::IndentLevel(line, TabWidth));
        if (parent)
            parent->SubFoldRanges.Add(range);
        else
            Ranges.Add(range);
        Pos += TokenLength(Region, Region.Open);
        if (Region.AllowNoSubs) {
            range->SetClosedAt(range->RealFromLine());
            FindClose(Region, range);
            return;
        }
        Push(range, &Region);
        if (Region.HasSubRegions)
            Scan(*Region.Subs, &Region, Open.size() - 1);
    }

    // Straight to the close token; without one the range stays one line
    // long and the scan goes on after its open token, having read to the
    // end of the text. A close token past what was read so far, a source
    // that can finds by itself, without handing out the lines before it.
    void FindClose(const TRegion& Region, TSynTextFoldRange* Range)
    {
        const size_t pos = Pos;
        const size_t lineStart = LineStart;
        const int line = Line;
        LookAheadFrom = lineStart;
        const bool seeking = Seek && *Seek && Region.Type != frtOneChar;
        for (;;) {
            if (Pos >= End()) {
                int at = 0;
                size_t column = 0;
                if (!seeking ? !ReadOn(Pos) : !(*Seek)(Region.Close, FoldCase, at, column))
                    break;
                if (seeking)
                    JumpTo(at, column);
            }
            if (IsBreak(At(Pos))) {
                PassBreak();
            } else if (Region.Type == frtOneChar ? FirstCharAt(Region.Close, Pos) && !Painted(Pos)
                                                 : StartsWith(Region.Close, Pos)) {
                Range->SetRealToLine(Line);
                Pos += TokenLength(Region, Region.Close);
                NoteBusy(line);
                LookAheadFrom = SIZE_MAX;
                return;
            } else {
                Advance();
            }
        }
        Ranges.AddBusyLines(line + 1, INT_MAX);
        LookAheadFrom = SIZE_MAX;
        Pos = pos;
        LineStart = lineStart;
        Line = line;
    }

    // The length of Parent's close token at Pos, 0 when it is not there.
    size_t ParentCloseAt(const TRegion& Parent) const
    {
        if (!TokenAt(Parent, Parent.Close, Pos) || (Parent.Type == frtOneChar && Painted(Pos)))
            return 0;
        return TokenLength(Parent, Parent.Close);
    }

    // Scans with the regions of List. Inside a range of Parent (stacked at
    // ParentEntry) the scan ends at Parent's close token; ranges still open
    // inside it end on the line before.
    void Scan(const TRegionList& List, const TRegion* Parent, size_t ParentEntry)
    {
        const size_t base = Parent ? ParentEntry + 1 : 0;
        if (StartInSkip >= 0) {
            const auto skip = static_cast<size_t>(std::exchange(StartInSkip, -1));
            if (skip < List.Skips.size())
                FinishSkip(List.Skips[skip], skip, Line - 1);
            if (Stopped)
                return;
        }
        std::array<bool, 256> stops = List.Stops;
        if (Parent)
            stops[static_cast<unsigned char>(Parent->Close[0])] = true;
        for (;;) {
            Pos = Base + NextStop(Text, Pos - Base, stops);
            if (Pos >= End()) {
                if (!Has(Pos))
                    return;
                continue;
            }
            if (IsBreak(At(Pos))) {
                PassBreak();
                if (Stop && Stop->StopAt(Line, Open, -1)) {
                    Stopped = true;
                    return;
                }
                continue;
            }
            if (PassSkip(List)) {
                if (Stopped)
                    return;
                continue;
            }
            const TOutcome outcome = TryRegions(List, base);
            if (Stopped)
                return;
            if (outcome == oMoved)
                continue;
            if (outcome == oNone && Parent) {
                if (const size_t length = ParentCloseAt(*Parent)) {
                    while (Open.size() > base)
                        PopEndingOn(std::max(Open.back()->RealFromLine(), Line - 1));
                    PopEndingOn(Line);
                    Pos += length;
                    return;
                }
            }
            Advance();
        }
    }

    // Goes on with the scan whose stack holds the open ranges: the scans of
    // the regions with sub-regions stacked from entry From on first, the
    // innermost first, then this one of List.
    void Resume(const TRegionList& List, const TRegion* Parent, size_t ParentEntry, size_t From)
    {
        for (size_t i = From; i < OpenRegions.size(); ++i) {
            if (OpenRegions[i]->HasSubRegions) {
                Resume(*OpenRegions[i]->Subs, OpenRegions[i], i, i + 1);
                break;
            }
        }
        if (!Stopped)
            Scan(List, Parent, ParentEntry);
    }
};

namespace {

// Hands every field of Source the scan reads to Out in a row, each text
// after its length, so that two lists give the same row only when they scan
// alike. Out takes numbers, flags and texts, and answers whether to go on.
template <typename TOut>
bool VisitFields(const TFoldRegions* Source, TOut& Out)
{
    const TSkipRegions* skips = Source->SkipRegions();
    const int skipCount = skips->Count();
    if (!Out.Number(static_cast<size_t>(skipCount)))
        return false;
    for (int i = 0; i < skipCount; ++i) {
        const TSkipRegionItem* item = skips->GetItem(i);
        if (!(Out.Flag(static_cast<char>(item->RegionType)) && Out.Text(item->Open()) && Out.Text(item->Close()) &&
              Out.Text(item->Escape())))
            return false;
    }
    const int count = Source->Count();
    if (!Out.Number(static_cast<size_t>(count)))
        return false;
    for (int i = 0; i < count; ++i) {
        const TFoldRegionItem* item = Source->GetItem(i);
        if (!(Out.Flag(static_cast<char>(item->RegionType)) && Out.Flag(static_cast<char>(item->WholeWords)) &&
              Out.Flag(static_cast<char>(item->AllowNoSubs)) && Out.Text(item->Open()) && Out.Text(item->Close()) &&
              VisitFields(item->SubRegions(), Out)))
            return false;
    }
    return true;
}

// Writes the fields down.
struct TFieldWriter {
    AnsiString& Row;
    bool Number(size_t N)
    {
        Row.append(reinterpret_cast<const char*>(&N), sizeof N);
        return true;
    }
    bool Flag(char C)
    {
        Row += C;
        return true;
    }
    bool Text(const AnsiString& S)
    {
        Number(S.size());
        Row += S;
        return true;
    }
};

// Reads the fields against a row written before, without writing them again,
// up to the first that differs.
struct TFieldReader {
    const char* At;
    const char* End;
    bool Number(size_t N)
    {
        size_t stored = 0;
        if (static_cast<size_t>(End - At) < sizeof stored)
            return false;
        std::memcpy(&stored, At, sizeof stored);
        At += sizeof stored;
        return stored == N;
    }
    bool Flag(char C) { return At != End && *At++ == C; }
    bool Text(const AnsiString& S)
    {
        if (!Number(S.size()) || static_cast<size_t>(End - At) < S.size())
            return false;
        // Tokens are a byte or two long: a loop beats a call.
        for (const char c : S)
            if (*At++ != c)
                return false;
        return true;
    }
};

// A 16-byte vector of the compiler's own: one instruction compares 16 bytes.
using TChunk = unsigned char __attribute__((vector_size(16)));

// The first byte at or after P that Stops marks, Text's size when none is;
// the Count bytes at StopBytes are those it marks. Chunks of Text that hold
// none of them are passed with a comparison for each, fixed at compile time.
template <size_t Count>
size_t FindStopByte(std::string_view Text, size_t P, const unsigned char* StopBytes,
                    const std::array<bool, 256>& Stops)
{
    const size_t size = Text.size();
    const char* const bytes = Text.data();
    if constexpr (Count > 0) {
        std::array<TChunk, Count> stops;
        for (size_t i = 0; i < Count; ++i)
            stops[i] = TChunk{} + StopBytes[i];
        auto marked = [&stops](const char* At) {
            TChunk chunk;
            std::memcpy(&chunk, At, sizeof chunk);
            auto marks = chunk == stops[0];
            for (size_t i = 1; i < Count; ++i)
                marks |= chunk == stops[i];
            return marks;
        };
        auto any = [](const auto& Marks) {
            uint64_t halves[2];
            std::memcpy(halves, &Marks, sizeof halves);
            return (halves[0] | halves[1]) != 0;
        };
        // Two chunks a test while both fit.
        while (size - P >= 2 * sizeof(TChunk) && !any(marked(bytes + P) | marked(bytes + P + sizeof(TChunk))))
            P += 2 * sizeof(TChunk);
        while (size - P >= sizeof(TChunk) && !any(marked(bytes + P)))
            P += sizeof(TChunk);
    } else {
        (void)StopBytes;
    }
    for (; P < size; ++P)
        if (Stops[static_cast<unsigned char>(bytes[P])])
            return P;
    return size;
}

// A search for each number of stop bytes that fits; the one for none
// compares byte by byte, as it does for more than fit.
template <size_t... Counts>
constexpr auto StopByteFinders(std::index_sequence<Counts...>)
{
    return std::array{&FindStopByte<Counts>...};
}

void Compile(TFoldRegions* Source, TSynFoldScanner::TRegionList& Into, bool CaseSensitive,
             std::vector<std::unique_ptr<TSynFoldScanner::TRegionList>>& Store);

}  // namespace

TSynFoldScanner::TSynFoldScanner(TFoldRegions* Regions, bool CaseSensitive, int TabWidth)
    : source_(Regions), caseSensitive_(CaseSensitive), regions_(std::make_unique<TRegionList>()), tabWidth_(TabWidth)
{
    if (Regions) {
        Compile(Regions, *regions_, CaseSensitive, subLists_);
        TFieldWriter writer{sourceFields_};
        VisitFields(Regions, writer);
    }
    lists_.push_back(regions_.get());
    for (const auto& list : subLists_)
        lists_.push_back(list.get());
    auto measure = [this, CaseSensitive](const AnsiString& Token) {
        reach_ = std::max(reach_, Token.size() + 1);
        if (EndsInsideChar(Token))
            tokensWhole_ = false;
        if (!Token.empty())
            signatureStops_[static_cast<unsigned char>(Token[0])] = true;
        // Upper-casing the text changes nothing a token without letters
        // could match.
        if (!CaseSensitive && std::any_of(Token.begin(), Token.end(), [](char C) { return C >= 'A' && C <= 'Z'; }))
            foldCase_ = true;
    };
    for (const TRegionList* list : lists_) {
        for (const TSkip& skip : list->Skips) {
            measure(skip.Open);
            measure(skip.Close);
            if (skip.Escape) {
                signatureStops_[static_cast<unsigned char>(skip.Escape)] = true;
                foldCase_ = foldCase_ || (!CaseSensitive && skip.Escape >= 'A' && skip.Escape <= 'Z');
            }
        }
        for (const TRegion& region : list->Regions) {
            measure(region.Open);
            measure(region.Close);
        }
    }
    size_t count = 0;
    for (int b = 0; b < 256; ++b)
        if (signatureStops_[static_cast<size_t>(b)] && count++ < stopBytes_.size())
            stopBytes_[count - 1] = static_cast<unsigned char>(b);
    static constexpr auto finders =
        StopByteFinders(std::make_index_sequence<std::tuple_size_v<decltype(stopBytes_)> + 1>());
    findStopByte_ = count < finders.size() ? finders[count] : &FindStopByte<0>;
}

TSynFoldScanner::~TSynFoldScanner() = default;

bool TSynFoldScanner::MadeFrom(const TFoldRegions* Regions, bool CaseSensitive, int TabWidth) const
{
    if (Regions != source_ || CaseSensitive != caseSensitive_ || TabWidth != tabWidth_)
        return false;
    if (!Regions)
        return true;
    TFieldReader reader{sourceFields_.data(), sourceFields_.data() + sourceFields_.size()};
    return VisitFields(Regions, reader) && reader.At == reader.End;
}

void TSynFoldScanner::Scan(const AnsiString& Text, TSynTextAllFoldRanges& Ranges)
{
    if (regions_->Regions.empty())
        return;
    // The regions' own tokens stay as the user wrote them: the comparison
    // uses upper-cased copies of both sides.
    const AnsiString upper = foldCase_ ? UpperCase(Text) : AnsiString();
    TRun run(foldCase_ ? upper : Text, Ranges, AttributeAt, tabWidth_);
    run.Scan(*regions_, nullptr, 0);
}

bool TSynFoldScanner::Scan(int FirstLine, const std::vector<TSynTextFoldRange*>& Open, const TFoldTextSource& Source,
                           TSynTextAllFoldRanges& Ranges, TFoldScanStop* Stop, int InSkip, const TFoldTokenSeek* Seek)
{
    if (regions_->Regions.empty())
        return Open.empty();
    TRun run({}, Ranges, AttributeAt, tabWidth_);
    run.Source = &Source;
    run.FoldCase = foldCase_;
    run.Stop = Stop;
    run.Line = FirstLine;
    run.StartInSkip = InSkip;
    run.Seek = Seek;
    for (TSynTextFoldRange* range : Open) {
        const TRegion* found = nullptr;
        for (const TRegionList* list : lists_)
            for (const TRegion& region : list->Regions)
                if (!found && region.Item == range->FoldRegion() && !region.AllowNoSubs)
                    found = &region;
        if (!found)
            return false;
        run.Push(range, found);
    }
    run.Resume(*regions_, nullptr, 0, 0);
    return true;
}

size_t TSynFoldScanner::NextSignatureStop(std::string_view Text, size_t P) const
{
    // P starts a character, and so does every byte after one that is no
    // lead byte. From there each lead byte takes the byte after it (a line
    // break stands alone): a stop byte starts a character when an even
    // number of lead bytes stand before it, and is a trail byte otherwise.
    for (;;) {
        const size_t stop = findStopByte_(Text, P, stopBytes_.data(), signatureStops_);
        if (stop == Text.size())
            return stop;
        size_t start = stop;
        while (start > P && IsDBCSLeadByte(Text[start - 1]))
            --start;
        if ((stop - start) % 2 == 0 || IsBreak(Text[stop]))
            return stop;
        P = stop + 1;
    }
}

bool TSynFoldScanner::KeepsSignature(std::string_view Before, std::string_view After) const
{
    if (AttributeAt || !tokensWhole_ || (Before.size() + 1 != After.size() && After.size() + 1 != Before.size()))
        return false;
    const bool inserted = After.size() > Before.size();
    const std::string_view longer = inserted ? After : Before;
    const std::string_view shorter = inserted ? Before : After;
    const size_t p = static_cast<size_t>(std::mismatch(shorter.begin(), shorter.end(), longer.begin()).first -
                                         shorter.begin());
    if (longer.substr(p + 1) != shorter.substr(p))
        return false;
    const auto stops = [this](char C) {
        const auto b = static_cast<unsigned char>(C);
        return signatureStops_[b] || (foldCase_ && b >= 'a' && b <= 'z' && signatureStops_[b - 'a' + 'A']);
    };
    const char c = longer[p];
    if (stops(c) || IsDBCSLeadByte(c) || IsBreak(c))
        return false;
    // At a character start, not after a lead byte that would take it.
    if (ByteTypeAt(longer, p) == mbTrailByte)
        return false;
    // Not in the indentation, which an opening line's signature holds.
    if (shorter.find_first_not_of(" \t") >= p)
        return false;
    // No token starts within reach, so the distances between tokens stay
    // past what the signature tells and no token gains or loses a
    // neighbouring character.
    const size_t from = p > reach_ ? p - reach_ : 0;
    const size_t to = std::min(shorter.size(), p + reach_);
    return std::none_of(shorter.begin() + static_cast<std::ptrdiff_t>(from),
                        shorter.begin() + static_cast<std::ptrdiff_t>(to), stops);
}

namespace {

// What starts at a character of a line, as its signature tells it: for each
// skip region a letter from 'a' with these bits,
enum : int {
    skOpens = 1,   // its open token
    skCloses = 2,  // its close token
};
// and for each region a letter from 'A' with these.
enum : int {
    rgOpens = 1,         // its open token
    rgOpensAsToken = 2,  // that token where the region takes it (as a whole word, when it asks)
    rgCloses = 4,
    rgClosesAsToken = 8,
    rgPainted = 16,  // a one-character token painted as a string, comment or remark
};

}  // namespace

std::optional<AnsiString> TSynFoldScanner::LineSignature(const AnsiString& Line) const
{
    if (!tokensWhole_)
        return std::nullopt;
    const AnsiString upper = foldCase_ ? UpperCase(Line) : AnsiString();
    const AnsiString& text = foldCase_ ? upper : Line;
    // The signature's run opens no range, so it never writes to these.
    static TSynTextAllFoldRanges unused;
    const TRun run(text, unused, AttributeAt, tabWidth_);
    AnsiString signature;
    AnsiString here;  // one letter per token kind that starts at a stop, with its flags
    bool opens = false;
    std::optional<size_t> previous;  // where the last token started
    for (size_t p = NextSignatureStop(text, 0); p < text.size(); p = NextSignatureStop(text, p + run.CharLen(p))) {
        here.clear();
        bool found = false;  // a token of any kind starts here
        for (const TRegionList* list : lists_) {
            for (const TSkip& skip : list->Skips) {
                int bits = run.StartsWith(skip.Open, p) ? skOpens : 0;
                if (skip.EndsOnCloseChar() ? run.FirstCharAt(skip.Close, p)
                                           : !skip.Close.empty() && run.StartsWith(skip.Close, p))
                    bits |= skCloses;
                here += static_cast<char>('a' + bits);
                found = found || bits != 0;
                // An escape takes the character after it, or the line break.
                if (skip.Escape && text[p] == skip.Escape) {
                    const size_t next = p + run.CharLen(p);
                    found = true;
                    here += '\\';
                    if (next < text.size())
                        here.append(text, next, run.CharLen(next));
                    else
                        here += '\n';
                }
            }
            for (const TRegion& region : list->Regions) {
                const bool oneChar = region.Type == frtOneChar;
                auto raw = [&](const AnsiString& Token) {
                    return oneChar ? run.FirstCharAt(Token, p) : run.StartsWith(Token, p);
                };
                int bits = 0;
                if (raw(region.Open))
                    bits |= rgOpens | (run.TokenAt(region, region.Open, p) ? rgOpensAsToken : 0);
                if (raw(region.Close))
                    bits |= rgCloses | (run.TokenAt(region, region.Close, p) ? rgClosesAsToken : 0);
                if (bits != 0 && oneChar && run.Painted(p))
                    bits |= rgPainted;
                opens = opens || (bits & rgOpens) != 0;
                here += static_cast<char>('A' + bits);
                found = found || bits != 0;
            }
        }
        if (!found)
            continue;
        if (previous)
            signature += std::to_string(std::min(p - *previous, reach_));
        else
            signature += '-';
        signature += ':';
        signature += here;
        signature += ';';
        previous = p;
    }
    if (opens) {
        signature += 'I';
        signature += std::to_string(IndentLevel(text, tabWidth_));
    }
    return signature;
}

int TSynFoldScanner::IndentLevel(std::string_view Line, int TabWidth)
{
    int level = 0;
    int spaces = 0;
    for (const char c : Line) {
        if (c == '\t') {
            ++level;
            spaces = 0;
        } else if (c == ' ') {
            if (++spaces == TabWidth) {
                ++level;
                spaces = 0;
            }
        } else {
            break;
        }
    }
    return level;
}

namespace {

void Compile(TFoldRegions* Source, TSynFoldScanner::TRegionList& Into, bool CaseSensitive,
             std::vector<std::unique_ptr<TSynFoldScanner::TRegionList>>& Store)
{
    auto compared = [CaseSensitive](const AnsiString& S) { return CaseSensitive ? S : UpperCase(S); };
    TSkipRegions* skips = Source->SkipRegions();
    for (int i = 0; i < skips->Count(); ++i) {
        const TSkipRegionItem* item = skips->GetItem(i);
        // An empty token would match everywhere.
        const bool needsClose = item->RegionType != srtLineEnd;
        if (item->Open().empty() || (needsClose && item->Close().empty()) || item->RegionType > srtCloseCharOnLine)
            continue;
        const AnsiString escape = compared(item->Escape());
        Into.Skips.push_back({compared(item->Open()), compared(item->Close()), escape.empty() ? '\0' : escape[0],
                              item->RegionType, {}});
    }
    for (int i = 0; i < Source->Count(); ++i) {
        TFoldRegionItem* item = Source->GetItem(i);
        if ((item->RegionType != frtOneChar && item->RegionType != frtToken) || item->Open().empty() ||
            item->Close().empty())
            continue;
        Store.push_back(std::make_unique<TSynFoldScanner::TRegionList>());
        TSynFoldScanner::TRegionList* subs = Store.back().get();
        Compile(item->SubRegions(), *subs, CaseSensitive, Store);
        Into.Regions.push_back({item, compared(item->Open()), compared(item->Close()), item->RegionType,
                                item->WholeWords, item->AllowNoSubs, item->SubRegions()->Count() > 0, subs});
        const AnsiString& open = Into.Regions.back().Open;
        for (TSkip& skip : Into.Skips)
            if (open.size() > skip.Open.size() && open.compare(0, skip.Open.size(), skip.Open) == 0)
                skip.LongerOpens.push_back(Into.Regions.size() - 1);
    }
    for (const char c : {'\r', '\n'})
        Into.Stops[static_cast<unsigned char>(c)] = true;
    for (const TSkip& skip : Into.Skips)
        Into.Stops[static_cast<unsigned char>(skip.Open[0])] = true;
    for (const TRegion& region : Into.Regions)
        for (const AnsiString* token : {&region.Open, &region.Close})
            Into.Stops[static_cast<unsigned char>((*token)[0])] = true;
}

}  // namespace
