#include "tests/skin/controls/test_skin.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"
#include "skin/data/bs_skin_data.h"

namespace {

const char* const kTestControlsPicture = "controls.bmp";

// The n-th piece colour: each channel one of seven steps from 0x20 to 0xE0,
// so no piece is black (the mask's inside), white (the picture's gaps) or a
// transparent colour of the skin.
TColor PieceColour(int N)
{
    int r = 0x20 + N % 7 * 0x20;
    int g = 0x20 + N / 7 % 7 * 0x20;
    int b = 0x20 + N / 49 % 7 * 0x20;
    return static_cast<TColor>(r | g << 8 | b << 16);
}

void FillBitmap(TBitmap& Bitmap, const TRect& R, TColor Colour)
{
    Bitmap.Canvas()->Brush()->SetColor(Colour);
    Bitmap.Canvas()->FillRect(R);
}

}  // namespace

TTestSkin::TTestSkin()
{
    Set("VERSION", "skinname", "test skin");
    Set("VERSION", "skinauthor", "Tandril tests");
    Set("PICTURES", "picture", "");
    Set("PICTURES", "mask", "");
    Set("PICTURES", "activepicturescount", "1");
    Set("PICTURES", "0", kTestControlsPicture);
    Set("FORMINFO", "clientrect", "0,0,0,0");
    Set("SKINOBJECTS", "count", "0");
    Set("SKINCONTROLS", "count", "0");

    AddNinePart("button", 30, 20, 3, {"normal", "active", "down", "disabled", "focused"}, true);
    AddNinePart("resizebutton", 30, 20, 4, {"normal", "active", "down", "disabled"}, false);
    NewRow();
    AddDescription("toolbutton", "button");
    for (const char* state : {"normal", "active", "down", "disabled"})
        Set("toolbutton", std::string(state) == "normal" ? "skinrect" : std::string(state) + "skinrect",
            StateCell("toolbutton", state, 23, 22, {}, {}, {"face"}));
    Set("toolbutton", "pictureindex", "0");
    AddHorizontalBar("hscrollbar", 60, false);
    AddHorizontalBar("bothhscrollbar", 76, true);
    AddVerticalBar("vscrollbar");
    AddUpDown("hupdown", false);
    AddUpDown("vupdown", true);
}

std::string TTestSkin::RectText(const TRect& R)
{
    return std::to_string(R.Left) + "," + std::to_string(R.Top) + "," + std::to_string(R.Right) + "," +
           std::to_string(R.Bottom);
}

std::string TTestSkin::PointText(int X, int Y) { return std::to_string(X) + "," + std::to_string(Y); }

std::string TTestSkin::StateCell(const std::string& IDName, const std::string& State, int W, int H,
                                 const std::vector<int>& Xs, const std::vector<int>& Ys,
                                 const std::vector<std::string>& Parts)
{
    return RectText(AddCell(IDName + "." + State, W, H, Xs, Ys, Parts));
}

void TTestSkin::AddNinePart(const std::string& IDName, int W, int H, int Corner,
                            const std::vector<std::string>& States, bool Masked)
{
    NewRow();
    AddDescription(IDName, "button");
    for (const std::string& state : States)
        Set(IDName, state == "normal" ? "skinrect" : state + "skinrect",
            StateCell(IDName, state, W, H, {Corner, W - Corner}, {Corner, H - Corner}, kNineParts));
    Set(IDName, "pictureindex", "0");
    Set(IDName, "lefttoppoint", PointText(Corner, Corner));
    Set(IDName, "righttoppoint", PointText(W - Corner, Corner));
    Set(IDName, "leftbottompoint", PointText(Corner, H - Corner));
    Set(IDName, "rightbottompoint", PointText(W - Corner, H - Corner));
    Set(IDName, "clientrect", RectText(TRect{Corner, Corner, W - Corner, H - Corner}));
    if (Masked)
        Set(IDName, "maskpictureindex", std::to_string(AddMask(IDName + "_mask.bmp", W, H)));
}

void TTestSkin::AddHorizontalBar(const std::string& IDName, int W, bool Both)
{
    NewRow();
    AddDescription(IDName, "scrollbar");
    std::vector<int> xs = {16, 44};
    std::vector<std::string> parts = {"upbutton", "track", "downbutton"};
    if (Both) {
        xs.push_back(60);
        parts.push_back("corner");
    }
    Set(IDName, "skinrect", StateCell(IDName, "normal", W, 16, xs, {}, parts));
    Set(IDName, "pictureindex", "0");
    Set(IDName, "lefttoppoint", PointText(16, 0));
    Set(IDName, "righttoppoint", PointText(44, 0));
    Set(IDName, "trackarea", RectText(TRect{16, 0, 44, 16}));
    Set(IDName, "upbuttonrect", RectText(TRect{0, 0, 16, 16}));
    Set(IDName, "downbuttonrect", RectText(TRect{44, 0, 60, 16}));
    ThumbAndGlyph(IDName, false);
    Set(IDName, "maskpictureindex", std::to_string(AddMask(IDName + "_mask.bmp", W, 16)));
}

void TTestSkin::AddVerticalBar(const std::string& IDName)
{
    NewRow();
    AddDescription(IDName, "scrollbar");
    Set(IDName, "skinrect", StateCell(IDName, "normal", 16, 60, {}, {16, 44}, {"upbutton", "track", "downbutton"}));
    Set(IDName, "pictureindex", "0");
    Set(IDName, "lefttoppoint", PointText(0, 16));
    Set(IDName, "leftbottompoint", PointText(0, 44));
    Set(IDName, "trackarea", RectText(TRect{0, 16, 16, 44}));
    Set(IDName, "upbuttonrect", RectText(TRect{0, 0, 16, 16}));
    Set(IDName, "downbuttonrect", RectText(TRect{0, 44, 16, 60}));
    ThumbAndGlyph(IDName, true);
    Set(IDName, "maskpictureindex", std::to_string(AddMask(IDName + "_mask.bmp", 16, 60)));
}

// The hot and pressed button images, the three thumb states (fixed ends 4
// pixels long) and the three glyph states.
void TTestSkin::ThumbAndGlyph(const std::string& IDName, bool Vertical)
{
    for (const char* button : {"upbutton", "downbutton"})
        for (const char* state : {"active", "down"})
            Set(IDName, std::string(state) + button + "rect",
                StateCell(IDName, std::string(button) + "-" + state, 16, 16, {}, {}, {"face"}));
    for (const char* state : {"", "active", "down"}) {
        std::string suffix = *state ? std::string("-") + state : "";
        std::string thumb = Vertical ? StateCell(IDName, "thumb" + suffix, 16, 20, {}, {4, 16}, {"t", "m", "b"})
                                     : StateCell(IDName, "thumb" + suffix, 20, 16, {4, 16}, {}, {"l", "m", "r"});
        Set(IDName, std::string(state) + "thumbrect", thumb);
        Set(IDName, std::string(state) + "glyphrect", StateCell(IDName, "glyph" + suffix, 6, 6, {}, {}, {"face"}));
    }
    Set(IDName, "thumboffset1", "4");
    Set(IDName, "thumboffset2", "4");
}

void TTestSkin::AddUpDown(const std::string& IDName, bool Vertical)
{
    NewRow();
    AddDescription(IDName, "updown");
    TRect up = Vertical ? TRect{0, 0, 16, 16} : TRect{16, 0, 32, 16};
    TRect down = Vertical ? TRect{0, 16, 16, 32} : TRect{0, 0, 16, 16};
    Set(IDName, "skinrect",
        Vertical ? StateCell(IDName, "normal", 16, 32, {}, {16}, {"upbutton", "downbutton"})
                 : StateCell(IDName, "normal", 32, 16, {16}, {}, {"downbutton", "upbutton"}));
    Set(IDName, "pictureindex", "0");
    Set(IDName, "upbuttonrect", RectText(up));
    Set(IDName, "downbuttonrect", RectText(down));
    for (const char* button : {"upbutton", "downbutton"})
        for (const char* state : {"active", "down"})
            Set(IDName, std::string(state) + button + "rect",
                StateCell(IDName, std::string(button) + "-" + state, 16, 16, {}, {}, {"face"}));
}

TRect TTestSkin::AddCell(const std::string& Name, int W, int H, const std::vector<int>& Xs,
                         const std::vector<int>& Ys, const std::vector<std::string>& Parts)
{
    TRect cell{cursorX_, cursorY_, cursorX_ + W, cursorY_ + H};
    cursorX_ += W + 1;
    rowHeight_ = std::max(rowHeight_, H);
    pictureWidth_ = std::max(pictureWidth_, cell.Right);
    pictureHeight_ = std::max(pictureHeight_, cell.Bottom);

    std::vector<int> columns = {0};
    columns.insert(columns.end(), Xs.begin(), Xs.end());
    columns.push_back(W);
    std::vector<int> rows = {0};
    rows.insert(rows.end(), Ys.begin(), Ys.end());
    rows.push_back(H);
    size_t part = 0;
    for (size_t j = 0; j + 1 < rows.size(); ++j)
        for (size_t i = 0; i + 1 < columns.size(); ++i, ++part) {
            TRect r{cell.Left + columns[i], cell.Top + rows[j], cell.Left + columns[i + 1], cell.Top + rows[j + 1]};
            std::string name = Name + "." + (part < Parts.size() ? Parts[part] : std::to_string(part));
            pieces_.push_back({name, r, PieceColour(static_cast<int>(pieces_.size()) + 1)});
        }
    return cell;
}

void TTestSkin::NewRow()
{
    cursorY_ += rowHeight_ + (rowHeight_ > 0 ? 1 : 0);
    cursorX_ = 0;
    rowHeight_ = 0;
}

void TTestSkin::AddDescription(const std::string& IDName, const std::string& TypeWord)
{
    int count = std::stoi(Get("SKINCONTROLS", "count"));
    Set("SKINCONTROLS", std::to_string(count), IDName + ":" + TypeWord);
    Set("SKINCONTROLS", "count", std::to_string(count + 1));
}

int TTestSkin::AddMask(const std::string& FileName, int W, int H)
{
    int index = std::stoi(Get("PICTURES", "activepicturescount"));
    Set("PICTURES", std::to_string(index), FileName);
    Set("PICTURES", "activepicturescount", std::to_string(index + 1));
    masks_.push_back({FileName, W, H});
    return index;
}

int TTestSkin::AddCellPicture(const std::string& FileName, const TRect& Cell)
{
    int index = std::stoi(Get("PICTURES", "activepicturescount"));
    Set("PICTURES", std::to_string(index), FileName);
    Set("PICTURES", "activepicturescount", std::to_string(index + 1));
    cellPictures_.push_back({FileName, Cell});
    return index;
}

const TTestSkin::TPiece& TTestSkin::Piece(const std::string& Name) const
{
    for (const TPiece& piece : pieces_)
        if (piece.Name == Name)
            return piece;
    throw std::invalid_argument("The test skin has no piece " + Name);
}

TColor TTestSkin::Colour(const std::string& Name) const
{
    return Piece(Name).Colour;
}

std::string TTestSkin::PieceOf(TColor Colour) const
{
    for (const TPiece& piece : pieces_)
        if (piece.Colour == Colour)
            return piece.Name;
    return "";
}

TRect TTestSkin::PieceRect(const std::string& Name) const
{
    return Piece(Name).Rect;
}

TTestSkin::TSection& TTestSkin::SectionOf(const std::string& Name)
{
    for (TSection& section : sections_)
        if (section.Name == Name)
            return section;
    sections_.push_back({Name, {}});
    return sections_.back();
}

void TTestSkin::Set(const std::string& Section, const std::string& Key, const std::string& Value)
{
    TSection& section = SectionOf(Section);
    for (auto& [key, value] : section.Values)
        if (key == Key) {
            value = Value;
            return;
        }
    section.Values.emplace_back(Key, Value);
}

std::string TTestSkin::Get(const std::string& Section, const std::string& Key) const
{
    for (const TSection& section : sections_)
        if (section.Name == Section)
            for (const auto& [key, value] : section.Values)
                if (key == Key)
                    return value;
    return "";
}

void TTestSkin::Erase(const std::string& Section, const std::string& Key)
{
    for (TSection& section : sections_)
        if (section.Name == Section)
            std::erase_if(section.Values, [&](const auto& entry) { return entry.first == Key; });
}

std::vector<std::pair<std::string, std::string>> TTestSkin::Keys() const
{
    std::vector<std::pair<std::string, std::string>> keys;
    for (const TSection& section : sections_)
        for (const auto& entry : section.Values)
            keys.emplace_back(section.Name, entry.first);
    return keys;
}

std::string TTestSkin::IniText() const
{
    std::string text;
    for (const TSection& section : sections_) {
        text += "[" + section.Name + "]\r\n";
        for (const auto& [key, value] : section.Values)
            text += key + "=" + value + "\r\n";
    }
    return text;
}

void TTestSkin::WriteTo(const std::string& Folder) const
{
    std::ofstream(Folder + "/skin.ini", std::ios::binary) << IniText();

    TBitmap picture;
    picture.SetPixelFormat(pf24bit);
    picture.SetSize(pictureWidth_, pictureHeight_);
    FillBitmap(picture, TRect{0, 0, pictureWidth_, pictureHeight_}, clWhite);
    for (const TPiece& piece : pieces_)
        FillBitmap(picture, piece.Rect, piece.Colour);
    picture.SaveToFile(Folder + "/" + kTestControlsPicture);

    for (const TCellPicture& cell : cellPictures_) {
        TBitmap bitmap;
        bitmap.SetPixelFormat(pf24bit);
        bitmap.SetSize(cell.Cell.Width(), cell.Cell.Height());
        bitmap.Canvas()->CopyRect(TRect{0, 0, cell.Cell.Width(), cell.Cell.Height()}, picture.Canvas(), cell.Cell);
        bitmap.SaveToFile(Folder + "/" + cell.FileName);
    }

    for (const TMask& mask : masks_) {
        TBitmap bitmap;
        bitmap.SetPixelFormat(pf24bit);
        bitmap.SetSize(mask.Width, mask.Height);
        FillBitmap(bitmap, TRect{0, 0, mask.Width, mask.Height}, clBlack);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x + y < 3; ++x)
                bitmap.Canvas()->SetPixels(x, y, clWhite);
        bitmap.SaveToFile(Folder + "/" + mask.FileName);
    }
}

void TTestSkin::LoadInto(TbsSkinData& Data) const
{
    std::string pattern = (std::filesystem::temp_directory_path() / "tandril-test-skin-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("No folder for the test skin");
    WriteTo(pattern);
    try {
        Data.LoadFromFile(pattern + "/skin.ini");
    } catch (...) {
        std::filesystem::remove_all(pattern);
        throw;
    }
    std::filesystem::remove_all(pattern);
}
