// The value types and event types of forms: border styles and icons, form
// styles, placement, window states, modal results and close actions.
#pragma once

#include "platform/base/event.h"
#include "platform/base/set.h"
#include "platform/ui/kernel/message_records.h"

class TObject;

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };

enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon>;

// An fsMDIForm form holds the windows of the fsMDIChild forms in its
// client window (TMDIClient).
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };

enum TPosition {
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter,
    poMainFormCenter,
    poOwnerFormCenter,
};

enum TWindowState { wsNormal, wsMinimized, wsMaximized };

// What ShowModal answers; the message-box results share the numbers.
using TModalResult = int;
inline constexpr TModalResult mrNone = 0;
inline constexpr TModalResult mrOk = 1;
inline constexpr TModalResult mrCancel = 2;
inline constexpr TModalResult mrAbort = 3;
inline constexpr TModalResult mrRetry = 4;
inline constexpr TModalResult mrIgnore = 5;
inline constexpr TModalResult mrYes = 6;
inline constexpr TModalResult mrNo = 7;
inline constexpr TModalResult mrAll = 8;
inline constexpr TModalResult mrNoToAll = 9;
inline constexpr TModalResult mrYesToAll = 10;

enum TCloseAction { caNone, caHide, caFree, caMinimize };

using TCloseEvent = TEvent<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = TEvent<void(TObject* Sender, bool& CanClose)>;
// A key down the form sees before its controls; Handled stops it there.
using TShortCutEvent = TEvent<void(TMessage& Msg, bool& Handled)>;
