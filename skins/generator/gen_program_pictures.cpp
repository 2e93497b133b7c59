// The program's pictures, drawn on the 16-unit grid of TIconPainter: every
// picture keeps its transparency as alpha.
#include "skins/generator/gen_program_pictures.h"

#include <functional>
#include <vector>

#include "skins/generator/gen_icon_painter.h"

namespace {

constexpr TArgb kPictureInk = Rgb(0x33, 0x3D, 0x4C);
constexpr TArgb kFolder = Rgb(0xF0, 0xC2, 0x4C);
constexpr TArgb kBlue = Rgb(0x2A, 0x66, 0xC2);
constexpr TArgb kGreen = Rgb(0x2E, 0x8B, 0x3C);
constexpr TArgb kGrey = Rgb(0x8A, 0x94, 0xA2);

using TDraw = std::function<void(TIconPainter&)>;

void Clip(TIconPainter& P, int X, int Y)
{
    P.Line({{X, Y + 28}, {X, Y + 4}, {X + 8, Y}, {X + 16, Y + 4}, {X + 16, Y + 32}, {X + 8, Y + 36}, {X + 4, Y + 32},
            {X + 4, Y + 10}},
           4, kGrey);
}

void Lines(TIconPainter& P, bool Indent)
{
    for (int i = 0; i < 4; ++i)
        P.Line({{i == 0 || i == 3 ? 8 : 28, 10 + 14 * i}, {58, 10 + 14 * i}}, 5, kPictureInk);
    const int x = Indent ? 4 : 22;
    const int s = Indent ? 1 : -1;
    P.Line({{x, 32}, {x + s * 16, 32}}, 6, kBlue);
    P.Line({{x + s * 8, 24}, {x + s * 16, 32}, {x + s * 8, 40}}, 6, kBlue);
}

// The tool bar's images in the order of its buttons.
const std::vector<TDraw>& ToolBarImages()
{
    static const std::vector<TDraw> images{
        [](TIconPainter& p) { p.Cylinder(2, 3, 12, 15); p.Sparkle(12, 3); },                       // new database
        [](TIconPainter& p) { p.Cylinder(1, 4, 10, 15); p.Folder(8, 7, 15, 15, kFolder); },          // open database
        [](TIconPainter& p) { p.Page(2, 1, 12, 15); p.TextLines(4, 6, 10, 4); p.Sparkle(12, 3); },  // new article
        [](TIconPainter& p) { p.Folder(1, 4, 15, 14, kFolder); p.Sparkle(12, 4); },                  // new folder
        [](TIconPainter& p) { p.Floppy(2, 2, 14, 14); },                                           // save
        [](TIconPainter& p) { p.Floppy(4, 1, 15, 12); p.Floppy(1, 4, 12, 15); },                     // save all
        [](TIconPainter& p) { p.Page(2, 1, 12, 15); p.TextLines(4, 6, 10, 3); p.Cross(); },         // close
        [](TIconPainter& p) { p.Page(4, 0, 14, 12); p.Page(1, 3, 11, 15); p.Cross(); },               // close all
        [](TIconPainter& p) { p.Page(1, 1, 11, 15); p.TextLines(3, 6, 9, 4); p.Magnifier(10, 9, 3); }, // preview
        [](TIconPainter& p) {                                                                      // print
            p.Box(4, 1, 12, 7, Rgb(255, 255, 255), Rgb(0xE0, 0xE0, 0xE0), kPictureInk);
            p.Box(1, 6, 15, 12, Rgb(0xB8, 0xC0, 0xCC), Rgb(0x84, 0x8E, 0x9C), kPictureInk, 1);
            p.Box(4, 10, 12, 15, Rgb(255, 255, 255), Rgb(0xF0, 0xF0, 0xF0), kPictureInk);
            p.Disc(48, 32, 4, kGreen);
        },
        [](TIconPainter& p) { p.TurnArrow(false); },  // undo
        [](TIconPainter& p) { p.TurnArrow(true); },   // redo
        [](TIconPainter& p) {                         // cut
            p.Line({{16, 4}, {40, 40}}, 5, kPictureInk);
            p.Line({{48, 4}, {24, 40}}, 5, kPictureInk);
            p.Ring(20, 48, 8, 5, kBlue);
            p.Ring(44, 48, 8, 5, kBlue);
        },
        [](TIconPainter& p) { p.Page(5, 0, 15, 11); p.Page(1, 4, 11, 15); p.TextLines(3, 8, 9, 3); },  // copy
        [](TIconPainter& p) {                                                                            // paste
            p.Box(1, 2, 12, 15, Rgb(0xD8, 0xA8, 0x60), Rgb(0xB0, 0x80, 0x40), kPictureInk, 1);
            p.Box(4, 1, 9, 4, Rgb(0xC8, 0xCE, 0xD8), Rgb(0xA0, 0xA8, 0xB4), kPictureInk);
            p.Page(7, 6, 15, 15);
        },
        [](TIconPainter& p) { p.Magnifier(6, 6, 4); },  // find
        [](TIconPainter& p) {                          // find next
            p.Magnifier(5, 5, 4);
            p.Line({{40, 52}, {60, 52}}, 6, kGreen);
            p.Line({{52, 44}, {60, 52}, {52, 60}}, 6, kGreen);
        },
        [](TIconPainter& p) {  // replace
            p.Box(1, 1, 7, 7, Rgb(255, 255, 255), Rgb(0xE8, 0xE8, 0xE8), kBlue);
            p.Box(9, 9, 15, 15, Rgb(255, 255, 255), Rgb(0xE8, 0xE8, 0xE8), kGreen);
            p.Line({{36, 12}, {52, 12}, {52, 28}}, 5, kPictureInk);
            p.Line({{46, 22}, {52, 30}, {58, 22}}, 5, kPictureInk);
        },
        [](TIconPainter& p) { Lines(p, true); },   // block indent
        [](TIconPainter& p) { Lines(p, false); },  // unindent
        [](TIconPainter& p) {                      // show tree
            p.Box(1, 1, 6, 5, kFolder, kFolder, kPictureInk);
            p.Line({{12, 20}, {12, 52}, {28, 52}}, 4, kPictureInk);
            p.Line({{12, 32}, {28, 32}}, 4, kPictureInk);
            p.Box(7, 6, 13, 10, Rgb(255, 255, 255), Rgb(0xE0, 0xE6, 0xEE), kPictureInk);
            p.Box(7, 11, 13, 15, Rgb(255, 255, 255), Rgb(0xE0, 0xE6, 0xEE), kPictureInk);
        },
        [](TIconPainter& p) { p.Page(1, 1, 11, 15); Clip(p, 36, 14); },  // show attachment list
        [](TIconPainter& p) {                                             // read-only
            p.Ring(32, 22, 12, 6, kPictureInk);
            p.Box(3, 7, 13, 15, kFolder, Rgb(0xC8, 0x90, 0x20), kPictureInk, 1);
            p.Disc(32, 44, 3, kPictureInk);
        },
        [](TIconPainter& p) {  // highlighter type
            p.Page(1, 1, 15, 15);
            p.Line({{12, 24}, {32, 24}}, 5, kBlue);
            p.Line({{12, 34}, {24, 34}}, 5, kGreen);
            p.Line({{28, 34}, {48, 34}}, 5, Rgb(0xC0, 0x30, 0x30));
            p.Line({{12, 44}, {40, 44}}, 5, kBlue);
        },
        [](TIconPainter& p) {  // editor options
            for (int i = 0; i < 4; ++i) {
                static const int d[4][4] = {{32, 4, 32, 60}, {4, 32, 60, 32}, {12, 12, 52, 52}, {52, 12, 12, 52}};
                p.Line({{d[i][0], d[i][1]}, {d[i][2], d[i][3]}}, 9, kGrey);
            }
            p.Disc(32, 32, 18, kGrey);
            p.Disc(32, 32, 7, Rgb(255, 255, 255));
        },
        [](TIconPainter& p) {  // page setup
            p.Page(2, 1, 14, 15);
            p.Line({{16, 12}, {16, 56}}, 2, kBlue);
            p.Line({{40, 16}, {40, 56}}, 2, kBlue);
            p.TextLines(5, 6, 9, 4);
        },
        [](TIconPainter& p) { p.Magnifier(7, 7, 5); },  // search
    };
    return images;
}

TRaster Strip(const std::vector<TDraw>& Images, int Size)
{
    TRaster strip(Size * int(Images.size()), Size, 0);
    for (size_t i = 0; i < Images.size(); ++i) {
        TIconPainter painter(strip, int(i) * Size, 0, Size / 16);
        if (Images[i])
            Images[i](painter);
    }
    return strip;
}

// The disabled look: each pixel a light grey of its brightness, half as
// opaque.
TRaster Disabled(const TRaster& Normal)
{
    TRaster out(Normal.Width(), Normal.Height(), 0);
    for (int y = 0; y < Normal.Height(); ++y)
        for (int x = 0; x < Normal.Width(); ++x) {
            TArgb c = Normal.Pixel(x, y);
            int grey = 128 + (77 * RedOf(c) + 151 * GreenOf(c) + 28 * BlueOf(c)) / 512;
            out.Set(x, y, uint32_t(AlphaOf(c) / 2) << 24 | uint32_t(grey) << 16 | uint32_t(grey) << 8 | uint32_t(grey));
        }
    return out;
}

void ArticleImage(TIconPainter& P)
{
    P.Page(2, 1, 13, 15);
    P.TextLines(4, 6, 11, 4, 2);
}

void FolderImage(TIconPainter& P) { P.Folder(1, 3, 15, 14, kFolder); }

void Tab(TIconPainter& P, TArgb Mark)
{
    ArticleImage(P);
    if (Mark)
        P.Disc(48, 48, 12, Mark);
}

const std::vector<TDraw>& ListImages()
{
    static const std::vector<TDraw> images{
        FolderImage,
        ArticleImage,
        [](TIconPainter& p) { Clip(p, 22, 10); p.Sparkle(12, 4); },  // an attachment just added
        [](TIconPainter& p) { p.Box(2, 2, 14, 14, Rgb(0xF4, 0xF6, 0xFA), Rgb(0xDC, 0xE2, 0xEC), kPictureInk, 2); Clip(p, 24, 12); },
        nullptr,
        nullptr,
        nullptr,
        nullptr,
        [](TIconPainter& p) {  // a bookmark added since the list was loaded
            p.Line({{20, 6}, {20, 58}, {32, 46}, {44, 58}, {44, 6}, {20, 6}}, 4, Rgb(0xB0, 0x24, 0x24));
            p.Box(5, 2, 11, 12, Rgb(0xE8, 0x4A, 0x3A), Rgb(0xC0, 0x30, 0x28), Rgb(0xB0, 0x24, 0x24));
            p.Sparkle(13, 3);
        },
    };
    return images;
}

// The editor's bookmarks 0 to 9: a flag with the digit drawn as strokes.
TRaster Bookmarks()
{
    constexpr int w = 12, h = 16;
    // Seven segments: top, upper right, lower right, bottom, lower left,
    // upper left, middle.
    static const int segments[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};
    static const int ends[7][4] = {{0, 0, 4, 0}, {4, 0, 4, 4}, {4, 4, 4, 8}, {0, 8, 4, 8},
                                   {0, 4, 0, 8}, {0, 0, 0, 4}, {0, 4, 4, 4}};
    TRaster strip(w * 10, h, 0);
    for (int n = 0; n < 10; ++n) {
        TRect cell{n * w, 0, n * w + w, h};
        strip.RoundedGradient(TRect{cell.Left + 1, 1, cell.Right - 1, h - 1}, 2,
                              TGradient::Two(Rgb(0x5A, 0x9A, 0xE8), Rgb(0x24, 0x5C, 0xB0)));
        strip.RoundedFrame(TRect{cell.Left + 1, 1, cell.Right - 1, h - 1}, 2, Rgb(0x18, 0x3C, 0x78));
        const int x0 = 4 * cell.Left + 16, y0 = 16;
        for (int s = 0; s < 7; ++s)
            if (segments[n] >> s & 1)
                strip.Stroke(x0 + 4 * ends[s][0], y0 + 4 * ends[s][1], x0 + 4 * ends[s][2], y0 + 4 * ends[s][3], 5,
                             Rgb(255, 255, 255));
    }
    return strip;
}

void IconMark(TIconPainter& P)
{
    P.Box(1, 1, 15, 15, Rgb(0x4C, 0x9A, 0x5E), Rgb(0x23, 0x66, 0x36), Rgb(0x16, 0x44, 0x24), 3);
    P.Box(4, 3, 12, 13, Rgb(255, 255, 255), Rgb(0xE6, 0xEE, 0xE8), Rgb(0x16, 0x44, 0x24));
    // A tendril curling over the page.
    P.Line({{20, 44}, {28, 36}, {36, 34}, {42, 28}, {40, 22}, {34, 22}, {32, 28}}, 4, Rgb(0x23, 0x66, 0x36));
}

void PutLittleEndian(std::vector<uint8_t>& Out, uint32_t Value, int Bytes)
{
    for (int i = 0; i < Bytes; ++i)
        Out.push_back(uint8_t(Value >> (8 * i)));
}

// An icon file of 32-bit images with their AND masks, one per size.
std::vector<uint8_t> IconFile(const std::vector<TRaster>& Images)
{
    std::vector<uint8_t> out;
    PutLittleEndian(out, 0, 2);
    PutLittleEndian(out, 1, 2);
    PutLittleEndian(out, uint32_t(Images.size()), 2);
    uint32_t offset = 6 + 16 * uint32_t(Images.size());
    std::vector<std::vector<uint8_t>> bodies;
    for (const TRaster& image : Images) {
        const int w = image.Width(), h = image.Height(), maskRow = (w + 31) / 32 * 4;
        std::vector<uint8_t> body;
        PutLittleEndian(body, 40, 4);
        PutLittleEndian(body, uint32_t(w), 4);
        PutLittleEndian(body, uint32_t(2 * h), 4);
        PutLittleEndian(body, 1, 2);
        PutLittleEndian(body, 32, 2);
        for (int i = 0; i < 6; ++i)
            PutLittleEndian(body, i == 1 ? uint32_t(w * h * 4 + maskRow * h) : 0, 4);
        for (int y = h - 1; y >= 0; --y)
            for (int x = 0; x < w; ++x)
                PutLittleEndian(body, image.Pixel(x, y), 4);
        for (int y = h - 1; y >= 0; --y)
            for (int b = 0; b < maskRow; ++b) {
                uint8_t bits = 0;
                for (int i = 0; i < 8; ++i) {
                    int x = 8 * b + i;
                    if (x < w && AlphaOf(image.Pixel(x, y)) == 0)
                        bits |= uint8_t(0x80 >> i);
                }
                body.push_back(bits);
            }
        out.push_back(uint8_t(w));
        out.push_back(uint8_t(h));
        PutLittleEndian(out, 0, 2);
        PutLittleEndian(out, 1, 2);
        PutLittleEndian(out, 32, 2);
        PutLittleEndian(out, uint32_t(body.size()), 4);
        PutLittleEndian(out, offset, 4);
        offset += uint32_t(body.size());
        bodies.push_back(std::move(body));
    }
    for (const auto& body : bodies)
        out.insert(out.end(), body.begin(), body.end());
    return out;
}

}  // namespace

void WriteProgramPictures(const std::string& Folder)
{
    TRaster toolBar = Strip(ToolBarImages(), 16);
    WriteFileBytes(Folder + "/toolbar.bmp", toolBar.Bmp(true));
    WriteFileBytes(Folder + "/toolbar_disabled.bmp", Disabled(toolBar).Bmp(true));
    WriteFileBytes(Folder + "/tree.bmp", Strip({FolderImage, ArticleImage}, 16).Bmp(true));
    WriteFileBytes(Folder + "/tabs.bmp",
                   Strip({[](TIconPainter& p) { Tab(p, 0); },
                          [](TIconPainter& p) { Tab(p, Rgb(0xE8, 0x7A, 0x1C)); },
                          [](TIconPainter& p) {
                              Tab(p, 0);
                              p.Box(8, 9, 14, 15, Rgb(0xF0, 0xC2, 0x4C), Rgb(0xC8, 0x90, 0x20), kPictureInk);
                          }},
                         16)
                       .Bmp(true));
    WriteFileBytes(Folder + "/list.bmp", Strip(ListImages(), 16).Bmp(true));
    WriteFileBytes(Folder + "/bookmarks.bmp", Bookmarks().Bmp(true));
    std::vector<TRaster> icons;
    for (int size : {16, 32, 48}) {
        icons.push_back(TRaster(size, size, 0));
        TIconPainter painter(icons.back(), 0, 0, size / 16);
        IconMark(painter);
    }
    WriteFileBytes(Folder + "/tandril.ico", IconFile(icons));
}
