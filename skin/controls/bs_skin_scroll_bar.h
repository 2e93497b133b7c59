// TbsSkinScrollBar: a scroll bar drawn by the skin library (two arrow
// buttons, a track and a thumb), or in a plain look without a description.
// It is no platform scroll bar: owners keep it in step with what it scrolls
// through SetRange and its events.
//
// The up button moves Position towards Max (right or bottom end), the down
// button towards Min; a track press on the Min side of the thumb is a page
// up, on the Max side a page down.
#pragma once

#include "platform/base/event.h"
#include "platform/ui/kernel/control_types.h"
#include "skin/controls/bs_scroll_bar_layout.h"
#include "skin/controls/bs_skin_control.h"
#include "skin/data/bs_skin_controls_bars.h"

class TbsSkinScrollBar : public TbsSkinCustomControl {
public:
    explicit TbsSkinScrollBar(TComponent* AOwner);
    ~TbsSkinScrollBar() override;

    // At design time a change also swaps the description name and the sides;
    // at run time the name stays.
    TScrollBarKind Kind() const { return kind_; }
    void SetKind(TScrollBarKind Value);
    // A horizontal bar meeting a vertical one in a corner: it takes the
    // description BothSkinDataName, and the plain look leaves a square of
    // BothMarkerWidth free at its right end.
    bool Both() const { return both_; }
    void SetBoth(bool Value);
    int BothMarkerWidth() const { return bothMarkerWidth_; }
    // Negative values are ignored.
    void SetBothMarkerWidth(int Value);
    AnsiString BothSkinDataName = "bothhscrollbar";
    // The bar takes the focus on a click, the arrow keys and the wheel;
    // TabStop follows.
    bool CanFocused() const { return canFocused_; }
    void SetCanFocused(bool Value);

    int Min() const { return range_.Min; }
    // Position is raised to Min when below it.
    void SetMin(int Value);
    int Max() const { return range_.Max; }
    // Position is kept within the last page, never below Min; no OnChange.
    void SetMax(int Value);
    int PageSize() const { return range_.PageSize; }
    // Refused when a page of Value no longer fits from Position to Max.
    void SetPageSize(int Value);
    int Position() const { return range_.Position; }
    // Clamped (ClampScrollPosition); a change repaints and fires OnChange.
    void SetPosition(int Value);
    int SmallChange() const { return smallChange_; }
    void SetSmallChange(int Value);
    int LargeChange() const { return largeChange_; }
    void SetLargeChange(int Value);
    // Everything at once, Position clamped, without OnChange; one repaint.
    void SetRange(int AMin, int AMax, int APosition, int APageSize);

    // Position changed, by any means.
    TNotifyEvent OnChange;
    // The left button let go of the thumb, after the drag's last OnChange.
    TNotifyEvent OnLastChange;
    // When assigned, these replace the buttons' own steps.
    TNotifyEvent OnUpButtonClick;
    TNotifyEvent OnDownButtonClick;
    // After each page step and its OnChange.
    TNotifyEvent OnPageUp;
    TNotifyEvent OnPageDown;

protected:
    void GetSkinData() override;
    void PaintDefaultImage(TBitmap* Bitmap) override;
    void PaintSkinImage(TBitmap* Bitmap) override;
    void WndProc(TMessage& Message) override;
    void Dispatch(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;

private:
    // What repeats while the left button is held.
    enum TRepeatMode { rmNone, rmDownButton, rmUpButton, rmPageUp, rmPageDown };
    struct TPartState {
        bool MouseIn = false;
        bool Down = false;
    };

    bool Vertical() const { return kind_ == sbVertical; }
    // The description is a scroll bar's and there is a picture to draw from.
    bool HasBarSkin() const;
    TbsScrollBarLayout Layout() const;
    bool Skinned() const { return DescriptionIndex() != -1; }
    // The pressed look of the thumb also shows while the bar has the focus.
    bool ThumbPressedLook() const;

    void StepUp();
    void StepDown();
    void PageStep(bool Down);
    void TrackHot(TPoint P);
    void StartTimer(unsigned Interval);
    void PauseTimer();
    void StopTimer();
    void Tick();
    void MouseLeft();
    void EraseBackground(TMessage& Message);

    void PaintPlainPart(TCanvas* Canvas, const TRect& R, int Part) const;
    void PaintSkinnedButton(TCanvas* Canvas, const TRect& R, int Part) const;
    void PaintSkinnedThumb(TCanvas* Canvas, const TRect& R) const;

    TScrollBarKind kind_ = sbHorizontal;
    bool both_ = false;
    int bothMarkerWidth_ = 19;
    bool canFocused_ = false;
    TbsScrollRange range_;
    int smallChange_ = 1;
    int largeChange_ = 1;
    // The description's own fields with the state images' fallbacks made;
    // all empty while the description is not a scroll bar's.
    TbsScrollBarControlFields skin_{};
    // The description found is a scroll bar's.
    bool barSkin_ = false;
    // SkinDataName before Both switched to BothSkinDataName; empty when
    // none was saved.
    AnsiString savedSkinDataName_;

    TPartState parts_[3];
    int hotPart_ = sbpNone;
    // The part the left button went down on and holds; sbpNone on the
    // track or when released.
    int pressedPart_ = sbpNone;
    bool dragging_ = false;
    int dragStart_ = 0;        // the mouse coordinate along the bar
    int dragStartOffset_ = 0;  // the thumb offset when the drag began
    bool leftDown_ = false;
    TPoint lastPoint_;
    TRepeatMode repeatMode_ = rmNone;
    // The first tick after a press only switches to the fast interval.
    bool firstTick_ = false;
    bool timerRunning_ = false;
    bool focusing_ = false;
};
