// TSynPaintRow: paints one text row of the editor. It holds the row's
// colours and selected columns, gathers the tokens of like look into one
// pending run so that a run is one text output, and fills the row to its
// end once the last token is in.
//
// Columns are display columns of the row, counted from 1; a row holds the
// tab-expanded characters of its part of the line, one cell per byte.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/base/geometry.h"
#include "platform/gdi/colors.h"
#include "platform/gdi/gdi_object.h"
#include "platform/gdi/text_font.h"
#include "platform/ui/graphics/font.h"
#include "platform/ui/graphics/pen.h"

class TheTextDrawer;
class TSynHighlighterAttributes;

// Column reaching past any row's end.
inline constexpr int kSynRowEnd = 0x3FFFFFFF;

// The selected columns of a row: none, all of it, or StartCol up to (not
// including) EndCol, which may be kSynRowEnd.
struct TSynRowSelection {
    enum TKind { None, Whole, Part };
    TKind Kind = None;
    int StartCol = 0;
    int EndCol = 0;
};

// What holds for every row of one paint.
struct TSynPaintRowSetup {
    HDC DC = nullptr;  // its background mode is transparent: each piece fills its own rectangle
    TheTextDrawer* Drawer = nullptr;  // drawing on DC
    int CharWidth = 1;
    int RowHeight = 1;
    int TextTop = 0;     // the text's offset below the row top
    int ColumnOneX = 0;  // x of display column 1; left of the text while scrolled horizontally
    int Right = 0;       // the row's right end
    int FirstCol = 1;    // the columns being painted
    int LastCol = 1;
    // A token colour that is none or the editor's own takes the row's.
    TColor DefaultForeground = clWindowText;
    TColor DefaultBackground = clWindow;
    TFontStyles FontStyle;
    TColor SelectedForeground = clHighlightText;
    TColor SelectedBackground = clHighlight;
    // The background picture shows through wherever the editor's colour
    // would be painted.
    TColor EditorColor = clWindow;
    bool PictureShows = false;
    bool ShowSpecialChars = false;
    bool SpecialLineDefaultFg = false;
};

class TSynPaintRow {
public:
    explicit TSynPaintRow(const TSynPaintRowSetup& Setup) : s_(Setup) {}

    // Starts a row at Top. Text is the row's characters from column 1; with
    // EndOfLineMark the row ends its line before the last painted column and
    // the end-of-line mark follows the text.
    void Begin(int Top, std::string_view Text, bool EndOfLineMark, TColor Foreground, TColor Background,
               bool Special, const TSynRowSelection& Selection);
    // Columns StartCol up to (not including) EndCol, painted by Attr
    // (nullptr: the row's colours and the font's style).
    void AddToken(int StartCol, int EndCol, TSynHighlighterAttributes* Attr);
    // Adds the end-of-line mark, draws the pending run and fills the row to
    // its right end.
    void Finish();

    int X(int Col) const { return s_.ColumnOneX + (Col - 1) * s_.CharWidth; }
    // The decorations of a row go straight to the context: a canvas would
    // select its own font and background colour behind the drawer's back.
    void FillRect(const TRect& R, TColor Color);
    // A one-pixel line from (X1, Y1) up to, not including, (X2, Y2).
    void Line(int X1, int Y1, int X2, int Y2, TColor Color, TPenStyle Style = psSolid);
    void Dot(int X, int Y, TColor Color);

private:
    struct TRun {
        int StartCol = 0;
        int EndCol = 0;  // the run is empty while EndCol <= StartCol
        TColor Foreground = clNone;
        TColor Background = clNone;
        TFontStyles Style;
    };

    bool OnlySpaces(int StartCol, int EndCol) const;
    void DrawRun();
    void DrawPiece(int Col1, int Col2, TColor Foreground, TColor Background);
    // The middle dots and the pilcrow over the blank cells of a piece drawn
    // at X; their codes are single bytes that the code page would read as
    // lead bytes, so they are drawn as the characters they stand for.
    void DrawSpecialMarks(int X, int Y, const TRect& Clip, int FirstCol, std::string_view Text);
    void Fill(int Left, int Right, TColor Color);
    // How far the last character of the last run reaches beyond its cells.
    int Overhang() const;

    TSynPaintRowSetup s_;
    int top_ = 0;
    std::string text_;  // the row's characters; the end-of-line mark is a blank cell
    int markCol_ = 0;   // column of the end-of-line mark, 0 without
    TColor foreground_ = clNone;
    TColor background_ = clNone;
    TColor selForeground_ = clNone;
    TColor selBackground_ = clNone;
    bool special_ = false;
    TSynRowSelection selection_;
    TRun run_;
    int drawnEndCol_ = 0;     // the column after the last run drawn
    TFontStyles drawnStyle_;  // style of the last run drawn
    std::string piece_;       // scratch for the text of a piece
    std::vector<TTextChar> marks_;
    std::vector<int> markAdvances_;
    TPen pen_;
};
