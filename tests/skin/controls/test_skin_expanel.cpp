#include "tests/skin/controls/test_skin_expanel.h"

#include <string>
#include <vector>

#include "platform/gdi/test_font.h"
#include "tests/skin/controls/test_skin.h"

namespace test_skin_expanel {
namespace {


std::string Colour(TColor C) { return std::to_string(static_cast<unsigned>(C)); }
std::string RectText(const TRect& R) { return TTestSkin::RectText(R); }
std::string PointText(int X, int Y) { return TTestSkin::PointText(X, Y); }

void NinePartCorners(TTestSkin& Skin, const std::string& S, int W, int H, int Left, int Top, int Right, int Bottom)
{
    Skin.Set(S, "pictureindex", "0");
    Skin.Set(S, "lefttoppoint", PointText(Left, Top));
    Skin.Set(S, "righttoppoint", PointText(W - Right, Top));
    Skin.Set(S, "leftbottompoint", PointText(Left, H - Bottom));
    Skin.Set(S, "rightbottompoint", PointText(W - Right, H - Bottom));
    Skin.Set(S, "clientrect", RectText(TRect{Left, Top, W - Right, H - Bottom}));
}

void AddExPanel(TTestSkin& Skin)
{
    const std::string s = "expanel";
    const int w = kExPanelWidth;
    const int h = kExPanelHeight;
    const int b = kBorder;
    Skin.NewRow();
    Skin.AddDescription(s, "expanel");
    Skin.Set(s, "skinrect", RectText(Skin.AddCell(s + ".normal", w, h, {b, w - b}, {kCaptionBand, h - b}, kNineParts)));
    NinePartCorners(Skin, s, w, h, b, kCaptionBand, b, b);
    Skin.Set(s, "captionrect", RectText(TRect{b, 4, w - b, 4 + kButton}));
    Skin.Set(s, "rollvskinrect", RectText(Skin.AddCell(s + ".rollv", w, kStrip, {b, w - b}, {}, {"l", "m", "r"})));
    Skin.Set(s, "rollleftoffset", std::to_string(b));
    Skin.Set(s, "rollrightoffset", std::to_string(b));
    Skin.Set(s, "rollvcaptionrect", RectText(TRect{b, 4, w - b, 4 + kButton}));
    Skin.Set(s, "rollhskinrect", RectText(Skin.AddCell(s + ".rollh", kStrip, w, {}, {b, w - b}, {"t", "m", "b"})));
    Skin.Set(s, "rolltopoffset", std::to_string(b));
    Skin.Set(s, "rollbottomoffset", std::to_string(b));
    Skin.Set(s, "rollhcaptionrect", RectText(TRect{4, b, 4 + kButton, w - b}));
    Skin.NewRow();
    for (const char* button : {"close", "hroll", "hrestore", "vroll", "vrestore"})
        for (const char* state : {"normal", "active", "down"}) {
            TRect cell = Skin.AddCell(s + "." + button + "." + state, kButton, kButton, {}, {}, {"face"});
            std::string key = std::string(button) + "buttonrect";
            if (std::string(state) != "normal")
                key = std::string(button) + "button" + state + "rect";
            Skin.Set(s, key, RectText(cell));
        }
    Skin.Set(s, "fontname", kTestFontName);
    Skin.Set(s, "fontheight", "12");
    Skin.Set(s, "fontcolor", Colour(kFontColour));
}

void AddSplitter(TTestSkin& Skin, const std::string& S, bool Horizontal)
{
    const int len = 40;
    Skin.NewRow();
    Skin.AddDescription(S, "splitter");
    TRect cell = Horizontal ? Skin.AddCell(S + ".normal", len, kSplitter, {4, len - 4}, {}, {"l", "m", "r"})
                            : Skin.AddCell(S + ".normal", kSplitter, len, {}, {4, len - 4}, {"t", "m", "b"});
    Skin.Set(S, "skinrect", RectText(cell));
    Skin.Set(S, "pictureindex", "0");
    Skin.Set(S, "lefttoppoint", Horizontal ? PointText(4, 0) : PointText(0, 4));
    if (Horizontal)
        Skin.Set(S, "righttoppoint", PointText(len - 4, 0));
    else
        Skin.Set(S, "leftbottompoint", PointText(0, len - 4));
    // A 4 x 4 gripper, drawn transparently in a colour it does not hold.
    TRect grip = Skin.AddCell(S + ".gripper", 4, 4, {}, {}, {"face"});
    Skin.Set(S, "gripperrect", RectText(grip));
    Skin.Set(S, "grippertransparent", "1");
    Skin.Set(S, "grippertransparentcolor", Colour(kGripperKey));
}

void AddNinePartButton(TTestSkin& Skin, const std::string& S, const std::string& TypeWord, int W, int H, int Corner,
                       const std::vector<std::string>& States)
{
    Skin.NewRow();
    Skin.AddDescription(S, TypeWord);
    for (const std::string& state : States)
        Skin.Set(S, state == "normal" ? "skinrect" : state + "skinrect",
                 RectText(Skin.AddCell(S + "." + state, W, H, {Corner, W - Corner}, {Corner, H - Corner}, kNineParts)));
    NinePartCorners(Skin, S, W, H, Corner, Corner, Corner, Corner);
    Skin.Set(S, "fontname", kTestFontName);
    Skin.Set(S, "fontheight", "12");
    Skin.Set(S, "fontcolor", Colour(kFontColour));
    Skin.Set(S, "activefontcolor", Colour(kFontColour));
    Skin.Set(S, "downfontcolor", Colour(kFontColour));
}

void AddTrackButton(TTestSkin& Skin)
{
    const std::string s = "toolmenutrackbutton";
    const int w = 40;
    const int h = 22;
    Skin.NewRow();
    Skin.AddDescription(s, "menubutton");
    for (const char* state : {"normal", "active", "down"})
        Skin.Set(s, std::string(state) == "normal" ? "skinrect" : std::string(state) + "skinrect",
                 RectText(Skin.AddCell(s + "." + state, w, h, {3, 28}, {}, {"l", "m", "r"})));
    Skin.Set(s, "pictureindex", "0");
    Skin.Set(s, "lefttoppoint", PointText(3, 0));
    Skin.Set(s, "righttoppoint", PointText(28, 0));
    Skin.Set(s, "clientrect", RectText(TRect{3, 3, 28, h - 3}));
    Skin.Set(s, "trackbuttonrect", RectText(TRect{28, 0, w, h}));
    Skin.Set(s, "fontname", kTestFontName);
    Skin.Set(s, "fontheight", "12");
    Skin.Set(s, "fontcolor", Colour(kFontColour));
}

}  // namespace

void AddTrackToolButtons(TTestSkin& Skin)
{
    // Cells of "toolmenubutton" and "toolmenutrackbutton" (both 40 x 22),
    // so that no new colour is needed; a cell runs from its first piece to
    // its last.
    struct TStrip {
        const char* Name;
        const char* Cells;
        const char* First;
        const char* Last;
    };
    for (const TStrip& strip : {TStrip{"vtracktoolbutton", "toolmenubutton", "lt", "rb"},
                                TStrip{"htracktoolbutton", "toolmenutrackbutton", "l", "r"}}) {
        Skin.AddDescription(strip.Name, "button");
        for (const std::string state : {"normal", "active", "down"}) {
            const std::string cell = std::string(strip.Cells) + "." + state + ".";
            TRect r;
            UnionRect(r, Skin.PieceRect(cell + strip.First), Skin.PieceRect(cell + strip.Last));
            Skin.Set(strip.Name, state == "normal" ? "skinrect" : state + "skinrect", RectText(r));
        }
        NinePartCorners(Skin, strip.Name, 40, 22, 3, 3, 3, 3);
    }
}

void AddTo(TTestSkin& Skin)
{
    AddExPanel(Skin);
    Skin.NewRow();
    Skin.AddDescription("bevel", "bevel");
    Skin.Set("bevel", "lightcolor", Colour(kBevelLight));
    Skin.Set("bevel", "darkcolor", Colour(kBevelDark));
    AddSplitter(Skin, "hsplitter", true);
    AddSplitter(Skin, "vsplitter", false);
    AddNinePartButton(Skin, "toolmenubutton", "menubutton", 40, 22, 3, {"normal", "active", "down", "disabled"});
    AddTrackButton(Skin);
    AddNinePartButton(Skin, "resizetoolbutton", "button", 30, 20, 4, {"normal", "active", "down"});
}

}  // namespace test_skin_expanel
