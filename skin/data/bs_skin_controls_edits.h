// Descriptions of edits, memos, spin edits, combo boxes and list boxes.
#pragma once

#include "skin/data/bs_skin_controls.h"

struct TbsEditControlFields {
    TRect ActiveSkinRect;
    AnsiString FontName;
    int FontHeight;
    TFontStyles FontStyle;
    TColor FontColor;
    TColor DisabledFontColor;
    TColor ActiveFontColor;
    TRect ButtonRect;  // a place in SkinRect; the other three are images
    TRect ActiveButtonRect;
    TRect DownButtonRect;
    TRect UnEnabledButtonRect;

    static const TbsDescriptionKeys<TbsEditControlFields>& KeyTable();
};

// "edit"
class TbsDataSkinEditControl : public TbsDataSkinControlWith<TbsDataSkinCustomControl, TbsEditControlFields> {
public:
    using TbsDataSkinControlWith::TbsDataSkinControlWith;
};

struct TbsMemoControlFields {
    TColor BgColor;
    TColor ActiveBgColor;

    static const TbsDescriptionKeys<TbsMemoControlFields>& KeyTable();
};

// "memo"
class TbsDataSkinMemoControl : public TbsDataSkinControlWith<TbsDataSkinEditControl, TbsMemoControlFields> {
public:
    using TbsDataSkinControlWith::TbsDataSkinControlWith;
};

struct TbsSpinEditControlFields {
    TRect ActiveSkinRect;
    AnsiString FontName;
    int FontHeight;
    TFontStyles FontStyle;
    TColor FontColor;
    TColor ActiveFontColor;
    TColor DisabledFontColor;
    TRect UpButtonRect;  // a place in SkinRect
    TRect ActiveUpButtonRect;
    TRect DownUpButtonRect;
    TRect DownButtonRect;  // a place in SkinRect
    TRect ActiveDownButtonRect;
    TRect DownDownButtonRect;

    static const TbsDescriptionKeys<TbsSpinEditControlFields>& KeyTable();
};

// "spinedit"
class TbsDataSkinSpinEditControl
    : public TbsDataSkinControlWith<TbsDataSkinCustomControl, TbsSpinEditControlFields> {
public:
    using TbsDataSkinControlWith::TbsDataSkinControlWith;
};

struct TbsComboBoxFields {
    TRect ActiveSkinRect;
    TRect ItemRect;
    TRect ActiveItemRect;
    TRect FocusItemRect;
    int ItemLeftOffset;
    int ItemRightOffset;
    TRect ItemTextRect;  // a place in the item image
    AnsiString FontName;
    int FontHeight;
    TFontStyles FontStyle;
    TColor FontColor;
    TColor FocusFontColor;
    TColor ActiveFontColor;
    AnsiString ListBoxName;  // the list box description of the drop-down list
    TRect ButtonRect;        // a place in SkinRect
    TRect ActiveButtonRect;
    TRect DownButtonRect;
    TRect UnEnabledButtonRect;
    bool ItemStretchEffect;
    bool FocusItemStretchEffect;
    bool ShowFocus;

    static const TbsDescriptionKeys<TbsComboBoxFields>& KeyTable();
};

// "combobox"
class TbsDataSkinComboBox : public TbsDataSkinControlWith<TbsDataSkinCustomControl, TbsComboBoxFields> {
public:
    using TbsDataSkinControlWith::TbsDataSkinControlWith;
};

struct TbsListBoxFields {
    TRect ItemRect;
    TRect ActiveItemRect;
    TRect FocusItemRect;
    int ItemLeftOffset;
    int ItemRightOffset;
    TRect ItemTextRect;  // a place in the item image
    AnsiString FontName;
    int FontHeight;
    TFontStyles FontStyle;
    TColor FontColor;
    TColor ActiveFontColor;
    TColor FocusFontColor;
    TRect CaptionRect;  // a place in SkinRect
    AnsiString CaptionFontName;
    int CaptionFontHeight;
    TFontStyles CaptionFontStyle;
    TColor CaptionFontColor;
    TRect UpButtonRect;  // a place in SkinRect
    TRect ActiveUpButtonRect;
    TRect DownUpButtonRect;
    TRect DownButtonRect;  // a place in SkinRect
    TRect ActiveDownButtonRect;
    TRect DownDownButtonRect;
    TRect CheckButtonRect;  // a place in SkinRect
    TRect ActiveCheckButtonRect;
    TRect DownCheckButtonRect;
    AnsiString VScrollBarName;  // scroll bar descriptions of the list
    AnsiString HScrollBarName;
    AnsiString BothHScrollBarName;
    bool ShowFocus;
    TRect DisabledButtonsRect;
    TRect ButtonsArea;  // a place in SkinRect

    static const TbsDescriptionKeys<TbsListBoxFields>& KeyTable();
};

// "listbox"
class TbsDataSkinListBox : public TbsDataSkinControlWith<TbsDataSkinCustomControl, TbsListBoxFields> {
public:
    using TbsDataSkinControlWith::TbsDataSkinControlWith;
};

struct TbsCheckListBoxFields {
    TRect ItemCheckRect;  // a place in the item image
    TRect CheckImageRect;
    TRect UnCheckImageRect;

    static const TbsDescriptionKeys<TbsCheckListBoxFields>& KeyTable();
};

// "checklistbox"
class TbsDataSkinCheckListBox : public TbsDataSkinControlWith<TbsDataSkinListBox, TbsCheckListBoxFields> {
public:
    using TbsDataSkinControlWith::TbsDataSkinControlWith;
};
