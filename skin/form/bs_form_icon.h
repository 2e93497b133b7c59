// The small icon a skinned frame shows for its form (the system-menu
// button in icon mode): made once from the form's icon, else the
// application's, else the system's generic program icon, at the system's
// small-icon size.
#pragma once

#include "platform/win/win_types.h"

class TCanvas;
class TCustomForm;

class TbsFormIcon {
public:
    TbsFormIcon() = default;
    ~TbsFormIcon();
    // Owns an icon handle.
    TbsFormIcon(const TbsFormIcon&) = delete;
    TbsFormIcon& operator=(const TbsFormIcon&) = delete;

    // The icon, made on the first call and kept (Form may be nullptr: then
    // the application's icon or the generic one).
    HICON GetIcon(const TCustomForm* Form);
    // Draws it at its own size with its top-left at (X, Y).
    void DrawFormIcon(TCanvas* Canvas, int X, int Y, const TCustomForm* Form);

private:
    HICON icon_ = nullptr;
};
