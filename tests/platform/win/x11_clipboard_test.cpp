#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <memory>
#include <string>
#include <thread>

#include "platform/base/code_page.h"
#include "platform/win/clipboard.h"
#include "platform/win/global_memory.h"
#include "platform/win/headless_backend.h"
#include "platform/win/window_lifecycle.h"
#include "platform/win/window_styles.h"
#include "platform/win/x11_backend.h"
#include "x11_test_support.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace {

using TX11ClipboardTest = TX11Test;

std::string Utf8(const char8_t* text)
{
    return reinterpret_cast<const char*>(text);
}

// The other program answers requests for its clipboard text (UTF-8) from
// its own thread while the program waits for the answer.
class TClipboardAnswers {
public:
    TClipboardAnswers(Display* X, Window Owner, const std::string& Text)
        : thread_([this, X, Owner, Text] { Answer(X, Owner, Text); })
    {
    }
    ~TClipboardAnswers()
    {
        stop_ = true;
        thread_.join();
    }
    TClipboardAnswers(const TClipboardAnswers&) = delete;
    TClipboardAnswers& operator=(const TClipboardAnswers&) = delete;

private:
    void Answer(Display* x, Window owner, const std::string& text)
    {
        Atom utf8 = XInternAtom(x, "UTF8_STRING", False);
        while (!stop_) {
            XEvent event;
            if (!XCheckTypedWindowEvent(x, owner, SelectionRequest, &event)) {
                timespec pause{0, 2000000};
                nanosleep(&pause, nullptr);
                continue;
            }
            const XSelectionRequestEvent& request = event.xselectionrequest;
            XEvent reply{};
            reply.xselection.type = SelectionNotify;
            reply.xselection.requestor = request.requestor;
            reply.xselection.selection = request.selection;
            reply.xselection.target = request.target;
            reply.xselection.time = request.time;
            if (request.target == utf8) {
                XChangeProperty(x, request.requestor, request.property, utf8, 8, PropModeReplace,
                                reinterpret_cast<const unsigned char*>(text.data()), static_cast<int>(text.size()));
                reply.xselection.property = request.property;
            }
            XSendEvent(x, request.requestor, False, 0, &reply);
            XFlush(x);
        }
    }

    std::atomic<bool> stop_ = false;
    std::thread thread_;
};

// What a paste into Window gets: the clipboard's CF_TEXT.
AnsiString PastedText(HWND Window)
{
    if (!OpenClipboard(Window))
        return "(the clipboard did not open)";
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
    HGLOBAL pasted = GetClipboardData(CF_TEXT);
    AnsiString text = pasted ? static_cast<const char*>(GlobalLock(pasted)) : "";
    if (pasted)
        GlobalUnlock(pasted);
    CloseClipboard();
    return text;
}

void Copy(HWND Window, const AnsiString& Text)
{
    ASSERT_TRUE(OpenClipboard(Window));
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, Text.size() + 1);
    std::memcpy(GlobalLock(block), Text.c_str(), Text.size() + 1);
    GlobalUnlock(block);
    SetClipboardData(CF_TEXT, block);
    CloseClipboard();
}

TEST_F(TX11ClipboardTest, TextCrossesTheClipboardBothWays)
{
    Display* x = Other();
    HWND form = Make("F", WS_POPUP, nullptr, Bounds(0, 0, 50, 50));
    Atom clipboard = XInternAtom(x, "CLIPBOARD", False);
    Atom utf8 = XInternAtom(x, "UTF8_STRING", False);
    Atom property = XInternAtom(x, "TEST_DATA", False);
    Window other = XCreateSimpleWindow(x, DefaultRootWindow(x), 0, 0, 1, 1, 0, 0, 0);

    // The program copies GBK text; the other program reads UTF-8, and STRING for Latin-1.
    Copy(form, "說門 text 中\\");

    auto read = [&](Atom target, std::string& data) {
        XConvertSelection(x, clipboard, target, property, other, CurrentTime);
        XSync(x, False);
        XEvent event{};
        bool answered = PumpUntil([&] { return XCheckTypedWindowEvent(x, other, SelectionNotify, &event); });
        if (!answered || event.xselection.property == 0)
            return false;
        Atom type = 0;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* bytes = nullptr;
        XGetWindowProperty(x, other, property, 0, 65536, True, AnyPropertyType, &type, &format, &count, &after,
                           &bytes);
        data.assign(reinterpret_cast<const char*>(bytes), count);
        XFree(bytes);
        return type == target;
    };
    std::string data;
    ASSERT_TRUE(read(utf8, data));
    EXPECT_EQ(data, Utf8(u8"說門 text 中\\"));
    ASSERT_TRUE(read(XA_STRING, data));
    EXPECT_EQ(data, "?? text ?\\");

    // The other program copies UTF-8 text; the program pastes it as GBK.
    const std::string offered = Utf8(u8"這乗中文 ok");
    XSetSelectionOwner(x, clipboard, other, CurrentTime);
    ASSERT_EQ(XGetSelectionOwner(x, clipboard), other);
    XSync(x, False);
    // The program hears that it lost the clipboard.
    ASSERT_TRUE(PumpUntil([] { return GetClipboardOwner() == nullptr; }));

    TClipboardAnswers answers(x, other, offered);
    EXPECT_EQ(PastedText(form), "這乗中文 ok");
    XDestroyWindow(x, other);
    XSync(x, False);
}

TEST_F(TX11ClipboardTest, AProgramStartedWhileAnotherOwnsTheClipboardPastesItsText)
{
    // The program copies, and ends: its X connection goes with its
    // clipboard. Its own record of the clipboard is still there.
    Display* x = Other();
    Atom clipboard = XInternAtom(x, "CLIPBOARD", False);
    HWND form = Make("F", WS_POPUP, nullptr, Bounds(0, 0, 50, 50));
    Copy(form, "舊的 old");
    ASSERT_TRUE(PumpUntil([&] { return XGetSelectionOwner(x, clipboard) != 0; }));
    DestroyWindow(form);
    std::unique_ptr<TBackend> ended = SwapBackend(std::make_unique<THeadlessBackend>());
    ended.reset();
    XSync(x, False);
    ASSERT_EQ(XGetSelectionOwner(x, clipboard), 0u);

    // Another program copies; then the program starts again.
    Window other = XCreateSimpleWindow(x, DefaultRootWindow(x), 0, 0, 1, 1, 0, 0, 0);
    XSetSelectionOwner(x, clipboard, other, CurrentTime);
    XSync(x, False);
    const std::string offered = Utf8(u8"說門 from another program");
    {
        TClipboardAnswers answers(x, other, offered);
        AnsiString error;
        std::unique_ptr<TBackend> started = OpenX11Backend(DisplayString(x), error);
        ASSERT_NE(started, nullptr) << error;
        SwapBackend(std::move(started));
        EXPECT_EQ(PastedText(Make("G", WS_POPUP, nullptr, Bounds(0, 0, 50, 50))), "說門 from another program");
    }
    XDestroyWindow(x, other);
    XSync(x, False);
}

TEST(TX11Backend, MissingDisplayIsReportedNotFatal)
{
    AnsiString error;
    EXPECT_EQ(OpenX11Backend(":9876", error), nullptr);
    EXPECT_NE(error.find("cannot open the X display \":9876\""), std::string::npos) << error;
}

TEST(TX11Backend, DroppedUriListsNameLocalFiles)
{
    std::string list = Utf8(u8"# from the file manager\r\n"
                            u8"file:///home/u/%E8%AA%AA%E9%96%80.txt\r\n"
                            u8"file://localhost/tmp/a%20b\r\n"
                            u8"file://elsewhere/tmp/x\r\n"
                            u8"http://example.org/y\r\n"
                            u8"file:///tmp/%zz");
    EXPECT_EQ(FilesOfUriList(list), (std::vector<AnsiString>{"/home/u/說門.txt", "/tmp/a b", "/tmp/%zz"}));
}

}  // namespace
