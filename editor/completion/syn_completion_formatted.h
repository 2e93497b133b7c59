// Formatted completion items: short texts with inline tags that change the
// colour and font style, jump to the next column, add space or draw an
// image, as "\style{+B}name\style{-B}\column{}description". A doubled
// backslash stands for one backslash.
#pragma once

#include <vector>

#include "platform/base/collection.h"
#include "platform/base/set.h"
#include "platform/base/strings.h"
#include "platform/base/geometry.h"
#include "platform/gdi/colors.h"
#include "platform/ui/graphics/font.h"

class TCanvas;
class TCustomImageList;

// The numbers are the tags' kinds; a set of them excludes kinds from parsing.
enum TFormatCommand { fcNoCommand, fcColor, fcStyle, fcColumn, fcHSpace, fcImage };
using TFormatCommands = TSet<TFormatCommand>;

// One parsed piece of an item text. Only the fields of its kind matter.
struct TFormatChunk {
    TFormatCommand Command = fcNoCommand;
    AnsiString Str;            // fcNoCommand: the literal text
    TColor Color = clBlack;    // fcColor
    char StyleLetter = 'B';    // fcStyle: B, I, S or U
    int StyleAction = 0;       // fcStyle: +1 add, -1 remove, 0 toggle
    int Number = 0;            // fcHSpace: pixels; fcImage: image index
};

class TFormatChunkList {
public:
    int Count() const { return static_cast<int>(chunks_.size()); }
    const TFormatChunk& Items(int Index) const { return chunks_.at(static_cast<size_t>(Index)); }
    void Add(const TFormatChunk& Chunk) { chunks_.push_back(Chunk); }
    void Clear() { chunks_.clear(); }

private:
    std::vector<TFormatChunk> chunks_;
};

class TProposalColumn : public TCollectionItem {
public:
    explicit TProposalColumn(TCollection* Collection) : TCollectionItem(Collection) {}
    void Assign(TPersistent* Source) override;

    const AnsiString& BiggestWord() const { return biggestWord_; }
    void SetBiggestWord(const AnsiString& Value);
    TFontStyles DefaultFontStyle() const { return defaultFontStyle_; }
    void SetDefaultFontStyle(TFontStyles Value) { defaultFontStyle_ = Value; }
    // The width of BiggestWord and one blank in the canvas font; measured
    // once, again after BiggestWord changes.
    int Width(TCanvas* Canvas);

private:
    AnsiString biggestWord_ = "CONSTRUCTOR";
    int widthCache_ = -1;  // -1 until measured for the current BiggestWord
    TFontStyles defaultFontStyle_;
};

class TProposalColumns : public TOwnedCollection {
public:
    explicit TProposalColumns(TPersistent* AOwner) : TOwnedCollection(AOwner, TCollection::Of<TProposalColumn>()) {}
    TProposalColumn* Add() { return static_cast<TProposalColumn*>(TCollection::Add()); }
    TProposalColumn* Items(int Index) const { return static_cast<TProposalColumn*>(GetItem(Index)); }
};

// Fills Chunks from Text, leaving out the kinds in Excluded; false when the
// text held an invalid tag (which adds nothing).
bool ParseFormatChunks(const AnsiString& Text, TFormatChunkList& Chunks, TFormatCommands Excluded);
// Paints Text at the rectangle's top left. A selected item keeps the
// canvas's text colour. Answers the x where painting ended.
int FormattedTextOut(TCanvas* Canvas, const TRect& Rect, const AnsiString& Text, bool Selected,
                     TProposalColumns* Columns, TCustomImageList* Images);
int FormattedTextWidth(TCanvas* Canvas, const AnsiString& Text, TProposalColumns* Columns, TCustomImageList* Images);
// The text chunks alone: what the item says without its tags.
AnsiString PrettyTextToText(const AnsiString& Text);
// The comma text's parameters separated by blanks, the one at Index in
// bold (-1: none).
AnsiString FormatParamList(const AnsiString& CommaText, int Index);
