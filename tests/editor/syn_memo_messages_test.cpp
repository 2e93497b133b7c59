#include <cstdint>
#include <cstring>

#include "platform/win/edit_control_messages.h"
#include "platform/win/win_messages.h"
#include "syn_view_test_support.h"

namespace {

// 說門 / 這乗中, and their GBK bytes.
const char* const Line1 = "\xD5\x66\xE9\x54";
const char* const Line2 = "\xDF\x40\x81\x5C\xD6\xD0";

LPARAM Ptr(const void* P) { return reinterpret_cast<LPARAM>(P); }

}  // namespace

TEST_F(TEditorViewTest, TextMessagesCopyWithinTheirBuffers)
{
    TSynMemo* memo = AddMemo(0, 300, 200);
    const AnsiString text = AnsiString(Line1) + "\r\n" + Line2;
    EXPECT_EQ(memo->Perform(WM_SETTEXT, 0, Ptr(text.c_str())), 1);
    EXPECT_EQ(memo->Text(), text);
    EXPECT_EQ(memo->Perform(WM_GETTEXTLENGTH, 0, 0), static_cast<LRESULT>(text.size()));

    char buffer[32];
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(memo->Perform(WM_GETTEXT, 0, Ptr(buffer)), 0);
    EXPECT_EQ(buffer[0], '#');
    // Room for three bytes and the zero: the second character would be cut
    // in half, so only the first one comes.
    EXPECT_EQ(memo->Perform(WM_GETTEXT, 4, Ptr(buffer)), 2);
    EXPECT_EQ(std::memcmp(buffer, "\xD5\x66\0#", 4), 0);
    EXPECT_EQ(memo->Perform(WM_GETTEXT, sizeof buffer, Ptr(buffer)), static_cast<LRESULT>(text.size()));
    EXPECT_STREQ(buffer, text.c_str());

    EXPECT_EQ(memo->Perform(EM_GETLINECOUNT, 0, 0), 2);
    std::memset(buffer, '#', sizeof buffer);
    const uint16_t three = 3;
    std::memcpy(buffer, &three, sizeof three);
    EXPECT_EQ(memo->Perform(EM_GETLINE, 1, Ptr(buffer)), 3);
    EXPECT_EQ(std::memcmp(buffer, "\xDF\x40\x81#", 4), 0);  // nothing past the size word
    const uint16_t ten = 10;
    std::memcpy(buffer, &ten, sizeof ten);
    EXPECT_EQ(memo->Perform(EM_GETLINE, 1, Ptr(buffer)), 6);
    EXPECT_STREQ(buffer, Line2);
    std::memset(buffer, '#', sizeof buffer);
    std::memcpy(buffer, &ten, sizeof ten);
    EXPECT_EQ(memo->Perform(EM_GETLINE, 2, Ptr(buffer)), 0);
    EXPECT_EQ(memo->Perform(EM_GETLINE, static_cast<WPARAM>(-1), Ptr(buffer)), 0);
    EXPECT_EQ(std::memcmp(buffer, &ten, sizeof ten), 0);

    EXPECT_EQ(memo->Perform(WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTALLKEYS);
    memo->SetWantTabs(true);
    memo->SetWantReturns(false);
    EXPECT_EQ(memo->Perform(WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTTAB);
}

TEST_F(TEditorViewTest, SelectionMessagesUseCharacterIndexesWithTwoPerLineBreak)
{
    TSynMemo* memo = AddMemo(0, 300, 200);
    memo->SetText(AnsiString(Line1) + "\r\n" + Line2 + "\r\nabc");
    memo->Perform(EM_SETSEL, 4, 8);
    EXPECT_EQ(memo->SelText(), AnsiString("\r\n\xDF\x40"));
    EXPECT_EQ(memo->Perform(EM_GETSEL, 0, 0), MAKELRESULT(4, 8));
    int32_t start = -1;
    int32_t end = -1;
    EXPECT_EQ(memo->Perform(EM_GETSEL, Ptr(&start), Ptr(&end)), MAKELRESULT(4, 8));
    EXPECT_EQ(start, 4);
    EXPECT_EQ(end, 8);

    char buffer[16];
    EXPECT_EQ(memo->Perform(EM_GETSELTEXT, 0, 0), 0);
    EXPECT_EQ(memo->Perform(EM_GETSELTEXT, 0, Ptr(buffer)), 4);
    EXPECT_STREQ(buffer, "\r\n\xDF\x40");

    // Left of the text on the third line: 1 + (4 + 2) + (6 + 2), line 2.
    const int y = 2 * memo->LineHeight() + 1;
    EXPECT_EQ(memo->Perform(EM_CHARFROMPOS, 0, PointToLParam(0, y)), MAKELRESULT(15, 2));
    EXPECT_EQ(memo->Perform(EM_CHARFROMPOS, 0, PointToLParam(1000, 0)), MAKELRESULT(5, 0));
    EXPECT_EQ(memo->Perform(EM_CHARFROMPOS, 0, PointToLParam(0, 10 * memo->LineHeight())), MAKELRESULT(20, 10));
    memo->Lines()->SetText(AnsiString(50, '\n'));
    memo->SetTopLine(7);
    EXPECT_EQ(memo->Perform(EM_GETFIRSTVISIBLELINE, 0, 0), 7);
}

TEST_F(TEditorViewTest, ReplaceSelectionRecordsOrClearsUndoAndModifyFlagFollows)
{
    TSynMemo* memo = AddMemo(0, 300, 200);
    memo->SetText(AnsiString(Line1) + "xyz");
    memo->ClearUndo();
    memo->Perform(EM_SETMODIFY, 0, 0);
    EXPECT_EQ(memo->Perform(EM_GETMODIFY, 0, 0), 0);
    EXPECT_EQ(memo->Perform(EM_CANUNDO, 0, 0), 0);
    EXPECT_EQ(memo->Perform(EM_UNDO, 0, 0), 0);

    memo->Perform(EM_SETSEL, 2, 4);
    memo->Perform(EM_REPLACESEL, 1, Ptr("\xD6\xD0-"));
    EXPECT_EQ(memo->Text(), AnsiString("\xD5\x66\xD6\xD0-xyz"));
    EXPECT_EQ(memo->Perform(EM_GETMODIFY, 0, 0), 1);
    EXPECT_EQ(memo->Perform(EM_CANUNDO, 0, 0), 1);
    EXPECT_EQ(memo->Perform(EM_UNDO, 0, 0), 1);
    EXPECT_EQ(memo->Text(), AnsiString(Line1) + "xyz");
    EXPECT_EQ(memo->Perform(EM_GETMODIFY, 0, 0), 0);

    // Unrecorded: the older items would no longer match the text.
    memo->Perform(EM_SETSEL, 0, 2);
    memo->Perform(EM_REPLACESEL, 1, Ptr("A"));
    memo->Perform(EM_SETSEL, 1, 3);
    memo->Perform(EM_REPLACESEL, 0, Ptr("BC"));
    EXPECT_EQ(memo->Text(), AnsiString("ABCxyz"));
    EXPECT_EQ(memo->Perform(EM_CANUNDO, 0, 0), 0);
    EXPECT_FALSE(memo->CanRedo());
    EXPECT_EQ(memo->Perform(EM_UNDO, 0, 0), 0);
    EXPECT_EQ(memo->Text(), AnsiString("ABCxyz"));

    memo->SetReadOnly(true);
    memo->Perform(EM_SETSEL, 0, 1);
    memo->Perform(EM_REPLACESEL, 1, Ptr("Q"));
    memo->Perform(WM_CLEAR, 0, 0);
    EXPECT_EQ(memo->Text(), AnsiString("ABCxyz"));
}

TEST_F(TEditorViewTest, RecreatingTheWindowKeepsTheText)
{
    // WM_GETTEXT and WM_SETTEXT are the editor's text, so making the window
    // anew must not clear a caption through them.
    TSynMemo* memo = AddMemo(0, 300, 200);
    memo->SetText("abc");
    memo->SetBorderStyle(bsSingle);
    Pump();
    EXPECT_EQ(memo->Text(), "abc");
}
