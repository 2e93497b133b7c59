// TCustomTabControl and TTabControl: the class library's tab controls, a
// wrapped "SysTabControl32" window whose tabs are the Tabs list. TabIndex
// counts tabs; a change the user makes is offered to OnChanging first.
#pragma once

#include <memory>

#include "platform/ui/kernel/win_control.h"

class TCustomImageList;
class TStringList;

enum TTabPosition { tpTop, tpBottom, tpLeft, tpRight };
enum TTabStyle { tsTabs, tsButtons, tsFlatButtons };

using TTabChangingEvent = TEvent<void(TObject* Sender, bool& AllowChange)>;

class TCustomTabControl : public TWinControl {
public:
    explicit TCustomTabControl(TComponent* AOwner);
    ~TCustomTabControl() override;

    // The index of the selected tab, -1 for none. Setting it sends no
    // OnChanging or OnChange.
    int TabIndex() const;
    void SetTabIndex(int Value);
    // The tab under the client point, -1 for none.
    int IndexOfTabAt(int X, int Y);
    // The area inside the page frame, where pages and controls go.
    TRect DisplayRect();
    // How many rows of tabs show now.
    int RowCount();

    TTabPosition TabPosition() const { return tabPosition_; }
    void SetTabPosition(TTabPosition Value);
    bool MultiLine() const { return multiLine_; }
    void SetMultiLine(bool Value);
    TTabStyle Style() const { return style_; }
    void SetStyle(TTabStyle Value);
    bool HotTrack() const { return hotTrack_; }
    void SetHotTrack(bool Value);
    // 0 measures each tab by its caption and image.
    int TabWidth() const { return tabWidth_; }
    void SetTabWidth(int Value);
    int TabHeight() const { return tabHeight_; }
    void SetTabHeight(int Value);
    TCustomImageList* Images() const { return images_; }
    void SetImages(TCustomImageList* Value);

    TNotifyEvent OnChange;
    TTabChangingEvent OnChanging;

protected:
    // The captions, one per tab; Objects is free for the descendants.
    TStringList* Tabs() const { return tabs_.get(); }
    // The image of tab Index; the base answers the index itself.
    virtual int GetImageIndex(int TabIndex) { return TabIndex; }
    virtual bool CanChange();
    virtual void Change();
    // Puts Tabs and their images into the window again.
    void UpdateTabs();

    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void Dispatch(TMessage& Message) override;
    void AdjustClientRect(TRect& Rect) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void TabsChanged(TObject* Sender);
    void SendItemSize();

    std::unique_ptr<TStringList> tabs_;
    mutable int tabIndex_ = -1;  // the window's selection once it has one
    TTabPosition tabPosition_ = tpTop;
    bool multiLine_ = false;
    TTabStyle style_ = tsTabs;
    bool hotTrack_ = false;
    int tabWidth_ = 0;
    int tabHeight_ = 0;
    TCustomImageList* images_ = nullptr;
};

class TTabControl : public TCustomTabControl {
public:
    explicit TTabControl(TComponent* AOwner);
    using TCustomTabControl::Tabs;
};
