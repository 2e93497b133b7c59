// A scroll bar drawn by the host: with the scroll-bar style sbsCustom the
// editor asks these events instead of the platform's scroll bar.
#pragma once

#include "platform/base/component.h"
#include "platform/base/event.h"
#include "platform/win/scroll_bars.h"

using TSynGetScrollInfoEvent = TEvent<bool(SCROLLINFO& ScrollInfo)>;
using TSynSetScrollInfoEvent = TEvent<int(const SCROLLINFO& ScrollInfo, bool Redraw)>;
using TSynShowScrollBarEvent = TEvent<bool(bool sbShow)>;
using TSynEnabledScrollBarEvent = TEvent<bool(int sbArrows)>;

class TSynTextScrollBar : public TComponent {
public:
    explicit TSynTextScrollBar(TComponent* AOwner) : TComponent(AOwner) {}

    // Each answers the handler's result; false or 0 without a handler.
    bool DoGetScrollInfo(SCROLLINFO& ScrollInfo) const;
    int DoSetScrollInfo(const SCROLLINFO& ScrollInfo, bool Redraw) const;
    bool DoShowScrollBar(bool sbShow) const;
    bool DoEnabledScrollBar(int sbArrows) const;

    // Copies the four events.
    void Assign(TPersistent* Source) override;

    TSynGetScrollInfoEvent OnGetScrollInfo;
    TSynSetScrollInfoEvent OnSetScrollInfo;
    TSynShowScrollBarEvent OnShowScrollBar;
    TSynEnabledScrollBarEvent OnEnabledScrollBar;
};
