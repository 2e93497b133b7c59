// Dropped files.
#include "platform/win/drop_files.h"

#include <algorithm>
#include <cstring>

#include "platform/base/code_page.h"
#include "platform/win/input_internal.h"
#include "platform/win/message_queue.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_coords.h"
#include "platform/win/window_lifecycle.h"
#include "platform/win/window_styles.h"

namespace {

// The names in a locked drop block, each a view up to its zero byte.
std::vector<std::string_view> NamesIn(const char* block, size_t size)
{
    std::vector<std::string_view> names;
    DROPFILES header;
    if (size < sizeof header)
        return names;
    std::memcpy(&header, block, sizeof header);
    size_t at = header.pFiles;
    while (at < size && block[at]) {
        size_t length = strnlen(block + at, size - at);
        names.emplace_back(block + at, length);
        at += length + 1;
    }
    return names;
}

HDROP MakeDrop(const TBackendDropEvent& event, TPoint client, bool nonClient)
{
    size_t size = sizeof(DROPFILES) + 1;
    for (const AnsiString& file : event.Files)
        size += file.size() + 1;
    HDROP drop = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    auto* block = static_cast<char*>(GlobalLock(drop));
    if (!block) {
        GlobalFree(drop);
        return nullptr;
    }
    DROPFILES header;
    header.pt = client;
    header.fNC = nonClient;
    std::memcpy(block, &header, sizeof header);
    char* at = block + sizeof header;
    for (const AnsiString& file : event.Files) {
        std::memcpy(at, file.c_str(), file.size() + 1);
        at += file.size() + 1;
    }
    GlobalUnlock(drop);
    return drop;
}

}  // namespace

void DragAcceptFiles(HWND Window, bool Accept)
{
    LONG_PTR style = GetWindowLongPtr(Window, GWL_EXSTYLE);
    LONG_PTR wanted = Accept ? (style | WS_EX_ACCEPTFILES) : (style & ~LONG_PTR{WS_EX_ACCEPTFILES});
    if (IsWindow(Window) && wanted != style)
        SetWindowLongPtr(Window, GWL_EXSTYLE, wanted);
}

UINT DragQueryFile(HDROP Drop, UINT Index, char* Buffer, UINT Size)
{
    const auto* block = static_cast<const char*>(GlobalLock(Drop));
    if (!block)
        return 0;
    std::vector<std::string_view> names = NamesIn(block, GlobalSize(Drop));
    UINT result = 0;
    if (Index == 0xFFFFFFFF) {
        result = static_cast<UINT>(names.size());
    } else if (Index < names.size()) {
        std::string_view name = names[Index];
        if (!Buffer) {
            result = static_cast<UINT>(name.size());
        } else if (Size > 0) {
            size_t count = std::min<size_t>(name.size(), Size - 1);
            // Never the lead byte of a double-byte character without its trail.
            if (count < name.size())
                count = CharStartOf(name, count);
            std::memcpy(Buffer, name.data(), count);
            Buffer[count] = '\0';
            result = static_cast<UINT>(count);
        }
    }
    GlobalUnlock(Drop);
    return result;
}

bool DragQueryPoint(HDROP Drop, TPoint* Point)
{
    const auto* block = static_cast<const char*>(GlobalLock(Drop));
    if (!block)
        return false;
    bool client = false;
    if (GlobalSize(Drop) >= sizeof(DROPFILES)) {
        DROPFILES header;
        std::memcpy(&header, block, sizeof header);
        if (Point)
            *Point = header.pt;
        client = !header.fNC;
    }
    GlobalUnlock(Drop);
    return client;
}

void DragFinish(HDROP Drop)
{
    GlobalFree(Drop);
}

TBackendDropEvents& BackendDropEvents()
{
    static TBackendDropEvents events;
    return events;
}

// The window under the point takes the files, or the nearest of its
// parents that accepts them.
bool DeliverDrop(const TBackendDropEvent& Event)
{
    TWindow* window = WindowOf(WindowFromPoint(Event.Screen));
    while (window && !window->IsDesktop() && !(window->ExStyle & WS_EX_ACCEPTFILES))
        window = window->IsTopLevel() ? nullptr : window->Parent;
    if (!window || window->IsDesktop() || Event.Files.empty())
        return false;
    TPoint origin = window->ClientScreenOrigin();
    TPoint client{Event.Screen.X - origin.X, Event.Screen.Y - origin.Y};
    bool nonClient = !PtInRect(Rect(0, 0, window->Client.Width(), window->Client.Height()), client);
    HDROP drop = MakeDrop(Event, client, nonClient);
    if (!drop)
        return false;
    if (!PostMessage(window->Handle, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0)) {
        DragFinish(drop);
        return false;
    }
    return true;
}
