// The report columns: widths within their limits, the AutoSize column that
// fills what the others leave, the order they are shown in, and the view
// told of every change.
#include "platform/ui/itemviews/list_columns.h"

#include <algorithm>

#include "platform/ui/itemviews/list_view.h"

TListColumn::TListColumn(TListColumns* Owner) : owner_(Owner) {}

int TListColumn::Index() const
{
    for (int i = 0; i < owner_->Count(); ++i)
        if (owner_->Item(i) == this)
            return i;
    return -1;
}

void TListColumn::SetCaption(const AnsiString& Value)
{
    caption_ = Value;
    owner_->Changed();
}

int TListColumn::Limited(int Value) const
{
    if (maxWidth_ > 0)
        Value = std::min(Value, maxWidth_);
    return std::max({Value, minWidth_, 0});
}

void TListColumn::SetWidth(int Value)
{
    width_ = Limited(Value);
    owner_->Changed();
}

int TListColumn::WidthShown() const
{
    if (!autoSize_)
        return width_;
    int others = 0;
    for (int i = 0; i < owner_->Count(); ++i)
        if (owner_->Item(i) != this)
            others += owner_->Item(i)->WidthShown();
    return Limited(std::max(owner_->Owner()->ClientWidth() - others, width_));
}

void TListColumn::SetAlignment(TAlignment Value)
{
    alignment_ = Value;
    owner_->Changed();
}

void TListColumn::SetImageIndex(int Value)
{
    imageIndex_ = Value;
    owner_->Changed();
}

void TListColumn::SetAutoSize(bool Value)
{
    // Only one column fills; the others keep their widths.
    if (Value)
        for (int i = 0; i < owner_->Count(); ++i)
            owner_->Item(i)->autoSize_ = false;
    autoSize_ = Value;
    owner_->Changed();
}

void TListColumn::SetMinWidth(int Value)
{
    minWidth_ = std::max(Value, 0);
    width_ = Limited(width_);
    owner_->Changed();
}

void TListColumn::SetMaxWidth(int Value)
{
    maxWidth_ = std::max(Value, 0);
    width_ = Limited(width_);
    owner_->Changed();
}

TListColumns::TListColumns(TCustomListView* Owner) : owner_(Owner) {}

TListColumns::~TListColumns() = default;

TListColumn* TListColumns::Add()
{
    columns_.push_back(std::make_unique<TListColumn>(this));
    order_.push_back(Count() - 1);
    Changed();
    return columns_.back().get();
}

void TListColumns::Delete(int Index)
{
    if (Index < 0 || Index >= Count())
        return;
    columns_.erase(columns_.begin() + Index);
    order_.erase(std::find(order_.begin(), order_.end(), Index));
    for (int& shown : order_)
        if (shown > Index)
            --shown;
    Changed();
}

void TListColumns::Clear()
{
    columns_.clear();
    order_.clear();
    Changed();
}

int TListColumns::PositionOf(int Index) const
{
    const auto found = std::find(order_.begin(), order_.end(), Index);
    return found == order_.end() ? -1 : static_cast<int>(found - order_.begin());
}

void TListColumns::Move(int Index, int Position)
{
    const int from = PositionOf(Index);
    if (from < 0 || Position < 0 || Position >= Count() || Position == from)
        return;
    order_.erase(order_.begin() + from);
    order_.insert(order_.begin() + Position, Index);
    Changed();
}

int TListColumns::LeftOf(int Index) const
{
    int left = 0;
    for (int p = 0, end = PositionOf(Index); p < end; ++p)
        left += Item(ShownAt(p))->WidthShown();
    return left;
}

int TListColumns::RightOf(int Index) const
{
    return LeftOf(Index) + Item(Index)->WidthShown();
}

int TListColumns::TotalWidth() const
{
    int total = 0;
    for (const auto& column : columns_)
        total += column->WidthShown();
    return total;
}

void TListColumns::Changed()
{
    owner_->LayoutChanged();
}
