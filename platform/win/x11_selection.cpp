// The X11 back end's clipboard: the program's CF_TEXT is the CLIPBOARD
// selection, offered as UTF8_STRING and STRING (Latin-1) with LF line ends
// and served for as long as the program runs; another program's text is
// converted to GBK, its line ends as they come.
// Texts too large for one request cross in pieces (INCR) both ways. What
// another program offers is asked once each time the clipboard changes
// hands (the server tells us, through XFixes), so that the paste command's
// state is known without waiting for that program on every idle pass.
#include <poll.h>
#include <time.h>

#include <algorithm>
#include <cstring>

#include "platform/base/code_page.h"
#include "platform/win/x11_internal.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>

namespace {

// How long another program may take to hand over its selection, or each
// piece of it.
constexpr int SelectionWaitMs = 2000;
// How long a program taking our clipboard in pieces may pause before the
// transfer is given up.
constexpr long long IncrGiveUpMs = 30000;

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

// The program's text breaks lines with CR LF; programs here expect LF.
AnsiString WithLineFeeds(const AnsiString& text)
{
    AnsiString lines;
    lines.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i)
        if (text[i] != '\r' || i + 1 == text.size() || text[i + 1] != '\n')
            lines += text[i];
    return lines;
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

// The most we put in one property at a time: what one request can carry,
// at most 256 KB; more goes by INCR.
size_t MaxPieceBytes(Display* X)
{
    const long requestBytes = XMaxRequestSize(X) * 4 - 256;
    return static_cast<size_t>(std::clamp<long>(requestBytes, 4096, 256 * 1024));
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

TClipboardFetch TX11Backend::FetchClipboardText(AnsiString& Text)
{
    TXId clipboard = Intern("CLIPBOARD");
    Window owner = XGetSelectionOwner(display_, clipboard);
    // Our own clipboard is answered by the window manager itself.
    if (!owner || owner == helper_)
        return TClipboardFetch::NoText;
    for (TXId target : {Intern("UTF8_STRING"), static_cast<TXId>(XA_STRING)}) {
        std::string data;
        TXId type = 0;
        int format = 0;
        // An owner that did not answer is not asked again: the paste has
        // waited long enough.
        const TClipboardFetch fetched = ConvertSelection(clipboard, target, CurrentTime, data, type, format);
        if (fetched == TClipboardFetch::Broken)
            return fetched;
        if (fetched == TClipboardFetch::Text && format == 8) {
            Text = Utf8ToGbk(target == XA_STRING ? Latin1ToUtf8(data) : data);
            return fetched;
        }
    }
    return TClipboardFetch::NoText;
}

bool TX11Backend::ClipboardOffersText()
{
    return clipboardOffer_ != TClipboardOffer::NoText;
}

void TX11Backend::WatchClipboardOwner()
{
    int error = 0;
    if (!XFixesQueryExtension(display_, &fixesEventBase_, &error)) {
        fixesEventBase_ = -1;
        return;
    }
    XFixesSelectSelectionInput(display_, helper_, Intern("CLIPBOARD"),
                               XFixesSetSelectionOwnerNotifyMask | XFixesSelectionWindowDestroyNotifyMask |
                                   XFixesSelectionClientCloseNotifyMask);
    // Whoever owns it now changed it before we listened.
    const Window owner = XGetSelectionOwner(display_, Intern("CLIPBOARD"));
    if (owner)
        AskClipboardOffer(owner, CurrentTime);
    else
        clipboardOffer_ = TClipboardOffer::NoText;
}

void TX11Backend::AskClipboardOffer(TXId Owner, unsigned long Time)
{
    // Our own offer is the window manager's to know.
    if (Owner == helper_) {
        clipboardOffer_ = TClipboardOffer::NoText;
        return;
    }
    clipboardOffer_ = TClipboardOffer::Unknown;
    offerAskedTime_ = Time;
    XConvertSelection(display_, Intern("CLIPBOARD"), Intern("TARGETS"), Intern("TANDRIL_TARGETS"), helper_, Time);
    XFlush(display_);
}

void TX11Backend::HandleClipboardOwnerChange(const XEvent& Event)
{
    if (fixesEventBase_ < 0 || Event.type != fixesEventBase_ + XFixesSelectionNotify)
        return;
    const auto& change = reinterpret_cast<const XFixesSelectionNotifyEvent&>(Event);
    if (change.selection != Intern("CLIPBOARD"))
        return;
    if (change.owner)
        AskClipboardOffer(change.owner, change.selection_timestamp);
    else
        clipboardOffer_ = TClipboardOffer::NoText;
}

void TX11Backend::HandleClipboardOffer(const XEvent& Event)
{
    const XSelectionEvent& answer = Event.xselection;
    if (answer.requestor != helper_ || answer.target != Intern("TARGETS") ||
        answer.selection != Intern("CLIPBOARD"))
        return;
    std::string data;
    TXId type = 0;
    int format = 0;
    const bool listed = answer.property && TakeProperty(answer.property, data, type, format);
    // The answer of an owner since replaced tells nothing of the clipboard now.
    if (clipboardOffer_ != TClipboardOffer::Unknown || answer.time != offerAskedTime_)
        return;
    // An owner that does not list its targets may still give text.
    if (!listed || format != 32) {
        clipboardOffer_ = TClipboardOffer::Text;
        return;
    }
    clipboardOffer_ = TClipboardOffer::NoText;
    // Xlib hands 32-bit items over as longs.
    for (size_t i = 0; i + sizeof(long) <= data.size(); i += sizeof(long)) {
        long atom = 0;
        std::memcpy(&atom, data.data() + i, sizeof atom);
        if (static_cast<TXId>(atom) == Intern("UTF8_STRING") || static_cast<TXId>(atom) == XA_STRING)
            clipboardOffer_ = TClipboardOffer::Text;
    }
}

bool TX11Backend::WaitForEvent(const std::function<bool(const XEvent&)>& Wanted, long long DeadlineMs, XEvent& Found)
{
    for (;;) {
        // Everything else that comes meanwhile is handled as usual: the
        // owner may be waiting for us to answer a request of its own.
        while (XPending(display_)) {
            XNextEvent(display_, &Found);
            if (Wanted(Found))
                return true;
            if (!XFilterEvent(&Found, 0))
                Dispatch(Found);
        }
        long long left = DeadlineMs - NowMs();
        if (left <= 0)
            return false;
        pollfd fd{ConnectionNumber(display_), POLLIN, 0};
        poll(&fd, 1, static_cast<int>(left));
    }
}

bool TX11Backend::TakeProperty(TXId Property, std::string& Data, TXId& Type, int& Format)
{
    Atom type = 0;
    unsigned long count = 0, after = 0;
    unsigned char* bytes = nullptr;
    Format = 0;
    const bool read = XGetWindowProperty(display_, helper_, Property, 0, 0x7FFFFFF, True, AnyPropertyType, &type,
                                         &Format, &count, &after, &bytes) == Success &&
                      type != 0;
    if (read) {
        const size_t unit = Format == 32 ? sizeof(long) : static_cast<size_t>(Format / 8);
        Data.assign(reinterpret_cast<const char*>(bytes), count * unit);
        Type = type;
    }
    if (bytes)
        XFree(bytes);
    return read;
}

TClipboardFetch TX11Backend::ConvertSelection(TXId Selection, TXId Target, unsigned long Time, std::string& Data,
                                              TXId& Type, int& Format)
{
    TXId property = Intern("TANDRIL_SELECTION");
    XDeleteProperty(display_, helper_, property);
    XConvertSelection(display_, Selection, Target, property, helper_, Time);
    XFlush(display_);
    XEvent event;
    const auto answered = [&](const XEvent& e) {
        return e.type == SelectionNotify && e.xselection.requestor == helper_ &&
               e.xselection.selection == Selection && e.xselection.target == Target;
    };
    if (!WaitForEvent(answered, NowMs() + SelectionWaitMs, event))
        return TClipboardFetch::Broken;
    if (event.xselection.property == 0 || !TakeProperty(property, Data, Type, Format))
        return TClipboardFetch::NoText;
    if (Type != Intern("INCR"))
        return TClipboardFetch::Text;
    // In pieces: taking (deleting) each asks the owner for the next; an
    // empty piece ends the data. An owner that falls silent has broken off.
    Data.clear();
    const auto piece = [&](const XEvent& e) {
        return e.type == PropertyNotify && e.xproperty.window == helper_ && e.xproperty.atom == property &&
               e.xproperty.state == PropertyNewValue;
    };
    for (;;) {
        std::string part;
        if (!WaitForEvent(piece, NowMs() + SelectionWaitMs, event)) {
            XDeleteProperty(display_, helper_, property);
            Data.clear();
            return TClipboardFetch::Broken;
        }
        if (!TakeProperty(property, part, Type, Format))
            continue;
        if (part.empty())
            return TClipboardFetch::Text;
        Data += part;
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
            text = WithLineFeeds(text);
            std::string data = request.target == XA_STRING ? GbkToLatin1(text) : GbkToUtf8(text);
            if (data.size() <= MaxPieceBytes(display_)) {
                XChangeProperty(display_, request.requestor, property, request.target, 8, PropModeReplace,
                                reinterpret_cast<const unsigned char*>(data.data()), static_cast<int>(data.size()));
            } else {
                StartIncrTransfer(request.requestor, property, request.target, std::move(data));
            }
            reply.xselection.property = property;
        }
    }
    XSendEvent(display_, request.requestor, False, 0, &reply);
    XFlush(display_);
}

void TX11Backend::StartIncrTransfer(TXId Requestor, TXId Property, TXId Type, std::string Data)
{
    // Transfers whose requestor stopped taking pieces long ago are given up,
    // and so is one to the same window and property: that window is new
    // (X hands a gone client's window numbers out again) or asks afresh.
    const long long now = NowMs();
    std::erase_if(incrTransfers_, [&](const TIncrTransfer& t) {
        return now - t.LastMs > IncrGiveUpMs || (t.Requestor == Requestor && t.Property == Property);
    });
    // Too much for one request: the property says how much is coming, and
    // each time the requestor deletes it the next piece follows.
    XSelectInput(display_, Requestor, PropertyChangeMask);
    long size = static_cast<long>(Data.size());
    XChangeProperty(display_, Requestor, Property, Intern("INCR"), 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(&size), 1);
    incrTransfers_.push_back({Requestor, Property, Type, std::move(Data), 0, false, now});
}

void TX11Backend::ContinueIncrTransfer(const XEvent& Event)
{
    if (Event.type != PropertyNotify || Event.xproperty.state != PropertyDelete)
        return;
    auto it = std::find_if(incrTransfers_.begin(), incrTransfers_.end(), [&](const TIncrTransfer& t) {
        return t.Requestor == Event.xproperty.window && t.Property == Event.xproperty.atom;
    });
    if (it == incrTransfers_.end())
        return;
    TIncrTransfer& transfer = *it;
    if (transfer.Ended) {
        XSelectInput(display_, transfer.Requestor, NoEventMask);
        incrTransfers_.erase(it);
        return;
    }
    const size_t size = std::min(transfer.Data.size() - transfer.Sent, MaxPieceBytes(display_));
    XChangeProperty(display_, transfer.Requestor, transfer.Property, transfer.Type, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(transfer.Data.data() + transfer.Sent),
                    static_cast<int>(size));
    transfer.Sent += size;
    transfer.Ended = size == 0;
    transfer.LastMs = NowMs();
    XFlush(display_);
}

void TX11Backend::HandleSelectionClear(XEvent& Event)
{
    if (Event.xselectionclear.selection == Intern("CLIPBOARD") && BackendEvents().ClipboardLost)
        BackendEvents().ClipboardLost();
}
