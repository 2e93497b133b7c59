// Status bars: where the panels lie and how they are drawn (by the bar, by
// OnDrawPanel, or as one simple text), the size grip sizing its form, and
// the bar's look against golden/status_bar.png.

#include "platform/ui/widgets/status_bar.h"

#include <vector>

#include "form_test_support.h"
#include "platform/gdi/test_font.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/win/headless_input.h"
#include "platform/win/headless_screen.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_proc.h"
#include "tests/support/compose_images.h"
#include "tests/support/golden_image.h"
#include "tests/support/test_data.h"

namespace {

class TStatusBarTest : public TFormTest {
protected:
    void SetUp() override
    {
        TFormTest::SetUp();
        form_ = new TForm(nullptr);
        form_->SetBounds(50, 50, 320, 200);
        form_->Font()->SetName(kTestFontName);
        form_->Font()->SetHeight(16);
        bar_ = new TStatusBar(form_);
        bar_->SetParent(form_);
        form_->Show();
        Process();
    }

    void TearDown() override
    {
        delete form_;
        TFormTest::TearDown();
    }

    TStatusPanel* AddPanel(int Width, const AnsiString& Text)
    {
        TStatusPanel* panel = bar_->Panels()->Add();
        panel->SetWidth(Width);
        panel->SetText(Text);
        return panel;
    }

    TForm* form_ = nullptr;
    TStatusBar* bar_ = nullptr;
};

TEST_F(TStatusBarTest, PanelsLieLeftToRightAndTheLastTakesTheRestUpToTheGrip)
{
    EXPECT_EQ(bar_->BoundsRect(), Rect(0, form_->ClientHeight() - 19, form_->ClientWidth(), form_->ClientHeight()));
    AddPanel(60, "one");
    AddPanel(80, "two");
    AddPanel(10, "three");
    int width = form_->ClientWidth();
    EXPECT_EQ(bar_->GripRect(), Rect(width - 16, 3, width, 19));
    EXPECT_EQ(bar_->PanelRect(0), Rect(0, 2, 60, 19));
    EXPECT_EQ(bar_->PanelRect(1), Rect(62, 2, 142, 19));
    EXPECT_EQ(bar_->PanelRect(2), Rect(144, 2, width - 16, 19));
    // Without the grip the last panel reaches the end.
    bar_->SetSizeGrip(false);
    EXPECT_TRUE(IsRectEmpty(bar_->GripRect()));
    EXPECT_EQ(bar_->PanelRect(2), Rect(144, 2, width, 19));
    // Panels too wide for the bar are cut at its end, never reversed.
    bar_->Panels()->Items(1)->SetWidth(1000);
    EXPECT_EQ(bar_->PanelRect(1), Rect(62, 2, width, 19));
    EXPECT_EQ(bar_->PanelRect(2), Rect(width, 2, width, 19));
}

TEST_F(TStatusBarTest, TheGripShowsOnlyInTheCornerOfASizableForm)
{
    EXPECT_FALSE(IsRectEmpty(bar_->GripRect()));
    // A bar that leaves the corner would drag the corner from elsewhere.
    bar_->SetAlign(alTop);
    EXPECT_TRUE(IsRectEmpty(bar_->GripRect()));
    bar_->SetAlign(alBottom);
    EXPECT_FALSE(IsRectEmpty(bar_->GripRect()));
    form_->SetBorderStyle(bsSingle);
    Process();
    EXPECT_TRUE(IsRectEmpty(bar_->GripRect()));
    form_->SetBorderStyle(bsSizeable);
    Process();
    EXPECT_FALSE(IsRectEmpty(bar_->GripRect()));
    form_->SetWindowState(wsMaximized);
    Process();
    EXPECT_TRUE(IsRectEmpty(bar_->GripRect()));
}

TEST_F(TStatusBarTest, DraggingTheGripSizesTheForm)
{
    TRect before = form_->BoundsRect();
    TPoint grip = ScreenPoint(bar_, bar_->Width() - 5, bar_->Height() - 5);
    EXPECT_EQ(SendMessage(bar_->Handle(), WM_NCHITTEST, 0, MAKELPARAM(grip.X, grip.Y)), HTBOTTOMRIGHT);
    InjectMouseDown(grip);
    InjectMouseMove({grip.X + 40, grip.Y + 30});
    InjectMouseUp({grip.X + 40, grip.Y + 30});
    Process();
    EXPECT_EQ(form_->BoundsRect(), Rect(before.Left, before.Top, before.Right + 40, before.Bottom + 30));
    // The bar followed the form's bottom and keeps its grip in the corner.
    EXPECT_EQ(bar_->Top() + bar_->Height(), form_->ClientHeight());
    EXPECT_EQ(bar_->Width(), form_->ClientWidth());
    EXPECT_FALSE(IsRectEmpty(bar_->GripRect()));

    // Elsewhere on the bar a drag moves nothing.
    before = form_->BoundsRect();
    TPoint middle = ScreenPoint(bar_, 40, 10);
    EXPECT_EQ(SendMessage(bar_->Handle(), WM_NCHITTEST, 0, MAKELPARAM(middle.X, middle.Y)), HTCLIENT);
    InjectMouseDown(middle);
    InjectMouseMove({middle.X + 40, middle.Y + 30});
    InjectMouseUp({middle.X + 40, middle.Y + 30});
    Process();
    EXPECT_EQ(form_->BoundsRect(), before);
}

TEST_F(TStatusBarTest, OwnerDrawnPanelsAreDrawnByOnDrawPanelInsideTheirBevel)
{
    AddPanel(60, "text");
    TStatusPanel* drawn = AddPanel(50, "");
    drawn->SetStyle(psOwnerDraw);
    std::vector<TRect> rects;
    bar_->OnDrawPanel = TDrawPanelEvent::FromCallable([&](TStatusBar* Bar, TStatusPanel* Panel, const TRect& R) {
        EXPECT_EQ(Bar, bar_);
        EXPECT_EQ(Panel, drawn);
        rects.push_back(R);
        Bar->Canvas()->Brush()->SetColor(clRed);
        Bar->Canvas()->FillRect(R);
    });
    bar_->Invalidate();
    Process();
    ASSERT_FALSE(rects.empty());
    TRect inside = bar_->PanelRect(1);
    InflateRect(inside, -1, -1);
    EXPECT_EQ(rects.back(), inside);
    // What the handler drew stays on the screen.
    EXPECT_EQ(WindowImage(bar_->Handle()).Row(inside.Top + 2)[inside.Left + 2], 0xFFFF0000u);

    // In simple mode no panel is drawn.
    rects.clear();
    bar_->SetSimplePanel(true);
    bar_->SetSimpleText("simple");
    Process();
    EXPECT_TRUE(rects.empty());
}

TEST_F(TStatusBarTest, LooksLikeTheGolden)
{
    form_->SetClientWidth(300);
    Process();
    AddPanel(70, "Left");
    AddPanel(70, "Centre")->SetAlignment(taCenter);
    TStatusPanel* right = AddPanel(60, "Right");
    right->SetAlignment(taRightJustify);
    right->SetBevel(pbRaised);
    // Cut after whole characters: 說門這乗中 is ten cells, the room is less.
    AddPanel(0, "\xD5\x66\xE9\x54\xDF\x40\x81\x5C\xD6\xD0")->SetBevel(pbNone);
    Process();
    TRasterImage panels = WindowImage(bar_->Handle());
    bar_->SetSimplePanel(true);
    bar_->SetSimpleText("Simple text over the whole bar");
    Process();
    TRasterImage simple = WindowImage(bar_->Handle());
    ExpectGolden(ComposeImages({panels, simple}, false), TestFolder() + "/golden/status_bar.png");
}

}  // namespace
