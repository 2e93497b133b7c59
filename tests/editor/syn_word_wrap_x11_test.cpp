// Typing in a long word-wrapped document on a real X display: the lines
// break and join where the keys say, and every step shows what a full
// repaint shows.
#include "syn_x11_fixture.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "editor/view/syn_word_wrap.h"
#include "platform/gdi/png_codec.h"
#include "platform/gdi/raster_image.h"
#include "platform/win/caret.h"

#include <X11/Xlib.h>
#include <X11/keysym.h>

namespace {

// With TANDRIL_SCREENSHOT set, what the display shows of Area goes to the
// PNG file it names, for a person to look at.
void SaveScreenshot(const TPixels& Pixels, const TRect& Area)
{
    const char* file = std::getenv("TANDRIL_SCREENSHOT");
    if (!file || Pixels.empty())
        return;
    TRasterImage image{Area.Width(), Area.Height(), {}, false};
    for (uint32_t pixel : Pixels)
        image.Pixels.push_back(pixel | 0xFF000000);
    const std::vector<uint8_t> png = WritePng(image);
    if (FILE* out = std::fopen(file, "wb")) {
        std::fwrite(png.data(), 1, png.size(), out);
        std::fclose(out);
    }
}

TEST_F(TSynX11Test, TypingInALongWrappedDocumentShowsWhatAFullRepaintShows)
{
    // Lines of many lengths, enough of them to lie in several blocks of rows.
    AnsiString text;
    std::vector<AnsiString> lines;
    for (int i = 0; i < 3000; ++i) {
        AnsiString line = "line " + std::to_string(i + 1) + ":";
        for (int word = 0; word < i % 9; ++word)
            line += word % 3 == 0 ? " \xD5\x66\xE9\x54\xD6\xD0" : " wrapped words";
        lines.push_back(line);
        text += (i ? "\r\n" : "") + line;
    }
    TSynMemo* memo = ShowEditor(text, false);
    memo->WordWrap()->SetEnabled(true);
    memo->SetCaretXY(BufferCoord(static_cast<int>(lines[1506].size()) + 1, 1507));
    ASSERT_TRUE(FormHasXFocus());
    const TRect area = AreaInForm(memo);
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
    const int rowsBefore = memo->LineToRow(3001);

    // A new line holding "x y", then one Backspace joining it back.
    for (unsigned long sym : {XK_Return, XK_x, XK_space, XK_y})
        Key(sym);
    XSync(Other(), False);
    ASSERT_TRUE(PumpUntil([&] { return memo->Lines()->Count() == 3001 && memo->CaretX() == 4; }));
    EXPECT_EQ(memo->Lines()->Strings(1506), lines[1506]);
    EXPECT_EQ(memo->Lines()->Strings(1507), "x y");
    EXPECT_EQ(memo->LineToRow(1509), memo->LineToRow(1508) + 1);
    EXPECT_EQ(memo->LineToRow(3002), rowsBefore + 1);
    EXPECT_EQ(differ(), 0u);

    memo->SetCaretXY(BufferCoord(1, 1508));
    Key(XK_BackSpace);
    XSync(Other(), False);
    ASSERT_TRUE(PumpUntil([&] { return memo->Lines()->Count() == 3000; }));
    EXPECT_EQ(memo->Lines()->Strings(1506), lines[1506] + "x y");
    EXPECT_EQ(memo->Lines()->Strings(1507), lines[1507]);
    EXPECT_EQ(memo->DisplayToBufferPos(DisplayCoord(1, memo->LineToRow(2999))), BufferCoord(1, 2999));
    EXPECT_EQ(differ(), 0u);
    SaveScreenshot(Displayed(area), area);

}

}  // namespace
