// Unknown words underlined in a memo after it paints: only in the text of
// the attributes the checker names, never under double-byte characters,
// with the wave of the chosen style, and never over the gutter.
#include <gtest/gtest.h>

#include <memory>

#include "editor_services/spelling/syn_spell_check.h"
#include "editor_services/spelling/syn_spell_plugin.h"
#include "platform/base/string_list.h"
#include "tests/editor/syn_paint_test_support.h"

namespace {

class SpellPluginTest : public TSynPaintTest {
protected:
    void SetUp() override
    {
        TSynPaintTest::SetUp();
        checker_ = std::make_unique<TZavIdiziCheck>(nullptr);
        checker_->SystemWordList.clear();
        checker_->AddWord("good");
        checker_->Options = {sscoAutoSpellCheck};
        memo_ = AddPaintMemo(400, 120);
    }
    void TearDown() override
    {
        checker_.reset();
        TSynPaintTest::TearDown();
    }

    // The underline's pixels in the cell (Col, Row): the wave lies in the
    // last four pixel rows of the text row.
    int WavePixels(const TRasterImage& Image, int Col, int Row, TColor Color = clRed) const
    {
        int count = 0;
        for (int x = ColX(memo_, Col); x < ColX(memo_, Col) + kCellWidth; ++x)
            for (int y = RowY(Row) + kRowHeight - 4; y < RowY(Row) + kRowHeight; ++y)
                count += At(Image, x, y) == Rgb(Color);
        return count;
    }
    // The columns (from 1) of Row whose cells carry an underline, as a
    // string of '^' and '.' over the first Cols columns.
    std::string Marks(const TRasterImage& Image, int Row, int Cols) const
    {
        std::string marks;
        for (int col = 1; col <= Cols; ++col)
            marks += WavePixels(Image, col, Row) > 0 ? '^' : '.';
        return marks;
    }

    std::unique_ptr<TZavIdiziCheck> checker_;
    TSynMemo* memo_ = nullptr;
};

TEST_F(SpellPluginTest, OnlyWordsOfTheCheckedAttributesAreUnderlined)
{
    TWordSyn highlighter;
    memo_->SetHighlighter(&highlighter);
    memo_->SetText("good bad # good bad\r\n# 說abc 中文 門x");
    checker_->SetEditor(memo_);
    // Identifiers are not checked; the comment is, and its bad is unknown.
    // 說's trail byte (f) does not join abc; 中文 and 門 are no words.
    TRasterImage image = Picture(memo_);
    EXPECT_EQ(Marks(image, 1, 20), "................^^^.");
    EXPECT_EQ(Marks(image, 2, 16), "....^^^........^");

    checker_->CheckAttribs()->Add("Ident");
    image = Picture(memo_);
    EXPECT_EQ(Marks(image, 1, 20), ".....^^^........^^^.");
    memo_->SetHighlighter(nullptr);
}

TEST_F(SpellPluginTest, WithoutAHighlighterEveryUnknownWordIsUnderlined)
{
    memo_->SetText("good bad Good x-ray\r\n說abc中文ok");
    checker_->SetEditor(memo_);
    TRasterImage image = Picture(memo_);
    EXPECT_EQ(Marks(image, 1, 20), ".....^^^......^^^^^.");
    EXPECT_EQ(Marks(image, 2, 13), "..^^^....^^..");
    checker_->SkipList()->Add("X-RAY");
    checker_->AddWord("abc");
    image = Picture(memo_);
    EXPECT_EQ(Marks(image, 1, 20), ".....^^^............");
    EXPECT_EQ(Marks(image, 2, 13), ".........^^..");
}

TEST_F(SpellPluginTest, TheWaveOfEachStyle)
{
    memo_->SetText("bad");
    checker_->SetEditor(memo_);
    const int left = ColX(memo_, 1);
    const int base = RowY(1) + kRowHeight - 3;
    for (const auto& [style, offsets] : {std::pair{usMicrosoftWord, std::array{0, 1, 2, 1}},
                                         std::pair{usCorelWordPerfect, std::array{2, 1, 0, -1}}}) {
        checker_->SetUnderlineStyle(style);
        const TRasterImage image = Picture(memo_);
        for (int x = left; x < left + 3 * kCellWidth; ++x)
            for (int y = base - 2; y <= base + 2; ++y)
                EXPECT_EQ(At(image, x, y) == Rgb(clRed), y == base + offsets[(x - left) % 4])
                    << "style " << style << " x " << x - left << " y " << y - base;
        EXPECT_EQ(WavePixels(image, 4, 1), 0);
    }
}

TEST_F(SpellPluginTest, ANewPenColourRepaintsTheCurrentEditor)
{
    memo_->SetText("bad");
    checker_->SetEditor(memo_);
    Picture(memo_);
    checker_->SetPenColor(clBlue);
    memo_->Update();  // only what the new colour invalidated is painted
    const TRasterImage image = WindowImage(memo_->Handle());
    EXPECT_EQ(WavePixels(image, 1, 1, clRed), 0);
    EXPECT_EQ(WavePixels(image, 1, 1, clBlue), kCellWidth);
}

TEST_F(SpellPluginTest, NothingIsDrawnWithoutTheOptionOrACurrentEditor)
{
    memo_->SetText("bad");
    EXPECT_EQ(checker_->AddEditor(memo_), 0);
    EXPECT_EQ(checker_->Editor(), nullptr);
    EXPECT_EQ(Marks(Picture(memo_), 1, 3), "...");
    checker_->SetEditor(memo_);
    EXPECT_EQ(Marks(Picture(memo_), 1, 3), "^^^");
    checker_->Options = {};
    EXPECT_EQ(Marks(Picture(memo_), 1, 3), "...");
}

TEST_F(SpellPluginTest, TheGutterIsNeverDrawnOver)
{
    memo_->SetText("badly spelt");
    checker_->SetEditor(memo_);
    memo_->SetLeftChar(3);
    const TRasterImage image = Picture(memo_);
    for (int x = 0; x < memo_->GutterWidth(); ++x)
        for (int y = 0; y < kRowHeight; ++y)
            EXPECT_NE(At(image, x, y), Rgb(clRed)) << x << "," << y;
    // dly of badly, from the text's left edge, is still underlined.
    EXPECT_EQ(Marks(image, 1, 3), "^^^");
}

TEST_F(SpellPluginTest, EditorsComeAndGoInEitherOrder)
{
    memo_->SetText("bad");
    TSynMemo* other = AddPaintMemo(200, 60);
    other->SetText("bad");
    EXPECT_EQ(checker_->AddEditor(nullptr), -1);
    EXPECT_EQ(checker_->AddEditor(memo_), 0);
    EXPECT_EQ(checker_->AddEditor(other), 1);
    EXPECT_EQ(checker_->AddEditor(memo_), 0);
    checker_->SetEditor(other);
    // Freeing an attached, current editor detaches it.
    delete other;
    EXPECT_EQ(checker_->Editor(), nullptr);
    EXPECT_FALSE(checker_->RemoveEditor(other));
    checker_->SetEditor(memo_);
    EXPECT_TRUE(checker_->RemoveEditor(memo_));
    EXPECT_EQ(checker_->Editor(), nullptr);
    EXPECT_EQ(Marks(Picture(memo_), 1, 3), "...");
    // A checker that goes first takes its plug-in with it: the editor
    // paints on without it.
    checker_->SetEditor(memo_);
    EXPECT_EQ(Marks(Picture(memo_), 1, 3), "^^^");
    checker_.reset();
    EXPECT_EQ(Marks(Picture(memo_), 1, 3), "...");
}

TEST_F(SpellPluginTest, TheWordAtAPositionOfTheEditor)
{
    memo_->SetText("說abc x_y\r\n");
    const auto wordAt = [&](int Char, int Line, bool UseWordChars) {
        AnsiString word = "stale";
        checker_->GetWordAt(memo_, BufferCoord(Char, Line), checker_->WordChars(), word, UseWordChars);
        return word;
    };
    EXPECT_EQ(wordAt(3, 1, true), "abc");
    EXPECT_EQ(wordAt(6, 1, true), "abc");  // just past the word
    EXPECT_EQ(wordAt(2, 1, true), "");     // on 說's trail byte, an f
    EXPECT_EQ(wordAt(1, 1, true), "");
    EXPECT_EQ(wordAt(8, 1, true), "x");    // _ is no word character of the checker
    EXPECT_EQ(wordAt(11, 1, true), "");    // past the line's end
    EXPECT_EQ(wordAt(0, 1, true), "");
    EXPECT_EQ(wordAt(1, 3, true), "");
    // With a highlighter its identifier characters are used, unless the
    // caller insists on its own.
    TWordSyn highlighter;
    memo_->SetHighlighter(&highlighter);
    EXPECT_EQ(wordAt(8, 1, false), "x_y");
    EXPECT_EQ(wordAt(2, 1, false), "");
    EXPECT_EQ(wordAt(8, 1, true), "x");
    memo_->SetHighlighter(nullptr);
}

}  // namespace
