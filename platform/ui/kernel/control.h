// TControl: the base of everything visible, windowed (TWinControl) or not
// (TGraphicControl). A control has a parent, bounds in its parent's client
// area, an alignment, anchors and size constraints, text, colour, font and
// cursor, and takes its messages through WindowProc.
//
// Messages: Perform builds a TMessage and hands it to WindowProc, which is
// the control's WndProc unless someone hooked it (hooks call the previous
// WindowProc for what they don't take). WndProc does the preprocessing
// every message needs and calls Dispatch; each class overrides Dispatch
// with a switch over the messages it handles and passes the rest to its
// base class's Dispatch, so "inherited handling" is the base's Dispatch.
// Messages nobody handles end in DefaultHandler.
//
// A control may be freed by an event handler it calls (a click that
// closes what was clicked). Code that calls out to handlers keeps a
// TControl::TAlive token and stops touching the control once it reports
// the control gone.
#pragma once

#include <memory>
#include <string>

#include "platform/base/component.h"
#include "platform/gdi/colors.h"
#include "platform/ui/kernel/control_types.h"
#include "platform/ui/graphics/font.h"
#include "platform/ui/kernel/message_records.h"
#include "platform/ui/kernel/size_constraints.h"
#include "platform/base/ansi_string.h"

class TBasicAction;
class TControlActionLink;
class TWinControl;

class TControl : public TComponent {
public:
    explicit TControl(TComponent* AOwner);
    ~TControl() override;

    TWinControl* Parent() const { return parent_; }
    // Leaves the old parent and joins the new one, on top of its siblings of
    // the same kind. Raises EInvalidOperation when AParent is the control
    // itself or one of its descendants.
    virtual void SetParent(TWinControl* AParent);

    int Left() const { return left_; }
    void SetLeft(int Value) { SetBounds(Value, top_, width_, height_); }
    int Top() const { return top_; }
    void SetTop(int Value) { SetBounds(left_, Value, width_, height_); }
    int Width() const { return width_; }
    void SetWidth(int Value) { SetBounds(left_, top_, Value, height_); }
    int Height() const { return height_; }
    void SetHeight(int Value) { SetBounds(left_, top_, width_, Value); }
    TRect BoundsRect() const { return Bounds(left_, top_, width_, height_); }
    void SetBoundsRect(const TRect& R) { SetBounds(R.Left, R.Top, R.Width(), R.Height()); }
    // Every change of position or size comes here. The size first passes
    // OnCanResize, the constraints and AutoSize.
    virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);

    // (0, 0, Width, Height) for a window-less control; a windowed one
    // answers its window's client area.
    virtual TRect ClientRect();
    int ClientWidth() { return ClientRect().Right; }
    void SetClientWidth(int Value);
    int ClientHeight() { return ClientRect().Bottom; }
    void SetClientHeight(int Value);
    // The client area's top-left on the screen; EInvalidOperation without a
    // parent window.
    virtual TPoint ClientOrigin();
    TPoint ClientToScreen(TPoint Point);
    TPoint ScreenToClient(TPoint Point);

    TAlign Align() const { return align_; }
    void SetAlign(TAlign Value);
    TAnchors Anchors() const { return anchors_; }
    void SetAnchors(TAnchors Value);
    TSizeConstraints* Constraints() const { return constraints_.get(); }
    void SetConstraints(TSizeConstraints* Value) { constraints_->Assign(Value); }
    bool AutoSize() const { return autoSize_; }
    virtual void SetAutoSize(bool Value);

    bool Visible() const { return visible_; }
    void SetVisible(bool Value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool Value);
    // Visible, and so are all the parents up to a shown top-level control.
    virtual bool Showing() const;

    // Caption and Text are the same text: WM_GETTEXT / WM_SETTEXT, so a
    // windowed control keeps it in its window. Setting it sends
    // CM_TEXTCHANGED.
    AnsiString Text();
    void SetText(const AnsiString& Value);
    AnsiString Caption() { return Text(); }
    void SetCaption(const AnsiString& Value) { SetText(Value); }
    int GetTextLen();
    // Copies at most BufSize - 1 bytes and a terminating zero; answers the
    // bytes copied.
    int GetTextBuf(char* Buffer, int BufSize);
    void SetTextBuf(const char* Buffer);

    TColor Color() const { return color_; }
    // Sends CM_COLORCHANGED; the control no longer follows its parent.
    virtual void SetColor(TColor Value);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool Value);
    TFont* Font() const { return font_.get(); }
    void SetFont(TFont* Value) { font_->Assign(Value); }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool Value);
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor Value);
    AnsiString Hint;
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool Value);
    bool ParentShowHint() const { return parentShowHint_; }
    void SetParentShowHint(bool Value);
    // The context menu (a popup menu component), not owned; cleared when
    // the menu is freed.
    TComponent* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TComponent* Value);

    // The action the control follows, or nullptr: the control shows its
    // caption, enabled and visible states and hint, and a click executes
    // it (unless OnClick is a handler of the control's own). Not owned; a
    // freed action leaves the control as it was.
    TBasicAction* Action() const;
    void SetAction(TBasicAction* Value);
    // Brings the action up to date; the idle step calls it for the shown
    // clients.
    void InitiateAction();
    // Offers the control to Action as its target: when Action handles it,
    // Action's ExecuteTarget (UpdateTarget) runs. Answers whether it did.
    virtual bool ExecuteAction(TBasicAction* Action);
    virtual bool UpdateAction(TBasicAction* Action);

    TControlStyle ControlStyle() const { return controlStyle_; }
    void SetControlStyle(TControlStyle Value) { controlStyle_ = Value; }
    TControlState ControlState() const { return controlState_; }
    void SetControlState(TControlState Value) { controlState_ = Value; }

    // Whether this control has the mouse capture (a window-less control
    // through its parent's window).
    bool MouseCapture();
    void SetMouseCapture(bool Value);

    // Sends a message straight to WindowProc and answers its result.
    LRESULT Perform(UINT Msg, WPARAM WParam, LPARAM LParam);
    // The message entry, initially WndProc. Whoever replaces it keeps the
    // previous one and calls it for the messages it does not take.
    TWndMethod WindowProc;
    // Calls the handler this class has for the message, else the base's,
    // ending in DefaultHandler.
    virtual void Dispatch(TMessage& Message);
    // What a message nobody handles gets: a window-less control keeps its
    // text here; a windowed one calls its window class's procedure.
    virtual void DefaultHandler(TMessage& Message);

    // Marks the control's area for painting.
    virtual void Invalidate();
    // Paints what is marked now.
    virtual void Update();
    // Invalidate and Update; an opaque window-less control paints itself
    // straight away.
    virtual void Repaint();
    void Refresh() { Repaint(); }
    void BringToFront() { SetZOrder(true); }
    void SendToBack() { SetZOrder(false); }

    // The drag manager. BeginDrag starts at once (Immediate) or once the
    // mouse has moved Threshold pixels (-1: the default of 5) with the left
    // button held; the mouse is captured until the drop or a cancel.
    void BeginDrag(bool Immediate, int Threshold = -1);
    bool Dragging() const;
    // Ends this control's drag: dropped where the mouse is, or cancelled.
    void EndDrag(bool Drop);
    TDragMode DragMode() const { return dragMode_; }
    void SetDragMode(TDragMode Value) { dragMode_ = Value; }
    TCursor DragCursor() const { return dragCursor_; }
    void SetDragCursor(TCursor Value) { dragCursor_ = Value; }
    // Drops Source here: OnDragDrop.
    virtual void DragDrop(TObject* Source, int X, int Y);

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TMouseWheelEvent OnMouseWheel;
    TMouseWheelUpDownEvent OnMouseWheelDown;
    TMouseWheelUpDownEvent OnMouseWheelUp;
    TNotifyEvent OnResize;
    TCanResizeEvent OnCanResize;
    TConstrainedResizeEvent OnConstrainedResize;
    TContextPopupEvent OnContextPopup;
    TDragOverEvent OnDragOver;
    TDragDropEvent OnDragDrop;
    TEndDragEvent OnEndDrag;
    TStartDragEvent OnStartDrag;

    // Reports whether the control it was taken from still exists.
    class TAlive {
    public:
        explicit TAlive(const TControl* Control) : flag_(Control->alive_) {}
        explicit operator bool() const { return *flag_; }

    private:
        std::shared_ptr<const bool> flag_;
    };

protected:
    virtual void WndProc(TMessage& Message);
    void Notification(TComponent* AComponent, TOperation Operation) override;
    // The client area that SetClientWidth and SetClientHeight size from.
    virtual TRect SizingClientRect() { return ClientRect(); }

    // OnClick, or the action when OnClick is not a handler of the
    // control's own.
    virtual void Click();
    virtual void DblClick();
    // The action changed, or was just set: the control takes what it shows
    // of it. Sender is the action.
    virtual void ActionChange(TObject* Sender);
    // The link to Action, for controls that run it their own way; nullptr
    // without an action (a freed action leaves a link to nothing).
    TControlActionLink* ActionLink() const { return actionLink_.get(); }
    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseMove(TShiftState Shift, int X, int Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    // OnMouseWheel first; unless it handled the turn, every full notch of
    // the accumulated delta goes to DoMouseWheelUp or DoMouseWheelDown.
    virtual bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos);
    virtual bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos);
    virtual bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos);
    virtual void DoContextPopup(TPoint MousePos, bool& Handled);
    virtual void Resize();

    virtual bool CanResize(int& NewWidth, int& NewHeight);
    // The size AutoSize asks for; the base keeps the one given.
    virtual bool CanAutoSize(int& NewWidth, int& NewHeight);
    virtual void ConstrainedResize(int& MinWidth, int& MinHeight, int& MaxWidth, int& MaxHeight);
    // Takes the size again through SetBounds, after AutoSize or the
    // constraints changed.
    virtual void AdjustSize();
    // Asks the parent to align its controls after this one changed.
    virtual void RequestAlign();
    // Applies OnCanResize, the constraints and AutoSize to a new size;
    // false when the size must not change.
    bool CheckNewSize(int& NewWidth, int& NewHeight);
    // Remembers the distances the anchors keep to the parent's edges.
    void UpdateAnchorRules();

    // Invalidates the control's area on the parent's window.
    void InvalidateControl(bool IsVisible, bool IsOpaque);
    virtual void SetZOrder(bool TopMost);

    virtual void DoStartDrag();
    virtual void DoEndDrag(TObject* Target, int X, int Y);
    // OnDragOver decides; without a handler nothing is accepted.
    virtual void DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept);

    // A device context to draw the control outside painting, with the
    // origin at its top-left and clipped to it; WindowHandle receives the
    // window it belongs to, for ReleaseDC.
    virtual HDC GetDeviceContext(HWND& WindowHandle);

    // Handlers of TControl's messages.
    void WMMouseButton(TMessage& Message);
    void WMMouseMove(TMessage& Message);
    void WMCancelMode(TMessage& Message);
    void WMContextMenu(TMessage& Message);
    void CMVisibleChanged(TMessage& Message);
    void CMParentFontChanged(TMessage& Message);
    void CMParentColorChanged(TMessage& Message);
    void CMParentShowHintChanged(TMessage& Message);
    // The action, when the control has one, may change or refuse the hint.
    void CMHintShow(TMessage& Message);
    void CMMouseWheel(TMessage& Message);
    void CMDrag(TMessage& Message);

private:
    friend class TWinControl;
    friend class TControlCanvas;
    friend class TControlActionLink;
    friend void DragDone(bool Drop);

    void FontChanged(TObject* Sender);
    void ConstraintsChanged(TObject* Sender);
    // Sends CM_CANCELMODE to the focused control when it is another one, so
    // that it ends what it tracks before this control takes the mouse.
    void SendCancelMode();
    bool DoCanAutoSize(int& NewWidth, int& NewHeight);
    void DoConstrainedResize(int& NewWidth, int& NewHeight);

    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);  // false once destroyed
    TWinControl* parent_ = nullptr;  // the parent lists this control among its controls
    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
    TAlign align_ = alNone;
    TAnchors anchors_{akLeft, akTop};
    // What UpdateAnchorRules recorded: the parent's client size then (0, 0
    // when the anchors are left and top, which need nothing), and per axis
    // the size (both edges anchored), the near edge (far edge anchored) or
    // the centre (neither) of the control.
    TPoint originalParentSize_;
    TPoint anchorRules_;
    bool anchorMove_ = false;  // the anchors are moving the control: keep the rules
    std::unique_ptr<TSizeConstraints> constraints_;
    bool autoSize_ = false;
    bool visible_ = true;
    bool enabled_ = true;
    AnsiString text_;  // the text while there is no window to keep it
    TColor color_ = clWindow;
    bool parentColor_ = true;
    std::unique_ptr<TFont> font_;
    bool parentFont_ = true;
    TCursor cursor_ = crDefault;
    bool showHint_ = false;
    bool parentShowHint_ = true;
    TComponent* popupMenu_ = nullptr;  // free-notified
    std::unique_ptr<TControlActionLink> actionLink_;  // set while an action was given; csActionClient then
    TControlStyle controlStyle_{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
    TControlState controlState_;
    TDragMode dragMode_ = dmManual;
    TCursor dragCursor_ = crDrag;
    int wheelAccumulator_ = 0;  // below one notch (WHEEL_DELTA) in magnitude between messages
};

// The control with the mouse capture: a window-less control that took it
// through its parent, else the control of the capturing window.
TControl* GetCaptureControl();
// Gives the capture to Control (nullptr: releases it).
void SetCaptureControl(TControl* Control);
