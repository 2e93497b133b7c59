#include "tests/skin/form/test_main_menu_bar_skin.h"

#include <string>
#include <vector>

#include "platform/gdi/test_font.h"

namespace test_main_menu_bar_skin {
namespace {

const std::vector<std::string> kThreeParts = {"l", "m", "r"};

std::string Colour(TColor C) { return std::to_string(static_cast<unsigned>(C)); }

std::string Strip(TTestSkin& Skin, const std::string& Name, int W, int H, int Part)
{
    return TTestSkin::RectText(Skin.AddCell(Name, W, H, {Part, W - Part}, {}, kThreeParts));
}

void AddItem(TTestSkin& Skin, const std::string& IDName, const std::vector<std::string>& States)
{
    AddObject(Skin, IDName, "mainmenubaritem");
    Skin.Set(IDName, "activepictureindex", "0");
    for (const std::string& state : States) {
        std::string key = state == "normal" ? "skinrect" : state == "active" ? "activeskinrect" : "downrect";
        Skin.Set(IDName, key, Strip(Skin, IDName + "." + state, kItemSkinWidth, kItemHeight, kItemBorder));
    }
    Skin.Set(IDName, "textrect", TTestSkin::RectText(TRect{kItemBorder, 2, kItemSkinWidth - kItemBorder, 18}));
    Skin.Set(IDName, "itemleftoffset", std::to_string(kItemBorder));
    Skin.Set(IDName, "itemrightoffset", std::to_string(kItemBorder));
    Skin.Set(IDName, "fontname", kTestFontName);
    Skin.Set(IDName, "fontheight", "16");
    Skin.Set(IDName, "fontcolor", Colour(kFontColour));
    Skin.Set(IDName, "activefontcolor", Colour(kActiveFontColour));
    Skin.Set(IDName, "downfontcolor", Colour(kDownFontColour));
    Skin.Set(IDName, "unenabledfontcolor", Colour(kDisabledFontColour));
}

const std::vector<std::string> kNineParts = {"lt", "t", "rt", "l", "client", "r", "lb", "b", "rb"};

// A nine-part control description with corners C of each state's W x H
// cell.
void AddNinePart(TTestSkin& Skin, const std::string& IDName, int W, int H, int C,
                 const std::vector<std::string>& States)
{
    Skin.AddDescription(IDName, IDName == "resizetoolpanel" ? "panel" : "button");
    Skin.Set(IDName, "pictureindex", "0");
    for (const std::string& state : States) {
        std::string key = state == "normal" ? "skinrect" : state + "skinrect";
        Skin.Set(IDName, key, TTestSkin::RectText(Skin.AddCell(IDName + "." + state, W, H, {C, W - C}, {C, H - C},
                                                               kNineParts)));
    }
    Skin.Set(IDName, "lefttoppoint", TTestSkin::PointText(C, C));
    Skin.Set(IDName, "righttoppoint", TTestSkin::PointText(W - C, C));
    Skin.Set(IDName, "leftbottompoint", TTestSkin::PointText(C, H - C));
    Skin.Set(IDName, "rightbottompoint", TTestSkin::PointText(W - C, H - C));
    Skin.Set(IDName, "clientrect", TTestSkin::RectText(TRect{C, C, W - C, H - C}));
}

}  // namespace

void AddObject(TTestSkin& Skin, const std::string& IDName, const std::string& TypeWord)
{
    std::string counted = Skin.Get("SKINOBJECTS", "count");
    int count = counted.empty() ? 0 : std::stoi(counted);
    Skin.Set("SKINOBJECTS", std::to_string(count), IDName + ":" + TypeWord);
    Skin.Set("SKINOBJECTS", "count", std::to_string(count + 1));
}

void AddTo(TTestSkin& Skin)
{
    Skin.NewRow();
    const std::string bar = "mainmenubar";
    Skin.AddDescription(bar, "mainmenubar");
    Skin.Set(bar, "pictureindex", "0");
    Skin.Set(bar, "skinrect", Strip(Skin, bar + ".normal", 60, kBarHeight, kItemsLeft));
    Skin.Set(bar, "itemsrect", TTestSkin::RectText(TRect{kItemsLeft, kItemsTop, 60 - kBarRightPart, 22}));
    Skin.Set(bar, "menubaritem", "menubaritem");
    Skin.Set(bar, "trackmarkcolor", Colour(kTrackMark));
    Skin.Set(bar, "trackmarkactivecolor", Colour(kTrackMarkActive));

    Skin.NewRow();
    AddItem(Skin, "menubaritem", {"normal", "active", "down"});
    Skin.Set("menubaritem", "morphing", "1");

    Skin.NewRow();
    AddItem(Skin, "menubaritemanim", {"normal", "active"});
    TRect strip = Skin.AddCell("menubaritemanim", 3 * kItemSkinWidth, kItemHeight,
                               {kItemSkinWidth, 2 * kItemSkinWidth}, {}, {"frame1", "frame2", "frame3"});
    Skin.Set("menubaritemanim", "animateskinrect", TTestSkin::RectText(strip));
    Skin.Set("menubaritemanim", "framecount", "3");
    Skin.Set("menubaritemanim", "animateinterval", "30");

    Skin.NewRow();
    AddNinePart(Skin, "resizetoolbutton", 30, 20, 4, {"normal", "active", "down"});
    Skin.Set("resizetoolbutton", "fontname", kTestFontName);
    Skin.Set("resizetoolbutton", "fontheight", "16");
    Skin.Set("resizetoolbutton", "fontcolor", Colour(kToolFontColour));
    Skin.Set("resizetoolbutton", "activefontcolor", Colour(kToolActiveFontColour));
    Skin.Set("resizetoolbutton", "downfontcolor", Colour(kToolDownFontColour));
    AddNinePart(Skin, "resizetoolpanel", 40, 40, 6, {"normal"});
}

}  // namespace test_main_menu_bar_skin
