// TFrame: a windowed container of controls without a frame of its own,
// made in code and put on a form (or another container) like a control.
#pragma once

#include "platform/ui/kernel/win_control.h"

class TFrame : public TWinControl {
public:
    explicit TFrame(TComponent* AOwner);
};
