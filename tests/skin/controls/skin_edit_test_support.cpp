#include "tests/skin/controls/skin_edit_test_support.h"

#include "platform/gdi/test_font.h"
#include "platform/win/clipboard.h"
#include "platform/win/clipboard_text.h"
#include "platform/win/edit_control_messages.h"
#include "platform/win/focus.h"
#include "platform/win/headless_input.h"
#include "platform/win/window_proc.h"
#include "tests/skin/controls/test_skin_edits.h"
#include "tests/support/message_pump.h"

void SkinEditTest::SetUp()
{
    SkinMenuTest::SetUp();
    test_skin_edits::AddTo(skin_);
    Reload();
}

void SkinEditTest::ShowEdit(int Width, bool Skinned)
{
    edit_ = new TbsSkinEdit(menuForm_.get());
    edit_->DefaultFont()->SetName(kTestFontName);
    edit_->DefaultFont()->SetHeight(16);
    edit_->SetBounds(10, 40, Width, 20);
    edit_->SetParent(menuForm_.get());
    if (Skinned)
        edit_->SetSkinData(data_.get());
    SetActiveWindow(menuForm_->Handle());
    edit_->SetFocus();
    PumpMessages();
}

void SkinEditTest::MouseAt(int X, int Y)
{
    InjectMouseMove(edit_->ClientToScreen(TPoint{X, Y}));
    PumpMessages();
}

void SkinEditTest::MouseAway()
{
    InjectMouseMove(TPoint{1270, 790});
    PumpMessages();
}

std::pair<int, int> SkinEditTest::Selection() const
{
    DWORD start = 0;
    DWORD end = 0;
    SendMessage(edit_->Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {static_cast<int>(start), static_cast<int>(end)};
}

void SkinEditTest::Select(int Start, int End) { SendMessage(edit_->Handle(), EM_SETSEL, Start, End); }

AnsiString SkinEditTest::Clipboard() const
{
    AnsiString text;
    GetClipboardText(nullptr, text);
    return text;
}

void SkinEditTest::SetClipboard(const AnsiString& Text) { SetClipboardText(nullptr, {{CF_TEXT, Text}}); }

LRESULT SkinEditTest::HitAt(int X, int Y)
{
    TPoint p = edit_->ClientToScreen(TPoint{X, Y});
    return SendMessage(edit_->Handle(), WM_NCHITTEST, 0, MAKELPARAM(p.X, p.Y));
}
