#include "platform/win/headless_tray.h"

#include <algorithm>

#include "platform/win/tray_icons.h"

namespace {

auto FindIcon(std::vector<TBackendTrayIcon>& Icons, HWND Window, UINT Id)
{
    return std::find_if(Icons.begin(), Icons.end(),
                        [&](const TBackendTrayIcon& i) { return i.Window == Window && i.Id == Id; });
}

}  // namespace

bool THeadlessBackend::AddTrayIcon(const TBackendTrayIcon& Icon)
{
    if (!trayPresent_ || FindIcon(trayIcons_, Icon.Window, Icon.Id) != trayIcons_.end())
        return false;
    trayIcons_.push_back(Icon);
    return true;
}

bool THeadlessBackend::ModifyTrayIcon(const TBackendTrayIcon& Icon)
{
    auto it = FindIcon(trayIcons_, Icon.Window, Icon.Id);
    if (it == trayIcons_.end())
        return false;
    *it = Icon;
    return true;
}

bool THeadlessBackend::DeleteTrayIcon(HWND Window, UINT Id)
{
    auto it = FindIcon(trayIcons_, Window, Id);
    if (it == trayIcons_.end())
        return false;
    trayIcons_.erase(it);
    return true;
}

void THeadlessBackend::SetTrayPresent(bool Present)
{
    if (Present == trayPresent_)
        return;
    trayPresent_ = Present;
    // A panel that goes takes its icons along; a new one starts empty.
    trayIcons_.clear();
    if (Present)
        TrayCreated();
}

const TBackendTrayIcon* HeadlessTrayIcon(HWND Window, UINT Id)
{
    THeadlessBackend* backend = HeadlessBackend();
    if (!backend)
        return nullptr;
    auto it = FindIcon(backend->TrayIcons(), Window, Id);
    return it == backend->TrayIcons().end() ? nullptr : &*it;
}

bool InjectTrayMouse(HWND Window, UINT Id, UINT Message, TPoint Screen)
{
    const TBackendTrayIcon* icon = HeadlessTrayIcon(Window, Id);
    if (!icon)
        return false;
    TrayIconMouse(*icon, Message, Screen);
    return true;
}
