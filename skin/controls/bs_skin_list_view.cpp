// The skinned list view's properties, its skin and its external scroll bars
// in each view style.
#include "skin/controls/bs_skin_list_view.h"

#include <algorithm>

#include "platform/base/component_link.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/text_metrics.h"
#include "platform/ui/itemviews/header_control_window.h"
#include "platform/ui/itemviews/list_view_window.h"
#include "platform/ui/kernel/controls_messages.h"
#include "platform/win/window_class.h"
#include "platform/win/window_coords.h"
#include "platform/win/window_dc.h"
#include "platform/win/update_region.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"
#include "skin/controls/bs_controls_messages.h"
#include "skin/data/bs_draw_utils.h"
#include "skin/data/bs_resource_str_data.h"
#include "skin/data/bs_skin_controls_tabs.h"
#include "skin/data/bs_skin_data.h"

TbsSkinCustomListView::TbsSkinCustomListView(TComponent* AOwner)
    : TCustomListView(AOwner), defaultFont_(std::make_unique<TFont>())
{
    defaultFont_->SetName("Arial");
    defaultFont_->SetStyle(TFontStyles());
    defaultFont_->SetHeight(14);
    Font()->Assign(defaultFont_.get());
}

TbsSkinCustomListView::~TbsSkinCustomListView()
{
    GiveHeaderBack();
    // The bars may outlive the view: they must not call it any more.
    DetachViewScrollBar(vScrollBar_, TNotifyEvent(this, &TbsSkinCustomListView::VScrollChanged));
    DetachViewScrollBar(hScrollBar_, TNotifyEvent(this, &TbsSkinCustomListView::HScrollChanged));
    SetComponentLink<TbsSkinScrollBar>(this, vScrollBar_, nullptr);
    SetComponentLink<TbsSkinScrollBar>(this, hScrollBar_, nullptr);
    SetComponentLink<TbsSkinData>(this, skinData_, nullptr);
}

void TbsSkinCustomListView::SetSkinData(TbsSkinData* Value)
{
    SetComponentLink(this, skinData_, Value);
    if (skinData_ && !skinData_->Empty && !Designing())
        ChangeSkinData();
}

void TbsSkinCustomListView::SetDefaultFont(TFont* Value)
{
    defaultFont_->Assign(Value);
    if (SkinIndex() == -1)
        Font()->Assign(defaultFont_.get());
}

void TbsSkinCustomListView::SetDefaultColor(TColor Value)
{
    defaultColor_ = Value;
    if (SkinIndex() == -1)
        SetColor(Value);
}

void TbsSkinCustomListView::SetDrawSkin(bool Value)
{
    drawSkin_ = Value;
    const TLVCustomDrawItemEvent own(this, &TbsSkinCustomListView::CustomDrawItem);
    if (Value && !Designing()) {
        OnCustomDrawItem = own;
        // A skinned list keeps its columns in the order the program gave.
        SetFullDrag(false);
    } else if (OnCustomDrawItem == own)
        OnCustomDrawItem = nullptr;
    Invalidate();
}

void TbsSkinCustomListView::SetDrawSkinLines(bool Value)
{
    drawSkinLines_ = Value;
    if (Value && Designing())
        SetGridLines(false);
    Invalidate();
}

void TbsSkinCustomListView::SetVScrollBar(TbsSkinScrollBar* Value)
{
    SetComponentLink(this, vScrollBar_, Value);
    AttachViewScrollBar(vScrollBar_, TNotifyEvent(this, &TbsSkinCustomListView::VScrollChanged));
    UpdateScrollBars();
}

void TbsSkinCustomListView::SetHScrollBar(TbsSkinScrollBar* Value)
{
    SetComponentLink(this, hScrollBar_, Value);
    AttachViewScrollBar(hScrollBar_, TNotifyEvent(this, &TbsSkinCustomListView::HScrollChanged));
    UpdateScrollBars();
}

void TbsSkinCustomListView::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomListView::Notification(AComponent, Operation);
    if (Operation != opRemove)
        return;
    if (AComponent == skinData_)
        skinData_ = nullptr;
    if (AComponent == vScrollBar_)
        vScrollBar_ = nullptr;
    if (AComponent == hScrollBar_)
        hScrollBar_ = nullptr;
}

void TbsSkinCustomListView::CreateParams(TCreateParams& Params)
{
    TCustomListView::CreateParams(Params);
    Params.Style &= ~(WS_HSCROLL | WS_VSCROLL);
}

void TbsSkinCustomListView::Loaded()
{
    inUpdate_ = true;
    TCustomListView::Loaded();
    inUpdate_ = false;
    ChangeSkinData();
}

void TbsSkinCustomListView::Change(TListItem* Item, TItemChange Change)
{
    TCustomListView::Change(Item, Change);
    if (!inUpdate_)
        UpdateScrollBars();
}

void TbsSkinCustomListView::WndProc(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_NCCALCSIZE:
    case WM_NCPAINT:
        // No frame and no platform bars: the client is the whole window.
        Message.Result = 0;
        return;
    case WM_NCHITTEST:
        Message.Result = HTCLIENT;
        return;
    case WM_SKINCONTROLQUERY:
        Message.Result = SkinControlQueryAnswer;
        return;
    case WM_SKINPAINTHEADER:
        PaintHeader(reinterpret_cast<HDC>(Message.WParam));
        return;
    case WM_PARENTNOTIFY: {
        auto* child = reinterpret_cast<HWND>(Message.LParam);
        if (LOWORD(Message.WParam) == WM_CREATE && ShowColumnHeaders() && GetClassName(child) == WC_HEADER)
            TakeOverHeader(child);
        break;
    }
    default:
        break;
    }
    TCustomListView::WndProc(Message);
    AfterMessage(Message);
}

void TbsSkinCustomListView::AfterMessage(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_SIZE:
        if (ViewStyle() == vsReport && header_)
            InvalidateRect(header_, nullptr, false);
        if (!inUpdate_ && Items()->Count() > 0)
            UpdateScrollBars();
        break;
    case WM_PAINT:
        if (!inUpdate_)
            UpdateScrollBars();
        if (ViewStyle() == vsReport && header_ && (GridLines() || drawSkin_))
            FillBelowHeader();
        break;
    case WM_KEYDOWN:
    case WM_LBUTTONUP:
        UpdateScrollBars();
        break;
    case CM_VISIBLECHANGED:
        // The bars show only with the view.
        if (!Visible()) {
            ShowBar(vScrollBar_, false);
            ShowBar(hScrollBar_, false);
        }
        UpdateScrollBars();
        break;
    default:
        break;
    }
}

void TbsSkinCustomListView::FillBelowHeader()
{
    TRect header;
    GetWindowRect(header_, &header);
    HDC dc = GetDC(Handle());
    TCanvas canvas;
    canvas.SetHandle(dc);
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(Rect(0, header.Height(), Width(), header.Height() + 1));
    canvas.SetHandle(nullptr);
    ReleaseDC(Handle(), dc);
}

int TbsSkinCustomListView::ItemHeight()
{
    return Items()->Count() > 0 ? Items()->Item(0)->DisplayRect(drBounds).Height() : 0;
}

void TbsSkinCustomListView::VScrollChanged(TObject* /*Sender*/)
{
    if (!HandleAllocated() || !vScrollBar_)
        return;
    inScroll_ = true;
    if (IsEditing())
        EndEditing(false);
    const int position = vScrollBar_->Position();
    // The view's lines are item rows in every style here; it scrolls by
    // pixels, one row's height each.
    Scroll(0, (position - lastVPosition_) * ItemHeight());
    lastVPosition_ = position;
    inScroll_ = false;
}

void TbsSkinCustomListView::HScrollChanged(TObject* /*Sender*/)
{
    if (!HandleAllocated() || !hScrollBar_)
        return;
    inScroll_ = true;
    if (IsEditing())
        EndEditing(false);
    const int position = hScrollBar_->Position();
    if (ViewStyle() == vsList) {
        // One column a message, so the view's position never passes
        // through the 16 bits of SB_THUMBPOSITION.
        const WPARAM code = position > lastHPosition_ ? SB_LINERIGHT : SB_LINELEFT;
        for (int i = std::abs(position - lastHPosition_); i > 0; --i)
            SendMessage(Handle(), WM_HSCROLL, code, 0);
    } else {
        Scroll(position - lastHPosition_, 0);
    }
    lastHPosition_ = position;
    inScroll_ = false;
}

void TbsSkinCustomListView::ShowBar(TbsSkinScrollBar* Bar, bool Show)
{
    if (!Bar)
        return;
    const bool wasInUpdate = inUpdate_;
    inUpdate_ = true;
    Bar->SetVisible(Show && Visible());
    inUpdate_ = wasInUpdate;
}

void TbsSkinCustomListView::UpdateScrollBars()
{
    if (!HandleAllocated() || inScroll_ || inUpdate_ || Loading() || Width() <= 5 || Height() <= 5)
        return;
    const TbsViewBarsShown before = ViewBarsShown(vScrollBar_, hScrollBar_);
    switch (ViewStyle()) {
    case vsReport: SyncReport(); break;
    case vsList: SyncList(); break;
    default: SyncIcons(); break;
    }
    FinishViewBarsSync(this, vScrollBar_, hScrollBar_, before, inUpdate_);
}

void TbsSkinCustomListView::SyncReport()
{
    const int perPage = static_cast<int>(SendMessage(Handle(), LVM_GETCOUNTPERPAGE, 0, 0));
    if (vScrollBar_) {
        const SCROLLINFO info = ViewScrollInfo(Handle(), SB_VERT);
        ShowBar(vScrollBar_, perPage < info.nMax + 1);
        SetViewBarRange(vScrollBar_, info.nMin, info.nMax, info.nPos, perPage);
        SetViewBarSteps(vScrollBar_, 1, std::max(perPage, 1));
        lastVPosition_ = vScrollBar_->Position();
    }
    // The columns scroll by pixels: an arrow moves them a character
    // across, a click in the track a page.
    SyncPixelsAcross(std::max(AverageCharWidth(Font()), 1), std::max(Width(), 1));
}

void TbsSkinCustomListView::SyncPixelsAcross(int SmallChange, int LargeChange)
{
    if (!hScrollBar_)
        return;
    const SCROLLINFO info = ViewScrollInfo(Handle(), SB_HORZ);
    ShowBar(hScrollBar_, info.nMax > Width());
    SetViewBarRange(hScrollBar_, info.nMin, info.nMax, info.nPos, Width());
    SetViewBarSteps(hScrollBar_, SmallChange, LargeChange);
    lastHPosition_ = hScrollBar_->Position();
}

void TbsSkinCustomListView::SyncList()
{
    ShowBar(vScrollBar_, false);
    if (!hScrollBar_)
        return;
    const int perPage = static_cast<int>(SendMessage(Handle(), LVM_GETCOUNTPERPAGE, 0, 0));
    const int count = static_cast<int>(SendMessage(Handle(), LVM_GETITEMCOUNT, 0, 0));
    int itemWidth = count > 0 ? Items()->Item(0)->DisplayRect(drBounds).Width() : 0;
    if (itemWidth <= 0)
        itemWidth = 1;
    const SCROLLINFO info = ViewScrollInfo(Handle(), SB_HORZ);
    ShowBar(hScrollBar_, perPage < count);
    SetViewBarRange(hScrollBar_, info.nMin, info.nMax, info.nPos, Width() / itemWidth);
    SetViewBarSteps(hScrollBar_, 1, 1);
    lastHPosition_ = hScrollBar_->Position();
}

void TbsSkinCustomListView::SyncIcons()
{
    // The icon styles keep rows of items vertically, so their vertical
    // range counts rows; across, an item wider than the view scrolls by
    // pixels, half an item's height a step.
    if (vScrollBar_) {
        const SCROLLINFO info = ViewScrollInfo(Handle(), SB_VERT);
        const int page = static_cast<int>(info.nPage);
        ShowBar(vScrollBar_, page < info.nMax + 1);
        SetViewBarSteps(vScrollBar_, 1, std::max(page, 1));
        SetViewBarRange(vScrollBar_, info.nMin, info.nMax, info.nPos, page);
        lastVPosition_ = vScrollBar_->Position();
    }
    const int step = std::max(ItemHeight() / 2, 1);
    SyncPixelsAcross(step, step);
}

void TbsSkinCustomListView::ChangeSkinData()
{
    if (Loading())
        return;
    skinIndex_.LookUp(skinData_, SkinDataName);
    auto* description = dynamic_cast<TbsDataSkinListView*>(skinIndex_.Description(skinData_));
    if (!description) {
        skinIndex_.Clear();
        SetColor(defaultColor_);
        Font()->Assign(defaultFont_.get());
        skinLineColor_ = clGray;
    } else {
        if (UseSkinFont) {
            Font()->SetName(description->FontName);
            Font()->SetStyle(description->FontStyle);
            Font()->SetHeight(description->FontHeight);
        } else {
            Font()->Assign(defaultFont_.get());
        }
        Font()->SetColor(description->FontColor);
        SetColor(description->BgColor);
        const TColor bg = description->BgColor;
        skinLineColor_ = MiddleColor(MiddleColor(MiddleColor(description->FontColor, bg), bg), bg);
    }
    TbsResourceStrData* captions = skinData_ ? skinData_->ResourceStrData() : nullptr;
    Font()->SetCharset(captions ? captions->CharSet : defaultFont_->Charset());
    UpdateScrollBars();
    for (TbsSkinScrollBar* bar : {vScrollBar_, hScrollBar_})
        if (bar && bar->Align() != alNone && bar->Parent())
            bar->Parent()->Realign();
    if (ViewStyle() == vsReport && header_)
        InvalidateRect(header_, nullptr, false);
    Invalidate();
}
