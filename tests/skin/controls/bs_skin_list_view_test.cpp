// The skinned list view: its external bars in each view style (sizes, the
// list style's line steps, the report's pages, rows past 16 bits, icons
// wider than the view), the header taken over (the second one, its width,
// divider and section presses, painting into a given DC, column images),
// its colours, the private messages, and its looks with the test skin and
// without one: a report with a pressed header section, check boxes, a
// selected row and skinned grid lines.
#include "skin/controls/bs_skin_list_view.h"

#include <gtest/gtest.h>

#include "platform/gdi/test_font.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/image_list.h"
#include "platform/ui/itemviews/header_control.h"
#include "platform/ui/itemviews/header_control_window.h"
#include "platform/win/headless_input.h"
#include "platform/win/headless_screen.h"
#include "platform/win/window_lifecycle.h"
#include "platform/win/window_pos.h"
#include "platform/win/virtual_keys.h"
#include "platform/ui/graphics/text_metrics.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"
#include "skin/data/bs_draw_utils.h"
#include "tests/skin/controls/skin_controls_test_support.h"
#include "tests/skin/controls/test_skin_views.h"
#include "tests/support/message_pump.h"
#include "tests/support/pixel_colour.h"

// A namespace of its own, so that the names taken from the test skin's
// part stay in this file when sources are compiled together.
namespace bs_skin_list_view_test {

using namespace test_skin_views;

class BsSkinListView : public SkinControlsTest {
protected:
    void SetUp() override
    {
        AddTo(skin_);
        SkinControlsTest::SetUp();
        list_ = new TbsSkinListView(form_.get());
        list_->SetBounds(10, 10, 200, 150);
        list_->DefaultFont()->SetName(kTestFontName);
        list_->SetDefaultFont(list_->DefaultFont());
        list_->HeaderSkinDataName = "resizebutton";
        list_->SetParent(form_.get());
        vBar_ = new TbsSkinScrollBar(form_.get());
        vBar_->SetKind(sbVertical);
        vBar_->SetBounds(210, 10, 19, 150);
        vBar_->SetParent(form_.get());
        hBar_ = new TbsSkinScrollBar(form_.get());
        hBar_->SetBounds(10, 160, 200, 19);
        hBar_->SetParent(form_.get());
        list_->SetVScrollBar(vBar_);
        list_->SetHScrollBar(hBar_);
    }

    void Report(int Columns, int Rows)
    {
        list_->SetViewStyle(vsReport);
        for (int c = 0; c < Columns; ++c) {
            TListColumn* column = list_->Columns()->Add();
            column->SetCaption("c" + std::to_string(c));
            column->SetWidth(80);
        }
        Fill(Rows);
    }

    void Fill(int Rows)
    {
        list_->Items()->BeginUpdate();
        for (int i = 0; i < Rows; ++i) {
            TListItem* item = list_->Items()->Add();
            item->SetCaption("i" + std::to_string(i));
            item->SubItems()->Add("s" + std::to_string(i));
        }
        list_->Items()->EndUpdate();
        Paint();
    }

    void Paint()
    {
        PumpMessages();
        form_->Update();
    }

    TPoint HeaderPoint(int X, int Y) { return list_->Header()->ClientToScreen(Point(X, Y)); }

    // Images of W x H in Fill, each with a Stripe wide column of Edge at
    // its right; the form owns them.
    TImageList* Images(int W, int H, std::initializer_list<TColor> Fill, int Stripe = 0, TColor Edge = clBlack)
    {
        auto* images = new TImageList(form_.get());
        images->SetWidth(W);
        images->SetHeight(H);
        for (TColor colour : Fill) {
            TBitmap bitmap;
            bitmap.SetSize(W, H);
            bitmap.Canvas()->Brush()->SetColor(colour);
            bitmap.Canvas()->FillRect(Rect(0, 0, W, H));
            bitmap.Canvas()->Brush()->SetColor(Edge);
            bitmap.Canvas()->FillRect(Rect(W - Stripe, 0, W, H));
            images->Add(&bitmap, nullptr);
        }
        return images;
    }

    TbsSkinListView* list_ = nullptr;
    TbsSkinScrollBar* vBar_ = nullptr;
    TbsSkinScrollBar* hBar_ = nullptr;
};

TEST_F(BsSkinListView, ReportBarsPageByRowsAndReachRowsPast65535)
{
    Report(3, 70000);
    const int perPage = list_->VisibleRowCount();
    ASSERT_GT(perPage, 1);
    ASSERT_TRUE(vBar_->Visible());
    EXPECT_EQ(vBar_->Max(), 70000 - 1);
    EXPECT_EQ(vBar_->PageSize(), perPage);
    EXPECT_EQ(vBar_->LargeChange(), perPage);
    EXPECT_EQ(vBar_->SmallChange(), 1);
    // Three columns of 80 run past 200 pixels: the horizontal bar shows,
    // leaving the corner to the vertical one.
    ASSERT_TRUE(hBar_->Visible());
    EXPECT_TRUE(hBar_->Both());
    EXPECT_EQ(hBar_->PageSize(), list_->Width());

    vBar_->SetPosition(69000);
    Paint();
    EXPECT_EQ(list_->TopItem()->Caption(), "i69000");
    vBar_->SetPosition(3);
    Paint();
    EXPECT_EQ(list_->TopItem()->Caption(), "i3");
    hBar_->SetPosition(30);
    Paint();
    EXPECT_EQ(list_->Items()->Item(3)->DisplayRect(drBounds).Left, -30);
    // Its arrows move the columns a character across, not a pixel.
    const int step = AverageCharWidth(list_->Font());
    ASSERT_GT(step, 1);
    InjectClick(hBar_->ClientToScreen(Point(hBar_->Width() - vBar_->Width() - 8, 9)));
    Paint();
    EXPECT_EQ(hBar_->Position(), 30 + step);
    EXPECT_EQ(list_->Items()->Item(3)->DisplayRect(drBounds).Left, -30 - step);
    EXPECT_EQ(hBar_->LargeChange(), list_->Width());

    // Keys move the view and the bar follows.
    list_->SetFocus();
    list_->Items()->Item(3)->SetSelected(true);
    list_->Items()->Item(3)->SetFocused(true);
    InjectKeyStroke(VK_END);
    Paint();
    EXPECT_EQ(vBar_->Position(), 70000 - perPage);
    EXPECT_EQ(list_->TopItem()->Caption(), "i" + std::to_string(vBar_->Position()));

    // A report too low for a single row still pages by one.
    list_->SetHeight(12);
    Paint();
    EXPECT_EQ(list_->VisibleRowCount(), 0);
    EXPECT_EQ(vBar_->LargeChange(), 1);
}

TEST_F(BsSkinListView, AListUnderSixPixelsLeavesItsBarsAlone)
{
    Report(1, 50);
    ASSERT_TRUE(vBar_->Visible());
    const int max = vBar_->Max();
    list_->SetBounds(10, 10, 5, 150);
    list_->Items()->Clear();
    Paint();
    EXPECT_TRUE(vBar_->Visible());
    EXPECT_EQ(vBar_->Max(), max);
    list_->SetBounds(10, 10, 200, 5);
    Paint();
    EXPECT_EQ(vBar_->Max(), max);
    list_->SetBounds(10, 10, 200, 150);
    Paint();
    EXPECT_FALSE(vBar_->Visible());
}

TEST_F(BsSkinListView, TheListStyleHidesTheVerticalBarAndStepsColumnsOneLineAtATime)
{
    list_->SetViewStyle(vsList);
    Fill(200);
    EXPECT_FALSE(vBar_->Visible());
    ASSERT_TRUE(hBar_->Visible());
    EXPECT_FALSE(hBar_->Both());
    EXPECT_EQ(hBar_->SmallChange(), 1);
    EXPECT_EQ(hBar_->LargeChange(), 1);
    const int columnWidth = list_->Items()->Item(0)->DisplayRect(drBounds).Width();
    EXPECT_EQ(hBar_->PageSize(), list_->Width() / columnWidth);

    std::vector<WPARAM> codes;
    const TWndMethod inherited = list_->WindowProc;
    list_->WindowProc = TWndMethod::FromCallable([&codes, inherited](TMessage& Message) {
        if (Message.Msg == WM_HSCROLL)
            codes.push_back(Message.WParam);
        inherited(Message);
    });
    const int rows = list_->VisibleRowCount();
    hBar_->SetPosition(3);
    Paint();
    EXPECT_EQ(codes, (std::vector<WPARAM>{SB_LINERIGHT, SB_LINERIGHT, SB_LINERIGHT}));
    EXPECT_EQ(list_->TopItem()->Caption(), "i" + std::to_string(3 * rows));
    codes.clear();
    hBar_->SetPosition(1);
    Paint();
    EXPECT_EQ(codes, (std::vector<WPARAM>{SB_LINELEFT, SB_LINELEFT}));
    EXPECT_EQ(list_->TopItem()->Caption(), "i" + std::to_string(rows));
    list_->WindowProc = inherited;
}

// An item wider than the view in the icon styles, a wide icon or a long
// caption, is reached with the horizontal bar; a view wide enough hides it.
TEST_F(BsSkinListView, IconStylesScrollAnItemWiderThanTheViewAcross)
{
    list_->SetLargeImages(Images(240, 32, {clRed}, 10, clBlue));
    list_->SetSmallImages(Images(16, 16, {clRed}));
    Fill(3);
    for (int i = 0; i < 3; ++i)
        list_->Items()->Item(i)->SetImageIndex(0);
    list_->Items()->Item(1)->SetCaption(std::string(40, 'w'));
    for (TViewStyle style : {vsIcon, vsSmallIcon}) {
        SCOPED_TRACE(style);
        list_->SetWidth(200);
        list_->SetViewStyle(style);
        Paint();
        const TRect wide = list_->Items()->Item(1)->DisplayRect(drBounds);
        ASSERT_GT(wide.Width(), list_->Width() + 1);
        ASSERT_TRUE(hBar_->Visible());
        EXPECT_EQ(hBar_->Max(), wide.Width() - 1);
        EXPECT_EQ(hBar_->PageSize(), list_->Width());
        EXPECT_EQ(hBar_->SmallChange(), wide.Height() / 2);
        EXPECT_EQ(hBar_->LargeChange(), wide.Height() / 2);
        hBar_->SetPosition(40);
        Paint();
        EXPECT_EQ(list_->Items()->Item(1)->DisplayRect(drBounds).Left, -40);
        const TRect label = list_->Items()->Item(1)->DisplayRect(drLabel);
        EXPECT_EQ(list_->GetItemAt(label.Left + 50, label.Top + 2), list_->Items()->Item(1));
        // The view scrolled by the program takes the bar along.
        list_->Scroll(-15, 0);
        Paint();
        EXPECT_EQ(hBar_->Position(), 25);
        list_->SetWidth(wide.Width() + 20);
        Paint();
        EXPECT_FALSE(hBar_->Visible());
        EXPECT_EQ(list_->Items()->Item(1)->DisplayRect(drBounds).Left, 0);
    }
    // The right end of the wide icon, cut off at first, comes into view.
    list_->SetViewStyle(vsIcon);
    list_->SetWidth(200);
    Paint();
    const TRect icon = list_->Items()->Item(0)->DisplayRect(drIcon);
    const int middle = icon.Top + icon.Height() / 2;
    ASSERT_GT(icon.Right, list_->Width());
    EXPECT_EQ(PixelOf(list_, list_->Width() - 5, middle), clRed);
    hBar_->SetPosition(hBar_->Max());
    Paint();
    EXPECT_EQ(list_->Items()->Item(0)->DisplayRect(drIcon).Right, icon.Right - (hBar_->Max() + 1 - list_->Width()));
    EXPECT_EQ(PixelOf(list_, list_->Items()->Item(0)->DisplayRect(drIcon).Right - 5, middle), clBlue);
}

TEST_F(BsSkinListView, TheHeaderIsTakenOverWiderAndASecondOneGivesTheFirstItsProcedureBack)
{
    Report(2, 5);
    HWND header = list_->HeaderWindow();
    ASSERT_EQ(header, list_->Header()->Handle());
    list_->SetWidth(190);
    Paint();
    TRect bounds;
    GetWindowRect(header, &bounds);
    EXPECT_EQ(bounds.Width(), list_->ClientWidth() + 25);
    list_->Columns()->Item(1)->SetWidth(300);
    Paint();
    GetWindowRect(header, &bounds);
    EXPECT_EQ(bounds.Width(), 380 + 25);

    const WNDPROC own = GetWindowProc(header);
    HWND second = CreateWindowEx(0, WC_HEADER, "", WS_CHILD, 0, 0, 50, 10, list_->Handle(), 0, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(list_->HeaderWindow(), second);
    EXPECT_FALSE(GetWindowProc(header) == own);
    // The platform's header answers as before.
    EXPECT_EQ(SendMessage(header, HDM_GETITEMCOUNT, 0, 0), 2);
    DestroyWindow(second);
    EXPECT_EQ(list_->HeaderWindow(), nullptr);
}

TEST_F(BsSkinListView, ADividerPressDragsAndASectionPressShowsThePressedSection)
{
    list_->SetSkinData(data_.get());
    Report(2, 5);
    // Column 0 ends at 80: its divider.
    InjectMouseDown(HeaderPoint(80, 5));
    Paint();
    EXPECT_TRUE(list_->DividerDragging());
    EXPECT_FALSE(list_->SectionPressed());
    InjectMouseMove(HeaderPoint(100, 5));
    InjectMouseUp(HeaderPoint(100, 5));
    Paint();
    EXPECT_FALSE(list_->DividerDragging());
    EXPECT_EQ(list_->Columns()->Item(0)->Width(), 100);

    InjectMouseDown(HeaderPoint(140, 5));
    Paint();
    EXPECT_TRUE(list_->SectionPressed());
    EXPECT_FALSE(list_->DividerDragging());
    EXPECT_EQ(list_->PressedSection(), 1);
    EXPECT_EQ(PieceAt(list_->Header(), 150, 8), "resizebutton.down.client");
    EXPECT_EQ(PieceAt(list_->Header(), 50, 8), "resizebutton.normal.client");
    InjectMouseUp(HeaderPoint(140, 5));
    Paint();
    EXPECT_EQ(list_->PressedSection(), -1);
    EXPECT_FALSE(list_->SectionPressed());
    EXPECT_EQ(PieceAt(list_->Header(), 150, 8), "resizebutton.normal.client");
}

TEST_F(BsSkinListView, ColumnsDragThroughTheTakenOverHeaderUntilDrawSkinStopsIt)
{
    list_->SetSkinData(data_.get());
    Report(2, 5);
    const auto drag = [&](int FromX, int ToX) {
        InjectMouseDown(HeaderPoint(FromX, 5));
        InjectMouseMove(HeaderPoint((FromX + ToX) / 2, 5));
        InjectMouseMove(HeaderPoint(ToX, 5));
        InjectMouseUp(HeaderPoint(ToX, 5));
        Paint();
    };
    list_->SetFullDrag(true);
    drag(40, 120);
    EXPECT_EQ(list_->Columns()->PositionOf(0), 1);
    EXPECT_EQ(list_->Columns()->LeftOf(0), list_->Columns()->Item(1)->Width());
    EXPECT_FALSE(list_->SectionPressed());
    // Back again, then DrawSkin turns dragging off.
    drag(120, 10);
    EXPECT_EQ(list_->Columns()->PositionOf(0), 0);
    list_->SetDrawSkin(true);
    EXPECT_FALSE(list_->FullDrag());
    drag(40, 120);
    EXPECT_EQ(list_->Columns()->PositionOf(0), 0);
}

TEST_F(BsSkinListView, PrivateMessagesAndTheHeaderPaintedIntoAGivenDC)
{
    list_->SetSkinData(data_.get());
    Report(2, 5);
    EXPECT_EQ(SendMessage(list_->Handle(), WM_SKINCONTROLQUERY, 0, 0), SkinControlQueryAnswer);
    EXPECT_EQ(SendMessage(list_->Handle(), WM_NCHITTEST, 0, 0), HTCLIENT);
    EXPECT_EQ(list_->ClientWidth(), list_->Width());
    TBitmap target;
    target.SetSize(300, 30);
    target.Canvas()->Brush()->SetColor(clBlack);
    target.Canvas()->FillRect(Rect(0, 0, 300, 30));
    SendMessage(list_->Handle(), WM_SKINPAINTHEADER, reinterpret_cast<WPARAM>(target.Canvas()->Handle()), 0);
    EXPECT_EQ(skin_.PieceOf(target.Canvas()->Pixels(40, 8)), "resizebutton.normal.client");
    EXPECT_EQ(skin_.PieceOf(target.Canvas()->Pixels(180, 8)), "resizebutton.normal.client");
}

// A section with an image in SmallImages shows it centred in height at the
// start of its caption area, the caption after it; a column whose image
// the list lacks shows its caption alone.
TEST_F(BsSkinListView, HeaderSectionsShowTheirColumnsImages)
{
    list_->SetSmallImages(Images(10, 10, {clRed, clBlue}));
    for (bool skinned : {false, true}) {
        SCOPED_TRACE(skinned);
        list_->SetSkinData(skinned ? data_.get() : nullptr);
        list_->ChangeSkinData();
        list_->Columns()->Clear();
        Report(2, 3);
        list_->Columns()->Item(0)->SetImageIndex(1);
        list_->Columns()->Item(1)->SetImageIndex(2);
        Paint();
        const int top = (list_->Header()->Height() - 10) / 2;
        ASSERT_GT(top, 0);
        for (int y : {top, top + 9})
            EXPECT_EQ(PixelOf(list_->Header(), 5, y), clBlue);
        EXPECT_NE(PixelOf(list_->Header(), 5, top - 1), clBlue);
        EXPECT_NE(PixelOf(list_->Header(), 5, top + 10), clBlue);
        // The captions start after the image, or at the margin without one.
        // The test skin leaves the button's "fontcolor" black.
        const TColor text = skinned ? clBlack : ColorToRGB(clBtnText);
        const TRasterImage image = WindowImage(form_->Handle());
        TRect window{};
        GetWindowRect(form_->Handle(), &window);
        const TPoint origin = list_->Header()->ClientToScreen(TPoint{0, 0});
        const auto textFrom = [&](int Left) {
            for (int x = Left; x < Left + 40; ++x)
                for (int y = 0; y < list_->Header()->Height(); ++y)
                    if (PixelAt(image, origin.X - window.Left + x, origin.Y - window.Top + y) == text)
                        return x - Left;
            return -1;
        };
        EXPECT_GE(textFrom(0), 5 + 10 + 2);
        EXPECT_GE(textFrom(80), 5);
        EXPECT_LT(textFrom(80), 5 + 10);
        list_->Columns()->Item(1)->SetImageIndex(0);
        Paint();
        EXPECT_EQ(PixelOf(list_->Header(), 85, top), clRed);
    }
}

TEST_F(BsSkinListView, ColoursFollowTheSkinAndTheDefaultsWithout)
{
    list_->SetDefaultColor(0x123456);
    EXPECT_EQ(list_->Color(), 0x123456);
    list_->SetSkinData(data_.get());
    EXPECT_NE(list_->SkinIndex(), -1);
    EXPECT_EQ(list_->Color(), kListBgColour);
    EXPECT_EQ(list_->Font()->Color(), kListFontColour);
    EXPECT_EQ(list_->SkinLineColor(),
              MiddleColor(MiddleColor(MiddleColor(kListFontColour, kListBgColour), kListBgColour), kListBgColour));
    list_->SetSkinData(nullptr);
    list_->ChangeSkinData();
    EXPECT_EQ(list_->SkinIndex(), -1);
    EXPECT_EQ(list_->Color(), 0x123456);
}

// Attachments as the program lists them: a report with row selection,
// check boxes, the second row selected and the first header section held.
class BsSkinListViewLook : public BsSkinListView {
protected:
    void Build(bool Skinned)
    {
        if (Skinned)
            list_->SetSkinData(data_.get());
        list_->SetRowSelect(true);
        list_->SetCheckboxes(true);
        list_->SetDrawSkin(true);
        list_->SetDrawSkinLines(true);
        list_->SetHideSelection(false);
        Report(2, 4);
        list_->Columns()->Item(0)->SetCaption("說門說門說門說門");
        list_->Columns()->Item(0)->SetWidth(60);
        list_->Items()->Item(0)->SetChecked(true);
        list_->Items()->Item(1)->SetSelected(true);
        list_->SetFocus();
        InjectMouseDown(HeaderPoint(30, 5));
        Paint();
    }
    // Some pixel of R (in the list) is Colour.
    bool Shows(const TRect& R, TColor Colour)
    {
        Paint();
        const TRasterImage image = WindowImage(form_->Handle());
        TRect window{};
        GetWindowRect(form_->Handle(), &window);
        const TPoint origin = list_->ClientToScreen(TPoint{0, 0});
        for (int x = R.Left; x < R.Right; ++x)
            for (int y = R.Top; y < R.Bottom; ++y)
                if (PixelAt(image, origin.X - window.Left + x, origin.Y - window.Top + y) == Colour)
                    return true;
        return false;
    }
};

TEST_F(BsSkinListViewLook, SkinnedReport)
{
    Build(true);
    EXPECT_EQ(PieceAt(list_->Header(), 55, 8), "resizebutton.down.client");
    EXPECT_EQ(PieceAt(list_->Header(), 100, 8), "resizebutton.normal.client");
    const TRect checked = list_->Items()->Item(0)->DisplayRect(drBounds);
    const int middle = checked.Top + checked.Height() / 2;
    EXPECT_EQ(PieceAt(list_, checked.Left + 2, middle), "checkbox.check.face");
    const TRect unchecked = list_->Items()->Item(2)->DisplayRect(drBounds);
    EXPECT_EQ(PieceAt(list_, unchecked.Left + 2, unchecked.Top + unchecked.Height() / 2), "checkbox.uncheck.face");
    // The selected row is the focused item image, its captions on it.
    const TRect selected = list_->Items()->Item(1)->DisplayRect(drBounds);
    EXPECT_EQ(PieceAt(list_, selected.Left + 100, selected.Top), "listbox.focusitem.t");
    EXPECT_TRUE(Shows(selected, skin_.Colour("listbox.focusitem.client")));
    EXPECT_TRUE(Shows(selected, kItemFocusFontColour));
    // Other rows in the skin's colours, the grid in the skin line colour.
    EXPECT_EQ(PixelOf(list_, 150, unchecked.Top + 3), kListBgColour);
    EXPECT_EQ(PixelOf(list_, 60, unchecked.Top + 3), list_->SkinLineColor());
    EXPECT_EQ(PixelOf(list_, 150, unchecked.Bottom - 1), list_->SkinLineColor());
    EXPECT_TRUE(Shows(unchecked, kListFontColour));
}

TEST_F(BsSkinListViewLook, PlainReport)
{
    Build(false);
    // The header in the plain look of the skinned scroll bar's parts.
    EXPECT_EQ(PixelOf(list_->Header(), 30, 2), 0xB59385);
    EXPECT_EQ(PixelOf(list_->Header(), 0, 0), 0x800000);
    EXPECT_EQ(PixelOf(list_->Header(), 100, 8), ColorToRGB(clBtnFace));
    // No skin to draw items from: the platform draws them.
    const TRect selected = list_->Items()->Item(1)->DisplayRect(drBounds);
    EXPECT_FALSE(Shows(selected, skin_.Colour("listbox.focusitem.client")));
    EXPECT_EQ(PixelOf(list_, 100, selected.Top + 3), ColorToRGB(clHighlight));
}

}  // namespace bs_skin_list_view_test
