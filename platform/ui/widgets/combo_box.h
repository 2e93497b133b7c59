// TCustomComboBox and TComboBox: a box showing one string of a list, with
// a button that drops the list down to pick another.
//
// The list is a list box in a top-most popup window of its own that never
// takes the activation: the form stays active and the combo box keeps the
// keyboard focus while the list is down. The list opens below the box, or
// above it when it does not fit into the work area below; F4, Alt+Down and
// Alt+Up open and close it, a click on the box or its button too. While it
// is down the combo box holds the mouse capture: the mouse hot-tracks the
// rows, a release on a row takes it, a press anywhere else closes the list
// and keeps the selection; the keys move the highlight, Enter takes it and
// Escape closes the list with the selection as it was before.
//
// A pick by the user (a taken row, or the keys while the list is closed)
// fires OnClick, then OnSelect, or OnChange when there is no OnSelect.
// Setting ItemIndex or Text from the program fires nothing.
#pragma once

#include <memory>

#include "platform/ui/kernel/custom_control.h"
#include "platform/ui/itemviews/list_box_type_ahead.h"
#include "platform/ui/itemviews/list_box_types.h"

class TComboEdit;
class TComboListBox;
class TCustomListBox;
class TStrings;

// The values keep the class library's numbers (csSimple and
// csOwnerDrawVariable are not offered). csDropDown has an edit part to
// type any text in; csDropDownList and csOwnerDrawFixed show only strings
// of the list, the latter drawn by OnDrawItem.
enum TComboBoxStyle { csDropDown = 0, csDropDownList = 2, csOwnerDrawFixed = 3 };

class TCustomComboBox : public TCustomControl {
public:
    explicit TCustomComboBox(TComponent* AOwner);
    ~TCustomComboBox() override;

    TStrings* Items() const;
    void SetItems(TStrings* Value);
    void Clear();
    bool Sorted() const;
    void SetSorted(bool Value);

    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle Value);
    // The selected string, -1 for none. Out-of-range values select none.
    int ItemIndex() const;
    void SetItemIndex(int Value);
    // The edit part's text, or the selected string. Setting it selects the
    // first string equal to it without case (none when there is none); the
    // edit part takes the text as given.
    AnsiString Text() const;
    void SetText(const AnsiString& Value);
    // The selection in the edit part (csDropDown); the other styles have
    // none: 0, 0 and empty, and setting changes nothing.
    int SelStart() const;
    void SetSelStart(int Value);
    int SelLength() const;
    void SetSelLength(int Value);
    AnsiString SelText() const;
    // Replaces the edit part's selection, as typing would.
    void SetSelText(const AnsiString& Value);
    void SelectAll();
    // The rows the dropped list shows at most before it scrolls.
    int DropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(int Value) { dropDownCount_ = std::max(Value, 1); }
    // Typing a character drops the list down.
    bool AutoDropDown = false;
    // The row height of the list (and the owner-drawn face).
    int ItemHeight();
    void SetItemHeight(int Value);

    bool DroppedDown() const { return droppedDown_; }
    void SetDroppedDown(bool Value);

    TNotifyEvent OnChange;
    TNotifyEvent OnSelect;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;
    TDrawItemEvent OnDrawItem;
    TMeasureItemEvent OnMeasureItem;

    // The list that drops down; its window exists from the first drop.
    TCustomListBox* DropDownList() const;

protected:
    void CreateParams(TCreateParams& Params) override;
    bool CanResize(int& NewWidth, int& NewHeight) override;
    void Paint() override;
    void Dispatch(TMessage& Message) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(char& Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;

    virtual void Change();
    virtual void Select();
    virtual void DropDown();
    virtual void CloseUp();
    // Draws string Index (-1: none) in Rect of Canvas: the face when
    // odComboBoxEdit is in State, else a row of the dropped list, whose
    // canvas it then is. OnDrawItem draws for csOwnerDrawFixed.
    virtual void DrawItem(TCanvas* Canvas, int Index, const TRect& Rect, TOwnerDrawState State);
    // Takes a string the user picked: selects it and reports the pick,
    // unless AcceptPick refuses it.
    void UserSelect(int Index);
    // The user is picking Index; false drops the pick.
    virtual bool AcceptPick(int /*Index*/) { return true; }

private:
    friend class TComboEdit;
    friend class TComboListBox;

    // The edit part's text changed: the selection follows it, OnChange.
    void EditChanged();
    // A key working the list (opening, closing, moving, taking); true when
    // it was one.
    bool ListKey(WORD Key, TShiftState Shift);
    void LayoutEdit();
    // Sets the edit part's text without reporting it as the user's change.
    void SetEditText(const AnsiString& Value);

    // Drops the list down, or closes it (taking the highlighted row when
    // Take).
    void OpenList();
    void CloseList(bool Take);
    // Where the list goes: under the box, or above it when only there it
    // fits into the work area.
    TRect ListBounds();
    void ListMouse(TMessage& Message);
    // A key moving the highlight of the dropped list, or (closed) the
    // selection; false for other keys.
    bool MoveKey(WORD Key);
    TRect ButtonRect();

    std::unique_ptr<TComboListBox> list_;  // holds the Items
    TComboEdit* edit_ = nullptr;  // a child owned by the box, exactly while the style is csDropDown
    bool settingText_ = false;    // the box itself is changing the edit part's text
    TComboBoxStyle style_ = csDropDown;
    // The selection lives in the list's ItemIndex, which follows the rows
    // as they come and go; while the list is down that is the highlight,
    // and the selection waits here.
    int droppedIndex_ = -1;
    int dropDownCount_ = 8;
    bool droppedDown_ = false;  // the list shows, and the box holds the capture
    bool releasing_ = false;    // the box gives up the capture itself
    bool hot_ = false;          // the mouse is over the box
    TTypeAhead typeAhead_;
};

class TComboBox : public TCustomComboBox {
public:
    using TCustomComboBox::TCustomComboBox;
};
