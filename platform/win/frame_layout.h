// Where the parts of the default frame lie in a window of a given size
// and style, and which part a point hits: pure geometry behind the default
// WM_NCPAINT and WM_NCHITTEST. Rectangles are in window coordinates (the
// window's top-left is 0, 0); a part that is absent is empty.
#pragma once

#include "platform/base/geometry.h"
#include "platform/win/win_types.h"

struct TFrameLayout {
    TRect Window;
    int Border = 0;   // width of the outer border
    TRect Caption;    // the caption bar, without the line below it
    TRect SysMenu;    // the window's menu icon at the caption's left
    TRect CloseButton;
    TRect MaxButton;  // the minimize and maximize buttons come as a pair
    TRect MinButton;
    TRect ClientEdge;  // the sunken edge (WS_EX_CLIENTEDGE) is drawn inside this rectangle
    TRect VScroll;
    TRect HScroll;
    TRect SizeBox;  // the corner between two scroll bars
    TRect Client;   // the client rectangle the scroll bars sit beside
};

// Client is the window's client rectangle when it is not what the default
// WM_NCCALCSIZE leaves; the scroll bars are placed beside it, where they
// fit inside the frame.
TFrameLayout LayoutFrame(int Width, int Height, DWORD Style, DWORD ExStyle, const TRect* Client = nullptr);

// The WM_NCHITTEST code of a point in window coordinates. Client is the
// window's actual client rectangle (window coordinates), which a window
// may have made other than the default. A sizable window's border answers
// the sizing codes, corners taking the caption button size plus the border
// along each edge; any other border answers HTBORDER; the corner between
// two scroll bars of a sizable window answers HTBOTTOMRIGHT.
LRESULT FrameHitTest(const TFrameLayout& Layout, DWORD Style, DWORD ExStyle, const TRect& Client, TPoint P);
