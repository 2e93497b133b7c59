// The images menu's grid window: layout, showing, keys, mouse, closing
// and painting.
#include "skin/controls/bs_images_menu_window.h"

#include <algorithm>

#include "platform/gdi/draw_text.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/font.h"
#include "platform/ui/graphics/image_list.h"
#include "platform/ui/kernel/controls_messages.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/kernel/screen.h"
#include "platform/win/capture.h"
#include "platform/win/cursor.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_coords.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_region.h"
#include "platform/win/window_styles.h"
#include "skin/controls/bs_fade_in.h"
#include "skin/controls/bs_skin_popup_params.h"
#include "skin/controls/bs_images_menu.h"
#include "skin/controls/bs_skin_hint.h"
#include "skin/controls/bs_skin_menu.h"
#include "skin/data/bs_draw_utils.h"
#include "skin/data/bs_masks.h"
#include "skin/data/bs_nine_part.h"
#include "skin/data/bs_platform.h"
#include "skin/data/bs_resource_str_data.h"
#include "skin/data/bs_skin_controls.h"
#include "skin/data/bs_skin_controls_panels.h"
#include "skin/data/bs_skin_data.h"
#include "skin/data/bs_skin_text_objects.h"

namespace {

constexpr unsigned kCentred = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

TBitmap* PictureAt(TbsSkinData* Data, int Index)
{
    if (Data == nullptr || Index < 0 || Index >= static_cast<int>(Data->ActivePictures.size()))
        return nullptr;
    return Data->ActivePictures[static_cast<size_t>(Index)].get();
}

template <typename T>
T* ControlDescription(TbsSkinData* Data, const char* Name)
{
    if (Data == nullptr)
        return nullptr;
    int index = Data->FindControlDescription(Name);
    return index < 0 ? nullptr : dynamic_cast<T*>(Data->ControlList[static_cast<size_t>(index)].get());
}

// The skin's "label" description when it has a picture to draw from.
TbsDataSkinLabelControl* LabelOf(TbsSkinData* Data, bool Skinned)
{
    auto* label = Skinned ? ControlDescription<TbsDataSkinLabelControl>(Data, "label") : nullptr;
    return label != nullptr && PictureAt(Data, label->PictureIndex) != nullptr ? label : nullptr;
}

// Handlers of the window hold it; a close inside one leaves the window to
// be freed when the outermost ends.
class TBusyWindow {
public:
    explicit TBusyWindow(int& Busy) : busy_(Busy) { ++busy_; }
    ~TBusyWindow() { --busy_; }
    TBusyWindow(const TBusyWindow&) = delete;
    TBusyWindow& operator=(const TBusyWindow&) = delete;

private:
    int& busy_;
};

}  // namespace

TbsSkinImagesMenuPopupWindow::TbsSkinImagesMenuPopupWindow(TbsSkinImagesMenu* AMenu)
    : TCustomControl(nullptr), menu_(AMenu)
{
    SetVisible(false);
    TbsSkinData* data = menu_->SkinData();
    if (data != nullptr && !data->Empty && data->PopupWindow.WindowPictureIndex != -1)
        picture_ = PictureAt(data, data->PopupWindow.WindowPictureIndex);
    skinned_ = picture_ != nullptr;
    if (skinned_)
        maskPicture_ = PictureAt(data, data->PopupWindow.MaskPictureIndex);
}

TbsSkinImagesMenuPopupWindow::~TbsSkinImagesMenuPopupWindow()
{
    if (hooked_ && Application != nullptr)
        Application->OnMessage.Remove(TMessageEvent(this, &TbsSkinImagesMenuPopupWindow::AppMessage));
    if (HandleAllocated() && GetCapture() == Handle())
        ReleaseCapture();
}

void TbsSkinImagesMenuPopupWindow::CreateParams(TCreateParams& Params)
{
    TCustomControl::CreateParams(Params);
    SetSkinPopupParams(Params);
}

int TbsSkinImagesMenuPopupWindow::Count() const { return menu_->ImagesItems()->Count(); }

TbsImagesMenuItem* TbsSkinImagesMenuPopupWindow::Item(int Index) const { return menu_->ImagesItems()->Items(Index); }

void TbsSkinImagesMenuPopupWindow::Layout()
{
    TCustomImageList* images = menu_->Images();
    int cw = images->Width() + 10;
    int ch = images->Height() + 10;
    int gw = menu_->ColumnsCount() * cw;
    TbsSkinData* data = menu_->SkinData();
    TPoint origin = skinned_ ? data->PopupWindow.ItemsRect.TopLeft() : TPoint{5, 5};
    TbsDataSkinLabelControl* label = LabelOf(data, skinned_);
    int x = origin.X;
    int y = origin.Y;
    for (int i = 0; i < Count(); ++i) {
        TbsImagesMenuItem* item = Item(i);
        if (item->Header || item->Button) {
            if (x != origin.X)
                y += ch + 1;
            int h = item->Header && label != nullptr ? RectHeight(label->SkinRect) : ch;
            item->ItemRect = TRect{origin.X, y, origin.X + gw, y + h};
            y += h + 1;
            x = origin.X;
            continue;
        }
        item->ItemRect = TRect{x, y, x + cw, y + ch};
        x += cw;
        if (x + cw > origin.X + gw) {
            x = origin.X;
            y += ch + 1;
        }
    }
    int contentHeight = Item(Count() - 1)->ItemRect.Bottom - Item(0)->ItemRect.Top;
    if (!skinned_) {
        SetBounds(Left(), Top(), gw + 10, contentHeight + 10);
        return;
    }
    const TbsDataSkinPopupWindow& d = data->PopupWindow;
    int pw = picture_->Width();
    int ph = picture_->Height();
    int w = pw - RectWidth(d.ItemsRect) + gw;
    int h = ph - RectHeight(d.ItemsRect) + contentHeight;
    lt_ = d.LeftTopPoint;
    rt_ = TPoint{w - (pw - d.RightTopPoint.X), d.RightTopPoint.Y};
    lb_ = TPoint{d.LeftBottomPoint.X, h - (ph - d.LeftBottomPoint.Y)};
    rb_ = TPoint{w - (pw - d.RightBottomPoint.X), h - (ph - d.RightBottomPoint.Y)};
    clientRect_ = TRect{d.ItemsRect.Left, d.ItemsRect.Top, w - (pw - d.ItemsRect.Right), h - (ph - d.ItemsRect.Bottom)};
    SetBounds(Left(), Top(), w, h);
    if (maskPicture_ != nullptr) {
        HRGN region = CreateSkinRegion(d.LeftTopPoint, d.RightTopPoint, d.LeftBottomPoint, d.RightBottomPoint,
                                       d.ItemsRect, lt_, rt_, lb_, rb_, clientRect_, maskPicture_, w, h);
        if (!SetWindowRgn(Handle(), region, true) && region != nullptr)
            DeleteObject(region);
    }
}

void TbsSkinImagesMenuPopupWindow::Show(const TRect& Rect)
{
    Layout();
    TPoint p{Rect.Left, Rect.Bottom};
    TRect wa;
    GetPrimaryWorkArea(true, wa);
    TCustomForm* form = Screen != nullptr ? Screen->ActiveCustomForm() : nullptr;
    if (form == nullptr && Application != nullptr && Application->MainForm() != nullptr &&
        Application->MainForm()->Visible())
        form = Application->MainForm();
    if (form != nullptr && form->HandleAllocated())
        GetMonitorWorkArea(form->Handle(), true, wa);
    else if (auto* owner = dynamic_cast<TWinControl*>(menu_->Owner()); owner != nullptr && owner->HandleAllocated())
        GetMonitorWorkArea(owner->Handle(), true, wa);
    if (p.Y + Height() > wa.Bottom)
        p.Y = p.Y - Height() - RectHeight(Rect);
    if (p.X + Width() > wa.Right)
        p.X -= p.X + Width() - wa.Right;
    p.X = std::max(p.X, wa.Left);
    p.Y = std::max(p.Y, wa.Top);
    bool layered = IsWindows2000() && menu_->AlphaBlend;
    bool fade = layered && menu_->AlphaBlendAnimation;
    if (layered) {
        SetWindowLong(Handle(), GWL_EXSTYLE, GetWindowLong(Handle(), GWL_EXSTYLE) | WS_EX_LAYERED);
        SetWindowAlpha(Handle(), fade ? 0 : menu_->AlphaBlendValue);
    }
    SetBounds(p.X, p.Y, Width(), Height());
    SetWindowPos(Handle(), HWND_TOPMOST, p.X, p.Y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    SetVisible(true);
    if (fade) {
        TBusyWindow busy(busy_);
        if (Application != nullptr)
            Application->ProcessMessages();
        // A message handled there may have closed the grid.
        if (released_ || menu_->PopupWindow() != this)
            return;
        FadeInWindow(Handle(), 10, menu_->AlphaBlendValue, 6);
    }
    if (Application != nullptr) {
        Application->OnMessage.Add(TMessageEvent(this, &TbsSkinImagesMenuPopupWindow::AppMessage));
        hooked_ = true;
    }
    SetCapture(Handle());
}

void TbsSkinImagesMenuPopupWindow::HideHint()
{
    if (menu_->ShowHints && menu_->SkinHint() != nullptr)
        menu_->SkinHint()->HideHint();
}

void TbsSkinImagesMenuPopupWindow::Close(bool Chosen)
{
    TBusyWindow busy(busy_);
    HideHint();
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
    SetVisible(false);
    if (hooked_) {
        Application->OnMessage.Remove(TMessageEvent(this, &TbsSkinImagesMenuPopupWindow::AppMessage));
        hooked_ = false;
    }
    if (GetCapture() == Handle())
        ReleaseCapture();
    menu_->ProcessEvents(Chosen);
}

void TbsSkinImagesMenuPopupWindow::WndProc(TMessage& Message)
{
    {
        TBusyWindow busy(busy_);
        switch (Message.Msg) {
        case WM_MOUSEACTIVATE:
            Message.Result = MA_NOACTIVATE;
            break;
        case WM_ERASEBKGND:
            Message.Result = 1;
            break;
        case CM_MOUSELEAVE:
            HideHint();
            hotItem_ = -1;
            lastHotItem_ = -1;
            Repaint();
            break;
        case CM_MOUSEENTER:
            break;
        default: {
            TCustomControl::WndProc(Message);
            if (!released_ && (Message.Msg == WM_LBUTTONDOWN || Message.Msg == WM_LBUTTONDBLCLK)) {
                TPoint cursor;
                GetCursorPos(&cursor);
                if (WindowFromPoint(cursor) != Handle())
                    Close(false);
            }
            break;
        }
        }
    }
    ReleaseIfDone();
}

void TbsSkinImagesMenuPopupWindow::AppMessage(MSG& Msg, bool& Handled)
{
    {
        TBusyWindow busy(busy_);
        switch (Msg.message) {
        case WM_KEYDOWN:
            ProcessKey(static_cast<WORD>(Msg.wParam));
            Handled = true;
            break;
        case WM_MOUSEWHEEL:
            Handled = true;
            break;
        case WM_SYSKEYDOWN:
        case WM_SYSCHAR:
            Close(false);
            break;
        default:
            // The messages that end menus, but a left click: the grid
            // takes those in its own window procedure.
            if (Msg.message != WM_LBUTTONDOWN && IsMenuCloseMessage(Msg.message))
                Close(false);
            break;
        }
    }
    ReleaseIfDone();
}

void TbsSkinImagesMenuPopupWindow::ReleaseIfDone()
{
    if (busy_ != 0 || !released_)
        return;
    // Destroying the window sends it messages of its own: they must not
    // free it a second time.
    released_ = false;
    delete this;
}

int TbsSkinImagesMenuPopupWindow::FirstSelectable() const
{
    for (int i = 0; i < Count(); ++i)
        if (!Item(i)->Header)
            return i;
    return -1;
}

int TbsSkinImagesMenuPopupWindow::LastSelectable() const
{
    for (int i = Count() - 1; i >= 0; --i)
        if (!Item(i)->Header)
            return i;
    return -1;
}

void TbsSkinImagesMenuPopupWindow::SetHot(int Index)
{
    if (Index == hotItem_)
        return;
    hotItem_ = Index;
    Repaint();
}

void TbsSkinImagesMenuPopupWindow::ProcessKey(WORD Key)
{
    if (Key < VK_RETURN || Key > VK_DOWN)
        return;
    {
        TBusyWindow busy(busy_);
        int hot = hotItem_;
        switch (Key) {
        case VK_RETURN:
        case VK_SPACE:
            if (hot != -1)
                menu_->ItemIndex = hot;
            Close(true);
            break;
        case VK_ESCAPE:
            Close(false);
            break;
        case VK_LEFT: {
            // Headers are never hot: the wrap skips them as the steps do.
            int first = FirstSelectable();
            if (hot == -1 || hot == first) {
                SetHot(LastSelectable());
                break;
            }
            for (int i = hot - 1; i >= 0; --i)
                if (!Item(i)->Header) {
                    SetHot(i);
                    break;
                }
            break;
        }
        case VK_RIGHT:
            if (hot == -1 || hot == LastSelectable()) {
                SetHot(FirstSelectable());
                break;
            }
            for (int i = hot + 1; i < Count(); ++i)
                if (!Item(i)->Header) {
                    SetHot(i);
                    break;
                }
            break;
        case VK_UP:
            if (hot == -1) {
                SetHot(LastSelectable());
                break;
            }
            for (int i = hot - 1; i >= 0; --i) {
                const TbsImagesMenuItem* item = Item(i);
                if (!item->Header && item->ItemRect.Top < Item(hot)->ItemRect.Top &&
                    (item->Button || item->ItemRect.Left == Item(hot)->ItemRect.Left)) {
                    SetHot(i);
                    break;
                }
            }
            break;
        case VK_DOWN:
            if (hot == -1) {
                SetHot(FirstSelectable());
                break;
            }
            for (int i = hot + 1; i < Count(); ++i) {
                const TbsImagesMenuItem* item = Item(i);
                if (!item->Header && item->ItemRect.Top > Item(hot)->ItemRect.Top &&
                    (item->Button || item->ItemRect.Left == Item(hot)->ItemRect.Left)) {
                    SetHot(i);
                    break;
                }
            }
            break;
        default:
            break;
        }
    }
    ReleaseIfDone();
}

int TbsSkinImagesMenuPopupWindow::ItemAt(TPoint P) const
{
    for (int i = 0; i < Count(); ++i)
        if (!Item(i)->Header && PointInRect(Item(i)->ItemRect, P))
            return i;
    return -1;
}

void TbsSkinImagesMenuPopupWindow::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    hotItem_ = ItemAt(TPoint{X, Y});
    TbsSkinHint* hint = menu_->SkinHint();
    if (hint != nullptr && hotItem_ == -1)
        hint->HideHint();
    if (hotItem_ == lastHotItem_)
        return;
    lastHotItem_ = hotItem_;
    Repaint();
    if (menu_->ShowHints && hint != nullptr && hotItem_ != -1) {
        hint->HideHint();
        if (!Item(hotItem_)->Hint.empty())
            hint->ActivateHintDelayed(Item(hotItem_)->Hint);
    }
}

void TbsSkinImagesMenuPopupWindow::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    HideHint();
    mousePressed_ = true;
    itemPressed_ = ItemAt(TPoint{X, Y}) != -1;
    Repaint();
}

void TbsSkinImagesMenuPopupWindow::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    int item = ItemAt(TPoint{X, Y});
    if (mousePressed_ && item != -1) {
        menu_->ItemIndex = item;
        Close(true);
        return;
    }
    // The class library lets the capture go on every release; the grid
    // keeps it while open.
    if (GetCapture() == Handle())
        ReleaseCapture();
    SetCapture(Handle());
}

TbsDataSkinButtonControl* TbsSkinImagesMenuPopupWindow::CellDescription() const
{
    if (!skinned_)
        return nullptr;
    TbsSkinData* data = menu_->SkinData();
    auto* button = ControlDescription<TbsDataSkinButtonControl>(data, "menuitembutton");
    if (button == nullptr)
        button = ControlDescription<TbsDataSkinButtonControl>(data, "resizebutton");
    return button != nullptr && PictureAt(data, button->PictureIndex) != nullptr ? button : nullptr;
}

void TbsSkinImagesMenuPopupWindow::Paint()
{
    TBitmap b;
    b.SetPixelFormat(pf24bit);
    b.SetSize(Width(), Height());
    TCanvas* c = b.Canvas();
    if (skinned_) {
        const TbsDataSkinPopupWindow& d = menu_->SkinData()->PopupWindow;
        CreateSkinImageForWindow(d.LeftTopPoint, d.RightTopPoint, d.LeftBottomPoint, d.RightBottomPoint, d.ItemsRect,
                                 lt_, rt_, lb_, rb_, clientRect_, &b, picture_,
                                 TRect{0, 0, picture_->Width(), picture_->Height()}, Width(), Height(), true,
                                 d.LeftStretch, d.TopStretch, d.RightStretch, d.BottomStretch, d.StretchEffect,
                                 d.StretchType);
    } else {
        c->Pen()->SetColor(clBtnShadow);
        c->Brush()->SetColor(clWindow);
        c->Rectangle(0, 0, Width(), Height());
    }
    c->Font()->Assign(menu_->DefaultFont());
    int selected = menu_->ShowSelectedItem ? menu_->ItemIndex : -1;
    TCustomImageList* images = menu_->Images();
    for (int i = 0; i < Count(); ++i) {
        const TbsImagesMenuItem* item = Item(i);
        if (item->Header) {
            PaintHeader(c, item);
            continue;
        }
        bool down = false;
        bool hot = false;
        if (i == selected && !itemPressed_) {
            down = true;
            PaintCell(c, item, true);
        } else if (i == hotItem_) {
            down = itemPressed_;
            hot = !itemPressed_;
            PaintCell(c, item, itemPressed_);
        }
        const TRect& r = item->ItemRect;
        bool image = item->ImageIndex >= 0 && item->ImageIndex < images->Count();
        if (image)
            images->Draw(c, r.Left + 5, r.Top + 5, item->ImageIndex);
        if (item->Button && !item->Caption.empty()) {
            TRect text = r;
            if (image)
                text.Left += images->Width() + 5;
            PaintButtonCaption(c, item, text, down, hot);
        }
    }
    Canvas()->Draw(0, 0, &b);
}

void TbsSkinImagesMenuPopupWindow::PaintCell(TCanvas* Canvas, const TbsImagesMenuItem* Item, bool Down)
{
    const TRect& r = Item->ItemRect;
    if (TbsDataSkinButtonControl* d = CellDescription()) {
        TRect source = Down && !IsNullRect(d->DownSkinRect) ? d->DownSkinRect
                       : !IsNullRect(d->ActiveSkinRect)    ? d->ActiveSkinRect
                                                           : d->SkinRect;
        int w = RectWidth(r);
        int h = RectHeight(r);
        int sw = RectWidth(source);
        int sh = RectHeight(source);
        TBitmap cell;
        cell.SetPixelFormat(pf24bit);
        CreateSkinImage(d->LeftTopPoint, d->RightTopPoint, d->LeftBottomPoint, d->RightBottomPoint, d->ClientRect,
                        d->LeftTopPoint, TPoint{w - (sw - d->RightTopPoint.X), d->RightTopPoint.Y},
                        TPoint{d->LeftBottomPoint.X, h - (sh - d->LeftBottomPoint.Y)},
                        TPoint{w - (sw - d->RightBottomPoint.X), h - (sh - d->RightBottomPoint.Y)},
                        TRect{d->ClientRect.Left, d->ClientRect.Top, w - (sw - d->ClientRect.Right),
                              h - (sh - d->ClientRect.Bottom)},
                        &cell, PictureAt(menu_->SkinData(), d->PictureIndex), source, w, h, true, d->LeftStretch,
                        d->TopStretch, d->RightStretch, d->BottomStretch, d->StretchEffect, d->StretchType);
        Canvas->Draw(r.Left, r.Top, &cell);
        return;
    }
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(Down ? TColor(0xB59385) : TColor(0xD2BDB6));
    Canvas->FillRect(r);
    Canvas->Brush()->SetColor(clNavy);
    Canvas->FrameRect(r);
}

void TbsSkinImagesMenuPopupWindow::PaintHeader(TCanvas* Canvas, const TbsImagesMenuItem* Item)
{
    const TRect& r = Item->ItemRect;
    TbsSkinData* data = menu_->SkinData();
    TbsDataSkinLabelControl* label = LabelOf(data, skinned_);
    if (label == nullptr) {
        Canvas->Brush()->SetStyle(bsClear);
        TRect text = r;
        Canvas->TextRect(text, Item->Caption, kCentred);
        return;
    }
    const TRect& sr = label->SkinRect;
    TBitmap b;
    b.SetPixelFormat(pf24bit);
    CreateHSkinImage(label->LeftTopPoint.X, RectWidth(sr) - label->RightTopPoint.X, &b,
                     PictureAt(data, label->PictureIndex), sr, RectWidth(r), RectHeight(sr), label->StretchEffect);
    TCanvas* c = b.Canvas();
    c->Font()->SetColor(label->FontColor);
    c->Font()->SetName(label->FontName);
    c->Font()->SetHeight(label->FontHeight);
    c->Font()->SetStyle(label->FontStyle);
    c->Font()->SetCharset(Canvas->Font()->Charset());
    c->Brush()->SetStyle(bsClear);
    TRect text{label->ClientRect.Left, label->ClientRect.Top, b.Width() - (RectWidth(sr) - label->ClientRect.Right),
               b.Height()};
    c->TextRect(text, Item->Caption, kCentred);
    Canvas->Draw(r.Left, r.Top, &b);
}

void TbsSkinImagesMenuPopupWindow::PaintButtonCaption(TCanvas* Canvas, const TbsImagesMenuItem* Item, TRect R,
                                                      bool Down, bool Hot)
{
    TbsSkinData* data = menu_->SkinData();
    TbsDataSkinButtonControl* button = CellDescription();
    TbsDataSkinMenuItem* object = nullptr;
    if (skinned_) {
        int index = data->FindObjectDescription("menuitem");
        if (index < 0)
            index = data->FindObjectDescription("MENUITEM");
        if (index >= 0)
            object = dynamic_cast<TbsDataSkinMenuItem*>(data->ObjectList[static_cast<size_t>(index)].get());
    }
    TFont* font = Canvas->Font();
    if (button != nullptr && object != nullptr) {
        if (menu_->UseSkinFont) {
            font->SetName(button->FontName);
            font->SetHeight(button->FontHeight);
            font->SetStyle(button->FontStyle);
        } else {
            font->Assign(menu_->DefaultFont());
        }
        font->SetCharset(data->ResourceStrData() != nullptr ? data->ResourceStrData()->CharSet
                                                            : menu_->DefaultFont()->Charset());
        font->SetColor(Down ? button->DownFontColor : Hot ? button->ActiveFontColor : object->FontColor);
    } else {
        font->Assign(menu_->DefaultFont());
        font->SetColor(clWindowText);
    }
    Canvas->Brush()->SetStyle(bsClear);
    bool fits = Canvas->TextWidth(Item->Caption) <= RectWidth(R);
    Canvas->TextRect(R, Item->Caption, fits ? kCentred : DT_VCENTER | DT_SINGLELINE);
}
