// How the caption paints its quick buttons and their divider: the skin's
// quick-button look under a hot or pressed button, the image centred on
// it, and the divider picture at the caption's left end.
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/image_list.h"
#include "skin/data/bs_bitmap.h"
#include "skin/data/bs_effects.h"
#include "skin/data/bs_nine_part.h"
#include "skin/data/bs_skin_controls.h"
#include "skin/data/bs_skin_data.h"
#include "skin/form/bs_skin_caption_object.h"
#include "skin/form/bs_skin_form.h"

namespace {

// The key colour of the images' own bitmap.
constexpr uint32_t kImageKey = 0x7F007F;

// 0x00BBGGRR to the colour part 0x00RRGGBB of a pixel.
uint32_t PixelRGB(TColor Colour)
{
    const uint32_t c = static_cast<uint32_t>(ColorToRGB(Colour));
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

// The quick-button look of the skin: "officequickbutton", else
// "resizetoolbutton"; null without either.
TbsDataSkinButtonControl* QuickButtonLook(TbsSkinData* Data)
{
    for (const char* name : {"officequickbutton", "resizetoolbutton"}) {
        int index = Data->FindControlDescription(name);
        if (index < 0)
            continue;
        auto* look = dynamic_cast<TbsDataSkinButtonControl*>(Data->ControlList[static_cast<size_t>(index)].get());
        if (look)
            return look;
    }
    return nullptr;
}

// Source of Picture as a nine-part image of Size, its borders the margins
// of the look's client rect, with alpha 255.
void StretchPiece(TbsBitmap& B, TBitmap* Picture, const TRect& Source, const TRect& ClientRect, TSize Size)
{
    TBitmap piece;
    piece.SetPixelFormat(pf24bit);
    piece.SetSize(Size.cx, Size.cy);
    CreateSkinImageByOffsets(&piece, Picture, Source, ClientRect, true);
    B.Assign(&piece);
    B.SetAlpha(255);
}

}  // namespace

void TbsSkinCaptionObject::PaintDivider(TCanvas* Canvas, int X, const TRect& Source)
{
    if (!ActivePicture || IsRectEmpty(Source))
        return;
    TBitmap piece;
    piece.SetPixelFormat(pf24bit);
    piece.SetSize(Source.Width(), Source.Height());
    piece.Canvas()->CopyRect(TRect{0, 0, Source.Width(), Source.Height()}, ActivePicture->Canvas(), Source);
    TbsBitmap divider;
    divider.Assign(&piece);
    divider.SetAlpha(255);
    if (DividerTransparent)
        divider.SetTransparentColor(PixelRGB(DividerTransparentColor));
    int y = ObjectRect.Top + ObjectRect.Height() / 2 - Source.Height() / 2;
    divider.DrawToCanvas(Canvas, X, y);
}

void TbsSkinCaptionObject::PaintQuickButtons(TCanvas* Canvas)
{
    TCustomImageList* images = Parent->QuickImageList();
    TbsDataSkinButtonControl* look = QuickButtonLook(SkinData);
    TBitmap* lookPicture = look ? SkinData->PictureAt(look->PictureIndex) : nullptr;
    TBitmap* alphaMask = SkinData->PictureAt(QuickButtonAlphaMaskPictureIndex);
    TbsQuickButtonItems* buttons = Parent->QuickButtons();
    for (int i = 0; i < buttons->Count(); ++i) {
        TbsQuickButtonItem* item = buttons->Items(i);
        if (!item->Visible() || IsRectEmpty(item->ItemRect))
            continue;
        const TRect& r = item->ItemRect;
        TRect source = look ? (item->Down && !IsRectEmpty(look->DownSkinRect) ? look->DownSkinRect
                                                                              : look->ActiveSkinRect)
                            : TRect{};
        if (item->Hot && lookPicture && !IsRectEmpty(source)) {
            TbsBitmap back;
            TSize size{r.Width(), r.Height()};
            StretchPiece(back, lookPicture, source, look->ClientRect, size);
            if (alphaMask) {
                TbsBitmap mask;
                StretchPiece(mask, alphaMask, source, look->ClientRect, size);
                MaskToAlpha(&back, &mask);
                back.AlphaBlendFlag = true;
            }
            back.DrawToCanvas(Canvas, r.Left, r.Top);
        }
        if (item->ImageIndex() < 0 || item->ImageIndex() >= images->Count())
            continue;
        // Drawn through a keyed bitmap, so the image's own pixels arrive
        // opaque also on a 32-bit canvas whose alpha counts.
        TbsBitmap image;
        image.SetSize(images->Width(), images->Height());
        image.FillRect(TRect{0, 0, images->Width(), images->Height()}, kImageKey | 0xFF000000u);
        images->Draw(image.GetCanvas(), 0, 0, item->ImageIndex(), item->Enabled());
        image.SetAlpha(255);
        image.SetTransparentColor(kImageKey);
        image.DrawToCanvas(Canvas, r.Left + r.Width() / 2 - images->Width() / 2,
                           r.Top + r.Height() / 2 - images->Height() / 2);
    }
}
