#include "platform/shell/notify_icon.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/ui/graphics/system_icons.h"
#include "platform/win/backend.h"
#include "platform/win/window_lifecycle.h"

namespace {

// The fields last given for each icon, since a change names only some of
// them and the back end takes whole icons. An icon stays listed after its
// area went away: the program adds it again on "TaskbarCreated".
std::vector<TBackendTrayIcon>& KnownIcons()
{
    static std::vector<TBackendTrayIcon> icons;
    return icons;
}

std::vector<TBackendTrayIcon>::iterator FindKnown(HWND Window, UINT Id)
{
    std::vector<TBackendTrayIcon>& icons = KnownIcons();
    return std::find_if(icons.begin(), icons.end(),
                        [&](const TBackendTrayIcon& i) { return i.Window == Window && i.Id == Id; });
}

void TakeFields(TBackendTrayIcon& Icon, const NOTIFYICONDATAA& Data)
{
    if (Data.uFlags & NIF_MESSAGE)
        Icon.CallbackMessage = Data.uCallbackMessage;
    if (Data.uFlags & NIF_ICON) {
        const TRasterImage* picture = IconImage(Data.hIcon);
        Icon.Picture = picture ? *picture : TRasterImage();
    }
    if (Data.uFlags & NIF_TIP)
        Icon.Tip.assign(Data.szTip, strnlen(Data.szTip, sizeof Data.szTip));
}

}  // namespace

bool Shell_NotifyIconA(DWORD Message, const NOTIFYICONDATAA* Data)
{
    if (!Data || Data->cbSize != sizeof(NOTIFYICONDATAA))
        return false;
    auto known = FindKnown(Data->hWnd, Data->uID);
    switch (Message) {
    case NIM_ADD: {
        if (!IsWindow(Data->hWnd))
            return false;
        TBackendTrayIcon icon;
        icon.Window = Data->hWnd;
        icon.Id = Data->uID;
        TakeFields(icon, *Data);
        if (!Backend().AddTrayIcon(icon))
            return false;
        if (known != KnownIcons().end())
            *known = std::move(icon);
        else
            KnownIcons().push_back(std::move(icon));
        return true;
    }
    case NIM_MODIFY: {
        if (known == KnownIcons().end())
            return false;
        TBackendTrayIcon icon = *known;
        TakeFields(icon, *Data);
        if (!Backend().ModifyTrayIcon(icon))
            return false;
        *known = std::move(icon);
        return true;
    }
    case NIM_DELETE:
        if (known != KnownIcons().end())
            KnownIcons().erase(known);
        return Backend().DeleteTrayIcon(Data->hWnd, Data->uID);
    default:
        return false;
    }
}
