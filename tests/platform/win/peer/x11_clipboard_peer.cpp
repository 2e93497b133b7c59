// Another program on the tests' X display, for the clipboard tests: it
// owns the CLIPBOARD with a file's UTF-8 text, or reads the CLIPBOARD into
// a file, handing large texts over in pieces (INCR) as other programs do.
// It may stop half-way: an owner then falls silent after sending so many
// bytes, a reader leaves after taking so many.
//
//   x11_clipboard_peer own FILE [STOP_AFTER]   prints "owning" once it owns
//   x11_clipboard_peer hang                    owns, prints "owning" and
//                                              never answers anyone
//   x11_clipboard_peer read FILE [STOP_AFTER]  exits 0 once FILE is whole,
//                                              5 when more than 256 KB came
//                                              in one piece
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

namespace {

constexpr size_t PieceBytes = 64 * 1024;

Display* x = nullptr;
Window window = 0;

// The next event, or false after TimeoutMs without one.
bool NextEvent(XEvent& Event, int TimeoutMs)
{
    while (!XPending(x)) {
        pollfd fd{ConnectionNumber(x), POLLIN, 0};
        if (poll(&fd, 1, TimeoutMs) <= 0)
            return false;
    }
    XNextEvent(x, &Event);
    return true;
}

[[noreturn]] void FallSilent()
{
    for (;;)
        pause();
}

bool TakeClipboard()
{
    const Atom clipboard = XInternAtom(x, "CLIPBOARD", False);
    XSetSelectionOwner(x, clipboard, window, CurrentTime);
    if (XGetSelectionOwner(x, clipboard) != window)
        return false;
    std::printf("owning\n");
    std::fflush(stdout);
    return true;
}

int Own(const std::string& Text, size_t StopAfter)
{
    const Atom utf8 = XInternAtom(x, "UTF8_STRING", False);
    const Atom targets = XInternAtom(x, "TARGETS", False);
    const Atom incr = XInternAtom(x, "INCR", False);
    if (!TakeClipboard())
        return 1;
    // One transfer in pieces at a time: the requestor's window and property.
    Window requestor = 0;
    Atom property = 0;
    size_t sent = 0;
    for (;;) {
        XEvent event;
        if (!NextEvent(event, -1))
            continue;
        if (event.type == SelectionRequest) {
            const XSelectionRequestEvent& request = event.xselectionrequest;
            XEvent reply{};
            reply.xselection.type = SelectionNotify;
            reply.xselection.requestor = request.requestor;
            reply.xselection.selection = request.selection;
            reply.xselection.target = request.target;
            reply.xselection.time = request.time;
            if (request.target == targets) {
                const Atom offered[] = {targets, utf8};
                XChangeProperty(x, request.requestor, request.property, XA_ATOM, 32, PropModeReplace,
                                reinterpret_cast<const unsigned char*>(offered), 2);
                reply.xselection.property = request.property;
            } else if (request.target == utf8 && Text.size() <= PieceBytes) {
                XChangeProperty(x, request.requestor, request.property, utf8, 8, PropModeReplace,
                                reinterpret_cast<const unsigned char*>(Text.data()), static_cast<int>(Text.size()));
                reply.xselection.property = request.property;
            } else if (request.target == utf8) {
                requestor = request.requestor;
                property = request.property;
                sent = 0;
                XSelectInput(x, requestor, PropertyChangeMask);
                const long size = static_cast<long>(Text.size());
                XChangeProperty(x, requestor, property, incr, 32, PropModeReplace,
                                reinterpret_cast<const unsigned char*>(&size), 1);
                reply.xselection.property = property;
            }
            XSendEvent(x, request.requestor, False, 0, &reply);
            XFlush(x);
        } else if (event.type == PropertyNotify && event.xproperty.window == requestor &&
                   event.xproperty.atom == property && event.xproperty.state == PropertyDelete) {
            if (StopAfter && sent >= StopAfter)
                FallSilent();
            const size_t size = std::min(PieceBytes, Text.size() - sent);
            XChangeProperty(x, requestor, property, utf8, 8, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(Text.data() + sent), static_cast<int>(size));
            XFlush(x);
            sent += size;
            if (size == 0)
                requestor = 0;
        }
    }
}

// Takes (reads and deletes) the property: its type and bytes.
Atom Take(Atom Property, std::string& Data)
{
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* bytes = nullptr;
    XGetWindowProperty(x, window, Property, 0, 0x7FFFFFF, True, AnyPropertyType, &type, &format, &count, &after,
                       &bytes);
    Data.assign(reinterpret_cast<const char*>(bytes), bytes ? count * (format == 32 ? sizeof(long) : 1) : 0);
    if (bytes)
        XFree(bytes);
    return type;
}

int Read(const char* File, size_t StopAfter)
{
    const Atom clipboard = XInternAtom(x, "CLIPBOARD", False);
    const Atom utf8 = XInternAtom(x, "UTF8_STRING", False);
    const Atom property = XInternAtom(x, "PEER_DATA", False);
    XConvertSelection(x, clipboard, utf8, property, window, CurrentTime);
    XFlush(x);
    XEvent event;
    do {
        if (!NextEvent(event, 5000))
            return 2;
    } while (event.type != SelectionNotify);
    if (event.xselection.property == 0)
        return 3;
    std::string text;
    const bool pieces = Take(property, text) == XInternAtom(x, "INCR", False);
    if (pieces) {
        text.clear();
        for (;;) {
            if (!NextEvent(event, 5000))
                return 4;
            if (event.type != PropertyNotify || event.xproperty.atom != property ||
                event.xproperty.state != PropertyNewValue)
                continue;
            if (StopAfter && text.size() >= StopAfter)
                return 0;  // leaves without taking the piece, as a program that quits
            std::string piece;
            Take(property, piece);
            XFlush(x);
            if (piece.empty())
                break;
            text += piece;
        }
    }
    // More than a request without BIG-REQUESTS carries must come in pieces:
    // not every program can take it whole.
    if (!pieces && text.size() > 65535 * 4)
        return 5;
    std::ofstream(File, std::ios::binary) << text;
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return 64;
    x = XOpenDisplay(nullptr);
    if (!x)
        return 65;
    window = XCreateSimpleWindow(x, DefaultRootWindow(x), 0, 0, 1, 1, 0, 0, 0);
    XSelectInput(x, window, PropertyChangeMask);
    if (std::strcmp(argv[1], "hang") == 0) {
        if (!TakeClipboard())
            return 1;
        FallSilent();
    }
    if (argc < 3)
        return 64;
    const size_t stopAfter = argc > 3 ? std::strtoul(argv[3], nullptr, 10) : 0;
    if (std::strcmp(argv[1], "own") == 0) {
        std::ifstream in(argv[2], std::ios::binary);
        return Own(std::string(std::istreambuf_iterator<char>(in), {}), stopAfter);
    }
    if (std::strcmp(argv[1], "read") == 0)
        return Read(argv[2], stopAfter);
    return 64;
}
