#include "editor/document/syn_text_string_list.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>
#include <new>
#include <utility>

#include "editor/document/syn_text_file_writer.h"
#include "platform/base/streams.h"

namespace {

void InitRecord(TSynTextStringRec& Rec, TSynLineText Text, uint8_t Modified)
{
    Rec.Text = Text;
    Rec.Object = nullptr;
    Rec.Range = -1;
    Rec.ExpandedLength = -1;
    Rec.Flags = sfExpandedLengthUnknown;
    Rec.State = {clNone, clNone, 0, Modified};
}

const char* Find(const char* P, const char* End, char C)
{
    if (P == End)
        return End;
    auto* found = static_cast<const char*>(std::memchr(P, C, End - P));
    return found ? found : End;
}

// Calls Add for every line of Text. A line runs up to the next CR or LF or
// the end; one CR and then one LF after it make its break, so CR LF, a lone
// LF and a lone CR each end one line. A break at the very end starts no line.
template <typename AddLine>
void SplitLines(std::string_view Text, bool& SawCR, bool& SawLF, AddLine&& Add)
{
    const char* p = Text.data();
    const char* end = p + Text.size();
    // The next CR and the next LF at or after p; each is searched again only
    // once p has passed it, so each search reads every byte at most once.
    const char* nextCR = Find(p, end, '\r');
    const char* nextLF = Find(p, end, '\n');
    while (p < end) {
        const char* lineEnd = std::min(nextCR, nextLF);
        Add(std::string_view(p, lineEnd - p));
        p = lineEnd;
        if (p < end && *p == '\r') {
            ++p;
            SawCR = true;
        }
        if (p < end && *p == '\n') {
            ++p;
            SawLF = true;
        }
        if (nextCR < p)
            nextCR = Find(p, end, '\r');
        if (nextLF < p)
            nextLF = Find(p, end, '\n');
    }
}

// The number of lines a load of Text yields before trimming, exact when all
// breaks are CR LF or LF, or all are CR; with mixed breaks it may fall short.
int CountLines(std::string_view Text)
{
    const char* end = Text.data() + Text.size();
    for (char brk : {'\n', '\r'}) {
        size_t breaks = 0;
        for (const char* p = Find(Text.data(), end, brk); p != end; p = Find(p + 1, end, brk))
            ++breaks;
        if (breaks > 0)
            return static_cast<int>(std::min<size_t>(breaks + 1, std::numeric_limits<int>::max()));
    }
    return Text.empty() ? 0 : 1;
}

bool EndsWithBreak(std::string_view Text)
{
    return !Text.empty() && (Text.back() == '\r' || Text.back() == '\n');
}

// Spaces and control characters only (GBK bytes are all above the space).
bool IsBlank(std::string_view S)
{
    return std::all_of(S.begin(), S.end(), [](char c) { return static_cast<unsigned char>(c) <= ' '; });
}

std::string_view LineBreakOf(TSynTextFileFormat Format)
{
    switch (Format) {
    case sffUnix:
        return "\n";
    case sffMac:
        return "\r";
    case sffDos:
        break;
    }
    return "\r\n";
}

}  // namespace

namespace {

void CheckLineLength(size_t Length)
{
    if (Length > static_cast<size_t>(MaxLineLength))
        throw ESynTextStringList("Line too long: " + std::to_string(Length) + " bytes, where a line holds at most " +
                                 std::to_string(MaxLineLength));
}

}  // namespace

TSynLineText TSynLineText::Make(std::string_view S)
{
    if (S.empty())
        return {};
    CheckLineLength(S.size());
    return MakeIn(static_cast<char*>(::operator new(BlockSize(S))), S);
}

TSynLineText TSynLineText::MakeIn(char* Block, std::string_view S)
{
    CheckLineLength(S.size());
    const auto length = static_cast<uint32_t>(S.size());
    std::memcpy(Block, &length, sizeof length);
    std::memcpy(Block + sizeof length, S.data(), S.size());
    TSynLineText text;
    text.block_ = Block;
    return text;
}

void TSynLineText::Free()
{
    ::operator delete(block_);
    block_ = nullptr;
}

size_t TSynLineText::Length() const
{
    uint32_t length = 0;
    if (block_)
        std::memcpy(&length, block_, sizeof length);
    return length;
}

TSynTextStringList::TSynTextStringList() : expandTabs_(GetTabExpandProcEx(tabWidth_)) {}

TSynTextStringList::~TSynTextStringList()
{
    // Teardown reports nothing: no update bracket, no events.
    FreeAllText();
    std::free(list_);
}

void TSynTextStringList::BeginBulkPut(size_t Bytes)
{
    EndBulkPut();
    auto* begin = static_cast<char*>(std::malloc(Bytes));
    if (!begin)
        throw std::bad_alloc();
    slabs_.push_back({begin, begin, begin + Bytes, 0});
    filling_ = static_cast<int>(slabs_.size()) - 1;
}

void TSynTextStringList::EndBulkPut()
{
    if (filling_ < 0)
        return;
    const auto slab = slabs_.begin() + filling_;
    filling_ = -1;
    if (slab->Live == 0) {
        std::free(slab->Begin);
        slabs_.erase(slab);
    }
}

TSynLineText TSynTextStringList::MakeText(std::string_view S)
{
    if (filling_ < 0 || S.empty())
        return TSynLineText::Make(S);
    TSlab& slab = slabs_[static_cast<size_t>(filling_)];
    const size_t size = TSynLineText::BlockSize(S);
    if (static_cast<size_t>(slab.End - slab.Next) < size)
        return TSynLineText::Make(S);
    const TSynLineText text = TSynLineText::MakeIn(slab.Next, S);
    slab.Next += size;
    ++slab.Live;
    return text;
}

int TSynTextStringList::SlabOf(const TSynLineText& Text) const
{
    for (size_t i = 0; i < slabs_.size(); ++i)
        if (Text.Block() >= slabs_[i].Begin && Text.Block() < slabs_[i].Next)
            return static_cast<int>(i);
    return -1;
}

void TSynTextStringList::FreeText(TSynLineText& Text)
{
    const int at = SlabOf(Text);
    if (at < 0) {
        Text.Free();
        return;
    }
    Text = {};
    TSlab& slab = slabs_[static_cast<size_t>(at)];
    if (--slab.Live > 0 || at == filling_)
        return;
    std::free(slab.Begin);
    slabs_.erase(slabs_.begin() + at);
    if (filling_ > at)
        --filling_;
}

void TSynTextStringList::FreeAllText()
{
    for (int i = 0; i < count_; ++i)
        if (SlabOf(Rec(i).Text) < 0)
            Rec(i).Text.Free();
    for (const TSlab& slab : slabs_)
        std::free(slab.Begin);
    slabs_.clear();
    filling_ = -1;
}

void TSynTextStringList::IndexError(int Index)
{
    char message[64];
    std::snprintf(message, sizeof message, "Invalid stringlist index %d", Index);
    throw ESynTextStringList(message);
}

void TSynTextStringList::SetUpdateState(bool Updating)
{
    const TNotifyEvent& event = Updating ? OnChanging : OnChange;
    if (event)
        event(this);
}

AnsiString TSynTextStringList::Get(int Index) const
{
    if (Index < 0 || Index >= count_)
        return {};
    return Rec(Index).Text.Str();
}

std::string_view TSynTextStringList::LineView(int Index) const
{
    if (Index < 0 || Index >= count_)
        return {};
    return Rec(Index).Text.View();
}

TObject* TSynTextStringList::GetObject(int Index) const
{
    if (Index < 0 || Index >= count_)
        return nullptr;
    return Rec(Index).Object;
}

intptr_t TSynTextStringList::GetRange(int Index) const
{
    if (Index < 0 || Index >= count_)
        return 0;
    return Rec(Index).Range;
}

TSynLineState* TSynTextStringList::GetLineState(int Index)
{
    if (Index < 0 || Index >= count_)
        return nullptr;
    return &Rec(Index).State;
}

void TSynTextStringList::Put(int Index, const AnsiString& S) { SetLine(Index, S); }

void TSynTextStringList::SetLine(int Index, std::string_view S)
{
    if (Index == count_) {
        InsertLine(count_, S);
        return;
    }
    if (Index < 0 || Index >= count_)
        IndexError(Index);
    if (OnBeforePut)
        OnBeforePut(this, Index, 1);
    WithUpdate([&] {
        ReplaceText(Index, S);
        if (OnPut)
            OnPut(this, Index, 1);
    });
}

void TSynTextStringList::PutLines(int Index, std::span<const std::string_view> Lines)
{
    const int n = static_cast<int>(Lines.size());
    if (n == 0)
        return;
    if (Index < 0 || Index >= count_)
        IndexError(Index);
    if (Index + n > count_)
        IndexError(Index + n - 1);
    if (OnBeforePut)
        OnBeforePut(this, Index, n);
    WithUpdate([&] {
        for (int i = 0; i < n; ++i)
            ReplaceText(Index + i, Lines[static_cast<size_t>(i)]);
        if (OnPut)
            OnPut(this, Index, n);
    });
}

void TSynTextStringList::ReplaceText(int Index, std::string_view S)
{
    longestLine_ = -1;
    TSynTextStringRec& rec = Rec(Index);
    rec.Flags = sfExpandedLengthUnknown;
    const TSynLineText text = MakeText(S);
    FreeText(rec.Text);
    rec.Text = text;
    rec.State.Modified = newLineState_;
}

void TSynTextStringList::PutObject(int Index, TObject* Object)
{
    if (Index < 0 || Index >= count_)
        IndexError(Index);
    WithUpdate([&] { Rec(Index).Object = Object; });
}

void TSynTextStringList::SetRange(int Index, intptr_t Value)
{
    if (Index < 0 || Index >= count_)
        IndexError(Index);
    WithUpdate([&] { Rec(Index).Range = Value; });
}

void TSynTextStringList::StoreRange(int Index, intptr_t Value)
{
    if (Index < 0 || Index >= count_)
        IndexError(Index);
    Rec(Index).Range = Value;
}

void TSynTextStringList::SetCapacity(int NewCapacity)
{
    if (NewCapacity < count_ || NewCapacity < 0)
        throw EListError("Stringlist capacity cannot be smaller than count");
    if (NewCapacity == capacity_)
        return;
    // The lines after the unused records go to the new end, so that the
    // unused records stay where the next line goes in; when they shrink,
    // those lines move down first.
    const int after = count_ - gap_;
    if (NewCapacity < capacity_)
        std::memmove(&list_[NewCapacity - after], &list_[capacity_ - after], sizeof(TSynTextStringRec) * after);
    if (NewCapacity == 0) {
        std::free(list_);
        list_ = nullptr;
    } else {
        // realloc is sound for trivially copyable records, and for large
        // arrays it moves pages instead of bytes. A smaller block refused
        // leaves the larger one, which holds the records where they are.
        void* grown = std::realloc(list_, sizeof(TSynTextStringRec) * NewCapacity);
        if (grown)
            list_ = static_cast<TSynTextStringRec*>(grown);
        else if (NewCapacity > capacity_)
            throw std::bad_alloc();
    }
    if (NewCapacity > capacity_)
        std::memmove(&list_[NewCapacity - after], &list_[capacity_ - after], sizeof(TSynTextStringRec) * after);
    capacity_ = NewCapacity;
}

void TSynTextStringList::MoveGap(int Index)
{
    const int gapLength = capacity_ - count_;
    // With no unused records every line is in its place already.
    if (gapLength > 0 && Index < gap_)
        std::memmove(&list_[Index + gapLength], &list_[Index], sizeof(TSynTextStringRec) * (gap_ - Index));
    else if (gapLength > 0 && Index > gap_)
        std::memmove(&list_[gap_], &list_[gap_ + gapLength], sizeof(TSynTextStringRec) * (Index - gap_));
    gap_ = Index;
}

void TSynTextStringList::MoveGapToward(int Index, int Most)
{
    Index = std::clamp(Index, 0, count_);
    // A list filled to its capacity has no unused records to move: the
    // next insertion would make them, with the lines after them moved.
    if (capacity_ == count_)
        Grow();
    MoveGap(Index < gap_ ? std::max(Index, gap_ - Most) : std::min(Index, gap_ + Most));
}

void TSynTextStringList::Grow()
{
    SetCapacity(capacity_ > 64 ? capacity_ + capacity_ / 4 : capacity_ + 16);
}

int TSynTextStringList::Add(const AnsiString& S)
{
    return InsertLine(count_, S);
}

void TSynTextStringList::Insert(int Index, const AnsiString& S)
{
    if (Index < 0 || Index > count_)
        IndexError(Index);
    InsertLine(Index, S);
}

int TSynTextStringList::InsertLine(int Index, std::string_view S)
{
    WithUpdate([&] {
        if (OnBeforeInserted)
            OnBeforeInserted(this, Index, 1);
        if (count_ == capacity_)
            Grow();
        const TSynLineText text = MakeText(S);
        MoveGap(Index);
        InitRecord(list_[Index], text, newLineState_);
        ++gap_;
        ++count_;
        longestLine_ = -1;
        if (OnInserted)
            OnInserted(this, Index, 1);
    });
    return Index;
}

void TSynTextStringList::InsertLines(int Index, int NumLines)
{
    if (Index < 0 || Index > count_)
        IndexError(Index);
    if (NumLines <= 0)
        return;
    WithUpdate([&] {
        if (OnBeforeInserted)
            OnBeforeInserted(this, Index, NumLines);
        if (count_ + NumLines > capacity_)
            SetCapacity(count_ + NumLines);
        MoveGap(Index);
        for (int i = Index; i < Index + NumLines; ++i)
            InitRecord(list_[i], TSynLineText(), newLineState_);
        gap_ += NumLines;
        count_ += NumLines;
        longestLine_ = -1;
        if (OnInserted)
            OnInserted(this, Index, NumLines);
    });
}

void TSynTextStringList::AddStrings(TStrings* Strings)
{
    const int added = Strings->Count();
    if (added == 0)
        return;
    longestLine_ = -1;
    const auto* source = dynamic_cast<const TSynTextStringList*>(Strings);
    WithUpdate([&] {
        const int first = count_;
        if (first + added > capacity_)
            SetCapacity((first + added + 15) / 16 * 16);
        MoveGap(first);
        for (int i = 0; i < added; ++i) {
            // Read before writing: Strings may be this list.
            const TSynLineText text = TSynLineText::Make(Strings->Strings(i));
            TSynTextStringRec& rec = list_[count_];
            InitRecord(rec, text, newLineState_);
            rec.Object = Strings->Objects(i);
            if (source)
                rec.State = source->Rec(i).State;
            ++gap_;
            ++count_;
        }
        if (OnInserted)
            OnInserted(this, first, added);
    });
}

void TSynTextStringList::Delete(int Index)
{
    if (Index < 0 || Index >= count_)
        IndexError(Index);
    WithUpdate([&] {
        if (OnBeforeDeleted)
            OnBeforeDeleted(this, Index, 1);
        FreeText(Rec(Index).Text);
        // The deleted records join the gap at its end.
        MoveGap(Index);
        --count_;
        longestLine_ = -1;
        if (OnDeleted)
            OnDeleted(this, Index, 1);
    });
}

void TSynTextStringList::DeleteLines(int Index, int NumLines)
{
    if (NumLines <= 0)
        return;
    if (Index < 0 || Index >= count_)
        IndexError(Index);
    NumLines = std::min(NumLines, count_ - Index);
    if (OnBeforeDeleted)
        OnBeforeDeleted(this, Index, NumLines);
    // The count falls inside the update, so that OnChange never sees the
    // released records still counted at the end of the list.
    WithUpdate([&] {
        for (int i = Index; i < Index + NumLines; ++i)
            FreeText(Rec(i).Text);
        // The deleted records join the gap at its end.
        MoveGap(Index);
        count_ -= NumLines;
        longestLine_ = -1;
    });
    if (OnDeleted)
        OnDeleted(this, Index, NumLines);
}

void TSynTextStringList::Clear()
{
    if (count_ > 0) {
        WithUpdate([&] {
            FreeAllText();
            gap_ = 0;
            count_ = 0;
            longestLine_ = -1;
            SetCapacity(0);
            if (OnCleared)
                OnCleared(this);
        });
    }
    longestLine_ = -1;
}

void TSynTextStringList::Exchange(int Index1, int Index2)
{
    if (Index1 < 0 || Index1 >= count_)
        IndexError(Index1);
    if (Index2 < 0 || Index2 >= count_)
        IndexError(Index2);
    std::swap(Rec(Index1), Rec(Index2));
    if (longestLine_ == Index1)
        longestLine_ = Index2;
    else if (longestLine_ == Index2)
        longestLine_ = Index1;
}

void TSynTextStringList::Measure(TSynTextStringRec& Rec) const
{
    const std::string_view text = Rec.Text.View();
    if (text.empty() || !std::memchr(text.data(), '\t', text.size())) {
        Rec.ExpandedLength = static_cast<int32_t>(text.size());
        Rec.Flags = sfHasNoTabs;
        return;
    }
    bool hasTabs = false;
    Rec.ExpandedLength = static_cast<int32_t>(expandTabs_(Rec.Text.Str(), tabWidth_, hasTabs).size());
    Rec.Flags = sfHasTabs;
}

AnsiString TSynTextStringList::GetExpandedString(int Index)
{
    if (Index < 0 || Index >= count_)
        return {};
    TSynTextStringRec& rec = Rec(Index);
    if (rec.Flags & sfHasNoTabs)
        return rec.Text.Str();
    bool hasTabs = false;
    AnsiString expanded = expandTabs_(rec.Text.Str(), tabWidth_, hasTabs);
    rec.ExpandedLength = static_cast<int32_t>(expanded.size());
    rec.Flags = hasTabs ? sfHasTabs : sfHasNoTabs;
    return expanded;
}

int TSynTextStringList::GetExpandedLength(int Index)
{
    if (Index < 0 || Index >= count_)
        return 0;
    TSynTextStringRec& rec = Rec(Index);
    if (rec.Flags & sfExpandedLengthUnknown)
        Measure(rec);
    return rec.ExpandedLength;
}

int TSynTextStringList::GetLongestLineLength()
{
    if (longestLine_ < 0) {
        int longest = 0;
        for (int i = 0; i < count_; ++i) {
            const int length = GetExpandedLength(i);
            if (length > longest) {
                longest = length;
                longestLine_ = i;
            }
        }
    }
    return longestLine_ < 0 ? 0 : Rec(longestLine_).ExpandedLength;
}

void TSynTextStringList::SetTabWidth(int Value)
{
    if (Value == tabWidth_)
        return;
    tabWidth_ = Value;
    expandTabs_ = GetTabExpandProcEx(Value);
    longestLine_ = -1;
    for (int i = 0; i < count_; ++i) {
        TSynTextStringRec& rec = Rec(i);
        rec.ExpandedLength = -1;
        rec.Flags = (rec.Flags | sfExpandedLengthUnknown) & ~sfHasNoTabs;
    }
}

size_t TSynTextStringList::TextSize(size_t BreakLength) const
{
    size_t size = count_ > 0 ? (count_ - 1) * BreakLength : 0;
    for (int i = 0; i < count_; ++i)
        size += Rec(i).Text.Length();
    return size;
}

void TSynTextStringList::BuildText(char* Dest, std::string_view Break) const
{
    for (int i = 0; i < count_; ++i) {
        if (i > 0) {
            std::memcpy(Dest, Break.data(), Break.size());
            Dest += Break.size();
        }
        const std::string_view line = Rec(i).Text.View();
        if (!line.empty())
            std::memcpy(Dest, line.data(), line.size());
        Dest += line.size();
    }
}

void TSynTextStringList::AppendLines(int First, int Last, AnsiString& Text) const
{
    First = std::max(First, 0);
    Last = std::min(Last, count_ - 1);
    for (int i = First; i <= Last; ++i) {
        Text += Rec(i).Text.View();
        if (i + 1 < count_)
            Text += "\r\n";
    }
}

AnsiString TSynTextStringList::GetTextStr() const
{
    AnsiString text(TextSize(2), '\0');
    BuildText(text.data(), "\r\n");
    return text;
}

void TSynTextStringList::SetTextStr(const AnsiString& Value)
{
    Clear();
    WithUpdate([&] {
        bool sawCR = false;
        bool sawLF = false;
        SplitLines(Value, sawCR, sawLF, [&](std::string_view line) { InsertLine(count_, line); });
        if (EndsWithBreak(Value))
            InsertLine(count_, {});
    });
}

void TSynTextStringList::LoadFromFile(const AnsiString& FileName)
{
    TFileStream stream(FileName, fmOpenRead | fmShareDenyNone);
    LoadFromStream(&stream);
}

void TSynTextStringList::LoadFromStream(TStream* Stream)
{
    bool sawCR = false;
    bool sawLF = false;
    WithUpdate([&] {
        // The text is read whole before the old lines go, so a failing read
        // leaves the list as it was.
        const int64_t size = Stream->Size();
        Stream->SetPosition(0);
        const auto buffer = std::make_unique_for_overwrite<char[]>(size);
        Stream->ReadBuffer(buffer.get(), size);
        const std::string_view text(buffer.get(), size);
        // Only a text this long can hold a line too long to keep; it is
        // refused before the old lines go.
        if (text.size() > static_cast<size_t>(MaxLineLength)) {
            bool cr = false, lf = false;
            SplitLines(text, cr, lf, [](std::string_view line) { CheckLineLength(line.size()); });
        }
        Clear();
        SetCapacity(std::max(capacity_, CountLines(text)));
        SplitLines(text, sawCR, sawLF, [&](std::string_view line) {
            const int index = InsertLine(count_, line);
            Rec(index).State.Modified = lmUnchanged;
        });
        if (EndsWithBreak(text))
            InsertLine(count_, {});
        if (TrimTrailingBlankLines) {
            while (count_ > 0 && IsBlank(Rec(count_ - 1).Text.View()))
                Delete(count_ - 1);
        }
    });
    if (sawCR && !sawLF)
        FileFormat = sffMac;
    else if (sawLF && !sawCR)
        FileFormat = sffUnix;
    else
        FileFormat = sffDos;
}

void TSynTextStringList::SaveToStream(TStream* Stream)
{
    if (count_ == 0)
        return;
    const std::string_view lineBreak = LineBreakOf(FileFormat);
    const size_t size = TextSize(lineBreak.size());
    const auto text = std::make_unique_for_overwrite<char[]>(size);
    BuildText(text.get(), lineBreak);
    Stream->WriteBuffer(text.get(), static_cast<int64_t>(size));
}

void TSynTextStringList::SaveToFile(const AnsiString& FileName)
{
    TSynTextFileWriter writer(FileName);
    writer.FileFormat = FileFormat;
    for (int i = 0; i < count_; ++i) {
        if (i + 1 < count_)
            writer.WriteLine(Rec(i).Text.View());
        else
            writer.Write(Rec(i).Text.View());
    }
    writer.Flush();
}
