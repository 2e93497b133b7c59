// TPageControl: the pages in order, their tabs kept in step with them, the
// active page shown, and the page changes the user asks for by mouse or
// by Ctrl+Tab.
#include "platform/ui/widgets/page_control.h"

#include <algorithm>

#include "platform/base/string_list.h"
#include "platform/ui/kernel/controls_messages.h"
#include "platform/ui/widgets/tab_sheet.h"
#include "platform/win/focus.h"
#include "platform/win/keyboard.h"
#include "platform/win/virtual_keys.h"

TPageControl::TPageControl(TComponent* AOwner) : TCustomTabControl(AOwner) {}

TPageControl::~TPageControl()
{
    // The pages go with the control's children after this; they must not
    // call back into a page control that is half gone.
    for (TTabSheet* page : pages_)
        page->pageControl_ = nullptr;
}

void TPageControl::InsertPage(TTabSheet* Page)
{
    pages_.push_back(Page);
    Page->pageControl_ = this;
    PagesChanged();
    // The first tab is selected as it comes, and its page with it.
    if (!activePage_ && Page->TabVisible() && Page->TabIndex() == 0)
        SetActivePage(Page);
}

void TPageControl::RemovePage(TTabSheet* Page)
{
    TTabSheet* next = nullptr;
    if (Page == activePage_) {
        next = FindNextPage(Page, true, true);
        if (next == Page)
            next = nullptr;
    }
    pages_.erase(std::remove(pages_.begin(), pages_.end(), Page), pages_.end());
    Page->pageControl_ = nullptr;
    if (Page == activePage_)
        activePage_ = nullptr;
    PagesChanged();
    if (next)
        SetActivePage(next);
}

void TPageControl::MovePage(TTabSheet* Page, int Index)
{
    auto at = std::find(pages_.begin(), pages_.end(), Page);
    if (at == pages_.end())
        return;
    pages_.erase(at);
    Index = std::clamp(Index, 0, static_cast<int>(pages_.size()));
    pages_.insert(pages_.begin() + Index, Page);
    PagesChanged();
}

void TPageControl::PagesChanged()
{
    TStringList* tabs = Tabs();
    tabs->BeginUpdate();
    tabs->Clear();
    for (TTabSheet* page : pages_)
        if (page->TabVisible())
            tabs->AddObject(page->Caption(), page);
    tabs->EndUpdate();
    SetTabIndex(activePage_ ? activePage_->TabIndex() : -1);
}

TTabSheet* TPageControl::PageOfTab(int TabIndex) const
{
    if (TabIndex < 0 || TabIndex >= Tabs()->Count())
        return nullptr;
    return static_cast<TTabSheet*>(Tabs()->Objects(TabIndex));
}

int TPageControl::GetImageIndex(int TabIndex)
{
    TTabSheet* page = PageOfTab(TabIndex);
    return page ? page->ImageIndex() : -1;
}

void TPageControl::SetActivePage(TTabSheet* Page)
{
    if (Page && Page->PageControl() != this)
        return;
    activePage_ = Page;
    ShowActivePage();
}

void TPageControl::ShowActivePage()
{
    // The focus must not stay behind on a page that goes out of sight:
    // it comes to the tabs, where Ctrl+Tab and the arrows go on working.
    TWinControl* focused = FindControl(GetFocus());
    for (TTabSheet* page : pages_)
        if (page != activePage_ && focused && page->ContainsControl(focused) && CanFocus()) {
            SetFocus();
            break;
        }
    if (activePage_) {
        activePage_->BringToFront();
        activePage_->SetVisible(true);
    }
    for (TTabSheet* page : pages_)
        if (page != activePage_)
            page->SetVisible(false);
    SetTabIndex(activePage_ ? activePage_->TabIndex() : -1);
}

int TPageControl::ActivePageIndex() const { return activePage_ ? activePage_->PageIndex() : -1; }

void TPageControl::SetActivePageIndex(int Value)
{
    SetActivePage(Value >= 0 && Value < PageCount() ? Pages(Value) : nullptr);
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* CurPage, bool GoForward, bool CheckTabVisible) const
{
    const int count = PageCount();
    if (count == 0)
        return nullptr;
    auto at = std::find(pages_.begin(), pages_.end(), CurPage);
    int start = at == pages_.end() ? (GoForward ? count - 1 : 0) : static_cast<int>(at - pages_.begin());
    int i = start;
    for (int step = 0; step < count; ++step) {
        i = (i + (GoForward ? 1 : count - 1)) % count;
        TTabSheet* page = pages_[static_cast<size_t>(i)];
        if (!CheckTabVisible || page->TabVisible())
            return page;
    }
    return nullptr;
}

void TPageControl::SelectNextPage(bool GoForward, bool CheckTabVisible)
{
    TTabSheet* page = FindNextPage(activePage_, GoForward, CheckTabVisible);
    if (!page || page == activePage_ || !CanChange())
        return;
    SetActivePage(page);
    TCustomTabControl::Change();
}

void TPageControl::Change()
{
    // The user picked a tab: its page comes up before OnChange runs.
    TTabSheet* page = PageOfTab(TabIndex());
    if (page) {
        activePage_ = page;
        ShowActivePage();
    }
    TCustomTabControl::Change();
}

void TPageControl::Dispatch(TMessage& Message)
{
    if (Message.Msg == CM_CHILDKEY && Message.WParam == VK_TAB && GetKeyState(VK_CONTROL) < 0) {
        SelectNextPage(GetKeyState(VK_SHIFT) >= 0);
        Message.Result = 1;
        return;
    }
    TCustomTabControl::Dispatch(Message);
}
