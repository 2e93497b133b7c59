#include "skin/data/bs_platform.h"

#include <gtest/gtest.h>

#include "platform/win/system_metrics.h"
#include "platform/win/system_parameters.h"

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
