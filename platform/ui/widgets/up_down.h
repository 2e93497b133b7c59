// TUpDown: the class library's up-down control, a wrapped "msctls_updown32"
// window whose arrows step Position and tell the parent by WM_VSCROLL or
// WM_HSCROLL.
#pragma once

#include "platform/ui/kernel/win_control.h"

enum TUDOrientation { udHorizontal, udVertical };

class TUpDown : public TWinControl {
public:
    explicit TUpDown(TComponent* AOwner);

    int Min() const { return min_; }
    void SetMin(int Value);
    int Max() const { return max_; }
    void SetMax(int Value);
    // Kept between Min and Max (whichever is lower first).
    int Position() const;
    void SetPosition(int Value);
    int Increment() const { return increment_; }
    void SetIncrement(int Value);
    // Changing it remakes the window with arrows the other way.
    TUDOrientation Orientation() const { return orientation_; }
    void SetOrientation(TUDOrientation Value);
    bool Wrap() const { return wrap_; }
    void SetWrap(bool Value);

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void Dispatch(TMessage& Message) override;

private:
    void SendRange();

    int min_ = 0;
    int max_ = 100;
    mutable int position_ = 0;  // the window's position once it has one
    int increment_ = 1;
    TUDOrientation orientation_ = udVertical;
    bool wrap_ = false;
};
