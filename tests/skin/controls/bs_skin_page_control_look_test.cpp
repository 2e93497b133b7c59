// What the skinned page control shows: tabs on every side from the test
// skin's pieces (bottom tabs flipped with upright captions, side tabs
// turned), close buttons in their states, the skinned scroller, the
// sheets' wallpaper and skin background, and the plain look without a
// skin; degenerate skins paint without faults.
#include <string>
#include <vector>

#include "platform/ui/widgets/tab_control_window.h"
#include "platform/win/headless_screen.h"
#include "platform/win/window_pos.h"
#include "platform/win/headless_input.h"
#include "platform/win/window_proc.h"
#include "skin/controls/bs_skin_page_control.h"
#include "skin/controls/bs_skin_tab_sheet.h"
#include "skin/controls/bs_skin_up_down.h"
#include "skin/data/bs_skin_controls_tabs.h"
#include "tests/skin/controls/skin_controls_test_support.h"
#include "tests/skin/controls/test_skin_tabs.h"
#include "tests/support/message_pump.h"
#include "tests/support/pixel_colour.h"

// A namespace of its own, so that the names taken from the test skin's
// part stay in this file when sources are compiled together.
namespace bs_skin_page_control_look_test {

using namespace test_skin_tabs;

class TbsSkinPageControlLookTest : public SkinControlsTest {
protected:
    void SetUp() override
    {
        AddTo(skin_);
        SkinControlsTest::SetUp();
        form_->SetBounds(0, 0, 600, 400);
        pc_ = new TbsSkinPageControl(form_.get());
        pc_->SetParent(form_.get());
        pc_->SetBounds(10, 10, 300, 200);
    }

    void Build(TTabPosition Side, const std::vector<AnsiString>& Captions, bool Skinned = true)
    {
        pc_->SetTabPosition(Side);
        for (const AnsiString& caption : Captions) {
            auto* page = new TbsSkinTabSheet(form_.get());
            page->SetPageControl(pc_);
            page->SetCaption(caption);
            pages_.push_back(page);
        }
        if (Skinned)
            pc_->SetSkinData(data_.get());
        else
            pc_->ChangeSkinData();
    }
    TRect Tab(int Index)
    {
        TRect r{};
        SendMessage(pc_->Handle(), TCM_GETITEMRECT, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(&r));
        return r;
    }
    std::string At(int X, int Y) { return PieceAt(pc_, X, Y); }
    // The pixels of Colour inside R as rows of '#' and '.', cut to their
    // bounding box.
    std::vector<std::string> Ink(const TRect& R, TColor Colour)
    {
        PixelOf(pc_, 0, 0);
        TRasterImage image = WindowImage(form_->Handle());
        TRect window{};
        GetWindowRect(form_->Handle(), &window);
        TPoint origin = pc_->ClientToScreen(TPoint{0, 0});
        auto pixel = [&](int X, int Y) {
            return PixelAt(image, origin.X - window.Left + X, origin.Y - window.Top + Y);
        };
        int left = R.Right, top = R.Bottom, right = R.Left, bottom = R.Top;
        for (int y = R.Top; y < R.Bottom; ++y)
            for (int x = R.Left; x < R.Right; ++x)
                if (pixel(x, y) == Colour) {
                    left = std::min(left, x);
                    right = std::max(right, x + 1);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y + 1);
                }
        std::vector<std::string> rows;
        for (int y = top; y < bottom; ++y) {
            std::string row;
            for (int x = left; x < right; ++x)
                row += pixel(x, y) == Colour ? '#' : '.';
            rows.push_back(row);
        }
        return rows;
    }
    static TSize InkSize(const std::vector<std::string>& Rows)
    {
        return TSize{Rows.empty() ? 0 : static_cast<int>(Rows[0].size()), static_cast<int>(Rows.size())};
    }

    TbsSkinPageControl* pc_ = nullptr;
    std::vector<TbsSkinTabSheet*> pages_;
};

TEST_F(TbsSkinPageControlLookTest, TopTabsShowTheirStatesOverTheTiledRowAndTheFrame)
{
    Build(tpTop, {"One", "Two", "Six"});
    TRect active = Tab(0), normal = Tab(1);
    EXPECT_EQ(At(active.Left + 1, active.Top + 1), "tab.active.tl");
    EXPECT_EQ(At(normal.Left + 1, normal.Top + 1), "tab.normal.tl");
    // The page frame covers the tabs' last two rows.
    EXPECT_EQ(At(normal.Left + 1, normal.Top + kTabHalf + 1), "tab.normal.bl");
    EXPECT_EQ(At(normal.Left + normal.Width() / 2, normal.Top + 1), "tab.normal.tm");
    EXPECT_EQ(At(290, 1), "tab.tabsbg.face") << "the row right of the tabs";
    TRect page = pc_->PageArea();
    EXPECT_EQ(At(page.Left + 1, (page.Top + page.Bottom) / 2), "tab.frame.l");
    EXPECT_EQ(At(page.Right - 1, page.Bottom - 1), "tab.frame.rb");

    // The mouse over a tab shows its hot image.
    InjectMouseMove(pc_->ClientToScreen(TPoint{normal.Left + 5, normal.Top + 5}));
    PumpMessages();
    EXPECT_EQ(pc_->HotTab(), 1);
    EXPECT_EQ(At(normal.Left + 1, normal.Top + 1), "tab.hot.tl");
}

TEST_F(TbsSkinPageControlLookTest, ABottomTabIsFlippedWithItsCaptionUpright)
{
    Build(tpTop, {"One", "Tg"});
    TRect top = Tab(1);
    std::vector<std::string> upright = Ink(top, kFontColour);
    ASSERT_FALSE(upright.empty());

    pc_->SetTabPosition(tpBottom);
    TRect bottom = Tab(1);
    EXPECT_EQ(At(bottom.Left + 1, bottom.Top + 1), "tab.normal.bl");
    EXPECT_EQ(At(bottom.Left + 1, bottom.Bottom - 1), "tab.normal.tl");
    EXPECT_EQ(Ink(bottom, kFontColour), upright);
}

TEST_F(TbsSkinPageControlLookTest, SideTabsAreTurnedAndTheirCaptionsWithThemUnlessHorizontal)
{
    Build(tpLeft, {"One", "Mmmm"});
    TRect left = Tab(1);
    // Turned left: the tab's left end at the bottom, its top half outside.
    EXPECT_EQ(At(left.Left + 1, left.Bottom - 1), "tab.normal.tl");
    EXPECT_EQ(At(left.Left + 1, left.Top + 1), "tab.normal.tr");
    EXPECT_EQ(At(left.Right - 2, left.Top + 1), "tab.normal.br");
    TSize turned = InkSize(Ink(left, kFontColour));
    EXPECT_GT(turned.cy, turned.cx) << "the caption runs bottom to top";

    pc_->SetTextInHorizontal(true);
    EXPECT_EQ(At(left.Left + 1, left.Bottom - 1), "tab.normal.tl");
    TSize horizontal = InkSize(Ink(left, kFontColour));
    EXPECT_GT(horizontal.cx, horizontal.cy) << "the caption stays horizontal";

    pc_->SetTextInHorizontal(false);
    pc_->SetTabPosition(tpRight);
    TRect right = Tab(1);
    // Turned right: the left end at the top, the top half outside (right).
    EXPECT_EQ(At(right.Right - 1, right.Top + 1), "tab.normal.tl");
    EXPECT_EQ(At(right.Left + 1, right.Top + 1), "tab.normal.bl");
}

TEST_F(TbsSkinPageControlLookTest, CloseButtonsShowHotAndPressed)
{
    pc_->SetTabWidth(80);
    pc_->SetShowCloseButtons(true);
    Build(tpTop, {"One", "Two"});
    PixelOf(pc_, 0, 0);
    TRect button = pages_[1]->CloseButtonRect;
    ASSERT_EQ(button.Width(), kClose);
    TPoint centre{(button.Left + button.Right) / 2, (button.Top + button.Bottom) / 2};
    EXPECT_EQ(At(centre.X, centre.Y), "tab.close.face");
    InjectMouseMove(pc_->ClientToScreen(centre));
    PumpMessages();
    EXPECT_EQ(At(centre.X, centre.Y), "tab.closeactive.face");
    InjectMouseDown(pc_->ClientToScreen(centre));
    PumpMessages();
    EXPECT_EQ(At(centre.X, centre.Y), "tab.closedown.face");
    InjectMouseUp(pc_->ClientToScreen(TPoint{5, 150}));
    PumpMessages();
    EXPECT_TRUE(pages_[1]->TabVisible()) << "released elsewhere";
}

TEST_F(TbsSkinPageControlLookTest, WithoutASkinTheCloseGlyphIsWhiteUnderTheMouse)
{
    pc_->SetTabWidth(80);
    pc_->SetShowCloseButtons(true);
    Build(tpTop, {"One", "Two"}, false);
    PixelOf(pc_, 0, 0);
    TRect button = pages_[1]->CloseButtonRect;
    ASSERT_EQ(button.Width(), 14);
    EXPECT_FALSE(Ink(button, clBlack).empty());
    EXPECT_TRUE(Ink(button, clWhite).empty());
    InjectMouseMove(pc_->ClientToScreen(TPoint{button.Left + 7, button.Top + 7}));
    PumpMessages();
    EXPECT_TRUE(Ink(button, clBlack).empty());
    EXPECT_FALSE(Ink(button, clWhite).empty());
    // The plain faces: the hot tab and the active one.
    EXPECT_EQ(PixelOf(pc_, button.Left - 10, button.Top + 2), TColor(0xD2BDB6));
    TRect active = Tab(0);
    EXPECT_EQ(PixelOf(pc_, active.Left, active.Top), TColor(0x800000));
}

TEST_F(TbsSkinPageControlLookTest, TheScrollerIsTheSkinsUpDown)
{
    pc_->SetTabWidth(60);
    Build(tpTop, {"1", "2", "3", "4", "5", "6", "7", "8"});
    TbsSkinUpDown* scroller = pc_->TabScroller();
    ASSERT_NE(scroller, nullptr);
    EXPECT_EQ(scroller->SkinDataName(), "hupdown");
    EXPECT_EQ(PieceAt(scroller, 4, 4), "hupdown.normal.downbutton");
    EXPECT_EQ(PieceAt(scroller, scroller->Width() - 4, 4), "hupdown.normal.upbutton");
}

TEST_F(TbsSkinPageControlLookTest, AWallpaperIsTiledFromTheSheetsCorner)
{
    pc_->SetBounds(10, 10, 27, 100);  // a sheet 25 pixels wide
    Build(tpTop, {"W"}, false);
    TBitmap wallpaper;
    wallpaper.SetSize(10, 10);
    wallpaper.Canvas()->Brush()->SetColor(clBlue);
    wallpaper.Canvas()->FillRect(TRect{0, 0, 10, 10});
    wallpaper.Canvas()->SetPixels(0, 0, clRed);
    pages_[0]->SetWallPaper(&wallpaper);
    pages_[0]->Invalidate();
    ASSERT_EQ(pages_[0]->Width(), 25);
    std::string row;
    for (int x = 0; x < 25; ++x)
        row += PixelOf(pages_[0], x, 10) == clRed ? 'R' : PixelOf(pages_[0], x, 10) == clBlue ? 'b' : '?';
    EXPECT_EQ(row, "RbbbbbbbbbRbbbbbbbbbRbbbb");
}

TEST_F(TbsSkinPageControlLookTest, ASheetWithoutWallpaperShowsTheSkinsClientPiece)
{
    Build(tpTop, {"One"});
    EXPECT_EQ(PieceAt(pages_[0], 2, 2), "tab.frame.client");
    EXPECT_EQ(PieceAt(pages_[0], 40, 30), "tab.frame.client");
}

TEST_F(TbsSkinPageControlLookTest, ABackgroundPicturePastThePictureListIsNone)
{
    Build(tpTop, {"One"});
    auto* tab = dynamic_cast<TbsDataSkinTabControl*>(
        data_->ControlList[static_cast<size_t>(data_->FindControlDescription("tab"))].get());
    ASSERT_NE(tab, nullptr);
    tab->BgPictureIndex = static_cast<int>(data_->ActivePictures.size());
    pc_->GetSkinData();
    EXPECT_EQ(pc_->TabSkin().BgPictureIndex, -1);
    pages_[0]->Invalidate();
    EXPECT_EQ(PieceAt(pages_[0], 2, 2), "tab.frame.client");
}

TEST_F(TbsSkinPageControlLookTest, PiecesUnderOnePixelAreSkippedNotTiled)
{
    skin_.Set("tab", "tabsbgrect", "10,10,10,20");
    skin_.Set("tab", "clientrect", "4,4,4,36");
    skin_.LoadInto(*data_);
    Build(tpTop, {"One", "Two"});
    pc_->ChangeSkinData();
    EXPECT_EQ(At(Tab(0).Left + 1, Tab(0).Top + 1), "tab.active.tl");
    EXPECT_NE(At(290, 1), "tab.tabsbg.face");
    PieceAt(pages_[0], 2, 2);
}

}  // namespace bs_skin_page_control_look_test
