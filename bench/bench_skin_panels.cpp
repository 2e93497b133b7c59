// The main window's skinned containers at 1280 x 800: six panels, a tool
// bar of 27 buttons and a status bar of six status panels, on a skin made
// here (nine-part panels and buttons cut from one picture). A full paint
// of the form, and a 1-pixel resize of the form (realign and paint); the
// budget is 8 ms for each.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <memory>

#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/kernel/custom_form.h"
#include "skin/controls/bs_skin_label.h"
#include "skin/controls/bs_skin_panel.h"
#include "skin/controls/bs_skin_speed_button.h"
#include "skin/controls/bs_skin_status_bar.h"
#include "skin/controls/bs_skin_tool_bar.h"
#include "skin/data/bs_skin_controls_panels.h"
#include "skin/data/bs_skin_data.h"
#include "tests/support/message_pump.h"

namespace {

// A nine-part description of W x H at (0, Top) of the picture, corners 4.
template <typename T>
void AddNinePart(TbsSkinData& Data, const char* Name, int Top, int W, int H)
{
    auto description = std::make_unique<T>(Name);
    description->PictureIndex = 0;
    description->SkinRect = TRect{0, Top, W, Top + H};
    description->LeftTopPoint = TPoint{4, 4};
    description->RightTopPoint = TPoint{W - 4, 4};
    description->LeftBottomPoint = TPoint{4, H - 4};
    description->RightBottomPoint = TPoint{W - 4, H - 4};
    description->ClientRect = TRect{4, 4, W - 4, H - 4};
    Data.ControlList.push_back(std::move(description));
}

void MakeSkin(TbsSkinData& Data)
{
    auto picture = std::make_unique<TBitmap>();
    picture->SetPixelFormat(pf32bit);
    picture->SetSize(64, 160);
    for (int y = 0; y < 160; ++y) {
        auto* row = static_cast<uint32_t*>(picture->ScanLine(y));
        for (int x = 0; x < 64; ++x)
            row[x] = 0xFF000000u | uint32_t(x * 1237 + y * 7919);
    }
    Data.ActivePictures.push_back(std::move(picture));
    AddNinePart<TbsDataSkinPanelControl>(Data, "panel", 0, 64, 40);
    AddNinePart<TbsDataSkinPanelControl>(Data, "toolpanel", 40, 64, 30);
    AddNinePart<TbsDataSkinPanelControl>(Data, "statusbar", 70, 64, 22);
    AddNinePart<TbsDataSkinLabelControl>(Data, "statuspanel", 92, 64, 20);
    auto button = std::make_unique<TbsDataSkinButtonControl>("toolbutton");
    button->PictureIndex = 0;
    button->SkinRect = TRect{0, 112, 23, 134};
    Data.ControlList.push_back(std::move(button));
    Data.Empty = false;
}

struct TMainWindow {
    TMainWindow()
    {
        setenv("TANDRIL_BACKEND", "headless", 1);
        MakeSkin(Data);
        Form = std::make_unique<TCustomForm>(nullptr);
        Form->SetBounds(0, 0, 1280, 800);
        auto* bar = new TbsSkinToolBar(Form.get());
        bar->SetAlign(alTop);
        bar->SetParent(Form.get());
        for (int i = 0; i < 27; ++i) {
            auto* button = new TbsSkinSpeedButton(Form.get());
            button->SetParent(bar);
            button->SetBounds(i * 23, 0, 23, 22);
        }
        auto* status = new TbsSkinStatusBar(Form.get());
        status->SetParent(Form.get());
        status->SetSizeGrip(true);
        for (int i = 0; i < 6; ++i) {
            auto* section = new TbsSkinStatusPanel(Form.get());
            section->SetParent(status);
            section->SetBounds(i * 120, 0, 120, 20);
            section->SetCaption("status");
        }
        // The left column of three and the right area of three.
        const TAlign aligns[] = {alLeft, alTop, alClient};
        TWinControl* parent = Form.get();
        for (int i = 0; i < 6; ++i) {
            auto* panel = new TbsSkinPanel(Form.get());
            panel->SetAlign(aligns[i % 3]);
            panel->SetBounds(0, 0, 240, 200);
            panel->SetParent(parent);
            panel->SetCaption("panel");
            panel->SetCaptionMode(i % 2 == 0);
            if (i == 2)
                parent = panel;
        }
        bar->SetSkinData(&Data);
        status->SetSkinData(&Data);
        for (int i = 0; i < Form->ControlCount(); ++i)
            if (auto* panel = dynamic_cast<TbsSkinPanel*>(Form->Controls(i)))
                panel->SetSkinData(&Data);
        for (int i = 0; i < parent->ControlCount(); ++i)
            if (auto* panel = dynamic_cast<TbsSkinPanel*>(parent->Controls(i)))
                panel->SetSkinData(&Data);
        Form->Show();
        PumpMessages();
        Form->Update();
    }

    TbsSkinData Data{nullptr};
    std::unique_ptr<TCustomForm> Form;
};

// Every window of the tree marked for painting.
void InvalidateAll(TWinControl* Control)
{
    Control->Invalidate();
    for (int i = 0; i < Control->ControlCount(); ++i)
        if (auto* child = dynamic_cast<TWinControl*>(Control->Controls(i)))
            InvalidateAll(child);
}

void BM_MainWindowContainersPaint(benchmark::State& state)
{
    TMainWindow window;
    for (auto _ : state) {
        InvalidateAll(window.Form.get());
        window.Form->Update();
    }
}
BENCHMARK(BM_MainWindowContainersPaint)->Unit(benchmark::kMillisecond);

void BM_MainWindowContainersResize(benchmark::State& state)
{
    TMainWindow window;
    int step = 0;
    for (auto _ : state) {
        window.Form->SetBounds(0, 0, 1280 - step % 2, 800 - step % 2);
        ++step;
        window.Form->Update();
    }
}
BENCHMARK(BM_MainWindowContainersResize)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
