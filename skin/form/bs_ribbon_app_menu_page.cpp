// The application menu's pages: scroll buttons from the menu's skin, the
// background from the menu's skin or the window colour, and bounds taken from the menu.
#include "skin/form/bs_ribbon_app_menu_page.h"

#include <algorithm>

#include "platform/ui/graphics/brush.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/win/win_messages.h"
#include "skin/data/bs_skin_controls_menus.h"
#include "skin/form/bs_ribbon_app_menu.h"
#include "skin/form/bs_ribbon_page_background.h"

TbsAppMenuCustomPage::TbsAppMenuCustomPage(TComponent* AOwner) : TbsRibbonScrollingPage(AOwner, true)
{
    SetCanScroll(false);
}

TbsSkinData* TbsAppMenuCustomPage::ButtonSkinData() const
{
    return menu_ && menu_->Description() ? menu_->SkinData() : nullptr;
}

void TbsAppMenuCustomPage::Dispatch(TMessage& Message)
{
    if (Message.Msg == WM_ERASEBKGND) {
        if (Width() > 0 && Height() > 0) {
            TCanvas canvas;
            canvas.SetHandle(reinterpret_cast<HDC>(Message.WParam));
            DrawBackground(&canvas);
            canvas.SetHandle(nullptr);
        }
        Message.Result = 1;
        return;
    }
    TbsRibbonScrollingPage::Dispatch(Message);
}

// The client piece of the menu's skin picture, tiled or stretched; the
// window colour without a skin.
void TbsAppMenuCustomPage::DrawBackground(TCanvas* Canvas)
{
    const TRect whole = Rect(0, 0, Width(), Height());
    TbsDataSkinAppMenu* d = menu_ ? menu_->SkinDescription() : nullptr;
    if (d && CoverWithClientPiece(Canvas, whole, menu_->SkinData(), *d))
        return;
    Canvas->Brush()->SetColor(clWindow);
    Canvas->FillRect(whole);
}

TbsAppMenuPage::TbsAppMenuPage(TComponent* AOwner) : TbsAppMenuCustomPage(AOwner)
{
    SetControlStyle(TControlStyle(ControlStyle()).Include(csAcceptsControls));
}

void TbsAppMenuPage::SetDefaultWidth(int Value)
{
    if (defaultWidth_ == Value)
        return;
    defaultWidth_ = Value;
    SetWidth(Value);
}

void TbsAppMenuPage::SetFirstActiveControl(TWinControl* Value)
{
    firstActiveControl_ = Value;
    if (Value)
        Value->FreeNotification(this);
}

void TbsAppMenuPage::Notification(TComponent* AComponent, TOperation Operation)
{
    TbsAppMenuCustomPage::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == firstActiveControl_)
        firstActiveControl_ = nullptr;
}

void TbsAppMenuPage::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    if (!Parent() || !Menu()) {
        TbsAppMenuCustomPage::SetBounds(ALeft, ATop, AWidth, AHeight);
        return;
    }
    TRect r = Menu()->GetPageBounds();
    int width = r.Width();
    if (defaultWidth_ > 0 && AWidth <= r.Width())
        width = std::min(defaultWidth_, r.Width());
    TbsAppMenuCustomPage::SetBounds(r.Left, r.Top, std::max(width, 100), std::max(r.Height(), 100));
}
