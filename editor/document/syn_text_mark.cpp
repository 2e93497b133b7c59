#include "editor/document/syn_text_mark.h"

#include <algorithm>
#include <string>

#include "platform/base/exceptions.h"

void TSynTextMark::SetLine(int Value)
{
    if (!visible_) {
        line_ = Value;
        return;
    }
    // Both the line it leaves and the line it goes to need a repaint.
    if (line_ > 0)
        Changed();
    line_ = Value;
    if (line_ > 0)
        Changed();
}

void TSynTextMark::SetImageIndex(int Value)
{
    imageIndex_ = Value;
    if (visible_)
        Changed();
}

void TSynTextMark::SetVisible(bool Value)
{
    if (visible_ == Value)
        return;
    visible_ = Value;
    Changed();
}

void TSynTextMark::SetInternalImage(bool Value)
{
    internalImage_ = Value;
    if (visible_)
        Changed();
}

void TSynTextMark::Changed()
{
    if (OnChange)
        OnChange(this);
}

TSynTextMarkList::~TSynTextMarkList() = default;

int TSynTextMarkList::Add(TSynTextMark* Item)
{
    items_.emplace_back(Item);
    Changed();
    return Count() - 1;
}

void TSynTextMarkList::Delete(int Index)
{
    if (Index < 0 || Index >= Count())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    items_.erase(items_.begin() + Index);
}

int TSynTextMarkList::Remove(TSynTextMark* Item)
{
    auto it = std::find_if(items_.begin(), items_.end(), [Item](const auto& mark) { return mark.get() == Item; });
    if (it == items_.end())
        return -1;
    const int index = static_cast<int>(it - items_.begin());
    Delete(index);
    Changed();
    return index;
}

void TSynTextMarkList::Clear()
{
    items_.clear();
    Changed();
}

void TSynTextMarkList::GetMarksForLine(int Line, TSynTextMarks& Marks) const
{
    Marks.fill(nullptr);
    size_t found = 0;
    for (const auto& mark : items_) {
        if (found == Marks.size())
            break;
        if (mark->Line() == Line)
            Marks[found++] = mark.get();
    }
}

void TSynTextMarkList::Changed()
{
    if (OnChange)
        OnChange(this);
}
