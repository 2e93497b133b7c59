// TStatusBar: a bar along the bottom of a form showing panels of text side
// by side, or one simple text across it, with a size grip at its right end
// that sizes the form.
#pragma once

#include <memory>

#include "platform/ui/kernel/custom_control.h"
#include "platform/ui/widgets/status_bar_panels.h"

class TStatusBar;

// Draws an owner-drawn panel on the bar's canvas, inside its bevel.
using TDrawPanelEvent = TEvent<void(TStatusBar* StatusBar, TStatusPanel* Panel, const TRect& Rect)>;

class TStatusBar : public TCustomControl {
public:
    explicit TStatusBar(TComponent* AOwner);
    ~TStatusBar() override;

    TStatusPanels* Panels() const { return panels_.get(); }
    // Shows SimpleText across the whole bar instead of the panels.
    bool SimplePanel() const { return simplePanel_; }
    void SetSimplePanel(bool Value);
    const AnsiString& SimpleText() const { return simpleText_; }
    void SetSimpleText(const AnsiString& Value);
    // The grip shows only while the bar lies in the bottom-right corner of
    // a sizable form that is not maximized.
    bool SizeGrip() const { return sizeGrip_; }
    void SetSizeGrip(bool Value);

    // Where panel Index lies in the client area, bevel included.
    TRect PanelRect(int Index);
    // The size grip's square; empty while no grip shows.
    TRect GripRect();

    TDrawPanelEvent OnDrawPanel;

protected:
    void Paint() override;
    void Dispatch(TMessage& Message) override;

private:
    // The room the panels or the simple text share: the bar less the grip.
    TRect TextArea();
    void DrawPanel(int Index);
    void DrawGrip(const TRect& R);

    std::unique_ptr<TStatusPanels> panels_;
    bool simplePanel_ = false;
    AnsiString simpleText_;
    bool sizeGrip_ = true;
};
