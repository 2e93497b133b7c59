// TCheckBox: the state cycle and the drawing.
#include "platform/ui/widgets/check_box.h"

TCheckBox::TCheckBox(TComponent* AOwner) : TButtonControl(AOwner)
{
    SetBounds(0, 0, 97, 17);
}

void TCheckBox::SetState(TCheckBoxState Value)
{
    if (Value == state_)
        return;
    state_ = Value;
    Invalidate();
    Click();
}

void TCheckBox::Toggle()
{
    switch (state_) {
    case cbUnchecked:
        SetState(cbChecked);
        break;
    case cbChecked:
        SetState(allowGrayed_ ? cbGrayed : cbUnchecked);
        break;
    case cbGrayed:
        SetState(cbUnchecked);
        break;
    }
}

void TCheckBox::Paint()
{
    PaintBesideGlyph([this](const TRect& Glyph) { DrawFlatCheckGlyph(Canvas(), Glyph, state_, LookState()); });
}
