#include "highlighter/syn_attributes.h"

void TSynAttributes::SetName(const AnsiString& Value)
{
    // Assign copies the name and fires OnChange only for differing values,
    // so a copy of our own values under the new name renames silently.
    TSynHighlighterAttributes renamed(Value);
    renamed.SetBackground(Background());
    renamed.SetForeground(Foreground());
    renamed.SetStyle(Style());
    Assign(&renamed);
}
