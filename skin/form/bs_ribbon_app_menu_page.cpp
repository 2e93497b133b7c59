// The application menu's pages: scroll buttons from the menu's skin, the
// plain window-coloured background, and bounds taken from the menu.
#include "skin/form/bs_ribbon_app_menu_page.h"

#include <algorithm>

#include "platform/ui/graphics/brush.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/win/win_messages.h"
#include "skin/form/bs_ribbon_app_menu.h"

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
            canvas.Brush()->SetColor(clWindow);
            canvas.FillRect(Rect(0, 0, Width(), Height()));
            canvas.SetHandle(nullptr);
        }
        Message.Result = 1;
        return;
    }
    TbsRibbonScrollingPage::Dispatch(Message);
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
