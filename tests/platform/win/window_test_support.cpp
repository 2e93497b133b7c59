#include <gtest/gtest.h>

#include "window_test_support.h"

#include <algorithm>

namespace {

TMessageLog* current = nullptr;
const char* ClassName = "TandrilLogWindow";

}  // namespace

TMessageLog::TMessageLog()
{
    current = this;
    if (!FindWindowClass(ClassName)) {
        WNDCLASSEX c;
        c.lpszClassName = ClassName;
        c.lpfnWndProc = &TMessageLog::Proc;
        RegisterClassEx(c);
    }
}

TMessageLog::~TMessageLog()
{
    Hook = nullptr;
    for (HWND h : made_)
        DestroyWindow(h);
    current = nullptr;
}

HWND TMessageLog::Make(const std::string& Name, DWORD Style, HWND Parent, TRect Bounds, DWORD ExStyle)
{
    pending_ = Name;
    HWND h = CreateWindowEx(ExStyle, ClassName, Name.c_str(), Style, Bounds.Left, Bounds.Top, Bounds.Width(),
                            Bounds.Height(), Parent, 0, nullptr);
    pending_.clear();
    if (h)
        made_.push_back(h);
    return h;
}

std::vector<std::string> TMessageLog::Take()
{
    return std::exchange(entries_, {});
}

const std::string& TMessageLog::NameOf(HWND Window)
{
    auto it = names_.find(Window);
    if (it == names_.end())
        it = names_.emplace(Window, pending_).first;
    return it->second;
}

HWND TMessageLog::Find(const std::string& Name) const
{
    for (const auto& [h, n] : names_)
        if (n == Name && IsWindow(h))
            return h;
    return nullptr;
}

LRESULT TMessageLog::Proc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    TMessageLog* log = current;
    if (!log)
        return DefWindowProc(Window, Message, WParam, LParam);
    std::string name = log->NameOf(Window);
    // Messages this log has no name for belong to other areas (painting,
    // activation) and stay out of it.
    std::string message = MessageName(Message);
    if (message != "other" && std::find(log->Ignored.begin(), log->Ignored.end(), Message) == log->Ignored.end())
        log->entries_.push_back(name + ":" + message);
    LRESULT result = 0;
    if (log->Hook && log->Hook(name, Window, Message, WParam, LParam, result))
        return result;
    return DefWindowProc(Window, Message, WParam, LParam);
}

const char* MessageName(UINT Message)
{
    switch (Message) {
#define NAME(m) \
    case m:     \
        return #m
        NAME(WM_CREATE);
        NAME(WM_DESTROY);
        NAME(WM_MOVE);
        NAME(WM_SIZE);
        NAME(WM_ENABLE);
        NAME(WM_SETTEXT);
        NAME(WM_GETTEXT);
        NAME(WM_GETTEXTLENGTH);
        NAME(WM_CLOSE);
        NAME(WM_SHOWWINDOW);
        NAME(WM_CANCELMODE);
        NAME(WM_CHILDACTIVATE);
        NAME(WM_GETMINMAXINFO);
        NAME(WM_WINDOWPOSCHANGING);
        NAME(WM_WINDOWPOSCHANGED);
        NAME(WM_STYLECHANGING);
        NAME(WM_STYLECHANGED);
        NAME(WM_NCCREATE);
        NAME(WM_NCDESTROY);
        NAME(WM_NCCALCSIZE);
        NAME(WM_NCHITTEST);
        NAME(WM_TIMER);
        NAME(WM_PARENTNOTIFY);
        NAME(WM_USER);
#undef NAME
    default:
        return "other";
    }
}
