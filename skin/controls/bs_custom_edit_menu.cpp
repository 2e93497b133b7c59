// The edit box's own context menu: a skinned popup menu with Undo, Cut,
// Copy, Paste, Delete and Select All, captioned from the captions of the
// skin of the form's frame, each item running the box's own edit method (so
// that the read-only rule holds for them too).
#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/kernel/menus.h"
#include "platform/win/clipboard_text.h"
#include "skin/controls/bs_custom_edit.h"
#include "skin/controls/bs_skin_form_base.h"
#include "skin/controls/bs_skin_menu.h"
#include "skin/controls/bs_skin_popup_menu.h"
#include "skin/data/bs_resource_str_data.h"
#include "skin/data/bs_skin_data.h"

namespace {

// Shown when the form has no frame, skin data or captions object.
const char* const kUndoText = "Undo";
const char* const kCutText = "Cut";
const char* const kCopyText = "Copy";
const char* const kPasteText = "Paste";
const char* const kDeleteText = "Delete";
const char* const kSelectAllText = "Select All";

// The captions of the skin of Form's frame; nullptr when any link is
// missing.
const TbsResourceStrData* CaptionsOf(TCustomForm* Form)
{
    TbsSkinFormBase* frame = FindSkinForm(Form);
    TbsSkinData* data = frame ? frame->SkinData() : nullptr;
    return data ? data->ResourceStrData() : nullptr;
}

}  // namespace

void TbsCustomEdit::ShowContextMenu(TPoint Screen)
{
    CreateContextMenu();
    // The menu key gives no point: the menu opens in the middle of the box.
    if (Screen.X < 0 || Screen.Y < 0)
        Screen = ClientToScreen(TPoint{Width() / 2, Height() / 2});
    contextMenu_->PopupForControl(this, Screen.X, Screen.Y);
}

void TbsCustomEdit::CreateContextMenu()
{
    FreeContextMenu();
    contextMenu_ = new TbsSkinPopupMenu(this);
    TCustomForm* form = GetParentForm(this);
    contextMenu_->HostForm = form;
    if (form && form->FormStyle() == fsMDIChild && Application)
        contextMenu_->HostForm = Application->MainForm();

    const TbsResourceStrData* captions = CaptionsOf(form);
    TMenuItem* items = contextMenu_->Items();
    auto add = [&](const char* Key, const char* Fallback, bool Enabled, void (TbsCustomEdit::*Action)()) {
        auto* item = new TMenuItem(contextMenu_);
        item->SetCaption(Key ? (captions ? captions->GetResStr(Key) : AnsiString(Fallback)) : AnsiString("-"));
        item->SetEnabled(Enabled);
        if (Action)
            item->OnClick = TNotifyEvent::FromCallable([this, Action](TObject*) { (this->*Action)(); });
        items->Add(item);
    };
    const int start = SelStart();
    const int length = SelLength();
    const bool selected = length > 0;
    const bool all = start == 0 && length == GetTextLen();
    AnsiString clip;
    const bool clipText = GetClipboardText(Handle(), clip) && !clip.empty();

    add("EDIT_UNDO", kUndoText, CanUndo(), &TbsCustomEdit::Undo);
    add(nullptr, nullptr, true, nullptr);
    add("EDIT_CUT", kCutText, selected && !readOnly_, &TbsCustomEdit::CutToClipboard);
    add("EDIT_COPY", kCopyText, selected, &TbsCustomEdit::CopyToClipboard);
    add("EDIT_PASTE", kPasteText, clipText && !readOnly_, &TbsCustomEdit::PasteFromClipboard);
    add("EDIT_DELETE", kDeleteText, selected && !readOnly_, &TbsCustomEdit::ClearSelection);
    add(nullptr, nullptr, true, nullptr);
    add("EDIT_SELECTALL", kSelectAllText, !all, &TbsCustomEdit::SelectAll);
}

void TbsCustomEdit::FreeContextMenu()
{
    if (!contextMenu_)
        return;
    TbsSkinFormBase* frame = contextMenu_->FindFrame();
    TbsSkinMenu* chain = frame ? frame->SkinMenu() : nullptr;
    if (chain && chain->ChainOpen() && chain->PopupCtrl() == this)
        chain->CloseMenu();
    TbsSkinPopupMenu* menu = contextMenu_;
    contextMenu_ = nullptr;
    delete menu;
}
