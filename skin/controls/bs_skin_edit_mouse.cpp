// The skinned edit's hover look and its buttons: the first hit test after
// the mouse comes in lights the box up, timer 1 puts it out once the mouse
// is over another window; the edit button clicks on any release over it,
// the image buttons only after a press on them.
#include "platform/win/cursor.h"
#include "platform/win/win_messages.h"
#include "platform/win/timers.h"
#include "platform/win/window_coords.h"
#include "platform/win/window_proc.h"
#include "skin/controls/bs_skin_edit.h"
#include "skin/data/bs_draw_utils.h"

bool TbsSkinCustomEdit::MouseMessage(TMessage& Message)
{
    TAlive alive(this);
    switch (Message.Msg) {
    case WM_NCHITTEST:
        if (Designing())
            return false;
        Message.Result = HitTest(Message);
        return true;
    case WM_NCMOUSEMOVE:
        if (!buttonMode_ || Designing())
            return false;
        if (static_cast<LRESULT>(Message.WParam) == kEditButtonHit) {
            if (!buttonHot_) {
                buttonHot_ = true;
                RedrawFrame();
                Invalidate();
            }
            return true;
        }
        if (buttonHot_) {
            buttonHot_ = false;
            RedrawFrame();
            Invalidate();
        }
        return false;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        return !Designing() && NcButtonDown(Message.WParam);
    case WM_NCLBUTTONUP:
        return !Designing() && NcButtonUp(Message.WParam);
    case WM_MOUSEMOVE:
        TbsCustomEdit::Dispatch(Message);
        if (alive && buttonMode_ && buttonHot_) {
            buttonHot_ = false;
            RedrawFrame();
        }
        return true;
    case WM_TIMER:
        TbsCustomEdit::Dispatch(Message);
        if (alive && Message.WParam == kEditHoverTimer) {
            TPoint cursor;
            GetCursorPos(&cursor);
            if (WindowFromPoint(cursor) != Handle()) {
                KillTimer(Handle(), kEditHoverTimer);
                MouseLeave();
            }
        }
        return true;
    default:
        return false;
    }
}

LRESULT TbsSkinCustomEdit::HitTest(TMessage& Message)
{
    TAlive alive(this);
    if (!mouseIn_)
        MouseEnter();
    if (!alive)
        return HTNOWHERE;
    const TPoint client = ScreenToClient(TPoint{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)});
    if (images_) {
        if (leftImageIndex_ >= 0 && PtInRect(leftImageRect_, client)) {
            if (!leftHot_) {
                leftHot_ = true;
                Invalidate();
            }
            return kEditLeftImageHit;
        }
        if (rightImageIndex_ >= 0 && PtInRect(rightImageRect_, client)) {
            if (!rightHot_) {
                rightHot_ = true;
                Invalidate();
            }
            return kEditRightImageHit;
        }
        if (leftHot_) {
            leftHot_ = false;
            Invalidate();
        }
        if (rightHot_) {
            rightHot_ = false;
            Invalidate();
        }
    }
    if (buttonMode_) {
        GetSkinData();
        const TPoint offset = Skinned() ? skin_.ClientRect.TopLeft() : TPoint{2, 2};
        const TPoint p{client.X + offset.X, client.Y + offset.Y};
        CalcRects();
        if (PtInRect(buttonRect_, p))
            return kEditButtonHit;
        if (!PtInRect(textRect_, p))
            return kEditFrameHit;
    }
    TbsCustomEdit::Dispatch(Message);
    return Message.Result;
}

bool TbsSkinCustomEdit::HasHoverLook() const
{
    if (buttonMode_ || images_)
        return true;
    if (SkinIndex() == -1)
        return true;
    return !IsNullRect(skin_.ActiveSkinRect) || skin_.FontColor != skin_.ActiveFontColor;
}

void TbsSkinCustomEdit::MouseEnter()
{
    TAlive alive(this);
    mouseIn_ = true;
    GetSkinData();
    if (!Focused() && Skinned()) {
        Font()->SetColor(skin_.ActiveFontColor);
        CalcImageRects(true);
        RedrawFrame();
    }
    if (alive && OnMouseEnter)
        OnMouseEnter(this);
    if (alive && HasHoverLook() && HandleAllocated())
        SetTimer(Handle(), kEditHoverTimer, kEditHoverInterval);
}

void TbsSkinCustomEdit::MouseLeave()
{
    TAlive alive(this);
    mouseIn_ = false;
    GetSkinData();
    if (!Focused() && Skinned()) {
        Font()->SetColor(skin_.FontColor);
        CalcImageRects(true);
        RedrawFrame();
    }
    if (buttonDown_ || buttonHot_) {
        buttonDown_ = false;
        buttonHot_ = false;
        RedrawFrame();
    }
    if (leftHot_) {
        leftHot_ = false;
        PaintBuffered();
    }
    if (rightHot_) {
        rightHot_ = false;
        PaintBuffered();
    }
    if (alive && OnMouseLeave)
        OnMouseLeave(this);
}

bool TbsSkinCustomEdit::NcButtonDown(WPARAM Hit)
{
    const auto hit = static_cast<LRESULT>(Hit);
    if (images_ && (hit == kEditLeftImageHit || hit == kEditRightImageHit)) {
        (hit == kEditLeftImageHit ? leftDown_ : rightDown_) = true;
        if (!Focused())
            SetFocus();
        Invalidate();
        return true;
    }
    if (buttonMode_ && hit == kEditButtonHit) {
        buttonDown_ = true;
        RedrawFrame();
        return true;
    }
    // The frame around the text answers as a scroll bar would, so that no
    // click there reaches the text; there is no bar to track.
    return buttonMode_ && hit == kEditFrameHit;
}

bool TbsSkinCustomEdit::NcButtonUp(WPARAM Hit)
{
    TAlive alive(this);
    const auto hit = static_cast<LRESULT>(Hit);
    if (images_ && hit == kEditLeftImageHit && leftDown_) {
        leftDown_ = false;
        Invalidate();
        if (OnLeftButtonClick)
            OnLeftButtonClick(this);
        return true;
    }
    if (images_ && hit == kEditRightImageHit && rightDown_) {
        rightDown_ = false;
        Invalidate();
        if (OnRightButtonClick)
            OnRightButtonClick(this);
        return true;
    }
    if (buttonMode_ && hit == kEditButtonHit) {
        buttonDown_ = false;
        RedrawFrame();
        if (alive && !Focused())
            SetFocus();
        if (alive && OnButtonClick)
            OnButtonClick(this);
        return true;
    }
    return false;
}
