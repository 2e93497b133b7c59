// The X11 back end's monitors: RandR lists them, and the desktop's one
// _NET_WORKAREA, clipped to each, gives their work areas.
#include "platform/win/x11_internal.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

bool X11HasRandrMonitors(_XDisplay* Display)
{
    int event = 0, error = 0, major = 0, minor = 0;
    return XRRQueryExtension(Display, &event, &error) && XRRQueryVersion(Display, &major, &minor) &&
           (major > 1 || (major == 1 && minor >= 5));
}

std::vector<TBackendMonitor> TX11Backend::Monitors() const
{
    std::vector<TBackendMonitor> monitors;
    if (randrMonitors_) {
        int count = 0;
        XRRMonitorInfo* list = XRRGetMonitors(display_, root_, True, &count);
        for (int i = 0; i < count; ++i) {
            TRect area = Bounds(list[i].x, list[i].y, list[i].width, list[i].height);
            monitors.push_back({area, area, list[i].primary != 0});
        }
        if (list)
            XRRFreeMonitors(list);
    }
    // Without RandR the screen is the one monitor.
    if (monitors.empty())
        monitors.push_back({ScreenRect(), ScreenRect(), true});
    SettlePrimaryMonitor(monitors);

    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    Atom workArea = XInternAtom(display_, "_NET_WORKAREA", True);
    if (workArea && XGetWindowProperty(display_, root_, workArea, 0, 4, False, XA_CARDINAL, &type, &format, &count,
                                       &after, &data) == Success &&
        data && format == 32 && count >= 4) {
        const long* v = reinterpret_cast<const long*>(data);
        ClipWorkAreas(monitors, Bounds(static_cast<int>(v[0]), static_cast<int>(v[1]), static_cast<int>(v[2]),
                                       static_cast<int>(v[3])));
    }
    if (data)
        XFree(data);
    return monitors;
}
