// The list box's keyboard, mouse and type-ahead.
#include <algorithm>

#include "platform/base/code_page.h"
#include "platform/ui/kernel/focus_on_press.h"
#include "platform/ui/itemviews/list_box.h"
#include "platform/win/clock.h"
#include "platform/win/virtual_keys.h"

namespace {

// Rows a notch of the wheel scrolls.
constexpr int WheelRows = 3;

}  // namespace

int TCustomListBox::FindPrefix(const AnsiString& Prefix, int After) const
{
    const int count = store_.Count();
    for (int k = 1; k <= count; ++k) {
        const int i = ((After + k) % count + count) % count;
        const AnsiString& text = store_.At(i).Text;
        // Both are walked from their first byte, so equal whole characters
        // line up; a trail byte of the row never matches a typed letter.
        if (text.size() >= Prefix.size() && CompareText(std::string_view(text).substr(0, Prefix.size()), Prefix) == 0)
            return i;
    }
    return -1;
}

int TCustomListBox::FindTyped(const TTypeAhead& Typed) const
{
    return FindPrefix(Typed.Prefix(), Typed.FirstCharacter() ? itemIndex_ : std::max(itemIndex_, 0) - 1);
}

bool TCustomListBox::SelectRange(int Anchor, int Index, bool KeepOthers)
{
    const int low = std::min(Anchor, Index);
    const int high = std::max(Anchor, Index);
    bool changed = false;
    for (int i = 0; i < store_.Count(); ++i) {
        const bool inside = i >= low && i <= high;
        if ((inside || !KeepOthers) && store_.At(i).Selected != inside) {
            store_.At(i).Selected = inside;
            changed = true;
        }
    }
    if (changed)
        Invalidate();
    return changed;
}

void TCustomListBox::UserSelect(int Index, TShiftState Shift)
{
    if (Index < 0 || Index >= store_.Count())
        return;
    if (!multiSelect_) {
        const bool changed = Index != itemIndex_;
        SetItemIndex(Index);
        MakeVisible(Index);
        if (changed)
            SelectionChanged();
        return;
    }
    InvalidateRow(itemIndex_);
    itemIndex_ = Index;
    InvalidateRow(itemIndex_);
    MakeVisible(Index);
    // Without the extended style the keys only move the focus; Space and
    // clicks toggle.
    if (!extendedSelect_)
        return;
    bool changed = false;
    if (Shift.Contains(ssShift)) {
        if (anchor_ < 0)
            anchor_ = Index;
        changed = SelectRange(anchor_, Index, Shift.Contains(ssCtrl));
    } else if (!Shift.Contains(ssCtrl)) {
        anchor_ = Index;
        changed = SelectRange(Index, Index, false);
    }
    if (changed)
        SelectionChanged();
}

void TCustomListBox::KeyDown(WORD& Key, TShiftState Shift)
{
    TAlive alive(this);
    TCustomControl::KeyDown(Key, Shift);
    if (!alive || Key == 0)
        return;
    const int count = store_.Count();
    const int current = itemIndex_;
    const int page = std::max(RowsPerPage() - 1, 1);
    int target = 0;
    switch (Key) {
    case VK_UP:
    case VK_LEFT: target = current < 0 ? 0 : current - 1; break;
    case VK_DOWN:
    case VK_RIGHT: target = current + 1; break;
    case VK_PRIOR: target = current - page; break;
    case VK_NEXT: target = current + page; break;
    case VK_HOME: target = 0; break;
    case VK_END: target = count - 1; break;
    case VK_SPACE:
        if (multiSelect_ && current >= 0 && (!extendedSelect_ || Shift.Contains(ssCtrl))) {
            SetSelected(current, !store_.At(current).Selected);
            anchor_ = current;
            SelectionChanged();
            Key = 0;
        }
        return;
    default: return;
    }
    Key = 0;
    if (count > 0)
        UserSelect(std::clamp(target, 0, count - 1), Shift);
}

void TCustomListBox::KeyPress(char& Key)
{
    TAlive alive(this);
    TCustomControl::KeyPress(Key);
    if (!alive || store_.Count() == 0)
        return;
    if (!typeAhead_.Type(Key, GetTickCount()))
        return;
    const int found = FindTyped(typeAhead_);
    if (found >= 0)
        UserSelect(found, TShiftState());
}

void TCustomListBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TAlive alive(this);
    if (Button == mbLeft && !TakeFocusOnPress(this))
        return;
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (!alive || Button != mbLeft)
        return;
    const int index = ItemAtPos(Point(X, Y), true);
    if (index < 0)
        return;
    tracking_ = true;
    if (multiSelect_ && (!extendedSelect_ || (Shift.Contains(ssCtrl) && !Shift.Contains(ssShift)))) {
        InvalidateRow(itemIndex_);
        itemIndex_ = index;
        anchor_ = index;
        SetSelected(index, !store_.At(index).Selected);
        SelectionChanged();
    } else {
        UserSelect(index, Shift);
    }
    if (alive && Shift.Contains(ssDouble))
        DblClick();
}

void TCustomListBox::MouseMove(TShiftState Shift, int X, int Y)
{
    TAlive alive(this);
    TCustomControl::MouseMove(Shift, X, Y);
    if (!alive)
        return;
    // A menu or another window that took the mouse while the button was
    // down also took its release: the drag ends with the button, seen or not.
    if (!Shift.Contains(ssLeft))
        tracking_ = false;
    if (!tracking_ || store_.Count() == 0)
        return;
    // Dragging past the top or the bottom scrolls one row per move.
    int index = 0;
    if (Y < 0) {
        index = std::max(topIndex_ - 1, 0);
    } else if (Y >= ClientHeight()) {
        index = std::min(topIndex_ + RowsPerPage(), store_.Count() - 1);
    } else {
        index = ItemAtPos(Point(std::clamp(X, 0, ClientWidth() - 1), Y), true);
        if (index < 0)
            index = store_.Count() - 1;
    }
    if (index == itemIndex_)
        return;
    if (multiSelect_ && !extendedSelect_)
        return;
    UserSelect(index, multiSelect_ ? TShiftState{ssShift} : TShiftState());
}

void TCustomListBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft)
        tracking_ = false;
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

bool TCustomListBox::DoMouseWheelDown(TShiftState Shift, TPoint MousePos)
{
    if (!TCustomControl::DoMouseWheelDown(Shift, MousePos))
        SetTopIndex(topIndex_ + WheelRows);
    return true;
}

bool TCustomListBox::DoMouseWheelUp(TShiftState Shift, TPoint MousePos)
{
    if (!TCustomControl::DoMouseWheelUp(Shift, MousePos))
        SetTopIndex(topIndex_ - WheelRows);
    return true;
}
