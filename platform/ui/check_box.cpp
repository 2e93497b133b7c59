// TCheckBox: the state cycle and the drawing.
#include "platform/ui/check_box.h"

#include "platform/gdi/draw_text.h"
#include "platform/ui/canvas.h"
#include "platform/ui/check_layout.h"

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
    PrepareCanvas();
    TCheckLayout layout = LayoutCheck(Canvas(), ClientRect(), Caption());
    FlatFill(Canvas(), ClientRect(), Color());
    DrawFlatCheckGlyph(Canvas(), layout.Glyph, state_, LookState());
    TRect text = layout.Text;
    DrawFlatText(Canvas(), text, Caption(), DT_LEFT | DT_VCENTER | DT_SINGLELINE, Enabled());
    if (Focused())
        DrawFlatFocusRect(Canvas(), layout.Focus);
}
