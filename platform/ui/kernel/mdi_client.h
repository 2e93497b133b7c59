// The client window of a multiple-document form: a borderless-by-skin,
// sunken-by-default window filling the form's client area less its
// aligned bars. The child forms' windows are its children, so the window
// manager moves, sizes and clips them inside it. It keeps which child is
// active: the form stays the active top-level window while its children
// take turns with WM_NCACTIVATE and the forms' own activation messages.
#pragma once

#include <vector>

#include "platform/base/geometry.h"
#include "platform/win/win_types.h"

class TCustomForm;
class TWinControl;

// Parent's client area less its visible top, bottom, left and right
// aligned controls: the room left for the client window.
TRect AlignedClientArea(TWinControl& Parent);

class TMDIClient {
public:
    // Makes the window inside Form's window.
    explicit TMDIClient(TCustomForm& Form);
    ~TMDIClient();
    TMDIClient(const TMDIClient&) = delete;
    TMDIClient& operator=(const TMDIClient&) = delete;

    HWND Handle() const { return handle_; }
    // Places the window over AlignedClientArea of the form.
    void Place();

    // The child forms whose windows are inside this one, the top first.
    std::vector<TCustomForm*> Children() const;
    TCustomForm* Active() const { return active_; }
    // Makes Child the active child (nullptr: none) and brings it to the
    // front; the old one is told it lost the activation.
    void Activate(TCustomForm* Child);
    // The active child goes behind the others and the next visible one
    // becomes active.
    void Next();
    // A child hid or goes away: another visible child takes its place.
    void ChildHidden(TCustomForm* Child);

private:
    TCustomForm& form_;
    HWND handle_ = nullptr;
    TCustomForm* active_ = nullptr;  // a shown child, or nullptr
};
