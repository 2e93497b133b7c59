// The colours and font style of a rule or a style as the scheme stores them,
// with the flags that let a rule take a colour from its parent rule instead.
#pragma once

#include "editor/highlighting/syn_highlighter_attributes.h"

class TSynAttributes : public TSynHighlighterAttributes {
public:
    explicit TSynAttributes(const AnsiString& AName = AnsiString()) : TSynHighlighterAttributes(AName) {}

    // Renames the attribute and leaves its colours and style alone.
    void SetName(const AnsiString& Value);

    bool ParentForeground = false;
    bool ParentBackground = false;
};
