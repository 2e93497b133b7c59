// The ribbon's pages: the scroll buttons' skin and the page background
// taken from the ribbon, and the page bounds the ribbon gives.
#include "skin/form/bs_ribbon_page.h"

#include "platform/ui/graphics/canvas.h"
#include "platform/win/win_messages.h"
#include "skin/data/bs_skin_controls_tabs.h"
#include "skin/form/bs_ribbon.h"
#include "skin/form/bs_ribbon_page_background.h"

TbsRibbonCustomPage::TbsRibbonCustomPage(TComponent* AOwner) : TbsRibbonScrollingPage(AOwner, false) {}

TbsSkinData* TbsRibbonCustomPage::ButtonSkinData() const
{
    return ribbon_ && ribbon_->SkinDescription() ? ribbon_->SkinData() : nullptr;
}

void TbsRibbonCustomPage::Scrolled()
{
    TbsDataSkinTabControl* description = ribbon_ ? ribbon_->SkinDescription() : nullptr;
    if (description && description->StretchEffect)
        Invalidate();
}

TbsRibbonPage::TbsRibbonPage(TComponent* AOwner) : TbsRibbonCustomPage(AOwner)
{
    SetControlStyle(TControlStyle(ControlStyle()).Include(csAcceptsControls));
    SetAnchors(TAnchors{akLeft, akTop, akRight, akBottom});
}

void TbsRibbonPage::SetCaption(const AnsiString& Value)
{
    caption_ = Value;
    if (Ribbon())
        Ribbon()->Invalidate();
}

void TbsRibbonPage::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    if (Parent() && Ribbon()) {
        TRect r = Ribbon()->GetPageBounds();
        TbsRibbonCustomPage::SetBounds(r.Left, r.Top, r.Width(), r.Height());
        return;
    }
    TbsRibbonCustomPage::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TbsRibbonPage::Dispatch(TMessage& Message)
{
    if (Message.Msg == WM_ERASEBKGND) {
        if (Ribbon() && Width() > 0 && Height() > 0) {
            TCanvas canvas;
            canvas.SetHandle(reinterpret_cast<HDC>(Message.WParam));
            DrawRibbonPageBackground(&canvas, Rect(0, 0, Width(), Height()), Ribbon()->SkinDescription(),
                                     Ribbon()->SkinData());
            canvas.SetHandle(nullptr);
        }
        Message.Result = 1;
        return;
    }
    TbsRibbonCustomPage::Dispatch(Message);
    if (Message.Msg == WM_SIZE)
        Invalidate();
}
