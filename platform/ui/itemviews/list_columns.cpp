// The report columns: widths within their limits, the AutoSize column that
// fills what the others leave, and the view told of every change.
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
    Changed();
    return columns_.back().get();
}

void TListColumns::Delete(int Index)
{
    if (Index < 0 || Index >= Count())
        return;
    columns_.erase(columns_.begin() + Index);
    Changed();
}

void TListColumns::Clear()
{
    columns_.clear();
    Changed();
}

int TListColumns::LeftOf(int Index) const
{
    int left = 0;
    for (int i = 0; i < Index && i < Count(); ++i)
        left += Item(i)->WidthShown();
    return left;
}

int TListColumns::TotalWidth() const
{
    return LeftOf(Count());
}

void TListColumns::Changed()
{
    owner_->LayoutChanged();
}
