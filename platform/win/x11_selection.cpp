// The X11 back end's clipboard: the program's CF_TEXT is the CLIPBOARD
// selection, offered as UTF8_STRING and STRING (Latin-1) and served for as
// long as the program runs; another program's text is converted to GBK.
#include <poll.h>
#include <time.h>

#include "platform/base/code_page.h"
#include "platform/win/x11_internal.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace {

// How long another program may take to hand over its selection.
constexpr int SelectionWaitMs = 2000;

long long NowMs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

std::string GbkToLatin1(const AnsiString& gbk)
{
    std::string latin1;
    for (char32_t c : GbkToUtf32(gbk))
        latin1 += c < 0x100 ? static_cast<char>(c) : '?';
    return latin1;
}

std::string Latin1ToUtf8(const std::string& latin1)
{
    std::string utf8;
    for (char ch : latin1) {
        auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            utf8 += ch;
        } else {
            utf8 += static_cast<char>(0xC0 | (c >> 6));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return utf8;
}

}  // namespace

void TX11Backend::OfferClipboard()
{
    XSetSelectionOwner(display_, Intern("CLIPBOARD"), helper_, time_ ? time_ : CurrentTime);
    // A round trip, not a flush: the server must have made us the owner
    // before the copy returns, or another program asking at once is told
    // there is no clipboard.
    XSync(display_, False);
}

bool TX11Backend::FetchClipboardText(AnsiString& Text)
{
    TXId clipboard = Intern("CLIPBOARD");
    Window owner = XGetSelectionOwner(display_, clipboard);
    // Our own clipboard is answered by the window manager itself.
    if (!owner || owner == helper_)
        return false;
    std::string data;
    if (ConvertSelection(clipboard, Intern("UTF8_STRING"), CurrentTime, data)) {
        Text = Utf8ToGbk(data);
        return true;
    }
    if (ConvertSelection(clipboard, XA_STRING, CurrentTime, data)) {
        Text = Utf8ToGbk(Latin1ToUtf8(data));
        return true;
    }
    return false;
}

bool TX11Backend::ConvertSelection(TXId Selection, TXId Target, unsigned long Time, std::string& Data)
{
    TXId property = Intern("TANDRIL_SELECTION");
    XDeleteProperty(display_, helper_, property);
    XConvertSelection(display_, Selection, Target, property, helper_, Time);
    XFlush(display_);
    long long deadline = NowMs() + SelectionWaitMs;
    for (;;) {
        XEvent event;
        // Everything else that comes meanwhile is handled as usual: the
        // owner may be waiting for us to answer a request of its own.
        while (XPending(display_)) {
            XNextEvent(display_, &event);
            if (event.type == SelectionNotify && event.xselection.requestor == helper_ &&
                event.xselection.selection == Selection) {
                if (event.xselection.property == 0)
                    return false;
                Atom type = 0;
                int format = 0;
                unsigned long count = 0, after = 0;
                unsigned char* bytes = nullptr;
                bool ok = XGetWindowProperty(display_, helper_, property, 0, 0x7FFFFFF, True, AnyPropertyType, &type,
                                             &format, &count, &after, &bytes) == Success &&
                          format == 8 && type != Intern("INCR");
                if (ok)
                    Data.assign(reinterpret_cast<const char*>(bytes), count);
                if (bytes)
                    XFree(bytes);
                return ok;
            }
            if (!XFilterEvent(&event, 0))
                Dispatch(event);
        }
        long long left = deadline - NowMs();
        if (left <= 0)
            return false;
        pollfd fd{ConnectionNumber(display_), POLLIN, 0};
        poll(&fd, 1, static_cast<int>(left));
    }
}

void TX11Backend::HandleSelectionRequest(XEvent& Event)
{
    const XSelectionRequestEvent& request = Event.xselectionrequest;
    XEvent reply{};
    reply.xselection.type = SelectionNotify;
    reply.xselection.requestor = request.requestor;
    reply.xselection.selection = request.selection;
    reply.xselection.target = request.target;
    reply.xselection.time = request.time;
    reply.xselection.property = 0;
    // Old clients name no property: the target is the property then.
    Atom property = request.property ? request.property : request.target;
    Atom utf8 = Intern("UTF8_STRING");
    AnsiString text;
    if (request.selection == Intern("CLIPBOARD") && request.owner == helper_) {
        if (request.target == Intern("TARGETS")) {
            Atom targets[] = {static_cast<Atom>(Intern("TARGETS")), utf8, XA_STRING};
            XChangeProperty(display_, request.requestor, property, XA_ATOM, 32, PropModeReplace,
                            reinterpret_cast<unsigned char*>(targets), 3);
            reply.xselection.property = property;
        } else if ((request.target == utf8 || request.target == XA_STRING) && BackendEvents().ClipboardText &&
                   BackendEvents().ClipboardText(text)) {
            std::string data = request.target == XA_STRING ? GbkToLatin1(text) : GbkToUtf8(text);
            XChangeProperty(display_, request.requestor, property, request.target, 8, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(data.data()), static_cast<int>(data.size()));
            reply.xselection.property = property;
        }
    }
    XSendEvent(display_, request.requestor, False, 0, &reply);
    XFlush(display_);
}

void TX11Backend::HandleSelectionClear(XEvent& Event)
{
    if (Event.xselectionclear.selection == Intern("CLIPBOARD") && BackendEvents().ClipboardLost)
        BackendEvents().ClipboardLost();
}
