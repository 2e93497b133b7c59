// Rich edits: attributes kept by runs through typing and changes, set over
// GBK text on whole characters, rows as tall as their tallest run, the
// line queries, OnSelectionChange on every caret move, and the look of
// three fonts against golden/rich_edit.png.

#include "platform/ui/textedit/rich_edit.h"

#include <vector>

#include "edit_test_support.h"
#include "platform/base/strings.h"
#include "platform/gdi/test_font.h"
#include "platform/win/caret.h"
#include "platform/win/edit_control_messages.h"
#include "platform/win/headless_input.h"
#include "platform/win/headless_screen.h"
#include "platform/win/keyboard.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_proc.h"
#include "tests/support/golden_image.h"
#include "tests/support/test_data.h"

namespace {

class TRichEditTest : public TEditTest {
protected:
    TRichEdit* ShowRichEdit(int Width = 300, int Height = 150)
    {
        rich_ = new TRichEdit(form_.get());
        ShowBox(rich_, Width, Height);
        return rich_;
    }

    // The heights of the formats of the text's bytes, one letter each: S
    // for the default 16, B for 32, M for 24.
    std::string Heights()
    {
        std::string heights;
        for (int i = 0; i < static_cast<int>(BoxText().size()); ++i) {
            int height = std::abs(rich_->FormatAt(i).Height());
            heights += height == 16 ? 'S' : height == 32 ? 'B' : height == 24 ? 'M' : '?';
        }
        return heights;
    }

    int Line(int Offset) { return static_cast<int>(SendMessage(Box(), EM_LINEFROMCHAR, static_cast<WPARAM>(Offset), 0)); }

    TRichEdit* rich_ = nullptr;
};

TEST_F(TRichEditTest, PerLineFontsSurviveTyping)
{
    ShowRichEdit();
    rich_->SetText("abc\r\ndef\r\nghi");
    Select(0, 3);
    rich_->SelAttributes()->SetHeight(32);
    Select(10, 13);
    rich_->SelAttributes()->SetHeight(24);
    rich_->SelAttributes()->SetStyle(TFontStyles{fsBold});
    EXPECT_EQ(Heights(), "BBBSSSSSSSMMM");

    // Typed at the end of a line, at the start of one and in the middle:
    // the text takes the attributes of its own line.
    Select(3, 3);
    SendChars("xy");
    Select(7, 7);
    SendChars("q");
    Select(13, 13);
    SendChars("z");
    EXPECT_EQ(BoxText(), "abcxy\r\nqdef\r\nzghi");
    EXPECT_EQ(Heights(), "BBBBBSSSSSSSSMMMM");
    EXPECT_TRUE(rich_->FormatAt(13).Style().Contains(fsBold));
    // Typing over a selection takes the attributes of its first character.
    Select(1, 9);
    SendChars("k");
    EXPECT_EQ(BoxText(), "akef\r\nzghi");
    EXPECT_EQ(Heights(), "BBSSSSMMMM");
    // Each row as tall as its tallest run: a click 2 pixels into the third
    // row (1 + 32 + 24 down) lands there.
    rich_->SetText("big\r\nmid\r\nsmall");
    Select(0, 3);
    rich_->SelAttributes()->SetHeight(32);
    Select(5, 8);
    rich_->SelAttributes()->SetHeight(24);
    // The caret spans the row it is in.
    auto caretHeight = [] {
        TCaretState caret;
        return GetCaretState(&caret) && caret.Shown ? caret.Rect.Height() : -1;
    };
    Click(4, 1 + 32 + 24 + 2);
    EXPECT_EQ(Selection(), std::make_pair(10, 10));
    EXPECT_EQ(caretHeight(), 16);
    Click(4, 1 + 32 + 2);
    EXPECT_EQ(Selection(), std::make_pair(5, 5));
    EXPECT_EQ(caretHeight(), 24);
    Click(4, 1 + 30);
    EXPECT_EQ(Selection(), std::make_pair(0, 0));
    EXPECT_EQ(caretHeight(), 32);
}

TEST_F(TRichEditTest, SelAttributesCoverWholeGbkCharacters)
{
    ShowRichEdit();
    rich_->SetText(Shuo + Men + Zhe + Cheng + Zhong);
    // From inside 說 to inside 門: the selection is 說, whole.
    Select(1, 3);
    EXPECT_EQ(Selection(), std::make_pair(0, 2));
    rich_->SelAttributes()->SetHeight(32);
    EXPECT_EQ(Heights(), "BBSSSSSSSS");
    // 門這 in red, over the two sizes: each keeps its size.
    Select(0, 6);
    rich_->SelAttributes()->SetColor(clRed);
    EXPECT_EQ(Heights(), "BBSSSSSSSS");
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(rich_->FormatAt(i).Color(), i < 6 ? clRed : clWindowText) << i;
    // Reading gives the first character's attributes.
    EXPECT_EQ(rich_->SelAttributes()->Height(), 32);
    Select(2, 6);
    EXPECT_EQ(std::abs(rich_->SelAttributes()->Height()), 16);
    EXPECT_EQ(rich_->SelAttributes()->Color(), clRed);
    // A double-byte character typed inside a run takes the run's
    // attributes for both its bytes.
    Select(1 * 2, 1 * 2);
    SendChars(Zhong);
    EXPECT_EQ(BoxText(), Shuo + Zhong + Men + Zhe + Cheng + Zhong);
    EXPECT_EQ(Heights(), "BBBBSSSSSSSS");
    // With nothing selected the attributes wait for what is typed next.
    Select(12, 12);
    rich_->SelAttributes()->SetHeight(24);
    EXPECT_EQ(rich_->SelAttributes()->Height(), 24);
    SendChars(Men);
    EXPECT_EQ(Heights(), "BBBBSSSSSSSSMM");
}

TEST_F(TRichEditTest, LineQueriesFollowRowsWrappedByTheirRunsWidths)
{
    ShowRichEdit(200, 150);
    // The text area: 200 less the border and the margins.
    rich_->SetText("aaaa bbbb cccc " + Shuo + Men + "\r\nnext");
    EXPECT_EQ(SendMessage(Box(), EM_GETLINECOUNT, 0, 0), 2);
    EXPECT_EQ(Line(19), 0);
    EXPECT_EQ(Line(21), 1);
    // Twice as wide, the first line wraps into two rows; a query inside a
    // double-byte character answers for the whole character.
    Select(0, 19);
    rich_->SelAttributes()->SetHeight(32);
    EXPECT_EQ(SendMessage(Box(), EM_GETLINECOUNT, 0, 0), 3);
    EXPECT_EQ(Line(9), 0);
    EXPECT_EQ(Line(10), 1);
    EXPECT_EQ(Line(16), 1);
    EXPECT_EQ(Line(16), Line(15));
    EXPECT_EQ(Line(21), 2);
    EXPECT_EQ(SendMessage(Box(), EM_LINEINDEX, 1, 0), 10);
    EXPECT_EQ(SendMessage(Box(), EM_LINEINDEX, 2, 0), 21);
    // The lines as Lines sees them are the text's, not the rows.
    EXPECT_EQ(rich_->Lines()->Count(), 2);
}

TEST_F(TRichEditTest, OnSelectionChangeRunsOnEveryCaretMove)
{
    ShowRichEdit();
    rich_->SetText("one\r\ntwo");
    std::vector<std::pair<int, int>> seen;
    rich_->OnSelectionChange = TNotifyEvent::FromCallable([&](TObject* Sender) {
        EXPECT_EQ(Sender, rich_);
        seen.push_back({rich_->SelStart(), rich_->SelLength()});
    });
    Stroke(VK_RIGHT);
    Stroke(VK_RIGHT, InjectShift);
    Stroke(VK_DOWN);
    Stroke(VK_HOME);
    Click(4 + 8 * 2, 5);
    SendChars("x");
    rich_->SetSelStart(1);
    // The same selection again tells nothing.
    rich_->SetSelStart(1);
    EXPECT_EQ(seen, (std::vector<std::pair<int, int>>{{1, 0}, {1, 1}, {7, 0}, {5, 0}, {2, 0}, {3, 0}, {1, 0}}));
}

TEST_F(TRichEditTest, DefAttributesChangeTheTextWithoutAttributesOfItsOwn)
{
    ShowRichEdit();
    rich_->SetText("plain big");
    Select(6, 9);
    rich_->SelAttributes()->SetHeight(32);
    rich_->DefAttributes()->SetHeight(24);
    EXPECT_EQ(Heights(), "MMMMMMBBB");
    EXPECT_EQ(rich_->DefAttributes()->Height(), 24);
    // A new font for the control is the new default too.
    rich_->Font()->SetHeight(-32);
    EXPECT_EQ(Heights(), "BBBBBBBBB");
    rich_->Font()->SetHeight(-16);
    EXPECT_EQ(Heights(), "SSSSSSBBB");
    // Assign takes every attribute of a font at once.
    TFont font;
    font.SetName(kTestFontName);
    font.SetHeight(24);
    font.SetColor(clBlue);
    Select(0, 2);
    rich_->SelAttributes()->Assign(&font);
    EXPECT_EQ(Heights(), "MMSSSSBBB");
    EXPECT_EQ(rich_->FormatAt(1).Color(), clBlue);
}

TEST_F(TRichEditTest, ThreeFontsLookLikeTheGolden)
{
    ShowRichEdit(260, 100);
    rich_->SetText("Small text\r\nBig bold red\r\nMiddle italic " + Shuo + Men);
    Select(12, 24);
    rich_->SelAttributes()->SetHeight(32);
    rich_->SelAttributes()->SetStyle(TFontStyles{fsBold});
    rich_->SelAttributes()->SetColor(clRed);
    Select(26, 44);
    rich_->SelAttributes()->SetHeight(24);
    rich_->SelAttributes()->SetStyle(TFontStyles{fsItalic});
    rich_->SelAttributes()->SetColor(clBlue);
    // Part of two runs selected.
    Select(20, 30);
    Pump();
    ExpectGolden(WindowImage(Box()), TestFolder() + "/golden/rich_edit.png");
}

}  // namespace
