// TbsSkinButton: the windowed, focusable push button, drawn from the
// "button" description (or a plain look without one). Besides what the
// speed button does (plain, repeat, checked and group modes, cross-fade,
// hover frames, glyph or image face) it takes the focus, answers Enter as
// its form's Default button and Escape as its Cancel button, sets the
// form's ModalResult, shows a focused image and a dotted focus frame, and a
// glow layer around itself while the mouse is over it.
#pragma once

#include <memory>

#include "platform/ui/kernel/form_types.h"
#include "skin/controls/bs_button_face.h"
#include "skin/controls/bs_button_machine.h"
#include "skin/controls/bs_button_skin.h"
#include "skin/controls/bs_skin_control.h"

class TbsLayerManager;

// Posted by a button to itself as the mouse enters and leaves, so that the
// glow layer comes and goes after the mouse notification has returned.
inline constexpr UINT WM_SHOWGLOWLAYER = WM_USER + 400;
inline constexpr UINT WM_HIDEGLOWLAYER = WM_USER + 401;

class TbsSkinButton : public TbsSkinCustomControl, private IbsButtonMachineHost {
public:
    explicit TbsSkinButton(TComponent* AOwner);
    ~TbsSkinButton() override;

    // On: GroupIndex -1; off: GroupIndex 0 again.
    bool CheckedMode() const { return checkedMode_; }
    void SetCheckedMode(bool Value);
    // Not owned; cleared when the list is freed.
    TCustomImageList* ImageList() const { return imageList_; }
    void SetImageList(TCustomImageList* Value);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int Value);
    // The glow layer also when the skin data's ShowButtonGlowFrames is off.
    bool AlwaysShowLayeredFrame = false;
    bool UseSkinSize = true;
    bool UseSkinFontColor = true;
    bool RepeatMode = false;
    int RepeatInterval = 100;
    bool AllowAllUp = false;
    // Whether the button takes the focus (and the keys); sets TabStop.
    bool CanFocused() const { return canFocused_; }
    void SetCanFocused(bool Value);
    bool Down() const { return down_; }
    void SetDown(bool Value);
    // A grouped button (not 0) takes no focus.
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int Value);
    TBitmap* Glyph() const { return glyph_.get(); }
    void SetGlyph(TBitmap* Value);
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int Value);
    int Margin() const { return margin_; }
    void SetMargin(int Value);
    int Spacing() const { return spacing_; }
    void SetSpacing(int Value);
    TbsButtonLayout Layout() const { return layout_; }
    void SetLayout(TbsButtonLayout Value);
    bool Cancel = false;
    // Enter in a control of the form that is no skinned button clicks it.
    bool Default() const { return default_; }
    void SetDefault(bool Value);
    TModalResult ModalResult = mrNone;
    TbsButtonPaintEvent OnPaint;
    // A drop-down of a derived button is open: the down look, and focus
    // changes do not animate.
    bool MenuOpen = false;

    // Whether Enter clicks this button now.
    bool Active() const { return active_; }
    bool MouseIn() const { return machine_.MouseIn; }
    double MorphFactor() const { return machine_.MorphFactor; }
    const TbsButtonMachine& Machine() const { return machine_; }
    TbsLayerManager* LayerManager() const { return layerManager_.get(); }

    // The click: the parent form's ModalResult when the button takes the
    // focus and has a form; then OnClick unless it is the action's own
    // handler, else the action, else OnClick.
    virtual void ButtonClick();

    void GetSkinData() override;
    void ChangeSkinData() override;
    void BeforeChangeSkinData() override;

protected:
    void CreateWnd() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Paint() override;
    void PaintDefaultImage(TBitmap* Bitmap) override;
    void PaintSkinImage(TBitmap* /*Bitmap*/) override {}
    void CalcSize(int& W, int& H) override;
    void ActionChange(TObject* Sender) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyUp(WORD& Key, TShiftState Shift) override;
    void WndProc(TMessage& Message) override;
    void Dispatch(TMessage& Message) override;
    // The skinned image of R for one state into B (the control's size).
    void CreateButtonImage(TBitmap* B, const TRect& R, bool ADown, bool AMouseIn);
    // Space and Enter are handled here; a menu button turns it off.
    bool BaseKeyHandling = true;

private:
    void MachineRepaint() override { Repaint(); }
    void MachineClick() override { ButtonClick(); }
    bool MachineCanMorph() override { return DescriptionIndex() != -1 && CanMorph(); }
    bool MachineHotTarget() override { return machine_.MouseIn || FocusActive(); }
    bool MachineDown() override { return down_; }
    void MachineSetDown(bool Value) override { SetDown(Value); }
    void MachineClearDown() override { down_ = false; }

    bool FocusActive();
    bool SkinEffectsOn() const;
    bool CanMorph() const;
    bool CanAnimate() const;
    void StartMorphOrRepaint();
    void StartAnimation(bool In);
    void StopHoverAnimation();
    TbsButtonModes Modes() const;
    void ReleaseGroup();
    void PostToSelf(UINT Message);
    // Whether the hover changes the look: an up button (or, in plain
    // mode, one without the focus or held down).
    bool HoverChangesLook();
    void MouseEnter();
    void MouseLeave();
    void FocusChanged(TControl* Sender);
    void SetFocusMessage();
    void KillFocusMessage();
    bool DialogKey(TMessage& Message);
    bool DialogChar(TMessage& Message);

    void ShowGlowLayer();
    void HideGlowLayer();

    void PaintSkinned();
    void PaintState(const TRect& R, bool ADown, bool AMouseIn);
    // The plain and the skinned look's down condition.
    bool ShowsDown();
    // OnPaint, then the image or glyph and the caption.
    void DrawFace(TCanvas* Canvas, const TRect& CaptionRect, bool ADown, bool AMouseIn);

    TbsButtonMachine machine_;
    TbsButtonSkinValues skin_;
    TRect normalSkinRect_;  // SkinRect, or the hover frame while it runs outward
    std::unique_ptr<TbsLayerManager> layerManager_;
    bool checkedMode_ = false;
    TCustomImageList* imageList_ = nullptr;  // free-notified
    int imageIndex_ = -1;
    bool canFocused_ = true;
    bool down_ = false;
    int groupIndex_ = 0;
    std::unique_ptr<TBitmap> glyph_;
    int numGlyphs_ = 1;  // 1 .. 4
    int margin_ = -1;
    int spacing_ = 1;
    TbsButtonLayout layout_ = blGlyphLeft;
    bool default_ = false;
    bool active_ = false;        // follows CM_FOCUSCHANGED
    bool settingFocus_ = false;  // a press is giving the window the focus
};
