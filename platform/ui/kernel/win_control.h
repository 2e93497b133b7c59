// TWinControl: a control with a window of its own, which can hold other
// controls, take the keyboard focus and be tabbed to.
//
// The window is made on demand (HandleNeeded), at the latest when the
// control starts showing, from what CreateParams says; its procedure hands
// every message to WindowProc. RecreateWnd makes the window again, keeping
// text, bounds and child controls. Window-less children are painted by
// their parent's WM_PAINT and get their mouse messages routed from it.
//
// Keys: WM_KEYDOWN first goes through CN_KEYDOWN, where the control's
// parents (CM_CHILDKEY) and, for Tab, arrows, Return and Escape that the
// control doesn't want (CM_WANTSPECIALKEY, WM_GETDLGCODE), the top-level
// control (CM_DIALOGKEY) may take it; then KeyDown. WM_CHAR goes through
// CN_CHAR, which offers characters a control doesn't want to the
// top-level control as CM_DIALOGCHAR; then KeyPress. The message loop
// needs to do nothing for this.
//
// The top-level control (a form) answers a few questions for the controls
// inside it through virtual operations that the form overrides:
// FocusControl, SetFocusedControl, DefocusControl and KeyPreviewActive.
#pragma once

#include <memory>
#include <vector>

#include "platform/ui/graphics/brush.h"
#include "platform/ui/kernel/control.h"
#include "platform/win/window_class.h"

// What a window is made from. CreateParams fills it; the class style and
// the class procedure are in WindowClass (an empty procedure means
// DefWindowProc), the class name in WinClassName. WinClassName is
// registered for the control, unless it names the class the control wraps
// (CreateSubClass): then the window is made from that class as it stands,
// and shows its name.
struct TCreateParams {
    AnsiString Caption;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
    HWND WndParent = nullptr;
    void* Param = nullptr;
    WNDCLASS WindowClass;
    AnsiString WinClassName;
};

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* AOwner);
    // Frees the child controls; the window goes first, in BeforeDestruction
    // while every override still answers its messages.
    ~TWinControl() override;
    void BeforeDestruction() override;

    // The window, made when there is none (EInvalidOperation when the
    // control has no parent window and is a child window).
    HWND Handle();
    bool HandleAllocated() const { return handle_ != nullptr; }
    void HandleNeeded();
    // Destroys the window and makes it again at once if the control shows,
    // keeping the text, the bounds and the children.
    void RecreateWnd();

    // Window-less controls first, then windowed ones, each kind bottom to
    // top in z-order.
    int ControlCount() const { return static_cast<int>(controls_.size() + winControls_.size()); }
    TControl* Controls(int Index) const;
    void InsertControl(TControl* AControl);
    void RemoveControl(TControl* AControl);
    // Whether Control is this control or lies inside it.
    bool ContainsControl(TControl* Control) const;
    // The topmost visible child under a point of the client area (enabled
    // unless AllowDisabled; window-less only unless AllowWinControls) that
    // answers CM_HITTEST; nullptr when none.
    TControl* ControlAtPos(TPoint Pos, bool AllowDisabled, bool AllowWinControls = false);

    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool Value);
    // The place among the parent's windowed children when tabbing; -1
    // without a parent. Out-of-range values move it to the end.
    int TabOrder() const;
    void SetTabOrder(int Value);
    // Every windowed control inside, each followed by its own, in tab order.
    void GetTabOrderList(std::vector<TWinControl*>& List);
    // The control after (or before) CurControl in the tab order that can
    // take the focus, with TabStop set (CheckTabStop) and a child of this
    // control (CheckParent); wraps around. nullptr when none qualifies.
    TWinControl* FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop, bool CheckParent);
    // Focuses the next control in tab order.
    void SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop);
    // Asks the top-level control to focus this one.
    virtual void SetFocus();
    bool Focused() const;
    // Visible and enabled, and so are its parents up to the top-level control.
    virtual bool CanFocus();

    void DisableAlign() { ++alignLevel_; }
    // Aligns what was asked for meanwhile once the last DisableAlign is undone.
    void EnableAlign();
    bool AlignDisabled() const { return alignLevel_ != 0; }
    void Realign() { AlignControl(nullptr); }

    // Sends the message to every child until one answers non-zero.
    void Broadcast(TMessage& Message);
    void NotifyControls(UINT Msg);
    // Paints the visible window-less children (from First on, all when
    // nullptr) into DC, each clipped to its bounds, bottom to top.
    void PaintControls(HDC DC, TControl* First);

    // Painting goes through an off-screen bitmap, so nothing flickers.
    bool DoubleBuffered() const { return doubleBuffered_; }
    void SetDoubleBuffered(bool Value) { doubleBuffered_ = Value; }
    bool Ctl3D() const { return ctl3D_; }
    void SetCtl3D(bool Value);
    bool ParentCtl3D() const { return parentCtl3D_; }
    void SetParentCtl3D(bool Value);
    // The background brush; its colour follows Color.
    TBrush* Brush() const { return brush_.get(); }

    bool Showing() const override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    TRect ClientRect() override;
    TPoint ClientOrigin() override;
    void Invalidate() override;
    void Update() override;
    void Repaint() override;

    // The first procedure of a control's window: binds the window being
    // made to its control. The procedure of a class that controls make
    // their windows from directly hands it the messages of windows bound to
    // no control; a window no control is making gets DefWindowProc.
    static LRESULT InitWndProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);

    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

protected:
    virtual void CreateParams(TCreateParams& Params);
    // Takes the class, procedure and styles of an existing window class,
    // so that the control wraps it.
    void CreateSubClass(TCreateParams& Params, const char* ClassName);
    // Makes the window and binds it to the control.
    virtual void CreateWnd();
    virtual void CreateWindowHandle(const TCreateParams& Params);
    // Keeps the text, then destroys the window.
    virtual void DestroyWnd();
    virtual void DestroyWindowHandle();
    virtual void CreateHandle();
    // Destroys the windows of the children, then this one.
    void DestroyHandle();

    // Shows or hides the window (and makes it) by Visible and the parents.
    void UpdateControlState();
    // A control without a parent shows as a window of its own only when it
    // is top-level (forms are); the windows of others are shown by whoever
    // made them.
    virtual bool TopLevel() const { return false; }
    // A top-level window's frame and caption are known only once it has
    // its window, so sizing its client area makes the window first.
    TRect SizingClientRect() override;

    void WndProc(TMessage& Message) override;
    void Dispatch(TMessage& Message) override;
    void DefaultHandler(TMessage& Message) override;

    // Positions the aligned and anchored children inside Rect, the client
    // area narrowed by AdjustClientRect.
    virtual void AlignControls(TControl* AControl, TRect& Rect);
    virtual void AdjustClientRect(TRect& /*Rect*/) {}
    void AlignControl(TControl* AControl);
    // The extent of the visible children, plus the frame.
    bool CanAutoSize(int& NewWidth, int& NewHeight) override;
    void SetZOrder(bool TopMost) override;
    HDC GetDeviceContext(HWND& WindowHandle) override;

    // Draws the client area into DC; the base leaves it to the window class.
    virtual void PaintWindow(HDC DC);
    // WM_PAINT: the own painting, clipped around opaque window-less
    // children, then the children.
    void PaintHandler(TMessage& Message);

    virtual void KeyDown(WORD& Key, TShiftState Shift);
    virtual void KeyUp(WORD& Key, TShiftState Shift);
    virtual void KeyPress(char& Key);
    virtual void DoEnter();
    virtual void DoExit();
    // The key events, after the top-level control's key preview. True when
    // the key was taken (set to 0) and goes no further.
    bool DoKeyDown(TMessage& Message);
    bool DoKeyUp(TMessage& Message);
    bool DoKeyUpOrDown(TMessage& Message, bool (TWinControl::*Step)(TMessage&),
                       void (TWinControl::*Handler)(WORD&, TShiftState));
    bool DoKeyPress(TMessage& Message);

    // The top-level control's side of the focus, overridden by the form.
    // FocusControl focuses Control (the base sets the window focus).
    virtual void FocusControl(TWinControl* Control);
    // Control got the window focus; false stops its WM_SETFOCUS handling.
    virtual bool SetFocusedControl(TWinControl* Control);
    // Control is hidden, disabled or leaving (Removing): it must not stay
    // the active control.
    virtual void DefocusControl(TWinControl* /*Control*/, bool /*Removing*/) {}
    // Whether this top-level control sees the keys of its controls first.
    virtual bool KeyPreviewActive() { return false; }

    // Handlers of TWinControl's messages.
    void WMPaint(TMessage& Message);
    void WMEraseBkgnd(TMessage& Message);
    void WMSize(TMessage& Message);
    void WMMove(TMessage& Message);
    void WMWindowPosChanged(TMessage& Message);
    void WMWindowPosChanging(TMessage& Message);
    void WMSetCursor(TMessage& Message);
    void WMKeyDown(TMessage& Message);
    void WMKeyUp(TMessage& Message);
    void WMChar(TMessage& Message);
    void WMMouseWheel(TMessage& Message);
    void WMNCDestroy(TMessage& Message);
    void CNKeyDown(TMessage& Message);
    void CNChar(TMessage& Message);
    void CMEnabledChanged(TMessage& Message);
    void CMVisibleChanged(TMessage& Message);
    void CMShowingChanged(TMessage& Message);
    void CMColorChanged(TMessage& Message);
    void CMFontChanged(TMessage& Message);
    void CMCursorChanged(TMessage& Message);
    void CMParentCtl3DChanged(TMessage& Message);
    void CMRecreateWnd(TMessage& Message);

private:
    friend class TControl;

    // The procedure bound to the window: builds the TMessage for WindowProc.
    LRESULT MainWndProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);
    // Mouse messages for the window-less child under the mouse (or holding
    // the capture); true when one took it.
    bool IsControlMouseMsg(TMessage& Message);
    // Reflects a parent's message to the child window it concerns as CN_.
    bool DoControlMsg(HWND ControlHandle, TMessage& Message);
    void UpdateShowing();
    // Reads the bounds back from the window.
    void UpdateBounds();
    void RemoveFocus(bool Removing);
    // The window of the next windowed sibling above Control, HWND_TOP when none.
    HWND PrecedingWindow(TWinControl* Control) const;
    void Insert(TControl* AControl);
    void Remove(TControl* AControl);

    HWND handle_ = nullptr;  // bound to this control's MainWndProc while set
    WNDPROC defWndProc_;     // the class procedure below the control
    std::vector<TControl*> controls_;        // window-less children, bottom to top
    std::vector<TWinControl*> winControls_;  // windowed children, bottom to top
    std::vector<TWinControl*> tabList_;      // windowed children in tab order
    bool showing_ = false;  // the window is shown because the control is Visible
    int alignLevel_ = 0;
    bool tabStop_ = false;
    bool doubleBuffered_ = false;
    bool ctl3D_ = true;
    bool parentCtl3D_ = true;
    bool sizingFromBounds_ = false;  // SetBounds already checked the size the window is taking
    std::unique_ptr<TBrush> brush_;
};

// The control bound to a window, or nullptr.
TWinControl* FindControl(HWND Window);
// The windowed control under a screen point, walking up from the window
// there to the first one that is a control.
TWinControl* FindControlWindow(TPoint Pos);
// The control (window-less included) under a screen point.
TControl* FindDragTarget(TPoint Pos, bool AllowDisabled);
// The top-level control holding Control (nullptr without one).
TWinControl* GetParentRoot(TControl* Control);
