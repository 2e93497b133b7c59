// TStatusBar: panel layout, painting and the size grip.
#include "platform/ui/widgets/status_bar.h"

#include <algorithm>

#include "platform/gdi/draw_text.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/kernel/controls_messages.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/graphics/flat_look.h"
#include "platform/ui/kernel/message_records.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"

namespace {

constexpr int GripSize = 16;
constexpr int PanelGap = 2;    // between two panels
constexpr int PanelTop = 2;    // above every panel
constexpr int TextMargin = 3;  // between a panel's bevel and its text

}  // namespace

TStatusBar::TStatusBar(TComponent* AOwner) : TCustomControl(AOwner), panels_(std::make_unique<TStatusPanels>(this))
{
    SetControlStyle(TControlStyle(ControlStyle()).Include(csOpaque));
    SetColor(clBtnFace);
    SetBounds(0, 0, 200, 19);
    SetAlign(alBottom);
}

TStatusBar::~TStatusBar() = default;

void TStatusBar::SetSimplePanel(bool Value)
{
    simplePanel_ = Value;
    Invalidate();
}

void TStatusBar::SetSimpleText(const AnsiString& Value)
{
    simpleText_ = Value;
    Invalidate();
}

void TStatusBar::SetSizeGrip(bool Value)
{
    sizeGrip_ = Value;
    Invalidate();
}

TRect TStatusBar::GripRect()
{
    TCustomForm* form = GetParentForm(this);
    if (!sizeGrip_ || !form || Parent() != form || !form->HandleAllocated())
        return {};
    LONG style = GetWindowLong(form->Handle(), GWL_STYLE);
    if (!(style & WS_THICKFRAME) || (style & WS_MAXIMIZE))
        return {};
    // Anywhere else a drag of the grip would pull the form's corner away
    // from under the mouse.
    if (Left() + Width() != form->ClientWidth() || Top() + Height() != form->ClientHeight())
        return {};
    TRect client = ClientRect();
    return {std::max(client.Right - GripSize, 0), std::max(client.Bottom - GripSize, 0), client.Right, client.Bottom};
}

TRect TStatusBar::TextArea()
{
    TRect area = ClientRect();
    area.Top = std::min(PanelTop, area.Bottom);
    TRect grip = GripRect();
    if (!IsRectEmpty(grip))
        area.Right = grip.Left;
    return area;
}

TRect TStatusBar::PanelRect(int Index)
{
    TRect area = TextArea();
    int left = area.Left;
    for (int i = 0; i < Index; ++i)
        left += panels_->Items(i)->Width() + PanelGap;
    left = std::min(left, area.Right);
    bool last = Index == panels_->Count() - 1;
    int right = last ? area.Right : std::min(left + panels_->Items(Index)->Width(), area.Right);
    return {left, area.Top, std::max(right, left), area.Bottom};
}

void TStatusBar::DrawPanel(int Index)
{
    TCanvas* canvas = Canvas();
    TStatusPanel* panel = panels_->Items(Index);
    TRect r = PanelRect(Index);
    if (IsRectEmpty(r))
        return;
    if (panel->Bevel() == pbLowered)
        DrawFlatFrame(canvas, r, TFlatFrame::Sunken);
    else if (panel->Bevel() == pbRaised)
        DrawFlatFrame(canvas, r, TFlatFrame::Raised);
    else
        InflateRect(r, -1, -1);
    if (panel->Style() == psOwnerDraw) {
        if (OnDrawPanel)
            OnDrawPanel(this, panel, r);
        return;
    }
    static constexpr unsigned Horizontal[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    InflateRect(r, -TextMargin, 0);
    DrawFlatText(canvas, r, panel->Text(),
                 Horizontal[panel->Alignment()] | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS, true);
}

void TStatusBar::DrawGrip(const TRect& R)
{
    // Three diagonal grooves towards the corner: a shadow stroke with a
    // light one on its upper left.
    TCanvas* canvas = Canvas();
    for (int stroke = 1; stroke <= 3; ++stroke) {
        int length = 4 * stroke;
        for (int i = 0; i < length; ++i) {
            int x = R.Right - length + i, y = R.Bottom - 1 - i;
            if (y < R.Top)
                break;
            canvas->SetPixels(x, y, clBtnShadow);
            if (x > R.Left)
                canvas->SetPixels(x - 1, y, clBtnHighlight);
        }
    }
}

void TStatusBar::Paint()
{
    TCanvas* canvas = Canvas();
    canvas->SetFont(Font());
    FlatFill(canvas, ClientRect(), Color());
    if (simplePanel_) {
        TRect r = TextArea();
        InflateRect(r, -TextMargin, 0);
        DrawFlatText(canvas, r, simpleText_, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS, true);
    } else {
        for (int i = 0; i < panels_->Count(); ++i)
            DrawPanel(i);
    }
    TRect grip = GripRect();
    if (!IsRectEmpty(grip))
        DrawGrip(grip);
}

void TStatusBar::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_NCHITTEST: {
        TPoint p = ScreenToClient(TWMNCHitTest(Message).Pos());
        if (PtInRect(GripRect(), p)) {
            Message.Result = HTBOTTOMRIGHT;
            return;
        }
        break;
    }
    case WM_NCLBUTTONDOWN:
        // The grip sizes the form, not the bar.
        if (Message.WParam == static_cast<WPARAM>(HTBOTTOMRIGHT)) {
            if (TCustomForm* form = GetParentForm(this))
                SendMessage(form->Handle(), WM_SYSCOMMAND, SC_SIZE + WMSZ_BOTTOMRIGHT, Message.LParam);
            return;
        }
        break;
    case WM_SIZE:
    case CM_FONTCHANGED:
        Invalidate();
        break;
    default:
        break;
    }
    TCustomControl::Dispatch(Message);
}
