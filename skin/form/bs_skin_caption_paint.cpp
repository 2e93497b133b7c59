// How the caption object paints itself on the frame: its background
// stretched to the caption's width, an animation frame or the fade between
// the inactive and the active image, and the title with its frame, light,
// shadow and effect.
#include <algorithm>

#include "platform/base/code_page.h"
#include "platform/gdi/draw_text.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/font.h"
#include "platform/ui/kernel/custom_form.h"
#include "skin/controls/bs_button_face.h"
#include "skin/data/bs_draw_utils.h"
#include "skin/data/bs_glow_text.h"
#include "skin/data/bs_nine_part.h"
#include "skin/data/bs_resource_str_data.h"
#include "skin/data/bs_skin_data.h"
#include "skin/form/bs_caption_text.h"
#include "skin/form/bs_skin_caption_object.h"
#include "skin/form/bs_skin_form.h"

namespace {

constexpr unsigned kTextFlags = DT_SINGLELINE | DT_NOPREFIX | DT_LEFT;

// Draws Canvas's pass straight onto it.
void RunDirect(TCanvas* Canvas, const std::function<void(TCanvas*, TPoint, bool)>& Pass)
{
    Pass(Canvas, TPoint{0, 0}, false);
}

}  // namespace

AnsiString TbsSkinCaptionObject::CaptionText() const { return Parent->CaptionTitle(); }

TbsCaptionTextPlace TbsSkinCaptionObject::PlaceText(TCanvas* Canvas, const TRect& Area) const
{
    TbsCaptionTextPlace place;
    place.Text = CaptionText();
    if (place.Text.empty() || IsRectEmpty(Area))
        return place;
    TruncateText(Canvas, place.Text, Area.Width());
    TSize size = CaptionTextSize(Canvas, place.Text);
    place.W = size.cx;
    place.H = size.cy;
    place.Y = Area.Top + Area.Height() / 2 - place.H / 2;
    TAlignment alignment = HasQuickButtons() ? taCenter : Alignment;
    if (alignment == taRightJustify)
        place.X = Area.Right - place.W;
    else if (alignment == taCenter)
        place.X = Area.Left + Area.Width() / 2 - place.W / 2;
    else
        place.X = Area.Left;
    if (Canvas->Font()->Height() % 2 != 0)
        --place.Y;
    return place;
}

void TbsSkinCaptionObject::SetCaptionFont(TCanvas* Canvas, TColor Colour) const
{
    TFont* font = Canvas->Font();
    if (Parent->UseSkinFontInCaption) {
        font->SetName(FontName);
        font->SetStyle(FontStyle);
        font->SetHeight(FontHeight);
    } else {
        font->Assign(Parent->DefCaptionFont());
    }
    font->SetColor(Colour);
    if (SkinData && SkinData->ResourceStrData())
        font->SetCharset(SkinData->ResourceStrData()->CharSet);
    else
        font->SetCharset(Parent->DefCaptionFont()->Charset());
}

TRect TbsSkinCaptionObject::AnimationFrameRect(int Frame) const
{
    const TRect& a = AnimateSkinRect;
    if (a.Height() <= SkinRect.Height()) {
        int w = a.Width() / FrameCount;
        return TRect{a.Left + (Frame - 1) * w, a.Top, a.Left + Frame * w, a.Bottom};
    }
    int h = a.Height() / FrameCount;
    return TRect{a.Left, a.Top + (Frame - 1) * h, a.Right, a.Top + Frame * h};
}

void TbsSkinCaptionObject::MakeBackground(TBitmap& B, TBitmap* From, const TRect& Source) const
{
    int w = ObjectRect.Width();
    int h = ObjectRect.Height();
    B.SetPixelFormat(pf24bit);
    B.SetSize(w, h);
    if (!From || From->Empty() || IsRectEmpty(Source))
        return;
    // The fixed ends come from the frame picture's caption, whatever
    // picture the image itself is taken from.
    int left = std::max(0, SkinData->LeftTopPoint.X - SkinRect.Left);
    int right = std::max(0, SkinRect.Right - SkinData->RightTopPoint.X);
    if (left == 0 && right == 0) {
        B.Canvas()->CopyRect(TRect{0, 0, w, h}, From->Canvas(), Source);
        return;
    }
    CreateHSkinImage(left, right, &B, From, Source, w, h, StretchEffect);
}

void TbsSkinCaptionObject::MakeCaptionImage(TBitmap& B, TBitmap* From, const TRect& Source, bool AActive,
                                            TColor Colour)
{
    MakeBackground(B, From, Source);
    SetCaptionFont(B.Canvas(), Colour);
    PaintText(B.Canvas(), CalcTextRect(), TPoint{0, 0}, AActive, false, RunDirect);
}

void TbsSkinCaptionObject::PaintTextFrame(TCanvas* Canvas, const TbsCaptionTextPlace& Place, TPoint Origin,
                                          bool AActive)
{
    TRect source = AActive && !IsRectEmpty(ActiveFrameRect) ? ActiveFrameRect : FrameRect;
    int x = 0;
    int w = 0;
    if (FullFrame) {
        w = ObjectRect.Width() - 2 * SkinData->ButtonsOffset;
        x = Origin.X + SkinData->ButtonsOffset;
    } else {
        w = source.Width() + Place.W - FrameTextRect.Width();
        x = Place.X - FrameTextRect.Left;
    }
    if (w <= 0)
        return;
    TBitmap frame;
    CreateHSkinImage(FrameLeftOffset, FrameRightOffset, &frame, ActivePicture, source, w, source.Height(), false);
    Canvas->Draw(x, Place.Y - FrameTextRect.Top, &frame);
}

void TbsSkinCaptionObject::PaintText(TCanvas* Canvas, const TRect& Area, TPoint Origin, bool AActive, bool Narrow,
                                     const TPassRunner& Run)
{
    // The handler paints where the title would go, also into an off-screen
    // caption image, so what it paints is what shows.
    if (Parent->OnCaptionPaint) {
        Parent->OnCaptionPaint(Canvas,
                               TRect{Origin.X, Origin.Y, Origin.X + ObjectRect.Width(), Origin.Y + ObjectRect.Height()},
                               AActive);
        return;
    }
    TbsCaptionTextPlace place = PlaceText(Canvas, Area);
    if (place.Text.empty() || IsRectEmpty(Area))
        return;
    Canvas->Brush()->SetStyle(bsClear);
    if (!Narrow && !IsRectEmpty(FrameRect))
        PaintTextFrame(Canvas, place, Origin, AActive);
    const std::u16string text = GbkToUtf16(place.Text);
    const TColor colour = Canvas->Font()->Color();
    // One copy of the text in Colour, moved by (DX, DY).
    auto copy = [&](TColor Colour, int DX, int DY) {
        Run(Canvas, [&](TCanvas* C, TPoint Shift, bool Mask) {
            C->Font()->SetColor(Mask ? clWhite : Colour);
            C->Brush()->SetStyle(bsClear);
            TRect r{place.X + DX + Shift.X, place.Y + DY + Shift.Y, 0, 0};
            r.Right = r.Left + place.W;
            r.Bottom = r.Top + place.H;
            DrawTextUnicode(C, text, r, kTextFlags);
        });
    };
    if (Light)
        copy(AActive ? ActiveLightColor : LightColor, -1, -1);
    if (Shadow)
        copy(AActive ? ActiveShadowColor : ShadowColor, 1, 1);
    TColor glow = AActive ? GlowActiveColor : GlowColor;
    bool halo = VistaGlowEffect && (AActive || VistaGlowInActiveEffect);
    bool glowing = GlowEffect && (AActive || GlowInActiveEffect);
    if (!ReflectionEffect && !halo && !glowing) {
        copy(colour, 0, 0);
        return;
    }
    Run(Canvas, [&](TCanvas* C, TPoint Shift, bool Mask) {
        C->Font()->SetColor(Mask ? clWhite : colour);
        TRect r{place.X + Shift.X, place.Y + Shift.Y, place.X + Shift.X + place.W, place.Y + Shift.Y + place.H};
        if (ReflectionEffect)
            DrawReflectionText(C, r, text, Mask ? clWhite : AActive ? ReflectionActiveColor : ReflectionColor,
                               ReflectionOffset, kTextFlags);
        else if (halo && Narrow)
            DrawVistaGlowTextNarrow(C, r, text, Mask ? clWhite : glow, kTextFlags);
        else if (halo)
            DrawVistaGlowText(C, r, text, Mask ? clWhite : glow, kTextFlags);
        else
            DrawGlowText(C, r, text, GlowSize, Mask ? clWhite : glow, GlowOffset, kTextFlags);
    });
}

void TbsSkinCaptionObject::Draw(TCanvas* Canvas, bool)
{
    if (!SkinReady())
        return;
    drawnOnLayer_ = false;
    const TColor colour = Active ? ActiveFontColor : FontColor;
    SetCaptionFont(Canvas, colour);
    TBitmap image;
    bool direct = false;
    if (AnimationEnabled() && AnimationFrame >= 1 && AnimationFrame <= FrameCount) {
        // The strip shows the way out of the state being left, with that
        // state's text.
        MakeCaptionImage(image, ActivePicture, AnimationFrameRect(AnimationFrame), !Active,
                         Active ? FontColor : ActiveFontColor);
    } else if (CanMorph() && FadeUnderWay()) {
        TBitmap inactive, active;
        MakeCaptionImage(inactive, Picture, SkinRect, false, FontColor);
        MakeCaptionImage(active, ActivePicture, ActiveSkinRect, true, ActiveFontColor);
        image.SetPixelFormat(pf24bit);
        image.SetSize(ObjectRect.Width(), ObjectRect.Height());
        DrawMorphedImages(image.Canvas(), &inactive, &active, MorphKind, MorphKf());
    } else if (IsRectEmpty(ActiveSkinRect)) {
        direct = true;
    } else if (!Active) {
        direct = !CanMorph() && !StretchEffect && !AnimationEnabled();
        if (!direct)
            MakeCaptionImage(image, Picture, SkinRect, false, FontColor);
    } else {
        MakeCaptionImage(image, ActivePicture, ActiveSkinRect, true, ActiveFontColor);
    }
    if (direct) {
        TRect area = CalcTextRect();
        OffsetRect(area, ObjectRect.Left, ObjectRect.Top);
        PaintText(Canvas, area, ObjectRect.TopLeft(), Active, false, RunDirect);
    } else {
        Canvas->Draw(ObjectRect.Left, ObjectRect.Top, &image);
    }
    // Over the background, which would otherwise cover them.
    if (HasQuickButtons()) {
        LayoutQuickButtons();
        TRect divider = DividerSource();
        if (Parent->QuickButtonsShowDivider && !IsRectEmpty(divider))
            PaintDivider(Canvas, ObjectRect.Left + 3, divider);
        PaintQuickButtons(Canvas);
    }
}
