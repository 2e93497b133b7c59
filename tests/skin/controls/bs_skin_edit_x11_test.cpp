// Skinned edits worked from a real X display (the suite's own Xvfb) with the
// keys and the mouse of XTest: typing into a skinned box, Enter reaching
// the form's default button without a new line, and a click on the edit
// button; the display shows what the boxes painted, and the screen goes to
// the file TANDRIL_EDIT_SCREENSHOT names, when set, for a person to look at.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "form_x11_test_support.h"
#include "platform/gdi/png_codec.h"
#include "platform/ui/widgets/button.h"
#include "platform/win/edit_control_messages.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_proc.h"
#include "skin/controls/bs_skin_edit.h"
#include "skin/data/bs_skin_data.h"
#include "tests/skin/controls/test_skin.h"
#include "tests/skin/controls/test_skin_edits.h"

#include <X11/keysym.h>

namespace {

class TSkinEditX11Test : public TFormX11Test {
protected:
    void SetUp() override
    {
        TFormX11Test::SetUp();
        test_skin_edits::AddTo(skin_);
        skin_.LoadInto(data_);
    }

    TbsSkinEdit* AddEdit(int Top, const char* Name, bool Button, bool Skinned)
    {
        auto* edit = new TbsSkinEdit(form_);
        edit->SetSkinDataName(Name);
        edit->SetButtonMode(Button);
        edit->SetBounds(10, Top, 200, 20);
        edit->SetParent(form_);
        if (Skinned)
            edit->SetSkinData(&data_);
        return edit;
    }

    TTestSkin skin_;
    TbsSkinData data_{nullptr};
};

TEST_F(TSkinEditX11Test, TypingEnterAndTheEditButton)
{
    form_ = new TForm(nullptr);
    form_->SetBounds(80, 60, 260, 200);
    TbsSkinEdit* plain = AddEdit(10, "edit", true, false);
    TbsSkinEdit* skinned = AddEdit(50, "edit", false, true);
    TbsSkinEdit* withButton = AddEdit(90, "buttonedit", true, true);
    plain->SetText("plain, with a button");
    withButton->SetText("說門 buttonedit");
    std::vector<std::string> log;
    auto* ok = new TButton(form_);
    ok->SetParent(form_);
    ok->SetBounds(10, 130, 80, 24);
    ok->SetCaption("OK");
    ok->SetDefault(true);
    ok->OnClick = TNotifyEvent::FromCallable([&log](TObject*) { log.push_back("ok"); });
    withButton->OnButtonClick = TNotifyEvent::FromCallable([&log](TObject*) { log.push_back("button"); });
    form_->Show();
    Pump();
    ASSERT_TRUE(BecomesViewable(form_->Handle()));

    Click(skinned->ClientToScreen(Point(20, 5)));
    ASSERT_TRUE(PumpUntil([&] { return skinned->Focused(); }));
    Key(XK_a);
    Key(XK_b);
    Key(XK_Return);
    EXPECT_TRUE(PumpUntil([&] { return log.size() == 1; }));
    EXPECT_EQ(skinned->Text(), "ab");
    EXPECT_EQ(SendMessage(skinned->Handle(), EM_GETLINECOUNT, 0, 0), 1);

    const TRect button = withButton->ButtonRect();
    TRect window;
    GetWindowRect(withButton->Handle(), &window);
    Click(Point(window.Left + (button.Left + button.Right) / 2, window.Top + (button.Top + button.Bottom) / 2));
    EXPECT_TRUE(PumpUntil([&] { return log.size() == 2; }));
    EXPECT_EQ(log, (std::vector<std::string>{"ok", "button"}));
    EXPECT_TRUE(withButton->Focused());
    EXPECT_TRUE(PumpUntil([&] { return DisplayShowsBacking(); }));
    if (const char* file = std::getenv("TANDRIL_EDIT_SCREENSHOT")) {
        const std::vector<uint8_t> png = WritePng(ScreenImage(TRect{80, 60, 340, 260}));
        if (FILE* out = std::fopen(file, "wb")) {
            std::fwrite(png.data(), 1, png.size(), out);
            std::fclose(out);
        }
    }
}

}  // namespace
