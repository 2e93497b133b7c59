// TCustomEdit: properties, the window it makes, and the routing of messages
// between the class library's handling and the edit window's own.
#include "platform/ui/textedit/edit.h"

#include "platform/gdi/device_context.h"
#include "platform/ui/kernel/control_border.h"
#include "platform/ui/kernel/controls_messages.h"
#include "platform/win/caret.h"
#include "platform/win/cursor.h"
#include "platform/win/edit_control_messages.h"
#include "platform/win/focus.h"
#include "platform/win/paint.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/window_proc.h"
#include "platform/win/window_styles.h"

TCustomEdit::TCustomEdit(TComponent* AOwner) : TWinControl(AOwner)
{
    // The box paints all of its area itself, with the brush its parent
    // answers; erasing first would only flicker.
    SetControlStyle(TControlStyle{csClickEvents, csSetCaption, csDoubleClicks, csFixedHeight, csOpaque});
    SetBounds(Left(), Top(), 121, 25);
    SetTabStop(true);
    SetParentColor(false);
    SetAutoSize(true);
}

TCustomEdit::~TCustomEdit()
{
    if (measureDC_)
        DeleteDC(measureDC_);
}

TEdit::TEdit(TComponent* AOwner) : TCustomEdit(AOwner) {}

void TCustomEdit::SetHideSelection(bool Value)
{
    if (hideSelection_ == Value)
        return;
    hideSelection_ = Value;
    RecreateWnd();
}

void TCustomEdit::SetBorderStyle(TBorderStyle Value)
{
    if (borderStyle_ == Value)
        return;
    borderStyle_ = Value;
    RecreateWnd();
    if (AutoSize())
        AdjustSize();
}

void TCustomEdit::SetMaxLength(int Value)
{
    if (HandleAllocated())
        SendMessage(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(std::max(Value, 0)), 0);
    else
        buffer_.MaxLength = std::max(Value, 0);
}

void TCustomEdit::SetReadOnly(bool Value)
{
    if (HandleAllocated())
        SendMessage(Handle(), EM_SETREADONLY, Value, 0);
    else
        readOnly_ = Value;
}

void TCustomEdit::SetPasswordChar(char Value)
{
    if (passwordChar_ == Value)
        return;
    if (HandleAllocated())
        SendMessage(Handle(), EM_SETPASSWORDCHAR, static_cast<BYTE>(Value), 0);
    else
        passwordChar_ = Value;
}

bool TCustomEdit::Modified()
{
    return HandleAllocated() ? SendMessage(Handle(), EM_GETMODIFY, 0, 0) != 0 : modified_;
}

void TCustomEdit::SetModified(bool Value)
{
    if (HandleAllocated())
        SendMessage(Handle(), EM_SETMODIFY, Value, 0);
    else
        modified_ = Value;
}

bool TCustomEdit::CanUndo()
{
    return HandleAllocated() ? SendMessage(Handle(), EM_CANUNDO, 0, 0) != 0 : buffer_.CanUndo();
}

int TCustomEdit::SelStart()
{
    DWORD start = 0;
    SendMessage(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    return static_cast<int>(start);
}

void TCustomEdit::SetSelStart(int Value)
{
    SendMessage(Handle(), EM_SETSEL, static_cast<WPARAM>(Value), Value);
}

int TCustomEdit::SelLength()
{
    DWORD start = 0;
    DWORD end = 0;
    SendMessage(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return static_cast<int>(end - start);
}

void TCustomEdit::SetSelLength(int Value)
{
    int start = SelStart();
    SendMessage(Handle(), EM_SETSEL, static_cast<WPARAM>(start), start + Value);
}

AnsiString TCustomEdit::SelText()
{
    HandleNeeded();
    return buffer_.SelText();
}

void TCustomEdit::SetSelText(const AnsiString& Value)
{
    SendMessage(Handle(), EM_REPLACESEL, 1, reinterpret_cast<LPARAM>(Value.c_str()));
}

void TCustomEdit::SelectAll()
{
    SendMessage(Handle(), EM_SETSEL, 0, -1);
}

void TCustomEdit::ClearSelection()
{
    SendMessage(Handle(), WM_CLEAR, 0, 0);
}

void TCustomEdit::CopyToClipboard()
{
    SendMessage(Handle(), WM_COPY, 0, 0);
}

void TCustomEdit::CutToClipboard()
{
    SendMessage(Handle(), WM_CUT, 0, 0);
}

void TCustomEdit::PasteFromClipboard()
{
    SendMessage(Handle(), WM_PASTE, 0, 0);
}

void TCustomEdit::Undo()
{
    SendMessage(Handle(), WM_UNDO, 0, 0);
}

void TCustomEdit::ClearUndo()
{
    SendMessage(Handle(), EM_EMPTYUNDOBUFFER, 0, 0);
}

void TCustomEdit::Change()
{
    if (OnChange)
        OnChange(this);
}

void TCustomEdit::CreateParams(TCreateParams& Params)
{
    TWinControl::CreateParams(Params);
    Params.Style |= ES_AUTOHSCROLL | ES_AUTOVSCROLL;
    AddControlBorder(Params, borderStyle_, Ctl3D());
    if (passwordChar_ != '\0')
        Params.Style |= ES_PASSWORD;
    if (readOnly_)
        Params.Style |= ES_READONLY;
    if (!hideSelection_)
        Params.Style |= ES_NOHIDESEL;
    Params.WindowClass.hCursor = LoadCursor(nullptr, IDC_IBEAM);
}

void TCustomEdit::CreateWnd()
{
    TWinControl::CreateWnd();
    SendMessage(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), 0);
}

void TCustomEdit::DoEnter()
{
    if (AutoSelect && !ControlState().Contains(csLButtonDown) && !multiLine_)
        SelectAll();
    TWinControl::DoEnter();
}

bool TCustomEdit::CanAutoSize(int& /*NewWidth*/, int& NewHeight)
{
    if (multiLine_)
        return true;
    // The frame the window has, or will have from the border style.
    int frame = 0;
    if (HandleAllocated())
        frame = Height() - ClientHeight();
    else if (borderStyle_ == bsSingle)
        frame = Ctl3D() ? 4 : 2;
    // One pixel above the text, as the text area leaves, and one below.
    NewHeight = RowHeight() + 2 + frame;
    return true;
}

void TCustomEdit::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CN_COMMAND:
        if (HIWORD(Message.WParam) == EN_CHANGE)
            Change();
        return;
    case CM_FONTCHANGED: {
        TAlive alive(this);
        TWinControl::Dispatch(Message);
        if (!alive)
            return;
        if (HandleAllocated()) {
            SendMessage(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), 1);
        } else {
            font_ = nullptr;
            rowHeight_ = 0;
            if (AutoSize())
                AdjustSize();
        }
        return;
    }
    default:
        TWinControl::Dispatch(Message);
        return;
    }
}

void TCustomEdit::DefaultHandler(TMessage& Message)
{
    if (!EditMessage(Message))
        TWinControl::DefaultHandler(Message);
}

bool TCustomEdit::EditMessage(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_CREATE: {
        // The window's style decides what kind of box it is, once.
        const auto* create = reinterpret_cast<const CREATESTRUCT*>(Message.LParam);
        const DWORD style = create ? static_cast<DWORD>(create->style) : 0;
        multiLine_ = (style & ES_MULTILINE) != 0;
        wrap_ = multiLine_ && !(style & (ES_AUTOHSCROLL | WS_HSCROLL));
        vertBar_ = (style & WS_VSCROLL) != 0;
        horzBar_ = (style & WS_HSCROLL) != 0;
        alignment_ = (style & ES_RIGHT) ? taRightJustify : (style & ES_CENTER) ? taCenter : taLeftJustify;
        noHideSel_ = (style & ES_NOHIDESEL) != 0;
        readOnly_ = (style & ES_READONLY) != 0;
        if ((style & ES_PASSWORD) && passwordChar_ == '\0')
            passwordChar_ = '*';
        topRow_ = 0;
        scrollX_ = 0;
        Relayout();
        UpdateScrollBars();
        return false;
    }
    case WM_SETFONT:
        font_ = reinterpret_cast<HFONT>(Message.WParam);
        rowHeight_ = 0;
        Relayout();
        ClampScroll();
        ScrollToCaret();
        UpdateScrollBars();
        if (GetFocus() == Handle()) {
            MakeCaret();
            UpdateCaret();
            ShowCaret(Handle());
        }
        if (LOWORD(static_cast<uintptr_t>(Message.LParam)))
            InvalidateText();
        if (AutoSize())
            AdjustSize();
        return true;
    case WM_GETFONT:
        Message.Result = reinterpret_cast<LRESULT>(font_);
        return true;
    case WM_SIZE:
        if (WrapWidth() != layoutWidth_)
            Relayout();
        ClampScroll();
        ScrollToCaret();
        UpdateScrollBars();
        UpdateCaret();
        InvalidateText();
        return true;
    case WM_PAINT: {
        HWND window = Handle();
        if (HDC given = reinterpret_cast<HDC>(Message.WParam)) {
            PaintEdit(given);
        } else {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window, &paint);
            PaintEdit(dc);
            EndPaint(window, &paint);
        }
        return true;
    }
    case WM_SETFOCUS:
        MakeCaret();
        UpdateCaret();
        ShowCaret(Handle());
        if (buffer_.HasSelection())
            InvalidateText();
        return true;
    case WM_KILLFOCUS:
        EndTracking();
        pendingLead_ = 0;
        DestroyCaret();
        if (buffer_.HasSelection())
            InvalidateText();
        return true;
    case WM_ENABLE:
        InvalidateText();
        return false;
    case WM_GETDLGCODE:
        Message.Result = DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL | (multiLine_ ? DLGC_WANTALLKEYS : 0);
        return true;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        return KeyDownMessage(Message);
    case WM_CHAR:
        CharMessage(Message);
        return true;
    case WM_SYSCHAR:
        // Alt+Backspace undid already on its key; it must not beep.
        return Message.WParam == VK_BACK;
    case WM_HSCROLL:
    case WM_VSCROLL:
        ScrollMessage(Message, Message.Msg == WM_VSCROLL);
        return true;
    case WM_CONTEXTMENU: {
        TWMContextMenu menu(Message);
        PopupDefaultMenu(menu.Pos());
        return true;
    }
    default:
        return MouseMessage(Message) || TextMessage(Message);
    }
}
