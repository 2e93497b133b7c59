#include "skin/controls/bs_skin_label.h"

#include "platform/gdi/draw_text.h"
#include "platform/ui/graphics/image_list.h"
#include "platform/ui/kernel/controls_messages.h"
#include "skin/data/bs_draw_utils.h"
#include "skin/data/bs_glow_text.h"
#include "skin/data/bs_resource_str_data.h"

using enum TbsSkinBorderStyle;

TbsSkinLabel::TbsSkinLabel(TComponent* AOwner) : TbsSkinCustomControl(AOwner)
{
    SetBounds(Left(), Top(), 75, 21);
    SetSkinDataName("label");
}

void TbsSkinLabel::SetShadowEffect(bool Value)
{
    if (Value == shadowEffect_)
        return;
    shadowEffect_ = Value;
    Repaint();
}

void TbsSkinLabel::SetShadowColor(TColor Value)
{
    if (Value == shadowColor_)
        return;
    shadowColor_ = Value;
    Repaint();
}

void TbsSkinLabel::SetShadowOffset(int Value)
{
    if (Value == shadowOffset_)
        return;
    shadowOffset_ = Value;
    Repaint();
}

void TbsSkinLabel::SetShadowSize(int Value)
{
    if (Value == shadowSize_)
        return;
    shadowSize_ = Value;
    Repaint();
}

void TbsSkinLabel::SetReflectionEffect(bool Value)
{
    if (Value == reflectionEffect_)
        return;
    reflectionEffect_ = Value;
    Repaint();
}

void TbsSkinLabel::SetReflectionOffset(int Value)
{
    if (Value == reflectionOffset_)
        return;
    reflectionOffset_ = Value;
    Repaint();
}

void TbsSkinLabel::SetEllipsType(TbsEllipsType2 Value)
{
    if (Value == ellipsType_)
        return;
    ellipsType_ = Value;
    Repaint();
}

void TbsSkinLabel::SetBorderStyle(TbsSkinBorderStyle Value)
{
    borderStyle_ = Value;
    if (DescriptionIndex() == -1) {
        Repaint();
        Realign();
    }
}

void TbsSkinLabel::SetAlignment(TAlignment Value)
{
    if (Value == alignment_)
        return;
    alignment_ = Value;
    Repaint();
}

void TbsSkinLabel::SetAutoSize(bool Value)
{
    TbsSkinCustomControl::SetAutoSize(Value);
    if (Value)
        AdjustToText();
}

void TbsSkinLabel::GetSkinData()
{
    TbsSkinCustomControl::GetSkinData();
    if (auto* description = dynamic_cast<TbsDataSkinLabelControl*>(Description())) {
        LabelSkin = *description;
        // A skin of fixed size leaves the text no say over the width.
        if (ResizeMode == rmFixed && AutoSize())
            TbsSkinCustomControl::SetAutoSize(false);
    }
}

// Without UseSkinSize (and not over all four corners) the label keeps the
// skin's height and only the right side moves: the left corner stays, the
// right corner and the client part's right edge follow the width.
void TbsSkinLabel::LayOutLabel(int& W, int& H)
{
    if (UseSkinSize || ResizeMode == rmNinePart || DescriptionIndex() == -1) {
        TbsSkinCustomControl::CalcSize(W, H);
        return;
    }
    int d = W - SkinRect.Width();
    H = SkinRect.Height();
    NewLeftTopPoint = LeftTopPoint;
    NewLeftBottomPoint = LeftBottomPoint;
    NewRightTopPoint = Point(RightTopPoint.X + d, RightTopPoint.Y);
    NewRightBottomPoint = Point(RightBottomPoint.X + d, RightBottomPoint.Y);
    NewClientRect = SkinClientRect;
    NewClientRect.Right += d;
}

void TbsSkinLabel::CalcSize(int& W, int& H)
{
    LayOutLabel(W, H);
    if (!AutoSize())
        return;
    int overflow = GetTextOverflow();
    if (overflow >= 1) {
        W += overflow;
        LayOutLabel(W, H);
    }
}

void TbsSkinLabel::SetControlRegion()
{
    if (UseSkinSize)
        TbsSkinCustomControl::SetControlRegion();
}

void TbsSkinLabel::SetLabelFont(TCanvas* Canvas) const
{
    TFont* font = Canvas->Font();
    bool skinned = DescriptionIndex() != -1;
    if (skinned && UseSkinFont) {
        font->SetName(LabelSkin.FontName);
        font->SetStyle(LabelSkin.FontStyle);
        font->SetHeight(LabelSkin.FontHeight);
        font->SetColor(LabelSkin.FontColor);
    } else {
        font->Assign(DefaultFont());
        if (skinned)
            font->SetColor(LabelSkin.FontColor);
    }
    if (SkinData() && SkinData()->ResourceStrData())
        font->SetCharset(SkinData()->ResourceStrData()->CharSet);
    else
        font->SetCharset(DefaultFont()->Charset());
}

int TbsSkinLabel::GetTextOverflow()
{
    TBitmap scratch;
    TCanvas* canvas = scratch.Canvas();
    SetLabelFont(canvas);
    int textWidth = canvas->TextWidth(Caption());
    if (DescriptionIndex() == -1)
        return textWidth - (Width() - 4);
    if (ResizeMode == rmFixed)
        return 0;
    return textWidth - NewClientRect.Width();
}

void TbsSkinLabel::AdjustToText()
{
    if (Align() == alTop || Align() == alBottom || Align() == alClient)
        return;
    GetSkinData();
    int w = Width();
    int h = Height();
    LayOutLabel(w, h);
    int overflow = GetTextOverflow();
    if (overflow != 0)
        SetWidth(Width() + overflow);
}

void TbsSkinLabel::DrawLabelText(TCanvas* Canvas, TRect R)
{
    SetLabelFont(Canvas);
    AnsiString text = Caption();
    if (ellipsType_ == bsetEllips)
        TruncateText(Canvas, text, R.Width());
    int textWidth = Canvas->TextWidth(text);
    int textHeight = Canvas->TextHeight(text);
    int top = R.Top + R.Height() / 2 - textHeight / 2;
    if (Canvas->Font()->Height() % 2 != 0)
        --top;
    int left = alignment_ == taLeftJustify    ? R.Left
               : alignment_ == taRightJustify ? R.Right - textWidth
                                              : R.Left + R.Width() / 2 - textWidth / 2;
    unsigned flag = alignment_ == taLeftJustify ? DT_LEFT : alignment_ == taRightJustify ? DT_RIGHT : DT_CENTER;
    Canvas->Brush()->SetStyle(bsClear);
    if (!UseSkinFontColor)
        Canvas->Font()->SetColor(DefaultFont()->Color());
    if (shadowEffect_) {
        TColor glow = shadowColor_;
        if (DescriptionIndex() != -1 && UseSkinFontColor)
            glow = DarkerColor(SkinData()->SkinColors.BtnFace, 70);
        TRect r = R;
        r.Top = top;
        DrawGlowTextA(Canvas, r, text, shadowSize_, glow, shadowOffset_, flag);
    } else if (!reflectionEffect_) {
        Canvas->TextRect(R, left, top, text);
    } else if (R.Width() > 0) {
        DrawReflectionTextA(Canvas, R, text, Canvas->Font()->Color(), reflectionOffset_, flag);
    }
}

void TbsSkinLabel::PaintDefaultImage(TBitmap* Bitmap)
{
    TbsSkinCustomControl::PaintDefaultImage(Bitmap);
    TCanvas* canvas = Bitmap->Canvas();
    DrawPlainBorder(canvas, ClientRect(), borderStyle_);
    DrawLabelText(canvas, Rect(3, 3, Width() - 3, Height() - 3));
}

TRect TbsSkinLabel::SkinTextRect()
{
    TRect r = NewClientRect;
    if (!UseSkinSize && ResizeMode != rmNinePart)
        r.Bottom += Height() - SkinRect.Height();
    return r;
}

void TbsSkinLabel::PaintSkinImage(TBitmap* Bitmap)
{
    if (!UseSkinSize && ResizeMode != rmNinePart) {
        if (Picture)
            CreateSkinImageByOffsets(Bitmap, Picture, SkinRect, SkinClientRect, true);
    } else {
        TbsSkinCustomControl::PaintSkinImage(Bitmap);
    }
    DrawLabelText(Bitmap->Canvas(), SkinTextRect());
}

void TbsSkinLabel::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_ERASEBKGND:
        // Painting itself into another control's background; its own
        // painting never erases.
        if (!InPaintMessage())
            PaintWindow(reinterpret_cast<HDC>(Message.WParam));
        Message.Result = 1;
        return;
    case CM_TEXTCHANGED: {
        TAlive alive(this);
        TbsSkinCustomControl::Dispatch(Message);
        if (!alive)
            return;
        if (AutoSize())
            AdjustToText();
        Repaint();
        return;
    }
    case CM_ENABLEDCHANGED: {
        TAlive alive(this);
        TbsSkinCustomControl::Dispatch(Message);
        if (alive)
            Repaint();
        return;
    }
    default:
        TbsSkinCustomControl::Dispatch(Message);
        return;
    }
}

TbsSkinStatusPanel::TbsSkinStatusPanel(TComponent* AOwner)
    : TbsSkinLabel(AOwner), glyph_(std::make_unique<TBitmap>())
{
    SetWidth(120);
    SetSkinDataName("statuspanel");
}

TbsSkinStatusPanel::~TbsSkinStatusPanel() = default;

void TbsSkinStatusPanel::Notification(TComponent* AComponent, TOperation Operation)
{
    TbsSkinLabel::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == imageList_)
        imageList_ = nullptr;
}

void TbsSkinStatusPanel::SetImageList(TCustomImageList* Value)
{
    if (imageList_ && imageList_ != Value)
        imageList_->RemoveFreeNotification(this);
    imageList_ = Value;
    if (Value)
        Value->FreeNotification(this);
    Repaint();
}

void TbsSkinStatusPanel::SetImageIndex(int Value)
{
    if (Value == imageIndex_)
        return;
    imageIndex_ = Value;
    Repaint();
}

void TbsSkinStatusPanel::SetGlyph(TBitmap* Value)
{
    glyph_->Assign(Value);
    if (AutoSize())
        AdjustToText();
    Repaint();
}

void TbsSkinStatusPanel::SetNumGlyphs(int Value)
{
    numGlyphs_ = Value;
    if (AutoSize())
        AdjustToText();
    Repaint();
}

bool TbsSkinStatusPanel::HasImage() const
{
    return imageList_ && imageIndex_ >= 0 && imageIndex_ < imageList_->Count();
}

int TbsSkinStatusPanel::GetTextOverflow()
{
    int picture = 0;
    if (HasImage())
        picture = imageList_->Width() + 3;
    else if (!glyph_->Empty())
        picture = glyph_->Width() / std::max(numGlyphs_, 1) + 3;
    return TbsSkinLabel::GetTextOverflow() + picture;
}

// Frame 2 of the glyph shows a disabled panel only when the strip has a
// second frame; a one-frame strip has nothing beyond its first.
void TbsSkinStatusPanel::DrawPicture(TCanvas* Canvas, TRect& R, const TRect& Area)
{
    int middle = Area.Top + Area.Height() / 2;
    if (glyph_->Empty() && HasImage()) {
        imageList_->Draw(Canvas, R.Left, middle - imageList_->Height() / 2, imageIndex_, Enabled());
        R.Left += imageList_->Width() + 2;
    } else if (!glyph_->Empty()) {
        int frame = !Enabled() && numGlyphs_ >= 2 ? 2 : 1;
        DrawGlyph(Canvas, R.Left, middle - glyph_->Height() / 2, glyph_.get(), numGlyphs_, frame);
        R.Left += glyph_->Width() / std::max(numGlyphs_, 1) + 2;
    }
}

void TbsSkinStatusPanel::PaintDefaultImage(TBitmap* Bitmap)
{
    TbsSkinCustomControl::PaintDefaultImage(Bitmap);
    TCanvas* canvas = Bitmap->Canvas();
    DrawPlainBorder(canvas, ClientRect(), BorderStyle());
    TRect r = Rect(3, 3, Width() - 3, Height() - 3);
    DrawPicture(canvas, r, Rect(0, 0, Width(), Height()));
    DrawLabelText(canvas, r);
}

void TbsSkinStatusPanel::PaintSkinImage(TBitmap* Bitmap)
{
    TbsSkinCustomControl::PaintSkinImage(Bitmap);
    TRect r = SkinTextRect();
    DrawPicture(Bitmap->Canvas(), r, r);
    DrawLabelText(Bitmap->Canvas(), r);
}
