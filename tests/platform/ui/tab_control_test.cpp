// The tab control as a program and a user meet it: the single row that
// overflows into its scroller, rows that bring the selected tab to the
// page, tabs on the sides, what TCM_ messages answer against what is
// painted and hit, selection by mouse and arrows with a refusable change,
// and captions cut after whole GBK characters.
#include <string>
#include <vector>

#include "form_test_support.h"
#include "platform/base/string_list.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/test_font.h"
#include "platform/ui/widgets/tab_control.h"
#include "platform/ui/widgets/tab_control_layout.h"
#include "platform/ui/widgets/tab_control_window.h"
#include "platform/ui/widgets/up_down_window.h"
#include "platform/win/headless_input.h"
#include "platform/win/headless_screen.h"
#include "platform/win/scroll_bars.h"
#include "platform/win/system_metrics.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_class.h"
#include "platform/win/window_coords.h"
#include "platform/win/window_lifecycle.h"
#include "platform/win/window_dc.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"
#include "platform/win/window_tree.h"

namespace {

const std::string Shuo = "\xD5\x66";  // 說
const std::string Men = "\xE9\x54";   // 門

// A skin standing in front of the tab window: it keeps 10 more pixels of
// the page for itself and takes clicks away from the tabs.
WNDPROC skinnedOld;

LRESULT SkinnedTabs(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam)
{
    if (Msg == WM_LBUTTONDOWN)
        return 0;
    LRESULT result = CallWindowProc(skinnedOld, Window, Msg, WParam, LParam);
    if (Msg == TCM_ADJUSTRECT && WParam == 0)
        reinterpret_cast<TRect*>(LParam)->Left += 10;
    return result;
}

LRESULT CountingSubclass(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam)
{
    if (Msg == TCM_SETCURSEL)
        ++*reinterpret_cast<int*>(GetWindowLongPtr(Window, GWLP_USERDATA));
    return DefSubclassProc(Window, Msg, WParam, LParam);
}

class TTabControlTest : public TFormTest {
protected:
    void SetUp() override
    {
        TFormTest::SetUp();
        form_ = new TForm(nullptr);
        form_->SetBounds(0, 0, 400, 300);
        form_->Font()->SetName(kTestFontName);
        form_->Font()->SetHeight(16);
        tabs_ = new TTabControl(form_);
        tabs_->SetParent(form_);
        form_->Show();
        Process();
    }

    void TearDown() override
    {
        delete form_;
        TFormTest::TearDown();
    }

    // Tabs "Tab0" .. "Tab<Count-1>": 4 cells of 8 pixels and 6 pixels of
    // padding each side, 44 pixels long.
    void AddTabs(int Count)
    {
        for (int i = 0; i < Count; ++i)
            tabs_->Tabs()->Add("Tab" + std::to_string(i));
        Process();
    }

    HWND Scroller()
    {
        HWND found = nullptr;
        for (HWND child = GetWindow(tabs_->Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            if (GetClassName(child) == "msctls_updown32")
                found = child;
        return found;
    }

    TRect ItemRect(int Index)
    {
        TRect r;
        auto index = static_cast<WPARAM>(Index);
        EXPECT_NE(SendMessage(tabs_->Handle(), TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r)), 0);
        return r;
    }

    void ClickTab(int Index)
    {
        TRect r = ItemRect(Index);
        InjectClick(ScreenPoint(tabs_, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
        Process();
    }

    TForm* form_ = nullptr;
    TTabControl* tabs_ = nullptr;
};

TEST_F(TTabControlTest, TenTabsOnThreeHundredPixelsScrollWithTheScroller)
{
    tabs_->SetBounds(0, 0, 300, 100);
    AddTabs(10);
    HWND scroller = Scroller();
    ASSERT_NE(scroller, nullptr);
    EXPECT_EQ(GetParent(scroller), tabs_->Handle());
    // The scroller stands at the right end of the row.
    TRect bounds;
    GetClientRect(scroller, &bounds);
    MapWindowPoints(scroller, tabs_->Handle(), &bounds);
    EXPECT_EQ(bounds.Right, 300);
    EXPECT_EQ(bounds.Width(), 2 * GetSystemMetrics(SM_CXHSCROLL));
    // What is left before it holds six tabs of 44 after the 2-pixel
    // margin, so tab 4 is the last first tab that shows all the rest.
    int low = -1, high = -1;
    SendMessage(scroller, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
    EXPECT_EQ(low, 0);
    EXPECT_EQ(high, 4);
    // Every tab has its place in the row, shown or not: those past the
    // scroller, and after scrolling those before the client's left edge.
    EXPECT_EQ(ItemRect(5).Right, 266);
    EXPECT_EQ(ItemRect(6), Rect(266, 2, 310, 24));
    TCHITTESTINFO info;
    info.pt = {265, 5};
    EXPECT_EQ(SendMessage(tabs_->Handle(), TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&info)), 5);

    SendMessage(tabs_->Handle(), WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 3), reinterpret_cast<LPARAM>(scroller));
    EXPECT_EQ(ItemRect(2), Rect(-44, 2, 0, 24));
    EXPECT_EQ(ItemRect(0).Left, -132);
    EXPECT_EQ(ItemRect(3).Left, 2);
    EXPECT_EQ(SendMessage(scroller, UDM_GETPOS32, 0, 0), 3);
    // Cut off at the scroller, tab 9 is neither drawn nor hit.
    EXPECT_EQ(ItemRect(9).Left, 266);
    info.pt = {265, 5};
    EXPECT_EQ(SendMessage(tabs_->Handle(), TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&info)), 8);
    info.pt = {266, 5};
    EXPECT_EQ(SendMessage(tabs_->Handle(), TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&info)), -1);

    // A scroller standing in for the own one, as a skin puts it, scrolls
    // the row the same way.
    DestroyWindow(scroller);
    SendMessage(tabs_->Handle(), WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 1), 0);
    EXPECT_EQ(ItemRect(1).Left, 2);
    scroller = Scroller();
    ASSERT_NE(scroller, nullptr);
    EXPECT_EQ(SendMessage(scroller, UDM_GETPOS32, 0, 0), 1);
    SendMessage(tabs_->Handle(), WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 3), 0);

    // The scroller's right arrow, clicked, shows the next tab first.
    InjectClick(ScreenPoint(tabs_, bounds.Right - 3, (bounds.Top + bounds.Bottom) / 2));
    Process();
    EXPECT_EQ(ItemRect(4).Left, 2);

    // Room for every tab takes the scroller away and shows them all.
    tabs_->SetBounds(0, 0, 460, 100);
    Process();
    EXPECT_EQ(Scroller(), nullptr);
    EXPECT_EQ(ItemRect(0).Left, 2);
}

TEST_F(TTabControlTest, SelectingAScrolledOutTabBringsItIntoTheRow)
{
    tabs_->SetBounds(0, 0, 300, 100);
    AddTabs(10);
    tabs_->SetTabIndex(8);
    TRect r = ItemRect(8);
    EXPECT_GE(r.Left, 2);
    EXPECT_LE(r.Right, 300 - 2 * GetSystemMetrics(SM_CXHSCROLL));
    tabs_->SetTabIndex(1);
    EXPECT_EQ(ItemRect(1).Left, 2);
}

TEST_F(TTabControlTest, ItemRectsAgreeWithHitsAndPaint)
{
    tabs_->SetBounds(0, 0, 380, 120);
    tabs_->Tabs()->Add("One");
    tabs_->Tabs()->Add(Shuo + Men);
    tabs_->Tabs()->Add("Three");
    tabs_->SetTabIndex(1);
    Process();
    TRasterImage image = WindowImage(tabs_->Handle());
    const uint32_t light = ColorToRGB(clBtnHighlight), face = ColorToRGB(clBtnFace);
    auto pixel = [&](int X, int Y) {
        uint32_t p = image.Row(Y)[X] & 0xFFFFFF;
        // BGRA in memory against 0x00BBGGRR colours.
        return ((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF);
    };
    int right = 2;
    for (int i = 0; i < 3; ++i) {
        TRect r = ItemRect(i);
        // Side by side from the margin, as long as caption and padding.
        EXPECT_EQ(r.Left, right);
        int caption = i == 1 ? 32 : (i == 0 ? 24 : 40);
        EXPECT_EQ(r.Width(), caption + 12);
        EXPECT_EQ(r.Height(), kTestFontCellHeight + 6);
        right = r.Right;
        TCHITTESTINFO info;
        info.pt = {r.Left, r.Top};
        EXPECT_EQ(SendMessage(tabs_->Handle(), TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&info)), i);
        EXPECT_EQ(info.flags, TCHT_ONITEM);
        info.pt = {r.Right - 1, r.Bottom - 1};
        EXPECT_EQ(SendMessage(tabs_->Handle(), TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&info)), i);
        EXPECT_EQ(tabs_->IndexOfTabAt(r.Left + 3, r.Top + 3), i);
        if (i == 0) {
            // A tab's light left edge runs down its rectangle's left column
            // (tab 2's lies under the selected tab's grown edge).
            EXPECT_EQ(pixel(r.Left, r.Top + 3), light) << i;
            EXPECT_EQ(pixel(r.Left + 1, r.Top + 3), face) << i;
        } else if (i == 1) {
            // The selected tab stands two pixels out of its rectangle.
            EXPECT_EQ(pixel(r.Left - 2, r.Top), light);
        }
    }
    TCHITTESTINFO info;
    info.pt = {right + 5, 10};
    EXPECT_EQ(SendMessage(tabs_->Handle(), TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&info)), -1);
    EXPECT_EQ(info.flags, TCHT_NOWHERE);
}

TEST_F(TTabControlTest, AdjustRectAndItemSize)
{
    tabs_->SetBounds(0, 0, 300, 200);
    AddTabs(3);
    TRect page = tabs_->DisplayRect();
    // Margin and a row above, the 2-pixel page frame all round.
    EXPECT_EQ(page, Rect(2, 2 + 22 + 2, 298, 198));
    TRect back = page;
    SendMessage(tabs_->Handle(), TCM_ADJUSTRECT, 1, reinterpret_cast<LPARAM>(&back));
    EXPECT_EQ(back, Rect(0, 0, 300, 200));

    SendMessage(tabs_->Handle(), TCM_SETITEMSIZE, 0, MAKELPARAM(70, 30));
    EXPECT_EQ(ItemRect(1), Rect(72, 2, 142, 32));
    EXPECT_EQ(tabs_->DisplayRect().Top, 2 + 30 + 2);
    // The property says the same.
    tabs_->SetTabWidth(0);
    tabs_->SetTabHeight(0);
    EXPECT_EQ(ItemRect(1).Width(), 44);
    tabs_->SetTabWidth(50);
    EXPECT_EQ(ItemRect(1), Rect(52, 2, 102, 24));
}

TEST_F(TTabControlTest, RowsPutTheSelectedTabNextToThePage)
{
    tabs_->SetBounds(0, 0, 200, 200);
    tabs_->SetMultiLine(true);
    AddTabs(10);
    // Four tabs of 44 fill a row of 196.
    EXPECT_EQ(tabs_->RowCount(), 3);
    EXPECT_EQ(Scroller(), nullptr);
    int pageTop = tabs_->DisplayRect().Top;
    EXPECT_EQ(pageTop, 2 + 3 * 22 + 2);
    for (int selected : {0, 5, 9}) {
        tabs_->SetTabIndex(selected);
        EXPECT_EQ(ItemRect(selected).Bottom, pageTop - 2) << selected;
        // Its whole row moves with it.
        int rowStart = selected / 4 * 4;
        EXPECT_EQ(ItemRect(rowStart).Bottom, pageTop - 2) << selected;
        EXPECT_EQ(ItemRect(rowStart).Left, 2) << selected;
    }
}

TEST_F(TTabControlTest, TabsOnEachSide)
{
    tabs_->SetBounds(0, 0, 300, 200);
    AddTabs(3);
    tabs_->SetTabPosition(tpBottom);
    EXPECT_EQ(ItemRect(0), Rect(2, 200 - 24, 46, 198));
    EXPECT_EQ(tabs_->DisplayRect(), Rect(2, 2, 298, 200 - 24 - 2));
    tabs_->SetTabPosition(tpLeft);
    // Turned: the captions run down the side, one tab under another.
    EXPECT_EQ(ItemRect(0), Rect(2, 2, 24, 46));
    EXPECT_EQ(ItemRect(1), Rect(2, 46, 24, 90));
    EXPECT_EQ(tabs_->DisplayRect(), Rect(26, 2, 298, 198));
    tabs_->SetTabPosition(tpRight);
    EXPECT_EQ(ItemRect(2), Rect(300 - 24, 90, 298, 134));
    EXPECT_EQ(tabs_->DisplayRect(), Rect(2, 2, 300 - 26, 198));
    // The selection lives through the new window each side needs.
    EXPECT_EQ(tabs_->TabIndex(), 0);
}

TEST_F(TTabControlTest, ClicksAndArrowsSelectWithARefusableChange)
{
    tabs_->SetBounds(0, 0, 300, 100);
    AddTabs(4);
    std::vector<std::string> log;
    bool allow = true;
    tabs_->OnChanging = TTabChangingEvent::FromCallable([&](TObject*, bool& Allow) {
        log.push_back("changing " + std::to_string(tabs_->TabIndex()));
        Allow = allow;
    });
    tabs_->OnChange = TNotifyEvent::FromCallable(
        [&](TObject*) { log.push_back("change " + std::to_string(tabs_->TabIndex())); });

    // The press selects; the release adds nothing.
    TRect r = ItemRect(2);
    InjectMouseDown(ScreenPoint(tabs_, r.Left + 5, r.Top + 5));
    Process();
    EXPECT_EQ(log, (std::vector<std::string>{"changing 0", "change 2"}));
    EXPECT_TRUE(tabs_->Focused());
    InjectMouseUp(ScreenPoint(tabs_, r.Left + 5, r.Top + 5));
    Process();
    EXPECT_EQ(log.size(), 2u);

    log.clear();
    allow = false;
    ClickTab(3);
    InjectKeyStroke(VK_RIGHT);
    Process();
    EXPECT_EQ(log, (std::vector<std::string>{"changing 2", "changing 2"}));
    EXPECT_EQ(tabs_->TabIndex(), 2);
    EXPECT_EQ(SendMessage(tabs_->Handle(), TCM_GETCURSEL, 0, 0), 2);

    log.clear();
    allow = true;
    InjectKeyStroke(VK_RIGHT);
    InjectKeyStroke(VK_RIGHT);
    InjectKeyStroke(VK_LEFT);
    Process();
    EXPECT_EQ(log, (std::vector<std::string>{"changing 2", "change 3", "changing 3", "change 2"}));

    // The program's own choice asks nobody.
    log.clear();
    tabs_->SetTabIndex(0);
    EXPECT_TRUE(log.empty());
}

TEST_F(TTabControlTest, HotTrackingFollowsTheMouse)
{
    tabs_->SetBounds(0, 0, 300, 100);
    tabs_->SetHotTrack(true);
    AddTabs(3);
    TRect r = ItemRect(2);
    auto textPixels = [&](TColor Color) {
        TRasterImage image = WindowImage(tabs_->Handle());
        COLORREF want = static_cast<COLORREF>(ColorToRGB(Color));
        uint32_t bgra = 0xFF000000u | ((want & 0xFF) << 16) | (want & 0xFF00) | ((want >> 16) & 0xFF);
        int n = 0;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                n += image.Row(y)[x] == bgra;
        return n;
    };
    EXPECT_EQ(textPixels(clHotLight), 0);
    InjectMouseMove(ScreenPoint(tabs_, r.Left + 4, r.Top + 4));
    Process();
    EXPECT_GT(textPixels(clHotLight), 0);
    InjectMouseMove(ScreenPoint(form_, 390, 290));
    Process();
    EXPECT_EQ(textPixels(clHotLight), 0);
}

TEST_F(TTabControlTest, SubclassesStandInFrontOfTheTabWindow)
{
    tabs_->SetBounds(0, 0, 300, 200);
    AddTabs(3);
    TRect before = tabs_->DisplayRect();
    // Replaced the way SetWindowLongA replaces it: the control's own
    // handling and the window class's both still run below.
    skinnedOld = SetWindowProc(tabs_->Handle(), WNDPROC(&SkinnedTabs));
    EXPECT_EQ(tabs_->DisplayRect().Left, before.Left + 10);
    ClickTab(2);
    EXPECT_EQ(tabs_->TabIndex(), 0);
    SetWindowProc(tabs_->Handle(), skinnedOld);
    ClickTab(2);
    EXPECT_EQ(tabs_->TabIndex(), 2);

    int count = 0;
    SetWindowLongPtr(tabs_->Handle(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&count));
    SetWindowSubclass(tabs_->Handle(), WNDPROC(&CountingSubclass), 1);
    tabs_->SetTabIndex(1);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(SendMessage(tabs_->Handle(), TCM_GETCURSEL, 0, 0), 1);
    RemoveWindowSubclass(tabs_->Handle(), WNDPROC(&CountingSubclass), 1);
}

TEST(TabCaptionTest, EllipsisCutsAfterWholeCharacters)
{
    HDC dc = GetDC(nullptr);
    HFONT font = CreateFont(16, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, kTestFontName);
    HGDIOBJ old = SelectObject(dc, font);
    const std::string text = Shuo + Men + Shuo + Men;  // 64 pixels
    EXPECT_EQ(FitTabCaption(dc, text, 64), text);
    // "..." is 24: one double-byte character fits before it in 47, never
    // its lead byte alone in 48.
    EXPECT_EQ(FitTabCaption(dc, text, 47), Shuo + "...");
    EXPECT_EQ(FitTabCaption(dc, text, 48), Shuo + "...");
    EXPECT_EQ(FitTabCaption(dc, text, 56), Shuo + Men + "...");
    EXPECT_EQ(FitTabCaption(dc, "a" + text, 48), "a" + Shuo + "...");
    EXPECT_EQ(FitTabCaption(dc, text, 30), "...");
    EXPECT_EQ(FitTabCaption(dc, text, 20), "");
    SelectObject(dc, old);
    DeleteObject(font);
    ReleaseDC(nullptr, dc);
}

TEST(TabLayoutTest, SingleLineRangeCountsTabsFromTheEnd)
{
    TTabLayoutInput in;
    in.Extents = {100, 20, 20, 20, 20, 150};
    in.Client = {260, 100};
    in.RowDepth = 20;
    in.ScrollerLength = 30;
    TTabLayout out = LayOutTabs(in);
    ASSERT_TRUE(out.Overflow);
    // 230 before the scroller: from tab 4 on, 2 + 20 + 150 fit; from 3 on,
    // 192 still fit; from 1 on, 232 do not.
    EXPECT_EQ(out.MaxFirstShown, 2);
    in.FirstShown = 9;
    out = LayOutTabs(in);
    EXPECT_EQ(out.FirstShown, 2);
    EXPECT_EQ(out.Items[1], Rect(-20, 2, 0, 22));
    EXPECT_EQ(out.Items[0], Rect(-120, 2, -20, 22));
    EXPECT_EQ(out.Items[2], Rect(2, 2, 22, 22));
    EXPECT_EQ(out.Items[5], Rect(62, 2, 212, 22));
    EXPECT_EQ(out.Shown, (std::vector<bool>{false, false, true, true, true, true}));
    EXPECT_EQ(out.Scroller, Rect(230, 2, 260, 22));
}

TEST(TabLayoutTest, ButtonsStandApartWithoutAFrame)
{
    TTabLayoutInput in;
    in.Extents = {40, 40, 40};
    in.Client = {100, 100};
    in.RowDepth = 20;
    in.Buttons = true;
    in.MultiLine = true;
    in.Selected = 0;
    TTabLayout out = LayOutTabs(in);
    EXPECT_EQ(out.Rows, 2);
    // The selected button's row comes last, next to the page.
    EXPECT_EQ(out.Items[0], Rect(2, 25, 42, 45));
    EXPECT_EQ(out.Items[1], Rect(45, 25, 85, 45));
    EXPECT_EQ(out.Items[2], Rect(2, 2, 42, 22));
    EXPECT_EQ(out.Page, Rect(0, 45, 100, 100));
}

}  // namespace

TEST_F(TTabControlTest, AcceleratorMarksTakeNoRoomAndAltWithTheLetterPicksTheTab)
{
    // "&" marks the next letter, "&&" stands for one '&'.
    tabs_->Tabs()->Add("Tab0");
    tabs_->Tabs()->Add("T&ab1");
    tabs_->Tabs()->Add("&&b2");
    Process();
    EXPECT_EQ(ItemRect(1).Width(), ItemRect(0).Width());
    EXPECT_EQ(ItemRect(2).Width(), ItemRect(0).Width() - 8);
    int changes = 0;
    tabs_->OnChange = TNotifyEvent::FromCallable([&](TObject*) { ++changes; });
    InjectKeyStroke('A', InjectAlt);
    Process();
    EXPECT_EQ(tabs_->TabIndex(), 1);
    EXPECT_EQ(changes, 1);
    // '&&' is no accelerator; Alt+A on the chosen tab changes nothing.
    InjectKeyStroke('B', InjectAlt);
    InjectKeyStroke('A', InjectAlt);
    Process();
    EXPECT_EQ(tabs_->TabIndex(), 1);
    EXPECT_EQ(changes, 1);
}
