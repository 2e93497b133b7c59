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
#include "skin/controls/bs_button_control.h"
#include "skin/data/bs_skin_data_messages.h"

class TbsLayerManager;

class TbsSkinButton : public TbsButtonControl<TbsSkinCustomControl> {
public:
    explicit TbsSkinButton(TComponent* AOwner);
    ~TbsSkinButton() override;

    // The glow layer also when the skin data's ShowButtonGlowFrames is off.
    bool AlwaysShowLayeredFrame = false;
    // Whether the button takes the focus (and the keys); sets TabStop.
    bool CanFocused() const { return canFocused_; }
    void SetCanFocused(bool Value);
    // A grouped button (not 0) takes no focus.
    void SetGroupIndex(int Value) override;
    bool Cancel = false;
    // Enter in a control of the form that is no skinned button clicks it.
    bool Default() const { return default_; }
    void SetDefault(bool Value);
    TModalResult ModalResult = mrNone;
    // A drop-down of a derived button is open: the down look, and focus
    // changes do not animate.
    bool MenuOpen = false;

    // Whether Enter clicks this button now.
    bool Active() const { return active_; }
    TbsLayerManager* LayerManager() const { return layerManager_.get(); }

    // The parent form's ModalResult when the button takes the focus and has
    // a form; then the click of every button.
    void ButtonClick() override;

    void ChangeSkinData() override;
    void BeforeChangeSkinData() override;
    void GetSkinData() override;

protected:
    void CreateWnd() override;
    void Paint() override;
    void PaintDefaultImage(TBitmap* Bitmap) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyUp(WORD& Key, TShiftState Shift) override;
    void WndProc(TMessage& Message) override;
    void Dispatch(TMessage& Message) override;
    TbsMarkerFallback MarkerFallback() const override { return TbsMarkerFallback::Push; }
    // The dotted focus frame of a focused button whose skin shows it.
    void Decorate(TCanvas* Canvas, const TRect& CaptionRect) override;
    void DrawFace(TCanvas* Canvas, const TRect& CaptionRect, bool ADown, bool AMouseIn) override;
    // Space and Enter are handled here; a menu button turns it off.
    bool BaseKeyHandling = true;

private:
    bool MachineHotTarget() override { return machine_.MouseIn || FocusActive(); }

    bool FocusActive();
    void StartMorphOrRepaint();
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
    // The plain and the skinned look's down condition.
    bool ShowsDown();

    std::unique_ptr<TbsLayerManager> layerManager_;
    bool canFocused_ = true;
    bool default_ = false;
    bool active_ = false;        // follows CM_FOCUSCHANGED
    bool settingFocus_ = false;  // a press is giving the window the focus
};
