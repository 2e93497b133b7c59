// The message dialog form: icon, message and the caller's buttons, laid out
// from the measured text; Ctrl+C copies its texts; the shared show calls.
#include "editor_services/dialogs/message_dialog.h"

#include <algorithm>

#include "platform/base/code_page.h"
#include "platform/base/exceptions.h"
#include "platform/ui/kernel/application.h"
#include "platform/ui/widgets/button.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/icon.h"
#include "platform/ui/widgets/image.h"
#include "platform/ui/widgets/label.h"
#include "platform/ui/graphics/picture.h"
#include "platform/ui/kernel/size_constraints.h"
#include "platform/ui/graphics/system_icons.h"
#include "platform/win/clipboard.h"
#include "platform/win/clipboard_text.h"
#include "platform/win/system_info.h"
#include "platform/win/system_parameters.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_lifecycle.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_styles.h"
#include "platform/win/window_tree.h"

namespace {

const char* IconNameOf(TMsgDlgType DlgType)
{
    static const char* const Names[] = {IDI_EXCLAMATION, IDI_HAND, IDI_ASTERISK, IDI_QUESTION, nullptr};
    const unsigned index = static_cast<unsigned>(DlgType) & 0x7F;
    return index < std::size(Names) ? Names[index] : nullptr;
}

// While alive, the program's windows that stay on top step behind the
// others, so that they cannot cover a dialog; they go back on top after.
class TTopMostsNormalized {
public:
    explicit TTopMostsNormalized(bool Active)
    {
        if (!Active)
            return;
        EnumWindows(WNDENUMPROC::FromCallable([this](HWND Window, LPARAM) {
                        if (IsWindowVisible(Window) && (GetWindowLong(Window, GWL_EXSTYLE) & WS_EX_TOPMOST))
                            windows_.push_back(Window);
                        return true;
                    }),
                    0);
        for (HWND window : windows_)
            SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    ~TTopMostsNormalized()
    {
        for (HWND window : windows_)
            if (IsWindow(window))
                SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    TTopMostsNormalized(const TTopMostsNormalized&) = delete;
    TTopMostsNormalized& operator=(const TTopMostsNormalized&) = delete;

private:
    std::vector<HWND> windows_;
};

// The message shown in at most Width x Height pixels: wider than Width it
// wraps (a long path breaks between characters), and taller than Height it
// loses its middle to an ellipsis, the most of its start and end kept that
// fits. The dialog itself keeps the whole message for the clipboard.
void FitMessage(TLabel* Label, const AnsiString& Msg, int Width, int Height)
{
    Label->SetCaption(Msg);
    if (Label->Width() <= Width)
        return;
    // Sized to the text, the label would take its whole width back: the
    // width is set first, then the wrapped text decides the height.
    Label->SetAutoSize(false);
    Label->SetWordWrap(true);
    Label->SetWidth(Width);
    Label->SetAutoSize(true);
    if (Label->Height() <= Height)
        return;
    std::vector<size_t> starts;  // every character start, and the end
    for (size_t i = 0; i < Msg.size(); i += CharLengthAt(Msg, i))
        starts.push_back(i);
    starts.push_back(Msg.size());
    auto cut = [&](size_t keep) {  // Keep characters from each end
        return Msg.substr(0, starts[keep]) + "\r\n…\r\n" + Msg.substr(starts[starts.size() - 1 - keep]);
    };
    size_t fits = 0, tooTall = (starts.size() - 1) / 2;
    while (tooTall - fits > 1) {
        const size_t keep = fits + (tooTall - fits) / 2;
        Label->SetCaption(cut(keep));
        (Label->Height() <= Height ? fits : tooTall) = keep;
    }
    Label->SetCaption(cut(fits));
}

}  // namespace

TMessageDialog::TMessageDialog(TComponent* AOwner) : TForm(AOwner)
{
    NONCLIENTMETRICS metrics;
    if (SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
        Font()->SetName(metrics.lfMessageFont.lfFaceName);
        Font()->SetHeight(metrics.lfMessageFont.lfHeight);
        // The character set too: it tells the font layer that the text is
        // double-byte GBK, as the messages are.
        Font()->SetCharset(metrics.lfMessageFont.lfCharSet);
    }
    Image = new TImage(this);
    Image->SetParent(this);
    Image->SetBounds(16, 16, 32, 32);
    Message = new TLabel(this);
    Message->SetParent(this);
    Message->SetLeft(64);
    Message->SetTop(16);
    Message->Constraints()->SetMinHeight(32);
    Message->SetLayout(tlCenter);
    Message->SetAutoSize(true);
    SetBorderStyle(bsDialog);
    Canvas()->Font()->Assign(Font());
    SetKeyPreview(true);
    OnKeyDown = TKeyEvent(this, &TMessageDialog::FormKeyDown);
}

void TMessageDialog::Dispatch(TMessage& Msg)
{
    if (Msg.Msg == WM_CLOSE && Modal() && Buttons.size() > 2) {
        SetModalResult(static_cast<TModalResult>(Buttons.size()));
        return;
    }
    TForm::Dispatch(Msg);
}

AnsiString TMessageDialog::ClipboardText()
{
    const AnsiString divider = AnsiString(27, '-') + "\r\n";
    AnsiString captions;
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* button = dynamic_cast<TButton*>(Controls(i)))
            captions += button->Caption() + "   ";
    captions.erase(std::remove(captions.begin(), captions.end(), '&'), captions.end());
    return divider + Caption() + "\r\n" + divider + FullMessage + "\r\n" + divider + captions + "\r\n" +
           divider;
}

void TMessageDialog::FormKeyDown(TObject*, WORD& Key, TShiftState Shift)
{
    if (Key != 'C' || Shift != TShiftState{ssCtrl})
        return;
    MessageBeep(0);
    // The dialog stays open when the copy fails; the user hears of it.
    if (!SetClipboardText(Handle(), {{CF_TEXT, ClipboardText()}}))
        throw Exception("Cannot open clipboard");
}

TMessageDialog* CreateMessageDialog(const AnsiString& Msg, TMsgDlgType DlgType,
                                    const std::vector<AnsiString>& Captions, int ButtonHeight,
                                    int MinButtonWidth, int CancelIndex, int DefaultIndex)
{
    auto* dialog = new TMessageDialog(Application);
    if (const char* icon = IconNameOf(DlgType))
        dialog->Image->Picture()->Icon()->SetHandle(LoadIcon(nullptr, icon));
    dialog->FullMessage = Msg;
    // The box stays within three quarters of the work area, its frame, the
    // icon's column, the margins and the button row included.
    TRect work;
    SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
    dialog->HandleNeeded();  // the frame's size is known once the window is
    const int frameWidth = dialog->Width() - dialog->ClientWidth();
    const int frameHeight = dialog->Height() - dialog->ClientHeight();
    FitMessage(dialog->Message, Msg, std::max(work.Width() * 3 / 4 - frameWidth - 80, 100),
               std::max(work.Height() * 3 / 4 - frameHeight - dialog->Message->Top() - 15 - ButtonHeight - 16, 32));
    const int buttonTop = dialog->Message->Top() + dialog->Message->Height() + 15;
    const int minWidth = dialog->Message->Width() + 48;
    int total = 0;
    for (size_t i = 0; i < Captions.size(); ++i) {
        auto* button = new TButton(dialog);
        button->SetParent(dialog);
        const int index = static_cast<int>(i);
        if (index == DefaultIndex) {
            button->SetDefault(true);
            dialog->SetActiveControl(button);
        }
        button->SetCancel(index == CancelIndex);
        button->SetModalResult(index + 1);
        button->SetCaption(Captions[i]);
        const int width = std::max(MinButtonWidth, dialog->Canvas()->TextWidth(Captions[i]) + 20);
        button->SetBounds(0, buttonTop, width, ButtonHeight);
        dialog->Buttons.push_back(button);
        total += width + 3;
    }
    // The row is centred counting 3 pixels a gap but laid out with 4, as
    // the dialogs always looked: n buttons sit n - 1 pixels right of centre.
    const int row = total - 3;
    dialog->SetClientWidth(std::max(row, minWidth) + 32);
    dialog->SetClientHeight(buttonTop + ButtonHeight + 16);
    int x = (dialog->ClientWidth() - row) / 2;
    for (TButton* button : dialog->Buttons) {
        button->SetLeft(x);
        x += button->Width() + 4;
    }
    return dialog;
}

int TMessageDialogModule::ShowMessageDialog(const AnsiString& Msg, const AnsiString& Caption, TMsgDlgType DlgType,
                                            const std::vector<AnsiString>& Captions, int Top, int Left,
                                            const AnsiString&, int, int HelpIndex, int CancelIndex,
                                            int DefaultIndex) const
{
    // The help file and context have nowhere to go: there is no help viewer
    // here. The help button still only asks for help, so it never closes.
    TMessageDialog* dialog = CreateMessageDialog(Msg, DlgType, Captions, 23, 80, CancelIndex, DefaultIndex);
    try {
        dialog->SetCaption(Caption);
        if (HelpIndex >= 0 && HelpIndex < static_cast<int>(Captions.size()) && HelpIndex <= 255)
            dialog->Buttons[static_cast<size_t>(HelpIndex)]->SetModalResult(mrNone);
        if (Left < 0 && Top < 0) {
            dialog->SetPosition(poScreenCenter);
        } else {
            if (Left >= 0)
                dialog->SetLeft(Left);
            if (Top >= 0)
                dialog->SetTop(Top);
        }
        int result;
        {
            TTopMostsNormalized normalized(NormalizeTopMosts);
            result = dialog->ShowModal();
        }
        delete dialog;
        return result;
    } catch (...) {
        delete dialog;
        throw;
    }
}

int TMessageDialogModule::ShowMessageDialogAt(const AnsiString& Msg, const AnsiString& Caption, TMsgDlgType DlgType,
                                              int Top, int Left, int CancelIndex, int DefaultIndex,
                                              const std::vector<AnsiString>& Captions) const
{
    return ShowMessageDialog(Msg, Caption, DlgType, Captions, Top, Left, AnsiString(), 0, -1, CancelIndex,
                             DefaultIndex);
}

int TMessageDialogModule::MessageDlgButtons(const AnsiString& Msg, const AnsiString& Caption, TMsgDlgType DlgType,
                                            const std::vector<AnsiString>& Captions) const
{
    return ShowMessageDialogAt(Msg, Caption, DlgType, -1, -1, -1, 0, Captions);
}

int TMessageDialogModule::ShowInfoMessageAt(const AnsiString& Msg, const AnsiString& Caption, int Left,
                                            int Top) const
{
    return ShowMessageDialogAt(Msg, Caption, mtInformation, Top, Left, -1, 0, {"确定(&O)"});
}

int TMessageDialogModule::ShowInfoMessage(const AnsiString& Msg, const AnsiString& Caption) const
{
    return ShowInfoMessageAt(Msg, Caption, -1, -1);
}

void TMessageDialogModule::ShowAppMessage(const AnsiString& Msg) const { ShowInfoMessage(Msg, Application->Title()); }
