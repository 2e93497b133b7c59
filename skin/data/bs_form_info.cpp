#include "skin/data/bs_form_info.h"

#include <algorithm>

namespace {

const AnsiString kSection = "FORMINFO";

bool IsEmptyRect(const TRect& R) { return R.Right <= R.Left || R.Bottom <= R.Top; }

// A hit-test point left at 0 on an axis takes the corner point's value there.
void FillHitTestPoint(TPoint& HitTest, const TPoint& Corner)
{
    if (HitTest.X == 0)
        HitTest.X = Corner.X;
    if (HitTest.Y == 0)
        HitTest.Y = Corner.Y;
}

}  // namespace

void TbsFormInfo::LoadFromFile(const TCustomIniFile* IniFile, bool HasMask)
{
    LeftTopPoint = ReadPoint(IniFile, kSection, "lefttoppoint");
    RightTopPoint = ReadPoint(IniFile, kSection, "righttoppoint");
    LeftBottomPoint = ReadPoint(IniFile, kSection, "leftbottompoint");
    RightBottomPoint = ReadPoint(IniFile, kSection, "rightbottompoint");
    ClientRect = ReadRect(IniFile, kSection, "clientrect");
    BGPictureIndex = ReadPictureIndex(IniFile, kSection, "bgpictureindex");
    MDIBGPictureIndex = ReadPictureIndex(IniFile, kSection, "mdibgpictureindex");
    LeftStretch = ReadBoolean(IniFile, kSection, "leftstretch");
    RightStretch = ReadBoolean(IniFile, kSection, "rightstretch");
    TopStretch = ReadBoolean(IniFile, kSection, "topstretch");
    BottomStretch = ReadBoolean(IniFile, kSection, "bottomstretch");
    StretchEffect = ReadBoolean(IniFile, kSection, "stretcheffect");
    StretchType = ReadStretchType(IniFile, kSection, "stretchtype");
    MDIBGStretchEffect = ReadBoolean(IniFile, kSection, "mdibgstretcheffect");
    MDIBGStretchType = ReadStretchType(IniFile, kSection, "mdibgstretchtype");
    MaskRectArea = ReadRect(IniFile, kSection, "maskrectarea");
    HitTestLeftTopPoint = ReadPoint(IniFile, kSection, "hittestlefttoppoint");
    HitTestRightTopPoint = ReadPoint(IniFile, kSection, "hittestrighttoppoint");
    HitTestLeftBottomPoint = ReadPoint(IniFile, kSection, "hittestleftbottompoint");
    HitTestRightBottomPoint = ReadPoint(IniFile, kSection, "hittestrightbottompoint");

    // The mask must cover at least the client area, and borders are hit
    // where the frame picture's corners are unless the skin says otherwise.
    if (HasMask) {
        if (IsEmptyRect(MaskRectArea)) {
            MaskRectArea = ClientRect;
        } else {
            MaskRectArea.Left = std::min(MaskRectArea.Left, ClientRect.Left);
            MaskRectArea.Top = std::min(MaskRectArea.Top, ClientRect.Top);
            MaskRectArea.Right = std::max(MaskRectArea.Right, ClientRect.Right);
            MaskRectArea.Bottom = std::max(MaskRectArea.Bottom, ClientRect.Bottom);
        }
        FillHitTestPoint(HitTestLeftTopPoint, LeftTopPoint);
        FillHitTestPoint(HitTestRightTopPoint, RightTopPoint);
        FillHitTestPoint(HitTestLeftBottomPoint, LeftBottomPoint);
        FillHitTestPoint(HitTestRightBottomPoint, RightBottomPoint);
    }

    ButtonsRect = ReadRect(IniFile, kSection, "buttonsrect");
    CaptionRect = ReadRect(IniFile, kSection, "captionrect");
    ButtonsOffset = IniFile->ReadInteger(kSection, "buttonsoffset", 0);
    ButtonsInLeft = ReadBoolean(IniFile, kSection, "buttonsinleft");
    MainMenuPopupUp = ReadBoolean(IniFile, kSection, "mainmenupopupup");
    BorderWidth = IniFile->ReadInteger(kSection, "borderwidth", 0);
    FormMinWidth = IniFile->ReadInteger(kSection, "formminwidth", 0);
    FormMinHeight = IniFile->ReadInteger(kSection, "formminheight", 0);
    MDITabsTransparent = ReadBoolean(IniFile, kSection, "mditabstransparent");
    MainMenuBarTransparent = ReadBoolean(IniFile, kSection, "mainmenubartransparent");
    AutoRenderingInActiveImage = ReadBoolean(IniFile, kSection, "autorenderinginactiveimage");
    InActiveEffect = ReadImageEffect(IniFile, kSection, "inactiveeffect");

    // Each corner point is pulled inside the client rectangle. Corners that
    // do not differ on both axes make no nine parts and are left alone.
    if (RightBottomPoint.X != LeftTopPoint.X && RightBottomPoint.Y != LeftTopPoint.Y) {
        LeftTopPoint.X = std::max(LeftTopPoint.X, ClientRect.Left);
        LeftTopPoint.Y = std::max(LeftTopPoint.Y, ClientRect.Top);
        RightTopPoint.X = std::min(RightTopPoint.X, ClientRect.Right);
        RightTopPoint.Y = std::max(RightTopPoint.Y, ClientRect.Top);
        LeftBottomPoint.X = std::max(LeftBottomPoint.X, ClientRect.Left);
        LeftBottomPoint.Y = std::min(LeftBottomPoint.Y, ClientRect.Bottom);
        RightBottomPoint.X = std::min(RightBottomPoint.X, ClientRect.Right);
        RightBottomPoint.Y = std::min(RightBottomPoint.Y, ClientRect.Bottom);
    }
}

void TbsFormInfo::ClearMissingPictures(int PictureCount)
{
    for (int* index : {&BGPictureIndex, &MDIBGPictureIndex})
        if (*index < 0 || *index >= PictureCount)
            *index = -1;
}
