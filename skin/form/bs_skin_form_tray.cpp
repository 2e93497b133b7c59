// The frame's notification-area icon: minimizing the application to it and
// restoring the main form from it, through the frame's IbsFrameTray.
#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/custom_form.h"
#include "skin/controls/bs_skin_popup_menu.h"
#include "skin/form/bs_skin_form.h"
#include "skin/form/bs_tray_icon.h"

namespace {

class TbsFrameTrayLink : public IbsFrameTray {
public:
    TbsFrameTrayLink(TbsSkinForm* Frame, TbsTrayIcon* Icon) : frame_(Frame), icon_(Icon) {}

    void MinimizeToTray() override
    {
        // Minimizing the application now hides the main form to the area.
        icon_->MinimizeToTray = true;
        if (Application)
            Application->Minimize();
        if (frame_->OnMinimizeToTray)
            frame_->OnMinimizeToTray(frame_);
    }

    void RestoreFromTray() override
    {
        icon_->MinimizeToTray = false;
        icon_->RestoreMainForm();
        if (Application)
            Application->Restore();
        if (!frame_->AlwaysShowInTray)
            icon_->SetIconVisible(false);
        if (frame_->OnRestoreFromTray)
            frame_->OnRestoreFromTray(frame_);
    }

private:
    TbsSkinForm* frame_;
    TbsTrayIcon* icon_;
};

}  // namespace

void TbsSkinForm::SetTrayIcon(TbsTrayIcon* Value)
{
    if (trayIcon_)
        trayIcon_->RemoveFreeNotification(this);
    trayIcon_ = Value;
    trayLink_.reset();
    Tray = nullptr;
    bool designing = ComponentState().Contains(csDesigning);
    if (!trayIcon_) {
        if (designing)
            borderIcons_.Exclude(TbsBorderIcon::biMinimizeToTray);
        return;
    }
    trayIcon_->FreeNotification(this);
    trayLink_ = std::make_unique<TbsFrameTrayLink>(this, trayIcon_);
    Tray = trayLink_.get();
    if (!AlwaysShowInTray)
        trayIcon_->SetIconVisible(false);
    trayIcon_->MinimizeToTray = false;
    if (designing) {
        if (!ComponentState().Contains(csLoading))
            borderIcons_.Include(TbsBorderIcon::biMinimizeToTray);
        return;
    }
    if (!trayIcon_->PopupMenu())
        trayIcon_->SetPopupMenu(TrayMenu());
    if (!trayIcon_->OnDblClick)
        trayIcon_->OnDblClick = TNotifyEvent(this, &TbsSkinForm::TrayIconDblClick);
}

void TbsSkinForm::TrayIconDblClick(TObject*) { RestoreFromTray(); }

void TbsSkinForm::ForgetTrayIcon(TComponent* AComponent)
{
    if (AComponent != trayIcon_ || !trayIcon_)
        return;
    trayIcon_ = nullptr;
    trayLink_.reset();
    Tray = nullptr;
}

void TbsSkinForm::RestoredFromTray()
{
    if (Form()->Tag == TrayHiddenTag)
        Form()->Tag = 0;
}
