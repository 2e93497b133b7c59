// The frame's system menu and tray menu with their BSF_ items, the caption
// buttons' visibility and hints, and Alt+Space. Captions and hints come
// from the skin's resource strings, else the library's English texts.
#include "platform/ui/kernel/control_types.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/kernel/menus.h"
#include "platform/ui/kernel/shortcuts.h"
#include "platform/win/cursor.h"
#include "platform/win/virtual_keys.h"
#include "skin/controls/bs_skin_menu.h"
#include "skin/controls/bs_skin_popup_menu.h"
#include "skin/data/bs_resource_str_data.h"
#include "skin/data/bs_skin_data.h"
#include "skin/form/bs_skin_animate_object.h"
#include "skin/form/bs_skin_caption_object.h"
#include "skin/form/bs_skin_form.h"
#include "skin/form/bs_skin_std_button_object.h"

namespace {

const char* const kFrameItemNames[] = {"BSF_MINITEM", "BSF_MAXITEM",   "BSF_RESTORE",
                                       "BSF_ROLLUP",  "BSF_MINTOTRAY", "BSF_CLOSE"};

bool IsFrameItem(const TMenuItem* Item)
{
    for (const char* name : kFrameItemNames)
        if (Item->Name() == name)
            return true;
    return false;
}

TMenuItem* NewLine()
{
    auto* line = new TMenuItem(nullptr);
    line->SetCaption(cLineCaption);
    return line;
}

// The close item's key: Ctrl+F4 closes a child form, Alt+F4 any other.
TShortCut CloseShortCut(const TCustomForm* Form)
{
    return ShortCut(VK_F4, Form->FormStyle() == fsMDIChild ? TShiftState{ssCtrl} : TShiftState{ssAlt});
}

// What the caption buttons share, whichever class draws them.
struct TCaptionButton {
    TbsStdCommand Command = cmdefault;
    AnsiString* NormalHint = nullptr;
    AnsiString* RestoreHint = nullptr;
    bool Standard = false;
};

bool AsCaptionButton(TbsActiveSkinObject* Object, TCaptionButton& Button)
{
    if (auto* standard = dynamic_cast<TbsSkinStdButtonObject*>(Object)) {
        Button = {standard->Command, &standard->NormalHint, &standard->RestoreHint, true};
        return true;
    }
    if (auto* animate = dynamic_cast<TbsSkinAnimateObject*>(Object)) {
        Button = {animate->Command, &animate->NormalHint, &animate->RestoreHint, false};
        return true;
    }
    return false;
}

struct THintText {
    TbsStdCommand Command;
    const char* Key;
};

const THintText kHints[] = {{cmclose, "CLOSEBUTTON_HINT"},   {cmmaximize, "MAXBUTTON_HINT"},
                            {cmminimize, "MINBUTTON_HINT"},  {cmsysmenu, "MENUBUTTON_HINT"},
                            {cmrollup, "ROLLUPBUTTON_HINT"}, {cmminimizetotray, "TRAYBUTTON_HINT"}};

}  // namespace

AnsiString TbsSkinForm::ResStr(const char* Key) const
{
    return BsResStrOrBuiltIn(skinData_ ? skinData_->ResourceStrData() : nullptr, Key);
}

TMenuItem* TbsSkinForm::NewSysMenuItem(const char* Name, const char* Key, const TNotifyEvent& Click)
{
    auto* item = new TMenuItem(nullptr);
    item->SetName(Name);
    item->SetCaption(ResStr(Key));
    item->OnClick = Click;
    return item;
}

TMenuItem* TbsSkinForm::GetSystemMenuItems()
{
    if (SystemMenu != nullptr && !UseDefaultSysMenu)
        return SystemMenu->Items();
    TMenuItem* items = SystemMenu != nullptr ? SystemMenu->Items() : systemPopupMenu_->Items();
    if (SystemMenu != nullptr) {
        for (int i = items->Count() - 1; i >= 0; --i)
            if (IsFrameItem(items->Items(i)))
                delete items->Items(i);
    } else {
        items->Clear();
    }
    bool maximizedChild = Form()->FormStyle() == fsMDIChild && FormState == wsMaximized;
    struct TEntry {
        bool Shown;
        const char* Name;
        const char* Key;
        void (TbsSkinForm::*Click)(TObject*);
    };
    // In menu order, top down.
    const TEntry entries[] = {
        {FormState != wsMinimized && borderIcons_.Contains(TbsBorderIcon::biMinimize), "BSF_MINITEM",
         "MI_MINCAPTION", &TbsSkinForm::SysMinimizeClick},
        {FormState != wsMaximized && borderIcons_.Contains(TbsBorderIcon::biMaximize), "BSF_MAXITEM",
         "MI_MAXCAPTION", &TbsSkinForm::SysMaximizeClick},
        {FormState != wsNormal || rollUpState_, "BSF_RESTORE", "MI_RESTORECAPTION", &TbsSkinForm::SysRestoreClick},
        {borderIcons_.Contains(TbsBorderIcon::biRollUp) && !rollUpState_ && FormState != wsMinimized &&
             !maximizedChild,
         "BSF_ROLLUP", "MI_ROLLUPCAPTION", &TbsSkinForm::SysRollUpClick},
        {borderIcons_.Contains(TbsBorderIcon::biMinimizeToTray), "BSF_MINTOTRAY", "MI_MINTOTRAYCAPTION",
         &TbsSkinForm::SysMinimizeToTrayClick},
    };
    if (SystemMenu == nullptr) {
        for (const TEntry& entry : entries)
            if (entry.Shown)
                items->Add(NewSysMenuItem(entry.Name, entry.Key, TNotifyEvent(this, entry.Click)));
        if (items->Count() > 0)
            items->Add(NewLine());
    } else {
        // Inserted at the top one by one, so they read, top down, minimize,
        // restore, maximize, roll-up, tray above the program's items.
        for (int i : {4, 3, 1, 2, 0})
            if (entries[i].Shown)
                items->Insert(0, NewSysMenuItem(entries[i].Name, entries[i].Key, TNotifyEvent(this, entries[i].Click)));
    }
    TMenuItem* close = NewSysMenuItem("BSF_CLOSE", "MI_CLOSECAPTION", TNotifyEvent(this, &TbsSkinForm::SysCloseClick));
    close->SetShortCut(CloseShortCut(Form()));
    items->Add(close);
    return items;
}

void TbsSkinForm::BuildTrayMenu()
{
    trayMenu_ = std::make_unique<TbsSkinPopupMenu>(nullptr);
    trayMenu_->HostForm = Form();
    trayMenu_->SkinForm = this;
    TMenuItem* items = trayMenu_->Items();
    items->Add(NewSysMenuItem("TRAY_BSF_RESTORE", "MI_RESTORECAPTION", TNotifyEvent(this, &TbsSkinForm::TrayRestoreClick)));
    items->Add(NewLine());
    TMenuItem* close =
        NewSysMenuItem("TRAY_BSF_CLOSE", "MI_CLOSECAPTION", TNotifyEvent(this, &TbsSkinForm::SysCloseClick));
    close->SetShortCut(CloseShortCut(Form()));
    items->Add(close);
}

void TbsSkinForm::SysMinimizeClick(TObject*)
{
    if (AlwaysMinimizeToTray)
        MinimizeToTray();
    else
        SetWindowState(wsMinimized);
}

void TbsSkinForm::SysMaximizeClick(TObject*) { SetWindowState(wsMaximized); }

void TbsSkinForm::SysRestoreClick(TObject*)
{
    // A frame rolled up while maximized, or rolled up in the normal state,
    // comes back to its height and stays where it is.
    if ((rollUpState_ && rolledUpWhileMaximized_) || (rollUpState_ && FormState == wsNormal))
        RollUp(false);
    else
        SetWindowState(wsNormal);
}

void TbsSkinForm::SysRollUpClick(TObject*) { RollUp(true); }

void TbsSkinForm::SysMinimizeToTrayClick(TObject*) { MinimizeToTray(); }

void TbsSkinForm::SysCloseClick(TObject*) { CloseForm(); }

void TbsSkinForm::TrayRestoreClick(TObject*) { RestoreFromTray(); }

void TbsSkinForm::RestoreFromTray()
{
    if (Tray != nullptr)
        Tray->RestoreFromTray();
}

void TbsSkinForm::ShowSysMenu(const TRect& ScreenRect)
{
    // The items are built anew: a chain still showing the old ones goes
    // first.
    if (SkinMenu()->ChainOpen())
        SkinMenu()->CloseMenu();
    TMenuItem* items = GetSystemMenuItems();
    if (items->Count() == 0)
        return;
    if (auto* popup = dynamic_cast<TbsSkinPopupMenu*>(items->GetParentMenu())) {
        popup->PopupAt(ScreenRect, false);
        return;
    }
    SkinMenuOpen();
    SkinMenu()->PopupRect(nullptr, menusSkinData_ ? menusSkinData_ : skinData_, false, items, ScreenRect, 0);
}

void TbsSkinForm::ShowSysMenuAtObject()
{
    for (auto& object : objects_) {
        TCaptionButton button;
        if (AsCaptionButton(object.get(), button) && button.Command == cmsysmenu && object->Visible) {
            ShowSysMenu(ScreenRect(object->ObjectRect));
            return;
        }
    }
    // No system-menu button: below the caption, at the frame's left.
    int top = SkinUsed ? metrics_.NewClRect.Top : defCaptionRect_.Bottom;
    ShowSysMenu(ScreenRect(TRect{0, 0, 0, top}));
}

void TbsSkinForm::ShowSysMenuAt(TPoint ScreenPoint)
{
    ShowSysMenu(TRect{ScreenPoint.X, ScreenPoint.Y, ScreenPoint.X, ScreenPoint.Y});
}

void TbsSkinForm::FormShortCut(TMessage& Msg, bool& Handled)
{
    if (OnShortCut) {
        OnShortCut(Msg, Handled);
        if (Handled)
            return;
    }
    if (KeyMessageShortCut(Msg) == ShortCut(VK_SPACE, TShiftState{ssAlt})) {
        ShowSysMenuAtObject();
        Handled = true;
    } else {
        Handled = MainMenuShortCut(Msg);
    }
}

void TbsSkinForm::UpdateButtons()
{
    bool dialogFrame = borderIcons_.Empty() || borderIcons_ == TbsBorderIcons{TbsBorderIcon::biSystemMenu};
    bool hasDialogClose = false;
    for (auto& object : objects_)
        hasDialogClose = hasDialogClose || object->IDName == "dialogclosebutton";
    for (auto& object : objects_) {
        TCaptionButton button;
        if (!AsCaptionButton(object.get(), button))
            continue;
        if (HideCaptionButtons) {
            object->Enabled = false;
            object->Visible = !object->SkinRectInAPicture;
            continue;
        }
        bool allowed = true;
        switch (button.Command) {
        case cmmaximize:
            allowed = borderIcons_.Contains(TbsBorderIcon::biMaximize);
            break;
        case cmminimize:
            allowed = borderIcons_.Contains(TbsBorderIcon::biMinimize);
            break;
        case cmrollup:
            allowed = borderIcons_.Contains(TbsBorderIcon::biRollUp);
            break;
        case cmminimizetotray:
            allowed = borderIcons_.Contains(TbsBorderIcon::biMinimizeToTray);
            break;
        case cmsysmenu:
            allowed = borderIcons_.Contains(TbsBorderIcon::biSystemMenu) && !DisableSystemMenu;
            break;
        case cmclose:
        case cmdefault:
            break;
        }
        object->Enabled = allowed;
        object->Visible = object->SkinRectInAPicture ? allowed : true;
        if (button.Command == cmdefault) {
            bool active = false;
            if (OnActivateCustomObject)
                OnActivateCustomObject(this, object->IDName, active);
            object->Visible = active;
        } else if (button.Command == cmclose && button.Standard) {
            // A dialog's frame may have a close button of its own look.
            bool shown = object->IDName == "dialogclosebutton" ? dialogFrame && hasDialogClose
                                                               : !(dialogFrame && hasDialogClose);
            object->Enabled = shown;
            object->Visible = shown;
        }
    }
    UpdateObjectHints();
}

void TbsSkinForm::UpdateObjectHints()
{
    if (!UseDefaultObjectHint || skinData_ == nullptr || objects_.empty())
        return;
    AnsiString restore = ResStr("RESTORE_HINT");
    for (auto& object : objects_) {
        TCaptionButton button;
        if (!AsCaptionButton(object.get(), button))
            continue;
        for (const THintText& hint : kHints) {
            if (hint.Command != button.Command)
                continue;
            object->Hint = ResStr(hint.Key);
            *button.NormalHint = object->Hint;
            *button.RestoreHint = restore;
        }
    }
}

void TbsSkinForm::ResStrChanged()
{
    UpdateObjectHints();
    TMenuItem* tray = trayMenu_->Items();
    for (int i = 0; i < tray->Count(); ++i) {
        if (tray->Items(i)->Name() == "TRAY_BSF_RESTORE")
            tray->Items(i)->SetCaption(ResStr("MI_RESTORECAPTION"));
        else if (tray->Items(i)->Name() == "TRAY_BSF_CLOSE")
            tray->Items(i)->SetCaption(ResStr("MI_CLOSECAPTION"));
    }
}
