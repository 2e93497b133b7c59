// Menus and small windows of a skin: popup menu items and their window, the
// main-menu bar and its items, and the hint window.
#include "skin/data/bs_skin_controls_menus.h"
#include "skin/data/bs_skin_text_objects.h"
#include "skins/generator/gen_skin_builder.h"

namespace {

constexpr int kItemWidth = 60;
constexpr int kItemHeight = 20;
constexpr int kBarHeight = 22;
constexpr int kImageColumn = 24;  // the images' column at the left of each item
constexpr int kWindowSize = 40;   // the popup and hint pictures
constexpr int kWindowCorner = 4;

// A window picture of its own: an outlined field with a light inner line.
TSkinPicture WindowPicture(const char* FileName, const TGradient& Fill, TArgb Border, TArgb Light)
{
    TSkinPicture picture{FileName, TRaster(kWindowSize, kWindowSize, 0)};
    TRaster& r = picture.Raster;
    r.Gradient(TRect{0, 0, kWindowSize, kWindowSize}, Fill);
    r.Frame(TRect{1, 1, kWindowSize - 1, kWindowSize - 1}, Light);
    r.Frame(TRect{0, 0, kWindowSize, kWindowSize}, Border);
    return picture;
}

template <typename T>
void SetWindowFrame(T& W, int Picture)
{
    W.WindowPictureIndex = Picture;
    W.LeftTopPoint = {kWindowCorner, kWindowCorner};
    W.RightTopPoint = {kWindowSize - kWindowCorner, kWindowCorner};
    W.LeftBottomPoint = {kWindowCorner, kWindowSize - kWindowCorner};
    W.RightBottomPoint = {kWindowSize - kWindowCorner, kWindowSize - kWindowCorner};
    W.LeftStretch = W.RightStretch = W.TopStretch = W.BottomStretch = true;
    W.StretchEffect = true;
}

int AddPicture(TSkinModel& M, TSkinPicture Picture)
{
    M.ActivePictures.push_back(std::move(Picture));
    return int(M.ActivePictures.size()) - 1;
}

void BuildMenuItem(TSkinBuilder& B)
{
    const TSkinLook& L = B.Look;
    B.Atlas.NewRow();
    auto& item = B.AddObject<TbsDataSkinMenuItem>("menuitem", "menuitem");
    item.ActivePictureIndex = kControlsPicture;
    item.SkinRectInAPicture = true;
    // The plain item: the image column a shade darker than the menu.
    item.SkinRect = B.Field(kItemWidth, kItemHeight, L.MenuBack, L.MenuBack);
    B.Atlas.Raster().Fill(TRect{item.SkinRect.Left, item.SkinRect.Top, item.SkinRect.Left + kImageColumn,
                                item.SkinRect.Bottom},
                          Mix(L.MenuBack, L.FaceShadow, 40));
    // No gloss under the selected text: a light band would cost contrast.
    item.ActiveSkinRect = B.Atlas.Take(kItemWidth, kItemHeight);
    B.Atlas.Raster().Fill(item.ActiveSkinRect, L.MenuBack);
    B.Atlas.Raster().RoundedGradient(item.ActiveSkinRect, 2, TGradient::Two(L.MenuSelectTop, L.MenuSelectBottom));
    B.Atlas.Raster().RoundedFrame(item.ActiveSkinRect, 2, Mix(L.MenuSelectBottom, L.MenuBorder, 128));
    // The image column belongs to the fixed left end, so that the middle
    // that fills a wide item is one colour.
    item.ItemLeftOffset = kImageColumn + 2;
    item.ItemRightOffset = 4;
    item.StretchEffect = true;
    item.DividerRect = B.Field(kItemWidth, 5, L.MenuBack, L.MenuBack);
    B.Atlas.Raster().HLine(item.DividerRect.Left + kImageColumn + 2, item.DividerRect.Right - 2,
                           item.DividerRect.Top + 2, L.FaceShadow);
    item.DividerLeftOffset = kImageColumn + 2;
    item.DividerRightOffset = 2;
    item.DividerStretchEffect = true;
    item.TextRect = {kImageColumn + 4, 0, kItemWidth - 16, kItemHeight};
    item.ImageRect = {4, 2, 20, 18};
    item.FontName = kSkinFont;
    item.FontHeight = 12;
    item.FontColor = ToTColor(L.MenuText);
    item.ActiveFontColor = ToTColor(L.MenuSelectText);
    item.UnEnabledFontColor = ToTColor(L.DisabledText);
    const TGradient menu = TGradient::Flat(L.MenuBack);
    item.CheckImageRect = B.GlyphCell(12, 12, menu, TGlyph::Check, 9, 5, L.MenuText);
    item.RadioImageRect = B.GlyphCell(12, 12, menu, TGlyph::Dot, 8, 5, L.MenuText);
    item.ArrowImageRect = B.GlyphCell(8, 12, menu, TGlyph::ArrowRight, 8, 5, L.MenuText);
    const TGradient selected = TGradient::Flat(L.MenuSelectBottom);
    item.ActiveCheckImageRect = B.GlyphCell(12, 12, selected, TGlyph::Check, 9, 5, L.MenuSelectText);
    item.ActiveRadioImageRect = B.GlyphCell(12, 12, selected, TGlyph::Dot, 8, 5, L.MenuSelectText);
    item.ActiveArrowImageRect = B.GlyphCell(8, 12, selected, TGlyph::ArrowRight, 8, 5, L.MenuSelectText);
}

void BuildMainMenuBar(TSkinBuilder& B)
{
    const TSkinLook& L = B.Look;
    B.Atlas.NewRow();
    const TGradient bar = TGradient::Two(L.BarTop, L.BarBottom);
    auto& menuBar = B.AddControl<TbsDataSkinMainMenuBar>("mainmenubar", "mainmenubar");
    menuBar.PictureIndex = kControlsPicture;
    menuBar.SkinRect = B.Band(kItemWidth, kBarHeight, bar);
    menuBar.ItemsRect = {2, 0, kItemWidth - 2, kBarHeight};
    menuBar.MenuBarItem = "mainmenubaritem";
    menuBar.TrackMarkColor = ToTColor(L.FaceText);
    menuBar.TrackMarkActiveColor = ToTColor(L.Selection);
    menuBar.StretchEffect = true;

    auto& item = B.AddObject<TbsDataSkinMainMenuBarItem>("mainmenubaritem", "mainmenubaritem");
    item.ActivePictureIndex = kControlsPicture;
    item.SkinRectInAPicture = true;
    item.SkinRect = B.Band(30, kBarHeight, bar);
    item.ActiveSkinRect = B.Raised(30, kBarHeight, L.HotTop, L.HotBottom, L.HotBorder, L.BarTop, 3);
    item.DownRect = B.Raised(30, kBarHeight, L.MenuBack, L.MenuBack, L.MenuBorder, L.BarTop, 2);
    item.ItemLeftOffset = kImageColumn + 2;
    item.ItemRightOffset = 4;
    item.TextRect = {6, 0, 24, kBarHeight};
    item.FontName = kSkinFont;
    item.FontHeight = 12;
    item.FontColor = ToTColor(L.FaceText);
    item.ActiveFontColor = ToTColor(L.FaceText);
    item.DownFontColor = ToTColor(L.MenuText);
    item.UnEnabledFontColor = ToTColor(L.DisabledText);
    item.StretchEffect = true;
}

}  // namespace

void BuildMenus(TSkinBuilder& B)
{
    const TSkinLook& L = B.Look;
    BuildMenuItem(B);
    BuildMainMenuBar(B);
    TbsDataSkinPopupWindow& popup = B.Model.PopupWindow;
    SetWindowFrame(popup, AddPicture(B.Model, WindowPicture("popup.bmp", TGradient::Flat(L.MenuBack), L.MenuBorder,
                                                            Rgb(255, 255, 255))));
    popup.ItemsRect = {3, 3, kWindowSize - 3, kWindowSize - 3};
    popup.ScrollMarkerColor = ToTColor(L.MenuText);
    popup.ScrollMarkerActiveColor = ToTColor(L.Selection);
}

void BuildWindows(TSkinBuilder& B)
{
    const TSkinLook& L = B.Look;
    TbsDataSkinHintWindow& hint = B.Model.HintWindow;
    TGradient fill = TGradient::Two(L.Window, Mix(L.Window, L.BarBottom, 160));
    SetWindowFrame(hint, AddPicture(B.Model, WindowPicture("hint.bmp", fill, L.MenuBorder, L.Window)));
    hint.ClientRect = {4, 3, kWindowSize - 4, kWindowSize - 3};
    hint.FontName = kSkinFont;
    hint.FontHeight = 12;
    hint.FontColor = ToTColor(L.WindowText);
}
