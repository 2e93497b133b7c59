// Sizes and places: resize checks, constraints and AutoSize of every
// control, anchors, and the alignment a windowed control does for its
// children.
#include <algorithm>
#include <climits>
#include <vector>

#include "platform/base/sys_utils.h"
#include "platform/ui/kernel/control.h"
#include "platform/ui/kernel/win_control.h"

bool TControl::CanResize(int& NewWidth, int& NewHeight)
{
    bool resize = true;
    if (OnCanResize)
        OnCanResize(this, NewWidth, NewHeight, resize);
    return resize;
}

bool TControl::CanAutoSize(int&, int&)
{
    return true;
}

void TControl::ConstrainedResize(int& MinWidth, int& MinHeight, int& MaxWidth, int& MaxHeight)
{
    if (OnConstrainedResize)
        OnConstrainedResize(this, MinWidth, MinHeight, MaxWidth, MaxHeight);
}

void TControl::DoConstrainedResize(int& NewWidth, int& NewHeight)
{
    int minWidth = std::max(constraints_->MinWidth(), 0);
    int minHeight = std::max(constraints_->MinHeight(), 0);
    int maxWidth = constraints_->MaxWidth() > 0 ? constraints_->MaxWidth() : INT_MAX;
    int maxHeight = constraints_->MaxHeight() > 0 ? constraints_->MaxHeight() : INT_MAX;
    ConstrainedResize(minWidth, minHeight, maxWidth, maxHeight);
    if (maxWidth > 0 && NewWidth > maxWidth)
        NewWidth = maxWidth;
    else if (minWidth > 0 && NewWidth < minWidth)
        NewWidth = minWidth;
    if (maxHeight > 0 && NewHeight > maxHeight)
        NewHeight = maxHeight;
    else if (minHeight > 0 && NewHeight < minHeight)
        NewHeight = minHeight;
}

bool TControl::DoCanAutoSize(int& NewWidth, int& NewHeight)
{
    // A control filling its parent takes the size alignment gives it.
    if (align_ == alClient)
        return true;
    int width = NewWidth;
    int height = NewHeight;
    bool result = CanAutoSize(width, height);
    if (align_ == alNone || align_ == alLeft || align_ == alRight)
        NewWidth = width;
    if (align_ == alNone || align_ == alTop || align_ == alBottom)
        NewHeight = height;
    return result;
}

bool TControl::CheckNewSize(int& NewWidth, int& NewHeight)
{
    auto canResize = [this](int& width, int& height) {
        if (!CanResize(width, height))
            return false;
        DoConstrainedResize(width, height);
        return true;
    };
    int width = NewWidth;
    int height = NewHeight;
    if (!canResize(width, height))
        return false;
    int autoWidth = width;
    int autoHeight = height;
    bool result = !autoSize_ || (DoCanAutoSize(autoWidth, autoHeight) && autoWidth == width && autoHeight == height) ||
                  canResize(autoWidth, autoHeight);
    if (result) {
        NewWidth = autoWidth;
        NewHeight = autoHeight;
    }
    return result;
}

void TControl::AdjustSize()
{
    if (!ComponentState().Contains(csLoading))
        SetBounds(left_, top_, width_, height_);
}

void TControl::RequestAlign()
{
    if (parent_)
        parent_->AlignControl(this);
}

void TControl::UpdateAnchorRules()
{
    if (anchorMove_ || ComponentState().Contains(csLoading))
        return;
    if (anchors_ == TAnchors{akLeft, akTop}) {
        originalParentSize_ = {};
        return;
    }
    if (anchors_.Contains(akRight))
        anchorRules_.X = anchors_.Contains(akLeft) ? width_ : left_;
    else
        anchorRules_.X = left_ + width_ / 2;
    if (anchors_.Contains(akBottom))
        anchorRules_.Y = anchors_.Contains(akTop) ? height_ : top_;
    else
        anchorRules_.Y = top_ + height_ / 2;
    if (parent_)
        originalParentSize_ = parent_->ClientRect().BottomRight();
}

void TWinControl::EnableAlign()
{
    if (--alignLevel_ == 0 && controlState_.Contains(csAlignmentNeeded))
        Realign();
}

void TWinControl::AlignControl(TControl* AControl)
{
    // Without a window the client area is the bounds, and the window's
    // WM_SIZE aligns again once it exists.
    if (ComponentState().Contains(csDestroying))
        return;
    if (alignLevel_ != 0) {
        controlState_.Include(csAlignmentNeeded);
        return;
    }
    DisableAlign();
    TAlive alive(this);
    TRect rect = ClientRect();
    AlignControls(AControl, rect);
    if (!alive)
        return;
    controlState_.Exclude(csAlignmentNeeded);
    EnableAlign();
}

namespace {

// Whether C1 goes before C2 among the controls of one alignment: bars
// keep the order of their edges, nearest to the parent's edge first.
bool InsertBefore(TControl* C1, TControl* C2, TAlign Align)
{
    switch (Align) {
    case alTop:
        return C1->Top() < C2->Top();
    case alBottom:
        return C1->Top() + C1->Height() >= C2->Top() + C2->Height();
    case alLeft:
        return C1->Left() < C2->Left();
    case alRight:
        return C1->Left() + C1->Width() >= C2->Left() + C2->Width();
    default:
        return false;
    }
}

}  // namespace

void TWinControl::AlignControls(TControl* AControl, TRect& Rect)
{
    bool work = false;
    for (int i = ControlCount() - 1; i >= 0 && !work; --i) {
        TControl* control = Controls(i);
        work = control->align_ != alNone || !(control->anchors_ == TAnchors{akLeft, akTop});
    }
    if (work) {
        AdjustClientRect(Rect);
        TAlive alive(this);
        // Moves an anchored control after the parent's new size, then gives
        // an aligned one its place in what is left of Rect.
        auto position = [&](TControl* control, TAlign align) {
            if (align == alNone || !(control->anchors_ == AnchorAlign(align))) {
                if (control->originalParentSize_.X != 0 && control->originalParentSize_.Y != 0) {
                    TPoint parentSize = ClientRect().BottomRight();
                    TPoint original = control->originalParentSize_;
                    TPoint rules = control->anchorRules_;
                    TAnchors anchors = control->anchors_;
                    int left = control->left_, top = control->top_;
                    int width = control->width_, height = control->height_;
                    if (anchors.Contains(akRight)) {
                        if (anchors.Contains(akLeft))
                            width = parentSize.X - (original.X - rules.X);
                        else
                            left = parentSize.X - (original.X - rules.X);
                    } else if (!anchors.Contains(akLeft)) {
                        left = MulDiv(rules.X, parentSize.X, original.X) - width / 2;
                    }
                    if (anchors.Contains(akBottom)) {
                        if (anchors.Contains(akTop))
                            height = parentSize.Y - (original.Y - rules.Y);
                        else
                            top = parentSize.Y - (original.Y - rules.Y);
                    } else if (!anchors.Contains(akTop)) {
                        top = MulDiv(rules.Y, parentSize.Y, original.Y) - height / 2;
                    }
                    TAlive controlAlive(control);
                    control->anchorMove_ = true;
                    control->SetBounds(left, top, width, height);
                    if (controlAlive)
                        control->anchorMove_ = false;
                }
                if (align == alNone)
                    return;
            }
            int width = Rect.Right - Rect.Left;
            if (width < 0 || align == alLeft || align == alRight || align == alCustom)
                width = control->width_;
            int height = Rect.Bottom - Rect.Top;
            if (height < 0 || align == alTop || align == alBottom || align == alCustom)
                height = control->height_;
            int left = Rect.Left;
            int top = Rect.Top;
            switch (align) {
            case alTop:
                Rect.Top += height;
                break;
            case alBottom:
                Rect.Bottom -= height;
                top = Rect.Bottom;
                break;
            case alLeft:
                Rect.Left += width;
                break;
            case alRight:
                Rect.Right -= width;
                left = Rect.Right;
                break;
            case alCustom:
                left = control->left_;
                top = control->top_;
                break;
            default:
                break;
            }
            TAlive controlAlive(control);
            control->SetBounds(left, top, width, height);
            if (!controlAlive)
                return;
            // A control that did not take the size asked for (constraints)
            // gives the rest back.
            int dw = width - control->width_;
            int dh = height - control->height_;
            switch (align) {
            case alTop:
                Rect.Top -= dh;
                break;
            case alBottom:
                Rect.Bottom += dh;
                break;
            case alLeft:
                Rect.Left -= dw;
                break;
            case alRight:
                Rect.Right += dw;
                break;
            case alClient:
                Rect.Right += dw;
                Rect.Bottom += dh;
                break;
            default:
                break;
            }
        };
        for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient, alCustom, alNone}) {
            std::vector<TControl*> list;
            if (AControl && AControl->parent_ == this && AControl->align_ == align &&
                (align == alNone || AControl->visible_))
                list.push_back(AControl);
            for (int i = 0; i < ControlCount(); ++i) {
                TControl* control = Controls(i);
                if (control == AControl || control->align_ != align || (align != alNone && !control->visible_))
                    continue;
                auto at = list.begin();
                while (at != list.end() && !InsertBefore(control, *at, align))
                    ++at;
                list.insert(at, control);
            }
            for (TControl* control : list) {
                position(control, align);
                if (!alive)
                    return;
            }
        }
    }
    if (Showing())
        AdjustSize();
}

bool TWinControl::CanAutoSize(int& NewWidth, int& NewHeight)
{
    bool any = false;
    int right = 0;
    int bottom = 0;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* control = Controls(i);
        if (!control->visible_)
            continue;
        any = true;
        right = std::max(right, control->left_ + control->width_);
        bottom = std::max(bottom, control->top_ + control->height_);
    }
    if (any) {
        TRect client = ClientRect();
        NewWidth = right + width_ - client.Width();
        NewHeight = bottom + height_ - client.Height();
    }
    return true;
}
