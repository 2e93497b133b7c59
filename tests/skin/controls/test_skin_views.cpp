#include "tests/skin/controls/test_skin_views.h"

#include <string>
#include <vector>

#include "platform/gdi/test_font.h"
#include "tests/skin/controls/test_skin.h"

namespace test_skin_views {
namespace {


std::string Colour(TColor C) { return std::to_string(static_cast<unsigned>(C)); }

void Font(TTestSkin& Skin, const std::string& IDName, TColor FontColour, TColor BgColour)
{
    Skin.Set(IDName, "fontname", kTestFontName);
    Skin.Set(IDName, "fontheight", "16");
    Skin.Set(IDName, "fontcolor", Colour(FontColour));
    Skin.Set(IDName, "bgcolor", Colour(BgColour));
}

std::string ItemCell(TTestSkin& Skin, const std::string& Name)
{
    return TTestSkin::RectText(Skin.AddCell(Name, kItemWidth, kItemHeight,
                                            {kItemCorner, kItemWidth - kItemCorner},
                                            {kItemCorner, kItemHeight - kItemCorner}, kNineParts));
}

}  // namespace

void AddTo(TTestSkin& Skin)
{
    Skin.NewRow();
    Skin.AddDescription("treeview", "treeview");
    Font(Skin, "treeview", kTreeFontColour, kTreeBgColour);
    Skin.Set("treeview", "pictureindex", "0");
    for (const char* state : {"expand", "noexpand"})
        Skin.Set("treeview", std::string(state) + "imagerect",
                 TTestSkin::RectText(Skin.AddCell(std::string("treeview.") + state, kExpandSide, kExpandSide + 1,
                                                  {}, {kExpandSide}, {"face", "base"})));

    Skin.AddDescription("listview", "listview");
    Font(Skin, "listview", kListFontColour, kListBgColour);

    Skin.NewRow();
    Skin.AddDescription("listbox", "listbox");
    Skin.Set("listbox", "pictureindex", "0");
    Skin.Set("listbox", "focusitemrect", ItemCell(Skin, "listbox.focusitem"));
    Skin.Set("listbox", "activeitemrect", ItemCell(Skin, "listbox.activeitem"));
    Skin.Set("listbox", "itemtextrect",
             TTestSkin::RectText(TRect{kItemCorner, kItemCorner, kItemWidth - kItemCorner, kItemHeight - kItemCorner}));
    Skin.Set("listbox", "focusfontcolor", Colour(kItemFocusFontColour));
    Skin.Set("listbox", "activefontcolor", Colour(kItemActiveFontColour));

    Skin.AddDescription("checkbox", "checkradio");
    Skin.Set("checkbox", "pictureindex", "0");
    for (const char* state : {"check", "uncheck"})
        Skin.Set("checkbox", std::string(state) + "imagerect",
                 TTestSkin::RectText(
                     Skin.AddCell(std::string("checkbox.") + state, kCheckSide, kCheckSide, {}, {}, {"face"})));
}

}  // namespace test_skin_views
