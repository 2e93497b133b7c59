// The editor on a real X display: what it paints reaches the display pixel
// for pixel as the headless back end keeps it, and keys and mouse from the
// display edit and select as injected input does.
#include "syn_x11_fixture.h"

#include <cstdint>
#include <memory>
#include <string>

#include "editor/folding/fold_regions.h"
#include "editor/folding/syn_code_folding.h"
#include "editor/folding/syn_fold_ranges.h"
#include "editor/view/syn_gutter.h"
#include "editor/view/syn_text_drawer.h"
#include "platform/base/sys_utils.h"
#include "platform/ui/graphics/font.h"
#include "platform/win/capture.h"
#include "platform/win/caret.h"
#include "platform/win/headless_backend.h"
#include "platform/win/headless_screen.h"
#include "tests/editor/syn_fold_test_support.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {

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
    const auto at = [&](TPoint client) { return ClientPixel(shown, memo, client); };
    const TPoint selected = memo->RowColumnToPixels(DisplayCoord(8, 1));
    EXPECT_EQ(at(Point(2, 2)), Rgb(memo->Gutter()->Color()));
    EXPECT_EQ(at(Point(selected.X, selected.Y + 1)), Rgb(clHighlight));
    EXPECT_EQ(at(Point(selected.X + 3, selected.Y + 8)), Rgb(clHighlightText));
}

// A gutter font smaller than the text (the default) and one larger: the
// numbers keep the text's row pitch, and scrolling moves them with their
// rows.
TEST_F(TSynX11Test, LineNumbersStayOnTheirRowsWhateverTheGutterFont)
{
    AnsiString text;
    for (int line = 1; line <= 80; ++line)
        text += "line " + IntToStr(line) + " \xD5\x66\xE9\x54\xDF\x40\r\n";
    {
        // Measured from the start, before any font or parent is set.
        TSynMemo fresh(nullptr);
        EXPECT_EQ(fresh.LineHeight(), fresh.TextDrawer()->BaseCharHeight() + 2);
    }
    TSynMemo* memo = ShowEditor(text, false);
    memo->SetCaretXY(BufferCoord(1, 1));
    const TRect area = AreaInForm(memo);

    // Every row's number, as the ink in its row of the gutter: there must
    // be some, and it must stand at the same height in every row (digits
    // share their top and their baseline).
    const auto expectNumberInEveryRow = [&](const TPixels& Shown) {
        const uint32_t face = Rgb(memo->Gutter()->Color());
        const int rowHeight = memo->LineHeight();
        const int numbersRight = memo->GutterWidth() - memo->Gutter()->RightOffset();
        int firstTop = -1, firstBottom = -1;
        for (int row = 0; row < memo->LinesInWindow(); ++row) {
            int top = -1, bottom = -1;
            for (int y = 0; y < rowHeight; ++y) {
                for (int x = 0; x < numbersRight; ++x) {
                    if (ClientPixel(Shown, memo, Point(x, row * rowHeight + y)) != face) {
                        top = top < 0 ? y : top;
                        bottom = y;
                    }
                }
            }
            ASSERT_GE(top, 0) << "no number in row " << row + 1;
            if (row == 0) {
                firstTop = top;
                firstBottom = bottom;
            }
            EXPECT_EQ(top, firstTop) << "row " << row + 1;
            EXPECT_EQ(bottom, firstBottom) << "row " << row + 1;
        }
    };
    const int textHeight = memo->LineHeight();
    for (const int size : {memo->Gutter()->Font()->Size(), 2 * memo->Font()->Size()}) {
        SCOPED_TRACE("gutter font size " + std::to_string(size));
        memo->Gutter()->Font()->SetSize(size);
        memo->SetTopLine(1);
        ASSERT_EQ(memo->LineHeight(), textHeight);
        int top = 1;
        for (const int step : {1, 3, 12}) {
            SCOPED_TRACE("scrolled by " + std::to_string(step));
            top += step;
            memo->SetTopLine(top);
            ASSERT_EQ(memo->TopLine(), top);
            const TPixels scrolled = ShownWhenPainted(area);
            memo->Invalidate();
            const TPixels repainted = ShownWhenPainted(area);
            ASSERT_FALSE(repainted.empty());
            EXPECT_TRUE(scrolled == repainted) << "the scrolled picture differs from a full repaint";
            expectNumberInEveryRow(repainted);
        }
    }
}

// Keys from the display move the caret into and out of a block and grow a
// selection: the indent guides of the caret's block and the selection show
// on the display as a full repaint shows them.
TEST_F(TSynX11Test, CaretAndSelectionMovesShowWhatAFullRepaintShows)
{
    TSynMemo* memo = ShowEditor("void f()\r\n{\r\n    if (a) {\r\n        x(\xD5\x66);\r\n        y();\r\n    }\r\n"
                                "    z();\r\n}");
    memo->CodeFolding()->SetHighlighterFoldRegions(false);
    memo->CodeFolding()->FoldRegions()->Add(frtOneChar, false, false, false, "{", "}");
    memo->CodeFolding()->SetEnabled(true);
    memo->RebuildFoldRanges();
    memo->SetCaretXY(BufferCoord(9, 4));
    ASSERT_TRUE(FormHasXFocus());
    const TRect area = AreaInForm(memo);
    // The caret blinks on its own clock: hidden while the pictures are taken.
    const auto differ = [&] {
        ::HideCaret(memo->Handle());
        const TPixels shown = ShownWhenPainted(area);
        memo->Invalidate();
        const TPixels repainted = ShownWhenPainted(area);
        ::ShowCaret(memo->Handle());
        size_t count = shown.empty() || repainted.size() != shown.size() ? shown.size() + 1 : 0;
        for (size_t i = 0; i < shown.size() && i < repainted.size(); ++i)
            count += shown[i] != repainted[i];
        return count;
    };
    EXPECT_EQ(differ(), 0u);
    const struct {
        unsigned long Sym;
        bool Shift;
        int Line;
    } steps[] = {{XK_Down, false, 5}, {XK_Down, false, 6}, {XK_Down, false, 7},
                 {XK_Up, true, 6},    {XK_Up, true, 5},    {XK_Up, false, 4}};
    const unsigned shift = XKeysymToKeycode(Other(), XK_Shift_L);
    for (const auto& step : steps) {
        if (step.Shift)
            XTestFakeKeyEvent(Other(), shift, True, 0);
        Key(step.Sym);
        if (step.Shift)
            XTestFakeKeyEvent(Other(), shift, False, 0);
        XSync(Other(), False);
        ASSERT_TRUE(PumpUntil([&] { return memo->CaretY() == step.Line; })) << "caret on line " << memo->CaretY();
        EXPECT_EQ(memo->SelAvail(), step.Shift);
        EXPECT_EQ(differ(), 0u) << "caret on line " << step.Line;
    }
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

// Braces typed on the display below a collapsed block, in the fonts a user
// gets: the folds are found again as a rebuild finds them, and the display
// shows what a full repaint of the editor shows.
TEST_F(TSynX11Test, BracesTypedBelowACollapsedBlockShowTheFoldsARepaintShows)
{
    AnsiString text;
    for (int block = 0; block < 60; ++block)
        text += "void f() {\r\n    if (x) {\r\n        y(\"{\");\r\n    }\r\n}\r\n";
    const auto foldBraces = [](TSynCodeFolding* Folding) {
        Folding->SetHighlighterFoldRegions(false);
        Folding->FoldRegions()->SkipRegions()->Add("\"", "\"", "\\", srtCloseChar);
        Folding->FoldRegions()->Add(frtOneChar, false, false, false, "{", "}");
        Folding->SetEnabled(true);
    };
    TSynMemo* memo = ShowEditor(text, false);
    foldBraces(memo->CodeFolding());
    memo->RebuildFoldRanges();
    memo->Collapse(memo->GetFoldRangeStartingAt(6));  // the second function
    const int lines = memo->Lines()->Count();
    memo->SetCaretXY(BufferCoord(13, 8));  // after "if (x) {" of the third
    ASSERT_TRUE(FormHasXFocus());
    XSync(Other(), False);

    const KeyCode shift = XKeysymToKeycode(Other(), XK_Shift_L);
    for (const unsigned long sym : {XK_braceleft, XK_Return, XK_braceright}) {
        if (sym != XK_Return)
            XTestFakeKeyEvent(Other(), shift, True, 0);
        Key(sym);
        if (sym != XK_Return)
            XTestFakeKeyEvent(Other(), shift, False, 0);
    }
    XSync(Other(), False);
    ASSERT_TRUE(PumpUntil([&] {
        return memo->Lines()->Count() == lines + 1 && memo->Lines()->Strings(8).ends_with("}");
    })) << memo->Lines()->Strings(7);
    EXPECT_EQ(memo->Lines()->Strings(7), "    if (x) {{");
    EXPECT_TRUE(memo->GetFoldRangeStartingAt(6)->Collapsed);
    TSynMemo fresh(nullptr);
    foldBraces(fresh.CodeFolding());
    fresh.SetText(memo->Text());
    fresh.RebuildFoldRanges();
    EXPECT_EQ(DescribeFoldTree(*ExpandedFoldRanges(*memo)), DescribeFoldTree(*fresh.AllFoldRanges()));

    const TRect area = AreaInForm(memo);
    const TPixels typed = ShownWhenPainted(area);
    ASSERT_FALSE(typed.empty());
    memo->Repaint();
    EXPECT_EQ(ShownWhenPainted(area), typed);
}
