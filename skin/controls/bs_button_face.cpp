// The skinned buttons' face, font, plain look and cross-fade.
#include "skin/controls/bs_button_face.h"

#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/image_list.h"
#include "skin/controls/bs_skin_custom_image.h"
#include "skin/data/bs_draw_utils.h"
#include "skin/data/bs_effects.h"
#include "skin/data/bs_resource_str_data.h"
#include "skin/data/bs_skin_data.h"

TRect DrawButtonImage(TBitmap* B, const TbsSkinCustomImage& Image, const TRect& R, bool UseSkinSize)
{
    int mode = Image.ResizeMode;
    if (UseSkinSize || mode == rmNinePart || mode == rmEmpty) {
        Image.DrawImage(B, Image.Picture, R, B->Width(), B->Height(), false);
        return Image.NewClientRect;
    }
    if (Image.Picture && mode == rmFixed)
        B->Canvas()->CopyRect(TRect{0, 0, B->Width(), B->Height()}, Image.Picture->Canvas(), R);
    else if (Image.Picture)
        CreateSkinImageByOffsets(B, Image.Picture, R, Image.SkinClientRect, true);
    TRect caption = Image.SkinClientRect;
    caption.Right += B->Width() - RectWidth(R);
    caption.Bottom += B->Height() - RectHeight(R);
    return caption;
}

void DrawButtonFace(TCanvas* Canvas, const TbsButtonFace& Face)
{
    if (Face.Images && Face.ImageIndex >= 0 && Face.ImageIndex < Face.Images->Count()) {
        DrawImageAndText(Canvas, Face.Rect, Face.Margin, Face.Spacing, Face.Layout, Face.Caption, Face.Images,
                         Face.ImageIndex, Face.ImageEnabled, Face.Pressed, Face.MarkerOn, Face.MarkerColor);
        return;
    }
    DrawGlyphAndText(Canvas, Face.Rect, Face.Margin, Face.Spacing, Face.Layout, Face.Caption, Face.Glyph,
                     Face.NumGlyphs, Face.GlyphNumber, Face.Pressed, Face.MarkerOn, Face.MarkerColor);
}

void SetButtonFont(TCanvas* Canvas, bool UseSkinFont, const TbsButtonSkinValues& Values, TFont* DefaultFont,
                   TbsSkinData* SkinData)
{
    TFont* font = Canvas->Font();
    if (UseSkinFont) {
        font->SetName(Values.FontName);
        font->SetHeight(Values.FontHeight);
        font->SetStyle(Values.FontStyle);
    } else {
        font->Assign(DefaultFont);
    }
    if (SkinData && SkinData->ResourceStrData())
        font->SetCharset(SkinData->ResourceStrData()->CharSet);
    else
        font->SetCharset(DefaultFont->Charset());
}

TColor ButtonFontColor(const TbsButtonSkinValues& Values, bool Enabled, bool UseSkinFontColor, bool Hot, bool Down,
                       TColor DefaultColor)
{
    if (Enabled && !UseSkinFontColor)
        return DefaultColor;
    if (!Enabled)
        return Values.DisabledFontColor;
    if (Hot && Down)
        return Values.DownFontColor;
    if (Hot)
        return Values.ActiveFontColor;
    return Values.FontColor;
}

void DrawPlainButton(TCanvas* Canvas, const TRect& Rect, TbsPlainLook Look, bool Framed)
{
    TColor fill = Look == TbsPlainLook::Pressed ? TColor(0x00B59385)
                  : Look == TbsPlainLook::Hot   ? TColor(0x00D2BDB6)
                                                : clBtnFace;
    Canvas->Brush()->SetColor(fill);
    Canvas->FillRect(Rect);
    if (Look != TbsPlainLook::Normal)
        DrawFrame3D(Canvas, Rect, clNavy, clNavy);
    else if (Framed)
        DrawFrame3D(Canvas, Rect, clBtnShadow, clBtnShadow);
}

void DrawMorphedImages(TCanvas* Canvas, TBitmap* Normal, TBitmap* Hot, TbsMorphKind Kind, double Factor)
{
    auto first = TbsEffectBmp::CreateFromHandle(Normal->Handle());
    auto second = TbsEffectBmp::CreateFromHandle(Hot->Handle());
    switch (Kind) {
    case mkdefault:
        first->Morph(second.get(), Factor);
        break;
    case mkgradient:
        first->MorphGrad(second.get(), Factor);
        break;
    case mkleftgradient:
        first->MorphLeftGrad(second.get(), Factor);
        break;
    case mkrightgradient:
        first->MorphRightGrad(second.get(), Factor);
        break;
    case mkleftslide:
        first->MorphLeftSlide(second.get(), Factor);
        break;
    case mkrightslide:
        first->MorphRightSlide(second.get(), Factor);
        break;
    case mkpush:
        first->MorphPush(second.get(), Factor);
        break;
    }
    first->Draw(Canvas->Handle(), 0, 0);
}
