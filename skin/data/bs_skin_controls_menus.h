// Descriptions of control bars, the main menu bar and the application menu.
#pragma once

#include "skin/data/bs_skin_controls.h"

struct TbsControlBarFields {
    TRect ItemRect;
    int BgPictureIndex;
    TRect HGripRect;
    TRect VGripRect;
    int GripOffset1;
    int GripOffset2;
    bool ItemStretchEffect;
    int ItemOffset1;
    int ItemOffset2;
    bool ItemTransparent;
    TColor ItemTransparentColor;
    bool GripTransparent;
    TColor GripTransparentColor;

    static const TbsDescriptionKeys<TbsControlBarFields>& KeyTable();
};

// "controlbar"
class TbsDataSkinControlBar : public TbsDataSkinControlWith<TbsDataSkinCustomControl, TbsControlBarFields> {
public:
    using TbsDataSkinControlWith::TbsDataSkinControlWith;
};

// The strings name object descriptions (SKINOBJECTS) of the bar's items and
// buttons.
struct TbsMainMenuBarFields {
    TRect ItemsRect;  // a place in SkinRect
    AnsiString MenuBarItem;
    AnsiString CloseButton;
    AnsiString MinButton;
    AnsiString MaxButton;
    AnsiString SysMenuButton;
    TColor TrackMarkColor;
    TColor TrackMarkActiveColor;
    bool StretchEffect;
    bool ItemTransparent;

    static const TbsDescriptionKeys<TbsMainMenuBarFields>& KeyTable();
};

// "mainmenubar"
class TbsDataSkinMainMenuBar : public TbsDataSkinControlWith<TbsDataSkinControl, TbsMainMenuBarFields> {
public:
    using TbsDataSkinControlWith::TbsDataSkinControlWith;
};

struct TbsAppMenuFields {
    int BgPictureIndex;
    bool BgStretchEffect;
    TRect ItemRect;
    TRect PageItemRect;
    TRect PageItemActiveRect;
    int ItemOffset1;
    int ItemOffset2;
    int PageItemOffset1;
    int PageItemOffset2;
    int PageOffset;
    AnsiString FontName;
    int FontHeight;
    int FontPageHeight;
    TFontStyles FontStyle;
    TColor FontColor;
    TColor DisabledFontColor;
    TColor ActiveFontColor;
    TColor FontPageColor;
    TColor ActiveFontPageColor;
    TRect GripperRect;
    TColor GripperTransparentColor;
    TRect TopLineRect;
    int TopLineOffset1;
    int TopLineOffset2;

    static const TbsDescriptionKeys<TbsAppMenuFields>& KeyTable();
};

// "appmenu"
class TbsDataSkinAppMenu : public TbsDataSkinControlWith<TbsDataSkinCustomControl, TbsAppMenuFields> {
public:
    using TbsDataSkinControlWith::TbsDataSkinControlWith;
};
