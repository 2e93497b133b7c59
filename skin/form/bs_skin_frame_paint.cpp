#include "skin/form/bs_skin_frame_paint.h"

#include <memory>

#include "platform/gdi/blit.h"
#include "platform/gdi/clipping.h"
#include "platform/gdi/device_context.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"
#include "skin/data/bs_effects.h"
#include "skin/data/bs_nine_part.h"
#include "skin/data/bs_skin_content.h"

namespace {

TBitmap* FramePicture(const TbsSkinFramePaint& Frame)
{
    const TbsSkinContent& skin = *Frame.Skin;
    if (!Frame.Active && skin.InactivePicture && !skin.InactivePicture->Empty())
        return skin.InactivePicture.get();
    return skin.Picture.get();
}

void ApplyInactiveEffect(TbsEffectBmp& Bitmap, TbsImageEffect Effect)
{
    switch (Effect) {
    case iebrightness: Bitmap.Brightness(0.5); break;
    case iedarkness: Bitmap.Darkness(0.3); break;
    case iegrayscale: Bitmap.Grayscale(); break;
    case ienoise: Bitmap.AddColorNoise(50); break;
    case iesplitblur: Bitmap.SplitBlur(1); break;
    case ieinvert: Bitmap.Invert(); break;
    default: break;  // a number the effects do not know: the strip as it is
    }
}

// One strip at (X, Y) of DC, through the inactive effect when Effect is set.
void PutStrip(HDC DC, TBitmap& Strip, int X, int Y, const TbsImageEffect* Effect)
{
    if (Strip.Empty())
        return;
    if (Effect) {
        std::unique_ptr<TbsEffectBmp> effect = TbsEffectBmp::CreateFromHandle(Strip.Handle());
        ApplyInactiveEffect(*effect, *Effect);
        effect->Draw(DC, X, Y);
        return;
    }
    BitBlt(DC, X, Y, Strip.Width(), Strip.Height(), Strip.Canvas()->Handle(), 0, 0, SRCCOPY);
}

}  // namespace

void PaintSkinFrame(HDC DC, const TbsSkinFramePaint& Frame, TbsFramePaintObjects& Objects)
{
    const int w = Frame.W;
    const int h = Frame.H;
    if (!DC || !Frame.Skin || Frame.MinWidth > w || Frame.MinHeight > h)
        return;
    TBitmap* picture = FramePicture(Frame);
    if (!picture || picture->Empty())
        return;
    const TbsSkinContent& skin = *Frame.Skin;
    const TRect& client = Frame.NewClRect;

    TBitmap top, left, right, bottom;
    CreateSkinBorderImages(skin.LeftTopPoint, skin.RightTopPoint, skin.LeftBottomPoint, skin.RightBottomPoint,
                           skin.ClientRect, Frame.NewLTPoint, Frame.NewRTPoint, Frame.NewLBPoint, Frame.NewRBPoint,
                           client, &left, &top, &right, &bottom, picture,
                           Rect(0, 0, picture->Width(), picture->Height()), w, h, skin.LeftStretch,
                           skin.TopStretch, skin.RightStretch, skin.BottomStretch);

    for (int i = 0; i < Objects.Count(); ++i) {
        if (!Objects.Visible(i))
            continue;
        if (Objects.ObjectRect(i).Bottom > client.Top) {
            if (!bottom.Empty())
                Objects.Draw(i, bottom.Canvas(), TPoint{0, -client.Bottom}, false);
        } else if (!top.Empty()) {
            Objects.Draw(i, top.Canvas(), TPoint{0, 0}, false);
        }
    }

    int saved = SaveDC(DC);
    if (client.Bottom > client.Top)
        ExcludeClipRect(DC, client.Left, client.Top, client.Right, client.Bottom);
    const TbsImageEffect effect = skin.InActiveEffect;
    const TbsImageEffect* inactive = !Frame.Active && skin.AutoRenderingInActiveImage ? &effect : nullptr;
    PutStrip(DC, top, 0, 0, inactive);
    PutStrip(DC, left, 0, top.Height(), inactive);
    PutStrip(DC, right, w - right.Width(), top.Height(), inactive);
    PutStrip(DC, bottom, 0, h - bottom.Height(), inactive);
    RestoreDC(DC, saved);
}
