// Which scroll bars the editor shows and how they are drawn.
#pragma once

#include "platform/base/event.h"
#include "platform/base/object.h"
#include "platform/gdi/colors.h"

class TSynTextScrollBar;

// The class library's choice of scroll bars for a control.
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

// Platform bars, flat bars in one of two looks, or bars of the host
// (Horizontal and Vertical).
enum TScrollBarsStyle { sbsRegular, sbsEncarta, sbsFlat, sbsCustom };

// The hint shown while the thumb is dragged: the top line, or top and bottom.
enum TScrollHintFormat { shfTopLineOnly, shfTopToBottom };

class TSynScrollBars : public TPersistent {
public:
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle Value);
    TScrollBarsStyle Style() const { return style_; }
    void SetStyle(TScrollBarsStyle Value);
    TSynTextScrollBar* Horizontal() const { return horizontal_; }
    void SetHorizontal(TSynTextScrollBar* Value);
    TSynTextScrollBar* Vertical() const { return vertical_; }
    void SetVertical(TSynTextScrollBar* Value);
    TColor HintColor() const { return hintColor_; }
    void SetHintColor(TColor Value);
    TScrollHintFormat HintFormat() const { return hintFormat_; }
    void SetHintFormat(TScrollHintFormat Value);

    void Assign(TPersistent* Source) override;

    TNotifyEvent OnChange;

private:
    void Changed();

    TScrollStyle scrollBars_ = ssBoth;
    TScrollBarsStyle style_ = sbsRegular;
    TSynTextScrollBar* horizontal_ = nullptr;
    TSynTextScrollBar* vertical_ = nullptr;
    TColor hintColor_ = clInfoBk;
    TScrollHintFormat hintFormat_ = shfTopLineOnly;
};
