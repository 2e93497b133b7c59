// The editor's text buffer: a list of lines, each with its length after tab
// expansion, the highlighter's range at its start, two optional special
// colours and the modified state that the gutter shows. Lines load and save
// with CR LF, LF or CR breaks; the list remembers which it found.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <type_traits>
#include <vector>

#include "editor/document/editor_types.h"
#include "editor/document/text_routines.h"
#include "platform/base/event.h"
#include "platform/base/exceptions.h"
#include "platform/base/strings.h"
#include "platform/gdi/colors.h"

TANDRIL_EXCEPTION(ESynTextStringList, Exception);

// (Sender, first line, number of lines); lines count from 0.
using TSynLinesEvent = TEvent<void(TObject* Sender, int Index, int Count)>;

// Values of TSynLineState::Modified.
enum : uint8_t {
    lmUnchanged = 0,  // unchanged since the text was loaded
    lmSaved = 1,      // changed and saved since
    lmModified = 2,   // changed and not saved
};

// Bits of TSynLineState::ColorFlags.
enum : uint8_t { lcBackground = 1, lcForeground = 2 };

// The part of a line's record that callers read and write in place.
struct TSynLineState {
    TColor Foreground;  // clNone when not set
    TColor Background;  // likewise
    uint8_t ColorFlags;
    uint8_t Modified;
};

// Bits of TSynTextStringRec::Flags.
enum : uint8_t { sfHasTabs = 1, sfHasNoTabs = 2, sfExpandedLengthUnknown = 4 };

// A line's bytes in one heap block, a 32-bit length followed by the bytes;
// null for an empty line. Make raises ESynTextStringList for a line longer
// than MaxLineLength. Plain data, so that records move by memmove: the
// list allocates and frees it explicitly.
class TSynLineText {
public:
    static TSynLineText Make(std::string_view S);
    // The line S written into Block, which holds BlockSize(S) bytes.
    static TSynLineText MakeIn(char* Block, std::string_view S);
    static size_t BlockSize(std::string_view S) { return sizeof(uint32_t) + S.size(); }
    void Free();
    const char* Block() const { return block_; }

    size_t Length() const;
    std::string_view View() const { return {block_ ? block_ + sizeof(uint32_t) : nullptr, Length()}; }
    AnsiString Str() const { return AnsiString(View()); }

private:
    char* block_ = nullptr;
};

struct TSynTextStringRec {
    TSynLineText Text;
    TObject* Object;        // not owned
    intptr_t Range;         // the highlighter's state at the line start; -1 for a new line
    int32_t ExpandedLength; // valid only while sfExpandedLengthUnknown is clear
    uint8_t Flags;          // sfExpandedLengthUnknown until measured, then sfHasTabs or sfHasNoTabs
    TSynLineState State;
};
static_assert(std::is_trivially_copyable_v<TSynTextStringRec>, "records move by block moves");
// Large files hold millions of records; keep an eye on their size.
static_assert(sizeof(TSynTextStringRec) <= 48, "a line record grew");

class TSynTextStringList : public TStrings {
public:
    TSynTextStringList();
    ~TSynTextStringList() override;
    TSynTextStringList(const TSynTextStringList&) = delete;
    TSynTextStringList& operator=(const TSynTextStringList&) = delete;

    int Add(const AnsiString& S) override;
    void AddStrings(TStrings* Strings) override;
    void Clear() override;
    void Delete(int Index) override;
    void Exchange(int Index1, int Index2) override;
    void Insert(int Index, const AnsiString& S) override;
    void LoadFromFile(const AnsiString& FileName) override;
    void LoadFromStream(TStream* Stream) override;
    void SaveToFile(const AnsiString& FileName) override;
    void SaveToStream(TStream* Stream) override;

    // Inserts NumLines empty lines before Index.
    void InsertLines(int Index, int NumLines);
    // Replaces the lines from Index on with Lines, told as one block: a
    // single OnBeforePut and OnPut for them all, not a pair per line.
    void PutLines(int Index, std::span<const std::string_view> Lines);
    // The lines put from now until EndBulkPut take their bytes from one
    // slab of Bytes bytes while it lasts (see slabs_).
    void BeginBulkPut(size_t Bytes);
    void EndBulkPut();
    // Deletes NumLines lines from Index on, at most to the end of the list.
    void DeleteLines(int Index, int NumLines);

    // Appends lines First .. Last to Text, each but the list's last line
    // followed by CR LF, as Text() joins them.
    void AppendLines(int First, int Last, AnsiString& Text) const;

    AnsiString GetExpandedString(int Index);
    int GetExpandedLength(int Index);
    int GetLongestLineLength();

    // Replaces line Index (appends at Count) as Strings[Index] = S does,
    // events included, from bytes anywhere.
    void SetLine(int Index, std::string_view S);

    // The gutter state (TSynLineState::Modified) of the lines inserted or
    // put from now on: lmModified, or lmUnchanged while a text just loaded
    // comes in, so that no pass over its lines has to mark them.
    void SetNewLineState(uint8_t State) { newLineState_ = State; }

    // Line Index's bytes without a copy, valid until the list changes that
    // line; empty outside 0 .. Count-1.
    std::string_view LineView(int Index) const;
    // The size of Text(), without building it.
    size_t TextLength() const { return TextSize(2); }

    // Lines inserted or deleted at Index move the records between Index
    // and where the last ones were: GapDistance says how many. Idle time
    // brings that place toward the caret's line, at most Most records a
    // step, so that the first line break after a text is loaded, or after
    // the caret went far, moves few.
    int GapDistance(int Index) const { return Index < gap_ ? gap_ - Index : Index - gap_; }
    void MoveGapToward(int Index, int Most);

    intptr_t GetRange(int Index) const;
    void SetRange(int Index, intptr_t Value);
    // Stores a range without a change notice: a scan catching up on lines
    // whose text did not change.
    void StoreRange(int Index, intptr_t Value);

    int TabWidth() const { return tabWidth_; }
    void SetTabWidth(int Value);

    // The line's state for reading and writing in place; nullptr outside
    // 0 .. Count-1. Valid until the list changes its lines.
    TSynLineState* GetLineState(int Index);

    TSynTextFileFormat FileFormat = sffDos;  // found by the last load, used by the next save
    bool TrimTrailingBlankLines = true;      // a load drops blank lines at the end

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;
    TNotifyEvent OnCleared;
    TSynLinesEvent OnBeforeInserted;
    TSynLinesEvent OnInserted;
    TSynLinesEvent OnBeforeDeleted;
    TSynLinesEvent OnDeleted;
    TSynLinesEvent OnBeforePut;
    TSynLinesEvent OnPut;

protected:
    AnsiString Get(int Index) const override;
    int GetCapacity() const override { return capacity_; }
    int GetCount() const override { return count_; }
    TObject* GetObject(int Index) const override;
    AnsiString GetTextStr() const override;
    void Put(int Index, const AnsiString& S) override;
    void PutObject(int Index, TObject* Object) override;
    void SetCapacity(int NewCapacity) override;
    void SetTextStr(const AnsiString& Value) override;
    void SetUpdateState(bool Updating) override;

private:
    [[noreturn]] static void IndexError(int Index);
    // Insert as Add and Insert do it, events included.
    int InsertLine(int Index, std::string_view S);
    // Gives line Index the bytes of S, with no event.
    void ReplaceText(int Index, std::string_view S);
    void Grow();
    void Measure(TSynTextStringRec& Rec) const;
    // The text with each line but the last followed by Break.
    size_t TextSize(size_t BreakLength) const;
    void BuildText(char* Dest, std::string_view Break) const;

    // A line's bytes, from the slab being filled when there is room.
    TSynLineText MakeText(std::string_view S);
    // Frees a line's bytes, and its slab when it held the slab's last line.
    void FreeText(TSynLineText& Text);
    // The index in slabs_ of the slab holding Text's bytes; -1 for none.
    int SlabOf(const TSynLineText& Text) const;
    // Frees every line's bytes and every slab, as the list goes or is
    // emptied: a line in a slab costs nothing.
    void FreeAllText();

    // Line Index's record, on either side of the gap.
    TSynTextStringRec& Rec(int Index) { return list_[Index < gap_ ? Index : Index + capacity_ - count_]; }
    const TSynTextStringRec& Rec(int Index) const
    {
        return list_[Index < gap_ ? Index : Index + capacity_ - count_];
    }
    // Moves the unused records to start at line Index, moving only the
    // records between the old place and the new.
    void MoveGap(int Index);

    // capacity_ records: lines 0 .. gap_ - 1 at the front, the unused records
    // next, and the remaining lines at the back, so that lines inserted or
    // deleted where the last ones were move no other records.
    TSynTextStringRec* list_ = nullptr;
    uint8_t newLineState_ = lmModified;
    int gap_ = 0;
    int count_ = 0;
    int capacity_ = 0;
    // One block holding the bytes of many lines, put in one after another:
    // a text set whole (a million lines for a large article) then costs
    // one allocation and one release instead of one per line. Live counts
    // the lines whose bytes are in it; it is released when none is left
    // and it is not being filled.
    struct TSlab {
        char* Begin;
        char* Next;  // where the next line's bytes go
        char* End;
        size_t Live;
    };
    std::vector<TSlab> slabs_;
    int filling_ = -1;  // the slab lines put now go into; -1 none
    int longestLine_ = -1;  // index of the first line of greatest expanded length; -1 unknown
    int tabWidth_ = 8;
    TExpandTabsProcEx expandTabs_;  // the routine suited to tabWidth_
};

// While it stands, the lines put into Lines take their bytes from one slab
// of Bytes bytes (TSynTextStringList::BeginBulkPut).
class TSynBulkPut {
public:
    TSynBulkPut(TSynTextStringList& Lines, size_t Bytes) : lines_(Lines) { lines_.BeginBulkPut(Bytes); }
    ~TSynBulkPut() { lines_.EndBulkPut(); }
    TSynBulkPut(const TSynBulkPut&) = delete;
    TSynBulkPut& operator=(const TSynBulkPut&) = delete;

private:
    TSynTextStringList& lines_;
};
