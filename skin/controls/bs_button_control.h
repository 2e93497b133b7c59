// What every skinned button shares, window-less or windowed: its click
// modes, the face properties, the button description it reads (with the
// hover frame in place of a state image while the frames run), the
// predicates of the cross-fade and the frames, and the skinned image of a
// state with its face.
//
// Base is TbsGraphicSkinCustomControl (the speed buttons) or
// TbsSkinCustomControl (the push buttons).
#pragma once

#include <memory>

#include "skin/controls/bs_button_face.h"
#include "skin/controls/bs_button_machine.h"
#include "skin/controls/bs_button_skin.h"
#include "skin/controls/bs_graphic_skin_control.h"
#include "skin/controls/bs_skin_control.h"

template <typename Base>
class TbsButtonControl : public Base, protected IbsButtonMachineHost {
public:
    explicit TbsButtonControl(TComponent* AOwner);
    ~TbsButtonControl() override;

    // On: GroupIndex -1 (the button latches alone); off: GroupIndex 0 again.
    bool CheckedMode() const { return checkedMode_; }
    void SetCheckedMode(bool Value);
    // Buttons of one parent with the same GroupIndex above 0 latch as a set.
    int GroupIndex() const { return groupIndex_; }
    virtual void SetGroupIndex(int Value) { groupIndex_ = Value; }
    // Fades from the hot image when let up, repaints and, latched in a
    // group without AllowAllUp, lets the group's others up.
    bool Down() const { return down_; }
    void SetDown(bool Value);
    bool AllowAllUp = false;
    bool RepeatMode = false;
    int RepeatInterval = 100;
    // Off: the button keeps any size, the skin image stretched to it.
    bool UseSkinSize = true;
    bool UseSkinFontColor = true;

    // Not owned; cleared when the list is freed.
    TCustomImageList* ImageList() const { return imageList_; }
    void SetImageList(TCustomImageList* Value);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int Value);
    // A copy is kept.
    TBitmap* Glyph() const { return glyph_.get(); }
    void SetGlyph(TBitmap* Value);
    // 1 to 4.
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

    // The click: OnClick unless it is the action's own handler, else the
    // action, else OnClick. Every click of the button comes here.
    virtual void ButtonClick();

    bool MouseIn() const { return machine_.MouseIn; }
    double MorphFactor() const { return machine_.MorphFactor; }
    const TbsButtonMachine& Machine() const { return machine_; }
    const TbsButtonSkinValues& SkinValues() const { return skin_; }

    // The inherited look-up; then the button description, with the hover
    // frame shown now in place of the hot (inward) or the normal (outward)
    // image.
    void GetSkinData() override;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    // With UseSkinSize off (and not all four corners kept) the size stays and
    // the caption rectangle grows with it.
    void CalcSize(int& W, int& H) override;
    // An action of a list with images lends its image when there is no glyph.
    void ActionChange(TObject* Sender) override;
    void PaintSkinImage(TBitmap* /*Bitmap*/) override {}
    // The left button presses the button (the hover frames stop).
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    // A change of Enabled drops the fade and the hot look; a new caption
    // repaints.
    void Dispatch(TMessage& Message) override;

    // Between the new Down and its repaint.
    virtual void DownChanged() {}
    // The menu buttons fall back on other marker rectangles.
    virtual TbsMarkerFallback MarkerFallback() const = 0;
    // Whether the description's cross-fade counts (a transparent speed
    // button never fades).
    virtual bool MorphAllowed() const { return true; }

    bool SkinEffectsOn() const;
    bool CanMorph() const;
    bool CanAnimate() const;
    // The hover frames from the first (In) or the last, when the skin has
    // them.
    void StartAnimation(bool In);
    void StopAnimation();
    TbsButtonModes Modes() const;

    // The skinned image of R for one state into B (the control's size): the
    // skin picture, the font and colour, Decorate, then the face.
    void CreateButtonImage(TBitmap* B, const TRect& R, bool ADown, bool AMouseIn);
    // Drawn over the image before the face (the push button's focus frame).
    virtual void Decorate(TCanvas* /*Canvas*/, const TRect& /*CaptionRect*/) {}
    // That image drawn on the control at (0, 0).
    void PaintState(const TRect& R, bool ADown, bool AMouseIn);
    // The normal image cross-faded towards the hot one by MorphFactor.
    void PaintMorph();
    // OnPaint, then Face's glyph or image and caption; false when OnPaint
    // drew it all (or freed the button).
    bool RunOnPaint(TCanvas* Canvas, const TRect& CaptionRect);
    // The face fields every button fills the same way.
    TbsButtonFace Face(const TRect& CaptionRect, const AnsiString& Caption, bool ADown, bool AMouseIn) const;
    virtual void DrawFace(TCanvas* Canvas, const TRect& CaptionRect, bool ADown, bool AMouseIn) = 0;

    void MachineRepaint() override { this->Repaint(); }
    void MachineClick() override { ButtonClick(); }
    bool MachineCanMorph() override { return this->DescriptionIndex() != -1 && CanMorph(); }
    bool MachineDown() override { return down_; }
    void MachineSetDown(bool Value) override { SetDown(Value); }
    void MachineClearDown() override { down_ = false; }

    TbsButtonMachine machine_;
    TbsButtonSkinValues skin_;
    // The normal image: SkinRect, or the hover frame while it runs outward.
    TRect normalSkinRect_;
    bool down_ = false;

private:
    void ReleaseGroup();

    bool checkedMode_ = false;
    int groupIndex_ = 0;
    TCustomImageList* imageList_ = nullptr;  // free-notified
    int imageIndex_ = 0;
    std::unique_ptr<TBitmap> glyph_;
    int numGlyphs_ = 1;  // 1 .. 4
    int margin_ = -1;
    int spacing_ = 1;
    TbsButtonLayout layout_ = blGlyphLeft;
};

extern template class TbsButtonControl<TbsGraphicSkinCustomControl>;
extern template class TbsButtonControl<TbsSkinCustomControl>;
