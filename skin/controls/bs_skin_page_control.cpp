// TbsSkinPageControl: the skin protocol, the properties, the native
// rectangles moved to the skin's frame and the shifted row, hot tracking,
// close buttons, the skinned tab scroller and the wheel.
#include "skin/controls/bs_skin_page_control.h"

#include <algorithm>

#include "platform/base/component_link.h"
#include "platform/ui/kernel/controls_messages.h"
#include "platform/ui/kernel/message_records.h"
#include "platform/ui/widgets/tab_control_window.h"
#include "platform/ui/widgets/up_down_window.h"
#include "platform/win/cursor.h"
#include "platform/win/message_queue.h"
#include "platform/win/scroll_bars.h"
#include "platform/win/window_class.h"
#include "platform/win/window_lifecycle.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"
#include "platform/win/window_tree.h"
#include "skin/controls/bs_controls_messages.h"
#include "skin/controls/bs_skin_tab_sheet.h"
#include "skin/controls/bs_skin_up_down.h"
#include "skin/data/bs_draw_utils.h"
#include "skin/data/bs_resource_str_data.h"
#include "skin/data/bs_skin_data.h"

namespace {

constexpr int PlainCloseButtonSize = 14;

void SetTabFontFace(TFont* Font, const AnsiString& Name, int Height, TFontStyles Style, TColor Color)
{
    Font->SetName(Name);
    Font->SetHeight(Height);
    Font->SetStyle(Style);
    Font->SetColor(Color);
}

// Messages after which the native control may have made its own scroller
// again.
bool MayRelayOut(UINT Msg)
{
    return (Msg >= TCM_FIRST && Msg < TCM_FIRST + 0x100) || Msg == WM_SIZE || Msg == WM_SETFONT ||
           Msg == WM_HSCROLL || Msg == WM_LBUTTONDOWN || Msg == WM_LBUTTONDBLCLK || Msg == WM_KEYDOWN ||
           Msg == WM_STYLECHANGED;
}

// Posted to recount the tab scroller once the row is laid out again.
constexpr UINT kRecountTabScroller = WM_APP + 0x112;

// Messages that change how much room the tab row takes: the tab scroller
// is recounted after each, not only when the control changes size.
bool ChangesTabRow(UINT Msg)
{
    return Msg == TCM_INSERTITEM || Msg == TCM_DELETEITEM || Msg == TCM_DELETEALLITEMS || Msg == TCM_SETITEM ||
           Msg == TCM_SETITEMSIZE || Msg == TCM_SETPADDING || Msg == TCM_SETIMAGELIST || Msg == WM_SETFONT;
}

LPARAM ShiftedX(LPARAM LParam, int DX)
{
    return MAKELPARAM(static_cast<WORD>(GET_X_LPARAM(LParam) - DX), static_cast<WORD>(GET_Y_LPARAM(LParam)));
}

}  // namespace

TbsSkinPageControl::TbsSkinPageControl(TComponent* AOwner)
    : TPageControl(AOwner), defaultFont_(std::make_unique<TFont>()),
      roomList_(std::make_unique<TCustomImageList>(nullptr))
{
    SetCtl3D(false);
    for (TFont* font : {Font(), defaultFont_.get()})
        SetTabFontFace(font, "Arial", 14, TFontStyles(), clBtnText);
    roomList_->SetWidth(1);
    roomList_->SetHeight(1);
    TCustomTabControl::SetImages(roomList_.get());
}

TbsSkinPageControl::~TbsSkinPageControl()
{
    TCustomTabControl::SetImages(nullptr);
}

void TbsSkinPageControl::SetSkinData(TbsSkinData* Value)
{
    SetComponentLink(this, skinData_, Value);
    if (Value && !Value->Empty && !Designing())
        ChangeSkinData();
}

void TbsSkinPageControl::Notification(TComponent* AComponent, TOperation Operation)
{
    TPageControl::Notification(AComponent, Operation);
    if (Operation != opRemove)
        return;
    if (AComponent == skinData_)
        skinData_ = nullptr;
    if (AComponent == images_)
        SetImages(nullptr);
    if (AComponent == upDown_)
        upDown_ = nullptr;
}

void TbsSkinPageControl::GetSkinData()
{
    skin_.BgPictureIndex = -1;
    skin_.BgPicture = nullptr;
    descriptionIndex_.LookUp(skinData_, skinDataName_);
    TbsDataSkinControl* description = descriptionIndex_.Description(skinData_);
    if (!description)
        return;
    auto* d = dynamic_cast<TbsDataSkinTabControl*>(description);
    // A description of another class has nothing to draw a tab with: the
    // control takes its plain look.
    if (!d) {
        descriptionIndex_.Clear();
        return;
    }
    static_cast<TbsTabControlFields&>(skin_) = *d;
    skin_.SkinRect = d->SkinRect;
    skin_.Picture = SkinPicture(d->PictureIndex);
    if (IsNullRect(skin_.ActiveTabRect))
        skin_.ActiveTabRect = skin_.TabRect;
    if (IsNullRect(skin_.FocusTabRect))
        skin_.FocusTabRect = d->ActiveTabRect;
    if (IsNullRect(skin_.CloseButtonActiveRect))
        skin_.CloseButtonActiveRect = skin_.CloseButtonRect;
    if (IsNullRect(skin_.CloseButtonDownRect))
        skin_.CloseButtonDownRect = skin_.CloseButtonActiveRect;
    if (IsNullRect(skin_.TabLeftBottomFocusRect))
        skin_.TabLeftBottomFocusRect = skin_.TabLeftBottomActiveRect;
    // An index past the picture list names no picture; tiling from it
    // would read a picture that is not there.
    skin_.BgPicture = SkinPicture(d->BgPictureIndex);
    skin_.BgPictureIndex = skin_.BgPicture ? d->BgPictureIndex : -1;
}

TBitmap* TbsSkinPageControl::SkinPicture(int Index) const
{
    return skinData_ ? skinData_->PictureAt(Index) : nullptr;
}

int TbsSkinPageControl::CloseButtonSize() const
{
    if (!Skinned() || IsNullRect(skin_.CloseButtonRect))
        return PlainCloseButtonSize;
    return RectWidth(skin_.CloseButtonRect);
}

void TbsSkinPageControl::ChangeSkinData()
{
    GetSkinData();
    ResizeRoomList();
    TFont* font = Font();
    const TbsResourceStrData* strings = skinData_ ? skinData_->ResourceStrData() : nullptr;
    if (!Skinned()) {
        font->Assign(defaultFont_.get());
    } else {
        if (UseSkinFont)
            SetTabFontFace(font, skin_.FontName, skin_.FontHeight, skin_.FontStyle, skin_.FontColor);
        else
            font->Assign(defaultFont_.get());
        font->SetColor(skin_.FontColor);
    }
    font->SetCharset(strings ? strings->CharSet : defaultFont_->Charset());
    SendTabHeight();
    SyncScrollerPosition();
    Invalidate();
    Realign();
    // The scroller is made anew, so that it takes the new skin's size.
    delete upDown_;
    upDown_ = nullptr;
    if (HandleAllocated() && !MultiLine())
        ReplaceUpDown();
    if (ActivePage())
        ActivePage()->Invalidate();
}

void TbsSkinPageControl::SendTabHeight()
{
    if (!HandleAllocated())
        return;
    int height = TabHeight() > 0 ? TabHeight() : Skinned() ? RectHeight(skin_.TabRect) : defaultItemHeight_;
    SendMessage(Handle(), TCM_SETITEMSIZE, 0,
                MAKELPARAM(static_cast<WORD>(TabWidth()), static_cast<WORD>(std::max(height, 0))));
    Realign();
}

void TbsSkinPageControl::CreateWnd()
{
    TPageControl::CreateWnd();
    GetSkinData();
    SendTabHeight();
}

void TbsSkinPageControl::SetTabWidth(int Value)
{
    TPageControl::SetTabWidth(Value);
    SendTabHeight();
}

void TbsSkinPageControl::ResizeRoomList()
{
    int room = 1;
    if (images_)
        room += TabPosition() == tpTop || TabPosition() == tpBottom ? images_->Width() : images_->Height();
    if (showCloseButtons_)
        room += CloseButtonSize();
    // The native control measures every tab along its row by the list's
    // width, on any side.
    if (roomList_->Width() == room)
        return;
    roomList_->SetWidth(room);
    TCustomTabControl::SetImages(nullptr);
    TCustomTabControl::SetImages(roomList_.get());
}

int TbsSkinPageControl::GetImageIndex(int /*TabIndex*/)
{
    // Every tab reserves the room list's width.
    return 0;
}

void TbsSkinPageControl::SetDefaultItemHeight(int Value)
{
    defaultItemHeight_ = Value;
    if (!Skinned())
        SendTabHeight();
}

void TbsSkinPageControl::SetImages(TCustomImageList* Value)
{
    SetComponentLink(this, images_, Value);
    ResizeRoomList();
    Invalidate();
}

void TbsSkinPageControl::SetTabLayout(TbsButtonLayout Value)
{
    tabLayout_ = Value;
    Repaint();
}

void TbsSkinPageControl::SetTabSpacing(int Value)
{
    if (tabSpacing_ == Value)
        return;
    tabSpacing_ = Value;
    Repaint();
}

void TbsSkinPageControl::SetTabMargin(int Value)
{
    if (tabMargin_ == Value || Value < -1)
        return;
    tabMargin_ = Value;
    Repaint();
}

void TbsSkinPageControl::SetTabExtededDraw(bool Value)
{
    tabExtededDraw_ = Value;
    Invalidate();
}

void TbsSkinPageControl::SetTextInHorizontal(bool Value)
{
    textInHorizontal_ = Value;
    Invalidate();
}

void TbsSkinPageControl::SetTabsBGTransparent(bool Value)
{
    if (tabsBGTransparent_ == Value)
        return;
    tabsBGTransparent_ = Value;
    Invalidate();
}

void TbsSkinPageControl::SetTabsInCenter(bool Value)
{
    // Centring needs a fixed tab width to measure the row by.
    if (Value && TabWidth() == 0)
        return;
    tabsInCenter_ = Value;
    if (Value) {
        SetTabPosition(tpTop);
        SetMultiLine(false);
        SetTabsBGTransparent(true);
    }
    Invalidate();
}

void TbsSkinPageControl::SetTabsOffset(int Value)
{
    tabsOffset_ = Value;
    if (Value >= 1) {
        SetTabPosition(tpTop);
        SetMultiLine(false);
    }
    if (Value > 0)
        SetTabsBGTransparent(true);
    Invalidate();
}

void TbsSkinPageControl::SetShowCloseButtons(bool Value)
{
    showCloseButtons_ = Value;
    ResizeRoomList();
    Invalidate();
}

int TbsSkinPageControl::TabsOffsetValue()
{
    if (tabsOffset_ > 0)
        return tabsOffset_;
    if (TabWidth() == 0)
        return 0;
    return std::max(Width() / 2 - TabWidth() * VisibleTabCount() / 2, 0);
}

int TbsSkinPageControl::VisibleTabCount() const
{
    int count = 0;
    for (int i = 0; i < PageCount(); ++i)
        if (Pages(i)->TabVisible())
            ++count;
    return count;
}

TbsSkinCustomTabSheet* TbsSkinPageControl::PageOfVisibleTab(int TabIndex) const
{
    for (int i = 0, tab = 0; i < PageCount(); ++i)
        if (Pages(i)->TabVisible() && tab++ == TabIndex)
            return dynamic_cast<TbsSkinCustomTabSheet*>(Pages(i));
    return nullptr;
}

TRect TbsSkinPageControl::TabRect(int TabIndex)
{
    TRect r{};
    if (HandleAllocated())
        SendMessage(Handle(), TCM_GETITEMRECT, static_cast<WPARAM>(TabIndex), reinterpret_cast<LPARAM>(&r));
    return r;
}

TRect TbsSkinPageControl::PageArea()
{
    TRect r = DisplayRect();
    if (!Skinned())
        return r;
    const TRect& m = skin_.ClientRect;
    return TRect{r.Left - m.Left, r.Top - m.Top, r.Right + RectWidth(skin_.SkinRect) - m.Right,
                 r.Bottom + RectHeight(skin_.SkinRect) - m.Bottom};
}

void TbsSkinPageControl::AdjustRect(TRect& R)
{
    TRect client = ClientRect();
    const int cw = client.Width();
    const int ch = client.Height();
    if (Skinned()) {
        const TRect& m = skin_.ClientRect;
        const int rw = RectWidth(skin_.SkinRect) - m.Right;
        const int rh = RectHeight(skin_.SkinRect) - m.Bottom;
        switch (TabPosition()) {
        case tpTop:
            R = TRect{m.Left, R.Top - 6 + m.Top, cw - rw, ch - rh};
            break;
        case tpBottom:
            R = TRect{m.Left, R.Top - 4 + m.Top, cw - rw, R.Bottom + 4 - rh};
            break;
        case tpLeft:
            R = TRect{R.Left - 4 + m.Left, R.Top - 4 + m.Top, cw - rw, ch - rh};
            break;
        case tpRight:
            R = TRect{m.Left, R.Top - 4 + m.Top, R.Right + 4 - rw, ch - rh};
            break;
        }
        return;
    }
    switch (TabPosition()) {
    case tpTop:
        R = TRect{1, R.Top - 5, cw - 1, ch - 1};
        break;
    case tpBottom:
        R = TRect{1, 1, cw - 1, R.Bottom + 3};
        break;
    case tpLeft:
        R = TRect{R.Left - 3, R.Top - 5, cw - 1, ch - 1};
        break;
    case tpRight:
        R = TRect{R.Left - 3, R.Top - 5, R.Right + 3, ch - 1};
        break;
    }
}

void TbsSkinPageControl::CorrectItemRect(TRect& R)
{
    switch (TabPosition()) {
    case tpTop:
        if (!MultiLine()) {
            R.Left -= 2;
            R.Right -= 2;
        }
        R.Top -= 2;
        R.Bottom -= 2;
        if (Shifted())
            OffsetRect(R, TabsOffsetValue(), 0);
        break;
    case tpBottom:
        if (!MultiLine()) {
            R.Left -= 2;
            R.Right -= 2;
        }
        R.Top += 2;
        R.Bottom += 2;
        break;
    case tpLeft:
        R.Left -= 2;
        R.Right -= 2;
        break;
    case tpRight:
        R.Left += 2;
        R.Right += 2;
        break;
    }
}

void TbsSkinPageControl::WndProc(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_NCHITTEST:
        // The native layout stays unshifted; the mouse is moved onto it.
        if (Shifted())
            Message.LParam = ShiftedX(Message.LParam, TabsOffsetValue());
        break;
    default:
        break;
    }
    TAlive alive(this);
    TPageControl::WndProc(Message);
    if (!alive)
        return;
    if (Message.Msg == TCM_ADJUSTRECT && Message.LParam) {
        AdjustRect(*reinterpret_cast<TRect*>(Message.LParam));
    } else if (Message.Msg == TCM_GETITEMRECT && Message.Result && Message.LParam) {
        CorrectItemRect(*reinterpret_cast<TRect*>(Message.LParam));
    }
    // The native scroller is replaced by the skinned one wherever the
    // native control makes it again.
    if (MayRelayOut(Message.Msg) && HandleAllocated()) {
        std::vector<HWND> native;
        EnumChildWindows(Handle(), WNDENUMPROC::FromCallable([&native](HWND Child, LPARAM) {
                             if (GetClassName(Child) == UPDOWN_CLASS)
                                 native.push_back(Child);
                             return true;
                         }),
                         0);
        for (HWND child : native)
            DestroyWindow(child);
    }
    // Counted at once, a tab just inserted has no place in the row yet.
    if (ChangesTabRow(Message.Msg) && HandleAllocated() && !MultiLine() && !Designing() && !recountPosted_)
        recountPosted_ = PostMessage(Handle(), kRecountTabScroller, 0, 0);
}

void TbsSkinPageControl::Dispatch(TMessage& Message)
{
    TAlive alive(this);
    switch (Message.Msg) {
    case WM_SKINCONTROLQUERY:
        Message.Result = SkinControlQueryAnswer;
        return;
    case WM_ERASEBKGND: {
        GetSkinData();
        if (VisibleTabCount() > 0) {
            Message.Result = 1;
            return;
        }
        if (!Skinned())
            break;
        TCanvas canvas;
        canvas.SetHandle(TWMEraseBkgnd(Message).DC());
        PaintBackground(&canvas, ClientRect(), Width(), Height());
        canvas.SetHandle(nullptr);
        Message.Result = 1;
        return;
    }
    case WM_SIZE:
        TPageControl::Dispatch(Message);
        if (!alive)
            return;
        GetSkinData();
        if (!MultiLine() && !Designing())
            ReplaceUpDown();
        return;
    case WM_HSCROLL:
        TPageControl::Dispatch(Message);
        if (alive)
            Invalidate();
        return;
    case kRecountTabScroller:
        recountPosted_ = false;
        if (!MultiLine() && !Designing())
            ReplaceUpDown();
        return;
    case WM_MOUSEWHEEL:
        if (MouseWheelSupport && Focused()) {
            Wheel(TWMMouseWheel(Message).WheelDelta());
            Message.Result = 1;
            return;
        }
        break;
    case CM_MOUSELEAVE:
        TPageControl::Dispatch(Message);
        if (!alive)
            return;
        TestActive(-1, -1);
        hotTab_ = hotPage_ = -1;
        return;
    case WM_PARENTIMAGECHANGED:
        if (tabsBGTransparent_)
            Invalidate();
        return;
    case TCM_SETCURSEL:
        TPageControl::Dispatch(Message);
        if (alive && !ComponentState().Contains(csLoading))
            Invalidate();
        return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        TPageControl::Dispatch(Message);
        if (alive && Shifted())
            Invalidate();
        return;
    default:
        break;
    }
    TPageControl::Dispatch(Message);
}

void TbsSkinPageControl::Change()
{
    TAlive alive(this);
    TPageControl::Change();
    if (!alive)
        return;
    SyncScrollerPosition();
    Invalidate();
    if (ActivePage())
        ActivePage()->Invalidate();
}

// Hot tracking: the tab under (X, Y), and with close buttons whether the
// mouse is over the hot tab's button. (-1, -1) is no tab.
void TbsSkinPageControl::TestActive(int X, int Y)
{
    const int oldHot = hotTab_;
    int hot = -1;
    if (X != -1 || Y != -1)
        for (int i = 0; i < VisibleTabCount(); ++i)
            if (PtInRect(TabRect(i), TPoint{X, Y})) {
                hot = i;
                break;
            }
    if (hot != oldHot) {
        if (TbsSkinCustomTabSheet* old = PageOfVisibleTab(oldHot); old && old != ActivePage()) {
            old->CloseButtonMouseIn = false;
            old->CloseButtonDown = false;
        }
        hotTab_ = hot;
        TbsSkinCustomTabSheet* page = PageOfVisibleTab(hot);
        hotPage_ = page ? page->PageIndex() : -1;
        Invalidate();
    }
    if (!showCloseButtons_)
        return;
    TbsSkinCustomTabSheet* page = PageOfVisibleTab(hotTab_);
    if (!page)
        return;
    bool in = PtInRect(page->CloseButtonRect, TPoint{X, Y});
    if (in != page->CloseButtonMouseIn) {
        page->CloseButtonMouseIn = in;
        if (!in)
            page->CloseButtonDown = false;
        Invalidate();
    }
}

// Whether (X, Y), in the coordinates the mouse handlers get, is over the
// hot tab's close button.
bool TbsSkinPageControl::OverCloseButton(int X, int Y)
{
    TbsSkinCustomTabSheet* page = PageOfVisibleTab(hotTab_);
    if (!page)
        return false;
    TRect r = page->CloseButtonRect;
    if (Shifted())
        OffsetRect(r, -TabsOffsetValue(), 0);
    return PtInRect(r, TPoint{X, Y});
}

void TbsSkinPageControl::MouseMove(TShiftState Shift, int X, int Y)
{
    TAlive alive(this);
    TPageControl::MouseMove(Shift, X, Y);
    if (alive && !Designing())
        TestActive(X, Y);
}

void TbsSkinPageControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft && showCloseButtons_) {
        if (!Shifted() && !Designing())
            TestActive(X, Y);
        pressedPage_ = nullptr;
        if (TbsSkinCustomTabSheet* page = PageOfVisibleTab(hotTab_)) {
            bool over = OverCloseButton(X, Y);
            page->CloseButtonMouseIn = over;
            page->CloseButtonDown = over;
            if (over)
                pressedPage_ = page;
            Invalidate();
        }
    }
    TPageControl::MouseDown(Button, Shift, X, Y);
}

void TbsSkinPageControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TAlive alive(this);
    if (Button == mbLeft && showCloseButtons_) {
        if (!Shifted() && !Designing())
            TestActive(X, Y);
        TbsSkinCustomTabSheet* pressed = pressedPage_;
        pressedPage_ = nullptr;
        TbsSkinCustomTabSheet* page = PageOfVisibleTab(hotTab_);
        if (page && page == pressed && page->CloseButtonDown && OverCloseButton(X, Y)) {
            page->CloseButtonDown = false;
            Invalidate();
            // The page whose button was pressed, not the active one: a
            // refused change leaves another page active.
            ClosePage(page);
            if (!alive)
                return;
        } else if (page) {
            page->CloseButtonMouseIn = false;
            page->CloseButtonDown = false;
            Invalidate();
        }
    }
    TPageControl::MouseUp(Button, Shift, X, Y);
}

void TbsSkinPageControl::ClosePage(TbsSkinCustomTabSheet* Page)
{
    TAlive alive(this);
    TAlive pageAlive(Page);
    bool canClose = true;
    if (OnClose)
        OnClose(Page, canClose);
    if (!alive || !pageAlive)
        return;
    if (canClose) {
        // A closed active page gives way to the tab now in its place (or
        // the last one), as the class library does when a tab goes.
        const int tab = Page == ActivePage() ? Page->TabIndex() : -1;
        Page->SetTabVisible(false);
        if (tab >= 0 && VisibleTabCount() > 0)
            SetActivePage(PageOfVisibleTab(std::min(tab, VisibleTabCount() - 1)));
        if (FreeOnClose)
            delete Page;
        hotTab_ = hotPage_ = -1;
        if (OnAfterClose)
            OnAfterClose(this);
        return;
    }
    TPoint cursor;
    GetCursorPos(&cursor);
    if (!PtInRect(TRect{0, 0, Width(), Height()}, ScreenToClient(cursor))) {
        Page->CloseButtonMouseIn = false;
        Page->CloseButtonDown = false;
        Invalidate();
    }
}

void TbsSkinPageControl::Wheel(int Delta)
{
    TTabSheet* active = ActivePage();
    int index = active ? active->PageIndex() : -1;
    TTabSheet* next = nullptr;
    if (Delta >= 0) {
        for (int i = index - 1; i >= 0 && !next; --i)
            if (Pages(i)->TabVisible())
                next = Pages(i);
    } else {
        for (int i = index + 1; i < PageCount() && !next; ++i)
            if (Pages(i)->TabVisible())
                next = Pages(i);
    }
    if (!next)
        return;
    SetActivePage(next);
    SyncScrollerPosition();
    Invalidate();
}

int TbsSkinPageControl::TabsOutOfView(bool LeftOnly)
{
    int count = 0;
    for (int i = 0; i < VisibleTabCount(); ++i) {
        TRect r = TabRect(i);
        if (r.Right < 1 || (!LeftOnly && r.Right > Width() - 3))
            ++count;
    }
    return count;
}

void TbsSkinPageControl::SyncScrollerPosition()
{
    if (upDown_ && HandleAllocated())
        upDown_->SetPosition(TabsOutOfView(true));
}

void TbsSkinPageControl::ReplaceUpDown()
{
    const int outOfView = TabsOutOfView(false);
    if (outOfView == 0 || MultiLine()) {
        delete upDown_;
        upDown_ = nullptr;
        return;
    }
    if (!upDown_) {
        upDown_ = new TbsSkinUpDown(this);
        upDown_->SetParent(this);
        upDown_->SetBounds(0, 0, 2 * defaultItemHeight_, defaultItemHeight_);
        upDown_->SetMin(0);
        upDown_->SetMax(outOfView);
        upDown_->SetPosition(TabsOutOfView(true));
        upDown_->Increment = 1;
        if (Skinned())
            upDown_->SetSkinDataName(skin_.UpDown);
        upDown_->SetSkinData(skinData_);
        upDown_->OnChange = TNotifyEvent(this, &TbsSkinPageControl::UpDownChange);
        upDown_->SetVisible(true);
    }
    upDown_->SetMax(outOfView);
    const int h = upDown_->Height();
    int top = 0;
    if (TabPosition() == tpTop) {
        top = Skinned() ? DisplayRect().Top - h - skin_.ClientRect.Top : 0;
        top = std::max(top, 0);
    } else {
        top = Skinned() ? DisplayRect().Bottom + RectHeight(skin_.SkinRect) - skin_.ClientRect.Bottom : Height() - h;
        top = std::min(top, Height() - h);
    }
    upDown_->SetBounds(Width() - upDown_->Width(), top, upDown_->Width(), h);
}

void TbsSkinPageControl::UpDownChange(TObject*)
{
    if (!upDown_)
        return;
    upDown_->SetMax(TabsOutOfView(false));
    SendMessage(Handle(), WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, static_cast<WORD>(upDown_->Position())), 0);
}
