// What the painting, frame, scroll-bar and layered-window files of the
// window manager share with one another.
#pragma once

#include "platform/gdi/gdi_records.h"
#include "platform/gdi/region.h"
#include "platform/win/scroll_bar_layout.h"
#include "platform/win/window.h"

// Per-window state of these areas, made on first use.
struct TPaintState : TWindowExtension {
    bool CaptionActive = false;  // from WM_NCACTIVATE
    TScrollBarState Bars[2];     // by SB_HORZ, SB_VERT
    bool BarsSet[2] = {};        // SetScrollInfo has been called for the bar
    TScrollBarPart Pressed[2] = {TScrollBarPart::None, TScrollBarPart::None};  // held down by the mouse
    LRESULT PressedCaptionButton = 0;  // HTCLOSE, HTMAXBUTTON or HTMINBUTTON while shown held down
    bool FlatBars = false;       // InitializeFlatSB
    int FlatStyle[2] = {};       // FSB_ modes by bar
    // SetLayeredWindowAttributes has given the look (TWindow::Layered
    // keeps it; its Flags may be 0).
    bool LayeredAttributesSet = false;
    // What UpdateLayeredWindow gave besides the picture (TWindow::Layered.Image).
    DWORD ImageFlags = 0;  // ULW_ flags
    COLORREF ImageKey = 0;
    BLENDFUNCTION ImageBlend;
};
TPaintState& PaintState(TWindow& Window);

// Surface coordinates are those of the top-level window's backing bitmap,
// which is the top-level window's own window coordinates.
TPoint SurfaceOrigin(const TWindow& Window);
// True while WM_SETREDRAW has turned redrawing off for the window or one
// of its ancestors, or the window is not visible.
bool PaintingSuppressed(const TWindow& Window);
// Where the window can draw, in surface coordinates: its window rectangle
// (its client rectangle when Client), cut by the client areas of its
// ancestors and every window region on the way, by the siblings above it
// and its ancestors that have WS_CLIPSIBLINGS, and by its children when it
// has WS_CLIPCHILDREN. Empty when painting is suppressed.
TRegion VisibleRegion(const TWindow& Window, bool Client);
// A window's rectangle clipped by its window region, in its parent's
// client coordinates; ShapeOf does it for another rectangle.
TRegion WindowShape(const TWindow& Window);
TRegion ShapeOf(const TRect& Rect, HRGN WindowRgn);

// The heart of RedrawWindow. Area is in the window's window coordinates;
// its client part goes to the update region, its frame part, when
// RDW_FRAME or RDW_NOFRAME asks, to the pending frame. Children share as
// RedrawWindow says.
void RedrawArea(TWindow& Window, const TRegion& Area, UINT Flags);
// Some window may need painting: the WM_PAINT source looks again.
void MarkPaintPending();

// A DC on the window (its client area when Client), limited to Limit
// (window coordinates) when given. EndPaint and ReleaseDC let go of it
// through ReleaseWindowDC, which presents what it could have drawn on.
HDC MakeWindowDC(TWindow& Window, bool Client, const TRegion* Limit);
bool ReleaseWindowDC(HWND Window, HDC DC);
// Hands the changed part of a top-level window's backing (window
// coordinates) to the back end.
void PresentDamage(TWindow& TopLevel, const TRegion& Damage);
// Hides the caret while something paints over the window's pixels.
void HideCaretForPaint(HWND Window, bool Hide);

// The default frame's layout for the window's current size, style and
// client area, and painting its scroll bars into a window DC.
struct TFrameLayout;
TFrameLayout WindowFrameLayout(const TWindow& Window);
void PaintScrollBars(TWindow& Window, HDC WindowDC);
// Repaints one bar of a window now.
void RedrawScrollBar(TWindow& Window, int Bar);

// The parts of DefWindowProc these files contribute.
LRESULT DefPaintMessage(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam);
LRESULT DefNcPaintMessage(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam);
LRESULT DefNcHitTest(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam);
LRESULT DefScrollBarButtonDown(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam);
LRESULT DefSetText(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam);
// The handlers these pass the rest of their messages to: other hit codes
// for DefScrollBarButtonDown, storing the text for DefSetText.
void SetNextNcButtonDownHandler(LRESULT (*Next)(HWND, UINT, WPARAM, LPARAM));
void SetNextSetTextHandler(LRESULT (*Next)(HWND, UINT, WPARAM, LPARAM));

// The WM_PAINT message source and DefWindowProc's painting, frame and
// scroll-bar handling (StartWindowManager calls it once, after the input
// areas, whose frame presses the scroll bars' handler passes on to).
void InstallPainting();

// Follows window changes for painting: invalidation when windows show,
// hide, move, resize, restack or change their frame; the layered look when
// WS_EX_LAYERED goes.
void InstallPaintObserver();
