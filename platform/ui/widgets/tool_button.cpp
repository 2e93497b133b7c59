// TToolButton: presses, check groups, the drop-down menu and the drawing of
// the face, the image and the caption.
#include "platform/ui/widgets/tool_button.h"

#include <algorithm>

#include "platform/gdi/draw_text.h"
#include "platform/ui/kernel/actions.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/kernel/control_internal.h"
#include "platform/ui/kernel/controls_messages.h"
#include "platform/ui/graphics/flat_look.h"
#include "platform/ui/graphics/image_list.h"
#include "platform/ui/kernel/menus.h"
#include "platform/ui/widgets/tool_bar.h"

TToolButton::TToolButton(TComponent* AOwner) : TGraphicControl(AOwner)
{
    // The press is the button's own business: released over it.
    SetControlStyle(TControlStyle(ControlStyle()).Exclude(csClickEvents).Exclude(csDoubleClicks));
    SetBounds(0, 0, 23, 22);
}

TToolButton::~TToolButton()
{
    SetDropdownMenu(nullptr);
}

TToolBar* TToolButton::ToolBar() const
{
    return dynamic_cast<TToolBar*>(Parent());
}

void TToolButton::SizeChanged()
{
    if (TToolBar* bar = ToolBar())
        bar->ButtonsChanged();
    Invalidate();
}

void TToolButton::SetStyle(TToolButtonStyle Value)
{
    style_ = Value;
    if (Value != tbsCheck)
        down_ = false;
    SizeChanged();
}

void TToolButton::SetImageIndex(int Value)
{
    imageIndex_ = Value;
    Invalidate();
}

void TToolButton::SetGrouped(bool Value)
{
    grouped_ = Value;
}

template <typename TStep>
void TToolButton::ForEachInGroup(TStep Step)
{
    TWinControl* parent = Parent();
    if (!grouped_ || style_ != tbsCheck || !parent)
        return;
    int at = 0;
    while (parent->Controls(at) != this)
        ++at;
    auto member = [](TControl* control) {
        auto* button = dynamic_cast<TToolButton*>(control);
        return button && button->grouped_ && button->style_ == tbsCheck ? button : nullptr;
    };
    for (int i = at - 1; i >= 0 && member(parent->Controls(i)); --i)
        Step(member(parent->Controls(i)));
    for (int i = at + 1; i < parent->ControlCount() && member(parent->Controls(i)); ++i)
        Step(member(parent->Controls(i)));
}

void TToolButton::SetDown(bool Value)
{
    if (style_ != tbsCheck)
        Value = false;
    if (Value == down_)
        return;
    down_ = Value;
    if (Value) {
        ForEachInGroup([](TToolButton* other) {
            if (other->down_) {
                other->down_ = false;
                other->Invalidate();
            }
        });
    }
    Invalidate();
}

void TToolButton::SetAllowAllUp(bool Value)
{
    allowAllUp_ = Value;
}

void TToolButton::SetMarked(bool Value)
{
    marked_ = Value;
    Invalidate();
}

void TToolButton::SetIndeterminate(bool Value)
{
    indeterminate_ = Value;
    Invalidate();
}

void TToolButton::SetDropdownMenu(TPopupMenu* Value)
{
    if (dropdownMenu_)
        dropdownMenu_->RemoveFreeNotification(this);
    dropdownMenu_ = Value;
    if (Value)
        Value->FreeNotification(this);
}

void TToolButton::Notification(TComponent* AComponent, TOperation Operation)
{
    TGraphicControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == dropdownMenu_)
        dropdownMenu_ = nullptr;
}

void TToolButton::ActionChange(TObject* Sender)
{
    TGraphicControl::ActionChange(Sender);
    auto* action = dynamic_cast<TCustomAction*>(Sender);
    if (!action)
        return;
    imageIndex_ = action->ImageIndex();
    // A checked action holds its button down; the action decides, grouped
    // or not.
    if (style_ == tbsCheck && action->Checked() != down_) {
        if (action->Checked())
            SetDown(true);
        else
            down_ = false;
    }
    Invalidate();
}

TRect TToolButton::ArrowRect()
{
    if (style_ != tbsDropDown)
        return {};
    TRect r = ClientRect();
    r.Left = std::max(r.Right - kToolButtonArrowWidth, 0);
    return r;
}

void TToolButton::DropDown()
{
    TAlive alive(this);
    dropping_ = true;
    Repaint();
    TPoint below = ClientToScreen(Point(0, Height()));
    dropdownMenu_->SetPopupComponent(this);
    dropdownMenu_->Popup(below.X, below.Y);
    if (alive) {
        dropping_ = false;
        mousePress_.Cancel();
        Invalidate();
    }
    // The chosen item ran after the menu let go of the mouse and may have
    // held it again.
    CheckMouseControl();
}

void TToolButton::PaintImageAndCaption(const TRect& Content)
{
    TCanvas* canvas = Canvas();
    TToolBar* bar = ToolBar();
    bool enabled = Enabled() && !indeterminate_;
    TCustomImageList* images = bar ? bar->Images() : nullptr;
    TCustomImageList* list = images;
    if (bar && !enabled && bar->DisabledImages())
        list = bar->DisabledImages();
    else if (bar && hot_ && enabled && bar->HotImages())
        list = bar->HotImages();
    bool showImage = list && imageIndex_ >= 0 && imageIndex_ < list->Count();
    bool showCaption = bar && bar->ShowCaptions();
    int imageHeight = showImage ? list->Height() : 0;
    int textHeight = showCaption ? canvas->TextHeight("W") : 0;
    int gap = showImage && showCaption ? 2 : 0;
    int top = Content.Top + (Content.Height() - imageHeight - gap - textHeight) / 2;
    if (showImage)
        list->Draw(canvas, Content.Left + (Content.Width() - list->Width()) / 2, top, imageIndex_,
                   enabled || list != images);
    if (showCaption) {
        TRect text = Rect(Content.Left + 2, top + imageHeight + gap, Content.Right - 2, Content.Bottom);
        DrawFlatText(canvas, text, Caption(), DT_CENTER | DT_TOP | DT_SINGLELINE | DT_END_ELLIPSIS, enabled);
    }
}

void TToolButton::Paint()
{
    TCanvas* canvas = Canvas();
    canvas->SetFont(Font());
    TRect client = ClientRect();
    if (style_ == tbsSeparator)
        return;
    if (style_ == tbsDivider) {
        TRect line = Rect(client.Width() / 2 - 1, client.Top + 1, client.Width() / 2 + 1, client.Bottom - 1);
        DrawFlatFrame(canvas, line, TFlatFrame::Etched);
        return;
    }
    TToolBar* bar = ToolBar();
    TFlatState state;
    state.Disabled = !Enabled();
    state.Hot = (hot_ || dropping_) && !state.Disabled;
    state.Pressed = (Pressed() || down_) && !state.Disabled;
    state.Flat = bar && bar->Flat();
    TRect arrow = ArrowRect();
    TRect main = client;
    if (!IsRectEmpty(arrow))
        main.Right = arrow.Left;
    TRect content = DrawFlatButtonFace(canvas, main, state);
    if (marked_)
        FlatFill(canvas, content, clBtnHighlight);
    PaintImageAndCaption(content);
    if (!IsRectEmpty(arrow)) {
        TFlatState arrowState = state;
        arrowState.Pressed = dropping_ && !state.Disabled;
        TRect r = DrawFlatButtonFace(canvas, arrow, arrowState);
        DrawFlatArrow(canvas, r, TArrowGlyph::Down, Enabled());
    }
}

void TToolButton::Dispatch(TMessage& Message)
{
    if (FollowPressMessage(Message.Msg, hot_, mousePress_))
        Invalidate();
    else if (Message.Msg == CM_TEXTCHANGED || Message.Msg == CM_FONTCHANGED)
        SizeChanged();
    TGraphicControl::Dispatch(Message);
}

void TToolButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TAlive alive(this);
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (!alive || Button != mbLeft || !Enabled() || style_ == tbsSeparator || style_ == tbsDivider)
        return;
    if (dropdownMenu_ && PtInRect(ArrowRect(), Point(X, Y))) {
        DropDown();
        return;
    }
    mousePress_.Begin();
    Invalidate();
}

void TToolButton::MouseMove(TShiftState Shift, int X, int Y)
{
    if (mousePress_.Move(ClientRect(), Point(X, Y)))
        Invalidate();
    TGraphicControl::MouseMove(Shift, X, Y);
}

void TToolButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TAlive alive(this);
    bool press = false;
    if (Button == mbLeft && mousePress_.Held()) {
        press = mousePress_.End(ClientRect(), Point(X, Y));
        Invalidate();
    }
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (!press || !alive)
        return;
    if (style_ == tbsCheck) {
        // The one button down in a group stays down unless AllowAllUp.
        if (!down_ || !grouped_ || allowAllUp_)
            SetDown(!down_);
    }
    Click();
    // The click may have run something that held the mouse (a menu, a
    // dialog), so the button may not have heard the mouse leave it.
    CheckMouseControl();
}
