// Pasting another program's text into the document editor on a real X
// display: 5 MB handed over in pieces arrive whole, and a transfer the
// other program breaks off or never answers is reported, the text left as
// it was.
#include <filesystem>
#include <fstream>

#include "editor_services/syn_text_editor.h"
#include "platform/base/code_page.h"
#include "platform/ui/kernel/modal_answers.h"
#include "platform/ui/dialogs/message_box.h"
#include "platform/win/clipboard.h"
#include "platform/win/clipboard_text.h"
#include "tests/platform/ui/form_x11_test_support.h"
#include "tests/platform/win/x11_clipboard_peer.h"

#include <X11/Xlib.h>
#include <X11/keysym.h>

namespace {

class TSynPasteX11Test : public TFormX11Test {
protected:
    void SetUp() override
    {
        TFormX11Test::SetUp();
        offered_ = std::filesystem::temp_directory_path() / ("paste-" + std::to_string(getpid()) + ".txt");
        form_ = new TForm(nullptr);
        form_->SetBounds(40, 40, 420, 260);
        editor_ = new TSynTextEditor(form_);
        editor_->SetBounds(4, 4, 396, 220);
        editor_->SetParent(form_);
        form_->Show();
        ASSERT_TRUE(BecomesViewable(form_->Handle()));
        editor_->SetFocus();
    }
    void TearDown() override
    {
        TModalAnswers::Clear();
        std::filesystem::remove(offered_);
        TFormX11Test::TearDown();
    }
    // Another program takes the clipboard (from the editor, which held it)
    // with Text, falling silent after StopAfter bytes when that is not 0.
    std::unique_ptr<TClipboardPeer> Offer(const AnsiString& Text, size_t StopAfter = 0)
    {
        std::ofstream(offered_, std::ios::binary) << GbkToUtf8(Text);
        std::vector<std::string> args{"own", offered_.string()};
        if (StopAfter)
            args.push_back(std::to_string(StopAfter));
        return TakenBy(args);
    }
    // The peer run with Args takes the clipboard.
    std::unique_ptr<TClipboardPeer> TakenBy(const std::vector<std::string>& Args)
    {
        SetClipboardText(editor_->Handle(), {{CF_TEXT, "held first"}});
        auto peer = std::make_unique<TClipboardPeer>(DisplayString(Other()), Args);
        EXPECT_TRUE(peer->Says("owning"));
        EXPECT_TRUE(PumpUntil([] { return GetClipboardOwner() == nullptr; }));
        return peer;
    }

    TSynTextEditor* editor_ = nullptr;
    std::filesystem::path offered_;
};

TEST_F(TSynPasteX11Test, ALargePasteArrivesWholeAndABrokenOrUnansweredOneSaysSo)
{
    AnsiString text;
    for (int line = 0; text.size() < 5 * 1024 * 1024; ++line)
        text += "第 " + std::to_string(line) + " 行 說門這乗 text\r\n";
    {
        auto peer = Offer(text);
        Key(XK_v, {XK_Control_L});
        EXPECT_TRUE(AppPumpUntil([&] { return editor_->Lines()->Count() > 1; }));
        EXPECT_EQ(editor_->Text().size(), text.size());
        EXPECT_TRUE(editor_->Text() == text);
    }

    // The other program breaks off half-way, or never answers at all.
    for (bool silent : {false, true}) {
        editor_->SetText("kept 說門");
        std::vector<AnsiString> messages;
        TModalAnswers::Push([&](const TModalRequest& Request) {
            messages.push_back(Request.Text);
            return IDOK;
        });
        auto peer = silent ? TakenBy({"hang"}) : Offer(text, 1000000);
        Key(XK_v, {XK_Control_L});
        EXPECT_TRUE(AppPumpUntil([&] { return !messages.empty(); })) << silent;
        EXPECT_EQ(messages, std::vector<AnsiString>{"Clipboard paste operation failed."}) << silent;
        EXPECT_EQ(editor_->Text(), "kept 說門") << silent;
    }
}

}  // namespace
