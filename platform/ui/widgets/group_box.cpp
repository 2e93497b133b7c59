// TGroupBox: the framed caption and its accelerator.
#include "platform/ui/widgets/group_box.h"

#include "platform/gdi/draw_text.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/kernel/controls_messages.h"
#include "platform/ui/graphics/flat_look.h"
#include "platform/ui/kernel/menus.h"
#include "platform/ui/graphics/text_metrics.h"

namespace {

// The caption starts this far into the frame, with this much frame left
// out on either side of it.
constexpr int CaptionIndent = 8;
constexpr int CaptionGap = 2;

}  // namespace

TGroupBox::TGroupBox(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetControlStyle(TControlStyle(ControlStyle()).Include(csAcceptsControls).Include(csOpaque));
    SetBounds(0, 0, 185, 105);
}

void TGroupBox::AdjustClientRect(TRect& Rect)
{
    TCustomControl::AdjustClientRect(Rect);
    Rect.Top += FontHeight(Font());
    InflateRect(Rect, -2, -2);
}

void TGroupBox::Paint()
{
    TCanvas* canvas = Canvas();
    canvas->SetFont(Font());
    TRect client = ClientRect();
    FlatFill(canvas, client, Color());
    int height = FontHeight(Font());
    TRect frame = client;
    frame.Top += height / 2;
    DrawFlatFrame(canvas, frame, TFlatFrame::Etched);
    AnsiString caption = Caption();
    if (caption.empty())
        return;
    TRect text = Rect(0, 0, 0, 0);
    canvas->TextRect(text, caption, DT_CALCRECT | DT_SINGLELINE);
    OffsetRect(text, CaptionIndent, 0);
    TRect gap = Rect(text.Left - CaptionGap, 0, text.Right + CaptionGap, height);
    FlatFill(canvas, gap, Color());
    DrawFlatText(canvas, text, caption, DT_LEFT | DT_SINGLELINE, Enabled());
}

void TGroupBox::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CM_DIALOGCHAR:
        if (IsAccel(static_cast<WORD>(Message.WParam), Caption()) && CanFocus()) {
            SelectNext(nullptr, true, true);
            Message.Result = 1;
            return;
        }
        TCustomControl::Dispatch(Message);
        return;
    case CM_TEXTCHANGED:
    case CM_ENABLEDCHANGED:
    case CM_FONTCHANGED:
        Invalidate();
        TCustomControl::Dispatch(Message);
        if (Message.Msg == CM_FONTCHANGED)
            Realign();
        return;
    default:
        TCustomControl::Dispatch(Message);
        return;
    }
}
