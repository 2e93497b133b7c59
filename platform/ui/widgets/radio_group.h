// TRadioGroup: a group box holding one radio button per line of Items,
// laid out in Columns filled top to bottom. ItemIndex is the checked one
// (-1: none); checking another, by the user or the program, fires OnClick.
#pragma once

#include <memory>
#include <vector>

#include "platform/ui/widgets/group_box.h"

class TRadioButton;
class TStringList;
class TStrings;

class TRadioGroup : public TGroupBox {
public:
    explicit TRadioGroup(TComponent* AOwner);
    ~TRadioGroup() override;

    // Every change makes the buttons again; ItemIndex stays where it was
    // while there is such an item.
    TStrings* Items() const;
    void SetItems(TStrings* Value);
    int ItemIndex() const { return itemIndex_; }
    // -1 unchecks all; an index past the items is refused (EListError).
    void SetItemIndex(int Value);
    int Columns() const { return columns_; }
    // 1 to 16.
    void SetColumns(int Value);
    // The button of an item. Checking it is choosing its item; unchecking
    // it behind the group's back leaves ItemIndex stale.
    TRadioButton* Buttons(int Index) const { return buttons_[static_cast<size_t>(Index)]; }

protected:
    void Resize() override;
    void Dispatch(TMessage& Message) override;

private:
    void ItemsChanged(TObject* Sender);
    void ButtonClick(TObject* Sender);
    // Makes one button per item (keeping the ones there are).
    void UpdateButtons();
    void ArrangeButtons();

    std::unique_ptr<TStringList> items_;
    std::vector<TRadioButton*> buttons_;  // one per item, owned (as components) by the group
    int itemIndex_ = -1;                  // -1 or an index of items_
    int columns_ = 1;                     // 1 .. 16
    bool updating_ = false;               // the group is checking a button itself
};
