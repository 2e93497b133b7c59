#include <vector>

#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/kernel/screen.h"
#include "platform/win/window_lifecycle.h"
#include "platform/win/window_class.h"
#include "platform/win/window_proc.h"
#include "skin/data/bs_skin_data.h"
#include "skin/data/bs_skin_data_messages.h"

namespace {

// The layered border windows around skinned forms draw from the form they
// border, never from the skin data itself.
bool IsLayerWindow(HWND Window) { return GetClassName(Window) == "TbsFormLayerWindow"; }

}  // namespace

void TbsSkinData::SendSkinDataChange(UINT Message)
{
    auto send = [&](HWND Window) {
        // A form freed by an earlier form's handler is skipped.
        if (IsWindow(Window))
            SendMessage(Window, Message, reinterpret_cast<WPARAM>(this), kSkinDataMessageTag);
    };

    TCustomForm* ownerForm = nullptr;
    if (!showLayeredBorders_)
        ownerForm = dynamic_cast<TCustomForm*>(Owner());
    if (ownerForm)
        send(ownerForm->Handle());

    // Making a window can reorder the screen's forms, so every form gets its
    // window before the order is taken.
    std::vector<TCustomForm*> forms;
    for (int i = 0; i < Screen->FormCount(); ++i)
        forms.push_back(Screen->Forms(i));
    for (TCustomForm* form : forms)
        form->HandleNeeded();
    std::vector<HWND> windows;
    for (int i = 0; i < Screen->FormCount(); ++i) {
        TCustomForm* form = Screen->Forms(i);
        if (form != ownerForm && !IsLayerWindow(form->Handle()))
            windows.push_back(form->Handle());
    }

    if (showLayeredBorders_ && LayerFrame.PictureIndex != -1) {
        for (auto it = windows.rbegin(); it != windows.rend(); ++it)
            send(*it);
    } else {
        for (HWND window : windows)
            send(window);
    }
}
