// The font sample that clicks from the keyboard.
#include "editor_services/settings/syn_font_preview.h"

#include "platform/ui/graphics/canvas.h"
#include "platform/ui/kernel/controls_messages.h"
#include "platform/win/virtual_keys.h"

TSynFontPreview::TSynFontPreview(TComponent* AOwner) : TPanel(AOwner) { SetTabStop(true); }

void TSynFontPreview::Paint()
{
    TPanel::Paint();
    if (!Focused())
        return;
    TRect frame = ClientRect();
    InflateRect(frame, -3, -3);
    Canvas()->DrawFocusRect(frame);
}

void TSynFontPreview::KeyDown(WORD& Key, TShiftState Shift)
{
    TPanel::KeyDown(Key, Shift);
    if ((Key != VK_RETURN && Key != VK_SPACE) || !Shift.Empty())
        return;
    Key = 0;
    Click();
}

void TSynFontPreview::DoEnter()
{
    Invalidate();
    TPanel::DoEnter();
}

void TSynFontPreview::DoExit()
{
    Invalidate();
    TPanel::DoExit();
}

void TSynFontPreview::Dispatch(TMessage& Message)
{
    // Enter is the sample's own, not the dialog's default button's.
    if (Message.Msg == CM_WANTSPECIALKEY && Message.WParam == VK_RETURN) {
        Message.Result = 1;
        return;
    }
    TPanel::Dispatch(Message);
}
