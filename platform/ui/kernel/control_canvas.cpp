#include "platform/ui/kernel/control_canvas.h"

#include <algorithm>
#include <vector>

#include "platform/ui/kernel/control.h"
#include "platform/ui/kernel/control_internal.h"
#include "platform/win/window_dc.h"

namespace {

// Canvases holding a window DC, oldest first.
constexpr size_t CanvasListCacheSize = 4;

std::vector<TControlCanvas*>& CanvasList()
{
    static std::vector<TControlCanvas*> list;
    return list;
}

}  // namespace

TControlCanvas::~TControlCanvas()
{
    FreeHandle();
}

void TControlCanvas::SetControl(TControl* Value)
{
    if (control_ == Value)
        return;
    FreeHandle();
    control_ = Value;
}

void TControlCanvas::CreateHandle()
{
    if (!control_) {
        TCanvas::CreateHandle();
        return;
    }
    if (!deviceContext_) {
        auto& list = CanvasList();
        if (list.size() >= CanvasListCacheSize)
            list.front()->FreeHandle();
        deviceContext_ = control_->GetDeviceContext(windowHandle_);
        list.push_back(this);
    }
    SetHandle(deviceContext_);
}

void TControlCanvas::FreeHandle()
{
    if (!deviceContext_)
        return;
    SetHandle(nullptr);
    ReleaseDC(windowHandle_, deviceContext_);
    deviceContext_ = nullptr;
    windowHandle_ = nullptr;
    auto& list = CanvasList();
    list.erase(std::find(list.begin(), list.end(), this));
}

void FreeDeviceContexts()
{
    while (!CanvasList().empty())
        CanvasList().front()->FreeHandle();
}

void FreeDeviceContext(HWND Window)
{
    std::vector<TControlCanvas*> holding;
    for (TControlCanvas* canvas : CanvasList())
        if (canvas->windowHandle_ == Window)
            holding.push_back(canvas);
    for (TControlCanvas* canvas : holding)
        canvas->FreeHandle();
}

TCanvasPaintScope::TCanvasPaintScope(TControl* Control, TControlCanvas* Canvas, HDC DC)
    : canvas_(Canvas), alive_(Control)
{
    canvas_->Lock();
    canvas_->SetHandle(DC);
}

TCanvasPaintScope::~TCanvasPaintScope()
{
    if (!alive_)
        return;
    canvas_->SetHandle(nullptr);
    canvas_->Unlock();
}
