// The edit box fixture: the form, the box, and driving both.
#include "edit_test_support.h"

#include <cstring>

#include "platform/gdi/test_font.h"
#include "platform/win/clipboard.h"
#include "platform/win/clock.h"
#include "platform/win/edit_control_messages.h"
#include "platform/win/headless_input.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_proc.h"

void TEditTest::SetUp()
{
    TControlTest::SetUp();
    form_ = std::make_unique<TTestForm>();
    SetClipboardText("");
}

void TEditTest::TearDown()
{
    form_.reset();
    TControlTest::TearDown();
}

void TEditTest::ShowBox(TCustomEdit* Box, int Width, int Height)
{
    Box->Font()->SetName(kTestFontName);
    Box->Font()->SetHeight(-kTestFontCellHeight);
    Box->SetBounds(10, 10, Width, Height);
    Box->SetParent(form_.get());
    box_ = Box;
    ShowActive(form_.get());
    Box->SetFocus();
    Pump();
}

TEdit* TEditTest::ShowEdit(int Width)
{
    auto* edit = new TEdit(form_.get());
    ShowBox(edit, Width, 0);
    return edit;
}

TMemo* TEditTest::ShowMemo(int Width, int Height)
{
    auto* memo = new TMemo(form_.get());
    ShowBox(memo, Width, Height);
    return memo;
}

void TEditTest::SendChars(const AnsiString& Bytes)
{
    for (char c : Bytes)
        SendMessage(Box(), WM_CHAR, static_cast<BYTE>(c), 0);
}

void TEditTest::Stroke(UINT VirtualKey, UINT Modifiers)
{
    InjectKeyStroke(VirtualKey, Modifiers);
    Pump();
}

std::pair<int, int> TEditTest::Selection() const
{
    DWORD start = 0;
    DWORD end = 0;
    SendMessage(box_->Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {static_cast<int>(start), static_cast<int>(end)};
}

void TEditTest::Select(int Start, int End)
{
    SendMessage(Box(), EM_SETSEL, static_cast<WPARAM>(Start), End);
}

void TEditTest::Click(int X, int Y, UINT Modifiers)
{
    // Far from the last click, so that this is no double click.
    AdvanceClock(1000);
    const UINT keys[] = {VK_SHIFT, VK_CONTROL};
    const UINT flags[] = {InjectShift, InjectCtrl};
    for (int i = 0; i < 2; ++i)
        if (Modifiers & flags[i])
            InjectKeyDown(keys[i]);
    InjectClick(ScreenPoint(box_, X, Y));
    for (int i = 0; i < 2; ++i)
        if (Modifiers & flags[i])
            InjectKeyUp(keys[i]);
    Pump();
}

AnsiString TEditTest::ClipboardText()
{
    AnsiString text;
    if (!OpenClipboard(nullptr))
        return text;
    if (HGLOBAL block = GetClipboardData(CF_TEXT)) {
        text = static_cast<const char*>(GlobalLock(block));
        GlobalUnlock(block);
    }
    CloseClipboard();
    return text;
}

void TEditTest::SetClipboardText(const AnsiString& Text)
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, Text.size() + 1);
    std::memcpy(GlobalLock(block), Text.c_str(), Text.size() + 1);
    GlobalUnlock(block);
    OpenClipboard(nullptr);
    EmptyClipboard();
    SetClipboardData(CF_TEXT, block);
    CloseClipboard();
}
