// TMenuItem: one entry of a menu and the tree of its sub-items; the pool of
// command numbers.
#include "platform/ui/kernel/menus.h"

#include <algorithm>

#include "platform/base/code_page.h"
#include "platform/ui/graphics/bitmap.h"

namespace {

// The command numbers in use; 0 is never handed out.
class TCommandPool {
public:
    uint16_t Take()
    {
        for (size_t tried = 0; tried < 0xFFFF; ++tried) {
            if (next_ == 0)
                next_ = 1;
            uint16_t command = next_++;
            if (command >= used_.size())
                used_.resize(size_t(command) + 1);
            if (!used_[command]) {
                used_[command] = true;
                return command;
            }
        }
        throw EMenuError("Too many menu items");
    }
    void Give(uint16_t Command) { used_[Command] = false; }

private:
    std::vector<bool> used_;
    uint16_t next_ = 1;  // where the search for a free number starts
};

TCommandPool& CommandPool()
{
    static TCommandPool pool;
    return pool;
}

}  // namespace

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner), command_(CommandPool().Take()) {}

TMenuItem::~TMenuItem()
{
    if (parent_)
        parent_->Remove(this);
    Clear();
    CommandPool().Give(command_);
}

void TMenuItem::SetCaption(const AnsiString& Value)
{
    if (caption_ == Value)
        return;
    caption_ = Value;
    MenuChanged(true);
}

void TMenuItem::SetShortCut(TShortCut Value)
{
    if (shortCut_ == Value)
        return;
    shortCut_ = Value;
    MenuChanged(true);
}

void TMenuItem::SetChecked(bool Value)
{
    if (checked_ == Value)
        return;
    checked_ = Value;
    if (Value && radioItem_)
        TurnSiblingsOff();
    MenuChanged(false);
}

void TMenuItem::SetRadioItem(bool Value)
{
    if (radioItem_ == Value)
        return;
    radioItem_ = Value;
    if (checked_ && radioItem_)
        TurnSiblingsOff();
    MenuChanged(false);
}

void TMenuItem::SetGroupIndex(uint8_t Value)
{
    if (groupIndex_ == Value)
        return;
    groupIndex_ = Value;
    if (checked_ && radioItem_)
        TurnSiblingsOff();
}

void TMenuItem::TurnSiblingsOff()
{
    if (!parent_)
        return;
    for (TMenuItem* sibling : parent_->items_)
        if (sibling != this && sibling->radioItem_ && sibling->groupIndex_ == groupIndex_ && sibling->checked_) {
            sibling->checked_ = false;
            sibling->MenuChanged(false);
        }
}

void TMenuItem::SetDefault(bool Value)
{
    if (default_ == Value)
        return;
    default_ = Value;
    MenuChanged(true);
}

void TMenuItem::SetEnabled(bool Value)
{
    if (enabled_ == Value)
        return;
    enabled_ = Value;
    MenuChanged(false);
}

void TMenuItem::SetVisible(bool Value)
{
    if (visible_ == Value)
        return;
    visible_ = Value;
    MenuChanged(true);
}

TBitmap* TMenuItem::Bitmap()
{
    if (!bitmap_)
        bitmap_ = std::make_unique<TBitmap>();
    return bitmap_.get();
}

void TMenuItem::SetBitmap(TBitmap* Value)
{
    Bitmap()->Assign(Value);
    MenuChanged(true);
}

void TMenuItem::SetImageIndex(int Value)
{
    if (imageIndex_ == Value)
        return;
    imageIndex_ = Value;
    MenuChanged(true);
}

TMenuItem* TMenuItem::Items(int Index) const
{
    if (Index < 0 || Index >= Count())
        throw EMenuError("Menu index out of range");
    return items_[size_t(Index)];
}

int TMenuItem::MenuIndex() const
{
    return parent_ ? parent_->IndexOf(const_cast<TMenuItem*>(this)) : -1;
}

int TMenuItem::IndexOf(TMenuItem* Item) const
{
    auto it = std::find(items_.begin(), items_.end(), Item);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

TMenuItem* TMenuItem::Find(const AnsiString& ACaption) const
{
    AnsiString wanted = StripHotkey(ACaption);
    for (TMenuItem* item : items_)
        if (SameText(StripHotkey(item->caption_), wanted))
            return item;
    return nullptr;
}

void TMenuItem::Add(TMenuItem* Item)
{
    Insert(Count(), Item);
}

void TMenuItem::Insert(int Index, TMenuItem* Item)
{
    if (!Item || Item->parent_ || Item->menu_)
        throw EMenuError("Menu inserted twice");
    if (Index < 0 || Index > Count())
        throw EMenuError("Menu index out of range");
    for (const TMenuItem* up = this; up; up = up->parent_)
        if (up == Item)
            throw EMenuError("Menu inserted into itself");
    items_.insert(items_.begin() + Index, Item);
    Item->parent_ = this;
    if (Item->checked_ && Item->radioItem_)
        Item->TurnSiblingsOff();
    MenuChanged(true);
}

void TMenuItem::Delete(int Index)
{
    TMenuItem* item = Items(Index);
    items_.erase(items_.begin() + Index);
    item->parent_ = nullptr;
    MenuChanged(true);
}

void TMenuItem::Remove(TMenuItem* Item)
{
    int index = IndexOf(Item);
    if (index < 0)
        throw EMenuError("Menu item not found");
    Delete(index);
}

void TMenuItem::Clear()
{
    while (!items_.empty())
        delete items_.back();  // its destructor takes it out of items_
}

bool TMenuItem::RethinkLines()
{
    // A separator stays only between two visible items that are not
    // separators, and only the first of a run does; keep holds the lines'
    // new visibility until every one is decided.
    std::vector<bool> keep(items_.size(), false);
    size_t pendingLine = items_.size();  // a line waiting for an item after it
    bool itemBefore = false;
    for (size_t i = 0; i < items_.size(); ++i) {
        TMenuItem* item = items_[i];
        if (item->IsLine()) {
            if (itemBefore && pendingLine == items_.size())
                pendingLine = i;
        } else if (item->visible_) {
            if (pendingLine != items_.size())
                keep[pendingLine] = true;
            pendingLine = items_.size();
            itemBefore = true;
        }
    }
    bool changed = false;
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i]->IsLine() && items_[i]->visible_ != keep[i]) {
            items_[i]->visible_ = keep[i];
            changed = true;
        }
    if (changed)
        MenuChanged(true);
    return changed;
}

void TMenuItem::Click()
{
    if (!enabled_)
        return;
    if (OnClick && actionLink_ && !actionLink_->IsOnExecuteLinked(OnClick))
        OnClick(this);
    else if (actionLink_)
        actionLink_->Execute(this);
    else if (OnClick)
        OnClick(this);
}

TCustomImageList* TMenuItem::GetImageList() const
{
    for (const TMenuItem* item = this; item; item = item->parent_)
        if (item->menu_)
            return item->menu_->Images();
    return nullptr;
}

TMenu* TMenuItem::GetParentMenu() const
{
    const TMenuItem* root = this;
    while (root->parent_)
        root = root->parent_;
    return root->menu_;
}

void TMenuItem::MenuChanged(bool Rebuild)
{
    if (TMenu* menu = GetParentMenu())
        menu->MenuChanged(this, Rebuild);
}
