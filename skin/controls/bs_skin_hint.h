// TbsSkinHint: the component that puts the skinned hint window in place of
// the application's, and shows a hint of its own after a delay for those
// that ask (the images menu, the form frame's caption objects). The hint
// window draws from the skin's HINTWINDOW section or plainly, may carry a
// bold title and an image beside the text, and may fade in.
#pragma once

#include <memory>

#include "platform/base/component.h"
#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/hint_window.h"

class TCustomImageList;
class TFont;
class TTimer;
class TbsSkinData;
class TbsSkinHint;

class TbsSkinHintWindow : public THintWindow {
public:
    // Hint is the component whose settings the window follows; nullptr:
    // the one in use on the main form.
    TbsSkinHintWindow(TComponent* AOwner, TbsSkinHint* AHint = nullptr);

    // Shows Hint at Rect's top-left, sized to its text, kept on the work
    // area; nothing without a hint component.
    void ActivateHint(const TRect& Rect, const AnsiString& Hint) override;

protected:
    void CreateParams(TCreateParams& Params) override;
    void Paint() override;
    void Dispatch(TMessage& Message) override;

private:
    TbsSkinHint* Component() const;
    bool UseSkin(const TbsSkinHint* Hint) const;
    void SetHintFont(TCanvas* Canvas, bool Skinned) const;
    TSize Measure(bool Skinned);
    TSize FitSkin(int W, int H);
    void PaintBackground(TCanvas* Canvas, bool Skinned);
    void PaintExtended(TCanvas* Canvas, bool Skinned);

    TbsSkinHint* hint_;
    TbsSkinHint* inUse_ = nullptr;  // the component of the hint shown
    TbsSkinData* skinData_ = nullptr;  // nil: the plain look
    bool layered_ = false;
    int alpha_ = -1;  // the alpha last applied
    bool extended_ = false;  // a title or an image beside the text
    // The window's skin geometry at its size.
    TRect clientRect_;
    TPoint lt_, rt_, lb_, rb_;
};

class TbsSkinHint : public TComponent {
public:
    // Puts the skinned hint window in place of the application's.
    explicit TbsSkinHint(TComponent* AOwner);
    // Gives the application its hint window class back, so its hints do
    // not go to a window that finds no hint component.
    ~TbsSkinHint() override;

    // Only one component of the main form is active: activating one
    // deactivates the others.
    bool Active() const { return active_; }
    void SetActive(bool Value);
    TbsSkinData* SkinData() const { return skinData_; }
    void SetSkinData(TbsSkinData* Value);
    bool AlphaBlend = false;
    int AlphaBlendValue = 0;
    bool AlphaBlendAnimation = false;
    TFont* DefaultFont() const { return defaultFont_.get(); }
    void SetDefaultFont(TFont* Value);
    bool UseSkinFont = true;
    // Each one in a hint starts a new line; empty: none.
    AnsiString LineSeparator = "@";
    TShowHintEvent OnShowHint;

    // The title, image list and index of the hint about to show, taken
    // from the hinted skinned control.
    AnsiString HintTitle;
    TCustomImageList* HintImageList() const { return hintImageList_; }
    void SetHintImageList(TCustomImageList* Value);
    int HintImageIndex = -1;

    // Shows Text below the cursor after Application->HintPause, for
    // Application->HintHidePause; a new call replaces a pending one.
    void ActivateHintDelayed(const AnsiString& Text);
    void HideHint();
    TbsSkinHintWindow* HintWindow() const { return window_.get(); }

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void ShowDelayedHint(TObject* Sender);
    void HideHintTick(TObject* Sender);
    void ShowHintHandler(AnsiString& HintStr, bool& CanShow, THintInfo& HintInfo);
    void ClearHintExtras();

    bool active_ = true;
    THintWindowClass previousClass_ = nullptr;  // the application's hint window class before this one
    TbsSkinData* skinData_ = nullptr;  // free-notified
    std::unique_ptr<TFont> defaultFont_;
    std::unique_ptr<TbsSkinHintWindow> window_;
    TCustomImageList* hintImageList_ = nullptr;  // free-notified
    TTimer* timer_ = nullptr;  // owned: the delayed hint's, nullptr while none waits or shows
    AnsiString pendingText_;
};

// The hint component in use: the first active one of the main form.
TbsSkinHint* ActiveSkinHint();
// Hint with every Separator made a line break (a line feed and a carriage
// return), found by whole characters so that a double-byte character
// whose trail byte equals it stays whole; an empty Separator changes
// nothing.
AnsiString SplitHintLines(const AnsiString& Hint, const AnsiString& Separator);
// How far below its hot spot the cursor reaches: from the cursor's mask,
// else SM_CYCURSOR.
int CursorHeightMargin();
