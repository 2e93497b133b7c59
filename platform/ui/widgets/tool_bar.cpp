// TToolBar: layout of the buttons in rows, the image lists and the bar's face.
#include "platform/ui/widgets/tool_bar.h"

#include <algorithm>

#include "platform/gdi/draw_text.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/kernel/controls_messages.h"
#include "platform/ui/graphics/flat_look.h"
#include "platform/ui/graphics/font.h"
#include "platform/ui/graphics/image_list.h"
#include "platform/ui/graphics/text_metrics.h"

namespace {

constexpr int SeparatorWidth = 8;
constexpr int CaptionPadding = 8;  // beside a caption, both sides together

}  // namespace

TToolBar::TToolBar(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetControlStyle(TControlStyle(ControlStyle()).Include(csAcceptsControls).Include(csOpaque));
    SetColor(clBtnFace);
    SetBounds(0, 0, 150, 29);
    SetAlign(alTop);
}

void TToolBar::SetImageList(TCustomImageList*& Field, TCustomImageList* Value)
{
    if (Field)
        Field->RemoveFreeNotification(this);
    Field = Value;
    if (Value)
        Value->FreeNotification(this);
    ButtonsChanged();
}

void TToolBar::SetImages(TCustomImageList* Value)
{
    SetImageList(images_, Value);
}

void TToolBar::SetHotImages(TCustomImageList* Value)
{
    SetImageList(hotImages_, Value);
}

void TToolBar::SetDisabledImages(TCustomImageList* Value)
{
    SetImageList(disabledImages_, Value);
}

void TToolBar::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomControl::Notification(AComponent, Operation);
    if (Operation != opRemove)
        return;
    bool changed = false;
    for (TCustomImageList** field : {&images_, &hotImages_, &disabledImages_})
        if (*field == AComponent) {
            *field = nullptr;
            changed = true;
        }
    if (changed)
        ButtonsChanged();
}

void TToolBar::SetFlat(bool Value)
{
    flat_ = Value;
    ButtonsChanged();
}

void TToolBar::SetShowCaptions(bool Value)
{
    showCaptions_ = Value;
    ButtonsChanged();
}

void TToolBar::SetButtonWidth(int Value)
{
    buttonWidth_ = std::max(Value, 1);
    ButtonsChanged();
}

void TToolBar::SetButtonHeight(int Value)
{
    buttonHeight_ = std::max(Value, 1);
    ButtonsChanged();
}

void TToolBar::SetAutoSize(bool Value)
{
    autoSize_ = Value;
    ButtonsChanged();
}

void TToolBar::SetWrapable(bool Value)
{
    wrapable_ = Value;
    ButtonsChanged();
}

int TToolBar::ButtonCount()
{
    int count = 0;
    for (int i = 0; i < ControlCount(); ++i)
        count += dynamic_cast<TToolButton*>(Controls(i)) != nullptr;
    return count;
}

TToolButton* TToolBar::Buttons(int Index)
{
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* button = dynamic_cast<TToolButton*>(Controls(i)); button && Index-- == 0)
            return button;
    return nullptr;
}

int TToolBar::CaptionWidth()
{
    if (!showCaptions_)
        return 0;
    int widest = 0;
    for (int i = 0; i < ControlCount(); ++i) {
        auto* button = dynamic_cast<TToolButton*>(Controls(i));
        if (button && button->Style() != tbsSeparator && button->Style() != tbsDivider)
            widest = std::max(widest, MeasureText(Font(), button->Caption(), DT_SINGLELINE, 0).Width());
    }
    return widest + CaptionPadding;
}

TSize TToolBar::ButtonSize(TToolButton* Button)
{
    int height = buttonHeight_;
    if (showCaptions_) {
        int image = images_ ? images_->Height() : 0;
        height = std::max(height, image + FontHeight(Font()) + 8);
    }
    if (Button->Style() == tbsSeparator || Button->Style() == tbsDivider)
        return {SeparatorWidth, height};
    int width = std::max(buttonWidth_, CaptionWidth());
    if (Button->Style() == tbsDropDown)
        width += kToolButtonArrowWidth;
    // A caption longer than the bar is cut, not the bar widened.
    return {std::min(width, std::max(ClientWidth(), 1)), height};
}

void TToolBar::ButtonsChanged()
{
    if (laying_)
        return;
    Realign();
    Invalidate();
}

void TToolBar::AlignControls(TControl*, TRect& Rect)
{
    if (laying_)
        return;
    laying_ = true;
    int x = Rect.Left, y = Rect.Top, rowHeight = 0;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* control = Controls(i);
        if (!control->Visible())
            continue;
        auto* button = dynamic_cast<TToolButton*>(control);
        TSize size = button ? ButtonSize(button) : TSize{control->Width(), control->Height()};
        if (wrapable_ && x > Rect.Left && x + size.cx > Rect.Right) {
            x = Rect.Left;
            y += rowHeight;
            rowHeight = 0;
        }
        control->SetBounds(x, y, size.cx, size.cy);
        x += size.cx;
        rowHeight = std::max(rowHeight, size.cy);
    }
    laying_ = false;
    if (autoSize_ && rowHeight > 0)
        SetHeight(y + rowHeight + (Height() - ClientHeight()));
}

void TToolBar::Paint()
{
    FlatFill(Canvas(), ClientRect(), Color());
}

void TToolBar::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CM_FONTCHANGED:
    case CM_CONTROLCHANGE:
        TCustomControl::Dispatch(Message);
        ButtonsChanged();
        return;
    default:
        break;
    }
    TCustomControl::Dispatch(Message);
}
