#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "input_test_support.h"
#include "platform/win/backend.h"
#include "platform/win/clipboard.h"
#include "platform/win/clipboard_text.h"
#include "platform/win/window_class.h"
#include "platform/win/window_styles.h"

namespace {

using TClipboardTest = TInputTest;

HGLOBAL Block(const void* bytes, size_t size)
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, size);
    void* p = GlobalLock(block);
    std::memcpy(p, bytes, size);
    GlobalUnlock(block);
    return block;
}

std::string Bytes(HGLOBAL block)
{
    const char* p = static_cast<const char*>(GlobalLock(block));
    std::string bytes(p, GlobalSize(block));
    GlobalUnlock(block);
    return bytes;
}

TEST_F(TClipboardTest, SetClipboardTextPutsTheTextsInOrderOrAnswersThatItCouldNot)
{
    HWND editor = Make("E", WS_POPUP, nullptr, Bounds(0, 0, 10, 10));
    HWND other = Make("O", WS_POPUP, nullptr, Bounds(0, 0, 10, 10));
    const UINT blockFormat = RegisterClipboardFormat("Tandril Editor Block");
    const std::string text = "說門\r\n乗中";
    const std::string modeAndText = "\x02說門";
    ASSERT_TRUE(SetClipboardText(editor, {{CF_TEXT, text}, {blockFormat, modeAndText}}));
    EXPECT_EQ(GetClipboardOwner(), editor);
    auto formats = [&] {
        std::vector<std::string> shown;
        EXPECT_TRUE(OpenClipboard(other));
        for (UINT format = EnumClipboardFormats(0); format; format = EnumClipboardFormats(format))
            if (format != CF_UNICODETEXT)
                shown.push_back(Bytes(GetClipboardData(format)));
        CloseClipboard();
        return shown;
    };
    EXPECT_EQ(formats(), (std::vector<std::string>{text + '\0', modeAndText + '\0'}));

    // Another window holds the clipboard open: nothing changes.
    ASSERT_TRUE(OpenClipboard(other));
    EXPECT_FALSE(SetClipboardText(editor, {{CF_TEXT, "new"}}));
    CloseClipboard();
    EXPECT_EQ(formats(), (std::vector<std::string>{text + '\0', modeAndText + '\0'}));

    // A refused block (format 0) ends the copy: what went before stays,
    // what comes after does not go on, and no block is lost.
    EXPECT_FALSE(SetClipboardText(editor, {{CF_TEXT, "plain"}, {0, "x"}, {blockFormat, "after"}}));
    EXPECT_EQ(formats(), (std::vector<std::string>{std::string("plain", 6)}));

    // The second block cannot be made: every block is made before the
    // clipboard is emptied, so it keeps what it held.
    RefuseGlobalAllocAfter(1);
    EXPECT_FALSE(SetClipboardText(editor, {{CF_TEXT, "lost"}, {blockFormat, "lost too"}}));
    EXPECT_EQ(formats(), (std::vector<std::string>{std::string("plain", 6)}));
    // The refusal was one allocation's only.
    ASSERT_TRUE(SetClipboardText(editor, {{CF_TEXT, text}, {blockFormat, modeAndText}}));
    EXPECT_EQ(formats(), (std::vector<std::string>{text + '\0', modeAndText + '\0'}));
}

TEST_F(TClipboardTest, TextAndARegisteredFormatGoRoundTrip)
{
    HWND editor = Make("E", WS_POPUP, nullptr, Bounds(0, 0, 10, 10));
    HWND other = Make("O", WS_POPUP, nullptr, Bounds(0, 0, 10, 10));
    UINT blockFormat = RegisterClipboardFormat("Tandril Editor Block");
    EXPECT_GE(blockFormat, 0xC000u);
    EXPECT_EQ(RegisterClipboardFormat("tandril EDITOR block"), blockFormat);
    EXPECT_EQ(RegisterWindowMessage("Tandril Editor Block"), blockFormat);

    const std::string text = "說門\r\n乗中";
    const char modeAndText[] = "\x02說門";
    ASSERT_TRUE(OpenClipboard(editor));
    EXPECT_FALSE(OpenClipboard(other));
    ASSERT_TRUE(EmptyClipboard());
    HGLOBAL textBlock = Block(text.c_str(), text.size() + 1);
    EXPECT_EQ(SetClipboardData(CF_TEXT, textBlock), textBlock);
    EXPECT_TRUE(SetClipboardData(blockFormat, Block(modeAndText, sizeof modeAndText)));
    ASSERT_TRUE(CloseClipboard());
    EXPECT_EQ(GetClipboardOwner(), editor);
    EXPECT_EQ(GetClipboardData(CF_TEXT), nullptr);  // closed

    EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_UNICODETEXT));
    EXPECT_TRUE(IsClipboardFormatAvailable(blockFormat));
    ASSERT_TRUE(OpenClipboard(other));
    EXPECT_EQ(Bytes(GetClipboardData(CF_TEXT)), text + '\0');
    EXPECT_EQ(Bytes(GetClipboardData(blockFormat)), std::string(modeAndText, sizeof modeAndText));
    // The Unicode form is made from the text: 說 U+8AAA, 門 U+9580.
    std::string wide = Bytes(GetClipboardData(CF_UNICODETEXT));
    ASSERT_EQ(wide.size(), 7u * 2);
    EXPECT_EQ(wide.substr(0, 4), std::string("\xAA\x8A\x80\x95", 4));
    EXPECT_EQ(wide.substr(12), std::string("\0\0", 2));
    EXPECT_EQ(EnumClipboardFormats(0), UINT{CF_TEXT});
    EXPECT_EQ(EnumClipboardFormats(CF_TEXT), blockFormat);
    EXPECT_EQ(EnumClipboardFormats(blockFormat), UINT{CF_UNICODETEXT});
    EXPECT_EQ(EnumClipboardFormats(CF_UNICODETEXT), 0u);
    EXPECT_EQ(CountClipboardFormats(), 3);

    // Emptying frees every block the clipboard held.
    ASSERT_TRUE(EmptyClipboard());
    EXPECT_EQ(GlobalSize(textBlock), 0u);
    EXPECT_EQ(GlobalLock(textBlock), nullptr);
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
    // Unicode text alone also answers as GBK text.
    const char16_t unicode[] = u"乗x";
    SetClipboardData(CF_UNICODETEXT, Block(unicode, sizeof unicode));
    EXPECT_EQ(Bytes(GetClipboardData(CF_TEXT)), std::string("乗x") + '\0');
    EXPECT_EQ(GetClipboardOwner(), other);
    CloseClipboard();

    // Other programs read the text through the back end, and can take the
    // clipboard away.
    AnsiString offered;
    ASSERT_TRUE(BackendEvents().ClipboardText(offered));
    EXPECT_EQ(offered, "乗x");
    BackendEvents().ClipboardLost();
    EXPECT_EQ(GetClipboardOwner(), nullptr);
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));  // the headless desktop has no other text
    EXPECT_FALSE(BackendEvents().ClipboardText(offered));
}

TEST(GlobalMemoryTest, BlocksAreZeroedLockedAndFreedByHandle)
{
    HGLOBAL block = GlobalAlloc(GHND, 300);
    ASSERT_TRUE(block);
    EXPECT_EQ(GlobalSize(block), 300u);
    auto* bytes = static_cast<unsigned char*>(GlobalLock(block));
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes[0] | bytes[299], 0);
    EXPECT_EQ(GlobalLock(block), bytes);
    EXPECT_TRUE(GlobalUnlock(block));
    EXPECT_FALSE(GlobalUnlock(block));
    EXPECT_EQ(GlobalFree(block), nullptr);
    // The freed handle is refused, also after its slot is reused.
    HGLOBAL next = GlobalAlloc(GMEM_FIXED, 8);
    EXPECT_EQ(GlobalLock(block), nullptr);
    EXPECT_EQ(GlobalSize(block), 0u);
    EXPECT_EQ(GlobalFree(block), block);
    EXPECT_EQ(GlobalLock(GlobalAlloc(GMEM_MOVEABLE, 0)), nullptr);
    GlobalFree(next);
}

}  // namespace
