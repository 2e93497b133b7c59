// TbsSkinExPanel: the expandable panel, a container under a caption bar
// with a close button and a roll button. Rolled, it shrinks to a strip: a
// caption-high strip (rkRollVertical) or a caption-wide one with the
// caption turned to read upwards (rkRollHorizontal); rolled back, it takes
// its remembered size again. A Moveable panel is dragged by its caption, a
// Sizeable one sized by its right and bottom edges. Its look is the skin's
// "expanel" description, or a plain one without it.
#pragma once

#include <memory>
#include <vector>

#include "skin/controls/bs_skin_control.h"
#include "skin/data/bs_skin_controls_panels.h"

class TCustomImageList;

enum TbsExPanelRollKind { rkRollHorizontal, rkRollVertical };

class TbsSkinExPanel : public TbsSkinCustomControl {
public:
    explicit TbsSkinExPanel(TComponent* AOwner);
    ~TbsSkinExPanel() override;

    // The skin's caption and rolled sizes; off, the body comes from the
    // "panel" description and DefaultCaptionHeight sets the caption.
    bool UseSkinSize() const { return useSkinSize_; }
    void SetUseSkinSize(bool Value);
    bool Moveable = false;
    bool Sizeable = false;
    // Not owned; cleared when the list is freed.
    TCustomImageList* CaptionImageList() const { return captionImageList_; }
    void SetCaptionImageList(TCustomImageList* Value);
    int CaptionImageIndex() const { return captionImageIndex_; }
    void SetCaptionImageIndex(int Value);
    // Owned; assigning copies.
    TBitmap* Glyph() const { return glyph_.get(); }
    void SetGlyph(TBitmap* Value);
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int Value);
    int Spacing() const { return spacing_; }
    void SetSpacing(int Value);
    int DefaultCaptionHeight() const { return defaultCaptionHeight_; }
    void SetDefaultCaptionHeight(int Value);
    bool ShowRollButton() const { return showRollButton_; }
    void SetShowRollButton(bool Value);
    bool ShowCloseButton() const { return showCloseButton_; }
    void SetShowCloseButton(bool Value);
    // Takes effect at the next roll: a rolled panel keeps the kind it was
    // rolled by until it is rolled back.
    TbsExPanelRollKind RollKind() const { return rollKind_; }
    void SetRollKind(TbsExPanelRollKind Value);
    bool RollState() const { return rollState_; }
    void SetRollState(bool Value);
    // The size remembered while rolled (horizontally resp. vertically); 0
    // otherwise. Stored forms may give it.
    int RealWidth() const { return realWidth_; }
    void SetRealWidth(int Value) { realWidth_ = Value; }
    int RealHeight() const { return realHeight_; }
    void SetRealHeight(int Value) { realHeight_ = Value; }

    TNotifyEvent OnChangeRollState;
    TNotifyEvent OnClose;

    // Hides the panel, then OnClose.
    void Close();

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void GetSkinData() override;
    void ChangeSkinData() override;

    // The strip's thickness: the width of "rollhskinrect" resp. the height
    // of "rollvskinrect" with a skin and UseSkinSize, else
    // DefaultCaptionHeight.
    int RolledWidth();
    int RolledHeight();

    // Where the caption and the buttons are at the current size and state.
    // Caption is the whole caption area (what a Moveable panel is dragged
    // by); Text what is left of it beside the buttons. A hidden button's
    // rectangle is empty.
    enum { CloseButton = 0, RollButton = 1 };
    struct TLayout {
        TRect Caption;
        TRect Text;
        TRect Buttons[2];
    };
    TLayout Layout();

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void AdjustClientRect(TRect& Rect) override;
    void Paint() override;
    void PaintDefaultImage(TBitmap* Bitmap) override;
    void PaintSkinImage(TBitmap* Bitmap) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void Dispatch(TMessage& Message) override;

private:
    struct TButtonState {
        bool MouseIn = false;
        bool Down = false;
    };

    bool Skinned() { return DescriptionIndex() != -1 && !Designing(); }
    bool SkinSized() { return Skinned() && useSkinSize_; }
    // Rolled by the kind it was rolled with.
    bool RolledHorizontally() const { return rollState_ && rolledKind_ == rkRollHorizontal; }
    bool ButtonShown(int Index) const { return Index == CloseButton ? showCloseButton_ : showRollButton_; }
    TLayout PlainLayout();
    TLayout SkinLayout();
    LRESULT HitTest(TPoint P);

    void TrackButtons(TPoint P);
    void SetHot(int Index);
    void RedrawButton(int Index);
    void ButtonAction(int Index);
    void Roll();
    void Unroll();

    // Painting (bs_skin_ex_panel_paint.cpp).
    void PaintWithPanelBody();
    void DrawCaption(TCanvas* Canvas, const TRect& Text, bool Turned);
    void DrawPlainButtons(TCanvas* Canvas, const TLayout& L, TColor GlyphColor);
    void DrawPlainGlyph(TCanvas* Canvas, int Index, const TRect& R, TColor Color);
    void DrawSkinButtons(TCanvas* Canvas, const TLayout& L);
    void DrawResizeToolButtons(TCanvas* Canvas, const TLayout& L);
    // The picture or glyph before the caption: its size, 0 x 0 without.
    TSize PictureSize();
    void DrawPicture(TCanvas* Canvas, int X, int Y);

    bool useSkinSize_ = true;
    TCustomImageList* captionImageList_ = nullptr;
    int captionImageIndex_ = -1;
    std::unique_ptr<TBitmap> glyph_;
    int numGlyphs_ = 1;
    int spacing_ = 2;
    int defaultCaptionHeight_ = 21;
    bool showRollButton_ = true;
    bool showCloseButton_ = true;
    TbsExPanelRollKind rollKind_ = rkRollVertical;
    TbsExPanelRollKind rolledKind_ = rkRollVertical;  // the kind of the roll in force while rollState_
    bool rollState_ = false;
    bool inRoll_ = false;  // SetRollState is changing the size
    int realWidth_ = 0;
    int realHeight_ = 0;

    TButtonState buttons_[2];
    int hot_ = -1;      // the button under the mouse
    int pressed_ = -1;  // the button held down

    // The constraints a roll cleared, written back by the unroll; only
    // while savedConstraints_.
    bool savedConstraints_ = false;
    int maxWidth_ = 0, minWidth_ = 0, maxHeight_ = 0, minHeight_ = 0;
    // The children the roll hid (visible ones only): the unroll shows these
    // and no others.
    std::vector<TControl*> hiddenByRoll_;

    // The "expanel" values; meaningful while DescriptionIndex() != -1.
    TbsExPanelControlFields skin_{};
};
