// The fold scan: finds the blocks of a text by the open and close tokens of
// a fold-region list, passing over its skip regions (strings, comments).
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

using AnsiString = std::string;

class TFoldRegions;
class TSynTextAllFoldRanges;

// The name of the highlighter attribute that paints the character at (Line,
// Char) of the scanned text, both counted from 1; empty when none does.
using TFoldAttributeQuery = std::function<AnsiString(int Line, int Char)>;

class TSynFoldScanner {
public:
    // The regions are read once here; the scan never changes them. Without
    // CaseSensitive, tokens match in any letter case.
    TSynFoldScanner(TFoldRegions* Regions, bool CaseSensitive, int TabWidth);
    ~TSynFoldScanner();
    TSynFoldScanner(const TSynFoldScanner&) = delete;
    TSynFoldScanner& operator=(const TSynFoldScanner&) = delete;

    // Asked for one-character tokens: a token painted as a string, comment
    // or remark does not count. Without it every token counts.
    TFoldAttributeQuery AttributeAt;

    // Scans Text (lines joined by CR LF) and adds every range found to
    // Ranges, in the order of the open tokens; the outermost ones also to its
    // list of outermost ranges. A range that never closes is one line long.
    void Scan(const AnsiString& Text, TSynTextAllFoldRanges& Ranges);

    // The indentation level of a line: one for each tab and for each
    // complete run of TabWidth spaces of its leading white space.
    static int IndentLevel(std::string_view Line, int TabWidth);

    // The compiled regions and the state of one pass; only the scan's own
    // source knows them.
    struct TRegionList;
    struct TRun;

private:
    std::unique_ptr<TRegionList> regions_;
    std::vector<std::unique_ptr<TRegionList>> subLists_;  // the sub-region lists regions_ points into
    bool caseSensitive_;
    int tabWidth_;
};
