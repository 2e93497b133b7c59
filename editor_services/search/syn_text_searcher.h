// TSynTextSearcher: the one object through which the user finds and
// replaces text in an editor. It remembers the last texts, their histories
// (most recent first), the option bits and whether regular expressions are
// used; shows the find or replace dialog when there is nothing to repeat;
// asks before each replacement; and reports a failed search, a pattern
// that does not compile or a line too costly to match in a message box.
#pragma once

#include <memory>

#include "editor/syn_custom_text_types.h"
#include "editor/syn_text_search_custom.h"
#include "platform/base/object.h"

class TCustomSynText;
class TStringList;
class TSynTextRegexSearch;
class TSynTextSearch;

class TSynTextSearcher : public TPersistent {
public:
    TSynTextSearcher();
    ~TSynTextSearcher() override;
    TSynTextSearcher(const TSynTextSearcher&) = delete;
    TSynTextSearcher& operator=(const TSynTextSearcher&) = delete;

    AnsiString SearchText;
    AnsiString ReplaceText;
    TSynSearchOptions Options;  // as the dialogs left them; repeats change a copy
    bool UseRegex = true;
    TStringList* SearchHistory() const { return searchHistory_.get(); }
    TStringList* ReplaceHistory() const { return replaceHistory_.get(); }

    // The find or replace dialog, then the search it asks for.
    void Find(TCustomSynText* Editor);
    void Replace(TCustomSynText* Editor);
    // Repeats of the last search or replacement, from the caret on (or
    // back); each opens its dialog while there is no search text yet.
    void FindNext(TCustomSynText* Editor);
    void FindLast(TCustomSynText* Editor);
    void FindNextWord(TCustomSynText* Editor);
    void FindLastWord(TCustomSynText* Editor);
    void ReplaceNext(TCustomSynText* Editor);
    void ReplaceLast(TCustomSynText* Editor);

    // Runs the editor's SearchReplace with this searcher's prompt and
    // engine; answers the number of matches selected.
    int DoSearchReplace(TCustomSynText* Editor, const AnsiString& Search, bool AUseRegex, TSynSearchOptions AOptions,
                        const AnsiString& Replacement);

private:
    void Repeat(TCustomSynText* Editor, TSynSearchOptions Add, TSynSearchOptions Remove, bool Replacing);
    void PromptReplace(TObject* Sender, const AnsiString& ASearch, const AnsiString& AReplace, int Line, int Column,
                       TSynReplaceAction& Action);

    std::unique_ptr<TStringList> searchHistory_;
    std::unique_ptr<TStringList> replaceHistory_;
    std::unique_ptr<TSynTextSearch> plainEngine_;
    std::unique_ptr<TSynTextRegexSearch> regexEngine_;
};

// The program's searcher, made on first use and freed at exit.
TSynTextSearcher& SynTextSearcher();
