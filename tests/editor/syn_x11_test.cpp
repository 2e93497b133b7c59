// The editor on a real X display: what it paints reaches the display pixel
// for pixel as the headless back end keeps it, and keys and mouse from the
// display edit and select as injected input does.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "editor/syn_gutter.h"
#include "editor/syn_memo.h"
#include "platform/gdi/bitmap.h"
#include "platform/gdi/test_font.h"
#include "platform/ui/custom_form.h"
#include "platform/ui/font.h"
#include "platform/win/capture.h"
#include "platform/win/caret.h"
#include "platform/win/headless_backend.h"
#include "platform/win/headless_screen.h"
#include "platform/win/window.h"
#include "platform/win/window_pos.h"
#include "platform/win/x11_backend.h"
#include "tests/platform/win/x11_test_support.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {

using TPixels = std::vector<uint32_t>;

class TSynX11Test : public TX11Test {
protected:
    void TearDown() override
    {
        form_.reset();
        Pump();
        TX11Test::TearDown();
    }

    // A sizeable form holding a focused editor in the test font, with line
    // numbers in the gutter.
    TSynMemo* ShowEditor(const AnsiString& Text)
    {
        form_ = std::make_unique<TForm>(nullptr);
        form_->SetBounds(60, 40, 420, 260);
        auto* memo = new TSynMemo(form_.get());
        memo->SetBounds(10, 10, 380, 180);
        memo->SetParent(form_.get());
        for (TFont* font : {memo->Font(), memo->Gutter()->Font()}) {
            font->SetName(kTestFontName);
            font->SetHeight(-kTestFontCellHeight);
        }
        memo->Gutter()->SetShowLineNumbers(true);
        memo->SetText(Text);
        form_->SetActiveControl(memo);
        form_->Show();
        Pump();
        return memo;
    }

    // Waits until the display sends its key and mouse events to the form.
    bool FormHasXFocus()
    {
        return PumpUntil([&] {
            Window focus = 0;
            int revert = 0;
            XGetInputFocus(Other(), &focus, &revert);
            return focus == X11WindowOf(form_->Handle());
        });
    }

    // The control's window rectangle inside its form's surface.
    TRect AreaInForm(TWinControl* Control) const
    {
        TRect formRect, rect;
        GetWindowRect(form_->Handle(), &formRect);
        GetWindowRect(Control->Handle(), &rect);
        return Bounds(rect.Left - formRect.Left, rect.Top - formRect.Top, rect.Width(), rect.Height());
    }

    // What the display shows of Area of the form's surface (0xRRGGBB), or
    // nothing while the surface is not viewable.
    TPixels Displayed(const TRect& Area)
    {
        const unsigned long surface = X11WindowOf(form_->Handle());
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(Other(), surface, &attributes) || attributes.map_state != IsViewable)
            return {};
        XImage* image = XGetImage(Other(), surface, Area.Left, Area.Top, static_cast<unsigned>(Area.Width()),
                                  static_cast<unsigned>(Area.Height()), AllPlanes, ZPixmap);
        if (!image)
            return {};
        TPixels pixels;
        for (int y = 0; y < Area.Height(); ++y)
            for (int x = 0; x < Area.Width(); ++x)
                pixels.push_back(static_cast<uint32_t>(XGetPixel(image, x, y)) & 0xFFFFFF);
        XDestroyImage(image);
        return pixels;
    }

    // What the form's backing holds of Area.
    TPixels Backing(const TRect& Area) const
    {
        TSurface surface = GdiObjectAs<TGdiBitmap>(WindowOf(form_->Handle())->Backing)->Surface();
        TPixels pixels;
        for (int y = Area.Top; y < Area.Bottom; ++y)
            for (int x = Area.Left; x < Area.Right; ++x)
                pixels.push_back(surface.GetPixel(x, y) & 0xFFFFFF);
        return pixels;
    }

    static void Key(KeySym Sym)
    {
        const KeyCode code = XKeysymToKeycode(Other(), Sym);
        XTestFakeKeyEvent(Other(), code, True, 0);
        XTestFakeKeyEvent(Other(), code, False, 0);
    }

    // Where a cell's left edge is, a pixel inside it, on the screen.
    static TPoint Cell(TSynMemo* Memo, int Column, int Row)
    {
        const TPoint p = Memo->RowColumnToPixels(DisplayCoord(Column, Row));
        return Memo->ClientToScreen(Point(p.X + 1, p.Y + Memo->LineHeight() / 2));
    }

    std::unique_ptr<TForm> form_;
};

const AnsiString kText = "int main()\r\n{\r\n    return 0; // \xD5\x66\xE9\x54\r\n}";

TEST_F(TSynX11Test, DisplayShowsTheEditorAsTheHeadlessBackEndPaintsIt)
{
    // The same editor painted first without a display: the reference.
    TPixels expected;
    TCaretState headlessCaret;
    {
        std::unique_ptr<TBackend> x11 = SwapBackend(std::make_unique<THeadlessBackend>());
        TSynMemo* memo = ShowEditor(kText);
        memo->SetCaretAndSelection(BufferCoord(7, 3), BufferCoord(5, 1), BufferCoord(7, 3));
        Pump();
        ASSERT_TRUE(memo->Focused());
        GetCaretState(&headlessCaret);
        const TRasterImage image = WindowImage(memo->Handle());
        for (uint32_t pixel : image.Pixels)
            expected.push_back(pixel & 0xFFFFFF);
        form_.reset();
        Pump();
        SwapBackend(std::move(x11));
    }
    ASSERT_STREQ(Backend().Name(), "x11");

    TSynMemo* memo = ShowEditor(kText);
    memo->SetCaretAndSelection(BufferCoord(7, 3), BufferCoord(5, 1), BufferCoord(7, 3));
    ASSERT_TRUE(FormHasXFocus());
    ASSERT_TRUE(memo->Focused());
    const TRect area = AreaInForm(memo);
    ASSERT_EQ(static_cast<size_t>(area.Width() * area.Height()), expected.size());
    TPixels shown;
    const bool same = PumpUntil([&] {
        shown = Displayed(area);
        return shown == expected;
    });
    ASSERT_EQ(shown.size(), expected.size());
    size_t differ = 0;
    for (size_t i = 0; i < shown.size(); ++i)
        differ += shown[i] != expected[i];
    EXPECT_TRUE(same) << differ << " of " << shown.size() << " pixels differ from the headless picture";
    TCaretState caret;
    GetCaretState(&caret);
    EXPECT_EQ(caret.Rect, headlessCaret.Rect);
    EXPECT_EQ(caret.Lit, headlessCaret.Lit);

    // Not a blank area twice: the gutter, the selection and the text all
    // have their colours.
    const int width = area.Width();
    const auto at = [&](TPoint client) {
        const TPoint screen = memo->ClientToScreen(client);
        TRect window;
        GetWindowRect(memo->Handle(), &window);
        return shown[static_cast<size_t>((screen.Y - window.Top) * width + screen.X - window.Left)];
    };
    const auto rgb = [](TColor color) {
        const uint32_t c = static_cast<uint32_t>(ColorToRGB(color));
        return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
    };
    const TPoint selected = memo->RowColumnToPixels(DisplayCoord(8, 1));
    EXPECT_EQ(at(Point(2, 2)), rgb(memo->Gutter()->Color()));
    EXPECT_EQ(at(Point(selected.X, selected.Y + 1)), rgb(clHighlight));
    EXPECT_EQ(at(Point(selected.X + 3, selected.Y + 8)), rgb(clHighlightText));
}

TEST_F(TSynX11Test, KeysTypedOnTheDisplayEditTheText)
{
    TSynMemo* memo = ShowEditor("one\r\ntwo");
    memo->SetCaretXY(BufferCoord(4, 1));
    ASSERT_TRUE(FormHasXFocus());
    ASSERT_TRUE(memo->Focused());
    XSync(Other(), False);

    Key(XK_x);
    Key(XK_Return);
    Key(XK_y);
    Key(XK_z);
    XSync(Other(), False);
    EXPECT_TRUE(PumpUntil([&] { return memo->Text() == "onex\r\nyz\r\ntwo"; })) << memo->Text();
    EXPECT_EQ(memo->CaretXY(), BufferCoord(3, 2));

    // Back over both letters and the line break.
    for (int i = 0; i < 3; ++i)
        Key(XK_BackSpace);
    XTestFakeKeyEvent(Other(), XKeysymToKeycode(Other(), XK_Shift_L), True, 0);
    Key(XK_q);
    XTestFakeKeyEvent(Other(), XKeysymToKeycode(Other(), XK_Shift_L), False, 0);
    XSync(Other(), False);
    EXPECT_TRUE(PumpUntil([&] { return memo->Text() == "onexQ\r\ntwo"; })) << memo->Text();
    EXPECT_EQ(memo->CaretXY(), BufferCoord(6, 1));

    // The typing reached the display too.
    const TRect area = AreaInForm(memo);
    EXPECT_TRUE(PumpUntil([&] { return Displayed(area) == Backing(area); }));
}

TEST_F(TSynX11Test, MouseDragOnTheDisplaySelectsBetweenItsEnds)
{
    TSynMemo* memo = ShowEditor("abcdef\r\nghijkl\r\nmnop");
    ASSERT_TRUE(FormHasXFocus());
    ASSERT_FALSE(memo->SelAvail());

    const TPoint from = Cell(memo, 3, 1);
    const TPoint to = Cell(memo, 4, 3);
    Display* x = Other();
    XTestFakeMotionEvent(x, 0, from.X, from.Y, 0);
    XTestFakeButtonEvent(x, 1, True, 0);
    XTestFakeMotionEvent(x, 0, (from.X + to.X) / 2, (from.Y + to.Y) / 2, 0);
    XTestFakeMotionEvent(x, 0, to.X, to.Y, 0);
    XSync(x, False);
    EXPECT_TRUE(PumpUntil([&] { return memo->CaretXY() == BufferCoord(4, 3); }));
    XTestFakeButtonEvent(x, 1, False, 0);
    XSync(x, False);
    EXPECT_TRUE(PumpUntil([&] { return GetCapture() == nullptr; }));

    EXPECT_EQ(memo->BlockBegin(), BufferCoord(3, 1));
    EXPECT_EQ(memo->BlockEnd(), BufferCoord(4, 3));
    EXPECT_EQ(memo->SelText(), "cdef\r\nghijkl\r\nmno");
    EXPECT_EQ(memo->CaretXY(), BufferCoord(4, 3));
}

}  // namespace
