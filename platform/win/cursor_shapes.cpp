// The pictures of the standard cursor shapes, for code that measures a
// cursor (a hint placed below it): 32 x 32, each shape given by its hot
// spot and the box its ink covers. The back ends draw the shapes
// themselves; these boxes follow the usual size of each shape.
#include <cstdint>
#include <vector>

#include "platform/gdi/bitmap.h"
#include "platform/win/cursor.h"

namespace {

constexpr int kCursorSize = 32;

struct TShapeBox {
    TCursorShape Shape;
    TPoint HotSpot;
    TRect Ink;  // columns and rows the shape covers
};

const TShapeBox kShapeBoxes[] = {
    {TCursorShape::Arrow, {0, 0}, {0, 0, 12, 21}},
    {TCursorShape::IBeam, {16, 16}, {12, 7, 21, 25}},
    {TCursorShape::Wait, {16, 16}, {5, 5, 27, 27}},
    {TCursorShape::Cross, {16, 16}, {5, 5, 28, 28}},
    {TCursorShape::SizeNWSE, {16, 16}, {7, 7, 26, 26}},
    {TCursorShape::SizeNESW, {16, 16}, {7, 7, 26, 26}},
    {TCursorShape::SizeWE, {16, 16}, {4, 12, 29, 21}},
    {TCursorShape::SizeNS, {16, 16}, {12, 4, 21, 29}},
    {TCursorShape::SizeAll, {16, 16}, {4, 4, 29, 29}},
    {TCursorShape::No, {16, 16}, {6, 6, 27, 27}},
    {TCursorShape::Hand, {5, 0}, {0, 0, 17, 22}},
    {TCursorShape::AppStarting, {0, 0}, {0, 0, 25, 24}},
    {TCursorShape::Help, {0, 0}, {0, 0, 24, 24}},
    {TCursorShape::HSplit, {16, 16}, {4, 10, 29, 23}},
    {TCursorShape::VSplit, {16, 16}, {10, 4, 23, 29}},
    {TCursorShape::Drag, {0, 0}, {0, 0, 20, 28}},
    {TCursorShape::MultiDrag, {0, 0}, {0, 0, 22, 30}},
    {TCursorShape::NoDrop, {0, 0}, {0, 0, 24, 28}},
};

// The AND mask above the XOR mask, rows top-down, 4 bytes each.
HBITMAP MaskOf(const TShapeBox& Box)
{
    const int rowBytes = BitmapRowBytes(kCursorSize, 1);
    std::vector<uint8_t> bits(static_cast<size_t>(rowBytes * kCursorSize * 2), 0);
    for (int y = 0; y < kCursorSize; ++y) {
        uint8_t* andRow = &bits[static_cast<size_t>(y * rowBytes)];
        uint8_t* xorRow = &bits[static_cast<size_t>((y + kCursorSize) * rowBytes)];
        for (int x = 0; x < kCursorSize; ++x) {
            bool ink = PtInRect(Box.Ink, TPoint{x, y});
            uint8_t bit = static_cast<uint8_t>(0x80 >> (x % 8));
            if (!ink)
                andRow[x / 8] |= bit;
            else if (x == Box.Ink.Left || y == Box.Ink.Top)
                xorRow[x / 8] |= bit;  // a white edge on the black shape
        }
    }
    return CreateBitmap(kCursorSize, kCursorSize * 2, 1, 1, bits.data());
}

}  // namespace

bool GetCursorInfo(CURSORINFO* Info)
{
    if (Info == nullptr)
        return false;
    Info->hCursor = GetCursor();
    Info->flags = Info->hCursor != nullptr ? CURSOR_SHOWING : 0;
    GetCursorPos(&Info->ptScreenPos);
    return true;
}

bool GetIconInfo(HICON Icon, ICONINFO* Info)
{
    TCursorShape shape;
    if (Info == nullptr || !CursorShapeOf(Icon, &shape))
        return false;
    for (const TShapeBox& box : kShapeBoxes)
        if (box.Shape == shape) {
            Info->fIcon = false;
            Info->xHotspot = static_cast<DWORD>(box.HotSpot.X);
            Info->yHotspot = static_cast<DWORD>(box.HotSpot.Y);
            Info->hbmMask = MaskOf(box);
            Info->hbmColor = nullptr;
            return true;
        }
    return false;
}
