// TListBoxStrings: a list box's Items. The strings live in the list box's
// rows; every change goes through the list box, which keeps its selection,
// scroll position and picture in step (once per update bracket).
#pragma once

#include "platform/base/strings.h"

class TCustomListBox;

class TListBoxStrings : public TStrings {
public:
    explicit TListBoxStrings(TCustomListBox* ListBox) : listBox_(ListBox) {}
    TListBoxStrings(const TListBoxStrings&) = delete;
    TListBoxStrings& operator=(const TListBoxStrings&) = delete;

    // On a sorted list box Add and AddObject put the string after its
    // equals in CompareText order and answer where; Insert keeps the index
    // it is given, as the platform's list box does.
    int Add(const AnsiString& S) override;
    int AddObject(const AnsiString& S, TObject* Object) override;
    void Clear() override;
    void Delete(int Index) override;
    void Insert(int Index, const AnsiString& S) override;
    void InsertObject(int Index, const AnsiString& S, TObject* Object) override;

protected:
    AnsiString Get(int Index) const override;
    int GetCount() const override;
    TObject* GetObject(int Index) const override;
    // Replacing a string keeps its row and its object.
    void Put(int Index, const AnsiString& S) override;
    void PutObject(int Index, TObject* Object) override;
    void SetUpdateState(bool Updating) override;

private:
    void CheckIndex(int Index, int Count) const;

    TCustomListBox* listBox_;
};
