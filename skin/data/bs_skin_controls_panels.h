// Descriptions of panels, labels, bevels, splitters and scroll boxes.
#pragma once

#include "skin/data/bs_skin_controls.h"

struct TbsPanelControlFields {
    int BgPictureIndex;
    TRect CaptionRect;  // a place in SkinRect
    TAlignment Alignment;
    AnsiString FontName;
    int FontHeight;
    TFontStyles FontStyle;
    TColor FontColor;
    TRect CheckImageRect;
    TRect UnCheckImageRect;
    TRect MarkFrameRect;
    TRect FrameRect;
    TRect FrameTextRect;  // a place in FrameRect
    int FrameLeftOffset;
    int FrameRightOffset;
    TRect GripperRect;
    bool GripperTransparent;
    TColor GripperTransparentColor;
    TRect ButtonRect;
    TRect ButtonActiveRect;
    TRect ButtonDownRect;
    bool ButtonTransparent;
    TColor ButtonTransparentColor;

    static const TbsDescriptionKeys<TbsPanelControlFields>& KeyTable();
};

// "panel"
class TbsDataSkinPanelControl : public TbsDataSkinControlWith<TbsDataSkinCustomControl, TbsPanelControlFields> {
public:
    using TbsDataSkinControlWith::TbsDataSkinControlWith;
};

// A roll-up panel: images of the panel rolled up horizontally and
// vertically, its close, roll and restore buttons, and its caption.
struct TbsExPanelControlFields {
    TRect RollHSkinRect;
    TRect RollVSkinRect;
    int RollLeftOffset;
    int RollRightOffset;
    int RollTopOffset;
    int RollBottomOffset;
    TRect RollVCaptionRect;  // a place in RollVSkinRect
    TRect RollHCaptionRect;  // a place in RollHSkinRect
    TRect CloseButtonRect;
    TRect CloseButtonActiveRect;
    TRect CloseButtonDownRect;
    TRect HRollButtonRect;
    TRect HRollButtonActiveRect;
    TRect HRollButtonDownRect;
    TRect HRestoreButtonRect;
    TRect HRestoreButtonActiveRect;
    TRect HRestoreButtonDownRect;
    TRect VRollButtonRect;
    TRect VRollButtonActiveRect;
    TRect VRollButtonDownRect;
    TRect VRestoreButtonRect;
    TRect VRestoreButtonActiveRect;
    TRect VRestoreButtonDownRect;
    TRect CaptionRect;  // a place in SkinRect
    AnsiString FontName;
    int FontHeight;
    TFontStyles FontStyle;
    TColor FontColor;
    bool ButtonsTransparent;
    TColor ButtonsTransparentColor;

    static const TbsDescriptionKeys<TbsExPanelControlFields>& KeyTable();
};

// "expanel"
class TbsDataSkinExPanelControl
    : public TbsDataSkinControlWith<TbsDataSkinCustomControl, TbsExPanelControlFields> {
public:
    using TbsDataSkinControlWith::TbsDataSkinControlWith;
};

struct TbsLabelControlFields {
    AnsiString FontName;
    int FontHeight;
    TFontStyles FontStyle;
    TColor FontColor;

    static const TbsDescriptionKeys<TbsLabelControlFields>& KeyTable();
};

// "label"
class TbsDataSkinLabelControl : public TbsDataSkinControlWith<TbsDataSkinCustomControl, TbsLabelControlFields> {
public:
    using TbsDataSkinControlWith::TbsDataSkinControlWith;
};

struct TbsStdLabelControlFields {
    AnsiString FontName;
    int FontHeight;
    TFontStyles FontStyle;
    TColor FontColor;
    TColor ActiveFontColor;

    static const TbsDescriptionKeys<TbsStdLabelControlFields>& KeyTable();
};

// "stdlabel": a label without a frame.
class TbsDataSkinStdLabelControl : public TbsDataSkinControlWith<TbsDataSkinControl, TbsStdLabelControlFields> {
public:
    using TbsDataSkinControlWith::TbsDataSkinControlWith;
};

struct TbsBevelFields {
    TColor LightColor;
    TColor DarkColor;

    static const TbsDescriptionKeys<TbsBevelFields>& KeyTable();
};

// "bevel"
class TbsDataSkinBevel : public TbsDataSkinControlWith<TbsDataSkinControl, TbsBevelFields> {
public:
    using TbsDataSkinControlWith::TbsDataSkinControlWith;
};

struct TbsSplitterControlFields {
    TRect GripperRect;
    bool GripperTransparent;
    TColor GripperTransparentColor;

    static const TbsDescriptionKeys<TbsSplitterControlFields>& KeyTable();
};

// "splitter"
class TbsDataSkinSplitterControl
    : public TbsDataSkinControlWith<TbsDataSkinCustomControl, TbsSplitterControlFields> {
public:
    using TbsDataSkinControlWith::TbsDataSkinControlWith;
};

struct TbsScrollBoxControlFields {
    int BgPictureIndex;

    static const TbsDescriptionKeys<TbsScrollBoxControlFields>& KeyTable();
};

// "scrollbox"
class TbsDataSkinScrollBoxControl
    : public TbsDataSkinControlWith<TbsDataSkinCustomControl, TbsScrollBoxControlFields> {
public:
    using TbsDataSkinControlWith::TbsDataSkinControlWith;
};
