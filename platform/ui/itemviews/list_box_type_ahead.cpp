// The typed prefix of a list's type-ahead.
#include "platform/ui/itemviews/list_box_type_ahead.h"

#include "platform/base/code_page.h"

bool TTypeAhead::Type(char Key, uint32_t Now)
{
    if (static_cast<unsigned char>(Key) < ' ')
        return false;
    if (Now - last_ > Delay)
        prefix_.clear();
    last_ = Now;
    prefix_ += Key;
    const size_t end = prefix_.size() - 1;
    return !(IsDBCSLeadByte(prefix_[end]) && CharStartOf(prefix_, end) == end);
}

bool TTypeAhead::FirstCharacter() const
{
    return !prefix_.empty() && CharLengthAt(prefix_, 0) == prefix_.size();
}
