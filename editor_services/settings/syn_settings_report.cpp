// Settings failures shown in one of the editor services' warning boxes.
#include "editor_services/settings/syn_settings_report.h"

#include "editor_services/dialogs/syn_msg_dialog.h"
#include "platform/ui/kernel/application.h"

void ReportSettingsFailures(const std::vector<AnsiString>& Failures)
{
    if (Failures.empty())
        return;
    AnsiString text;
    for (const AnsiString& failure : Failures)
        text += (text.empty() ? "" : "\n") + failure;
    SynMsgDialog.MessageDlgButtons(text, Application->Title(), mtWarning, {"确定(&O)"});
}
