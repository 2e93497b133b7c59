// TListColumn and TListColumns: the report columns of a list view, shown
// by its header in an order of their own. An AutoSize column takes the
// width the others leave.
#pragma once

#include <memory>
#include <vector>

#include "platform/base/alignment.h"
#include "platform/ui/itemviews/list_view_types.h"

class TCustomListView;
class TListColumns;

class TListColumn {
public:
    explicit TListColumn(TListColumns* Owner);
    TListColumn(const TListColumn&) = delete;
    TListColumn& operator=(const TListColumn&) = delete;

    int Index() const;
    const AnsiString& Caption() const { return caption_; }
    void SetCaption(const AnsiString& Value);
    // The width set; an AutoSize column shows WidthShown instead.
    int Width() const { return width_; }
    void SetWidth(int Value);
    int WidthShown() const;
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment Value);
    // The image its header section shows from the view's SmallImages; -1
    // for none.
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int Value);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool Value);
    // 0: no limit.
    int MinWidth() const { return minWidth_; }
    void SetMinWidth(int Value);
    int MaxWidth() const { return maxWidth_; }
    void SetMaxWidth(int Value);

private:
    friend class TListColumns;

    int Limited(int Value) const;

    TListColumns* owner_;
    AnsiString caption_;
    int width_ = 50;
    TAlignment alignment_ = taLeftJustify;
    int imageIndex_ = -1;
    bool autoSize_ = false;
    int minWidth_ = 0;
    int maxWidth_ = 0;
};

class TListColumns {
public:
    explicit TListColumns(TCustomListView* Owner);
    TListColumns(const TListColumns&) = delete;
    TListColumns& operator=(const TListColumns&) = delete;
    ~TListColumns();

    TCustomListView* Owner() const { return owner_; }
    int Count() const { return static_cast<int>(columns_.size()); }
    TListColumn* Item(int Index) const { return columns_.at(static_cast<size_t>(Index)).get(); }
    TListColumn* operator[](int Index) const { return Item(Index); }
    TListColumn* Add();
    void Delete(int Index);
    void Clear();
    // Columns are shown in an order of their own, which dragging a column
    // in the header changes (the view's FullDrag). PositionOf answers where
    // column Index is shown, ShownAt which column is at Position; Move
    // shows column Index at Position, the others keeping their order.
    int PositionOf(int Index) const;
    int ShownAt(int Position) const { return order_.at(static_cast<size_t>(Position)); }
    void Move(int Index, int Position);
    // The left and right edges of a column where it is shown, and the sum
    // of all widths shown.
    int LeftOf(int Index) const;
    int RightOf(int Index) const;
    int TotalWidth() const;

private:
    friend class TListColumn;

    void Changed();

    TCustomListView* owner_;
    std::vector<std::unique_ptr<TListColumn>> columns_;
    std::vector<int> order_;  // column indices, as shown from the left
};
