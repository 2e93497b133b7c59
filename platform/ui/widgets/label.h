// TLabel: a window-less caption. With AutoSize it takes the size of its
// text (keeping its width and growing down when WordWrap); Layout places
// the text top to bottom, Alignment across. '&' underlines an accelerator
// (unless ShowAccelChar is off), and typing it focuses FocusControl.
#pragma once

#include "platform/base/alignment.h"
#include "platform/ui/kernel/graphic_control.h"

class TWinControl;

enum TTextLayout { tlTop, tlCenter, tlBottom };

class TLabel : public TGraphicControl {
public:
    explicit TLabel(TComponent* AOwner);

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment Value);
    TTextLayout Layout() const { return layout_; }
    void SetLayout(TTextLayout Value);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool Value);
    // Leaves the parent's pixels under the label, drawing only the text.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool Value);
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool Value);
    // Not owned; cleared when it is freed.
    TWinControl* FocusControl() const { return focusControl_; }
    void SetFocusControl(TWinControl* Value);

protected:
    // The text's size; with WordWrap the width stays and the height follows.
    bool CanAutoSize(int& NewWidth, int& NewHeight) override;
    void Paint() override;
    void Dispatch(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    // The DrawText flags of the label's text.
    unsigned TextFormat() const;
    // The text as laid out: a label with no text keeps one line's height.
    AnsiString LayoutText();
    void TextChanged();

    TAlignment alignment_ = taLeftJustify;
    TTextLayout layout_ = tlTop;
    bool wordWrap_ = false;
    bool transparent_ = false;
    bool showAccelChar_ = true;
    TWinControl* focusControl_ = nullptr;  // free-notified
};
