// Descriptions of tab controls, tree and list views, rich edits and grids.
// All of them derive from the root: the tab control carries a nine-part
// frame of its own among its keys.
#pragma once

#include "skin/data/bs_skin_controls.h"

struct TbsTabControlFields {
    TRect TabRect;
    TRect ActiveTabRect;
    TRect FocusTabRect;
    TRect MouseInTabRect;
    TRect ClientRect;  // the page area's frame: places in SkinRect
    int BgPictureIndex;
    TPoint LeftTopPoint;
    TPoint RightTopPoint;
    TPoint LeftBottomPoint;
    TPoint RightBottomPoint;
    int TabLeftOffset;
    int TabRightOffset;
    TRect TabsBgRect;
    bool TabStretchEffect;
    bool LeftStretch;
    bool TopStretch;
    bool RightStretch;
    bool BottomStretch;
    bool StretchEffect;
    TbsStretchType StretchType;
    AnsiString FontName;
    int FontHeight;
    TFontStyles FontStyle;
    TColor FontColor;
    TColor ActiveFontColor;
    TColor FocusFontColor;
    TColor MouseInFontColor;
    AnsiString UpDown;  // the up-down description that scrolls the tabs
    bool ShowFocus;
    int FocusOffsetX;
    int FocusOffsetY;
    TRect CloseButtonRect;
    TRect CloseButtonActiveRect;
    TRect CloseButtonDownRect;
    bool ButtonTransparent;
    TColor ButtonTransparentColor;
    TRect DividerRect;
    bool DividerTransparent;
    TColor DividerTransparentColor;
    TRect MDICloseRect;
    TRect MDICloseActiveRect;
    TRect MDICloseDownRect;
    TRect MDIRestoreRect;
    TRect MDIRestoreActiveRect;
    TRect MDIRestoreDownRect;
    TRect MDIMinRect;
    TRect MDIMinActiveRect;
    TRect MDIMinDownRect;
    bool MDIButtonsTransparent;
    TColor MDIButtonsTransparentColor;
    TRect TabLeftBottomActiveRect;
    TRect TabLeftBottomFocusRect;

    static const TbsDescriptionKeys<TbsTabControlFields>& KeyTable();
};

// "tab"
class TbsDataSkinTabControl : public TbsDataSkinControlWith<TbsDataSkinControl, TbsTabControlFields> {
public:
    using TbsDataSkinControlWith::TbsDataSkinControlWith;
};

struct TbsTreeViewFields {
    AnsiString FontName;
    int FontHeight;
    TFontStyles FontStyle;
    TColor FontColor;
    TColor BgColor;
    TRect ExpandImageRect;
    TRect NoExpandImageRect;

    static const TbsDescriptionKeys<TbsTreeViewFields>& KeyTable();
};

// "treeview"
class TbsDataSkinTreeView : public TbsDataSkinControlWith<TbsDataSkinControl, TbsTreeViewFields> {
public:
    using TbsDataSkinControlWith::TbsDataSkinControlWith;
};

// The text font and the background of a list view or a rich edit.
struct TbsTextViewFields {
    AnsiString FontName;
    int FontHeight;
    TFontStyles FontStyle;
    TColor FontColor;
    TColor BgColor;

    static const TbsDescriptionKeys<TbsTextViewFields>& KeyTable();
};

// "listview"
class TbsDataSkinListView : public TbsDataSkinControlWith<TbsDataSkinControl, TbsTextViewFields> {
public:
    using TbsDataSkinControlWith::TbsDataSkinControlWith;
};

// "richedit"
class TbsDataSkinRichEdit : public TbsDataSkinControlWith<TbsDataSkinControl, TbsTextViewFields> {
public:
    using TbsDataSkinControlWith::TbsDataSkinControlWith;
};

struct TbsGridControlFields {
    TRect FixedCellRect;
    TRect SelectCellRect;
    TRect FocusCellRect;
    int FixedCellLeftOffset;
    int FixedCellRightOffset;
    TRect FixedCellTextRect;  // a place in FixedCellRect
    int CellLeftOffset;
    int CellRightOffset;
    TRect CellTextRect;  // a place in the cell image
    int BgPictureIndex;
    TColor LinesColor;
    TColor BgColor;
    AnsiString FontName;
    int FontHeight;
    TFontStyles FontStyle;
    TColor FontColor;
    TColor SelectFontColor;
    TColor FocusFontColor;
    AnsiString FixedFontName;
    int FixedFontHeight;
    TFontStyles FixedFontStyle;
    TColor FixedFontColor;
    bool CellStretchEffect;
    bool FixedCellStretchEffect;
    bool ShowFocus;

    static const TbsDescriptionKeys<TbsGridControlFields>& KeyTable();
};

// "grid"
class TbsDataSkinGridControl : public TbsDataSkinControlWith<TbsDataSkinControl, TbsGridControlFields> {
public:
    using TbsDataSkinControlWith::TbsDataSkinControlWith;
};
