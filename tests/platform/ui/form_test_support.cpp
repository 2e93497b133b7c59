#include "form_test_support.h"

#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/controls_messages.h"
#include "platform/ui/kernel/modal_answers.h"
#include "platform/ui/kernel/screen.h"

namespace {

const char* FormMessageName(UINT Message)
{
    switch (Message) {
    case WM_ACTIVATE:
        return "WM_ACTIVATE";
    case WM_CLOSE:
        return "WM_CLOSE";
    case CM_ACTIVATE:
        return "CM_ACTIVATE";
    case CM_DEACTIVATE:
        return "CM_DEACTIVATE";
    case CM_RELEASE:
        return "CM_RELEASE";
    default:
        return ControlMessageName(Message);
    }
}

}  // namespace

void TFormTest::TearDown()
{
    TModalAnswers::Clear();
    TControlTest::TearDown();
    EXPECT_EQ(Screen->FormCount(), 0);
}

void TFormTest::Process()
{
    Application->ProcessMessages();
}

void TFormTest::LogMessages(TCustomForm* Form, std::vector<std::string>& Log)
{
    TWndMethod previous = Form->WindowProc;
    Form->WindowProc = TWndMethod::FromCallable([&Log, previous](TMessage& Message) {
        if (const char* name = FormMessageName(Message.Msg))
            Log.push_back(std::string("form:") + name);
        previous(Message);
    });
}

TNotifyEvent LogEvent(std::vector<std::string>& Log, const std::string& Name)
{
    return TNotifyEvent::FromCallable([&Log, Name](TObject*) { Log.push_back(Name); });
}
