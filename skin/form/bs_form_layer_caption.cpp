#include "skin/form/bs_form_layer_caption.h"

#include "platform/ui/graphics/bitmap.h"
#include "platform/win/system_metrics.h"
#include "skin/data/bs_bitmap.h"
#include "skin/data/bs_effects.h"
#include "skin/data/bs_skin_colors.h"
#include "skin/data/bs_skin_data.h"
#include "skin/data/bs_skin_objects.h"
#include "skin/form/bs_skin_caption_object.h"
#include "skin/form/bs_skin_form.h"
#include "skin/form/bs_skin_std_button_object.h"

namespace {

TbsSkinStdButtonObject* StdButton(TbsActiveSkinObject* Object)
{
    return dynamic_cast<TbsSkinStdButtonObject*>(Object);
}

// The first visible button of Command drawn from the frame's pictures.
int FindButton(const TbsSkinForm& Form, TbsStdCommand Command)
{
    for (int i = 0; i < Form.ObjectCount(); ++i) {
        TbsSkinStdButtonObject* b = StdButton(Form.Objects(i));
        if (b && b->Command == Command && b->Visible && b->SkinRectInAPicture)
            return i;
    }
    return -1;
}

int FindCaption(const TbsSkinForm& Form)
{
    for (int i = 0; i < Form.ObjectCount(); ++i)
        if (dynamic_cast<TbsSkinCaptionObject*>(Form.Objects(i)))
            return i;
    return -1;
}

const TbsDataSkinButton* ButtonData(const TbsSkinStdButtonObject& Button)
{
    if (!Button.SkinData)
        return nullptr;
    int index = Button.SkinData->FindObjectDescription(Button.IDName);
    if (index < 0)
        return nullptr;
    return dynamic_cast<const TbsDataSkinButton*>(Button.SkinData->ObjectList[static_cast<size_t>(index)].get());
}

// Whether some pixel of B has alpha above 0.
bool HasAlpha(const TbsBitmap& B)
{
    for (int y = 0; y < B.Height(); ++y)
        for (int x = 0; x < B.Width(); ++x)
            if (*B.PixelPtr(x, y) >> 24)
                return true;
    return false;
}

}  // namespace

std::vector<TRect> LayoutLayerCaption(const TbsDataSkinLayerFrame& Frame, const TbsSkinForm& Form, int TopWidth,
                                      int PictureWidth)
{
    std::vector<TRect> rects(static_cast<size_t>(Form.ObjectCount()));
    const int d = TopWidth - PictureWidth;
    const int g = Form.SkinData() ? Form.SkinData()->ButtonsOffset : 0;
    TRect c = Frame.CaptionRect;
    c.Right += d;
    int x = c.Right;
    int top = Frame.ButtonsTopOffset != 0 ? Frame.ButtonsTopOffset : c.Top;
    if (!IsRectEmpty(Frame.ButtonsRect)) {
        x = Frame.ButtonsRect.Right + d;
        top = Frame.ButtonsRect.Top;
    }
    for (TbsStdCommand command : {cmclose, cmmaximize, cmminimize, cmrollup, cmminimizetotray}) {
        int i = FindButton(Form, command);
        if (i < 0)
            continue;
        const TRect& skin = Form.Objects(i)->SkinRect;
        rects[static_cast<size_t>(i)] = Rect(x - skin.Width(), top, x, top + skin.Height());
        x -= skin.Width() + g;
    }
    int captionLeft = c.Left;
    int sys = FindButton(Form, cmsysmenu);
    if (sys >= 0) {
        TSize size{Form.Objects(sys)->SkinRect.Width(), Form.Objects(sys)->SkinRect.Height()};
        if (Form.ShowIcon())
            size = {GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON)};
        int sx = c.Left;
        int sy;
        if (!IsRectEmpty(Frame.SysMenuButtonRect)) {
            sx = Frame.SysMenuButtonRect.Left;
            sy = Frame.SysMenuButtonRect.Top + (Frame.SysMenuButtonRect.Height() - size.cy) / 2;
        } else if (!Form.ShowIcon() && Frame.SysButtonTopOffset != 0) {
            sy = Frame.SysButtonTopOffset;
        } else {
            sy = c.Top + (c.Height() - size.cy) / 2;
        }
        rects[static_cast<size_t>(sys)] = Bounds(sx, sy, size.cx, size.cy);
        if (IsRectEmpty(Frame.SysMenuButtonRect))
            captionLeft = sx + size.cx + g;
    }
    int caption = FindCaption(Form);
    if (caption >= 0)
        rects[static_cast<size_t>(caption)] = Rect(captionLeft, c.Top, x - g, c.Bottom);
    return rects;
}

TbsLayerButtonPictures::TbsLayerButtonPictures() = default;
TbsLayerButtonPictures::~TbsLayerButtonPictures() = default;

void TbsLayerButtonPictures::Clear() { pictures_.clear(); }

TbsBitmap* TbsLayerButtonPictures::Get(TbsSkinData& Data, int PictureIndex, int MaskIndex)
{
    auto key = std::make_pair(PictureIndex, MaskIndex);
    auto found = pictures_.find(key);
    if (found != pictures_.end())
        return found->second.get();
    TBitmap* picture = Data.PictureAt(PictureIndex);
    if (!picture)
        return nullptr;
    TBitmap* mask = Data.PictureAt(MaskIndex);
    auto bitmap = std::make_unique<TbsBitmap>();
    if (mask && mask->Width() == picture->Width() && mask->Height() == picture->Height())
        MaskAndPictureToBitmap(picture, mask, bitmap.get());
    else
        bitmap->Assign(picture);
    bitmap->AlphaBlendFlag = true;
    bitmap->TransparentFlag = false;
    return (pictures_[key] = std::move(bitmap)).get();
}

void DrawLayerButton(TbsSkinStdButtonObject& Button, TbsLayerButtonPictures& Pictures, TbsBitmap& Target,
                     const TRect& Place)
{
    if (Button.IconMode()) {
        DrawLayerIcon(*Button.Parent, Target, Place.TopLeft());
        return;
    }
    const TbsDataSkinButton* data = ButtonData(Button);
    if (!data)
        return;
    const bool restore = Button.InRestoreState();
    TRect source = restore ? Button.RestoreRect : Button.SkinRect;
    int mask = data->AlphaMaskPictureIndex;
    if (!Button.Parent->FormActive && !IsRectEmpty(Button.InActiveSkinRect)) {
        source = restore && !IsRectEmpty(Button.RestoreInActiveRect) ? Button.RestoreInActiveRect
                                                                      : Button.InActiveSkinRect;
        mask = data->AlphaMaskInActivePictureIndex;
    } else if (Button.Down && !IsRectEmpty(Button.DownRect) && (Button.Command == cmsysmenu || Button.MouseIn)) {
        source = restore ? Button.RestoreDownRect : Button.DownRect;
        mask = data->AlphaMaskActivePictureIndex;
    } else if (Button.MouseIn && !IsRectEmpty(Button.ActiveSkinRect)) {
        source = restore ? Button.RestoreActiveRect : Button.ActiveSkinRect;
        mask = data->AlphaMaskActivePictureIndex;
    }
    if (IsRectEmpty(source))
        return;
    TbsBitmap* picture = Pictures.Get(*Button.SkinData, data->ActivePictureIndex, mask);
    if (picture)
        picture->DrawRectToBitmap(&Target, Place.Left, Place.Top, source);
}

void DrawLayerIcon(TbsSkinForm& Form, TbsBitmap& Target, TPoint At)
{
    TbsBitmap icon;
    icon.SetSize(GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON));
    const TRect all = Rect(0, 0, icon.Width(), icon.Height());
    icon.FillRect(all, 0);
    Form.DrawFormIcon(icon.GetCanvas(), 0, 0);
    if (!HasAlpha(icon)) {
        // An icon without alpha leaves alpha 0 where it draws: it is drawn
        // again over a key colour, and what it covers becomes opaque.
        constexpr uint32_t kKey = 0x007F007F;
        icon.FillRect(all, kKey);
        Form.DrawFormIcon(icon.GetCanvas(), 0, 0);
        for (int y = 0; y < icon.Height(); ++y)
            for (uint32_t* p = icon.GetScanline(y); p < icon.GetScanline(y) + icon.Width(); ++p)
                *p = (*p & 0x00FFFFFF) == kKey ? 0 : (*p | 0xFF000000u);
    }
    icon.AlphaBlendFlag = true;
    icon.DrawToBitmap(&Target, At.X, At.Y);
}
