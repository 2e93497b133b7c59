// The find dialog's form: the search box with its assistant button, the
// direction, the options, and the buttons. Made here, it is also the
// dialog the driver makes for Find.
#include "editor_services/search/syn_find_dialog.h"

#include "editor_services/dialogs/syn_dialog_controls.h"
#include "platform/base/strings.h"
#include "platform/ui/kernel/menus.h"
#include "platform/ui/widgets/button.h"
#include "platform/ui/widgets/check_box.h"
#include "platform/ui/widgets/combo_box.h"
#include "platform/ui/widgets/label.h"
#include "platform/ui/widgets/radio_group.h"
#include "platform/ui/widgets/speed_button.h"

TSynSearchDialogFactory SynFindDialogFactory = [] { return std::make_unique<TSynFindDlg>(nullptr); };

namespace {

constexpr int DirectionTop = 40, DirectionWidth = 120, DirectionHeight = 64;

struct TAssistantItem {
    const char* Name;
    const char* Caption;
    const char* Inserted;  // "\\t" is a backslash and a letter, as the pattern spells it
    bool LineAfter;
};

const TAssistantItem AssistantItems[] = {
    {"ETabChar", "制表符", "\\t", false},
    {"ECRChar", "回车符", "\\r", false},
    {"ELFChar", "换行符", "\\n", true},
    {"EAnyChar", "任何字符", ".", false},
    {"ECharInRange", "字符在范围内", "[]", false},
    {"ECharOutRange", "字符不在范围内", "[^]", true},
    {"EMatchBOL", "匹配行首", "^", false},
    {"EMatchEOL", "匹配行尾", "$", true},
    {"EMatchZeroOrMore", "匹配0次或更多", "*", false},
    {"EMatchOneOrMore", "匹配1次或更多", "+", false},
    {"EMatchZeroOrOne", "匹配0次或1次", "?", false},
    {"EMatchNTimes", "匹配指定的次数", "{1}", false},
    {"EMatchLeastNTimes", "最少匹配的次数", "{1,}", false},
    {"EMatchTimesRange", "匹配指定的次数范围", "{1,1}", true},
    {"EMatchNumber", "匹配任意一个数字字符", "\\d", false},
    {"EMatchNonNumber", "匹配任意一个非数字字符", "\\D", false},
    {"EMatchAnySpace", "匹配任意空格字符", "\\s", false},
    {"EMatchAnyNonSpace", "匹配任意非空格字符", "\\S", false},
};

}  // namespace

TSynFindDlg::TSynFindDlg(TComponent* AOwner) : TSynSearchDialog(AOwner)
{
    SetBorderStyle(bsDialog);
    SetFormStyle(fsStayOnTop);
    SetPosition(poScreenCenter);
    SetKeyPreview(true);
    SetCaption("查找");

    // Created in the order Tab visits them.
    const int boxLeft = Margin + LabelWidth;
    cbSearchText = SynPlaceControl(new TComboBox(this), this, "cbSearchText", boxLeft, Margin, BoxWidth, BoxHeight);
    cbSearchText->Hint = "单击右键有辅助菜单";
    cbSearchText->SetShowHint(true);
    cbSearchText->OnChange = TNotifyEvent(this, &TSynFindDlg::TextChanged);
    auto* label = SynPlaceControl(new TLabel(this), this, "lblSearchText", Margin, Margin + 3, LabelWidth, 16);
    label->SetCaption("查找(&S)");
    label->SetFocusControl(cbSearchText);
    AssistantButton = SynPlaceControl(new TSpeedButton(this), this, "AssistantButton", boxLeft + BoxWidth + 4,
                                      Margin, 22, BoxHeight);
    AssistantButton->SetCaption(">");
    AssistantButton->OnClick = TNotifyEvent(this, &TSynFindDlg::AssistantClick);
    BuildAssistantMenu();
    // As the box's hint says: a right click on it opens the same menu.
    cbSearchText->SetPopupMenu(AssistantMenu);

    rgSearchDirection = SynPlaceControl(new TRadioGroup(this), this, "rgSearchDirection", Margin, DirectionTop,
                                        DirectionWidth, DirectionHeight);
    rgSearchDirection->SetCaption("方向");
    rgSearchDirection->Items()->Add("向下(&B)");
    rgSearchDirection->Items()->Add("向上(&F)");
    rgSearchDirection->SetItemIndex(0);
    cbSearchCaseSensitive = AddOption("cbSearchCaseSensitive", "区分大小写(&C)", 0);
    cbSearchWholeWords = AddOption("cbSearchWholeWords", "全字匹配(&W)", 1);
    cbSearchFromCursor = AddOption("cbSearchFromCursor", "从光标处开始查找(&E)", 2);
    cbSearchFromCursor->SetChecked(true);
    cbSearchSelectedOnly = AddOption("cbSearchSelectedOnly", "只查找选中部分(&L)", 3);
    cbRegularExpression = AddOption("cbRegularExpression", "正规表达式(&R)", 4);
    cbRegularExpression->SetChecked(true);

    btnOK = SynPlaceControl(new TButton(this), this, "btnOK", ButtonLeft, Margin, ButtonWidth, ButtonHeight);
    btnOK->SetCaption("查找(&O)");
    btnOK->SetModalResult(mrOk);
    btnOK->SetDefault(true);
    btnCancel = SynPlaceControl(new TButton(this), this, "btnCancel", ButtonLeft, Margin + RowHeight, ButtonWidth,
                                ButtonHeight);
    btnCancel->SetCaption("取消(&C)");
    btnCancel->SetModalResult(mrCancel);
    btnCancel->SetCancel(true);

    // Without a window the client area is taken as the whole form, frame
    // and caption included; the window knows its frame.
    HandleNeeded();
    SetClientWidth(FormWidth);
    SetClientHeight(DirectionTop + 5 * CheckHeight + Margin);
    SetActiveControl(cbSearchText);
    RefreshButtons();
}

TCheckBox* TSynFindDlg::AddOption(const char* Name, const char* Caption, int Index)
{
    const int left = 2 * Margin + DirectionWidth + 4;
    auto* box = SynPlaceControl(new TCheckBox(this), this, Name, left, DirectionTop + 4 + Index * CheckHeight,
                                ButtonLeft - Margin - left, CheckHeight - 2);
    box->SetCaption(Caption);
    return box;
}

void TSynFindDlg::BuildAssistantMenu()
{
    AssistantMenu = new TPopupMenu(this);
    AssistantMenu->SetName("AssistantMenu");
    for (const TAssistantItem& entry : AssistantItems) {
        auto* item = new TMenuItem(AssistantMenu);
        item->SetName(entry.Name);
        item->SetCaption(entry.Caption);
        item->Tag = reinterpret_cast<intptr_t>(entry.Inserted);
        item->OnClick = TNotifyEvent(this, &TSynFindDlg::AssistantItemClick);
        AssistantMenu->Items()->Add(item);
        if (entry.LineAfter) {
            auto* line = new TMenuItem(AssistantMenu);
            line->SetCaption(cLineCaption);
            AssistantMenu->Items()->Add(line);
        }
    }
}

void TSynFindDlg::AssistantClick(TObject*)
{
    const TPoint below = AssistantButton->ClientToScreen(Point(0, AssistantButton->Height()));
    AssistantMenu->Popup(below.X, below.Y);
}

void TSynFindDlg::AssistantItemClick(TObject* Sender)
{
    // The inserted pieces mean something only to the regular-expression
    // engine.
    cbRegularExpression->SetChecked(true);
    cbSearchText->SetSelText(reinterpret_cast<const char*>(static_cast<TMenuItem*>(Sender)->Tag));
}

void TSynFindDlg::TextChanged(TObject*)
{
    RefreshButtons();
}

void TSynFindDlg::RefreshButtons()
{
    btnOK->SetEnabled(!cbSearchText->Text().empty());
}

void TSynFindDlg::Setup(const AnsiString& SearchText, const AnsiString&, TStrings* SearchHistory, TStrings*,
                        TSynSearchOptions Options, bool UseRegex)
{
    if (SearchHistory)
        cbSearchText->Items()->Assign(SearchHistory);
    cbSearchText->SetText(SearchText);
    cbSearchText->SelectAll();
    rgSearchDirection->SetItemIndex(Options.Contains(soBackwards) ? 1 : 0);
    cbRegularExpression->SetChecked(UseRegex);
    cbSearchCaseSensitive->SetChecked(Options.Contains(soMatchCase));
    cbSearchWholeWords->SetChecked(Options.Contains(soWholeWord));
    cbSearchSelectedOnly->SetChecked(Options.Contains(soSelectedOnly));
    cbSearchFromCursor->SetChecked(!Options.Contains(soEntireScope));
    RefreshButtons();
}

void TSynFindDlg::ReadResult(AnsiString& SearchText, AnsiString&, TStrings* SearchHistory, TStrings*,
                             TSynSearchOptions& Options, bool& UseRegex)
{
    SearchText = cbSearchText->Text();
    if (SearchHistory)
        SearchHistory->Assign(cbSearchText->Items());
    UseRegex = cbRegularExpression->Checked();
    Options = {};
    if (rgSearchDirection->ItemIndex() == 1)
        Options.Include(soBackwards);
    if (cbSearchCaseSensitive->Checked())
        Options.Include(soMatchCase);
    if (cbSearchWholeWords->Checked())
        Options.Include(soWholeWord);
    if (cbSearchSelectedOnly->Checked())
        Options.Include(soSelectedOnly);
    if (!cbSearchFromCursor->Checked())
        Options.Include(soEntireScope);
}
