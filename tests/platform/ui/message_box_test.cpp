// Message boxes answered through their real buttons: the default button,
// Escape, accelerators and clicks, and the icon their flags ask for.

#include "platform/ui/dialogs/message_box.h"

#include <functional>

#include "form_test_support.h"
#include "platform/ui/kernel/application.h"
#include "platform/ui/widgets/button.h"
#include "platform/ui/kernel/modal_answers.h"
#include "platform/win/headless_input.h"
#include "platform/win/headless_screen.h"
#include "platform/win/virtual_keys.h"

namespace {

class TMessageBoxTest : public TFormTest {
protected:
    // Shows the box and, once it is up, types Keys into it; answers what
    // the box answered.
    static int AskWithKeys(UINT Flags, const std::function<void(TCustomForm* Box)>& Keys)
    {
        TModalAnswers::Push([&](const TModalRequest& Request) {
            Keys(Request.Form);
            return mrNone;
        });
        return ShowMessageBox("Save the changes to \xD5\x66\xE9\x54?", "Notes", Flags);
    }

    // The box's button with this caption.
    static TButton* ButtonOf(TCustomForm* Box, const AnsiString& Caption)
    {
        for (int i = 0; i < Box->ControlCount(); ++i)
            if (auto* button = dynamic_cast<TButton*>(Box->Controls(i)); button && button->Caption() == Caption)
                return button;
        return nullptr;
    }
};

TEST_F(TMessageBoxTest, ButtonsAnswerByEnterEscapeAcceleratorsAndClicks)
{
    EXPECT_EQ(AskWithKeys(MB_YESNOCANCEL, [](TCustomForm*) { InjectKeyStroke(VK_RETURN); }), IDYES);
    EXPECT_EQ(AskWithKeys(MB_YESNOCANCEL | MB_DEFBUTTON2, [](TCustomForm*) { InjectKeyStroke(VK_RETURN); }), IDNO);
    EXPECT_EQ(AskWithKeys(MB_YESNOCANCEL, [](TCustomForm*) { InjectKeyStroke(VK_ESCAPE); }), IDCANCEL);
    EXPECT_EQ(AskWithKeys(MB_OK, [](TCustomForm*) { InjectKeyStroke(VK_ESCAPE); }), IDOK);
    // Yes/No has no answer for Escape: it does nothing, and a letter then
    // picks its button.
    EXPECT_EQ(AskWithKeys(MB_YESNO,
                          [](TCustomForm*) {
                              InjectKeyStroke(VK_ESCAPE);
                              InjectText("n");
                          }),
              IDNO);
    // Tab to the next button, Space presses it.
    EXPECT_EQ(AskWithKeys(MB_ABORTRETRYIGNORE,
                          [](TCustomForm*) {
                              InjectKeyStroke(VK_TAB);
                              InjectKeyDown(VK_SPACE, " ");
                              InjectKeyUp(VK_SPACE);
                          }),
              IDRETRY);
    EXPECT_EQ(AskWithKeys(MB_RETRYCANCEL,
                          [](TCustomForm* Box) { InjectClick(ScreenPoint(ButtonOf(Box, "取消"), 10, 10)); }),
              IDCANCEL);
}

TEST_F(TMessageBoxTest, TheIconOfTheFlagsStandsAtTheTopLeft)
{
    COLORREF shown = CLR_INVALID;
    COLORREF without = CLR_INVALID;
    auto look = [&](COLORREF& Pixel) {
        return [&Pixel](TCustomForm* Box) {
            Application->ProcessMessages();
            // Inside the question icon's blue disc, left of its mark.
            TPoint p = Box->ClientToScreen(Point(12 + 6, 12 + 16));
            ComposeScreen();
            Pixel = ScreenPixel(p.X, p.Y);
            InjectKeyStroke(VK_RETURN);
        };
    };
    EXPECT_EQ(AskWithKeys(MB_OKCANCEL | MB_ICONQUESTION, look(shown)), IDOK);
    EXPECT_EQ(shown, RGB(0x2F, 0x6F, 0xCF));
    EXPECT_EQ(AskWithKeys(MB_OKCANCEL, look(without)), IDOK);
    EXPECT_NE(without, RGB(0x2F, 0x6F, 0xCF));
}

}  // namespace

TEST_F(TMessageBoxTest, ButtonsSpeakChineseAndTheirLettersStillAnswer)
{
    auto captions = [](UINT Flags) {
        std::string shown;
        AskWithKeys(Flags, [&](TCustomForm* Box) {
            for (int i = 0; i < Box->ControlCount(); ++i)
                if (auto* button = dynamic_cast<TButton*>(Box->Controls(i)))
                    shown += button->Caption() + "|";
            InjectKeyStroke(VK_RETURN);
        });
        return shown;
    };
    EXPECT_EQ(captions(MB_OK), "确定|");
    EXPECT_EQ(captions(MB_OKCANCEL), "确定|取消|");
    EXPECT_EQ(captions(MB_YESNOCANCEL), "是(&Y)|否(&N)|取消|");
    EXPECT_EQ(captions(MB_ABORTRETRYIGNORE), "中止(&A)|重试(&R)|忽略(&I)|");
    EXPECT_EQ(AskWithKeys(MB_ABORTRETRYIGNORE, [](TCustomForm*) { InjectText("i"); }), IDIGNORE);
}
