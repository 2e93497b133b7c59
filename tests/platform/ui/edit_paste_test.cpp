// A paste into an edit box when another program broke off handing its
// clipboard text over: the box says so and keeps its text.
#include <memory>
#include <vector>

#include "edit_test_support.h"
#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/modal_answers.h"
#include "platform/win/backend.h"
#include "platform/win/headless_backend.h"
#include "platform/win/headless_input.h"
#include "platform/win/virtual_keys.h"

namespace {

// Another program holds the clipboard with text, and stops half-way
// through every transfer of it.
class TBrokenTransferBackend : public THeadlessBackend {
public:
    TClipboardFetch FetchClipboardText(AnsiString&) override { return TClipboardFetch::Broken; }
    bool ClipboardOffersText() override { return true; }
};

class TEditPasteTest : public TEditTest {
protected:
    void SetUp() override
    {
        previous_ = SwapBackend(std::make_unique<TBrokenTransferBackend>());
        TEditTest::SetUp();
    }
    void TearDown() override
    {
        TModalAnswers::Clear();
        TEditTest::TearDown();
        SwapBackend(std::move(previous_));
    }

    std::unique_ptr<TBackend> previous_;
};

TEST_F(TEditPasteTest, ABrokenOffTransferIsReportedAndPastesNothing)
{
    ShowEdit();
    SendChars("說門 kept");
    // The clipboard passes to the other program.
    BackendEvents().ClipboardLost();
    std::vector<AnsiString> messages;
    TModalAnswers::Push([&](const TModalRequest& Request) {
        messages.push_back(Request.Text);
        return 1;
    });
    Stroke('V', InjectCtrl);
    EXPECT_EQ(messages, std::vector<AnsiString>{"Clipboard paste operation failed."});
    EXPECT_EQ(BoxText(), "說門 kept");
}

}  // namespace
