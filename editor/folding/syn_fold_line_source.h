// The text a fold scan reads, from one real line on: the buffer's lines
// with each collapsed block's kept lines in their place, as expanding every
// block would put them, read without moving a line.
#pragma once

#include <deque>
#include <vector>

#include "editor/document/syn_text_string_list.h"
#include "platform/base/ansi_string.h"

class TSynTextAllFoldRanges;
class TSynTextFoldRange;

class TSynFoldLineSource {
public:
    // Lines and Ranges must not change while the source is in use.
    TSynFoldLineSource(const TSynTextStringList& Lines, const TSynTextAllFoldRanges& Ranges, int FirstLine);

    // Hands the scan the next lines, as a TFoldTextSource does: in pieces
    // that grow from a few lines, as most scans after an edit settle within
    // a few, up to a bound in bytes, so that the scan, which lets go of the
    // lines it passed, holds little more than one piece.
    bool operator()(AnsiString& Text);
    // Finds a token in the lines not handed out yet, as a TFoldTokenSeek
    // does.
    bool Seek(const AnsiString& Token, bool FoldCase, int& Line, size_t& Column);

    // The lines of a collapsed block handed out: its first line without
    // the collapse marks and the lines it hides, from real line First on;
    // its first line is line Head of the buffer (from 0). The scan's check
    // of painted tokens reads them, as no buffer line holds them.
    struct TBlock {
        int First;
        int Head;
        std::vector<AnsiString> Lines;
        // The highlighter's range at the end of each line, as far as worked
        // out: for the check of painted tokens.
        std::vector<intptr_t> RangesAfter;
    };
    // The block handed out that holds real line Line; null for a line the
    // buffer shows as it is.
    TBlock* BlockAt(int Line);

private:
    // Hands out the lines of block_ from its line at_ on.
    void AppendBlock(AnsiString& Text, size_t Until);
    // Reads the collapsed block whose first line is the buffer's line next_
    // and moves past that line: block_ holds it from now on.
    void ReadBlock(const TSynTextFoldRange* Block);
    // Whether a line of that block, Block, which hides Hidden lines, may
    // hold Token: never false for one that does.
    bool BlockMayHold(const TSynTextFoldRange& Block, int Hidden, const AnsiString& Token, bool FoldCase);

    const TSynTextStringList& lines_;
    const TSynTextAllFoldRanges& ranges_;
    int nextReal_;  // the real line of the next line to hand out
    int next_;  // the buffer index of the next line to hand out, past block_
    TBlock* block_ = nullptr;  // the block being handed out
    size_t at_ = 0;            // its next line
    int piece_;                // lines in the next piece
    std::deque<TBlock> blocks_;
    std::vector<const TSynTextFoldRange*> pending_;  // BlockMayHold's walk, kept for its memory
};
