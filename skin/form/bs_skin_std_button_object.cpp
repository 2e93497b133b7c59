#include "skin/form/bs_skin_std_button_object.h"

#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/kernel/menus.h"
#include "skin/controls/bs_button_face.h"
#include "skin/data/bs_draw_utils.h"
#include "skin/data/bs_skin_objects.h"
#include "skin/form/bs_skin_form.h"

TbsSkinStdButtonObject::TbsSkinStdButtonObject(TbsSkinForm* AParent, TbsDataSkinObject* AData)
    : TbsSkinButtonObject(AParent, AData)
{
    auto* data = dynamic_cast<TbsDataSkinStdButton*>(AData);
    if (!data)
        return;
    SkinObject = true;
    Command = data->Command;
    RestoreRect = data->RestoreRect;
    RestoreActiveRect = data->RestoreActiveRect;
    RestoreDownRect = data->RestoreDownRect;
    RestoreInActiveRect = data->RestoreInActiveRect;
    RestoreHint = data->RestoreHint;
    NormalHint = Hint;
}

bool TbsSkinStdButtonObject::IconMode() const
{
    return Parent->ShowIcon() && Command == cmsysmenu && SkinRectInAPicture;
}

bool TbsSkinStdButtonObject::WindowStateCase() const
{
    bool mainForm = Application && Application->MainForm() == Parent->Form();
    return (Command == cmmaximize && Parent->WindowState() == wsMaximized) ||
           (Command == cmminimize && Parent->WindowState() == wsMinimized && !mainForm) ||
           (Command == cmrollup && Parent->RollUpState());
}

bool TbsSkinStdButtonObject::PointInMask(int X, int Y)
{
    return IconMode() || TbsSkinButtonObject::PointInMask(X, Y);
}

void TbsSkinStdButtonObject::ShowLayer()
{
    if (!IconMode())
        TbsSkinButtonObject::ShowLayer();
}

void TbsSkinStdButtonObject::HideLayer()
{
    if (!IconMode())
        TbsSkinButtonObject::HideLayer();
}

bool TbsSkinStdButtonObject::NeedMorphStep() { return !IconMode() && TbsSkinButtonObject::NeedMorphStep(); }

void TbsSkinStdButtonObject::Draw(TCanvas* Canvas, bool UpDate)
{
    if (!SkinObject) {
        DrawDefaultGlyph(Canvas);
        return;
    }
    if (!SkinReady())
        return;
    if (IconMode()) {
        Parent->DrawFormIcon(Canvas, ObjectRect.Left, ObjectRect.Top);
        SetMorphKf(false);
        return;
    }
    bool inactiveLook = !FormActive() && !IsRectEmpty(InActiveSkinRect);
    if (Enabled && InRestoreState())
        DrawRestore(Canvas);
    else if (Enabled && !inactiveLook && Down && !IsRectEmpty(DownRect) && Command == cmsysmenu && ActivePicture)
        DrawImage(Canvas, ActivePicture, DownRect);  // held while the system menu is open
    else
        TbsSkinButtonObject::Draw(Canvas, UpDate);
}

void TbsSkinStdButtonObject::DrawRestore(TCanvas* Canvas)
{
    if (!FormActive() && !IsRectEmpty(RestoreInActiveRect))
        DrawImage(Canvas, ActivePicture, RestoreInActiveRect);
    else if (Down && MouseIn && !IsRectEmpty(RestoreDownRect))
        DrawImage(Canvas, ActivePicture, RestoreDownRect);
    else if (CanMorph() && FadeUnderWay() && !IsRectEmpty(RestoreActiveRect))
        DrawMorph(Canvas, ActivePicture, RestoreRect, RestoreActiveRect);
    else if (Active && !IsRectEmpty(RestoreActiveRect))
        DrawImage(Canvas, ActivePicture, RestoreActiveRect);
    else
        DrawImage(Canvas, ActivePicture, RestoreRect);
}

void TbsSkinStdButtonObject::DrawDefaultGlyph(TCanvas* Canvas)
{
    if (IconMode()) {
        Parent->DrawFormIcon(Canvas, ObjectRect.Left, ObjectRect.Top);
        return;
    }
    int w = ObjectRect.Width();
    int h = ObjectRect.Height();
    if (w <= 0 || h <= 0)
        return;
    TBitmap bitmap;
    bitmap.SetSize(w, h);
    bool pressed = Down && MouseIn;
    TbsPlainLook look = pressed ? TbsPlainLook::Pressed : MouseIn ? TbsPlainLook::Hot : TbsPlainLook::Normal;
    DrawPlainButton(bitmap.Canvas(), {0, 0, w, h}, look, false);
    int x = pressed ? w / 2 - 4 : w / 2 - 5;
    int y = pressed ? h / 2 - 3 : h / 2 - 4;
    TColor colour = Enabled ? clBtnText : clBtnShadow;
    TCanvas* c = bitmap.Canvas();
    switch (Command) {
    case cmclose:
        DrawCloseImage(c, x, y, colour);
        break;
    case cmmaximize:
        Parent->WindowState() == wsMaximized ? DrawRestoreImage(c, x, y, colour) : DrawMaximizeImage(c, x, y, colour);
        break;
    case cmminimize:
        Parent->WindowState() == wsMinimized ? DrawRestoreImage(c, x, y, colour) : DrawMinimizeImage(c, x, y, colour);
        break;
    case cmsysmenu:
        DrawSysMenuImage(c, x, y, colour);
        break;
    case cmrollup:
        Parent->RollUpState() ? DrawRollDownImage(c, x, y, colour) : DrawRollUpImage(c, x, y, colour);
        break;
    case cmminimizetotray:
        DrawMinimizeToTrayImage(c, x, y, colour);
        break;
    case cmdefault:
        break;
    }
    Canvas->Draw(ObjectRect.Left, ObjectRect.Top, &bitmap);
}

void TbsSkinStdButtonObject::MouseEnter()
{
    if (Command != cmdefault)
        Hint = WindowStateCase() && !RestoreHint.empty() ? RestoreHint : NormalHint;
    if (!IconMode())
        TbsSkinButtonObject::MouseEnter();
}

void TbsSkinStdButtonObject::MouseLeave()
{
    if (!IconMode())
        TbsSkinButtonObject::MouseLeave();
}

void TbsSkinStdButtonObject::MouseDown(int, int, TMouseButton Button)
{
    if (!Enabled || Button != mbLeft || Down)
        return;
    if (!IconMode())
        SetDown(true);
    if (Command == cmsysmenu) {
        MenuItem = Parent->GetSystemMenuItems();
        TrackMenu();
    }
}

void TbsSkinStdButtonObject::MouseUp(int X, int Y, TMouseButton Button)
{
    bool act = Active && Button == mbLeft;
    if (Command == cmclose) {
        // The program hears the release before the form closes; after the
        // close the object touches nothing of itself.
        TbsSkinButtonObject::MouseUp(X, Y, Button);
        if (act)
            DoCommand();
        return;
    }
    if (act)
        DoCommand();
    if (!IconMode())
        TbsSkinButtonObject::MouseUp(X, Y, Button);
}

void TbsSkinStdButtonObject::DblClick()
{
    if (Command == cmsysmenu)
        Parent->CloseForm();
}

void TbsSkinStdButtonObject::DoCommand()
{
    switch (Command) {
    case cmclose:
        Parent->ResetTracking();
        Parent->CloseForm();
        break;
    case cmmaximize:
        Parent->ResetTracking();
        HideLayer();
        Parent->SetWindowState(Parent->WindowState() == wsMaximized ? wsNormal : wsMaximized);
        break;
    case cmminimize:
        Parent->ResetTracking();
        if (Parent->AlwaysMinimizeToTray) {
            Parent->MinimizeToTray();
        } else {
            HideLayer();
            Parent->SetWindowState(Parent->WindowState() == wsMinimized ? wsNormal : wsMinimized);
        }
        break;
    case cmrollup:
        Parent->SetRollUpState(!Parent->RollUpState());
        break;
    case cmminimizetotray:
        Parent->ResetTracking();
        Parent->MinimizeToTray();
        break;
    case cmsysmenu:
    case cmdefault:
        break;
    }
}
