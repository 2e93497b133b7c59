// TTabSheet: a page's place among the pages and the tabs; every change
// that moves, hides or renames its tab goes to the page control.
#include "platform/ui/widgets/tab_sheet.h"

#include <algorithm>

#include "platform/ui/kernel/controls_messages.h"
#include "platform/ui/widgets/page_control.h"

TTabSheet::TTabSheet(TComponent* AOwner) : TWinControl(AOwner)
{
    SetControlStyle(TControlStyle(ControlStyle()).Include(csAcceptsControls));
    SetAlign(alClient);
    SetVisible(false);
}

TTabSheet::~TTabSheet()
{
    if (pageControl_)
        pageControl_->RemovePage(this);
}

void TTabSheet::SetPageControl(TPageControl* Value)
{
    if (pageControl_ == Value)
        return;
    if (pageControl_)
        pageControl_->RemovePage(this);
    SetParent(Value);
    if (Value)
        Value->InsertPage(this);
}

int TTabSheet::PageIndex() const
{
    if (!pageControl_)
        return -1;
    const auto& pages = pageControl_->pages_;
    return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetPageIndex(int Value)
{
    if (pageControl_)
        pageControl_->MovePage(this, Value);
}

void TTabSheet::SetTabVisible(bool Value)
{
    if (tabVisible_ == Value)
        return;
    tabVisible_ = Value;
    if (pageControl_)
        pageControl_->PagesChanged();
}

int TTabSheet::TabIndex() const
{
    if (!pageControl_ || !tabVisible_)
        return -1;
    int index = 0;
    for (TTabSheet* page : pageControl_->pages_) {
        if (page == this)
            return index;
        if (page->tabVisible_)
            ++index;
    }
    return -1;
}

void TTabSheet::SetImageIndex(int Value)
{
    if (imageIndex_ == Value)
        return;
    imageIndex_ = Value;
    if (pageControl_)
        pageControl_->PagesChanged();
}

void TTabSheet::Dispatch(TMessage& Message)
{
    TAlive alive(this);
    TWinControl::Dispatch(Message);
    if (alive && Message.Msg == CM_TEXTCHANGED && pageControl_)
        pageControl_->PagesChanged();
}
