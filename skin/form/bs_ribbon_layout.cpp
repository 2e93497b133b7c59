// The ribbon's strip layout: buttons from the right edge inwards, then the
// tabs from the left, squeezed in proportion when they do not fit.
#include "skin/form/bs_ribbon_layout.h"

#include <algorithm>

namespace {

constexpr int kMinSqueezedTab = 15;

}  // namespace

TbsRibbonLayoutResult LayOutRibbon(const TbsRibbonLayoutInput& In)
{
    TbsRibbonLayoutResult out;
    out.QuickRects.assign(In.QuickVisible.size(), TRect{});
    if (!In.QuickVisible.empty() && In.ImageWidth > 0) {
        int w = In.ImageWidth + 6;
        int h = In.StripHeight - 2;
        int x = In.BarWidth - 2;
        for (int i = static_cast<int>(In.QuickVisible.size()) - 1; i >= 0; --i) {
            if (!In.QuickVisible[i])
                continue;
            out.QuickRects[i] = TRect{x - w, 1, x, 1 + h};
            x -= w;
        }
        out.RightReserve = In.BarWidth - x + 2;
    }
    if (In.ChildButtons) {
        int x = In.BarWidth - out.RightReserve;
        for (int i = 0; i < 3; ++i) {
            out.ChildRects.push_back(TRect{x - In.ChildButtonSize.X, 1, x, 1 + In.ChildButtonSize.Y});
            x -= In.ChildButtonSize.X;
        }
        out.RightReserve = In.BarWidth - x + 2;
    }
    int available = In.BarWidth - In.TabStripLeft - out.RightReserve;
    int total = 0;
    for (int w : In.TabWidths)
        total += std::max(w, 0);
    out.Squeezed = total > available;
    int x = In.TabStripLeft;
    for (int natural : In.TabWidths) {
        if (natural < 0) {
            out.TabRects.push_back(TRect{});
            continue;
        }
        int w = natural;
        if (out.Squeezed)
            w = std::max(kMinSqueezedTab, static_cast<int>(static_cast<double>(available) * natural / total));
        out.TabRects.push_back(TRect{x, 1, x + w, 1 + In.TabHeight});
        x += w;
    }
    return out;
}
