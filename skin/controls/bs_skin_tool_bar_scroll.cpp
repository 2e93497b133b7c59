// The tool bar's scroll buttons: the room and places they take in the
// non-client area, their looks from the skin's "resizebutton", and the
// body of a kept-ends skin while they show.
#include "skin/controls/bs_skin_tool_bar.h"

#include "platform/win/win_messages.h"

// The body while the buttons show over a skin of kept left and right parts:
// only the right part stays fixed, the rest is the middle, so the left part
// never sits under the left button.
void TbsSkinToolBar::PaintSkinImage(TBitmap* Bitmap)
{
    if (!buttons_.Visible() || ResizeMode != rmHorizontal || !Picture) {
        TbsSkinPanel::PaintSkinImage(Bitmap);
        return;
    }
    int leftOffset = LeftTopPoint.X;
    int rightOffset = SkinRect.Width() - RightTopPoint.X;
    TRect source = SkinRect;
    source.Left += leftOffset;
    CreateHSkinImage(0, rightOffset, Bitmap, Picture, source, Width(), Height(), StretchEffect);
}

// The scroll buttons' messages; true when one was taken.
bool TbsSkinToolBar::NonClientMessage(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_NCCALCSIZE: {
        TAlive alive(this);
        TbsSkinPanel::Dispatch(Message);
        if (!alive)
            return true;
        GetSkinData();
        buttons_.TakeRoom(Message.WParam ? reinterpret_cast<NCCALCSIZE_PARAMS*>(Message.LParam)->rgrc[0]
                                         : *reinterpret_cast<TRect*>(Message.LParam));
        return true;
    }
    case WM_SIZE: {
        TAlive alive(this);
        TbsSkinPanel::Dispatch(Message);
        if (alive)
            buttons_.Place();
        return true;
    }
    case WM_NCPAINT:
        TbsSkinPanel::Dispatch(Message);
        buttons_.PaintOnWindow(SkinData(), "resizebutton");
        return true;
    default:
        return buttons_.Message(Message);
    }
}

void TbsSkinToolBar::Dispatch(TMessage& Message)
{
    if (canScroll_ && NonClientMessage(Message))
        return;
    TbsSkinPanel::Dispatch(Message);
}
