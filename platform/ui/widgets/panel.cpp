// TPanel: bevels, border and caption.
#include "platform/ui/widgets/panel.h"

#include <algorithm>

#include "platform/gdi/draw_text.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/kernel/controls_messages.h"
#include "platform/ui/graphics/flat_look.h"

namespace {

void DrawBevel(TCanvas* Canvas, TRect& R, TPanelBevel Bevel, int Width)
{
    switch (Bevel) {
    case bvNone:
        return;
    case bvLowered:
        DrawFlatFrame(Canvas, R, TFlatFrame::Sunken, Width);
        return;
    case bvRaised:
        DrawFlatFrame(Canvas, R, TFlatFrame::Raised, Width);
        return;
    case bvSpace:
        InflateRect(R, -Width, -Width);
        return;
    }
}

}  // namespace

TPanel::TPanel(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetControlStyle(TControlStyle(ControlStyle()).Include(csAcceptsControls).Include(csOpaque));
    SetBounds(0, 0, 185, 41);
    SetColor(clBtnFace);
}

int TPanel::FrameWidth() const
{
    return (bevelOuter_ != bvNone ? bevelWidth_ : 0) + borderWidth_ + (bevelInner_ != bvNone ? bevelWidth_ : 0);
}

void TPanel::FrameChanged()
{
    Realign();
    Invalidate();
}

void TPanel::SetBevelOuter(TPanelBevel Value)
{
    bevelOuter_ = Value;
    FrameChanged();
}

void TPanel::SetBevelInner(TPanelBevel Value)
{
    bevelInner_ = Value;
    FrameChanged();
}

void TPanel::SetBevelWidth(int Value)
{
    bevelWidth_ = std::max(Value, 1);
    FrameChanged();
}

void TPanel::SetBorderWidth(int Value)
{
    borderWidth_ = std::max(Value, 0);
    FrameChanged();
}

void TPanel::SetAlignment(TAlignment Value)
{
    alignment_ = Value;
    Invalidate();
}

void TPanel::AdjustClientRect(TRect& Rect)
{
    TCustomControl::AdjustClientRect(Rect);
    InflateRect(Rect, -FrameWidth(), -FrameWidth());
}

void TPanel::Paint()
{
    TCanvas* canvas = Canvas();
    canvas->SetFont(Font());
    TRect r = ClientRect();
    FlatFill(canvas, r, Color());
    DrawBevel(canvas, r, bevelOuter_, bevelWidth_);
    InflateRect(r, -borderWidth_, -borderWidth_);
    DrawBevel(canvas, r, bevelInner_, bevelWidth_);
    static constexpr unsigned Horizontal[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    DrawFlatText(canvas, r, Caption(), Horizontal[alignment_] | DT_VCENTER | DT_SINGLELINE, Enabled());
}

void TPanel::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CM_TEXTCHANGED:
    case CM_ENABLEDCHANGED:
    case CM_FONTCHANGED:
        Invalidate();
        break;
    default:
        break;
    }
    TCustomControl::Dispatch(Message);
}
