// How menus look: the sizes of popup rows and menu bar items, and their
// drawing in the flat look with the system colours. The sizes are pure
// functions of the items and the menu font, so layout is tested without a
// window.
#pragma once

#include <memory>
#include <vector>

#include "platform/base/geometry.h"

class TBitmap;
class TCanvas;
class TCustomImageList;
class TFont;
class TMenuItem;

// The font every menu is drawn in: the system's menu font until someone
// changes it.
TFont* MenuFont();

// The popup window's frame on each side: a raised edge and a face margin.
inline constexpr int MenuFrameWidth = 3;
inline constexpr int MenuSeparatorHeight = 8;
// The strips at the top and bottom of a popup taller than the work area.
inline constexpr int MenuScrollArrowHeight = 12;

// The columns of a popup's rows, from the left of a row (inside the
// frame). The glyph column holds check marks, images and bitmaps; the
// shortcuts are right-aligned against the sub-menu arrow's column.
struct TPopupColumns {
    int Glyph = 0;     // the glyph column's width
    int Caption = 0;   // the widest caption
    int ShortCut = 0;  // the widest shortcut text, 0 when none has one
    int Width = 0;     // a whole row
};

// A canvas to measure menu text on, with no window needed, while the
// object lives.
class TMenuMeasure {
public:
    TMenuMeasure();
    ~TMenuMeasure();
    TMenuMeasure(const TMenuMeasure&) = delete;
    TMenuMeasure& operator=(const TMenuMeasure&) = delete;
    TCanvas* Canvas() const;

private:
    std::unique_ptr<TBitmap> bitmap_;
};
// The canvas gets the menu font, bold for a default item.
void SelectMenuFont(TCanvas* Canvas, const TMenuItem* Item);
TPopupColumns MeasurePopupColumns(TCanvas* Canvas, const std::vector<TMenuItem*>& Items, TCustomImageList* Images);
int PopupItemHeight(TCanvas* Canvas, TMenuItem* Item, TCustomImageList* Images);
// One row: highlighted when Selected; an item with OnDrawItem gets its
// background and draws the rest itself.
void DrawPopupItem(TCanvas* Canvas, TMenuItem* Item, const TRect& Row, const TPopupColumns& Columns, bool Selected,
                   TCustomImageList* Images);
// The popup's frame around its whole client area.
void DrawPopupFrame(TCanvas* Canvas, const TRect& Client);
void DrawPopupScrollArrow(TCanvas* Canvas, const TRect& Strip, bool Up, bool Enabled);

// A menu bar item's look: as it lies, hot (picked from the keyboard or
// under the mouse while tracking) or with its menu open.
enum class TBarItemLook { Normal, Hot, Open };

int MenuBarRowHeight(TCanvas* Canvas);
int MenuBarItemWidth(TCanvas* Canvas, TMenuItem* Item);
// The items of one bar laid out from the left of Bar, wrapping to more
// rows when they don't fit: one rectangle per item (empty for hidden
// ones). An item wider than the bar gets a row of its own.
std::vector<TRect> LayoutMenuBar(TCanvas* Canvas, TMenuItem* Root, const TRect& Bar, int& Height);
void DrawMenuBarItem(TCanvas* Canvas, TMenuItem* Item, const TRect& R, TBarItemLook Look);
