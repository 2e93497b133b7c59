// TToolBar: a bar of tool buttons (and any other controls) laid out left
// to right in the order they joined it, wrapping into rows when Wrapable.
// The bar holds the image lists its buttons draw from.
#pragma once

#include "platform/ui/kernel/custom_control.h"
#include "platform/ui/widgets/tool_button.h"

class TCustomImageList;

class TToolBar : public TCustomControl {
public:
    explicit TToolBar(TComponent* AOwner);

    // Normal images, the ones under the mouse, and the ones of disabled
    // buttons (Images greyed without them); cleared when freed.
    TCustomImageList* Images() const { return images_; }
    void SetImages(TCustomImageList* Value);
    TCustomImageList* HotImages() const { return hotImages_; }
    void SetHotImages(TCustomImageList* Value);
    TCustomImageList* DisabledImages() const { return disabledImages_; }
    void SetDisabledImages(TCustomImageList* Value);
    // Buttons show no frame until the mouse is over them.
    bool Flat() const { return flat_; }
    void SetFlat(bool Value);
    // Captions below the images; every button is then as wide as the
    // widest caption needs, though never wider than the bar.
    bool ShowCaptions() const { return showCaptions_; }
    void SetShowCaptions(bool Value);
    int ButtonWidth() const { return buttonWidth_; }
    void SetButtonWidth(int Value);
    int ButtonHeight() const { return buttonHeight_; }
    void SetButtonHeight(int Value);
    // The bar's height follows its rows.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool Value);
    // A button that would cross the right edge starts a new row.
    bool Wrapable() const { return wrapable_; }
    void SetWrapable(bool Value);

    int ButtonCount();
    // The tool buttons, in the order they are laid out.
    TToolButton* Buttons(int Index);

    // The size a button of this bar gets: the bar's button size, with room
    // for the caption and the drop-down arrow.
    TSize ButtonSize(TToolButton* Button);
    // Lays the controls out again; buttons call it when they change.
    void ButtonsChanged();

protected:
    void AlignControls(TControl* AControl, TRect& Rect) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Paint() override;
    void Dispatch(TMessage& Message) override;

private:
    void SetImageList(TCustomImageList*& Field, TCustomImageList* Value);
    // The width the captions need, 0 without ShowCaptions.
    int CaptionWidth();

    TCustomImageList* images_ = nullptr;          // free-notified
    TCustomImageList* hotImages_ = nullptr;       // free-notified
    TCustomImageList* disabledImages_ = nullptr;  // free-notified
    bool flat_ = false;
    bool showCaptions_ = false;
    int buttonWidth_ = 23;   // at least 1
    int buttonHeight_ = 22;  // at least 1
    bool autoSize_ = false;
    bool wrapable_ = true;
    bool laying_ = false;  // inside AlignControls: sizes set there start no new layout
};
