#include "tests/skin/controls/test_skin_edits.h"

#include <string>
#include <vector>

#include "platform/gdi/test_font.h"
#include "tests/skin/controls/test_skin.h"

namespace test_skin_edits {
namespace {


std::string Colour(TColor C) { return std::to_string(static_cast<unsigned>(C)); }

std::string Cell(TTestSkin& Skin, const std::string& Name, int W, int H, const std::vector<int>& Xs,
                 const std::vector<int>& Ys, const std::vector<std::string>& Parts)
{
    return TTestSkin::RectText(Skin.AddCell(Name, W, H, Xs, Ys, Parts));
}

void Font(TTestSkin& Skin, const std::string& IDName)
{
    Skin.Set(IDName, "fontname", kTestFontName);
    Skin.Set(IDName, "fontheight", "16");
    Skin.Set(IDName, "fontcolor", Colour(kEditFontColour));
    Skin.Set(IDName, "activefontcolor", Colour(kEditActiveFontColour));
    Skin.Set(IDName, "disabledfontcolor", Colour(kEditDisabledFontColour));
}

void Frame(TTestSkin& Skin, const std::string& IDName, int W, int ClientRight)
{
    Skin.Set(IDName, "pictureindex", "0");
    Skin.Set(IDName, "lefttoppoint", TTestSkin::PointText(kEditSide, kEditSide));
    Skin.Set(IDName, "righttoppoint", TTestSkin::PointText(W - kEditSide, kEditSide));
    Skin.Set(IDName, "leftbottompoint", TTestSkin::PointText(kEditSide, kEditHeight - kEditSide));
    Skin.Set(IDName, "rightbottompoint", TTestSkin::PointText(W - kEditSide, kEditHeight - kEditSide));
    Skin.Set(IDName, "clientrect",
             TTestSkin::RectText(TRect{kEditSide, kEditSide, ClientRight, kEditHeight - kEditSide}));
    Font(Skin, IDName);
}

void NinePartButton(TTestSkin& Skin, const std::string& IDName, int W, int H, const std::vector<const char*>& States)
{
    const int c = 3;
    Skin.AddDescription(IDName, "button");
    for (const char* state : States)
        Skin.Set(IDName, std::string(state) == "normal" ? "skinrect" : std::string(state) + "skinrect",
                 Cell(Skin, IDName + "." + state, W, H, {c, W - c}, {c, H - c}, kNineParts));
    Skin.Set(IDName, "pictureindex", "0");
    Skin.Set(IDName, "lefttoppoint", TTestSkin::PointText(c, c));
    Skin.Set(IDName, "righttoppoint", TTestSkin::PointText(W - c, c));
    Skin.Set(IDName, "leftbottompoint", TTestSkin::PointText(c, H - c));
    Skin.Set(IDName, "rightbottompoint", TTestSkin::PointText(W - c, H - c));
    Skin.Set(IDName, "clientrect", TTestSkin::RectText(TRect{c, c, W - c, H - c}));
}

}  // namespace

void AddTo(TTestSkin& Skin)
{
    const int s = kEditSide;
    Skin.NewRow();
    Skin.AddDescription("edit", "edit");
    Skin.Set("edit", "skinrect",
             Cell(Skin, "edit.normal", kEditWidth, kEditHeight, {s, kEditWidth - s}, {s, kEditHeight - s}, kNineParts));
    Skin.Set("edit", "activeskinrect",
             Cell(Skin, "edit.active", kEditWidth, kEditHeight, {s, kEditWidth - s}, {s, kEditHeight - s}, kNineParts));
    Frame(Skin, "edit", kEditWidth, kEditWidth - s);
    AddButtonEditTo(Skin);
    const int bw = kButtonRight - kButtonLeft;
    const int bh = kEditHeight - 2 * s;
    Skin.NewRow();
    NinePartButton(Skin, "editbutton", bw, bh, {"normal", "active", "down"});
    NinePartButton(Skin, "combobutton", bw, bh, {"normal"});
}

void AddButtonEditTo(TTestSkin& Skin)
{
    const int s = kEditSide;
    Skin.NewRow();
    Skin.AddDescription("buttonedit", "edit");
    const std::vector<int> xs = {s, kClientRightInButtonEdit, kButtonLeft, kButtonRight};
    std::vector<std::string> parts;
    for (const char* row : {"t", "m", "b"})
        for (const char* column : {"l", "c", "g", "btn", "r"})
            parts.push_back(std::string(row) + "." + column);
    Skin.Set("buttonedit", "skinrect",
             Cell(Skin, "buttonedit.normal", kButtonEditWidth, kEditHeight, xs, {s, kEditHeight - s}, parts));
    Skin.Set("buttonedit", "activeskinrect",
             Cell(Skin, "buttonedit.active", kButtonEditWidth, kEditHeight, xs, {s, kEditHeight - s}, parts));
    Frame(Skin, "buttonedit", kButtonEditWidth, kClientRightInButtonEdit);
    // The button's right edge is the right part's: the skin's right offset
    // is what lies right of "righttoppoint".
    Skin.Set("buttonedit", "righttoppoint", TTestSkin::PointText(kButtonLeft, s));
    Skin.Set("buttonedit", "buttonrect", TTestSkin::RectText(TRect{kButtonLeft, s, kButtonRight, kEditHeight - s}));
    const int bw = kButtonRight - kButtonLeft;
    const int bh = kEditHeight - 2 * s;
    Skin.Set("buttonedit", "activebuttonrect", Cell(Skin, "buttonedit.hotbutton", bw, bh, {}, {}, {"face"}));
    Skin.Set("buttonedit", "downbuttonrect", Cell(Skin, "buttonedit.downbutton", bw, bh, {}, {}, {"face"}));
    Skin.Set("buttonedit", "unenabledbuttonrect", Cell(Skin, "buttonedit.offbutton", bw, bh, {}, {}, {"face"}));
}

}  // namespace test_skin_edits
