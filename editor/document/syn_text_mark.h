// Marks in the gutter: bookmarks 0-9 and any other marks of the host, and
// the list that owns them.
#pragma once

#include <array>
#include <memory>
#include <vector>

#include "platform/base/event.h"
#include "platform/base/object.h"

class TCustomSynText;
class TSynTextMark;

// Tells the editor that the mark's line (Mark->Line()) needs repainting.
using TSynTextMarkChangeEvent = TEvent<void(TSynTextMark* Mark)>;

class TSynTextMark : public TObject {
public:
    explicit TSynTextMark(TCustomSynText* AOwner) : edit_(AOwner) {}

    int Line() const { return line_; }
    void SetLine(int Value);
    int Char() const { return char_; }
    void SetChar(int Value) { char_ = Value; }
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int Value);
    // 0-9 for a bookmark, -1 for any other mark.
    int BookmarkNumber() const { return bookmarkNumber_; }
    void SetBookmarkNumber(int Value) { bookmarkNumber_ = Value; }
    bool IsBookmark() const { return bookmarkNumber_ >= 0; }
    bool Visible() const { return visible_; }
    void SetVisible(bool Value);
    // Drawn from the built-in bookmark pictures rather than an image list.
    bool InternalImage() const { return internalImage_; }
    void SetInternalImage(bool Value);
    TCustomSynText* Edit() const { return edit_; }

    TSynTextMarkChangeEvent OnChange;

private:
    void Changed();

    TCustomSynText* edit_;
    int line_ = 0;
    int char_ = 0;
    int imageIndex_ = 0;
    int bookmarkNumber_ = -1;
    bool visible_ = false;
    bool internalImage_ = false;
};

// The marks of one line, as many as the gutter draws; unused slots are null.
inline constexpr int kMaxMarksPerLine = 17;
using TSynTextMarks = std::array<TSynTextMark*, kMaxMarksPerLine>;

class TSynTextMarkList : public TObject {
public:
    explicit TSynTextMarkList(TCustomSynText* AOwner) : edit_(AOwner) {}
    ~TSynTextMarkList() override;
    TSynTextMarkList(const TSynTextMarkList&) = delete;
    TSynTextMarkList& operator=(const TSynTextMarkList&) = delete;

    // Takes ownership; answers the index.
    int Add(TSynTextMark* Item);
    // Frees mark Index without a report.
    void Delete(int Index);
    // Frees Item; answers its former index, -1 when it was not in the list.
    int Remove(TSynTextMark* Item);
    void Clear();
    // The first marks of Line in list order.
    void GetMarksForLine(int Line, TSynTextMarks& Marks) const;

    int Count() const { return static_cast<int>(items_.size()); }
    TSynTextMark* Items(int Index) const { return items_[static_cast<size_t>(Index)].get(); }
    TCustomSynText* Edit() const { return edit_; }

    TNotifyEvent OnChange;

private:
    void Changed();

    TCustomSynText* edit_;
    std::vector<std::unique_ptr<TSynTextMark>> items_;
};
