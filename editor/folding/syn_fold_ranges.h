// Fold ranges: the blocks the fold scan found in the text. A collapsed range
// holds its hidden lines (taken out of the editor's buffer) until it is
// expanded again.
#pragma once

#include <bitset>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <unordered_set>
#include <utility>
#include <vector>

#include "editor/document/syn_text_string_list.h"
#include "platform/base/string_list.h"

class TFoldRegionItem;
class TSynFoldLineMap;

// Where line Line (from 1; INT_MAX stays) stands after Count lines were
// inserted before line First (Count > 0) or deleted from it on (Count < 0);
// a deleted line moves to the first line after the deletion.
int FollowLine(int Line, int First, int Count);
class TSynTextAllFoldRanges;
class TSynTextFoldRange;

// A list of ranges that it does not own. Every range holds one (of the
// ranges inside it), most of them empty or short: so it takes one word,
// the one range it holds, or the address of a pair of ranges or of a block
// with the counts and the items.
class TSynTextFoldRanges {
public:
    TSynTextFoldRanges() = default;
    ~TSynTextFoldRanges() { FreeItems(); }
    TSynTextFoldRanges(const TSynTextFoldRanges&) = delete;
    TSynTextFoldRanges& operator=(const TSynTextFoldRanges&) = delete;

    int Count() const { return Kind() == kBlock ? Block()->Count : Kind() == kPair ? 2 : held_ ? 1 : 0; }
    TSynTextFoldRange* Ranges(int Index) const { return Items()[Index]; }
    int Add(TSynTextFoldRange* Range);
    void Insert(int Index, TSynTextFoldRange* Range);
    // Takes Range out of the list (not out of any other list); false when it
    // was not in it.
    bool Remove(TSynTextFoldRange* Range);
    void Clear() { Truncate(0); }
    // Drops the ranges from Index on.
    void Truncate(int Index) { Splice(Index, Count() - Index, nullptr, 0); }
    // In a list that goes by first lines, the index of the first range
    // starting on real line Line or below (Count when none does).
    int FirstFrom(int Line) const;
    // Takes the ranges from Index on out of the list, in order.
    std::vector<TSynTextFoldRange*> TakeFrom(int Index);
    // Appends the ranges of Source from index From on.
    void AppendFrom(const std::vector<TSynTextFoldRange*>& Source, size_t From);
    void AppendFrom(const TSynTextFoldRanges& Source, int From)
    {
        Splice(Count(), 0, Source.Items() + From, Source.Count() - From);
    }
    // Puts By's ranges in the place of Count ranges from Index.
    void Replace(int Index, int Count, const TSynTextFoldRanges& By) { Splice(Index, Count, By.Items(), By.Count()); }
    // Gives back the room a long list grew beyond its ranges.
    void ShrinkToFit();

private:
    // Puts the Count ranges at From (not in this list) in the place of
    // Erase ranges from Index.
    void Splice(int Index, int Erase, TSynTextFoldRange* const* From, int Count);
    // Frees the pair or the block; the list is then not to be read.
    void FreeItems();

    // The items follow it: Capacity of them, the first Count in use
    // (3 <= Count <= Capacity).
    struct TBlock {
        int Count;
        int Capacity;
    };
    // Ranges, pairs and blocks lie at addresses that are multiples of four:
    // a pair (the most usual after one) is held by its address plus kPair,
    // a block by its address plus kBlock.
    static constexpr uintptr_t kBlock = 1;
    static constexpr uintptr_t kPair = 2;
    static constexpr uintptr_t kTags = 3;
    uintptr_t Kind() const { return reinterpret_cast<uintptr_t>(held_) & kTags; }
    TBlock* Block() const { return reinterpret_cast<TBlock*>(reinterpret_cast<uintptr_t>(held_) - kBlock); }
    static TSynTextFoldRange** ItemsOf(TBlock* Block) { return reinterpret_cast<TSynTextFoldRange**>(Block + 1); }
    // A block with room for Capacity ranges, from the heap.
    static TBlock* NewBlock(int Capacity);
    // Holds Block from now on.
    void HoldBlock(TBlock* Block)
    {
        held_ = reinterpret_cast<TSynTextFoldRange*>(reinterpret_cast<uintptr_t>(Block) + kBlock);
    }
    TSynTextFoldRange* const* Items() const
    {
        switch (Kind()) {
        case kBlock:
            return ItemsOf(Block());
        case kPair:
            return reinterpret_cast<TSynTextFoldRange* const*>(reinterpret_cast<uintptr_t>(held_) - kPair);
        default:
            return &held_;
        }
    }

    // Null while the list is empty, the range while it holds one, the pair
    // or the block (tagged) while it holds more.
    TSynTextFoldRange* held_ = nullptr;
};

// A range keeps its lines as real lines: numbers in the text with every
// collapsed block expanded, which collapsing and expanding never change.
// What the buffer shows of them (FromLine, ToLine) is worked out by the
// list from the collapsed blocks in view.
// A long text has hundreds of thousands of ranges, few of them collapsed:
// what only a collapsed range needs lives apart (TCollapsedData), made by
// the collapse and freed by the expansion.
class TSynTextFoldRange {
public:
    TSynTextFoldRange(TSynTextAllFoldRanges* All, TFoldRegionItem* FoldRegion, int FromLine, int ToLine,
                      int FoldRangeLevel, int Indent);
    TSynTextFoldRange(const TSynTextFoldRange&) = delete;
    TSynTextFoldRange& operator=(const TSynTextFoldRange&) = delete;
    // Ranges come from slabs of their own (TSynSlotPool): no heap header
    // and rounding for each of a long text's ranges.
    static void* operator new(size_t Size);
    static void operator delete(void* Range);
    // Makes the range what the constructor with these values makes.
    void Reset(TSynTextAllFoldRanges* All, TFoldRegionItem* FoldRegion, int FromLine, int ToLine,
               int FoldRangeLevel, int Indent);

    // The real lines; lines inserted or deleted reach a range when it is
    // next read (TSynTextAllFoldRanges keeps them until then).
    int RealFromLine() const;
    int RealToLine() const;
    // The real line on which the scan took the range off its stack of open
    // ranges (its close token's, or its parent's); INT_MAX while it never
    // did. A range that looked ahead for its close was never on the stack:
    // its first line. Open at the start of line L: FromLine < L <= ClosedAt.
    int ClosedAt() const;
    void SetRealFromLine(int Line);
    void SetRealToLine(int Line);
    void SetClosedAt(int Line);

    // The lines as the buffer shows them. A range in view that is not
    // collapsed counts in the buffer's lines (a real line a collapsed block
    // hides counts as that block's first line); a collapsed range in view,
    // and a range it hides, counts in the lines of the text with that block
    // expanded where it stands.
    int FromLine() const;
    int ToLine() const;
    // The line the range's block ends on in view: its last line, or for a
    // collapsed range its first line, or the line after it when its last
    // line stays in view.
    int LastLineInView() const;
    // One less than the lines the collapse took out of the buffer; 0 while
    // expanded.
    int LinesCollapsed() const { return CollapsedData() ? CollapsedData()->Lines.Count() - 1 : 0; }

    // A long text has hundreds of thousands of ranges: what follows is
    // packed into 32 bytes, beside the sub-range list and one word for the
    // region or the collapsed data.
private:
    // The real lines as of the shift numbered shiftStamp_ of the list's
    // (kDetached: of no list, so no shift reaches them).
    mutable int fromLine_;
    mutable int toLine_;
    mutable int closedAt_ = INT_MAX;
    mutable uint32_t shiftStamp_;
    // Brings the lines up to the shifts of the list.
    void CatchUp() const;

public:
    int FoldRangeLevel;    // 0 for outermost ranges; a sub-range is one deeper than its parent
    int CollapsedBy = -1;  // level of the nearest collapsed range around this one; -1 none

private:
    // AllFoldRanges by its number (TSynTextAllFoldRanges::Registered).
    uint32_t listId_;

public:
    // Indentation level of the first line; a deeper one counts as the
    // deepest this holds.
    uint16_t Indent;
    static constexpr int kDeepestIndent = UINT16_MAX;

private:
    // Which of the endings the ranges show (Ending): few regions add one.
    uint16_t ending_ : 14 = 0;

public:
    bool Collapsed : 1 = false;
    bool ParentCollapsed : 1 = false;  // set exactly on the ranges inside a collapsed one
    static constexpr int kMostEndings = (1 << 14) - 1;
    static constexpr uint32_t kDetached = UINT32_MAX;

    TSynTextFoldRanges SubFoldRanges;
    // The list the range was made for or last taken into; null for a
    // range made for none.
    TSynTextAllFoldRanges* AllFoldRanges() const;
    // The region that produced the range; the regions may change after the
    // scan, so nothing reads it back but its identity.
    TFoldRegionItem* FoldRegion() const
    {
        const TCollapsedData* data = CollapsedData();
        return data ? data->Region : reinterpret_cast<TFoldRegionItem*>(regionOrData_);
    }

    // What a collapsed range holds besides; a range that is not collapsed
    // has none.
    struct TCollapsedData {
        TStringList Lines;  // the hidden lines, last line first
        std::bitset<256> Bytes;  // every byte value Lines hold, and no other
        std::vector<TSynLineState> States;  // the states of Lines, same order
        // What the collapse appended to the first line; taken off again only
        // while the line still ends with it.
        AnsiString Suffix;
        int HintMarkLeft = 0;  // pixel x of the collapse mark, set by painting
        TFoldRegionItem* Region = nullptr;  // the range's, while it has these
    };
    // Null while the range is not collapsed.
    const TCollapsedData* CollapsedData() const
    {
        return regionOrData_ & kDataTag ? reinterpret_cast<const TCollapsedData*>(regionOrData_ - kDataTag) : nullptr;
    }
    TCollapsedData* CollapsedData()
    {
        return regionOrData_ & kDataTag ? reinterpret_cast<TCollapsedData*>(regionOrData_ - kDataTag) : nullptr;
    }
    // The collapsed data, made empty when there is none.
    TCollapsedData& MakeCollapsedData();
    void DropCollapsedData();
    ~TSynTextFoldRange() { DropCollapsedData(); }

    // The hidden lines while collapsed, last line first; empty otherwise.
    const TStringList& CollapsedLines() const;
    int CollapsedLineCount() const { return CollapsedData() ? CollapsedData()->Lines.Count() : 0; }
    // What the collapse appended to the first line; empty while expanded.
    const AnsiString& CollapsedSuffix() const;
    // The first line Line as the text has it: without the collapse mark
    // when it still ends with it.
    AnsiString WithoutCollapseMark(const AnsiString& Line) const;
    // Pixel x of the collapse mark of a collapsed range, set by painting;
    // 0 until painted.
    int HintMarkLeft() const { return CollapsedData() ? CollapsedData()->HintMarkLeft : 0; }
    // What a collapse shows after the first line besides five spaces: the
    // close token in lower case for a region with AddEnding, else nothing.
    const AnsiString& Ending() const;

private:
    friend class TSynTextAllFoldRanges;

    // The region, or, marked by its lowest bit, the collapsed data that
    // holds it: few ranges are collapsed, and every range needs a region.
    static constexpr uintptr_t kDataTag = 1;
    uintptr_t regionOrData_ = 0;
};

// Every range of a document, owned here; the inherited list holds the
// outermost ranges. The flat list keeps document order: a range comes after
// the ranges that open before it, so real first lines never go down along
// it, and the ranges inside a collapsed range follow it.
class TSynTextAllFoldRanges : public TSynTextFoldRanges {
public:
    TSynTextAllFoldRanges();
    ~TSynTextAllFoldRanges();

    // A list has a number while it lives, which its ranges keep in place of
    // a pointer to it; 0 stands for no list.
    uint32_t Id() const { return id_; }
    static TSynTextAllFoldRanges* Registered(uint32_t Id) { return Slot(Id); }

    int AllCount() const { return static_cast<int>(all_.size()); }
    TSynTextFoldRange* AllRanges(int Index) const { return all_[static_cast<size_t>(Index)]; }
    // Appends a new range with these values (real lines) to the flat list,
    // made from a range a rescan replaced when one is at hand.
    TSynTextFoldRange* NewRange(TFoldRegionItem* FoldRegion, int FromLine, int ToLine, int FoldRangeLevel, int Indent);
    // Takes the range out of the flat list and hands it to the caller.
    std::unique_ptr<TSynTextFoldRange> Delete(int Index);
    // Frees every range and empties both lists.
    void ClearAll();
    // Gives back the room the lists grew beyond their ranges, when it is
    // more than an eighth of them: for when a scan is done.
    void ShrinkToFit();
    // A deep copy of Source's tree: new ranges with the same lines, levels,
    // flags, collapsed lines and region.
    void Assign(const TSynTextAllFoldRanges& Source);
    bool HasCollapsed() const { return !collapsed_.empty(); }
    // Frees every range that is neither collapsed nor inside a collapsed one
    // and empties the outermost list: what a scan of the whole text starts
    // from, which finds the collapsed ones again in their places.
    void KeepCollapsedOnly();

    // --- Collapsing and expanding in Lines, the buffer the ranges are of ---
    // Takes Range's lines out of Lines; answers how many (0: nothing to hide).
    int Collapse(TSynTextStringList* Lines, TSynTextFoldRange* Range);
    // Puts a visible collapsed range's lines back after its first line;
    // answers how many.
    int Expand(TSynTextStringList* Lines, TSynTextFoldRange* Range);
    // Expands every collapsed range, however deep.
    void ExpandAll(TSynTextStringList* Lines);
    // A copy of Lines with every range expanded; Lines and the ranges stay.
    std::unique_ptr<TSynTextStringList> ExpandedCopy(TSynTextStringList* Lines) const;
    // A collapsed range a scan handed back (TSynFoldResume::Splice), out of
    // the list but holding its hidden lines: puts them back after its first
    // line; answers that line in the buffer and how many came.
    std::pair<int, int> GiveBack(TSynTextStringList* Lines, TSynTextFoldRange& Range);
    // Calls Visit with each line of a collapsed Range whose first line in
    // the buffer is FirstLine, in the order of the text: the first line
    // without the collapse marks, then the hidden lines, those of the
    // collapsed ranges inside it in their places. The text expanding would
    // give back.
    void ForEachLineOf(const TSynTextFoldRange* Range, const AnsiString& FirstLine,
                       const std::function<void(const AnsiString&)>& Visit) const;
    // The first line Line of a collapsed Range as the text has it: without
    // the marks of Range and of the collapsed ranges inside it that start
    // on that line (they follow its text, the innermost's first).
    static AnsiString FirstLineText(const TSynTextFoldRange* Range, AnsiString Line);

    // --- Following the buffer ---
    // Count lines were inserted before buffer line FirstLine.
    void LinesInserted(int FirstLine, int Count);
    // Buffer lines FirstLine .. FirstLine + Count - 1 were deleted from
    // Lines. A collapsed range whose first line went gives its hidden lines
    // back in their place, so that no text is lost.
    void LinesDeleted(TSynTextStringList* Lines, int FirstLine, int Count);

    // Lines inserted or deleted move the ranges below them: the list keeps
    // each such shift, in real lines, and a range takes the shifts when its
    // lines are next read, so that an edit near the top of a long text does
    // not wait on a walk over every range.
    struct TKeptShift {
        int FirstLine;
        int Count;  // inserted before FirstLine (> 0) or deleted from it on (< 0)
        int At;     // a deletion: the line a range starting among the deleted lines moves to
    };
    // Moves the lines of a range.
    static void Shift(const TKeptShift& By, int& FromLine, int& ToLine, int& ClosedAt);
    // Range's lines taken through every shift kept since it last read them.
    void CatchUp(const TSynTextFoldRange& Range) const;
    // Shifts kept that some range may not have taken yet.
    int PendingShifts() const { return static_cast<int>(shifts_.size()); }
    // Every range takes the kept shifts, which are then forgotten.
    void SettleShifts();
    // The same in parts: up to Most ranges take the shifts each call, going
    // on from where the last call ended unless the ranges changed since;
    // true once every range took every shift (they are forgotten then).
    bool SettleSomeShifts(size_t Most);
    // Range, made for another list or for none, is of this one from now on,
    // its lines as they stand.
    void Adopt(TSynTextFoldRange* Range);

    // --- Buffer lines and real lines ---
    // The real line of buffer line Line: Line and the lines the collapsed
    // ranges in view above it hide.
    int RealLineNumber(int Line) const { return Line + HiddenAbove(Line); }
    // The lines the collapsed ranges in view that start above buffer line
    // Line hide.
    int HiddenAbove(int Line) const;
    // The buffer line showing real line Line; a hidden line shows as the
    // first line of the collapsed range in view hiding it.
    int BufferLineOf(int Line) const;
    // The last real line of buffer line Line: the line itself, or the last
    // line a collapsed range starting there hides.
    int LastRealLineOf(int Line) const;
    // The buffer lines hidden by Range and by the collapsed ranges inside it.
    int HiddenLineCount(const TSynTextFoldRange* Range) const;
    // The collapsed range in view whose range holds real line Line past its
    // first line, to its last line or the line the scan closed it on; null
    // when none does.
    TSynTextFoldRange* CollapsedSpanning(int Line) const;

    // --- The ranges in view, by buffer lines ---
    // The ranges in view (not hidden by a collapsed one) that hold Line,
    // in the order of the flat list: FromLine <= Line <= ToLine, where a
    // collapsed range ends on the line its block ends on in view.
    std::vector<TSynTextFoldRange*> Holding(int Line) const;
    // The index in the flat list of the first range in view that starts on
    // Line or below (AllCount when none does).
    size_t FirstInViewFrom(int Line) const;
    // The first range in view of the flat list that starts on Line, null
    // when none does.
    TSynTextFoldRange* FirstStartingAt(int Line) const;
    // The same for a range that ends on Line; a collapsed range ends
    // nowhere in view.
    TSynTextFoldRange* FirstEndingAt(int Line) const;
    // The index in the flat list of the first range starting on real line
    // Line or below.
    size_t FirstFromReal(int Line) const;

    // What the painting of some lines needs of a range in view.
    struct TEntry {
        int FromLine;
        int ToLine;
        int FoldRangeLevel;
        int Hidden;  // HiddenLineCount of a collapsed range in view; 0 for the others
        bool Collapsed;
        TSynTextFoldRange* Range;
    };
    // The entries of the ranges in view that reach into lines First ..
    // Last, in the order of the flat list, found from those ranges alone.
    std::vector<TEntry> EntriesReaching(int First, int Last) const;
    // Whether a collapsed range in view starts on Line; answered from the
    // collapsed ranges alone, so a line's edit asks it without a pass over
    // every range.
    bool CollapsedStartsAt(int Line) const { return CollapsedIn(Line, Line) != nullptr; }
    // The first collapsed range in view that starts on a line from First to
    // Last; null when there is none.
    TSynTextFoldRange* CollapsedIn(int First, int Last) const;
    // The first collapsed range in view that starts on Line or below, with
    // its first line and the lines it hides (HiddenLineCount); null when
    // there is none.
    TSynTextFoldRange* NextCollapsed(int Line, int& Head, int& Hidden) const;

    // --- What a scan of part of the text starts from ---
    // Real lines whose start the scan passed inside a skip region or while
    // looking ahead for a close token, or whose range looked ahead to the
    // end in vain (to the last line); the scan cannot start there. Kept
    // merged and ascending; they follow inserted and deleted lines.
    struct TLineSpan {
        int First;
        int Last;
    };
    // Called by the scan in ascending order.
    void AddBusyLines(int First, int Last);
    // A scan from line From found Found: the spans starting on From or
    // above stay, those from KeepFrom on too (INT_MAX: none), and Found
    // takes the place of those between.
    void ReplaceBusyLines(int From, int KeepFrom, const std::vector<TLineSpan>& Found);
    // The busy span that holds Line, null when Line is not busy.
    const TLineSpan* BusySpanAt(int Line) const;
    bool BusyAt(int Line) const { return BusySpanAt(Line) != nullptr; }
    // Whether the ranges, ClosedAt and the busy lines are what the scan
    // left, moved with the buffer's lines since: a copy loses that, and
    // only a scan of the whole text into an empty list sets it.
    bool ScanResumable() const { return resumable_; }
    void SetScanResumable(bool Value) { resumable_ = Value; }

    // Goes up with every change to the ranges, so that what is worked out
    // from them can be kept until they change.
    unsigned Generation() const { return generation_; }

    // While painting, a map of the painted lines answers the editor's
    // questions about them (null otherwise).
    const TSynFoldLineMap* LineMap() const { return lineMap_; }
    void SetLineMap(const TSynFoldLineMap* Map) { lineMap_ = Map; }

private:
    friend class TSynFoldResume;
    friend class TSynTextFoldRange;

    // Range's value Line as FromLine and ToLine answer it.
    int ShownLine(const TSynTextFoldRange& Range, int Line) const;
    // The index in the collapsed ranges in view of the one whose range
    // holds the hidden range Range.
    size_t CollapsedHolding(const TSynTextFoldRange& Range) const;
    // The busy lines follow a shift.
    void MoveScanMarks(const TKeptShift& By);
    void Changed() { ++generation_; }
    // Makes the index of the collapsed ranges in view when a change
    // outdated it.
    void IndexCollapsedInView() const;
    // The lines hidden above each entry of the index, when a change
    // outdated them.
    void SumHiddenInView() const;
    // The index in collapsedInView_ of the first range starting on real
    // line Line or below.
    size_t CollapsedInViewFrom(int Line) const;
    // The same for buffer line Line.
    size_t CollapsedInViewFromShown(int Line) const;
    // Range is collapsed from now on, or no longer, but for the collapse
    // and the expansion in view, which keep the index up to date.
    void CountCollapsed(TSynTextFoldRange* Range);
    void UncountCollapsed(TSynTextFoldRange* Range);
    // The same for Ranges at once: those in view leave the index where they
    // stand, without it being made anew.
    void UncountCollapsed(const std::vector<TSynTextFoldRange*>& Ranges);
    // The index after Range collapsed in view, taking in the collapsed
    // ranges in view it now hides; and after it was expanded, giving way
    // to the collapsed ranges it hid.
    void IndexCollapse(TSynTextFoldRange* Range);
    void IndexExpansion(TSynTextFoldRange* Range);
    // Puts a collapsed range's lines back after its first line, Head in the
    // buffer; answers how many.
    int Restore(TSynTextStringList* Lines, TSynTextFoldRange* Range, int Head, bool CutSuffix);
    // The collapsed ranges inside Range that no other collapsed range inside
    // it hides, in the order of the text.
    static std::vector<TSynTextFoldRange*> CollapsedJustInside(const TSynTextFoldRange* Range);
    // Marks the ranges inside Range as hidden, by the collapsed range of
    // level Level around them, or by Range when it is collapsed, and those
    // inside a collapsed one among them by that one; Range's own flags stay
    // as they are.
    static void HideInside(TSynTextFoldRange* Range, int Level);
    // Shows the ranges inside Range but those inside a collapsed one.
    static void ShowInside(TSynTextFoldRange* Range);
    // To, which a scan found where the collapsed range From stood, is
    // collapsed in its place from now on, holding its hidden lines.
    void MoveCollapse(TSynTextFoldRange* From, TSynTextFoldRange* To);

    // Keeps a shift for the ranges to take; they all take it at once when
    // too many are kept, so that reading a range stays cheap.
    void KeepShift(const TKeptShift& By);
    // A range given up by the list: no later shift reaches it.
    static void Detach(TSynTextFoldRange* Range);

    // The lists by number, in chunks made as needed and never freed (a
    // list may go during the program's exit); number 0 stays null.
    static constexpr int kChunkBits = 10;
    static constexpr uint32_t kChunkSize = 1u << kChunkBits;
    static constexpr uint32_t kMostChunks = 4096;
    inline static TSynTextAllFoldRanges* firstChunk_[kChunkSize] = {};
    inline static TSynTextAllFoldRanges** chunks_[kMostChunks] = {firstChunk_};
    // Where the list numbered Id is kept; its chunk must exist.
    static TSynTextAllFoldRanges*& Slot(uint32_t Id) { return chunks_[Id >> kChunkBits][Id & (kChunkSize - 1)]; }
    static uint32_t Register(TSynTextAllFoldRanges* List);
    const uint32_t id_;

    // Owned, freed by hand: plain pointers let an edit near the top of a
    // long text move the ranges below it in one block copy.
    std::vector<TSynTextFoldRange*> all_;
    // Ranges a rescan replaced, kept for the ranges the next one finds.
    std::vector<std::unique_ptr<TSynTextFoldRange>> spare_;
    std::vector<TLineSpan> busy_;
    // The shifts not yet taken by every range, numbered up to shiftsDone_
    // (the count of shifts ever kept); a range's stamp is the number of
    // those it has taken.
    std::vector<TKeptShift> shifts_;
    uint32_t shiftsDone_ = 0;
    // How far SettleSomeShifts came in the flat list, and the generation
    // it started with.
    size_t settledUpTo_ = 0;
    unsigned settleGeneration_ = 0;
    bool resumable_ = false;
    // The ranges of all_ with Collapsed set: few, most times, so questions
    // about them need no pass over every range.
    std::unordered_set<TSynTextFoldRange*> collapsed_;
    const TSynFoldLineMap* lineMap_ = nullptr;
    // The collapsed ranges in view by first lines, which the shifts keep
    // in order; a collapse or an expansion in view changes a few in place.
    mutable std::vector<TSynTextFoldRange*> collapsedInView_;
    mutable std::vector<int> hiddenEach_;  // the lines each of those hides (HiddenLineCount)
    mutable std::vector<int> collapsedHidden_;  // per entry and one past the end, the lines hidden above it
    mutable bool inViewValid_ = false;  // the two lists above hold the collapsed ranges in view
    mutable bool hiddenSumsValid_ = false;  // collapsedHidden_ adds up hiddenEach_
    // Where the last searches by line ended: a walk down the text asks
    // about each next line, and a guess that checks out takes no search.
    mutable size_t lastFromReal_ = 0;
    mutable size_t lastInViewFromShown_ = 0;
    unsigned generation_ = 0;
};

inline TSynTextAllFoldRanges* TSynTextFoldRange::AllFoldRanges() const
{
    return TSynTextAllFoldRanges::Registered(listId_);
}
inline void TSynTextFoldRange::CatchUp() const
{
    if (shiftStamp_ != kDetached) {
        const TSynTextAllFoldRanges* list = AllFoldRanges();
        if (shiftStamp_ != list->shiftsDone_)
            list->CatchUp(*this);
    }
}
inline int TSynTextFoldRange::RealFromLine() const
{
    CatchUp();
    return fromLine_;
}
inline int TSynTextFoldRange::RealToLine() const
{
    CatchUp();
    return toLine_;
}
inline int TSynTextFoldRange::ClosedAt() const
{
    CatchUp();
    return closedAt_;
}
inline void TSynTextFoldRange::SetRealFromLine(int Line)
{
    CatchUp();
    fromLine_ = Line;
}
inline void TSynTextFoldRange::SetRealToLine(int Line)
{
    CatchUp();
    toLine_ = Line;
}
inline void TSynTextFoldRange::SetClosedAt(int Line)
{
    CatchUp();
    closedAt_ = Line;
}
inline int TSynTextFoldRange::FromLine() const
{
    const TSynTextAllFoldRanges* list = AllFoldRanges();
    return list && list->HasCollapsed() ? list->ShownLine(*this, RealFromLine()) : RealFromLine();
}
inline int TSynTextFoldRange::ToLine() const
{
    const TSynTextAllFoldRanges* list = AllFoldRanges();
    return list && list->HasCollapsed() ? list->ShownLine(*this, RealToLine()) : RealToLine();
}
