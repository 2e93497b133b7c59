// The value types and event types of the controls: alignment, anchors,
// control styles and states, shift states, mouse buttons, cursors and the
// handler signatures of the control events.
#pragma once

#include <cstdint>

#include "platform/base/event.h"
#include "platform/base/geometry.h"
#include "platform/base/set.h"
#include "platform/ui/kernel/message_records.h"

class TObject;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };

enum TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = TSet<TAnchorKind>;

// The anchors an alignment implies: the edges the control keeps to.
TAnchors AnchorAlign(TAlign Align);

enum TControlStyleFlag {
    csAcceptsControls,
    csCaptureMouse,
    csDesignInteractive,
    csClickEvents,
    csFramed,
    csSetCaption,
    csOpaque,
    csDoubleClicks,
    csFixedWidth,
    csFixedHeight,
    csNoDesignVisible,
    csReplicatable,
    csNoStdEvents,
    csDisplayDragImage,
    csReflector,
    csActionClient,
    csMenuEvents,
    csNeedsBorderPaint,
    csParentBackground,
};
using TControlStyle = TSet<TControlStyleFlag>;

enum TControlStateFlag {
    csLButtonDown,
    csClicked,
    csPalette,
    csReadingState,
    csAlignmentNeeded,
    csFocusing,
    csCreating,
    csPaintCopy,
    csCustomPaint,
    csDestroyingHandle,
    csDocking,
};
using TControlState = TSet<TControlStateFlag>;

enum TShiftStateFlag { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateFlag>;

enum TMouseButton { mbLeft, mbRight, mbMiddle };

// The MK_ flags of a mouse message, with Alt from the key state.
TShiftState KeysToShiftState(WPARAM Keys);
// The modifiers of a key message: Shift and Ctrl from the key state, Alt
// from the context bit of the key data.
TShiftState KeyDataToShiftState(LPARAM KeyData);

// Cursors by the class library's numbers; crDefault leaves the choice to
// the window (its class cursor).
using TCursor = int16_t;
inline constexpr TCursor crDefault = 0;
inline constexpr TCursor crNone = -1;
inline constexpr TCursor crArrow = -2;
inline constexpr TCursor crCross = -3;
inline constexpr TCursor crIBeam = -4;
inline constexpr TCursor crSizeNESW = -6;
inline constexpr TCursor crSizeNS = -7;
inline constexpr TCursor crSizeNWSE = -8;
inline constexpr TCursor crSizeWE = -9;
inline constexpr TCursor crUpArrow = -10;
inline constexpr TCursor crHourGlass = -11;
inline constexpr TCursor crDrag = -12;
inline constexpr TCursor crNoDrop = -13;
inline constexpr TCursor crHSplit = -14;
inline constexpr TCursor crVSplit = -15;
inline constexpr TCursor crMultiDrag = -16;
inline constexpr TCursor crSQLWait = -17;
inline constexpr TCursor crNo = -18;
inline constexpr TCursor crAppStart = -19;
inline constexpr TCursor crHelp = -20;
inline constexpr TCursor crHandPoint = -21;
inline constexpr TCursor crSizeAll = -22;
inline constexpr TCursor crSize = crSizeAll;

// The shared handle of a standard cursor; 0 for crNone and unknown numbers.
HCURSOR CursorHandle(TCursor Cursor);

enum TScrollBarKind { sbHorizontal, sbVertical };

enum TDragMode { dmManual, dmAutomatic };
enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };

// CM_DRAG lParam: where the mouse is on the screen, the control being
// dragged and the control under the mouse.
struct TDragRec {
    TPoint Pos;
    TObject* Source = nullptr;
    TObject* Target = nullptr;
};

// A shift state kept in a message parameter (its bits, ssShift lowest).
TShiftState ShiftStateFromBits(WORD Bits);

// CM_MOUSEWHEEL: the shift state in the low word of wParam, the delta in
// the high word, the screen point in lParam.
struct TCMMouseWheel : TMessageView {
    using TMessageView::TMessageView;
    TShiftState ShiftState() const { return ShiftStateFromBits(LOWORD(Message.WParam)); }
    int WheelDelta() const { return static_cast<int16_t>(HIWORD(Message.WParam)); }
    TPoint Pos() const { return {GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)}; }
};

using TMouseEvent = TEvent<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = TEvent<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TMouseWheelEvent =
    TEvent<void(TObject* Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool& Handled)>;
using TMouseWheelUpDownEvent = TEvent<void(TObject* Sender, TShiftState Shift, TPoint MousePos, bool& Handled)>;
using TKeyEvent = TEvent<void(TObject* Sender, WORD& Key, TShiftState Shift)>;
using TKeyPressEvent = TEvent<void(TObject* Sender, char& Key)>;
using TCanResizeEvent = TEvent<void(TObject* Sender, int& NewWidth, int& NewHeight, bool& Resize)>;
using TConstrainedResizeEvent =
    TEvent<void(TObject* Sender, int& MinWidth, int& MinHeight, int& MaxWidth, int& MaxHeight)>;
using TContextPopupEvent = TEvent<void(TObject* Sender, TPoint MousePos, bool& Handled)>;
// Source is the control being dragged.
using TDragOverEvent =
    TEvent<void(TObject* Sender, TObject* Source, int X, int Y, TDragState State, bool& Accept)>;
using TDragDropEvent = TEvent<void(TObject* Sender, TObject* Source, int X, int Y)>;
// Target is the control the drag was dropped on, nullptr when cancelled.
using TEndDragEvent = TEvent<void(TObject* Sender, TObject* Target, int X, int Y)>;
using TStartDragEvent = TEvent<void(TObject* Sender)>;
