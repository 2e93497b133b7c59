// Menu rows and bar items: their sizes and their drawing.
#include "platform/ui/kernel/menu_painter.h"

#include <algorithm>

#include "platform/gdi/draw_text.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/flat_look.h"
#include "platform/ui/graphics/image_list.h"
#include "platform/ui/kernel/menus.h"
#include "platform/win/system_metrics.h"
#include "platform/win/system_parameters.h"

namespace {

// The smallest glyph column, from the side of a check mark, and the
// spaces around the parts of a row.
constexpr int CheckSize = 16;
constexpr int GlyphMargin = 2;
constexpr int CaptionGap = 4;
constexpr int ShortCutGap = 16;
constexpr int ArrowColumn = 16;
constexpr int RowPadding = 4;  // above and below the caption
constexpr int BarItemPadding = 7;

bool HasImage(const TMenuItem* Item, TCustomImageList* Images)
{
    return Images && Item->ImageIndex() >= 0 && Item->ImageIndex() < Images->Count();
}

TSize GlyphSize(TMenuItem* Item, TCustomImageList* Images)
{
    if (HasImage(Item, Images))
        return {Images->Width(), Images->Height()};
    TBitmap* bitmap = Item->Bitmap();
    if (!bitmap->Empty())
        return {bitmap->Width(), bitmap->Height()};
    return {0, 0};
}

AnsiString ShortCutText(const TMenuItem* Item)
{
    return Item->ShortCut() == scNone ? AnsiString() : ShortCutToText(Item->ShortCut());
}

void DrawCheckMark(TCanvas* Canvas, const TRect& Box, bool Radio, TColor Color)
{
    int cx = (Box.Left + Box.Right) / 2;
    int cy = (Box.Top + Box.Bottom) / 2;
    Canvas->Pen()->SetColor(Color);
    Canvas->Brush()->SetColor(Color);
    Canvas->Brush()->SetStyle(bsSolid);
    if (Radio) {
        Canvas->Ellipse(cx - 3, cy - 3, cx + 3, cy + 3);
        return;
    }
    // A tick three pixels thick: down-right from the left, then up-right.
    for (int i = 0; i < 3; ++i)
        Canvas->Polyline({Point(cx - 3, cy - 1 + i), Point(cx - 1, cy + 1 + i), Point(cx + 4, cy - 4 + i)});
}

void DrawGlyph(TCanvas* Canvas, TMenuItem* Item, const TRect& Box, bool Selected, TCustomImageList* Images)
{
    TSize size = GlyphSize(Item, Images);
    bool enabled = Item->Enabled();
    if (size.cx == 0) {
        if (Item->Checked())
            DrawCheckMark(Canvas, Box, Item->RadioItem(),
                          !enabled ? clGrayText : (Selected ? clHighlightText : clMenuText));
        return;
    }
    if (Item->Checked()) {
        // A checked image sits in a sunken box, lighter than the menu.
        TRect frame = Rect(Box.Left + 1, Box.Top + 1, Box.Right - 1, Box.Bottom - 1);
        DrawFlatFrame(Canvas, frame, TFlatFrame::Sunken);
        if (!Selected)
            FlatFill(Canvas, frame, cl3DLight);
    }
    int x = Box.Left + (Box.Width() - size.cx) / 2;
    int y = Box.Top + (Box.Height() - size.cy) / 2;
    if (HasImage(Item, Images))
        Images->Draw(Canvas, x, y, Item->ImageIndex(), enabled);
    else
        Canvas->Draw(x, y, Item->Bitmap());
}

}  // namespace

TFont* MenuFont()
{
    static TFont* font = [] {
        auto* made = new TFont;
        NONCLIENTMETRICS metrics;
        if (SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
            made->SetName(metrics.lfMenuFont.lfFaceName);
            made->SetHeight(metrics.lfMenuFont.lfHeight);
        }
        return made;
    }();
    return font;
}

TMenuMeasure::TMenuMeasure() : bitmap_(std::make_unique<TBitmap>())
{
    bitmap_->SetSize(1, 1);
}

TMenuMeasure::~TMenuMeasure() = default;

TCanvas* TMenuMeasure::Canvas() const
{
    return bitmap_->Canvas();
}

void SelectMenuFont(TCanvas* Canvas, const TMenuItem* Item)
{
    Canvas->Font()->Assign(MenuFont());
    if (Item && Item->Default())
        Canvas->Font()->SetStyle(Canvas->Font()->Style().Include(fsBold));
}

TPopupColumns MeasurePopupColumns(TCanvas* Canvas, const std::vector<TMenuItem*>& Items, TCustomImageList* Images)
{
    TPopupColumns columns;
    int glyph = CheckSize;
    for (TMenuItem* item : Items) {
        if (item->IsLine())
            continue;
        glyph = std::max(glyph, GlyphSize(item, Images).cx);
        SelectMenuFont(Canvas, item);
        columns.Caption = std::max(columns.Caption, Canvas->TextWidth(StripHotkey(item->Caption())));
        AnsiString shortCut = ShortCutText(item);
        if (!shortCut.empty())
            columns.ShortCut = std::max(columns.ShortCut, Canvas->TextWidth(shortCut));
    }
    columns.Glyph = glyph + 2 * GlyphMargin;
    columns.Width = columns.Glyph + CaptionGap + columns.Caption +
                    (columns.ShortCut ? ShortCutGap + columns.ShortCut : 0) + ArrowColumn;
    return columns;
}

int PopupItemHeight(TCanvas* Canvas, TMenuItem* Item, TCustomImageList* Images)
{
    if (Item->IsLine())
        return MenuSeparatorHeight;
    SelectMenuFont(Canvas, Item);
    int text = Canvas->TextHeight("Wg") + RowPadding;
    int glyph = std::max(CheckSize, static_cast<int>(GlyphSize(Item, Images).cy)) + 2 * GlyphMargin;
    return std::max(text, glyph);
}

void DrawPopupItem(TCanvas* Canvas, TMenuItem* Item, const TRect& Row, const TPopupColumns& Columns, bool Selected,
                   TCustomImageList* Images)
{
    if (Item->IsLine()) {
        FlatFill(Canvas, Row, clMenu);
        int y = (Row.Top + Row.Bottom) / 2 - 1;
        FlatFill(Canvas, Rect(Row.Left + 1, y, Row.Right - 1, y + 1), clBtnShadow);
        FlatFill(Canvas, Rect(Row.Left + 1, y + 1, Row.Right - 1, y + 2), clBtnHighlight);
        return;
    }
    FlatFill(Canvas, Row, Selected ? clHighlight : clMenu);
    SelectMenuFont(Canvas, Item);
    Canvas->Font()->SetColor(Selected ? clHighlightText : clMenuText);
    if (Item->OnDrawItem) {
        Item->OnDrawItem(Item, Canvas, Row, Selected);
        return;
    }
    DrawGlyph(Canvas, Item, Rect(Row.Left, Row.Top, Row.Left + Columns.Glyph, Row.Bottom), Selected, Images);
    Canvas->Brush()->SetStyle(bsClear);
    TRect text = Rect(Row.Left + Columns.Glyph + CaptionGap, Row.Top, Row.Right - ArrowColumn, Row.Bottom);
    DrawFlatText(Canvas, text, Item->Caption(), DT_LEFT | DT_VCENTER | DT_SINGLELINE, Item->Enabled());
    AnsiString shortCut = ShortCutText(Item);
    if (!shortCut.empty()) {
        text = Rect(Row.Left + Columns.Glyph + CaptionGap, Row.Top, Row.Right - ArrowColumn, Row.Bottom);
        DrawFlatText(Canvas, text, shortCut, DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX, Item->Enabled());
    }
    if (Item->Count() > 0) {
        TRect arrow = Rect(Row.Right - ArrowColumn, Row.Top, Row.Right, Row.Bottom);
        DrawArrowGlyph(Canvas->Handle(), arrow, TArrowGlyph::Right,
                       !Item->Enabled() ? COLOR_GRAYTEXT : (Selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT), false);
    }
}

void DrawPopupFrame(TCanvas* Canvas, const TRect& Client)
{
    TRect r = Client;
    Frame3D(Canvas, r, cl3DLight, cl3DDkShadow, 1);
    DrawFlatFrame(Canvas, r, TFlatFrame::Raised);
    // The face margin between the edges and the rows.
    FlatFill(Canvas, r, clMenu);
}

void DrawPopupScrollArrow(TCanvas* Canvas, const TRect& Strip, bool Up, bool Enabled)
{
    FlatFill(Canvas, Strip, clMenu);
    DrawArrowGlyph(Canvas->Handle(), Strip, Up ? TArrowGlyph::Up : TArrowGlyph::Down,
                   Enabled ? COLOR_MENUTEXT : COLOR_GRAYTEXT, false);
}

int MenuBarRowHeight(TCanvas* Canvas)
{
    SelectMenuFont(Canvas, nullptr);
    return std::max(GetSystemMetrics(SM_CYMENU), Canvas->TextHeight("Wg") + RowPadding);
}

int MenuBarItemWidth(TCanvas* Canvas, TMenuItem* Item)
{
    SelectMenuFont(Canvas, Item);
    return Canvas->TextWidth(StripHotkey(Item->Caption())) + 2 * BarItemPadding;
}

std::vector<TRect> LayoutMenuBar(TCanvas* Canvas, TMenuItem* Root, const TRect& Bar, int& Height)
{
    std::vector<TRect> rects(static_cast<size_t>(Root->Count()));
    int rowHeight = MenuBarRowHeight(Canvas);
    int x = Bar.Left;
    int y = Bar.Top;
    bool any = false;
    for (int i = 0; i < Root->Count(); ++i) {
        TMenuItem* item = Root->Items(i);
        if (!item->Visible())
            continue;
        int width = MenuBarItemWidth(Canvas, item);
        if (x > Bar.Left && x + width > Bar.Right) {
            x = Bar.Left;
            y += rowHeight;
        }
        rects[size_t(i)] = Rect(x, y, x + width, y + rowHeight);
        x += width;
        any = true;
    }
    Height = any ? y + rowHeight - Bar.Top : 0;
    return rects;
}

void DrawMenuBarItem(TCanvas* Canvas, TMenuItem* Item, const TRect& R, TBarItemLook Look)
{
    FlatFill(Canvas, R, clMenuBar);
    if (Look != TBarItemLook::Normal) {
        TRect frame = R;
        DrawFlatFrame(Canvas, frame, Look == TBarItemLook::Open ? TFlatFrame::Sunken : TFlatFrame::Raised);
    }
    SelectMenuFont(Canvas, Item);
    Canvas->Font()->SetColor(clMenuText);
    if (Item->OnDrawItem) {
        Item->OnDrawItem(Item, Canvas, R, Look != TBarItemLook::Normal);
        return;
    }
    Canvas->Brush()->SetStyle(bsClear);
    TRect text = R;
    if (Look == TBarItemLook::Open)
        OffsetRect(text, 1, 1);
    DrawFlatText(Canvas, text, Item->Caption(), DT_CENTER | DT_VCENTER | DT_SINGLELINE, Item->Enabled());
}
