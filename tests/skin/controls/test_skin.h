// The test skin: a skin INI and its pictures made from code, every piece of
// every description painted in a colour of its own, so that the colour at a
// pixel of a skinned control tells which piece of which state it shows.
//
// Pieces are named "description.state.part": "button.down.client",
// "hscrollbar.thumb-active.m", "toolbutton.normal.face". The nine-part
// parts are lt, t, rt, l, client, r, lb, b, rb; see the constructor for the
// parts of the other descriptions.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/base/geometry.h"
#include "platform/gdi/colors.h"

class TbsSkinData;

// The parts of a nine-part description, in the order the skin names them.
inline const std::vector<std::string> kNineParts = {"lt", "t", "rt", "l", "client", "r", "lb", "b", "rb"};

class TTestSkin {
public:
    // The descriptions "toolbutton" (fixed 23 x 22), "button" (nine-part
    // 30 x 20, corners 3, with a mask), "resizebutton" (nine-part 30 x 20,
    // corners 4), "hscrollbar" and "bothhscrollbar" (left and right parts
    // kept, 60 and 76 x 16, with masks), "vscrollbar" (top and bottom kept,
    // 16 x 60, with a mask), "hupdown" (32 x 16) and "vupdown" (16 x 32).
    // Masks cut the 3 x 3 top-left triangle (x + y < 3) away.
    TTestSkin();

    // The colour of a named piece; std::invalid_argument for a name the
    // skin lacks.
    TColor Colour(const std::string& Name) const;
    // The piece painted in Colour; "" when none is.
    std::string PieceOf(TColor Colour) const;
    // Where a piece lies in the controls picture (picture index 0).
    TRect PieceRect(const std::string& Name) const;

    // INI values. Set adds a missing section or key at the end.
    void Set(const std::string& Section, const std::string& Key, const std::string& Value);
    std::string Get(const std::string& Section, const std::string& Key) const;
    void Erase(const std::string& Section, const std::string& Key);
    // Every (section, key), in the order of the INI.
    std::vector<std::pair<std::string, std::string>> Keys() const;
    std::string IniText() const;

    // Writes "skin.ini" and its pictures into Folder, which must exist.
    void WriteTo(const std::string& Folder) const;
    // Writes the skin into a folder of its own, loads it into Data and
    // removes the folder; the skin data's errors pass on.
    void LoadInto(TbsSkinData& Data) const;

    // For more descriptions. A cell of W x H in the controls picture, cut
    // at the columns Xs and rows Ys (cell coordinates) into parts named
    // Name + "." + Parts[row * columns + column], each in a colour of its
    // own; answers the cell's rectangle in the picture. Cells go left to
    // right; NewRow starts a row below the cells so far.
    TRect AddCell(const std::string& Name, int W, int H, const std::vector<int>& Xs, const std::vector<int>& Ys,
                  const std::vector<std::string>& Parts);
    void NewRow();
    // Names IDName in SKINCONTROLS with its type word.
    void AddDescription(const std::string& IDName, const std::string& TypeWord);
    // A W x H mask picture with the top-left triangle cut; answers its
    // picture index.
    int AddMask(const std::string& FileName, int W, int H);
    // A picture of its own (a window's, which is drawn whole) copied from
    // Cell of the controls picture, a cell AddCell made; answers its
    // picture index.
    int AddCellPicture(const std::string& FileName, const TRect& Cell);
    // Rectangle and point values as the INI writes them.
    static std::string RectText(const TRect& R);
    static std::string PointText(int X, int Y);

private:
    struct TPiece {
        std::string Name;
        TRect Rect;
        TColor Colour;
    };
    struct TSection {
        std::string Name;
        std::vector<std::pair<std::string, std::string>> Values;
    };
    struct TMask {
        std::string FileName;
        int Width;
        int Height;
    };
    struct TCellPicture {
        std::string FileName;
        TRect Cell;
    };

    TSection& SectionOf(const std::string& Name);
    const TPiece& Piece(const std::string& Name) const;
    void AddNinePart(const std::string& IDName, int W, int H, int Corner, const std::vector<std::string>& States,
                     bool Masked);
    void AddHorizontalBar(const std::string& IDName, int W, bool Both);
    void AddVerticalBar(const std::string& IDName);
    void AddUpDown(const std::string& IDName, bool Vertical);
    void ThumbAndGlyph(const std::string& IDName, bool Vertical);
    std::string StateCell(const std::string& IDName, const std::string& State, int W, int H,
                          const std::vector<int>& Xs, const std::vector<int>& Ys, const std::vector<std::string>& Parts);

    std::vector<TSection> sections_;
    std::vector<TPiece> pieces_;
    std::vector<TMask> masks_;
    std::vector<TCellPicture> cellPictures_;
    int cursorX_ = 0;
    int cursorY_ = 0;
    int rowHeight_ = 0;
    int pictureWidth_ = 0;
    int pictureHeight_ = 0;
};
