// TRadioButton: exclusive checking, arrow keys and drawing.
#include "platform/ui/widgets/radio_button.h"

#include <algorithm>
#include <vector>

#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"

TRadioButton::TRadioButton(TComponent* AOwner) : TButtonControl(AOwner)
{
    SetBounds(0, 0, 113, 17);
    // Only the checked button of a set is a tab stop; the arrows reach the
    // others.
    SetTabStop(false);
}

std::vector<TRadioButton*> TRadioButton::Set()
{
    std::vector<TRadioButton*> set;
    if (!Parent())
        return set;
    std::vector<TWinControl*> order;
    Parent()->GetTabOrderList(order);
    for (TWinControl* control : order)
        if (auto* radio = dynamic_cast<TRadioButton*>(control); radio && radio->Parent() == Parent())
            set.push_back(radio);
    return set;
}

void TRadioButton::SetChecked(bool Value)
{
    if (Value == checked_)
        return;
    checked_ = Value;
    SetTabStop(Value);
    Invalidate();
    if (!Value)
        return;
    for (TRadioButton* other : Set())
        if (other != this)
            other->SetChecked(false);
    Click();
}

void TRadioButton::Paint()
{
    PaintBesideGlyph([this](const TRect& Glyph) { DrawFlatRadioGlyph(Canvas(), Glyph, checked_, LookState()); });
}

void TRadioButton::Dispatch(TMessage& Message)
{
    if (Message.Msg == WM_GETDLGCODE) {
        Message.Result = DLGC_WANTARROWS;
        return;
    }
    TButtonControl::Dispatch(Message);
}

void TRadioButton::KeyDown(WORD& Key, TShiftState Shift)
{
    TAlive alive(this);
    TButtonControl::KeyDown(Key, Shift);
    if (!alive)
        return;
    bool forward = Key == VK_DOWN || Key == VK_RIGHT;
    if (!forward && Key != VK_UP && Key != VK_LEFT)
        return;
    Key = 0;
    std::vector<TRadioButton*> set = Set();
    std::erase_if(set, [this](TRadioButton* radio) { return radio != this && !radio->CanFocus(); });
    auto at = std::find(set.begin(), set.end(), this);
    if (set.size() < 2 || at == set.end())
        return;
    size_t index = static_cast<size_t>(at - set.begin());
    size_t next = forward ? (index + 1) % set.size() : (index + set.size() - 1) % set.size();
    TRadioButton* target = set[next];
    target->SetFocus();
    if (alive && target->Focused())
        target->SetChecked(true);
}
