#include "platform/win/window_class.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/base/code_page.h"
#include "platform/win/win_messages.h"
#include "platform/win/window.h"

namespace {

struct Registry {
    std::vector<std::unique_ptr<TWindowClass>> Classes;
    std::vector<AnsiString> Messages;  // index + FirstRegisteredMessage is the number
    ATOM NextAtom = 0xC000;
};

Registry& TheRegistry()
{
    static Registry registry;
    return registry;
}

int CopyName(const AnsiString& name, char* buffer, int size)
{
    if (!buffer || size <= 0)
        return 0;
    int count = std::min(static_cast<int>(name.size()), size - 1);
    std::memcpy(buffer, name.data(), static_cast<size_t>(count));
    buffer[count] = '\0';
    return count;
}

}  // namespace

TWindowClass* FindWindowClass(const char* ClassName)
{
    if (!ClassName)
        return nullptr;
    for (auto& c : TheRegistry().Classes)
        if (SameText(c->Name, ClassName))
            return c.get();
    return nullptr;
}

ATOM RegisterClassEx(const WNDCLASSEX& Class)
{
    if (!Class.lpszClassName || !*Class.lpszClassName || FindWindowClass(Class.lpszClassName))
        return 0;
    Registry& registry = TheRegistry();
    auto c = std::make_unique<TWindowClass>();
    c->Atom = registry.NextAtom++;
    c->Name = Class.lpszClassName;
    c->Style = Class.style;
    c->Proc = Class.lpfnWndProc;
    c->Icon = Class.hIcon;
    c->Cursor = Class.hCursor;
    c->Background = Class.hbrBackground;
    c->SmallIcon = Class.hIconSm;
    ATOM atom = c->Atom;
    registry.Classes.push_back(std::move(c));
    return atom;
}

bool UnregisterClass(const char* ClassName)
{
    TWindowClass* c = FindWindowClass(ClassName);
    if (!c || c->Windows > 0)
        return false;
    auto& classes = TheRegistry().Classes;
    classes.erase(std::find_if(classes.begin(), classes.end(), [&](const auto& p) { return p.get() == c; }));
    return true;
}

bool GetClassInfoEx(const char* ClassName, WNDCLASSEX* Class)
{
    TWindowClass* c = FindWindowClass(ClassName);
    if (!c || !Class)
        return false;
    Class->style = c->Style;
    Class->lpfnWndProc = c->Proc;
    Class->hIcon = c->Icon;
    Class->hCursor = c->Cursor;
    Class->hbrBackground = c->Background;
    Class->lpszMenuName = nullptr;
    Class->lpszClassName = c->Name.c_str();
    Class->hIconSm = c->SmallIcon;
    return true;
}

AnsiString GetClassName(HWND Window)
{
    TWindow* window = WindowOf(Window);
    if (!window)
        return {};
    // The desktop's class is the platform's own.
    return window->Class ? window->Class->Name : AnsiString("#32769");
}

int GetClassName(HWND Window, char* Buffer, int Size)
{
    if (!WindowOf(Window))
        return 0;
    return CopyName(GetClassName(Window), Buffer, Size);
}

UINT RegisterWindowMessage(const char* Name)
{
    if (!Name || !*Name)
        return 0;
    auto& messages = TheRegistry().Messages;
    for (size_t i = 0; i < messages.size(); ++i)
        if (SameText(messages[i], Name))
            return FirstRegisteredMessage + static_cast<UINT>(i);
    messages.emplace_back(Name);
    return FirstRegisteredMessage + static_cast<UINT>(messages.size() - 1);
}
