#include "skin/controls/bs_skin_status_bar.h"

#include "platform/ui/kernel/custom_form.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_proc.h"
#include "skin/controls/bs_piece_fill.h"
#include "skin/data/bs_draw_utils.h"

TbsSkinStatusBar::TbsSkinStatusBar(TComponent* AOwner) : TbsSkinPanel(AOwner)
{
    SetSkinDataName("statusbar");
    DrawFrameStrips = false;
    SetBorderStyle(TbsSkinBorderStyle::bvNone);
    SetAlign(alBottom);
    SetHeight(21);
}

void TbsSkinStatusBar::SetSizeGrip(bool Value)
{
    sizeGrip_ = Value;
    Repaint();
    Realign();
}

void TbsSkinStatusBar::SetGripVisible(bool Value)
{
    gripVisible_ = Value;
    Repaint();
    Realign();
}

void TbsSkinStatusBar::SetSkinData(TbsSkinData* Value)
{
    TAlive alive(this);
    TbsSkinPanel::SetSkinData(Value);
    if (!alive)
        return;
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* child = dynamic_cast<TbsSkinControl*>(Controls(i)))
            child->SetSkinData(Value);
}

bool TbsSkinStatusBar::SkinGripper() const
{
    return DescriptionIndex() != -1 && !IsNullRect(PanelSkin.GripperRect) && Picture;
}

void TbsSkinStatusBar::AdjustClientRect(TRect& Rect)
{
    TbsSkinPanel::AdjustClientRect(Rect);
    if (!GripShown())
        return;
    Rect.Right -= SkinGripper() ? PanelSkin.GripperRect.Width() : Rect.Height();
}

TRect TbsSkinStatusBar::GripRect()
{
    // The client rectangle already leaves the grip's room at its right.
    TRect client = GetSkinClientRect();
    if (SkinGripper()) {
        const TRect& gripper = PanelSkin.GripperRect;
        return Rect(client.Right, client.Bottom - gripper.Height(), client.Right + gripper.Width(), client.Bottom);
    }
    return Rect(client.Right + 2, client.Top, client.Right + client.Height(), client.Bottom - 2);
}

void TbsSkinStatusBar::DrawGrip(TCanvas* Canvas)
{
    if (!GripShown())
        return;
    TRect r = GripRect();
    if (SkinGripper()) {
        TBitmap grip;
        CopyPiece(grip, Picture, PanelSkin.GripperRect);
        if (PanelSkin.GripperTransparent) {
            grip.SetTransparentMode(tmFixed);
            grip.SetTransparentColor(PanelSkin.GripperTransparentColor);
            grip.SetTransparent(true);
        }
        Canvas->Draw(r.Left, r.Top, &grip);
        return;
    }
    bool skinned = DescriptionIndex() != -1;
    TColor shadow = skinned ? SkinData()->SkinColors.BtnShadow : clBtnShadow;
    TColor highlight = skinned ? SkinData()->SkinColors.BtnHighlight : clBtnHighlight;
    int rounds = r.Width() / 3 + 1;
    for (int i = 1; i <= rounds; ++i) {
        int d = 3 * i;
        if (r.Left + d + 2 > r.Right)
            continue;
        Canvas->Pen()->SetColor(shadow);
        Canvas->MoveTo(r.Left + d, r.Bottom);
        Canvas->LineTo(r.Right, r.Top + d);
        Canvas->Pen()->SetColor(highlight);
        Canvas->MoveTo(r.Left + d + 1, r.Bottom);
        Canvas->LineTo(r.Right, r.Top + d + 1);
    }
}

void TbsSkinStatusBar::PaintDefaultImage(TBitmap* Bitmap)
{
    TbsSkinPanel::PaintDefaultImage(Bitmap);
    DrawGrip(Bitmap->Canvas());
}

void TbsSkinStatusBar::PaintSkinImage(TBitmap* Bitmap)
{
    TbsSkinPanel::PaintSkinImage(Bitmap);
    DrawGrip(Bitmap->Canvas());
}

// The grip sizes the form, not the bar: its hit code is the form's
// bottom-right corner, and a press there runs the form's own size loop from
// that corner (the platform would otherwise size the bar as a child window
// that answered HTBOTTOMRIGHT).
void TbsSkinStatusBar::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_NCHITTEST:
        if (Designing() || !GripShown())
            break;
        Message.Result = PtInRect(GripRect(), ScreenToClient(Point(GET_X_LPARAM(Message.LParam),
                                                                   GET_Y_LPARAM(Message.LParam))))
                             ? HTBOTTOMRIGHT
                             : HTCLIENT;
        return;
    case WM_NCLBUTTONDOWN:
        if (static_cast<LRESULT>(Message.WParam) != HTBOTTOMRIGHT || !GripShown())
            break;
        if (TCustomForm* form = GetParentForm(this)) {
            SendMessage(form->Handle(), WM_SYSCOMMAND, SC_SIZE + WMSZ_BOTTOMRIGHT, Message.LParam);
            Message.Result = 0;
            return;
        }
        break;
    default:
        break;
    }
    TbsSkinPanel::Dispatch(Message);
}
