#include "platform/ui/kernel/screen.h"

#include <algorithm>

#include "platform/base/exceptions.h"
#include "platform/gdi/font_matching.h"
#include "platform/ui/kernel/control_hooks.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/win/cursor.h"
#include "platform/win/monitors.h"
#include "platform/win/system_metrics.h"
#include "platform/win/system_parameters.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_tree.h"

TScreen* Screen = new TScreen(nullptr);

TScreen::TScreen(TComponent* AOwner) : TComponent(AOwner) {}

TScreen::~TScreen() = default;

void TScreen::SortForms()
{
    // Topmost window first; forms without a window keep their order.
    std::vector<HWND> zOrder;
    EnumWindows(WNDENUMPROC::FromCallable([&](HWND Window, LPARAM) {
                    zOrder.push_back(Window);
                    return true;
                }),
                0);
    auto rank = [&](TCustomForm* Form) {
        if (!Form->HandleAllocated())
            return zOrder.size();
        auto it = std::find(zOrder.begin(), zOrder.end(), Form->Handle());
        return static_cast<size_t>(it - zOrder.begin());
    };
    std::stable_sort(forms_.begin(), forms_.end(),
                     [&](TCustomForm* A, TCustomForm* B) { return rank(A) < rank(B); });
}

TCustomForm* TScreen::Forms(int Index)
{
    if (Index < 0 || Index >= FormCount())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    SortForms();
    return forms_[static_cast<size_t>(Index)];
}

TDataModule* TScreen::DataModules(int Index) const
{
    if (Index < 0 || Index >= DataModuleCount())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    return dataModules_[static_cast<size_t>(Index)];
}

void TScreen::AddForm(TCustomForm* Form)
{
    forms_.push_back(Form);
}

void TScreen::RemoveForm(TCustomForm* Form)
{
    auto it = std::find(forms_.begin(), forms_.end(), Form);
    if (it == forms_.end())
        return;
    forms_.erase(it);
    if (focusedForm_ == Form)
        focusedForm_ = nullptr;
    if (activeControl_ && Form->ContainsControl(activeControl_))
        SetActiveControl(nullptr);
    if (activeForm_ == Form)
        SetActiveForm(nullptr);
}

void TScreen::AddDataModule(TDataModule* DataModule)
{
    dataModules_.push_back(DataModule);
}

void TScreen::RemoveDataModule(TDataModule* DataModule)
{
    auto it = std::find(dataModules_.begin(), dataModules_.end(), DataModule);
    if (it != dataModules_.end())
        dataModules_.erase(it);
}

void TScreen::SetActiveForm(TCustomForm* Form)
{
    if (activeForm_ == Form)
        return;
    activeForm_ = Form;
    if (OnActiveFormChange)
        OnActiveFormChange(this);
}

void TScreen::SetActiveControl(TWinControl* Control)
{
    if (activeControl_ == Control)
        return;
    activeControl_ = Control;
    if (OnActiveControlChange)
        OnActiveControlChange(this);
}

void TScreen::ControlDestroyed(TControl* Control)
{
    if (activeControl_ == Control)
        activeControl_ = nullptr;
}

int TScreen::Width() const
{
    return GetSystemMetrics(SM_CXSCREEN);
}

int TScreen::Height() const
{
    return GetSystemMetrics(SM_CYSCREEN);
}

TRect TScreen::WorkAreaRect() const
{
    TRect area;
    if (!SystemParametersInfo(SPI_GETWORKAREA, 0, &area, 0))
        area = Rect(0, 0, Width(), Height());
    return area;
}

int TScreen::MonitorCount() const
{
    return GetSystemMetrics(SM_CMONITORS);
}

TMonitor TScreen::Monitors(int Index) const
{
    if (Index < 0 || Index >= MonitorCount())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    // The back end reports one screen, the primary monitor.
    TMonitor monitor;
    monitor.Handle = MonitorFromPoint(Point(0, 0), MONITOR_DEFAULTTOPRIMARY);
    monitor.MonitorNum = Index;
    MONITORINFO info;
    if (GetMonitorInfo(monitor.Handle, &info)) {
        monitor.BoundsRect = info.rcMonitor;
        monitor.WorkareaRect = info.rcWork;
        monitor.Primary = (info.dwFlags & MONITORINFOF_PRIMARY) != 0;
    }
    return monitor;
}

TCursor TScreen::Cursor() const
{
    return ControlHooks().ScreenCursor;
}

void TScreen::SetCursor(TCursor Value)
{
    if (ControlHooks().ScreenCursor == Value)
        return;
    ControlHooks().ScreenCursor = Value;
    TPoint point;
    GetCursorPos(&point);
    if (Value != crDefault)
        ::SetCursor(CursorHandle(Value));
    else if (TWinControl* control = FindControlWindow(point))
        control->Perform(WM_SETCURSOR, reinterpret_cast<WPARAM>(control->Handle()), HTCLIENT);
}

TStrings* TScreen::Fonts()
{
    if (!fonts_) {
        fonts_ = std::make_unique<TStringList>();
        for (const TFontFamily& family : GetFontFamilies())
            fonts_->Add(family.FaceName);
        fonts_->SetSorted(true);
    }
    return fonts_.get();
}
