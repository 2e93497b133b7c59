// The frame of a multiple-document child: it reports its moves and states
// to its parent's frame, maximizes into the parent's client area, lines up
// minimized at the client's bottom, and keeps its item in the parent's
// Window menu and its tab in the parent's tabs bar.
#include "platform/ui/kernel/custom_form.h"
#include "platform/ui/kernel/menus.h"
#include "platform/ui/kernel/timer.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"
#include "platform/win/window_tree.h"
#include "skin/controls/bs_skin_status_bar.h"
#include "skin/data/bs_skin_data_messages.h"
#include "skin/form/bs_find_skin_form.h"
#include "skin/form/bs_minimized_pos.h"
#include "skin/form/bs_skin_form.h"
#include "skin/form/bs_skin_main_menu.h"

namespace {

constexpr const char* ChildItemSuffix = "_BSFCHILDITEM";

// The child's name an item of the Window menu stands for, or empty.
AnsiString ChildNameOf(const TMenuItem* Item)
{
    AnsiString name = Item->Name();
    const size_t at = name.find(ChildItemSuffix);
    if (at == AnsiString::npos)
        return {};
    name.erase(at, std::char_traits<char>::length(ChildItemSuffix));
    return name;
}

bool IsChildItem(const TMenuItem* Item) { return Item->Name().find(ChildItemSuffix) != AnsiString::npos; }

}  // namespace

TCustomForm* TbsSkinForm::MDIParentForm() const
{
    TCustomForm* form = Form();
    if (form->FormStyle() != fsMDIChild || !form->HandleAllocated())
        return nullptr;
    HWND client = GetParent(form->Handle());
    return dynamic_cast<TCustomForm*>(FindControl(client ? GetParent(client) : nullptr));
}

bool TbsSkinForm::MDIChildFrameless() const
{
    return Skinnable && FormState == wsMaximized && Form()->FormStyle() == fsMDIChild;
}

TbsSkinForm* TbsSkinForm::MDIParentFrame() const { return FindSkinFormComponent(MDIParentForm()); }

void TbsSkinForm::SendToMDIParent(UINT Msg, WPARAM WParam)
{
    if (TCustomForm* parent = MDIParentForm())
        SendMessage(parent->Handle(), Msg, WParam, 0);
}

void TbsSkinForm::MaximizeMDIChild()
{
    TCustomForm* form = Form();
    MouseTimer()->SetEnabled(false);
    ResetTracking();
    TbsSkinForm* parent = MDIParentFrame();
    TRect r = parent ? parent->MDIClientRect() : TRect{};
    if (!parent) {
        GetClientRect(GetParent(form->Handle()), &r);
    }
    int oldWidth = form->Width();
    int oldHeight = form->Height();
    form->SetBounds(0, 0, r.Width(), r.Height());
    if (form->Width() == oldWidth && form->Height() == oldHeight)
        SizeNudge();
    SendToMDIParent(WM_SKINMDICHILDMAXIMIZED, 0);
    if (StatusBar != nullptr && StatusBar->SizeGrip())
        StatusBar->SetGripVisible(false);
    if (OnMaximize)
        OnMaximize(this);
}

TPoint TbsSkinForm::MDIMinimizedPos() const
{
    TCustomForm* form = Form();
    TRect area;
    GetClientRect(GetParent(form->Handle()), &area);
    std::vector<TPoint> taken;
    if (TCustomForm* parent = MDIParentForm())
        for (TCustomForm* other : parent->MDIChildList()) {
            TbsSkinForm* frame = FindSkinFormComponent(other);
            if (other != form && other->Visible() && frame && frame->WindowState() == wsMinimized)
                taken.push_back({other->Left(), other->Top()});
        }
    return MinimizedPlace(area, GetMinWidth(), GetMinHeight(), taken);
}

void TbsSkinForm::CheckWindowMenu()
{
    TCustomForm* parent = MDIParentForm();
    TMenuItem* menu = parent ? parent->WindowMenu() : nullptr;
    if (!menu)
        return;
    TCustomForm* active = parent->ActiveMDIChild();
    for (int i = 0; i < menu->Count(); ++i)
        if (TMenuItem* item = menu->Items(i); IsChildItem(item))
            item->SetChecked(active != nullptr && ChildNameOf(item) == active->Name());
}

void TbsSkinForm::WindowMenuClick(TObject* Sender)
{
    auto* item = dynamic_cast<TMenuItem*>(Sender);
    TCustomForm* parent = MDIParentForm();
    if (!item || !parent)
        return;
    AnsiString name = ChildNameOf(item);
    const std::vector<TCustomForm*> children = parent->MDIChildList();
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        TCustomForm* child = *it;
        if (child->Name() != name)
            continue;
        TbsSkinForm* frame = FindSkinFormComponent(child);
        if (frame && frame->WindowState() == wsMinimized)
            frame->SetFrameWindowState(wsNormal);
        child->Show();
    }
}

void TbsSkinForm::ChildShown(bool Shown)
{
    TCustomForm* form = Form();
    TCustomForm* parent = MDIParentForm();
    if (!parent)
        return;
    TbsSkinForm* parentFrame = FindSkinFormComponent(parent);
    TMenuItem* menu = parent->WindowMenu();
    if (Shown) {
        if (menu) {
            auto* item = new TMenuItem(this);
            item->SetName(form->Name() + ChildItemSuffix);
            item->SetCaption(form->Caption());
            item->OnClick = TNotifyEvent(this, &TbsSkinForm::WindowMenuClick);
            menu->Add(item);
        }
        bool accept = true;
        if (OnAcceptToMDITabsBar)
            OnAcceptToMDITabsBar(this, accept);
        if (accept && parentFrame && parentFrame->MDITabsBar)
            parentFrame->MDITabsBar->AddTab(form);
        return;
    }
    if (menu) {
        for (int i = 0; i < menu->Count(); ++i)
            if (TMenuItem* item = menu->Items(i); IsChildItem(item) && ChildNameOf(item) == form->Name()) {
                delete item;
                break;
            }
        bool othersShown = false;
        for (TCustomForm* other : parent->MDIChildList())
            othersShown |= other != form && other->Visible();
        for (int i = 0; i < menu->Count() && !othersShown; ++i)
            if (TMenuItem* item = menu->Items(i); IsChildItem(item)) {
                delete item;
                break;
            }
    }
    if (parentFrame && parentFrame->MDITabsBar)
        parentFrame->MDITabsBar->DeleteTab(form);
}

void TbsSkinForm::RefreshParentMenuBar()
{
    TbsSkinForm* parentFrame = FindSkinFormComponent(MDIParentForm());
    TbsSkinMainMenuBar* bar = parentFrame ? parentFrame->MainMenuBar : nullptr;
    if (bar && (bar->MergeMenu || bar->GetChildMainMenu()))
        bar->UpdateItems();
}

void TbsSkinForm::ChildGoing()
{
    // The parent leaves this child out of both: the restore first, so that
    // the last scroll range is the one without it.
    SendToMDIParent(WM_SKINMDICHILDNOTMAXIMIZED, 0);
    SendToMDIParent(WM_SKINMDICHILDCHANGED, reinterpret_cast<WPARAM>(Form()->Handle()));
}

void TbsSkinForm::MDIAfter(const TMessage& Message)
{
    TCustomForm* form = Form();
    if (form->ComponentState().Contains(csDestroying)) {
        // A child being freed (caFree) still tells its parent while its
        // window is there, or a maximized one would leave the parent's
        // frame and bars maximized. Nothing else: a form being freed is no
        // longer a form by the time its controls go.
        if (Message.Msg == WM_DESTROY && form->FormStyle() == fsMDIChild)
            ChildGoing();
        return;
    }
    if (form->FormStyle() == fsMDIForm) {
        if ((Message.Msg == WM_SHOWWINDOW && Message.WParam) || Message.Msg == WM_SKINDATA_SKINNABLEFORMCHANGED)
            HookMDIClient();
        return;
    }
    if (form->FormStyle() != fsMDIChild)
        return;
    switch (Message.Msg) {
    case WM_SHOWWINDOW: {
        bool shown = Message.WParam != 0;
        ChildShown(shown);
        SendToMDIParent(WM_SKINMDICHILDCHANGED, shown ? 0 : reinterpret_cast<WPARAM>(form->Handle()));
        // A maximized child that hides may have been the last one: the
        // parent's bars drop its buttons.
        if (!shown)
            SendToMDIParent(WM_SKINMDICHILDNOTMAXIMIZED, 0);
        if (shown && !mdiShownOnce_) {
            mdiShownOnce_ = true;
            TCustomForm* parent = MDIParentForm();
            if (parent && SendMessage(parent->Handle(), WM_SKINMDIQUERYMAXIMIZED, 0, 0) &&
                borderIcons_.Contains(TbsBorderIcon::biMaximize))
                SetFrameWindowState(wsMaximized);
        }
        break;
    }
    case WM_WINDOWPOSCHANGED: {
        auto* pos = reinterpret_cast<const WINDOWPOS*>(Message.LParam);
        if (pos && (pos->flags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE))
            SendToMDIParent(WM_SKINMDICHILDCHANGED, 0);
        break;
    }
    case WM_DESTROY:
        if (form->Visible())
            ChildShown(false);
        ChildGoing();
        break;
    case WM_SETTEXT:
        if (TCustomForm* parent = MDIParentForm()) {
            if (TMenuItem* menu = parent->WindowMenu())
                for (int i = 0; i < menu->Count(); ++i)
                    if (TMenuItem* item = menu->Items(i); IsChildItem(item) && item->Owner() == this)
                        item->SetCaption(form->Caption());
            TbsSkinForm* parentFrame = FindSkinFormComponent(parent);
            if (parentFrame && parentFrame->MDITabsBar)
                parentFrame->MDITabsBar->UpdateTab(form);
            // The parent's title names its maximized child.
            if (parentFrame && FormState == wsMaximized)
                parentFrame->RepaintFrame();
        }
        break;
    case WM_NCACTIVATE:
        CheckWindowMenu();
        if (TbsSkinForm* parentFrame = FindSkinFormComponent(MDIParentForm()); parentFrame && parentFrame->MDITabsBar)
            parentFrame->MDITabsBar->UpdateTabs();
        RefreshParentMenuBar();
        break;
    default:
        break;
    }
}
