// The program's four skins: loading each stored skin into the skin data
// (budget 30 ms), and switching a main-window-like form between two of them
// with its repaint (budget 50 ms). The skins are packed from the source
// tree's skins/ folders, as the build packs them.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "platform/ui/itemviews/list_view.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/kernel/place_control.h"
#include "skin/controls/bs_skin_button.h"
#include "skin/controls/bs_skin_edit.h"
#include "skin/controls/bs_skin_ex_panel.h"
#include "skin/controls/bs_skin_label.h"
#include "skin/controls/bs_skin_list_view.h"
#include "skin/controls/bs_skin_page_control.h"
#include "skin/controls/bs_skin_panel.h"
#include "skin/controls/bs_skin_scroll_bar.h"
#include "skin/controls/bs_skin_splitter.h"
#include "skin/controls/bs_skin_status_bar.h"
#include "skin/controls/bs_skin_tab_sheet.h"
#include "skin/controls/bs_skin_tool_bar.h"
#include "skin/controls/bs_skin_tree_view.h"
#include "skin/data/bs_skin_data.h"
#include "skin/data/bs_stored_skin.h"
#include "skin/form/bs_skin_form.h"
#include "tests/support/message_pump.h"

namespace {

// The source tree: TANDRIL_SOURCE_DIR, else the folder above this file.
std::string SkinFolder(const std::string& Name)
{
    const char* source = std::getenv("TANDRIL_SOURCE_DIR");
    std::string root = source ? source : std::string(__FILE__).substr(0, std::string(__FILE__).rfind('/')) + "/..";
    return root + "/skins/" + Name + "/skin.ini";
}

std::unique_ptr<TbsCompressedStoredSkin> Packed(const std::string& Name)
{
    auto stored = std::make_unique<TbsCompressedStoredSkin>(nullptr);
    stored->LoadFromSkinIni(SkinFolder(Name));
    return stored;
}

void BM_LoadProgramSkin(benchmark::State& state)
{
    static const char* const names[] = {"Office2007", "VistaLight", "ColorExpert", "Gradic"};
    std::unique_ptr<TbsCompressedStoredSkin> stored = Packed(names[state.range(0)]);
    if (stored->IsEmpty()) {
        state.SkipWithError("no skin folder; set TANDRIL_SOURCE_DIR");
        return;
    }
    TbsSkinData data(nullptr);
    for (auto _ : state)
        data.LoadStoredSkin(stored.get());
    state.SetLabel(names[state.range(0)]);
}
BENCHMARK(BM_LoadProgramSkin)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

template <typename T>
T* Place(TWinControl* Form, TWinControl* Parent, TAlign Align, int Size, TbsSkinData* Data)
{
    T* control = PlaceControl<T>(Form, Parent, Align, Size);
    control->SetSkinData(Data);
    return control;
}

// The main window's shape: tool and status bars, the explorer panel with
// its pages and tree, a splitter, the article pages with an editor's bars,
// a button and an edit box, and the attachment list.
TCustomForm* MainWindowForm(TbsSkinData* Data)
{
    auto* form = new TCustomForm(nullptr);
    form->SetBounds(0, 0, 901, 601);
    auto* frame = new TbsSkinForm(form);
    frame->SetSkinData(Data);
    Place<TbsSkinToolBar>(form, form, alTop, 25, Data);
    auto* status = Place<TbsSkinStatusBar>(form, form, alBottom, 21, Data);
    for (int i = 0; i < 6; ++i) {
        auto* panel = new TbsSkinStatusPanel(form);
        panel->SetParent(status);
        panel->SetBounds(i * 100, 0, 100, 20);
        panel->SetCaption("說門中");
        panel->SetSkinData(Data);
    }
    auto* explorer = Place<TbsSkinExPanel>(form, form, alLeft, 222, Data);
    explorer->SetCaption("资源管理器");
    auto* left = Place<TbsSkinPageControl>(form, explorer, alClient, 0, Data);
    auto* sheet = new TbsSkinTabSheet(form);
    sheet->SetPageControl(left);
    sheet->SetCaption("数据库");
    auto* tree = Place<TbsSkinTreeView>(form, sheet, alClient, 0, Data);
    for (int i = 0; i < 40; ++i)
        tree->Items()->Add(nullptr, "說門 folder");
    Place<TbsSkinSplitter>(form, form, alLeft, 10, Data);
    auto* client = Place<TbsSkinPanel>(form, form, alClient, 0, Data);
    auto* attachments = Place<TbsSkinExPanel>(form, client, alBottom, 148, Data);
    auto* list = Place<TbsSkinListView>(form, attachments, alClient, 0, Data);
    list->SetViewStyle(vsReport);
    list->Columns()->Add()->SetCaption("标题");
    for (int i = 0; i < 20; ++i)
        list->Items()->Add()->SetCaption("說門");
    auto* pages = Place<TbsSkinPageControl>(form, client, alClient, 0, Data);
    TbsSkinTabSheet* article = nullptr;
    for (const char* caption : {"文章 1", "文章 2"}) {
        article = new TbsSkinTabSheet(form);
        article->SetPageControl(pages);
        article->SetCaption(caption);
    }
    auto* vertical = new TbsSkinScrollBar(form);
    vertical->SetKind(sbVertical);
    vertical->SetSkinDataName("vscrollbar");
    vertical->SetParent(article);
    vertical->SetWidth(19);
    vertical->SetAlign(alRight);
    vertical->SetSkinData(Data);
    auto* horizontal = Place<TbsSkinScrollBar>(form, article, alBottom, 19, Data);
    horizontal->SetBoth(true);
    auto* button = Place<TbsSkinButton>(form, article, alNone, 0, Data);
    button->SetBounds(10, 10, 75, 25);
    auto* edit = Place<TbsSkinEdit>(form, article, alNone, 0, Data);
    edit->SetBounds(100, 12, 160, 21);
    form->Show();
    PumpMessages();
    return form;
}

void BM_SwitchFormBetweenTwoSkins(benchmark::State& state)
{
    setenv("TANDRIL_BACKEND", "headless", 1);
    std::unique_ptr<TbsCompressedStoredSkin> skins[2] = {Packed("Office2007"), Packed("Gradic")};
    if (skins[0]->IsEmpty() || skins[1]->IsEmpty()) {
        state.SkipWithError("no skin folder; set TANDRIL_SOURCE_DIR");
        return;
    }
    TbsSkinData data(nullptr);
    data.LoadStoredSkin(skins[0].get());
    TCustomForm* form = MainWindowForm(&data);
    int next = 1;
    for (auto _ : state) {
        data.LoadStoredSkin(skins[next].get());
        PumpMessages();
        next = 1 - next;
    }
    delete form;
    PumpMessages();
}
BENCHMARK(BM_SwitchFormBetweenTwoSkins)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
