// TbsSkinToolBar: the skinned panel that holds the tool buttons and bevels
// in a row. It keeps its children vertically centred, lends the speed
// buttons its image lists and flat look and them and the bevels its skin
// data, and, when they do not
// fit, scrolls them sideways with the non-client scroll buttons.
#pragma once

#include "skin/controls/bs_adjusting_parent.h"
#include "skin/controls/bs_images_parent.h"
#include "skin/controls/bs_nc_scroll_buttons.h"
#include "skin/controls/bs_skin_panel.h"

class TbsSkinToolBar : public TbsSkinPanel, public IbsAdjustingParent, public IbsImagesParent {
public:
    explicit TbsSkinToolBar(TComponent* AOwner);
    ~TbsSkinToolBar() override;

    bool AdjustControls() const override { return adjustControls_; }
    void SetAdjustControls(bool Value) { adjustControls_ = Value; }
    TRect AdjustedClientRect() override { return GetSkinClientRect(); }

    bool CanScroll() const { return canScroll_; }
    void SetCanScroll(bool Value);
    // Scrolling starts when the mouse merely rests on a scroll button.
    bool HotScroll = false;
    // Pixels per step, 0 for one client width; negative values are ignored.
    int ScrollOffset() const { return scrollOffset_; }
    void SetScrollOffset(int Value);
    // Milliseconds between steps; 0 or less is ignored.
    int ScrollTimerInterval() const { return scrollTimerInterval_; }
    void SetScrollTimerInterval(int Value);

    // Not owned; cleared when freed. Images repaints the speed buttons.
    TCustomImageList* Images() override { return images_; }
    void SetImages(TCustomImageList* Value);
    TCustomImageList* HotImages() override { return hotImages_; }
    void SetHotImages(TCustomImageList* Value);
    TCustomImageList* DisabledImages() override { return disabledImages_; }
    void SetDisabledImages(TCustomImageList* Value);
    bool Flat() const { return flat_; }
    void SetFlat(bool Value);
    bool ShowCaptions() const { return showCaptions_; }
    void SetShowCaptions(bool Value);
    bool AutoShowHideCaptions = false;
    int WidthWithCaptions = 0;
    int WidthWithoutCaptions = 0;

    // How far the content is scrolled left, in pixels.
    int ScrollPosition() const { return scrollPos_; }
    bool ScrollButtonsVisible() const { return buttons_.Visible(); }
    // Whether the scroll timer runs, and which way (1 left, 2 right).
    int ScrollDirection() const { return buttons_.Direction(); }

    void SetSkinDataName(const AnsiString& Value) override;
    void SetSkinData(TbsSkinData* Value) override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void AdjustClientRect(TRect& Rect) override;
    void PaintSkinImage(TBitmap* Bitmap) override;
    void Dispatch(TMessage& Message) override;

private:
    void CentreChildren();
    void UpdateScroll();
    void ShowScrollButtons(bool Value);
    void ScrollStep(int Direction);
    void MoveChildren(int DX);
    bool NonClientMessage(TMessage& Message);

    bool adjustControls_ = true;
    bool canScroll_ = false;
    int scrollOffset_ = 0;
    int scrollTimerInterval_ = 50;
    TCustomImageList* images_ = nullptr;
    TCustomImageList* hotImages_ = nullptr;
    TCustomImageList* disabledImages_ = nullptr;
    bool flat_ = false;
    bool showCaptions_ = false;

    // The scroll state. Invariant: 0 <= scrollPos_ <= max(0, scrollLimit_ -
    // pageWidth_ + 1); all 0 while the buttons are hidden.
    int scrollPos_ = 0;
    int scrollLimit_ = 0;   // the content's full width minus 1
    int pageWidth_ = 0;     // the client width at the last update
    int appliedPos_ = 0;    // the position the children were last moved to
    int growth_ = 0;        // how much the bar last grew in width
    TbsNCScrollButtons buttons_{this, false, HotScroll, scrollTimerInterval_,
                                [this](int Direction) { ScrollStep(Direction); }};
};
