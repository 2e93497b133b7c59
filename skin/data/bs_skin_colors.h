// The fixed sections every skinned form shares: SKINCOLORS (colours that
// stand in for the system colours while the skin is active), POPUPWINDOW
// (the frame of skinned popup menus), LAYERFRAME (the layered alpha border
// around skinned forms) and HINTWINDOW (the frame and font of the skinned
// hint). They are only read. Every read passes the key's fixed default, so
// nothing of an earlier skin survives a load and a missing section yields
// the defaults.
#pragma once

#include "platform/base/geometry.h"
#include "platform/base/ini_files.h"
#include "platform/gdi/colors.h"
#include "platform/ui/graphics/font.h"
#include "skin/data/bs_nine_part.h"

class TbsSkinColors : public TObject {
public:
    // Every colour the system's own.
    void SetDefaults();
    void LoadFromFile(const TCustomIniFile* IniFile);

    // All 0 until SetDefaults or a load.
    TColor BtnFace = 0;
    TColor BtnText = 0;
    TColor Window = 0;
    TColor WindowText = 0;
    TColor Highlight = 0;
    TColor HighlightText = 0;
    TColor BtnHighlight = 0;
    TColor BtnShadow = 0;
};

class TbsDataSkinPopupWindow : public TObject {
public:
    void LoadFromFile(const TCustomIniFile* IniFile);
    // Picture indexes at PictureCount or past it become -1.
    void ClearMissingPictures(int PictureCount);

    int WindowPictureIndex = -1;
    int MaskPictureIndex = -1;
    TPoint LeftTopPoint;
    TPoint RightTopPoint;
    TPoint LeftBottomPoint;
    TPoint RightBottomPoint;
    TRect ItemsRect;
    TColor ScrollMarkerColor = 0;
    TColor ScrollMarkerActiveColor = 0;
    bool LeftStretch = false;
    bool RightStretch = false;
    bool TopStretch = false;
    bool BottomStretch = false;
    bool StretchEffect = false;
    TbsStretchType StretchType = stfull;
};

// A fresh layer frame holds the defaults a load of an empty section gives.
class TbsDataSkinLayerFrame : public TObject {
public:
    TbsDataSkinLayerFrame();

    void LoadFromFile(const TCustomIniFile* IniFile);
    // Picture indexes at PictureCount or past it become -1.
    void ClearMissingPictures(int PictureCount);

    int PictureIndex = -1;
    int MaskPictureIndex = -1;
    int InActivePictureIndex = -1;
    int InActiveMaskPictureIndex = -1;
    TPoint LeftTopPoint;
    TPoint RightTopPoint;
    TPoint LeftBottomPoint;
    TPoint RightBottomPoint;
    TRect ClientRect;
    int AlphaBlendValue = 255;
    int InActiveAlphaBlendValue = 255;
    TRect BorderRect;
    bool HitTestEnable = false;
    bool FullBorder = false;
    int HitTestSize = 0;
    TRect CaptionRect;
    TPoint HitTestLeftTopPoint;
    TPoint HitTestRightTopPoint;
    TPoint HitTestLeftBottomPoint;
    TPoint HitTestRightBottomPoint;
    TRect ButtonsRect;
    TRect SysMenuButtonRect;
    bool FullStretch = false;
    int RollUpFormHeight = 0;
    int ButtonsTopOffset = 0;
    int SysButtonTopOffset = 0;
    int BlurMaskPictureIndex = -1;
    TRect IntersectBlurMaskRect;
    TRect ExcludeBlurMaskRect;
    int LeftOffset = 0;
    int TopOffset = 0;
    int WidthOffset = 0;
    int HeightOffset = 0;
};

// A fresh hint window has the font height 12; a load without "fontheight"
// gives 14.
class TbsDataSkinHintWindow : public TObject {
public:
    TbsDataSkinHintWindow();

    void LoadFromFile(const TCustomIniFile* IniFile);
    // Picture indexes at PictureCount or past it become -1.
    void ClearMissingPictures(int PictureCount);

    int WindowPictureIndex = -1;
    int MaskPictureIndex = -1;
    TPoint LeftTopPoint;
    TPoint RightTopPoint;
    TPoint LeftBottomPoint;
    TPoint RightBottomPoint;
    TRect ClientRect;
    AnsiString FontName;
    int FontHeight = 0;
    TFontStyles FontStyle;
    TColor FontColor = 0;
    bool LeftStretch = false;
    bool RightStretch = false;
    bool TopStretch = false;
    bool BottomStretch = false;
    bool StretchEffect = false;
    TbsStretchType StretchType = stfull;
};
