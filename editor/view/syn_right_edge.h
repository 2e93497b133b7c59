// The vertical line that marks the right margin of the text.
#pragma once

#include "platform/base/event.h"
#include "platform/base/object.h"
#include "platform/gdi/colors.h"
#include "platform/ui/graphics/pen.h"

// The columns the line may stand at; 0 draws none. Far past any line anyone
// reads, and its pixel offset stays inside an int with the widest font.
inline constexpr int kMinRightEdgePosition = 0, kMaxRightEdgePosition = 65535;

class TSynRightEdge : public TPersistent {
public:
    bool Visible() const { return visible_; }
    void SetVisible(bool Value);
    // In character columns, clamped to the positions above.
    int Position() const { return position_; }
    void SetPosition(int Value);
    TColor Color() const { return color_; }
    void SetColor(TColor Value);
    TPenStyle Style() const { return style_; }
    void SetStyle(TPenStyle Value);
    // Whether the user may drag the line with the mouse.
    bool MouseMove() const { return mouseMove_; }
    void SetMouseMove(bool Value);

    void Assign(TPersistent* Source) override;

    TNotifyEvent OnChange;

private:
    void Changed();

    bool visible_ = true;
    int position_ = 80;
    TColor color_ = clSilver;
    TPenStyle style_ = psSolid;
    bool mouseMove_ = false;
};
