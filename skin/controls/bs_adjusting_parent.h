// A parent that lines its skinned children up (the skinned tool bar): while
// it adjusts its controls, every skinned child is centred vertically in the
// parent's adjusted client rectangle whenever its bounds change.
#pragma once

#include "platform/base/geometry.h"

class TWinControl;

class IbsAdjustingParent {
public:
    virtual bool AdjustControls() const = 0;
    // (0, 0, Width, Height) narrowed by the parent's own client-area
    // adjustment: the area left for its aligned children.
    virtual TRect AdjustedClientRect() = 0;

protected:
    ~IbsAdjustingParent() = default;
};

// ATop, or, when Parent is an IbsAdjustingParent that adjusts its controls,
// the top that centres a control AHeight high in its adjusted client
// rectangle (halves truncated toward zero).
int AdjustedTop(TWinControl* Parent, int ATop, int AHeight);
