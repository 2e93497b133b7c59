// The order of siblings. Top-level windows with WS_EX_TOPMOST always come
// before the others; child windows have no such groups.
#include <algorithm>

#include "platform/win/backend.h"
#include "platform/win/window_internal.h"
#include "platform/win/window_styles.h"

namespace {

bool IsTopmost(const TWindow* w)
{
    return w->IsTopLevel() && (w->ExStyle & WS_EX_TOPMOST);
}

// Whether some owner up the chain stays on top.
bool OwnerTopmost(const TWindow* w)
{
    for (const TWindow* owner = w->Owner; owner; owner = owner->Owner)
        if (IsTopmost(owner))
            return true;
    return false;
}

size_t FirstNonTopmost(const std::vector<TWindow*>& siblings)
{
    size_t i = 0;
    while (i < siblings.size() && IsTopmost(siblings[i]))
        ++i;
    return i;
}

// Where the window goes among the siblings (which no longer hold it); a
// top-level window may gain or lose WS_EX_TOPMOST on the way.
size_t InsertIndex(TWindow* window, const std::vector<TWindow*>& siblings, HWND after)
{
    bool topLevel = window->IsTopLevel();
    if (!topLevel) {
        if (after == HWND_BOTTOM)
            return siblings.size();
        for (size_t i = 0; i < siblings.size(); ++i)
            if (siblings[i]->Handle == after)
                return i + 1;
        return 0;
    }
    // A window owned by a stay-on-top one stays on top as well: among the
    // others it would open hidden behind its owner.
    if (OwnerTopmost(window) && after != HWND_NOTOPMOST && after != HWND_BOTTOM)
        window->ExStyle |= WS_EX_TOPMOST;
    if (after == HWND_TOPMOST) {
        window->ExStyle |= WS_EX_TOPMOST;
        return 0;
    }
    if (after == HWND_NOTOPMOST) {
        window->ExStyle &= ~WS_EX_TOPMOST;
        return FirstNonTopmost(siblings);
    }
    if (after == HWND_BOTTOM) {
        window->ExStyle &= ~WS_EX_TOPMOST;
        return siblings.size();
    }
    size_t firstNormal = FirstNonTopmost(siblings);
    size_t index = IsTopmost(window) ? 0 : firstNormal;
    for (size_t i = 0; i < siblings.size(); ++i) {
        if (siblings[i]->Handle != after)
            continue;
        index = i + 1;
        // Below a normal window a topmost one becomes normal; a normal one
        // cannot go among the topmost.
        if (index > firstNormal)
            window->ExStyle &= ~WS_EX_TOPMOST;
        else if (!IsTopmost(window))
            index = firstNormal;
        break;
    }
    return index;
}

bool IsOwnedBy(const TWindow* window, const TWindow* owner)
{
    for (const TWindow* w = window->Owner; w; w = w->Owner)
        if (w == owner)
            return true;
    return false;
}

// The window right above a top-level window, for the back end.
HWND Above(TWindow* window)
{
    auto& siblings = window->Parent->Children;
    auto it = std::find(siblings.begin(), siblings.end(), window);
    return it == siblings.begin() ? nullptr : (*(it - 1))->Handle;
}

}  // namespace

void LinkWindow(TWindow* Window, TWindow* Parent, HWND InsertAfter)
{
    Window->Parent = Parent;
    auto& siblings = Parent->Children;
    siblings.insert(siblings.begin() + static_cast<std::ptrdiff_t>(InsertIndex(Window, siblings, InsertAfter)), Window);
}

void UnlinkWindow(TWindow* Window)
{
    if (Window->Parent)
        std::erase(Window->Parent->Children, Window);
}

bool RestackWindow(TWindow* Window, HWND InsertAfter, bool OwnedToo)
{
    auto& siblings = Window->Parent->Children;
    std::vector<TWindow*> before = siblings;
    UnlinkWindow(Window);
    LinkWindow(Window, Window->Parent, InsertAfter);
    std::vector<TWindow*> moved{Window};
    if (OwnedToo && Window->IsTopLevel()) {
        // Owned windows stay above their owner, in their own order, and
        // follow it on top; topmost ones of a normal owner are already
        // where they must be.
        std::vector<TWindow*> owned;
        for (TWindow* w : siblings) {
            if (!IsOwnedBy(w, Window))
                continue;
            if (IsTopmost(Window))
                w->ExStyle |= WS_EX_TOPMOST;
            if (IsTopmost(w) == IsTopmost(Window))
                owned.push_back(w);
        }
        for (TWindow* w : owned)
            std::erase(siblings, w);
        auto at = std::find(siblings.begin(), siblings.end(), Window);
        siblings.insert(at, owned.begin(), owned.end());
        moved.insert(moved.end(), owned.begin(), owned.end());
    }
    if (siblings == before)
        return false;
    // Top down, so that each surface goes below one already in place.
    if (Window->IsTopLevel())
        for (TWindow* w : std::vector<TWindow*>(siblings))
            if (std::find(moved.begin(), moved.end(), w) != moved.end())
                Backend().RestackSurface(w->Handle, Above(w));
    return true;
}
