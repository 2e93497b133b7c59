// The events the frame's skin objects fire through the form component,
// each naming the object by its IDName.
#pragma once

#include "platform/base/ansi_string.h"
#include "platform/base/event.h"
#include "platform/base/geometry.h"
#include "platform/ui/kernel/control_types.h"

class TCanvas;
class TObject;

using TbsMouseDownEvent = TEvent<void(const AnsiString& IDName, int X, int Y, const TRect& ObjectRect,
                                      TMouseButton Button)>;
using TbsMouseUpEvent = TbsMouseDownEvent;
using TbsMouseMoveEvent = TEvent<void(const AnsiString& IDName, int X, int Y, const TRect& ObjectRect)>;
using TbsMouseEnterEvent = TEvent<void(const AnsiString& IDName)>;
using TbsMouseLeaveEvent = TbsMouseEnterEvent;
using TbsPaintEvent = TEvent<void(const AnsiString& IDName, TCanvas* Canvas, const TRect& ObjectRect)>;
// Whether the custom caption button IDName shows (Active, false on entry).
using TbsActivateCustomObjectEvent = TEvent<void(TObject* Sender, const AnsiString& IDName, bool& Active)>;
