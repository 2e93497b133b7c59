// TbsSkinPopupMenu: a popup menu that shows itself through the menu
// manager of the skinned form frame it belongs to, in that frame's skin.
// Without a frame it shows nothing.
#pragma once

#include "platform/ui/kernel/menus.h"

class TControl;
class TCustomForm;
class TbsSkinData;
class TbsSkinFormBase;

class TbsSkinPopupMenu : public TPopupMenu {
public:
    explicit TbsSkinPopupMenu(TComponent* AOwner);

    // nil: the frame's menu skin data, else its skin data, taken at the
    // first popup and kept.
    TbsSkinData* SkinData() const { return skinData_; }
    void SetSkinData(TbsSkinData* Value);
    // The form whose frame shows the menu, and the frame itself; either
    // may be nil (the frame is then looked for).
    TCustomForm* HostForm = nullptr;
    TbsSkinFormBase* SkinForm = nullptr;
    // Handed to the frame's manager at each popup.
    TNotifyEvent OnMenuClose;

    void Popup(int X, int Y) override;
    void PopupAt(const TRect& Rect, bool PreferAbove);
    void PopupFromRect(TControl* PopupCtrl, const TRect& Rect, bool PreferAbove);
    void PopupForControl(TControl* PopupCtrl, int X, int Y);

    // The frame the menu opens in: SkinForm, else the first frame of
    // HostForm, else of the owner or the owner's owner that is a form; an
    // MDI child's frame gives way to the main form's.
    TbsSkinFormBase* FindFrame() const;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void Open(TControl* PopupCtrl, const TRect& Rect, bool PreferAbove);

    TbsSkinData* skinData_ = nullptr;  // free-notified
};
