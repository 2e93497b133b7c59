// TListItem: one item of a list view: its caption, the texts of its
// further columns, its images, data and state.
#pragma once

#include <memory>

#include "platform/base/string_list.h"
#include "platform/ui/itemviews/list_view_types.h"

class TCustomListView;
class TListItems;

class TListItem {
public:
    explicit TListItem(TListItems* Owner);
    TListItem(const TListItem&) = delete;
    TListItem& operator=(const TListItem&) = delete;
    ~TListItem();

    TListItems* Owner() const { return owner_; }
    TCustomListView* ListView() const;
    // The place in the list; kept current as items come and go.
    int Index() const { return index_; }

    const AnsiString& Caption() const { return caption_; }
    void SetCaption(const AnsiString& Value);
    // The texts of the report's further columns, in column order.
    TStrings* SubItems() const { return subItems_.get(); }
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int Value);
    int StateIndex() const { return stateIndex_; }
    void SetStateIndex(int Value);
    bool Checked() const { return checked_; }
    void SetChecked(bool Value);
    bool Selected() const;
    void SetSelected(bool Value);
    bool Focused() const;
    void SetFocused(bool Value);
    void* Data = nullptr;

    // Frees the item; the view hears of it first.
    void Delete();
    // The item's rectangle, or of its icon or caption, in client points.
    TRect DisplayRect(TDisplayCode Code) const;
    // Starts renaming the item in place; false when refused.
    bool EditCaption();
    void MakeVisible(bool PartialOK = false);

private:
    friend class TListItems;
    friend class TCustomListView;

    TListItems* owner_;
    int index_ = 0;
    AnsiString caption_;
    std::unique_ptr<TStringList> subItems_;
    int imageIndex_ = -1;
    int stateIndex_ = -1;
    bool checked_ = false;
    bool selected_ = false;
};
