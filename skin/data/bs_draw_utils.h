// Drawing routines every skinned control, menu and the form frame share:
// image-and-caption layout of button faces, one-line and wrapped captions
// with the skin library's fixed pixel adjustments, text shortening with
// "...", small vector glyphs, frames, colour mixing and rectangle helpers.
//
// Rectangles are (Left, Top, Right, Bottom), Right and Bottom exclusive.
// Layouts: 0 glyph left, 1 glyph right, 2 glyph top, 3 glyph bottom.
// Alignments: 0 left, 1 right, 2 centre. Lines from A to B leave out B.
#pragma once

#include <string>

#include "platform/base/geometry.h"
#include "platform/base/strings.h"
#include "platform/gdi/colors.h"

class TBitmap;
class TCanvas;
class TCustomImageList;

struct TbsGlyphTextLayout {
    TPoint GlyphPos;
    TPoint TextPos;
};

// Margin -1 centres glyph and text together; otherwise the glyph keeps
// Margin from its side and the text follows it after Spacing. Spacing
// counts only when there is a glyph. An unknown layout gives (0, 0) twice.
TbsGlyphTextLayout CalcGlyphAndTextLayout(int Layout, const TRect& Rect, int GlyphWidth, int GlyphHeight,
                                          int TextWidth, int TextHeight, int Margin, int Spacing);

// A button face: image ImageIndex of ImageList (none when out of range) and
// the wrapped caption, moved by (1, 1) when Pressed; ShowFocus underlines
// the glyph or the caption, or fills the face, in FocusColor.
void DrawImageAndText(TCanvas* Canvas, const TRect& Rect, int Margin, int Spacing, int Layout,
                      const AnsiString& Caption, TCustomImageList* ImageList, int ImageIndex, bool Enabled,
                      bool Pressed, bool ShowFocus, TColor FocusColor);
// The same with glyph GlyphIndex (from 1) of a strip of NumGlyphs glyphs,
// drawn with its bottom-left colour transparent. NumGlyphs below 1 counts
// as 1.
void DrawGlyphAndText(TCanvas* Canvas, const TRect& Rect, int Margin, int Spacing, int Layout,
                      const AnsiString& Caption, TBitmap* Glyph, int NumGlyphs, int GlyphIndex, bool Pressed,
                      bool ShowFocus, TColor FocusColor);

// One-line captions, vertically centred in Rect; nothing for empty text.
// A font of odd height draws 1 pixel higher; a caption starting with 'W'
// gets 2 more pixels on the right in the centred and left forms.
void DrawCaptionCentered(TCanvas* Canvas, const AnsiString& Caption, TRect Rect);
void DrawCaptionLeft(TCanvas* Canvas, const AnsiString& Caption, TRect Rect);
void DrawCaptionLeftPlain(TCanvas* Canvas, const AnsiString& Caption, TRect Rect);
void DrawCaptionAligned(TCanvas* Canvas, const AnsiString& Caption, TRect Rect, int Alignment);
// Left-aligned 2 pixels in, clipped to Rect.
void DrawCaptionClipped(TCanvas* Canvas, const AnsiString& Caption, const TRect& Rect);

// The text DrawCaptionWrapped draws for a rectangle Width pixels wide.
// BreakWords puts a break point before each character that overflows a
// line; otherwise an overflowing word is cut, its last three characters
// shown become "...", and the rest of it is left out.
AnsiString WrapCaptionText(TCanvas* Canvas, const AnsiString& Caption, int Width, bool BreakWords);
// That text centred, line by line, in Rect.
void DrawCaptionWrapped(TCanvas* Canvas, const AnsiString& Caption, TRect Rect, bool BreakWords);

// Shortens S character by character until S + "..." fits MaxWidth (or S
// is empty), then ends it with "..."; S that fits stays as it is. A
// double-byte character goes as a whole.
void TruncateText(TCanvas* Canvas, AnsiString& S, int MaxWidth);

// Wide text: DrawText on UTF-16, returning what DrawText returns.
int DrawTextUnicode(TCanvas* Canvas, const std::u16string& S, TRect& Rect, unsigned Flags);
// The size DrawTextUnicode computes with DT_CALCRECT alone.
int GetTextWidthW(TCanvas* Canvas, const std::u16string& S);
int GetTextHeightW(TCanvas* Canvas, const std::u16string& S);
void TruncateTextW(TCanvas* Canvas, std::u16string& S, int MaxWidth);

// Top and left lines in TopLeftColor, bottom and right in BottomRightColor.
void DrawFrame3D(TCanvas* Canvas, TRect Rect, TColor TopLeftColor, TColor BottomRightColor);
// Every other border pixel in the font colour.
void DrawFocusRectDotted(TCanvas* Canvas, const TRect& Rect);

// Glyphs in Color (the pen takes it). Arrow kinds: 1 left, 2 right, 3 up,
// 4 down, 5 plus sign (small arrows only).
void DrawSmallDownArrow(TCanvas* Canvas, const TRect& Rect, TColor Color);
void DrawArrowImage(TCanvas* Canvas, const TRect& Rect, TColor Color, int Kind);
void DrawLargeArrowImage(TCanvas* Canvas, const TRect& Rect, TColor Color, int Kind);
void DrawCheckImage(TCanvas* Canvas, int X, int Y, TColor Color);
// Caption-button glyphs with their top-left at (X, Y).
void DrawCloseImage(TCanvas* Canvas, int X, int Y, TColor Color);
void DrawCloseImageInRect(TCanvas* Canvas, const TRect& Rect, TColor Color);
void DrawSysMenuImage(TCanvas* Canvas, int X, int Y, TColor Color);
void DrawMinimizeImage(TCanvas* Canvas, int X, int Y, TColor Color);
void DrawMaximizeImage(TCanvas* Canvas, int X, int Y, TColor Color);
void DrawRestoreImage(TCanvas* Canvas, int X, int Y, TColor Color);
void DrawRollUpImage(TCanvas* Canvas, int X, int Y, TColor Color);
void DrawRollDownImage(TCanvas* Canvas, int X, int Y, TColor Color);
void DrawMinimizeToTrayImage(TCanvas* Canvas, int X, int Y, TColor Color);

// Channel means of two colours; C with each channel lowered by Percent.
// System colours are resolved first.
TColor MiddleColor(TColor C1, TColor C2);
TColor DarkerColor(TColor C, int Percent);

inline int RectWidth(const TRect& R) { return R.Right - R.Left; }
inline int RectHeight(const TRect& R) { return R.Bottom - R.Top; }
inline TRect NullRect() { return TRect{0, 0, 0, 0}; }
inline bool IsNullRect(const TRect& R) { return RectWidth(R) < 1 || RectHeight(R) < 1; }
inline bool IsZeroSize(const TPoint& P) { return P.X == 0 || P.Y == 0; }
inline bool IsEqualRects(const TRect& R1, const TRect& R2) { return R1 == R2; }
// Edges included.
inline bool PointInRect(const TRect& R, const TPoint& P)
{
    return P.X >= R.Left && P.X <= R.Right && P.Y >= R.Top && P.Y <= R.Bottom;
}
// R1's top-left and bottom-right corners both lie in R2 (right and bottom
// edges of R2 excluded).
inline bool RectInRect(const TRect& R1, const TRect& R2)
{
    return PtInRect(R2, R1.TopLeft()) && PtInRect(R2, R1.BottomRight());
}
inline bool RectsOverlapVertically(const TRect& R1, const TRect& R2)
{
    return PtInRect(R2, TPoint{R2.Left + 1, R1.Top}) || PtInRect(R2, TPoint{R2.Right - 1, R1.Bottom});
}
inline int IntMax(int A, int B) { return A > B ? A : B; }
inline int IntMin(int A, int B) { return A < B ? A : B; }
