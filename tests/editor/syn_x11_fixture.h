// An editor on a form on a real X display (the suite's own Xvfb), and what
// the display and the form's backing show of it.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "editor/syn_memo.h"
#include "platform/ui/kernel/custom_form.h"
#include "tests/platform/win/x11_test_support.h"

// Pixels as 0xRRGGBB, row by row.
using TPixels = std::vector<uint32_t>;

class TSynX11Test : public TX11Test {
protected:
    void TearDown() override;

    // A sizeable form holding a focused editor with line numbers in the
    // gutter, in the test font, or in the fonts a user gets.
    TSynMemo* ShowEditor(const AnsiString& Text, bool TestFont = true);
    // Waits until the display sends its key and mouse events to the form.
    bool FormHasXFocus();
    // The control's window rectangle inside its form's surface.
    TRect AreaInForm(TWinControl* Control) const;
    // What the display shows of Area of the form's surface, or nothing
    // while the surface is not viewable.
    TPixels Displayed(const TRect& Area);
    // What the form's backing holds of Area.
    TPixels Backing(const TRect& Area) const;
    // Waits until the display shows of Area what the backing holds, and
    // answers it (empty when it never did).
    TPixels ShownWhenPainted(const TRect& Area);

    // The pixel at the client point Client of Control in Pixels of its area
    // (AreaInForm).
    static uint32_t ClientPixel(const TPixels& Pixels, TWinControl* Control, TPoint Client);

    // A key pressed and released on the display, by its X key symbol.
    static void Key(unsigned long Sym);
    // A colour as the display shows it.
    static uint32_t Rgb(TColor Color);
    // Where a cell's left edge is, a pixel inside it, on the screen.
    static TPoint Cell(TSynMemo* Memo, int Column, int Row);

    std::unique_ptr<TForm> form_;
};
