// The main-menu bar's side of the skin: what it copies from its
// "mainmenubar" description, its background, its size with and without a
// skin, and the timers that fade and animate its items.
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/kernel/timer.h"
#include "skin/controls/bs_skin_custom_image.h"
#include "skin/data/bs_nine_part.h"
#include "skin/data/bs_parent_image.h"
#include "skin/data/bs_skin_controls_menus.h"
#include "skin/data/bs_skin_data.h"
#include "skin/form/bs_main_menu_bar_button.h"
#include "skin/form/bs_skin_main_menu.h"

void TbsSkinMainMenuBar::GetSkinData()
{
    TbsSkinControl::GetSkinData();
    auto* bar = dynamic_cast<TbsDataSkinMainMenuBar*>(Description());
    // Whatever the last skin gave points into a list that may be gone.
    SkinUsed = bar != nullptr;
    Picture = nullptr;
    if (bar == nullptr)
        return;
    SkinRect = bar->SkinRect;
    ItemsRect = bar->ItemsRect;
    Picture = SkinData()->PictureAt(bar->PictureIndex);
    MenuBarItem = bar->MenuBarItem;
    TrackMarkColor = bar->TrackMarkColor;
    TrackMarkActiveColor = bar->TrackMarkActiveColor;
    StretchEffect = bar->StretchEffect;
    ItemTransparent = bar->ItemTransparent;
}

bool TbsSkinMainMenuBar::SkinEffects() const
{
    return SkinData() != nullptr && !SkinData()->Empty && SkinData()->EnableSkinEffects;
}

void TbsSkinMainMenuBar::BeforeChangeSkinData()
{
    SkinUsed = false;
    TbsSkinControl::BeforeChangeSkinData();
    Picture = nullptr;
    morphTimer_->SetEnabled(false);
    animationTimer_->SetEnabled(false);
    items_.clear();
    ActiveIndex = OldActiveIndex = MouseDownIndex = -1;
}

void TbsSkinMainMenuBar::ChangeSkinData()
{
    GetSkinData();
    CreateMenuItems();
    if (SkinUsed && useSkinSize_)
        SetHeight(SkinRect.Height());
    else if (defaultHeight_ > 0)
        SetHeight(defaultHeight_);
    Invalidate();
}

void TbsSkinMainMenuBar::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    GetSkinData();
    if (SkinUsed && useSkinSize_)
        AHeight = SkinRect.Height();
    TbsSkinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    Invalidate();
}

void TbsSkinMainMenuBar::SetDefaultWidth(int Value)
{
    defaultWidth_ = Value;
    GetSkinData();
    if (!SkinUsed && Value >= 1)
        SetWidth(Value);
}

void TbsSkinMainMenuBar::SetDefaultHeight(int Value)
{
    defaultHeight_ = Value;
    GetSkinData();
    if (!SkinUsed && Value >= 1)
        SetHeight(Value);
}

void TbsSkinMainMenuBar::SetUseSkinSize(bool Value)
{
    useSkinSize_ = Value;
    ChangeSkinData();
}

void TbsSkinMainMenuBar::SetUseSkinFont(bool Value)
{
    useSkinFont_ = Value;
    Invalidate();
}

void TbsSkinMainMenuBar::SetToolBarMode(bool Value)
{
    toolBarMode_ = Value;
    Invalidate();
}

void TbsSkinMainMenuBar::SetToolBarModeItemTransparent(bool Value)
{
    toolBarModeItemTransparent_ = Value;
    Invalidate();
}

bool TbsSkinMainMenuBar::ItemsShowBar() const
{
    return SkinUsed && (ItemTransparent || (toolBarMode_ && toolBarModeItemTransparent_));
}

void TbsSkinMainMenuBar::PaintBackground(TCanvas* Canvas)
{
    if (!SkinUsed) {
        Canvas->Brush()->SetColor(clBtnFace);
        Canvas->FillRect(TRect{0, 0, Width(), Height()});
        return;
    }
    if (SkinData()->MainMenuBarTransparent) {
        GetParentImage(this, Canvas);
        return;
    }
    if (Picture == nullptr)
        return;
    TBitmap b;
    if (!useSkinSize_ && toolBarMode_) {
        // A tool bar's panel; with neither description the bar is left
        // unpainted.
        int index = SkinData()->FindControlDescription("resizetoolpanel");
        if (index < 0)
            index = SkinData()->FindControlDescription("panel");
        if (index < 0)
            return;
        TbsSkinCustomImage panel;
        panel.TakeDescription(SkinData()->ControlList[static_cast<size_t>(index)].get(), *SkinData());
        int w = Width();
        int h = Height();
        panel.LayOut(w, h, true);
        panel.DrawImage(&b, panel.Picture, panel.SkinRect, w, h, false);
    } else if (useSkinSize_) {
        CreateHSkinImage(ItemsRect.Left, SkinRect.Width() - ItemsRect.Right, &b, Picture, SkinRect, Width(),
                         Height(), StretchEffect);
    } else {
        b.SetSize(Width(), Height());
        int h = SkinRect.Height();
        CreateSkinImageByOffsets(&b, Picture, SkinRect, TRect{ItemsRect.Left, h / 4, ItemsRect.Right, h - h / 4},
                                 true);
    }
    Canvas->Draw(0, 0, &b);
}

void TbsSkinMainMenuBar::ParentImageChanged()
{
    if (SkinUsed && SkinData()->MainMenuBarTransparent)
        Invalidate();
}

void TbsSkinMainMenuBar::StartMorph()
{
    if (!morphTimer_->Enabled())
        morphTimer_->SetEnabled(true);
}

void TbsSkinMainMenuBar::StartAnimation(int Interval)
{
    if (Interval > 0 && animationTimer_->Interval() != static_cast<UINT>(Interval))
        animationTimer_->SetInterval(static_cast<UINT>(Interval));
    if (!animationTimer_->Enabled())
        animationTimer_->SetEnabled(true);
}

void TbsSkinMainMenuBar::DrawSkinObject(TbsSkinMainMenuBarItem* Item)
{
    // An item that shows the bar through it needs the background under it
    // painted afresh.
    if (ItemsShowBar()) {
        Invalidate();
        return;
    }
    DrawItem(Item);
}

void TbsSkinMainMenuBar::MorphTimerTick(TObject*)
{
    KeepItemsCurrent();
    bool stepped = false;
    for (auto& item : items_)
        if (item->MorphStep()) {
            stepped = true;
            DrawSkinObject(item.get());
        }
    stepped |= childButtons_->MorphStep();
    if (!stepped)
        morphTimer_->SetEnabled(false);
}

void TbsSkinMainMenuBar::AnimationTimerTick(TObject*)
{
    KeepItemsCurrent();
    bool stepped = false;
    for (auto& item : items_)
        if (item->AnimationStep()) {
            stepped = true;
            DrawSkinObject(item.get());
        }
    if (!stepped)
        animationTimer_->SetEnabled(false);
}

bool TbsSkinMainMenuBar::ItemsCurrent() const
{
    const TbsSkinData* data = SkinData();
    return data == itemsData_ && (data == nullptr || data->LoadCount == itemsLoad_);
}

void TbsSkinMainMenuBar::KeepItemsCurrent()
{
    if (!ItemsCurrent())
        CreateMenuItems();
}
