// TPageControl: a tab control whose tabs are the captions of its
// TTabSheet pages, showing the active page inside the page frame.
// ActivePageIndex counts all pages; TabIndex counts the tabs shown, which
// leave out the pages whose TabVisible is off. Ctrl+Tab and Ctrl+Shift+Tab
// anywhere inside move to the next and previous page with a tab.
#pragma once

#include <vector>

#include "platform/ui/widgets/tab_control.h"

class TTabSheet;

class TPageControl : public TCustomTabControl {
public:
    explicit TPageControl(TComponent* AOwner);
    ~TPageControl() override;

    int PageCount() const { return static_cast<int>(pages_.size()); }
    TTabSheet* Pages(int Index) const { return pages_.at(static_cast<size_t>(Index)); }
    // Showing a page sends no OnChanging or OnChange.
    TTabSheet* ActivePage() const { return activePage_; }
    void SetActivePage(TTabSheet* Page);
    int ActivePageIndex() const;
    void SetActivePageIndex(int Value);
    // The page after (or before) CurPage, round the end, skipping pages
    // without a tab when CheckTabVisible; null when there is none.
    TTabSheet* FindNextPage(TTabSheet* CurPage, bool GoForward, bool CheckTabVisible) const;
    // Moves to that page as a click on its tab would: OnChanging may
    // refuse, OnChange follows.
    void SelectNextPage(bool GoForward, bool CheckTabVisible = true);

protected:
    int GetImageIndex(int TabIndex) override;
    void Change() override;
    void Dispatch(TMessage& Message) override;

private:
    friend class TTabSheet;

    void InsertPage(TTabSheet* Page);
    void RemovePage(TTabSheet* Page);
    void MovePage(TTabSheet* Page, int Index);
    // Tabs from the pages again, with the active page's tab selected.
    void PagesChanged();
    void ShowActivePage();
    TTabSheet* PageOfTab(int TabIndex) const;

    std::vector<TTabSheet*> pages_;  // in PageIndex order; each one's PageControl is this
    TTabSheet* activePage_ = nullptr;  // null or one of pages_
};
