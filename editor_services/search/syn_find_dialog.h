// TSynFindDlg: the find dialog the find and replace driver shows. The
// search box keeps the search history as its list; the assistant menu
// types the pieces of a regular expression into it.
#pragma once

#include "editor_services/search/syn_search_dialog.h"

class TButton;
class TCheckBox;
class TComboBox;
class TPopupMenu;
class TRadioGroup;
class TSpeedButton;

class TSynFindDlg : public TSynSearchDialog {
public:
    explicit TSynFindDlg(TComponent* AOwner);

    void Setup(const AnsiString& SearchText, const AnsiString& ReplaceText, TStrings* SearchHistory,
               TStrings* ReplaceHistory, TSynSearchOptions Options, bool UseRegex) override;
    void ReadResult(AnsiString& SearchText, AnsiString& ReplaceText, TStrings* SearchHistory,
                    TStrings* ReplaceHistory, TSynSearchOptions& Options, bool& UseRegex) override;
    // The buttons that search are enabled only while there is something
    // to search for; runs on every change of a text box.
    virtual void RefreshButtons();

    TComboBox* cbSearchText = nullptr;
    TSpeedButton* AssistantButton = nullptr;
    TPopupMenu* AssistantMenu = nullptr;
    TRadioGroup* rgSearchDirection = nullptr;
    TCheckBox* cbSearchCaseSensitive = nullptr;
    TCheckBox* cbSearchWholeWords = nullptr;
    TCheckBox* cbSearchFromCursor = nullptr;
    TCheckBox* cbSearchSelectedOnly = nullptr;
    TCheckBox* cbRegularExpression = nullptr;
    TButton* btnOK = nullptr;
    TButton* btnCancel = nullptr;

protected:
    // Geometry shared with the replace dialog, which puts its own row of
    // text under the search box and its "replace all" between the buttons.
    static constexpr int Margin = 8, RowHeight = 30, LabelWidth = 64, BoxWidth = 240, BoxHeight = 21;
    static constexpr int ButtonLeft = 356, ButtonWidth = 84, ButtonHeight = 23, CheckHeight = 22;
    static constexpr int FormWidth = ButtonLeft + ButtonWidth + Margin;

    void TextChanged(TObject* Sender);
    // A check box in the column of options, the Index-th from its top.
    TCheckBox* AddOption(const char* Name, const char* Caption, int Index);

private:
    void BuildAssistantMenu();
    void AssistantClick(TObject* Sender);
    void AssistantItemClick(TObject* Sender);
};
