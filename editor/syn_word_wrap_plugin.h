// Word wrap: each buffer line shown as one or more rows no wider than the
// wrap width, cut preferably at a break character (anything that is not an
// identifier character). Rows are measured in tab-expanded characters and
// never split a double-byte character.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "editor/syn_buffer_plugin.h"
#include "editor/document/text_routines.h"
#include "editor/view/syn_wrapped_rows.h"

class TSynCustomHighlighter;
class TSynTextStringList;

// What the plug-in needs of its editor.
class ISynWordWrapHost {
public:
    virtual TSynTextStringList* Lines() const = 0;
    // nullptr: identifiers are the characters 33 to 255.
    virtual TSynCustomHighlighter* Highlighter() const = 0;
    // The width to wrap at, by the word-wrap style; 0 or less wraps nothing.
    virtual int GetWrapAreaWidth() const = 0;

protected:
    ~ISynWordWrapHost() = default;
};

class TSynWordWrapPlugin : public ISynTextBufferPlugin {
public:
    explicit TSynWordWrapPlugin(ISynWordWrapHost* AOwner);
    TSynWordWrapPlugin(const TSynWordWrapPlugin&) = delete;
    TSynWordWrapPlugin& operator=(const TSynWordWrapPlugin&) = delete;

    TDisplayCoord BufferToDisplayPos(const TBufferCoord& Pos) const override;
    TBufferCoord DisplayToBufferPos(const TDisplayCoord& Pos) const override;
    int RowCount() const override { return rows_.RowCount(); }
    int GetRowLength(int Row) const override;
    int LinesInserted(int Index, int Count) override;
    int LinesDeleted(int Index, int Count) override;
    int LinesPutted(int Index, int Count) override;
    void DisplayChanged() override;
    void Reset() override;

    int MaxRowLength() const { return maxRowLength_; }
    int MinRowLength() const { return minRowLength_; }
    int LineCount() const { return rows_.LineCount(); }

private:
    void UpdateWidths();
    // Appends the lengths of the rows of Line to Rows.
    void WrapLine(std::string_view Line, std::vector<int32_t>& Rows) const;
    // The rows of Count lines from Index on.
    TSynWrappedRows::TRun WrapLines(int Index, int Count) const;
    // Replaces the rows of OldCount lines from Index on by those of the
    // NewCount lines now in the buffer there; answers the change in rows.
    int ReplaceLines(int Index, int OldCount, int NewCount);

    ISynWordWrapHost* owner_;
    // Every line has a row. A row holds at least one whole character unless
    // its line is empty, and at most maxRowLength_ bytes unless a
    // double-byte character is wider than that. Row lengths are in
    // expanded characters.
    TSynWrappedRows rows_;
    int maxRowLength_ = 0;  // the wrap width; 0 keeps each line in one row
    int minRowLength_ = 1;  // a break character must lie beyond this to end a row
    TSysCharSet breakChars_;
};
