// TbsSkinLabel: a skinned one-line label drawn from the "label" description
// (or a plain framed look), with a glow or reflection effect, an ellipsis
// when the caption is too wide, and a width that can follow the text.
// TbsSkinStatusPanel is such a label with a glyph or image-list image in
// front: one section of the skinned status bar.
#pragma once

#include <memory>

#include "platform/base/alignment.h"
#include "skin/controls/bs_skin_control.h"
#include "skin/controls/bs_skin_panel.h"

enum TbsEllipsType2 { bsetNoneEllips, bsetEllips };

class TbsSkinLabel : public TbsSkinCustomControl {
public:
    explicit TbsSkinLabel(TComponent* AOwner);

    bool ShadowEffect() const { return shadowEffect_; }
    void SetShadowEffect(bool Value);
    TColor ShadowColor() const { return shadowColor_; }
    void SetShadowColor(TColor Value);
    int ShadowOffset() const { return shadowOffset_; }
    void SetShadowOffset(int Value);
    int ShadowSize() const { return shadowSize_; }
    void SetShadowSize(int Value);
    bool ReflectionEffect() const { return reflectionEffect_; }
    void SetReflectionEffect(bool Value);
    int ReflectionOffset() const { return reflectionOffset_; }
    void SetReflectionOffset(int Value);
    TbsEllipsType2 EllipsType() const { return ellipsType_; }
    void SetEllipsType(TbsEllipsType2 Value);
    // Off: the label keeps the skin's height and stretches the skin across.
    bool UseSkinSize = true;
    // Off: the caption takes DefaultFont's colour.
    bool UseSkinFontColor = true;
    TbsSkinBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TbsSkinBorderStyle Value);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment Value);
    // On: the width follows the text (see AdjustToText).
    void SetAutoSize(bool Value) override;

    void GetSkinData() override;

protected:
    // The layout at W x H, then, with AutoSize, wider by the text's
    // overflow.
    void CalcSize(int& W, int& H) override;
    // The layout at W x H alone.
    void LayOutLabel(int& W, int& H);
    void SetControlRegion() override;
    void PaintDefaultImage(TBitmap* Bitmap) override;
    void PaintSkinImage(TBitmap* Bitmap) override;
    void Dispatch(TMessage& Message) override;
    // How many pixels the caption is wider than the room it has; negative
    // when it has room to spare.
    virtual int GetTextOverflow();
    // The width grows or shrinks by the overflow, unless the alignment
    // fixes it.
    void AdjustToText();
    // Font of the caption on Canvas, plain or from the description.
    void SetLabelFont(TCanvas* Canvas) const;
    // The caption into R by alignment, cut and with the effects.
    void DrawLabelText(TCanvas* Canvas, TRect R);
    // The rectangle the text goes into on the skinned look (after the image
    // is drawn).
    TRect SkinTextRect();

    TbsLabelControlFields LabelSkin{};

private:
    bool shadowEffect_ = false;
    TColor shadowColor_ = 0x00000000;
    int shadowOffset_ = 0;
    int shadowSize_ = 3;
    bool reflectionEffect_ = false;
    int reflectionOffset_ = -5;
    TbsEllipsType2 ellipsType_ = bsetNoneEllips;
    TbsSkinBorderStyle borderStyle_ = TbsSkinBorderStyle::bvFrame;
    TAlignment alignment_ = taLeftJustify;
};

class TbsSkinStatusPanel : public TbsSkinLabel {
public:
    explicit TbsSkinStatusPanel(TComponent* AOwner);
    ~TbsSkinStatusPanel() override;

    // Not owned; cleared when the list is freed.
    TCustomImageList* ImageList() const { return imageList_; }
    void SetImageList(TCustomImageList* Value);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int Value);
    // Owned; assigning copies.
    TBitmap* Glyph() const { return glyph_.get(); }
    void SetGlyph(TBitmap* Value);
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int Value);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    int GetTextOverflow() override;
    void PaintDefaultImage(TBitmap* Bitmap) override;
    void PaintSkinImage(TBitmap* Bitmap) override;

private:
    bool HasImage() const;
    // The image or glyph at R's left, vertically centred in Area; R's left
    // moves past it.
    void DrawPicture(TCanvas* Canvas, TRect& R, const TRect& Area);

    TCustomImageList* imageList_ = nullptr;
    int imageIndex_ = -1;
    std::unique_ptr<TBitmap> glyph_;
    int numGlyphs_ = 1;
};
