// Randomized editing sessions with fixed seeds: keys, characters (double-
// byte ones as two WM_CHAR), input-method strings, clicks, the clipboard
// and EM_SETSEL at any byte, on an edit box and on a wrapping memo. After
// every step the text holds whole characters only, the caret and the
// selection lie on character boundaries, the rows cover the text in order,
// and when the step changed the text, undo brings back the text before it
// and a second undo the text after it.
#include <cstdint>
#include <set>
#include <string>

#include "edit_test_support.h"
#include "platform/base/code_page.h"
#include "platform/win/clock.h"
#include "platform/win/edit_control_messages.h"
#include "platform/win/headless_input.h"
#include "platform/win/ime_result.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_proc.h"
#include "tests/support/test_random.h"
#include "tests/support/test_seeds.h"

namespace {

const AnsiString Wide[] = {Shuo, Men, Zhe, Cheng, Zhong};
const char Narrow[] = {'a', 'f', 'T', '@', '\\', ' ', '1', '_'};

AnsiString AnyChar(TRandom& Draw)
{
    if (Draw.Chance(50))
        return Wide[Draw.Below(5)];
    return AnsiString(1, Narrow[Draw.Below(8)]);
}

std::set<int> Boundaries(const AnsiString& Text)
{
    std::set<int> starts;
    size_t at = 0;
    while (at < Text.size()) {
        starts.insert(static_cast<int>(at));
        if (Text[at] == '\r' && at + 1 < Text.size() && Text[at + 1] == '\n')
            at += 2;
        else
            at += CharLengthAt(Text, at);
    }
    starts.insert(static_cast<int>(Text.size()));
    return starts;
}

class TEditSessionTest : public TEditTest {
protected:
    void RunSession(uint64_t Seed, int Steps);

    bool memo_ = false;

private:
    void Step(TRandom& Draw);
    void Check(const AnsiString& Before, const std::string& Where);
};

void TEditSessionTest::Step(TRandom& Draw)
{
    const int width = box_->ClientWidth();
    const int height = box_->ClientHeight();
    switch (Draw.Below(12)) {
    case 0:
    case 1: {
        AnsiString text;
        for (int i = Draw.Below(3) + 1; i > 0; --i)
            text += AnyChar(Draw);
        InjectText(text);
        break;
    }
    case 2:
        SendChars(AnyChar(Draw));
        break;
    case 3: {
        AnsiString text;
        for (int i = Draw.Below(4) + 1; i > 0; --i)
            text += AnyChar(Draw);
        InjectImeResult(text);
        break;
    }
    case 4:
    case 5: {
        const UINT keys[] = {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_HOME, VK_END, VK_BACK, VK_DELETE, VK_NEXT};
        UINT modifiers = (Draw.Chance(40) ? UINT{InjectShift} : 0u) | (Draw.Chance(30) ? UINT{InjectCtrl} : 0u);
        InjectKeyStroke(keys[Draw.Below(9)], modifiers);
        break;
    }
    case 6:
        if (memo_)
            InjectKeyStroke(VK_RETURN);
        else
            InjectKeyStroke(VK_BACK, InjectAlt);
        break;
    case 7: {
        AdvanceClock(Draw.Chance(20) ? 10 : 1000);
        TPoint point = ScreenPoint(box_, Draw.Below(width + 20) - 10, Draw.Below(height + 20) - 10);
        if (Draw.Chance(30))
            InjectKeyDown(VK_SHIFT);
        InjectClick(point);
        InjectKeyUp(VK_SHIFT);
        break;
    }
    case 8: {
        const UINT keys[] = {'C', 'X', 'V', 'Z', 'A'};
        InjectKeyStroke(keys[Draw.Below(5)], InjectCtrl);
        break;
    }
    case 9:
        InjectKeyStroke(Draw.Chance(50) ? VK_INSERT : VK_DELETE, InjectShift);
        break;
    default: {
        int length = box_->GetTextLen();
        Select(Draw.Below(length + 3) - 1, Draw.Below(length + 3) - 1);
        break;
    }
    }
    Pump();
}

void TEditSessionTest::Check(const AnsiString& Before, const std::string& Where)
{
    SCOPED_TRACE(Where);
    const AnsiString text = BoxText();
    const std::set<int> starts = Boundaries(text);
    // No lead byte without its trail byte.
    for (size_t at = 0; at < text.size(); at += CharLengthAt(text, at)) {
        ASSERT_FALSE(at + 1 == text.size() && IsDBCSLeadByte(text[at])) << "lone lead byte at the end";
    }
    if (!memo_) {
        ASSERT_EQ(text.find_first_of("\r\n"), AnsiString::npos);
    }
    auto [start, end] = Selection();
    ASSERT_TRUE(starts.count(start)) << "selection start " << start << " inside a character";
    ASSERT_TRUE(starts.count(end)) << "selection end " << end << " inside a character";
    // Rows start on characters, in order, the first at 0.
    auto rows = static_cast<int>(SendMessage(Box(), EM_GETLINECOUNT, 0, 0));
    int previous = -1;
    for (int row = 0; row < rows; ++row) {
        auto first = static_cast<int>(SendMessage(Box(), EM_LINEINDEX, static_cast<WPARAM>(row), 0));
        ASSERT_TRUE(row > 0 || first == 0);
        ASSERT_GT(first, previous) << "row " << row << " of " << testing::PrintToString(text);
        ASSERT_TRUE(starts.count(first)) << "row " << row << " starts inside a character";
        previous = first;
    }
    if (text == Before)
        return;
    SendMessage(Box(), WM_UNDO, 0, 0);
    ASSERT_EQ(BoxText(), Before) << "undo";
    auto [undoStart, undoEnd] = Selection();
    const std::set<int> undoStarts = Boundaries(Before);
    ASSERT_TRUE(undoStarts.count(undoStart) && undoStarts.count(undoEnd)) << "selection after undo";
    SendMessage(Box(), WM_UNDO, 0, 0);
    ASSERT_EQ(BoxText(), text) << "undo of the undo";
}

void TEditSessionTest::RunSession(uint64_t Seed, int Steps)
{
    TRandom draw(static_cast<uint32_t>(Seed));
    for (int step = 0; step < Steps; ++step) {
        const AnsiString before = BoxText();
        Step(draw);
        Check(before, "seed " + std::to_string(Seed) + " step " + std::to_string(step));
        if (HasFatalFailure())
            return;
        // Keep the text short enough that the rows stay few.
        if (box_->GetTextLen() > 200)
            box_->SetText(BoxText().substr(0, CharStartOf(BoxText(), 100)));
    }
}

}  // namespace

TEST_F(TEditSessionTest, EditBoxSessionsKeepCharactersWholeAndUndoExact)
{
    ShowEdit(120);
    for (uint64_t seed : SessionSeeds(SeedRange(1, 8), 2)) {
        box_->SetText("");
        RunSession(seed, 400);
        if (HasFatalFailure())
            return;
    }
}

TEST_F(TEditSessionTest, WrappingMemoSessionsKeepCharactersWholeAndUndoExact)
{
    ShowMemo(130, 90);
    memo_ = true;
    for (uint64_t seed : SessionSeeds(SeedRange(101, 108), 2)) {
        box_->SetText("");
        RunSession(seed, 400);
        if (HasFatalFailure())
            return;
    }
}
