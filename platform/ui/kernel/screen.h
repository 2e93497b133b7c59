// TScreen: what the program knows about its forms and the display: the
// forms in z-order, the active form and control, the screen's size and
// monitors, the installed fonts and the cursor shown over every control.
#pragma once

#include <memory>
#include <vector>

#include "platform/base/component.h"
#include "platform/base/string_list.h"
#include "platform/ui/kernel/control_types.h"
#include "platform/win/win_types.h"

class TCustomForm;
class TControl;
class TDataModule;
class TWinControl;

// One display monitor.
struct TMonitor {
    HMONITOR Handle = nullptr;
    int MonitorNum = 0;
    TRect BoundsRect;
    TRect WorkareaRect;
    bool Primary = false;
    int Left() const { return BoundsRect.Left; }
    int Top() const { return BoundsRect.Top; }
    int Width() const { return BoundsRect.Width(); }
    int Height() const { return BoundsRect.Height(); }
};

class TScreen : public TComponent {
public:
    explicit TScreen(TComponent* AOwner);
    ~TScreen() override;

    // The forms, topmost window first; forms without a window follow in
    // the order they were made.
    int FormCount() const { return static_cast<int>(forms_.size()); }
    TCustomForm* Forms(int Index);
    int CustomFormCount() const { return FormCount(); }
    TCustomForm* CustomForms(int Index) { return Forms(Index); }
    int DataModuleCount() const { return static_cast<int>(dataModules_.size()); }
    TDataModule* DataModules(int Index) const;

    // The form that was activated last, while it lives.
    TCustomForm* ActiveForm() const { return activeForm_; }
    TCustomForm* ActiveCustomForm() const { return activeForm_; }
    // The control with the focus, while it lives.
    TWinControl* ActiveControl() const { return activeControl_; }

    int Width() const;
    int Height() const;
    int PixelsPerInch() const { return 96; }
    TRect WorkAreaRect() const;
    int WorkAreaLeft() const { return WorkAreaRect().Left; }
    int WorkAreaTop() const { return WorkAreaRect().Top; }
    int WorkAreaWidth() const { return WorkAreaRect().Width(); }
    int WorkAreaHeight() const { return WorkAreaRect().Height(); }
    int MonitorCount() const;
    TMonitor Monitors(int Index) const;

    // While not crDefault, shown over every control of the program.
    TCursor Cursor() const;
    void SetCursor(TCursor Value);
    HCURSOR Cursors(TCursor Index) const { return CursorHandle(Index); }
    // The installed font families, sorted.
    TStrings* Fonts();

    TNotifyEvent OnActiveFormChange;
    TNotifyEvent OnActiveControlChange;

    // Kept up to date by the forms and data modules themselves.
    void AddForm(TCustomForm* Form);
    void RemoveForm(TCustomForm* Form);
    void AddDataModule(TDataModule* DataModule);
    void RemoveDataModule(TDataModule* DataModule);
    void SetActiveForm(TCustomForm* Form);
    void SetActiveControl(TWinControl* Control);
    // The form whose controls last took the focus (it got CM_ACTIVATE).
    TCustomForm* FocusedForm() const { return focusedForm_; }
    void SetFocusedForm(TCustomForm* Form) { focusedForm_ = Form; }
    // A control is going away: the screen lets go of it.
    void ControlDestroyed(TControl* Control);

private:
    void SortForms();

    std::vector<TCustomForm*> forms_;  // every live form, each once
    std::vector<TDataModule*> dataModules_;
    TCustomForm* activeForm_ = nullptr;     // in forms_, or nullptr
    TWinControl* activeControl_ = nullptr;  // a live control, or nullptr
    TCustomForm* focusedForm_ = nullptr;    // in forms_, or nullptr
    std::unique_ptr<TStringList> fonts_;    // filled on first use
};

extern TScreen* Screen;
