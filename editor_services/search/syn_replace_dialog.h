// TSynReplaceDlg: the find dialog with a replacement box (keeping the
// replace history as its list), a "replace all" button and the choice to
// be asked before each replacement.
#pragma once

#include "editor_services/search/syn_find_dialog.h"

class TSynReplaceDlg : public TSynFindDlg {
public:
    explicit TSynReplaceDlg(TComponent* AOwner);

    void Setup(const AnsiString& SearchText, const AnsiString& ReplaceText, TStrings* SearchHistory,
               TStrings* ReplaceHistory, TSynSearchOptions Options, bool UseRegex) override;
    void ReadResult(AnsiString& SearchText, AnsiString& ReplaceText, TStrings* SearchHistory,
                    TStrings* ReplaceHistory, TSynSearchOptions& Options, bool& UseRegex) override;
    void RefreshButtons() override;

    TComboBox* cbReplaceText = nullptr;
    TButton* btnReplaceAll = nullptr;  // modal result mrAll
    TCheckBox* CheckBox1 = nullptr;    // ask before each replacement
};
