// The frame of a multiple-document parent: the client window subclassed
// (no border, the skin's background), the two skinned scroll bars that
// move the children, and the parent's side of messages 1230-1236.
#include <algorithm>

#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/kernel/mdi_client.h"
#include "platform/win/update_region.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_coords.h"
#include "platform/win/window_lifecycle.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_styles.h"
#include "platform/win/window_proc.h"
#include "skin/controls/bs_skin_scroll_bar.h"
#include "skin/data/bs_skin_data.h"
#include "skin/data/bs_skin_data_messages.h"
#include "skin/form/bs_find_skin_form.h"
#include "skin/form/bs_form_background.h"
#include "skin/form/bs_skin_form.h"

namespace {

constexpr UINT_PTR MDIClientSubclassId = 0x4D444943;  // "MDIC"
constexpr int MDIScrollBarSize = 17;
constexpr int MDIScrollStep = 10;

}  // namespace

TRect TbsSkinForm::MDIClientRect() const { return AlignedClientArea(*Form()); }

void TbsSkinForm::CreateMDIScrollBars()
{
    auto make = [this](TbsSkinScrollBar*& bar, TScrollBarKind kind, const char* name) {
        if (bar)
            return;
        bar = new TbsSkinScrollBar(this);
        bar->SetKind(kind);
        bar->SetSkinDataName(name);
        if (kind == sbHorizontal)
            bar->SetHeight(MDIScrollBarSize);
        else
            bar->SetWidth(MDIScrollBarSize);
        bar->SetSkinData(skinData_);
        bar->SetVisible(false);
        bar->SetParent(Form());
        TbsSkinScrollBar* self = bar;
        auto step = [this, self](int delta) {
            return TNotifyEvent::FromCallable([this, self, delta](TObject*) {
                self->SetPosition(self->Position() + delta);
                ApplyMDIScroll(self);
            });
        };
        bar->OnUpButtonClick = step(MDIScrollStep);
        bar->OnDownButtonClick = step(-MDIScrollStep);
        // Not OnChange: a dragged thumb moves the children once, on release.
        bar->OnLastChange = bar->OnPageUp = bar->OnPageDown = step(0);
    };
    make(hScrollBar_, sbHorizontal, "hscrollbar");
    make(vScrollBar_, sbVertical, "vscrollbar");
}

void TbsSkinForm::ForgetMDIParts(TComponent* AComponent)
{
    if (AComponent == hScrollBar_)
        hScrollBar_ = nullptr;
    if (AComponent == vScrollBar_)
        vScrollBar_ = nullptr;
}

void TbsSkinForm::ApplyMDIScroll(TbsSkinScrollBar* Bar)
{
    bool horizontal = Bar == hScrollBar_;
    int& old = horizontal ? oldHScrollPos_ : oldVScrollPos_;
    int delta = old - Bar->Position();
    old = Bar->Position();
    if (delta == 0)
        return;
    inScroll_ = true;
    for (TCustomForm* child : Form()->MDIChildList())
        if (child->Visible()) {
            if (horizontal)
                child->SetLeft(child->Left() + delta);
            else
                child->SetTop(child->Top() + delta);
        }
    inScroll_ = false;
    UpdateMDIScrollBars(false);
}

void TbsSkinForm::UpdateMDIScrollBars(bool Reset)
{
    if (!hScrollBar_ || !vScrollBar_)
        return;
    for (int pass = 0; pass < 2; ++pass) {
        if (MDIChildMaximized || !ShowMDIScrollBars) {
            hScrollBar_->SetVisible(false);
            vScrollBar_->SetVisible(false);
            return;
        }
        TRect r = MDIClientRect();
        int minX = 100000, minY = 100000, maxX = -100000, maxY = -100000;
        for (TCustomForm* child : Form()->MDIChildList()) {
            if (!child->Visible() || child->Handle() == excludeChild_)
                continue;
            minX = std::min(minX, child->Left());
            minY = std::min(minY, child->Top());
            maxX = std::max(maxX, child->Left() + child->Width());
            maxY = std::max(maxY, child->Top() + child->Height());
        }
        bool needH = minX < 0 || r.Width() < maxX;
        bool needV = minY < 0 || r.Height() < maxY;
        if (needV && !needH)
            needH = r.Width() - vScrollBar_->Width() < maxX;
        else if (needH && !needV)
            needV = r.Height() - hScrollBar_->Height() < maxY;
        bool changed = hScrollBar_->Visible() != needH || vScrollBar_->Visible() != needV;
        int hHeight = hScrollBar_->Height();
        int vWidth = vScrollBar_->Width();
        if (needH)
            hScrollBar_->SetBounds(r.Left, r.Bottom - hHeight, r.Width(), hHeight);
        hScrollBar_->SetVisible(needH);
        if (needV)
            vScrollBar_->SetBounds(r.Right - vWidth, r.Top, vWidth, r.Height() - (needH ? hHeight : 0));
        vScrollBar_->SetVisible(needV);
        hScrollBar_->SetBoth(needH && needV);
        if (needH) {
            minX = std::min(minX, 0);
            maxX = std::max(maxX, r.Width());
            if (Reset) {
                hScrollBar_->SetRange(0, maxX - minX - 1, -minX, r.Width() - (needV ? vWidth : 0));
                oldHScrollPos_ = hScrollBar_->Position();
            }
            hScrollBar_->SetLargeChange(hScrollBar_->PageSize());
        }
        if (needV) {
            minY = std::min(minY, 0);
            maxY = std::max(maxY, r.Height());
            if (Reset) {
                vScrollBar_->SetRange(0, maxY - minY - 1, -minY, r.Height() - (needH ? hHeight : 0));
                oldVScrollPos_ = vScrollBar_->Position();
            }
            vScrollBar_->SetLargeChange(vScrollBar_->PageSize());
        }
        if (!changed)
            return;
    }
}

void TbsSkinForm::HookMDIClient()
{
    HWND client = Form()->ClientHandle();
    if (!client)
        return;
    CreateMDIScrollBars();
    // Once per window: installing the same link again changes nothing, so
    // the procedure never ends up calling itself.
    if (mdiClient_ && mdiClient_ != client && IsWindow(mdiClient_))
        UnhookMDIClient();
    mdiClient_ = client;
    SetWindowSubclass(client, WNDPROC(this, &TbsSkinForm::MDIClientProc), MDIClientSubclassId);
    SetWindowPos(client, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TbsSkinForm::UnhookMDIClient()
{
    if (mdiClient_ && IsWindow(mdiClient_))
        RemoveWindowSubclass(mdiClient_, WNDPROC(this, &TbsSkinForm::MDIClientProc), MDIClientSubclassId);
    mdiClient_ = nullptr;
}

LRESULT TbsSkinForm::MDIClientProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam)
{
    if (!Skinnable)
        return DefSubclassProc(Window, Msg, WParam, LParam);
    switch (Msg) {
    case WM_NCCALCSIZE:
    case WM_NCPAINT:
        return 0;
    case WM_NCACTIVATE:
        return 1;
    case WM_ERASEBKGND:
        PaintMDIClient(Window, reinterpret_cast<HDC>(WParam));
        return 1;
    case WM_SIZE: {
        LRESULT result = DefSubclassProc(Window, Msg, WParam, LParam);
        for (TCustomForm* child : Form()->MDIChildList())
            SendMessage(child->Handle(), WM_SKINMDICHILDFIT, 0, 0);
        bool picture = SkinUsed && skinData_->MDIBGPictureIndex >= 0;
        if (!logoBitMap_->Empty() ||
            (SkinUsed && ((skinData_->StretchEffect && !picture) || (skinData_->MDIBGStretchEffect && picture))))
            RedrawWindow(Window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
        UpdateMDIScrollBars(true);
        return result;
    }
    default:
        return DefSubclassProc(Window, Msg, WParam, LParam);
    }
}

void TbsSkinForm::PaintMDIClient(HWND Window, HDC DC)
{
    TRect client;
    GetClientRect(Window, &client);
    if (client.Width() <= 0 || client.Height() <= 0)
        return;
    TBitmap buffer;
    buffer.SetSize(client.Width(), client.Height());
    buffer.Canvas()->Brush()->SetColor(clAppWorkSpace);
    buffer.Canvas()->FillRect({0, 0, client.Width(), client.Height()});
    if (SkinUsed) {
        auto whole = [](TBitmap* b) { return TRect{0, 0, b->Width(), b->Height()}; };
        if (TBitmap* mdi = skinData_->PictureAt(skinData_->MDIBGPictureIndex))
            FillBackground(buffer, mdi, whole(mdi), skinData_->MDIBGStretchEffect, skinData_->MDIBGStretchType);
        else if (TBitmap* bg = skinData_->PictureAt(skinData_->BGPictureIndex))
            FillBackground(buffer, bg, whole(bg), skinData_->StretchEffect, skinData_->StretchType);
        else
            FillBackground(buffer, skinData_->Picture.get(), skinData_->ClientRect, skinData_->StretchEffect,
                           skinData_->StretchType);
    } else if (!logoBitMap_->Empty()) {
        logoBitMap_->SetTransparent(LogoBitMapTransparent);
        buffer.Canvas()->Draw(std::max(0, (client.Width() - logoBitMap_->Width()) / 2),
                              std::max(0, (client.Height() - logoBitMap_->Height()) / 2), logoBitMap_.get());
    }
    TCanvas canvas;
    canvas.SetHandle(DC);
    canvas.Draw(0, 0, &buffer);
    canvas.SetHandle(nullptr);
}

namespace {

// A hidden child, or one being freed, is maximized no more.
bool ChildStays(const TCustomForm* Child)
{
    return Child && Child->Visible() && !Child->ComponentState().Contains(csDestroying);
}

}  // namespace

TbsSkinForm* TbsSkinForm::MaximizedMDIChildFrame() const
{
    auto maximized = [](TCustomForm* Child) -> TbsSkinForm* {
        TbsSkinForm* frame = ChildStays(Child) ? FindSkinFormComponent(Child) : nullptr;
        return frame && frame->FormState == wsMaximized ? frame : nullptr;
    };
    if (TbsSkinForm* active = maximized(Form()->ActiveMDIChild()))
        return active;
    for (TCustomForm* child : Form()->MDIChildList())
        if (TbsSkinForm* frame = maximized(child))
            return frame;
    return nullptr;
}

AnsiString TbsSkinForm::CaptionTitle() const
{
    TCustomForm* form = Form();
    // A maximized child has no caption of its own to show: the parent's
    // names it.
    if (form->FormStyle() == fsMDIForm)
        if (TbsSkinForm* child = MaximizedMDIChildFrame())
            return form->Caption() + " - [" + child->Form()->Caption() + "]";
    return form->Caption();
}

bool TbsSkinForm::AnyChildMaximized() const
{
    if (MaximizedMDIChildFrame())
        return true;
    for (TCustomForm* child : Form()->MDIChildList())
        if (ChildStays(child) && !FindSkinFormComponent(child) && child->WindowState() == wsMaximized)
            return true;
    return false;
}

void TbsSkinForm::MaximizeAllChildren()
{
    inMaximize_ = true;
    for (TCustomForm* child : Form()->MDIChildList()) {
        TbsSkinForm* frame = FindSkinFormComponent(child);
        if (!frame)
            child->SetWindowState(wsMaximized);
        else if (frame->BorderIcons().Contains(TbsBorderIcon::biMaximize) && frame->FormState != wsMaximized)
            frame->SetFrameWindowState(wsMaximized);
    }
    inMaximize_ = false;
}

void TbsSkinForm::RestoreAllChildren(HWND Except)
{
    inRestore_ = true;
    for (TCustomForm* child : Form()->MDIChildList()) {
        if (child->Handle() == Except)
            continue;
        TbsSkinForm* frame = FindSkinFormComponent(child);
        // Minimized children come back too, not only the maximized ones.
        if (!frame) {
            if (child->WindowState() != wsNormal)
                child->SetWindowState(wsNormal);
        } else if (frame->FormState != wsNormal) {
            frame->SetFrameWindowState(wsNormal);
        } else if (frame->RollUpState()) {
            frame->RollUp(false);
        }
    }
    MDIChildMaximized = false;
    RepaintFrame();
    TellChildButtons(nullptr);
    inRestore_ = false;
    UpdateMDIScrollBars(true);
}

bool TbsSkinForm::MDIMessage(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_SKINMDICHILDFIT:
        if (Form()->FormStyle() == fsMDIChild && FormState == wsMaximized)
            if (TbsSkinForm* parent = MDIParentFrame()) {
                TRect r = parent->MDIClientRect();
                Form()->SetBounds(0, 0, r.Width(), r.Height());
            }
        return false;
    case WM_SKINMDICHILDMAXIMIZED:
        if (!inMaximize_) {
            MDIChildMaximized = true;
            RepaintFrame();
            TellChildButtons(Form()->ActiveMDIChild());
            MaximizeAllChildren();
            UpdateMDIScrollBars(true);
        }
        return false;
    case WM_SKINMDICHILDNOTMAXIMIZED:
        if (!inRestore_) {
            if (!AnyChildMaximized())
                MDIChildMaximized = false;
            RepaintFrame();
            if (!MDIChildMaximized)
                TellChildButtons(nullptr);
            UpdateMDIScrollBars(true);
        }
        return false;
    case WM_SKINMDICHILDCHANGED:
        if (!inScroll_) {
            excludeChild_ = reinterpret_cast<HWND>(Message.WParam);
            UpdateMDIScrollBars(true);
            excludeChild_ = nullptr;
        }
        return false;
    case WM_SKINMDICHILDRESTORED:
    case WM_SKINMDICHILDMINIMIZED:
        if (MDIChildMaximized && !inRestore_) {
            HWND except = Message.Msg == WM_SKINMDICHILDMINIMIZED ? reinterpret_cast<HWND>(Message.WParam) : nullptr;
            RestoreAllChildren(except);
            if (except)
                Form()->Next();
        }
        return false;
    case WM_SKINMDIQUERYMAXIMIZED:
        Message.Result = MDIChildMaximized ? 1 : 0;
        return false;
    default:
        return true;
    }
}
