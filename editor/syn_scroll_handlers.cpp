// The scroll-bar handlers: the codes of WM_HSCROLL and WM_VSCROLL, also
// used by scroll bars the host draws itself.
#include <algorithm>

#include "editor/syn_custom_text.h"
#include "platform/base/sys_utils.h"
#include "platform/win/scroll_bars.h"

namespace {

// Thumb positions travel as 16 bits; longer ranges arrive scaled.
constexpr int ScaledRange = 32768;

}  // namespace

void TCustomSynText::HandleHScroll(int ScrollCode, int Pos)
{
    const int page = options_.Contains(eoScrollByOneLess) ? charsInWindow_ - 1 : charsInWindow_;
    const int range =
        options_.Contains(eoScrollPastEol) ? maxScrollWidth_ : std::max(lines_->GetLongestLineLength(), 1);
    switch (ScrollCode) {
    case SB_LINELEFT:
        SetLeftChar(leftChar_ - 1);
        break;
    case SB_LINERIGHT:
        SetLeftChar(leftChar_ + 1);
        break;
    case SB_PAGELEFT:
        SetLeftChar(leftChar_ - page);
        break;
    case SB_PAGERIGHT:
        SetLeftChar(leftChar_ + page);
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        SetLeftChar(range >= ScaledRange ? MulDiv(range, Pos, 32767) : Pos);
        break;
    case SB_LEFT:
        SetLeftChar(1);
        break;
    case SB_RIGHT:
        SetLeftChar(options_.Contains(eoScrollPastEol) ? maxScrollWidth_ - charsInWindow_ + 1
                                                       : lines_->GetLongestLineLength());
        break;
    case SB_ENDSCROLL:
        break;
    default:
        return;
    }
    Invalidate();
    if (OnScroll)
        OnScroll(this, sbHorizontal);
}

void TCustomSynText::HandleVScroll(int ScrollCode, int Pos)
{
    const int page = options_.Contains(eoScrollByOneLess) ? linesInWindow_ - 1 : linesInWindow_;
    const int rows = DisplayLineCount();
    switch (ScrollCode) {
    case SB_LINEUP:
        SetTopLine(topLine_ - 1);
        break;
    case SB_LINEDOWN:
        SetTopLine(topLine_ + 1);
        break;
    case SB_PAGEUP:
        SetTopLine(topLine_ - page);
        break;
    case SB_PAGEDOWN:
        SetTopLine(topLine_ + page);
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        SetTopLine(rows >= ScaledRange ? MulDiv(rows + linesInWindow_ - 1, Pos, 32767) : Pos);
        break;
    case SB_TOP:
        SetTopLine(1);
        break;
    case SB_BOTTOM:
        SetTopLine(rows);
        break;
    case SB_ENDSCROLL:
        break;
    default:
        return;
    }
    Invalidate();
    if (OnScroll)
        OnScroll(this, sbVertical);
}
