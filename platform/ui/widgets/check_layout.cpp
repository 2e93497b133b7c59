// The layout of check boxes and radio buttons.
#include "platform/ui/widgets/check_layout.h"

#include <algorithm>

#include "platform/gdi/draw_text.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/flat_look.h"

namespace {

// Between the glyph and the caption.
constexpr int TextGap = 4;

}  // namespace

TCheckLayout LayoutCheck(TCanvas* Canvas, const TRect& Client, const AnsiString& Caption)
{
    TCheckLayout layout;
    int glyphTop = Client.Top + (Client.Height() - FlatGlyphSize) / 2;
    layout.Glyph = Rect(Client.Left, glyphTop, Client.Left + FlatGlyphSize, glyphTop + FlatGlyphSize);
    layout.Text = Rect(layout.Glyph.Right + TextGap, Client.Top, Client.Right, Client.Bottom);
    TRect ink = Rect(0, 0, 0, 0);
    Canvas->TextRect(ink, Caption, DT_CALCRECT | DT_SINGLELINE);
    int top = layout.Text.Top + (layout.Text.Height() - ink.Height()) / 2;
    layout.Focus = Rect(layout.Text.Left - 1, top - 1, layout.Text.Left + ink.Width() + 1, top + ink.Height() + 1);
    layout.Focus.Right = std::min(layout.Focus.Right, Client.Right);
    layout.Focus.Top = std::max(layout.Focus.Top, Client.Top);
    layout.Focus.Bottom = std::min(layout.Focus.Bottom, Client.Bottom);
    return layout;
}
