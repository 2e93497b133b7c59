// A line drawn along the bottom of the text rows.
#pragma once

#include "platform/base/event.h"
#include "platform/base/object.h"
#include "platform/gdi/colors.h"
#include "platform/ui/graphics/pen.h"

class TSynLineDivider : public TPersistent {
public:
    bool Visible() const { return visible_; }
    void SetVisible(bool Value);
    TColor Color() const { return color_; }
    void SetColor(TColor Value);
    TPenStyle Style() const { return style_; }
    void SetStyle(TPenStyle Value);

    void Assign(TPersistent* Source) override;

    TNotifyEvent OnChange;

private:
    void Changed();

    bool visible_ = false;
    TColor color_ = clRed;
    TPenStyle style_ = psSolid;
};
