#include "tests/skin/controls/skin_menus_fuzz.h"

#include <memory>

#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/image_list.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/kernel/menus.h"
#include "platform/win/virtual_keys.h"
#include "skin/controls/bs_images_menu.h"
#include "skin/controls/bs_images_menu_window.h"
#include "skin/controls/bs_skin_hint.h"
#include "skin/controls/bs_skin_menu.h"
#include "skin/controls/bs_skin_menu_item.h"
#include "skin/controls/bs_skin_popup_window.h"

namespace {

TMenuItem* Add(TMenuItem* Parent, const char* Caption)
{
    auto* item = new TMenuItem(nullptr);
    item->SetCaption(Caption);
    Parent->Add(item);
    return item;
}

// Every kind of row, a sub-menu, and enough rows to scroll.
void BuildMenu(TPopupMenu& Menu)
{
    TMenuItem* items = Menu.Items();
    Add(items, "Plain \xD5\x66\xE9\x54");
    Add(items, "Disabled")->SetEnabled(false);
    Add(items, "Checked")->SetChecked(true);
    TMenuItem* radio = Add(items, "Radio");
    radio->SetRadioItem(true);
    radio->SetChecked(true);
    Add(items, "Image")->SetImageIndex(0);
    TMenuItem* checkedImage = Add(items, "Checked image");
    checkedImage->SetImageIndex(0);
    checkedImage->SetChecked(true);
    Add(Add(items, "Sub"), "Inner");
    Add(items, "-");
    Add(items, "-Header-")->SetEnabled(false);
    Add(items, "Close")->SetName("BSF_CLOSE");
    for (int i = 0; i < 30; ++i)
        Add(items, "Row");
}

void Redraw(TbsSkinMenu& Menu)
{
    for (int i = 0; i < Menu.PopupCount(); ++i) {
        Menu.Popup(i)->Repaint();
        Menu.Popup(i)->Update();
    }
}

void DriveMenu(TbsSkinMenu& Menu, TbsSkinData* Data, TPopupMenu& Popup)
{
    Menu.PopupRect(nullptr, Data, false, Popup.Items(), TRect{50, 50, 60, 60}, 0);
    if (Menu.PopupCount() == 0)
        return;
    TbsSkinPopupWindow* window = Menu.Popup(0);
    Redraw(Menu);
    // Fades and frames of the first rows, step by step.
    for (int i = 0; i < window->ItemCount() && i < 8; ++i) {
        TbsSkinMenuItem* row = window->Item(i);
        row->Active = true;
        for (int step = 0; step < 6; ++step)
            row->StepMorph();
        for (row->FrameIndex = 1; row->FrameIndex <= 4; ++row->FrameIndex)
            row->Draw(window->Canvas());
        row->Active = false;
        row->StepMorph();
    }
    for (WORD key : {VK_DOWN, VK_DOWN, VK_UP, VK_UP, VK_UP})
        Menu.LastPopup()->HandleMenuKey(key);
    Redraw(Menu);
    window->TrackMouse(window->DownArrowRect().Left + 1, window->DownArrowRect().Top + 1);
    window->ScrollDown(true);
    window->ScrollUp(true);
    Redraw(Menu);
    for (int i = 0; i < window->ItemCount(); ++i)
        if (window->Item(i)->HasSubItems()) {
            window->ActiveItem = i;
            window->HandleMenuKey(VK_RIGHT);
            break;
        }
    Redraw(Menu);
    Menu.LastPopup()->HandleMenuKey(VK_ESCAPE);
    Menu.CloseMenu();
}

void DriveHint(TbsSkinData* Data, TImageList& Images)
{
    TbsSkinHint hint(nullptr);
    hint.SetSkinData(Data);
    hint.HintWindow()->ActivateHint(TRect{40, 40, 40, 40}, "a@b\xDF\x40");
    hint.HintWindow()->Update();
    hint.HintTitle = "Title";
    hint.SetHintImageList(&Images);
    hint.HintImageIndex = 0;
    hint.HintWindow()->ActivateHint(TRect{40, 40, 40, 40}, "text");
    hint.HintWindow()->Update();
    hint.HideHint();
}

void DriveImagesMenu(TbsSkinData* Data, TImageList& Images)
{
    TbsSkinImagesMenu menu(nullptr);
    menu.SetImages(&Images);
    menu.SetSkinData(Data);
    menu.SetColumnsCount(3);
    menu.ItemIndex = 1;
    for (int i = 0; i < 5; ++i)
        menu.ImagesItems()->Add()->ImageIndex = 0;
    TbsImagesMenuItem* header = menu.ImagesItems()->Add();
    header->Header = true;
    header->Caption = "Head";
    TbsImagesMenuItem* button = menu.ImagesItems()->Add();
    button->Button = true;
    button->Caption = "A caption wider than the grid";
    menu.PopupFromRect(TRect{30, 30, 60, 50});
    TbsSkinImagesMenuPopupWindow* grid = menu.PopupWindow();
    if (grid == nullptr)
        return;
    for (WORD key : {VK_DOWN, VK_RIGHT, VK_DOWN, VK_DOWN, VK_LEFT, VK_UP}) {
        grid->ProcessKey(key);
        grid->Update();
    }
    grid->ProcessKey(VK_ESCAPE);
}

}  // namespace

void PaintMenus(TbsSkinData& Data)
{
    TCustomForm form(nullptr);
    form.SetBounds(0, 0, 200, 100);
    form.Show();
    TImageList images(nullptr);
    TBitmap picture;
    picture.SetPixelFormat(pf24bit);
    picture.SetSize(16, 16);
    picture.Canvas()->FillRect(TRect{0, 0, 16, 16});
    images.Add(&picture, nullptr);
    TPopupMenu popup(nullptr);
    popup.SetImages(&images);
    BuildMenu(popup);
    TbsSkinMenu menu(nullptr, &form);
    for (TbsSkinData* data : {&Data, static_cast<TbsSkinData*>(nullptr)}) {
        for (bool skinSize : {true, false}) {
            menu.UseSkinSize = skinSize;
            menu.UseSkinFont = skinSize;
            menu.MaxMenuItemsInWindow = skinSize ? 0 : 4;
            DriveMenu(menu, data, popup);
        }
        DriveHint(data, images);
        DriveImagesMenu(data, images);
    }
}
