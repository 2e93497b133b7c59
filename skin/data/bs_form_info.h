// The frame geometry of skinned forms: section FORMINFO of a skin INI, one
// field per key, named after it.
#pragma once

#include "platform/base/geometry.h"
#include "platform/base/ini_files.h"
#include "skin/data/bs_ini_codecs.h"

struct TbsFormInfo {
    // Reads every key, a missing one giving its default. HasMask (the skin
    // names a mask picture) widens MaskRectArea to take in ClientRect and
    // fills hit-test points left at 0 from the corner points; afterwards the
    // corner points are pulled inside ClientRect. A malformed rectangle or
    // point raises EConvertError.
    void LoadFromFile(const TCustomIniFile* IniFile, bool HasMask);
    // Background picture indexes that name no picture of a list of
    // PictureCount become -1.
    void ClearMissingPictures(int PictureCount);

    TPoint LeftTopPoint;
    TPoint RightTopPoint;
    TPoint LeftBottomPoint;
    TPoint RightBottomPoint;
    TRect ClientRect;
    int BGPictureIndex = -1;
    int MDIBGPictureIndex = -1;
    bool LeftStretch = false;
    bool RightStretch = false;
    bool TopStretch = false;
    bool BottomStretch = false;
    bool StretchEffect = false;
    TbsStretchType StretchType = stfull;
    bool MDIBGStretchEffect = false;
    TbsStretchType MDIBGStretchType = stfull;
    TRect MaskRectArea;
    TPoint HitTestLeftTopPoint;
    TPoint HitTestRightTopPoint;
    TPoint HitTestLeftBottomPoint;
    TPoint HitTestRightBottomPoint;
    TRect ButtonsRect;
    TRect CaptionRect;
    int ButtonsOffset = 0;
    bool ButtonsInLeft = false;
    bool MainMenuPopupUp = false;
    int BorderWidth = 0;
    int FormMinWidth = 0;
    int FormMinHeight = 0;
    bool MDITabsTransparent = false;
    bool MainMenuBarTransparent = false;
    bool AutoRenderingInActiveImage = false;
    TbsImageEffect InActiveEffect = iebrightness;
};
