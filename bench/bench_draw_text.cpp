// DrawText cutting a long line with an ellipsis, at 8 KB, 64 KB and 1 MB of
// GBK text mixed with ASCII: the cut alone in a bitmap DC, and a list view
// painting an item whose caption is that long, on the headless back end.
// The time should grow linearly with the text.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "bench_support.h"
#include "platform/gdi/bitmap.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/draw_text.h"
#include "platform/gdi/font.h"
#include "platform/ui/itemviews/list_view.h"

namespace {

// A note's first line pasted whole: words with Chinese between them.
std::string Caption(size_t bytes)
{
    std::string text;
    while (text.size() < bytes)
        text += "notes \xD5\x66\xE9\x54\xDF\x40 item \x81\x5C\xD6\xD0 ";
    text.resize(bytes);
    return text;
}

void CutInBitmap(benchmark::State& state, const std::string& text, unsigned format)
{
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, 300, 20);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    HFONT font = CreateFont(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "MS Sans Serif");
    HGDIOBJ oldFont = SelectObject(dc, font);
    for (auto _ : state) {
        TRect r{0, 0, 300, 20};
        benchmark::DoNotOptimize(
            DrawText(dc, text.data(), static_cast<int>(text.size()), &r, format | DT_SINGLELINE | DT_NOPREFIX));
    }
    state.SetComplexityN(static_cast<int64_t>(text.size()));
    SelectObject(dc, oldFont);
    DeleteObject(font);
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

void BM_EndEllipsis(benchmark::State& state)
{
    CutInBitmap(state, Caption(static_cast<size_t>(state.range(0))), DT_END_ELLIPSIS);
}
BENCHMARK(BM_EndEllipsis)->Arg(8 << 10)->Arg(64 << 10)->Arg(1 << 20)->Unit(benchmark::kMillisecond)->Complexity();

// The file name after the last separator stays; the folders are cut.
void BM_PathEllipsis(benchmark::State& state)
{
    const std::string path = "/home/" + Caption(static_cast<size_t>(state.range(0))) + "/\xD5\x66\xE9\x54.txt";
    CutInBitmap(state, path, DT_PATH_ELLIPSIS);
}
BENCHMARK(BM_PathEllipsis)->Arg(8 << 10)->Arg(64 << 10)->Arg(1 << 20)->Unit(benchmark::kMillisecond)->Complexity();

void BM_ListViewLongCaption(benchmark::State& state)
{
    std::unique_ptr<TBenchHost> host = ShownHeadlessHost(500, 300);
    TListView* list = new TListView(host.get());
    list->SetBounds(0, 0, 460, 260);
    list->SetViewStyle(vsReport);
    list->SetParent(host.get());
    list->Columns()->Add()->SetWidth(200);
    list->Items()->Add()->SetCaption(Caption(static_cast<size_t>(state.range(0))));
    list->Update();
    for (auto _ : state) {
        list->Invalidate();
        list->Update();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ListViewLongCaption)->Arg(8 << 10)->Arg(64 << 10)->Arg(1 << 20)->Unit(benchmark::kMillisecond)->Complexity();

}  // namespace

BENCHMARK_MAIN();
