// TbsSkinFrame: dropped on a frame (a TFrame), it paints the frame's
// background from the skin (the skin's background picture, else the client
// piece of its form picture), gives a skin data of its choice to every
// skinned control the frame owns, and has the frame's children redraw
// their parent-derived backgrounds when a stretched background resizes.
#pragma once

#include "platform/gdi/gdi_object.h"
#include "platform/ui/kernel/control.h"
#include "platform/ui/kernel/message_records.h"
#include "skin/form/bs_skin_component.h"

class TFrame;

class TbsSkinFrame : public TbsSkinComponent {
public:
    // With a frame as owner the component takes over the frame's window
    // procedure (unless designing) and switches its AutoSize off.
    explicit TbsSkinFrame(TComponent* AOwner);
    ~TbsSkinFrame() override;

    // The frame's background is painted by this component.
    bool DrawBackground = true;
    TbsSkinData* CtrlsSkinData() const { return ctrlsSkinData_; }
    // Stores the reference; unless designing, every skinned control the
    // frame owns takes it (controls on the frame owned by others do not).
    void SetCtrlsSkinData(TbsSkinData* Value);
    // Repaints the frame (unless designing).
    void ChangeSkinData() override;

    // The frame, or nullptr when the owner is none.
    TFrame* Frame() const { return frame_; }
    // Paints the background over the frame's client area into DC, from the
    // component's own SkinData: plain clBtnFace without a skin; nothing for
    // a stretch type it does not know or a source under one pixel.
    void PaintBackground(HDC DC);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void NewWndProc(TMessage& Message);
    bool Designing() const { return ComponentState().Contains(csDesigning); }

    TFrame* frame_ = nullptr;
    // The frame's window procedure before ours; called for what we pass on.
    TWndMethod oldWindowProc_;
    // Whether the frame still exists: a frame frees the components it owns
    // only after its own control part has gone.
    std::unique_ptr<TControl::TAlive> frameAlive_;
    TbsSkinData* ctrlsSkinData_ = nullptr;
};
