// TSizeConstraints: the smallest and largest size a control may take; 0
// means no limit. A maximum below the minimum pulls the minimum down with
// it, and a minimum above the maximum pushes the maximum up.
#pragma once

#include "platform/base/event.h"
#include "platform/base/object.h"

class TSizeConstraints : public TPersistent {
public:
    int MaxHeight() const { return maxHeight_; }
    void SetMaxHeight(int Value);
    int MaxWidth() const { return maxWidth_; }
    void SetMaxWidth(int Value);
    int MinHeight() const { return minHeight_; }
    void SetMinHeight(int Value);
    int MinWidth() const { return minWidth_; }
    void SetMinWidth(int Value);

    void Assign(TPersistent* Source) override;

    // Fires after any limit changed; the control sizes itself again.
    TNotifyEvent OnChange;

private:
    void Change();

    int maxHeight_ = 0;
    int maxWidth_ = 0;
    int minHeight_ = 0;
    int minWidth_ = 0;
};
