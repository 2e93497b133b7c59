// TbsSkinSpeedButton: the window-less tool button, drawn from the "toolbutton"
// description (or a plain look without one). It clicks plainly, repeats
// while held (RepeatMode), toggles (CheckedMode) or latches in a group
// (GroupIndex); a Flat one is transparent until the mouse is over it; it
// cross-fades between its normal and hot images and plays the skin's hover
// frames. Its face is a glyph strip or an image-list image beside the
// caption.
#pragma once

#include <memory>

#include "skin/controls/bs_button_face.h"
#include "skin/controls/bs_button_machine.h"
#include "skin/controls/bs_button_skin.h"
#include "skin/controls/bs_graphic_skin_control.h"

class TbsSkinSpeedButton : public TbsGraphicSkinCustomControl, private IbsButtonMachineHost {
public:
    explicit TbsSkinSpeedButton(TComponent* AOwner);
    ~TbsSkinSpeedButton() override;

    // On: GroupIndex -1 (the button latches alone); off: GroupIndex 0 again.
    bool CheckedMode() const { return checkedMode_; }
    void SetCheckedMode(bool Value);
    // Not owned; cleared when the list is freed.
    TCustomImageList* ImageList() const { return imageList_; }
    void SetImageList(TCustomImageList* Value);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int Value);
    bool UseSkinSize = true;
    bool UseSkinFontColor = true;
    int WidthWithCaption = 0;
    int WidthWithoutCaption = 0;
    bool RepeatMode = false;
    int RepeatInterval = 100;
    // Transparent draws no background of its own in the normal state.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool Value);
    // Transparent until the mouse is over it or it is down.
    bool Flat() const { return flat_; }
    void SetFlat(bool Value);
    bool AllowAllUp = false;
    bool Down() const { return down_; }
    void SetDown(bool Value);
    int GroupIndex = 0;
    bool ShowCaption() const { return showCaption_; }
    void SetShowCaption(bool Value);
    // A copy is kept.
    TBitmap* Glyph() const { return glyph_.get(); }
    void SetGlyph(TBitmap* Value);
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int Value);
    // -1 centres glyph and caption; below -1 is refused.
    int Margin() const { return margin_; }
    void SetMargin(int Value);
    int Spacing() const { return spacing_; }
    void SetSpacing(int Value);
    TbsButtonLayout Layout() const { return layout_; }
    void SetLayout(TbsButtonLayout Value);
    TbsButtonPaintEvent OnPaint;
    // The down look whatever else holds (a menu button's open menu).
    bool ForceDownLook = false;

    // The click: OnClick unless it is the action's own handler, else the
    // action, else OnClick. Every click of the button comes here.
    virtual void ButtonClick();

    // State the look follows.
    bool MouseIn() const { return machine_.MouseIn; }
    double MorphFactor() const { return machine_.MorphFactor; }
    const TbsButtonMachine& Machine() const { return machine_; }
    const TbsButtonSkinValues& SkinValues() const { return skin_; }

    void GetSkinData() override;
    void ChangeSkinData() override;

protected:
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Paint() override;
    void PaintDefaultImage(TBitmap* Bitmap) override;
    void PaintSkinImage(TBitmap* /*Bitmap*/) override {}
    void CalcSize(int& W, int& H) override;
    void ActionChange(TObject* Sender) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void Dispatch(TMessage& Message) override;
    // Sets Transparent without its repaint.
    void InternalSetTransparent(bool Value);
    // The skinned image of R for one state into B (the control's size).
    void CreateButtonImage(TBitmap* B, const TRect& R, bool ADown, bool AMouseIn);

private:
    void MachineRepaint() override { Repaint(); }
    void MachineClick() override { ButtonClick(); }
    bool MachineCanMorph() override { return DescriptionIndex() != -1 && CanMorph(); }
    bool MachineHotTarget() override { return machine_.MouseIn; }
    bool MachineDown() override { return down_; }
    void MachineSetDown(bool Value) override { SetDown(Value); }
    void MachineClearDown() override { down_ = false; }

    bool SkinEffectsOn() const;
    bool CanMorph() const;
    bool CanAnimate() const;
    void StartMorphOrRepaint();
    void StartAnimation(bool In);
    TbsButtonModes Modes() const;
    void ReleaseGroup();
    void MouseEnter();
    void MouseLeave();
    void EnabledChanged();
    bool DialogChar(TMessage& Message);

    void PaintSkinned();
    void PaintPlain();
    // The face only, straight on the canvas: the transparent look.
    void PaintTransparentFace(const TRect& CaptionRect, TColor Color);
    // The skin image for one state drawn at (0, 0).
    void PaintState(const TRect& R, bool ADown, bool AMouseIn);
    AnsiString FaceCaption();
    // OnPaint, then the glyph or image and the caption; Transparent takes
    // only the parent's normal and disabled images.
    void DrawFace(TCanvas* Canvas, const TRect& CaptionRect, bool ADown, bool AMouseIn, bool TransparentPath);

    TbsButtonMachine machine_;
    TbsButtonSkinValues skin_;
    // The normal image: SkinRect, or the hover frame while it runs outward.
    TRect normalSkinRect_;
    bool settingTransparent_ = false;
    bool checkedMode_ = false;
    TCustomImageList* imageList_ = nullptr;  // free-notified
    int imageIndex_ = 0;
    bool transparent_ = false;
    bool flat_ = false;
    bool down_ = false;
    bool showCaption_ = true;
    std::unique_ptr<TBitmap> glyph_;
    int numGlyphs_ = 1;  // 1 .. 4
    int margin_ = -1;
    int spacing_ = 1;
    TbsButtonLayout layout_ = blGlyphLeft;
};
