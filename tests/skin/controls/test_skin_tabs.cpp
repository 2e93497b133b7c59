#include "tests/skin/controls/test_skin_tabs.h"

#include <string>
#include <vector>

#include "platform/gdi/test_font.h"
#include "platform/base/geometry.h"
#include "tests/skin/controls/test_skin.h"

namespace test_skin_tabs {
namespace {

std::string Colour(TColor C) { return std::to_string(static_cast<unsigned>(C)); }

std::string Cell(TTestSkin& Skin, const std::string& Name, int W, int H, const std::vector<int>& Xs,
                 const std::vector<int>& Ys, const std::vector<std::string>& Parts)
{
    return TTestSkin::RectText(Skin.AddCell(Name, W, H, Xs, Ys, Parts));
}

}  // namespace

void AddTo(TTestSkin& Skin)
{
    Skin.NewRow();
    Skin.AddDescription("tab", "tab");
    const int c = kFrameCorner;
    Skin.Set("tab", "skinrect",
             Cell(Skin, "tab.frame", kFrame, kFrame, {c, kFrame - c}, {c, kFrame - c},
                  {"lt", "t", "rt", "l", "client", "r", "lb", "b", "rb"}));
    Skin.Set("tab", "pictureindex", "0");
    Skin.Set("tab", "lefttoppoint", TTestSkin::PointText(c, c));
    Skin.Set("tab", "righttoppoint", TTestSkin::PointText(kFrame - c, c));
    Skin.Set("tab", "leftbottompoint", TTestSkin::PointText(c, kFrame - c));
    Skin.Set("tab", "rightbottompoint", TTestSkin::PointText(kFrame - c, kFrame - c));
    Skin.Set("tab", "clientrect", TTestSkin::RectText(TRect{c, c, kFrame - c, kFrame - c}));
    for (const char* state : {"normal", "active", "focus", "hot"}) {
        std::string key = std::string(state) == "normal"   ? "tabrect"
                          : std::string(state) == "active" ? "activetabrect"
                          : std::string(state) == "focus"  ? "focustabrect"
                                                           : "mouseintabrect";
        Skin.Set("tab", key,
                 Cell(Skin, std::string("tab.") + state, kTabWidth, kTabHeight, {kTabEnd, kTabWidth - kTabEnd},
                      {kTabHalf}, {"tl", "tm", "tr", "bl", "bm", "br"}));
    }
    Skin.Set("tab", "tableftoffset", std::to_string(kTabEnd));
    Skin.Set("tab", "tabrightoffset", std::to_string(kTabEnd));
    Skin.Set("tab", "tabsbgrect", Cell(Skin, "tab.tabsbg", kTabsBg, kTabsBg, {}, {}, {"face"}));
    Skin.Set("tab", "closebuttonrect", Cell(Skin, "tab.close", kClose, kClose, {}, {}, {"face"}));
    Skin.Set("tab", "closebuttonactiverect", Cell(Skin, "tab.closeactive", kClose, kClose, {}, {}, {"face"}));
    Skin.Set("tab", "closebuttondownrect", Cell(Skin, "tab.closedown", kClose, kClose, {}, {}, {"face"}));
    Skin.Set("tab", "updown", "hupdown");
    Skin.Set("tab", "fontname", kTestFontName);
    Skin.Set("tab", "fontheight", "16");
    Skin.Set("tab", "fontcolor", Colour(kFontColour));
    Skin.Set("tab", "activefontcolor", Colour(kActiveFontColour));
    Skin.Set("tab", "focusfontcolor", Colour(kActiveFontColour));
    Skin.Set("tab", "mouseinfontcolor", Colour(kFontColour));
}

}  // namespace test_skin_tabs
