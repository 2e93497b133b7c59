// Classes, registered messages, the back-end choice and the system's answers.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/base/files.h"
#include "platform/gdi/bitmap.h"
#include "platform/gdi/drawing.h"
#include "platform/gdi/pen_brush.h"
#include "platform/win/window.h"
#include "platform/win/headless_backend.h"
#include "platform/win/headless_screen.h"
#include "platform/win/message_queue.h"
#include "platform/win/monitors.h"
#include "platform/win/paint.h"
#include "platform/win/update_region.h"
#include "platform/win/system_info.h"
#include "platform/win/system_metrics.h"
#include "platform/win/system_parameters.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_pos.h"
#include "window_test_support.h"

class System : public TWindowTest {};

TEST_F(System, ClassesAndRegisteredMessages)
{
    WNDCLASSEX c;
    c.lpszClassName = "TandrilTestClass";
    c.style = CS_DBLCLKS;
    ATOM atom = RegisterClassEx(c);
    EXPECT_NE(atom, 0);
    c.lpszClassName = "tandriltestCLASS";
    EXPECT_EQ(RegisterClassEx(c), 0);  // names ignore case
    WNDCLASSEX info;
    ASSERT_TRUE(GetClassInfoEx("TANDRILTESTCLASS", &info));
    EXPECT_EQ(info.style, UINT(CS_DBLCLKS));
    HWND h = CreateWindowEx(0, "tandriltestclass", "", WS_POPUP, 0, 0, 10, 10, nullptr, 0, nullptr);
    ASSERT_TRUE(h);
    EXPECT_EQ(GetClassName(h), "TandrilTestClass");
    EXPECT_FALSE(UnregisterClass("TandrilTestClass"));  // still in use
    DestroyWindow(h);
    EXPECT_TRUE(UnregisterClass("TandrilTestClass"));
    EXPECT_EQ(CreateWindowEx(0, "TandrilTestClass", "", WS_POPUP, 0, 0, 10, 10, nullptr, 0, nullptr), nullptr);

    UINT m = RegisterWindowMessage("TaskbarCreated");
    EXPECT_GE(m, 0xC000u);
    EXPECT_EQ(RegisterWindowMessage("taskbarcreated"), m);
    EXPECT_NE(RegisterWindowMessage("\xD5\x66"), m);
    EXPECT_EQ(RegisterWindowMessage(""), 0u);
}

TEST_F(System, BackEndChoiceAndTheHeadlessScreen)
{
    EXPECT_STREQ(ChooseBackendName(nullptr, nullptr, ":0"), "x11");
    EXPECT_STREQ(ChooseBackendName(nullptr, nullptr, nullptr), "headless");
    EXPECT_STREQ(ChooseBackendName(nullptr, "1", ":0"), "headless");
    EXPECT_STREQ(ChooseBackendName("headless", nullptr, ":0"), "headless");
    EXPECT_STREQ(ChooseBackendName("x11", "1", nullptr), "x11");
    EXPECT_STREQ(Backend().Name(), "headless");

    THeadlessBackend* screen = HeadlessBackend();
    ASSERT_TRUE(screen);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1280);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 800);
    screen->SetScreenSize(1024, 768);
    TRect work;
    ASSERT_TRUE(SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0));
    EXPECT_EQ(work, Rect(0, 0, 1024, 728));
    EXPECT_EQ(GetSystemMetrics(SM_CXMAXIMIZED), 1024 + 2 * GetSystemMetrics(SM_CXFRAME));
    MONITORINFOEX info;
    ASSERT_TRUE(GetMonitorInfo(MonitorFromPoint({5, 5}, MONITOR_DEFAULTTONULL), &info));
    EXPECT_EQ(info.rcMonitor, Rect(0, 0, 1024, 768));
    EXPECT_EQ(info.rcWork, work);
    EXPECT_EQ(info.dwFlags, DWORD(MONITORINFOF_PRIMARY));
    EXPECT_STREQ(info.szDevice, "\\\\.\\DISPLAY1");
    EXPECT_EQ(MonitorFromPoint({-5, 5}, MONITOR_DEFAULTTONULL), nullptr);
    EXPECT_EQ(MonitorFromRect(Rect(-50, -50, 1, 1), MONITOR_DEFAULTTONEAREST),
              MonitorFromPoint({5, 5}, MONITOR_DEFAULTTONULL));

    // A top-level window is a surface with the window's bounds, shown and
    // hidden with it; a minimized one still counts on the screen.
    TMessageLog log;
    int objects = GdiObjectCount();
    HWND a = log.Make("A", WS_OVERLAPPEDWINDOW, nullptr, Bounds(10, 10, 300, 200));
    auto* surface = screen->FindSurface(a);
    ASSERT_TRUE(surface);
    EXPECT_EQ(surface->Bounds, Bounds(10, 10, 300, 200));
    EXPECT_FALSE(surface->Visible);
    ShowWindow(a, SW_SHOWNOACTIVATE);
    EXPECT_TRUE(screen->FindSurface(a)->Visible);
    // Its backing bitmap follows its size and keeps what it held.
    auto* backing = GdiObjectAs<TGdiBitmap>(WindowOf(a)->Backing);
    ASSERT_TRUE(backing);
    EXPECT_EQ(backing->BitsPerPixel(), 32);
    reinterpret_cast<uint32_t*>(backing->Bits() + backing->Stride())[1] = 0x00ABCDEF;
    MoveWindow(a, 20, 30, 400, 250, true);
    EXPECT_EQ(screen->FindSurface(a)->Bounds, Bounds(20, 30, 400, 250));
    backing = GdiObjectAs<TGdiBitmap>(WindowOf(a)->Backing);
    ASSERT_TRUE(backing);
    EXPECT_EQ((TSize{backing->Width(), backing->Height()}), (TSize{400, 250}));
    EXPECT_EQ(reinterpret_cast<uint32_t*>(backing->Bits() + backing->Stride())[1], 0x00ABCDEFu);
    ShowWindow(a, SW_MINIMIZE);
    EXPECT_NE(MonitorFromWindow(a, MONITOR_DEFAULTTONULL), nullptr);
    DestroyWindow(a);
    EXPECT_EQ(screen->FindSurface(a), nullptr);
    EXPECT_EQ(GdiObjectCount(), objects);
    screen->SetScreenSize(1280, 800);
}

// A minimized top-level window is the desktop's icon: its surface stays
// where it was, off the composed screen, and the desktop's user can bring
// it back, which reaches the window as its restore command.
TEST_F(System, AMinimizedWindowIsTheDesktopsIconUntilRestored)
{
    THeadlessBackend* screen = HeadlessBackend();
    ASSERT_TRUE(screen);
    TMessageLog log;
    std::vector<WPARAM> commands;
    // Each window paints itself white over the black desktop.
    log.Hook = [&](const std::string&, HWND window, UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
        if (message == WM_SYSCOMMAND)
            commands.push_back(wParam & 0xFFF0);
        if (message != WM_PAINT)
            return false;
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        HBRUSH white = CreateSolidBrush(RGB(255, 255, 255));
        FillRect(dc, &paint.rcPaint, white);
        DeleteObject(white);
        EndPaint(window, &paint);
        result = 0;
        return true;
    };
    auto rect = [](HWND window) {
        TRect r;
        GetWindowRect(window, &r);
        return r;
    };
    auto takePosted = [] {
        MSG msg;
        while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessage(msg);
    };
    HWND a = log.Make("A", WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, Bounds(10, 20, 300, 200));
    HWND b = log.Make("B", WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, Bounds(400, 20, 300, 200));
    UpdateWindow(a);
    UpdateWindow(b);
    COLORREF desktop = GetSysColor(COLOR_DESKTOP);
    ASSERT_NE(desktop, RGB(255, 255, 255));
    ShowWindow(a, SW_MINIMIZE);
    auto* surface = screen->FindSurface(a);
    ASSERT_TRUE(surface);
    EXPECT_TRUE(surface->Minimized);
    EXPECT_TRUE(surface->Visible);
    EXPECT_EQ(surface->Bounds, Bounds(10, 20, 300, 200));
    EXPECT_EQ(rect(a).Left, -32000);
    EXPECT_EQ(ScreenPixel(100, 100), desktop);
    EXPECT_NE(ScreenPixel(500, 100), desktop);

    // The program restores it itself.
    ShowWindow(a, SW_RESTORE);
    UpdateWindow(a);
    EXPECT_FALSE(screen->FindSurface(a)->Minimized);
    EXPECT_NE(ScreenPixel(100, 100), desktop);

    // Maximized, minimized, and brought back by the desktop's user: it
    // comes back maximized, through SC_RESTORE.
    ShowWindow(a, SW_MAXIMIZE);
    TRect maximized = rect(a);
    ShowWindow(a, SW_MINIMIZE);
    EXPECT_FALSE(screen->RestoreFromDesktop(b));
    EXPECT_TRUE(screen->RestoreFromDesktop(a));
    EXPECT_FALSE(screen->FindSurface(a)->Minimized);
    EXPECT_FALSE(screen->RestoreFromDesktop(a));
    takePosted();
    EXPECT_EQ(commands, std::vector<WPARAM>{SC_RESTORE});
    EXPECT_FALSE(IsIconic(a));
    EXPECT_EQ(rect(a), maximized);
    EXPECT_EQ(screen->FindSurface(a)->Bounds, maximized);
    ShowWindow(a, SW_RESTORE);
    EXPECT_EQ(rect(a), Bounds(10, 20, 300, 200));
    EXPECT_EQ(screen->FindSurface(a)->Bounds, Bounds(10, 20, 300, 200));

    // Minimized while hidden, it is an icon from the moment it shows.
    ShowWindow(b, SW_HIDE);
    ShowWindow(b, SW_SHOWMINNOACTIVE);
    EXPECT_TRUE(screen->FindSurface(b)->Minimized);
    EXPECT_TRUE(screen->FindSurface(b)->Visible);
    EXPECT_EQ(ScreenPixel(500, 100), desktop);
}

// Two monitors side by side, the second one primary: windows and points
// find their monitor, a window maximizes to its own monitor's work area,
// and the screen's metrics are the primary's while the virtual screen is
// both.
TEST_F(System, WindowsOnASecondMonitor)
{
    THeadlessBackend* screen = HeadlessBackend();
    ASSERT_TRUE(screen);
    screen->SetMonitors({{Rect(0, 0, 1280, 800), Rect(0, 0, 1280, 760), false},
                         {Rect(1280, -100, 2304, 668), Rect(1320, -100, 2304, 668), true}});
    EXPECT_EQ(GetSystemMetrics(SM_CMONITORS), 2);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
    EXPECT_EQ(GetSystemMetrics(SM_XVIRTUALSCREEN), 0);
    EXPECT_EQ(GetSystemMetrics(SM_YVIRTUALSCREEN), -100);
    EXPECT_EQ(GetSystemMetrics(SM_CXVIRTUALSCREEN), 2304);
    EXPECT_EQ(GetSystemMetrics(SM_CYVIRTUALSCREEN), 900);
    TRect work;
    ASSERT_TRUE(SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0));
    EXPECT_EQ(work, Rect(1320, -100, 2304, 668));

    HMONITOR first = MonitorFromPoint({5, 5}, MONITOR_DEFAULTTONULL);
    HMONITOR second = MonitorFromPoint({1300, 0}, MONITOR_DEFAULTTONULL);
    ASSERT_TRUE(first);
    ASSERT_TRUE(second);
    EXPECT_NE(first, second);
    MONITORINFOEX info;
    ASSERT_TRUE(GetMonitorInfo(second, &info));
    EXPECT_EQ(info.rcMonitor, Rect(1280, -100, 2304, 668));
    EXPECT_EQ(info.rcWork, Rect(1320, -100, 2304, 668));
    EXPECT_EQ(info.dwFlags, DWORD(MONITORINFOF_PRIMARY));
    EXPECT_STREQ(info.szDevice, "\\\\.\\DISPLAY2");
    ASSERT_TRUE(GetMonitorInfo(first, &info));
    EXPECT_EQ(info.dwFlags, 0u);
    // Off both: nothing, the primary, or the nearer one.
    EXPECT_EQ(MonitorFromPoint({1000, 850}, MONITOR_DEFAULTTONULL), nullptr);
    EXPECT_EQ(MonitorFromPoint({1000, 850}, MONITOR_DEFAULTTOPRIMARY), second);
    EXPECT_EQ(MonitorFromPoint({1000, 850}, MONITOR_DEFAULTTONEAREST), first);
    EXPECT_EQ(MonitorFromPoint({2400, 0}, MONITOR_DEFAULTTONEAREST), second);
    // A rectangle over both belongs to the one with more of it.
    EXPECT_EQ(MonitorFromRect(Rect(1200, 0, 1400, 10), MONITOR_DEFAULTTONULL), second);
    EXPECT_FALSE(GetMonitorInfo(nullptr, &info));

    TMessageLog log;
    HWND a = log.Make("A", WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, Bounds(1400, 100, 300, 200));
    HWND b = log.Make("B", WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, Bounds(100, 100, 300, 200));
    EXPECT_EQ(MonitorFromWindow(a, MONITOR_DEFAULTTONULL), second);
    EXPECT_EQ(MonitorFromWindow(b, MONITOR_DEFAULTTONULL), first);
    int border = GetSystemMetrics(SM_CXFRAME);
    ShowWindow(a, SW_MAXIMIZE);
    ShowWindow(b, SW_MAXIMIZE);
    TRect r;
    GetWindowRect(a, &r);
    EXPECT_EQ(r, Rect(1320 - border, -100 - border, 2304 + border, 668 + border));
    GetWindowRect(b, &r);
    EXPECT_EQ(r, Rect(-border, -border, 1280 + border, 760 + border));
    // Minimized, it still counts on the monitor it will come back to.
    ShowWindow(a, SW_MINIMIZE);
    EXPECT_EQ(MonitorFromWindow(a, MONITOR_DEFAULTTONULL), second);
    DestroyWindow(a);
    DestroyWindow(b);
    screen->SetScreenSize(1280, 800);
    EXPECT_EQ(GetSystemMetrics(SM_CMONITORS), 1);
}

// Which monitor is primary when none says so, and each monitor's share of
// the desktop's one work area.
TEST_F(System, PrimaryMonitorAndWorkAreas)
{
    std::vector<TBackendMonitor> monitors{{Rect(-800, 0, 0, 600), {}, false}, {Rect(0, 0, 1024, 768), {}, false}};
    SettlePrimaryMonitor(monitors);
    EXPECT_FALSE(monitors[0].Primary);
    EXPECT_TRUE(monitors[1].Primary);
    monitors[1].Area = Rect(0, 10, 1024, 778);
    SettlePrimaryMonitor(monitors);  // the marked one stays
    EXPECT_TRUE(monitors[1].Primary);
    monitors[1].Primary = false;
    SettlePrimaryMonitor(monitors);  // none at (0, 0): the first
    EXPECT_TRUE(monitors[0].Primary);
    EXPECT_FALSE(monitors[1].Primary);
    monitors[1].Primary = true;
    SettlePrimaryMonitor(monitors);  // two marked: the first of them
    EXPECT_TRUE(monitors[0].Primary);
    EXPECT_FALSE(monitors[1].Primary);

    // A task bar along the bottom of the right monitor only; the left
    // monitor lies outside the desktop's work area and keeps all of itself.
    ClipWorkAreas(monitors, Rect(0, 0, 1024, 740));
    EXPECT_EQ(monitors[0].Work, Rect(-800, 0, 0, 600));
    EXPECT_EQ(monitors[1].Work, Rect(0, 10, 1024, 740));
}

TEST_F(System, SettingsVersionBeepsAndTheDebugLog)
{
    UINT lines = 0;
    ASSERT_TRUE(SystemParametersInfo(SPI_GETWHEELSCROLLLINES, 0, &lines, 0));
    EXPECT_EQ(lines, 3u);
    bool full = false;
    ASSERT_TRUE(SystemParametersInfo(SPI_GETDRAGFULLWINDOWS, 0, &full, 0));
    EXPECT_TRUE(full);
    NONCLIENTMETRICS metrics;
    ASSERT_TRUE(SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
    EXPECT_NE(metrics.lfMessageFont.lfFaceName[0], '\0');
    EXPECT_LT(metrics.lfMessageFont.lfHeight, 0);
    EXPECT_EQ(metrics.iScrollWidth, GetSystemMetrics(SM_CXVSCROLL));
    metrics.cbSize = 12;
    EXPECT_FALSE(SystemParametersInfo(SPI_GETNONCLIENTMETRICS, 0, &metrics, 0));
    EXPECT_FALSE(SystemParametersInfo(0x9999, 0, &lines, 0));

    OSVERSIONINFO version;
    ASSERT_TRUE(GetVersionEx(&version));
    EXPECT_GE(version.dwMajorVersion, 6u);
    EXPECT_EQ(version.dwPlatformId, DWORD(VER_PLATFORM_WIN32_NT));
    EXPECT_EQ(GetVersion() & 0xFF, version.dwMajorVersion);
    EXPECT_EQ(GetDoubleClickTime(), 500u);

    ClearMessageBeeps();
    int rung = HeadlessBackend()->Beeps();
    MessageBeep(0x40);
    MessageBeep(0);
    EXPECT_EQ(MessageBeeps(), (std::vector<UINT>{0x40, 0}));
    EXPECT_EQ(HeadlessBackend()->Beeps(), rung + 2);

    std::string name = GetTempDir() + "tandril-debug.log";
    std::remove(name.c_str());
    OutputDebugString("first \xD5\x66");
    OutputDebugString("second");
    std::ifstream file(name, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    EXPECT_EQ(text.str(), "first \xD5\x66\nsecond\n");
    std::remove(name.c_str());
}

namespace {

// Whether Run returns within five seconds. It runs in a child process, so
// that a call stuck for ever fails the test rather than hanging it.
bool ReturnsInTime(void (*Run)())
{
    const pid_t child = fork();
    if (child == 0) {
        Run();
        _exit(0);
    }
    for (int wait = 0; wait < 500; ++wait) {
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child)
            return WIFEXITED(status) && WEXITSTATUS(status) == 0;
        usleep(10'000);
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    return false;
}

}  // namespace

TEST_F(System, TheDebugLogIsNeverWrittenThroughAnotherUsersFileALinkOrAFifo)
{
    char folder[] = "/tmp/tandril-debug-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const char* saved = std::getenv("TMPDIR");
    const std::string savedValue = saved ? saved : "";
    setenv("TMPDIR", folder, 1);
    const std::string log = std::string(folder) + "/tandril-debug.log";
    const std::string victim = std::string(folder) + "/victim";
    auto read = [](const std::string& Name) {
        std::ifstream file(Name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    };
    enum TPlanted { OtherUsersFile, LinkToAFile, FifoNobodyReads, FifoSomeoneReads };
    const struct {
        const char* What;
        TPlanted Planted;
    } cases[] = {
        {"another user's file", OtherUsersFile},
        {"a link to a file of ours", LinkToAFile},
        {"a FIFO nobody reads", FifoNobodyReads},
        {"a FIFO another program reads", FifoSomeoneReads},
    };
    for (const auto& c : cases) {
        int reader = -1;
        if (c.Planted == OtherUsersFile || c.Planted == LinkToAFile) {
            std::ofstream(victim, std::ios::binary) << "precious";
            if (c.Planted == LinkToAFile)
                std::filesystem::create_symlink(victim, log);
            else
                std::filesystem::rename(victim, log);
            if (c.Planted == OtherUsersFile && lchown(log.c_str(), 12345, 12345) != 0) {
                std::remove(log.c_str());
                continue;  // no other user's file can be made here
            }
        } else if (mkfifo(log.c_str(), 0666) != 0) {
            ADD_FAILURE() << c.What << ": no FIFO can be made here";
            continue;
        } else if (c.Planted == FifoSomeoneReads) {
            reader = ::open(log.c_str(), O_RDONLY | O_NONBLOCK);
        }
        EXPECT_TRUE(ReturnsInTime([] { OutputDebugString("planted"); })) << c.What;
        if (c.Planted == OtherUsersFile || c.Planted == LinkToAFile) {
            EXPECT_EQ(read(c.Planted == LinkToAFile ? victim : log), "precious") << c.What;
        }
        if (reader >= 0) {
            char got[16];
            EXPECT_LE(::read(reader, got, sizeof got), 0) << c.What;
            ::close(reader);
        }
        std::remove(log.c_str());
        std::remove(victim.c_str());
    }
    if (saved)
        setenv("TMPDIR", savedValue.c_str(), 1);
    else
        unsetenv("TMPDIR");
    std::filesystem::remove_all(folder);
}

TEST_F(System, TestsCanAskForAnOlderReportedVersion)
{
    // The program reports a current system; a test asks for 6.1 (the
    // skin library's separate branch) and gets it from both calls, build
    // number included, then goes back.
    SetReportedVersion(6, 1, 7601);
    OSVERSIONINFO version;
    ASSERT_TRUE(GetVersionEx(&version));
    EXPECT_EQ(version.dwMajorVersion, 6u);
    EXPECT_EQ(version.dwMinorVersion, 1u);
    EXPECT_EQ(version.dwBuildNumber, 7601u);
    EXPECT_EQ(GetVersion(), 6u | (1u << 8) | (7601u << 16));
    SetReportedVersion(5, 0, 2195);
    EXPECT_EQ(GetVersion() & 0xFFFF, 5u);

    ResetReportedVersion();
    ASSERT_TRUE(GetVersionEx(&version));
    EXPECT_EQ(version.dwMajorVersion, 10u);
    EXPECT_EQ(version.dwMinorVersion, 0u);
    EXPECT_EQ(version.dwBuildNumber, 19045u);
}
