// The idle-time update of every editor action of the notes program (one of
// each kind, ten of each bookmark action, three exporters, print actions
// with an engine) against one document editor with a selection, as it runs
// on every idle step. Target: under 0.2 ms for the whole set.
#include <benchmark/benchmark.h>

#include <memory>

#include "bench_support.h"
#include "editor_services/actions/syn_actions_bookmarks.h"
#include "editor_services/actions/syn_actions_dialogs.h"
#include "editor_services/actions/syn_actions_edit.h"
#include "editor_services/actions/syn_actions_print.h"
#include "editor_services/actions/syn_actions_search.h"
#include "editor_services/actions/syn_actions_select.h"
#include "editor_services/export/syn_exporter_html.h"
#include "editor_services/export/syn_exporter_rtf.h"
#include "editor_services/export/syn_exporter_tex.h"
#include "editor_services/settings/syn_manager.h"
#include "editor_services/printing/syn_text_print.h"
#include "platform/ui/kernel/action_list.h"
#include "platform/win/clipboard.h"
#include "platform/win/clipboard_text.h"

namespace {

class TActionModule : public TComponent {
public:
    TActionModule() : TComponent(nullptr), list(new TActionList(this)), print(new TSynTextPrint(this))
    {
        AddAll<TaSynUndo, TaSynRedo, TaSynCut, TaSynAppendCut, TaSynCopy, TaSynAppendCopy, TaSynPaste,
               TaSynUpperCase, TaSynLowerCase, TaSynToggleCase, TaSynTitleCase, TaSynFind, TaSynFindNext,
               TaSynFindLast, TaSynFindNextWord, TaSynFindLastWord, TaSynReplace, TaSynReplaceNext,
               TaSynReplaceLast, TaSynBlockIndent, TaSynBlockUnindent, TaSynGotoLastChange, TaSynMatchBracket,
               TaSynDeleteNextchar, TaSynDeleteWordToEnd, TaSynDeleteWordToStart, TaSynDeleteWord,
               TaSynDeleteLineToEnd, TaSynDeleteLineToStart, TaSynDeleteLine, TaSynClearAll, TaSynSelectAll,
               TaSynSelectLine, TaSynSelectNextLine, TaSynSelectLastLine, TaSynSelectWrod, TaSynSelectNextWord,
               TaSynSelectLastWord, TaSynReadOnly, TaSynNormalSelect, TaSynColumnSelect, TaSynLineSelect,
               TaSynJump, TaSynInsertFile, TaSynOptionsSetting, TaSynToggleHighlighter>();
        for (int n = 0; n < 10; ++n) {
            Add<TaSynGotoBookmark>()->Bookmark = n;
            Add<TaSynSetBookmark>()->Bookmark = n;
            Add<TaSynClearBookmark>()->Bookmark = n;
        }
        for (TSynCustomExporter* exporter :
             {static_cast<TSynCustomExporter*>(new TSynExporterRTF(this)), static_cast<TSynCustomExporter*>(new TSynExporterHTML(this)),
              static_cast<TSynCustomExporter*>(new TSynExporterTeX(this))})
            Add<TaSynExporter>()->SetExporter(exporter);
        Add<TaSynPrint>()->SetPrint(print);
        Add<TaSynQuickPrint>()->SetPrint(print);
        Add<TaSynPageSetup>()->SetPrint(print);
        Add<TaSynPreview>()->SetPrint(print);
    }

    template <typename T>
    T* Add()
    {
        auto* action = new T(this);
        action->SetActionList(list);
        return action;
    }
    template <typename... T>
    void AddAll()
    {
        (Add<T>(), ...);
    }

    TActionList* list;
    TSynTextPrint* print;
};

void BM_IdleUpdateOfAllEditorActions(benchmark::State& state)
{
    auto host = ShownHeadlessHost(800, 600);
    TSynManager manager(nullptr);
    auto* editor = new TSynTextEditor(host.get());
    editor->SetBounds(0, 0, 800, 600);
    editor->SetParent(host.get());
    editor->HandleNeeded();
    manager.AddEditor(editor);
    manager.SetSynTextEditor(editor);
    AnsiString text;
    for (int i = 0; i < 1000; ++i)
        text += "    value = \xD6\xD0\xD5\x66 + x; // line\r\n";
    editor->SetText(text);
    editor->SetCaretAndSelection(BufferCoord(5, 20), BufferCoord(5, 10), BufferCoord(5, 20));
    SetClipboardText(editor->Handle(), {{CF_TEXT, "clipboard"}});
    TActionModule module;
    for (auto _ : state)
        for (int i = 0; i < module.list->ActionCount(); ++i)
            module.list->Actions(i)->Update();
    int enabled = 0;
    for (int i = 0; i < module.list->ActionCount(); ++i)
        enabled += static_cast<TCustomAction*>(module.list->Actions(i))->Enabled();
    state.counters["actions"] = module.list->ActionCount();
    state.counters["enabled"] = enabled;
}
BENCHMARK(BM_IdleUpdateOfAllEditorActions)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
