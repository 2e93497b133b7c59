// THintWindow: the small popup a hint shows in. It never takes the
// activation, stays above other windows and paints its caption on the
// hint colour.
#pragma once

#include "platform/ui/kernel/custom_control.h"

class THintWindow : public TCustomControl {
public:
    explicit THintWindow(TComponent* AOwner);

    // The size the hint needs, at most MaxWidth wide, at (0, 0).
    virtual TRect CalcHintRect(int MaxWidth, const AnsiString& Hint, void* Data);
    // Shows Hint in Rect (screen coordinates).
    virtual void ActivateHint(const TRect& Rect, const AnsiString& Hint);
    virtual void ActivateHintData(const TRect& Rect, const AnsiString& Hint, void* Data);
    // Hides the window by destroying it.
    void ReleaseHandle();
    // Whether the message ends the hint: keys, clicks, activation.
    virtual bool IsHintMsg(const MSG& Msg);

protected:
    void CreateParams(TCreateParams& Params) override;
    void Paint() override;
    void Dispatch(TMessage& Message) override;
};

THintWindow* NewHintWindow(TComponent* AOwner);
