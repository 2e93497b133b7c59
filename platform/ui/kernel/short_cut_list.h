// TShortCutList: shortcuts kept with the texts they were given as, for an
// action's secondary shortcuts.
#pragma once

#include <vector>

#include "platform/ui/kernel/shortcuts.h"

class TShortCutList {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    // A text ShortCutToText writes ("Shift+Ctrl+F"); one that names no key
    // is kept with shortcut scNone, which no key matches. Answers the index.
    int Add(const AnsiString& S);
    const AnsiString& Strings(int Index) const;
    TShortCut ShortCuts(int Index) const;
    // The index of the first entry with that shortcut; -1 when none.
    int IndexOfShortCut(TShortCut ShortCut) const;
    void Delete(int Index);
    void Clear() { items_.clear(); }

private:
    struct TItem {
        AnsiString Text;
        TShortCut ShortCut;  // TextToShortCut(Text)
    };
    const TItem& Item(int Index) const;

    std::vector<TItem> items_;
};
