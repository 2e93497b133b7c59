#include "editor/folding/syn_fold_ranges.h"

#include <algorithm>
#include <climits>
#include <deque>
#include <new>
#include <stdexcept>
#include <unordered_map>

#include "editor/folding/fold_regions.h"
#include "editor/folding/syn_slot_pool.h"
#include "platform/base/code_page.h"

// --- The slabs of the ranges and of the lists' blocks of two ---

namespace {

constexpr size_t kSlabBytes = 65536;

constexpr size_t BlockBytes(int Capacity)
{
    return 2 * sizeof(int) + static_cast<size_t>(Capacity) * sizeof(TSynTextFoldRange*);
}

// The pools are never destroyed: a range or a list may be freed during the
// program's exit, after the static objects.
TSynSlotPool& RangePool()
{
    static TSynSlotPool& pool = *new TSynSlotPool(sizeof(TSynTextFoldRange), kSlabBytes / sizeof(TSynTextFoldRange));
    return pool;
}

constexpr size_t kPairBytes = 2 * sizeof(TSynTextFoldRange*);

TSynSlotPool& PairPool()
{
    static TSynSlotPool& pool = *new TSynSlotPool(kPairBytes, kSlabBytes / kPairBytes);
    return pool;
}

}  // namespace

// --- TSynTextFoldRanges ---

TSynTextFoldRanges::TBlock* TSynTextFoldRanges::NewBlock(int Capacity)
{
    auto* block = static_cast<TBlock*>(::operator new(BlockBytes(Capacity)));
    block->Capacity = Capacity;
    return block;
}

void TSynTextFoldRanges::FreeItems()
{
    if (Kind() == kBlock)
        ::operator delete(Block());
    else if (Kind() == kPair)
        PairPool().Free(const_cast<TSynTextFoldRange**>(Items()));
}

void TSynTextFoldRanges::Splice(int Index, int Erase, TSynTextFoldRange* const* From, int Count)
{
    TSynTextFoldRange* const* items = Items();
    const int count = this->Count();
    const int size = count - Erase + Count;
    if (size <= 2) {
        // What stays fits in the word or in a pair.
        TSynTextFoldRange* kept[2] = {nullptr, nullptr};
        std::copy(items, items + Index, kept);
        std::copy(From, From + Count, kept + Index);
        std::copy(items + Index + Erase, items + count, kept + Index + Count);
        if (size == 2 && Kind() == kPair) {
            std::copy(kept, kept + 2, const_cast<TSynTextFoldRange**>(items));
            return;
        }
        FreeItems();
        held_ = kept[0];
        if (size == 2) {
            auto* pair = static_cast<TSynTextFoldRange**>(PairPool().Allocate());
            std::copy(kept, kept + 2, pair);
            held_ = reinterpret_cast<TSynTextFoldRange*>(reinterpret_cast<uintptr_t>(pair) + kPair);
        }
        return;
    }
    TBlock* block = Kind() == kBlock ? Block() : nullptr;
    if (!block || size > block->Capacity) {
        // Doubling from four: a long list grows in few copies.
        TBlock* grown = NewBlock(std::max(size, block ? block->Capacity * 2 : 4));
        std::copy(items, items + Index, ItemsOf(grown));
        std::copy(items + Index + Erase, items + count, ItemsOf(grown) + Index + Count);
        FreeItems();
        block = grown;
        HoldBlock(block);
    } else if (Count < Erase) {
        std::copy(items + Index + Erase, items + count, ItemsOf(block) + Index + Count);
    } else if (Count > Erase) {
        std::copy_backward(items + Index + Erase, items + count, ItemsOf(block) + size);
    }
    std::copy(From, From + Count, ItemsOf(block) + Index);
    block->Count = size;
}

void TSynTextFoldRanges::ShrinkToFit()
{
    // Room for an eighth more stays: a list that just grew keeps its room.
    if (Kind() != kBlock || Block()->Capacity - Block()->Count <= Block()->Count / 8)
        return;
    const int count = Block()->Count;
    TBlock* fitted = NewBlock(count);
    fitted->Count = count;
    std::copy(ItemsOf(Block()), ItemsOf(Block()) + count, ItemsOf(fitted));
    FreeItems();
    HoldBlock(fitted);
}

int TSynTextFoldRanges::Add(TSynTextFoldRange* Range)
{
    Splice(Count(), 0, &Range, 1);
    return Count() - 1;
}

void TSynTextFoldRanges::Insert(int Index, TSynTextFoldRange* Range) { Splice(std::clamp(Index, 0, Count()), 0, &Range, 1); }

int TSynTextFoldRanges::FirstFrom(int Line) const
{
    TSynTextFoldRange* const* items = Items();
    return static_cast<int>(std::lower_bound(items, items + Count(), Line,
                                             [](const TSynTextFoldRange* Range, int L) { return Range->RealFromLine() < L; }) -
                            items);
}

std::vector<TSynTextFoldRange*> TSynTextFoldRanges::TakeFrom(int Index)
{
    std::vector<TSynTextFoldRange*> tail(Items() + Index, Items() + Count());
    Truncate(Index);
    return tail;
}

void TSynTextFoldRanges::AppendFrom(const std::vector<TSynTextFoldRange*>& Source, size_t From)
{
    Splice(Count(), 0, Source.data() + From, static_cast<int>(Source.size() - From));
}

bool TSynTextFoldRanges::Remove(TSynTextFoldRange* Range)
{
    TSynTextFoldRange* const* items = Items();
    const auto at = std::find(items, items + Count(), Range);
    if (at == items + Count())
        return false;
    Splice(static_cast<int>(at - items), 1, nullptr, 0);
    return true;
}

// --- TSynTextFoldRange ---

// What a long text's ranges cost is mostly this.
static_assert(sizeof(void*) != 8 || sizeof(TSynTextFoldRange) == 48);

namespace {

// The endings the ranges show, each once; the first is none. Ranges
// outlive the regions that made them, and there are few endings.
std::deque<AnsiString>& Endings()
{
    static std::deque<AnsiString> endings{AnsiString()};
    return endings;
}

uint16_t EndingIndex(const AnsiString& Ending)
{
    if (Ending.empty())
        return 0;
    std::deque<AnsiString>& endings = Endings();
    const auto found = std::find(endings.begin(), endings.end(), Ending);
    if (found != endings.end())
        return static_cast<uint16_t>(found - endings.begin());
    if (endings.size() > TSynTextFoldRange::kMostEndings)
        return 0;  // past any scheme's count of regions: shown without
    endings.push_back(Ending);
    return static_cast<uint16_t>(endings.size() - 1);
}

}  // namespace

void* TSynTextFoldRange::operator new(size_t Size)
{
    // A class made from it would not fit in a slot.
    if (Size != sizeof(TSynTextFoldRange))
        throw std::bad_alloc();
    return RangePool().Allocate();
}

void TSynTextFoldRange::operator delete(void* Range) { RangePool().Free(Range); }

TSynTextFoldRange::TSynTextFoldRange(TSynTextAllFoldRanges* All, TFoldRegionItem* FoldRegion, int FromLine, int ToLine,
                                     int FoldRangeLevel, int Indent)
{
    Reset(All, FoldRegion, FromLine, ToLine, FoldRangeLevel, Indent);
}

void TSynTextFoldRange::Reset(TSynTextAllFoldRanges* All, TFoldRegionItem* Region, int From, int To, int Level,
                              int IndentLevel)
{
    fromLine_ = From;
    toLine_ = To;
    closedAt_ = INT_MAX;
    shiftStamp_ = All ? All->shiftsDone_ : kDetached;
    Indent = static_cast<uint16_t>(std::clamp(IndentLevel, 0, kDeepestIndent));
    CollapsedBy = -1;
    FoldRangeLevel = Level;
    SubFoldRanges.Clear();
    Collapsed = false;
    ParentCollapsed = false;
    listId_ = All ? All->Id() : 0;
    ending_ = EndingIndex(Region && Region->AddEnding ? LowerCase(Region->Close()) : AnsiString());
    DropCollapsedData();
    regionOrData_ = reinterpret_cast<uintptr_t>(Region);
}

TSynTextFoldRange::TCollapsedData& TSynTextFoldRange::MakeCollapsedData()
{
    if (!CollapsedData()) {
        auto* data = new TCollapsedData;
        data->Region = FoldRegion();
        regionOrData_ = reinterpret_cast<uintptr_t>(data) + kDataTag;
    }
    return *CollapsedData();
}

void TSynTextFoldRange::DropCollapsedData()
{
    if (TCollapsedData* data = CollapsedData()) {
        regionOrData_ = reinterpret_cast<uintptr_t>(data->Region);
        delete data;
    }
}

const AnsiString& TSynTextFoldRange::Ending() const { return Endings()[ending_]; }

const TStringList& TSynTextFoldRange::CollapsedLines() const
{
    static const TStringList none;
    return CollapsedData() ? CollapsedData()->Lines : none;
}

const AnsiString& TSynTextFoldRange::CollapsedSuffix() const
{
    static const AnsiString none;
    return CollapsedData() ? CollapsedData()->Suffix : none;
}

// --- TSynTextAllFoldRanges ---

namespace {

// The numbers TSynTextAllFoldRanges hands out: those given back, and the
// next one never handed out.
struct TListIds {
    std::vector<uint32_t> Free;
    uint32_t Next = 1;
};

TListIds& ListIds()
{
    static auto& ids = *new TListIds;
    return ids;
}

}  // namespace

uint32_t TSynTextAllFoldRanges::Register(TSynTextAllFoldRanges* List)
{
    TListIds& ids = ListIds();
    uint32_t id;
    if (!ids.Free.empty()) {
        id = ids.Free.back();
        ids.Free.pop_back();
    } else {
        if (ids.Next == kChunkSize * kMostChunks)
            throw std::length_error("too many fold range lists");
        id = ids.Next++;
        if (!chunks_[id >> kChunkBits])
            chunks_[id >> kChunkBits] = new TSynTextAllFoldRanges*[kChunkSize]();
    }
    Slot(id) = List;
    return id;
}

TSynTextAllFoldRanges::TSynTextAllFoldRanges() : id_(Register(this)) {}

TSynTextAllFoldRanges::~TSynTextAllFoldRanges()
{
    for (TSynTextFoldRange* range : all_)
        delete range;
    Slot(id_) = nullptr;
    ListIds().Free.push_back(id_);
}

TSynTextFoldRange* TSynTextAllFoldRanges::NewRange(TFoldRegionItem* FoldRegion, int FromLine, int ToLine,
                                                   int FoldRangeLevel, int Indent)
{
    Changed();
    if (spare_.empty()) {
        all_.push_back(new TSynTextFoldRange(this, FoldRegion, FromLine, ToLine, FoldRangeLevel, Indent));
    } else {
        all_.push_back(spare_.back().release());
        spare_.pop_back();
        all_.back()->Reset(this, FoldRegion, FromLine, ToLine, FoldRangeLevel, Indent);
    }
    return all_.back();
}

std::unique_ptr<TSynTextFoldRange> TSynTextAllFoldRanges::Delete(int Index)
{
    Changed();
    resumable_ = false;
    std::unique_ptr<TSynTextFoldRange> range(all_[static_cast<size_t>(Index)]);
    all_.erase(all_.begin() + Index);
    Detach(range.get());
    if (range->Collapsed)
        UncountCollapsed(range.get());
    return range;
}

void TSynTextAllFoldRanges::ShrinkToFit()
{
    TSynTextFoldRanges::ShrinkToFit();
    if (all_.capacity() - all_.size() > all_.size() / 8)
        all_.shrink_to_fit();
}

void TSynTextAllFoldRanges::ClearAll()
{
    Changed();
    Clear();
    for (TSynTextFoldRange* range : all_)
        delete range;
    all_.clear();
    spare_.clear();
    busy_.clear();
    shifts_.clear();
    resumable_ = false;
    collapsed_.clear();
    inViewValid_ = false;
}

void TSynTextAllFoldRanges::Assign(const TSynTextAllFoldRanges& Source)
{
    if (&Source == this)
        return;
    ClearAll();
    std::unordered_map<const TSynTextFoldRange*, TSynTextFoldRange*> copies;
    for (const auto& source : Source.all_) {
        // The region is copied as a reference only: it may be gone by now.
        auto range = std::make_unique<TSynTextFoldRange>(this, nullptr, source->RealFromLine(), source->RealToLine(),
                                                         source->FoldRangeLevel, source->Indent);
        range->regionOrData_ = reinterpret_cast<uintptr_t>(source->FoldRegion());
        range->ending_ = source->ending_;
        range->closedAt_ = source->ClosedAt();
        range->CollapsedBy = source->CollapsedBy;
        range->Collapsed = source->Collapsed;
        range->ParentCollapsed = source->ParentCollapsed;
        if (const TSynTextFoldRange::TCollapsedData* data = source->CollapsedData()) {
            TSynTextFoldRange::TCollapsedData& copy = range->MakeCollapsedData();
            for (int i = 0; i < data->Lines.Count(); ++i)
                copy.Lines.Add(data->Lines.Strings(i));
            copy.States = data->States;
            copy.Bytes = data->Bytes;
            copy.Suffix = data->Suffix;
            copy.HintMarkLeft = data->HintMarkLeft;
        }
        if (range->Collapsed)
            CountCollapsed(range.get());
        copies[source] = range.get();
        all_.push_back(range.release());
    }
    for (const auto& source : Source.all_)
        for (int i = 0; i < source->SubFoldRanges.Count(); ++i)
            copies[source]->SubFoldRanges.Add(copies[source->SubFoldRanges.Ranges(i)]);
    for (int i = 0; i < Source.Count(); ++i)
        Add(copies[Source.Ranges(i)]);
}

void TSynTextAllFoldRanges::KeepCollapsedOnly()
{
    Changed();
    resumable_ = false;
    busy_.clear();
    Clear();
    std::erase_if(all_, [](TSynTextFoldRange* range) {
        if (range->Collapsed || range->ParentCollapsed)
            return false;
        delete range;
        return true;
    });
}

namespace {

// The lines hidden by the collapsed ranges inside Range that no collapsed
// range between them and Range hides.
int HiddenBelow(const TSynTextFoldRange* Range)
{
    int count = 0;
    for (int i = 0; i < Range->SubFoldRanges.Count(); ++i) {
        const TSynTextFoldRange* sub = Range->SubFoldRanges.Ranges(i);
        if (sub->Collapsed)
            count += sub->CollapsedLineCount();
        count += HiddenBelow(sub);
    }
    return count;
}

}  // namespace

int TSynTextAllFoldRanges::HiddenLineCount(const TSynTextFoldRange* Range) const
{
    return (Range->Collapsed ? Range->CollapsedLineCount() : 0) + HiddenBelow(Range);
}

// --- What a scan of part of the text starts from ---

void TSynTextAllFoldRanges::AddBusyLines(int First, int Last)
{
    if (!busy_.empty() && busy_.back().Last >= First - 1)
        busy_.back().Last = std::max(busy_.back().Last, Last);
    else
        busy_.push_back({First, Last});
}

void TSynTextAllFoldRanges::ReplaceBusyLines(int From, int KeepFrom, const std::vector<TLineSpan>& Found)
{
    // Spliced in place: a long text holds a span for each comment, and an
    // edit's scan replaces a few near it.
    const auto byFirst = [](int L, const TLineSpan& Span) { return L < Span.First; };
    const auto above = std::upper_bound(busy_.begin(), busy_.end(), From, byFirst);
    const auto below = KeepFrom == INT_MAX
                           ? busy_.end()
                           : std::upper_bound(above, busy_.end(), KeepFrom - 1, byFirst);
    std::vector<TLineSpan> middle;
    middle.reserve(Found.size());
    TLineSpan* last = above == busy_.begin() ? nullptr : &*std::prev(above);
    for (const TLineSpan& span : Found) {
        if (last && last->Last >= span.First - 1) {
            last->Last = std::max(last->Last, span.Last);
        } else {
            middle.push_back(span);
            last = &middle.back();
        }
    }
    // A span the old ones below now touch takes them in.
    auto keep = below;
    for (; keep != busy_.end() && last && last->Last >= keep->First - 1; ++keep)
        last->Last = std::max(last->Last, keep->Last);
    const auto at = busy_.erase(above, keep);
    busy_.insert(at, middle.begin(), middle.end());
}

const TSynTextAllFoldRanges::TLineSpan* TSynTextAllFoldRanges::BusySpanAt(int Line) const
{
    const auto after = std::upper_bound(busy_.begin(), busy_.end(), Line,
                                        [](int L, const TLineSpan& Span) { return L < Span.First; });
    return after != busy_.begin() && Line <= std::prev(after)->Last ? &*std::prev(after) : nullptr;
}

int FollowLine(int Line, int First, int Count)
{
    if (Line == INT_MAX || Line < First)
        return Line;
    if (Count > 0)
        return Line + Count;
    return Line >= First - Count ? Line + Count : First;
}

void TSynTextAllFoldRanges::MoveScanMarks(const TKeptShift& By)
{
    const int first = By.FirstLine;
    const int count = By.Count;
    // The spans ending above the lines stay; the others move in place.
    const auto from = std::lower_bound(busy_.begin(), busy_.end(), first,
                                       [](const TLineSpan& Span, int Line) { return Span.Last < Line; });
    if (count > 0) {
        // Lines coming in only push the spans down, a span they go into
        // growing: no two meet. A long text holds a span for each comment.
        for (auto span = from; span != busy_.end(); ++span) {
            span->First = std::max(FollowLine(span->First, first, count), 2);
            span->Last = FollowLine(span->Last, first, count);
        }
        return;
    }
    auto out = from;
    for (auto in = from; in != busy_.end(); ++in) {
        // A deleted first line of a span hands the span on to the line
        // after the deletion; lines inserted inside a span are busy too.
        // The text's first line starts at rest: no span holds it once the
        // line that opened the span went.
        TLineSpan span = *in;
        span.First = std::max(FollowLine(span.First, first, count), 2);
        span.Last = count < 0 && span.Last >= first && span.Last < first - count ? first - 1
                                                                                 : FollowLine(span.Last, first, count);
        if (span.First > span.Last)
            continue;
        if (out != busy_.begin() && std::prev(out)->Last >= span.First - 1)
            std::prev(out)->Last = std::max(std::prev(out)->Last, span.Last);
        else
            *out++ = span;
    }
    busy_.erase(out, busy_.end());
}

