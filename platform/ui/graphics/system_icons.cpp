// The standard icon handles and their drawing.
#include "platform/ui/graphics/system_icons.h"

#include <array>
#include <memory>
#include <unordered_map>

#include "platform/ui/graphics/image_blend.h"
#include "platform/ui/graphics/image_resample.h"
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

// An icon of the program's own: its handle is the address of Handle.
struct TOwnedIcon {
    HICON__ Handle;
    TRasterImage Image;
};

std::unordered_map<HICON, std::unique_ptr<TOwnedIcon>>& OwnedIcons()
{
    static std::unordered_map<HICON, std::unique_ptr<TOwnedIcon>> icons;
    return icons;
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
    auto owned = OwnedIcons().find(Icon);
    return owned == OwnedIcons().end() ? nullptr : &owned->second->Image;
}

bool DestroyIcon(HICON Icon)
{
    if (OwnedIcons().erase(Icon))
        return true;
    return IconImage(Icon) != nullptr;
}

HICON CreateIconFromImage(const TRasterImage& Image)
{
    if (Image.Empty())
        return nullptr;
    auto icon = std::make_unique<TOwnedIcon>();
    icon->Image = Image;
    icon->Image.HasAlpha = true;
    HICON handle = &icon->Handle;
    OwnedIcons().emplace(handle, std::move(icon));
    return handle;
}

HICON CopyImage(HICON Icon, UINT Type, int Width, int Height, UINT)
{
    const TRasterImage* image = Type == IMAGE_ICON ? IconImage(Icon) : nullptr;
    if (!image)
        return nullptr;
    int w = Width > 0 ? Width : image->Width;
    int h = Height > 0 ? Height : image->Height;
    if (w == image->Width && h == image->Height)
        return CreateIconFromImage(*image);
    return CreateIconFromImage(ResampleImage(*image, w, h));
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
