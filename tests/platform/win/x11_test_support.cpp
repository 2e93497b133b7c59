#include "x11_test_support.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <string>

#include "platform/gdi/bitmap.h"
#include "platform/win/window.h"
#include "platform/win/window_pos.h"
#include "platform/win/x11_backend.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

extern char** environ;

namespace {

struct TServer {
    pid_t Pid = 0;
    std::string Name;  // ":N"
    Display* Other = nullptr;
    std::unique_ptr<TBackend> Previous;
    Window Compositor = 0;  // owns _NET_WM_CM_S0 while the other program plays one
};

TServer server;

long long NowMs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

// Xvfb picks a free display number itself and writes it to the pipe once
// it accepts connections.
std::string StartXvfb(pid_t& pid, std::string& error)
{
    int fds[2];
    if (pipe(fds) != 0) {
        error = "no pipe for Xvfb";
        return {};
    }
    std::string fd = std::to_string(fds[1]);
    const char* argv[] = {"Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x800x24", "-nolisten", "tcp",
                          nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    int failed = posix_spawnp(&pid, "Xvfb", &actions, nullptr, const_cast<char**>(argv), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (failed) {
        close(fds[0]);
        error = "Xvfb could not be started (is the xvfb package installed? scripts/install-deps.sh installs it)";
        pid = 0;
        return {};
    }
    std::string number;
    long long deadline = NowMs() + 10000;
    for (;;) {
        pollfd p{fds[0], POLLIN, 0};
        long long left = deadline - NowMs();
        if (left <= 0 || poll(&p, 1, static_cast<int>(left)) <= 0)
            break;
        char c = 0;
        if (read(fds[0], &c, 1) != 1 || c == '\n')
            break;
        number += c;
    }
    close(fds[0]);
    if (number.empty()) {
        error = "Xvfb started but gave no display within 10 seconds";
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
        pid = 0;
        return {};
    }
    return ":" + number;
}

}  // namespace

void TX11Test::SetUpTestSuite()
{
    TInputTest::SetUpTestSuite();
    std::string error;
    server.Name = StartXvfb(server.Pid, error);
    ASSERT_FALSE(server.Name.empty()) << "The X11 tests need Xvfb: " << error;
    server.Other = XOpenDisplay(server.Name.c_str());
    ASSERT_NE(server.Other, nullptr) << "cannot connect to Xvfb on " << server.Name;
    AnsiString message;
    std::unique_ptr<TBackend> x11 = OpenX11Backend(server.Name.c_str(), message);
    ASSERT_NE(x11, nullptr) << message;
    server.Previous = SwapBackend(std::move(x11));
}

void TX11Test::TearDownTestSuite()
{
    if (server.Previous)
        SwapBackend(std::move(server.Previous));
    if (server.Other)
        XCloseDisplay(server.Other);
    server.Other = nullptr;
    if (server.Pid) {
        kill(server.Pid, SIGTERM);
        waitpid(server.Pid, nullptr, 0);
    }
    server.Pid = 0;
}

void TX11Test::SetUp()
{
    ASSERT_NE(server.Other, nullptr) << "Xvfb is not running";
    ASSERT_STREQ(Backend().Name(), "x11");
    PlayCompositor(false);
    TInputTest::SetUp();
}

void TX11Test::PlayCompositor(bool Own)
{
    Display* d = server.Other;
    if (Own && !server.Compositor) {
        server.Compositor = XCreateSimpleWindow(d, DefaultRootWindow(d), -10, -10, 1, 1, 0, 0, 0);
        XSetSelectionOwner(d, XInternAtom(d, "_NET_WM_CM_S0", False), server.Compositor, CurrentTime);
    } else if (!Own && server.Compositor) {
        XDestroyWindow(d, server.Compositor);
        server.Compositor = 0;
    }
    XSync(d, False);
}

void TX11Test::TDesktopWorkArea::Set(const TRect& Work)
{
    Display* d = server.Other;
    long area[4] = {Work.Left, Work.Top, Work.Width(), Work.Height()};
    XChangeProperty(d, DefaultRootWindow(d), XInternAtom(d, "_NET_WORKAREA", False), XA_CARDINAL, 32,
                    PropModeReplace, reinterpret_cast<unsigned char*>(area), 4);
    XSync(d, False);
}

TX11Test::TDesktopWorkArea::~TDesktopWorkArea()
{
    Display* d = server.Other;
    XDeleteProperty(d, DefaultRootWindow(d), XInternAtom(d, "_NET_WORKAREA", False));
    XSync(d, False);
}

TX11Test::TDesktopRedirect::TDesktopRedirect()
{
    Display* d = server.Other;
    XSelectInput(d, DefaultRootWindow(d), SubstructureRedirectMask | SubstructureNotifyMask);
    XSync(d, False);
}

TX11Test::TDesktopRedirect::~TDesktopRedirect()
{
    Display* d = server.Other;
    XSelectInput(d, DefaultRootWindow(d), 0);
    XSync(d, False);
}

Display* TX11Test::Other()
{
    return server.Other;
}

bool TX11Test::PumpUntil(const std::function<bool()>& Done)
{
    long long deadline = NowMs() + 3000;
    for (;;) {
        Backend().WaitForEvents(10);
        Pump();
        if (Done())
            return true;
        if (NowMs() > deadline)
            return false;
    }
}

void TX11Test::Key(unsigned long Sym, std::initializer_list<unsigned long> Held)
{
    for (unsigned long held : Held)
        XTestFakeKeyEvent(server.Other, XKeysymToKeycode(server.Other, held), True, 0);
    const KeyCode code = XKeysymToKeycode(server.Other, Sym);
    XTestFakeKeyEvent(server.Other, code, True, 0);
    XTestFakeKeyEvent(server.Other, code, False, 0);
    for (unsigned long held : Held)
        XTestFakeKeyEvent(server.Other, XKeysymToKeycode(server.Other, held), False, 0);
    XSync(server.Other, False);
}

void TX11Test::Click(TPoint Screen, unsigned Button)
{
    XTestFakeMotionEvent(server.Other, 0, Screen.X, Screen.Y, 0);
    XTestFakeButtonEvent(server.Other, Button, True, 0);
    XTestFakeButtonEvent(server.Other, Button, False, 0);
    XSync(server.Other, False);
}

void TX11Test::Drag(TPoint From, TPoint To)
{
    XTestFakeMotionEvent(server.Other, 0, From.X, From.Y, 0);
    XTestFakeButtonEvent(server.Other, 1, True, 0);
    XTestFakeMotionEvent(server.Other, 0, To.X, To.Y, 0);
    XTestFakeButtonEvent(server.Other, 1, False, 0);
    XSync(server.Other, False);
}

bool TX11Test::BecomesViewable(HWND Handle)
{
    return PumpUntil([&] {
        XWindowAttributes attributes;
        return XGetWindowAttributes(server.Other, X11WindowOf(Handle), &attributes) &&
               attributes.map_state == IsViewable;
    });
}

bool TX11Test::HasXFocus(HWND Handle)
{
    return PumpUntil([&] {
        Window focus = 0;
        int revert = 0;
        XGetInputFocus(server.Other, &focus, &revert);
        return focus == X11WindowOf(Handle);
    });
}

bool TX11Test::ShowsBacking(HWND Handle)
{
    TRect rect;
    GetWindowRect(Handle, &rect);
    const unsigned long surface = X11WindowOf(Handle);
    return PumpUntil([&] {
        XImage* image = XGetImage(server.Other, surface, 0, 0, static_cast<unsigned>(rect.Width()),
                                  static_cast<unsigned>(rect.Height()), AllPlanes, ZPixmap);
        if (!image)
            return false;
        TSurface backing = GdiObjectAs<TGdiBitmap>(WindowOf(Handle)->Backing)->Surface();
        bool same = true;
        for (int y = 0; y < rect.Height() && same; ++y)
            for (int x = 0; x < rect.Width() && same; ++x)
                same = (static_cast<uint32_t>(XGetPixel(image, x, y)) & 0xFFFFFF) ==
                       (backing.GetPixel(x, y) & 0xFFFFFF);
        XDestroyImage(image);
        return same;
    });
}
