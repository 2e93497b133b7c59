// TLabel: sizing to the text, drawing and the accelerator.
#include "platform/ui/widgets/label.h"

#include "platform/gdi/draw_text.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/kernel/controls_messages.h"
#include "platform/ui/graphics/flat_look.h"
#include "platform/ui/kernel/menus.h"
#include "platform/ui/graphics/text_metrics.h"
#include "platform/ui/kernel/win_control.h"

TLabel::TLabel(TComponent* AOwner) : TGraphicControl(AOwner)
{
    SetControlStyle(TControlStyle(ControlStyle()).Include(csOpaque).Include(csSetCaption));
    SetBounds(0, 0, 65, 17);
    SetAutoSize(true);
}

unsigned TLabel::TextFormat() const
{
    static constexpr unsigned Horizontal[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    unsigned format = Horizontal[alignment_] | DT_EXPANDTABS;
    // A word wider than the label (a long path) breaks between characters
    // rather than running past the edge.
    if (wordWrap_)
        format |= DT_WORDBREAK | DT_EDITCONTROL;
    if (!showAccelChar_)
        format |= DT_NOPREFIX;
    return format;
}

AnsiString TLabel::LayoutText()
{
    AnsiString text = Caption();
    // A lone '&' draws nothing either: measure a space after it.
    if (text.empty() || (showAccelChar_ && text == "&"))
        text += ' ';
    return text;
}

bool TLabel::CanAutoSize(int& NewWidth, int& NewHeight)
{
    TRect r = MeasureText(Font(), LayoutText(), TextFormat(), wordWrap_ ? NewWidth : 0);
    if (!wordWrap_)
        NewWidth = r.Width();
    NewHeight = r.Height();
    return true;
}

void TLabel::TextChanged()
{
    AdjustSize();
    Invalidate();
}

void TLabel::SetAlignment(TAlignment Value)
{
    alignment_ = Value;
    Invalidate();
}

void TLabel::SetLayout(TTextLayout Value)
{
    layout_ = Value;
    Invalidate();
}

void TLabel::SetWordWrap(bool Value)
{
    wordWrap_ = Value;
    TextChanged();
}

void TLabel::SetTransparent(bool Value)
{
    if (Value == transparent_)
        return;
    transparent_ = Value;
    TControlStyle style = ControlStyle();
    SetControlStyle(Value ? style.Exclude(csOpaque) : style.Include(csOpaque));
    Invalidate();
}

void TLabel::SetShowAccelChar(bool Value)
{
    showAccelChar_ = Value;
    TextChanged();
}

void TLabel::SetFocusControl(TWinControl* Value)
{
    if (focusControl_)
        focusControl_->RemoveFreeNotification(this);
    focusControl_ = Value;
    if (Value)
        Value->FreeNotification(this);
}

void TLabel::Notification(TComponent* AComponent, TOperation Operation)
{
    TGraphicControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == focusControl_)
        focusControl_ = nullptr;
}

void TLabel::Paint()
{
    TCanvas* canvas = Canvas();
    canvas->SetFont(Font());
    TRect client = ClientRect();
    if (!transparent_)
        FlatFill(canvas, client, Color());
    unsigned format = TextFormat();
    TRect text = client;
    if (layout_ != tlTop) {
        TRect size = MeasureText(Font(), LayoutText(), format, client.Width());
        int room = client.Height() - size.Height();
        OffsetRect(text, 0, layout_ == tlCenter ? room / 2 : room);
    }
    DrawFlatText(canvas, text, Caption(), format, Enabled());
}

void TLabel::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CM_DIALOGCHAR:
        if (focusControl_ && Enabled() && showAccelChar_ && IsAccel(static_cast<WORD>(Message.WParam), Caption()) &&
            focusControl_->CanFocus()) {
            focusControl_->SetFocus();
            Message.Result = 1;
            return;
        }
        TGraphicControl::Dispatch(Message);
        return;
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
        TGraphicControl::Dispatch(Message);
        TextChanged();
        return;
    case CM_ENABLEDCHANGED:
        Invalidate();
        TGraphicControl::Dispatch(Message);
        return;
    default:
        TGraphicControl::Dispatch(Message);
        return;
    }
}
