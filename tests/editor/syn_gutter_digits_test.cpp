// The gutter's line numbers in the fonts a user gets: every digit lies
// whole inside the number column, left of the modified bar and fold marks.
#include "syn_paint_test_support.h"

#include "editor/folding/syn_code_folding.h"

namespace {

// Whether a pixel is darker than the gutter's face: part of a digit.
bool Inked(const TRasterImage& Image, int X, int Y)
{
    const TColor c = PixelAt(Image, X, Y);
    return (c & 0xFF) + (c >> 8 & 0xFF) + (c >> 16 & 0xFF) < 3 * 0x80;
}

}  // namespace

TEST_F(TSynPaintTest, LineNumbersLieWholeLeftOfTheMarksInEachGutterFont)
{
    for (const char* face : {"Courier New", "DejaVu Sans", "WenQuanYi Micro Hei", "Tahoma"}) {
        for (int lines : {3, 300}) {
            SCOPED_TRACE(std::string(face) + ", " + std::to_string(lines) + " lines");
            TSynMemo* memo = AddMemo(0, 400, 200);
            memo->Gutter()->SetShowLineNumbers(true);
            memo->Gutter()->SetShowLineModified(true);
            memo->Gutter()->SetUseFontStyle(true);
            memo->Gutter()->Font()->SetName(face);
            memo->Gutter()->Font()->SetHeight(-11);
            memo->CodeFolding()->SetEnabled(true);
            AnsiString text;
            for (int i = 1; i <= lines; ++i)
                text += "x\r\n";
            memo->SetText(text);
            const TRasterImage image = Picture(memo);
            const int numbersEnd = memo->GutterWidth() - memo->Gutter()->RightOffset();
            int inkLeft = 0;
            for (int y = 0; y < 3 * memo->LineHeight(); ++y) {
                for (int x = numbersEnd; x < memo->GutterWidth() - 2; ++x)
                    EXPECT_FALSE(Inked(image, x, y)) << "a digit runs under the marks at " << x << "," << y;
                for (int x = 0; x < numbersEnd; ++x)
                    inkLeft += Inked(image, x, y);
            }
            EXPECT_GT(inkLeft, 0) << "no digits drawn";
            delete memo;
        }
    }
}
