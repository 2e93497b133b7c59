#include "platform/ui/kernel/control.h"

#include <algorithm>
#include <cstdlib>

#include "platform/base/code_page.h"
#include "platform/gdi/clipping.h"
#include "platform/ui/kernel/action_links.h"
#include "platform/ui/kernel/control_hooks.h"
#include "platform/ui/kernel/control_internal.h"
#include "platform/ui/kernel/controls_messages.h"
#include "platform/ui/graphics/graphics_exceptions.h"
#include "platform/ui/kernel/win_control.h"
#include "platform/win/update_region.h"
#include "platform/win/window_dc.h"

TControl::TControl(TComponent* AOwner)
    : TComponent(AOwner), constraints_(std::make_unique<TSizeConstraints>()), font_(std::make_unique<TFont>())
{
    WindowProc = TWndMethod(this, &TControl::WndProc);
    font_->OnChange = TNotifyEvent(this, &TControl::FontChanged);
    constraints_->OnChange = TNotifyEvent(this, &TControl::ConstraintsChanged);
}

TControl::~TControl()
{
    *alive_ = false;
    if (ControlHooks().ControlDestroyed)
        ControlHooks().ControlDestroyed(this);
    ForgetCaptureControl(this);
    ForgetMouseControl(this);
    ForgetDragControl(this);
    if (parent_)
        parent_->RemoveControl(this);
}

void TControl::SetParent(TWinControl* AParent)
{
    if (parent_ == AParent)
        return;
    auto* self = dynamic_cast<TWinControl*>(this);
    if (AParent && self && self->ContainsControl(AParent))
        throw EInvalidOperation("A control cannot have itself as its parent");
    if (parent_)
        parent_->RemoveControl(this);
    if (AParent) {
        AParent->InsertControl(this);
        UpdateAnchorRules();
    }
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    // A size that may not change still lets the control move.
    if (!CheckNewSize(AWidth, AHeight)) {
        AWidth = width_;
        AHeight = height_;
    }
    if (ALeft == left_ && ATop == top_ && AWidth == width_ && AHeight == height_)
        return;
    TAlive alive(this);
    InvalidateControl(visible_, false);
    left_ = ALeft;
    top_ = ATop;
    width_ = AWidth;
    height_ = AHeight;
    UpdateAnchorRules();
    Invalidate();
    Perform(WM_WINDOWPOSCHANGED, 0, 0);
    if (!alive)
        return;
    RequestAlign();
    if (alive && !ComponentState().Contains(csLoading))
        Resize();
}

TRect TControl::ClientRect()
{
    return Rect(0, 0, width_, height_);
}

void TControl::SetClientWidth(int Value)
{
    TRect client = SizingClientRect();
    SetBounds(left_, top_, width_ - client.Right + Value, height_);
}

void TControl::SetClientHeight(int Value)
{
    TRect client = SizingClientRect();
    SetBounds(left_, top_, width_, height_ - client.Bottom + Value);
}

TPoint TControl::ClientOrigin()
{
    if (!parent_)
        throw EInvalidOperation("Control '" + Name() + "' has no parent window");
    TPoint origin = parent_->ClientOrigin();
    return {origin.X + left_, origin.Y + top_};
}

TPoint TControl::ClientToScreen(TPoint Point)
{
    TPoint origin = ClientOrigin();
    return {Point.X + origin.X, Point.Y + origin.Y};
}

TPoint TControl::ScreenToClient(TPoint Point)
{
    TPoint origin = ClientOrigin();
    return {Point.X - origin.X, Point.Y - origin.Y};
}

void TControl::SetAlign(TAlign Value)
{
    if (align_ != Value) {
        TAlign old = align_;
        align_ = Value;
        anchors_ = AnchorAlign(Value);
        bool oldVertical = old == alTop || old == alBottom;
        bool newHorizontal = Value == alLeft || Value == alRight;
        bool bothSides = old != alNone && old != alClient && Value != alNone && Value != alClient;
        // Turning from a top or bottom bar to a side bar (or back) swaps
        // its width and height.
        if (!ComponentState().Contains(csLoading)) {
            if (bothSides && oldVertical == newHorizontal)
                SetBounds(left_, top_, height_, width_);
            else
                AdjustSize();
        }
    }
    RequestAlign();
}

void TControl::SetAnchors(TAnchors Value)
{
    if (anchors_ == Value)
        return;
    anchors_ = Value;
    UpdateAnchorRules();
}

void TControl::SetAutoSize(bool Value)
{
    if (autoSize_ == Value)
        return;
    autoSize_ = Value;
    if (Value)
        AdjustSize();
}

void TControl::SetVisible(bool Value)
{
    if (visible_ == Value)
        return;
    visible_ = Value;
    TAlive alive(this);
    Perform(CM_VISIBLECHANGED, Value, 0);
    if (alive)
        RequestAlign();
}

void TControl::SetEnabled(bool Value)
{
    if (enabled_ == Value)
        return;
    enabled_ = Value;
    Perform(CM_ENABLEDCHANGED, 0, 0);
}

bool TControl::Showing() const
{
    return visible_ && parent_ && parent_->Showing();
}

AnsiString TControl::Text()
{
    int length = GetTextLen();
    AnsiString text(static_cast<size_t>(std::max(length, 0)) + 1, '\0');
    int copied = GetTextBuf(text.data(), length + 1);
    text.resize(static_cast<size_t>(std::clamp(copied, 0, length)));
    return text;
}

void TControl::SetText(const AnsiString& Value)
{
    if (Text() != Value)
        SetTextBuf(Value.c_str());
}

int TControl::GetTextLen()
{
    return static_cast<int>(Perform(WM_GETTEXTLENGTH, 0, 0));
}

int TControl::GetTextBuf(char* Buffer, int BufSize)
{
    return static_cast<int>(Perform(WM_GETTEXT, static_cast<WPARAM>(BufSize), reinterpret_cast<LPARAM>(Buffer)));
}

void TControl::SetTextBuf(const char* Buffer)
{
    TAlive alive(this);
    Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Buffer));
    if (alive)
        Perform(CM_TEXTCHANGED, 0, 0);
}

void TControl::SetColor(TColor Value)
{
    if (color_ == Value)
        return;
    color_ = Value;
    parentColor_ = false;
    Perform(CM_COLORCHANGED, 0, 0);
}

void TControl::SetParentColor(bool Value)
{
    if (parentColor_ == Value)
        return;
    parentColor_ = Value;
    if (parent_)
        Perform(CM_PARENTCOLORCHANGED, 0, 0);
}

void TControl::SetParentFont(bool Value)
{
    if (parentFont_ == Value)
        return;
    parentFont_ = Value;
    if (parent_)
        Perform(CM_PARENTFONTCHANGED, 0, 0);
}

void TControl::SetCursor(TCursor Value)
{
    if (cursor_ == Value)
        return;
    cursor_ = Value;
    Perform(CM_CURSORCHANGED, 0, 0);
}

void TControl::SetShowHint(bool Value)
{
    if (showHint_ == Value)
        return;
    showHint_ = Value;
    parentShowHint_ = false;
    Perform(CM_SHOWHINTCHANGED, 0, 0);
}

void TControl::SetParentShowHint(bool Value)
{
    if (parentShowHint_ == Value)
        return;
    parentShowHint_ = Value;
    if (parent_)
        Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
}

void TControl::SetPopupMenu(TComponent* Value)
{
    popupMenu_ = Value;
    if (Value)
        Value->FreeNotification(this);
}

bool TControl::MouseCapture()
{
    return GetCaptureControl() == this;
}

void TControl::SetMouseCapture(bool Value)
{
    if (MouseCapture() != Value)
        SetCaptureControl(Value ? this : nullptr);
}

LRESULT TControl::Perform(UINT Msg, WPARAM WParam, LPARAM LParam)
{
    TMessage message{Msg, WParam, LParam, 0};
    if (WindowProc)
        WindowProc(message);
    return message.Result;
}

void TControl::DefaultHandler(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_GETTEXT: {
        auto* buffer = reinterpret_cast<char*>(Message.LParam);
        if (!buffer || Message.WParam == 0) {
            Message.Result = 0;
            return;
        }
        size_t count = std::min<size_t>(text_.size(), Message.WParam - 1);
        if (count < text_.size())
            count = CharStartOf(text_, count);
        std::copy_n(text_.data(), count, buffer);
        buffer[count] = '\0';
        Message.Result = static_cast<LRESULT>(count);
        return;
    }
    case WM_GETTEXTLENGTH:
        Message.Result = static_cast<LRESULT>(text_.size());
        return;
    case WM_SETTEXT: {
        auto* text = reinterpret_cast<const char*>(Message.LParam);
        text_ = text ? text : "";
        Message.Result = 1;
        return;
    }
    default:
        return;
    }
}

void TControl::Invalidate()
{
    InvalidateControl(visible_, controlStyle_.Contains(csOpaque));
}

void TControl::InvalidateControl(bool IsVisible, bool IsOpaque)
{
    if (!IsVisible || !parent_ || !parent_->HandleAllocated())
        return;
    TRect bounds = BoundsRect();
    InvalidateRect(parent_->Handle(), &bounds, !(IsOpaque || parent_->ControlStyle().Contains(csOpaque)));
}

void TControl::Update()
{
    if (parent_)
        parent_->Update();
}

void TControl::Repaint()
{
    if (!visible_ || !parent_ || !parent_->HandleAllocated())
        return;
    if (!controlStyle_.Contains(csOpaque)) {
        Invalidate();
        Update();
        return;
    }
    HWND window = parent_->Handle();
    HDC dc = GetDC(window);
    IntersectClipRect(dc, left_, top_, left_ + width_, top_ + height_);
    parent_->PaintControls(dc, this);
    ReleaseDC(window, dc);
}

void TControl::SetZOrder(bool TopMost)
{
    if (!parent_)
        return;
    auto& list = parent_->controls_;
    auto it = std::find(list.begin(), list.end(), this);
    if (it == list.end())
        return;
    list.erase(it);
    if (TopMost)
        list.push_back(this);
    else
        list.insert(list.begin(), this);
    InvalidateControl(visible_, true);
}

void TControl::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == popupMenu_)
        popupMenu_ = nullptr;
}

void TControl::Click()
{
    if (OnClick && actionLink_ && !actionLink_->IsOnExecuteLinked(OnClick))
        OnClick(this);
    else if (actionLink_)
        actionLink_->Execute(this);
    else if (OnClick)
        OnClick(this);
}

void TControl::DblClick()
{
    if (OnDblClick)
        OnDblClick(this);
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (OnMouseDown)
        OnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int X, int Y)
{
    if (OnMouseMove)
        OnMouseMove(this, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (OnMouseUp)
        OnMouseUp(this, Button, Shift, X, Y);
}

bool TControl::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos)
{
    bool handled = false;
    TAlive alive(this);
    if (OnMouseWheel)
        OnMouseWheel(this, Shift, WheelDelta, MousePos, handled);
    if (handled || !alive)
        return handled;
    wheelAccumulator_ += WheelDelta;
    while (alive && std::abs(wheelAccumulator_) >= WHEEL_DELTA) {
        bool down = wheelAccumulator_ < 0;
        wheelAccumulator_ += down ? WHEEL_DELTA : -WHEEL_DELTA;
        handled = down ? DoMouseWheelDown(Shift, MousePos) : DoMouseWheelUp(Shift, MousePos);
    }
    return handled;
}

bool TControl::DoMouseWheelDown(TShiftState Shift, TPoint MousePos)
{
    bool handled = false;
    if (OnMouseWheelDown)
        OnMouseWheelDown(this, Shift, MousePos, handled);
    return handled;
}

bool TControl::DoMouseWheelUp(TShiftState Shift, TPoint MousePos)
{
    bool handled = false;
    if (OnMouseWheelUp)
        OnMouseWheelUp(this, Shift, MousePos, handled);
    return handled;
}

void TControl::DoContextPopup(TPoint MousePos, bool& Handled)
{
    if (OnContextPopup)
        OnContextPopup(this, MousePos, Handled);
}

void TControl::Resize()
{
    if (OnResize)
        OnResize(this);
}

void TControl::FontChanged(TObject*)
{
    parentFont_ = false;
    Perform(CM_FONTCHANGED, 0, 0);
}

void TControl::ConstraintsChanged(TObject*)
{
    AdjustSize();
}
