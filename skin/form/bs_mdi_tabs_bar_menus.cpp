// The tabs bar's two menu buttons: the left one lists every child, the
// right one (while some tabs do not fit) the children without a visible
// tab. Each menu is filled just before it opens.
#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/kernel/menus.h"
#include "skin/controls/bs_skin_menu_speed_button.h"
#include "skin/controls/bs_skin_popup_menu.h"
#include "skin/form/bs_mdi_tabs_bar.h"
#include "skin/form/bs_skin_form.h"

namespace {

const char* const AllSuffix = "_BSFCHILDITEMBAR";
const char* const HiddenSuffix = "_BSFCHILDITEMBARHIDE";
constexpr int MenuButtonWidth = 15;

TbsSkinMenuSpeedButton* MakeMenuButton(TbsSkinMDITabsBar* Bar, TAlign Side, TbsSkinPopupMenu* Menu,
                                       TNotifyEvent OnShow)
{
    auto* button = new TbsSkinMenuSpeedButton(Bar);
    button->SetSkinDataName("resizetoolbutton");
    button->SetSkinData(Bar->SkinData());
    button->SetWidth(MenuButtonWidth);
    button->SetAlign(Side);
    button->SetSkinPopupMenu(Menu);
    button->OnShowTrackMenu = OnShow;
    button->SetParent(Bar);
    return button;
}

}  // namespace

void TbsSkinMDITabsBar::UpdateMenuButtons()
{
    if (!allMenu_) {
        allMenu_ = std::make_unique<TbsSkinPopupMenu>(nullptr);
        hiddenMenu_ = std::make_unique<TbsSkinPopupMenu>(nullptr);
    }
    allMenu_->SkinForm = skinForm_;
    hiddenMenu_->SkinForm = skinForm_;
    if (TabCount() > 0 && !leftButton_)
        leftButton_ = MakeMenuButton(this, alLeft, allMenu_.get(), TNotifyEvent(this, &TbsSkinMDITabsBar::ShowChildMenu));
    else if (TabCount() == 0 && leftButton_)
        delete leftButton_;
    if (leftButton_ && leftButton_->SkinData() != SkinData())
        leftButton_->SetSkinData(SkinData());
    if (hiddenCount_ >= 1 && TabCount() > 0 && !rightButton_)
        rightButton_ =
            MakeMenuButton(this, alRight, hiddenMenu_.get(), TNotifyEvent(this, &TbsSkinMDITabsBar::ShowChildMenu));
    else if ((hiddenCount_ < 1 || TabCount() == 0) && rightButton_)
        delete rightButton_;
}

void TbsSkinMDITabsBar::ShowChildMenu(TObject* Sender)
{
    const bool hidden = Sender == rightButton_;
    FillChildMenu(hidden ? hiddenMenu_.get() : allMenu_.get(), hidden);
}

void TbsSkinMDITabsBar::FillChildMenu(TbsSkinPopupMenu* Menu, bool HiddenOnly)
{
    TMenuItem* items = Menu->Items();
    items->Clear();
    for (const auto& tab : tabs_) {
        if (HiddenOnly && tab->Visible)
            continue;
        auto* item = new TMenuItem(Menu);
        item->SetName(tab->Child->Name() + (HiddenOnly ? HiddenSuffix : AllSuffix));
        item->SetCaption(tab->Child->Caption());
        item->SetRadioItem(true);
        item->SetGroupIndex(0);
        item->SetChecked(tab->Active);
        item->OnClick = TNotifyEvent(this, &TbsSkinMDITabsBar::ChildItemClick);
        items->Add(item);
    }
}

void TbsSkinMDITabsBar::ChildItemClick(TObject* Sender)
{
    auto* item = dynamic_cast<TMenuItem*>(Sender);
    TCustomForm* main = skinForm_ ? skinForm_->Form() : nullptr;
    if (!item || !main)
        return;
    AnsiString name = item->Name();
    for (const char* suffix : {HiddenSuffix, AllSuffix}) {
        const size_t at = name.find(suffix);
        if (at != AnsiString::npos) {
            name.erase(at, std::char_traits<char>::length(suffix));
            break;
        }
    }
    std::vector<TCustomForm*> children;
    for (int i = 0; i < main->MDIChildCount(); ++i)
        if (main->MDIChildren(i)->Name() == name)
            children.push_back(main->MDIChildren(i));
    for (TCustomForm* child : children)
        BringChildForward(child);
}
