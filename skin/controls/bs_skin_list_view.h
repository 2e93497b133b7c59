// TbsSkinCustomListView and TbsSkinListView: the platform list view on a
// skinned form. Colours and font come from the skin's "listview"
// description; the column header window ("SysHeader32") is taken over and
// painted with the skin's button pieces; with DrawSkin the items are drawn
// from the skin, with DrawSkinLines the report's grid in a colour derived
// from it; the window's own scroll bars give way to two external skinned
// scroll bars kept in step with the view in each view style.
#pragma once

#include <memory>

#include "platform/ui/graphics/font.h"
#include "platform/ui/itemviews/list_view.h"
#include "platform/win/win_types.h"
#include "skin/controls/bs_description_index.h"
#include "skin/controls/bs_skin_scroll_bar.h"
#include "skin/controls/bs_view_scroll_bars.h"

class TbsSkinData;
class TbsDataSkinButtonControl;
class TbsDataSkinListBox;

// Draws a sub-item of a selected report row on ACanvas within ADrawRect,
// in place of its default image and caption.
using TbsDrawSkinSubItemEvent = TEvent<void(TCustomListView* Sender, TListItem* Item, int SubItemIndex,
                                            TCustomDrawState State, TCanvas* ACanvas, const TRect& ADrawRect)>;

class TbsSkinCustomListView : public TCustomListView {
public:
    explicit TbsSkinCustomListView(TComponent* AOwner);
    ~TbsSkinCustomListView() override;

    TbsSkinData* SkinData() const { return skinData_; }
    // Unless Value is nil or empty, or the view is designed: ChangeSkinData.
    void SetSkinData(TbsSkinData* Value);
    AnsiString SkinDataName = "listview";
    // The button description the header's sections are drawn with.
    AnsiString HeaderSkinDataName = "resizetoolbutton";
    // The selected items' description while DrawSkin is on.
    AnsiString ItemSkinDataName = "listbox";
    // The check boxes' description while DrawSkin and Checkboxes are on.
    AnsiString CheckSkinDataName = "checkbox";
    // "Arial", height 14; the view's font while no description is in use.
    TFont* DefaultFont() const { return defaultFont_.get(); }
    void SetDefaultFont(TFont* Value);
    // clWindow; the view's colour while no description is in use.
    TColor DefaultColor() const { return defaultColor_; }
    void SetDefaultColor(TColor Value);
    bool UseSkinFont = true;
    // The view draws its items from the skin (outside design time).
    bool DrawSkin() const { return drawSkin_; }
    virtual void SetDrawSkin(bool Value);
    // The report's grid lines in SkinLineColor, drawn by the view.
    bool DrawSkinLines() const { return drawSkinLines_; }
    void SetDrawSkinLines(bool Value);
    TbsDrawSkinSubItemEvent OnDrawSkinSubItem;

    // The external bars; not owned. Setting one hides it until the content
    // asks for it and makes the view the owner of its OnChange.
    TbsSkinScrollBar* VScrollBar() const { return vScrollBar_; }
    void SetVScrollBar(TbsSkinScrollBar* Value);
    TbsSkinScrollBar* HScrollBar() const { return hScrollBar_; }
    void SetHScrollBar(TbsSkinScrollBar* Value);

    // Reads the description again and takes its colours and font; the
    // skin-change walks call it.
    virtual void ChangeSkinData();
    // Shows, hides and sets the bars from the view's scroll information.
    void UpdateScrollBars();

    // The description in use, -1 for none.
    int SkinIndex() const { return skinIndex_.Get(skinData_); }
    // From the skin's font and background colours.
    TColor SkinLineColor() const { return skinLineColor_; }
    // The header window taken over; 0 when none is.
    HWND HeaderWindow() const { return header_; }
    // The section held down, -1 for none; a press on a divider drags it
    // instead of pressing its section.
    int PressedSection() const { return pressedSection_; }
    bool SectionPressed() const { return sectionPressed_; }
    bool DividerDragging() const { return dividerDrag_; }

protected:
    // No platform scroll bars: the external ones stand in for them.
    void CreateParams(TCreateParams& Params) override;
    void WndProc(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Loaded() override;
    void Change(TListItem* Item, TItemChange Change) override;

private:
    bool Designing() const { return ComponentState().Contains(csDesigning); }
    bool Loading() const { return ComponentState().Contains(csLoading); }
    void AfterMessage(TMessage& Message);
    void VScrollChanged(TObject* Sender);
    void HScrollChanged(TObject* Sender);
    // The height of item 0's bounds; 0 without items.
    int ItemHeight();
    void SyncReport();
    void SyncList();
    void SyncIcons();
    // The horizontal bar over the view's pixels across, in the report and
    // the icon styles.
    void SyncPixelsAcross(int SmallChange, int LargeChange);
    void ShowBar(TbsSkinScrollBar* Bar, bool Show);
    void FillBelowHeader();

    // bs_skin_list_view_header.cpp: the header taken over.
    void TakeOverHeader(HWND Header);
    void GiveHeaderBack();
    LRESULT HeaderWndProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);
    void HeaderMouseDown(LPARAM LParam);
    void RedrawHeader();
    // Paints the header into DC, or between BeginPaint and EndPaint when 0.
    void PaintHeader(HDC DC);
    void PaintSection(TCanvas* Canvas, int Index, const TRect& R, bool Pressed, TbsDataSkinButtonControl* Skin);
    TbsDataSkinButtonControl* HeaderSkin() const;

    // bs_skin_list_view_paint.cpp: the skinned items.
    void CustomDrawItem(TObject* Sender, TListItem* Item, TCustomDrawState State, bool& DefaultDraw);
    void DrawItemText(TCanvas* Canvas, TListItem* Item, const TRect& Bounds, const TRect& Label, int DX,
                      TCustomDrawState State, bool Selected);
    void DrawSelectedItem(TCanvas* Canvas, TListItem* Item, TbsDataSkinListBox* Skin, TCustomDrawState State);
    void DrawItemImages(TCanvas* Canvas, TListItem* Item);
    void DrawSkinLines(TCanvas* Canvas, TListItem* Item);

    TbsSkinData* skinData_ = nullptr;
    TbsDescriptionIndex skinIndex_;
    std::unique_ptr<TFont> defaultFont_;
    TColor defaultColor_ = clWindow;
    bool drawSkin_ = false;
    bool drawSkinLines_ = false;
    TbsSkinScrollBar* vScrollBar_ = nullptr;
    TbsSkinScrollBar* hScrollBar_ = nullptr;
    TColor skinLineColor_ = clGray;
    // The header window whose procedure is HeaderWndProc, and the one it
    // replaced; 0 and empty while none is taken over.
    HWND header_ = nullptr;
    WNDPROC headerOldProc_;
    int pressedSection_ = -1;
    bool sectionPressed_ = false;
    bool dividerDrag_ = false;
    // The bar positions last passed to or taken from the view.
    int lastVPosition_ = 0;
    int lastHPosition_ = 0;
    // On while the bars are being set: what that sends the view changes nothing.
    bool inUpdate_ = false;
    // On while a bar scrolls the view: the view's answers do not move the bars.
    bool inScroll_ = false;
};

class TbsSkinListView : public TbsSkinCustomListView {
public:
    using TbsSkinCustomListView::TbsSkinCustomListView;
};
