// The standard icon handles and their drawing.
#include "platform/ui/graphics/system_icons.h"

#include <array>

#include "platform/ui/graphics/image_blend.h"
#include "platform/ui/graphics/system_icon_pictures.h"

namespace {

struct TStandardIcon {
    const char* const* Name;
    TSystemIcon Picture;
};

constexpr TStandardIcon StandardIcons[] = {
    {&IDI_APPLICATION, TSystemIcon::Application}, {&IDI_HAND, TSystemIcon::Hand},
    {&IDI_QUESTION, TSystemIcon::Question},       {&IDI_EXCLAMATION, TSystemIcon::Exclamation},
    {&IDI_ASTERISK, TSystemIcon::Asterisk},
};
constexpr size_t StandardCount = std::size(StandardIcons);

// The handles are the addresses of these, in the order of StandardIcons.
HICON__ standardHandles[StandardCount];

// Each picture is drawn the first time its icon is asked for.
const TRasterImage& Picture(size_t Index)
{
    static std::array<TRasterImage, StandardCount> pictures;
    if (pictures[Index].Empty())
        pictures[Index] = DrawSystemIconPicture(StandardIcons[Index].Picture);
    return pictures[Index];
}

}  // namespace

HICON LoadIcon(HINSTANCE Instance, const char* Name)
{
    if (Instance || !IS_INTRESOURCE(Name))
        return nullptr;
    for (size_t i = 0; i < StandardCount; ++i)
        if (*StandardIcons[i].Name == Name)
            return &standardHandles[i];
    return nullptr;
}

const TRasterImage* IconImage(HICON Icon)
{
    for (size_t i = 0; i < StandardCount; ++i)
        if (Icon == &standardHandles[i])
            return &Picture(i);
    return nullptr;
}

bool DestroyIcon(HICON Icon)
{
    return IconImage(Icon) != nullptr;
}

bool DrawIcon(HDC DC, int X, int Y, HICON Icon)
{
    return DrawIconEx(DC, X, Y, Icon, 0, 0, 0, nullptr, DI_NORMAL);
}

bool DrawIconEx(HDC DC, int X, int Y, HICON Icon, int Width, int Height, UINT, HBRUSH, UINT Flags)
{
    const TRasterImage* image = IconImage(Icon);
    if (!image)
        return false;
    if (Flags & DI_IMAGE)
        DrawImageBlended(DC, Bounds(X, Y, Width ? Width : image->Width, Height ? Height : image->Height), *image);
    return true;
}
