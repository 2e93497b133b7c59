// TbsSkinCustomTreeView and TbsSkinTreeView: the platform tree view on a
// skinned form. Colours and font come from the skin's "treeview"
// description; with DrawSkin the lines, the expand buttons and the selected
// node are drawn from the skin; the window's own scroll bars give way to
// two external skinned scroll bars that the view keeps in step with its
// scroll information, both ways.
#pragma once

#include <memory>

#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/font.h"
#include "platform/ui/itemviews/tree_view.h"
#include "skin/controls/bs_description_index.h"
#include "skin/controls/bs_skin_scroll_bar.h"
#include "skin/controls/bs_view_scroll_bars.h"

class TbsSkinData;

// The opacity of pixel Pixel (from 0) of a fading line Length pixels long:
// opaque over the first half, then falling by round(255 / half) a pixel,
// never below 0. A line shorter than 2 pixels has no half to fade over and
// stays opaque.
int FadingLineAlpha(int Length, int Pixel);

class TbsSkinCustomTreeView : public TCustomTreeView {
public:
    explicit TbsSkinCustomTreeView(TComponent* AOwner);
    ~TbsSkinCustomTreeView() override;

    TbsSkinData* SkinData() const { return skinData_; }
    // Unless Value is nil or empty, or the view is designed: ChangeSkinData.
    void SetSkinData(TbsSkinData* Value);
    // "treeview": the description of colours, font and expand images.
    AnsiString SkinDataName = "treeview";
    // "Arial", height 14; the view's font while no description is in use.
    TFont* DefaultFont() const { return defaultFont_.get(); }
    void SetDefaultFont(TFont* Value);
    // clWindow; the view's colour while no description is in use.
    TColor DefaultColor() const { return defaultColor_; }
    void SetDefaultColor(TColor Value);
    // Font name, style and height from the description.
    bool UseSkinFont = true;
    // The view draws its nodes from the skin (outside design time).
    bool DrawSkin() const { return drawSkin_; }
    virtual void SetDrawSkin(bool Value);
    // The description of the selected node's image while DrawSkin is on.
    AnsiString ItemSkinDataName = "listbox";
    AnsiString CheckSkinDataName = "checkbox";
    // Expand buttons from this list instead of the skin; not owned.
    TCustomImageList* ButtonImageList() const { return buttonImageList_; }
    void SetButtonImageList(TCustomImageList* Value);
    int ButtonExpandImageIndex = 1;
    int ButtonNoExpandImageIndex = 0;

    // The external bars; not owned. Setting one hides it until the content
    // asks for it and makes the view the owner of its OnChange.
    TbsSkinScrollBar* VScrollBar() const { return vScrollBar_; }
    void SetVScrollBar(TbsSkinScrollBar* Value);
    TbsSkinScrollBar* HScrollBar() const { return hScrollBar_; }
    void SetHScrollBar(TbsSkinScrollBar* Value);

    // Reads the description again and takes its colours, font and expand
    // images; the skin-change walks call it.
    virtual void ChangeSkinData();
    // Shows, hides and sets the bars from the view's scroll information.
    void UpdateScrollBars();

    // The description in use, -1 for none.
    int SkinIndex() const { return skinIndex_.Get(skinData_); }
    // clGray without a skin; from the skin's font and background colours.
    TColor LineColor() const { return lineColor_; }
    TColor ButtonColor() const { return buttonColor_; }
    // Half the side of an expand button as DrawSkin draws it.
    int ButtonHalfSize() const;
    // The expand images taken from the skin; empty when it has none.
    const TBitmap* ExpandImage() const { return &expandImage_; }
    const TBitmap* NoExpandImage() const { return &noExpandImage_; }

protected:
    // No platform scroll bars: the external ones stand in for them.
    void CreateParams(TCreateParams& Params) override;
    void WndProc(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Loaded() override;
    void Change(TTreeNode* Node) override;

private:
    bool Designing() const { return ComponentState().Contains(csDesigning); }
    bool Loading() const { return ComponentState().Contains(csLoading); }
    void TakeSkinDescription();
    void TakeExpandImages(int PictureIndex, const TRect& Expand, const TRect& NoExpand);
    void VScrollChanged(TObject* Sender);
    void HScrollChanged(TObject* Sender);
    void SyncVertical();
    void SyncHorizontal();

    // bs_skin_tree_view_paint.cpp: the skinned item drawing.
    void AdvancedDrawItem(TObject* Sender, TTreeNode* Node, TCustomDrawState State, TCustomDrawStage Stage,
                          bool& PaintImages, bool& DefaultDraw);
    void DrawLinesAndButton(TCanvas* Canvas, TTreeNode* Node, int X, const TRect& Row);
    void DrawButton(TCanvas* Canvas, TTreeNode* Node, int LineX, int CentreY);
    void DrawSelectedText(TCanvas* Canvas, TTreeNode* Node, const TRect& Text);

    TbsSkinData* skinData_ = nullptr;
    TbsDescriptionIndex skinIndex_;
    std::unique_ptr<TFont> defaultFont_;
    TColor defaultColor_ = clWindow;
    bool drawSkin_ = false;
    TCustomImageList* buttonImageList_ = nullptr;
    TbsSkinScrollBar* vScrollBar_ = nullptr;
    TbsSkinScrollBar* hScrollBar_ = nullptr;
    TColor lineColor_ = clGray;
    TColor buttonColor_ = clGray;
    // Both empty, or both square images of the skin's expand rectangles.
    TBitmap expandImage_;
    TBitmap noExpandImage_;
    // On while the bars are being set: what that sends the view changes nothing.
    bool inUpdate_ = false;
};

class TbsSkinTreeView : public TbsSkinCustomTreeView {
public:
    using TbsSkinCustomTreeView::TbsSkinCustomTreeView;
};
