// TSynFontPreview: the options dialog's font sample, a panel that opens the
// font dialog by click and also by keyboard: it is a tab stop, shows a
// focus frame, and Enter or Space click it.
#pragma once

#include "platform/ui/widgets/panel.h"

class TSynFontPreview : public TPanel {
public:
    explicit TSynFontPreview(TComponent* AOwner);

protected:
    void Paint() override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void DoEnter() override;
    void DoExit() override;
    void Dispatch(TMessage& Message) override;
};
