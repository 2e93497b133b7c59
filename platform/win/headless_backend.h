// The back end without a display: a screen of settable monitors
// that keeps its surfaces in memory. Tests always run on it. Composing the
// screen, saving it as a picture and injecting input are added by their
// areas as free functions over THeadlessBackend.
#pragma once

#include <optional>
#include <vector>

#include "platform/win/backend.h"

class THeadlessBackend : public TBackend {
public:
    struct TSurface {
        HWND Window = nullptr;
        TRect Bounds;
        DWORD Style = 0;
        DWORD ExStyle = 0;
        bool Visible = false;
        bool Minimized = false;  // shown as the desktop's icon, not on the screen
        AnsiString Title;
        std::vector<TRasterImage> Icon;
        std::optional<TRegion> Shape;
        HBITMAP Pixels = nullptr;  // as last presented
        TRegion Damage;            // presented since the screen was last composed
    };

    // A 1280 x 800 screen whose work area leaves a 40-pixel task bar at
    // the bottom.
    THeadlessBackend();

    // One monitor of that size, the primary, with the same task bar.
    void SetScreenSize(int Width, int Height);
    // The primary monitor's work area.
    void SetWorkArea(const TRect& Area);
    // Monitors with their work areas; when none is marked primary, the
    // one at (0, 0), else the first, is. The screen is all of them. An
    // empty list is ignored.
    void SetMonitors(std::vector<TBackendMonitor> Monitors);
    // Surfaces in stacking order, the topmost first.
    std::vector<TSurface>& Surfaces() { return surfaces_; }
    TSurface* FindSurface(HWND Window);
    int Beeps() const { return beeps_; }
    // The desktop's user restores a minimized surface, as a click on its
    // task-bar entry would; false when it is not minimized.
    bool RestoreFromDesktop(HWND Window);

    const char* Name() const override { return "headless"; }
    TRect ScreenRect() const override { return screen_; }
    std::vector<TBackendMonitor> Monitors() const override { return monitors_; }
    void CreateSurface(HWND Window, const TRect& Bounds, DWORD Style, DWORD ExStyle) override;
    void DestroySurface(HWND Window) override;
    void ShowSurface(HWND Window, bool Activate) override;
    void HideSurface(HWND Window) override;
    void MoveSurface(HWND Window, const TRect& Bounds) override;
    void MinimizeSurface(HWND Window) override;
    void RestoreSurface(HWND Window) override;
    void RestackSurface(HWND Window, HWND Above) override;
    void SetSurfaceShape(HWND Window, const TRegion* Shape) override;
    void SetSurfaceTitle(HWND Window, const AnsiString& Title) override;
    void SetSurfaceIcon(HWND Window, const std::vector<TRasterImage>& Images) override;
    void PresentSurface(HWND Window, HBITMAP Pixels, const TRegion& Damage) override;
    void Beep() override { ++beeps_; }
    // Nothing ever arrives from outside; a bounded wait just lets the time pass.
    bool WaitForEvents(int TimeoutMs) override;
    void OfferClipboard() override {}
    // No other program shares this clipboard.
    TClipboardFetch FetchClipboardText(AnsiString&) override { return TClipboardFetch::NoText; }
    bool ClipboardOffersText() override { return false; }
    // A recording notification area (headless_tray.cpp, headless_tray.h).
    bool AddTrayIcon(const TBackendTrayIcon& Icon) override;
    bool ModifyTrayIcon(const TBackendTrayIcon& Icon) override;
    bool DeleteTrayIcon(HWND Window, UINT Id) override;
    std::vector<TBackendTrayIcon>& TrayIcons() { return trayIcons_; }
    bool TrayPresent() const { return trayPresent_; }
    void SetTrayPresent(bool Present);
    // Composed unless a test takes the compositor away.
    bool LayeredWindowsComposited() override { return composited_; }
    void SetLayeredWindowsComposited(bool Value) { composited_ = Value; }

private:
    static constexpr int TaskBarHeight = 40;

    TRect screen_;
    std::vector<TBackendMonitor> monitors_;
    std::vector<TSurface> surfaces_;
    int beeps_ = 0;
    bool composited_ = true;
    std::vector<TBackendTrayIcon> trayIcons_;  // in the order added; empty while no area is present
    bool trayPresent_ = true;
};

// The running back end when it is the headless one, else nullptr.
THeadlessBackend* HeadlessBackend();
