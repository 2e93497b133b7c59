// TSpeedButton: a window-less button for tool bars, with a glyph and a
// caption. Buttons of one parent with the same non-zero GroupIndex work as
// a set: pressing one latches it Down and lets the others up; AllowAllUp
// lets a press raise the one that is down. Flat shows no frame until the
// mouse is over it. The glyph bitmap holds NumGlyphs pictures side by side:
// up, disabled, held down and latched down; the missing ones are made from
// the first (disabled: greyed). Its bottom-left pixel's colour is clear.
#pragma once

#include <memory>

#include "platform/gdi/raster_image.h"
#include "platform/ui/kernel/graphic_control.h"
#include "platform/ui/kernel/mouse_press.h"

class TBitmap;

class TSpeedButton : public TGraphicControl {
public:
    explicit TSpeedButton(TComponent* AOwner);
    ~TSpeedButton() override;

    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int Value);
    // Only a grouped button stays down. Setting it lets the group's other
    // buttons up; a down button without AllowAllUp stays down.
    bool Down() const { return down_; }
    void SetDown(bool Value);
    // Shared by the whole group: setting it sets it on every member.
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool Value);
    bool Flat() const { return flat_; }
    void SetFlat(bool Value);
    TBitmap* Glyph() const { return glyph_.get(); }
    void SetGlyph(TBitmap* Value);
    // 1 to 4.
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int Value);
    // Between the glyph and the caption.
    int Spacing() const { return spacing_; }
    void SetSpacing(int Value);
    // Shown held down: the mouse went down on it and is over it.
    bool Pressed() const { return mousePress_.Shown(); }
    bool Hot() const { return hot_; }

    // OnClick; an action link hooks in here.
    using TGraphicControl::Click;

protected:
    // A grouped button is down while its action is checked; the action
    // decides, AllowAllUp or not.
    void ActionChange(TObject* Sender) override;
    void Paint() override;
    void Dispatch(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    // Calls Step for each other button of this one's group.
    template <typename TStep>
    void ForEachInGroup(TStep Step);
    void GlyphChanged(TObject* Sender);
    // The picture for the current state, with its clear pixels and the
    // disabled greying applied; empty without a glyph.
    TRasterImage GlyphImage() const;

    int groupIndex_ = 0;
    bool down_ = false;  // never set while groupIndex_ is 0
    bool allowAllUp_ = false;
    bool flat_ = false;
    std::unique_ptr<TBitmap> glyph_;
    int numGlyphs_ = 1;  // 1 .. 4
    int spacing_ = 4;
    bool hot_ = false;          // between CM_MOUSEENTER and CM_MOUSELEAVE
    TMousePress mousePress_;
};
