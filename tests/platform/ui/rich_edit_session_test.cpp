// Randomized rich edit sessions: selections that may start or end inside
// double-byte characters, typing, line breaks, backspaces, undo and
// attribute changes, after each of which every double-byte character
// still has one format for both its bytes and what was just typed has
// one format throughout.

#include <array>

#include "edit_test_support.h"
#include "platform/base/code_page.h"
#include "platform/ui/textedit/rich_edit.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_proc.h"
#include "tests/support/test_random.h"

namespace {

class TRichEditSessionTest : public TEditTest {};

bool SameFormat(const TFont& A, const TFont& B)
{
    return A.Height() == B.Height() && A.Color() == B.Color() && A.Style() == B.Style();
}

TEST_F(TRichEditSessionTest, FormatsStayOnWholeCharacters)
{
    const std::array<AnsiString, 6> pieces{"a", "b c", Shuo, Men + Zhe, Cheng + "x" + Zhong, "\r"};
    const std::array<int, 3> heights{16, 24, 32};
    const std::array<TColor, 3> colors{clRed, clBlue, clWindowText};
    for (uint32_t seed = 1; seed <= 8; ++seed) {
        auto* rich = new TRichEdit(form_.get());
        ShowBox(rich, 240, 120);
        TRandom random(seed);
        for (int step = 0; step < 150; ++step) {
            const int length = static_cast<int>(BoxText().size());
            int typedAt = -1;
            AnsiString typed;
            switch (random.Below(8)) {
            case 0:
                Select(random.Between(0, length), random.Between(0, length));
                rich->SelAttributes()->SetHeight(heights[random.Index(heights.size())]);
                break;
            case 1:
                Select(random.Between(0, length), random.Between(0, length));
                rich->SelAttributes()->SetColor(colors[random.Index(colors.size())]);
                break;
            case 2:
                SendChars("\b");
                break;
            case 3:
                SendMessage(Box(), WM_UNDO, 0, 0);
                break;
            case 4:
                rich->DefAttributes()->SetHeight(heights[random.Index(heights.size())]);
                break;
            default:
                Select(random.Between(0, length), random.Between(0, length));
                typed = pieces[random.Index(pieces.size())];
                typedAt = Selection().first;
                SendChars(typed);
                break;
            }
            const AnsiString text = BoxText();
            for (size_t i = 0; i < text.size(); i += CharLengthAt(text, i)) {
                if (CharLengthAt(text, i) == 2) {
                    ASSERT_TRUE(SameFormat(rich->FormatAt(static_cast<int>(i)), rich->FormatAt(static_cast<int>(i) + 1)))
                        << "seed " << seed << " step " << step << " at " << i;
                }
            }
            if (typedAt >= 0 && typed != "\r") {
                for (size_t i = 1; i < typed.size(); ++i)
                    ASSERT_TRUE(SameFormat(rich->FormatAt(typedAt), rich->FormatAt(typedAt + static_cast<int>(i))))
                        << "seed " << seed << " step " << step;
            }
        }
        delete rich;
    }
}

}  // namespace
