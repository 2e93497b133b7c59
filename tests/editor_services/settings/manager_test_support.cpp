#include "tests/editor_services/settings/manager_test_support.h"

#include <filesystem>

#include "editor_services/dialogs/message_dialog.h"
#include "highlighter/syn_lex_syn.h"
#include "platform/ui/widgets/label.h"
#include "platform/ui/dialogs/message_box.h"
#include "platform/ui/kernel/modal_answers.h"

namespace {

// Answers every report box, recording its text; queued afresh whenever one
// was taken, so no box ever waits for a user.
void QueueRecorder(std::vector<std::string>& Reports)
{
    TModalAnswers::Push([&Reports](const TModalRequest& Request) {
        auto* box = dynamic_cast<TMessageDialog*>(Request.Form);
        Reports.push_back(box ? box->Message->Caption() : "(not a message dialog) " + Request.Text);
        QueueRecorder(Reports);
        return IDOK;
    });
}

}  // namespace

void TManagerTest::SetUp()
{
    TempFolderTest::SetUp();
    std::filesystem::create_directory(SchemesFolder());
    QueueRecorder(reports_);
    manager_ = new TSynManager(nullptr);
    manager_->SettingsFolder = Folder();
    manager_->HighlightersPath = "Syntaxs";
}

void TManagerTest::TearDown()
{
    delete manager_;
    TModalAnswers::Clear();
    TempFolderTest::TearDown();
}

void TManagerTest::WriteScheme(const std::string& FileName, const std::string& Language, const std::string& Extensions)
{
    TSynLexSyn scheme(nullptr);
    scheme.Info()->General.Name = Language;
    scheme.Info()->General.Extensions = Extensions;
    ASSERT_TRUE(scheme.SaveToFile(SchemesFolder() + FileName));
}

std::vector<std::string> TManagerTest::TakeReports() { return std::exchange(reports_, {}); }
