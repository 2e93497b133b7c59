// Scrolling: the top line and left column, keeping the caret in view, the
// window's scroll bars and the mouse wheel.
#include <algorithm>
#include <climits>
#include <cstdlib>

#include "editor/syn_buffer_plugin.h"
#include "editor/syn_custom_text.h"
#include "editor/syn_edit_scopes.h"
#include "editor/view/syn_scroll_bars.h"
#include "editor/view/syn_text_scroll_bar.h"
#include "editor/view/syn_word_wrap.h"
#include "platform/base/sys_utils.h"
#include "platform/gdi/regions.h"
#include "platform/win/flat_scroll_bars.h"
#include "platform/win/scroll_bars.h"
#include "platform/win/scroll_window.h"
#include "platform/win/update_region.h"

namespace {

// The scroll bar range can only hold 16 bits; longer ranges are scaled.
constexpr int MaxScrollBarRange = 32767;

// Past this many rectangles kept aside inside an update, the whole view is
// repainted at its end instead: a replace-all scrolls once for each match,
// and every scroll would otherwise cost as much as all it kept before.
constexpr uint32_t MaxKeptRectangles = 256;

uint32_t RectangleCount(HRGN Region)
{
    return (GetRegionData(Region, 0, nullptr) - sizeof(RGNDATAHEADER)) / sizeof(TRect);
}

// One bar of the window: the platform's own, its flat twin, or the host's
// bar object (the custom style), which takes the same calls as events.
class TBarDriver {
public:
    TBarDriver(HWND Window, const TSynScrollBars* Bars)
        : window_(Window), flat_(Bars->Style() == sbsFlat || Bars->Style() == sbsEncarta),
          horizontal_(Bars->Style() == sbsCustom ? Bars->Horizontal() : nullptr),
          vertical_(Bars->Style() == sbsCustom ? Bars->Vertical() : nullptr),
          custom_(Bars->Style() == sbsCustom)
    {
    }

    void Show(int Bar, bool Show) const
    {
        if (custom_) {
            if ((Bar == SB_HORZ || Bar == SB_BOTH) && horizontal_)
                horizontal_->DoShowScrollBar(Show);
            if ((Bar == SB_VERT || Bar == SB_BOTH) && vertical_)
                vertical_->DoShowScrollBar(Show);
        } else if (flat_) {
            FlatSB_ShowScrollBar(window_, Bar, Show);
        } else {
            ShowScrollBar(window_, Bar, Show);
        }
    }

    void Enable(int Bar, UINT Arrows) const
    {
        if (custom_) {
            if (const TSynTextScrollBar* bar = Custom(Bar))
                bar->DoEnabledScrollBar(static_cast<int>(Arrows));
        } else if (flat_) {
            FlatSB_EnableScrollBar(window_, Bar, Arrows);
        } else {
            EnableScrollBar(window_, static_cast<UINT>(Bar), Arrows);
        }
    }

    // Range R (1 .. R, or 0 .. 32767 scaled when R is longer), page and
    // position in one call.
    void Set(int Bar, int Range, int Page, int Pos, TSynTextEditorOptions Options) const
    {
        const bool hideShow = Options.Contains(eoHideShowScrollbars);
        SCROLLINFO info;
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        if (!hideShow)
            info.fMask |= SIF_DISABLENOSCROLL;
        const bool scaled = Range > MaxScrollBarRange;
        if (scaled) {
            info.nMin = 0;
            info.nMax = MaxScrollBarRange;
            Page = MulDiv(MaxScrollBarRange, Page, Range);
            Pos = MulDiv(MaxScrollBarRange, Pos, Range);
        } else {
            info.nMin = 1;
            info.nMax = Range;
        }
        info.nPage = static_cast<UINT>(std::max(Page, 0));
        info.nPos = Pos;
        if (custom_) {
            if (const TSynTextScrollBar* bar = Custom(Bar))
                bar->DoSetScrollInfo(info, true);
        } else if (flat_) {
            FlatSB_SetScrollInfo(window_, Bar, &info, true);
        } else {
            SetScrollInfo(window_, Bar, &info, true);
        }
        if (hideShow)
            Show(Bar, scaled || info.nMax > Page);
        if (Options.Contains(eoDisableScrollArrows)) {
            UINT arrows = ESB_ENABLE_BOTH;
            if (Pos <= info.nMin)
                arrows |= ESB_DISABLE_LTUP;
            if (Pos >= info.nMax - std::max(Page - 1, 0))
                arrows |= ESB_DISABLE_RTDN;
            Enable(Bar, arrows);
        }
    }

private:
    const TSynTextScrollBar* Custom(int Bar) const { return Bar == SB_HORZ ? horizontal_ : vertical_; }

    HWND window_;
    bool flat_;
    const TSynTextScrollBar* horizontal_;  // the custom style's bars; nullptr in the other styles
    const TSynTextScrollBar* vertical_;
    bool custom_;
};

}  // namespace

int TCustomSynText::LineHeight() const
{
    // The measured text height, never the drawer's current font: the gutter
    // selects its own font in the drawer while it paints its rows.
    const int textHeight = textHeight_;
    switch (lineSpacingRule_) {
    case lsSingle:
        return textHeight + 2;
    case lsOneAndHalf: {
        // Half a text height, halves rounded to even.
        const int half = textHeight / 2 + ((textHeight % 2 == 1 && (textHeight / 2) % 2 == 1) ? 1 : 0);
        return textHeight + half + 2;
    }
    case lsDouble:
        return textHeight + textHeight + 2;
    case lsSpecified:
        return textHeight + lineSpacing_;
    }
    return textHeight;
}

int TCustomSynText::DisplayLineCount() const
{
    return wordWrapPlugin_ ? wordWrapPlugin_->RowCount() : lines_->Count();
}

void TCustomSynText::SetTopLine(int Value)
{
    const int rows = DisplayLineCount();
    const int limit = options_.Contains(eoScrollPastEof) ? rows : rows - linesInWindow_ + 1;
    Value = std::max(1, std::min(Value, limit));
    if (Value == topLine_)
        return;
    const int delta = topLine_ - Value;
    topLine_ = Value;
    ScrollView(0, LineHeight() * delta);
    UpdateScrollBars();
    StatusChanged({scTopLine});
}

void TCustomSynText::SetLeftChar(int Value)
{
    const int wrapWidth = WrappingWidth();
    // Wrapped rows that fit the window leave nothing to scroll sideways.
    if (wrapWidth > 0 && wrapWidth <= charsInWindow_)
        Value = 1;
    int limit;
    if (options_.Contains(eoScrollPastEol)) {
        limit = options_.Contains(eoAutoSizeMaxScrollWidth) ? INT_MAX - charsInWindow_
                                                            : maxScrollWidth_ - charsInWindow_ + 1;
    } else {
        const int longest = wrapWidth > 0 ? wrapWidth : lines_->GetLongestLineLength();
        limit = longest > charsInWindow_ ? longest - charsInWindow_ + 1 : 1;
    }
    Value = std::max(1, std::min(Value, limit));
    if (Value == leftChar_)
        return;
    const int delta = leftChar_ - Value;
    leftChar_ = Value;
    textOffset_ = gutterWidth_ + 2 - (leftChar_ - 1) * charWidth_;
    ScrollView(delta * charWidth_, 0);
    if (options_.Contains(eoScrollPastEol) && options_.Contains(eoAutoSizeMaxScrollWidth) &&
        leftChar_ + charsInWindow_ > maxScrollWidth_)
        SetMaxScrollWidth(leftChar_ + charsInWindow_);
    else
        UpdateScrollBars();
    StatusChanged({scLeftChar});
    InvalidateLine(caretY_);
}

// Only the text area moves sideways; the gutter stays where it is.
TRect TCustomSynText::TextArea()
{
    const TRect client = ClientRect();
    return Rect(gutterWidth_ + 2, 0, client.Right, client.Bottom);
}

// A batch of caret moves inside an update would otherwise copy the window's
// bitmap once per move. What waits to be painted is kept aside and moves
// with the view at once, though: whatever is invalidated from now on stands
// where the view already is.
void TCustomSynText::ScrollView(int DX, int DY)
{
    if (!HandleAllocated() || (DX == 0 && DY == 0))
        return;
    // Areas collected while the lines change stand where the view is now:
    // they go with it.
    FlushCollectedAreas();
    if (paintLock_ == 0) {
        MoveViewPixels(DX, DY);
        // The caret stays in its cell, not on its pixels.
        UpdateCaret();
        return;
    }
    stateFlags_.Include(sfCaretChanged);
    TakePendingPaint();
    pendingScroll_.X += DX;
    pendingScroll_.Y += DY;
    steadyView_.Top = std::clamp(steadyView_.Top + DY, 0, ClientHeight());
    steadyView_.Bottom = std::clamp(steadyView_.Bottom + DY, 0, ClientHeight());
    steadyView_.Left = std::clamp(steadyView_.Left + DX, TextArea().Left, ClientWidth());
    steadyView_.Right = std::clamp(steadyView_.Right + DX, TextArea().Left, ClientWidth());
    OffsetRgn(deferredTextPaint_, DX, DY);
    OffsetRgn(deferredOtherPaint_, 0, DY);
}

// Kept aside, what waits to be painted may leave the window and come back
// with the view: the pixels there, moved once at the end, are as stale as
// they were.
void TCustomSynText::TakePendingPaint()
{
    if (!deferredTextPaint_) {
        deferredTextPaint_ = CreateRectRgn(0, 0, 0, 0);
        deferredOtherPaint_ = CreateRectRgn(0, 0, 0, 0);
        steadyView_ = Rect(TextArea().Left, 0, ClientWidth(), ClientHeight());
    }
    if (deferredRepaintAll_) {
        ValidateRect(Handle(), nullptr);
        return;
    }
    HRGN pending = CreateRectRgn(0, 0, 0, 0);
    if (GetUpdateRgn(Handle(), pending, false) > NULLREGION) {
        HRGN text = CreateRectRgnIndirect(TextArea());
        HRGN part = CreateRectRgn(0, 0, 0, 0);
        // A stale text area as a whole may hold what is out of view too
        // (new colours, a new highlighter): all is repainted at the end.
        if (CombineRgn(part, text, pending, RGN_DIFF) == NULLREGION)
            deferredRepaintAll_ = true;
        CombineRgn(part, pending, text, RGN_AND);
        CombineRgn(deferredTextPaint_, deferredTextPaint_, part, RGN_OR);
        CombineRgn(part, pending, text, RGN_DIFF);
        CombineRgn(deferredOtherPaint_, deferredOtherPaint_, part, RGN_OR);
        ValidateRect(Handle(), nullptr);
        DeleteObject(part);
        DeleteObject(text);
        if (RectangleCount(deferredTextPaint_) + RectangleCount(deferredOtherPaint_) > MaxKeptRectangles)
            deferredRepaintAll_ = true;
    }
    DeleteObject(pending);
}

void TCustomSynText::ScrollPendingView()
{
    if (!deferredTextPaint_)
        return;
    if (HandleAllocated()) {
        TakePendingPaint();
        if (deferredRepaintAll_) {
            Invalidate();
        } else {
            // Nothing waits in the window now: the move invalidates only
            // what it uncovers, and what was kept aside goes back where the
            // view is, each part inside its own area.
            MoveViewPixels(pendingScroll_.X, pendingScroll_.Y);
            HRGN text = CreateRectRgnIndirect(TextArea());
            HRGN other = CreateRectRgnIndirect(ClientRect());
            CombineRgn(other, other, text, RGN_DIFF);
            CombineRgn(deferredTextPaint_, deferredTextPaint_, text, RGN_AND);
            CombineRgn(deferredOtherPaint_, deferredOtherPaint_, other, RGN_AND);
            InvalidateRgn(Handle(), deferredTextPaint_, false);
            InvalidateRgn(Handle(), deferredOtherPaint_, false);
            DeleteObject(other);
            DeleteObject(text);
            // What left the view and came back missed what was invalidated
            // while it was out.
            const TRect client = ClientRect();
            const TRect& steady = steadyView_;
            for (const TRect& stale :
                 {Rect(0, 0, client.Right, steady.Top), Rect(0, steady.Bottom, client.Right, client.Bottom),
                  Rect(TextArea().Left, steady.Top, steady.Left, steady.Bottom),
                  Rect(steady.Right, steady.Top, client.Right, steady.Bottom)})
                if (!IsRectEmpty(stale))
                    ::InvalidateRect(Handle(), &stale, false);
        }
    }
    DeleteObject(deferredTextPaint_);
    DeleteObject(deferredOtherPaint_);
    deferredTextPaint_ = nullptr;
    deferredOtherPaint_ = nullptr;
    deferredRepaintAll_ = false;
    pendingScroll_ = TPoint{0, 0};
}

void TCustomSynText::MoveViewPixels(int DX, int DY)
{
    if (DX == 0 && DY == 0)
        return;
    if (std::abs(DY) >= linesInWindow_ * LineHeight() || std::abs(DX) >= charsInWindow_ * charWidth_) {
        Invalidate();
        return;
    }
    if (DY != 0)
        ScrollWindow(Handle(), 0, DY, nullptr, nullptr);
    if (DX != 0) {
        const TRect textArea = TextArea();
        ScrollWindow(Handle(), DX, 0, &textArea, &textArea);
    }
}

void TCustomSynText::SetGutterWidth(int Value)
{
    Value = std::max(Value, 0);
    if (gutterWidth_ == Value)
        return;
    gutterWidth_ = Value;
    textOffset_ = gutterWidth_ + 2 - (leftChar_ - 1) * charWidth_;
    if (HandleAllocated()) {
        if (charWidth_ > 0)
            charsInWindow_ = std::max(ClientWidth() - gutterWidth_ - 2, 0) / charWidth_;
        if (GetWordWrap() && wordWrap_->Style() == wwsClientWidth)
            WordWrapDisplayChanged();
        UpdateScrollBars();
        Invalidate();
    }
}

void TCustomSynText::SizeOrFontChanged(bool bFont)
{
    if (!HandleAllocated() || charWidth_ == 0)
        return;
    charsInWindow_ = std::max(ClientWidth() - gutterWidth_ - 2, 0) / charWidth_;
    linesInWindow_ = LineHeight() > 0 ? ClientHeight() / LineHeight() : 0;
    if (GetWordWrap())
        WordWrapDisplayChanged();
    UpdateScrollBars();
    if (bFont) {
        InitializeCaret();
        stateFlags_.Exclude(sfCaretChanged);
        Invalidate();
    }
    stateFlags_.Exclude(sfScrollbarChanged);
    if (!options_.Contains(eoScrollPastEol))
        SetLeftChar(leftChar_);
    if (!options_.Contains(eoScrollPastEof))
        SetTopLine(topLine_);
}

void TCustomSynText::EnsureCursorPosVisible() { EnsureCursorPosVisibleEx(false); }

void TCustomSynText::EnsureCursorPosVisibleEx(bool ForceToMiddle)
{
    if (charsInWindow_ <= 0)
        return;
    TSynPaintLockScope lock(this);
    const int x = DisplayX();
    if (x < leftChar_)
        SetLeftChar(x);
    else if (x >= leftChar_ + charsInWindow_)
        // Show more room right of the caret, but never scroll it out of a
        // window narrower than that room.
        SetLeftChar(std::min(x - charsInWindow_ + 24, x));
    else
        SetLeftChar(leftChar_);

    const int y = DisplayY();
    const int rows = linesInWindow_;
    if (ForceToMiddle) {
        if (y < topLine_ - 1)
            SetTopLine(std::max(y - rows / 2, 0) + 1);
        else if (y > topLine_ + rows - 2)
            SetTopLine(y - rows + 1 + rows / 2);
    } else if (y < topLine_) {
        SetTopLine(y);
    } else if (y > topLine_ + std::max(1, rows) - 1) {
        SetTopLine(y - (rows - 1));
    } else {
        SetTopLine(topLine_);
    }
}

void TCustomSynText::UpdateScrollBars()
{
    if (!HandleAllocated() || paintLock_ != 0) {
        stateFlags_.Include(sfScrollbarChanged);
        return;
    }
    stateFlags_.Exclude(sfScrollbarChanged);
    const TBarDriver bars(Handle(), scrollBars_.get());
    const TScrollStyle style = scrollBars_->ScrollBars();
    if (style == ssNone) {
        bars.Show(SB_BOTH, false);
        return;
    }
    const int wrapWidth = WrappingWidth();
    // Wrapped rows need the horizontal bar only when they are wider than the window.
    if ((style == ssHorizontal || style == ssBoth) && (wrapWidth <= 0 || wrapWidth > charsInWindow_)) {
        int range = maxScrollWidth_;
        if (!options_.Contains(eoScrollPastEol))
            range = wrapWidth > 0 ? wrapWidth : std::max(lines_->GetLongestLineLength(), 1);
        bars.Set(SB_HORZ, range, charsInWindow_, leftChar_, options_);
    } else {
        bars.Show(SB_HORZ, false);
    }
    if (style == ssVertical || style == ssBoth) {
        int range = std::max(DisplayLineCount(), 1);
        if (options_.Contains(eoScrollPastEof))
            range += linesInWindow_ - 1;
        bars.Set(SB_VERT, range, linesInWindow_, topLine_, options_);
    } else {
        bars.Show(SB_VERT, false);
    }
}

bool TCustomSynText::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint)
{
    constexpr int WheelNotch = 120;
    int linesPerNotch = 3;
    if (Shift.Contains(ssCtrl))
        linesPerNotch = options_.Contains(eoHalfPageScroll) ? linesInWindow_ >> 1 : linesInWindow_;
    mouseWheelAccumulator_ += WheelDelta;
    const int notches = mouseWheelAccumulator_ / WheelNotch;
    mouseWheelAccumulator_ %= WheelNotch;
    if (notches != 0)
        SetTopLine(topLine_ - notches * linesPerNotch);
    Update();
    if (OnScroll)
        OnScroll(this, sbVertical);
    return true;
}

void TCustomSynText::ScrollBarsChanged(TObject*) { UpdateScrollBars(); }
