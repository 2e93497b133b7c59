// The application menu: its items, the item column's layout and scroll
// bar, the active page, and the plain look.
#include "skin/form/bs_ribbon_app_menu.h"

#include <algorithm>

#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/brush.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/font.h"
#include "platform/win/win_messages.h"
#include "skin/controls/bs_skin_scroll_bar.h"
#include "skin/data/bs_draw_utils.h"
#include "skin/form/bs_ribbon_app_menu_page.h"

namespace {

constexpr int kScrollBarWidth = 19;
constexpr int kScrollStep = 28;

}  // namespace

TbsAppMenuItem::TbsAppMenuItem(TCollection* Collection) : TCollectionItem(Collection)
{
    caption_ = "TbsAppMenuItem" + std::to_string(Index());
}

void TbsAppMenuItem::SetCaption(const AnsiString& Value)
{
    if (caption_ != Value) {
        caption_ = Value;
        Changed(false);
    }
}

void TbsAppMenuItem::SetEnabled(bool Value)
{
    if (enabled_ != Value) {
        enabled_ = Value;
        Changed(false);
    }
}

void TbsAppMenuItem::SetVisible(bool Value)
{
    if (visible_ != Value) {
        visible_ = Value;
        Changed(false);
    }
}

void TbsAppMenuItem::SetImageIndex(int Value)
{
    if (imageIndex_ != Value) {
        imageIndex_ = Value;
        Changed(false);
    }
}

void TbsAppMenuItem::SetPage(TbsAppMenuPage* Value)
{
    if (page_ == Value)
        return;
    page_ = Value;
    auto* menu = static_cast<TbsAppMenu*>(static_cast<TbsAppMenuItems*>(Collection())->Owner());
    if (Value && menu) {
        Value->FreeNotification(menu);
        Value->SetMenu(menu);
        menu->SetActivePage(Value);
    }
}

void TbsAppMenuItem::Assign(TPersistent* Source)
{
    if (auto* item = dynamic_cast<TbsAppMenuItem*>(Source)) {
        page_ = item->page_;
        caption_ = item->caption_;
        imageIndex_ = item->imageIndex_;
        visible_ = item->visible_;
        enabled_ = item->enabled_;
        return;
    }
    TCollectionItem::Assign(Source);
}

TbsAppMenuItems::TbsAppMenuItems(TbsAppMenu* AMenu) : TCollection(TCollection::Of<TbsAppMenuItem>()), menu_(AMenu) {}

TPersistent* TbsAppMenuItems::GetOwner() { return menu_; }

void TbsAppMenuItems::Update(TCollectionItem* /*Item*/)
{
    if (menu_->Visible())
        menu_->UpdateScrollBar();
    menu_->Invalidate();
}

std::vector<TRect> LayOutAppMenuItems(const std::vector<TbsAppMenuSlot>& Slots, int ItemWidth, int PlainHeight,
                                      int PageHeight, int Offset)
{
    std::vector<TRect> rects(Slots.size());
    int y = 7 - Offset;
    const TbsAppMenuSlot* previous = nullptr;
    for (size_t i = 0; i < Slots.size(); ++i) {
        const TbsAppMenuSlot& slot = Slots[i];
        if (!slot.Visible)
            continue;
        if (!previous && slot.HasPage)
            y = 30 - Offset;
        else if (previous && slot.HasPage && !previous->HasPage)
            y += 8;
        if (slot.HasPage) {
            rects[i] = TRect{0, y, ItemWidth, y + PageHeight};
            y += PageHeight + 8;
        } else {
            rects[i] = TRect{8, y, ItemWidth - 8, y + PlainHeight};
            y += PlainHeight;
        }
        previous = &slot;
    }
    return rects;
}

int AppMenuColumnHeight(const std::vector<TbsAppMenuSlot>& Slots, int PlainHeight, int PageHeight)
{
    int bottom = 7;
    std::vector<TRect> rects = LayOutAppMenuItems(Slots, 100, PlainHeight, PageHeight, 0);
    for (size_t i = 0; i < Slots.size(); ++i)
        if (Slots[i].Visible)
            bottom = rects[i].Bottom + (Slots[i].HasPage ? 8 : 0);
    if (!Slots.empty() && Slots.back().HasPage)
        bottom += 25;
    return bottom;
}

TbsAppMenu::TbsAppMenu(TComponent* AOwner) : TbsSkinControl(AOwner), items_(std::make_unique<TbsAppMenuItems>(this))
{
    SetSkinDataName("appmenu");
    SetTabStop(true);
}

TbsAppMenu::~TbsAppMenu() = default;

std::vector<TbsAppMenuSlot> TbsAppMenu::Slots() const
{
    std::vector<TbsAppMenuSlot> slots;
    for (int i = 0; i < items_->Count(); ++i)
        slots.push_back({items_->Items(i)->Visible(), items_->Items(i)->Page() != nullptr});
    return slots;
}

void TbsAppMenu::LayOutItems()
{
    std::vector<TRect> rects = LayOutAppMenuItems(Slots(), itemWidth_, PlainItemHeight(), PageItemHeight(), offset_);
    for (int i = 0; i < items_->Count(); ++i)
        items_->Items(i)->ItemRect = rects[i];
}

void TbsAppMenu::SetItemWidth(int Value)
{
    itemWidth_ = std::max(Value, 100);
    if (activePage_)
        activePage_->SetBounds(0, 0, 0, 0);
    Invalidate();
}

void TbsAppMenu::SetItemImageList(TCustomImageList* Value)
{
    itemImageList_ = Value;
    if (Value)
        Value->FreeNotification(this);
    Invalidate();
}

void TbsAppMenu::SetItemPageImageList(TCustomImageList* Value)
{
    itemPageImageList_ = Value;
    if (Value)
        Value->FreeNotification(this);
    Invalidate();
}

TRect TbsAppMenu::GetPageBounds()
{
    return Bounds(itemWidth_, 25, Width() - 25 - itemWidth_, Height() - 50);
}

int TbsAppMenu::IndexOfPage(TbsAppMenuPage* Page) const
{
    for (int i = 0; i < items_->Count(); ++i)
        if (Page && items_->Items(i)->Page() == Page)
            return i;
    return -1;
}

int TbsAppMenu::NextSelectable(int From, int Step) const
{
    for (int i = From + Step; i >= 0 && i < items_->Count(); i += Step)
        if (items_->Items(i)->Visible() && items_->Items(i)->Enabled())
            return i;
    return -1;
}

void TbsAppMenu::SetActivePage(TbsAppMenuPage* Value)
{
    TbsAppMenuPage* old = activePage_;
    if (old && old != Value) {
        old->SetVisible(false);
        old->Suspended = true;
    }
    activePage_ = Value;
    if (Value) {
        Value->SetMenu(this);
        Value->SetVisible(false);
        Value->SetParent(this);
        Value->SetBounds(0, 0, 0, 0);
        Value->SetVisible(true);
        Value->BringToFront();
        Value->Suspended = !Visible();
        if (Value->CanScroll())
            Value->UpdateScroll();
    }
    if (old != Value && OnChangePage) {
        TAlive alive(this);
        OnChangePage(this);
        if (!alive)
            return;
    }
    Invalidate();
}

void TbsAppMenu::SelectItem(int Index)
{
    itemIndex_ = Index;
    if (Index >= 0 && Index < items_->Count()) {
        TbsAppMenuPage* page = items_->Items(Index)->Page();
        if (page && page != activePage_)
            SetActivePage(page);
        if (scrollBar_)
            ScrollIntoView(Index);
    }
    Invalidate();
}

// The selected item comes into the visible part of the column; the first
// and last items show its start and end, and a page item keeps 30 pixels
// from both edges.
void TbsAppMenu::ScrollIntoView(int Index)
{
    int column = AppMenuColumnHeight(Slots(), PlainItemHeight(), PageItemHeight());
    int limit = std::max(0, column + 1 - Height());
    int target = offset_;
    LayOutItems();
    TRect r = items_->Items(Index)->ItemRect;
    bool page = items_->Items(Index)->Page() != nullptr;
    int margin = page ? 30 : 0;
    if (NextSelectable(Index, 1) == -1)
        target = limit;
    else if (NextSelectable(Index, -1) == -1)
        target = 0;
    else if (r.Top < margin)
        target = offset_ + r.Top - margin;
    else if (r.Bottom > Height() - margin)
        target = offset_ + r.Bottom - (Height() - margin);
    target = std::clamp(target, 0, limit);
    if (target != offset_) {
        offset_ = target;
        scrollBar_->SetPosition(offset_);
    }
}

void TbsAppMenu::ScrollBarChange(TObject* /*Sender*/)
{
    offset_ = scrollBar_->Position();
    Invalidate();
}

void TbsAppMenu::UpdateScrollBar()
{
    int column = AppMenuColumnHeight(Slots(), PlainItemHeight(), PageItemHeight());
    if (column + 1 <= Height()) {
        offset_ = 0;
        if (scrollBar_) {
            TbsSkinScrollBar* bar = scrollBar_;
            scrollBar_ = nullptr;
            delete bar;
        }
        return;
    }
    if (!scrollBar_) {
        scrollBar_ = new TbsSkinScrollBar(nullptr);
        scrollBar_->SetDefaultWidth(kScrollBarWidth);
        scrollBar_->SetSmallChange(kScrollStep);
        scrollBar_->SetLargeChange(kScrollStep);
        scrollBar_->SetSkinDataName("vscrollbar");
        scrollBar_->SetKind(sbVertical);
        scrollBar_->SetSkinData(SkinData());
        scrollBar_->SetParent(this);
        scrollBar_->OnChange = TNotifyEvent(this, &TbsAppMenu::ScrollBarChange);
    }
    offset_ = std::min(offset_, std::max(0, column + 1 - Height()));
    scrollBar_->SetRange(0, column + 1, offset_, Height());
    scrollBar_->SetLargeChange(Height());
    int bottom = SizeGripActive() ? Height() - 20 : Height();
    scrollBar_->SetBounds(Width() - kScrollBarWidth, 0, kScrollBarWidth, bottom);
}

void TbsAppMenu::Notification(TComponent* AComponent, TOperation Operation)
{
    TbsSkinControl::Notification(AComponent, Operation);
    if (Operation != opRemove)
        return;
    if (AComponent == activePage_)
        activePage_ = nullptr;
    if (AComponent == itemImageList_)
        itemImageList_ = nullptr;
    if (AComponent == itemPageImageList_)
        itemPageImageList_ = nullptr;
    for (int i = 0; i < items_->Count(); ++i)
        if (items_->Items(i)->page_ == AComponent)
            items_->Items(i)->page_ = nullptr;
}

// The plain look: items as light text on the shadow colour; the hot, the
// selected and the active page's item raised in the face colour.
void TbsAppMenu::PaintDefaultImage(TBitmap* Bitmap)
{
    TCanvas* c = Bitmap->Canvas();
    c->Font()->Assign(Font());
    c->Brush()->SetColor(clBtnShadow);
    c->FillRect(Rect(0, 0, Width(), Height()));
    LayOutItems();
    for (int i = 0; i < items_->Count(); ++i) {
        TbsAppMenuItem* item = items_->Items(i);
        if (!item->Visible())
            continue;
        bool highlighted = item->Hot || (item->Page() && item->Page() == activePage_) || i == itemIndex_;
        DrawItem(c, item, highlighted);
    }
}

// A description whose picture is missing leaves the plain look.
void TbsAppMenu::PaintSkinImage(TBitmap* Bitmap)
{
    if (SkinDescription())
        DrawSkinned(Bitmap->Canvas());
    else
        PaintDefaultImage(Bitmap);
}

void TbsAppMenu::DrawItemText(TCanvas* Canvas, TbsAppMenuItem* Item, TRect Area, TColor Colour)
{
    TCustomImageList* images = Item->Page() ? itemPageImageList_ : itemImageList_;
    Area.Left += Item->Page() ? 20 : 10;
    Canvas->Brush()->SetStyle(bsClear);
    Canvas->Font()->SetColor(Colour);
    if (images && Item->ImageIndex() >= 0 && Item->ImageIndex() < images->Count())
        DrawImageAndText(Canvas, Area, 0, 5, 0, Item->Caption(), images, Item->ImageIndex(), Item->Enabled(), false,
                         false, clBlack);
    else
        DrawCaptionLeft(Canvas, Item->Caption(), Area);
    Canvas->Brush()->SetStyle(bsSolid);
}

void TbsAppMenu::DrawItem(TCanvas* Canvas, TbsAppMenuItem* Item, bool Highlighted)
{
    TRect r = Item->ItemRect;
    if (!Highlighted) {
        DrawItemText(Canvas, Item, r, Item->Enabled() ? clBtnHighlight : cl3DDkShadow);
        return;
    }
    TBitmap face;
    face.SetSize(r.Width(), r.Height() + 2);
    TCanvas* f = face.Canvas();
    f->Font()->Assign(Canvas->Font());
    f->Brush()->SetColor(clBtnFace);
    f->FillRect(Rect(0, 0, r.Width(), r.Height() + 2));
    DrawItemText(f, Item, Rect(0, 0, r.Width(), r.Height()), clBtnText);
    if (!Item->Page()) {
        f->Brush()->SetColor(cl3DDkShadow);
        f->FrameRect(Rect(0, 0, r.Width(), r.Height()));
    } else if (Item->Page() == activePage_) {
        DrawLargeArrowImage(f, Rect(r.Width() - 5, 0, r.Width(), r.Height()), clWindow, 1);
    }
    Canvas->Draw(r.Left, r.Top, &face);
}
