// TbsSkinCustomEdit and TbsSkinEdit: the edit box with a skinned frame in
// its non-client area ("edit", or "buttonedit" with a push button at its
// right end), an optional edit button and left and right image buttons, a
// hover look that follows the mouse, and the skin's font and height.
// Without a skin, or without the description, it draws a plain two-pixel
// frame in DefaultColor and takes DefaultFont.
#pragma once

#include <memory>

#include "platform/base/alignment.h"
#include "platform/ui/graphics/font.h"
#include "platform/ui/graphics/image_list.h"
#include "skin/controls/bs_custom_edit.h"
#include "skin/controls/bs_description_index.h"
#include "skin/controls/bs_skin_data_ref.h"

class TCanvas;

// What the box copies out of its "edit" description.
struct TbsEditSkin {
    TBitmap* Picture = nullptr;  // nil when the description names none
    TRect SkinRect;
    TRect ActiveSkinRect;  // SkinRect when the skin gives none
    TRect ClientRect;      // in SkinRect's coordinates
    int LeftTopX = 0;      // x of "lefttoppoint" and "righttoppoint"
    int RightTopX = 0;
    int LOffset = 0;  // the kept left and right parts of the frame
    int ROffset = 0;
    AnsiString FontName;
    TFontStyles FontStyle;
    int FontHeight = 0;
    TColor FontColor = clBlack;
    TColor DisabledFontColor = clBlack;
    TColor ActiveFontColor = clBlack;
    TRect ButtonRect;  // the button's place in SkinRect
    TRect ActiveButtonRect;
    TRect DownButtonRect;
    TRect UnEnabledButtonRect;
    bool StretchEffect = false;
};

// The hit codes of the buttons and of the frame around the text.
inline constexpr LRESULT kEditButtonHit = 6;
inline constexpr LRESULT kEditFrameHit = 7;
inline constexpr LRESULT kEditLeftImageHit = 104;
inline constexpr LRESULT kEditRightImageHit = 105;
// Timer 1 polls whether the mouse has left.
inline constexpr UINT_PTR kEditHoverTimer = 1;
inline constexpr UINT kEditHoverInterval = 100;

class TbsSkinCustomEdit : public TbsCustomEdit {
public:
    explicit TbsSkinCustomEdit(TComponent* AOwner);
    ~TbsSkinCustomEdit() override;

    TbsSkinData* SkinData() const { return skinData_.Get(); }
    // Stores; ChangeSkinData unless Value is nil or empty or designed.
    virtual void SetSkinData(TbsSkinData* Value);
    const AnsiString& SkinDataName() const { return skinDataName_; }
    void SetSkinDataName(const AnsiString& Value) { skinDataName_ = Value; }
    TColor DefaultColor() const { return defaultColor_; }
    void SetDefaultColor(TColor Value);
    TFont* DefaultFont() const { return defaultFont_.get(); }
    void SetDefaultFont(TFont* Value) { defaultFont_->Assign(Value); }
    // Take the font and the height from the skin.
    bool UseSkinFont = true;
    int DefaultWidth() const { return defaultWidth_; }
    void SetDefaultWidth(int Value);
    int DefaultHeight() const { return defaultHeight_; }
    void SetDefaultHeight(int Value);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment Value);
    // A push button at the right end ("buttonedit").
    bool ButtonMode() const { return buttonMode_; }
    void SetButtonMode(bool Value);
    TCustomImageList* Images() const { return images_; }
    void SetImages(TCustomImageList* Value);
    int ButtonImageIndex() const { return buttonImageIndex_; }
    void SetButtonImageIndex(int Value);
    int LeftImageIndex() const { return leftImageIndex_; }
    void SetLeftImageIndex(int Value);
    int RightImageIndex() const { return rightImageIndex_; }
    void SetRightImageIndex(int Value);
    int LeftImageHotIndex = -1;
    int LeftImageDownIndex = -1;
    int RightImageHotIndex = -1;
    int RightImageDownIndex = -1;

    TNotifyEvent OnButtonClick;
    TNotifyEvent OnLeftButtonClick;
    TNotifyEvent OnRightButtonClick;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

    // Re-reads the description and takes its font, height and frame.
    virtual void ChangeSkinData();
    // The description's place in SkinData; -1 for the plain look.
    int SkinIndex() const { return skinIndex_.Get(skinData_.Get()); }
    bool MouseIn() const { return mouseIn_; }
    // Window coordinates, as the last layout left them.
    TRect ButtonRect() const { return buttonRect_; }
    TRect TextRect() const { return textRect_; }
    // The text height of Font plus the frame (see the .cpp).
    int CalcEditHeight();

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

protected:
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void CreateParams(TCreateParams& Params) override;
    void Dispatch(TMessage& Message) override;
    TPoint BufferedSize() override { return TPoint{ClientWidth(), ClientHeight()}; }

private:
    bool Skinned() const { return SkinIndex() != -1; }
    bool Designing() const { return ComponentState().Contains(csDesigning); }
    void GetSkinData();
    void DefaultFontChanged(TObject* Sender);
    void CalcRects();
    // The image rectangles; with SetTextRect the edit window's text is kept
    // out of them (EM_SETRECTNP).
    void CalcImageRects(bool SetTextRect);
    void RedrawFrame();
    void TakeFontColour();
    bool FocusMessage(TMessage& Message);
    bool FrameMessage(TMessage& Message);

    // bs_skin_edit_mouse.cpp.
    bool MouseMessage(TMessage& Message);
    LRESULT HitTest(TMessage& Message);
    void MouseEnter();
    void MouseLeave();
    bool HasHoverLook() const;
    bool NcButtonDown(WPARAM Hit);
    bool NcButtonUp(WPARAM Hit);

    // bs_skin_edit_paint.cpp.
    void PaintNonClient(HDC DC, bool ExcludeText);
    void PaintFrameSkin(TCanvas* Canvas);       // painter A
    void PaintFrameUseSkinFont(TCanvas* Canvas);  // painter B
    void PaintSkinButton(TBitmap* Frame);
    void PaintButtonImage(TCanvas* Canvas);
    void PaintClientBackground(TCanvas* Canvas);
    void PaintImageButtons(TCanvas* Canvas);
    void PaintDisabled(HDC DC);
    bool ActiveLook() const { return mouseIn_ || Focused(); }

    TbsSkinDataRef skinData_;
    AnsiString skinDataName_ = "edit";
    TbsDescriptionIndex skinIndex_;
    TbsEditSkin skin_;
    TColor defaultColor_ = clWindow;
    std::unique_ptr<TFont> defaultFont_;
    int defaultWidth_ = 0;
    int defaultHeight_ = 0;
    TAlignment alignment_ = taLeftJustify;
    bool buttonMode_ = false;
    TCustomImageList* images_ = nullptr;  // free-notified
    int buttonImageIndex_ = -1;
    int leftImageIndex_ = -1;
    int rightImageIndex_ = -1;

    bool mouseIn_ = false;
    bool buttonDown_ = false;  // drawn down only while also hot
    bool buttonHot_ = false;
    bool leftDown_ = false;
    bool leftHot_ = false;
    bool rightDown_ = false;
    bool rightHot_ = false;
    TRect leftImageRect_;   // client coordinates
    TRect rightImageRect_;
    TRect buttonRect_;  // window coordinates
    TRect textRect_;
};

class TbsSkinEdit : public TbsSkinCustomEdit {
public:
    using TbsSkinCustomEdit::TbsSkinCustomEdit;
};
