// What the benchmark programs share: a shown top-level window on the
// headless back end to put controls on, and the process's resident memory.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "platform/ui/kernel/win_control.h"
#include "platform/win/window_styles.h"

// A borderless top-level window that clips its children.
class TBenchHost : public TWinControl {
public:
    // Hidden until shown: a control starts visible, so Show() on it would
    // change nothing and the window would show only once a windowed child
    // came, never for controls without a window of their own.
    TBenchHost(int Width, int Height) : TWinControl(nullptr)
    {
        SetVisible(false);
        SetBounds(0, 0, Width, Height);
    }

protected:
    bool TopLevel() const override { return true; }
    void CreateParams(TCreateParams& Params) override
    {
        TWinControl::CreateParams(Params);
        Params.Style = WS_POPUP | WS_CLIPCHILDREN;
        Params.WndParent = nullptr;
    }
};

// A host of the given size on the headless back end, shown and with its
// window made, so that controls put on it paint at once.
inline std::unique_ptr<TBenchHost> ShownHeadlessHost(int Width, int Height)
{
    setenv("TANDRIL_BACKEND", "headless", 1);
    auto host = std::make_unique<TBenchHost>(Width, Height);
    host->Show();
    return host;
}

// A figure of /proc/self/status in bytes: Format reads it in kB, e.g.
// "VmRSS: %ld kB".
inline double StatusBytes(const char* Format)
{
    FILE* status = std::fopen("/proc/self/status", "r");
    char row[256];
    long kib = 0;
    while (status && std::fgets(row, sizeof row, status))
        if (std::sscanf(row, Format, &kib) == 1)
            break;
    if (status)
        std::fclose(status);
    return static_cast<double>(kib) * 1024.0;
}

// The resident set of this process in bytes.
inline double ResidentBytes() { return StatusBytes("VmRSS: %ld kB"); }

// The most the resident set reached since the last ResetPeakResident.
inline double PeakResidentBytes() { return StatusBytes("VmHWM: %ld kB"); }

// Starts the peak of the resident set again from what it is now.
inline void ResetPeakResident()
{
    if (FILE* refs = std::fopen("/proc/self/clear_refs", "w")) {
        std::fputs("5", refs);
        std::fclose(refs);
    }
}
