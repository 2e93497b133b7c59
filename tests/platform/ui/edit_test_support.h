// A fixture for the edit boxes: a shown, active test form holding a
// focused edit box or memo in the test font, with helpers that drive it as
// a user does (keys through the message loop) or as a program does
// (messages), and read back its text, selection and the clipboard.
#pragma once

#include <memory>
#include <string>
#include <utility>

#include "control_test_support.h"
#include "platform/ui/textedit/edit.h"
#include "platform/ui/textedit/memo.h"

// GBK: 說 D5 66 ('f'), 門 E9 54 ('T'), 這 DF 40 ('@'), 乗 81 5C ('\\'), 中 D6 D0.
inline const AnsiString Shuo = "\xD5\x66";
inline const AnsiString Men = "\xE9\x54";
inline const AnsiString Zhe = "\xDF\x40";
inline const AnsiString Cheng = "\x81\x5C";
inline const AnsiString Zhong = "\xD6\xD0";

class TEditTest : public TControlTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // A focused edit box (or memo) of the given size at (10, 10), in the
    // test font (cells of 8 x 16).
    TEdit* ShowEdit(int Width = 200);
    TMemo* ShowMemo(int Width = 200, int Height = 100);
    // The focused box.
    HWND Box() const { return box_->Handle(); }
    AnsiString BoxText() const { return box_->Text(); }

    // Each byte as a WM_CHAR sent to the box, as a program does it.
    void SendChars(const AnsiString& Bytes);
    // A key stroke through the message loop, as a user does it.
    void Stroke(UINT VirtualKey, UINT Modifiers = 0);
    // EM_GETSEL.
    std::pair<int, int> Selection() const;
    void Select(int Start, int End);
    // A click (or the press alone) on a point of the box's client area.
    void Click(int X, int Y, UINT Modifiers = 0);

    static AnsiString ClipboardText();
    static void SetClipboardText(const AnsiString& Text);

    std::unique_ptr<TTestForm> form_;
    TCustomEdit* box_ = nullptr;
    // Puts Box on the form as ShowEdit and ShowMemo describe, and makes it
    // the focused box.
    void ShowBox(TCustomEdit* Box, int Width, int Height);
};
