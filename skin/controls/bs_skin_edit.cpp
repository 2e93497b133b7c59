// TbsSkinCustomEdit: its properties, what it takes from the skin, its size
// and layout, and the frame, focus and font messages.
#include "skin/controls/bs_skin_edit.h"

#include "platform/gdi/device_context.h"
#include "platform/gdi/text_measure.h"
#include "platform/ui/kernel/controls_messages.h"
#include "platform/win/edit_control_messages.h"
#include "platform/win/paint.h"
#include "platform/win/timers.h"
#include "platform/win/window_dc.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"
#include "skin/controls/bs_adjusting_parent.h"
#include "skin/controls/bs_controls_messages.h"
#include "skin/data/bs_draw_utils.h"
#include "skin/data/bs_resource_str_data.h"
#include "skin/data/bs_skin_controls_edits.h"

namespace {

void SetArial14(TFont* Font)
{
    Font->SetName("Arial");
    Font->SetHeight(14);
    Font->SetColor(clBlack);
    Font->SetStyle(TFontStyles());
}

}  // namespace

TbsSkinCustomEdit::TbsSkinCustomEdit(TComponent* AOwner)
    : TbsCustomEdit(AOwner), defaultFont_(std::make_unique<TFont>())
{
    SetAutoSize(false);
    SetArial14(Font());
    SetArial14(defaultFont_.get());
    defaultFont_->OnChange = TNotifyEvent(this, &TbsSkinCustomEdit::DefaultFontChanged);
    SetBorderStyle(bsNone);
    SetHeight(20);
    SetTransparent(true);
}

TbsSkinCustomEdit::~TbsSkinCustomEdit() { defaultFont_->OnChange = TNotifyEvent(); }

void TbsSkinCustomEdit::SetSkinData(TbsSkinData* Value)
{
    skinData_.Set(this, Value);
    if (Value && !Value->Empty && !Designing())
        ChangeSkinData();
}

void TbsSkinCustomEdit::SetDefaultColor(TColor Value)
{
    defaultColor_ = Value;
    GetSkinData();
    if (!Skinned())
        Invalidate();
}

void TbsSkinCustomEdit::DefaultFontChanged(TObject*)
{
    GetSkinData();
    if (!Skinned())
        Font()->Assign(defaultFont_.get());
}

void TbsSkinCustomEdit::SetDefaultWidth(int Value)
{
    defaultWidth_ = Value;
    GetSkinData();
    if (!Skinned() && Value > 0)
        SetWidth(Value);
}

void TbsSkinCustomEdit::SetDefaultHeight(int Value)
{
    defaultHeight_ = Value;
    GetSkinData();
    if (!Skinned() && Value > 0 && UseSkinFont)
        SetHeight(Value);
    else
        SetHeight(CalcEditHeight());
}

void TbsSkinCustomEdit::SetAlignment(TAlignment Value)
{
    if (alignment_ == Value)
        return;
    alignment_ = Value;
    RecreateWnd();
}

void TbsSkinCustomEdit::SetButtonMode(bool Value)
{
    buttonMode_ = Value;
    RecreateWnd();
    if (Designing() && !ComponentState().Contains(csLoading))
        skinDataName_ = Value ? "buttonedit" : "edit";
}

void TbsSkinCustomEdit::SetImages(TCustomImageList* Value)
{
    if (images_ == Value)
        return;
    if (images_)
        images_->RemoveFreeNotification(this);
    images_ = Value;
    if (images_)
        images_->FreeNotification(this);
    CalcImageRects(true);
    GetSkinData();
    if (!(Skinned() && UseSkinFont))
        SetHeight(CalcEditHeight());
}

void TbsSkinCustomEdit::SetButtonImageIndex(int Value)
{
    if (buttonImageIndex_ == Value)
        return;
    buttonImageIndex_ = Value;
    Invalidate();
}

void TbsSkinCustomEdit::SetLeftImageIndex(int Value)
{
    leftImageIndex_ = Value;
    CalcImageRects(true);
}

void TbsSkinCustomEdit::SetRightImageIndex(int Value)
{
    rightImageIndex_ = Value;
    CalcImageRects(true);
}

void TbsSkinCustomEdit::Loaded()
{
    TbsCustomEdit::Loaded();
    TbsSkinData* data = skinData_.Get();
    if (data && data->ResourceStrData())
        Font()->SetCharset(data->ResourceStrData()->CharSet);
}

void TbsSkinCustomEdit::Notification(TComponent* AComponent, TOperation Operation)
{
    TbsCustomEdit::Notification(AComponent, Operation);
    if (Operation != opRemove)
        return;
    skinData_.Removed(AComponent);
    if (AComponent == images_)
        images_ = nullptr;
}

void TbsSkinCustomEdit::CreateParams(TCreateParams& Params)
{
    TbsCustomEdit::CreateParams(Params);
    Params.ExStyle &= ~WS_EX_TRANSPARENT;
    Params.Style &= ~WS_BORDER;
    Params.Style |= alignment_ == taRightJustify ? ES_RIGHT : alignment_ == taCenter ? ES_CENTER : ES_LEFT;
}

void TbsSkinCustomEdit::GetSkinData()
{
    TbsSkinData* data = skinData_.Get();
    skinIndex_.LookUp(data, skinDataName_);
    auto* d = dynamic_cast<TbsDataSkinEditControl*>(skinIndex_.Description(data));
    // A description of another class has no edit frame: the plain look.
    if (!d) {
        skinIndex_.Clear();
        return;
    }
    const auto& pictures = data->ActivePictures;
    skin_.Picture = d->PictureIndex >= 0 && d->PictureIndex < static_cast<int>(pictures.size())
                        ? pictures[static_cast<size_t>(d->PictureIndex)].get()
                        : nullptr;
    skin_.SkinRect = d->SkinRect;
    skin_.ActiveSkinRect = IsNullRect(d->ActiveSkinRect) ? d->SkinRect : d->ActiveSkinRect;
    skin_.LeftTopX = d->LeftTopPoint.X;
    skin_.RightTopX = d->RightTopPoint.X;
    skin_.LOffset = d->LeftTopPoint.X;
    skin_.ROffset = RectWidth(d->SkinRect) - d->RightTopPoint.X;
    skin_.ClientRect = d->ClientRect;
    skin_.FontName = d->FontName;
    skin_.FontStyle = d->FontStyle;
    skin_.FontHeight = d->FontHeight;
    skin_.FontColor = d->FontColor;
    skin_.DisabledFontColor = d->DisabledFontColor;
    skin_.ActiveFontColor = d->ActiveFontColor;
    skin_.ButtonRect = d->ButtonRect;
    skin_.ActiveButtonRect = d->ActiveButtonRect;
    skin_.DownButtonRect = d->DownButtonRect;
    skin_.UnEnabledButtonRect = d->UnEnabledButtonRect;
    skin_.StretchEffect = d->StretchEffect;
}

void TbsSkinCustomEdit::ChangeSkinData()
{
    GetSkinData();
    const bool skinned = Skinned();
    if (!skinned) {
        Font()->Assign(defaultFont_.get());
        if (defaultWidth_ > 0)
            SetWidth(defaultWidth_);
        if (defaultHeight_ > 0)
            SetHeight(defaultHeight_);
    } else if (UseSkinFont) {
        Font()->SetName(skin_.FontName);
        Font()->SetStyle(skin_.FontStyle);
        SetHeight(RectHeight(skin_.SkinRect));
        Font()->SetHeight(skin_.FontHeight);
    } else {
        Font()->Assign(defaultFont_.get());
    }
    TakeFontColour();
    TbsSkinData* data = skinData_.Get();
    Font()->SetCharset(data && data->ResourceStrData() ? data->ResourceStrData()->CharSet
                                                        : defaultFont_->Charset());
    RecreateWnd();
    TakeFontColour();
    if (!UseSkinFont)
        SetHeight(CalcEditHeight());
    RedrawFrame();
    if (images_) {
        CalcImageRects(true);
        Invalidate();
    }
}

void TbsSkinCustomEdit::TakeFontColour()
{
    if (!Skinned())
        Font()->SetColor(defaultFont_->Color());
    else
        Font()->SetColor(Focused() ? skin_.ActiveFontColor : skin_.FontColor);
}

// The text height of Font; skinned, raised to a taller image list and
// plus the frame the skin gives; plain, plus 2, then the image list's
// height when that is taller, else plus 4 more.
int TbsSkinCustomEdit::CalcEditHeight()
{
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, Font()->Handle());
    TEXTMETRIC metrics;
    GetTextMetrics(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    int height = metrics.tmHeight;
    GetSkinData();
    if (Skinned()) {
        if (images_ && images_->Height() > height)
            height = images_->Height();
        return height + RectHeight(skin_.SkinRect) - RectHeight(skin_.ClientRect);
    }
    height += 2;
    if (images_ && images_->Height() > height)
        return images_->Height();
    return height + 4;
}

void TbsSkinCustomEdit::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    GetSkinData();
    const bool skinned = Skinned();
    const bool changed = (AWidth != Width() || AHeight != Height()) && (skinned || !UseSkinFont);
    const TAlign align = Align();
    if (!skinned && align != alClient && align != alLeft && align != alRight)
        AHeight = CalcEditHeight();
    else if (changed)
        AHeight = UseSkinFont ? RectHeight(skin_.SkinRect) : CalcEditHeight();  // changed: skinned or no skin font
    if (align != alNone)
        ATop = AdjustedTop(Parent(), ATop, AHeight);
    TbsCustomEdit::SetBounds(ALeft, ATop, AWidth, AHeight);
    RedrawFrame();
}

// The button and the text rectangle in window coordinates.
void TbsSkinCustomEdit::CalcRects()
{
    GetSkinData();
    const int w = Width();
    const int h = Height();
    if (Skinned()) {
        const int d = w - RectWidth(skin_.SkinRect);
        textRect_ = skin_.ClientRect;
        textRect_.Right += d;
        buttonRect_ = skin_.ButtonRect;
        // Only a button in the kept right part of the frame follows the
        // width.
        if (buttonRect_.Left >= RectWidth(skin_.SkinRect) - skin_.ROffset)
            OffsetRect(buttonRect_, d, 0);
        if (!UseSkinFont) {
            const int dy = h - RectHeight(skin_.SkinRect);
            textRect_.Bottom += dy;
            buttonRect_.Bottom += dy;
        }
    } else if (buttonMode_) {
        buttonRect_ = TRect{w - h, 0, w, h};
        textRect_ = TRect{2, 2, buttonRect_.Left - 2, h - 2};
    } else {
        buttonRect_ = TRect{};
        textRect_ = TRect{2, 2, w - 2, h - 2};
    }
}

void TbsSkinCustomEdit::CalcImageRects(bool SetTextRect)
{
    if (!images_)
        return;
    leftImageRect_ = TRect{};
    rightImageRect_ = TRect{};
    TRect r = ClientRect();
    const int w = images_->Width();
    if (leftImageIndex_ >= 0) {
        leftImageRect_ = TRect{r.Left, r.Top, r.Left + w, r.Bottom};
        r.Left += w + 2;
    }
    if (rightImageIndex_ >= 0) {
        rightImageRect_ = TRect{r.Right - w, r.Top, r.Right, r.Bottom};
        r.Right -= w + 2;
    }
    if (SetTextRect && HandleAllocated())
        SendMessage(Handle(), EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&r));
}

void TbsSkinCustomEdit::RedrawFrame()
{
    if (!Parent() || !HandleAllocated())
        return;
    TAlive alive(this);
    SendMessage(Handle(), WM_NCPAINT, 0, 0);
    if (alive)
        PaintBuffered();
}

void TbsSkinCustomEdit::Dispatch(TMessage& Message)
{
    if (FrameMessage(Message) || FocusMessage(Message) || MouseMessage(Message))
        return;
    TAlive alive(this);
    switch (Message.Msg) {
    case WM_SIZE:
        TbsCustomEdit::Dispatch(Message);
        if (!alive)
            return;
        CalcImageRects(true);
        RedrawFrame();
        return;
    case WM_DESTROY:
        KillTimer(Handle(), kEditHoverTimer);
        mouseIn_ = false;
        TbsCustomEdit::Dispatch(Message);
        return;
    case CM_ENABLEDCHANGED:
        TbsCustomEdit::Dispatch(Message);
        if (alive)
            Invalidate();
        return;
    case CM_FONTCHANGED:
        TbsCustomEdit::Dispatch(Message);
        if (!alive || UseSkinFont || (Designing() && ComponentState().Contains(csLoading)))
            return;
        SetHeight(CalcEditHeight());
        GetSkinData();
        if (!Skinned())
            RecreateWnd();
        return;
    default:
        TbsCustomEdit::Dispatch(Message);
        return;
    }
}

bool TbsSkinCustomEdit::FocusMessage(TMessage& Message)
{
    if (Message.Msg != WM_SETFOCUS && Message.Msg != WM_KILLFOCUS)
        return false;
    TAlive alive(this);
    TbsCustomEdit::Dispatch(Message);
    if (!alive)
        return true;
    RedrawFrame();
    GetSkinData();
    if (!mouseIn_ && Skinned())
        Font()->SetColor(Message.Msg == WM_SETFOCUS ? skin_.ActiveFontColor : skin_.FontColor);
    if (images_)
        CalcImageRects(true);
    Invalidate();
    return true;
}

bool TbsSkinCustomEdit::FrameMessage(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_NCCALCSIZE: {
        GetSkinData();
        TRect* r = Message.WParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(Message.LParam)->rgrc[0]
                                  : reinterpret_cast<TRect*>(Message.LParam);
        if (Skinned()) {
            r->Left += skin_.ClientRect.Left;
            r->Top += skin_.ClientRect.Top;
            r->Right -= RectWidth(skin_.SkinRect) - skin_.ClientRect.Right;
            r->Bottom -= RectHeight(skin_.SkinRect) - skin_.ClientRect.Bottom;
        } else {
            r->Left += 2;
            r->Top += 2;
            r->Bottom -= 2;
            r->Right -= buttonMode_ ? Height() + 2 : 2;
        }
        Message.Result = 0;
        return true;
    }
    case WM_NCPAINT: {
        HDC dc = GetWindowDC(Handle());
        PaintNonClient(dc, true);
        ReleaseDC(Handle(), dc);
        if (!Designing())
            PaintBuffered();
        return true;
    }
    case WM_SKINPAINTFRAME:
        if (Message.WParam) {
            PaintNonClient(reinterpret_cast<HDC>(Message.WParam), false);
            Message.Result = SkinFramePaintAnswer;
        }
        return true;
    case WM_SKINPAINTFRAMEEX:
        if (Message.LParam != SkinFramePaintExKey)
            return false;
        if (Message.WParam)
            PaintNonClient(reinterpret_cast<HDC>(Message.WParam), true);
        Message.Result = SkinFramePaintExKey;
        return true;
    case WM_ERASEBKGND: {
        if (Designing())
            return false;
        if (!Painting()) {
            PaintBuffered();
            Message.Result = 1;
            return true;
        }
        TCanvas canvas;
        canvas.SetHandle(reinterpret_cast<HDC>(Message.WParam));
        PaintClientBackground(&canvas);
        PaintImageButtons(&canvas);
        canvas.SetHandle(nullptr);
        Message.Result = 1;
        return true;
    }
    case WM_PAINT:
        if (Designing() || Enabled())
            return false;
        PaintDisabled(reinterpret_cast<HDC>(Message.WParam));
        return true;
    default:
        return false;
    }
}
