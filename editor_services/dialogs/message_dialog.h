// TMessageDialog: the question and information box whose buttons carry the
// caller's captions, and the operations that build and show it, shared by
// the editor's (SynMsgDialog) and the application's (MessageDlg) modules.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/kernel/custom_form.h"

class TButton;
class TImage;
class TLabel;

// Only chooses the icon: warning, error, information, question, none.
enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

class TMessageDialog : public TForm {
public:
    explicit TMessageDialog(TComponent* AOwner);

    TLabel* Message = nullptr;  // owned by the form
    TImage* Image = nullptr;    // owned by the form
    std::vector<TButton*> Buttons;  // owned by the form, in caption order
    AnsiString FullMessage;  // the message as given; the label may show it wrapped and cut to fit the screen

    // The text Ctrl+C puts on the clipboard: caption, message and button
    // captions between dividers.
    AnsiString ClipboardText();

protected:
    // The close box and the system menu answer the cancel result, 2, for
    // one or two buttons; with more, the last button, which is always the
    // caller's "cancel" choice (2 would be "discard" in a save question).
    void Dispatch(TMessage& Message) override;

private:
    void FormKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
};

// Builds the dialog, owned by the application object. A negative or
// out-of-range index designates no cancel or default button.
TMessageDialog* CreateMessageDialog(const AnsiString& Msg, TMsgDlgType DlgType,
                                    const std::vector<AnsiString>& Captions, int ButtonHeight,
                                    int MinButtonWidth, int CancelIndex, int DefaultIndex);

// The operations of the two modules; NormalizeTopMosts says whether
// windows that stay on top step back while the dialog is up (the
// application's module) or not (the editor's).
struct TMessageDialogModule {
    bool NormalizeTopMosts = false;

    int ShowMessageDialog(const AnsiString& Msg, const AnsiString& Caption, TMsgDlgType DlgType,
                          const std::vector<AnsiString>& Captions, int Top, int Left,
                          const AnsiString& HelpFileName, int HelpContext, int HelpIndex, int CancelIndex,
                          int DefaultIndex) const;
    int ShowMessageDialogAt(const AnsiString& Msg, const AnsiString& Caption, TMsgDlgType DlgType, int Top,
                            int Left, int CancelIndex, int DefaultIndex,
                            const std::vector<AnsiString>& Captions) const;
    int MessageDlgButtons(const AnsiString& Msg, const AnsiString& Caption, TMsgDlgType DlgType,
                          const std::vector<AnsiString>& Captions) const;
    int ShowInfoMessageAt(const AnsiString& Msg, const AnsiString& Caption, int Left, int Top) const;
    int ShowInfoMessage(const AnsiString& Msg, const AnsiString& Caption) const;
    void ShowAppMessage(const AnsiString& Msg) const;
};
