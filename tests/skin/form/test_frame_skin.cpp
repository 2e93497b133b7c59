#include "tests/skin/form/test_frame_skin.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"
#include "skin/data/bs_skin_data.h"

namespace {

const char* const kFramePicture = "frame.bmp";
const char* const kFrameMask = "frame_mask.bmp";

struct TZone {
    const char* Name;
    TRect Rect;
    TColor Colour;
};

// The eight border cells split at the corner points (40, 30) and
// (130, 140), then the client area and the caption band painted over them.
// Colours are odd values, unlike every piece of the controls picture.
const TZone kZones[] = {
    {"lt", {0, 0, 40, 30}, 0x00113355},         {"t", {40, 0, 130, 30}, 0x00115533},
    {"rt", {130, 0, 200, 30}, 0x00331155},      {"l", {0, 30, 40, 140}, 0x00335511},
    {"r", {130, 30, 200, 140}, 0x00551133},     {"lb", {0, 140, 40, 150}, 0x00553311},
    {"b", {40, 140, 130, 150}, 0x00775599},     {"rb", {130, 140, 200, 150}, 0x00997755},
    {"client", {4, 26, 196, 146}, 0x00A9A9A9},  {"caption", {30, 3, 138, 22}, 0x00995577},
};

void Fill(TBitmap& Bitmap, const TRect& R, TColor Colour)
{
    Bitmap.Canvas()->Brush()->SetColor(Colour);
    Bitmap.Canvas()->FillRect(R);
}

void SetObject(TTestSkin& Skin, int Index, const std::string& Name, const std::string& Type)
{
    Skin.Set("SKINOBJECTS", std::to_string(Index), Name + ":" + Type);
}

}  // namespace

void AddFrameButton(TTestSkin& Skin, const std::string& Name, const std::string& Command)
{
    for (const char* look : {"normal", "active", "down", "inactive"}) {
        TRect cell = Skin.AddCell(Name + "." + look, 17, 15, {}, {}, {"face"});
        std::string key = std::string(look) == "normal"   ? "skinrect"
                          : std::string(look) == "active" ? "activeskinrect"
                          : std::string(look) == "down"   ? "downrect"
                                                          : "inactiveskinrect";
        Skin.Set(Name, key, TTestSkin::RectText(cell));
    }
    Skin.Set(Name, "command", Command);
    Skin.Set(Name, "activepictureindex", "0");
    Skin.Set(Name, "skinrectinapicture", "1");
    Skin.Set(Name, "morphing", "1");
    Skin.Set(Name, "hint", Name);
}

TTestFrameSkin::TTestFrameSkin(TTestSkin& ASkin) : Skin(ASkin)
{
    Skin.Set("PICTURES", "picture", kFramePicture);
    Skin.Set("PICTURES", "mask", kFrameMask);
    Skin.Set("FORMINFO", "lefttoppoint", "40,30");
    Skin.Set("FORMINFO", "righttoppoint", "130,30");
    Skin.Set("FORMINFO", "leftbottompoint", "40,140");
    Skin.Set("FORMINFO", "rightbottompoint", "130,140");
    Skin.Set("FORMINFO", "clientrect", "4,26,196,146");
    Skin.Set("FORMINFO", "captionrect", "30,3,138,22");
    Skin.Set("FORMINFO", "buttonsrect", "141,4,196,21");
    Skin.Set("FORMINFO", "buttonsoffset", "2");
    Skin.Set("FORMINFO", "maskrectarea", "10,10,190,140");
    Skin.Set("FORMINFO", "hittestlefttoppoint", "10,10");
    Skin.Set("FORMINFO", "hittestrighttoppoint", "190,10");
    Skin.Set("FORMINFO", "hittestleftbottompoint", "10,140");
    Skin.Set("FORMINFO", "hittestrightbottompoint", "190,140");
    Skin.Set("FORMINFO", "borderwidth", "4");
    Skin.Set("FORMINFO", "formminwidth", "150");
    Skin.Set("FORMINFO", "formminheight", "60");

    Skin.NewRow();
    SetObject(Skin, 0, "caption", "caption");
    Skin.Set("caption", "skinrect", "30,3,138,22");
    Skin.Set("caption", "textrect", "4,2,104,17");
    int index = 1;
    for (auto [name, command] : {std::pair{"closebutton", "cmclose"}, std::pair{"maxbutton", "cmmaximize"},
                                 std::pair{"minbutton", "cmminimize"}}) {
        SetObject(Skin, index++, name, "stdbutton");
        AddFrameButton(Skin, name, command);
    }
    Skin.Set("SKINOBJECTS", "count", std::to_string(index));
}

TColor TTestFrameSkin::ZoneColour(const std::string& Zone)
{
    for (const TZone& zone : kZones)
        if (Zone == zone.Name)
            return zone.Colour;
    throw std::invalid_argument("The test frame has no zone " + Zone);
}

bool TTestFrameSkin::MaskKeeps(int X, int Y, int W)
{
    constexpr int r = CornerRadius;
    if (Y >= r)
        return true;
    int cx = X < r ? r : W - r - 1;
    if (X >= r && X < W - r)
        return true;
    // Pixel centres against a circle through the corner's inner pixel.
    int dx = X - cx;
    int dy = Y - r;
    return dx * dx + dy * dy <= r * r;
}

void TTestFrameSkin::LoadInto(TbsSkinData& Data) const
{
    std::string folder = (std::filesystem::temp_directory_path() / "tandril-frame-skin-XXXXXX").string();
    if (!mkdtemp(folder.data()))
        throw std::runtime_error("No folder for the test frame skin");
    try {
        TTestSkin skin = Skin;
        if (!WithMask)
            skin.Set("PICTURES", "mask", "");
        skin.WriteTo(folder);
        TBitmap picture;
        picture.SetPixelFormat(pf24bit);
        picture.SetSize(PW, PH);
        for (const TZone& zone : kZones)
            Fill(picture, zone.Rect, zone.Colour);
        picture.SaveToFile(folder + "/" + kFramePicture);
        TBitmap mask;
        mask.SetPixelFormat(pf24bit);
        mask.SetSize(PW, PH);
        Fill(mask, {0, 0, PW, PH}, clBlack);
        for (int y = 0; y < CornerRadius; ++y)
            for (int x = 0; x < PW; ++x)
                if (!MaskKeeps(x, y, PW))
                    mask.Canvas()->SetPixels(x, y, clWhite);
        mask.SaveToFile(folder + "/" + kFrameMask);
        Data.LoadFromFile(folder + "/skin.ini");
    } catch (...) {
        std::filesystem::remove_all(folder);
        throw;
    }
    std::filesystem::remove_all(folder);
}
