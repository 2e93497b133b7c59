// Shell_NotifyIconA on the headless notification area: which fields an
// add and a change carry, the failures, the callback message of pointer
// input, "TaskbarCreated" when the area comes back, and a stand-in window
// hiding and restoring the window it stands for.
#include "platform/shell/notify_icon.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/ui/graphics/system_icons.h"
#include "platform/win/cursor.h"
#include "platform/win/headless_tray.h"
#include "platform/win/message_queue.h"
#include "platform/win/stand_in_window.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_class.h"
#include "platform/win/window_lifecycle.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"

namespace {

const char ClassName[] = "NotifyIconTestWindow";

struct TSeen {
    UINT Message;
    WPARAM WParam;
    LPARAM LParam;
};

class NotifyIconTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { setenv("TANDRIL_BACKEND", "headless", 1); }

    void SetUp() override
    {
        if (!FindWindowClass(ClassName)) {
            WNDCLASS windowClass;
            windowClass.lpszClassName = ClassName;
            RegisterClass(windowClass);
        }
        HeadlessBackend()->SetTrayPresent(true);
        window_ = CreateWindowEx(0, ClassName, "", WS_POPUP, 0, 0, 10, 10, nullptr, 0, nullptr);
        SetWindowProc(window_, WNDPROC::FromCallable([this](HWND W, UINT M, WPARAM WP, LPARAM LP) -> LRESULT {
                          if (M >= WM_USER)
                              seen_.push_back({M, WP, LP});
                          return DefWindowProc(W, M, WP, LP);
                      }));
        image_ = TRasterImage::Sized(16, 16);
        image_.Pixels.assign(image_.Pixels.size(), 0xFF336699u);
        icon_ = CreateIconFromImage(image_);
        data_.hWnd = window_;
        data_.uID = 7;
        data_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
        data_.uCallbackMessage = WM_USER + 1024;
        data_.hIcon = icon_;
        std::strcpy(data_.szTip, "說門 tip");
    }

    void TearDown() override
    {
        Shell_NotifyIconA(NIM_DELETE, &data_);
        SetWindowProc(window_, WNDPROC());
        DestroyWindow(window_);
        DestroyIcon(icon_);
        HeadlessBackend()->SetTrayPresent(true);
    }

    void Pump()
    {
        MSG msg;
        while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessage(msg);
    }

    HWND window_ = nullptr;
    TRasterImage image_;
    HICON icon_ = nullptr;
    NOTIFYICONDATAA data_;
    std::vector<TSeen> seen_;
};

TEST_F(NotifyIconTest, AnIconIsAddedChangedAndRemovedFieldByField)
{
    ASSERT_TRUE(Shell_NotifyIconA(NIM_ADD, &data_));
    const TBackendTrayIcon* shown = HeadlessTrayIcon(window_, 7);
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->Tip, "\xD5\x66\xE9\x54 tip");
    EXPECT_EQ(shown->Picture.Pixels, image_.Pixels);
    EXPECT_EQ(shown->CallbackMessage, WM_USER + 1024u);
    // Added twice: refused.
    EXPECT_FALSE(Shell_NotifyIconA(NIM_ADD, &data_));

    // A change of the tip alone keeps the picture.
    NOTIFYICONDATAA tip = data_;
    tip.uFlags = NIF_TIP;
    tip.hIcon = nullptr;
    std::strcpy(tip.szTip, "new");
    ASSERT_TRUE(Shell_NotifyIconA(NIM_MODIFY, &tip));
    shown = HeadlessTrayIcon(window_, 7);
    EXPECT_EQ(shown->Tip, "new");
    EXPECT_EQ(shown->Picture.Pixels, image_.Pixels);

    // A tip that fills its field without its NUL stops at the field's end.
    std::memset(tip.szTip, 'x', sizeof tip.szTip);
    ASSERT_TRUE(Shell_NotifyIconA(NIM_MODIFY, &tip));
    EXPECT_EQ(HeadlessTrayIcon(window_, 7)->Tip.size(), 128u);

    EXPECT_TRUE(Shell_NotifyIconA(NIM_DELETE, &data_));
    EXPECT_EQ(HeadlessTrayIcon(window_, 7), nullptr);
    EXPECT_FALSE(Shell_NotifyIconA(NIM_DELETE, &data_));
    EXPECT_FALSE(Shell_NotifyIconA(NIM_MODIFY, &data_));
}

TEST_F(NotifyIconTest, BadRecordsAndAMissingAreaFail)
{
    NOTIFYICONDATAA bad = data_;
    bad.cbSize = 488 - 1;
    EXPECT_FALSE(Shell_NotifyIconA(NIM_ADD, &bad));
    EXPECT_FALSE(Shell_NotifyIconA(NIM_ADD, nullptr));
    bad = data_;
    bad.hWnd = reinterpret_cast<HWND>(0x1234);
    EXPECT_FALSE(Shell_NotifyIconA(NIM_ADD, &bad));

    HeadlessBackend()->SetTrayPresent(false);
    EXPECT_FALSE(Shell_NotifyIconA(NIM_ADD, &data_));
    EXPECT_EQ(HeadlessBackend()->TrayIcons().size(), 0u);
}

TEST_F(NotifyIconTest, PointerInputArrivesAsTheCallbackMessage)
{
    ASSERT_TRUE(Shell_NotifyIconA(NIM_ADD, &data_));
    ASSERT_TRUE(InjectTrayMouse(window_, 7, WM_RBUTTONDOWN, {1210, 785}));
    EXPECT_TRUE(seen_.empty());  // posted, not sent
    Pump();
    ASSERT_EQ(seen_.size(), 1u);
    EXPECT_EQ(seen_[0].Message, WM_USER + 1024u);
    EXPECT_EQ(seen_[0].WParam, 7u);
    EXPECT_EQ(seen_[0].LParam, static_cast<LPARAM>(WM_RBUTTONDOWN));
    TPoint cursor;
    GetCursorPos(&cursor);
    EXPECT_EQ(cursor, (TPoint{1210, 785}));
    EXPECT_FALSE(InjectTrayMouse(window_, 8, WM_RBUTTONDOWN, {0, 0}));
}

TEST_F(NotifyIconTest, ANewAreaIsAnnouncedToEveryTopLevelWindow)
{
    ASSERT_TRUE(Shell_NotifyIconA(NIM_ADD, &data_));
    UINT taskbarCreated = RegisterWindowMessage("TaskbarCreated");
    HeadlessBackend()->SetTrayPresent(false);
    EXPECT_TRUE(seen_.empty());
    HeadlessBackend()->SetTrayPresent(true);
    ASSERT_EQ(seen_.size(), 1u);
    EXPECT_EQ(seen_[0].Message, taskbarCreated);
    // The new area starts empty; the program adds its icon again.
    EXPECT_EQ(HeadlessTrayIcon(window_, 7), nullptr);
    EXPECT_FALSE(Shell_NotifyIconA(NIM_MODIFY, &data_));
    EXPECT_TRUE(Shell_NotifyIconA(NIM_ADD, &data_));
}

HWND standInTarget = nullptr;

TEST_F(NotifyIconTest, AStandInHidesAndRestoresTheWindowItStandsFor)
{
    HWND standIn = CreateWindowEx(WS_EX_TOOLWINDOW, ClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr, 0, nullptr);
    HWND target = CreateWindowEx(0, ClassName, "", WS_POPUP | WS_CAPTION, 20, 20, 100, 80, nullptr, 0, nullptr);
    standInTarget = target;
    SetStandInWindow(standIn, [](void*) { return standInTarget; }, nullptr);
    ShowWindow(target, SW_SHOW);
    ShowWindow(target, SW_MINIMIZE);

    ShowWindow(standIn, SW_HIDE);
    EXPECT_FALSE(IsWindowVisible(target));
    EXPECT_FALSE(IsWindowVisible(standIn));
    ShowWindow(standIn, SW_RESTORE);
    EXPECT_TRUE(IsWindowVisible(target));
    EXPECT_FALSE(IsIconic(target));
    EXPECT_FALSE(IsWindowVisible(standIn));

    // Nothing stood for: nothing happens.
    standInTarget = nullptr;
    ShowWindow(standIn, SW_HIDE);
    EXPECT_TRUE(IsWindowVisible(target));
    SetStandInWindow(standIn, nullptr, nullptr);
    DestroyWindow(target);
    DestroyWindow(standIn);
}

}  // namespace
