#include "skin/controls/bs_fade_in.h"

#include <algorithm>

#include "platform/win/clock.h"
#include "platform/win/update_region.h"
#include "skin/data/bs_platform.h"

void FadeInSteps(int Step, int Target, uint32_t MinWait, const std::function<void(int Alpha)>& Apply,
                 const std::function<bool()>& Going)
{
    Step = std::max(1, Step);
    int alpha = 0;
    bool first = true;
    uint32_t last = GetTickCount();
    while (alpha < Target && (!Going || Going())) {
        uint32_t now = GetTickCount();
        if (!first && now - last < MinWait) {
            Sleep(1);
            continue;
        }
        first = false;
        last = now;
        alpha = std::min(Target, alpha + Step);
        Apply(alpha);
    }
}

void FadeInWindow(HWND Window, int Step, int Target, uint32_t MinWait, bool Repaint)
{
    FadeInSteps(Step, Target, MinWait, [&](int Alpha) {
        if (Repaint) {
            InvalidateRect(Window, nullptr, false);
            UpdateWindow(Window);
        }
        SetWindowAlpha(Window, Alpha);
    });
}
