// TbsCustomEdit: the window it makes, its read-only rule, Enter and Escape,
// and the buffered transparent painting.
#include "skin/controls/bs_custom_edit.h"

#include "platform/gdi/bitmap.h"
#include "platform/gdi/blit.h"
#include "platform/gdi/dc_attributes.h"
#include "platform/gdi/device_context.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/kernel/controls_messages.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/win/caret.h"
#include "platform/win/clipboard_text.h"
#include "platform/win/edit_control_messages.h"
#include "platform/win/paint.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/window_attributes.h"
#include "platform/win/window_dc.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"
#include "skin/controls/bs_controls_messages.h"
#include "skin/controls/bs_skin_popup_menu.h"
#include "skin/data/bs_parent_image.h"

namespace {

constexpr char kCtrlC = 3;

// What a one-line box takes of pasted text: up to its first line break.
std::string_view FirstLine(std::string_view Text)
{
    return Text.substr(0, std::min(Text.find('\r'), Text.find('\n')));
}

}  // namespace

TbsCustomEdit::TbsCustomEdit(TComponent* AOwner) : TCustomMaskEdit(AOwner)
{
    SetControlStyle(TControlStyle(ControlStyle()).Include(csOpaque));
}

TbsCustomEdit::~TbsCustomEdit() { FreeContextMenu(); }

void TbsCustomEdit::BeforeDestruction()
{
    // While the box still has its window and the frame its chain: the
    // chain may show the menu's rows, which go with the box.
    FreeContextMenu();
    TCustomMaskEdit::BeforeDestruction();
}

void TbsCustomEdit::SetTransparent(bool Value)
{
    transparent_ = Value;
    RecreateWnd();
}

void TbsCustomEdit::CreateParams(TCreateParams& Params)
{
    TCustomMaskEdit::CreateParams(Params);
    Params.Style &= ~WS_BORDER;
    Params.ExStyle &= ~WS_EX_CLIENTEDGE;
    // A window of many lines, so that the skinned edit can narrow its text
    // rectangle for its image buttons; Enter, Ctrl+Enter and pasted line
    // breaks are kept from it, so it still holds one line.
    Params.Style |= PasswordChar() == '\0' ? ES_MULTILINE : ES_PASSWORD;
}

void TbsCustomEdit::Change()
{
    TAlive alive(this);
    TCustomMaskEdit::Change();
    if (alive && transparent_)
        PaintBuffered();
}

void TbsCustomEdit::Dispatch(TMessage& Message)
{
    if (KeyMessage(Message) || PaintMessage(Message))
        return;
    TAlive alive(this);
    switch (Message.Msg) {
    case WM_CUT:
    case WM_PASTE:
    case WM_CLEAR:
    case WM_UNDO:
        if (!readOnly_)
            TCustomMaskEdit::Dispatch(Message);
        return;
    case WM_SETFOCUS:
        TCustomMaskEdit::Dispatch(Message);
        if (alive && transparent_)
            PaintBuffered();
        if (alive && AutoSelect)
            SelectAll();
        return;
    case WM_KILLFOCUS:
    case WM_LBUTTONDOWN:
        TCustomMaskEdit::Dispatch(Message);
        if (alive && transparent_)
            PaintBuffered();
        return;
    case WM_SETFONT:
        TCustomMaskEdit::Dispatch(Message);
        if (alive && HandleAllocated())
            SendMessage(Handle(), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(2, 0));
        return;
    case WM_CONTEXTMENU:
        if (PopupMenu() != nullptr) {
            TCustomMaskEdit::Dispatch(Message);
            return;
        }
        ShowContextMenu(TWMContextMenu(Message).Pos());
        return;
    case WM_SKINMENUCOMMAND:
        FreeContextMenu();
        return;
    case CM_CANCELMODE:
        TCustomMaskEdit::Dispatch(Message);
        if (alive && OnCancelMode)
            OnCancelMode(reinterpret_cast<TObject*>(Message.LParam));
        return;
    default:
        TCustomMaskEdit::Dispatch(Message);
        return;
    }
}

bool TbsCustomEdit::KeyMessage(TMessage& Message)
{
    if (Message.Msg == WM_KEYDOWN && Message.WParam == VK_DELETE && readOnly_)
        return true;
    if (Message.Msg != WM_CHAR)
        return false;
    const auto key = static_cast<char>(Message.WParam);
    if (key == '\r' || key == '\x1B') {
        // The edit window below would take Enter as a new line; the form's
        // default and cancel buttons want these two keys instead.
        TAlive alive(this);
        char pressed = key;
        if (OnKeyPress)
            OnKeyPress(this, pressed);
        if (!alive)
            return true;
        if (TCustomForm* form = GetParentForm(this))
            form->Perform(CM_DIALOGKEY, Message.WParam, Message.LParam);
        return true;
    }
    if (readOnly_ && key != kCtrlC)
        return true;
    TAlive alive(this);
    TCustomMaskEdit::Dispatch(Message);
    if (alive && transparent_)
        PaintBuffered();
    return true;
}

void TbsCustomEdit::DefaultHandler(TMessage& Message)
{
    // Ctrl+Enter types a line feed, which the edit window of many lines
    // would take as a new line: the class library still hears the key, the
    // window does not.
    if (Message.Msg == WM_CHAR && Message.WParam == '\n')
        return;
    if (Message.Msg == WM_PASTE && (GetWindowLong(Handle(), GWL_STYLE) & ES_MULTILINE)) {
        PasteOneLine();
        return;
    }
    TCustomMaskEdit::DefaultHandler(Message);
}

void TbsCustomEdit::PasteOneLine()
{
    AnsiString text;
    if (!GetClipboardText(Handle(), text))
        return;
    const AnsiString line(FirstLine(text));
    SendMessage(Handle(), EM_REPLACESEL, 1, reinterpret_cast<LPARAM>(line.c_str()));
}

bool TbsCustomEdit::PaintMessage(TMessage& Message)
{
    const bool designing = ComponentState().Contains(csDesigning);
    switch (Message.Msg) {
    case WM_PAINT: {
        if (designing || painting_ || !transparent_)
            return false;
        if (auto given = reinterpret_cast<HDC>(Message.WParam)) {
            PaintBufferedToDC(given);
            return true;
        }
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(Handle(), &paint);
        PaintBufferedToDC(dc);
        EndPaint(Handle(), &paint);
        return true;
    }
    case WM_ERASEBKGND:
        if (designing || !transparent_)
            return false;
        if (painting_)
            ErasedByParent(reinterpret_cast<HDC>(Message.WParam));
        else
            PaintBuffered();
        Message.Result = 1;
        return true;
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORSTATIC: {
        if (designing || !transparent_)
            return false;
        auto dc = reinterpret_cast<HDC>(Message.WParam);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, ColorToRGB(Font()->Color()));
        Message.Result = reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
        return true;
    }
    default:
        return false;
    }
}

void TbsCustomEdit::ErasedByParent(HDC DC)
{
    TBitmap image;
    image.SetSize(Width(), Height());
    GetParentImage(this, image.Canvas());
    TCanvas canvas;
    canvas.SetHandle(DC);
    canvas.Draw(0, 0, &image);
    canvas.SetHandle(nullptr);
}

void TbsCustomEdit::PaintBuffered()
{
    if (!HandleAllocated())
        return;
    HWND window = Handle();
    HDC dc = GetDC(window);
    PaintBufferedInto(dc, true);
    ReleaseDC(window, dc);
}

void TbsCustomEdit::PaintBufferedToDC(HDC DC)
{
    if (HandleAllocated())
        PaintBufferedInto(DC, false);
}

void TbsCustomEdit::PaintBufferedInto(HDC Target, bool HideTheCaret)
{
    HWND window = Handle();
    const TPoint size = BufferedSize();
    TAlive alive(this);
    painting_ = true;
    if (HideTheCaret)
        HideCaret(window);
    HDC memory = CreateCompatibleDC(Target);
    HBITMAP bitmap = CreateCompatibleBitmap(Target, size.X + 1, size.Y + 1);
    HGDIOBJ old = SelectObject(memory, bitmap);
    SendMessage(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory), 0);
    SendMessage(window, WM_PAINT, reinterpret_cast<WPARAM>(memory), 0);
    BitBlt(Target, 0, 0, size.X, size.Y, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    if (!alive)
        return;
    if (HideTheCaret)
        ShowCaret(window);
    painting_ = false;
}
