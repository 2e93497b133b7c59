#include "editor_services/search/syn_text_searcher.h"

#include "editor/syn_custom_text.h"
#include "editor_services/dialogs/syn_msg_dialog.h"
#include "editor_services/search/syn_search_dialog.h"
#include "editor_services/search/syn_text_regex_search.h"
#include "editor_services/search/syn_text_search.h"
#include "platform/base/format.h"
#include "platform/base/string_list.h"
#include "platform/ui/dialogs/message_box.h"
#include "platform/win/system_info.h"

namespace {

// Text moves to the top of History, standing there once.
void Remember(TStringList* History, const AnsiString& Text)
{
    for (int i = History->Count() - 1; i >= 0; --i)
        if (History->Strings(i) == Text)
            History->Delete(i);
    History->Insert(0, Text);
}

// The editor's OnReplaceText, swapped for the searcher's prompt while a run
// lasts, and its search engine.
class TEditorRunScope {
public:
    TEditorRunScope(TCustomSynText* Editor, const TReplaceTextEvent& Prompt, TSynTextSearchCustom* Engine)
        : editor_(Editor), saved_(Editor->OnReplaceText)
    {
        editor_->OnReplaceText = Prompt;
        editor_->SetSearchEngine(Engine);
    }
    ~TEditorRunScope() { editor_->OnReplaceText = saved_; }
    TEditorRunScope(const TEditorRunScope&) = delete;
    TEditorRunScope& operator=(const TEditorRunScope&) = delete;

private:
    TCustomSynText* editor_;
    TReplaceTextEvent saved_;
};

}  // namespace

TSynTextSearcher::TSynTextSearcher()
    : searchHistory_(std::make_unique<TStringList>()),
      replaceHistory_(std::make_unique<TStringList>()),
      plainEngine_(std::make_unique<TSynTextSearch>(nullptr)),
      regexEngine_(std::make_unique<TSynTextRegexSearch>(nullptr))
{
}

TSynTextSearcher::~TSynTextSearcher() = default;

void TSynTextSearcher::Find(TCustomSynText* Editor)
{
    if (!SynFindDialogFactory)
        return;
    Options.Exclude(soReplace).Exclude(soReplaceAll);
    std::unique_ptr<TSynSearchDialog> dialog = SynFindDialogFactory();
    dialog->Setup(Editor->SelAvail() ? Editor->SelText() : SearchText, AnsiString(), searchHistory_.get(), nullptr,
                  Options, UseRegex);
    if (dialog->ShowModal() != mrOk)
        return;
    AnsiString unused;
    dialog->ReadResult(SearchText, unused, searchHistory_.get(), nullptr, Options, UseRegex);
    dialog.reset();
    DoSearchReplace(Editor, SearchText, UseRegex, Options, AnsiString());
}

void TSynTextSearcher::Replace(TCustomSynText* Editor)
{
    if (!SynReplaceDialogFactory)
        return;
    Options.Exclude(soReplace).Exclude(soReplaceAll);
    std::unique_ptr<TSynSearchDialog> dialog = SynReplaceDialogFactory();
    dialog->Setup(Editor->SelAvail() ? Editor->SelText() : SearchText, ReplaceText, searchHistory_.get(),
                  replaceHistory_.get(), Options, UseRegex);
    const int result = dialog->ShowModal();
    if (result != mrOk && result != mrAll)
        return;
    dialog->ReadResult(SearchText, ReplaceText, searchHistory_.get(), replaceHistory_.get(), Options, UseRegex);
    dialog.reset();
    Options.Include(result == mrOk ? soReplace : soReplaceAll);
    DoSearchReplace(Editor, SearchText, UseRegex, Options, ReplaceText);
}

void TSynTextSearcher::Repeat(TCustomSynText* Editor, TSynSearchOptions Add, TSynSearchOptions Remove, bool Replacing)
{
    if (SearchText.empty()) {
        Replacing ? Replace(Editor) : Find(Editor);
        return;
    }
    // A repeat goes on from the last match, in either direction: from the
    // start of the scope, or within the last match's selection, it would
    // select that same match again.
    const bool backwards = Add.Contains(soBackwards);
    if (Editor->SelAvail())
        Editor->SetCaretXY(backwards ? Editor->BlockBegin() : Editor->BlockEnd());
    TSynSearchOptions options = Options;
    options.Exclude(soEntireScope).Exclude(soSelectedOnly);
    for (int o = soMatchCase; o <= soPrompt; ++o) {
        const auto option = static_cast<TSynSearchOption>(o);
        if (Remove.Contains(option))
            options.Exclude(option);
        if (Add.Contains(option))
            options.Include(option);
    }
    DoSearchReplace(Editor, SearchText, UseRegex, options, Replacing ? ReplaceText : AnsiString());
}

void TSynTextSearcher::FindNext(TCustomSynText* Editor)
{
    Repeat(Editor, {}, {soBackwards, soReplace, soReplaceAll}, false);
}
void TSynTextSearcher::FindLast(TCustomSynText* Editor)
{
    Repeat(Editor, {soBackwards}, {soReplace, soReplaceAll}, false);
}
void TSynTextSearcher::FindNextWord(TCustomSynText* Editor)
{
    Repeat(Editor, {soWholeWord}, {soBackwards, soReplace, soReplaceAll}, false);
}
void TSynTextSearcher::FindLastWord(TCustomSynText* Editor)
{
    Repeat(Editor, {soWholeWord, soBackwards}, {soReplace, soReplaceAll}, false);
}
void TSynTextSearcher::ReplaceNext(TCustomSynText* Editor)
{
    Repeat(Editor, {soReplace}, {soBackwards, soReplaceAll}, true);
}
void TSynTextSearcher::ReplaceLast(TCustomSynText* Editor)
{
    Repeat(Editor, {soReplace, soBackwards}, {soReplaceAll}, true);
}

int TSynTextSearcher::DoSearchReplace(TCustomSynText* Editor, const AnsiString& Search, bool AUseRegex,
                                      TSynSearchOptions AOptions, const AnsiString& Replacement)
{
    int count = 0;
    bool failed = false;
    {
        TSynTextSearchCustom* engine = AUseRegex ? static_cast<TSynTextSearchCustom*>(regexEngine_.get())
                                                 : static_cast<TSynTextSearchCustom*>(plainEngine_.get());
        TEditorRunScope run(Editor, TReplaceTextEvent(this, &TSynTextSearcher::PromptReplace), engine);
        try {
            count = Editor->SearchReplace(Search, Replacement, AOptions);
        } catch (const ESynRegexError& E) {
            failed = true;
            SynMsgDialog.ShowAppMessage(Format("查找内容不是有效的正则表达式：%s", {E.Message()}));
        } catch (const ESynSearchTooCostly& E) {
            failed = true;
            SynMsgDialog.ShowAppMessage(Format("正则表达式在第 %d 行匹配代价过高，已停止查找。", {E.Line}));
        }
    }
    if (count == 0 && !failed) {
        MessageBeep(MB_ICONASTERISK);
        SynMsgDialog.ShowAppMessage(Format("没有查找到\"%s\"！", {Search}));
        const TBufferCoord at = AOptions.Contains(soBackwards) ? Editor->BlockBegin() : Editor->BlockEnd();
        Editor->SetBlockBegin(at);
        Editor->SetBlockEnd(at);
        Editor->SetCaretXY(Editor->BlockBegin());
    }
    Remember(searchHistory_.get(), Search);
    SearchText = Search;
    if (AOptions.Contains(soReplace) || AOptions.Contains(soReplaceAll)) {
        Remember(replaceHistory_.get(), Replacement);
        ReplaceText = Replacement;
    }
    return count;
}

void TSynTextSearcher::PromptReplace(TObject* Sender, const AnsiString& ASearch, const AnsiString& AReplace, int Line,
                                     int Column, TSynReplaceAction& Action)
{
    auto* editor = static_cast<TCustomSynText*>(Sender);
    // Just below the found text.
    const TPoint at = editor->ClientToScreen(
        editor->RowColumnToPixels(editor->BufferToDisplayPos(BufferCoord(Column, Line + 1))));
    const int answer = SynMsgDialog.ShowMessageDialogAt(
        Format("是否要将当前光标处的 %s 替换成 %s ？", {ASearch, AReplace}), "提示替换", mtConfirmation, at.Y, at.X, 3, 0,
        {"替换(&R)", "忽略(&I)", "替换全部", "取消"});
    switch (answer) {
    case 1:
        Action = raReplace;
        break;
    case 2:
        Action = raSkip;
        break;
    case 3:
        Action = raReplaceAll;
        break;
    default:
        Action = raCancel;
    }
}

TSynTextSearcher& SynTextSearcher()
{
    static TSynTextSearcher searcher;
    return searcher;
}
