// The X11 back end's side of XDND: files dragged from the desktop's file
// manager (text/uri-list) are dropped on the window under the pointer.
#include <algorithm>
#include <cctype>

#include "platform/base/code_page.h"
#include "platform/win/drop_files.h"
#include "platform/win/x11_backend.h"
#include "platform/win/x11_internal.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace {

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

}  // namespace

std::vector<AnsiString> FilesOfUriList(const std::string& UriList)
{
    std::vector<AnsiString> files;
    size_t start = 0;
    while (start < UriList.size()) {
        size_t end = UriList.find('\n', start);
        if (end == std::string::npos)
            end = UriList.size();
        std::string line = UriList.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#' || line.compare(0, 5, "file:") != 0)
            continue;
        std::string path = line.substr(5);
        // file:///path, or file://host/path for this host.
        if (path.compare(0, 2, "//") == 0) {
            size_t slash = path.find('/', 2);
            if (slash == std::string::npos)
                continue;
            std::string host = path.substr(2, slash - 2);
            if (!host.empty() && host != "localhost")
                continue;
            path = path.substr(slash);
        }
        std::string decoded;
        for (size_t i = 0; i < path.size(); ++i) {
            int high = 0, low = 0;
            if (path[i] == '%' && i + 2 < path.size() && (high = HexDigit(path[i + 1])) >= 0 &&
                (low = HexDigit(path[i + 2])) >= 0) {
                decoded += static_cast<char>(high * 16 + low);
                i += 2;
            } else {
                decoded += path[i];
            }
        }
        if (!decoded.empty() && decoded[0] == '/')
            files.push_back(Utf8ToGbk(decoded));
    }
    return files;
}

void TX11Backend::HandleDndMessage(XEvent& Event)
{
    const XClientMessageEvent& message = Event.xclient;
    TX11Surface* surface = FindSurface(message.window);
    if (!surface)
        return;
    auto source = static_cast<Window>(message.data.l[0]);
    TXId self = surface->XWindow;
    auto reply = [&, self](const char* type, long l1, long l2, long l3, long l4) {
        XEvent out{};
        out.xclient.type = ClientMessage;
        out.xclient.window = source;
        out.xclient.message_type = Intern(type);
        out.xclient.format = 32;
        out.xclient.data.l[0] = static_cast<long>(self);
        out.xclient.data.l[1] = l1;
        out.xclient.data.l[2] = l2;
        out.xclient.data.l[3] = l3;
        out.xclient.data.l[4] = l4;
        XSendEvent(display_, source, False, NoEventMask, &out);
        XFlush(display_);
    };
    Atom uriList = Intern("text/uri-list");
    if (message.message_type == Intern("XdndEnter")) {
        dndSource_ = source;
        dndTarget_ = surface->Window;
        dndVersion_ = static_cast<int>(static_cast<unsigned long>(message.data.l[1]) >> 24);
        dndFiles_ = false;
        // Up to three types come in the message; more in a list on the source.
        if (message.data.l[1] & 1) {
            Atom type = 0;
            int format = 0;
            unsigned long count = 0, after = 0;
            unsigned char* data = nullptr;
            if (XGetWindowProperty(display_, source, Intern("XdndTypeList"), 0, 1024, False, XA_ATOM, &type, &format,
                                   &count, &after, &data) == Success &&
                data && format == 32) {
                const auto* types = reinterpret_cast<const Atom*>(data);
                dndFiles_ = std::find(types, types + count, uriList) != types + count;
            }
            if (data)
                XFree(data);
        } else {
            for (int i = 2; i <= 4; ++i)
                dndFiles_ = dndFiles_ || static_cast<Atom>(message.data.l[i]) == uriList;
        }
    } else if (message.message_type == Intern("XdndPosition") && source == dndSource_) {
        long packed = message.data.l[2];
        dndPoint_ = {static_cast<int>((packed >> 16) & 0xFFFF), static_cast<int>(packed & 0xFFFF)};
        dndTarget_ = surface->Window;
        // Whether a window there takes files is known only at the drop.
        reply("XdndStatus", dndFiles_ ? 1 : 0, 0, 0, dndFiles_ ? static_cast<long>(Intern("XdndActionCopy")) : 0);
    } else if (message.message_type == Intern("XdndLeave") && source == dndSource_) {
        dndSource_ = 0;
        dndTarget_ = nullptr;
    } else if (message.message_type == Intern("XdndDrop") && source == dndSource_) {
        bool taken = false;
        std::string data;
        TXId type = 0;
        int format = 0;
        HWND target = dndTarget_;
        TPoint point = dndPoint_;
        unsigned long when = dndVersion_ >= 1 ? static_cast<unsigned long>(message.data.l[2]) : CurrentTime;
        if (dndFiles_ && ConvertSelection(Intern("XdndSelection"), uriList, when, data, type, format) ==
                            TClipboardFetch::Text &&
            format == 8) {
            TBackendDropEvent drop;
            drop.Surface = target;
            drop.Screen = point;
            drop.Files = FilesOfUriList(data);
            taken = !drop.Files.empty() && BackendDropEvents().Drop && BackendDropEvents().Drop(drop);
        }
        reply("XdndFinished", taken ? 1 : 0, taken ? static_cast<long>(Intern("XdndActionCopy")) : 0, 0, 0);
        dndSource_ = 0;
        dndTarget_ = nullptr;
    }
}
