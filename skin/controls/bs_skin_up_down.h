// TbsSkinUpDown: two arrow buttons that step Position between Min and Max
// by Increment, repeating while a button is held. Its look comes from an
// up-down description ("hupdown", "vupdown"), or, when its size is free
// (UseSkinSize off), from the button description "resizebutton" stretched
// over each button; without a description it draws flat buttons.
#pragma once

#include "platform/base/event.h"
#include "platform/ui/widgets/up_down.h"
#include "skin/controls/bs_skin_control.h"

class TbsSkinUpDown : public TbsSkinCustomControl {
public:
    explicit TbsSkinUpDown(TComponent* AOwner);

    // True: size, button places and images come from the up-down
    // description; false: any size, each button drawn from "resizebutton".
    bool UseSkinSize = true;
    // At design time a change also picks "vupdown" or "hupdown"; at run time
    // the name stays.
    TUDOrientation Orientation() const { return orientation_; }
    void SetOrientation(TUDOrientation Value);
    // 0: clicks still fire the click events but move nothing, and nothing
    // repeats.
    int Increment = 1;
    int Position() const { return position_; }
    // A value outside Min..Max is ignored; any other fires OnChange, even
    // when it equals the old one. The control does not show the position,
    // so nothing repaints.
    void SetPosition(int Value);
    int Min() const { return min_; }
    // Position follows a Min above it, without OnChange.
    void SetMin(int Value);
    int Max() const { return max_; }
    // Position follows a Max below it, without OnChange.
    void SetMax(int Value);

    TNotifyEvent OnChange;
    // After a click released over the up (increasing) or the down button.
    TNotifyEvent OnUpButtonClick;
    TNotifyEvent OnDownButtonClick;

protected:
    void GetSkinData() override;
    void CalcSize(int& W, int& H) override;
    void SetControlRegion() override;
    void PaintDefaultImage(TBitmap* Bitmap) override;
    void PaintSkinImage(TBitmap* Bitmap) override;
    void Dispatch(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    // Index 0 is the up (increasing) button, 1 the down one.
    struct TButton {
        TRect R;
        bool MouseIn = false;
        bool Down = false;
    };
    enum TTimerMode { tmNone, tmStepDown, tmStepUp };

    // The description found is an up-down's.
    bool HasUpDownSkin() const { return DescriptionIndex() != -1 && upDownSkin_; }
    void CalcRects();
    void TestActive(TPoint P);
    void ButtonEnter(int I);
    void ButtonLeave(int I);
    void ButtonDown(int I);
    void ButtonUp(int I);
    void Tick();
    void MouseLeft();

    void DrawButton(TCanvas* Canvas, int I) const;
    void DrawResizeButton(TCanvas* Canvas, int I) const;
    int ArrowKind(int I) const;

    TUDOrientation orientation_ = udHorizontal;
    int position_ = 0;
    int min_ = 0;
    int max_ = 100;

    TButton buttons_[2];
    int activeButton_ = -1;   // under the mouse
    int captureButton_ = -1;  // pressed with the mouse
    TTimerMode timerMode_ = tmNone;
    // Until the first tick after a press, which only switches to 100 ms.
    bool waitMode_ = false;

    // The description's button places and state images; the pressed ones
    // fall back to the hot ones.
    bool upDownSkin_ = false;
    TRect upButtonRect_, activeUpButtonRect_, downUpButtonRect_;
    TRect downButtonRect_, activeDownButtonRect_, downDownButtonRect_;
};
