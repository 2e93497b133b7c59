// The page setup dialog's context menu on the header and footer boxes:
// macros typed in at the selection, and the font and styles of the line
// the caret is on, in the box entered last.
#include <algorithm>

#include "editor_services/printing/syn_page_setup_dlg.h"
#include "platform/base/strings.h"
#include "platform/ui/dialogs/font_dialog.h"
#include "platform/ui/kernel/action_list.h"
#include "platform/ui/kernel/menus.h"
#include "platform/ui/textedit/rich_edit.h"
#include "platform/ui/widgets/check_box.h"
#include "platform/win/edit_control_messages.h"

TAction* TSynPageSetupDlg::AddHeadAction(const char* Name, const char* Caption, const char* Hint,
                                         void (TSynPageSetupDlg::*Execute)(TObject*))
{
    auto* action = new TAction(this);
    action->SetName(Name);
    action->SetCaption(Caption);
    action->SetHint(Hint);
    action->SetOnExecute(TNotifyEvent(this, Execute));
    action->SetActionList(HeadActions);
    action->SetEnabled(false);
    auto* item = new TMenuItem(this);
    item->SetAction(action);
    HeadMenu->Items()->Add(item);
    return action;
}

void TSynPageSetupDlg::BuildHeadMenu()
{
    HeadActions = new TActionList(this);
    HeadMenu = new TPopupMenu(this);
    HeadMenu->SetName("HeadMenu");
    struct TMacro {
        const char *Name, *Caption, *Hint, *Text;
    };
    static const TMacro macros[] = {{"PageNumCmd", "页码(&N)", "Page number", "$PAGENUM$"},
                                    {"PagesCmd", "页数(&P)", "Num. pages", "$PAGECOUNT$"},
                                    {"TimeCmd", "时间(&T)", "Time", "$TIME$"},
                                    {"DateCmd", "日期(&D)", "Date", "$DATE$"},
                                    {"TitleCmd", "标题(&T)", "Title", "$TITLE$"}};
    TAction** macroActions[] = {&PageNumCmd, &PagesCmd, &TimeCmd, &DateCmd, &TitleCmd};
    for (size_t i = 0; i < std::size(macros); ++i) {
        *macroActions[i] = AddHeadAction(macros[i].Name, macros[i].Caption, macros[i].Hint, &TSynPageSetupDlg::InsertMacro);
        (*macroActions[i])->Tag = reinterpret_cast<intptr_t>(macros[i].Text);
    }
    FontCmd = AddHeadAction("FontCmd", "字体(&F)", "Font", &TSynPageSetupDlg::FontCmdExecute);
    BoldCmd = AddHeadAction("BoldCmd", "粗体(&B)", "Bold", &TSynPageSetupDlg::StyleCmdExecute);
    BoldCmd->Tag = fsBold;
    ItalicCmd = AddHeadAction("ItalicCmd", "斜体(&I)", "Italic", &TSynPageSetupDlg::StyleCmdExecute);
    ItalicCmd->Tag = fsItalic;
    UnderlineCmd = AddHeadAction("UnderlineCmd", "下划线(&U)", "Underline", &TSynPageSetupDlg::StyleCmdExecute);
    UnderlineCmd->Tag = fsUnderline;
}

void TSynPageSetupDlg::EnableHeadActions(TObject*)
{
    const bool enabled = currentBox_ && currentBox_->Focused();
    for (int i = 0; i < HeadActions->ActionCount(); ++i)
        static_cast<TAction*>(HeadActions->Actions(i))->SetEnabled(enabled);
}

void TSynPageSetupDlg::BoxEnter(TObject* Sender)
{
    currentBox_ = static_cast<TRichEdit*>(Sender);
    BoxSelectionChange(Sender);
    EnableHeadActions();
}

void TSynPageSetupDlg::BoxSelectionChange(TObject* Sender)
{
    if (Sender != currentBox_)
        return;
    const int start = currentBox_->SelStart();
    caretLine_ = static_cast<int>(currentBox_->Perform(EM_LINEFROMCHAR, static_cast<WPARAM>(start), 0));
    caretColumn_ = start - static_cast<int>(currentBox_->Perform(EM_LINEINDEX, static_cast<WPARAM>(caretLine_), 0));
}

void TSynPageSetupDlg::InsertMacro(TObject* Sender)
{
    if (currentBox_)
        currentBox_->SetSelText(reinterpret_cast<const char*>(static_cast<TAction*>(Sender)->Tag));
}

void TSynPageSetupDlg::ChangeCaretLine(const std::function<void(TTextAttributes* Attributes)>& Change)
{
    if (!currentBox_)
        return;
    TRichEdit* box = currentBox_;
    // Selecting the line moves the caret, which the selection change
    // records: the caret to go back to is taken before.
    const int line = caretLine_, column = caretColumn_;
    const int start = static_cast<int>(box->Perform(EM_LINEINDEX, static_cast<WPARAM>(line), 0));
    if (start < 0 || line >= box->Lines()->Count())
        return;
    box->SetSelStart(start);
    box->SetSelLength(static_cast<int>(box->Lines()->Strings(line).size()));
    Change(box->SelAttributes());
    box->SetSelStart(start + column);
    box->SetSelLength(0);
}

void TSynPageSetupDlg::FontCmdExecute(TObject*)
{
    ChangeCaretLine([this](TTextAttributes* Attributes) {
        TFontDialog dialog(this);
        dialog.Font()->Assign(const_cast<TFont*>(&currentBox_->SelectionFormat()));
        if (dialog.Execute())
            Attributes->Assign(dialog.Font());
    });
}

void TSynPageSetupDlg::StyleCmdExecute(TObject* Sender)
{
    const auto style = static_cast<TFontStyle>(static_cast<TAction*>(Sender)->Tag);
    ChangeCaretLine([style](TTextAttributes* Attributes) {
        TFontStyles styles = Attributes->Style();
        if (styles.Contains(style))
            styles.Exclude(style);
        else
            styles.Include(style);
        Attributes->SetStyle(styles);
    });
}
