#include "tests/skin/controls/test_menu_skin.h"

#include "platform/gdi/test_font.h"

namespace test_menu_skin {
namespace {

const std::vector<std::string> kThreeParts = {"l", "m", "r"};

std::string Colour(TColor C) { return std::to_string(static_cast<unsigned>(C)); }

// A window section whose picture is a nine-part cell of the controls
// picture copied into a picture of its own.
void AddWindow(TTestSkin& Skin, const std::string& Section, const std::string& Name, const std::string& RectKey)
{
    const int w = kWindowPicture;
    const int b = kWindowBorder;
    TRect cell = Skin.AddCell(Name, w, w, {b, w - b}, {b, w - b}, kNineParts);
    Skin.Set(Section, "windowpictureindex", std::to_string(Skin.AddCellPicture(Name + ".bmp", cell)));
    Skin.Set(Section, "maskpictureindex", std::to_string(Skin.AddMask(Name + "_mask.bmp", w, w)));
    Skin.Set(Section, "lefttoppoint", TTestSkin::PointText(b, b));
    Skin.Set(Section, "righttoppoint", TTestSkin::PointText(w - b, b));
    Skin.Set(Section, "leftbottompoint", TTestSkin::PointText(b, w - b));
    Skin.Set(Section, "rightbottompoint", TTestSkin::PointText(w - b, w - b));
    Skin.Set(Section, RectKey, TTestSkin::RectText(TRect{b, b, w - b, w - b}));
}

std::string Strip(TTestSkin& Skin, const std::string& Name, int W, int H)
{
    return TTestSkin::RectText(Skin.AddCell(Name, W, H, {4, W - 4}, {}, kThreeParts));
}

void AddObject(TTestSkin& Skin, const std::string& IDName, const std::string& TypeWord)
{
    int count = std::stoi(Skin.Get("SKINOBJECTS", "count"));
    Skin.Set("SKINOBJECTS", std::to_string(count), IDName + ":" + TypeWord);
    Skin.Set("SKINOBJECTS", "count", std::to_string(count + 1));
}

void AddMenuItem(TTestSkin& Skin)
{
    const std::string s = "menuitem";
    AddObject(Skin, s, "menuitem");
    Skin.NewRow();
    Skin.Set(s, "activepictureindex", "0");
    Skin.Set(s, "skinrect", Strip(Skin, s + ".normal", 40, kRowHeight));
    Skin.Set(s, "activeskinrect", Strip(Skin, s + ".active", 40, kRowHeight));
    Skin.Set(s, "dividerrect", Strip(Skin, s + ".divider", 40, kDividerHeight));
    TRect strip = Skin.AddCell(s + ".frames", 120, kRowHeight, {4, 36, 40, 44, 76, 80, 84, 116}, {},
                               {"frame1.l", "frame1.m", "frame1.r", "frame2.l", "frame2.m", "frame2.r", "frame3.l",
                                "frame3.m", "frame3.r"});
    Skin.Set(s, "animateskinrect", TTestSkin::RectText(strip));
    Skin.Set(s, "framecount", "3");
    Skin.Set(s, "animateinterval", "30");
    Skin.Set(s, "morphing", "1");
    Skin.Set(s, "itemleftoffset", "4");
    Skin.Set(s, "itemrightoffset", "4");
    Skin.Set(s, "dividerleftoffset", "4");
    Skin.Set(s, "dividerrightoffset", "4");
    Skin.Set(s, "textrect", TTestSkin::RectText(TRect{4, 2, 36, 18}));
    Skin.Set(s, "fontname", kTestFontName);
    Skin.Set(s, "fontheight", "16");
    Skin.Set(s, "fontcolor", Colour(kFontColour));
    Skin.Set(s, "activefontcolor", Colour(kActiveFontColour));
    Skin.Set(s, "unenabledfontcolor", Colour(kDisabledFontColour));
    // Marks are drawn with their bottom-left colour transparent: the lower
    // half ("key") vanishes and the upper half ("face") shows.
    for (const char* mark : {"check", "activecheck", "radio", "activeradio"})
        Skin.Set(s, std::string(mark) + "imagerect",
                 TTestSkin::RectText(Skin.AddCell(s + "." + mark, 8, 8, {}, {4}, {"face", "key"})));
    for (const char* mark : {"arrow", "activearrow"})
        Skin.Set(s, std::string(mark) + "imagerect",
                 TTestSkin::RectText(Skin.AddCell(s + "." + mark, 4, 8, {}, {4}, {"face", "key"})));
}

void AddLabel(TTestSkin& Skin, const std::string& IDName)
{
    Skin.AddDescription(IDName, "label");
    Skin.Set(IDName, "pictureindex", "0");
    Skin.Set(IDName, "skinrect", Strip(Skin, IDName + ".normal", 40, kRowHeight));
    Skin.Set(IDName, "lefttoppoint", TTestSkin::PointText(4, 0));
    Skin.Set(IDName, "righttoppoint", TTestSkin::PointText(36, 0));
    Skin.Set(IDName, "leftbottompoint", TTestSkin::PointText(4, kRowHeight));
    Skin.Set(IDName, "rightbottompoint", TTestSkin::PointText(36, kRowHeight));
    Skin.Set(IDName, "clientrect", TTestSkin::RectText(TRect{4, 2, 36, 18}));
    Skin.Set(IDName, "fontname", kTestFontName);
    Skin.Set(IDName, "fontheight", "16");
    Skin.Set(IDName, "fontcolor", Colour(kActiveFontColour));
}

bool HasDescription(const TTestSkin& Skin, const std::string& IDName)
{
    for (const auto& [section, key] : Skin.Keys())
        if (section == "SKINCONTROLS" && key != "count" && Skin.Get(section, key).starts_with(IDName + ":"))
            return true;
    return false;
}

void AddMenuItemButton(TTestSkin& Skin)
{
    const std::string s = "menuitembutton";
    Skin.NewRow();
    Skin.AddDescription(s, "button");
    for (const char* state : {"normal", "active", "down"})
        Skin.Set(s, std::string(state) == "normal" ? "skinrect" : std::string(state) + "skinrect",
                 TTestSkin::RectText(Skin.AddCell(s + "." + state, 30, 20, {4, 26}, {4, 16}, kNineParts)));
    Skin.Set(s, "pictureindex", "0");
    Skin.Set(s, "lefttoppoint", TTestSkin::PointText(4, 4));
    Skin.Set(s, "righttoppoint", TTestSkin::PointText(26, 4));
    Skin.Set(s, "leftbottompoint", TTestSkin::PointText(4, 16));
    Skin.Set(s, "rightbottompoint", TTestSkin::PointText(26, 16));
    Skin.Set(s, "clientrect", TTestSkin::RectText(TRect{4, 4, 26, 16}));
    Skin.Set(s, "fontname", kTestFontName);
    Skin.Set(s, "fontheight", "16");
    Skin.Set(s, "fontcolor", Colour(kFontColour));
    Skin.Set(s, "activefontcolor", Colour(kActiveFontColour));
    Skin.Set(s, "downfontcolor", Colour(kDisabledFontColour));
}

}  // namespace

void AddTo(TTestSkin& Skin)
{
    AddMenuItem(Skin);
    Skin.NewRow();
    AddWindow(Skin, "POPUPWINDOW", "popupwindow", "itemsrect");
    Skin.Set("POPUPWINDOW", "scrollmarkercolor", Colour(kScrollMarker));
    Skin.Set("POPUPWINDOW", "scrollmarkeractivecolor", Colour(kScrollMarkerActive));
    AddWindow(Skin, "HINTWINDOW", "hintwindow", "clientrect");
    Skin.Set("HINTWINDOW", "fontname", kTestFontName);
    Skin.Set("HINTWINDOW", "fontheight", "16");
    Skin.Set("HINTWINDOW", "fontcolor", Colour(kFontColour));
    Skin.NewRow();
    AddLabel(Skin, "menuheader");
    // The headers fall back to any "label"; a skin that has one keeps it.
    if (!HasDescription(Skin, "label"))
        AddLabel(Skin, "label");
    AddMenuItemButton(Skin);
}

}  // namespace test_menu_skin
