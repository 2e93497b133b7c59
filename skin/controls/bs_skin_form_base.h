// What the skinned form frame owes the skinned popup menus: its skin data,
// its menu manager and its menu mode. The frame component derives from
// this; the popup menus find it among a form's components.
#pragma once

#include <memory>

#include "platform/base/component.h"
#include "platform/ui/kernel/message_records.h"

class TCustomForm;
class TbsSkinData;
class TbsSkinMenu;

class TbsSkinFormBase : public TComponent {
public:
    // Form is the form the frame skins; the frame owns its menu manager,
    // made here with Form as the form it tells.
    TbsSkinFormBase(TComponent* AOwner, TCustomForm* AForm);
    ~TbsSkinFormBase() override;

    // Either may be nil.
    virtual TbsSkinData* SkinData() const = 0;
    virtual TbsSkinData* MenusSkinData() const = 0;
    // Enters the frame's menu mode (only when not in it yet).
    virtual void SetFormActive() = 0;
    // Leaves the menu mode.
    virtual void SetFormInactive() = 0;
    // A popup menu of the form's own (a context menu) opens: a frame with
    // a menu bar ends the bar's keyboard mode, so that closing the menu
    // gives the keys back to the focused control.
    virtual void PopupMenuOpening() {}

    TCustomForm* Form() const { return form_; }
    TbsSkinMenu* SkinMenu() const { return skinMenu_.get(); }

protected:
    // For the frame's window procedure, before it handles Message itself:
    // while a chain is open, a message that ends menus closes it, and a key
    // press goes to the last window of the chain. Answers true when the
    // key was the menu's and the form must not handle it.
    bool HandleMenuMessage(const TMessage& Message);

private:
    TCustomForm* form_;
    std::unique_ptr<TbsSkinMenu> skinMenu_;
};

// The first component owned by Owner that is a skinned form frame; nullptr
// when none is (or Owner is nullptr).
TbsSkinFormBase* FindSkinForm(const TComponent* Owner);
