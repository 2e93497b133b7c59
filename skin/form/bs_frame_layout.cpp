#include "skin/form/bs_frame_layout.h"

#include <algorithm>

#include "platform/win/win_messages.h"
#include "skin/form/bs_frame_mask.h"

namespace {

TRect Grown(TRect R, int DX, int DY)
{
    R.Right += DX;
    R.Bottom += DY;
    return R;
}

TPoint Moved(TPoint P, int DX, int DY) { return {P.X + DX, P.Y + DY}; }

// A hit-test point the skin leaves out takes its corner point.
TPoint HitPoint(TPoint HitTest, TPoint Corner) { return HitTest == TPoint{} ? Corner : HitTest; }

bool RectInRect(const TRect& Inner, const TRect& Outer)
{
    auto in = [&](int X, int Y) { return X >= Outer.Left && X <= Outer.Right && Y >= Outer.Top && Y <= Outer.Bottom; };
    return in(Inner.Left, Inner.Top) && in(Inner.Right, Inner.Bottom);
}

// Where an object drawn in the frame picture lands on the stretched frame:
// a rectangle in one corner zone moves with that corner, one that spans
// zones stretches with the corners it spans.
TRect ZoneMoved(const TRect& R, const TbsFormInfo& Info, int PW, int PH, int DX, int DY)
{
    TRect lt{0, 0, Info.LeftTopPoint.X, Info.LeftTopPoint.Y};
    TRect rt{Info.RightTopPoint.X, 0, PW, Info.RightTopPoint.Y};
    TRect lb{0, Info.LeftBottomPoint.Y, Info.LeftBottomPoint.X, PH};
    TRect rb{Info.RightBottomPoint.X, Info.RightBottomPoint.Y, PW, PH};
    TRect out = R;
    if (RectInRect(R, lt))
        return out;
    if (RectInRect(R, rt)) {
        OffsetRect(out, DX, 0);
        return out;
    }
    if (RectInRect(R, lb)) {
        OffsetRect(out, 0, DY);
        return out;
    }
    if (RectInRect(R, rb)) {
        OffsetRect(out, DX, DY);
        return out;
    }
    TPoint p1{R.Left, R.Top};
    TPoint p2{R.Right, R.Bottom};
    if (PtInRect(lt, p1) && PtInRect(rb, p2))
        return Grown(out, DX, DY);
    if (PtInRect(lt, p1) && PtInRect(rt, p2))
        return Grown(out, DX, 0);
    if (PtInRect(lb, p1) && PtInRect(rb, p2)) {
        out = Grown(out, DX, 0);
        OffsetRect(out, 0, DY);
        return out;
    }
    if (PtInRect(lt, p1) && PtInRect(lb, p2))
        return Grown(out, 0, DY);
    if (PtInRect(rt, p1) && PtInRect(rb, p2)) {
        OffsetRect(out, DX, 0);
        out.Bottom += DY;
    }
    return out;
}

bool RowButton(const TbsPlacedObject& O)
{
    return O.Kind == TbsPlacedObject::okCaptionButton && O.Visible && O.SkinRectInAPicture;
}

// The first row button with Command, in list order; nullptr when none.
TbsPlacedObject* FirstWith(std::vector<TbsPlacedObject>& Objects, TbsStdCommand Command)
{
    for (TbsPlacedObject& o : Objects)
        if (RowButton(o) && o.Command == Command)
            return &o;
    return nullptr;
}

// The buttons of the caption row in their order: close, maximize,
// minimize, roll-up, tray, then the default-command ones.
std::vector<TbsPlacedObject*> RowOrder(std::vector<TbsPlacedObject>& Objects)
{
    std::vector<TbsPlacedObject*> row;
    for (TbsStdCommand command : {cmclose, cmmaximize, cmminimize, cmrollup, cmminimizetotray})
        if (TbsPlacedObject* o = FirstWith(Objects, command))
            row.push_back(o);
    for (TbsPlacedObject& o : Objects)
        if (RowButton(o) && o.Command == cmdefault)
            row.push_back(&o);
    return row;
}

TSize ButtonSize(const TbsPlacedObject& O, TSize IconSize)
{
    if (O.IconMode && O.Command == cmsysmenu)
        return IconSize;
    return {O.SkinRect.Width(), O.SkinRect.Height()};
}

TbsPlacedObject* CaptionOf(std::vector<TbsPlacedObject>& Objects)
{
    for (TbsPlacedObject& o : Objects)
        if (o.Kind == TbsPlacedObject::okCaption)
            return &o;
    return nullptr;
}

}  // namespace

TbsFrameMetrics CalcFrameMetrics(const TbsFormInfo& Info, int PW, int PH, int W, int H)
{
    TbsFrameMetrics m;
    m.DX = W - PW;
    m.DY = H - PH;
    m.LTPoint = Info.LeftTopPoint;
    m.RTPoint = Moved(Info.RightTopPoint, m.DX, 0);
    m.LBPoint = Moved(Info.LeftBottomPoint, 0, m.DY);
    m.RBPoint = Moved(Info.RightBottomPoint, m.DX, m.DY);
    m.NewClRect = Grown(Info.ClientRect, m.DX, m.DY);
    m.NewCaptionRect = Info.CaptionRect;
    if (!IsRectEmpty(m.NewCaptionRect))
        m.NewCaptionRect.Right += m.DX;
    // Buttons drawn in the right half of the picture stay at the right edge
    // as the frame grows; those in the left half stay where they are.
    m.NewButtonsRect = Info.ButtonsRect;
    if (m.NewButtonsRect.Left >= PW / 2)
        OffsetRect(m.NewButtonsRect, m.DX, 0);
    m.NewMaskRectArea = Grown(Info.MaskRectArea, m.DX, m.DY);
    m.HitTestLTPoint = HitPoint(Info.HitTestLeftTopPoint, Info.LeftTopPoint);
    m.HitTestRTPoint = Moved(HitPoint(Info.HitTestRightTopPoint, Info.RightTopPoint), m.DX, 0);
    // The bottom hit-test points take their height from the corner point.
    m.HitTestLBPoint = {HitPoint(Info.HitTestLeftBottomPoint, Info.LeftBottomPoint).X, Info.LeftBottomPoint.Y + m.DY};
    m.HitTestRBPoint = Moved(HitPoint(Info.HitTestRightBottomPoint, Info.RightBottomPoint), m.DX, m.DY);
    return m;
}

void CalcObjectRects(const TbsFormInfo& Info, int PW, int PH, const TbsFrameMetrics& Metrics,
                     std::vector<TbsPlacedObject>& Objects, TSize IconSize)
{
    for (TbsPlacedObject& o : Objects)
        if (!o.SkinRectInAPicture)
            o.ObjectRect = ZoneMoved(o.SkinRect, Info, PW, PH, Metrics.DX, Metrics.DY);

    TbsPlacedObject* caption = CaptionOf(Objects);
    bool inCaption = IsRectEmpty(Metrics.NewButtonsRect);
    TRect row = inCaption ? Metrics.NewCaptionRect : Metrics.NewButtonsRect;
    if (!IsRectEmpty(row)) {
        std::vector<TbsPlacedObject*> buttons = RowOrder(Objects);
        int x = Info.ButtonsInLeft ? row.Left : row.Right;
        for (TbsPlacedObject* b : buttons) {
            TSize size = ButtonSize(*b, IconSize);
            if (Info.ButtonsInLeft) {
                b->ObjectRect = {x, row.Top, x + size.cx, row.Top + size.cy};
                x += Info.ButtonsOffset + size.cx;
            } else {
                b->ObjectRect = {x - size.cx, row.Top, x, row.Top + size.cy};
                x -= Info.ButtonsOffset + size.cx;
            }
        }
        if (inCaption && caption && !buttons.empty()) {
            if (Info.ButtonsInLeft)
                caption->ObjectRect.Left = x + Info.ButtonsOffset;
            else
                caption->ObjectRect.Right = x + Info.ButtonsOffset;
        }
    }

    TbsPlacedObject* sysMenu = FirstWith(Objects, cmsysmenu);
    if (sysMenu) {
        TRect cap = Metrics.NewCaptionRect;
        TSize size = ButtonSize(*sysMenu, IconSize);
        int top = cap.Top + cap.Height() / 2 - size.cy / 2;
        sysMenu->ObjectRect = {cap.Left, top, cap.Left + size.cx, top + size.cy};
        if (caption)
            caption->ObjectRect.Left = sysMenu->ObjectRect.Right;
    }
}

int GetDefCaptionHeight(bool ToolWindow) { return ToolWindow ? 15 : 19; }
int GetDefButtonSize(bool ToolWindow) { return ToolWindow ? 13 : 17; }

TRect CalcDefaultObjectRects(int W, bool ToolWindow, std::vector<TbsPlacedObject>& Objects, TSize IconSize)
{
    constexpr int top = 4;
    int size = GetDefButtonSize(ToolWindow);
    TRect caption{kDefBorder, kDefBorder, W - kDefBorder, GetDefCaptionHeight(ToolWindow)};
    int x = W - kDefBorder;
    for (TbsStdCommand command : {cmclose, cmmaximize, cmminimize, cmrollup, cmminimizetotray})
        if (TbsPlacedObject* o = FirstWith(Objects, command)) {
            o->ObjectRect = {x - size, top, x, top + size};
            x -= size;
        }
    caption.Right = x;
    if (TbsPlacedObject* o = FirstWith(Objects, cmsysmenu)) {
        TSize s = o->IconMode ? IconSize : TSize{size, size};
        o->ObjectRect = {caption.Left, top, caption.Left + s.cx, top + s.cy};
        caption.Left = o->ObjectRect.Right;
    }
    return caption;
}

LRESULT FrameHitTest(const TbsFrameMetrics& Metrics, int BorderWidth, const TbsFrameState& State,
                     const TbsFrameMask* Mask, TPoint P, bool OnCaption)
{
    const TbsFrameMetrics& m = Metrics;
    if (State.RolledUp || State.Minimized)
        return OnCaption ? HTCAPTION : HTOBJECT;
    if (State.ObjectActive && !OnCaption && !PtInRect(m.NewClRect, P) && !State.InSizeMove)
        return HTOBJECT;
    if (!State.Maximized && State.CanSize) {
        TPoint tests[] = {{P.X - BorderWidth, P.Y}, {P.X, P.Y - BorderWidth}, {P.X + BorderWidth, P.Y},
                          {P.X, P.Y + BorderWidth}};
        bool nearEdge = false;
        if (!Mask || Mask->Empty()) {
            TRect window{0, 0, State.W, State.H};
            for (TPoint t : tests)
                nearEdge = nearEdge || !PtInRect(window, t);
        } else if (!PtInRect(m.NewMaskRectArea, P)) {
            for (TPoint t : tests)
                nearEdge = nearEdge || !Mask->Contains(t);
        }
        if (nearEdge) {
            if (P.X <= m.HitTestLTPoint.X && P.Y <= m.HitTestLTPoint.Y)
                return HTTOPLEFT;
            if (P.X >= m.HitTestRTPoint.X && P.Y <= m.HitTestRTPoint.Y)
                return HTTOPRIGHT;
            if (P.X <= m.HitTestLBPoint.X && P.Y >= m.HitTestLBPoint.Y)
                return HTBOTTOMLEFT;
            if (P.X >= m.HitTestRBPoint.X && P.Y >= m.HitTestRBPoint.Y)
                return HTBOTTOMRIGHT;
            if (PtInRect({m.HitTestLTPoint.X, 0, m.HitTestRTPoint.X, m.NewClRect.Top}, P))
                return HTTOP;
            if (PtInRect({m.HitTestLBPoint.X, m.NewClRect.Bottom, m.HitTestRBPoint.X, State.H}, P))
                return HTBOTTOM;
            if (PtInRect({0, m.HitTestLTPoint.Y, m.NewClRect.Left, m.HitTestLBPoint.Y}, P))
                return HTLEFT;
            if (PtInRect({m.NewClRect.Right, m.HitTestRTPoint.Y, State.W, m.HitTestRBPoint.Y}, P))
                return HTRIGHT;
        }
    }
    if (PtInRect(m.NewClRect, P))
        return HTCLIENT;
    return OnCaption ? HTCAPTION : HTOBJECT;
}

LRESULT DefaultFrameHitTest(const TbsFrameState& State, bool ToolWindow, const TRect& CaptionRect, TPoint P)
{
    if (!State.Minimized && !State.Maximized && !State.RolledUp && State.CanSize) {
        if (State.ObjectActive)
            return HTOBJECT;
        // Only the last two columns and rows size at the right and bottom.
        bool left = P.X < kDefBorder;
        bool top = P.Y < kDefBorder;
        bool right = P.X >= State.W - 2;
        bool bottom = P.Y >= State.H - 2;
        if (left && top)
            return HTTOPLEFT;
        if (right && top)
            return HTTOPRIGHT;
        if (left && bottom)
            return HTBOTTOMLEFT;
        if (right && bottom)
            return HTBOTTOMRIGHT;
        if (left)
            return HTLEFT;
        if (top)
            return HTTOP;
        if (right)
            return HTRIGHT;
        if (bottom)
            return HTBOTTOM;
    }
    if (PtInRect(CaptionRect, P))
        return HTCAPTION;
    TRect client{kDefBorder, GetDefCaptionHeight(ToolWindow) + kDefBorder, State.W - kDefBorder,
                 State.H - kDefBorder};
    return PtInRect(client, P) ? HTCLIENT : HTOBJECT;
}

namespace {

TRect NeverInsideOut(TRect R)
{
    R.Right = std::max(R.Right, R.Left);
    R.Bottom = std::max(R.Bottom, R.Top);
    return R;
}

}  // namespace

TRect SkinnedClientRect(const TRect& R, const TbsFormInfo& Info, int PW, int PH)
{
    const TRect& cl = Info.ClientRect;
    return NeverInsideOut({R.Left + cl.Left, R.Top + cl.Top, R.Right + (cl.Right - PW), R.Bottom + (cl.Bottom - PH)});
}

TRect DefaultFrameClientRect(const TRect& R, bool ToolWindow)
{
    return NeverInsideOut({R.Left + kDefBorder, R.Top + GetDefCaptionHeight(ToolWindow) + kDefBorder,
                           R.Right - kDefBorder, R.Bottom - kDefBorder});
}

int FrameMinWidth(const TbsSizeLimitsInput& In)
{
    if (!In.Skinned)
        return In.MinWidth < 1 ? 120 : In.MinWidth;
    if (In.PW < In.MinWidth && !In.Minimized)
        return In.MinWidth;
    if (In.FormMinWidth < 1)
        return In.PW;
    if (In.FormMinWidth < In.MinWidth && !In.Minimized)
        return In.MinWidth;
    return In.FormMinWidth;
}

int FrameMinHeight(const TbsSizeLimitsInput& In)
{
    int height = 0;
    if (!In.Skinned)
        height = GetDefCaptionHeight(In.ToolWindow) + 6;
    else if (In.FormMinHeight > 0)
        height = In.FormMinHeight;
    else
        height = In.PH - In.ClientHeight;
    if (In.MinHeight > height && !In.RolledUp && !In.Minimized)
        return In.MinHeight;
    return height;
}

int FrameMaxWidth(const TbsSizeLimitsInput& In) { return In.MaxWidth != 0 ? In.MaxWidth : In.MonitorArea.Width(); }

int FrameMaxHeight(const TbsSizeLimitsInput& In)
{
    return In.MaxHeight != 0 ? In.MaxHeight : In.MonitorArea.Height();
}
