// The geometry of a skinned form frame as pure functions: the skin's frame
// points stretched to the window's size, where the caption buttons and the
// other frame objects lie, the client rectangle, the hit-test codes and the
// size limits. The form component feeds them its state; tests call them
// directly.
#pragma once

#include <vector>

#include "platform/base/geometry.h"
#include "platform/win/win_types.h"
#include "skin/data/bs_form_info.h"
#include "skin/data/bs_std_command.h"

class TbsFrameMask;

// The FORMINFO points and rectangles placed on a frame of W x H, drawn from
// a skin picture of PW x PH (DX = W - PW, DY = H - PH).
struct TbsFrameMetrics {
    TPoint LTPoint;
    TPoint RTPoint;
    TPoint LBPoint;
    TPoint RBPoint;
    TRect NewClRect;       // the client area, window coordinates
    TRect NewCaptionRect;  // empty when the skin has none
    TRect NewButtonsRect;  // empty when the skin has none
    TRect NewMaskRectArea;
    TPoint HitTestLTPoint;
    TPoint HitTestRTPoint;
    TPoint HitTestLBPoint;
    TPoint HitTestRBPoint;
    int DX = 0;
    int DY = 0;
};

TbsFrameMetrics CalcFrameMetrics(const TbsFormInfo& Info, int PW, int PH, int W, int H);

// What the object placement needs of one frame object. The form fills one
// per object, in list order, and reads ObjectRect back.
struct TbsPlacedObject {
    enum TKind { okOther, okCaption, okCaptionButton };
    TKind Kind = okOther;
    TRect SkinRect;
    bool SkinRectInAPicture = false;
    TbsStdCommand Command = cmdefault;
    bool Visible = true;
    // A system-menu button showing the form's icon takes the icon's size.
    bool IconMode = false;
    TRect ObjectRect;  // out
};

// Places the objects on the stretched frame: corner-zone moves, the row of
// caption buttons in the buttons (else caption) rectangle, the caption
// object shortened by the row, the system-menu button at the caption's
// left. IconSize is the system's small-icon size.
void CalcObjectRects(const TbsFormInfo& Info, int PW, int PH, const TbsFrameMetrics& Metrics,
                     std::vector<TbsPlacedObject>& Objects, TSize IconSize);

// The plain frame without a skin: caption height 15 and buttons of 13 for
// tool windows, 19 and 17 otherwise; a border of 3 on every side.
int GetDefCaptionHeight(bool ToolWindow);
int GetDefButtonSize(bool ToolWindow);
inline constexpr int kDefBorder = 3;

// Lays the default caption buttons (only okCaptionButton entries take part)
// on a frame W wide: right to left from W - 3 without gaps, the system-menu
// button at the caption's left; answers the caption rectangle left between.
TRect CalcDefaultObjectRects(int W, bool ToolWindow, std::vector<TbsPlacedObject>& Objects, TSize IconSize);

// The window state the hit tests read.
struct TbsFrameState {
    int W = 0;
    int H = 0;
    bool CanSize = false;
    bool RolledUp = false;
    bool Minimized = false;
    bool Maximized = false;
    bool ObjectActive = false;  // an object is under the mouse
    bool InSizeMove = false;    // a move or size loop runs
};

// The hit-test code of point P (window coordinates) on the skinned frame:
// 1 client, 2 caption, 10-17 sizing borders, 19 a frame object. OnCaption
// says whether P lies on the caption object. Mask (may be null) gives the
// stretched mask's shape; a test point outside its strips is outside it.
LRESULT FrameHitTest(const TbsFrameMetrics& Metrics, int BorderWidth, const TbsFrameState& State,
                     const TbsFrameMask* Mask, TPoint P, bool OnCaption);

// The same for the plain frame; CaptionRect from CalcDefaultObjectRects.
LRESULT DefaultFrameHitTest(const TbsFrameState& State, bool ToolWindow, const TRect& CaptionRect, TPoint P);

// The client rectangle WM_NCCALCSIZE answers for the window rectangle R:
// the skin's unstretched "clientrect" insets with a skin (picture PW x PH),
// 3 / caption + 3 / 3 / 3 without. Never inside out.
TRect SkinnedClientRect(const TRect& R, const TbsFormInfo& Info, int PW, int PH);
TRect DefaultFrameClientRect(const TRect& R, bool ToolWindow);

// What the size limits read of the form and its skin.
struct TbsSizeLimitsInput {
    bool Skinned = false;  // a non-empty skin is in use
    int PW = 0;
    int PH = 0;
    int FormMinWidth = 0;   // "formminwidth"
    int FormMinHeight = 0;  // "formminheight"
    int ClientHeight = 0;   // height of the skin's unstretched "clientrect"
    bool ToolWindow = false;
    bool RolledUp = false;
    bool Minimized = false;
    int MinWidth = 0;  // the component's limits; 0 means none
    int MinHeight = 0;
    int MaxWidth = 0;
    int MaxHeight = 0;
    TRect MonitorArea;  // the work area, or the whole monitor
};

int FrameMinWidth(const TbsSizeLimitsInput& In);
int FrameMinHeight(const TbsSizeLimitsInput& In);
int FrameMaxWidth(const TbsSizeLimitsInput& In);
int FrameMaxHeight(const TbsSizeLimitsInput& In);
