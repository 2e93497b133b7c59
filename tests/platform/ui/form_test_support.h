// A fixture for forms and the application object: the control fixture's
// headless back end and hand-driven clock, with no scripted answers or
// forms left over, and the message loop run by the application.
#pragma once

#include <string>
#include <vector>

#include "control_test_support.h"
#include "platform/ui/kernel/custom_form.h"

class TFormTest : public TControlTest {
protected:
    void TearDown() override;
    // Application->ProcessMessages, as the program's own loop runs it.
    static void Process();
    // Logs the messages Form's WindowProc gets (by name) into Log, before
    // the form handles them.
    static void LogMessages(TCustomForm* Form, std::vector<std::string>& Log);
};

// "OnShow" and the like, for logs.
TNotifyEvent LogEvent(std::vector<std::string>& Log, const std::string& Name);
