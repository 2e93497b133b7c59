#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <memory>

#include "editor/completion/syn_completion_form.h"
#include "editor/completion/syn_completion_formatted.h"
#include "platform/base/string_list.h"
#include "platform/gdi/test_font.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/image_list.h"
#include "platform/ui/kernel/screen.h"
#include "platform/win/system_metrics.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"

namespace {

TEST(SynCompletionFormatted, ParsesTags)
{
    TFormatChunkList chunks;
    EXPECT_TRUE(ParseFormatChunks("a\\\\b", chunks, {}));
    ASSERT_EQ(chunks.Count(), 1);
    EXPECT_EQ(chunks.Items(0).Str, "a\\b");

    EXPECT_TRUE(ParseFormatChunks("\\style{+b}x\\COLOR{clRed}y\\hspace{7}\\image{2}", chunks, {}));
    ASSERT_EQ(chunks.Count(), 6);
    EXPECT_EQ(chunks.Items(0).Command, fcStyle);
    EXPECT_EQ(chunks.Items(0).StyleLetter, 'B');
    EXPECT_EQ(chunks.Items(0).StyleAction, 1);
    EXPECT_EQ(chunks.Items(1).Str, "x");
    EXPECT_EQ(chunks.Items(2).Color, clRed);
    EXPECT_EQ(chunks.Items(4).Number, 7);
    EXPECT_EQ(chunks.Items(5).Command, fcImage);

    EXPECT_FALSE(ParseFormatChunks("\\style{*B}x", chunks, {}));
    EXPECT_FALSE(ParseFormatChunks("\\column{x}", chunks, {}));
    EXPECT_FALSE(ParseFormatChunks("\\bogus{}", chunks, {}));
    // 乗 ends in a backslash byte: it is a character, not a tag.
    EXPECT_TRUE(ParseFormatChunks("\x81\x5C{x}", chunks, {}));
    ASSERT_EQ(chunks.Count(), 1);
    EXPECT_EQ(chunks.Items(0).Str, "\x81\x5C{x}");

    EXPECT_EQ(PrettyTextToText("\\style{+B}name\\style{-B}\\column{}desc"), "namedesc");
    EXPECT_EQ(PrettyTextToText("\xD5\x66\\color{$FF}\xE9\x54"), "\xD5\x66\xE9\x54");
    EXPECT_EQ(FormatParamList("a, b, c", 1), "a \\style{~B}b\\style{~B} c");
    EXPECT_EQ(FormatParamList("a, b", -1), "a b");
}

TEST(SynCompletionFormatted, MeasuresAndPaints)
{
    TBitmap bitmap;
    bitmap.SetSize(200, 20);
    TCanvas* canvas = bitmap.Canvas();
    canvas->Font()->SetName(kTestFontName);
    canvas->Font()->SetColor(clBlack);
    canvas->Brush()->SetColor(clWhite);
    canvas->FillRect(Rect(0, 0, 200, 20));
    const int ab = canvas->TextWidth("ab");

    EXPECT_EQ(FormattedTextWidth(canvas, "ab\\hspace{5}", nullptr, nullptr), ab + 5);
    // No columns: a column tag does not move; no image list or a bad index: no image.
    EXPECT_EQ(FormattedTextWidth(canvas, "ab\\column{}\\image{0}", nullptr, nullptr), ab);
    TImageList images(nullptr);
    EXPECT_EQ(FormattedTextWidth(canvas, "ab\\image{3}\\image{-1}", nullptr, &images), ab);
    EXPECT_EQ(FormattedTextOut(canvas, Rect(0, 0, 200, 20), "ab\\image{0}", false, nullptr, &images), ab);
    EXPECT_EQ(FormattedTextOut(canvas, Rect(0, 0, 200, 20), "ab\\image{0}", false, nullptr, nullptr), ab);
    // Space as wide as the host's text says, without overflowing.
    EXPECT_EQ(FormattedTextWidth(canvas, "\\hspace{2147483647}\\hspace{9}ab", nullptr, nullptr), INT_MAX);
    EXPECT_EQ(FormattedTextWidth(canvas, "ab\\hspace{-3}", nullptr, nullptr), ab - 3);

    TProposalColumns columns(nullptr);
    columns.Add()->SetBiggestWord("XX");
    const int column = canvas->TextWidth("XX ");
    EXPECT_EQ(FormattedTextWidth(canvas, "a\\column{}ab", &columns, nullptr), column + ab);

    EXPECT_EQ(FormattedTextOut(canvas, Rect(0, 0, 200, 20), "\\color{clRed}ab", false, nullptr, nullptr), ab);
    bool red = false;
    bool black = false;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < ab; ++x) {
            red |= canvas->Pixels(x, y) == clRed;
            black |= canvas->Pixels(x, y) == clBlack;
        }
    EXPECT_TRUE(red);
    EXPECT_FALSE(black);
    EXPECT_EQ(canvas->Font()->Color(), clBlack);  // the font is restored

    // Selected items keep the text colour.
    canvas->FillRect(Rect(0, 0, 200, 20));
    FormattedTextOut(canvas, Rect(0, 0, 200, 20), "\\color{clRed}ab", true, nullptr, nullptr);
    red = false;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < ab; ++x)
            red |= canvas->Pixels(x, y) == clRed;
    EXPECT_FALSE(red);
}

class TSynCompletionFormTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { setenv("TANDRIL_BACKEND", "headless", 1); }
    void SetUp() override
    {
        form = std::make_unique<TSynBaseCompletionProposalForm>(nullptr);
        form->SetCompletionOptions(TSynCompletionOptions{scoLimitToMatchedText});
        form->ItemList()->SetCommaText("alpha,beta,\xD5\x66one,\xD5\x66two,\xD5\x66\xE9\x54");
        form->OnChange = TCompletionChange::FromCallable([this](TObject*, int index) { changes.push_back(index); });
        form->OnValidate = TValidateEvent::FromCallable([this](TObject*, TShiftState, char) { ++validated; });
    }
    std::unique_ptr<TSynBaseCompletionProposalForm> form;
    std::vector<int> changes;
    int validated = 0;
};

TEST_F(TSynCompletionFormTest, FiltersAndMoves)
{
    form->SetCurrentString("\xD5\x66");
    ASSERT_EQ(form->AssignedList()->Count(), 3);
    EXPECT_EQ(form->Position(), 0);
    EXPECT_EQ(form->UnfilteredIndex(2), 4);
    form->MoveLine(5);
    EXPECT_EQ(form->Position(), 2);
    form->MoveLine(-7);
    EXPECT_EQ(form->Position(), 0);

    form->SetCurrentString("ALP");  // ignoring case by default
    EXPECT_EQ(form->AssignedList()->Count(), 1);
    form->SetCompletionOptions(TSynCompletionOptions{scoLimitToMatchedText, scoCaseSensitive});
    form->SetCurrentString("ALP");
    EXPECT_EQ(form->AssignedList()->Count(), 0);
    EXPECT_EQ(form->Position(), -1);
    form->MoveLine(1);
    form->MoveLine(-1);
    EXPECT_EQ(form->Position(), -1);

    // Without limiting, every item stays and the first match is selected.
    form->SetCompletionOptions(TSynCompletionOptions{});
    form->SetCurrentString("\xD5\x66t");
    EXPECT_EQ(form->AssignedList()->Count(), 5);
    EXPECT_EQ(form->Position(), 3);
    form->SetCurrentString("zzz");
    EXPECT_EQ(form->Position(), 0);
    EXPECT_TRUE(changes.empty());  // a hidden popup reports nothing
}

TEST_F(TSynCompletionFormTest, KeysAndClicksOnTheList)
{
    form->SetCurrentString("");
    form->SetNbLinesInWindow(2);
    form->SetTitle("T");
    form->Perform(WM_KEYDOWN, VK_NEXT, 0);
    EXPECT_EQ(form->Position(), 2);
    EXPECT_EQ(form->ScrollPos(), 1);
    form->Perform(WM_KEYDOWN, VK_HOME, 0);
    EXPECT_EQ(form->Position(), 0);

    // Presses on the title band or below the last row leave the selection,
    // and a double click there accepts nothing; on a row it does.
    const int title = form->TitleHeight();
    ASSERT_GT(title, 0);
    const auto click = [&](int Y, UINT Message) {
        form->Perform(Message, 0, PointToLParam(5, Y));
        form->Perform(WM_LBUTTONUP, 0, PointToLParam(5, Y));
    };
    form->SetCurrentString("b");
    form->SetPosition(0);
    EXPECT_EQ(form->ItemAtY(title + form->ItemHeight()), -1);
    for (int y : {title - 1, title + form->ItemHeight()}) {
        click(y, WM_LBUTTONDOWN);
        click(y, WM_LBUTTONDBLCLK);
    }
    EXPECT_EQ(validated, 0);
    form->SetCurrentString("");
    form->SetPosition(3);  // rows 2 and 3 in view
    click(title + form->ItemHeight() - 1, WM_LBUTTONDOWN);
    EXPECT_EQ(form->Position(), 2);
    click(title + form->ItemHeight(), WM_LBUTTONDOWN);
    click(title + form->ItemHeight(), WM_LBUTTONDBLCLK);
    EXPECT_EQ(form->Position(), 3);
    EXPECT_EQ(validated, 1);
    validated = 0;

    // A double-byte character is one unit of the typed string.
    form->SetCurrentString("\xD5\x66\xE9\x54");
    form->Perform(WM_KEYDOWN, VK_BACK, 0);
    EXPECT_EQ(form->CurrentString(), "\xD5\x66");
    EXPECT_EQ(form->AssignedList()->Count(), 3);
    form->Perform(WM_KEYDOWN, VK_LEFT, 0);
    EXPECT_EQ(form->CurrentString(), "");

    // An empty list accepts nothing on a double click.
    form->SetCurrentString("q");
    form->Perform(WM_LBUTTONDBLCLK, 0, 0);
    EXPECT_EQ(validated, 0);
}

TEST_F(TSynCompletionFormTest, SizesAndPlacesOnTheScreen)
{
    form->SetNbLinesInWindow(4);
    form->PlaceAt(10, 10, 260);
    EXPECT_EQ(form->Width(), 260);
    EXPECT_EQ(form->Height(), form->ItemHeight() * 4 + 2 * GetSystemMetrics(SM_CYFRAME));
    form->PlaceAt(Screen->Width() - 10, Screen->Height() - 5, 260);
    EXPECT_EQ(form->Left(), Screen->Width() - 260 - 5);
    EXPECT_EQ(form->Top(), Screen->Height() - 5 - form->Height() - 2);

    form->SetDisplayType(ctParams);
    form->ItemList()->Clear();
    form->ItemList()->Add("x, yy");
    form->PlaceAt(0, 0, 260);
    EXPECT_EQ(form->Height(), form->ItemHeight() + 2 + 2 * form->Margin());
}

}  // namespace
