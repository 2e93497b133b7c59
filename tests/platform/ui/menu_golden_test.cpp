// Menus compared pixel for pixel with the pictures in golden/ (see
// tests/support/golden_image.h for accepting changes), in the built-in
// test font: a popup with every kind of item, and a menu bar with an item
// hot and with its menu open. The sizes the layout gives that font are
// checked too.
#include <gtest/gtest.h>

#include <algorithm>

#include "menu_test_support.h"
#include "platform/gdi/test_font.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/image_list.h"
#include "platform/ui/kernel/menu_bar.h"
#include "platform/ui/kernel/menu_painter.h"
#include "platform/ui/kernel/popup_menu_window.h"
#include "platform/win/focus.h"
#include "platform/win/headless_screen.h"
#include "platform/win/system_metrics.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/window_pos.h"
#include "tests/support/golden_image.h"
#include "tests/support/test_data.h"

namespace {

TRasterImage Crop(const TRasterImage& Image, const TRect& R)
{
    TRasterImage part = TRasterImage::Sized(R.Width(), R.Height());
    for (int y = 0; y < R.Height(); ++y)
        std::copy(Image.Row(R.Top + y) + R.Left, Image.Row(R.Top + y) + R.Right, part.Row(y));
    return part;
}

void FillBitmap(TBitmap* Bitmap, int Size, TColor Color)
{
    Bitmap->SetSize(Size, Size);
    Bitmap->Canvas()->Brush()->SetColor(Color);
    Bitmap->Canvas()->FillRect(Rect(0, 0, Size, Size));
    Bitmap->Canvas()->Brush()->SetColor(clWhite);
    Bitmap->Canvas()->FillRect(Rect(4, 4, Size - 4, Size - 4));
}

class TMenuGoldenTest : public TMenuTest {
protected:
    void SetUp() override
    {
        TMenuTest::SetUp();
        savedFont_.Assign(MenuFont());
        MenuFont()->SetName(kTestFontName);
        MenuFont()->SetHeight(-kTestFontCellHeight);
    }

    void TearDown() override
    {
        MenuFont()->Assign(&savedFont_);
        TMenuTest::TearDown();
    }

    static void ExpectGolden(const TRasterImage& Image, const std::string& Name)
    {
        ::ExpectGolden(Image, TestFolder() + "/golden/" + Name);
    }

private:
    TFont savedFont_;
};

TEST_F(TMenuGoldenTest, APopupWithEveryKindOfItem)
{
    TPopupMenu menu(nullptr);
    TImageList images(nullptr);
    TBitmap picture;
    FillBitmap(&picture, 16, clBlue);
    images.Add(&picture, nullptr);
    menu.SetImages(&images);
    TMenuItem* root = menu.Items();
    Add(root, "&Normal", ShortCut('N', {ssCtrl}));
    Add(root, "&Default", ShortCut(VK_F3, {}))->SetDefault(true);
    Add(root, "Disabled", ShortCut('D', {ssCtrl, ssShift}))->SetEnabled(false);
    Add(root, "-");
    Add(root, "&Checked")->SetChecked(true);
    TMenuItem* radio = Add(root, "&Radio");
    radio->SetRadioItem(true);
    radio->SetChecked(true);
    Add(root, "-");
    Add(root, "&Image")->SetImageIndex(0);
    TMenuItem* checkedImage = Add(root, "Checked image");
    checkedImage->SetImageIndex(0);
    checkedImage->SetChecked(true);
    TBitmap glyph;
    FillBitmap(&glyph, 12, clRed);
    Add(root, "&Bitmap")->SetBitmap(&glyph);
    Add(root, "\xD5\x66\xE9\x54(&T)");  // 說門
    TMenuItem* sub = Add(root, "&Sub-menu");
    Add(sub, "Inner");
    Add(root, "Sub, disabled")->SetEnabled(false);
    Add(root->Items(root->Count() - 1), "Inner");

    TPopupMenuWindow window(root, &images);
    TSize size = window.NaturalSize();
    window.ShowAt(Bounds(40, 40, size.cx, size.cy));
    window.SetSelected(window.RowOf(sub));
    window.Update();
    ExpectGolden(WindowImage(window.Handle()), "menu_popup.png");

    // The same with the image row selected: its frame and picture on the
    // highlight.
    window.SetSelected(window.RowOf(checkedImage));
    window.Update();
    ExpectGolden(WindowImage(window.Handle()), "menu_popup_image_selected.png");
}

TEST_F(TMenuGoldenTest, TheLayoutGivesTheTestFontItsSizes)
{
    TPopupMenu menu(nullptr);
    TMenuItem* root = menu.Items();
    Add(root, "Open", ShortCut('O', {ssCtrl}));  // "Ctrl+O": 6 cells
    Add(root, "-");
    Add(root, "\xD5\x66\xE9\x54");  // two double-width characters: 4 cells
    TMenuMeasure measure;
    std::vector<TMenuItem*> items{root->Items(0), root->Items(1), root->Items(2)};
    TPopupColumns columns = MeasurePopupColumns(measure.Canvas(), items, nullptr);
    EXPECT_EQ(columns.Caption, 4 * kTestFontCellWidth);
    EXPECT_EQ(columns.ShortCut, 6 * kTestFontCellWidth);
    EXPECT_EQ(columns.Glyph, 20);
    EXPECT_EQ(columns.Width, 20 + 4 + 32 + 16 + 48 + 16);
    EXPECT_EQ(PopupItemHeight(measure.Canvas(), root->Items(0), nullptr), 20);
    EXPECT_EQ(PopupItemHeight(measure.Canvas(), root->Items(1), nullptr), MenuSeparatorHeight);

    // The bar: items are their text and 7 pixels each side; one that does
    // not fit starts the next row, and a row is text height + 4 at least.
    TMenuItem* bar = new TMenuItem(nullptr);
    for (const char* caption : {"&File", "&Edit", "&View"})
        Add(bar, caption);
    int height = 0;
    std::vector<TRect> rects = LayoutMenuBar(measure.Canvas(), bar, Rect(10, 20, 10 + 46 + 46, 100), height);
    int row = std::max(20, GetSystemMetrics(SM_CYMENU));
    EXPECT_EQ(rects[0], Rect(10, 20, 56, 20 + row));
    EXPECT_EQ(rects[1], Rect(56, 20, 102, 20 + row));
    EXPECT_EQ(rects[2], Rect(10, 20 + row, 56, 20 + 2 * row));
    EXPECT_EQ(height, 2 * row);
    delete bar;
}

TEST_F(TMenuGoldenTest, AMenuBarWithAHotItemAndAnOpenOne)
{
    auto* form = new TForm(nullptr);
    form->SetBounds(30, 30, 360, 160);
    auto* menu = new TMainMenu(form);
    for (const char* caption : {"&File", "&Edit", "&View", "\xD5\x66\xE9\x54(&T)"})
        Add(menu->Items(), caption);
    Add(menu->Items(), "&Window")->SetEnabled(false);
    form->SetMenu(menu);
    form->Show();
    SetActiveWindow(form->Handle());
    Process();
    TMenuBar* bar = form->MenuBar();
    TRect window;
    GetWindowRect(form->Handle(), &window);
    TPoint client = form->ClientToScreen(Point(0, 0));
    TRect area = Bounds(client.X - window.Left, client.Y - window.Top - bar->Height(), form->ClientWidth(),
                        bar->Height());

    bar->SetLook(1, false);
    ExpectGolden(Crop(WindowImage(form->Handle()), area), "menu_bar_hot.png");
    bar->SetLook(2, true);
    ExpectGolden(Crop(WindowImage(form->Handle()), area), "menu_bar_open.png");
    bar->SetLook(-1, false);
    delete form;
}

}  // namespace
