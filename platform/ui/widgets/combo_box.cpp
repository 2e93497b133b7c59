// The combo box's strings, selection, events and face.
#include "platform/ui/widgets/combo_box.h"

#include <algorithm>

#include "platform/base/strings.h"
#include "platform/gdi/draw_text.h"
#include "platform/ui/widgets/combo_box_edit.h"
#include "platform/ui/widgets/combo_box_list.h"
#include "platform/ui/kernel/control_canvas.h"
#include "platform/ui/graphics/flat_look.h"
#include "platform/win/system_metrics.h"
#include "platform/win/win_messages.h"
#include "platform/win/window_styles.h"

namespace {

// The face's frame (the client edge) and the room around its text.
constexpr int FaceFrame = 2;
constexpr int FacePadding = 1;

}  // namespace

TCustomComboBox::TCustomComboBox(TComponent* AOwner)
    : TCustomControl(AOwner), list_(std::make_unique<TComboListBox>(this))
{
    // The box takes the capture itself while the list is down; the base
    // would give it up at the release of the opening click.
    SetControlStyle(TControlStyle{csOpaque, csSetCaption, csFixedHeight, csDoubleClicks});
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clWindow);
    edit_ = new TComboEdit(this);
    edit_->SetParent(this);
    SetBounds(0, 0, 145, 0);
}

TCustomComboBox::~TCustomComboBox()
{
    // The list's window goes before the box it reports to.
    list_.reset();
}

TStrings* TCustomComboBox::Items() const
{
    return list_->Items();
}

void TCustomComboBox::SetItems(TStrings* Value)
{
    list_->SetItems(Value);
}

void TCustomComboBox::Clear()
{
    list_->Clear();
    SetItemIndex(-1);
}

bool TCustomComboBox::Sorted() const
{
    return list_->Sorted();
}

void TCustomComboBox::SetSorted(bool Value)
{
    // The selected string stays selected wherever it lands.
    list_->SetSorted(Value);
    Invalidate();
}

TCustomListBox* TCustomComboBox::DropDownList() const
{
    return list_.get();
}

void TCustomComboBox::SetStyle(TComboBoxStyle Value)
{
    if (style_ == Value)
        return;
    style_ = Value;
    if (style_ == csDropDown && !edit_) {
        edit_ = new TComboEdit(this);
        edit_->SetParent(this);
        LayoutEdit();
        SetEditText(Text());
    } else if (style_ != csDropDown && edit_) {
        delete edit_;
        edit_ = nullptr;
    }
    list_->SetStyle(style_ == csOwnerDrawFixed ? lbOwnerDrawFixed : lbStandard);
    AdjustSize();
    Invalidate();
}

int TCustomComboBox::ItemHeight()
{
    list_->Font()->Assign(Font());
    return list_->ItemHeight();
}

void TCustomComboBox::SetItemHeight(int Value)
{
    list_->SetItemHeight(Value);
    AdjustSize();
}

int TCustomComboBox::ItemIndex() const
{
    return droppedDown_ ? droppedIndex_ : list_->ItemIndex();
}

void TCustomComboBox::SetItemIndex(int Value)
{
    if (Value < -1 || Value >= list_->Count())
        Value = -1;
    if (Value == ItemIndex())
        return;
    if (droppedDown_)
        droppedIndex_ = Value;
    list_->SetItemIndex(Value);
    if (edit_)
        SetEditText(Value >= 0 ? list_->Items()->Strings(Value) : AnsiString());
    Invalidate();
}

AnsiString TCustomComboBox::Text() const
{
    if (edit_)
        return edit_->Text();
    const int index = ItemIndex();
    return index >= 0 ? list_->Items()->Strings(index) : AnsiString();
}

void TCustomComboBox::SetText(const AnsiString& Value)
{
    SetItemIndex(list_->Items()->IndexOf(Value));
    if (edit_)
        SetEditText(Value);
}

void TCustomComboBox::SetEditText(const AnsiString& Value)
{
    settingText_ = true;
    edit_->SetText(Value);
    settingText_ = false;
}

void TCustomComboBox::EditChanged()
{
    if (settingText_)
        return;
    // Typing a string of the list selects it, quietly.
    const int index = list_->Items()->IndexOf(edit_->Text());
    if (droppedDown_)
        droppedIndex_ = index;
    list_->SetItemIndex(index);
    TAlive alive(this);
    Change();
    if (alive && AutoDropDown)
        OpenList();
}

int TCustomComboBox::SelStart() const
{
    return edit_ ? edit_->SelStart() : 0;
}

void TCustomComboBox::SetSelStart(int Value)
{
    if (edit_)
        edit_->SetSelStart(Value);
}

int TCustomComboBox::SelLength() const
{
    return edit_ ? edit_->SelLength() : 0;
}

void TCustomComboBox::SetSelLength(int Value)
{
    if (edit_)
        edit_->SetSelLength(Value);
}

AnsiString TCustomComboBox::SelText() const
{
    return edit_ ? edit_->SelText() : AnsiString();
}

void TCustomComboBox::SetSelText(const AnsiString& Value)
{
    if (edit_)
        edit_->SetSelText(Value);
}

void TCustomComboBox::SelectAll()
{
    if (edit_)
        edit_->SelectAll();
}

void TCustomComboBox::LayoutEdit()
{
    if (!edit_)
        return;
    const TRect button = ButtonRect();
    const TRect client = ClientRect();
    edit_->SetBounds(client.Left + FacePadding, client.Top + FacePadding, button.Left - 2 * FacePadding,
                     client.Bottom - 2 * FacePadding);
}

void TCustomComboBox::UserSelect(int Index)
{
    if (Index < 0 || Index == ItemIndex())
        return;
    TAlive alive(this);
    if (!AcceptPick(Index) || !alive)
        return;
    SetItemIndex(Index);
    if (edit_)
        edit_->SelectAll();
    Click();
    if (alive)
        Select();
}

void TCustomComboBox::Change()
{
    if (OnChange)
        OnChange(this);
}

void TCustomComboBox::Select()
{
    if (OnSelect)
        OnSelect(this);
    else
        Change();
}

void TCustomComboBox::DropDown()
{
    if (OnDropDown)
        OnDropDown(this);
}

void TCustomComboBox::CloseUp()
{
    if (OnCloseUp)
        OnCloseUp(this);
}

void TCustomComboBox::CreateParams(TCreateParams& Params)
{
    TCustomControl::CreateParams(Params);
    Params.Style |= WS_CLIPCHILDREN;
    Params.ExStyle |= WS_EX_CLIENTEDGE;
}

bool TCustomComboBox::CanResize(int& NewWidth, int& NewHeight)
{
    if (!TCustomControl::CanResize(NewWidth, NewHeight))
        return false;
    // The height follows the row height: one row in the frame.
    NewHeight = ItemHeight() + 2 * (FaceFrame + FacePadding);
    return true;
}

TRect TCustomComboBox::ButtonRect()
{
    const TRect client = ClientRect();
    return Rect(client.Right - GetSystemMetrics(SM_CXVSCROLL), client.Top, client.Right, client.Bottom);
}

void TCustomComboBox::DrawItem(TCanvas* Canvas, int Index, const TRect& Rect, TOwnerDrawState State)
{
    if (style_ == csOwnerDrawFixed && OnDrawItem) {
        // The handler draws on the box's canvas, lent the DC it draws on.
        auto* canvas = static_cast<TControlCanvas*>(TCustomControl::Canvas());
        if (Canvas != canvas) {
            canvas->FreeHandle();
            TCanvasPaintScope scope(this, canvas, Canvas->Handle());
            canvas->Font()->Assign(Canvas->Font());
            canvas->Brush()->Assign(Canvas->Brush());
            OnDrawItem(this, Index, Rect, State);
            return;
        }
        OnDrawItem(this, Index, Rect, State);
        return;
    }
    Canvas->FillRect(Rect);
    if (Index < 0)
        return;
    TRect text = Rect;
    text.Left += 2;
    Canvas->Brush()->SetStyle(bsClear);
    const AnsiString item = list_->Items()->Strings(Index);
    DrawText(Canvas->Handle(), item.c_str(), static_cast<int>(item.size()), &text,
             DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

void TCustomComboBox::Paint()
{
    TCanvas* canvas = Canvas();
    const TRect button = ButtonRect();
    const TRect client = ClientRect();
    FlatFill(canvas, Rect(client.Left, client.Top, button.Left, client.Bottom), Color());
    TRect face = Rect(client.Left + FacePadding, client.Top + FacePadding, button.Left - FacePadding,
                      client.Bottom - FacePadding);
    TOwnerDrawState state{odComboBoxEdit};
    const bool selected = Focused() && !droppedDown_ && !edit_;
    canvas->Font()->Assign(Font());
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(selected ? clHighlight : Color());
    if (selected) {
        state.Include(odSelected);
        state.Include(odFocused);
        canvas->Font()->SetColor(clHighlightText);
    }
    if (!Enabled()) {
        state.Include(odDisabled);
        canvas->Font()->SetColor(clGrayText);
    }
    if (!edit_)
        DrawItem(canvas, ItemIndex(), face, state);
    if (selected)
        DrawFlatFocusRect(canvas, face);
    TFlatState look;
    look.Pressed = droppedDown_;
    look.Hot = hot_;
    look.Disabled = !Enabled();
    const TRect arrow = DrawFlatButtonFace(canvas, button, look);
    DrawFlatArrow(canvas, arrow, TArrowGlyph::Down, Enabled());
}
