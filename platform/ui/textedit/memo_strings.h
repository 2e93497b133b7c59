// TMemoStrings: a memo's Lines. Reading takes the memo's text; every change
// goes to the memo's window as EM_SETSEL and EM_REPLACESEL (WM_SETTEXT for
// the whole text), as a program's own changes to an edit do.
#pragma once

#include "platform/base/strings.h"

class TCustomMemo;

class TMemoStrings : public TStrings {
public:
    explicit TMemoStrings(TCustomMemo* Memo) : memo_(Memo) {}

    void Clear() override;
    void Delete(int Index) override;
    void Insert(int Index, const AnsiString& S) override;

protected:
    AnsiString Get(int Index) const override;
    int GetCount() const override;
    void Put(int Index, const AnsiString& S) override;
    AnsiString GetTextStr() const override;
    void SetTextStr(const AnsiString& Value) override;

private:
    // Replaces the bytes From .. To of the memo's text by Text.
    void Replace(int From, int To, const AnsiString& Text);

    TCustomMemo* memo_;  // owns this list
};
