#include "tests/skin/controls/test_skin_panels.h"

#include <string>
#include <vector>

#include "platform/gdi/test_font.h"
#include "tests/skin/controls/test_skin.h"

namespace test_skin_panels {
namespace {


std::string Colour(TColor C) { return std::to_string(static_cast<unsigned>(C)); }

// A nine-part description of W x H whose top part is Top high and whose
// other corners are Corner wide.
void AddNinePart(TTestSkin& Skin, const std::string& IDName, const std::string& TypeWord, int W, int H, int Top,
                 int Corner)
{
    Skin.NewRow();
    Skin.AddDescription(IDName, TypeWord);
    TRect cell = Skin.AddCell(IDName + ".normal", W, H, {Corner, W - Corner}, {Top, H - Corner}, kNineParts);
    Skin.Set(IDName, "skinrect", TTestSkin::RectText(cell));
    Skin.Set(IDName, "pictureindex", "0");
    Skin.Set(IDName, "lefttoppoint", TTestSkin::PointText(Corner, Top));
    Skin.Set(IDName, "righttoppoint", TTestSkin::PointText(W - Corner, Top));
    Skin.Set(IDName, "leftbottompoint", TTestSkin::PointText(Corner, H - Corner));
    Skin.Set(IDName, "rightbottompoint", TTestSkin::PointText(W - Corner, H - Corner));
    Skin.Set(IDName, "clientrect", TTestSkin::RectText(TRect{Corner, Top, W - Corner, H - Corner}));
    Skin.Set(IDName, "fontname", kTestFontName);
    Skin.Set(IDName, "fontheight", "16");
}

// A W x H image whose bottom row is its transparent colour.
std::string Mark(TTestSkin& Skin, const std::string& Name, int W, int H)
{
    return TTestSkin::RectText(Skin.AddCell(Name, W, H, {}, {H - 1}, {"face", "base"}));
}

}  // namespace

int AddTo(TTestSkin& Skin)
{
    AddNinePart(Skin, "panel", "panel", kPanelWidth, kPanelHeight, kPanelTop, kPanelCorner);
    Skin.Set("panel", "captionrect", TTestSkin::RectText(kPanelCaption));
    Skin.Set("panel", "fontcolor", Colour(kPanelFontColour));
    Skin.Set("panel", "alignment", "taleftjustify");
    // Named, so that degenerate skins can point it anywhere.
    Skin.Set("panel", "bgpictureindex", "-1");
    Skin.Set("panel", "checkimagerect", Mark(Skin, "panel.check", 10, 11));
    Skin.Set("panel", "uncheckimagerect", Mark(Skin, "panel.uncheck", 10, 11));
    Skin.Set("panel", "markframerect",
             TTestSkin::RectText(Skin.AddCell("panel.markframe", 10, 16, {}, {}, {"face"})));

    AddNinePart(Skin, "toolpanel", "panel", 40, kToolPanelHeight, 3, 3);
    AddNinePart(Skin, "statusbar", "panel", 40, kStatusBarHeight, 3, 3);
    Skin.Set("statusbar", "gripperrect",
             TTestSkin::RectText(Skin.AddCell("statusbar.gripper", kGripperSize, kGripperSize, {}, {}, {"face"})));
    for (const char* label : {"label", "statuspanel"}) {
        AddNinePart(Skin, label, "label", 40, kLabelHeight, 3, 3);
        Skin.Set(label, "fontcolor", Colour(kLabelFontColour));
    }
    return Skin.AddMask("panel_bg.bmp", kBgPictureSize, kBgPictureSize);
}

}  // namespace test_skin_panels
