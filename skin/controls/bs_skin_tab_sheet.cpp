// The skinned tab sheet: its wallpaper, its background from the page
// control's skin, and the messages of a sheet that stretches with it.
#include "skin/controls/bs_skin_tab_sheet.h"

#include "platform/ui/graphics/canvas.h"
#include "platform/ui/kernel/message_records.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"
#include "skin/controls/bs_controls_messages.h"
#include "skin/controls/bs_piece_fill.h"
#include "skin/controls/bs_skin_page_control.h"
#include "skin/data/bs_skin_data.h"

TbsSkinCustomTabSheet::TbsSkinCustomTabSheet(TComponent* AOwner)
    : TTabSheet(AOwner), wallPaper_(std::make_unique<TBitmap>())
{
}

TbsSkinCustomTabSheet::~TbsSkinCustomTabSheet()
{
    // Leaving the page control repaints it; the wallpaper must still be
    // there then.
    if (PageControl())
        SetPageControl(nullptr);
}

void TbsSkinCustomTabSheet::SetWallPaper(TBitmap* Value)
{
    wallPaper_->Assign(Value);
    if (ComponentState().Contains(csDesigning))
        Repaint();
}

void TbsSkinCustomTabSheet::CreateParams(TCreateParams& Params)
{
    TTabSheet::CreateParams(Params);
    // The background is tiled from the top-left: a size change repaints
    // only what it uncovers.
    Params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

TbsSkinPageControl* TbsSkinCustomTabSheet::SkinPageControl() const
{
    return dynamic_cast<TbsSkinPageControl*>(PageControl());
}

void TbsSkinCustomTabSheet::PaintBackground(HDC DC)
{
    TbsSkinPageControl* pageControl = SkinPageControl();
    if (Width() < 1 || Height() < 1 || !pageControl)
        return;
    pageControl->GetSkinData();
    TCanvas canvas;
    canvas.SetHandle(DC);
    const TRect area{0, 0, Width(), Height()};
    if (!wallPaper_->Empty()) {
        FillWithPiece(&canvas, *wallPaper_, area, false, stfull);
    } else if (pageControl->Skinned()) {
        pageControl->PaintBackground(&canvas, area, pageControl->Width(), pageControl->Height());
    } else {
        canvas.Brush()->SetColor(clBtnFace);
        canvas.FillRect(area);
    }
    canvas.SetHandle(nullptr);
}

void TbsSkinCustomTabSheet::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_ERASEBKGND:
        PaintBackground(TWMEraseBkgnd(Message).DC());
        Message.Result = 1;
        return;
    case WM_SKINCONTROLQUERY:
        Message.Result = SkinControlQueryAnswer;
        return;
    case WM_SIZE: {
        TAlive alive(this);
        TTabSheet::Dispatch(Message);
        if (!alive)
            return;
        Repaint();
        TbsSkinPageControl* pageControl = SkinPageControl();
        TbsSkinData* data = pageControl ? pageControl->SkinData() : nullptr;
        if (data && !data->Empty && pageControl->Skinned() && pageControl->TabSkin().StretchEffect)
            for (int i = 0; i < ControlCount(); ++i)
                if (auto* child = dynamic_cast<TWinControl*>(Controls(i)); child && child->HandleAllocated())
                    SendMessage(child->Handle(), WM_PARENTIMAGECHANGED, 0, 0);
        return;
    }
    default:
        TTabSheet::Dispatch(Message);
        return;
    }
}
