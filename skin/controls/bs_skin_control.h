// The windowed skinned control bases. TbsSkinControl is the bare skin
// protocol on a window of its own; TbsSkinCustomControl adds the nine-part
// image, its size rules, the window region cut from the skin mask and the
// panel family's frame painted in strips.
#pragma once

#include "platform/ui/kernel/custom_control.h"
#include "skin/controls/bs_controls_messages.h"
#include "skin/controls/bs_skin_control_protocol.h"
#include "skin/controls/bs_skin_custom_control_protocol.h"

extern template class TbsSkinControlProtocol<TCustomControl>;

class TbsSkinControl : public TbsSkinControlProtocol<TCustomControl> {
public:
    explicit TbsSkinControl(TComponent* AOwner);

    // True only while the control handles its own WM_PAINT: descendants
    // answer WM_ERASEBKGND by painting themselves into its device context
    // only while it is false.
    bool InPaintMessage() const { return inPaintMessage_; }

protected:
    // On WM_PARENTIMAGECHANGED: controls that show part of their parent's
    // image repaint here.
    virtual void ParentImageChanged() {}
    // WM_PAINT marks InPaintMessage; WM_ERASEBKGND is swallowed, so nothing
    // is erased before the off-screen image lands.
    void Dispatch(TMessage& Message) override;

private:
    bool inPaintMessage_ = false;
};

extern template class TbsSkinCustomControlProtocol<TbsSkinControl>;

class TbsSkinCustomControl : public TbsSkinCustomControlProtocol<TbsSkinControl> {
public:
    explicit TbsSkinCustomControl(TComponent* AOwner);
    ~TbsSkinCustomControl() override;

    // Paint a nine-part frame as four strips around a client part tiled or
    // stretched into a clipped canvas, so that large panels never build a
    // whole image (the panel family sets it). PaintSkinImage then gets the
    // top strip, for the panel's caption.
    bool DrawFrameStrips = false;

    // Sends WM_PARENTIMAGECHANGED to every child: windowed ones through
    // their window, window-less ones by Perform.
    void NotifyChildren();

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

protected:
    // Cuts the window to the skin mask at the current size; without a mask
    // or a description the window is rectangular again. Nothing while the
    // control has no parent.
    void SetControlRegion() override;
    void Paint() override;
    bool PaintsFrameStrips() const override { return DrawFrameStrips; }

    // The region last given to the window (the window owns it); nullptr
    // while the window is rectangular.
    HRGN Region = nullptr;

private:
    void PaintStrips();
};
