// The skinned tree view's properties, its skin and its external scroll bars.
#include "skin/controls/bs_skin_tree_view.h"

#include <algorithm>

#include "platform/base/component_link.h"
#include "platform/ui/graphics/image_list.h"
#include "platform/ui/itemviews/tree_view_window.h"
#include "platform/ui/kernel/controls_messages.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"
#include "skin/controls/bs_controls_messages.h"
#include "skin/data/bs_draw_utils.h"
#include "skin/data/bs_platform.h"
#include "skin/data/bs_resource_str_data.h"
#include "skin/data/bs_skin_controls_tabs.h"
#include "skin/data/bs_skin_data.h"

TbsSkinCustomTreeView::TbsSkinCustomTreeView(TComponent* AOwner)
    : TCustomTreeView(AOwner), defaultFont_(std::make_unique<TFont>())
{
    defaultFont_->SetName("Arial");
    defaultFont_->SetStyle(TFontStyles());
    defaultFont_->SetHeight(14);
}

TbsSkinCustomTreeView::~TbsSkinCustomTreeView()
{
    // The bars may outlive the view: they must not call it any more.
    DetachViewScrollBar(vScrollBar_, TNotifyEvent(this, &TbsSkinCustomTreeView::VScrollChanged));
    DetachViewScrollBar(hScrollBar_, TNotifyEvent(this, &TbsSkinCustomTreeView::HScrollChanged));
    SetComponentLink<TbsSkinScrollBar>(this, vScrollBar_, nullptr);
    SetComponentLink<TbsSkinScrollBar>(this, hScrollBar_, nullptr);
    SetComponentLink<TbsSkinData>(this, skinData_, nullptr);
    SetComponentLink<TCustomImageList>(this, buttonImageList_, nullptr);
}

void TbsSkinCustomTreeView::SetSkinData(TbsSkinData* Value)
{
    SetComponentLink(this, skinData_, Value);
    if (skinData_ && !skinData_->Empty && !Designing())
        ChangeSkinData();
}

void TbsSkinCustomTreeView::SetDefaultFont(TFont* Value)
{
    defaultFont_->Assign(Value);
    if (SkinIndex() == -1)
        Font()->Assign(defaultFont_.get());
}

void TbsSkinCustomTreeView::SetDefaultColor(TColor Value)
{
    defaultColor_ = Value;
    if (SkinIndex() == -1)
        SetColor(Value);
}

void TbsSkinCustomTreeView::SetDrawSkin(bool Value)
{
    drawSkin_ = Value;
    const TTVAdvancedCustomDrawItemEvent own(this, &TbsSkinCustomTreeView::AdvancedDrawItem);
    if (Value && !Designing())
        OnAdvancedCustomDrawItem = own;
    else if (OnAdvancedCustomDrawItem == own)
        OnAdvancedCustomDrawItem = nullptr;
    Invalidate();
}

void TbsSkinCustomTreeView::SetButtonImageList(TCustomImageList* Value)
{
    SetComponentLink(this, buttonImageList_, Value);
    Invalidate();
}

void TbsSkinCustomTreeView::SetVScrollBar(TbsSkinScrollBar* Value)
{
    SetComponentLink(this, vScrollBar_, Value);
    AttachViewScrollBar(vScrollBar_, TNotifyEvent(this, &TbsSkinCustomTreeView::VScrollChanged));
    UpdateScrollBars();
}

void TbsSkinCustomTreeView::SetHScrollBar(TbsSkinScrollBar* Value)
{
    SetComponentLink(this, hScrollBar_, Value);
    AttachViewScrollBar(hScrollBar_, TNotifyEvent(this, &TbsSkinCustomTreeView::HScrollChanged));
    UpdateScrollBars();
}

void TbsSkinCustomTreeView::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomTreeView::Notification(AComponent, Operation);
    if (Operation != opRemove)
        return;
    if (AComponent == skinData_)
        skinData_ = nullptr;
    if (AComponent == vScrollBar_)
        vScrollBar_ = nullptr;
    if (AComponent == hScrollBar_)
        hScrollBar_ = nullptr;
    if (AComponent == buttonImageList_)
        buttonImageList_ = nullptr;
}

void TbsSkinCustomTreeView::CreateParams(TCreateParams& Params)
{
    TCustomTreeView::CreateParams(Params);
    Params.Style &= ~(WS_HSCROLL | WS_VSCROLL);
}

void TbsSkinCustomTreeView::Loaded()
{
    TCustomTreeView::Loaded();
    ChangeSkinData();
}

void TbsSkinCustomTreeView::Change(TTreeNode* Node)
{
    TCustomTreeView::Change(Node);
    UpdateScrollBars();
}

void TbsSkinCustomTreeView::WndProc(TMessage& Message)
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
    default:
        break;
    }
    TCustomTreeView::WndProc(Message);
    switch (Message.Msg) {
    case WM_SIZE:
    case WM_PAINT:
        if (!inUpdate_)
            UpdateScrollBars();
        break;
    case WM_KEYDOWN:
    case WM_LBUTTONUP:
        UpdateScrollBars();
        break;
    case CM_VISIBLECHANGED:
        // The bars show only with the view.
        if (!Visible()) {
            if (vScrollBar_)
                vScrollBar_->SetVisible(false);
            if (hScrollBar_)
                hScrollBar_->SetVisible(false);
        }
        UpdateScrollBars();
        break;
    default:
        break;
    }
}

void TbsSkinCustomTreeView::VScrollChanged(TObject* /*Sender*/)
{
    if (!HandleAllocated() || !vScrollBar_)
        return;
    const int position = vScrollBar_->Position();
    // WM_VSCROLL carries 16 bits of the position; the view takes the full
    // one from its scroll information when the low bits agree.
    if (IsWindowsVista()) {
        SCROLLINFO info;
        info.fMask = SIF_POS;
        info.nPos = position;
        SetScrollInfo(Handle(), SB_VERT, &info, true);
    }
    SendMessage(Handle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, static_cast<WORD>(position)), 0);
}

void TbsSkinCustomTreeView::HScrollChanged(TObject* /*Sender*/)
{
    if (!HandleAllocated() || !hScrollBar_)
        return;
    SendMessage(Handle(), WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, static_cast<WORD>(hScrollBar_->Position())), 0);
}

void TbsSkinCustomTreeView::UpdateScrollBars()
{
    if (!HandleAllocated() || Loading() || inUpdate_)
        return;
    const TbsViewBarsShown before = ViewBarsShown(vScrollBar_, hScrollBar_);
    SyncVertical();
    SyncHorizontal();
    FinishViewBarsSync(this, vScrollBar_, hScrollBar_, before, inUpdate_);
}

void TbsSkinCustomTreeView::SyncVertical()
{
    if (!vScrollBar_)
        return;
    const SCROLLINFO info = ViewScrollInfo(Handle(), SB_VERT);
    const int visibleCount = static_cast<int>(SendMessage(Handle(), TVM_GETVISIBLECOUNT, 0, 0));
    const int count = static_cast<int>(SendMessage(Handle(), TVM_GETCOUNT, 0, 0));
    const bool show = info.nMax > 0 && visibleCount <= info.nMax && info.nMax < count && Visible();
    inUpdate_ = true;
    vScrollBar_->SetVisible(show);
    inUpdate_ = false;
    if (show) {
        SetViewBarRange(vScrollBar_, info.nMin, info.nMax, info.nPos, visibleCount);
        SetViewBarSteps(vScrollBar_, 1, std::max(visibleCount, 1));
    }
}

void TbsSkinCustomTreeView::SyncHorizontal()
{
    if (!hScrollBar_)
        return;
    const SCROLLINFO info = ViewScrollInfo(Handle(), SB_HORZ);
    const bool show = info.nMax > Width() && Visible();
    inUpdate_ = true;
    hScrollBar_->SetVisible(show);
    inUpdate_ = false;
    if (show) {
        // By pixels across: an arrow moves the nodes one indent, as the
        // view's own bar does, a click in the track a page.
        SetViewBarRange(hScrollBar_, info.nMin, info.nMax, info.nPos, Width());
        SetViewBarSteps(hScrollBar_, std::max(Indent(), 1), std::max(Width(), 1));
    }
}

void TbsSkinCustomTreeView::ChangeSkinData()
{
    if (Loading())
        return;
    skinIndex_.LookUp(skinData_, SkinDataName);
    auto* description = dynamic_cast<TbsDataSkinTreeView*>(skinIndex_.Description(skinData_));
    if (!description) {
        skinIndex_.Clear();
        SetColor(defaultColor_);
        Font()->Assign(defaultFont_.get());
        lineColor_ = clGray;
        buttonColor_ = clGray;
        expandImage_.SetSize(0, 0);
        noExpandImage_.SetSize(0, 0);
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
        lineColor_ = MiddleColor(MiddleColor(description->FontColor, description->BgColor), description->BgColor);
        buttonColor_ = MiddleColor(description->FontColor, description->BgColor);
        TakeExpandImages(description->PictureIndex, description->ExpandImageRect, description->NoExpandImageRect);
    }
    TbsResourceStrData* captions = skinData_ ? skinData_->ResourceStrData() : nullptr;
    Font()->SetCharset(captions ? captions->CharSet : defaultFont_->Charset());
    if (Images())
        Images()->SetBkColor(Color());
    if (StateImages())
        StateImages()->SetBkColor(Color());
    UpdateScrollBars();
    for (TbsSkinScrollBar* bar : {vScrollBar_, hScrollBar_})
        if (bar && bar->Align() != alNone && bar->Parent())
            bar->Parent()->Realign();
    Invalidate();
}

void TbsSkinCustomTreeView::TakeExpandImages(int PictureIndex, const TRect& Expand, const TRect& NoExpand)
{
    expandImage_.SetSize(0, 0);
    noExpandImage_.SetSize(0, 0);
    // A picture index past the skin's pictures is no picture.
    const int pictures = static_cast<int>(skinData_->ActivePictures.size());
    if (IsNullRect(Expand) || IsNullRect(NoExpand) || PictureIndex < 0 || PictureIndex >= pictures)
        return;
    TBitmap* picture = skinData_->ActivePictures[PictureIndex].get();
    for (auto [image, source] : {std::pair{&expandImage_, Expand}, std::pair{&noExpandImage_, NoExpand}}) {
        const int side = RectWidth(source);
        image->SetSize(side, side);
        image->Canvas()->CopyRect(Rect(0, 0, side, side), picture->Canvas(), source);
        image->SetTransparent(true);
    }
}

int TbsSkinCustomTreeView::ButtonHalfSize() const
{
    if (buttonImageList_)
        return std::max(buttonImageList_->Width(), buttonImageList_->Height()) / 2;
    if (!expandImage_.Empty() && !noExpandImage_.Empty())
        return expandImage_.Width() / 2 - 2;
    return 5;
}
