// Window classes and registered message numbers. Class names and message
// names are compared without regard to the case of ASCII letters.
#pragma once

#include <string>

#include "platform/gdi/gdi_object.h"
#include "platform/win/win_types.h"
#include "platform/base/ansi_string.h"

struct WNDCLASSEX {
    UINT style = 0;             // CS_ flags
    WNDPROC lpfnWndProc;        // empty: DefWindowProc
    HICON hIcon = nullptr;
    HCURSOR hCursor = nullptr;
    HBRUSH hbrBackground = nullptr;  // what DefWindowProc erases with; 0 erases nothing
    const char* lpszMenuName = nullptr;
    const char* lpszClassName = nullptr;
    HICON hIconSm = nullptr;
};
using WNDCLASS = WNDCLASSEX;

// A registered class, as the window records refer to it.
struct TWindowClass {
    ATOM Atom = 0;
    AnsiString Name;
    UINT Style = 0;
    WNDPROC Proc;
    HICON Icon = nullptr;
    HCURSOR Cursor = nullptr;
    HBRUSH Background = nullptr;
    HICON SmallIcon = nullptr;
    int Windows = 0;  // live windows of the class; a class in use cannot be unregistered
};

// Returns the class atom, or 0 when the name is missing or already taken.
ATOM RegisterClassEx(const WNDCLASSEX& Class);
inline ATOM RegisterClass(const WNDCLASS& Class) { return RegisterClassEx(Class); }
// Fails while windows of the class exist.
bool UnregisterClass(const char* ClassName);
bool GetClassInfoEx(const char* ClassName, WNDCLASSEX* Class);
// The registered class by name, or nullptr.
TWindowClass* FindWindowClass(const char* ClassName);

// Copies the window's class name into Buffer (at most Size - 1 bytes and a
// terminating zero) and returns the bytes copied; 0 for a stale handle.
int GetClassName(HWND Window, char* Buffer, int Size);
AnsiString GetClassName(HWND Window);

// A message number unique in this run for the name (0xC000 and up); the
// same name always gets the same number. 0 for an empty name.
UINT RegisterWindowMessage(const char* Name);
