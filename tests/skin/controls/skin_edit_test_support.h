// A fixture for the skinned edit: the menu fixture's form with its minimal
// frame, the test skin with its edits' part, and a focused skinned edit in
// the test font on the active form.
#pragma once

#include "skin/controls/bs_skin_edit.h"
#include "tests/skin/controls/skin_menu_test_support.h"

// GBK: 說 D5 66 ('f'), 門 E9 54 ('T'), 中 D6 D0.
inline const AnsiString kShuo = "\xD5\x66";
inline const AnsiString kMen = "\xE9\x54";
inline const AnsiString kZhong = "\xD6\xD0";

class SkinEditTest : public SkinMenuTest {
protected:
    void SetUp() override;

    // Puts the edit at (10, 40), Width wide, on the form and focuses it.
    void ShowEdit(int Width = 120, bool Skinned = true);
    // Moves the mouse to a point of the edit's client area (or far away).
    void MouseAt(int X, int Y);
    void MouseAway();
    // EM_GETSEL.
    std::pair<int, int> Selection() const;
    void Select(int Start, int End);
    AnsiString Clipboard() const;
    void SetClipboard(const AnsiString& Text);
    // The message's answer at a point of the edit's client area.
    LRESULT HitAt(int X, int Y);

    TbsSkinEdit* edit_ = nullptr;  // owned by menuForm_
};
