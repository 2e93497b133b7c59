#include "file_dialog_test_support.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/base/code_page.h"
#include "platform/base/files.h"
#include "platform/ui/dialogs/message_box.h"
#include "platform/ui/itemviews/list_view.h"
#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/modal_answers.h"
#include "platform/win/headless_input.h"
#include "platform/win/virtual_keys.h"

namespace {

void SaveVariable(const char* Name, std::string& Value, bool& Had)
{
    const char* value = std::getenv(Name);
    Had = value != nullptr;
    Value = value ? value : "";
}

void RestoreVariable(const char* Name, const std::string& Value, bool Had)
{
    if (Had)
        setenv(Name, Value.c_str(), 1);
    else
        unsetenv(Name);
}

}  // namespace

void TFileDialogTest::SetUp()
{
    TFormTest::SetUp();
    std::string pattern = GbkToUtf8(GetTempDir()) + "file_dialog_XXXXXX";
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    base_ = pattern;
    home_ = base_ + "/home";
    std::filesystem::create_directories(home_ + "/.config");
    std::filesystem::create_directories(base_ + "/files");
    SaveVariable("HOME", savedHome_, hadHome_);
    SaveVariable("XDG_CONFIG_HOME", savedConfig_, hadConfig_);
    setenv("HOME", home_.c_str(), 1);
    unsetenv("XDG_CONFIG_HOME");
}

void TFileDialogTest::TearDown()
{
    RestoreVariable("HOME", savedHome_, hadHome_);
    RestoreVariable("XDG_CONFIG_HOME", savedConfig_, hadConfig_);
    std::error_code ignored;
    std::filesystem::remove_all(base_, ignored);
    TFormTest::TearDown();
}

AnsiString TFileDialogTest::Root() const { return Utf8ToGbk(base_ + "/files"); }

void TFileDialogTest::MakeFile(const std::string& Utf8Name, const std::string& Text, time_t Time)
{
    const std::string path = base_ + "/files/" + Utf8Name;
    std::ofstream(path, std::ios::binary) << Text;
    if (Time) {
        const struct timespec times[2] = {{Time, 0}, {Time, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
    }
}

void TFileDialogTest::MakeFolder(const std::string& Utf8Name)
{
    std::filesystem::create_directories(base_ + "/files/" + Utf8Name);
}

bool TFileDialogTest::Run(TOpenDialog& Dialog, const std::function<void(TFileDialogForm*)>& User, TBoxes* Boxes)
{
    TModalAnswers::Push([&User](const TModalRequest& Request) {
        auto* form = dynamic_cast<TFileDialogForm*>(Request.Form);
        EXPECT_NE(form, nullptr);
        if (form) {
            Process();
            User(form);
        }
        return mrNone;
    });
    if (Boxes)
        for (int answer : Boxes->Answers)
            TModalAnswers::Push([Boxes, answer](const TModalRequest& Request) {
                EXPECT_EQ(Request.Form, nullptr) << "a form where a message box was expected";
                Boxes->Texts.push_back(Request.Text);
                return answer;
            });
    TModalAnswers::Push([](const TModalRequest& Request) {
        ADD_FAILURE() << (Request.Form ? AnsiString("the dialog stayed open") : "unexpected box: " + Request.Text);
        return Request.Form ? static_cast<int>(mrCancel) : IDCANCEL;
    });
    const bool result = Dialog.Execute();
    EXPECT_EQ(TModalAnswers::Count(), 1) << "fewer message boxes came than were answered";
    TModalAnswers::Clear();
    return result;
}

void TFileDialogTest::Key(UINT VirtualKey, UINT Modifiers)
{
    InjectKeyStroke(VirtualKey, Modifiers);
    Process();
}

void TFileDialogTest::Type(const AnsiString& Text)
{
    InjectText(Text);
    Process();
}

void TFileDialogTest::EnterName(const AnsiString& Text)
{
    Key('N', InjectAlt);
    Key(VK_HOME);
    Key(VK_END, InjectShift);
    Type(Text);
    Key(VK_RETURN);
}

void TFileDialogTest::Click(TControl* Control, int X, int Y)
{
    InjectClick(ScreenPoint(Control, X, Y));
    Process();
}

void TFileDialogTest::FocusList(TFileDialogForm* Form)
{
    Key('N', InjectAlt);
    Key(VK_TAB, InjectShift);
    EXPECT_TRUE(Form->FileList()->Focused());
}

std::vector<AnsiString> TFileDialogTest::Listed(TFileDialogForm* Form)
{
    std::vector<AnsiString> captions;
    TListItems* items = Form->FileList()->Items();
    for (int i = 0; i < items->Count(); ++i)
        captions.push_back(items->Item(i)->Caption());
    return captions;
}
