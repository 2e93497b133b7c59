#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/base/code_page.h"
#include "platform/win/clipboard.h"
#include "platform/win/global_memory.h"
#include "platform/win/headless_backend.h"
#include "platform/win/window_lifecycle.h"
#include "platform/win/window_styles.h"
#include "platform/win/x11_backend.h"
#include "x11_clipboard_peer.h"
#include "x11_test_support.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace {

std::string Utf8(const char8_t* text)
{
    return reinterpret_cast<const char*>(text);
}

// Tells the program that asked Request that its answer is in Property
// (None: refused).
void Reply(Display* X, const XSelectionRequestEvent& Request, Atom Property)
{
    XEvent reply{};
    reply.xselection.type = SelectionNotify;
    reply.xselection.requestor = Request.requestor;
    reply.xselection.selection = Request.selection;
    reply.xselection.target = Request.target;
    reply.xselection.property = Property;
    reply.xselection.time = Request.time;
    XSendEvent(X, Request.requestor, False, 0, &reply);
    XSync(X, False);
}

// The other program answers requests for its clipboard text from its own
// thread while the program waits for the answer. Without Listed it gives
// UTF-8 and refuses to list its targets; with Listed it lists those and
// gives the text as whichever of them is UTF8_STRING or STRING.
class TClipboardAnswers {
public:
    TClipboardAnswers(Display* X, Window Owner, const std::string& Text, std::vector<Atom> Listed = {})
        : thread_([this, X, Owner, Text, Listed] { Answer(X, Owner, Text, Listed); })
    {
    }
    ~TClipboardAnswers()
    {
        stop_ = true;
        thread_.join();
    }
    TClipboardAnswers(const TClipboardAnswers&) = delete;
    TClipboardAnswers& operator=(const TClipboardAnswers&) = delete;

    // The requests answered so far; each answer has reached the server.
    int Answered() const { return answered_; }

private:
    void Answer(Display* x, Window owner, const std::string& text, std::vector<Atom> listed)
    {
        Atom utf8 = XInternAtom(x, "UTF8_STRING", False);
        Atom targets = XInternAtom(x, "TARGETS", False);
        const bool lists = !listed.empty();
        const auto gives = [&](Atom Target) {
            const bool isText = Target == utf8 || Target == XA_STRING;
            return lists ? isText && std::count(listed.begin(), listed.end(), Target) : Target == utf8;
        };
        listed.insert(listed.begin(), targets);
        while (!stop_) {
            XEvent event;
            if (!XCheckTypedWindowEvent(x, owner, SelectionRequest, &event)) {
                timespec pause{0, 2000000};
                nanosleep(&pause, nullptr);
                continue;
            }
            const XSelectionRequestEvent& request = event.xselectionrequest;
            Atom answer = None;
            if (request.target == targets && lists) {
                XChangeProperty(x, request.requestor, request.property, XA_ATOM, 32, PropModeReplace,
                                reinterpret_cast<const unsigned char*>(listed.data()), static_cast<int>(listed.size()));
                answer = request.property;
            } else if (gives(request.target)) {
                XChangeProperty(x, request.requestor, request.property, request.target, 8, PropModeReplace,
                                reinterpret_cast<const unsigned char*>(text.data()), static_cast<int>(text.size()));
                answer = request.property;
            }
            Reply(x, request, answer);
            ++answered_;
        }
    }

    std::atomic<bool> stop_ = false;
    std::atomic<int> answered_ = 0;
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

class TX11ClipboardTest : public TX11Test {
protected:
    // The program copies a text and ends: its X connection goes, and the
    // clipboard with it. Its own record of the clipboard is still there.
    void CopyAndEnd(Atom Clipboard)
    {
        HWND form = Make("F", WS_POPUP, nullptr, Bounds(0, 0, 50, 50));
        Copy(form, "舊的 old");
        ASSERT_TRUE(PumpUntil([&] { return XGetSelectionOwner(Other(), Clipboard) != 0; }));
        DestroyWindow(form);
        SwapBackend(std::make_unique<THeadlessBackend>()).reset();
        XSync(Other(), False);
        ASSERT_EQ(XGetSelectionOwner(Other(), Clipboard), 0u);
    }
};

TEST_F(TX11ClipboardTest, TextCrossesTheClipboardBothWays)
{
    Display* x = Other();
    HWND form = Make("F", WS_POPUP, nullptr, Bounds(0, 0, 50, 50));
    Atom clipboard = XInternAtom(x, "CLIPBOARD", False);
    Atom utf8 = XInternAtom(x, "UTF8_STRING", False);
    Atom property = XInternAtom(x, "TEST_DATA", False);
    Window other = XCreateSimpleWindow(x, DefaultRootWindow(x), 0, 0, 1, 1, 0, 0, 0);

    // The program copies GBK text; the other program reads UTF-8, and
    // STRING for Latin-1, with its lines ended by LF as programs here
    // expect (a lone CR stays).
    Copy(form, "說門 text\r\n中\\\r\n\r\nend\r");

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
    EXPECT_EQ(data, Utf8(u8"說門 text\n中\\\n\nend\r"));
    ASSERT_TRUE(read(XA_STRING, data));
    EXPECT_EQ(data, "?? text\n?\\\n\nend\r");

    // The other program copies UTF-8 text; the program pastes it as GBK,
    // with its line ends, LF or CR LF, as they came.
    const std::string offered = Utf8(u8"這乗\n中文\r\n ok");
    XSetSelectionOwner(x, clipboard, other, CurrentTime);
    ASSERT_EQ(XGetSelectionOwner(x, clipboard), other);
    XSync(x, False);
    // The program hears that it lost the clipboard.
    ASSERT_TRUE(PumpUntil([] { return GetClipboardOwner() == nullptr; }));

    TClipboardAnswers answers(x, other, offered);
    EXPECT_EQ(PastedText(form), "這乗\n中文\r\n ok");
    XDestroyWindow(x, other);
    XSync(x, False);
}

TEST_F(TX11ClipboardTest, AProgramStartedWhileAnotherOwnsTheClipboardPastesItsText)
{
    Display* x = Other();
    Atom clipboard = XInternAtom(x, "CLIPBOARD", False);
    ASSERT_NO_FATAL_FAILURE(CopyAndEnd(clipboard));

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

TEST_F(TX11ClipboardTest, AProgramStartedWhileNoOneOwnsTheClipboardPastesWhatAnotherProgramCopiesLater)
{
    // The program copied once, and ended: no one holds the clipboard.
    Display* x = Other();
    Atom clipboard = XInternAtom(x, "CLIPBOARD", False);
    ASSERT_NO_FATAL_FAILURE(CopyAndEnd(clipboard));

    // The program starts again: there is nothing to paste.
    AnsiString error;
    std::unique_ptr<TBackend> started = OpenX11Backend(DisplayString(x), error);
    ASSERT_NE(started, nullptr) << error;
    SwapBackend(std::move(started));
    HWND again = Make("G", WS_POPUP, nullptr, Bounds(0, 0, 50, 50));
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
    ASSERT_TRUE(OpenClipboard(again));
    EXPECT_EQ(GetClipboardData(CF_TEXT), nullptr);
    CloseClipboard();

    // Then another program copies, without the program ever having held
    // the clipboard since it started: its text is what a paste gets.
    Window other = XCreateSimpleWindow(x, DefaultRootWindow(x), 0, 0, 1, 1, 0, 0, 0);
    XSetSelectionOwner(x, clipboard, other, CurrentTime);
    XSync(x, False);
    {
        TClipboardAnswers answers(x, other, Utf8(u8"說門 copied later"));
        EXPECT_EQ(PastedText(again), "說門 copied later");
    }
    XDestroyWindow(x, other);
    XSync(x, False);
}

// Whether the owner lists a text is asked once each time the clipboard
// changes hands, never on each idle pass of the paste command's state; an
// owner that will not list its targets may still give text.
TEST_F(TX11ClipboardTest, PasteIsOfferedOnlyWhenTheOwnerListsATextAndTheOwnerIsAskedOnce)
{
    Display* x = Other();
    HWND form = Make("F", WS_POPUP, nullptr, Bounds(0, 0, 50, 50));
    Atom clipboard = XInternAtom(x, "CLIPBOARD", False);
    const Atom png = XInternAtom(x, "image/png", False);
    const Atom utf8 = XInternAtom(x, "UTF8_STRING", False);
    struct TOwner {
        const char* What;
        std::vector<Atom> Listed;
        bool Offered;
    };
    const TOwner owners[] = {
        {"a picture only", {png}, false},
        {"a picture and UTF-8", {png, utf8}, true},
        {"Latin-1", {XA_STRING}, true},
        {"UTF-8, its targets not listed", {}, true},
    };
    for (const auto& [what, listed, offered] : owners) {
        Copy(form, "held first");
        Window other = XCreateSimpleWindow(x, DefaultRootWindow(x), 0, 0, 1, 1, 0, 0, 0);
        XSetSelectionOwner(x, clipboard, other, CurrentTime);
        XSync(x, False);
        ASSERT_TRUE(PumpUntil([] { return GetClipboardOwner() == nullptr; }));
        {
            TClipboardAnswers answers(x, other, "text", listed);
            ASSERT_TRUE(PumpUntil([&] { return answers.Answered() == 1; })) << what;
            for (int idlePass = 0; idlePass < 5; ++idlePass) {
                PumpUntil([] { return true; });
                EXPECT_EQ(IsClipboardFormatAvailable(CF_TEXT), offered) << what;
                EXPECT_EQ(IsClipboardFormatAvailable(CF_UNICODETEXT), offered) << what;
            }
            EXPECT_EQ(answers.Answered(), 1) << what;
            if (offered) {
                EXPECT_EQ(PastedText(form), "text") << what;
            }
        }
        XDestroyWindow(x, other);
        XSync(x, False);
    }
}

// Another program copies and stops answering (stopped, busy, behind a slow
// link). The paste command's state never waits for it and asks it only
// once; a paste waits a bounded time and says it failed. When the owner
// answers at last, what it says counts.
TEST_F(TX11ClipboardTest, AnOwnerThatStopsAnsweringIsAskedOnceAndAPasteSaysItFailed)
{
    Display* x = Other();
    HWND form = Make("F", WS_POPUP, nullptr, Bounds(0, 0, 50, 50));
    Atom clipboard = XInternAtom(x, "CLIPBOARD", False);
    Copy(form, "held first");
    Window other = XCreateSimpleWindow(x, DefaultRootWindow(x), 0, 0, 1, 1, 0, 0, 0);
    XSetSelectionOwner(x, clipboard, other, CurrentTime);
    XSync(x, False);
    ASSERT_TRUE(PumpUntil([] { return GetClipboardOwner() == nullptr; }));
    std::vector<XEvent> requests;
    const auto takeRequests = [&] {
        XSync(x, False);
        XEvent event;
        while (XCheckTypedWindowEvent(x, other, SelectionRequest, &event))
            requests.push_back(event);
    };

    for (int idlePass = 0; idlePass < 3; ++idlePass) {
        PumpUntil([] { return true; });
        EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
    }
    takeRequests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].xselectionrequest.target, XInternAtom(x, "TARGETS", False));

    ASSERT_TRUE(OpenClipboard(form));
    EXPECT_EQ(GetClipboardData(CF_TEXT), nullptr);
    EXPECT_TRUE(ClipboardTextIncomplete());
    CloseClipboard();
    takeRequests();
    EXPECT_EQ(requests.size(), 2u) << "the paste asked the silent owner more than once";

    // The owner wakes and answers the first question: it holds a picture.
    const XSelectionRequestEvent& asked = requests[0].xselectionrequest;
    const Atom png = XInternAtom(x, "image/png", False);
    XChangeProperty(x, asked.requestor, asked.property, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&png), 1);
    Reply(x, asked, asked.property);
    EXPECT_TRUE(PumpUntil([] { return !IsClipboardFormatAvailable(CF_TEXT); }));
    XDestroyWindow(x, other);
    XSync(x, False);
}

// The clipboard changes hands while its first owner is slow to say what
// it holds: its late answer tells nothing of the new owner's offer.
TEST_F(TX11ClipboardTest, ALateAnswerOfAReplacedOwnerIsNotTheNewOwnersOffer)
{
    Display* x = Other();
    Copy(Make("F", WS_POPUP, nullptr, Bounds(0, 0, 50, 50)), "held first");
    // A window of the other program takes the clipboard.
    const auto takeClipboard = [x] {
        Window owner = XCreateSimpleWindow(x, DefaultRootWindow(x), 0, 0, 1, 1, 0, 0, 0);
        XSetSelectionOwner(x, XInternAtom(x, "CLIPBOARD", False), owner, CurrentTime);
        XSync(x, False);
        return owner;
    };
    // Each owner's question, once the program has asked it.
    const auto asked = [&](Window Owner) {
        XEvent event{};
        EXPECT_TRUE(PumpUntil([&] {
            XSync(x, False);
            return XCheckTypedWindowEvent(x, Owner, SelectionRequest, &event);
        }));
        return event.xselectionrequest;
    };
    const auto answer = [&](const XSelectionRequestEvent& Request, Atom Target) {
        XChangeProperty(x, Request.requestor, Request.property, XA_ATOM, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(&Target), 1);
        Reply(x, Request, Request.property);
    };
    const Window first = takeClipboard();
    const XSelectionRequestEvent firstAsked = asked(first);
    // A later server time for the second owner.
    timespec pause{0, 20000000};
    nanosleep(&pause, nullptr);
    const Window second = takeClipboard();
    const XSelectionRequestEvent secondAsked = asked(second);

    // The first owner answers at last that it held text; the second that
    // it holds a picture.
    answer(firstAsked, XInternAtom(x, "UTF8_STRING", False));
    for (int round = 0; round < 10; ++round)
        PumpUntil([] { return true; });
    answer(secondAsked, XInternAtom(x, "image/png", False));
    EXPECT_TRUE(PumpUntil([] { return !IsClipboardFormatAvailable(CF_TEXT); }));
    XDestroyWindow(x, first);
    XDestroyWindow(x, second);
    XSync(x, False);
}

// About 5 MB of text GBK can hold, in lines that differ.
AnsiString LargeText()
{
    AnsiString text;
    for (int line = 0; text.size() < 5 * 1024 * 1024; ++line)
        text += "第 " + std::to_string(line) + " 行: 說門這乗中文 text\\ [" + std::string(line % 50, '=') + "]\r\n";
    return text;
}

// The text as another program reads it: UTF-8, lines ended by LF.
std::string AsRead(const AnsiString& Text)
{
    std::string utf8 = GbkToUtf8(Text);
    std::erase(utf8, '\r');
    return utf8;
}

std::string FileBytes(const std::string& Path)
{
    std::ifstream in(Path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class TX11LargeClipboardTest : public TX11Test {
protected:
    void SetUp() override
    {
        TX11Test::SetUp();
        folder_ = std::filesystem::temp_directory_path() / ("x11-clipboard-" + std::to_string(getpid()));
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override
    {
        std::filesystem::remove_all(folder_);
        TX11Test::TearDown();
    }
    std::string Path(const char* Name) const { return (folder_ / Name).string(); }
    // Runs the program's side until the reading peer ends; its exit code.
    int ReadBy(TClipboardPeer& Peer)
    {
        int code = -1;
        for (int round = 0; round < 10 && !Peer.Ended(code); ++round)
            PumpUntil([&] { return Peer.Ended(code); });
        return code;
    }
    // The peer owns the clipboard, and the program, which held it before,
    // has heard it lost it.
    bool PeerOwns(TClipboardPeer& Peer)
    {
        return Peer.Says("owning") && PumpUntil([] { return GetClipboardOwner() == nullptr; });
    }
    // Copies before a peer takes the clipboard, so that the program
    // hears of it.
    static void Hold(HWND Form) { Copy(Form, "held first"); }

    std::filesystem::path folder_;
};

TEST_F(TX11LargeClipboardTest, FiveMegabytesCrossTheClipboardWholeBothWays)
{
    HWND form = Make("F", WS_POPUP, nullptr, Bounds(0, 0, 50, 50));
    const AnsiString text = LargeText();
    const std::string utf8 = GbkToUtf8(text);
    std::ofstream(Path("offered.txt"), std::ios::binary) << utf8;

    // Another program offers it; the program pastes all of it.
    Hold(form);
    {
        TClipboardPeer owner(DisplayString(Other()), {"own", Path("offered.txt")});
        ASSERT_TRUE(PeerOwns(owner));
        const AnsiString pasted = PastedText(form);
        EXPECT_EQ(pasted.size(), text.size());
        EXPECT_TRUE(pasted == text);
        EXPECT_FALSE(ClipboardTextIncomplete());
    }

    // The program copies it; another program reads all of it, with LF.
    Copy(form, text);
    TClipboardPeer reader(DisplayString(Other()), {"read", Path("read.txt")});
    EXPECT_EQ(ReadBy(reader), 0);
    const std::string read = FileBytes(Path("read.txt"));
    const std::string lines = AsRead(text);
    EXPECT_EQ(read.size(), lines.size());
    EXPECT_TRUE(read == lines);
}

TEST_F(TX11LargeClipboardTest, ATransferThatStopsHalfWayIsNoPasteAndNoHang)
{
    HWND form = Make("F", WS_POPUP, nullptr, Bounds(0, 0, 50, 50));
    const AnsiString text = LargeText();
    std::ofstream(Path("offered.txt"), std::ios::binary) << GbkToUtf8(text);

    // The owner falls silent after a megabyte: nothing is pasted, and the
    // clipboard says the text did not come whole.
    Hold(form);
    {
        TClipboardPeer owner(DisplayString(Other()), {"own", Path("offered.txt"), "1000000"});
        ASSERT_TRUE(PeerOwns(owner));
        EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
        ASSERT_TRUE(OpenClipboard(form));
        EXPECT_EQ(GetClipboardData(CF_TEXT), nullptr);
        EXPECT_TRUE(ClipboardTextIncomplete());
        CloseClipboard();
    }

    // A reader leaves after a megabyte of ours; the next one still gets it all.
    Copy(form, text);
    {
        TClipboardPeer quitter(DisplayString(Other()), {"read", Path("part.txt"), "1000000"});
        EXPECT_EQ(ReadBy(quitter), 0);
        EXPECT_FALSE(std::filesystem::exists(Path("part.txt")));
    }
    TClipboardPeer reader(DisplayString(Other()), {"read", Path("read.txt")});
    EXPECT_EQ(ReadBy(reader), 0);
    const std::string read = FileBytes(Path("read.txt"));
    EXPECT_EQ(read.size(), AsRead(text).size());
    EXPECT_TRUE(read == AsRead(text));
    // The program's own paste is untouched by any of it.
    EXPECT_TRUE(PastedText(form) == text);
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
