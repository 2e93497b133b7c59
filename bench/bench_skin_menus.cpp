// The skinned menus' costs, with alpha blending off (a fade-in alone takes
// about 75 ms by design): opening a skinned popup menu of 500 rows (it
// scrolls) until it is painted (budget 20 ms), Down moving the active row
// once (2 ms), and opening an images menu of 200 images until painted
// (20 ms). The skin is made here.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>

#include "bench_support.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/image_list.h"
#include "platform/ui/kernel/menus.h"
#include "platform/win/virtual_keys.h"
#include "skin/controls/bs_images_menu.h"
#include "skin/controls/bs_images_menu_window.h"
#include "skin/controls/bs_skin_menu.h"
#include "skin/controls/bs_skin_popup_window.h"
#include "skin/data/bs_skin_data.h"
#include "skin/data/bs_skin_text_objects.h"

namespace {

// A 120 x 60 picture: the window frame in its left 40 x 40, rows of 20
// pixels at (40, 0) and (40, 20), a divider at (40, 40).
void AddMenuSkin(TbsSkinData& Data)
{
    auto picture = std::make_unique<TBitmap>();
    picture->SetPixelFormat(pf32bit);
    picture->SetSize(120, 60);
    for (int y = 0; y < 60; ++y) {
        auto* row = static_cast<uint32_t*>(picture->ScanLine(y));
        for (int x = 0; x < 120; ++x)
            row[x] = 0xFF000000u | uint32_t(x * 1237 + y * 7919);
    }
    Data.ActivePictures.push_back(std::move(picture));
    TbsDataSkinPopupWindow& window = Data.PopupWindow;
    window.WindowPictureIndex = 0;
    window.LeftTopPoint = TPoint{6, 6};
    window.RightTopPoint = TPoint{114, 6};
    window.LeftBottomPoint = TPoint{6, 54};
    window.RightBottomPoint = TPoint{114, 54};
    window.ItemsRect = TRect{6, 6, 114, 54};
    auto item = std::make_unique<TbsDataSkinMenuItem>("menuitem");
    item->ActivePictureIndex = 0;
    item->SkinRect = TRect{40, 0, 80, 20};
    item->ActiveSkinRect = TRect{40, 20, 80, 40};
    item->DividerRect = TRect{40, 40, 80, 46};
    item->ItemLeftOffset = 4;
    item->ItemRightOffset = 4;
    item->TextRect = TRect{4, 2, 36, 18};
    item->FontName = "Arial";
    item->FontHeight = 14;
    Data.ObjectList.push_back(std::move(item));
    Data.Empty = false;
}

struct TMenuFixture {
    TMenuFixture() : host(ShownHeadlessHost(200, 100)), menu(nullptr, nullptr)
    {
        AddMenuSkin(data);
        for (int i = 0; i < 500; ++i) {
            auto* item = new TMenuItem(nullptr);
            item->SetCaption(i % 50 == 49 ? "-" : "Row \xD5\x66\xE9\x54 " + std::to_string(i));
            popup.Items()->Add(item);
        }
    }
    void Open()
    {
        menu.PopupRect(nullptr, &data, false, popup.Items(), TRect{10, 10, 20, 20}, 0);
        menu.Popup(0)->Update();
    }

    std::unique_ptr<TBenchHost> host;
    TbsSkinData data{nullptr};
    TPopupMenu popup{nullptr};
    TbsSkinMenu menu;
};

void BM_OpenSkinnedMenuOf500Rows(benchmark::State& state)
{
    TMenuFixture fixture;
    for (auto _ : state) {
        fixture.Open();
        fixture.menu.CloseMenu();
    }
}
BENCHMARK(BM_OpenSkinnedMenuOf500Rows)->Unit(benchmark::kMillisecond);

void BM_DownMovesTheActiveRow(benchmark::State& state)
{
    TMenuFixture fixture;
    fixture.Open();
    TbsSkinPopupWindow* window = fixture.menu.Popup(0);
    for (auto _ : state) {
        window->HandleMenuKey(VK_DOWN);
        window->Update();
    }
}
BENCHMARK(BM_DownMovesTheActiveRow)->Unit(benchmark::kMicrosecond);

void BM_OpenImagesMenuOf200Images(benchmark::State& state)
{
    auto host = ShownHeadlessHost(200, 100);
    TbsSkinData data(nullptr);
    AddMenuSkin(data);
    TImageList images(nullptr);
    TBitmap picture;
    picture.SetPixelFormat(pf24bit);
    picture.SetSize(16, 16);
    picture.Canvas()->FillRect(TRect{0, 0, 16, 16});
    TbsSkinImagesMenu menu(nullptr);
    for (int i = 0; i < 200; ++i) {
        images.Add(&picture, nullptr);
        menu.ImagesItems()->Add()->ImageIndex = i;
    }
    menu.SetImages(&images);
    menu.SetSkinData(&data);
    menu.SetColumnsCount(20);
    for (auto _ : state) {
        menu.PopupFromRect(TRect{10, 10, 40, 30});
        menu.PopupWindow()->Update();
        menu.PopupWindow()->ProcessKey(VK_ESCAPE);
    }
}
BENCHMARK(BM_OpenImagesMenuOf200Images)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
