// The colours of selected text.
#pragma once

#include "platform/base/event.h"
#include "platform/base/object.h"
#include "platform/gdi/colors.h"

class TSynSelectedColor : public TPersistent {
public:
    TColor Background() const { return background_; }
    void SetBackground(TColor Value);
    TColor Foreground() const { return foreground_; }
    void SetForeground(TColor Value);

    void Assign(TPersistent* Source) override;

    TNotifyEvent OnChange;

private:
    void Changed();

    TColor background_ = clHighlight;
    TColor foreground_ = clHighlightText;
};
