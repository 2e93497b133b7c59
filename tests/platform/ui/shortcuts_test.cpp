#include "platform/ui/kernel/shortcuts.h"

#include <gtest/gtest.h>

#include "platform/win/virtual_keys.h"

TEST(ShortCuts, PackAndUnpack)
{
    EXPECT_EQ(ShortCut(VK_LEFT, {ssCtrl, ssShift}), 24613);
    EXPECT_EQ(ShortCut(VK_BACK, {ssShift, ssAlt}), 40968);
    EXPECT_EQ(ShortCut('C', {ssCtrl, ssLeft, ssDouble}), 16451);
    EXPECT_EQ(ShortCut(0x100 | 'C', {ssCtrl}), 0);

    WORD key = 0;
    TShiftState shift;
    ShortCutToKey(40968, key, shift);
    EXPECT_EQ(key, VK_BACK);
    EXPECT_EQ(shift, (TShiftState{ssShift, ssAlt}));
    ShortCutToKey(0x1FFF | scCtrl, key, shift);
    EXPECT_EQ(key, 0x1FFF);
    EXPECT_EQ(shift, TShiftState{ssCtrl});
}

TEST(ShortCuts, TextsRoundTrip)
{
    EXPECT_EQ(ShortCutToText(ShortCut('Z', {ssCtrl, ssShift})), "Shift+Ctrl+Z");
    EXPECT_EQ(ShortCutToText(ShortCut(VK_BACK, {ssShift, ssAlt})), "Shift+Alt+BkSp");
    EXPECT_EQ(ShortCutToText(VK_NEXT), "PgDn");
    EXPECT_EQ(ShortCutToText(VK_F12 | scAlt), "Alt+F12");
    EXPECT_EQ(ShortCutToText(VK_OEM_5), "\\");
    EXPECT_EQ(ShortCutToText(VK_NUMPAD7), "7");
    EXPECT_EQ(ShortCutToText(VK_SHIFT | scCtrl), "");
    EXPECT_EQ(ShortCutToText(0), "");

    // Every named key but the keypad digits (which read as digits) comes
    // back from its text, with each set of modifiers.
    int named = 0;
    for (WORD key = 0; key <= 0xFF; ++key) {
        if (ShortCutToText(key).empty() || (key >= VK_NUMPAD0 && key <= VK_NUMPAD9))
            continue;
        ++named;
        for (TShortCut modifiers : {scNone, scShift, scCtrl, scAlt, TShortCut(scShift | scCtrl | scAlt)})
            EXPECT_EQ(TextToShortCut(ShortCutToText(key | modifiers)), key | modifiers) << key;
    }
    EXPECT_EQ(named, 15 + 10 + 26 + 24 + 16);

    EXPECT_EQ(TextToShortCut("ctrl+shift+z"), ShortCut('Z', {ssCtrl, ssShift}));
    EXPECT_EQ(TextToShortCut("^C"), ShortCut('C', {ssCtrl}));
    EXPECT_EQ(TextToShortCut("Alt+Num *"), VK_MULTIPLY | scAlt);
    EXPECT_EQ(TextToShortCut("Ctrl+"), 0);
    EXPECT_EQ(TextToShortCut("Ctrl+Bogus"), 0);
}
