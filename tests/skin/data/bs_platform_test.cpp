#include "skin/data/bs_platform.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/win/system_metrics.h"
#include "platform/win/system_parameters.h"
#include "platform/win/window_class.h"
#include "platform/win/window_lifecycle.h"
#include "platform/win/window_styles.h"

TEST(BsPlatform, VersionTestsFollowMajorAndMinor)
{
    EXPECT_TRUE(IsWindows2000OrLater(5, 2));
    EXPECT_FALSE(IsWindowsXP(5, 2));
    EXPECT_TRUE(IsWindowsXP(5, 1));
    EXPECT_FALSE(IsWindows2000OrLater(4, 10));
    EXPECT_FALSE(IsWindowsVista(5, 1));
    EXPECT_TRUE(IsWindows7(6, 1));
    EXPECT_FALSE(IsWindows7(6, 2));
    EXPECT_TRUE(IsWindowsXP(6, 0));

    // The running system is a current version.
    int major = 0;
    int minor = 0;
    GetWindowsVersion(major, minor);
    EXPECT_GE(major, 6);
    EXPECT_TRUE(IsWindows2000());
    EXPECT_TRUE(IsWindowsXP());
    EXPECT_TRUE(IsWindowsVista());
    EXPECT_EQ(IsWindows7(), major == 6 && minor == 1);
    EXPECT_FALSE(IsDwmCompositionEnabled());
}

TEST(BsPlatform, WorkAreasComeFromTheSingleHeadlessScreen)
{
    TRect work;
    ASSERT_TRUE(SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0));
    EXPECT_FALSE(IsMultiMonitor());

    TRect r{1, 2, 3, 4};
    GetPrimaryWorkArea(true, r);
    EXPECT_EQ(r, work);
    GetPrimaryWorkArea(false, r);
    EXPECT_EQ(r, (TRect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}));
    EXPECT_NE(r, work);

    TRect m{1, 2, 3, 4};
    GetMonitorWorkArea(nullptr, true, m);
    EXPECT_EQ(m, work);
    GetMonitorWorkArea(nullptr, false, m);
    EXPECT_EQ(m, r);
}

TEST(BsPlatform, ScrollBarInfoSafeMarksABarItCannotReportInvisible)
{
    setenv("TANDRIL_BACKEND", "headless", 1);
    static const bool registered = [] {
        WNDCLASSEX c;
        c.lpszClassName = "BsPlatformScrolled";
        return RegisterClassEx(c) != 0;
    }();
    ASSERT_TRUE(registered);
    HWND w = CreateWindowEx(0, "BsPlatformScrolled", "", WS_POPUP | WS_VSCROLL, 0, 0, 100, 100, nullptr, 0, nullptr);
    ASSERT_NE(w, nullptr);
    SCROLLBARINFO info;
    EXPECT_TRUE(GetScrollBarInfoSafe(w, OBJID_VSCROLL, info));
    EXPECT_EQ(info.rgstate[SBI_BAR], 0u);
    EXPECT_EQ(info.dxyLineButton, 16);

    // A window that is gone: the caller sees an invisible bar, whatever the
    // record held before.
    DestroyWindow(w);
    info.rgstate[SBI_BAR] = STATE_SYSTEM_PRESSED;
    EXPECT_FALSE(GetScrollBarInfoSafe(w, OBJID_VSCROLL, info));
    EXPECT_EQ(info.rgstate[SBI_BAR], STATE_SYSTEM_INVISIBLE);
}
