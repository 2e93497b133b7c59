#include "platform/win/window_tree.h"

#include <algorithm>

#include "platform/win/window_internal.h"
#include "platform/win/window_lifecycle.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_styles.h"

namespace {

std::vector<HWND> Handles(const std::vector<TWindow*>& windows)
{
    std::vector<HWND> handles;
    handles.reserve(windows.size());
    for (TWindow* w : windows)
        handles.push_back(w->Handle);
    return handles;
}

bool IsInside(const TWindow* window, const TWindow* ancestor)
{
    for (const TWindow* w = window; w; w = w->Parent)
        if (w == ancestor)
            return true;
    return false;
}

bool EnumDescendants(const TWindow* parent, const WNDENUMPROC& callback, LPARAM param)
{
    for (HWND child : Handles(parent->Children)) {
        if (!WindowOf(child))
            continue;
        if (!callback(child, param))
            return false;
        if (TWindow* c = WindowOf(child); c && !EnumDescendants(c, callback, param))
            return false;
    }
    return true;
}

}  // namespace

HWND GetParent(HWND Window)
{
    TWindow* window = WindowOf(Window);
    if (!window || window->IsDesktop())
        return nullptr;
    if (window->Style & WS_CHILD)
        return window->Parent->Handle;
    if ((window->Style & WS_POPUP) && window->Owner)
        return window->Owner->Handle;
    return nullptr;
}

HWND SetParent(HWND Window, HWND NewParent)
{
    TWindow* window = WindowOf(Window);
    TWindow* parent = NewParent ? WindowOf(NewParent) : &DesktopRecord();
    // A window on its way out stays where its destruction will find it.
    if (!window || window->IsDesktop() || window->Destroying || !parent || IsInside(parent, window) ||
        parent->Destroying)
        return nullptr;
    HWND oldParent = window->Parent->Handle;
    HWND parentHandle = parent->Handle;
    TWindowPin pin(window);
    bool wasVisible = ShowWindow(Window, SW_HIDE);
    parent = WindowOf(parentHandle);
    if (window->Destroyed || !parent)
        return nullptr;
    bool wasTopLevel = window->IsTopLevel();
    UnlinkWindow(window);
    if (wasTopLevel && !parent->IsDesktop())
        DetachSurface(*window);
    if (!parent->IsDesktop())
        window->Owner = nullptr;
    LinkWindow(window, parent, HWND_TOP);
    if (!wasTopLevel && window->IsTopLevel())
        AttachSurface(*window);
    SetWindowPos(Window, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | (wasVisible ? SWP_SHOWWINDOW : 0u));
    return oldParent;
}

HWND GetWindow(HWND Window, UINT Relation)
{
    TWindow* window = WindowOf(Window);
    if (!window)
        return nullptr;
    if (Relation == GW_CHILD)
        return window->Children.empty() ? nullptr : window->Children.front()->Handle;
    if (Relation == GW_OWNER)
        return window->Owner ? window->Owner->Handle : nullptr;
    if (window->IsDesktop())
        return nullptr;
    const auto& siblings = window->Parent->Children;
    auto it = std::find(siblings.begin(), siblings.end(), window);
    switch (Relation) {
    case GW_HWNDFIRST:
        return siblings.front()->Handle;
    case GW_HWNDLAST:
        return siblings.back()->Handle;
    case GW_HWNDNEXT:
        return it + 1 == siblings.end() ? nullptr : (*(it + 1))->Handle;
    case GW_HWNDPREV:
        return it == siblings.begin() ? nullptr : (*(it - 1))->Handle;
    default:
        return nullptr;
    }
}

HWND GetTopWindow(HWND Window)
{
    return GetWindow(Window ? Window : GetDesktopWindow(), GW_CHILD);
}

HWND GetAncestor(HWND Window, UINT Flags)
{
    TWindow* window = WindowOf(Window);
    if (!window || window->IsDesktop())
        return nullptr;
    switch (Flags) {
    case GA_PARENT:
        return window->Parent->Handle;
    case GA_ROOT:
        return window->Root()->Handle;
    case GA_ROOTOWNER: {
        TWindow* root = window->Root();
        while (root->Owner)
            root = root->Owner;
        return root->Handle;
    }
    default:
        return nullptr;
    }
}

bool IsChild(HWND Parent, HWND Window)
{
    TWindow* parent = WindowOf(Parent);
    TWindow* window = WindowOf(Window);
    if (!parent || !window)
        return false;
    for (TWindow* w = window; w->Style & WS_CHILD; w = w->Parent)
        if (w->Parent == parent)
            return true;
    return false;
}

bool EnumChildWindows(HWND Parent, const WNDENUMPROC& Callback, LPARAM Param)
{
    TWindow* parent = Parent ? WindowOf(Parent) : &DesktopRecord();
    if (!parent || !Callback)
        return false;
    EnumDescendants(parent, Callback, Param);
    return true;
}

bool EnumWindows(const WNDENUMPROC& Callback, LPARAM Param)
{
    if (!Callback)
        return false;
    for (HWND h : Handles(DesktopRecord().Children))
        if (WindowOf(h) && !Callback(h, Param))
            break;
    return true;
}
