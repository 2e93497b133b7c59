// The completion popup's scroll bar, and the sizes that depend on it. The
// bar and the list move together: moving the selection scrolls the list
// and the bar follows; scrolling the bar scrolls the list and drags the
// selection along into the rows.
#include <algorithm>

#include "editor/completion/syn_completion_form.h"
#include "platform/base/string_list.h"
#include "platform/ui/widgets/scroll_bar.h"
#include "platform/win/system_metrics.h"
#include "platform/win/win_messages.h"

void TSynBaseCompletionProposalForm::CreateScrollBar()
{
    scrollBar_ = new TScrollBar(this);
    scrollBar_->SetKind(sbVertical);
    scrollBar_->SetParentCtl3D(false);
    scrollBar_->SetAlign(alRight);
    scrollBar_->OnChange = TNotifyEvent(this, &TSynBaseCompletionProposalForm::ScrollBarChange);
    scrollBar_->OnScroll = TScrollCodeEvent(this, &TSynBaseCompletionProposalForm::ScrollBarScroll);
    scrollBar_->OnEnter = TNotifyEvent(this, &TSynBaseCompletionProposalForm::ScrollBarEnter);
    scrollBar_->SetParent(this);
    UpdateScrollBar();
}

void TSynBaseCompletionProposalForm::UpdateScrollBar()
{
    const bool wasUpdating = updatingScrollBar_;
    updatingScrollBar_ = true;
    scrollBar_->SetVisible(displayType_ == ctCode);
    const int rows = nbLinesInWindow_;
    const int max = std::max(assignedList_->Count(), rows) - 1;
    // The range holds the page at every step, or the bar refuses it.
    if (rows > scrollBar_->PageSize()) {
        scrollBar_->SetParams(scrollPos_, 0, max);
        scrollBar_->SetPageSize(rows);
    } else {
        scrollBar_->SetPageSize(rows);
        scrollBar_->SetParams(scrollPos_, 0, max);
    }
    scrollBar_->LargeChange = rows;
    updatingScrollBar_ = wasUpdating;
}

void TSynBaseCompletionProposalForm::ScrollTo(int Top)
{
    const int rows = nbLinesInWindow_;
    scrollPos_ = std::clamp(Top, 0, std::max(assignedList_->Count() - rows, 0));
    if (position_ >= 0 && position_ < scrollPos_)
        SetPosition(scrollPos_);
    else if (position_ >= scrollPos_ + rows)
        SetPosition(scrollPos_ + rows - 1);
    UpdateScrollBar();
    Invalidate();
}

int TSynBaseCompletionProposalForm::ScrollBarWidth() const
{
    return scrollBar_->Visible() ? scrollBar_->Width() : 0;
}

void TSynBaseCompletionProposalForm::ScrollBarChange(TObject*)
{
    if (!updatingScrollBar_)
        ScrollTo(scrollBar_->Position());
}

void TSynBaseCompletionProposalForm::ScrollBarScroll(TObject*, TScrollCode, int& ScrollPos)
{
    ScrollTo(ScrollPos);
}

void TSynBaseCompletionProposalForm::ScrollBarEnter(TObject*)
{
    // The keys that filter and move the list go to the form, not to the bar.
    SetActiveControl(nullptr);
}

void TSynBaseCompletionProposalForm::SnapSize(WPARAM Edge, TRect& R)
{
    // The rows are counted inside the frames, so that a height snapped once
    // stays as it is on the next step of the drag.
    const int frames = 2 * GetSystemMetrics(SM_CYFRAME);
    const int rows = std::max((R.Height() - TitleHeight() - frames) / std::max(itemHeight_, 1), 1);
    SetNbLinesInWindow(rows);
    const int height = itemHeight_ * rows + TitleHeight() + frames;
    if (Edge == WMSZ_TOP || Edge == WMSZ_TOPLEFT || Edge == WMSZ_TOPRIGHT)
        R.Top = R.Bottom - height;
    else
        R.Bottom = R.Top + height;
    const int width = scrollBar_->Width() + 2 * GetSystemMetrics(SM_CXFRAME);
    if (R.Width() >= width)
        return;
    if (Edge == WMSZ_LEFT || Edge == WMSZ_TOPLEFT || Edge == WMSZ_BOTTOMLEFT)
        R.Left = R.Right - width;
    else
        R.Right = R.Left + width;
}
