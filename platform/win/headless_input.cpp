// Input for tests, through the back end's event entries.
#include "platform/win/headless_input.h"

#include <cctype>

#include "platform/base/code_page.h"
#include "platform/win/backend.h"
#include "platform/win/drop_files.h"
#include "platform/win/headless_backend.h"
#include "platform/win/keyboard.h"
#include "platform/win/window.h"

namespace {

bool IsExtendedKey(UINT vk)
{
    switch (vk) {
    case VK_INSERT: case VK_DELETE: case VK_HOME: case VK_END: case VK_PRIOR: case VK_NEXT:
    case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN: case VK_RCONTROL: case VK_RMENU:
    case VK_DIVIDE: case VK_NUMLOCK: case VK_SNAPSHOT: case VK_LWIN: case VK_RWIN: case VK_APPS:
        return true;
    default:
        return false;
    }
}

char ShiftedSymbol(UINT vk, char plain)
{
    if (vk >= '0' && vk <= '9')
        return ")!@#$%^&*("[vk - '0'];
    if (vk < VK_OEM_1)
        return plain;
    switch (plain) {
    case ';': return ':';
    case '=': return '+';
    case ',': return '<';
    case '-': return '_';
    case '.': return '>';
    case '/': return '?';
    case '`': return '~';
    case '[': return '{';
    case '\\': return '|';
    case ']': return '}';
    case '\'': return '"';
    default: return plain;
    }
}

// The surface of the top-level window keys go to.
HWND KeySurface()
{
    const TInputState& input = InputState();
    TWindow* window = WindowOf(input.Focus ? input.Focus : input.Active);
    return window && !window->IsDesktop() ? window->Root()->Handle : nullptr;
}

// The topmost visible surface under a point.
HWND SurfaceAt(TPoint screen)
{
    THeadlessBackend* headless = HeadlessBackend();
    if (!headless)
        return nullptr;
    for (const THeadlessBackend::TSurface& surface : headless->Surfaces())
        if (surface.Visible && !surface.Minimized && PtInRect(surface.Bounds, screen))
            return surface.Window;
    return nullptr;
}

void SendKey(UINT vk, bool down, const AnsiString& text, std::u32string_view untypable = {})
{
    TBackendKeyEvent event;
    event.Surface = KeySurface();
    event.Down = down;
    event.VirtualKey = vk;
    event.ScanCode = MapVirtualKey(vk, MAPVK_VK_TO_VSC);
    event.Extended = IsExtendedKey(vk);
    event.Text = text;
    event.Untypable = untypable;
    if (BackendEvents().Key)
        BackendEvents().Key(event);
}

void SendMouse(TBackendMouseEvent::TKind kind, TPoint screen, int button = 0, int delta = 0)
{
    TBackendMouseEvent event;
    event.Kind = kind;
    event.Surface = SurfaceAt(screen);
    event.Screen = screen;
    event.Button = button;
    event.WheelDelta = delta;
    if (BackendEvents().Mouse)
        BackendEvents().Mouse(event);
}

void MoveTo(TPoint screen)
{
    if (!(InputState().Cursor == screen))
        SendMouse(TBackendMouseEvent::Move, screen);
}

void Stroke(UINT vk, UINT modifiers, const AnsiString& text)
{
    const UINT keys[] = {VK_CONTROL, VK_SHIFT, VK_MENU};
    const UINT flags[] = {InjectCtrl, InjectShift, InjectAlt};
    for (int i = 0; i < 3; ++i)
        if (modifiers & flags[i])
            SendKey(keys[i], true, {});
    SendKey(vk, true, text);
    SendKey(vk, false, {});
    for (int i = 2; i >= 0; --i)
        if (modifiers & flags[i])
            SendKey(keys[i], false, {});
}

}  // namespace

AnsiString KeyText(UINT VirtualKey, bool Shift, bool Ctrl)
{
    if (Ctrl) {
        if (VirtualKey >= 'A' && VirtualKey <= 'Z')
            return AnsiString(1, static_cast<char>(VirtualKey - 'A' + 1));
        if (VirtualKey == VK_RETURN)
            return "\n";
        if (VirtualKey == VK_BACK)
            return "\x7F";
        return {};
    }
    auto plain = static_cast<char>(MapVirtualKey(VirtualKey, MAPVK_VK_TO_CHAR));
    if (!plain)
        return {};
    if (VirtualKey >= 'A' && VirtualKey <= 'Z')
        return AnsiString(1, Shift ? plain : static_cast<char>(std::tolower(plain)));
    return AnsiString(1, Shift ? ShiftedSymbol(VirtualKey, plain) : plain);
}

void InjectKeyDown(UINT VirtualKey, const AnsiString& Text)
{
    SendKey(VirtualKey, true, Text);
}

void InjectKeyUp(UINT VirtualKey)
{
    SendKey(VirtualKey, false, {});
}

void InjectKeyStroke(UINT VirtualKey, UINT Modifiers)
{
    Stroke(VirtualKey, Modifiers, KeyText(VirtualKey, Modifiers & InjectShift, Modifiers & InjectCtrl));
}

void InjectText(const AnsiString& Text)
{
    for (size_t i = 0; i < Text.size();) {
        size_t length = CharLengthAt(Text, i);
        AnsiString character = Text.substr(i, length);
        i += length;
        if (length > 1) {
            Stroke(VK_PROCESSKEY, 0, character);
            continue;
        }
        auto c = static_cast<unsigned char>(character[0]);
        if (std::isalpha(c))
            Stroke(static_cast<UINT>(std::toupper(c)), std::isupper(c) ? UINT{InjectShift} : 0u, character);
        else if (std::isdigit(c) || c == ' ')
            Stroke(c, 0, character);
        else
            Stroke(VK_PACKET, 0, character);
    }
}

void InjectCommittedText(std::u32string_view Text)
{
    std::u32string untypable;
    const AnsiString text = Utf32ToGbkApart(Text, untypable);
    SendKey(VK_PROCESSKEY, true, text, untypable);
    SendKey(VK_PROCESSKEY, false, {});
}

void InjectMouseMove(TPoint Screen)
{
    SendMouse(TBackendMouseEvent::Move, Screen);
}

void InjectMouseDown(TPoint Screen, int Button)
{
    MoveTo(Screen);
    SendMouse(TBackendMouseEvent::ButtonDown, Screen, Button);
}

void InjectMouseUp(TPoint Screen, int Button)
{
    MoveTo(Screen);
    SendMouse(TBackendMouseEvent::ButtonUp, Screen, Button);
}

void InjectClick(TPoint Screen, int Button)
{
    InjectMouseDown(Screen, Button);
    InjectMouseUp(Screen, Button);
}

void InjectWheel(TPoint Screen, int Delta)
{
    MoveTo(Screen);
    SendMouse(TBackendMouseEvent::Wheel, Screen, 0, Delta);
}

void InjectHorizontalWheel(TPoint Screen, int Delta)
{
    MoveTo(Screen);
    SendMouse(TBackendMouseEvent::HorizontalWheel, Screen, 0, Delta);
}

void InjectMouseLeave()
{
    SendMouse(TBackendMouseEvent::Leave, InputState().Cursor);
}

bool InjectDrop(TPoint Screen, const std::vector<AnsiString>& Files)
{
    TBackendDropEvent event;
    event.Surface = SurfaceAt(Screen);
    event.Screen = Screen;
    event.Files = Files;
    return BackendDropEvents().Drop && BackendDropEvents().Drop(event);
}

void InjectSurfaceFocus(HWND Window, bool Gained)
{
    if (BackendEvents().Focus)
        BackendEvents().Focus(Window, Gained);
}
