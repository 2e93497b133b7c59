// The fold scan: finds the blocks of a text by the open and close tokens of
// a fold-region list, passing over its skip regions (strings, comments).
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/base/ansi_string.h"

class TFoldRegions;
class TSynTextAllFoldRanges;
class TSynTextFoldRange;

// The name of the highlighter attribute that paints the character at (Line,
// Char) of the scanned text, both counted from 1; empty when none does.
using TFoldAttributeQuery = std::function<AnsiString(int Line, int Char)>;

// Appends the next lines of the scanned text to Text, each but the text's
// last followed by CR LF; false when none are left. Text holds what the
// scan kept of the lines handed out before.
using TFoldTextSource = std::function<bool(AnsiString& Text)>;

// Finds Token (in upper case when FoldCase, to be matched in any letter
// case) at a character's start in the lines a text source has not handed
// out yet: false when none holds it; else its line and byte column, the
// source handing out from that line next.
using TFoldTokenSeek = std::function<bool(const AnsiString& Token, bool FoldCase, int& Line, size_t& Column)>;

// Asked at the start of every line that the scan reaches outside
// look-aheads, with the ranges open there, outermost first, and the skip
// region of the innermost list it is in (-1 at rest): the scan ends there
// when it answers true.
class TFoldScanStop {
public:
    virtual bool StopAt(int Line, const std::vector<TSynTextFoldRange*>& Open, int InSkip) = 0;

protected:
    ~TFoldScanStop() = default;
};

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
    // When tokens match in any letter case the scan reads an upper-cased
    // copy of Text: a long text is better handed out by a source.
    void Scan(const AnsiString& Text, TSynTextAllFoldRanges& Ranges);
    // Scans the text Source hands out, from the start of line FirstLine, at
    // which the ranges of Open (outermost first, found by this scanner) are
    // open, and the scan is in the skip region InSkip of the innermost list
    // (as StopAt was told; -1: at rest); they close where the text closes
    // them, else keep ToLine at their first line. New ranges go to Ranges and to their parents' lists;
    // the lines passed inside skip regions or look-aheads to Ranges' busy
    // lines. Stop, when given, may end the scan at a line start. A
    // look-ahead for a close token asks Seek, when given, past the text read. False,
    // scanning nothing, when a range of Open is of no region of this scanner.
    // Of the text the scan keeps the lines it may still look at: the
    // current one, and those from where a skip region or a look-ahead for a
    // close token started.
    bool Scan(int FirstLine, const std::vector<TSynTextFoldRange*>& Open, const TFoldTextSource& Source,
              TSynTextAllFoldRanges& Ranges, TFoldScanStop* Stop, int InSkip = -1,
              const TFoldTokenSeek* Seek = nullptr);

    // Everything of Line that the scan reads: which tokens start at which
    // characters, how close together, whether each stands as a whole word
    // and is painted, and the indentation of a line that may open a range.
    // Empty for a line the scan passes over. When a line keeps its
    // signature through a change, a scan of the whole text finds the same
    // ranges as before. nullopt when a token ends inside a character, where
    // the scan leaves the line's character grid and no signature can tell.
    // AttributeAt is asked with line 1.
    std::optional<AnsiString> LineSignature(const AnsiString& Line) const;
    // Whether After, which is Before with one single-byte character put in
    // or taken out, surely has Before's signature: the character starts no
    // token, no token starts near it, and it stands after the indentation.
    // False whenever that cannot be told from the bytes around it, and
    // always with AttributeAt set (a quote may paint a token far away).
    bool KeepsSignature(std::string_view Before, std::string_view After) const;

    // Whether a scanner made now from these settings would scan as this
    // one does: the regions' items may have been edited in place since.
    bool MadeFrom(const TFoldRegions* Regions, bool CaseSensitive, int TabWidth) const;

    // The indentation level of a line: one for each tab and for each
    // complete run of TabWidth spaces of its leading white space.
    static int IndentLevel(std::string_view Line, int TabWidth);

    // The compiled regions and the state of one pass; only the scan's own
    // source knows them.
    struct TRegionList;
    struct TRun;

private:
    // The first character at or after P that may start a token or an escape
    // of any list, as the scan steps through characters; Text's size when
    // none does.
    size_t NextSignatureStop(std::string_view Text, size_t P) const;

    const TFoldRegions* source_;
    bool caseSensitive_;
    AnsiString sourceFields_;  // every field of source_ the scan reads, in a row
    std::unique_ptr<TRegionList> regions_;
    std::vector<std::unique_ptr<TRegionList>> subLists_;  // the sub-region lists regions_ points into
    std::vector<const TRegionList*> lists_;               // regions_ and every sub-region list
    // The text is compared upper-cased: the tokens match in any letter
    // case and some of them have letters.
    bool foldCase_ = false;
    int tabWidth_;
    // Tokens further apart than this (in bytes) never reach into each
    // other: the longest token, or an escape with the character it takes.
    size_t reach_ = 4;
    bool tokensWhole_ = true;  // every token ends at a character's end
    // The first bytes of every token and escape of every list: a character
    // starting with any other byte adds nothing to a line's signature.
    std::array<bool, 256> signatureStops_{};
    // Those bytes, while they fit: 16 bytes in a row that hold none of them
    // are passed at once (findStopByte_, made for their number); with more,
    // the search goes byte by byte.
    std::array<unsigned char, 8> stopBytes_{};
    size_t (*findStopByte_)(std::string_view Text, size_t P, const unsigned char* StopBytes,
                            const std::array<bool, 256>& Stops) = nullptr;
};
