// The report header as other code finds and drives it: announced to the
// list when made as a window of class "SysHeader32", answering the header
// messages, subclassed or taken over from outside in any order, a divider
// drag that resizes a column and moves the sub-items with it, and a column
// dragged into a new order.
#include <string>

#include "list_view_test_support.h"
#include "platform/gdi/drawing.h"
#include "platform/gdi/pen_brush.h"
#include "platform/ui/itemviews/header_control.h"
#include "platform/ui/itemviews/header_control_window.h"
#include "platform/ui/itemviews/list_view_window.h"
#include "platform/win/headless_input.h"
#include "platform/win/headless_screen.h"
#include "platform/win/paint.h"
#include "platform/win/window_class.h"
#include "platform/win/window_lifecycle.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"

namespace {

constexpr COLORREF TakeOverFill = 0x00336699;

// A header taken over the way a skinned list does it: its procedure
// replaced, wider by 25 pixels, painted by the taker, everything else
// passed to the procedure it replaced, and after a press the press asked
// about with HDM_HITTEST.
WNDPROC takenOverProc;
UINT takenOverPress = 0;  // the HHT_ flags of the last press

LRESULT TakeOverProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam)
{
    switch (Msg) {
    case WM_WINDOWPOSCHANGING:
        reinterpret_cast<WINDOWPOS*>(LParam)->cx += 25;
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(Window, &ps);
        TRect client;
        GetClientRect(Window, &client);
        HBRUSH brush = CreateSolidBrush(TakeOverFill);
        FillRect(dc, &client, brush);
        DeleteObject(brush);
        EndPaint(Window, &ps);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    default:
        break;
    }
    const LRESULT result = CallWindowProc(takenOverProc, Window, Msg, WParam, LParam);
    if (Msg == WM_LBUTTONDOWN) {
        HDHITTESTINFO info;
        info.pt = Point(GET_X_LPARAM(LParam), GET_Y_LPARAM(LParam));
        SendMessage(Window, HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&info));
        takenOverPress = info.flags;
    }
    return result;
}

// How many pixels of the window's image have the colour.
int PixelsOf(HWND Window, COLORREF Color)
{
    const TRasterImage image = WindowImage(Window);
    const uint32_t bgra = 0xFF000000u | ((Color & 0xFF) << 16) | (Color & 0xFF00) | ((Color >> 16) & 0xFF);
    int count = 0;
    for (int y = 0; y < image.Height; ++y)
        for (int x = 0; x < image.Width; ++x)
            count += image.Row(y)[x] == bgra;
    return count;
}

std::vector<std::string>* subclassLog = nullptr;

LRESULT FirstSubclass(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam)
{
    if (Msg == HDM_GETITEMCOUNT)
        subclassLog->push_back("first");
    return DefSubclassProc(Window, Msg, WParam, LParam);
}

LRESULT SecondSubclass(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam)
{
    if (Msg == HDM_GETITEMCOUNT)
        subclassLog->push_back("second");
    return DefSubclassProc(Window, Msg, WParam, LParam);
}

class THeaderControlTest : public TControlTest {
protected:
    void SetUp() override
    {
        TControlTest::SetUp();
        form_ = std::make_unique<TTestForm>();
        form_->SetBounds(0, 0, 400, 300);
        ShowActive(form_.get());
        list_ = AddList(form_.get(), vsReport, 300, 160);
        LogListEvents(list_, log_);
        FillReport(list_, 5);
        Pump();
        header_ = list_->Header()->Handle();
    }
    void TearDown() override
    {
        form_.reset();
        TControlTest::TearDown();
    }
    HDHITTESTINFO HitTest(int X)
    {
        HDHITTESTINFO info;
        info.pt = Point(X, 5);
        SendMessage(header_, HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&info));
        return info;
    }

    std::unique_ptr<TTestForm> form_;
    TListView* list_ = nullptr;
    HWND header_ = nullptr;
    TListLog log_;
};

TEST_F(THeaderControlTest, TheListHearsOfItsHeaderWhenTheHeaderIsMade)
{
    std::vector<HWND> announced;
    auto* list = new TListView(form_.get());
    list->SetViewStyle(vsReport);
    list->WindowProc = TWndMethod::FromCallable([&announced, inherited = list->WindowProc](TMessage& Message) {
        if (Message.Msg == WM_PARENTNOTIFY && LOWORD(Message.WParam) == WM_CREATE)
            announced.push_back(reinterpret_cast<HWND>(Message.LParam));
        inherited(Message);
    });
    list->SetParent(form_.get());
    list->HandleNeeded();
    ASSERT_EQ(announced.size(), 1u);
    EXPECT_EQ(announced[0], list->Header()->Handle());
    EXPECT_EQ(GetClassName(announced[0]), "SysHeader32");
    // Both windows' classes wrap the standard ones, whose procedures answer.
    WNDCLASSEX wrapped;
    EXPECT_TRUE(GetClassInfoEx(WC_HEADER, &wrapped));
    EXPECT_TRUE(GetClassInfoEx(WC_LISTVIEW, &wrapped));
    EXPECT_EQ(SendMessage(announced[0], HDM_GETITEMCOUNT, 0, 0), 0);
    list->Columns()->Add();
    EXPECT_EQ(SendMessage(announced[0], HDM_GETITEMCOUNT, 0, 0), 1);
}

TEST_F(THeaderControlTest, ATakeOverPaintsAndPassesOnUntilItGivesTheProcedureBack)
{
    // Taken over as it is made, below the fixture's list.
    auto* list = new TListView(form_.get());
    list->Font()->Assign(list_->Font());
    list->SetBounds(10, 175, 300, 110);
    list->SetViewStyle(vsReport);
    list->WindowProc = TWndMethod::FromCallable([list, inherited = list->WindowProc](TMessage& Message) {
        auto* child = reinterpret_cast<HWND>(Message.LParam);
        if (Message.Msg == WM_PARENTNOTIFY && LOWORD(Message.WParam) == WM_CREATE &&
            GetClassName(child) == "SysHeader32" && list->ShowColumnHeaders())
            takenOverProc = SetWindowProc(child, WNDPROC(&TakeOverProc));
        inherited(Message);
    });
    list->SetParent(form_.get());
    FillReport(list, 3);
    Pump();
    HWND header = list->Header()->Handle();
    ASSERT_TRUE(GetWindowProc(header) == WNDPROC(&TakeOverProc));
    // Taken over, the header is wider and shows only what the taker
    // paints, while the header messages reach the header below it.
    list->SetWidth(320);
    Pump();
    TRect bounds;
    GetWindowRect(header, &bounds);
    EXPECT_EQ(bounds.Width(), list->ClientWidth() + 25);
    EXPECT_EQ(PixelsOf(header, TakeOverFill), list->ClientWidth() * bounds.Height());  // as far as the list shows it
    EXPECT_EQ(SendMessage(header, HDM_GETITEMCOUNT, 0, 0), 3);
    // A press on a divider is one for the taker too, and the drag passed
    // on sizes the column.
    InjectMouseDown(list->Header()->ClientToScreen(Point(81, 5)));
    Pump();
    EXPECT_EQ(takenOverPress, HHT_ONDIVIDER);
    InjectMouseMove(list->Header()->ClientToScreen(Point(121, 5)));
    InjectMouseUp(list->Header()->ClientToScreen(Point(121, 5)));
    Pump();
    EXPECT_EQ(list->Columns()->Item(0)->Width(), 120);

    // Another subclasser comes after the taker and stays after it has
    // given the procedure back.
    std::vector<std::string> seen;
    subclassLog = &seen;
    SetWindowSubclass(header, WNDPROC(&FirstSubclass), 1);
    SetWindowProc(header, takenOverProc);
    EXPECT_EQ(SendMessage(header, HDM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_EQ(seen, (std::vector<std::string>{"first"}));
    RemoveWindowSubclass(header, WNDPROC(&FirstSubclass), 1);
    subclassLog = nullptr;
    // Given back, the header looks as one never taken over.
    list_->SetWidth(320);
    list_->Columns()->Item(0)->SetWidth(120);
    list->Columns()->Item(0)->SetWidth(120);
    Pump();
    EXPECT_EQ(PixelsOf(header, TakeOverFill), 0);
    const TRasterImage restored = WindowImage(header);
    const TRasterImage plain = WindowImage(header_);
    EXPECT_EQ(restored.Width, plain.Width);
    EXPECT_EQ(restored.Height, plain.Height);
    EXPECT_TRUE(restored.Pixels == plain.Pixels);
}

TEST_F(THeaderControlTest, OtherWindowsOfTheHeaderClassAreNoHeaderControls)
{
    // The class serves every header, not the header controls alone.
    HWND other = CreateWindowEx(0, WC_HEADER, "", WS_CHILD | WS_VISIBLE, 0, 200, 100, 20, form_->Handle(), 0,
                                nullptr);
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(FindControl(other), nullptr);
    EXPECT_EQ(SendMessage(other, HDM_GETITEMCOUNT, 0, 0), 0);
    EXPECT_EQ(SendMessage(header_, HDM_GETITEMCOUNT, 0, 0), 3);
    DestroyWindow(other);
    EXPECT_EQ(SendMessage(header_, HDM_GETITEMCOUNT, 0, 0), 3);
}

TEST_F(THeaderControlTest, AnswersTheHeaderMessages)
{
    EXPECT_EQ(SendMessage(header_, HDM_GETITEMCOUNT, 0, 0), 3);
    TRect rect;
    ASSERT_TRUE(SendMessage(header_, HDM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&rect)));
    EXPECT_EQ(rect, Rect(80, 0, 140, list_->Header()->Height()));
    EXPECT_FALSE(SendMessage(header_, HDM_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&rect)));
    int order[3] = {-1, -1, -1};
    ASSERT_TRUE(SendMessage(header_, HDM_GETORDERARRAY, 3, reinterpret_cast<LPARAM>(order)));
    EXPECT_EQ(order[0] * 100 + order[1] * 10 + order[2], 12);
    // Over a divider, a little either side of it; inside a column; past the last.
    EXPECT_EQ(HitTest(80).flags, HHT_ONDIVIDER);
    EXPECT_EQ(HitTest(78).iItem, 0);
    EXPECT_EQ(HitTest(82).flags, HHT_ONDIVIDER);
    EXPECT_EQ(HitTest(82).iItem, 0);
    EXPECT_EQ(HitTest(100).flags, HHT_ONHEADER);
    EXPECT_EQ(HitTest(100).iItem, 1);
    EXPECT_EQ(HitTest(250).flags, HHT_TORIGHT);
    EXPECT_EQ(HitTest(250).iItem, -1);
}

TEST_F(THeaderControlTest, SubclassesComeAndGoInAnyOrder)
{
    std::vector<std::string> seen;
    subclassLog = &seen;
    SetWindowSubclass(header_, WNDPROC(&FirstSubclass), 1);
    SetWindowSubclass(header_, WNDPROC(&SecondSubclass), 2);
    EXPECT_EQ(SendMessage(header_, HDM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_EQ(seen, (std::vector<std::string>{"second", "first"}));
    // The first one goes first: the second still reaches the header.
    RemoveWindowSubclass(header_, WNDPROC(&FirstSubclass), 1);
    seen.clear();
    EXPECT_EQ(SendMessage(header_, HDM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_EQ(seen, (std::vector<std::string>{"second"}));
    SetWindowSubclass(header_, WNDPROC(&FirstSubclass), 1);
    RemoveWindowSubclass(header_, WNDPROC(&SecondSubclass), 2);
    RemoveWindowSubclass(header_, WNDPROC(&FirstSubclass), 1);
    seen.clear();
    EXPECT_EQ(SendMessage(header_, HDM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_TRUE(seen.empty());
    // A drag still works with none left.
    subclassLog = nullptr;
}

TEST_F(THeaderControlTest, ADividerDragResizesTheColumnAndMovesTheSubItems)
{
    const int before = list_->Items()->Item(0)->DisplayRect(drBounds).Right;
    const TPoint start = list_->Header()->ClientToScreen(Point(81, 5));
    InjectMouseDown(start);
    InjectMouseMove(Point(start.X + 20, start.Y));
    InjectMouseMove(Point(start.X + 40, start.Y + 30));
    InjectMouseUp(Point(start.X + 40, start.Y + 30));
    Pump();
    EXPECT_EQ(list_->Columns()->Item(0)->Width(), 120);
    EXPECT_EQ(list_->Items()->Item(0)->DisplayRect(drBounds).Right, before + 40);
    TRect rect;
    SendMessage(header_, HDM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&rect));
    EXPECT_EQ(rect.Left, 120);
    // The drag was no column click.
    EXPECT_TRUE(log_.empty());
    // Narrowing stops at the column's least width.
    list_->Columns()->Item(0)->SetMinWidth(30);
    InjectMouseDown(list_->Header()->ClientToScreen(Point(120, 5)));
    InjectMouseMove(list_->Header()->ClientToScreen(Point(5, 5)));
    InjectMouseUp(list_->Header()->ClientToScreen(Point(5, 5)));
    Pump();
    EXPECT_EQ(list_->Columns()->Item(0)->Width(), 30);
}

TEST_F(THeaderControlTest, AClickOnAColumnIsOnColumnClick)
{
    InjectClick(list_->Header()->ClientToScreen(Point(100, 5)));
    Pump();
    EXPECT_EQ(log_, (TListLog{"column 1"}));
    // Pressed on one column and let go over another: no click.
    InjectMouseDown(list_->Header()->ClientToScreen(Point(100, 5)));
    InjectMouseUp(list_->Header()->ClientToScreen(Point(30, 5)));
    Pump();
    EXPECT_EQ(log_, (TListLog{"column 1"}));
}

TEST_F(THeaderControlTest, WithFullDragAColumnDraggedOverAnotherTakesItsPlace)
{
    const auto drag = [&](int FromX, int ToX, bool CheckMark) {
        InjectMouseDown(list_->Header()->ClientToScreen(Point(FromX, 5)));
        InjectMouseMove(list_->Header()->ClientToScreen(Point((FromX + ToX) / 2, 6)));
        InjectMouseMove(list_->Header()->ClientToScreen(Point(ToX, 6)));
        Pump();
        if (CheckMark) {
            EXPECT_GT(PixelsOf(header_, ColorToRGB(clHighlight)), 0);
        }
        InjectMouseUp(list_->Header()->ClientToScreen(Point(ToX, 6)));
        Pump();
    };
    const auto order = [&] {
        int shown[3] = {-1, -1, -1};
        SendMessage(header_, HDM_GETORDERARRAY, 3, reinterpret_cast<LPARAM>(shown));
        return std::to_string(shown[0]) + std::to_string(shown[1]) + std::to_string(shown[2]);
    };
    // Off, as a list starts: the drag is only a press let go elsewhere.
    EXPECT_FALSE(list_->FullDrag());
    drag(30, 170, false);
    EXPECT_EQ(order(), "012");
    EXPECT_TRUE(log_.empty());

    list_->SetFullDrag(true);
    // "Name" dropped on "Kind" is shown last; no column click comes.
    drag(30, 170, true);
    EXPECT_EQ(order(), "120");
    EXPECT_TRUE(log_.empty());
    EXPECT_EQ(PixelsOf(header_, ColorToRGB(clHighlight)), 0);
    TRect rect;
    SendMessage(header_, HDM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&rect));
    EXPECT_EQ(rect, Rect(120, 0, 200, list_->Header()->Height()));
    SendMessage(header_, HDM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&rect));
    EXPECT_EQ(rect.Left, 0);
    // The rows follow: the caption is drawn in its column's new place, the
    // whole row still starts at the left.
    TListItem* first = list_->Items()->Item(0);
    EXPECT_GE(first->DisplayRect(drLabel).Left, 120);
    EXPECT_EQ(first->DisplayRect(drLabel).Right, 200);
    EXPECT_EQ(first->DisplayRect(drBounds).Left, 0);
    // Clicks and hit tests go by where the columns are now.
    EXPECT_EQ(HitTest(30).iItem, 1);
    EXPECT_EQ(HitTest(120).flags, HHT_ONDIVIDER);
    EXPECT_EQ(HitTest(120).iItem, 2);
    InjectClick(list_->Header()->ClientToScreen(Point(150, 5)));
    Pump();
    EXPECT_EQ(log_, (TListLog{"column 0"}));
    log_.clear();
    // Dragged back left, onto the first column shown.
    drag(150, 10, true);
    EXPECT_EQ(order(), "012");
    // A small wobble is still a click.
    InjectMouseDown(list_->Header()->ClientToScreen(Point(100, 5)));
    InjectMouseMove(list_->Header()->ClientToScreen(Point(101, 5)));
    InjectMouseUp(list_->Header()->ClientToScreen(Point(101, 5)));
    Pump();
    EXPECT_EQ(order(), "012");
    EXPECT_EQ(log_, (TListLog{"column 1"}));
}

TEST_F(THeaderControlTest, AnAutoSizeColumnFillsTheWidthTheOthersLeave)
{
    list_->Columns()->Item(2)->SetAutoSize(true);
    TRect rect;
    SendMessage(header_, HDM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&rect));
    EXPECT_EQ(rect.Right, list_->ClientWidth());
    list_->SetWidth(list_->Width() + 50);
    SendMessage(header_, HDM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&rect));
    EXPECT_EQ(rect.Right, list_->ClientWidth());
    EXPECT_EQ(rect.Left, 140);
}

}  // namespace
