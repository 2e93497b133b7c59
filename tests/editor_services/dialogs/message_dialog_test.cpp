// The message dialogs with the caller's buttons: layout from the measured
// texts, the answer for every way of closing, Ctrl+C, and the one difference
// between the editor's and the application's module.

#include "editor_services/dialogs/message_dialog.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>

#include "editor_services/dialogs/message_dlg.h"
#include "editor_services/dialogs/syn_msg_dialog.h"
#include "platform/ui/kernel/application.h"
#include "platform/ui/widgets/button.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/icon.h"
#include "platform/ui/widgets/image.h"
#include "platform/ui/widgets/label.h"
#include "platform/ui/kernel/modal_answers.h"
#include "platform/ui/graphics/picture.h"
#include "platform/ui/kernel/screen.h"
#include "platform/win/clipboard.h"
#include "platform/win/global_memory.h"
#include "platform/win/headless_input.h"
#include "platform/win/message_queue.h"
#include "platform/win/system_info.h"
#include "platform/win/system_parameters.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"

namespace {

const std::vector<AnsiString> SaveChoices{"保存(&S)", "丢弃(&D)", "取消"};

class TMessageDialogTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { setenv("TANDRIL_BACKEND", "headless", 1); }
    void TearDown() override
    {
        TModalAnswers::Clear();
        Application->ProcessMessages();
        EXPECT_EQ(Screen->FormCount(), 0);
    }

    // Once the dialog is up, Act works it like a user; answers what the
    // dialog answered.
    static int Ask(const std::function<void(TCustomForm* Dialog)>& Act, const std::function<int()>& Show)
    {
        TModalAnswers::Push([&](const TModalRequest& Request) {
            Act(Request.Form);
            return mrNone;
        });
        return Show();
    }

    static void CloseBox(TCustomForm* Dialog) { SendMessage(Dialog->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); }

    static AnsiString ClipboardText()
    {
        AnsiString text;
        if (OpenClipboard(nullptr)) {
            if (HGLOBAL data = GetClipboardData(CF_TEXT)) {
                text = static_cast<const char*>(GlobalLock(data));
                GlobalUnlock(data);
            }
            CloseClipboard();
        }
        return text;
    }
};

TEST_F(TMessageDialogTest, ClientWidthFollowsTheWiderOfLabelAndButtonRow)
{
    // A long message: the label decides the width, the buttons are centred
    // counting 3 pixels a gap but set 4 apart.
    const AnsiString longText(60, 'W');
    TMessageDialog* wide = CreateMessageDialog(longText, mtConfirmation, {"是", "否"}, 23, 80, -1, 0);
    const int label = wide->Message->Width();
    ASSERT_GT(label + 48, 163);
    EXPECT_EQ(wide->ClientWidth(), label + 48 + 32);
    EXPECT_EQ(wide->Message->Left(), 64);
    EXPECT_EQ(wide->Buttons[0]->Left(), (label + 48 + 32 - 163) / 2);
    EXPECT_EQ(wide->Buttons[1]->Left(), wide->Buttons[0]->Left() + 84);
    EXPECT_EQ(wide->Buttons[0]->Top(), 16 + wide->Message->Height() + 15);
    EXPECT_EQ(wide->ClientHeight(), wide->Buttons[0]->Top() + 23 + 16);
    delete wide;

    // A short message and a wide caption: the row decides, and a caption
    // wider than 60 pixels widens its button to text + 20.
    const AnsiString longCaption = "這門說乗中這門說乗中這門說乗中(&X)";
    TMessageDialog* row = CreateMessageDialog("說", mtInformation, {"確定", longCaption, "取消"}, 23, 80, 2, 0);
    const int captionWidth = row->Canvas()->TextWidth(longCaption) + 20;
    ASSERT_GT(captionWidth, 80);
    EXPECT_EQ(row->Buttons[1]->Width(), captionWidth);
    EXPECT_EQ(row->Buttons[0]->Width(), 80);
    const int total = 80 + captionWidth + 80 + 2 * 3;
    EXPECT_EQ(row->ClientWidth(), total + 32);
    EXPECT_EQ(row->Buttons[0]->Left(), 16);
    EXPECT_EQ(row->Buttons[2]->Left(), 16 + 80 + 4 + captionWidth + 4);
    EXPECT_TRUE(row->Buttons[0]->Default());
    EXPECT_TRUE(row->Buttons[2]->Cancel());
    EXPECT_FALSE(row->Buttons[1]->Default() || row->Buttons[1]->Cancel());
    delete row;
}

// A missing database's notice quotes its path: however long the path, the
// box stays on the screen, the path wraps between characters where it has
// no spaces, and only a text too tall for the screen loses its middle;
// Ctrl+C still copies the whole message.
TEST_F(TMessageDialogTest, AnOverlongMessageWrapsAndIsCutToStayOnTheScreen)
{
    TRect work;
    SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
    auto onScreen = [&](const AnsiString& Msg) {
        bool inside = false;
        AnsiString shown;
        Ask(
            [&](TCustomForm* Dialog) {
                TRect r;
                GetWindowRect(Dialog->Handle(), &r);
                inside = r.Left >= work.Left && r.Top >= work.Top && r.Right <= work.Right && r.Bottom <= work.Bottom;
                shown = static_cast<TMessageDialog*>(Dialog)->Message->Caption();
                InjectKeyStroke('C', InjectCtrl);
                InjectKeyStroke(VK_RETURN);
            },
            [&] { return SynMsgDialog.ShowInfoMessage(Msg, "Notes"); });
        EXPECT_TRUE(inside) << Msg.size() << " bytes";
        return shown;
    };
    AnsiString path;
    while (path.size() < 240)
        path += "/project_folder";
    const AnsiString notice = "找不到文章库" + path + "/notes.vek";
    EXPECT_EQ(onScreen(notice), notice);
    // The path has no spaces: it takes as many lines as its width needs.
    TMessageDialog* wrapped = CreateMessageDialog(notice, mtInformation, {"确定"}, 23, 80, -1, 0);
    EXPECT_TRUE(wrapped->Message->WordWrap());
    EXPECT_LE(wrapped->Width(), work.Width() * 3 / 4);
    const int pathLines = wrapped->Canvas()->TextWidth(path + "/notes.vek") / wrapped->Message->Width() + 1;
    ASSERT_GE(pathLines, 2);
    EXPECT_EQ(wrapped->Message->Height(), (1 + pathLines) * wrapped->Canvas()->TextHeight("W"));
    delete wrapped;

    AnsiString huge = "開始";
    while (huge.size() < 100000)
        huge += "/說門這乗中" + std::to_string(huge.size());
    huge += "結束";
    const AnsiString cut = onScreen(huge);
    EXPECT_LT(cut.size(), huge.size());
    EXPECT_EQ(cut.substr(0, 4), "開始");
    EXPECT_EQ(cut.substr(cut.size() - 4), "結束");
    EXPECT_NE(cut.find("\r\n…\r\n"), AnsiString::npos);
    EXPECT_NE(ClipboardText().find(huge), AnsiString::npos);
}

TEST_F(TMessageDialogTest, TheFormTakesTheSystemMessageFontWithItsCharacterSet)
{
    NONCLIENTMETRICS metrics;
    ASSERT_TRUE(SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
    ASSERT_EQ(metrics.lfMessageFont.lfCharSet, GB2312_CHARSET);
    TMessageDialog* dialog = CreateMessageDialog("說門", mtInformation, {"确定(&O)"}, 23, 80, -1, 0);
    EXPECT_EQ(dialog->Font()->Name(), AnsiString(metrics.lfMessageFont.lfFaceName));
    EXPECT_EQ(dialog->Font()->Height(), metrics.lfMessageFont.lfHeight);
    EXPECT_EQ(dialog->Font()->Charset(), GB2312_CHARSET);
    // The captions are measured and drawn with it too.
    EXPECT_EQ(dialog->Canvas()->Font()->Charset(), GB2312_CHARSET);
    EXPECT_EQ(dialog->Buttons[0]->Font()->Charset(), GB2312_CHARSET);
    EXPECT_EQ(dialog->Message->Font()->Charset(), GB2312_CHARSET);
    delete dialog;
}

TEST_F(TMessageDialogTest, TheIconFollowsTheLowSevenBitsOfTheType)
{
    auto iconEmpty = [](int Type) {
        TMessageDialog* dialog = CreateMessageDialog("x", static_cast<TMsgDlgType>(Type), {"OK"}, 23, 80, -1, 0);
        const bool empty = dialog->Image->Picture()->Icon()->Empty();
        EXPECT_EQ(dialog->Image->Width(), 32);
        delete dialog;
        return empty;
    };
    for (int type = mtWarning; type <= mtConfirmation; ++type)
        EXPECT_FALSE(iconEmpty(type)) << type;
    EXPECT_TRUE(iconEmpty(mtCustom));
    EXPECT_FALSE(iconEmpty(0x80 | mtError));
    EXPECT_TRUE(iconEmpty(0x80 | mtCustom));
}

TEST_F(TMessageDialogTest, EveryWayOfClosingAnswersItsButton)
{
    auto buttons = [](const std::vector<AnsiString>& Captions) {
        return [Captions] { return MessageDlg.MessageDlgButtons("保存這門說?", "Notes", mtConfirmation, Captions); };
    };
    // Enter presses the first button, the default.
    EXPECT_EQ(Ask([](TCustomForm*) { InjectKeyStroke(VK_RETURN); }, buttons(SaveChoices)), 1);
    // A click on the third.
    EXPECT_EQ(Ask(
                  [](TCustomForm* Dialog) {
                      auto* third = static_cast<TMessageDialog*>(Dialog)->Buttons[2];
                      InjectClick(third->ClientToScreen(Point(10, 10)));
                  },
                  buttons(SaveChoices)),
              3);
    // No cancel button: Escape does nothing, and Enter still answers.
    EXPECT_EQ(Ask(
                  [](TCustomForm*) {
                      InjectKeyStroke(VK_ESCAPE);
                      InjectKeyStroke(VK_RETURN);
                  },
                  buttons(SaveChoices)),
              1);
    // The close box on a save question must not answer "discard".
    EXPECT_EQ(Ask(CloseBox, buttons(SaveChoices)), 3);
    EXPECT_EQ(Ask(CloseBox, buttons({"是", "否"})), 2);
    EXPECT_EQ(Ask(CloseBox, buttons({})), 2);
    EXPECT_EQ(Ask([](TCustomForm*) { InjectKeyStroke(VK_RETURN); },
                  [] { return SynMsgDialog.ShowInfoMessage("中", "Notes"); }),
              1);
    EXPECT_EQ(Ask(CloseBox, [] { return SynMsgDialog.ShowInfoMessage("中", "Notes"); }), 2);
    // A designated cancel button takes Escape.
    EXPECT_EQ(Ask([](TCustomForm*) { InjectKeyStroke(VK_ESCAPE); },
                  [] {
                      return SynMsgDialog.ShowMessageDialogAt("替換?", "Find", mtConfirmation, -1, -1, 3, 0,
                                                              {"是", "否", "全部", "取消"});
                  }),
              4);
}

TEST_F(TMessageDialogTest, TheHelpButtonNeverClosesAndPositionsAreKept)
{
    EXPECT_EQ(Ask(
                  [](TCustomForm* Dialog) {
                      auto* dialog = static_cast<TMessageDialog*>(Dialog);
                      EXPECT_EQ(dialog->Left(), 40);
                      EXPECT_EQ(dialog->Top(), 30);
                      EXPECT_EQ(dialog->Caption(), "Help?");
                      dialog->Buttons[1]->Click();
                      EXPECT_EQ(dialog->ModalResult(), mrNone);
                      dialog->Buttons[0]->Click();
                  },
                  [] {
                      return SynMsgDialog.ShowMessageDialog("門", "Help?", mtWarning, {"OK", "Help"}, 30, 40,
                                                            "notes.hlp", 12, 1, -1, 0);
                  }),
              1);
}

TEST_F(TMessageDialogTest, CtrlCCopiesCaptionMessageAndButtons)
{
    ClearMessageBeeps();
    EXPECT_EQ(Ask(
                  [](TCustomForm*) {
                      InjectKeyStroke('C', InjectCtrl);
                      InjectKeyStroke(VK_RETURN);
                  },
                  [] { return SynMsgDialog.ShowInfoMessage("這門說乗中", "Notes"); }),
              1);
    const AnsiString divider = AnsiString(27, '-') + "\r\n";
    EXPECT_EQ(ClipboardText(),
              divider + "Notes\r\n" + divider + "這門說乗中\r\n" + divider + "确定(O)   \r\n" + divider);
    EXPECT_EQ(MessageBeeps().size(), 1u);

    // Shift with Ctrl copies nothing.
    OpenClipboard(nullptr);
    EmptyClipboard();
    CloseClipboard();
    EXPECT_EQ(Ask(
                  [](TCustomForm*) {
                      InjectKeyStroke('C', InjectCtrl | InjectShift);
                      InjectKeyStroke(VK_RETURN);
                  },
                  [] { return SynMsgDialog.ShowInfoMessage("x", "Notes"); }),
              1);
    EXPECT_EQ(ClipboardText(), "");
}

TEST_F(TMessageDialogTest, CtrlCWhileTheClipboardIsHeldTellsTheUserAndTheDialogStays)
{
    AnsiString told;
    EXPECT_EQ(Ask(
                  [&](TCustomForm*) {
                      TModalAnswers::Push([&](const TModalRequest& Request) {
                          told = Request.Text;
                          return 1;
                      });
                      OpenClipboard(nullptr);
                      InjectKeyStroke('C', InjectCtrl);
                      Application->ProcessMessages();
                      CloseClipboard();
                      InjectKeyStroke(VK_RETURN);
                  },
                  [] { return SynMsgDialog.ShowInfoMessage("x", "Notes"); }),
              1);
    EXPECT_EQ(told, "Cannot open clipboard.");
}

TEST_F(TMessageDialogTest, OnlyTheApplicationsBoxesPutTopMostWindowsBack)
{
    auto* onTop = new TForm(nullptr);
    onTop->SetFormStyle(fsStayOnTop);
    onTop->Show();
    auto topMost = [onTop] { return (GetWindowLong(onTop->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; };
    ASSERT_TRUE(topMost());
    bool during = true;
    Ask([&](TCustomForm*) {
            during = topMost();
            InjectKeyStroke(VK_RETURN);
        },
        [] { return MessageDlg.ShowInfoMessage("x", "Notes"); });
    EXPECT_FALSE(during);
    EXPECT_TRUE(topMost());
    Ask([&](TCustomForm*) {
            during = topMost();
            InjectKeyStroke(VK_RETURN);
        },
        [] { return SynMsgDialog.ShowInfoMessage("x", "Notes"); });
    EXPECT_TRUE(during);
    delete onTop;
}

}  // namespace
