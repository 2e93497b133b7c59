// Double clicks: a second press of the same button on the same window and
// area, soon enough and near enough to the first.
#include <cstdlib>

#include "platform/win/input_internal.h"
#include "platform/win/system_info.h"
#include "platform/win/system_metrics.h"

namespace {

struct TPress {
    HWND Window = nullptr;  // 0: no press to pair with
    int Button = 0;
    bool NonClient = false;
    TPoint Screen;
    DWORD Time = 0;
};

TPress lastPress;

}  // namespace

bool PressesPair(TPoint FirstScreen, DWORD FirstTime, TPoint Screen, DWORD Time)
{
    if (Time - FirstTime >= GetDoubleClickTime())
        return false;
    return std::abs(Screen.X - FirstScreen.X) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
           std::abs(Screen.Y - FirstScreen.Y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2;
}

bool IsDoubleClick(HWND Window, int Button, bool NonClient, TPoint Screen, DWORD Time)
{
    const TPress& last = lastPress;
    if (!last.Window || last.Window != Window || last.Button != Button || last.NonClient != NonClient)
        return false;
    return PressesPair(last.Screen, last.Time, Screen, Time);
}

void RememberPress(HWND Window, int Button, bool NonClient, TPoint Screen, DWORD Time, bool WasDoubleClick)
{
    // The press after a double click starts a new pair.
    lastPress = WasDoubleClick ? TPress{} : TPress{Window, Button, NonClient, Screen, Time};
}
