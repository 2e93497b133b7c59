// Fold region lists: which pairs of tokens open and close a foldable block,
// and which stretches of text (strings, comments) the fold scan passes over.
// The lists only hold the definitions; code folding does the scanning.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/base/collection.h"
#include "platform/base/ansi_string.h"

// How a fold region's tokens are compared. The values are stored, so they
// stay; any other value makes a region that never matches.
enum TFoldRegionType : uint8_t {
    frtOneChar = 0,  // first character of each token, outside strings and comments
    frtToken = 1,    // whole token strings, without a token check
};

// Where a skip region ends. The values are stored, so they stay.
enum TSkipRegionType : uint8_t {
    srtCloseChar = 0,    // at the first Close character not preceded by Escape
    srtCloseString = 1,  // after the next whole Close string, on any line
    srtLineEnd = 2,      // at the end of the line
    // At the first Close character not preceded by Escape, or at the end of
    // the line, as a highlighter closes a quoted token at a line's end: a
    // quote left open never hides the lines below.
    srtCloseCharOnLine = 3,
};

class TFoldRegions;
class TSkipRegions;

class TFoldRegionItem : public TCollectionItem {
public:
    explicit TFoldRegionItem(TCollection* Collection);
    ~TFoldRegionItem() override;

    // The texts are the item's own copies; the getters return the stored
    // text, which no caller's later change can reach.
    const AnsiString& Open() const { return open_; }
    void SetOpen(const AnsiString& Value) { open_ = Value; }
    const AnsiString& Close() const { return close_; }
    void SetClose(const AnsiString& Value) { close_ = Value; }
    const AnsiString& OpenRegExpr() const { return openRegExpr_; }
    void SetOpenRegExpr(const AnsiString& Value) { openRegExpr_ = Value; }
    const AnsiString& CloseRegExpr() const { return closeRegExpr_; }
    void SetCloseRegExpr(const AnsiString& Value) { closeRegExpr_ = Value; }
    // Regions recognised only inside a range of this one; owned, freed with
    // the item.
    TFoldRegions* SubRegions() const { return subRegions_.get(); }

    // The fields in their defined order; the texts and SubRegions sit between
    // AllowNoSubs and WholeWords.
    TFoldRegionType RegionType = frtOneChar;
    bool AddEnding = false;    // a collapsed range shows its close token at the end of its first line
    bool AllowNoSubs = false;  // the scan looks straight for the close token; no inner ranges
    bool WholeWords = false;   // tokens count only between non-word characters
    bool OpenUseRegExpr = false;   // kept and saved; the scan doesn't use it
    bool CloseUseRegExpr = false;  // kept and saved; the scan doesn't use it
    AnsiString Name;

private:
    std::unique_ptr<TFoldRegions> subRegions_;  // never null
    AnsiString open_;
    AnsiString close_;
    AnsiString openRegExpr_;
    AnsiString closeRegExpr_;
};

class TSkipRegionItem : public TCollectionItem {
public:
    explicit TSkipRegionItem(TCollection* Collection) : TCollectionItem(Collection) {}

    // Private copies, as for fold regions.
    const AnsiString& Close() const { return close_; }
    void SetClose(const AnsiString& Value) { close_ = Value; }
    const AnsiString& Open() const { return open_; }
    void SetOpen(const AnsiString& Value) { open_ = Value; }
    const AnsiString& Escape() const { return escape_; }
    void SetEscape(const AnsiString& Value) { escape_ = Value; }

    TSkipRegionType RegionType = srtCloseChar;

private:
    AnsiString close_;
    AnsiString open_;
    AnsiString escape_;
};

class TSkipRegions : public TCollection {
public:
    TSkipRegions() : TCollection(TCollection::Of<TSkipRegionItem>()) {}

    // A new item at the end holding copies of the three texts.
    TSkipRegionItem* Add(const AnsiString& Open, const AnsiString& Close, const AnsiString& Escape,
                         TSkipRegionType RegionType);
    TSkipRegionItem* GetItem(int Index) const { return static_cast<TSkipRegionItem*>(TCollection::GetItem(Index)); }
};

class TFoldRegions : public TCollection {
public:
    TFoldRegions();
    ~TFoldRegions() override;

    // A new item at the end holding copies of Open and Close.
    TFoldRegionItem* Add(TFoldRegionType RegionType, bool AddEnding, bool AllowNoSubs, bool WholeWords,
                         const AnsiString& Open, const AnsiString& Close);
    TFoldRegionItem* GetItem(int Index) const { return static_cast<TFoldRegionItem*>(TCollection::GetItem(Index)); }
    // Owned, created and freed with the list.
    TSkipRegions* SkipRegions() const { return skipRegions_.get(); }

private:
    std::unique_ptr<TSkipRegions> skipRegions_;  // never null
};
