// The scroll-bar handlers: the codes of WM_HSCROLL and WM_VSCROLL, also
// used by scroll bars the host draws itself.
#include <algorithm>
#include <cstdint>

#include "editor/syn_custom_text.h"
#include "editor/view/syn_scroll_bars.h"
#include "platform/base/format.h"
#include "platform/base/sys_utils.h"
#include "platform/ui/kernel/hint_window.h"
#include "platform/win/flat_scroll_bars.h"
#include "platform/win/scroll_bars.h"
#include "platform/win/system_metrics.h"

namespace {

// Ranges longer than this reach the bars scaled down to 0 .. 32767.
constexpr int MaxScrollRange = 32767;

constexpr int MaxHintLength = 255;
constexpr int MaxHintWidth = 200;

// One hint window serves every editor; it is made when first needed and
// lasts as long as the process: destroyed with the other statics at exit,
// a hint still shown would free its window into a window system already
// taken down.
THintWindow* ScrollHintWindow()
{
    static THintWindow* hint = NewHintWindow(nullptr);
    return hint;
}

// The bar position P stands for, undoing the scaling of UpdateScrollBars.
int UnscaledPosition(int Range, int Pos)
{
    return Range > MaxScrollRange ? MulDiv(Range, Pos, MaxScrollRange) : Pos;
}

// Shows beside the bar which lines the dragged thumb stands for.
void ShowScrollHint(TCustomSynText* Editor, int Rows)
{
    THintWindow* hint = ScrollHintWindow();
    hint->SetColor(Editor->ScrollBars()->HintColor());
    const int topLine = Editor->DisplayToBufferPos(TDisplayCoord{1, Editor->TopLine()}).Line;
    AnsiString text;
    if (Editor->ScrollBars()->HintFormat() == shfTopToBottom) {
        const int bottomRow = Editor->TopLine() + std::min(Editor->LinesInWindow(), Rows - Editor->TopLine());
        text = Format("%d - %d", {topLine, Editor->DisplayToBufferPos(TDisplayCoord{1, bottomRow}).Line});
    } else {
        text = Format("Top Line: %d", {topLine});
    }
    text.resize(std::min<size_t>(text.size(), MaxHintLength));

    TRect rect = hint->CalcHintRect(MaxHintWidth, text, nullptr);
    TPoint place{Editor->ClientWidth() - rect.Width() - 4, 10};
    if (Editor->Options().Contains(eoScrollHintFollows)) {
        SCROLLINFO info;
        info.fMask = SIF_ALL;
        const TScrollBarsStyle look = Editor->ScrollBars()->Style();
        if (look == sbsFlat || look == sbsEncarta)
            FlatSB_GetScrollInfo(Editor->Handle(), SB_VERT, &info);
        else
            GetScrollInfo(Editor->Handle(), SB_VERT, &info);
        const int arrow = GetSystemMetrics(SM_CYVSCROLL);
        const int track = info.nMax > 0 ? static_cast<int>(static_cast<double>(Editor->ClientHeight() - 2 * arrow) *
                                                           info.nTrackPos / info.nMax + 0.5)
                                        : 0;
        place.Y = arrow + track + rect.Height() / 2;
    }
    place = Editor->ClientToScreen(place);
    OffsetRect(rect, place.X, place.Y);
    hint->ActivateHint(rect, text);
    hint->Update();
}

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
        // The message's position is a signed 16-bit word.
        SetLeftChar(UnscaledPosition(range, static_cast<int16_t>(Pos)));
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
    case SB_THUMBTRACK: {
        // The same range UpdateScrollBars gave the bar, so that the thumb
        // lands on the line it shows.
        int range = std::max(rows, 1);
        if (options_.Contains(eoScrollPastEof))
            range += linesInWindow_ - 1;
        SetTopLine(UnscaledPosition(range, Pos));
        if (options_.Contains(eoShowScrollHint))
            ShowScrollHint(this, rows);
        break;
    }
    case SB_TOP:
        SetTopLine(1);
        break;
    case SB_BOTTOM:
        SetTopLine(rows);
        break;
    case SB_ENDSCROLL:
        if (options_.Contains(eoShowScrollHint))
            ScrollHintWindow()->ReleaseHandle();
        break;
    default:
        return;
    }
    Invalidate();
    if (OnScroll)
        OnScroll(this, sbVertical);
}
