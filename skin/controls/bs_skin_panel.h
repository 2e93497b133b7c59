// TbsSkinPanel: the container of the skinned interface. It draws its frame
// and body from the "panel" description (or a plain 3-D look), and may
// carry a caption strip with text, glyph or image, a check box that enables
// its children, a roll-up arrow that shrinks it to its caption, a
// transparent body showing its parent, and a background picture of the
// skin. TbsSkinPaintPanel fires one paint event after each drawing.
#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "platform/base/alignment.h"
#include "platform/base/event.h"
#include "skin/controls/bs_skin_control.h"
#include "skin/data/bs_skin_controls_panels.h"

enum class TbsSkinBorderStyle { bvFrame, bvRaised, bvLowered, bvNone };
enum TbsImagePosition { bsipDefault, bsipLeft };

// The plain look's one-pixel border around R: bvFrame in clBtnShadow,
// bvRaised light above and left, bvLowered dark there, bvNone nothing.
void DrawPlainBorder(TCanvas* Canvas, const TRect& R, TbsSkinBorderStyle Style);

class TbsSkinPanel : public TbsSkinCustomControl {
public:
    explicit TbsSkinPanel(TComponent* AOwner);
    ~TbsSkinPanel() override;

    // Paints nothing and keeps the whole area as client area (not while
    // designed).
    bool EmptyDrawing = false;
    bool RibbonStyle() const { return ribbonStyle_; }
    void SetRibbonStyle(bool Value);
    TbsImagePosition ImagePosition() const { return imagePosition_; }
    void SetImagePosition(TbsImagePosition Value);
    bool TransparentMode() const { return transparentMode_; }
    void SetTransparentMode(bool Value);
    // Not owned; cleared when the list is freed.
    TCustomImageList* CaptionImageList() const { return captionImageList_; }
    void SetCaptionImageList(TCustomImageList* Value);
    int CaptionImageIndex() const { return captionImageIndex_; }
    void SetCaptionImageIndex(int Value);
    // The height to roll back to while rolled up; -1 otherwise.
    int RealHeight() const { return realHeight_; }
    bool AutoEnabledControls = true;
    bool CheckedMode() const { return checkedMode_; }
    void SetCheckedMode(bool Value);
    bool Checked() const { return checked_; }
    // Every assignment fires OnChecked; in check mode with
    // AutoEnabledControls each child takes Enabled = Value first.
    void SetChecked(bool Value);
    TAlignment DefaultAlignment() const { return defaultAlignment_; }
    void SetDefaultAlignment(TAlignment Value);
    int DefaultCaptionHeight() const { return defaultCaptionHeight_; }
    virtual void SetDefaultCaptionHeight(int Value);
    TbsSkinBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TbsSkinBorderStyle Value);
    bool CaptionMode() const { return captionMode_; }
    virtual void SetCaptionMode(bool Value);
    bool RollUpMode() const { return rollUpMode_; }
    void SetRollUpMode(bool Value);
    bool RollUpState() const { return rollUpState_; }
    // Rolls up (true) to the caption or back; see the .cpp for the
    // constraints kept meanwhile.
    void SetRollUpState(bool Value);
    // Owned; assigning copies. A strip of NumGlyphs equal frames.
    TBitmap* Glyph() const { return glyph_.get(); }
    void SetGlyph(TBitmap* Value);
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int Value);
    int Spacing() const { return spacing_; }
    void SetSpacing(int Value);

    TNotifyEvent OnChecked;
    TNotifyEvent OnChangeRollUpState;

    // (0, 0, Width, Height) through AdjustClientRect: the area the children
    // are aligned in.
    TRect GetSkinClientRect();
    // The caption hit area: where a release toggles check and roll.
    TRect CaptionHitRect() const { return captionHitRect_; }

    void GetSkinData() override;
    void ChangeSkinData() override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    bool CanAutoSize(int& NewWidth, int& NewHeight) override;
    void AdjustClientRect(TRect& Rect) override;
    void CreateParams(TCreateParams& Params) override;
    void Paint() override;
    void PaintDefaultImage(TBitmap* Bitmap) override;
    void PaintSkinImage(TBitmap* Bitmap) override;
    // Drawn last on the transparent looks; nothing here.
    virtual void PaintOverlay(TCanvas* /*Canvas*/) {}
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void Dispatch(TMessage& Message) override;
    void ParentImageChanged() override;

    // A description of the current skin is used (never while designed).
    bool Skinned() const { return DescriptionIndex() != -1 && !Designing(); }
    // The skin's background picture, nullptr for none.
    TBitmap* BgPicture() const;
    // Font of the plain look or, with Skin set, of the skinned caption.
    void SetCaptionFont(TCanvas* Canvas, bool Skin) const;
    // The description's client part at the panel's size, laid out first.
    TRect ScaledClientRect();

    // The "panel" values of the description; BgPictureIndex is -1 unless it
    // names a picture of the skin.
    TbsPanelControlFields PanelSkin{};

private:
    void Roll(bool Up);
    int RolledHeight();
    void TransparentChanged();
    void PaintTransparent();
    void PaintGroupBox(TCanvas* Canvas);
    bool PaintWholeClientPart();
    bool PaintBgPicture(TBitmap* Picture);
    void DrawSkinCaption(TCanvas* Canvas);
    void DrawCaptionPicture(TCanvas* Canvas, int X, int Top, int Bottom);
    // Width of the caption image or glyph frame; 0 for none.
    int CaptionPictureWidth() const;

    bool ribbonStyle_ = false;
    TbsImagePosition imagePosition_ = bsipDefault;
    bool transparentMode_ = false;
    TCustomImageList* captionImageList_ = nullptr;
    int captionImageIndex_ = -1;
    int realHeight_ = -1;
    bool checkedMode_ = false;
    bool checked_ = false;
    TAlignment defaultAlignment_ = taLeftJustify;
    int defaultCaptionHeight_ = 22;
    TbsSkinBorderStyle borderStyle_ = TbsSkinBorderStyle::bvFrame;
    bool captionMode_ = false;
    bool rollUpMode_ = false;
    bool rollUpState_ = false;
    std::unique_ptr<TBitmap> glyph_;
    int numGlyphs_ = 1;
    int spacing_ = 2;
    TRect captionHitRect_{};
    // MaxWidth, MinWidth, MaxHeight, MinHeight as they were before the
    // panel rolled up; kept only from a roll up until the roll back.
    bool constraintsSaved_ = false;
    int savedConstraints_[4] = {0, 0, 0, 0};
    // The children the roll hid, each with a token telling whether it still
    // exists; only these are shown again.
    std::vector<std::pair<TControl*, TControl::TAlive>> hiddenByRoll_;
};

using TbsPaintPanelEvent = TEvent<void(TObject*, TCanvas*, TRect)>;

class TbsSkinPaintPanel : public TbsSkinPanel {
public:
    explicit TbsSkinPaintPanel(TComponent* AOwner);

    TbsPaintPanelEvent OnPanelPaint;

protected:
    void PaintDefaultImage(TBitmap* Bitmap) override;
    void PaintSkinImage(TBitmap* Bitmap) override;
    void PaintOverlay(TCanvas* Canvas) override;
    void Dispatch(TMessage& Message) override;

private:
    void FirePanelPaint(TCanvas* Canvas);
};
