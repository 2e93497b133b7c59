#include <algorithm>

#include "platform/win/backend.h"

TRect TBackend::WorkArea() const
{
    std::vector<TBackendMonitor> monitors = Monitors();
    auto primary = std::find_if(monitors.begin(), monitors.end(), [](const TBackendMonitor& m) { return m.Primary; });
    return primary != monitors.end() ? primary->Work : ScreenRect();
}

void SettlePrimaryMonitor(std::vector<TBackendMonitor>& Monitors)
{
    if (Monitors.empty())
        return;
    auto primary = std::find_if(Monitors.begin(), Monitors.end(), [](const TBackendMonitor& m) { return m.Primary; });
    if (primary == Monitors.end())
        primary = std::find_if(Monitors.begin(), Monitors.end(),
                               [](const TBackendMonitor& m) { return m.Area.Left == 0 && m.Area.Top == 0; });
    if (primary == Monitors.end())
        primary = Monitors.begin();
    for (TBackendMonitor& m : Monitors)
        m.Primary = &m == &*primary;
}

void ClipWorkAreas(std::vector<TBackendMonitor>& Monitors, const TRect& DesktopWork)
{
    for (TBackendMonitor& m : Monitors)
        if (!IntersectRect(m.Work, m.Area, DesktopWork))
            m.Work = m.Area;
}
