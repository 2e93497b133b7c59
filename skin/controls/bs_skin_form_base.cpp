#include "skin/controls/bs_skin_form_base.h"

#include "platform/ui/kernel/custom_form.h"
#include "platform/win/win_messages.h"
#include "skin/controls/bs_skin_menu.h"
#include "skin/controls/bs_skin_popup_window.h"

TbsSkinFormBase::TbsSkinFormBase(TComponent* AOwner, TCustomForm* AForm)
    : TComponent(AOwner), form_(AForm), skinMenu_(std::make_unique<TbsSkinMenu>(nullptr, AForm))
{
}

TbsSkinFormBase::~TbsSkinFormBase() = default;

bool TbsSkinFormBase::HandleMenuMessage(const TMessage& Message)
{
    if (!skinMenu_->ChainOpen())
        return false;
    if (IsMenuCloseMessage(Message.Msg)) {
        skinMenu_->CloseMenu();
        return false;
    }
    if (Message.Msg == WM_KEYDOWN && skinMenu_->LastPopup() != nullptr) {
        skinMenu_->LastPopup()->HandleMenuKey(static_cast<WORD>(Message.WParam));
        return true;
    }
    return false;
}

TbsSkinFormBase* FindSkinForm(const TComponent* Owner)
{
    if (Owner == nullptr)
        return nullptr;
    for (int i = 0; i < Owner->ComponentCount(); ++i)
        if (auto* frame = dynamic_cast<TbsSkinFormBase*>(Owner->Components(i)))
            return frame;
    return nullptr;
}
