#include "platform/win/system_metrics.h"

#include "platform/win/backend.h"

namespace {

// The default look's fixed measures, in pixels.
constexpr int Border = 1;
constexpr int DialogFrame = 3;
constexpr int SizingFrame = 4;
constexpr int Caption = 19;
constexpr int SmallCaption = 15;
constexpr int ScrollBar = 16;
constexpr int Edge = 2;
constexpr int Minimized[2] = {160, 24};

}  // namespace

int GetSystemMetrics(int Index)
{
    // The screen is every monitor; its size, the primary monitor's. Asked
    // of the back end only where needed: on a display each is a request.
    auto screen = [] { return Backend().ScreenRect(); };
    auto work = [] { return Backend().WorkArea(); };
    auto primary = [] {
        for (const TBackendMonitor& m : Backend().Monitors())
            if (m.Primary)
                return m.Area;
        return Backend().ScreenRect();
    };
    switch (Index) {
    case SM_CXSCREEN:
        return primary().Width();
    case SM_CYSCREEN:
        return primary().Height();
    case SM_CXVIRTUALSCREEN:
        return screen().Width();
    case SM_CYVIRTUALSCREEN:
        return screen().Height();
    case SM_XVIRTUALSCREEN:
        return screen().Left;
    case SM_YVIRTUALSCREEN:
        return screen().Top;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVSCROLL:
    case SM_CXHSCROLL:
    case SM_CYVTHUMB:
    case SM_CXHTHUMB:
        return ScrollBar;
    case SM_CYCAPTION:
    case SM_CYMENU:
        return Caption;
    case SM_CYSMCAPTION:
        return SmallCaption;
    case SM_CXBORDER:
    case SM_CYBORDER:
    case SM_CXFOCUSBORDER:
    case SM_CYFOCUSBORDER:
        return Border;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME:
        return DialogFrame;
    case SM_CXFRAME:
    case SM_CYFRAME:
        return SizingFrame;
    case SM_CXEDGE:
    case SM_CYEDGE:
        return Edge;
    case SM_CXICON:
    case SM_CYICON:
    case SM_CXCURSOR:
    case SM_CYCURSOR:
        return 32;
    case SM_CXSMICON:
    case SM_CYSMICON:
        return 16;
    case SM_CXSIZE:
    case SM_CYSIZE:
    case SM_CXMENUSIZE:
    case SM_CYMENUSIZE:
        return Caption - 1;
    case SM_CXSMSIZE:
        return 12;
    case SM_CYSMSIZE:
        return SmallCaption - 1;
    case SM_CXMENUCHECK:
    case SM_CYMENUCHECK:
        return 13;
    case SM_CXFULLSCREEN:
        return work().Width();
    case SM_CYFULLSCREEN:
        return work().Height() - Caption;
    case SM_CXMIN:
    case SM_CXMINTRACK:
        return 112;
    case SM_CYMIN:
    case SM_CYMINTRACK:
        return 27;
    case SM_CXMAXTRACK:
        return screen().Width() + 2 * SizingFrame + 4;
    case SM_CYMAXTRACK:
        return screen().Height() + 2 * SizingFrame + 4;
    case SM_CXMAXIMIZED:
        return work().Width() + 2 * SizingFrame;
    case SM_CYMAXIMIZED:
        return work().Height() + 2 * SizingFrame;
    case SM_CXMINIMIZED:
    case SM_CXMINSPACING:
        return Minimized[0];
    case SM_CYMINIMIZED:
    case SM_CYMINSPACING:
        return Minimized[1];
    case SM_CXICONSPACING:
    case SM_CYICONSPACING:
        return 75;
    case SM_CXDRAG:
    case SM_CYDRAG:
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
        return 4;
    case SM_MOUSEPRESENT:
    case SM_MOUSEWHEELPRESENT:
    case SM_DBCSENABLED:
    case SM_SAMEDISPLAYFORMAT:
        return 1;
    case SM_CMOUSEBUTTONS:
        return 3;
    case SM_CMONITORS:
        return static_cast<int>(Backend().Monitors().size());
    default:
        // Among them SM_SWAPBUTTON, SM_IMMENABLED (no input method),
        // SM_MIDEASTENABLED, SM_CXPADDEDBORDER and indexes unknown here.
        return 0;
    }
}
