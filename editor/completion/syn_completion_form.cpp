#include "editor/completion/syn_completion_form.h"

#include <algorithm>

#include "editor/syn_custom_text.h"
#include "platform/base/code_page.h"
#include "platform/base/string_list.h"
#include "platform/gdi/blit.h"
#include "platform/gdi/rop.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/kernel/controls_messages.h"
#include "platform/ui/graphics/image_list.h"
#include "platform/ui/kernel/screen.h"
#include "platform/win/system_metrics.h"
#include "platform/win/system_parameters.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_class.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_styles.h"

TSynBaseCompletionProposalForm::TSynBaseCompletionProposalForm(TComponent* AOwner)
    : TCustomForm(AOwner),
      itemList_(std::make_unique<TStringList>()),
      assignedList_(std::make_unique<TStringList>()),
      insertList_(std::make_unique<TStringList>()),
      columns_(std::make_unique<TProposalColumns>(this)),
      font_(std::make_unique<TFont>()),
      titleFont_(std::make_unique<TFont>()),
      bitmap_(std::make_unique<TBitmap>())
{
    SetVisible(false);
    SetBorderStyle(bsNone);
    font_->SetName("MS Sans Serif");
    font_->SetSize(8);
    titleFont_->SetName("MS Sans Serif");
    titleFont_->SetSize(8);
    titleFont_->SetStyle(TFontStyles{fsBold});
    titleFont_->SetColor(clBtnText);
    font_->OnChange = TNotifyEvent(this, &TSynBaseCompletionProposalForm::FontChanged);
    titleFont_->OnChange = TNotifyEvent(this, &TSynBaseCompletionProposalForm::FontChanged);
    FontChanged(nullptr);
    CreateScrollBar();
}

TSynBaseCompletionProposalForm::~TSynBaseCompletionProposalForm()
{
    SetCurrentEditor(nullptr);
    SetImages(nullptr);
}

void TSynBaseCompletionProposalForm::CreateParams(TCreateParams& Params)
{
    TCustomForm::CreateParams(Params);
    Params.Style = WS_POPUP | (displayType_ == ctCode && resizeable_ ? WS_THICKFRAME : WS_BORDER);
    Params.ExStyle |= WS_EX_TOOLWINDOW;
    Params.WindowClass.style |= CS_DROPSHADOW;
}

void TSynBaseCompletionProposalForm::Dispatch(TMessage& Message)
{
    // Tab, Enter, Escape and the arrows belong to the list, not to the
    // form's dialog navigation.
    if (Message.Msg == WM_GETDLGCODE) {
        Message.Result = DLGC_WANTTAB | DLGC_WANTARROWS | DLGC_WANTALLKEYS | DLGC_WANTCHARS;
        return;
    }
    // A hint shows beside the editor and leaves it the focus.
    if (Message.Msg == CM_SHOWINGCHANGED && displayType_ != ctCode && Visible()) {
        ShowWindow(Handle(), SW_SHOWNOACTIVATE);
        return;
    }
    TCustomForm::Dispatch(Message);
    if (Message.Msg == WM_SIZING && displayType_ == ctCode) {
        SnapSize(Message.WParam, *reinterpret_cast<TRect*>(Message.LParam));
        Message.Result = 1;
    }
}

void TSynBaseCompletionProposalForm::FontChanged(TObject*)
{
    TCanvas* canvas = bitmap_->Canvas();
    canvas->Font()->Assign(font_.get());
    itemHeight_ = canvas->TextHeight("CompletionProposal");
    canvas->Font()->Assign(titleFont_.get());
    titleHeight_ = canvas->TextHeight("CompletionProposal");
}

int TSynBaseCompletionProposalForm::UnfilteredIndex(int Index) const
{
    if (Index < 0 || Index >= static_cast<int>(unfiltered_.size()))
        return -1;
    return unfiltered_[static_cast<size_t>(Index)];
}

void TSynBaseCompletionProposalForm::SetCurrentEditor(TCustomSynText* Value)
{
    if (currentEditor_ == Value)
        return;
    if (currentEditor_)
        currentEditor_->RemoveFreeNotification(this);
    currentEditor_ = Value;
    if (currentEditor_)
        currentEditor_->FreeNotification(this);
}

void TSynBaseCompletionProposalForm::SetImages(TCustomImageList* Value)
{
    if (images_ == Value)
        return;
    if (images_)
        images_->RemoveFreeNotification(this);
    images_ = Value;
    if (images_)
        images_->FreeNotification(this);
}

void TSynBaseCompletionProposalForm::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomForm::Notification(AComponent, Operation);
    if (Operation != opRemove)
        return;
    if (AComponent == currentEditor_)
        currentEditor_ = nullptr;
    if (AComponent == images_)
        images_ = nullptr;
}

void TSynBaseCompletionProposalForm::SetNbLinesInWindow(int Value)
{
    nbLinesInWindow_ = std::max(Value, 1);
    ScrollTo(scrollPos_);
}

void TSynBaseCompletionProposalForm::SetItemHeight(int Value)
{
    if (Value > 0)
        itemHeight_ = Value;
}

void TSynBaseCompletionProposalForm::SetTitle(const AnsiString& Value)
{
    title_ = Value;
    Invalidate();
}

void TSynBaseCompletionProposalForm::SetDisplayType(SynCompletionType Value)
{
    if (displayType_ == Value)
        return;
    displayType_ = Value;
    UpdateScrollBar();
    if (HandleAllocated())
        RecreateWnd();
}

void TSynBaseCompletionProposalForm::SetResizeable(bool Value)
{
    if (resizeable_ == Value)
        return;
    resizeable_ = Value;
    if (HandleAllocated())
        RecreateWnd();
}

void TSynBaseCompletionProposalForm::SetCurrentIndex(int Value)
{
    currentIndex_ = Value;
    Invalidate();
}

bool TSynBaseCompletionProposalForm::Matches(int ItemIndex) const
{
    AnsiString text = options_.Contains(scoUseInsertList) ? insertList_->Strings(ItemIndex)
                                                          : itemList_->Strings(ItemIndex);
    if (options_.Contains(scoUsePrettyText))
        text = PrettyTextToText(text);
    if (text.size() < currentString_.size())
        return false;
    const std::string_view head(text.data(), currentString_.size());
    if (options_.Contains(scoCaseSensitive))
        return options_.Contains(scoAnsiStrings) ? AnsiCompareStr(head, currentString_) == 0
                                                 : CompareStr(head, currentString_) == 0;
    return options_.Contains(scoAnsiStrings) ? AnsiCompareText(head, currentString_) == 0
                                             : CompareText(head, currentString_) == 0;
}

void TSynBaseCompletionProposalForm::Filter()
{
    assignedList_->Clear();
    unfiltered_.clear();
    const bool limit = options_.Contains(scoLimitToMatchedText);
    int first = -1;
    for (int i = 0; i < itemList_->Count(); ++i) {
        const bool matches = Matches(i);
        if (limit && !matches)
            continue;
        assignedList_->Add(itemList_->Strings(i));
        unfiltered_.push_back(i);
        if (first < 0 && matches)
            first = static_cast<int>(unfiltered_.size()) - 1;
    }
    // Starting from "none" makes the change event report the new selection
    // even when its number stays the same; an empty list selects nothing.
    position_ = -1;
    scrollPos_ = 0;
    SetPosition(std::max(first, 0));
    // The rows changed even where the selection did not move (an emptied
    // list keeps selecting nothing).
    Invalidate();
}

void TSynBaseCompletionProposalForm::SetCurrentString(const AnsiString& Value)
{
    currentString_ = Value;
    if (displayType_ == ctCode)
        Filter();
}

void TSynBaseCompletionProposalForm::SetPosition(int Value)
{
    const int count = assignedList_->Count();
    const int pos = count == 0 ? -1 : std::clamp(Value, 0, count - 1);
    if (pos >= 0) {
        if (pos < scrollPos_)
            scrollPos_ = pos;
        else if (pos >= scrollPos_ + nbLinesInWindow_)
            scrollPos_ = pos - nbLinesInWindow_ + 1;
    } else {
        scrollPos_ = 0;
    }
    const bool moved = pos != position_;
    position_ = pos;
    UpdateScrollBar();
    if (!moved)
        return;
    if (pos >= 0 && Visible() && OnChange)
        OnChange(this, UnfilteredIndex(pos));
    Invalidate();
}

void TSynBaseCompletionProposalForm::MoveLine(int Delta)
{
    const int count = assignedList_->Count();
    if (count == 0)
        return;
    if (Delta < 1)
        SetPosition(std::max(position_ + Delta, 0));
    else
        SetPosition(position_ >= count - Delta ? count - 1 : position_ + Delta);
}

int TSynBaseCompletionProposalForm::ItemAtY(int Y) const
{
    const int row = Y - TitleHeight();
    if (row < 0 || itemHeight_ <= 0)
        return -1;
    const int index = scrollPos_ + row / itemHeight_;
    return index < assignedList_->Count() ? index : -1;
}

void TSynBaseCompletionProposalForm::PlaceAt(int X, int Y, int CodeWidth)
{
    TCanvas* canvas = bitmap_->Canvas();
    canvas->Font()->Assign(font_.get());
    int width = 0;
    int height = 0;
    if (displayType_ == ctCode) {
        height = itemHeight_ * nbLinesInWindow_ + TitleHeight() + 2 * GetSystemMetrics(SM_CYFRAME);
        width = CodeWidth;
    } else {
        const int count = itemList_->Count();
        height = count * itemHeight_ + 2 + 2 * margin_;
        int widest = 0;
        for (int i = 0; i < count; ++i) {
            int w = 0;
            if (displayType_ == ctParams) {
                const AnsiString item = itemList_->Strings(i);
                TStringList params;
                params.SetCommaText(item);
                for (int p = -1; p < params.Count(); ++p)
                    w = std::max(w, FormattedTextWidth(canvas, FormatParamList(item, p), columns_.get(), images_));
                if (OnMeasureItem)
                    OnMeasureItem(this, i, canvas, w);
            } else {
                w = FormattedTextWidth(canvas, itemList_->Strings(i), columns_.get(), images_);
            }
            widest = std::max(widest, w);
        }
        width = widest + 2 * margin_ + 2;
    }
    if (X + width > Screen->Width())
        X = std::max(Screen->Width() - width - 5, 0);
    if (Y + height > Screen->Height())
        Y = std::max(Y - height - 2, 0);
    SetBounds(X, Y, width, height);
}

void TSynBaseCompletionProposalForm::PaintTo(TCanvas* Canvas, int AWidth, int AHeight)
{
    const int title = TitleHeight();
    if (displayType_ == ctCode) {
        Canvas->Brush()->SetColor(ClBackground);
        Canvas->FillRect(Rect(0, title, AWidth, AHeight));
        const int count = assignedList_->Count();
        for (int r = 0; r < nbLinesInWindow_ && scrollPos_ + r < count; ++r) {
            const int index = scrollPos_ + r;
            const TRect row = Rect(0, title + itemHeight_ * r, AWidth, title + itemHeight_ * (r + 1));
            const bool selected = index == position_;
            Canvas->Font()->Assign(font_.get());
            Canvas->Brush()->SetColor(selected ? ClSelect : ClBackground);
            Canvas->FillRect(row);
            if (selected)
                Canvas->Font()->SetColor(ClSelectedText);
            bool customDraw = false;
            if (OnPaintItem) {
                customDraw = true;
                OnPaintItem(this, UnfilteredIndex(index), Canvas, row, customDraw);
            }
            if (customDraw)
                continue;
            const AnsiString text = assignedList_->Strings(index);
            if (options_.Contains(scoUsePrettyText)) {
                FormattedTextOut(Canvas, Rect(row.Left + margin_, row.Top, row.Right, row.Bottom), text, selected,
                                 columns_.get(), images_);
            } else {
                Canvas->Brush()->SetStyle(bsClear);
                Canvas->TextOut(row.Left + margin_, row.Top, text);
                Canvas->Brush()->SetStyle(bsSolid);
            }
        }
        if (title > 0) {
            TRect band = Rect(0, 0, AWidth, title);
            Canvas->Brush()->SetColor(ClTitleBackground);
            Canvas->FillRect(band);
            Frame3D(Canvas, band, clBtnShadow, clBtnFace, 1);
            Canvas->Font()->Assign(titleFont_.get());
            Canvas->Brush()->SetStyle(bsClear);
            const int x = options_.Contains(scoTitleIsCentered) ? (AWidth - Canvas->TextWidth(title_)) / 2 : margin_;
            Canvas->TextOut(x, 0, title_);
            Canvas->Brush()->SetStyle(bsSolid);
        }
        return;
    }
    Canvas->Brush()->SetColor(ClBackground);
    Canvas->FillRect(Rect(0, 0, AWidth, AHeight));
    for (int i = 0; i < itemList_->Count(); ++i) {
        Canvas->Font()->Assign(font_.get());
        AnsiString text = itemList_->Strings(i);
        if (displayType_ == ctParams)
            text = FormatParamList(text, currentIndex_);
        const int top = margin_ + 1 + i * itemHeight_;
        FormattedTextOut(Canvas, Rect(margin_ + 1, top, AWidth, top + itemHeight_), text, false, columns_.get(),
                         images_);
    }
}

void TSynBaseCompletionProposalForm::PaintWindow(HDC DC)
{
    const int w = ClientWidth() - ScrollBarWidth();
    const int h = ClientHeight();
    bitmap_->SetSize(w, h);
    PaintTo(bitmap_->Canvas(), w, h);
    BitBlt(DC, 0, 0, w, h, bitmap_->Canvas()->Handle(), 0, 0, SRCCOPY);
}

void TSynBaseCompletionProposalForm::EditorCommand(TSynTextEditorCommand Command, char AChar)
{
    if (currentEditor_)
        currentEditor_->CommandProcessor(Command, AChar, nullptr);
}

void TSynBaseCompletionProposalForm::DropLastChar()
{
    const size_t start = CharStartOf(currentString_, currentString_.size() - 1);
    currentString_.erase(start);
}

void TSynBaseCompletionProposalForm::KeyDown(WORD& Key, TShiftState Shift)
{
    const bool plain = !Shift.Contains(ssShift) && !Shift.Contains(ssCtrl) && !Shift.Contains(ssAlt);
    const WORD key = Key;
    switch (key) {
    case VK_BACK:
    case VK_LEFT:
        if (key == VK_BACK && !plain)
            break;
        Key = 0;
        if (currentString_.empty()) {
            EditorCommand(key == VK_BACK ? ecDeleteLastChar : ecLeft, 0);
            if (OnCancel)
                OnCancel(this);
        } else {
            DropLastChar();
            SetCurrentString(currentString_);
            EditorCommand(key == VK_BACK ? ecDeleteLastChar : ecLeft, 0);
        }
        return;
    case VK_RIGHT: {
        Key = 0;
        if (!currentEditor_)
            return;
        const AnsiString line = currentEditor_->LineText();
        const size_t at = static_cast<size_t>(currentEditor_->CaretX() - 1);
        const AnsiString ch = at < line.size() ? line.substr(at, CharLengthAt(line, at)) : AnsiString(" ");
        if (ch == "\t" || ch == " " || (ch.size() == 1 && CharInSet(ch[0], wordBreakChars_))) {
            if (OnCancel)
                OnCancel(this);
        } else {
            SetCurrentString(currentString_ + ch);
        }
        EditorCommand(ecRight, 0);
        return;
    }
    case VK_TAB:
    case VK_RETURN:
        Key = 0;
        // An empty list has nothing to accept; the user may still widen it.
        if (position_ >= 0 && options_.Contains(key == VK_TAB ? scoCompleteWithTab : scoCompleteWithEnter) &&
            OnValidate)
            OnValidate(this, Shift, 0);
        return;
    case VK_ESCAPE:
        Key = 0;
        if (OnCancel)
            OnCancel(this);
        return;
    case VK_PRIOR: MoveLine(-nbLinesInWindow_); Key = 0; return;
    case VK_NEXT: MoveLine(nbLinesInWindow_); Key = 0; return;
    case VK_HOME: SetPosition(0); Key = 0; return;
    case VK_END: SetPosition(assignedList_->Count() - 1); Key = 0; return;
    case VK_UP:
        Shift.Contains(ssCtrl) ? SetPosition(0) : MoveLine(-1);
        Key = 0;
        return;
    case VK_DOWN:
        Shift.Contains(ssCtrl) ? SetPosition(assignedList_->Count() - 1) : MoveLine(1);
        Key = 0;
        return;
    case VK_DELETE:
        Key = 0;
        EditorCommand(ecDeleteChar, 0);
        return;
    default:
        break;
    }
    TCustomForm::KeyDown(Key, Shift);
}

void TSynBaseCompletionProposalForm::KeyPress(char& Key)
{
    const unsigned char code = static_cast<unsigned char>(Key);
    // A double-byte character comes as two key presses; it joins the typed
    // string whole, or the string would no longer match the editor's text.
    if (pendingLeadByte_ != 0 || IsDBCSLeadByte(Key)) {
        if (pendingLeadByte_ == 0) {
            pendingLeadByte_ = Key;
        } else {
            const char character[] = {pendingLeadByte_, Key, 0};
            pendingLeadByte_ = 0;
            SetCurrentString(currentString_ + character);
        }
        EditorCommand(ecChar, Key);
        Key = 0;
    } else if (code >= 32 && code <= 122) {
        if (options_.Contains(scoEndCharCompletion) && CharInSet(Key, wordBreakChars_)) {
            // The character is left for the component to type after accepting.
            if (OnValidate)
                OnValidate(this, TShiftState(), Key);
        } else {
            SetCurrentString(currentString_ + Key);
            EditorCommand(ecChar, Key);
            Key = 0;
        }
    } else if (Key == '\b' || Key == '\r' || Key == '\x1B') {
        Key = 0;
    }
    TCustomForm::KeyPress(Key);
}

void TSynBaseCompletionProposalForm::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    const int index = ItemAtY(Y);
    clickedRow_ = index >= 0;
    if (clickedRow_)
        SetPosition(index);
    TCustomForm::MouseDown(Button, Shift, X, Y);
}

void TSynBaseCompletionProposalForm::DblClick()
{
    if (clickedRow_ && position_ >= 0 && OnValidate)
        OnValidate(this, TShiftState(), 0);
    TCustomForm::DblClick();
}

bool TSynBaseCompletionProposalForm::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos)
{
    if (Shift.Contains(ssCtrl))
        return TCustomForm::DoMouseWheel(Shift, WheelDelta, MousePos);
    UINT lines = 3;
    SystemParametersInfo(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    const int step = lines == 0xFFFFFFFFu || static_cast<int>(lines) > nbLinesInWindow_ ? nbLinesInWindow_
                                                                                         : static_cast<int>(lines);
    MoveLine(WheelDelta > 0 ? -step : step);
    return true;
}
