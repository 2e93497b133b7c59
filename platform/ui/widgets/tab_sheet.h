// TTabSheet: one page of a page control. Its PageIndex counts all pages;
// its TabIndex counts only the pages whose tabs show.
#pragma once

#include "platform/ui/kernel/win_control.h"

class TPageControl;

class TTabSheet : public TWinControl {
public:
    explicit TTabSheet(TComponent* AOwner);
    ~TTabSheet() override;

    TPageControl* PageControl() const { return pageControl_; }
    // Moves the sheet to the end of Value's pages (out of any when null).
    void SetPageControl(TPageControl* Value);
    // The place among all pages of the page control, -1 without one.
    int PageIndex() const;
    void SetPageIndex(int Value);
    // Without its tab the page keeps its PageIndex and can still be made
    // the active page by the program.
    bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool Value);
    // The place among the tabs shown, -1 while the tab is hidden.
    int TabIndex() const;
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int Value);

protected:
    void Dispatch(TMessage& Message) override;

private:
    friend class TPageControl;

    TPageControl* pageControl_ = nullptr;
    bool tabVisible_ = true;
    int imageIndex_ = -1;
};
