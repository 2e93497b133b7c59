// TheTextDrawer: draws the editor's text on a fixed grid. Every byte of a
// line takes one cell of the base character width whatever the font's own
// glyph widths are; a double-byte character takes two cells. Runs of
// double-byte characters can be drawn in a second font fitted to the cell.
#pragma once

#include <memory>
#include <vector>

#include "editor/view/syn_font_stock.h"
#include "platform/base/exceptions.h"
#include "platform/base/geometry.h"
#include "platform/gdi/colors.h"
#include "platform/gdi/gdi_object.h"
#include "platform/ui/graphics/font.h"

TANDRIL_EXCEPTION(EheTextDrawerException, Exception);

// How many times the double-byte font may shrink while it is being fitted.
inline constexpr int kMaxDBCSFitSteps = 64;

// Fits Font (measured through Stock, which takes it) to a grid cell: a
// double-byte character must advance at most two cells of CharAdvance, and
// the font must be at most CharHeight high. A font whose double-byte
// advance cannot be measured counts as fitting in width. While it does not
// fit, Font shrinks by one unit of height, at most kMaxDBCSFitSteps times
// and never to height 0 (which would mean the default size); a font that
// still does not fit keeps the last size tried. A font that fits at once is
// tried one unit larger and keeps that size only when it fits too.
void FitDBCSFont(TFont* Font, TheFontStock* Stock, int CharAdvance, int CharHeight);

class TheTextDrawer {
public:
    // The grid is measured in the ExtentStyle variant of the base font.
    TheTextDrawer(TFontStyles ExtentStyle, TFont* BaseFont);
    TheTextDrawer(const TheTextDrawer&) = delete;
    TheTextDrawer& operator=(const TheTextDrawer&) = delete;
    virtual ~TheTextDrawer();

    virtual int BaseCharWidth() const { return baseCharWidth_; }
    virtual int BaseCharHeight() const { return baseCharHeight_; }

    // Drawing on a context is bracketed by StartDrawing and FinishDrawing,
    // which nest for the same context; the outermost pair saves and restores
    // the context's state.
    virtual void StartDrawing(HDC DC);
    virtual void FinishDrawing();
    virtual void PlainTextOut(int X, int Y, const char* Text, int Length);
    // Draws Length bytes of Text advancing every byte by the base character
    // width. With the double-byte font in use, Y is not used: the text is
    // centred in Rect and clipped to it.
    virtual void GridTextOut(int X, int Y, unsigned Options, const TRect& Rect, const char* Text, int Length);

    virtual void SetBaseFont(TFont* Value);
    virtual void SetExtentStyle(TFontStyles Value);
    virtual void SelectStyle(TFontStyles Value);
    virtual void SetForeground(TColor Value);
    virtual void SetBackground(TColor Value);
    virtual void SetCharSpacing(int Value);
    virtual void FreeFontHandles();

    // The face of the double-byte font; empty: the base font's face.
    const AnsiString& UnicodeFontName() const { return unicodeFontName_; }
    void SetUnicodeFontName(const AnsiString& Value);
    // Whether GridTextOut draws double-byte characters in their own font.
    bool UseUnicodeFont() const { return useUnicodeFont_; }
    void SetUseUnicodeFont(bool Value) { useUnicodeFont_ = Value; }

    // The entries of the advance array, which grows in steps of 64.
    int AdvanceCount() const { return static_cast<int>(advances_.size()); }

protected:
    virtual void FreeAdvanceArray();
    virtual void ApplyCurrentFont();
    virtual void ApplyCharExtra();
    // Draws one run of the double-byte path on the run bitmap's context DC:
    // double-byte characters in the double-byte font, others in the base
    // font, from the pen position X, centred in Bounds (the bitmap).
    virtual void RunTextOut(HDC DC, int X, unsigned Options, const TRect& Bounds, const char* Text, int Length,
                            bool DoubleByte);

private:
    void FitUnicodeFont();

    HDC dc_ = nullptr;  // the context drawn on, between the outermost StartDrawing and FinishDrawing
    int saveIndex_ = 0;
    std::unique_ptr<TheFontStock> fontStock_;
    TFontStyles extentStyle_;
    int baseCharWidth_ = 0;
    int baseCharHeight_ = 0;
    HFONT currentFont_ = nullptr;
    std::vector<int> advances_;  // every entry is baseCharWidth_
    TColor foreground_ = clWindowText;
    TColor background_ = clWindow;
    int charExtra_ = 0;
    int drawingCount_ = 0;  // dc_ is set exactly while it is above 0
    std::unique_ptr<TFont> unicodeFont_;
    std::unique_ptr<TheFontStock> unicodeFontStock_;
    AnsiString unicodeFontName_;
    bool useUnicodeFont_ = false;
};
