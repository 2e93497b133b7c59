// TbsSkinPageControl: the page control with skin-drawn tabs and page
// frame, close buttons on the tabs, a skinned tab scroller and mouse-wheel
// paging. The native tab control keeps the layout, the hit testing and the
// selection; this control paints over it, moves its rectangles to the
// skin's page frame and puts a TbsSkinUpDown in place of its scroller. It
// follows the skin protocol of the skinned controls with fields of its
// own: the description is a "tab" one, looked up again at every paint.
#pragma once

#include <memory>

#include "platform/base/event.h"
#include "platform/ui/graphics/font.h"
#include "platform/ui/graphics/image_list.h"
#include "platform/ui/widgets/page_control.h"
#include "skin/controls/bs_button_face.h"
#include "skin/controls/bs_description_index.h"
#include "skin/data/bs_skin_controls_tabs.h"

class TbsSkinData;
class TbsSkinUpDown;
class TbsSkinCustomTabSheet;

// Asked before a page is closed by its close button; Sender is the page.
using TbsCloseEvent = TEvent<void(TObject* Sender, bool& CanClose)>;
// Draws a tab's image and caption instead of the control: page index, the
// tab bitmap's rectangle, active, hot, the tab bitmap's canvas.
using TbsDrawSkinTabEvent = TEvent<void(int TabIndex, const TRect& Rect, bool Active, bool MouseIn, TCanvas* Canvas)>;

// What the control copied from its tab description, with the empty state
// rectangles resolved; Picture and BgPicture are pictures of the skin
// data (not owned), nullptr for none.
struct TbsTabSkin : TbsTabControlFields {
    TRect SkinRect;
    TBitmap* Picture = nullptr;
    TBitmap* BgPicture = nullptr;
};

class TbsSkinPageControl : public TPageControl {
public:
    explicit TbsSkinPageControl(TComponent* AOwner);
    ~TbsSkinPageControl() override;

    TbsSkinData* SkinData() const { return skinData_; }
    // Stores the reference; ChangeSkinData unless nil, empty or designing.
    void SetSkinData(TbsSkinData* Value);
    const AnsiString& SkinDataName() const { return skinDataName_; }
    void SetSkinDataName(const AnsiString& Value) { skinDataName_ = Value; }
    // The button description of the faces of the button tab styles.
    AnsiString ButtonTabSkinDataName = "resizetoolbutton";
    // The font without a skin, or with UseSkinFont off. Owned; a set
    // assigns.
    TFont* DefaultFont() const { return defaultFont_.get(); }
    void SetDefaultFont(TFont* Value) { defaultFont_->Assign(Value); }
    bool UseSkinFont = true;
    // The tab height without a skin, and the tab scroller's size.
    int DefaultItemHeight() const { return defaultItemHeight_; }
    void SetDefaultItemHeight(int Value);
    // The tab images (each page's ImageIndex). Not the native control's
    // image list, which only reserves room in the tabs.
    TCustomImageList* Images() const { return images_; }
    void SetImages(TCustomImageList* Value);
    TbsButtonLayout TabLayout() const { return tabLayout_; }
    void SetTabLayout(TbsButtonLayout Value);
    int TabSpacing() const { return tabSpacing_; }
    void SetTabSpacing(int Value);
    // Values below -1 are refused.
    int TabMargin() const { return tabMargin_; }
    void SetTabMargin(int Value);
    bool TabExtededDraw() const { return tabExtededDraw_; }
    void SetTabExtededDraw(bool Value);
    // Side tabs keep their captions horizontal.
    bool TextInHorizontal() const { return textInHorizontal_; }
    void SetTextInHorizontal(bool Value);
    // Refused while TabWidth is 0; set, it puts the tabs on top in one
    // row over the parent's image.
    bool TabsInCenter() const { return tabsInCenter_; }
    void SetTabsInCenter(bool Value);
    int TabsOffset() const { return tabsOffset_; }
    void SetTabsOffset(int Value);
    bool TabsBGTransparent() const { return tabsBGTransparent_; }
    void SetTabsBGTransparent(bool Value);
    bool ShowCloseButtons() const { return showCloseButtons_; }
    void SetShowCloseButtons(bool Value);
    // A page closed by its close button is freed, not only hidden.
    bool FreeOnClose = false;
    // The wheel moves to the nearest earlier or later page with a tab.
    bool MouseWheelSupport = false;
    // The native width of every tab (0: measured); the height stays the
    // skin's.
    void SetTabWidth(int Value);

    TbsCloseEvent OnClose;
    TNotifyEvent OnAfterClose;
    TbsDrawSkinTabEvent OnDrawSkinTab;

    // The position of the tab description in SkinData, -1 for none (the
    // plain look).
    int DescriptionIndex() const { return descriptionIndex_.Get(skinData_); }
    // Looks the description up and copies it.
    void GetSkinData();
    // After a skin change: font, tab height, the scroller made anew, all
    // repainted.
    void ChangeSkinData();
    // What GetSkinData copied; meaningful while DescriptionIndex is not -1.
    const TbsTabSkin& TabSkin() const { return skin_; }
    // 14 without a skin or a "closebuttonrect", else that rectangle's width.
    int CloseButtonSize() const;
    // The visible index of the tab under the mouse, -1 for none.
    int HotTab() const { return hotTab_; }
    // There only while tabs are out of view in a single row.
    TbsSkinUpDown* TabScroller() const { return upDown_; }
    // The shift of the row of tabs when centred or offset (else 0).
    int TabsOffsetValue();
    // The area the page frame covers: the display rectangle grown by the
    // skin's frame margins (the display rectangle without a skin).
    TRect PageArea();

protected:
    int GetImageIndex(int TabIndex) override;
    void Change() override;
    void CreateWnd() override;
    void WndProc(TMessage& Message) override;
    void Dispatch(TMessage& Message) override;
    void PaintWindow(HDC DC) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    friend class TbsSkinCustomTabSheet;

    bool Skinned() const { return DescriptionIndex() != -1; }
    // Picture Index of the skin data; nullptr for -1 or an index past the
    // list.
    TBitmap* SkinPicture(int Index) const;
    bool Shifted() const { return tabsInCenter_ || tabsOffset_ >= 1; }
    bool Designing() const { return ComponentState().Contains(csDesigning); }
    TbsSkinCustomTabSheet* PageOfVisibleTab(int TabIndex) const;
    TRect TabRect(int TabIndex);
    int VisibleTabCount() const;
    void SendTabHeight();
    void ResizeRoomList();
    void AdjustRect(TRect& R);
    void CorrectItemRect(TRect& R);

    // Mouse.
    void TestActive(int X, int Y);
    bool OverCloseButton(int X, int Y);
    void ClosePage(TbsSkinCustomTabSheet* Page);
    void Wheel(int Delta);

    // The tab scroller.
    int TabsOutOfView(bool LeftOnly);
    void ReplaceUpDown();
    void UpDownChange(TObject* Sender);
    void SyncScrollerPosition();

    // Painting (bs_skin_page_control_paint.cpp).
    void PaintPageFrame(TCanvas* Canvas);
    TRect ActiveTabRect();
    void DrawTabs(TCanvas* Canvas);
    // Draws the tab of page PageIndex at R of Canvas, whose origin lies at
    // Origin in the control.
    void DrawTab(int PageIndex, TRect R, bool Active, bool Hot, TCanvas* Canvas, TPoint Origin);
    void DrawPlainTabFace(TBitmap* B, bool Active, bool Hot, bool Focused);
    void DrawButtonTabFace(TBitmap* B, bool Active, bool Hot);
    void DrawTabFace(TBitmap* B, bool Active, bool Hot, bool Focused, bool AtLeftEdge);
    void SetTabFont(TCanvas* Canvas, bool Active, bool Hot, bool Focused);
    void DrawTabContent(int PageIndex, TBitmap* B, TRect& BR, bool Active, bool Hot, int ImageOffset, int CW);
    // Answers where it drew the button in B.
    TRect DrawCloseButton(TbsSkinCustomTabSheet* Page, TCanvas* Canvas, const TRect& A);
    void PaintBackground(TCanvas* Canvas, const TRect& Area, int FullWidth, int FullHeight);

    TbsSkinData* skinData_ = nullptr;
    AnsiString skinDataName_ = "tab";
    TbsDescriptionIndex descriptionIndex_;
    TbsTabSkin skin_;
    std::unique_ptr<TFont> defaultFont_;
    // Reserves room for the image and the close button in the native
    // layout: 1 x 1 grown by the width (side tabs: height) of Images and
    // by the close button.
    std::unique_ptr<TCustomImageList> roomList_;
    int defaultItemHeight_ = 20;
    TCustomImageList* images_ = nullptr;
    TbsButtonLayout tabLayout_ = blGlyphLeft;
    int tabSpacing_ = 1;
    int tabMargin_ = -1;
    bool tabExtededDraw_ = false;
    bool textInHorizontal_ = false;
    bool tabsInCenter_ = false;
    int tabsOffset_ = 0;
    bool tabsBGTransparent_ = false;
    bool showCloseButtons_ = false;

    int hotTab_ = -1;   // visible index of the tab under the mouse
    int hotPage_ = -1;  // page index of that tab
    // The page whose close button the left button went down on; closed on
    // release over that button, whichever page is active by then.
    TbsSkinCustomTabSheet* pressedPage_ = nullptr;
    TbsSkinUpDown* upDown_ = nullptr;  // owned by this control as a component
    bool recountPosted_ = false;       // a recount of the scroller waits in the queue
};
