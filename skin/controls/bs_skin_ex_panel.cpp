// TbsSkinExPanel: properties, layout, the roll and its bookkeeping, button
// tracking and hit testing. Painting is in bs_skin_ex_panel_paint.cpp.
#include "skin/controls/bs_skin_ex_panel.h"

#include <algorithm>

#include "platform/ui/graphics/image_list.h"
#include "platform/ui/kernel/controls_messages.h"
#include "platform/win/window_coords.h"
#include "skin/data/bs_draw_utils.h"

namespace {

// An active rectangle left empty takes the normal one, a down one the
// active one.
void FallBack(const TRect& Normal, TRect& Active, TRect& Down)
{
    if (IsNullRect(Active))
        Active = Normal;
    if (IsNullRect(Down))
        Down = Active;
}

TRect SizedAt(int X, int Y, const TRect& Size) { return Bounds(X, Y, Size.Width(), Size.Height()); }

}  // namespace

TbsSkinExPanel::TbsSkinExPanel(TComponent* AOwner)
    : TbsSkinCustomControl(AOwner), glyph_(std::make_unique<TBitmap>())
{
    SetControlStyle(TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csOpaque,
                                  csDoubleClicks, csReplicatable});
    DrawFrameStrips = true;
    SetSkinDataName("expanel");
    SetBounds(0, 0, 150, 100);
}

TbsSkinExPanel::~TbsSkinExPanel() = default;

void TbsSkinExPanel::SetUseSkinSize(bool Value)
{
    useSkinSize_ = Value;
    Realign();
    Invalidate();
}

void TbsSkinExPanel::SetCaptionImageList(TCustomImageList* Value)
{
    if (captionImageList_ && captionImageList_ != Value)
        captionImageList_->RemoveFreeNotification(this);
    captionImageList_ = Value;
    if (Value)
        Value->FreeNotification(this);
    Invalidate();
}

void TbsSkinExPanel::SetCaptionImageIndex(int Value)
{
    captionImageIndex_ = Value;
    Invalidate();
}

void TbsSkinExPanel::SetGlyph(TBitmap* Value)
{
    glyph_->Assign(Value);
    Invalidate();
}

void TbsSkinExPanel::SetNumGlyphs(int Value)
{
    numGlyphs_ = Value;
    Invalidate();
}

void TbsSkinExPanel::SetSpacing(int Value)
{
    spacing_ = Value;
    Invalidate();
}

void TbsSkinExPanel::SetDefaultCaptionHeight(int Value)
{
    defaultCaptionHeight_ = Value;
    if (SkinSized())
        return;
    Realign();
    Invalidate();
}

void TbsSkinExPanel::SetShowRollButton(bool Value)
{
    showRollButton_ = Value;
    Invalidate();
}

void TbsSkinExPanel::SetShowCloseButton(bool Value)
{
    showCloseButton_ = Value;
    Invalidate();
}

void TbsSkinExPanel::SetRollKind(TbsExPanelRollKind Value)
{
    rollKind_ = Value;
    Invalidate();
}

void TbsSkinExPanel::Notification(TComponent* AComponent, TOperation Operation)
{
    TbsSkinCustomControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == captionImageList_)
        captionImageList_ = nullptr;
}

void TbsSkinExPanel::GetSkinData()
{
    TbsSkinCustomControl::GetSkinData();
    auto* d = dynamic_cast<TbsDataSkinExPanelControl*>(Description());
    if (!d)
        return;
    skin_ = *d;
    FallBack(skin_.HRollButtonRect, skin_.HRollButtonActiveRect, skin_.HRollButtonDownRect);
    FallBack(skin_.VRollButtonRect, skin_.VRollButtonActiveRect, skin_.VRollButtonDownRect);
    FallBack(skin_.HRestoreButtonRect, skin_.HRestoreButtonActiveRect, skin_.HRestoreButtonDownRect);
    FallBack(skin_.VRestoreButtonRect, skin_.VRestoreButtonActiveRect, skin_.VRestoreButtonDownRect);
}

void TbsSkinExPanel::ChangeSkinData()
{
    TbsSkinCustomControl::ChangeSkinData();
    if (!rollState_) {
        Realign();
        return;
    }
    // The new skin's strip may be thicker or thinner.
    inRoll_ = true;
    if (rolledKind_ == rkRollHorizontal)
        SetWidth(RolledWidth());
    else
        SetHeight(RolledHeight());
    inRoll_ = false;
}

int TbsSkinExPanel::RolledWidth()
{
    GetSkinData();
    return SkinSized() ? skin_.RollHSkinRect.Width() : defaultCaptionHeight_;
}

int TbsSkinExPanel::RolledHeight()
{
    GetSkinData();
    return SkinSized() ? skin_.RollVSkinRect.Height() : defaultCaptionHeight_;
}

void TbsSkinExPanel::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    if (rollState_ && !inRoll_) {
        if (rolledKind_ == rkRollHorizontal)
            AWidth = RolledWidth();
        else
            AHeight = RolledHeight();
    }
    TbsSkinCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TbsSkinExPanel::AdjustClientRect(TRect& Rect)
{
    GetSkinData();
    if (Skinned()) {
        int w = Width();
        int h = Height();
        CalcSize(w, h);
        int top = Rect.Top;
        Rect = NewClientRect;
        if (!useSkinSize_)
            Rect.Top = top + defaultCaptionHeight_;
        return;
    }
    Rect.Top += defaultCaptionHeight_;
    Rect.Left += 1;
    Rect.Right -= 1;
    Rect.Bottom -= 1;
}

// ---- The roll ----

void TbsSkinExPanel::SetRollState(bool Value)
{
    if (Value == rollState_)
        return;
    TAlive alive(this);
    inRoll_ = true;
    if (Value)
        Roll();
    else
        Unroll();
    inRoll_ = false;
    if (OnChangeRollState && !Designing())
        OnChangeRollState(this);
    if (alive)
        Invalidate();
}

void TbsSkinExPanel::Roll()
{
    DrawFrameStrips = false;
    TSizeConstraints* c = Constraints();
    maxWidth_ = c->MaxWidth();
    minWidth_ = c->MinWidth();
    maxHeight_ = c->MaxHeight();
    minHeight_ = c->MinHeight();
    savedConstraints_ = true;
    c->SetMinWidth(0);
    c->SetMinHeight(0);
    c->SetMaxWidth(0);
    c->SetMaxHeight(0);
    DisableAlign();
    hiddenByRoll_.clear();
    for (int i = 0; i < ControlCount(); ++i)
        if (Controls(i)->Visible())
            hiddenByRoll_.push_back(Controls(i));
    for (TControl* child : hiddenByRoll_)
        child->Hide();
    rollState_ = true;
    rolledKind_ = rollKind_;
    if (rolledKind_ == rkRollVertical) {
        if (realHeight_ == 0) {
            realHeight_ = Height();
            SetHeight(RolledHeight());
        }
    } else if (realWidth_ == 0) {
        realWidth_ = Width();
        SetWidth(RolledWidth());
    }
}

void TbsSkinExPanel::Unroll()
{
    DrawFrameStrips = true;
    rollState_ = false;
    if (savedConstraints_) {
        TSizeConstraints* c = Constraints();
        c->SetMinWidth(minWidth_);
        c->SetMinHeight(minHeight_);
        c->SetMaxWidth(maxWidth_);
        c->SetMaxHeight(maxHeight_);
        savedConstraints_ = false;
    }
    // A remembered size of 0 was never taken (a stored form's value): keep
    // the size rather than shrink to nothing.
    if (rolledKind_ == rkRollHorizontal) {
        if (realWidth_ > 0)
            SetWidth(realWidth_);
        realWidth_ = 0;
    } else {
        if (realHeight_ > 0)
            SetHeight(realHeight_);
        realHeight_ = 0;
    }
    // Only children still on the panel: one may have been freed or moved
    // away while it was rolled.
    std::vector<TControl*> hidden;
    hidden.swap(hiddenByRoll_);
    std::vector<TControl*> shown;
    for (int i = 0; i < ControlCount(); ++i)
        if (std::find(hidden.begin(), hidden.end(), Controls(i)) != hidden.end())
            shown.push_back(Controls(i));
    for (TControl* child : shown)
        child->Show();
    EnableAlign();
}

void TbsSkinExPanel::Close()
{
    Hide();
    if (OnClose && !Designing())
        OnClose(this);
}

// ---- Layout ----

TbsSkinExPanel::TLayout TbsSkinExPanel::Layout()
{
    GetSkinData();
    return SkinSized() ? SkinLayout() : PlainLayout();
}

TbsSkinExPanel::TLayout TbsSkinExPanel::PlainLayout()
{
    TLayout L;
    int b = defaultCaptionHeight_ - 6;
    int w = Width();
    if (RolledHorizontally()) {
        int y = 3;
        if (showCloseButton_) {
            L.Buttons[CloseButton] = Rect(3, y, b + 3, y + b);
            y += b;
        }
        if (showRollButton_) {
            L.Buttons[RollButton] = Rect(3, y, b + 3, y + b);
            y += b;
        }
        L.Caption = Rect(2, 2, w - 2, Height() - 2);
        L.Text = Rect(2, y + 2, w - 2, Height() - 2);
        return L;
    }
    int x = w - 2;
    if (showCloseButton_) {
        L.Buttons[CloseButton] = Rect(x - b, 3, x, b + 3);
        x -= b;
    }
    if (showRollButton_) {
        L.Buttons[RollButton] = Rect(x - b, 3, x, b + 3);
        x -= b;
    }
    L.Caption = Rect(2, 2, w - 2, defaultCaptionHeight_ - 1);
    L.Text = Rect(2, 2, x - 2, defaultCaptionHeight_ - 2);
    return L;
}

TbsSkinExPanel::TLayout TbsSkinExPanel::SkinLayout()
{
    TLayout L;
    const TRect& close = skin_.CloseButtonRect;
    bool horizontalKind = (rollState_ ? rolledKind_ : rollKind_) == rkRollHorizontal;
    const TRect& roll = horizontalKind ? skin_.HRollButtonRect : skin_.VRollButtonRect;
    if (RolledHorizontally()) {
        TRect cr = skin_.RollHCaptionRect;
        cr.Bottom += Height() - skin_.RollHSkinRect.Height();
        L.Caption = cr;
        int y = cr.Top;
        if (showCloseButton_) {
            L.Buttons[CloseButton] = SizedAt(cr.Left, y, close);
            y += close.Height() + 2;
        }
        if (showRollButton_) {
            L.Buttons[RollButton] = SizedAt(cr.Left, y, skin_.HRollButtonRect);
            y += skin_.HRollButtonRect.Height();
        }
        cr.Top = y;
        L.Text = cr;
        return L;
    }
    TRect cr;
    if (rollState_) {
        cr = skin_.RollVCaptionRect;
        cr.Right += Width() - skin_.RollVSkinRect.Width();
    } else {
        cr = skin_.CaptionRect;
        cr.Right += Width() - SkinRect.Width();
    }
    L.Caption = cr;
    int x = cr.Right;
    if (showCloseButton_) {
        L.Buttons[CloseButton] = SizedAt(x - close.Width(), cr.Top, close);
        x -= close.Width() + 2;
    }
    if (showRollButton_) {
        L.Buttons[RollButton] = SizedAt(x - roll.Width(), cr.Top, roll);
        x -= roll.Width();
    }
    cr.Right = std::min(cr.Right, x);
    L.Text = cr;
    return L;
}

// ---- Buttons ----

void TbsSkinExPanel::RedrawButton(int /*Index*/)
{
    // The buttons lie on the caption, which is drawn as one piece.
    Invalidate();
}

void TbsSkinExPanel::SetHot(int Index)
{
    if (Index == hot_)
        return;
    int old = hot_;
    hot_ = Index;
    if (old != -1) {
        buttons_[old].MouseIn = false;
        RedrawButton(old);
    }
    if (Index != -1) {
        buttons_[Index].MouseIn = true;
        RedrawButton(Index);
    }
}

void TbsSkinExPanel::TrackButtons(TPoint P)
{
    if (!showCloseButton_ && !showRollButton_)
        return;
    TLayout L = Layout();
    int hot = -1;
    for (int i : {CloseButton, RollButton})
        if (ButtonShown(i) && PtInRect(L.Buttons[i], P)) {
            hot = i;
            break;
        }
    // A held button keeps the others from lighting up.
    if (pressed_ != -1 && hot != pressed_)
        hot = -1;
    SetHot(hot);
}

void TbsSkinExPanel::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft) {
        TrackButtons(Point(X, Y));
        if (hot_ != -1) {
            pressed_ = hot_;
            buttons_[pressed_].Down = true;
            buttons_[pressed_].MouseIn = true;
            RedrawButton(pressed_);
        }
    }
    TbsSkinCustomControl::MouseDown(Button, Shift, X, Y);
}

void TbsSkinExPanel::MouseMove(TShiftState Shift, int X, int Y)
{
    TAlive alive(this);
    TbsSkinCustomControl::MouseMove(Shift, X, Y);
    if (alive)
        TrackButtons(Point(X, Y));
}

void TbsSkinExPanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TAlive alive(this);
    TbsSkinCustomControl::MouseUp(Button, Shift, X, Y);
    if (!alive || pressed_ == -1)
        return;
    int index = pressed_;
    pressed_ = -1;
    buttons_[index].Down = false;
    bool under = hot_ == index;
    if (!under)
        buttons_[index].MouseIn = false;
    RedrawButton(index);
    if (!under)
        return;
    ButtonAction(index);
    if (!alive)
        return;
    TrackButtons(Point(X, Y));
    Invalidate();
}

void TbsSkinExPanel::ButtonAction(int Index)
{
    if (Index == CloseButton)
        Close();
    else
        SetRollState(!rollState_);
}

// ---- Messages ----

LRESULT TbsSkinExPanel::HitTest(TPoint P)
{
    TLayout L = Layout();
    if (Moveable && PtInRect(L.Caption, P)) {
        bool onButton = false;
        for (int i : {CloseButton, RollButton})
            onButton = onButton || (ButtonShown(i) && PtInRect(L.Buttons[i], P));
        if (!onButton) {
            SetHot(-1);
            return HTCAPTION;
        }
    }
    if (Sizeable && !rollState_) {
        int w = Width();
        int h = Height();
        TRect client = Rect(0, 0, w - 2, h - 2);
        if (SkinSized()) {
            CalcSize(w, h);
            client = NewClientRect;
        }
        if (P.X >= client.Right && P.Y >= client.Bottom && P.X < w && P.Y < h)
            return HTBOTTOMRIGHT;
        if (P.Y >= client.Bottom && P.Y < h && P.X >= 0)
            return HTBOTTOM;
        if (P.X >= client.Right && P.X < w && P.Y >= 0)
            return HTRIGHT;
    }
    return HTNOWHERE;
}

void TbsSkinExPanel::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_NCHITTEST:
        if ((Moveable || Sizeable) && !Designing()) {
            TPoint p = ScreenToClient(Point(GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)));
            LRESULT hit = HitTest(p);
            if (hit != HTNOWHERE) {
                Message.Result = hit;
                return;
            }
        }
        break;
    case CM_TEXTCHANGED:
        Invalidate();
        break;
    case CM_MOUSEENTER: {
        TAlive alive(this);
        TbsSkinCustomControl::Dispatch(Message);
        if (alive && !Designing())
            TrackButtons(Point(-1, -1));
        return;
    }
    case CM_MOUSELEAVE: {
        TAlive alive(this);
        TbsSkinCustomControl::Dispatch(Message);
        if (!alive)
            return;
        for (int i : {CloseButton, RollButton})
            if (buttons_[i].MouseIn) {
                buttons_[i].MouseIn = false;
                RedrawButton(i);
            }
        hot_ = -1;
        return;
    }
    case WM_SIZE:
    case WM_SIZING:
        TbsSkinCustomControl::Dispatch(Message);
        if (Sizeable)
            Realign();
        return;
    default:
        break;
    }
    TbsSkinCustomControl::Dispatch(Message);
}
