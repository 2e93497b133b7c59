#include "tests/skin/form/test_ribbon_skin.h"

#include <string>
#include <vector>

#include "platform/base/geometry.h"
#include "platform/gdi/test_font.h"
#include "tests/skin/controls/test_skin.h"

namespace test_ribbon_skin {
namespace {

const std::vector<std::string> kNineParts = {"lt", "t", "rt", "l", "client", "r", "lb", "b", "rb"};

std::string Colour(TColor C) { return std::to_string(static_cast<unsigned>(C)); }

std::string Face(TTestSkin& Skin, const std::string& Name, int W, int H)
{
    return TTestSkin::RectText(Skin.AddCell(Name, W, H, {}, {}, {"face"}));
}

// Corner points and client rectangle of a nine-part W x H with corners C.
void NinePartKeys(TTestSkin& Skin, const std::string& IDName, int W, int H, int C)
{
    Skin.Set(IDName, "lefttoppoint", TTestSkin::PointText(C, C));
    Skin.Set(IDName, "righttoppoint", TTestSkin::PointText(W - C, C));
    Skin.Set(IDName, "leftbottompoint", TTestSkin::PointText(C, H - C));
    Skin.Set(IDName, "rightbottompoint", TTestSkin::PointText(W - C, H - C));
    Skin.Set(IDName, "clientrect", TTestSkin::RectText(TRect{C, C, W - C, H - C}));
}

// A description on a new row whose skin rectangle is the nine-part page
// frame "<IDName>.frame".
void AddFrameDescription(TTestSkin& Skin, const std::string& IDName, const std::string& TypeWord)
{
    Skin.NewRow();
    Skin.AddDescription(IDName, TypeWord);
    Skin.Set(IDName, "pictureindex", "0");
    const int c = kFrameCorner;
    Skin.Set(IDName, "skinrect",
             TTestSkin::RectText(Skin.AddCell(IDName + ".frame", kFrame, kFrame, {c, kFrame - c}, {c, kFrame - c},
                                              kNineParts)));
    NinePartKeys(Skin, IDName, kFrame, kFrame, c);
}

// A horizontal strip Name of W x H with ends End wide: "<Name>.{l,m,r}".
std::string Strip(TTestSkin& Skin, const std::string& Name, int W, int H, int End)
{
    return TTestSkin::RectText(Skin.AddCell(Name, W, H, {End, W - End}, {}, {"l", "m", "r"}));
}

void AddTab(TTestSkin& Skin)
{
    const std::string tab = "officetab";
    AddFrameDescription(Skin, tab, "tab");
    for (const std::string state : {"normal", "active", "focus", "hot"}) {
        std::string key = state == "normal"   ? "tabrect"
                          : state == "active" ? "activetabrect"
                          : state == "focus"  ? "focustabrect"
                                              : "mouseintabrect";
        Skin.Set(tab, key, Strip(Skin, tab + "." + state, kTabWidth, kTabHeight, kTabEnd));
    }
    Skin.Set(tab, "tableftoffset", std::to_string(kTabEnd));
    Skin.Set(tab, "tabrightoffset", std::to_string(kTabEnd));
    Skin.Set(tab, "tabsbgrect", Face(Skin, tab + ".tabsbg", 6, 6));
    Skin.Set(tab, "dividerrect", Face(Skin, tab + ".divider", 2, kTabHeight));
    Skin.NewRow();
    for (const std::string button : {"mdiclose", "mdirestore", "mdimin"})
        for (const std::string look : {"", "active", "down"})
            Skin.Set(tab, button + look + "rect", Face(Skin, tab + "." + button + look, kChildButton, kChildButton));
    Skin.Set(tab, "fontname", kTestFontName);
    Skin.Set(tab, "fontheight", "16");
    Skin.Set(tab, "fontcolor", Colour(kFontColour));
    Skin.Set(tab, "activefontcolor", Colour(kActiveFontColour));
    Skin.Set(tab, "focusfontcolor", Colour(kFocusFontColour));
    Skin.Set(tab, "mouseinfontcolor", Colour(kHotFontColour));
}

void AddRibbonButton(TTestSkin& Skin)
{
    const std::string button = "officeribbonbutton";
    Skin.NewRow();
    Skin.AddDescription(button, "button");
    Skin.Set(button, "pictureindex", "0");
    const int c = kButtonCorner;
    for (const std::string state : {"normal", "active", "down"})
        Skin.Set(button, state == "normal" ? "skinrect" : state + "skinrect",
                 TTestSkin::RectText(Skin.AddCell(button + "." + state, kButton, kButton, {c, kButton - c},
                                                  {c, kButton - c}, kNineParts)));
    NinePartKeys(Skin, button, kButton, kButton, c);
}

void AddAppMenu(TTestSkin& Skin)
{
    const std::string menu = "appmenu";
    AddFrameDescription(Skin, menu, "appmenu");
    auto strip = [&](const std::string& Name, int W, int H, int End) {
        return Strip(Skin, menu + "." + Name, W, H, End);
    };
    Skin.Set(menu, "itemrect", strip("item", 30, kMenuItemHeight, kMenuItemEnd));
    Skin.Set(menu, "pageitemrect", strip("pageitem", 40, kMenuPageItemHeight, kMenuPageItemEnd));
    Skin.Set(menu, "pageitemactiverect", strip("pageitemactive", 40, kMenuPageItemHeight, kMenuPageItemEnd));
    Skin.Set(menu, "toplinerect", strip("topline", 30, kTopLine, kMenuItemEnd));
    Skin.Set(menu, "gripperrect", Face(Skin, menu + ".gripper", 10, 10));
    for (const char* key : {"itemoffset1", "itemoffset2", "toplineoffset1", "toplineoffset2"})
        Skin.Set(menu, key, std::to_string(kMenuItemEnd));
    for (const char* key : {"pageitemoffset1", "pageitemoffset2"})
        Skin.Set(menu, key, std::to_string(kMenuPageItemEnd));
    Skin.Set(menu, "fontname", kTestFontName);
    Skin.Set(menu, "fontheight", "14");
    Skin.Set(menu, "fontpageheight", "16");
    Skin.Set(menu, "fontcolor", Colour(kFontColour));
    Skin.Set(menu, "disabledfontcolor", Colour(kHotFontColour));
    Skin.Set(menu, "activefontcolor", Colour(kActiveFontColour));
    Skin.Set(menu, "fontpagecolor", Colour(kFontColour));
    Skin.Set(menu, "activefontpagecolor", Colour(kFocusFontColour));
}

}  // namespace

void AddTo(TTestSkin& Skin)
{
    AddTab(Skin);
    AddRibbonButton(Skin);
    AddAppMenu(Skin);
}

}  // namespace test_ribbon_skin
