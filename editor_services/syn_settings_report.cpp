// Settings failures shown through the application's message box.
#include "editor_services/syn_settings_report.h"

#include "platform/ui/application.h"
#include "platform/ui/message_box.h"

void ReportSettingsFailures(const std::vector<AnsiString>& Failures)
{
    if (Failures.empty())
        return;
    AnsiString text;
    for (const AnsiString& failure : Failures)
        text += (text.empty() ? "" : "\n") + failure;
    Application->MessageBox(text, Application->Title(), MB_OK | MB_ICONWARNING);
}
